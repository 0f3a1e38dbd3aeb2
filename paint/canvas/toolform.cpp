#include "paint/canvas/toolform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "paint/canvas/toolicons.h"
#include "paint/tools/tool_table.h"
#include "platform/bmp.h"
#include "platform/folders.h"
#include "platform/prompt.h"
#include "platform/window_buttons.h"

namespace pz {

namespace {

// Where each tool's image sits in the chest.
struct Place {
  const char* image;
  int x, y;
};
constexpr Place kPlaces[] = {
    {"Image1", 2, 2},      {"Image22", 56, 5},   {"Image23", 106, 3},  {"Image13", 158, 3},
    {"Image9", 10, 56},    {"Image10", 60, 56},  {"Image5", 110, 60},  {"Image12", 164, 59},
    {"Image4", 8, 118},    {"Image11", 64, 115}, {"Image6", 110, 112}, {"Image14", 162, 112},
    {"Image15", 8, 172},   {"Image18", 64, 174}, {"Image8", 116, 172}, {"Image7", 160, 176},
    {"Image16", 84, 226},  {"Image2", 228, 86},
};

constexpr int kThumbColumns[4] = {8, 62, 116, 170};
constexpr int kThumbRows[3] = {8, 60, 112};
constexpr int kPerPage = 12;

const QColor kLime(0, 255, 0);
const QColor kRed(255, 0, 0);

// An outline drawn over other parts; the pointer passes through it.
class Outline : public QWidget {
 public:
  Outline(QWidget* parent, int radius) : QWidget(parent), radius_(radius) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kRed, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius_, radius_);
  }

 private:
  int radius_;
};

void paintBlack(QWidget* w) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, Qt::black);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

QLabel* label(QWidget* parent, const QString& text, const QColor& colour, int x, int y) {
  auto* l = new QLabel(text, parent);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, colour);
  l->setPalette(pal);
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace

