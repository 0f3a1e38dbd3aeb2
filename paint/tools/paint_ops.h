// The per-point operations of the painting tools. Each takes a point in
// picture coordinates and changes only st.pictureBmp (Oil Paint also changes
// st.brushImage); none draws on the screen.
#pragma once

#include "paint/tools/paint_state.h"

namespace pz {

enum Phase : int { PhasePress = 1, PhaseDrag = 2 };

// Colour laid without blending.
void paintPastel(PaintState& st, int x, int y);
void paintReplacement(PaintState& st, int x, int y, int phase);
void paintAcrylic(PaintState& st, int x, int y);
void sprayPaintSingle(PaintState& st, int x, int y);
void drawWandStar(PaintState& st, int x, int y);
void drawPencilLine(PaintState& st, int x, int y);  // from st.lastPoint to (x, y)
void eraseSquare(PaintState& st, int x, int y, int mode);  // 1: black lines, 2: colour
void shaveRazor(PaintState& st, int x, int y);
void fillBucket(PaintState& st, int x, int y);
void paintTexture(PaintState& st, int x, int y);

// Colour blended with what is already on the paper.
void paintPastelMix(PaintState& st, int x, int y);
void sprayPaintMix(PaintState& st, int x, int y);
void paintWaterPen(PaintState& st, int x, int y);
void paintWaterPenMix(PaintState& st, int x, int y);
void paintOil(PaintState& st, int x, int y);

}  // namespace pz
