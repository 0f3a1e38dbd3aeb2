// pinz-shot FILE... : saves one picture of the whole X screen ($DISPLAY) to
// every FILE, in the format its suffix names (.png to look at, .ppm for the
// checking scripts, which read it without an image library).
// pinz-shot --pixel X Y [X Y ...]: prints the screen colour at each point as RRGGBB.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pinz-shot FILE... | pinz-shot --pixel X Y ...\n");
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
  bool ok = true;
  for (int i = 1; i < argc; ++i) ok = shot.save(QString::fromLocal8Bit(argv[i])) && ok;
  return ok ? 0 : 1;
}
