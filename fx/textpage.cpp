#include "fx/textpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <cmath>

#include "fx/areaselect.h"
#include "fx/controlcolumn.h"
#include "fx/facelist.h"
#include "fx/fxpictures.h"
#include "fx/modal.h"
#include "fx/pamain.h"
#include "fx/rotator.h"
#include "fx/swatch.h"
#include "platform/prompt.h"
#include "platform/surfacewidget.h"

namespace fx {

namespace {
QPoint at(QMouseEvent* e) { return e->position().toPoint(); }

bool isDragEffect(int tool) {
  return tool == EffectPlain || tool == EffectDropShadow || tool == EffectTrail || tool == EffectBlockShadow;
}

template <class W>
W* place(W* w, const QString& name, int x, int y, int width, int height) {
  w->setObjectName(name);
  w->setGeometry(x, y, width, height);
  return w;
}
}  // namespace

TextPage::TextPage(FxState& st, Tpamain* main) : QWidget(main), st_(st), main_(main) {
  setObjectName(QStringLiteral("TabSheet2"));
  auto* lay = new QHBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);

  ScrollBox2 = new QScrollArea(this);
  ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
  ScrollBox2->setWidgetResizable(true);
  textpanel = new pz::SurfaceWidget(nullptr, pz::kWhite);
  textpanel->setObjectName(QStringLiteral("textpanel"));
  textpanel->setCursor(Qt::CrossCursor);
  ScrollBox2->setWidget(textpanel);
  lay->addWidget(ScrollBox2, 1);

  Panel6 = new QWidget(this);
  Panel6->setObjectName(QStringLiteral("Panel6"));
  makeControlColumn(Panel6);
  lay->addWidget(Panel6);

  Label6 = place(new QLabel(tr("Text Effect:"), Panel6), QStringLiteral("Label6"), 4, 3, 150, 15);
  effectsimage = place(new pz::SurfaceWidget(Panel6, pz::kWhite), QStringLiteral("effectsimage"), 2, 19, 220, 40);
  effectsimage->surface() = pz::Surface(effectsStrip(220, 40));
  effectsimage->setToolTip(tr("Choose test style here"));
  effectsimage->setCursor(Qt::PointingHandCursor);
  textarrow = place(new QLabel(Panel6), QStringLiteral("textarrow"), 5, 61, 31, 17);
  textarrow->setPixmap(QPixmap::fromImage(fxPicture(FxPicture::MarkerArrow)));

  backshape = place(new ColorSwatch(Panel6, st_.text.backColor), QStringLiteral("backshape"), 22, 98, 27, 27);
  backshape->setToolTip(tr("Click to choose background color"));
  foreshape = place(new ColorSwatch(Panel6, st_.text.foreColor), QStringLiteral("foreshape"), 6, 84, 28, 28);
  foreshape->setToolTip(tr("Click to choose foreground color"));

  flistbox = place(new FaceList(Panel6), QStringLiteral("flistbox"), 58, 84, 162, 22);
  flistbox->setToolTip(tr("Choose lettering style here"));
  sizelist = place(new QComboBox(Panel6), QStringLiteral("sizelist"), 58, 109, 64, 22);
  sizelist->setToolTip(tr("Choose lettering size here"));
  sizelist->hide();
  italiccheck = place(new QCheckBox(tr("Italic"), Panel6), QStringLiteral("italiccheck"), 58, 134, 60, 18);
  italiccheck->setToolTip(tr("Make your text italic"));
  boldcheck = place(new QCheckBox(tr("Bold"), Panel6), QStringLiteral("boldcheck"), 128, 134, 60, 18);
  boldcheck->setToolTip(tr("Make your text bold"));

  usertext = place(new QLineEdit(Panel6), QStringLiteral("usertext"), 6, 153, 214, 22);
  usertext->setToolTip(tr("Enter Text Here"));
  // The text is not cut short: a long line of lettering is the user's choice.
  usertext->setMaxLength(1 << 20);

  textundobutt = place(new QPushButton(tr("Undo"), Panel6), QStringLiteral("textundobutt"), 6, 179, 104, 25);
  textundobutt->setToolTip(tr("Undo last action"));
  textclrbutt = place(new QPushButton(tr("Clear"), Panel6), QStringLiteral("textclrbutt"), 116, 179, 104, 25);
  textclrbutt->setToolTip(tr("Clear the screen"));

