#include "paint/canvas/mainpinz.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTimer>

#include "paint/canvas/about.h"
#include "paint/canvas/artcache.h"
#include "paint/canvas/pictures.h"
#include "paint/canvas/widgets.h"
#include "paint/files/picture_files.h"
#include "platform/application.h"
#include "platform/folders.h"
#include "platform/prompt.h"
#include "platform/widgetmap.h"

namespace pz {

std::function<void(QDialog*)> Tmainpinz::modalHook;
std::function<QAction*(QMenu*)> Tmainpinz::menuHook;

namespace {

QFrame* blackPanel(QWidget* parent) {
  auto* f = new QFrame(parent);
  f->setAutoFillBackground(true);
  QPalette pal = f->palette();
  pal.setColor(QPalette::Window, Qt::black);
  f->setPalette(pal);
  f->setMouseTracking(true);
  return f;
}

QLabel* whiteLabel(QWidget* parent, const QString& text) {
  auto* l = new QLabel(text, parent);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  l->setPalette(pal);
  l->adjustSize();
  return l;
}

}  // namespace

Tmainpinz::Tmainpinz(const ArtCache& art, QWidget* parent) : QMainWindow(parent), art_(art) {
  setPromptParent(this);
  buildLayout();
  buildMenus();
  buildShortcuts();
  FormCreate();
}

Tmainpinz::~Tmainpinz() {
  setPromptParent(nullptr);
  delete printer_;
}

QPrinter* Tmainpinz::printer() {
  if (!printer_) printer_ = new QPrinter(QPrinter::HighResolution);
  return printer_;
}

int Tmainpinz::execModal(QDialog* dlg) {
  // A hook acts once the window runs (e.g. through a zero timer).
  if (modalHook) modalHook(dlg);
  return dlg->exec();
}

QAction* Tmainpinz::openMenu(QMenu* menu, QPoint globalPos) {
  if (menuHook) return menuHook(menu);
  return menu->exec(globalPos);
}

void Tmainpinz::buildLayout() {
  QFont ui(QStringLiteral("MS Sans Serif"));
  ui.setPixelSize(11);
  setFont(ui);

  central = new QWidget(this);
  central->setAutoFillBackground(true);
  QPalette teal = central->palette();
  teal.setColor(QPalette::Window, QColor(0, 128, 128));
  central->setPalette(teal);
  setCentralWidget(central);

  Panel6 = blackPanel(central);
  Panel6->setFrameStyle(QFrame::Box | QFrame::Plain);
  Panel6->setLineWidth(1);
  QPalette border = Panel6->palette();
  border.setColor(QPalette::WindowText, QColor(64, 64, 64));
  Panel6->setPalette(border);

  Panel1 = blackPanel(Panel6);
  Label4 = whiteLabel(Panel1, QStringLiteral("X/Y:"));
  Label4->move(14, 4);
  Label4->setToolTip(tr("Present position of cursor"));
  Label1 = whiteLabel(Panel1, QStringLiteral("0 0"));
  Label1->move(42, 4);
  // Wide enough for the coordinates of the largest screens in the face this
  // machine really has; raised over the colour box (whose top is bare black)
  // below, and letting presses through to it.
  Label1->resize(std::max(80, Label1->fontMetrics().horizontalAdvance(QStringLiteral("88888 88888"))),
                 Label1->height());
  Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

  Label2 = new QLabel(tr("UNDO"), Panel1);
  Label2->setGeometry(16, 24, 65, 29);
  Label2->setAlignment(Qt::AlignCenter);
  QFont undoFont(QStringLiteral("Times New Roman"));
  undoFont.setPixelSize(19);
  undoFont.setBold(true);
  Label2->setFont(undoFont);
  Label2->setAutoFillBackground(true);
  QPalette undoPal = Label2->palette();
  undoPal.setColor(QPalette::Window, QColor(0, 0, 255));
  undoPal.setColor(QPalette::WindowText, QColor(255, 255, 0));
  Label2->setPalette(undoPal);
  Label2->setCursor(Qt::PointingHandCursor);
  Label2->setToolTip(tr("Undo the last thing you did"));
  Label2->installEventFilter(this);

  zoomin = new ImageButton(Panel1, stripPicture(StripPicture::ZoomIn), tr("Zoom In"));
  zoomin->move(18, 58);
  zoomin->onClick = [this] { zoominClick(); };
  zoomout = new ImageButton(Panel1, stripPicture(StripPicture::ZoomOut), tr("Zoom Out"));
  zoomout->move(40, 58);
  zoomout->onClick = [this] { zoomoutClick(); };
  nozoomimage =
      new ImageButton(Panel1, stripPicture(StripPicture::NoZoom), tr("Normal (1 to 1) Size"));
  nozoomimage->move(62, 58);
  nozoomimage->onClick = [this] { nozoomimageClick(); };

  colorbox = new SurfaceWidget(Panel1, kBlack);
  colorbox->setGeometry(86, -2, 129, 83);
  colorbox->onPress = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) colorboxMouseDown(int(e->position().x()), int(e->position().y()));
  };
  colorbox->onMove = [this](QMouseEvent*) { removeSprite(); };
  Image1 = new ImageButton(colorbox, stripPicture(StripPicture::ColorBox), tr("Select Color to Use"));
  Image1->move(1, 16);
  Image1->onClick = [this] { Image1Click(); };
  Image5 = new ImageButton(colorbox, stripPicture(StripPicture::Brighten), tr("Click to brighten"));
  Image5->move(54, 30);
  Image5->onClick = [this] { Image5Click(); };
  Image6 = new ImageButton(colorbox, stripPicture(StripPicture::Darken), tr("Click to darken"));
  Image6->move(54, 48);
  Image6->onClick = [this] { Image6Click(); };

  Panel5 = new SurfaceWidget(Panel6, kBlack);
  Panel5->onPress = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Panel5MouseDown(int(e->position().x()), int(e->position().y()));
  };
  Panel5->onMove = [this](QMouseEvent*) { removeSprite(); };
  Image2 = new ImageButton(Panel5, stripPicture(StripPicture::ToolChest), tr("Select a tool to use"));
  Image2->setGeometry(7, 2, 50, 51);
  Image2->setScaledContents(true);
  Image2->onClick = [this] { Image2Click(); };
  Label3 = whiteLabel(Panel5, tr("Tool Chest"));
  Label3->move(7, 46);
  waterspin = new QSpinBox(Panel5);
  waterspin->setRange(5, 100);
  // At least as wide as "100" needs in the face this machine really has.
  waterspin->setGeometry(238, 8, std::max(37, waterspin->sizeHint().width()), 22);
  waterspin->setSingleStep(5);
  waterspin->setValue(50);
  if (auto* edit = waterspin->findChild<QLineEdit*>()) edit->setReadOnly(true);  // arrows only
  waterspin->setToolTip(tr("Adjust percentage of water in the brush"));
  waterspin->installEventFilter(this);
  connect(waterspin, &QSpinBox::valueChanged, this, [this](int v) { waterspinChange(v); });
  spinlabel = whiteLabel(Panel5, tr("Water %:"));
  spinlabel->move(238, 34);
  conlycheck = new QCheckBox(tr("White Only"), Panel5);
  conlycheck->setGeometry(240, 28, 95, 21);
  QPalette checkPal = conlycheck->palette();
  checkPal.setColor(QPalette::WindowText, Qt::white);
  conlycheck->setPalette(checkPal);
  conlycheck->setToolTip(tr("When checked textures don't paint over colors"));
  connect(conlycheck, &QCheckBox::clicked, this, [this] { conlycheckClick(); });
  Image4 = new ImageButton(Panel5, stripPicture(StripPicture::About), tr("About this program"));
  Image4->move(15, 13);
  Image4->onClick = [this] { Image4Click(); };
  Image3 = new ImageButton(Panel5, stripPicture(StripPicture::OpenSave), tr("Open and Save pictures"));
  Image3->move(72, 12);
  Image3->onPress = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Image3MouseDown(e->position().toPoint());
  };
  Image8 = new ImageButton(Panel5, stripPicture(StripPicture::Help), tr("Read the User Guide"));
  Image8->move(140, 12);
  Image8->onClick = [this] { Image8Click(); };
  Image7 = new ImageButton(Panel5, stripPicture(StripPicture::Quit), tr("Quit Pinzola"));
  Image7->move(200, 14);
  Image7->onClick = [this] { Image7Click(); };

  TabSet1 = new QTabBar(Panel5);
  TabSet1->addTab(tr("TOOLS"));
  TabSet1->addTab(tr("SYSTEM"));
  TabSet1->setCursor(Qt::PointingHandCursor);
  TabSet1->setDrawBase(false);
  TabSet1->setExpanding(false);
  TabSet1->setStyleSheet(QStringLiteral(
      "QTabBar { background: black; }"
      "QTabBar::tab { background: white; color: teal; font-weight: bold; padding: 0px 8px; height: 16px;"
      " border: 1px solid gray; }"
      "QTabBar::tab:selected { background: black; }"));
  TabSet1->setMouseTracking(true);
  TabSet1->installEventFilter(this);
  connect(TabSet1, &QTabBar::currentChanged, this, [this](int i) { TabSet1Change(i); });

  Label1->raise();

  mapdisp = new SurfaceWidget(central, kWhite);
  mapdisp->setCursor(Qt::CrossCursor);
  // On a scaled screen each picture pixel stays a square of whole device
  // pixels; pointer positions are surface positions.
  mapdisp->setWholeDevicePixels(true);
  mapdisp->onPress = [this](QMouseEvent* e) {
    const QPoint p = mapdisp->toSurface(e->position());
    mapdispMouseDown(e->button(), p.x(), p.y());
  };
  mapdisp->onMove = [this](QMouseEvent* e) {
    const QPoint p = mapdisp->toSurface(e->position());
    mapdispMouseMove(p.x(), p.y());
  };
  mapdisp->onRelease = [this](QMouseEvent* e) {
    const QPoint p = mapdisp->toSurface(e->position());
    mapdispMouseUp(e->button(), p.x(), p.y());
  };
  mapdisp->onLeave = [this] { mapdispLeave(); };

  // Surfaces learn their size only when shown; redraw them then.
  mapdisp->onResize = [this] {
    setScrollRanges();
    showPicture();
  };
  Panel5->onResize = [this] { drawOptionsStrip(); };
  colorbox->onResize = [this] { drawSwatch(); };

  Panel2 = blackPanel(central);
  vscroll = new QScrollBar(Qt::Vertical, Panel2);
  connect(vscroll, &QScrollBar::valueChanged, this, [this] { vscrollChange(); });
  Panel3 = blackPanel(central);
  hscroll = new QScrollBar(Qt::Horizontal, Panel3);
  connect(hscroll, &QScrollBar::valueChanged, this, [this] { hscrollChange(); });
  Panel4 = blackPanel(Panel3);
  for (QScrollBar* bar : {hscroll, vscroll}) {
    bar->setMinimum(0);
    bar->setSingleStep(1);
    bar->setPageStep(0);
  }
  for (QWidget* w : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Panel2), static_cast<QWidget*>(Panel3)})
    w->installEventFilter(this);

  // Components carry their names, so scripts driving the program can find them.
  central->setObjectName(QStringLiteral("central"));
  Panel6->setObjectName(QStringLiteral("Panel6"));
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel5->setObjectName(QStringLiteral("Panel5"));
  colorbox->setObjectName(QStringLiteral("colorbox"));
  mapdisp->setObjectName(QStringLiteral("mapdisp"));
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel3->setObjectName(QStringLiteral("Panel3"));
  Panel4->setObjectName(QStringLiteral("Panel4"));
  hscroll->setObjectName(QStringLiteral("hscroll"));
  vscroll->setObjectName(QStringLiteral("vscroll"));
  Label4->setObjectName(QStringLiteral("Label4"));
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2->setObjectName(QStringLiteral("Label2"));
  Label3->setObjectName(QStringLiteral("Label3"));
  spinlabel->setObjectName(QStringLiteral("spinlabel"));
  zoomin->setObjectName(QStringLiteral("zoomin"));
  zoomout->setObjectName(QStringLiteral("zoomout"));
  nozoomimage->setObjectName(QStringLiteral("nozoomimage"));
  Image1->setObjectName(QStringLiteral("Image1"));
  Image5->setObjectName(QStringLiteral("Image5"));
  Image6->setObjectName(QStringLiteral("Image6"));
  Image2->setObjectName(QStringLiteral("Image2"));
  Image3->setObjectName(QStringLiteral("Image3"));
  Image4->setObjectName(QStringLiteral("Image4"));
  Image7->setObjectName(QStringLiteral("Image7"));
  Image8->setObjectName(QStringLiteral("Image8"));
  waterspin->setObjectName(QStringLiteral("waterspin"));
  conlycheck->setObjectName(QStringLiteral("conlycheck"));
  TabSet1->setObjectName(QStringLiteral("TabSet1"));
  mapdisp->installEventFilter(this);
  pctglabel = new QLabel(central);
  pctglabel->hide();
  // Component names, so end-to-end scripts find the controls (platform/widgetmap.h).
  for (auto [w, name] : {std::pair<QWidget*, const char*>{mapdisp, "mapdisp"}, {TabSet1, "TabSet1"},
                         {Image1, "Image1"}, {Image2, "Image2"}, {Image3, "Image3"}})
    w->setObjectName(QString::fromLatin1(name));
  layoutChildren();
}

