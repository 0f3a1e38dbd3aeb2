// Opening drawings and saved pictures through the open window.
#include <QFile>

#include "files_support.h"
#include "paint/files/picture_files.h"

namespace pz::testing {
namespace {

TEST(OpenDrawing, PortraitDrawingBecomesThePictureAtOneToOne) {
  FakeHost h;
  const Surface drawing = patterned(600, 800, kBlack);
  ASSERT_TRUE(writeBmp24(h.folder("bmps") + "cat.bmp", drawing));
  h.st.pictureName = "earlier";
  h.st.zoomState = 2;
  h.onModal = pickEntry("cat");
  openPinzolaPicture(h);

  EXPECT_EQ(h.st.pictureBmp, drawing);
  EXPECT_EQ(h.st.undoBmp, drawing) << "undo returns the picture as opened";
  EXPECT_EQ(h.st.zoomState, 4);
  EXPECT_EQ(h.scrollResets, 1);
  EXPECT_EQ(h.st.pictureName, "") << "a drawing is untitled";
  ASSERT_FALSE(h.captions.isEmpty());
  EXPECT_EQ(h.captions.back(), "Pinzola -- using " + h.folder("bmps") + "cat.bmp");
  EXPECT_EQ(h.st.spritePos, Point{});
}

TEST(OpenDrawing, CancelOrOkWithoutAnEntryChangesNothing) {
  for (bool clickFirst : {true, false}) {
    FakeHost h;
    ASSERT_TRUE(writeBmp24(h.folder("bmps") + "dog.bmp", patterned(100, 100, kBlack)));
    h.st.pictureName = "mine";
    const Surface before = h.st.pictureBmp;
    if (clickFirst)
      h.onModal = pickEntry("dog", /*ok=*/false);
    else
      h.onModal = [](QDialog* d) { dynamic_cast<Topenpic*>(d)->Image2Click(); };
    openPinzolaPicture(h);
    EXPECT_EQ(h.st.pictureBmp, before);
    EXPECT_EQ(h.st.pictureName, "mine");
    EXPECT_TRUE(h.captions.isEmpty());
    EXPECT_EQ(h.refreshes, 1);
  }
}

// A picture that cannot be read leaves everything as it was and says why.
TEST(OpenDrawing, UnreadableFileKeepsPictureUndoAndName) {
  QByteArray hugeBmp = encodeBmp24(Surface(4, 4));
  hugeBmp[18] = char(0x40);  // width 0x9C40 = 40000
  hugeBmp[19] = char(0x9C);
  struct Case {
    const char* what;
    std::function<void(const QString&)> spoil;
  } cases[] = {
      {"removed after the listing", [](const QString& p) { QFile::remove(p); }},
      {"not a bitmap", [](const QString& p) { writeBytes(p, "this is not a bitmap"); }},
      {"absurdly large", [&](const QString& p) { writeBytes(p, hugeBmp); }},
  };
  for (const Case& c : cases) {
    FakeHost h;
    const QString path = h.folder("bmps") + "owl.bmp";
    ASSERT_TRUE(writeBmp24(path, patterned(50, 50, kBlack)));
    h.st.pictureName = "mine";
    h.st.pictureBmp = patterned(800, 800, rgb(1, 2, 3));
    h.st.undoBmp = patterned(800, 800, rgb(4, 5, 6));
    const Surface picture = h.st.pictureBmp, undo = h.st.undoBmp;
    h.onModal = [&](QDialog* d) {
      pickEntry("owl", false)(d);  // the preview reads the good file...
      c.spoil(path);               // ...then it goes bad before OK
      dynamic_cast<Topenpic*>(d)->Image2Click();
    };
    openPinzolaPicture(h);
    EXPECT_EQ(h.st.pictureBmp, picture) << c.what;
    EXPECT_EQ(h.st.undoBmp, undo) << c.what;
    EXPECT_EQ(h.st.pictureName, "mine") << c.what;
    ASSERT_EQ(h.prompts.shown.size(), 1) << c.what;
    EXPECT_TRUE(h.prompts.shown[0].contains(path)) << h.prompts.shown[0].toStdString();
  }
}

TEST(OpenSaved, NoSavedPicturesShowsTheMessageAndNoWindow) {
  FakeHost h;
  writeBytes(h.folder("user") + "notes.txt", "x");
  openSavedPicture(h);
  EXPECT_EQ(h.prompts.shown, QStringList{"No Saved Pictures to open."});
  EXPECT_EQ(h.modals, 0);
}

struct CleanRow {
  Color in, out;
};
TEST(CleanUp, SnapsNearBlackAndNearWhiteOnly) {
  const CleanRow rows[] = {
      {rgb(29, 29, 29), kBlack},         {rgb(30, 0, 0), rgb(30, 0, 0)},
      {rgb(246, 250, 255), kWhite},      {rgb(245, 255, 255), rgb(245, 255, 255)},
      {rgb(0, 29, 0), kBlack},           {rgb(255, 246, 246), kWhite},
      {rgb(255, 87, 128), rgb(255, 87, 128)},
  };
  Surface s(int(std::size(rows)), 3);
  for (int x = 0; x < s.width(); ++x)
    for (int y = 0; y < 3; ++y) s.setPixel(x, y, rows[x].in);
  cleanUpColors(s);
  for (int x = 0; x < s.width(); ++x)
    for (int y = 0; y < 3; ++y) EXPECT_EQ(s.pixel(x, y), rows[x].out) << "column " << x;
}

TEST(CleanUp, ReportsEachPercentageOnceFromZeroTo99) {
  for (int width : {100, 250, 800, 1200}) {
    Surface s(width, 2);
    std::vector<int> seen;
    cleanUpColors(s, [&](int p) { seen.push_back(p); });
    ASSERT_EQ(seen.size(), 100u) << width;
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 99);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "no repeats";
  }
  Surface narrow(50, 1);  // factor 2: 0%, 2%, ... 98%
  std::vector<int> seen;
  cleanUpColors(narrow, [&](int p) { seen.push_back(p); });
  EXPECT_EQ(seen.size(), 50u);
  EXPECT_EQ(seen.back(), 98);
}

TEST(OpenSaved, ReopeningCleansUpAndNamesThePicture) {
  FakeHost h;
  Surface saved(200, 100, rgb(250, 250, 250));
  saved.fillRect({0, 0, 100, 100}, rgb(20, 20, 20));
  saved.fillRect({150, 0, 200, 100}, rgb(0, 128, 255));
  ASSERT_TRUE(NViewLibSaveAsJPG(100, h.folder("user") + "cat.jpg", saved));
  h.onModal = pickEntry("cat");
  openSavedPicture(h);

  EXPECT_EQ(h.st.pictureName, "cat");
  EXPECT_EQ(h.st.pictureBmp.width(), 200);
  EXPECT_EQ(h.st.pictureBmp.pixel(50, 50), kBlack);
  EXPECT_EQ(h.st.pictureBmp.pixel(120, 50), kWhite);
  EXPECT_EQ(h.st.undoBmp, h.st.pictureBmp) << "undo returns the cleaned picture";
  ASSERT_GE(h.captions.size(), 2);
  EXPECT_EQ(h.captions[h.captions.size() - 2], "Pinzola -- adjusting colors");
  EXPECT_EQ(h.captions.back(), "Pinzola -- cat");
  EXPECT_EQ(h.progress.back(), "99%");
  EXPECT_FALSE(h.progressShown);
  EXPECT_EQ(h.st.zoomState, 4);
}

TEST(OpenSaved, DottedNameIsListedCutAtItsLastDotAndOpenedAgain) {
  FakeHost h;
  ASSERT_TRUE(NViewLibSaveAsJPG(100, h.folder("user") + "my.cat.jpg", patterned(64, 48, rgb(255, 0, 0))));
  h.onModal = pickEntry("my.cat");
  openSavedPicture(h);
  EXPECT_EQ(h.st.pictureName, "my.cat");
  EXPECT_EQ(h.st.pictureBmp.width(), 64);
}

TEST(OpenSaved, FoundByTheNameItHasOnDisk) {
  FakeHost h;
  ASSERT_TRUE(NViewLibSaveAsJPG(100, h.folder("user") + "Dog.JPG", patterned(64, 48, rgb(255, 0, 0))));
  h.onModal = pickEntry("Dog");
  openSavedPicture(h);
  EXPECT_EQ(h.st.pictureName, "Dog");
  EXPECT_EQ(h.st.pictureBmp.width(), 64);
  // Saving it again replaces that file rather than adding a second "Dog".
  savePinzolaPicture(h);
  EXPECT_EQ(h.entries("user"), QStringList{"Dog.JPG"});
}

TEST(OpenSaved, CancelAfterClickingKeepsTheNameSoSaveWritesWhereItDidBefore) {
  FakeHost h;
  ASSERT_TRUE(NViewLibSaveAsJPG(100, h.folder("user") + "other.jpg", patterned(64, 48, kBlack)));
  h.st.pictureName = "mine";
  h.onModal = pickEntry("other", /*ok=*/false);
  openSavedPicture(h);
  EXPECT_EQ(h.st.pictureName, "mine");
  h.onModal = nullptr;
  savePinzolaPicture(h);
  EXPECT_EQ(h.modals, 1) << "no name window: the picture has a name";
  EXPECT_TRUE(QFile::exists(h.folder("user") + "mine.jpg"));
}

TEST(OpenSaved, CorruptJpegKeepsTheCurrentPicture) {
  FakeHost h;
  QByteArray jpeg = encodeJpeg(patterned(300, 200, rgb(0, 0, 255)), 100);
  writeBytes(h.folder("user") + "broken.jpg", jpeg.left(jpeg.size() * 2 / 3));
  h.st.pictureName = "mine";
  h.st.pictureBmp = patterned(800, 800, rgb(10, 200, 10));
  const Surface before = h.st.pictureBmp, undo = h.st.undoBmp;
  h.onModal = pickEntry("broken");
  openSavedPicture(h);
  EXPECT_EQ(h.st.pictureBmp, before);
  EXPECT_EQ(h.st.undoBmp, undo);
  EXPECT_EQ(h.st.pictureName, "mine");
  EXPECT_TRUE(h.captions.isEmpty());
  ASSERT_EQ(h.prompts.shown.size(), 1);
  EXPECT_TRUE(h.prompts.shown[0].contains("broken.jpg"));
}

TEST(OpenWindow, ListsEachModeAndShowsThePathClicked) {
  FakeHost h;
  ASSERT_TRUE(writeBmp24(h.folder("bmps") + "a.bmp", Surface(10, 10)));
  ASSERT_TRUE(writeBmp24(h.folder("bmps") + "B.BMP", Surface(10, 10)));
  writeBytes(h.folder("bmps") + "c.txt", "x");
  ASSERT_TRUE(NViewLibSaveAsJPG(100, h.folder("user") + "saved.jpg", Surface(10, 10)));
  h.st.openMode = 1;
  h.st.chosenPicture = "left over";
  Topenpic w(h.st);
  EXPECT_EQ(w.windowTitle(), "Open a Picture");
  EXPECT_EQ(w.size(), QSize(580, 278));
  EXPECT_TRUE(h.st.chosenPicture.isEmpty());
  QStringList names;
  for (int i = 0; i < w.bmpnames->count(); ++i) names << w.bmpnames->item(i)->text();
  names.sort();
  EXPECT_EQ(names, (QStringList{"B", "a"}));
  w.bmpnames->setCurrentRow(w.bmpnames->row(w.bmpnames->findItems("B", Qt::MatchExactly).front()));
  w.bmpnamesClick();
  EXPECT_EQ(w.Label1->text(), h.folder("bmps") + "B.BMP");

  h.st.openMode = 2;
  Topenpic saved(h.st);
  ASSERT_EQ(saved.bmpnames->count(), 1);
  EXPECT_EQ(saved.bmpnames->item(0)->text(), "saved");
}

// The list makes a row current when it gets focus (from the keyboard or
// from the window becoming active); that is not a choice of the child's.
TEST(OpenWindow, FocusAloneChoosesNothingAndTheKeysPreviewTheRowMovedTo) {
  FakeHost h;
  for (const char* name : {"ant", "bee", "cow"})
    ASSERT_TRUE(writeBmp24(h.folder("bmps") + name + ".bmp", patterned(40, 40, kBlack)));
  h.st.openMode = 1;
  Topenpic w(h.st);
  const QImage placeholder = w.Image1->pixmap().toImage();
  for (Qt::FocusReason why : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason, Qt::OtherFocusReason}) {
    QFocusEvent in(QEvent::FocusIn, why);
    QApplication::sendEvent(w.bmpnames, &in);
    EXPECT_EQ(w.Label1->text(), "") << why;
    EXPECT_EQ(w.Image1->pixmap().toImage(), placeholder) << why;
  }
  ASSERT_EQ(w.bmpnames->currentRow(), 0) << "the list made its first row current";

