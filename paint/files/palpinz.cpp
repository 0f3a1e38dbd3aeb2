#include "paint/files/palpinz.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "paint/files/builtin_pictures.h"
#include "paint/files/click_image.h"
#include "paint/files/picture_files.h"
#include "platform/folders.h"
#include "platform/jpeg.h"
#include "platform/language.h"
#include "platform/prompt.h"
#include "platform/surfacewidget.h"

namespace pz {

int comboTextRoom(const QComboBox* box) {
  QStyleOptionComboBox opt;
  opt.initFrom(box);
  opt.editable = false;
  // The style keeps a little space between the text and the field's edges.
  return box->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, box).width() - 4;
}

void fitComboFont(QComboBox* box, int largestPixelSize) {
  // The face asked for may fall back to a wider one; rather than cut a
  // palette's name, the list takes the largest size at which all show whole.
  const int room = comboTextRoom(box);
  QFont f = box->font();
  for (int px = largestPixelSize; px >= 8; --px) {
    f.setPixelSize(px);
    const QFontMetrics fm(f);
    int widest = 0;
    for (int i = 0; i < box->count(); ++i) widest = std::max(widest, fm.horizontalAdvance(box->itemText(i)));
    if (widest <= room) break;
  }
  box->setFont(f);
}

namespace {

// Larger palette pictures show only their top-left part, unscaled.
constexpr int kMaxShownW = 300, kMaxShownH = 390;

QSlider* makeTrack(QWidget* parent, int y) {
  auto* t = new QSlider(Qt::Horizontal, parent);
  t->setGeometry(22, y, 115, 26);
  t->setRange(0, 255);
  t->setPageStep(3);
  t->setTickInterval(25);
  t->setTickPosition(QSlider::TicksBelow);
  return t;
}

QLabel* makeLetter(QWidget* parent, const QString& letter, const char* color, int y) {
  auto* l = new QLabel(letter, parent);
  l->setGeometry(6, y, 14, 20);
  l->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(QLatin1String(color)));
  return l;
}

}  // namespace

QString colorNumbers(Color c) {
  return QStringLiteral("%1 %2 %3").arg(redOf(c)).arg(greenOf(c)).arg(blueOf(c));
}

