// PinzFX's main window: a page control with three pages of which the launch
// letter shows exactly one.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>

#include "fx/fxstate.h"

class QTabWidget;

namespace fx {

class TextPage;
class VideoPage;
class MetafilePage;
class Trotator;

class Tpamain : public QMainWindow {
  Q_OBJECT
 public:
  // `args` are the program's arguments without the program name.
  explicit Tpamain(const QStringList& args, QWidget* parent = nullptr);
  ~Tpamain() override;

  FxState st;

  QTabWidget* PageControl1 = nullptr;
  VideoPage* TabSheet1 = nullptr;
  TextPage* TabSheet2 = nullptr;
  MetafilePage* TabSheet3 = nullptr;
  Trotator* rotator = nullptr;

  // Handlers (also called by tests).
  void FormActivate();
  void FormResize();
  void PageControl1Change();
  void AppActivate();
  // True when the key was taken (an arrow key while a video is open).
  bool FormKeyDown(int key);
  void returnToPinzola() { close(); }

  // Called once the program has decided to end because the launch letter was
  // missing or wrong (after the message was confirmed). The default quits the
  // application; tests replace it.
  std::function<void()> onRefusedExit;

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* obj, QEvent* e) override;

 private:
  void FormCreate(const QStringList& args);
  void FormClose();
  bool closed_ = false;
};

}  // namespace fx