  // Down from there: the second row is the one chosen and previewed.
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(w.bmpnames, &down);
  const QString second = w.bmpnames->item(1)->text();
  EXPECT_EQ(w.Label1->text(), h.folder("bmps") + second + ".bmp");
  EXPECT_NE(w.Image1->pixmap().toImage(), placeholder);
  w.Image2Click();
  EXPECT_EQ(h.st.chosenPicture, h.folder("bmps") + second + ".bmp");
}

TEST(OpenWindow, OkAfterTheListGotFocusOpensNothing) {
  FakeHost h;
  ASSERT_TRUE(writeBmp24(h.folder("bmps") + "dog.bmp", patterned(100, 100, kBlack)));
  h.st.pictureBmp = patterned(800, 800, rgb(0, 200, 0));
  h.st.pictureName = "mine";
  const Surface before = h.st.pictureBmp;
  h.onModal = [](QDialog* d) {
    auto* w = dynamic_cast<Topenpic*>(d);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(w->bmpnames, &in);
    w->Image2Click();
  };
  openPinzolaPicture(h);
  EXPECT_EQ(h.st.pictureBmp, before);
  EXPECT_EQ(h.st.pictureName, "mine");
  EXPECT_TRUE(h.captions.isEmpty());
}

}  // namespace
}  // namespace pz::testing
