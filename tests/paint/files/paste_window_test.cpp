// The selection, paste, clip art, print and PinzFX commands driven through
// the real main window.
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "paint/files/artform.h"
#include "paint/files/paste.h"
#include "paint/files/selection.h"
#include "platform/bmp.h"
#include "platform/clipboard.h"
#include "platform/folders.h"
#include "platform/printer.h"
#include "tests/paint/canvas/window_fixture.h"

namespace pz::testing {
namespace {

constexpr Color kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

class CommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    open(600, 500);
    win->st.programDir = dir.path();
    Tmainpinz::menuHook = [this](QMenu*) { return chosen; };
  }
  void TearDown() override {
    printerSetupHook = nullptr;
    MainWindowTest::TearDown();
  }
  // A red 40 x 30 block with a green heart of pixels on a white ground.
  static Surface sticker() {
    Surface s(40, 30, kWhite);
    s.fillRect({5, 5, 35, 25}, kRed);
    s.fillRect({15, 10, 25, 20}, kWhite);  // white inside goes transparent too
    s.fillRect({18, 12, 22, 16}, kGreen);
    return s;
  }
  void fillPicture(Color c) { win->st.pictureBmp.fill(c); }
  QTemporaryDir dir;
  QAction* chosen = nullptr;
};

TEST_F(CommandsTest, PasteFollowsThePointerAndDropsThroughTheMask) {
  fillPicture(kBlue);
  win->takeUndoCopy();
  win->st.zoomState = 2;
  win->st.currentTool = ToolBucket;
  win->st.cursorKind = 9;
  setClipboardImage(sticker());
  win->st.pointerPoint = {300, 200};
  win->popuppasteClick();
  EXPECT_EQ(win->st.zoomState, 4);
  EXPECT_EQ(win->st.pasteActive, 1);
  EXPECT_EQ(win->st.stroking, 1);
  EXPECT_EQ(win->st.pasteMask, kPasteWithMask);
  EXPECT_EQ(win->st.currentTool, ToolPastePlace);
  EXPECT_EQ(win->st.cursorKind, 10);
  // The preview: image centred on the pointer, the picture untouched.
  EXPECT_EQ(screen(300 - 20 + 6, 200 - 15 + 6), kRed);
  EXPECT_EQ(screen(300, 200), kGreen);
  EXPECT_EQ(screen(300 - 20 + 16, 200 - 15 + 11), kBlue);  // the white hole
  move(120, 100);
  EXPECT_EQ(screen(120 - 20 + 6, 100 - 15 + 6), kRed);
  EXPECT_EQ(screen(300 - 20 + 6, 200 - 15 + 6), kBlue);  // the old place is clean again
  EXPECT_EQ(win->st.pictureBmp.pixel(120 - 20 + 6, 100 - 15 + 6), kBlue);

  // The press after the menu is swallowed; its release drops.
  win->st.swallowPress = 1;
  press(150, 120);
  release(150, 120);
  const Surface& pic = win->st.pictureBmp;
  EXPECT_EQ(pic.pixel(150 - 20 + 6, 120 - 15 + 6), kRed);
  EXPECT_EQ(pic.pixel(150, 120), kGreen);
  EXPECT_EQ(pic.pixel(150 - 20 + 16, 120 - 15 + 11), kBlue);
  EXPECT_EQ(pic.pixel(150 - 20 + 1, 120 - 15 + 1), kBlue);  // background corner
  EXPECT_EQ(win->st.pasteActive, 0);
  EXPECT_EQ(win->st.currentTool, ToolBucket);
  EXPECT_EQ(win->st.cursorKind, 9);
  // UNDO returns the picture as it was before the paste.
  win->Label2Click();
  EXPECT_EQ(win->st.pictureBmp.pixel(150, 120), kBlue);
}

TEST_F(CommandsTest, ZoomIsRefusedDuringThePlacementAndARightPressCancels) {
  fillPicture(kBlue);
  win->st.currentTool = ToolBucket;
  setClipboardImage(sticker());
  win->popuppasteClick();
  win->zoominClick();
  EXPECT_EQ(prompts.shown.value(0), QStringLiteral("Pasting can only take place at 1:1 zoom."));
  EXPECT_EQ(win->st.zoomState, 4);
  chosen = nullptr;
  press(200, 200, Qt::RightButton);
  EXPECT_EQ(win->st.pasteActive, 0);
  EXPECT_EQ(win->st.currentTool, ToolBucket);
  release(200, 200, Qt::RightButton);
  EXPECT_EQ(win->st.pictureBmp.pixel(200, 200), kBlue);
}

TEST_F(CommandsTest, CutThenPasteElsewhereMovesThePixels) {
  Surface& pic = win->st.pictureBmp;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) pic.setPixel(x, y, rgb(x * 2, y * 2, 99));
  const Surface before = pic;
  win->st.currentTool = ToolAreaSelect;
  chosen = win->tpopcut;
  drag({10, 20}, {50, 60});  // 40 x 40
  EXPECT_EQ(pic.pixel(10, 20), kWhite);
  EXPECT_EQ(pic.pixel(49, 59), kWhite);
  EXPECT_EQ(pic.pixel(50, 60), before.pixel(50, 60));
  chosen = nullptr;
  win->popuppasteClick();
  move(320, 240);
  release(320, 240);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(pic.pixel(300 + x, 220 + y), before.pixel(10 + x, 20 + y)) << x << "," << y;
}

