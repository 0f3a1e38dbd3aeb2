// The clip art window: a list of the pictures in clipart/, a preview, and a
// size bar from 10 % to 200 %. OK puts the picture, at the chosen size, on
// the clipboard for Paste; Cancel leaves the clipboard alone.
#pragma once

#include <QDialog>
#include <QSize>

#include "platform/surface.h"

class QLabel;
class QListWidget;
class QScrollArea;
class QScrollBar;
class QWidget;

namespace pz {

// The shown size at bar position p (1..20): p tenths of the natural size,
// the tenth taken first with its remainder dropped, and never below 1 x 1.
QSize clipartSize(QSize natural, int p);

// The picture taken at `size`: a plain stretch copy, no smoothing.
Surface sizedClipart(const Surface& natural, QSize size);

class Tartform : public QDialog {
  Q_OBJECT
 public:
  explicit Tartform(const QString& programDir, QWidget* parent = nullptr);

  void FormActivate();
  void filelistClick();
  void sizescrollChange();
  void Image2Click();  // OK
  void Image3Click();  // Cancel

  QSize naturalSize() const { return natural_.isNull() ? QSize() : QSize(natural_.width(), natural_.height()); }
  QSize shownSize() const { return shown_; }

  QScrollArea* ScrollBox1;
  QLabel* cimg;
  QWidget* Panel1;
  QListWidget* filelist;
  QLabel* Label1;
  QScrollBar* sizescroll;
  QLabel* Image2;
  QLabel* Image3;

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  // Shows the entry at its natural size; false (after the message) when
  // its file cannot be read.
  bool loadEntry(int row);
  void showCimg(QSize size);

  QString clipartDir_;
  Surface natural_;
  QSize shown_;
  bool activated_ = false;
  bool filling_ = false;
};

}  // namespace pz