  Panel2 = place(new QFrame(Panel6), QStringLiteral("Panel2"), 6, 207, 214, 74);
  Panel2->setFrameShape(QFrame::StyledPanel);
  Label8 = place(new QLabel(tr("Shadow Depth:"), Panel2), QStringLiteral("Label8"), 6, 8, 84, 15);
  SpinButton1 = place(new QWidget(Panel2), QStringLiteral("SpinButton1"), 92, 3, 16, 26);
  SpinButton1->setToolTip(tr("Click to change the depth"));
  spinUp = place(new QToolButton(SpinButton1), QStringLiteral("spinUp"), 0, 0, 16, 13);
  spinUp->setArrowType(Qt::UpArrow);
  spinDown = place(new QToolButton(SpinButton1), QStringLiteral("spinDown"), 0, 13, 16, 13);
  spinDown->setArrowType(Qt::DownArrow);
  pixlabel = place(new QLabel(tr("1 Pixel"), Panel2), QStringLiteral("pixlabel"), 114, 8, 80, 15);
  Label9 = place(new QLabel(tr("Direction"), Panel2), QStringLiteral("Label9"), 6, 48, 60, 15);
  static const char* const kRadioNames[8] = {"radioUL", "radioUC", "radioUR", "radioL",
                                             "radioR",  "radioLL", "radioLC", "radioLR"};
  static const int kCol[8] = {0, 1, 2, 0, 2, 0, 1, 2}, kRow[8] = {0, 0, 0, 1, 1, 2, 2, 2};
  for (int d = 0; d < 8; ++d) {
    radios[d] = place(new QRadioButton(Panel2), QString::fromLatin1(kRadioNames[d]), 80 + kCol[d] * 20,
                      32 + kRow[d] * 14, 16, 14);
    connect(radios[d], &QRadioButton::clicked, this, [this, d] { directionClick(d); });
  }
  radios[DirUL]->setChecked(true);
  Panel2->hide();

  textselect = new AreaSelect(st_.sel, textpanel,
                              {QStringLiteral("textselectgroup"), QStringLiteral("textrectselect"),
                               QStringLiteral("textirregselect"), QStringLiteral("textallselect"),
                               QStringLiteral("selectarrow"), QStringLiteral("textsaveclip"),
                               QStringLiteral("Button2")},
                              Panel6);
  textselect->move(12, 284);
  textselect->arrow->hide();
  textselect->setCopyEnabled(false);
  textselect->wholeRect = [this] { return pz::Rect{0, 0, textpanel->width(), textpanel->height()}; };
  textselect->repaintView = [this] { restoreSnapshot(); };
  textselect->onModeChosen = [this](int mode) { modeChosen(mode); };
  textselect->onReturn = [this] { main_->returnToPinzola(); };

  effectsimage->onPress = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) effectsimageMouseDown(at(e).x());
  };
  textpanel->onPress = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) textpanelMouseDown(at(e).x(), at(e).y());
  };
  textpanel->onMove = [this](QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton) textpanelMouseMove(at(e).x(), at(e).y());
  };
  textpanel->onRelease = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) textpanelMouseUp(at(e).x(), at(e).y());
  };
  foreshape->onPress = [this] { foreshapeMouseDown(); };
  backshape->onPress = [this] { backshapeMouseDown(); };
  connect(spinUp, &QToolButton::clicked, this, &TextPage::SpinButton1UpClick);
  connect(spinDown, &QToolButton::clicked, this, &TextPage::SpinButton1DownClick);
  connect(textundobutt, &QPushButton::clicked, this, &TextPage::textundobuttClick);
  connect(textclrbutt, &QPushButton::clicked, this, &TextPage::textclrbuttClick);
}

void TextPage::fillLists() {
  flistbox->fillWithInstalledFaces();
  sizelist->clear();
  for (const char* s : {"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"})
    sizelist->addItem(QString::fromLatin1(s));
  sizelist->setCurrentIndex(0);
}

void TextPage::createSnapshot() {
  st_.text.undoSnapshot.create(std::max(1, textpanel->width()), std::max(1, textpanel->height()), pz::kWhite);
}

void TextPage::saveSnapshot() {
  const pz::Surface& canvas = textpanel->surface();
  pz::Surface& snap = st_.text.undoSnapshot;
  if (snap.width() != canvas.width() || snap.height() != canvas.height()) snap.create(canvas.width(), canvas.height());
  pz::bitBlt(snap, 0, 0, canvas.width(), canvas.height(), &canvas, 0, 0);
}

void TextPage::restoreSnapshot() {
  pz::Surface& canvas = textpanel->surface();
  const pz::Surface& snap = st_.text.undoSnapshot;
  // Where the canvas grew beyond the snapshot it shows white paper.
  canvas.fill(pz::kWhite);
  pz::bitBlt(canvas, 0, 0, canvas.width(), canvas.height(), &snap, 0, 0);
  st_.sel.markOutlined = false;
  textpanel->showAll();
}

void TextPage::modeChosen(int mode) {
  st_.text.textTool = mode;
  textarrow->hide();
  textselect->arrow->show();
  textpanel->setCursor(Qt::CrossCursor);
}