void Tmainpinz::buildMenus() {
  pinzpopup = new QMenu(this);
  popupprintsetup = pinzpopup->addAction(tr("Print Setup..."));
  popupprint = pinzpopup->addAction(tr("Print..."));
  popupprint->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
  N1 = pinzpopup->addSeparator();
  popuppaste = pinzpopup->addAction(tr("Paste"));
  popuppaste->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
  N2 = pinzpopup->addSeparator();
  popupclipart = pinzpopup->addAction(tr("Clipart Library..."));
  popupclipart->setShortcut(QKeySequence(Qt::Key_F8));
  popupzoom = pinzpopup->addAction(tr("&Zoom Rectangle"));
  popupgetavi = pinzpopup->addAction(tr("Get AVI Movie Frame..."));
  popuptexteffect = pinzpopup->addAction(tr("Insert Text..."));
  popupgetwmf = pinzpopup->addAction(tr("Import WMF Image..."));
  for (QAction* a : pinzpopup->actions()) a->setShortcutVisibleInContextMenu(true);

  filepopup = new QMenu(this);
  openpinzpic = filepopup->addAction(tr("Open Pinzola Picture..."));
  opensaved = filepopup->addAction(tr("Open Saved Pinzola Picture..."));
  savepinzpic = filepopup->addAction(tr("Save Pinzola Picture"));
  savepinzpicas = filepopup->addAction(tr("Save Pinzola Picture As..."));

  tinypop = new QMenu(this);
  tpopdel = tinypop->addAction(tr("Delete"));
  tpopcut = tinypop->addAction(tr("Cut"));
  tpopcopy = tinypop->addAction(tr("Copy"));
  tpopmaketext = tinypop->addAction(tr("Save As Texture"));
}

