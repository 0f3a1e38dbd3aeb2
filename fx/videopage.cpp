#include "fx/videopage.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "fx/areaselect.h"
#include "fx/controlcolumn.h"
#include "fx/pamain.h"
#include "platform/file_filter.h"
#include "platform/prompt.h"
#include "platform/surfacewidget.h"

namespace fx {

namespace {

constexpr int kSpeedMax = 280;
constexpr int kPercentStep = 25, kPercentMin = 25, kPercentMax = 1000;

void processPending() { QCoreApplication::processEvents(); }

QToolButton* pictureButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, const QString& hint,
                           QRect geometry) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setIcon(parent->style()->standardIcon(icon));
  b->setToolTip(hint);
  b->setGeometry(geometry);
  return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  return l;
}

}  // namespace

QString aviFileFilter() { return pz::nameFilter(QCoreApplication::translate("fx::VideoPage", "AVI Movies"), {QStringLiteral("*.avi")}); }

QString allVideosFilter() {
  QStringList patterns;
  for (const char* ext : {"avi", "mp4", "m4v", "mov", "3gp", "mkv", "webm"}) patterns << QStringLiteral("*.") + QLatin1String(ext);
  return pz::nameFilter(QCoreApplication::translate("fx::VideoPage", "All Videos"), patterns);
}

int scaledSide(int native, int percent) {
  const float v = float(native) * float(percent) / 100.0f;
  return int(std::nearbyint(v));  // the default rounding mode: halves to even
}

VideoPage::VideoPage(FxState& st, Tpamain* main) : QWidget(main), st_(st), main_(main) {
  setObjectName(QStringLiteral("TabSheet1"));
  auto* lay = new QHBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);

  aviscroll = new QScrollArea(this);
  aviscroll->setObjectName(QStringLiteral("aviscroll"));
  aviscroll->setBackgroundRole(QPalette::Window);
  avidisplay = new pz::SurfaceWidget(nullptr, 0xC0C0C0);
  avidisplay->setObjectName(QStringLiteral("avidisplay"));
  avidisplay->resize(0, 0);
  aviscroll->setWidget(avidisplay);
  lay->addWidget(aviscroll, 1);

  avictrlpanel = new QWidget(this);
  avictrlpanel->setObjectName(QStringLiteral("avictrlpanel"));
  makeControlColumn(avictrlpanel);
  lay->addWidget(avictrlpanel);

  buildControls();

  aviselectgroup = new AreaSelect(st_.sel, avidisplay,
                                  {QStringLiteral("aviselectgroup"), QStringLiteral("avirectselect"),
                                   QStringLiteral("aviirregselect"), QStringLiteral("aviwholeselect"),
                                   QStringLiteral("avicopyarrow"), QStringLiteral("avisaveclipbutton"),
                                   QStringLiteral("Button1")},
                                  avictrlpanel);
  aviselectgroup->move(12, 292);
  // A marked outline goes by showing the frame again.
  aviselectgroup->repaintBeforeRectCopy = true;
  aviselectgroup->repaintView = [this] { redrawFrame(); };
  aviselectgroup->wholeRect = [this] { return pz::Rect{0, 0, avidisplay->width(), avidisplay->height()}; };
  aviselectgroup->onReturn = [this] { main_->returnToPinzola(); };
  aviselectgroup->connectView();
  aviselectgroup->hide();  // until a video is open

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(st_.video.playInterval);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

  mplayer.setDisplay(avidisplay);
}

