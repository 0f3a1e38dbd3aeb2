// The file menu and the colours window of the main window: thin handlers
// over the plain functions of paint/files.
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>

#include "paint/canvas/mainpinz.h"
#include "paint/files/file_commands.h"
#include "paint/files/palpinz.h"

namespace pz {

namespace {

// The main window as the file commands see it.
class MainHost : public FilesHost {
 public:
  explicit MainHost(Tmainpinz& w) : w_(w) {}
  PaintState& state() override { return w_.st; }
  QWidget* dialogParent() override { return &w_; }
  int runModal(QDialog* dialog) override { return w_.execModal(dialog); }
  void refreshAll() override { w_.refreshAll(); }
  void takeUndoCopy() override { w_.takeUndoCopy(); }
  void resetScrollBars() override {
    w_.hscroll->setValue(0);
    w_.vscroll->setValue(0);
  }
  void setCaption(const QString& caption) override { w_.setPictureCaption(caption); }
  void showProgress(const QString& text) override {
    QLabel* label = w_.pctglabel;
    if (label->isVisible() && label->text() == text) return;
    if (!label->isVisible()) {
      // On the control strip, right of the colour box, where a child looks.
      const QPoint at = w_.Panel5->mapTo(label->parentWidget(), QPoint(12, 10));
      label->setGeometry(at.x(), at.y(), 200, 40);
      label->setStyleSheet(QStringLiteral("color: yellow; background: black; font: bold 24px;"));
      label->show();
      label->raise();
    }
    label->setText(text);
    label->repaint();
  }
  void hideProgress() override { w_.pctglabel->hide(); }

 private:
  Tmainpinz& w_;
};

}  // namespace

void Tmainpinz::openpinzpicClick() {
  endPaste();
  MainHost host(*this);
  openPinzolaPicture(host);
}

void Tmainpinz::opensavedClick() {
  endPaste();
  MainHost host(*this);
  openSavedPicture(host);
}

void Tmainpinz::savepinzpicClick() {
  endPaste();
  MainHost host(*this);
  savePinzolaPicture(host);
}

void Tmainpinz::savepinzpicasClick() {
  endPaste();
  MainHost host(*this);
  savePinzolaPictureAs(host);
}

bool Tmainpinz::saveChangesFirst() {
  MainHost host(*this);
  return pz::saveChangesFirst(host);
}

void Tmainpinz::Image1Click() {
  endPaste();
  takeUndoCopy();
  {
    Tpalpinz colors(st, this);
    execModal(&colors);
  }
  QCoreApplication::processEvents();
  st.spritePos = {0, 0};
  refreshAll();
}

}  // namespace pz
