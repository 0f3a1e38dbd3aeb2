#include "fx/metafilepage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "fx/areaselect.h"
#include "fx/pamain.h"
#include "platform/surfacewidget.h"

namespace fx {

MetafilePage::MetafilePage(FxState& st, Tpamain* main) : QWidget(main), st_(st), main_(main) {
  setObjectName(QStringLiteral("TabSheet3"));
  auto* lay = new QHBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);

  wmfscroll = new QScrollArea(this);
  wmfscroll->setObjectName(QStringLiteral("wmfscroll"));
  wmfscroll->setWidgetResizable(true);
  wmfdisplay = new pz::SurfaceWidget(nullptr, pz::kWhite);
  wmfdisplay->setObjectName(QStringLiteral("wmfdisplay"));
  wmfscroll->setWidget(wmfdisplay);
  lay->addWidget(wmfscroll, 1);

  wmfctrlpanel = new QWidget(this);
  wmfctrlpanel->setObjectName(QStringLiteral("wmfctrlpanel"));
  wmfctrlpanel->setFixedWidth(225);
  lay->addWidget(wmfctrlpanel);

  wmfbrowseforfilebutton = new QPushButton(QStringLiteral("Browse System for WMF File..."), wmfctrlpanel);
  wmfbrowseforfilebutton->setObjectName(QStringLiteral("wmfbrowseforfilebutton"));
  wmfbrowseforfilebutton->setGeometry(5, 10, 215, 30);
  wmfbrowseforfilebutton->setEnabled(false);  // the metafile player comes with its own work

  wmffromclipboardbutt = new QPushButton(QStringLiteral("Retrieve WMF File from Clipboard..."), wmfctrlpanel);
  wmffromclipboardbutt->setObjectName(QStringLiteral("wmffromclipboardbutt"));
  wmffromclipboardbutt->setGeometry(5, 46, 215, 30);

  wmffilelabel = new QLabel(wmfctrlpanel);
  wmffilelabel->setObjectName(QStringLiteral("wmffilelabel"));
  wmffilelabel->setGeometry(5, 82, 215, 16);
  wmffilelabel->setAlignment(Qt::AlignHCenter);

  GroupBox3 = new AreaSelect(st_.sel, wmfdisplay,
                             {QStringLiteral("GroupBox3"), QStringLiteral("wmfrectselect"),
                              QStringLiteral("wmfirregselect"), QStringLiteral("wmfallselect"),
                              QStringLiteral("wmfcopyarrow"), QStringLiteral("wmfsaveclipbutton"),
                              QStringLiteral("Button3")},
                             wmfctrlpanel);
  GroupBox3->move(12, 280);
  GroupBox3->repaintOnDrop = true;
  GroupBox3->repaintOnModeChoice = true;
  GroupBox3->repaintView = [this] { redraw(); };
  GroupBox3->wholeRect = [this] { return pz::Rect{0, 0, st_.meta.metafileWidth, st_.meta.metafileHeight}; };
  GroupBox3->onReturn = [this] { main_->returnToPinzola(); };
  GroupBox3->connectView();
  GroupBox3->setCopyEnabled(false);
  GroupBox3->hide();  // until a picture is loaded
  updateClipboardButton();
}

void MetafilePage::redraw() {}

void MetafilePage::updateClipboardButton() {
  // Until the clipboard's metafile formats are known to platform/, no metafile
  // can be recognised there.
  wmffromclipboardbutt->setEnabled(false);
}

}  // namespace fx
