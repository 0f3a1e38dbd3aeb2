// Writes the user guide docs/wmain.htm and its pictures: the tool icons and
// control-strip pictures as the program draws them, the files windows, a
// drawing being coloured in the real main window, and the shipped drawings.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <cstdio>

#include "data/docs/guide_text.h"
#include "data/docs/kids.h"
#include "paint/canvas/artcache.h"
#include "paint/canvas/mainpinz.h"
#include "paint/canvas/pictures.h"
#include "paint/canvas/toolform.h"
#include "paint/canvas/toolicons.h"
#include "paint/files/openpic.h"
#include "paint/files/palpinz.h"
#include "paint/files/saveuser.h"
#include "platform/bmp.h"
#include "platform/folders.h"
#include "platform/language.h"

namespace {

bool savePng(const QImage& img, const QString& path) { return img.save(path, "PNG"); }

// Where the guide's pictures show the program folder, they show this one:
// the folder of the machine that built them means nothing to a reader.
const QString kShownFolder = QStringLiteral("/opt/pinzola");

// A picture of window `w` in which every text naming the folder `prog`
// names kShownFolder instead.
QImage grabShowingNoBuildPath(QWidget& w, const QString& prog) {
  auto shown = [&](QString text) { return text.replace(prog, kShownFolder); };
  // Only labels that name it: setting a text drops a label's picture.
  for (QLabel* l : w.findChildren<QLabel*>())
    if (l->text().contains(prog)) l->setText(shown(l->text()));
  for (QLineEdit* e : w.findChildren<QLineEdit*>())
    if (e->text().contains(prog)) e->setText(shown(e->text()));
  w.setWindowTitle(shown(w.windowTitle()));
  return w.grab().toImage();
}

// A few bucket fills so the guide's pictures look like a child's work.
void colourIn(pz::Surface& s) {
  const struct {
    int x, y;
    pz::Color c;
  } fills[] = {{400, 560, pz::rgb(255, 170, 60)}, {400, 250, pz::rgb(255, 170, 60)}, {400, 540, pz::rgb(255, 240, 100)},
               {345, 240, pz::rgb(130, 200, 255)}, {455, 240, pz::rgb(130, 200, 255)}, {150, 600, pz::rgb(230, 40, 80)},
               {600, 500, pz::rgb(255, 170, 60)}};
  for (auto f : fills) {
    if (s.pixel(f.x, f.y) != pz::kWhite) continue;
    s.brush = pz::Brush{false, f.c};
    s.floodFillSurface(f.x, f.y, pz::kWhite);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pinz-docs PROGRAM_DIR DOCS_DIR [LANGUAGE]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString prog = QString::fromLocal8Bit(argv[1]);
  const QString docs = QString::fromLocal8Bit(argv[2]);
  // The guide of one language: its words and the pictures of its windows.
  const QString lang = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
  if (!pz::installLanguage(lang, pz::translationsFolder(prog))) {
    std::fprintf(stderr, "pinz-docs: no catalogue for %s\n", qPrintable(lang));
    return 1;
  }
  QDir().mkpath(docs + "/pictures");
  const QString pics = docs + "/pictures/";
  bool ok = true;

  for (const pz::guide::Tool& t : pz::guide::tools())
    ok = savePng(pz::toolIcon(t.id), pics + QStringLiteral("tool%1.png").arg(t.id)) && ok;
  ok = savePng(pz::mixingIcon(48), pics + "mixing.png") && ok;
  for (const pz::guide::StripItem& s : pz::guide::stripItems())
    ok = savePng(pz::stripPicture(s.picture), pics + s.file) && ok;

  pz::PaintState st;
  st.programDir = prog;
  st.openMode = 1;
  {
    pz::Topenpic w(st);
    const auto items = w.bmpnames->findItems(pz::contentName("cat"), Qt::MatchExactly);
    if (!items.isEmpty()) {
      w.bmpnames->setCurrentItem(items.front());
      w.bmpnamesClick();
    }
    ok = savePng(grabShowingNoBuildPath(w, prog), pics + "open.png") && ok;
  }
  {
    pz::Tsaveuser w(st);
    w.Edit1->setText("My orange cat");
    ok = savePng(grabShowingNoBuildPath(w, prog), pics + "savename.png") && ok;
  }
  {
    pz::Tpalpinz w(st);
    ok = savePng(grabShowingNoBuildPath(w, prog), pics + "colors.png") && ok;
  }

  // The main window with a drawing partly coloured in.
  QString error;
  if (auto art = pz::ArtCache::load(prog, &error)) {
    pz::Tmainpinz win(*art);
    win.st.aboutPending = 0;
    if (auto cat = pz::readBmp(prog + "/bmps/cat.bmp")) {
      colourIn(*cat);
      win.st.pictureBmp = *cat;
      win.st.undoBmp = *cat;
    }
    win.setPictureCaption("Pinzola -- cat");
    win.resize(900, 640);
    win.show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    win.vscroll->setValue(120);
    win.refreshAll();
    QCoreApplication::processEvents();
    ok = savePng(grabShowingNoBuildPath(win, prog), pics + "screen.png") && ok;
    ok = pz::guide::writeKidPictures(prog + "/bmps/fish (easy).bmp", prog, *art, pics) && ok;
    {
      pz::Ttoolform chest(win.st, &win);
      ok = savePng(chest.grab().toImage(), pics + pz::guide::kidChestPicture()) && ok;
    }
    win.st.aboutPending = 0;
    win.hide();
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    ok = false;
  }

  // Small pictures of every drawing.
  QStringList drawings = pz::listFolder(prog + "/bmps", "bmp");
  drawings.sort();
  for (const QString& n : drawings)
    if (auto s = pz::readBmp(prog + "/bmps/" + n))
      ok = savePng(s->toImage().scaled(160, 160, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                   pics + "drawing-" + pz::displayName(n).replace(' ', '-') + ".png") && ok;

  QFile html(docs + "/wmain.htm");
  if (!html.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
  html.write(pz::guide::page(drawings, lang).toUtf8());
  return ok ? 0 : 1;
}
