#include "paint/canvas/about.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "paint/canvas/pictures.h"
#include "platform/window_buttons.h"

namespace pz {

Taboutfrm::Taboutfrm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("PINZOLA"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(421, 239);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 421, 239);
  Image1->setPixmap(QPixmap::fromImage(stripPicture(StripPicture::AboutPicture)));
  Label1 = new QLabel(QStringLiteral("PINZOLA 1.0"), this);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(19);
  f.setBold(true);
  Label1->setFont(f);
  Label1->setAttribute(Qt::WA_TranslucentBackground);
  Label1->move(190, 4);
  Label1->adjustSize();
  BitBtn1 = new QPushButton(tr("OK"), this);
  BitBtn1->setGeometry(276, 172, 97, 33);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
  askForBorderButtons(this, BorderButtons::None);
}

}  // namespace pz
