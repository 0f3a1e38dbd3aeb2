#include "paint/files/artform.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <algorithm>

#include "platform/application.h"
#include "platform/bmp.h"
#include "platform/clipboard.h"
#include "platform/folders.h"
#include "platform/language.h"

namespace pz {

QSize clipartSize(QSize natural, int p) {
  return {std::max(1, p * (natural.width() / 10)), std::max(1, p * (natural.height() / 10))};
}

Surface sizedClipart(const Surface& natural, QSize size) {
  Surface out(std::max(1, size.width()), std::max(1, size.height()));
  if (!natural.isNull())
    stretchBlt(out, 0, 0, out.width(), out.height(), natural, 0, 0, natural.width(), natural.height());
  return out;
}

namespace {

// A picture that acts as a button.
class PictureButton : public QLabel {
 public:
  PictureButton(QWidget* parent, std::function<void()> onClick) : QLabel(parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onClick_) onClick_();
  }

 private:
  std::function<void()> onClick_;
};

// The OK and Cancel pictures: a round-cornered coloured plate with its word.
QPixmap buttonPicture(const QString& word, QColor plate) {
  QImage img(56, 36, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(plate);
  p.drawRoundedRect(QRect(1, 1, 53, 33), 8, 8);
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(word.size() > 2 ? 13 : 17);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(img.rect(), Qt::AlignCenter, word);
  p.end();
  return QPixmap::fromImage(img);
}

}  // namespace

Tartform::Tartform(const QString& programDir, QWidget* parent)
    : QDialog(parent), clipartDir_(programDir + QStringLiteral("/clipart")) {
  setWindowTitle(QStringLiteral("artform"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  resize(544, 375);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setPalette(black);
  ScrollBox1->setAutoFillBackground(true);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setWidgetResizable(false);
  ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ScrollBox1->viewport()->setPalette(black);
  ScrollBox1->viewport()->setAutoFillBackground(true);
  cimg = new QLabel;
  cimg->setScaledContents(false);
  cimg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ScrollBox1->setWidget(cimg);

  Panel1 = new QWidget(this);
  Panel1->setPalette(black);
  Panel1->setAutoFillBackground(true);
  Panel1->setFixedWidth(146);

  filelist = new QListWidget(Panel1);
  filelist->setGeometry(16, 28, 117, 139);
  // A click or a keyboard move to another entry loads it.
  connect(filelist, &QListWidget::currentRowChanged, this, [this](int) {
    if (!filling_) filelistClick();
  });

  Label1 = new QLabel(tr("%1 %").arg(100), Panel1);
  Label1->setGeometry(54, 178, 60, 16);
  QPalette yellow = Label1->palette();
  yellow.setColor(QPalette::WindowText, Qt::yellow);
  Label1->setPalette(yellow);

  sizescroll = new QScrollBar(Qt::Horizontal, Panel1);
  sizescroll->setGeometry(18, 200, 119, 17);
  sizescroll->setRange(1, 20);
  sizescroll->setPageStep(2);
  sizescroll->setValue(10);
  connect(sizescroll, &QScrollBar::valueChanged, this, [this](int) { sizescrollChange(); });

  Image2 = new PictureButton(Panel1, [this] { Image2Click(); });
  Image2->setGeometry(20, 236, 56, 36);
  Image2->setPixmap(buttonPicture(tr("OK"), QColor(0x20, 0xA0, 0x30)));
  Image2->setToolTip(tr("OK"));
  Image3 = new PictureButton(Panel1, [this] { Image3Click(); });
  Image3->setGeometry(82, 236, 56, 36);
  Image3->setPixmap(buttonPicture(tr("Cancel"), QColor(0xD0, 0x30, 0x30)));
  Image3->setToolTip(tr("Cancel"));
}

void Tartform::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!activated_) FormActivate();
}

void Tartform::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  ScrollBox1->setGeometry(0, 0, std::max(0, width() - Panel1->width()), height());
  Panel1->setGeometry(width() - Panel1->width(), 0, Panel1->width(), height());
}

void Tartform::FormActivate() {
  activated_ = true;
  filling_ = true;
  filelist->clear();
  for (const QString& name : listFolder(clipartDir_, QStringLiteral("bmp"))) {
    auto* item = new QListWidgetItem(contentName(displayName(name)), filelist);
    item->setData(Qt::UserRole, displayName(name));
  }
  if (filelist->count() > 0) filelist->setCurrentRow(0);
  filling_ = false;
  if (filelist->count() > 0 && !loadEntry(0)) return;
  Label1->setText(tr("%1 %").arg(100));
  Label1->repaint();
}

void Tartform::filelistClick() {
  const int row = filelist->currentRow();
  if (row >= 0) loadEntry(row);
}

bool Tartform::loadEntry(int row) {
  const QString entry = filelist->item(row)->data(Qt::UserRole).toString();
  const QString file = findOnDisk(clipartDir_, entry + QStringLiteral(".bmp"));
  QString error;
  std::optional<Surface> s = readBmp(clipartDir_ + QLatin1Char('/') + file, &error);
  natural_ = s ? std::move(*s) : Surface();
  showCimg(naturalSize());
  // Shown here rather than thrown: the load runs inside the list's click
  // signal and the window's show event, which an exception must not cross.
  if (!s) {
    showError(error);
    return false;
  }
  // Only a change of position resizes the preview; a bar already at 10
  // leaves the picture at its natural size until the bar is moved.
  sizescroll->setRange(1, 20);
  sizescroll->setValue(10);
  return true;
}

void Tartform::sizescrollChange() {
  const int p = sizescroll->value();
  showCimg(clipartSize(naturalSize(), p));
  Label1->setText(tr("%1 %").arg(p * 10));
  Label1->repaint();
}

void Tartform::showCimg(QSize size) {
  shown_ = size;
  if (natural_.isNull() || size.isEmpty()) {
    cimg->clear();
    cimg->resize(0, 0);
    return;
  }
  cimg->setPixmap(QPixmap::fromImage(sizedClipart(natural_, size).toRgb32()));
  cimg->resize(size);
}

void Tartform::Image2Click() {
  if (!natural_.isNull()) setClipboardImage(sizedClipart(natural_, shown_));
  accept();
}

void Tartform::Image3Click() { reject(); }

}  // namespace pz