ChestImage::ChestImage(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void ChestImage::mouseReleaseEvent(QMouseEvent* e) {
  if (onClick && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) onClick();
}

void ChestImage::mouseMoveEvent(QMouseEvent* e) {
  if (onMove) onMove();
  // Handled here: passed on, the window's background would clear the hint again.
  e->accept();
}

Ttoolform::Ttoolform(PaintState& st, QWidget* parent) : QDialog(parent), st_(st) {
  setWindowTitle(tr("Pinzola's Tools"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(541, 303);
  paintBlack(this);
  setMouseTracking(true);

  auto* shape1 = new Outline(this, 10);
  shape1->setGeometry(222, 6, 311, 205);
  label(this, tr("Textures"), kRed, 230, 66);

  int count = 0;
  const ToolInfo* table = toolTable(&count);
  for (const Place& place : kPlaces) {
    const ToolInfo* info = nullptr;
    for (int i = 0; i < count; ++i)
      if (qstrcmp(table[i].chestImage, place.image) == 0) info = &table[i];
    if (!info) continue;
    auto* img = new ChestImage(this);
    img->setObjectName(QString::fromLatin1(place.image));
    img->setPixmap(QPixmap::fromImage(toolIcon(info->id)));
    img->setGeometry(place.x, place.y, 50, 50);
    img->setCursor(Qt::PointingHandCursor);
    const int id = info->id;
    img->onClick = [this, id] { toolImageClick(id); };
    img->onMove = [this, id] { toolImageMouseMove(id); };
    tools_.push_back({id, img, QCoreApplication::translate("pz::Tools", info->hint)});
  }

  selborder = new Outline(this, 8);
  selborder->setGeometry(2, 2, 50, 50);

  auto* image3 = new QLabel(this);
  image3->setPixmap(QPixmap::fromImage(mixingIcon(48)));
  image3->setGeometry(202, 218, 48, 48);
  QLabel* label4 = label(this, tr("Tools with this icon will mix colors as they apply."),
                         QColor(192, 192, 192), 252, 232);
  label4->setWordWrap(true);
  QFont small = label4->font();
  small.setPixelSize(11);
  label4->setFont(small);
  // The face asked for may fall back to a wider one that needs a fourth line;
  // the label then grows down towards the hint line instead of cutting it.
  label4->setGeometry(252, 232, 119, std::clamp(label4->heightForWidth(119), 37, 303 - 19 - 232));

  Image21 = new ChestImage(this);
  Image21->setPixmap(QPixmap::fromImage(okArrow()));
  Image21->setGeometry(450, 222, 40, 40);
  Image21->setCursor(Qt::PointingHandCursor);
  Image21->onClick = [this] { Image21Click(); };
  Image21->onMove = [this] { hintline->setText(tr("Le's go with the chosen tool...")); };
  QLabel* ok = label(this, tr("OK"), kLime, 492, 242);
  QFont bold = ok->font();
  bold.setBold(true);
  ok->setFont(bold);
  ok->adjustSize();

  Panel1 = new QWidget(this);
  Panel1->setGeometry(284, 10, 227, 195);
  paintBlack(Panel1);
  for (int k = 0; k < kPerPage; ++k) {
    auto* t = new ChestImage(Panel1);
    t->setObjectName(QStringLiteral("timg%1").arg(k + 1));
    t->setGeometry(kThumbColumns[k % 4], kThumbRows[k / 4], 0, 50);
    t->setCursor(Qt::PointingHandCursor);
    t->hide();
    t->onClick = [this, k] { timgClick(k + 1); };
    timg[size_t(k)] = t;
  }
  auto pageButton = [this](bool next, int x) {
    auto* b = new QPushButton(Panel1);
    b->setGeometry(x, 168, 27, 25);
    b->setIcon(QIcon(QPixmap::fromImage(pageGlyph(next))));
    b->setToolTip(tr("Select Textures"));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  BitBtn2 = pageButton(false, 84);
  BitBtn3 = pageButton(true, 122);
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
  Panel1->hide();

  hintline = new QLabel(this);
  hintline->setGeometry(0, 303 - 19, 541, 19);
  paintBlack(hintline);
  QPalette pal = hintline->palette();
  pal.setColor(QPalette::WindowText, kLime);
  hintline->setPalette(pal);
  hintline->setIndent(4);

  shape1->lower();
  selborder->raise();
  askForBorderButtons(this, BorderButtons::MenuOnly);
}

ChestImage* Ttoolform::toolImage(int toolId) const {
  for (const Tool& t : tools_)
    if (t.id == toolId) return t.image;
  return nullptr;
}

QString textureFolder(const PaintState& st) { return st.programDir + QStringLiteral("/textures"); }

void Ttoolform::FormActivate() {
  const QString dir = textureFolder(st_);
  textureList_.clear();
  for (const QString& name : listFolder(dir, QStringLiteral("bmp"))) textureList_ << dir + QLatin1Char('/') + name;
  Panel1->hide();
  // Never a message here: closing it activates the chest again, and a
  // message from every activation would never let the child out.
  if (st_.currentTool == ToolTextureBrush) showTexturePanel(false);
  for (const Tool& t : tools_)
    if (t.id == st_.currentTool) selborder->move(t.image->pos());
}

void Ttoolform::showTexturePanel(bool mayReport) {
  texturePage_ = 0;
  Panel1->show();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  const QStringList unreadable = fillPage();
  if (mayReport) reportUnreadable(unreadable);
}

void Ttoolform::reportUnreadable(const QStringList& files) {
  QStringList fresh;
  for (const QString& f : files)
    if (!reported_.contains(f)) fresh << f;
  if (fresh.isEmpty()) return;
  reported_ << fresh;
  prompter().info(tr("These textures cannot be read and are left out:") + QLatin1Char('\n') +
                  fresh.join(QLatin1Char('\n')));
}

QStringList Ttoolform::fillPage() {
  for (ChestImage* t : timg) {
    t->hide();
    t->clear();
    t->resize(0, 50);
  }
  const int end = std::min<int>(texturePage_ + kPerPage, int(textureList_.size()));
  QStringList unreadable;
  for (int i = texturePage_; i < end; ++i) {
    ChestImage* t = timg[size_t(i - texturePage_)];
    // A file that is not a readable bitmap shows no thumbnail, so it cannot
    // be chosen; the message says which file it is.
    auto pic = readBmp(textureList_[i]);
    if (!pic) {
      unreadable << textureList_[i];
      continue;
    }
    QImage image = pic->toImage();
    // A texture of another size is shown within its 50 x 50 place.
    if (image.width() > 50 || image.height() > 50) image = image.scaled(50, 50, Qt::KeepAspectRatio);
    t->setPixmap(QPixmap::fromImage(image));
    t->resize(image.size());
    t->show();
  }
  unreadableOnPage_ = unreadable;
  return unreadable;
}

void Ttoolform::toolImageClick(int toolId) {
  st_.currentTool = toolId;
  if (toolId != ToolTextureBrush) {
    accept();
    return;
  }
  if (ChestImage* img = toolImage(toolId)) selborder->move(img->pos());
  showTexturePanel(true);
}

void Ttoolform::toolImageMouseMove(int toolId) {
  for (const Tool& t : tools_)
    if (t.id == toolId) hintline->setText(t.hint);
}

void Ttoolform::FormMouseMove() { hintline->clear(); }

void Ttoolform::timgClick(int k) {
  const int index = texturePage_ + k - 1;
  if (k < 1 || k > kPerPage || index >= textureList_.size() || timg[size_t(k - 1)]->isHidden()) return;
  st_.textureFile = textureList_[index];
  accept();
}

void Ttoolform::BitBtn2Click() {
  if (texturePage_ - kPerPage >= 0) {
    texturePage_ -= kPerPage;
    reportUnreadable(fillPage());
  }
}

void Ttoolform::BitBtn3Click() {
  if (texturePage_ + kPerPage < textureList_.size()) {
    texturePage_ += kPerPage;
    reportUnreadable(fillPage());
  }
}

void Ttoolform::Image21Click() {
  if (st_.textureFile.isEmpty() && texturePage_ < textureList_.size()) st_.textureFile = textureList_[texturePage_];
  accept();
}

bool Ttoolform::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) {
    if (activationPending_)
      activationPending_ = false;  // showEvent already prepared this showing
    else
      FormActivate();
  }
  return QDialog::event(e);
}

void Ttoolform::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
  // Prepared here too, so the chest is right even where the window system
  // never activates it.
  activationPending_ = true;
  FormActivate();
  // Opened with the Texture Brush current: the first page's unreadable
  // files are named once the chest is on the screen.
  if (Panel1->isVisible())
    QTimer::singleShot(0, this, [this] {
      if (isVisible() && Panel1->isVisible()) reportUnreadable(unreadableOnPage_);
    });
}

void Ttoolform::mouseMoveEvent(QMouseEvent* e) {
  FormMouseMove();
  QDialog::mouseMoveEvent(e);
}

void Ttoolform::done(int r) {
  textureList_.clear();
  QDialog::done(r);
}

QString usableTextureFile(const PaintState& st) {
  if (!st.textureFile.isEmpty() && readBmp(st.textureFile)) return st.textureFile;
  const QString dir = textureFolder(st);
  for (const QString& name : listFolder(dir, QStringLiteral("bmp")))
    if (readBmp(dir + QLatin1Char('/') + name)) return dir + QLatin1Char('/') + name;
  return QString();
}

}  // namespace pz
