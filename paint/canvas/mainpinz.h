// Pinzola's main window: the drawing surface with its scroll bars, the black
// control strip, the popup menus, and the handlers that drive painting.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "paint/tools/paint_state.h"
#include "platform/surfacewidget.h"

class QApplication;
class QCheckBox;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QAction;
class QScrollBar;
class QSpinBox;
class QTabBar;
class QPrinter;
class QKeySequence;

namespace pz {

class ImageButton;
class Tguide;
class ArtCache;

// Colour of the surface where the view reaches beyond the picture.
constexpr Color kBeyondPicture = 0x00C8B8A8;  // a calm grey-blue

class Tmainpinz : public QMainWindow {
  Q_OBJECT
 public:
  // `art` holds the art files, already loaded (see runPinzola).
  Tmainpinz(const ArtCache& art, QWidget* parent = nullptr);
  ~Tmainpinz() override;

  PaintState st;

  // When set, every modal window a handler opens is passed to it right after
  // construction, before it runs; tests use it to answer the window.
  static std::function<void(QDialog*)> modalHook;
  int execModal(QDialog* dlg);

  // --- View (zoom, scrolling, redraws) ---
  double zoomFactor() const;  // picture pixels per surface pixel
  int hpos() const;
  int vpos() const;
  void showPicture();
  void showAroundPoint(int x, int y);
  void setScrollRanges();
  void refreshAll();
  void zoomToRect(int x1, int y1, int x2, int y2);
  Point screenToPicture(QPoint p) const;

  // --- Picture model ---
  void takeUndoCopy();
  void endPaste();
  void setPictureCaption(const QString& caption) { setWindowTitle(caption); }

  // --- Pointer sprite and frames ---
  void loadSpriteArt();
  void paintSprite(int X, int Y, bool draw);
  void drawFrame(QPoint a, QPoint b);  // the inverting dotted rubber frame
  void removeSprite();                 // pointer moved onto the strip or a scroll panel
  void mapdispLeave();                 // pointer left the surface by any way
  void resaveSpriteBackground();       // after a full redraw of the surface
  void endZoomRect();                  // drops a zoom rectangle not yet dragged

  // --- Control strip ---
  void drawSwatch();
  void drawOptionsStrip();
  void setUpChosenTool();  // the per-tool setup after the tool chest closes

  // --- Handlers (named after component and event) ---
  void mapdispMouseDown(Qt::MouseButton button, int X, int Y);
  void mapdispMouseMove(int X, int Y);
  void mapdispMouseUp(Qt::MouseButton button, int X, int Y);
  void applyToolPoint(int x, int y, int phase);
  void areaSelect(int phase);
  void popupzoomClick();
  void Label2Click();  // UNDO
  void zoominClick();
  void zoomoutClick();
  void nozoomimageClick();
  void hscrollChange();
  void vscrollChange();
  void Image2Click();  // tool chest
  void colorboxMouseDown(int X, int Y);
  void Image5Click();  // brighten
  void Image6Click();  // darken
  void waterspinChange(int value);
  void conlycheckClick();
  void Panel5MouseDown(int X, int Y);
  void TabSet1Change(int index);
  void Image4Click();  // about
  void Image3MouseDown(QPoint pos);
  void Image8Click();  // help
  // The guide in Pinzola's own window (one at a time, not modal).
  void showGuide(const QString& page);
  QPointer<Tguide> guideWindow;
  void Image7Click();  // quit
  void FormKeyUp(int key);
  // Ctrl+V, Ctrl+P, Ctrl+Z, Ctrl+S and Ctrl+O (keys.cpp).
  void buildShortcuts();

  // Defined in mainpinz_files.cpp.
  void openpinzpicClick();
  void opensavedClick();
  void savepinzpicClick();
  void savepinzpicasClick();
  // Offers to save a changed picture; false when the caller must stop.
  bool saveChangesFirst();
  void Image1Click();  // colours window

