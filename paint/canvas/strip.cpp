// The black control strip: colour box, tool chest button, options art,
// water and White Only controls, the TOOLS and SYSTEM pages.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QSpinBox>
#include <QTabBar>

#include "paint/canvas/about.h"
#include "paint/canvas/artcache.h"
#include "paint/canvas/guide.h"
#include "paint/canvas/mainpinz.h"
#include "paint/canvas/strip.h"
#include "paint/canvas/toolform.h"
#include "paint/canvas/widgets.h"
#include "paint/tools/tool_table.h"
#include "platform/bmp.h"
#include "platform/language.h"
#include "platform/process.h"
#include "platform/prompt.h"

namespace pz {

int brushSizeForBand(int band) {
  switch (band) {
    case 0: return 50;
    case 1: return 26;
    case 2: return 14;
    default: return 0;
  }
}

int sizesBandRow(int brushSize) {
  switch (brushSize) {
    case 50: return 0;
    case 26: return 75;
    case 14: return 150;
    default: return -1;
  }
}

int widthsBandRow(int strokeWidth) {
  switch (strokeWidth) {
    case 2: return 0;
    case 3: return 56;
    case 4: return 110;
    case 5: return 165;
    case 6: return 220;
    case 7: return 275;
    case 8: return 330;
    case 10: return 385;
    default: return -1;
  }
}

int razorBandRow(int razorMode) {
  switch (razorMode) {
    case 1: return 0;
    case 2: return 50;
    case 5: return 100;
    case 6: return 150;
    default: return -1;
  }
}

int strokeWidthForX(int X) {
  if (X < 89 || X > 414) return 0;
  static constexpr int kWidths[8] = {2, 3, 4, 5, 6, 7, 8, 10};
  return kWidths[std::min(7, (X - 88) / 41)];
}

int razorModeForX(int X) {
  if (X <= 81) return 0;
  if (X <= 161) return 1;
  if (X <= 241) return 2;
  if (X <= 321) return 5;
  return 6;
}

int brightenChannel(int c) { return c + 10 < 255 ? c + 10 : c; }
int darkenChannel(int c) { return c - 10 > 0 ? c - 10 : c; }

Color adjustColor(Color c, bool brighten) {
  auto f = brighten ? brightenChannel : darkenChannel;
  return rgb(f(redOf(c)), f(greenOf(c)), f(blueOf(c)));
}

// --- Handlers and drawing of the strip ---

void Tmainpinz::drawSwatch() {
  Surface& s = colorbox->surface();
  if (st.currentTool == ToolTextureBrush) {
    bitBlt(s, 73, 18, 50, 50, &st.brushImage, 0, 0);
  } else {
    s.fillRect({73, 18, 123, 68}, st.currentColor);
  }
  colorbox->show({73, 18, 123, 68});
}

void Tmainpinz::drawOptionsStrip() {
  for (QWidget* w : {static_cast<QWidget*>(waterspin), static_cast<QWidget*>(spinlabel),
                     static_cast<QWidget*>(conlycheck), static_cast<QWidget*>(Image2), static_cast<QWidget*>(Label3),
                     static_cast<QWidget*>(Image4), static_cast<QWidget*>(Image3), static_cast<QWidget*>(Image7),
                     static_cast<QWidget*>(Image8)})
    w->hide();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  Surface& s = Panel5->surface();
  s.fill(kBlack);
  Panel5->showAll();
  if (st.systemTab == 1) {
    Image4->show();
    Image3->show();
    Image7->show();
    Image8->show();
    return;
  }
  Image2->show();
  Label3->show();
  switch (st.optionsStrip) {
    case 1: {
      const int row = sizesBandRow(st.brushSize);
      if (row >= 0) bitBlt(s, 130, 0, 85, 75, &art_.get("a1.pzl"), 0, row);
      break;
    }
    case 2: {
      const int row = widthsBandRow(st.strokeWidth);
      if (row >= 0) bitBlt(s, 88, 10, 325, 54, &art_.get("a12.pzl"), 0, row);
      break;
    }
    case 3: {
      const int row = razorBandRow(st.razorMode);
      if (row >= 0) bitBlt(s, 88, 10, 320, 50, &art_.get("a11.pzl"), 0, row);
      break;
    }
    default: break;
  }
  if (st.currentTool == ToolTextureBrush) conlycheck->show();
  if (st.currentTool == ToolWaterPen || st.currentTool == ToolWaterPenMix) {
    spinlabel->setText(tr("Water %"));
    spinlabel->adjustSize();
    spinlabel->show();
    waterspin->show();
  }
}

void Tmainpinz::Panel5MouseDown(int X, int Y) {
  endPaste();
  if (st.systemTab == 1) return;
  Surface& s = Panel5->surface();
  switch (st.optionsStrip) {
    case 1: {
      if (X < 130 || X > 214 || Y > 74) return;
      st.brushSize = brushSizeForBand(Y / 25);
      bitBlt(s, 130, 0, 85, 75, &art_.get("a1.pzl"), 0, sizesBandRow(st.brushSize));
      Panel5->show({130, 0, 215, 75});
      break;
    }
    case 2: {
      const int w = strokeWidthForX(X);
      if (w == 0) return;
      st.strokeWidth = w;
      bitBlt(s, 88, 10, 325, 54, &art_.get("a12.pzl"), 0, widthsBandRow(w));
      Panel5->show({88, 10, 413, 64});
      if (st.currentTool == ToolBlackEraser || st.currentTool == ToolColorEraser) loadSpriteArt();
      break;
    }
    case 3: {
      const int m = razorModeForX(X);
      if (m == 0) return;
      st.razorMode = m;
      bitBlt(s, 88, 10, 320, 50, &art_.get("a11.pzl"), 0, razorBandRow(m));
      Panel5->show({88, 10, 408, 60});
      break;
    }
    default: break;
  }
}

void Tmainpinz::setUpChosenTool() {
  waterspin->hide();
  spinlabel->hide();
  const ToolInfo* info = toolInfo(st.currentTool);
  const int kind = info ? info->cursorKind : st.cursorKind;
  if (info) st.optionsStrip = info->optionsStrip;
  switch (st.currentTool) {
    case ToolTextureBrush: {
      st.textureFile = usableTextureFile(st);
      auto tex = st.textureFile.isEmpty() ? std::nullopt : readBmp(st.textureFile);
      st.brushImage = tex ? *tex : art_.get("a2.pzl");
      break;
    }
    case ToolWaterPen:
    case ToolAcrylicPaint:
    case ToolWaterPenMix:
    case ToolOilPaint: st.brushImage = art_.get("a2.pzl"); break;
    case ToolDropper: st.previousCursorKind = st.cursorKind; break;
    default: break;
  }
  st.cursorKind = kind;
  st.spritePos = {0, 0};
  loadSpriteArt();
  refreshAll();
}

void Tmainpinz::Image2Click() {
  endPaste();
  // Like a paste, a zoom rectangle not yet dragged ends here; otherwise the
  // chest would record it as the tool to return to, and it would never end.
  endZoomRect();
  takeUndoCopy();
  st.previousTool = st.currentTool;
  {
    Ttoolform chest(st, this);
    execModal(&chest);
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  setUpChosenTool();
}

void Tmainpinz::colorboxMouseDown(int X, int Y) {
  endPaste();
  if (X < 73 || X > 122 || Y < 19 || Y > 67) return;
  takeUndoCopy();
  if (st.currentTool == ToolTextureBrush) {
    {
      Ttoolform chest(st, this);
      execModal(&chest);
    }
    st.textureFile = usableTextureFile(st);
    auto tex = st.textureFile.isEmpty() ? std::nullopt : readBmp(st.textureFile);
    st.brushImage = tex ? *tex : art_.get("a2.pzl");
    st.cursorKind = 2;
    st.optionsStrip = 1;
  } else if (auto c = prompter().chooseColor(st.currentColor)) {
    st.currentColor = *c;
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  st.spritePos = {0, 0};
  refreshAll();
}

void Tmainpinz::adjustChannels(bool brighten) {
  endPaste();
  if (st.currentTool == ToolTextureBrush) {
    Surface& b = st.brushImage;
    for (int y = 0; y < b.height(); ++y) {
      std::uint32_t* row = b.row(y);
      for (int x = 0; x < b.width(); ++x) row[x] = toRaw(adjustColor(fromRaw(row[x]), brighten));
    }
  } else {
    st.currentColor = adjustColor(st.currentColor, brighten);
  }
  drawSwatch();
}

void Tmainpinz::Image5Click() { adjustChannels(true); }
void Tmainpinz::Image6Click() { adjustChannels(false); }

void Tmainpinz::waterspinChange(int value) {
  if (st.currentTool == ToolWaterPen || st.currentTool == ToolWaterPenMix) st.waterPercent = value;
}

void Tmainpinz::conlycheckClick() {
  endPaste();
  st.whiteOnly = conlycheck->isChecked();
}

void Tmainpinz::TabSet1Change(int index) {
  st.systemTab = index;
  refreshAll();
}

void Tmainpinz::Image4Click() {
  endPaste();
  {
    Taboutfrm about(this);
    execModal(&about);
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  st.spritePos = {0, 0};
  refreshAll();
}

void Tmainpinz::Image3MouseDown(QPoint pos) {
  endPaste();
  QAction* chosen = openMenu(filepopup, Image3->mapToGlobal(pos));
  if (chosen == openpinzpic) openpinzpicClick();
  else if (chosen == opensaved) opensavedClick();
  else if (chosen == savepinzpic) savepinzpicClick();
  else if (chosen == savepinzpicas) savepinzpicasClick();
}

void Tmainpinz::Image8Click() {
  const QString page = guidePath(st.programDir, currentLanguage());
  // Where the desktop has nothing to open it with, the guide shows in a
  // window of our own instead of nothing happening.
  openWithDesktop(page, this, [this, page] { showGuide(page); });
}

void Tmainpinz::showGuide(const QString& page) {
  if (!guideWindow) guideWindow = new Tguide(page, this);
  guideWindow->show();
  guideWindow->raise();
  guideWindow->activateWindow();
}

void Tmainpinz::Image7Click() {
  endPaste();
  close();
}

}  // namespace pz
