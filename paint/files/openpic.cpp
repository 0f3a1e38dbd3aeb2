#include "paint/files/openpic.h"

#include <QLabel>
#include <QListWidget>

#include "paint/files/builtin_pictures.h"
#include "paint/files/click_image.h"
#include "paint/files/picture_files.h"
#include "platform/folders.h"
#include "platform/jpeg.h"
#include "platform/language.h"

namespace pz {

namespace {
QString folderOf(const PaintState& st) {
  return st.programDir + (st.openMode == 2 ? kUserFolder : kDrawingsFolder);
}
}  // namespace

Topenpic::Topenpic(PaintState& st, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      st_(st) {
  setWindowTitle(tr("Open a Picture"));
  setFixedSize(580, 278);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  Label1 = new QLabel(this);
  Label1->setGeometry(16, 3, 560, 16);
  Label1->setStyleSheet(QStringLiteral("color: #00ffff;"));

  bmpnames = new QListWidget(this);
  bmpnames->setGeometry(16, 22, 309, 181);
  // An entry counts as clicked once it is selected: by a click, or by moving
  // through the list with the keyboard. Not on the current row alone: the
  // list makes its first row current when it gets focus, and OK must then
  // still open nothing.
  connect(bmpnames, &QListWidget::itemSelectionChanged, this, [this] {
    if (!bmpnames->selectedItems().isEmpty()) bmpnamesClick();
  });

  Image1 = new QLabel(this);
  Image1->setGeometry(340, 20, 219, 215);
  Image1->setScaledContents(true);
  Image1->setPixmap(QPixmap::fromImage(previewPlaceholder()));

  Image2 = new ClickImage(buttonPicture(ButtonPicture::Ok), this);
  Image2->move(96, 216);
  Image2->setToolTip(tr("Open the picture"));
  Image2->onClick = [this] { Image2Click(); };
  Image3 = new ClickImage(buttonPicture(ButtonPicture::Cancel), this);
  Image3->move(174, 218);
  Image3->setToolTip(tr("Keep the picture you have"));
  Image3->onClick = [this] { Image3Click(); };

  bmpnames->setObjectName(QStringLiteral("openpic_bmpnames"));
  Image2->setObjectName(QStringLiteral("openpic_Image2"));
  Image3->setObjectName(QStringLiteral("openpic_Image3"));
  FormActivate();
}

void Topenpic::FormActivate() {
  st_.chosenPicture.clear();
  bmpnames->clear();
  QString dir = folderOf(st_);
  dir.chop(1);
  for (const QString& file : listFolder(dir, st_.openMode == 2 ? QStringLiteral("jpg") : QStringLiteral("bmp"))) {
    // Shipped drawings show in the child's language; saved pictures keep
    // the names they were given.
    const QString name = st_.openMode == 2 ? displayName(file) : contentName(displayName(file));
    auto* item = new QListWidgetItem(name, bmpnames);
    // The name the file really has, so it is found again whatever the case
    // of its extension.
    item->setData(Qt::UserRole, file);
  }
}

void Topenpic::bmpnamesClick() {
  // The selected entry: while the selection moves, the current row is still
  // the one left behind.
  const QList<QListWidgetItem*> selected = bmpnames->selectedItems();
  QListWidgetItem* item = selected.isEmpty() ? bmpnames->currentItem() : selected.front();
  if (!item) return;
  const QString path = folderOf(st_) + item->data(Qt::UserRole).toString();
  Label1->setText(path);
  if (auto s = NViewLibLoad(path, 0))
    Image1->setPixmap(QPixmap::fromImage(s->toImage()));
  else
    Image1->setPixmap(QPixmap::fromImage(previewPlaceholder()));
}

void Topenpic::Image2Click() {
  st_.chosenPicture = Label1->text();
  accept();
}

void Topenpic::Image3Click() {
  st_.chosenPicture.clear();
  reject();
}

}  // namespace pz