void VideoPage::buildControls() {
  QWidget* col = avictrlpanel;
  getavibutton = new QPushButton(tr("Get AVI File..."), col);
  getavibutton->setObjectName(QStringLiteral("getavibutton"));
  getavibutton->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  getavibutton->setGeometry(12, 10, 200, 30);
  connect(getavibutton, &QPushButton::clicked, this, [this] { getavibuttonClick(); });

  avifilelabel = label(col, "avifilelabel", QString(), {14, 44, 197, 16});

  aviplaybackgroup = new QGroupBox(tr(" Playback Control "), col);
  aviplaybackgroup->setObjectName(QStringLiteral("aviplaybackgroup"));
  aviplaybackgroup->setGeometry(12, 64, 200, 132);
  QWidget* g = aviplaybackgroup;
  aviplaybutton = pictureButton(g, "aviplaybutton", QStyle::SP_MediaPlay, tr("PLAY"), {10, 20, 40, 28});
  avistopbutton = pictureButton(g, "avistopbutton", QStyle::SP_MediaStop, tr("STOP"), {54, 20, 40, 28});
  avijogbackbutton =
      pictureButton(g, "avijogbackbutton", QStyle::SP_MediaSeekBackward, tr("Move Back One Frame"), {106, 20, 40, 28});
  avijogaheadbutton =
      pictureButton(g, "avijogaheadbutton", QStyle::SP_MediaSeekForward, tr("Move Ahead One Frame"), {150, 20, 40, 28});
  connect(aviplaybutton, &QToolButton::clicked, this, [this] { aviplaybuttonClick(); });
  connect(avistopbutton, &QToolButton::clicked, this, [this] { avistopbuttonClick(); });
  connect(avijogbackbutton, &QToolButton::clicked, this, [this] { avijogbackbuttonClick(); });
  connect(avijogaheadbutton, &QToolButton::clicked, this, [this] { avijogaheadbuttonClick(); });

  vidtrack = new QSlider(Qt::Horizontal, g);
  vidtrack->setObjectName(QStringLiteral("vidtrack"));
  vidtrack->setToolTip(tr("Click and drag the pointer to move about in the file"));
  vidtrack->setTickPosition(QSlider::TicksBelow);
  vidtrack->setGeometry(6, 54, 188, 30);
  vidtrack->setRange(1, 1);
  connect(vidtrack, &QSlider::valueChanged, this, [this] {
    if (!settingTrack_) vidtrackChange();
  });
  aviframenumlabel = label(g, "aviframenumlabel", tr("Frame   of "), {10, 86, 180, 16});

  Label1 = label(g, "Label1", tr("Speed:"), {10, 106, 40, 16});
  avispeedchange = new QScrollBar(Qt::Horizontal, g);
  avispeedchange->setObjectName(QStringLiteral("avispeedchange"));
  avispeedchange->setRange(0, kSpeedMax);
  avispeedchange->setGeometry(50, 106, 90, 16);
  connect(avispeedchange, &QScrollBar::valueChanged, this, [this] { avispeedchangeChange(); });
  avispeedlabel = label(g, "avispeedlabel", tr("%1 mS").arg(280), {146, 106, 50, 16});
  aviplaybackgroup->hide();

  avisizegroup = new QGroupBox(tr(" Frame Size "), col);
  avisizegroup->setObjectName(QStringLiteral("avisizegroup"));
  avisizegroup->setGeometry(12, 202, 200, 84);
  QWidget* s = avisizegroup;
  avispinup = pictureButton(s, "avispinup", QStyle::SP_ArrowUp, tr("Make it larger"), {10, 18, 22, 18});
  avispindown = pictureButton(s, "avispindown", QStyle::SP_ArrowDown, tr("Make it smaller"), {10, 37, 22, 18});
  connect(avispinup, &QToolButton::clicked, this, [this] { avispinupClick(); });
  connect(avispindown, &QToolButton::clicked, this, [this] { avispindownClick(); });
  avieditsize = new QLineEdit(QStringLiteral(" 100"), s);
  avieditsize->setObjectName(QStringLiteral("avieditsize"));
  avieditsize->setFrame(false);
  avieditsize->setReadOnly(true);
  avieditsize->setAlignment(Qt::AlignRight);
  QPalette pal = avieditsize->palette();
  pal.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  avieditsize->setPalette(pal);
  avieditsize->setGeometry(36, 28, 36, 18);
  Label11 = label(s, "Label11", QStringLiteral("%"), {74, 29, 14, 16});
  avidefaultsizebutton = new QPushButton(tr("Native Size"), s);
  avidefaultsizebutton->setObjectName(QStringLiteral("avidefaultsizebutton"));
  avidefaultsizebutton->setToolTip(tr("Set image to normal size"));
  avidefaultsizebutton->setGeometry(100, 24, 88, 26);
  connect(avidefaultsizebutton, &QPushButton::clicked, this, [this] { avidefaultsizebuttonClick(); });
  avidimensionlabel = label(s, "avidimensionlabel", tr("Width:               Height:"), {10, 60, 184, 16});
  avisizegroup->hide();
}

