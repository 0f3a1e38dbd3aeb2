// The tool chest window "Pinzola's Tools".
#pragma once

#include <QDialog>

#include "paint/tools/paint_state.h"

namespace pz {

class Ttoolform : public QDialog {
  Q_OBJECT
 public:
  Ttoolform(PaintState& st, QWidget* parent = nullptr);

 private:
  PaintState& st_;
};

// The texture the Texture Brush should load: the chosen one, else the first
// texture of the folder, else empty (the blank brush).
QString usableTextureFile(const PaintState& st);

}  // namespace pz