Tpalpinz::Tpalpinz(PaintState& st, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      st_(st) {
  setWindowTitle(tr("Pinzola's Colors"));
  setFixedSize(455, 400);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  Image1 = new SurfaceWidget(this, kBlack);
  Image1->move(2, 0);
  Image1->setCursor(Qt::CrossCursor);
  Image1->setToolTip(tr("Click a colour to paint with it"));
  Image1->onPress = [this](QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    Image1MouseDown(p.x(), p.y());
  };
  Image1->onDoubleClick = [this](QMouseEvent*) { Image1DblClick(); };
  showPalette(builtinPalette());

  Panel1 = new SurfaceWidget(this, kBlack);
  Panel1->setGeometry(455 - 153, 0, 153, 400);
  Panel1->surface().create(153, 400, kBlack);

  Panel2 = new QFrame(Panel1);
  Panel2->setGeometry(6, 110, 143, 119);
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel2->setAutoFillBackground(true);
  QPalette grey = Panel2->palette();
  grey.setColor(QPalette::Window, QColor(192, 192, 192));
  Panel2->setPalette(grey);
  //: The first letter of the word red.
  makeLetter(Panel2, tr("R"), "red", 8);
  //: The first letter of the word green.
  makeLetter(Panel2, tr("G"), "green", 36);
  //: The first letter of the word blue.
  makeLetter(Panel2, tr("B"), "blue", 64);
  rtrack = makeTrack(Panel2, 5);
  gtrack = makeTrack(Panel2, 33);
  btrack = makeTrack(Panel2, 61);
  rtrack->setToolTip(tr("Red"));
  gtrack->setToolTip(tr("Green"));
  btrack->setToolTip(tr("Blue"));
  for (QSlider* t : {rtrack, gtrack, btrack}) connect(t, &QSlider::valueChanged, this, [this] { rtrackChange(); });
  Label4 = new QLabel(Panel2);
  Label4->setGeometry(2, 92, 139, 20);
  Label4->setAlignment(Qt::AlignCenter);
  Label4->setStyleSheet(QStringLiteral("color: navy; font-weight: bold;"));

  palnames = new QComboBox(Panel1);
  palnames->setGeometry(8, 240, 135, 24);
  palnames->setEditable(false);
  palnames->setToolTip(tr("Choose a palette"));
  connect(palnames, &QComboBox::activated, this, [this] { palnamesClick(); });

  Image2 = new ClickImage(buttonPicture(ButtonPicture::Ok), Panel1);
  Image2->move(60, 328);
  Image2->setToolTip(tr("Done"));
  Image2->onClick = [this] { Image2Click(); };

  FormActivate();
}

void Tpalpinz::showPalette(const Surface& picture) {
  const int w = std::min(picture.width(), kMaxShownW), h = std::min(picture.height(), kMaxShownH);
  Image1->surface() = picture.copy(Rect{0, 0, w, h});
  Image1->resize(w, h);
  Image1->showAll();
}

void Tpalpinz::FormActivate() {
  palnames->clear();
  for (const QString& file : listFolder(st_.programDir + QStringLiteral("/palettes"), QStringLiteral("bmp")))
    palnames->addItem(contentName(displayName(file)), displayName(file));
  bool matched = false;
  for (int i = 0; i < palnames->count(); ++i) {
    if (palnames->itemData(i).toString() == st_.paletteName) {
      palnames->setCurrentIndex(i);
      palnamesClick();
      matched = true;
    }
  }
  if (!matched && palnames->count() > 0) palnames->setCurrentIndex(0);  // the built-in picture stays
  fitComboFont(palnames, font().pixelSize() > 0 ? font().pixelSize() : QFontInfo(font()).pixelSize());
  QCoreApplication::processEvents();
  const Color c = st_.currentColor;
  drawSwatch(c);
  setLabel4(c);
  setBars(c);
}

void Tpalpinz::palnamesClick() {
  if (palnames->currentIndex() < 0) return;
  st_.paletteName = palnames->currentData().toString();
  const QString path = pathOnDisk(st_.programDir + kPalettesFolder, st_.paletteName, QStringLiteral("BMP"));
  QString message;
  auto picture = NViewLibLoad(path, 0, &message);
  if (!picture) {
    prompter().info(message);
    return;
  }
  showPalette(*picture);
}

void Tpalpinz::Image1MouseDown(int x, int y) {
  pressed_ = {x, y};
  const Color c = Image1->surface().pixel(x, y);
  if (c == kInvalid) return;
  drawSwatch(c);
  st_.currentColor = c;
  setLabel4(c);
  setBars(c);
}

void Tpalpinz::Image1DblClick() {
  Image1MouseDown(pressed_.x, pressed_.y);
  accept();
}

void Tpalpinz::rtrackChange() {
  const Color c = Color(rtrack->value()) + Color(gtrack->value()) * 256 + Color(btrack->value()) * 65536;
  drawSwatch(c);
  st_.currentColor = c;
  setLabel4(c);
}

void Tpalpinz::Image2Click() { accept(); }

void Tpalpinz::drawSwatch(Color c) {
  Surface& s = Panel1->surface();
  s.pen = Pen{PenStyle::Solid, 1, c};
  s.brush = Brush{false, c};
  s.rectangle(kSwatch.left, kSwatch.top, kSwatch.right, kSwatch.bottom);
  Panel1->show(kSwatch);
}

void Tpalpinz::setLabel4(Color c) { Label4->setText(colorNumbers(c)); }

void Tpalpinz::setBars(Color c) {
  rtrack->setValue(redOf(c));
  gtrack->setValue(greenOf(c));
  btrack->setValue(blueOf(c));
}

}  // namespace pz
