// The face list of the text page: every installed font family, sorted, each
// name drawn by the program in its own face.
#pragma once

#include <QComboBox>

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

// Draws one face name in its own face: the row filled with the background (the
// highlight when selected), the name 2 pixels from the row's left edge.
void drawFaceRow(QPainter& p, const QRect& row, const QString& face, int pixelSize, bool selected,
                 const QPalette& pal);

}  // namespace fx