void VideoPage::getavibuttonClick() {
  const QString name =
      pz::prompter().openFileName(tr("Get AVI File"), QString(), aviFileFilter() + QStringLiteral(";;") + allVideosFilter());
  if (name.isEmpty()) return;
  stopTimer();
  // The device opens first: a file it cannot read leaves the page as it was,
  // with the earlier video (if any) still working.
  mplayer.open(name);

  avifilelabel->setText(name);
  avifilelabel->setToolTip(name);
  aviplaybackgroup->show();
  avispeedchange->setValue(kSpeedMax);
  avispeedchangeChange();
  avisizegroup->show();
  aviselectgroup->show();
  st_.video.videoFileName = name.left(255);
  aviselectgroup->setCopyEnabled(false);

  mplayer.setDisplay(avidisplay);
  mplayer.putDisplayRect(0, 0, 0, 0);
  const pz::Rect r = mplayer.displayRect();
  st_.video.videoNativeWidth = r.right - r.left;
  st_.video.videoNativeHeight = r.bottom - r.top;
  applySize(st_.video.videoNativeWidth, st_.video.videoNativeHeight);
  avieditsize->setText(QStringLiteral("100"));
  st_.video.videoPercent = 100;

  mplayer.step(1);
  mplayer.step(-1);
  processPending();

  settingTrack_ = true;
  vidtrack->setMaximum(mplayer.length());
  vidtrack->setValue(1);
  vidtrack->setMinimum(1);
  // A tick every tenth of the video; a short video gets none (Qt would still
  // draw ticks for an interval of 0).
  const int tickEvery = vidtrack->maximum() / 10;
  vidtrack->setTickInterval(tickEvery);
  vidtrack->setTickPosition(tickEvery > 0 ? QSlider::TicksBelow : QSlider::NoTicks);
  settingTrack_ = false;

  updateFrameLabel();
  mplayer.step(1);
  mplayer.step(-1);
  processPending();
}

void VideoPage::applySize(int w, int h) {
  avidisplay->resize(w, h);
  // The surface follows the widget's size once it is shown; the frame is
  // drawn at once, so it gets its size now.
  if (avidisplay->surface().width() != w || avidisplay->surface().height() != h)
    avidisplay->surface().setSize(std::max(1, w), std::max(1, h));
  avidimensionlabel->setText(tr("Width: %1  Height: %2").arg(w).arg(h));
}

void VideoPage::updateFrameLabel() {
  aviframenumlabel->setText(tr("Frame %1 of %2").arg(mplayer.position()).arg(mplayer.length()));
}

void VideoPage::setTrackPosition(int pos) {
  settingTrack_ = true;
  vidtrack->setValue(pos);
  settingTrack_ = false;
}

void VideoPage::disableCopyUnlessWhole() {
  if (st_.sel.selectMode != SelectWhole) aviselectgroup->setCopyEnabled(false);
}

void VideoPage::stopTimer() {
  if (Timer1->isActive()) Timer1->stop();
}

