// pinz-shot FILE.png: saves a picture of the whole X screen ($DISPLAY).
// pinz-shot --pixel X Y [X Y ...]: prints the screen colour at each point as RRGGBB.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pinz-shot FILE.png | pinz-shot --pixel X Y ...\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 1;
  const QPixmap shot = screen->grabWindow(0);
  if (std::strcmp(argv[1], "--pixel") == 0) {
    const QImage img = shot.toImage();
    for (int i = 2; i + 1 < argc; i += 2) {
      const QColor c = img.pixelColor(std::atoi(argv[i]), std::atoi(argv[i + 1]));
      std::printf("%02x%02x%02x\n", c.red(), c.green(), c.blue());
    }
    return 0;
  }
  return shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
