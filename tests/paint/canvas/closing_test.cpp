// Quitting with a picture that was never saved: after Yes to the quit
// question the child is offered a save, and nothing is lost on the way out.
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "paint/files/file_commands.h"
#include "paint/files/saveuser.h"
#include "platform/clipboard.h"
#include "tests/paint/canvas/window_fixture.h"

namespace pz::testing {
namespace {

const QString kQuit = QStringLiteral("Awwwww. Do you really have to leave now?");

class Closing : public MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    open(600, 500);
    // Saves land here, never in the build's program folder.
    win->st.programDir = dir.path();
    QDir(dir.path()).mkdir(QStringLiteral("user"));
  }

 public:
  void stroke() {
    win->st.currentTool = ToolAcrylicPaint;
    press(100, 100);
    move(130, 110);
    release(130, 110);
  }

 protected:
  // The name window answered once it runs: a name typed and OK, or Cancel.
  void answerNameWindow(const QString& name) {
    Tmainpinz::modalHook = [name, this](QDialog* d) {
      auto* w = dynamic_cast<Tsaveuser*>(d);
      ASSERT_TRUE(w);
      ++nameWindows;
      QTimer::singleShot(0, w, [w, name] {
        w->Edit1->setText(name);
        if (name.isEmpty())
          w->Image2Click();
        else
          w->Image1Click();
      });
    };
  }
  QStringList saved() const { return QDir(dir.path() + "/user").entryList(QDir::Files); }
  bool closeWindow() {
    const bool closed = win->close();
    if (closed) win.reset();  // nothing left to ask in TearDown
    return closed;
  }

  QTemporaryDir dir;
  int nameWindows = 0;
};

// What the child did, and whether quitting then offers a save.
struct DoneCase {
  const char* what;
  std::function<void(Closing&, Tmainpinz&)> act;
  bool offered;
};

void PrintTo(const DoneCase& c, std::ostream* os) { *os << c.what; }

class ChangesThatCount : public Closing, public ::testing::WithParamInterface<DoneCase> {};

TEST_P(ChangesThatCount, OnlyAChangedPictureIsOfferedASave) {
  const DoneCase& c = GetParam();
  c.act(*this, *win);
  prompts.answers = {true};
  prompts.choices = {Answer::No};
  EXPECT_TRUE(closeWindow()) << c.what;
  ASSERT_GE(prompts.shown.size(), 1) << c.what;
  EXPECT_EQ(prompts.shown[0], kQuit) << c.what << ": the quit question comes first, as it always did";
  EXPECT_EQ(prompts.shown.count(saveFirstQuestion()), c.offered ? 1 : 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChangesThatCount,
    ::testing::Values(
        DoneCase{"nothing", [](Closing&, Tmainpinz&) {}, false},
        DoneCase{"a stroke", [](Closing& t, Tmainpinz&) { t.stroke(); }, true},
        DoneCase{"a bucket fill",
                 [](Closing&, Tmainpinz& w) {
                   w.st.currentTool = ToolBucket;
                   w.mapdispMouseDown(Qt::LeftButton, 300, 300);
                   w.mapdispMouseUp(Qt::LeftButton, 300, 300);
                 },
                 true},
        DoneCase{"UNDO alone", [](Closing&, Tmainpinz& w) { w.Label2Click(); }, false},
        DoneCase{"the dropper",
                 [](Closing&, Tmainpinz& w) {
                   w.st.previousTool = w.st.currentTool;
                   w.st.currentTool = ToolDropper;
                   w.mapdispMouseDown(Qt::LeftButton, 50, 50);
                   w.mapdispMouseUp(Qt::LeftButton, 50, 50);
                 },
                 false},
        DoneCase{"Delete of a selection",
                 [](Closing&, Tmainpinz& w) {
                   w.st.selPicture = {10, 10, 60, 60};
                   w.st.pictureBmp.fill(kBlack);
                   w.takeUndoCopy();
                   w.st.pictureChanged = false;  // as if it had been saved so
                   w.tpopdelClick();
                 },
                 true},
        DoneCase{"a paste dropped",
                 [](Closing&, Tmainpinz& w) {
                   setClipboardImage(Surface(20, 20, rgb(1, 2, 3)));
                   w.st.pointerPoint = {200, 200};
                   w.popuppasteClick();
                   w.mapdispMouseUp(Qt::LeftButton, 200, 200);
                 },
                 true},
        DoneCase{"a paste abandoned",
                 [](Closing&, Tmainpinz& w) {
                   setClipboardImage(Surface(20, 20, rgb(1, 2, 3)));
                   w.popuppasteClick();
                   w.endPaste();
                 },
                 false}));

TEST_F(Closing, NoToTheQuitQuestionAsksNothingMore) {
  stroke();
  prompts.answers = {false};
  EXPECT_FALSE(closeWindow());
  EXPECT_EQ(prompts.shown, QStringList{kQuit});
}

TEST_F(Closing, CancelStaysWithThePicture) {
  stroke();
  const Surface painting = win->st.pictureBmp;
  prompts.answers = {true};
  prompts.choices = {Answer::Cancel};
  EXPECT_FALSE(closeWindow());
  EXPECT_EQ(prompts.shown, (QStringList{kQuit, saveFirstQuestion()}));
  EXPECT_EQ(win->st.pictureBmp, painting);
  EXPECT_TRUE(saved().isEmpty());
}

TEST_F(Closing, YesSavesThroughTheNameWindowAndThenQuits) {
  stroke();
  answerNameWindow(QStringLiteral("my horse"));
  prompts.answers = {true};
  prompts.choices = {Answer::Yes};
  EXPECT_TRUE(closeWindow());
  EXPECT_EQ(nameWindows, 1);
  EXPECT_EQ(saved(), QStringList{"my horse.jpg"});
}

TEST_F(Closing, CancellingTheNameWindowCancelsTheQuit) {
  stroke();
  answerNameWindow(QString());
  prompts.answers = {true};
  prompts.choices = {Answer::Yes};
  EXPECT_FALSE(closeWindow());
  EXPECT_EQ(nameWindows, 1);
  EXPECT_TRUE(saved().isEmpty());
  EXPECT_TRUE(win->isVisible());
  // Asked again next time: the picture is still unsaved.
  prompts.shown.clear();
  prompts.answers = {true};
  prompts.choices = {Answer::No};
  EXPECT_TRUE(closeWindow());
  EXPECT_EQ(prompts.shown, (QStringList{kQuit, saveFirstQuestion()}));
}

TEST_F(Closing, APictureSavedSinceItsLastStrokeIsNotOfferedAgain) {
  stroke();
  win->st.pictureName = QStringLiteral("named");
  win->savepinzpicClick();
  ASSERT_EQ(saved(), QStringList{"named.jpg"});
  prompts.answers = {true};
  EXPECT_TRUE(closeWindow());
  EXPECT_EQ(prompts.shown, QStringList{kQuit});
}

}  // namespace
}  // namespace pz::testing
