// pinz-clipkeep FILE.bmp: puts the bitmap of FILE on the clipboard, deletes
// FILE, and serves the bitmap until another program takes the clipboard.
// Started by a program that ends while its copy should stay pasteable on an
// X session without a clipboard manager.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  QGuiApplication app(argc, argv);
  const QString path = QString::fromLocal8Bit(argv[1]);
  const QImage img(path, "BMP");
  QFile::remove(path);
  if (img.isNull()) return 1;
  QClipboard* cb = QGuiApplication::clipboard();
  QObject::connect(cb, &QClipboard::changed, &app, [cb, &app](QClipboard::Mode mode) {
    if (mode == QClipboard::Clipboard && !cb->ownsClipboard()) app.quit();
  });
  cb->setImage(img);
  return app.exec();
}
