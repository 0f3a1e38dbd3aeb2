#include "fx/pamain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTimer>

#include "fx/areaselect.h"
#include "fx/metafilepage.h"
#include "fx/rotator.h"
#include "fx/textpage.h"
#include "fx/videopage.h"
#include "platform/prompt.h"

namespace fx {

Tpamain::Tpamain(const QStringList& args, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("pamain"));
  setWindowTitle(QStringLiteral("PinzFX"));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
  pal.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
  setPalette(pal);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  setFont(f);
  resize(634, 460);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  setCentralWidget(PageControl1);
  TabSheet1 = new VideoPage(st, this);
  TabSheet2 = new TextPage(st, this);
  TabSheet3 = new MetafilePage(st, this);
  PageControl1->addTab(TabSheet1, tr("Grab Frame from AVI File"));
  PageControl1->addTab(TabSheet2, tr("Add Text Effect"));
  PageControl1->addTab(TabSheet3, tr("Vector Graphic Image to Bitmap"));

  pz::setPromptParent(this);
  onRefusedExit = [] { QCoreApplication::exit(0); };
  FormCreate(args);
  rotator = new Trotator(st, this);

  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    if (s == Qt::ApplicationActive) AppActivate();
  });
  qApp->installEventFilter(this);
}

Tpamain::~Tpamain() {
  qApp->removeEventFilter(this);
  pz::setPromptParent(nullptr);
}

void Tpamain::FormCreate(const QStringList& args) {
  st.closingForMissingArg = false;
  st.text.textTool = EffectPlain;
  st.text.shadowDepth = 1;
  st.video = VideoState{};
  st.sel.pointerDown = false;
  st.sel.selectMode = SelectRect;
  st.text.foreColor = 0x612D80;
  st.text.backColor = 0x88C826;
  TabSheet2->fillLists();
  TabSheet2->createSnapshot();
  TabSheet3->GroupBox3->setCopyEnabled(false);
  st.firstActivation = true;
  st.launchArgGiven = false;
  if (!args.isEmpty()) {
    st.launchArg = args.first().left(255);
    st.launchArgGiven = true;
  }
}

void Tpamain::FormActivate() {
  if (st.firstActivation) {
    const int page = pageForLaunchArg(st.launchArgGiven, st.launchArg);
    if (page != PageNone) {
      QWidget* const sheets[3] = {TabSheet1, TabSheet2, TabSheet3};
      // The chosen page first, so that hiding the others never shows a third.
      PageControl1->setCurrentWidget(sheets[page - 1]);
      for (int i = 0; i < 3; ++i) PageControl1->setTabVisible(i, i == page - 1);
      st.pageMode = page;
      st.firstActivation = false;
    } else {
      st.closingForMissingArg = true;
      st.firstActivation = false;
      close();
      return;
    }
  }
  if (st.pageMode == PageMetafile) TabSheet3->updateClipboardButton();
}

void Tpamain::FormResize() {
  if (st.pageMode == PageVideo) TabSheet1->relayout();
}

void Tpamain::PageControl1Change() {
  switch (st.pageMode) {
    case PageVideo:
      TabSheet1->relayout();
      break;
    case PageText:
      QCoreApplication::processEvents();
      TabSheet2->restoreSnapshot();
      break;
    case PageMetafile:
      QCoreApplication::processEvents();
      TabSheet3->redraw();
      break;
    default:
      break;
  }
}

void Tpamain::AppActivate() {
  QCoreApplication::processEvents();
  // The text canvas keeps its pixels while the program is in the background,
  // so coming back shows it as it was: repainting it from the undo snapshot
  // would throw away the last drawing step.
  if (PageControl1->currentWidget() == TabSheet3 && st.pageMode == PageMetafile) TabSheet3->redraw();
}

bool Tpamain::FormKeyDown(int key) {
  if (st.pageMode == PageVideo && (key == Qt::Key_Left || key == Qt::Key_Right)) return TabSheet1->arrowKey(key);
  return false;
}

bool Tpamain::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QMainWindow::event(e);
}

void Tpamain::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  // Without a window manager the window may never be activated; the page is
  // chosen on the first activation or right after the first showing,
  // whichever comes first.
  QTimer::singleShot(0, this, [this] {
    if (st.firstActivation) FormActivate();
  });
}

void Tpamain::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  FormResize();
}

bool Tpamain::eventFilter(QObject* obj, QEvent* e) {
  if (e->type() == QEvent::KeyPress && obj->isWidgetType() && static_cast<QWidget*>(obj)->window() == this) {
    if (FormKeyDown(static_cast<QKeyEvent*>(e)->key())) return true;
  }
  return QMainWindow::eventFilter(obj, e);
}

void Tpamain::closeEvent(QCloseEvent* e) {
  QMainWindow::closeEvent(e);
  if (!closed_) FormClose();
}

void Tpamain::FormClose() {
  closed_ = true;
  st.text.undoSnapshot = pz::Surface();
  if (st.closingForMissingArg) {
    hide();
    QCoreApplication::processEvents();
    pz::prompter().info(tr("This application can only be executed from Pinzola."));
    if (onRefusedExit) onRefusedExit();
  }
}

}  // namespace fx
