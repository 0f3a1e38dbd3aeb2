// The help button: the desktop's opener gets the guide; where it can open
// nothing, the guide shows in Pinzola's own window, pictures and all.
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>

#include "paint/canvas/guide.h"
#include "tests/paint/canvas/window_fixture.h"

namespace pz {
namespace {

struct OpenerCase {
  const char* name;
  const char* script;  // the desktop opener's body; empty: there is none
  bool ownWindow;
};

class HelpButton : public testing::MainWindowTest, public ::testing::WithParamInterface<OpenerCase> {
 protected:
  void SetUp() override {
    open();
    savedPath = qgetenv("PATH");
    // Only our stand-in opener (or nothing) is found on the path.
    QFile opener(bin.path() + "/xdg-open");
    if (*GetParam().script) {
      ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
      opener.write(QByteArray("#!/bin/sh\n") + GetParam().script + "\n");
      opener.close();
      opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", bin.path().toUtf8());
  }
  void TearDown() override {
    qputenv("PATH", savedPath);
    MainWindowTest::TearDown();
  }
  QTemporaryDir bin;
  QByteArray savedPath;
};

TEST_P(HelpButton, ShowsTheGuideItselfOnlyWhereNothingElseCan) {
  win->st.programDir = QStringLiteral(PINZ_PROGRAM_DIR);
  win->Image8Click();
  // The opener runs on its own; give it time to give up.
  QDeadlineTimer deadline(5000);
  while (!win->guideWindow && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  if (!GetParam().ownWindow) {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(win->guideWindow);
    return;
  }
  ASSERT_TRUE(win->guideWindow);
  EXPECT_TRUE(win->guideWindow->isVisible());
  EXPECT_FALSE(win->guideWindow->isModal());  // painting goes on beside it
  // A second click brings back the same window.
  Tguide* first = win->guideWindow;
  win->showGuide(win->st.programDir + "/docs/wmain.htm");
  EXPECT_EQ(win->guideWindow, first);
}

INSTANTIATE_TEST_SUITE_P(Openers, HelpButton,
                         ::testing::Values(OpenerCase{"opener_finds_nothing", "exit 3", true},
                                           OpenerCase{"opener_fails", "exit 4", true},
                                           OpenerCase{"no_opener_at_all", "", true},
                                           OpenerCase{"opener_opens_it", "exit 0", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GuideWindow, ShowsTheShippedPageWithItsPictures) {
  Tguide w(QStringLiteral(PINZ_PROGRAM_DIR "/docs/wmain.htm"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Pinzola User Guide"));
  EXPECT_TRUE(w.browser->toPlainText().contains("The tools"));
  for (const char* picture : {"pictures/open.png", "pictures/screen.png", "pictures/chest.png"}) {
    const QVariant image = w.browser->loadResource(QTextDocument::ImageResource, QUrl(picture));
    EXPECT_TRUE(image.isValid() && !image.toByteArray().isEmpty()) << picture;
  }
  // The page's own links move within it.
  w.show();
  QCoreApplication::processEvents();
  w.browser->setSource(QUrl(QStringLiteral("#tools")));
  QCoreApplication::processEvents();
  EXPECT_GT(w.browser->verticalScrollBar()->value(), 0);
}

TEST(GuideWindow, AMissingPageSaysSoInsteadOfShowingNothing) {
  QTemporaryDir dir;
  Tguide w(dir.path() + "/docs/wmain.htm");
  EXPECT_TRUE(w.browser->toPlainText().contains("missing"));
}

}  // namespace
}  // namespace pz
