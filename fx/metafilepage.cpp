#include "fx/metafilepage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <cmath>

#include "fx/areaselect.h"
#include "fx/controlcolumn.h"
#include "fx/pamain.h"
#include "platform/application.h"
#include "platform/clipboard_metafile.h"
#include "platform/file_filter.h"
#include "platform/prompt.h"
#include "platform/surfacewidget.h"

namespace fx {

int metafileScaled(int native, int percent) {
  const float v = float(native) * float(percent) / 100.0f;
  return int(std::nearbyint(v));  // the default rounding mode: halves to even
}

QString metafileFileFilter() {
  return pz::nameFilter(QCoreApplication::translate("fx::MetafilePage", "Windows Metafiles"), {QStringLiteral("*.wmf"), QStringLiteral("*.emf")});
}

QString metafileSizeLabel(int w, int h) {
  return QCoreApplication::translate("fx::MetafilePage", "Width: %1  Height: %2").arg(w).arg(h);
}

pz::Surface renderHeldPicture(const MetafileState& m, int w, int h) {
  if (!m.holdsPicture() || w <= 0 || h <= 0) return pz::Surface();
  if (m.metafile) return pz::renderMetafile(*m.metafile, w, h);
  if (m.svg) return m.svg->render(w, h);
  pz::Surface out(w, h, pz::kWhite);
  pz::stretchBlt(out, 0, 0, w, h, *m.bitmap, 0, 0, m.bitmap->width(), m.bitmap->height());
  return out;
}

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
  makeControlColumn(wmfctrlpanel);
  wmfctrlpanel->installEventFilter(this);
  lay->addWidget(wmfctrlpanel);

  wmfbrowseforfilebutton = new QPushButton(tr("Browse System for WMF File..."), wmfctrlpanel);
  wmfbrowseforfilebutton->setObjectName(QStringLiteral("wmfbrowseforfilebutton"));
  wmfbrowseforfilebutton->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  wmfbrowseforfilebutton->setGeometry(5, 10, 215, 30);
  connect(wmfbrowseforfilebutton, &QPushButton::clicked, this, [this] { wmfbrowseforfilebuttonClick(); });

  wmffromclipboardbutt = new QPushButton(tr("Retrieve WMF File from Clipboard..."), wmfctrlpanel);
  wmffromclipboardbutt->setObjectName(QStringLiteral("wmffromclipboardbutt"));
  wmffromclipboardbutt->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  wmffromclipboardbutt->setGeometry(5, 46, 215, 30);
  connect(wmffromclipboardbutt, &QPushButton::clicked, this, [this] { wmffromclipboardbuttClick(); });

  wmffilelabel = new QLabel(wmfctrlpanel);
  wmffilelabel->setObjectName(QStringLiteral("wmffilelabel"));
  wmffilelabel->setGeometry(5, 82, 215, 16);
  wmffilelabel->setAlignment(Qt::AlignHCenter);

  GroupBox5 = new QGroupBox(tr(" Size "), wmfctrlpanel);
  GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
  GroupBox5->setGeometry(12, 106, 200, 120);
  wmfspinup = new QToolButton(GroupBox5);
  wmfspinup->setObjectName(QStringLiteral("wmfspinup"));
  wmfspinup->setArrowType(Qt::UpArrow);
  wmfspinup->setToolTip(tr("Make the image larger"));
  wmfspinup->setGeometry(14, 22, 22, 18);
  connect(wmfspinup, &QToolButton::clicked, this, [this] { wmfspinupClick(); });
  wmfspindown = new QToolButton(GroupBox5);
  wmfspindown->setObjectName(QStringLiteral("wmfspindown"));
  wmfspindown->setArrowType(Qt::DownArrow);
  wmfspindown->setToolTip(tr("Make the image smaller"));
  wmfspindown->setGeometry(14, 42, 22, 18);
  connect(wmfspindown, &QToolButton::clicked, this, [this] { wmfspindownClick(); });
  wmfeditsize = new QLineEdit(QStringLiteral(" 100"), GroupBox5);
  wmfeditsize->setObjectName(QStringLiteral("wmfeditsize"));
  wmfeditsize->setFrame(false);
  wmfeditsize->setReadOnly(true);
  wmfeditsize->setStyleSheet(QStringLiteral("background: silver"));
  wmfeditsize->setGeometry(44, 32, 40, 20);
  Label14 = new QLabel(QStringLiteral("%"), GroupBox5);
  Label14->setObjectName(QStringLiteral("Label14"));
  Label14->setGeometry(86, 32, 16, 20);
  wmfnativesizebutton = new QPushButton(tr("Native Size"), GroupBox5);
  wmfnativesizebutton->setObjectName(QStringLiteral("wmfnativesizebutton"));
  wmfnativesizebutton->setToolTip(tr("Set the image to normal size"));
  wmfnativesizebutton->setGeometry(110, 28, 80, 26);
  connect(wmfnativesizebutton, &QPushButton::clicked, this, [this] { wmfnativesizebuttonClick(); });
  wmfdimensionlabel = new QLabel(tr("Width:               Height:"), GroupBox5);
  wmfdimensionlabel->setObjectName(QStringLiteral("wmfdimensionlabel"));
  wmfdimensionlabel->setGeometry(14, 80, 180, 18);
  GroupBox5->hide();  // until a picture is loaded

