// The video page in the real main window: opening through the file dialog,
// the labels and track bar, playback, stepping, the size group and copies.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QThread>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>

#include "fx/areaselect.h"
#include "fx/pamain.h"
#include "fx/videopage.h"
#include "platform/application.h"
#include "platform/file_filter.h"
#include "platform/prompt.h"
#include "platform/surfacewidget.h"
#include "tests/support/video_maker.h"

namespace fx {
namespace {

QString hundredFrames() {
  return QString::fromStdString(pztest::makeVideo({pztest::Codec::Mpeg4Gop50, 160, 120, 100, {}}));
}

struct VideoWindow : ::testing::Test {
  pz::ScriptedPrompter prompts;
  Tpamain w{{"A"}};
  VideoPage* page = nullptr;
  void SetUp() override {
    w.show();
    w.FormActivate();
    page = w.TabSheet1;
  }
  void open(const QString& file) {
    prompts.files.push_back(file);
    page->getavibuttonClick();
  }
  int shownNumber() { return pztest::readFrameCode(page->avidisplay->surface().copy(
      {0, 0, page->avidisplay->width(), page->avidisplay->height()})); }
  AreaSelect* sel() { return page->aviselectgroup; }
};

TEST(VideoFilter, MatchesAviInAnyCase) {
  const QString filter = aviFileFilter();
  EXPECT_EQ(filter, QStringLiteral("AVI Movies (*.avi)"));  // no bracket patterns shown to the user
  for (const char* name : {"clip.avi", "CLIP.AVI", "Clip.Avi", "x.aVi"})
    EXPECT_TRUE(pz::nameFilterMatches(filter, QString::fromUtf8(name))) << name;
  for (const char* name : {"clip.avi.txt", "clip.mp4", "avi"})
    EXPECT_FALSE(pz::nameFilterMatches(filter, QString::fromUtf8(name))) << name;
}

TEST(VideoSize, RoundsHalvesToEven) {
  const struct {
    int native, percent, side;
  } rows[] = {{160, 100, 160}, {160, 25, 40}, {161, 50, 80}, {163, 50, 82}, {1, 50, 0}, {3, 50, 2},
              {120, 1000, 1200}, {7, 75, 5}, {10, 125, 12}, {14, 125, 18}};
  for (const auto& r : rows) EXPECT_EQ(scaledSide(r.native, r.percent), r.side) << r.native << " at " << r.percent;
}

TEST_F(VideoWindow, NothingIsShownBeforeAVideoIsOpen) {
  EXPECT_FALSE(page->aviplaybackgroup->isVisible());
  EXPECT_FALSE(page->avisizegroup->isVisible());
  EXPECT_FALSE(sel()->isVisible());
  page->aviplaybuttonClick();
  EXPECT_FALSE(page->Timer1->isActive());
  EXPECT_FALSE(w.FormKeyDown(Qt::Key_Right));
  page->getavibuttonClick();  // cancelled
  EXPECT_TRUE(page->avifilelabel->text().isEmpty());
}

TEST_F(VideoWindow, OpeningAHundredFrameVideo) {
  const QString file = hundredFrames();
  open(file);
  EXPECT_EQ(page->avifilelabel->text(), file);
  EXPECT_TRUE(page->aviplaybackgroup->isVisible());
  EXPECT_TRUE(page->avisizegroup->isVisible());
  EXPECT_TRUE(sel()->isVisible());
  EXPECT_FALSE(sel()->copyEnabled());
  EXPECT_EQ(page->aviframenumlabel->text(), QStringLiteral("Frame 1 of 100"));
  EXPECT_EQ(page->vidtrack->minimum(), 1);
  EXPECT_EQ(page->vidtrack->maximum(), 100);
  EXPECT_EQ(page->vidtrack->value(), 1);
  EXPECT_EQ(page->vidtrack->tickInterval(), 10);
  EXPECT_EQ(page->avispeedlabel->text(), QStringLiteral("20 mS"));
  EXPECT_EQ(w.st.video.playInterval, 20);
  EXPECT_EQ(page->avidimensionlabel->text(), QStringLiteral("Width: 160  Height: 120"));
  EXPECT_EQ(page->avieditsize->text(), QStringLiteral("100"));
  EXPECT_EQ(page->avidisplay->width(), 160);
  EXPECT_EQ(w.st.video.videoNativeWidth, 160);
  EXPECT_EQ(w.st.video.videoNativeHeight, 120);
  EXPECT_EQ(shownNumber(), 1);
}

TEST_F(VideoWindow, SpeedBarEnds) {
  open(hundredFrames());
  const struct {
    int bar;
    const char* text;
  } rows[] = {{0, "300 mS"}, {280, "20 mS"}, {100, "200 mS"}};
  for (const auto& r : rows) {
    page->avispeedchange->setValue(r.bar);
    EXPECT_EQ(page->avispeedlabel->text(), QString::fromLatin1(r.text));
    EXPECT_EQ(page->Timer1->interval(), 300 - r.bar);
  }
}

TEST_F(VideoWindow, SizeLimitsAndNativeSize) {
  open(hundredFrames());
  page->avispindownClick();
  EXPECT_EQ(w.st.video.videoPercent, 75);
  EXPECT_EQ(page->avidimensionlabel->text(), QStringLiteral("Width: 120  Height: 90"));
  for (int i = 0; i < 5; ++i) page->avispindownClick();
  EXPECT_EQ(w.st.video.videoPercent, 25);
  EXPECT_EQ(page->avieditsize->text(), QStringLiteral("25"));
  EXPECT_EQ(page->avidisplay->width(), 40);
  EXPECT_EQ(page->avidisplay->height(), 30);
  EXPECT_EQ(shownNumber(), 1);
  for (int i = 0; i < 45; ++i) page->avispinupClick();
  EXPECT_EQ(w.st.video.videoPercent, 1000);
  EXPECT_EQ(page->avidisplay->width(), 1600);
  EXPECT_EQ(page->avidimensionlabel->text(), QStringLiteral("Width: 1600  Height: 1200"));
  EXPECT_EQ(shownNumber(), 1);
  page->avidefaultsizebuttonClick();
  EXPECT_EQ(w.st.video.videoPercent, 100);
  EXPECT_EQ(page->avieditsize->text(), QStringLiteral("100"));
  EXPECT_EQ(page->avidisplay->width(), 160);
}

TEST_F(VideoWindow, PlayStartsFromTheFirstFrameAndStopsAtTheEnd) {
  open(hundredFrames());
  page->vidtrack->setValue(60);
  page->aviplaybuttonClick();
  EXPECT_TRUE(page->Timer1->isActive());
  EXPECT_EQ(page->mplayer.position(), 1);
  for (int i = 0; i < 120; ++i) page->Timer1Timer();
  EXPECT_FALSE(page->Timer1->isActive());
  EXPECT_EQ(page->aviframenumlabel->text(), QStringLiteral("Frame 100 of 100"));
  EXPECT_EQ(page->vidtrack->value(), 100);
  EXPECT_EQ(shownNumber(), 100);
}

TEST_F(VideoWindow, DraggingTheTrackBarWhilePlayingStopsAndShowsThatFrame) {
  open(hundredFrames());
  page->aviplaybuttonClick();
  page->Timer1Timer();
  page->Timer1Timer();
  page->vidtrack->setValue(73);  // the user's move
  EXPECT_FALSE(page->Timer1->isActive());
  EXPECT_EQ(page->mplayer.position(), 73);
  EXPECT_EQ(page->aviframenumlabel->text(), QStringLiteral("Frame 73 of 100"));
  EXPECT_EQ(shownNumber(), 73);
}

// Waits while the event loop runs, as a user would between two looks.
void runEventsFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
}

// Where the style draws the slider's groove.
QRect grooveRect(QSlider* bar) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.orientation = bar->orientation();
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = opt.sliderValue = bar->value();
  opt.tickPosition = bar->tickPosition();
  opt.tickInterval = bar->tickInterval();
  opt.subControls = QStyle::SC_All;
  return bar->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, bar);
}

