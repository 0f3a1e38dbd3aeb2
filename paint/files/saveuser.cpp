#include "paint/files/saveuser.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "paint/files/builtin_pictures.h"
#include "paint/files/click_image.h"

namespace pz {

Tsaveuser::Tsaveuser(PaintState& st, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      st_(st) {
  setWindowTitle(tr("Enter the name you wish to save this picture as..."));
  setFixedSize(456, 94);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(30, 12, 383, 24);
  Edit1->setFocus();

  Image1 = new ClickImage(buttonPicture(ButtonPicture::Ok), this);
  Image1->move(148, 42);
  Image1->setToolTip(tr("Save with this name"));
  Image1->onClick = [this] { Image1Click(); };
  Image2 = new ClickImage(buttonPicture(ButtonPicture::Cancel), this);
  Image2->move(242, 42);
  Image2->setToolTip(tr("Do not save"));
  Image2->onClick = [this] { Image2Click(); };
  Edit1->setObjectName(QStringLiteral("saveuser_Edit1"));
  Image1->setObjectName(QStringLiteral("saveuser_Image1"));
  Image2->setObjectName(QStringLiteral("saveuser_Image2"));
}

void Tsaveuser::Image1Click() {
  st_.pictureName = Edit1->text();
  accept();
}

void Tsaveuser::Image2Click() {
  st_.pictureName.clear();
  reject();
}

void Tsaveuser::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      e->accept();
      return;
    default:
      QDialog::keyPressEvent(e);
  }
}

}  // namespace pz