  GroupBox3 = new AreaSelect(st_.sel, wmfdisplay,
                             {QStringLiteral("GroupBox3"), QStringLiteral("wmfrectselect"),
                              QStringLiteral("wmfirregselect"), QStringLiteral("wmfallselect"),
                              QStringLiteral("wmfcopyarrow"), QStringLiteral("wmfsaveclipbutton"),
                              QStringLiteral("Button3")},
                             wmfctrlpanel);
  GroupBox3->move(12, 240);
  GroupBox3->repaintOnDrop = true;
  GroupBox3->repaintOnModeChoice = true;
  // Marks are erased by rendering again; a freehand copy renders at the size
  // the percentage gives.
  GroupBox3->repaintView = [this] {
    if (st_.sel.selectMode == SelectIrregular)
      renderMetafile(metafileScaled(st_.meta.metafileNativeWidth, st_.meta.metafilePercent),
                     metafileScaled(st_.meta.metafileNativeHeight, st_.meta.metafilePercent));
    else
      redraw();
  };
  GroupBox3->wholeRect = [this] { return pz::Rect{0, 0, st_.meta.metafileWidth, st_.meta.metafileHeight}; };
  GroupBox3->onReturn = [this] { main_->returnToPinzola(); };
  GroupBox3->connectView();
  GroupBox3->setCopyEnabled(false);
  GroupBox3->hide();  // until a picture is loaded
  updateClipboardButton();
}

bool MetafilePage::eventFilter(QObject* o, QEvent* e) {
  if (o == wmfctrlpanel && e->type() == QEvent::MouseButtonPress) wmfctrlpanelClick();
  return QWidget::eventFilter(o, e);
}

void MetafilePage::renderMetafile(int w, int h) {
  if (!st_.meta.holdsPicture()) return;
  pz::Surface& view = wmfdisplay->surface();
  view.fill(pz::kWhite);
  const pz::Surface pic = renderHeldPicture(st_.meta, w, h);
  // A picture larger than the view is cut off at its right and bottom edges.
  if (!pic.isNull()) pz::bitBlt(view, 0, 0, pic.width(), pic.height(), &pic, 0, 0);
  wmfdisplay->showAll();
}

void MetafilePage::redraw() { renderMetafile(st_.meta.metafileWidth, st_.meta.metafileHeight); }

void MetafilePage::updateClipboardButton() { wmffromclipboardbutt->setEnabled(pz::clipboardHasMetafile()); }

void MetafilePage::wmfctrlpanelClick() { redraw(); }