void Tmainpinz::layoutChildren() {
  const int W = central->width(), H = central->height();
  Panel6->setGeometry(0, 0, W, 87);
  Panel1->setGeometry(1, 1, 217, 85);
  Panel5->setGeometry(218, 1, std::max(1, W - 219), 85);
  // Only as wide as its tabs, so the options art beside them shows whole.
  TabSet1->setGeometry(0, Panel5->height() - 18, std::clamp(TabSet1->sizeHint().width(), 1, std::max(1, Panel5->width())),
                       18);
  const int below = std::max(0, H - 87);
  Panel3->setGeometry(0, H - 25, W, 25);
  Panel2->setGeometry(W - 25, 87, 25, std::max(0, below - 25));
  hscroll->setGeometry(0, 25 - 17, std::max(0, W - 17), 17);
  Panel4->setGeometry(W - 17, 25 - 8, 17, 8);
  vscroll->setGeometry(25 - 17, 0, 17, Panel2->height());
  mapdisp->setGeometry(0, 87, std::max(1, W - 25), std::max(1, below - 25));
}

void Tmainpinz::FormCreate() {
  // Settings take their start-up values from PaintState's initialisers.
  st = PaintState();
  const Surface& blank = art_.get(QStringLiteral("a2.pzl"));
  st.pictureBmp = blank;
  st.undoBmp = blank;
  st.brushImage = blank;
  st.cursorKind = 2;
  loadSpriteArt();
  st.zoomState = 4;
  setWindowTitle(tr("Pinzola -- (untitled)"));
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    if (s == Qt::ApplicationActive) applicationActivated();
  });
  st.programDir = programFolder();
  // A save killed half-way (power cut, crash) leaves its hidden temporary
  // file behind; the picture it was replacing is intact, so it can go.
  removeUnfinishedSaves(st.programDir + kUserFolder);
  st.pictureBmp.setSize(800, 800);
  st.undoBmp.setSize(800, 800);
  qApp->installEventFilter(this);
  refreshAll();
  // Before the window shows: the about window comes at its first paint, after
  // this message has been answered.
  checkFontSize(displayFontDpi(QGuiApplication::primaryScreen()));
}