  // Defined in mainpinz_paste.cpp.
  void tpopdelClick();
  void tpopcutClick();
  void tpopcopyClick();
  void tpopmaketextClick();
  void popuppasteClick();
  void popupclipartClick();
  void popupprintClick();
  void popupprintsetupClick();
  void popupgetaviClick();
  void popuptexteffectClick();
  void popupgetwmfClick();
  void drawPastePreview(QPoint surfacePoint);
  void dropPaste(QPoint surfacePoint);

  // Components (named as in the layout).
  QWidget* central = nullptr;
  QFrame* Panel6 = nullptr;
  QFrame* Panel1 = nullptr;
  SurfaceWidget* Panel5 = nullptr;
  SurfaceWidget* colorbox = nullptr;
  SurfaceWidget* mapdisp = nullptr;
  QFrame* Panel2 = nullptr;
  QFrame* Panel3 = nullptr;
  QFrame* Panel4 = nullptr;
  QScrollBar* hscroll = nullptr;
  QScrollBar* vscroll = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* spinlabel = nullptr;
  QLabel* pctglabel = nullptr;
  ImageButton* zoomin = nullptr;
  ImageButton* zoomout = nullptr;
  ImageButton* nozoomimage = nullptr;
  ImageButton* Image1 = nullptr;
  ImageButton* Image5 = nullptr;
  ImageButton* Image6 = nullptr;
  ImageButton* Image2 = nullptr;
  ImageButton* Image3 = nullptr;
  ImageButton* Image4 = nullptr;
  ImageButton* Image7 = nullptr;
  ImageButton* Image8 = nullptr;
  QSpinBox* waterspin = nullptr;
  QCheckBox* conlycheck = nullptr;
  QTabBar* TabSet1 = nullptr;

  QMenu* pinzpopup = nullptr;
  QAction* popupprintsetup = nullptr;
  QAction* popupprint = nullptr;
  QAction* N1 = nullptr;
  QAction* popuppaste = nullptr;
  QAction* N2 = nullptr;
  QAction* popupclipart = nullptr;
  QAction* popupzoom = nullptr;
  QAction* popupgetavi = nullptr;
  QAction* popuptexteffect = nullptr;
  QAction* popupgetwmf = nullptr;

  QMenu* filepopup = nullptr;
  QAction* openpinzpic = nullptr;
  QAction* opensaved = nullptr;
  QAction* savepinzpic = nullptr;
  QAction* savepinzpicas = nullptr;

  QMenu* tinypop = nullptr;
  QAction* tpopdel = nullptr;
  QAction* tpopcut = nullptr;
  QAction* tpopcopy = nullptr;
  QAction* tpopmaketext = nullptr;

  // The printer whose set-up choices stay in force for the run.
  QPrinter* printer();

  // Opens a popup menu at a surface point (mapped to the screen) and
  // returns the chosen item; tests may answer it through menuHook.
  static std::function<QAction*(QMenu*)> menuHook;
  QAction* openMenu(QMenu* menu, QPoint globalPos);

  const ArtCache& art() const { return art_; }

  // True when a display of this many pixels per inch gets the large-font message.
  static bool isLargeFontDisplay(double dpi) { return dpi < 95.5 || dpi > 96.5; }
  void checkFontSize(double dpi);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildLayout();
  void buildMenus();
  void addShortcut(const QKeySequence& key, std::function<void()> run);
  void layoutChildren();
  void FormCreate();
  void FormResize();
  void applicationActivated();
  void showAboutAtFirstPaint();
  void FormPaint();
  void changeZoom(int newState);
  void dispatchSurfaceMenu(QAction* a);
  void adjustChannels(bool brighten);

  const ArtCache& art_;
  QPrinter* printer_ = nullptr;
  bool inFirstPaint_ = false;
};

// Loads the art files, builds the main window, shows it and runs the message
// loop. A missing or unreadable art file is reported by name and the program
// ends cleanly.
int runPinzola(QApplication& app);

}  // namespace pz
