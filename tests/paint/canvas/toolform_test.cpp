// The tool chest driven as a user drives it: real clicks on its parts, a
// textures folder made for each case.
#include "paint/canvas/toolform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include "platform/bmp.h"
#include "platform/prompt.h"

namespace pz {
namespace {

// A program folder whose textures/ holds `count` plain 50 x 50 textures, each
// of its own colour.
struct Folder {
  QTemporaryDir dir;
  explicit Folder(int count) {
    QDir(dir.path()).mkpath("textures");
    for (int i = 0; i < count; ++i) add(QString("t%1.bmp").arg(i, 2, 10, QChar('0')));
  }
  QString textures() const { return dir.path() + "/textures"; }
  QString add(const QString& name, Color c = 0) {
    static int serial = 0;
    const Color colour = c ? c : rgb(serial * 7, 255 - serial * 5, serial * 3);
    ++serial;
    EXPECT_TRUE(writeBmp24(textures() + "/" + name, Surface(50, 50, colour)));
    return textures() + "/" + name;
  }
};

void sendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
  const QPointF global = w->mapToGlobal(QPointF(local));
  QMouseEvent e(type, QPointF(local), global, type == QEvent::MouseMove ? Qt::NoButton : button,
                type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons(Qt::NoButton),
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// A click at a point of the window, delivered to whatever part lies there.
void clickAt(QWidget* window, QPoint p) {
  QWidget* target = window->childAt(p);
  if (!target) target = window;
  const QPoint local = target->mapFrom(window, p);
  sendMouse(target, QEvent::MouseButtonPress, local);
  sendMouse(target, QEvent::MouseButtonRelease, local);
}

void click(QWidget* w) { clickAt(w->window(), w->mapTo(w->window(), QPoint(w->width() / 2, w->height() / 2))); }

void moveOver(QWidget* w) { sendMouse(w, QEvent::MouseMove, QPoint(w->width() / 2, w->height() / 2)); }

int shownThumbnails(const Ttoolform& f) {
  int n = 0;
  for (const ChestImage* t : f.timg) n += t->isVisibleTo(f.Panel1) ? 1 : 0;
  return n;
}

struct Chest {
  ScriptedPrompter prompts;
  Folder folder;
  PaintState st;
  std::unique_ptr<Ttoolform> form;
  Chest(int textures, int tool) : folder(textures) {
    st.programDir = folder.dir.path();
    st.currentTool = tool;
  }
  Ttoolform& open() {
    form = std::make_unique<Ttoolform>(st);
    form->show();
    return *form;
  }
};

struct PagingCase {
  int textures;
  int nextPresses;
  int previousPresses;
  int page;
  int shown;
};

class ChestPaging : public ::testing::TestWithParam<PagingCase> {};

TEST_P(ChestPaging, PagesHoldTwelveAndStopAtTheEnds) {
  const PagingCase c = GetParam();
  Chest chest(c.textures, ToolTextureBrush);
  Ttoolform& f = chest.open();
  ASSERT_TRUE(f.Panel1->isVisible());
  for (int i = 0; i < c.nextPresses; ++i) click(f.BitBtn3);
  for (int i = 0; i < c.previousPresses; ++i) click(f.BitBtn2);
  EXPECT_EQ(f.texturePage(), c.page);
  EXPECT_EQ(shownThumbnails(f), c.shown);
  EXPECT_TRUE(f.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Rows, ChestPaging,
                         ::testing::Values(PagingCase{12, 0, 0, 0, 12},  // exactly one page
                                           PagingCase{12, 1, 0, 0, 12},  // Next does nothing
                                           PagingCase{13, 1, 0, 12, 1},  // the 13th alone
                                           PagingCase{13, 1, 1, 0, 12},  // and back
                                           PagingCase{13, 0, 1, 0, 12},  // Previous on page 1
                                           PagingCase{30, 5, 0, 24, 6},  // three pages, stops at the last
                                           PagingCase{0, 1, 1, 0, 0}));  // empty folder

TEST(Chest, TexturePanelShowsOnlyForTheTextureBrush) {
  Chest chest(5, ToolWaterPen);
  Ttoolform& f = chest.open();
  EXPECT_FALSE(f.Panel1->isVisible());
  click(f.toolImage(ToolTextureBrush));
  EXPECT_TRUE(f.isVisible()) << "the chest stays open for a texture";
  EXPECT_TRUE(f.Panel1->isVisible());
  EXPECT_EQ(shownThumbnails(f), 5);
  EXPECT_EQ(chest.st.currentTool, ToolTextureBrush);
}

TEST(Chest, ChoosingTheTextureBrushAgainShowsTheFirstPage) {
  Chest chest(20, ToolTextureBrush);
  Ttoolform& f = chest.open();
  click(f.BitBtn3);
  ASSERT_EQ(f.texturePage(), 12);
  click(f.toolImage(ToolTextureBrush));
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.texturePage(), 0);
  EXPECT_EQ(shownThumbnails(f), 12);
}

TEST(Chest, ClickingAThumbnailChoosesThatTextureOfTheShownPage) {
  Chest chest(20, ToolTextureBrush);
  Ttoolform& f = chest.open();
  const QStringList list = f.textureList();
  click(f.BitBtn3);
  click(f.timg[2]);
  EXPECT_EQ(chest.st.textureFile, list[14]);
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(f.result(), QDialog::Accepted);
}

struct OkCase {
  const char* chosenBefore;  // empty: none chosen yet
  int textures;
  int nextPresses;
  int expectIndex;  // index into the list, -1: the earlier choice, -2: stays empty
};

class ChestOk : public ::testing::TestWithParam<OkCase> {};

TEST_P(ChestOk, KeepsAChoiceElseTakesTheFirstOfThePage) {
  const OkCase c = GetParam();
  Chest chest(c.textures, ToolTextureBrush);
  chest.st.textureFile = QString::fromLatin1(c.chosenBefore);
  Ttoolform& f = chest.open();
  const QStringList list = f.textureList();
  for (int i = 0; i < c.nextPresses; ++i) click(f.BitBtn3);
  click(f.Image21);
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(chest.st.currentTool, ToolTextureBrush);
  if (c.expectIndex >= 0)
    EXPECT_EQ(chest.st.textureFile, list[c.expectIndex]);
  else if (c.expectIndex == -1)
    EXPECT_EQ(chest.st.textureFile, QString::fromLatin1(c.chosenBefore));
  else
    EXPECT_TRUE(chest.st.textureFile.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ChestOk,
                         ::testing::Values(OkCase{"/earlier/choice.bmp", 20, 1, -1}, OkCase{"", 20, 1, 12},
                                           OkCase{"", 20, 0, 0}, OkCase{"", 0, 0, -2}));

TEST(Chest, ReactivationRereadsTheFolderAndReturnsToTheFirstPage) {
  Chest chest(13, ToolTextureBrush);
  Ttoolform& f = chest.open();
  QApplication::processEvents();
  click(f.BitBtn3);
  ASSERT_EQ(f.texturePage(), 12);
  chest.folder.add("late.bmp");
  QEvent away(QEvent::WindowDeactivate), back(QEvent::WindowActivate);
  QApplication::sendEvent(&f, &away);
  QApplication::sendEvent(&f, &back);
  if (f.textureList().size() == 13) QApplication::sendEvent(&f, &back);  // the first activation came late
  EXPECT_EQ(f.textureList().size(), 14);
  EXPECT_EQ(f.texturePage(), 0);
  EXPECT_EQ(shownThumbnails(f), 12);
}

struct ToolCase {
  int tool;
  int x, y;  // where its image lies in the window
};

class ChestTool : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ChestTool, ClickOnItsImageChoosesTheTool) {
  const ToolCase c = GetParam();
  Chest chest(3, ToolWaterPen);
  Ttoolform& f = chest.open();
  clickAt(&f, QPoint(c.x + 25, c.y + 25));
  EXPECT_EQ(chest.st.currentTool, c.tool);
  EXPECT_EQ(f.isVisible(), c.tool == ToolTextureBrush) << "only the Texture Brush keeps the chest open";
}

TEST_P(ChestTool, FrameAndHintFollowTheTool) {
  const ToolCase c = GetParam();
  Chest chest(3, c.tool);
  Ttoolform& f = chest.open();
  EXPECT_EQ(f.selborder->pos(), QPoint(c.x, c.y));
  moveOver(f.toolImage(c.tool));
  EXPECT_FALSE(f.hintline->text().isEmpty());
  EXPECT_TRUE(f.hintline->text().contains(" -- ") || c.tool == ToolAreaSelect) << f.hintline->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChestTool,
    ::testing::Values(ToolCase{ToolAcrylicPaint, 2, 2}, ToolCase{ToolOilPaint, 56, 5}, ToolCase{ToolSprayPaint, 106, 3},
                      ToolCase{ToolSprayPaintMix, 158, 3}, ToolCase{ToolBlackEraser, 10, 56},
                      ToolCase{ToolColorEraser, 60, 56}, ToolCase{ToolWaterPen, 110, 60},
                      ToolCase{ToolWaterPenMix, 164, 59}, ToolCase{ToolPastel, 8, 118},
                      ToolCase{ToolPastelMix, 64, 115}, ToolCase{ToolRazor, 110, 112},
                      ToolCase{ToolWandStars, 162, 112}, ToolCase{ToolReplacementPaint, 8, 172},
                      ToolCase{ToolDropper, 64, 174}, ToolCase{ToolBucket, 116, 172},
                      ToolCase{ToolBlackPencil, 160, 176}, ToolCase{ToolAreaSelect, 84, 226},
                      ToolCase{ToolTextureBrush, 228, 86}));

TEST(Chest, FrameStaysPutForATemporaryTool) {
  Chest chest(0, ToolZoomRect);
  Ttoolform& f = chest.open();
  const QPoint before = f.selborder->pos();
  f.FormActivate();
  EXPECT_EQ(f.selborder->pos(), before);
  EXPECT_EQ(chest.st.currentTool, ToolZoomRect);
}

TEST(Chest, HintLineFollowsThePointer) {
  Chest chest(0, ToolWaterPen);
  Ttoolform& f = chest.open();
  moveOver(f.toolImage(ToolBucket));
  EXPECT_EQ(f.hintline->text(), "Bucket -- fill area with color");
  moveOver(f.Image21);
  EXPECT_EQ(f.hintline->text(), "Le's go with the chosen tool...");
  sendMouse(&f, QEvent::MouseMove, QPoint(400, 150));
  EXPECT_EQ(f.hintline->text(), "");
}

TEST(Chest, ClosingByTheCloseBoxKeepsTheToolAsLastSet) {
  Chest chest(4, ToolWaterPen);
  Ttoolform& f = chest.open();
  click(f.toolImage(ToolTextureBrush));
  f.close();
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(chest.st.currentTool, ToolTextureBrush);
  EXPECT_TRUE(chest.st.textureFile.isEmpty());
  EXPECT_TRUE(f.textureList().isEmpty()) << "the list is let go when the chest closes";
}

TEST(Chest, ListsBitmapsOfAnyCaseAndNothingElse) {
  Chest chest(2, ToolTextureBrush);
  chest.folder.add("LOUD.BMP");
  QFile note(chest.folder.textures() + "/notes.txt");
  ASSERT_TRUE(note.open(QIODevice::WriteOnly));
  note.write("not a texture");
  note.close();
  Ttoolform& f = chest.open();
  EXPECT_EQ(f.textureList().size(), 3);
  EXPECT_EQ(shownThumbnails(f), 3);
}

TEST(Chest, UnreadableTextureShowsNoThumbnailAndCannotBeChosen) {
  Chest chest(0, ToolTextureBrush);
  QFile bad(chest.folder.textures() + "/broken.bmp");
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("BM this is no bitmap");
  bad.close();
  Ttoolform& f = chest.open();
  ASSERT_EQ(f.textureList().size(), 1);
  EXPECT_EQ(shownThumbnails(f), 0);
  QCoreApplication::processEvents();  // named once the chest is on the screen
  ASSERT_EQ(chest.prompts.shown.size(), 1) << "the page says which texture it left out";
  EXPECT_TRUE(chest.prompts.shown[0].contains(chest.folder.textures() + "/broken.bmp"));
  f.timgClick(1);
  EXPECT_TRUE(f.isVisible());
  EXPECT_TRUE(chest.st.textureFile.isEmpty());
}

void activate(Ttoolform& f) {
  QEvent e(QEvent::WindowActivate);
  QApplication::sendEvent(&f, &e);
}

void writeGarbage(const QString& path) {
  QFile bad(path);
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a bitmap at all");
}

// Closing the message activates the chest again: if an activation named the
// file, the child could never get out.
TEST(Chest, AnUnreadableTextureIsNamedOncePerOpeningAndNeverOnActivation) {
  Chest chest(13, ToolWaterPen);
  writeGarbage(chest.folder.textures() + "/broken.bmp");
  Ttoolform& f = chest.open();
  QCoreApplication::processEvents();
  EXPECT_TRUE(chest.prompts.shown.isEmpty()) << "no texture page is shown";

  click(f.toolImage(ToolTextureBrush));
  // Wherever the folder listing put it, one page names it the first time.
  click(f.BitBtn3);
  ASSERT_EQ(chest.prompts.shown.size(), 1);
  EXPECT_TRUE(chest.prompts.shown[0].startsWith("These textures cannot be read and are left out:"));
  EXPECT_TRUE(chest.prompts.shown[0].contains(chest.folder.textures() + "/broken.bmp"));
  for (int i = 0; i < 4; ++i) activate(f);
  click(f.toolImage(ToolTextureBrush));
  click(f.BitBtn3);
  click(f.BitBtn2);
  QCoreApplication::processEvents();
  EXPECT_EQ(chest.prompts.shown.size(), 1);
  EXPECT_TRUE(f.isVisible());

  // The next opening names it again, once.
  f.close();
  Ttoolform& again = chest.open();
  for (int i = 0; i < 3; ++i) activate(again);
  QCoreApplication::processEvents();
  click(again.BitBtn3);
  click(again.BitBtn2);
  EXPECT_EQ(chest.prompts.shown.size(), 2);
}

// The Texture Brush must always get a brush it can load.
TEST(UsableTexture, FallsBackToAReadableTextureOrTheBlankBrush) {
  Folder folder(0);
  PaintState st;
  st.programDir = folder.dir.path();
  EXPECT_EQ(usableTextureFile(st), "") << "empty folder: the blank brush";
  QFile bad(folder.textures() + "/a_broken.bmp");
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("garbage");
  bad.close();
  EXPECT_EQ(usableTextureFile(st), "") << "only an unreadable file";
  const QString good = folder.add("zz_good.bmp");
  EXPECT_EQ(usableTextureFile(st), good) << "none chosen: the first readable texture";
  st.textureFile = folder.textures() + "/a_broken.bmp";
  EXPECT_EQ(usableTextureFile(st), good) << "chosen file unreadable";
  st.textureFile = folder.textures() + "/gone.bmp";
  EXPECT_EQ(usableTextureFile(st), good) << "chosen file deleted";
  const QString other = folder.add("other.bmp");
  st.textureFile = other;
  EXPECT_EQ(usableTextureFile(st), other) << "a readable choice is kept";
}

TEST(UsableTexture, NoProgramFolderNeverFails) {
  PaintState st;
  EXPECT_EQ(usableTextureFile(st), "");
}

}  // namespace
}  // namespace pz