TEST_F(CommandsTest, SaveAsTextureAsksAndWritesOnlyOnYes) {
  Surface& pic = win->st.pictureBmp;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) pic.setPixel(x, y, rgb(x, y, 7));
  win->st.currentTool = ToolAreaSelect;
  chosen = win->tpopmaketext;
  prompts.answers = {false};
  drag({10, 10}, {70, 90});
  EXPECT_TRUE(win->tpopmaketext->isVisible());
  EXPECT_EQ(prompts.shown.value(0), QString::fromLatin1(kTextureQuestion));
  EXPECT_TRUE(listFolder(dir.path() + "/textures", "bmp").isEmpty());
  prompts.answers = {true};
  drag({10, 10}, {70, 90});
  const QStringList files = listFolder(dir.path() + "/textures", "bmp");
  ASSERT_EQ(files.size(), 1);
  auto tex = readBmp(dir.path() + "/textures/" + files[0]);
  ASSERT_TRUE(tex);
  EXPECT_EQ(tex->width(), 50);
  EXPECT_EQ(tex->pixel(0, 0), pic.pixel(10, 10));
  EXPECT_EQ(tex->pixel(49, 49), pic.pixel(59, 59));
}

TEST_F(CommandsTest, ClipartWindowOkThenPasteAndF8OpensItToo) {
  int opened = 0;
  Tmainpinz::modalHook = [&](QDialog* d) {
    ++opened;
    auto* form = qobject_cast<Tartform*>(d);
    ASSERT_NE(form, nullptr);
    QTimer::singleShot(0, form, [form] {
      form->sizescroll->setValue(5);
      form->Image2Click();
    });
  };
  win->st.programDir = QStringLiteral(PINZ_PROGRAM_DIR);
  win->popupclipartClick();
  EXPECT_EQ(opened, 1);
  auto img = clipboardImage();
  ASSERT_TRUE(img);
  EXPECT_LT(img->width(), 150);
  win->FormKeyUp(Qt::Key_F8);
  EXPECT_EQ(opened, 2);
  win->popuppasteClick();
  EXPECT_EQ(win->st.pasteMask, kPasteWithMask);
}

TEST_F(CommandsTest, PrintSetupChoiceIsUsedByPrint) {
  const QString pdf = dir.path() + "/printed.pdf";
  printerSetupHook = [&](QPrinter& p) {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(pdf);
    return true;
  };
  win->popupprintsetupClick();
  fillPicture(kGreen);
  win->popupprintClick();
  EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join("|").toStdString();
  EXPECT_GT(QFileInfo(pdf).size(), 0);
  EXPECT_TRUE(win->st.undoBmp == win->st.pictureBmp);  // printing is an undo point
}

TEST_F(CommandsTest, PrintWithoutAPrinterSaysSoAndLeavesThePicture) {
  win->printer()->setPrinterName(QStringLiteral("pinz-no-such-printer"));
  fillPicture(kGreen);
  const Surface before = win->st.pictureBmp;
  win->popupprintClick();
  ASSERT_EQ(prompts.shown.size(), 1);
  EXPECT_FALSE(prompts.shown[0].isEmpty());
  EXPECT_TRUE(win->st.pictureBmp == before);
}

TEST_F(CommandsTest, PasteRefusesAHugeClipboardImageAndChangesNothing) {
  QImage huge(16001, 1, QImage::Format_RGB32);
  huge.fill(Qt::red);
  setClipboardImage(Surface(huge));
  win->st.zoomState = 2;
  win->popuppasteClick();
  EXPECT_EQ(prompts.shown.value(0), QString::fromLatin1(kPasteTooLargeMessage));
  EXPECT_EQ(win->st.pasteActive, 0);
  EXPECT_EQ(win->st.zoomState, 2);
}

TEST_F(CommandsTest, CompanionCommandsStartPinzfxWithTheirLetterThenShowOneToOne) {
  const QString out = dir.path() + "/args.txt";
  {
    QFile script(dir.path() + "/pinzfx");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$*\" >> '%1'\n").arg(out).toUtf8());
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  struct Row {
    void (Tmainpinz::*click)();
    const char* letter;
  };
  for (Row r : {Row{&Tmainpinz::popupgetaviClick, "A"}, Row{&Tmainpinz::popuptexteffectClick, "T"},
                Row{&Tmainpinz::popupgetwmfClick, "W"}}) {
    QFile::remove(out);
    win->st.zoomState = 3;
    (win.get()->*r.click)();
    EXPECT_EQ(win->st.zoomState, 4);
    QElapsedTimer t;
    t.start();
    while (QFileInfo(out).size() == 0 && t.elapsed() < 10000) QThread::msleep(20);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(r.letter));
  }
  // Without pinzfx nothing is said, and the view still goes to 1:1.
  QFile::remove(dir.path() + "/pinzfx");
  win->st.zoomState = 2;
  win->popupgetaviClick();
  EXPECT_EQ(win->st.zoomState, 4);
  EXPECT_TRUE(prompts.shown.isEmpty());
}

}  // namespace
}  // namespace pz::testing
