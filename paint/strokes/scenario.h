// Stroke scenarios: a JSON description of a starting picture, tool settings
// and strokes, replayed through the same tool step the program runs.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "paint/tools/paint_state.h"

namespace pz {

// Settings a scenario may give at the top level or per stroke; unset ones
// keep their current value (at first, the program's start-up defaults).
struct ScenarioSettings {
  std::optional<int> tool, brushSize, strokeWidth, razorMode, waterPercent;
  std::optional<Color> currentColor;
  std::optional<bool> whiteOnly;
  std::optional<QString> texture;  // resolved path
};

struct ScenarioStroke {
  ScenarioSettings settings;
  std::vector<Point> points;  // press, drags; the release follows the last
};

struct Scenario {
  QString picture;   // resolved path, empty: the blank sheet
  QString out;       // resolved path
  QString brushOut;  // resolved path, empty: not written
  ScenarioSettings settings;
  std::vector<ScenarioStroke> strokes;
};

// Largest number of points a scenario may hold in all its strokes together.
constexpr long long kMaxScenarioPoints = 1000000;
// Largest picture (in pixels) a scenario may start from.
constexpr long long kMaxScenarioPixels = 8192LL * 8192LL;

// Parses scenario text. Relative paths are taken from baseDir (the folder of
// the scenario file). On failure returns nothing and sets *error.
std::optional<Scenario> parseScenario(const QByteArray& json, const QString& baseDir, QString* error);

// Replays a parsed scenario: loads the picture, runs every stroke through
// toolStep with the random generator started fresh, and writes the results.
// Returns false with *error set when a file cannot be read or written.
bool runScenario(const Scenario& sc, QString* error);

// Applies settings to the editing state (the texture is handled by the runner).
void applySettings(PaintState& st, const ScenarioSettings& s);

}  // namespace pz
