// The about window: a picture, the program's name and an OK button.
#pragma once

#include <QDialog>

class QPushButton;
class QLabel;

namespace pz {

class Taboutfrm : public QDialog {
  Q_OBJECT
 public:
  explicit Taboutfrm(QWidget* parent = nullptr);
  QLabel* Image1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  void BitBtn1Click() { accept(); }
};

}  // namespace pz
