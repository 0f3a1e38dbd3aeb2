// The keys of the main window: each one runs what the control showing it runs.
#include <QTest>
#include <QTimer>

#include "paint/files/openpic.h"
#include "paint/files/saveuser.h"
#include "platform/clipboard.h"
#include "tests/paint/canvas/window_fixture.h"

namespace pz {
namespace {

// No print queue of the machine is ever reached from here.
[[maybe_unused]] const bool kNoPrintServer = qputenv("CUPS_SERVER", "/nonexistent/pinz-tests-cups.sock");

class KeysTest : public testing::MainWindowTest {
 protected:
  void SetUp() override {
    open();
    activate();
    // Windows a key opens are recorded and closed at once.
    Tmainpinz::modalHook = [this](QDialog* d) {
      if (dynamic_cast<Topenpic*>(d)) opened << "open";
      else if (dynamic_cast<Tsaveuser*>(d)) opened << "save";
      else opened << "other";
      QTimer::singleShot(0, d, &QDialog::reject);
    };
  }
  void activate() {
    win->activateWindow();
    QApplication::setActiveWindow(win.get());
    settle();
    ASSERT_EQ(QApplication::activeWindow(), win.get());
  }
  // A key pressed on the main window, as the user would, after a window it
  // opened before has gone.
  void key(Qt::Key k) {
    activate();
    QTest::keyClick(win.get(), k, Qt::ControlModifier);
    settle();
  }
  QStringList opened;
};

TEST_F(KeysTest, CtrlZUndoesLikeTheUndoLabel) {
  const Color before = win->st.pictureBmp.pixel(5, 5);
  win->st.pictureBmp.setPixel(5, 5, 0x123456);
  key(Qt::Key_Z);
  EXPECT_EQ(win->st.pictureBmp.pixel(5, 5), before);
}

TEST_F(KeysTest, CtrlVStartsAPasteOfTheClipboardPicture) {
  setClipboardImage(Surface(30, 20, 0x0000FF));
  key(Qt::Key_V);
  EXPECT_EQ(win->st.pasteActive, 1);
  EXPECT_EQ(win->st.currentTool, ToolPastePlace);
}

TEST_F(KeysTest, CtrlPPrintsAtOnceAndReportsAMissingPrinter) {
  win->st.pictureBmp.setPixel(5, 5, 0x123456);
  key(Qt::Key_P);
  EXPECT_EQ(prompts.shown, QStringList{QStringLiteral("There is no default printer currently selected.")});
  EXPECT_TRUE(win->st.undoBmp == win->st.pictureBmp);  // printing is an undo point
}

TEST_F(KeysTest, CtrlOOpensTheDrawingsAndCtrlSTheSaveNameWindow) {
  key(Qt::Key_O);
  key(Qt::Key_S);
  EXPECT_EQ(opened, (QStringList{"open", "save"}));
}

TEST_F(KeysTest, KeysDoNothingWhileAnotherWindowIsInFront) {
  QDialog other(win.get());
  other.show();
  other.activateWindow();
  QApplication::setActiveWindow(&other);
  settle();
  win->st.pictureBmp.setPixel(5, 5, 0x123456);
  QTest::keyClick(&other, Qt::Key_Z, Qt::ControlModifier);
  settle();
  EXPECT_EQ(win->st.pictureBmp.pixel(5, 5), 0x123456u);
}

TEST_F(KeysTest, HintsNameTheKeys) {
  EXPECT_TRUE(win->Label2->toolTip().contains("Ctrl+Z"));
  EXPECT_TRUE(win->Image3->toolTip().contains("Ctrl+O"));
  EXPECT_TRUE(win->Image3->toolTip().contains("Ctrl+S"));
  EXPECT_EQ(win->openpinzpic->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(win->savepinzpic->shortcut(), QKeySequence("Ctrl+S"));
}

}  // namespace
}  // namespace pz
