#include "fx/videopage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "fx/areaselect.h"
#include "fx/pamain.h"
#include "platform/surfacewidget.h"

namespace fx {

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
  avictrlpanel->setFixedWidth(225);
  lay->addWidget(avictrlpanel);

  getavibutton = new QPushButton(QStringLiteral("Get AVI File..."), avictrlpanel);
  getavibutton->setObjectName(QStringLiteral("getavibutton"));
  getavibutton->setGeometry(12, 10, 200, 30);
  getavibutton->setEnabled(false);  // the video device comes with its own work

  avifilelabel = new QLabel(avictrlpanel);
  avifilelabel->setObjectName(QStringLiteral("avifilelabel"));
  avifilelabel->setGeometry(14, 44, 197, 16);

  aviselectgroup = new AreaSelect(st_.sel, avidisplay,
                                  {QStringLiteral("aviselectgroup"), QStringLiteral("avirectselect"),
                                   QStringLiteral("aviirregselect"), QStringLiteral("aviwholeselect"),
                                   QStringLiteral("avicopyarrow"), QStringLiteral("avisaveclipbutton"),
                                   QStringLiteral("Button1")},
                                  avictrlpanel);
  aviselectgroup->move(12, 280);
  aviselectgroup->repaintBeforeRectCopy = true;
  aviselectgroup->wholeRect = [this] { return pz::Rect{0, 0, avidisplay->width(), avidisplay->height()}; };
  aviselectgroup->onReturn = [this] { main_->returnToPinzola(); };
  aviselectgroup->connectView();
  aviselectgroup->hide();  // until a video is open
}

void VideoPage::relayout() {}

bool VideoPage::arrowKey(int) { return false; }

}  // namespace fx