void VideoPage::avispeedchangeChange() {
  st_.video.playInterval = 300 - avispeedchange->value();
  avispeedlabel->setText(tr("%1 mS").arg(st_.video.playInterval));
  Timer1->setInterval(st_.video.playInterval);
}

void VideoPage::aviplaybuttonClick() {
  if (!videoOpen()) return;
  disableCopyUnlessWhole();
  mplayer.seek(1);
  Timer1->start(st_.video.playInterval);
}

void VideoPage::Timer1Timer() {
  if (!videoOpen() || mplayer.position() >= mplayer.length()) {
    Timer1->stop();
    return;
  }
  mplayer.step(1);
  updateFrameLabel();
  setTrackPosition(mplayer.position());
}

void VideoPage::avistopbuttonClick() { stopTimer(); }

void VideoPage::jog(int frames) {
  if (!videoOpen()) return;
  stopTimer();
  mplayer.step(frames);
  updateFrameLabel();
  setTrackPosition(mplayer.position());
  processPending();
  disableCopyUnlessWhole();
}

void VideoPage::avijogaheadbuttonClick() { jog(1); }
void VideoPage::avijogbackbuttonClick() { jog(-1); }

void VideoPage::vidtrackChange() {
  if (!videoOpen()) return;
  stopTimer();
  mplayer.seek(vidtrack->value());
  updateFrameLabel();
  // The bar shows the frame the label names, also where the device stopped short.
  if (vidtrack->value() != mplayer.position()) setTrackPosition(mplayer.position());
  // Pending window messages are left to the event loop. This runs inside the
  // slider's own mouse press: processing them here would deliver the release
  // before the press has started its auto-repeat, which then never stops and
  // pages the bar to the end of the video by itself.
}

// Shows the frame at the size videoPercent now gives.
void VideoPage::showAtPercent() {
  const int w = scaledSide(st_.video.videoNativeWidth, st_.video.videoPercent);
  const int h = scaledSide(st_.video.videoNativeHeight, st_.video.videoPercent);
  applySize(w, h);
  avieditsize->setText(QString::number(st_.video.videoPercent));
  mplayer.putDisplayRect(0, 0, w, h);
  processPending();
  redrawFrame();
  processPending();
  disableCopyUnlessWhole();
}

void VideoPage::avispinupClick() {
  if (!videoOpen()) return;
  st_.video.videoPercent = std::min(kPercentMax, st_.video.videoPercent + kPercentStep);
  showAtPercent();
}

void VideoPage::avispindownClick() {
  if (!videoOpen()) return;
  st_.video.videoPercent -= kPercentStep;
  if (st_.video.videoPercent <= 0) st_.video.videoPercent = kPercentMin;
  showAtPercent();
}

void VideoPage::avidefaultsizebuttonClick() {
  if (!videoOpen()) return;
  stopTimer();
  applySize(st_.video.videoNativeWidth, st_.video.videoNativeHeight);
  mplayer.putDisplayRect(0, 0, st_.video.videoNativeWidth, st_.video.videoNativeHeight);
  processPending();
  avieditsize->setText(QStringLiteral("100"));
  st_.video.videoPercent = 100;
  redrawFrame();
  processPending();
  disableCopyUnlessWhole();
}

void VideoPage::redrawFrame() {
  if (!mplayer.isOpen()) return;
  if (mplayer.position() < 2) {
    mplayer.step(1);
    mplayer.step(-1);
  } else {
    mplayer.step(-1);
    mplayer.step(1);
  }
}

void VideoPage::relayout() {
  // The layout gives the view the page's width less the control column.
  if (videoOpen()) {
    redrawFrame();
    processPending();
  }
}

bool VideoPage::arrowKey(int key) {
  if (!videoOpen()) return false;
  if (key == Qt::Key_Left)
    avijogbackbuttonClick();
  else if (key == Qt::Key_Right)
    avijogaheadbuttonClick();
  else
    return false;
  return true;
}

}  // namespace fx