void MetafilePage::wmfbrowseforfilebuttonClick() {
  const QString path = pz::prompter().openFileName(
      tr("Open"), QString(),
      pz::nameFilters({metafileFileFilter(),
                       pz::nameFilter(tr("SVG Drawings"), {QStringLiteral("*.svg"), QStringLiteral("*.svgz")})}));
  if (path.isEmpty()) return;
  GroupBox5->show();
  GroupBox3->show();
  wmffilelabel->setText(QFileInfo(path).fileName());
  QString error;
  MetafileState& s = st_.meta;
  if (pz::SvgDrawing::hasSvgExtension(path)) {
    auto d = pz::SvgDrawing::load(path, &error);
    if (!d) throw pz::Error(error);  // the earlier picture stays held
    s.svg = std::move(d);
    s.metafile.reset();
  } else {
    auto m = pz::Metafile::load(path, &error, pz::screenDpi());
    if (!m) throw pz::Error(error);
    s.metafile = std::move(m);
    s.svg.reset();
  }
  s.bitmap.reset();
  s.metafileNativeWidth = s.nativeWidth();
  s.metafileNativeHeight = s.nativeHeight();
  wmfdimensionlabel->setText(metafileSizeLabel(s.metafileNativeWidth, s.metafileNativeHeight));
  wmfdisplay->surface().fill(pz::kWhite);
  wmfdisplay->showAll();
  s.metafilePercent = 100;
  loaded();
  GroupBox3->setCopyEnabled(false);
  s.metafileWidth = s.metafileNativeWidth;
  s.metafileHeight = s.metafileNativeHeight;
  wmfeditsize->setText(QStringLiteral("100"));
}

void MetafilePage::wmffromclipboardbuttClick() {
  if (!pz::clipboardHasMetafile()) return;
  GroupBox5->show();
  GroupBox3->show();
  auto pic = pz::clipboardPicture(pz::screenDpi());
  if (!pic) throw pz::Error(tr("The picture on the clipboard cannot be read."));
  MetafileState& s = st_.meta;
  s.metafile = std::move(pic->metafile);
  s.bitmap = std::move(pic->bitmap);
  s.svg = std::move(pic->svg);
  wmffilelabel->clear();
  s.metafileNativeWidth = s.nativeWidth();
  s.metafileNativeHeight = s.nativeHeight();
  wmfdimensionlabel->setText(metafileSizeLabel(s.metafileNativeWidth, s.metafileNativeHeight));
  loaded();
  // Unlike a file load, the copy button keeps its state.
  s.metafileWidth = s.metafileNativeWidth;
  s.metafileHeight = s.metafileNativeHeight;
  wmfeditsize->setText(QStringLiteral("100"));
  s.metafilePercent = 100;
}

void MetafilePage::loaded() {
  const MetafileState& s = st_.meta;
  renderMetafile(s.metafileNativeWidth, s.metafileNativeHeight);
  QCoreApplication::processEvents();
  renderMetafile(s.metafileNativeWidth, s.metafileNativeHeight);
}

void MetafilePage::sizeChanged(int w, int h) {
  MetafileState& s = st_.meta;
  wmfdimensionlabel->setText(metafileSizeLabel(w, h));
  wmfeditsize->setText(QString::number(s.metafilePercent));
  renderMetafile(w, h);
  // Also in whole-image mode: choosing a mode again enables it.
  GroupBox3->setCopyEnabled(false);
  s.metafileWidth = w;
  s.metafileHeight = h;
}

void MetafilePage::wmfspinupClick() {
  MetafileState& s = st_.meta;
  if (s.metafilePercent < 300) s.metafilePercent += 25;
  sizeChanged(metafileScaled(s.metafileNativeWidth, s.metafilePercent),
              metafileScaled(s.metafileNativeHeight, s.metafilePercent));
}

void MetafilePage::wmfspindownClick() {
  MetafileState& s = st_.meta;
  if (s.metafilePercent > 25) s.metafilePercent -= 25;
  sizeChanged(metafileScaled(s.metafileNativeWidth, s.metafilePercent),
              metafileScaled(s.metafileNativeHeight, s.metafilePercent));
}

void MetafilePage::wmfnativesizebuttonClick() {
  MetafileState& s = st_.meta;
  wmfdimensionlabel->setText(metafileSizeLabel(s.metafileNativeWidth, s.metafileNativeHeight));
  wmfeditsize->setText(QStringLiteral("100"));
  renderMetafile(s.metafileNativeWidth, s.metafileNativeHeight);
  s.metafilePercent = 100;
  GroupBox3->setCopyEnabled(false);
  s.metafileWidth = s.metafileNativeWidth;
  s.metafileHeight = s.metafileNativeHeight;
}

}  // namespace fx