// One quick click on the groove while the video plays: the bar moves one page
// towards the click and stays there; playback stops; label, bar and frame agree.
TEST_F(VideoWindow, AClickOnTheGrooveWhilePlayingMovesOnePageAndStays) {
  open(hundredFrames());
  page->aviplaybuttonClick();
  for (int i = 0; i < 4; ++i) page->Timer1Timer();
  ASSERT_EQ(page->vidtrack->value(), 5);
  QSlider* bar = page->vidtrack;
  const QPointF at(bar->width() * 3 / 4, grooveRect(bar).center().y());
  const QPointF global = bar->mapToGlobal(at);
  // The release is already queued when the press is handled, as for a real click.
  QCoreApplication::postEvent(
      bar, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(bar, &press);
  const int reached = 5 + bar->pageStep();
  EXPECT_EQ(bar->value(), reached);
  runEventsFor(1600);
  EXPECT_EQ(bar->value(), reached);
  EXPECT_FALSE(page->Timer1->isActive());
  EXPECT_EQ(page->mplayer.position(), reached);
  EXPECT_EQ(page->aviframenumlabel->text(), QStringLiteral("Frame %1 of 100").arg(reached));
  EXPECT_EQ(shownNumber(), reached);
}

// Ticks every tenth of the video; a video of fewer than ten frames has none.
TEST_F(VideoWindow, TrackBarTicks) {
  const struct {
    int frames, interval;
    QSlider::TickPosition ticks;
  } rows[] = {{7, 0, QSlider::NoTicks}, {9, 0, QSlider::NoTicks}, {10, 1, QSlider::TicksBelow},
              {100, 10, QSlider::TicksBelow}, {35, 3, QSlider::TicksBelow}};
  for (const auto& r : rows) {
    open(QString::fromStdString(pztest::makeVideo({pztest::Codec::Mpeg4Gop50, 32, 24, r.frames, {}})));
    EXPECT_EQ(page->vidtrack->maximum(), r.frames);
    EXPECT_EQ(page->vidtrack->tickInterval(), r.interval) << r.frames;
    EXPECT_EQ(page->vidtrack->tickPosition(), r.ticks) << r.frames;
  }
}

TEST_F(VideoWindow, ArrowKeysStepAndTheCopyButtonFollowsTheMode) {
  open(hundredFrames());
  // A marked rectangle: stepping disables the copy.
  sel()->chooseMode(SelectRect);
  sel()->press(10, 10);
  sel()->drag(50, 40);
  sel()->release(50, 40);
  ASSERT_TRUE(sel()->copyEnabled());
  EXPECT_TRUE(w.FormKeyDown(Qt::Key_Right));
  EXPECT_EQ(page->mplayer.position(), 2);
  EXPECT_FALSE(sel()->copyEnabled());
  EXPECT_EQ(page->aviframenumlabel->text(), QStringLiteral("Frame 2 of 100"));
  EXPECT_EQ(page->vidtrack->value(), 2);
  // Whole mode: it stays enabled.
  sel()->chooseMode(SelectWhole);
  ASSERT_TRUE(sel()->copyEnabled());
  EXPECT_TRUE(w.FormKeyDown(Qt::Key_Right));
  EXPECT_TRUE(w.FormKeyDown(Qt::Key_Right));
  EXPECT_TRUE(w.FormKeyDown(Qt::Key_Left));
  EXPECT_EQ(page->mplayer.position(), 3);
  EXPECT_TRUE(sel()->copyEnabled());
  EXPECT_EQ(shownNumber(), 3);
  // The track bar keeps the copy button as it is.
  page->vidtrack->setValue(30);
  EXPECT_TRUE(sel()->copyEnabled());
}

TEST_F(VideoWindow, CopiesReadTheFrameAsShown) {
  open(hundredFrames());
  page->vidtrack->setValue(42);
  page->avispinupClick();
  page->avispinupClick();  // 150 %: 240 x 180
  sel()->chooseMode(SelectWhole);
  auto whole = sel()->selectionBitmap();
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->width(), 240);
  EXPECT_EQ(whole->height(), 180);
  EXPECT_EQ(pztest::readFrameCode(*whole), 42);
  // A rectangle: the outline drawn on the display is gone before the copy.
  sel()->chooseMode(SelectRect);
  sel()->press(239, 179);
  sel()->drag(100, 100);
  sel()->release(0, 0);
  auto part = sel()->selectionBitmap();
  ASSERT_TRUE(part);
  EXPECT_EQ(part->width(), 239);
  EXPECT_EQ(part->height(), 179);
  EXPECT_EQ(pztest::readFrameCode(*part), 42);
  EXPECT_EQ(part->pixel(0, 0), whole->pixel(0, 0));
}

TEST_F(VideoWindow, AFileThatCannotBeOpenedLeavesThePageAsItWas) {
  const QString good = hundredFrames();
  EXPECT_THROW(open(QString::fromStdString(pztest::emptyFile())), pz::Error);
  EXPECT_FALSE(page->aviplaybackgroup->isVisible());
  EXPECT_TRUE(w.st.video.videoFileName.isEmpty());
  EXPECT_FALSE(w.FormKeyDown(Qt::Key_Right));

  open(good);
  page->vidtrack->setValue(20);
  try {
    open(QString::fromStdString(pztest::textFile()));
    ADD_FAILURE() << "a letter opened as a video";
  } catch (const pz::Error& e) {
    EXPECT_TRUE(e.text().contains(QStringLiteral("not an AVI video")));
  }
  EXPECT_EQ(page->avifilelabel->text(), good);
  EXPECT_EQ(w.st.video.videoFileName, good);
  EXPECT_EQ(page->aviframenumlabel->text(), QStringLiteral("Frame 20 of 100"));
  EXPECT_TRUE(w.FormKeyDown(Qt::Key_Right));
  EXPECT_EQ(shownNumber(), 21);
}

}  // namespace
}  // namespace fx