void Tmainpinz::checkFontSize(double dpi) {
  if (isLargeFontDisplay(dpi))
    prompter().info(tr(
        "Pinzola is not intended for LARGE FONT displays. Please adjust your display properties for SMALL FONTS."));
}

void Tmainpinz::FormPaint() {
  if (st.aboutPending != 1 || inFirstPaint_) return;
  inFirstPaint_ = true;
  // The about window is modal: open it once the paint has finished.
  QTimer::singleShot(0, this, [this] { showAboutAtFirstPaint(); });
}

void Tmainpinz::showAboutAtFirstPaint() {
  if (st.aboutPending != 1) return;
  Taboutfrm about(this);
  execModal(&about);
  st.aboutPending = 0;
  refreshAll();
}

void Tmainpinz::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  layoutChildren();
  FormResize();
}

void Tmainpinz::FormResize() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  setScrollRanges();
  showPicture();
}

void Tmainpinz::applicationActivated() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  refreshAll();
}

void Tmainpinz::closeEvent(QCloseEvent* e) {
  // FormCloseQuery. A picture painted since it was last opened or saved is
  // offered a save before it is gone for good.
  if (prompter().confirm(tr("Awwwww. Do you really have to leave now?")) && saveChangesFirst())
    e->accept();
  else
    e->ignore();
}

