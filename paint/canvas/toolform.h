// The tool chest window "Pinzola's Tools": pick a painting tool and, for the
// Texture Brush, one of the textures in the program's textures folder.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <array>
#include <functional>

#include "paint/tools/paint_state.h"

class QPushButton;

namespace pz {

// A picture that reports clicks and pointer moves over it.
class ChestImage : public QLabel {
  Q_OBJECT
 public:
  explicit ChestImage(QWidget* parent);
  std::function<void()> onClick, onMove;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
};

class Ttoolform : public QDialog {
  Q_OBJECT
 public:
  Ttoolform(PaintState& st, QWidget* parent = nullptr);

  // Handlers, public so that tests can drive them as the window does.
  void FormActivate();
  void FormMouseMove();
  void toolImageClick(int toolId);  // Image1Click .. Image23Click
  void toolImageMouseMove(int toolId);
  void Image1Click() { toolImageClick(ToolAcrylicPaint); }
  void Image2Click() { toolImageClick(ToolTextureBrush); }
  void Image4Click() { toolImageClick(ToolPastel); }
  void Image5Click() { toolImageClick(ToolWaterPen); }
  void Image6Click() { toolImageClick(ToolRazor); }
  void Image7Click() { toolImageClick(ToolBlackPencil); }
  void Image8Click() { toolImageClick(ToolBucket); }
  void Image9Click() { toolImageClick(ToolBlackEraser); }
  void Image10Click() { toolImageClick(ToolColorEraser); }
  void Image11Click() { toolImageClick(ToolPastelMix); }
  void Image12Click() { toolImageClick(ToolWaterPenMix); }
  void Image13Click() { toolImageClick(ToolSprayPaintMix); }
  void Image14Click() { toolImageClick(ToolWandStars); }
  void Image15Click() { toolImageClick(ToolReplacementPaint); }
  void Image16Click() { toolImageClick(ToolAreaSelect); }
  void Image18Click() { toolImageClick(ToolDropper); }
  void Image22Click() { toolImageClick(ToolOilPaint); }
  void Image23Click() { toolImageClick(ToolSprayPaint); }
  void timgClick(int k);  // timg1Click .. timg12Click, k = 1..12
  void BitBtn2Click();    // previous page
  void BitBtn3Click();    // next page
  void Image21Click();    // OK

  // The window's parts.
  ChestImage* toolImage(int toolId) const;  // nullptr for a tool without an image
  std::array<ChestImage*, 12> timg{};
  QWidget* Panel1 = nullptr;
  QWidget* selborder = nullptr;
  QLabel* hintline = nullptr;
  ChestImage* Image21 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn3 = nullptr;

  const QStringList& textureList() const { return textureList_; }
  int texturePage() const { return texturePage_; }

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 public:
  void done(int r) override;  // FormClose

 private:
  // Fills the shown page; returns the files on it that cannot be read.
  QStringList fillPage();
  void showTexturePanel(bool mayReport);
  // Names the unreadable files not yet named in this opening of the chest.
  void reportUnreadable(const QStringList& files);

  PaintState& st_;
  struct Tool {
    int id;
    ChestImage* image;
    QString hint;
  };
  std::vector<Tool> tools_;
  QStringList textureList_;
  int texturePage_ = 0;
  bool activationPending_ = false;  // the first activation after showing was already handled
  QStringList reported_;            // unreadable textures already named in this opening
  QStringList unreadableOnPage_;    // those of the page last filled
};

// The texture the Texture Brush should load when the chest closes: the chosen
// one if it can be read, else the first readable texture of the folder, else
// empty (meaning the blank brush "a2.pzl"). Never an unreadable path.
QString usableTextureFile(const PaintState& st);

// The folder of the textures.
QString textureFolder(const PaintState& st);

}  // namespace pz
