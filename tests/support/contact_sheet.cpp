// pinz-contact-sheet OUT.png DIR...: every BMP of the folders, shrunk into a
// grid with its name underneath, to look over all shipped pictures at once.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: pinz-contact-sheet OUT.png DIR...\n");
    return 2;
  }
  QStringList files;
  for (int i = 2; i < argc; ++i) {
    QDir dir(QString::fromLocal8Bit(argv[i]));
    for (const QString& n : dir.entryList({"*.bmp", "*.BMP"}, QDir::Files, QDir::Name)) files << dir.filePath(n);
  }
  const int cell = 200, label = 18, cols = 8;
  const int rows = int((files.size() + cols - 1) / cols);
  QImage sheet(cols * cell, rows * (cell + label), QImage::Format_RGB32);
  sheet.fill(QColor(200, 200, 210));
  QPainter p(&sheet);
  p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
  for (int i = 0; i < files.size(); ++i) {
    const QImage img(files[i]);
    const int x = (i % cols) * cell, y = (i / cols) * (cell + label);
    const QImage small = img.scaled(cell - 8, cell - 8, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage(x + (cell - small.width()) / 2, y + (cell - small.height()) / 2, small);
    p.setPen(Qt::black);
    p.drawText(QRect(x, y + cell - 2, cell, label), Qt::AlignCenter, QFileInfo(files[i]).completeBaseName());
  }
  p.end();
  return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