bool Tmainpinz::eventFilter(QObject* watched, QEvent* e) {
  switch (e->type()) {
    case QEvent::Paint:
      if (watched == mapdisp) FormPaint();
      break;
    case QEvent::KeyRelease: {
      // The window sees every key first (key preview).
      auto* w = qobject_cast<QWidget*>(watched);
      if (w && w->window() == this && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F8 &&
          !static_cast<QKeyEvent*>(e)->isAutoRepeat()) {
        FormKeyUp(Qt::Key_F8);
        return true;
      }
      break;
    }
    case QEvent::MouseMove:
      if (watched == Panel1 || watched == Panel2 || watched == Panel3 || watched == TabSet1) removeSprite();
      break;
    case QEvent::MouseButtonPress:
      if (watched == Label2 && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        Label2Click();
        return true;
      }
      if (watched == TabSet1 || watched == waterspin) endPaste();  // TabSet1MouseDown, waterspinMouseDown
      break;
    default: break;
  }
  return QMainWindow::eventFilter(watched, e);
}

void Tmainpinz::FormKeyUp(int key) {
  if (key != Qt::Key_F8) return;
  popupclipartClick();
}

void Tmainpinz::takeUndoCopy() {
  bitBlt(st.undoBmp, 0, 0, st.pictureBmp.width(), st.pictureBmp.height(), &st.pictureBmp, 0, 0);
}

void Tmainpinz::endPaste() {
  if (st.pasteActive != 1) return;
  st.swallowPress = 0;
  st.stroking = 0;
  st.pasteBmp = Surface();
  st.pasteActive = 0;
  st.currentTool = st.previousTool;
  st.cursorKind = st.previousCursorKind;
  loadSpriteArt();
}

int runPinzola(QApplication& app) {
  QCoreApplication::setApplicationName(QStringLiteral("PINZOLA"));
  QString error;
  std::optional<ArtCache> art = ArtCache::load(programFolder(), &error);
  if (!art) {
    prompter().info(error);
    return 1;
  }
  Tmainpinz w(*art);
  // Maximised also where no window manager honours it: take the available area.
  if (QScreen* s = QGuiApplication::primaryScreen()) w.setGeometry(s->availableGeometry());
  w.showMaximized();
  watchWidgetMap();
  return app.exec();
}

}  // namespace pz
