// The launch letter and the window-level rules of PinzFX's main window.
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "fx/areaselect.h"
#include "fx/metafilepage.h"
#include "fx/pamain.h"
#include "fx/textpage.h"
#include "fx/videopage.h"
#include "platform/prompt.h"

namespace fx {
namespace {

struct LaunchCase {
  QStringList args;
  int page;  // PageNone: refused
};

class LaunchTest : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(LaunchTest, ChoosesOnePageOrRefuses) {
  pz::ScriptedPrompter prompts;
  Tpamain w(GetParam().args);
  bool exited = false;
  w.onRefusedExit = [&] { exited = true; };
  w.show();
  w.FormActivate();
  const int page = GetParam().page;
  EXPECT_EQ(w.st.pageMode, page);
  if (page == PageNone) {
    EXPECT_TRUE(w.st.closingForMissingArg);
    EXPECT_TRUE(exited);
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0], QStringLiteral("This application can only be executed from Pinzola."));
  } else {
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_FALSE(exited);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(w.PageControl1->isTabVisible(i), i == page - 1) << i;
    EXPECT_EQ(w.PageControl1->currentIndex(), page - 1);
    // Later activations never choose again.
    w.FormActivate();
    EXPECT_EQ(w.st.pageMode, page);
  }
}

// The control column of each page is silver, also where no control covers it.
class ControlColumn : public ::testing::TestWithParam<const char*> {};

TEST_P(ControlColumn, IsSilver) {
  pz::ScriptedPrompter prompts;
  Tpamain w({QString::fromLatin1(GetParam())});
  w.resize(634, 460);
  w.show();
  w.FormActivate();
  QWidget* column = w.st.pageMode == PageVideo  ? w.TabSheet1->avictrlpanel
                    : w.st.pageMode == PageText ? w.TabSheet2->Panel6
                                                : w.TabSheet3->wmfctrlpanel;
  const QImage shot = w.grab().toImage();
  const QPoint corner = column->mapTo(&w, QPoint(column->width() - 4, 3));
  EXPECT_EQ(shot.pixel(corner) & 0xFFFFFF, 0xC0C0C0u) << GetParam();
  const QPoint low = column->mapTo(&w, QPoint(column->width() - 4, column->height() - 4));
  EXPECT_EQ(shot.pixel(low) & 0xFFFFFF, 0xC0C0C0u) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Pages, ControlColumn, ::testing::Values("A", "T", "W"));

INSTANTIATE_TEST_SUITE_P(
    Letters, LaunchTest,
    ::testing::Values(LaunchCase{{"A"}, PageVideo}, LaunchCase{{"T"}, PageText}, LaunchCase{{"W"}, PageMetafile},
                      LaunchCase{{"t"}, PageText}, LaunchCase{{"a"}, PageVideo}, LaunchCase{{"w", "x"}, PageMetafile},
                      LaunchCase{{"T", "A"}, PageText}, LaunchCase{{"X"}, PageNone}, LaunchCase{{"AT"}, PageNone},
                      LaunchCase{{"AV"}, PageNone}, LaunchCase{{""}, PageNone}, LaunchCase{{}, PageNone},
                      LaunchCase{{" T"}, PageNone}),
    [](const ::testing::TestParamInfo<LaunchCase>& i) {
      QString name = i.param.args.isEmpty() ? QStringLiteral("none") : i.param.args.join(QLatin1Char('_'));
      for (QChar& c : name)
        if (!c.isLetterOrNumber()) c = QLatin1Char('_');
      return "arg_" + name.toStdString() + "_" + std::to_string(i.index);
    });

TEST(Shell, StartStateAndCaptions) {
  Tpamain w({"T"});
  EXPECT_EQ(w.windowTitle(), QStringLiteral("PinzFX"));
  EXPECT_EQ(w.PageControl1->tabText(0), QStringLiteral("Grab Frame from AVI File"));
  EXPECT_EQ(w.PageControl1->tabText(1), QStringLiteral("Add Text Effect"));
  EXPECT_EQ(w.PageControl1->tabText(2), QStringLiteral("Vector Graphic Image to Bitmap"));
  EXPECT_EQ(w.st.sel.selectMode, SelectRect);
  EXPECT_EQ(w.st.text.textTool, EffectPlain);
  EXPECT_EQ(w.st.text.foreColor, 0x612D80u);
  EXPECT_EQ(w.st.text.backColor, 0x88C826u);
  EXPECT_EQ(w.st.video.playInterval, 20);
  EXPECT_EQ(w.st.video.videoPercent, 100);
  EXPECT_FALSE(w.TabSheet2->textselect->copyEnabled());
  EXPECT_FALSE(w.TabSheet3->GroupBox3->copyEnabled());
  EXPECT_FALSE(w.TabSheet3->wmffromclipboardbutt->isEnabled());
  EXPECT_EQ(w.TabSheet2->sizelist->count(), 16);
  EXPECT_EQ(w.TabSheet2->sizelist->currentText(), QStringLiteral("8"));
  EXPECT_EQ(w.TabSheet2->textselect->returnButton->text(), QStringLiteral("Return to Pinzola"));
  EXPECT_EQ(w.TabSheet1->aviselectgroup->returnButton->objectName(), QStringLiteral("Button1"));
  EXPECT_EQ(w.TabSheet3->GroupBox3->returnButton->objectName(), QStringLiteral("Button3"));
}

TEST(Shell, LongLaunchArgumentIsCut) {
  Tpamain w({QString(300, 'T')});
  EXPECT_EQ(w.st.launchArg.size(), 255);
}

TEST(Shell, ReturnToPinzolaClosesTheWindow) {
  Tpamain w({"T"});
  w.show();
  w.FormActivate();
  w.TabSheet2->textselect->returnButton->click();
  EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace fx
