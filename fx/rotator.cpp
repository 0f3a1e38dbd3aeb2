#include "fx/rotator.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

#include "fx/textdraw.h"
#include "platform/surfacewidget.h"

namespace fx {

Trotator::Trotator(FxState& st, QWidget* parent) : QDialog(parent), st_(st) {
  setObjectName(QStringLiteral("rotator"));
  setWindowTitle(tr("Set Text Rotation Angle"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(272, 112);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  setPalette(pal);
  setAutoFillBackground(true);
  QFont f(QStringLiteral("System"));
  f.setPixelSize(13);
  setFont(f);

  auto* border = new QFrame(this);
  border->setFrameShape(QFrame::Box);
  border->setGeometry(5, 6, 127, 99);
  Panel1 = new pz::SurfaceWidget(this, pz::kWhite);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(6, 7, 125, 97);
  Panel1->surface().create(125, 97, pz::kWhite);  // drawable before the first showing

  ScrollBar1 = new QScrollBar(Qt::Vertical, this);
  ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
  ScrollBar1->setGeometry(138, 12, 17, 83);
  ScrollBar1->setRange(0, 359);
  ScrollBar1->setSingleStep(1);
  ScrollBar1->setPageStep(10);

  Label1 = new QLabel(tr("%1 Degrees").arg(45), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(157, 20, 113, 18);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setAutoFillBackground(true);
  QPalette lp = Label1->palette();
  lp.setColor(QPalette::Window, Qt::yellow);
  Label1->setPalette(lp);

  BitBtn1 = new QPushButton(tr("OK"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(184, 76, 59, 29);
  BitBtn1->setDefault(true);

  Timer1 = new QTimer(this);
  Timer1->setInterval(200);

  connect(ScrollBar1, &QScrollBar::valueChanged, this, &Trotator::ScrollBar1Scroll);
  connect(BitBtn1, &QPushButton::clicked, this, &Trotator::BitBtn1Click);
  connect(Timer1, &QTimer::timeout, this, &Trotator::Timer1Timer);
}

void Trotator::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  Timer1->start();
}

void Trotator::Timer1Timer() {
  ++st_.rotatorTicks;
  if (st_.rotatorTicks < 3) return;
  ScrollBar1->setValue(st_.rotationAngle);
  drawPreview();
  Timer1->stop();
}

void Trotator::ScrollBar1Scroll(int position) {
  st_.rotationAngle = position;
  drawPreview();
}

void Trotator::BitBtn1Click() {
  st_.rotationAngle = ScrollBar1->value();
  accept();
}

void Trotator::drawPreview() {
  pz::Surface& s = Panel1->surface();
  s.fillRect({0, 0, 125, 100}, pz::kWhite);
  s.pen = pz::Pen{pz::PenStyle::Solid, 1, pz::kBlack};
  s.rop2 = pz::Rop2::CopyPen;
  s.moveTo(57, 50);
  s.lineTo(67, 50);
  s.moveTo(62, 45);
  s.lineTo(62, 55);
  const int px = int(std::lrint(10.0f * screenPointScale()));
  paintText(s, TextStyle{QStringLiteral("Arial"), false, false},
            TextDraw{tr("Example"), 62, 50, -px, TextAlign::BaselineCenter, pz::kBlack,
                     st_.rotationAngle * 10});
  Label1->setText(tr("%1 Degrees").arg(st_.rotationAngle));
  Panel1->showAll();
}

}  // namespace fx
