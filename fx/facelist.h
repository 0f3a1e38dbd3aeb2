// The face list of the text page: every installed font family, sorted, each
// name drawn by the program in its own face.
#pragma once

#include <QComboBox>
#include <functional>

namespace fx {

class FaceList : public QComboBox {
  Q_OBJECT
 public:
  explicit FaceList(QWidget* parent = nullptr);
  // Clears the list and fills it with the installed families, sorted without
  // regard to case; the first is selected when there is any.
  void fillWithInstalledFaces();
  QString face() const { return currentText(); }

 protected:
  void paintEvent(QPaintEvent* e) override;
};

// A family name as people know it: without the foundry Qt appends when
// several foundries provide the family ("Nimbus Sans [urw]" -> "Nimbus Sans").
QString familyWithoutFoundry(const QString& family);
// The names of the face list from the font database's families: each family
// once, without foundry, sorted without regard to case. `drawnIn` tells the
// family a name is drawn in; names that stand for another family (the
// generic "Sans Serif", "Monospace") are left out.
QStringList faceNames(const QStringList& families, const std::function<QString(const QString&)>& drawnIn);
// The family the font matcher picks for a face name, without foundry.
QString matchedFamily(const QString& face);

// Draws one face name in its own face: the row filled with the background (the
// highlight when selected), the name 2 pixels from the row's left edge.
void drawFaceRow(QPainter& p, const QRect& row, const QString& face, int pixelSize, bool selected,
                 const QPalette& pal);

}  // namespace fx