void TextPage::effectsimageMouseDown(int x) {
  saveSnapshot();
  textarrow->show();
  textselect->arrow->hide();
  const float w = float(effectsimage->width()) / 6.0f;
  const int b = std::clamp(int(std::trunc(float(x) / w)), 0, 5);
  textarrow->move(int(std::trunc(w * float(b))) + 3 + effectsimage->x() - 2, textarrow->y());
  const int tool = b + 1;
  st_.text.textTool = tool;
  Panel2->hide();
  sizelist->hide();
  if (tool == EffectDropShadow || tool == EffectTrail || tool == EffectBlockShadow) {
    Panel2->show();
    for (QRadioButton* r : radios) r->show();
    Label8->show();
    SpinButton1->show();
    pixlabel->show();
    if (tool == EffectTrail) {
      radios[DirL]->hide();
      radios[DirR]->hide();
      radios[DirUC]->setChecked(true);
      st_.text.shadowDir = DirUC;
      Label8->hide();
      SpinButton1->hide();
      pixlabel->hide();
    }
  }
  if (tool == EffectRotated || tool == EffectVertical) {
    textpanel->setCursor(Qt::IBeamCursor);
    sizelist->show();
  } else {
    textpanel->setCursor(Qt::CrossCursor);
  }
}

void TextPage::directionClick(int dir) { st_.text.shadowDir = dir; }

void TextPage::SpinButton1UpClick() {
  if (st_.text.shadowDepth < 50) ++st_.text.shadowDepth;
  pixlabel->setText(tr("%1 Pixels").arg(st_.text.shadowDepth));
}

void TextPage::SpinButton1DownClick() {
  if (st_.text.shadowDepth > 1) --st_.text.shadowDepth;
  pixlabel->setText(tr("%1 Pixels").arg(st_.text.shadowDepth));
}

void TextPage::foreshapeMouseDown() {
  if (auto c = pz::prompter().chooseColor(st_.text.dialogColor)) {
    st_.text.dialogColor = *c;
    st_.text.foreColor = *c;
    foreshape->setColor(*c);
  }
}

void TextPage::backshapeMouseDown() {
  if (auto c = pz::prompter().chooseColor(st_.text.dialogColor)) {
    st_.text.dialogColor = *c;
    st_.text.backColor = *c;
    backshape->setColor(*c);
  }
}

void TextPage::textundobuttClick() { restoreSnapshot(); }

void TextPage::textclrbuttClick() {
  textpanel->surface().fill(pz::kWhite);
  st_.sel.markOutlined = false;
  textpanel->showAll();
}

EffectInput TextPage::effectInput() const {
  EffectInput in;
  in.text = usertext->text();
  in.style = TextStyle{flistbox->face(), boldcheck->isChecked(), italiccheck->isChecked()};
  in.fore = st_.text.foreColor;
  in.back = st_.text.backColor;
  in.depth = st_.text.shadowDepth;
  in.dir = st_.text.shadowDir;
  in.k = screenPointScale();
  in.sizePoints = sizelist->currentText().toInt();
  in.angle = st_.rotationAngle;
  return in;
}

void TextPage::drawDragEffect(Point p1, Point p2) {
  const EffectInput in = effectInput();
  paintPlan(textpanel->surface(), in.style, planDragEffect(st_.text.textTool, in, p1, p2));
  textpanel->showAll();
}

void TextPage::drawClickEffect(Point p) {
  const EffectInput in = effectInput();
  paintPlan(textpanel->surface(), in.style, planClickEffect(st_.text.textTool, in, p));
  textpanel->showAll();
}

void TextPage::textpanelMouseDown(int x, int y) {
  st_.sel.pointerDown = true;
  saveSnapshot();
  const int tool = st_.text.textTool;
  if (tool == EffectRotated) {
    execModal(main_->rotator);
    QCoreApplication::processEvents();
    restoreSnapshot();
    drawClickEffect({x, y});
    st_.sel.pointerDown = false;
  } else if (tool == EffectVertical) {
    restoreSnapshot();
    drawClickEffect({x, y});
    st_.sel.pointerDown = false;
  } else {
    textselect->pressAs(tool, x, y);
  }
}

void TextPage::textpanelMouseMove(int x, int y) {
  const int tool = st_.text.textTool;
  // The drag-sized effects show the same rubber band as a rectangle selection.
  textselect->dragAs(isDragEffect(tool) ? int(SelectRect) : tool, x, y);
}

void TextPage::textpanelMouseUp(int x, int y) {
  const int tool = st_.text.textTool;
  if (tool == SelectRect || tool == SelectIrregular) {
    textselect->releaseAs(tool, x, y);
    return;
  }
  const bool wasDown = st_.sel.pointerDown;
  st_.sel.pointerDown = false;
  if (isDragEffect(tool) && wasDown) {
    drawSelectionFrame(textpanel->surface(), st_.sel, x, y, FrameKind::Erase);
    drawDragEffect(st_.sel.selStart, {x, y});
  }
}

}  // namespace fx
