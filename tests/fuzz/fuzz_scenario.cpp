// Scenario files of pinz-strokes are hand-written JSON: the parser must turn
// every text into a scenario or a message, and every scenario it accepts
// must replay through the tools without a fault. The replay here runs in
// memory on a small picture (no files are read or written) with the points
// capped so that each input stays quick.
#include <QByteArray>
#include <cstdint>

#include "paint/strokes/scenario.h"
#include "paint/tools/brushes.h"
#include "paint/tools/colour.h"
#include "paint/tools/dispatch.h"

namespace {
constexpr std::size_t kMaxReplayPoints = 3000;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QString error;
  const auto sc = pz::parseScenario(bytes, QStringLiteral("/nonexistent-fuzz-base"), &error);
  if (!sc) {
    if (error.isEmpty()) __builtin_trap();  // a refusal always says why
    return 0;
  }
  pz::PaintState st;
  st.pictureBmp.create(61, 47, pz::kWhite);
  // A few black lines so the tools that care about line art meet some.
  for (int x = 0; x < 61; ++x) st.pictureBmp.setPixel(x, 20, pz::kBlack);
  for (int y = 0; y < 47; ++y) st.pictureBmp.setPixel(30, y, pz::kBlack);
  st.brushImage.create(pz::kBrushSide, pz::kBrushSide, pz::kWhite);
  pz::setRandomState(1);
  pz::applySettings(st, sc->settings);
  std::size_t budget = kMaxReplayPoints;
  for (const pz::ScenarioStroke& stroke : sc->strokes) {
    pz::applySettings(st, stroke.settings);
    st.stroking = 1;
    for (std::size_t i = 0; i < stroke.points.size() && st.stroking && budget; ++i, --budget)
      pz::toolStep(st, stroke.points[i].x, stroke.points[i].y, i == 0 ? pz::PhasePress : pz::PhaseDrag);
    st.stroking = 0;
    if (!budget) break;
  }
  return 0;
}
