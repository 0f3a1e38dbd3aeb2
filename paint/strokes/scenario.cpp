#include "paint/strokes/scenario.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <cmath>

#include "paint/tools/brushes.h"
#include "paint/tools/colour.h"
#include "paint/tools/dispatch.h"
#include "platform/bmp.h"

namespace pz {

namespace {

constexpr double kMaxCoordinate = 1000000;

struct Parser {
  QString baseDir;
  QString error;

  bool fail(const QString& msg) {
    if (error.isEmpty()) error = msg;
    return false;
  }

  bool integer(const QJsonValue& v, const QString& what, double lo, double hi, int* out) {
    if (!v.isDouble()) return fail(QStringLiteral("%1 must be a number").arg(what));
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d))
      return fail(QStringLiteral("%1 must be a whole number").arg(what));
    if (d < lo || d > hi) return fail(QStringLiteral("%1 must be between %2 and %3").arg(what).arg(lo).arg(hi));
    *out = int(d);
    return true;
  }

  bool path(const QJsonValue& v, const QString& what, QString* out) {
    if (!v.isString() || v.toString().isEmpty()) return fail(QStringLiteral("%1 must be a file path").arg(what));
    const QString p = v.toString();
    *out = QDir::isAbsolutePath(p) ? p : QDir(baseDir).filePath(p);
    return true;
  }

  // A whole number that must also be one of the listed values (or, with an
  // empty list, any value in [lo, hi] that is a multiple of step).
  bool choice(const QJsonValue& v, const QString& what, std::initializer_list<int> allowed, int lo, int hi,
              int step, const QString& expected, int* out) {
    if (!integer(v, what, lo, hi, out)) return false;
    const bool listed = std::find(allowed.begin(), allowed.end(), *out) != allowed.end();
    if (allowed.size() ? !listed : (*out % step != 0)) return fail(QStringLiteral("%1 must be %2").arg(what, expected));
    return true;
  }

  // Reads one state key into s; returns false for keys that are not state keys.
  bool stateKey(const QString& key, const QJsonValue& v, ScenarioSettings& s, bool* ok) {
    int n = 0;
    *ok = true;
    if (key == QLatin1String("tool")) {
      if ((*ok = integer(v, key, -2147483647.0, 2147483647.0, &n))) s.tool = n;
    } else if (key == QLatin1String("currentColor")) {
      if ((*ok = integer(v, key, 0, 0xFFFFFF, &n))) s.currentColor = Color(n);
    } else if (key == QLatin1String("brushSize")) {
      if ((*ok = choice(v, key, {50, 26, 14}, 14, 50, 1, QStringLiteral("50, 26 or 14"), &n))) s.brushSize = n;
    } else if (key == QLatin1String("strokeWidth")) {
      if ((*ok = choice(v, key, {2, 3, 4, 5, 6, 7, 8, 10}, 2, 10, 1, QStringLiteral("2 to 8 or 10"), &n)))
        s.strokeWidth = n;
    } else if (key == QLatin1String("razorMode")) {
      if ((*ok = choice(v, key, {1, 2, 5, 6}, 1, 6, 1, QStringLiteral("1, 2, 5 or 6"), &n))) s.razorMode = n;
    } else if (key == QLatin1String("waterPercent")) {
      if ((*ok = choice(v, key, {}, 5, 100, 5, QStringLiteral("a multiple of 5"), &n))) s.waterPercent = n;
    } else if (key == QLatin1String("whiteOnly")) {
      if (!v.isBool())
        *ok = fail(QStringLiteral("whiteOnly must be true or false"));
      else
        s.whiteOnly = v.toBool();
    } else if (key == QLatin1String("texture")) {
      QString p;
      if ((*ok = path(v, key, &p))) s.texture = p;
    } else {
      return false;
    }
    return true;
  }

  bool point(const QJsonValue& v, const QString& where, Point* out) {
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 2) return fail(QStringLiteral("%1 must be [x, y]").arg(where));
    return integer(a[0], where + QStringLiteral(" x"), -kMaxCoordinate, kMaxCoordinate, &out->x) &&
           integer(a[1], where + QStringLiteral(" y"), -kMaxCoordinate, kMaxCoordinate, &out->y);
  }

  bool stroke(const QJsonValue& v, int index, long long* total, ScenarioStroke* out) {
    const QString where = QStringLiteral("stroke %1").arg(index + 1);
    if (!v.isObject()) return fail(QStringLiteral("%1 must be an object").arg(where));
    const QJsonObject o = v.toObject();
    bool sawPoints = false;
    for (auto it = o.begin(); it != o.end(); ++it) {
      bool ok = true;
      if (it.key() == QLatin1String("points")) {
        sawPoints = true;
        if (!it.value().isArray()) return fail(QStringLiteral("%1: points must be a list").arg(where));
        const QJsonArray pts = it.value().toArray();
        *total += pts.size();
        if (*total > kMaxScenarioPoints)
          return fail(QStringLiteral("too many points (at most %1)").arg(kMaxScenarioPoints));
        out->points.reserve(std::size_t(pts.size()));
        for (qsizetype i = 0; i < pts.size(); ++i) {
          Point p;
          if (!point(pts[i], QStringLiteral("%1 point %2").arg(where).arg(i + 1), &p)) return false;
          out->points.push_back(p);
        }
      } else if (!stateKey(it.key(), it.value(), out->settings, &ok)) {
        return fail(QStringLiteral("%1: unknown key \"%2\"").arg(where, it.key()));
      } else if (!ok) {
        return false;
      }
    }
    if (!sawPoints) return fail(QStringLiteral("%1 has no \"points\"").arg(where));
    return true;
  }

  std::optional<Scenario> scenario(const QByteArray& json) {
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (pe.error != QJsonParseError::NoError) {
      fail(QStringLiteral("not valid JSON at offset %1: %2").arg(pe.offset).arg(pe.errorString()));
      return std::nullopt;
    }
    if (!doc.isObject()) {
      fail(QStringLiteral("the scenario must be a JSON object"));
      return std::nullopt;
    }
    const QJsonObject o = doc.object();
    Scenario sc;
    long long total = 0;
    bool sawOut = false;
    for (auto it = o.begin(); it != o.end(); ++it) {
      const QString& key = it.key();
      bool ok = true;
      if (key == QLatin1String("picture")) {
        ok = path(it.value(), key, &sc.picture);
      } else if (key == QLatin1String("out")) {
        ok = path(it.value(), key, &sc.out);
        sawOut = true;
      } else if (key == QLatin1String("brushOut")) {
        ok = path(it.value(), key, &sc.brushOut);
      } else if (key == QLatin1String("strokes")) {
        if (!it.value().isArray()) {
          ok = fail(QStringLiteral("strokes must be a list"));
        } else {
          const QJsonArray a = it.value().toArray();
          for (qsizetype i = 0; ok && i < a.size(); ++i) {
            ScenarioStroke s;
            ok = stroke(a[i], int(i), &total, &s);
            if (ok) sc.strokes.push_back(std::move(s));
          }
        }
      } else if (!stateKey(key, it.value(), sc.settings, &ok)) {
        ok = fail(QStringLiteral("unknown key \"%1\"").arg(key));
      }
      if (!ok) return std::nullopt;
    }
    if (!sawOut) {
      fail(QStringLiteral("the scenario has no \"out\" path"));
      return std::nullopt;
    }
    return sc;
  }
};

// The texture as a 50 x 50 brush: its top-left part, white where it is smaller.
std::optional<Surface> loadTexture(const QString& path, QString* error) {
  auto img = readBmp(path, error);
  if (!img) return std::nullopt;
  Surface brush(kBrushSide, kBrushSide, kWhite);
  bitBlt(brush, 0, 0, kBrushSide, kBrushSide, &*img, 0, 0);
  return brush;
}

}  // namespace

std::optional<Scenario> parseScenario(const QByteArray& json, const QString& baseDir, QString* error) {
  Parser p{baseDir, {}};
  auto sc = p.scenario(json);
  if (!sc && error) *error = p.error;
  return sc;
}

void applySettings(PaintState& st, const ScenarioSettings& s) {
  if (s.tool) st.currentTool = *s.tool;
  if (s.currentColor) st.currentColor = *s.currentColor;
  if (s.brushSize) st.brushSize = *s.brushSize;
  if (s.strokeWidth) st.strokeWidth = *s.strokeWidth;
  if (s.razorMode) st.razorMode = *s.razorMode;
  if (s.waterPercent) st.waterPercent = *s.waterPercent;
  if (s.whiteOnly) st.whiteOnly = *s.whiteOnly;
}

bool runScenario(const Scenario& sc, QString* error) {
  PaintState st;
  if (sc.picture.isEmpty()) {
    st.pictureBmp.create(800, 800, kWhite);
  } else {
    QString err;
    auto pic = readBmp(sc.picture, &err);
    if (!pic) {
      if (error) *error = err;
      return false;
    }
    if (qint64(pic->width()) * pic->height() > kMaxScenarioPixels) {
      if (error) *error = QStringLiteral("%1: the picture is too large").arg(sc.picture);
      return false;
    }
    st.pictureBmp = std::move(*pic);
  }
  st.brushImage.create(kBrushSide, kBrushSide, kWhite);
  setRandomState(1);

  std::optional<QString> texturePath;
  auto applyAll = [&](const ScenarioSettings& s) {
    applySettings(st, s);
    if (s.texture) texturePath = s.texture;
  };
  // Choosing the Texture Brush loads the texture into the brush; without one
  // the brush stays blank, as in the program when no texture was ever picked.
  auto chooseTexture = [&]() -> bool {
    if (st.currentTool != ToolTextureBrush) return true;
    if (!texturePath) {
      st.brushImage.fill(kWhite);
      return true;
    }
    QString err;
    auto tex = loadTexture(*texturePath, &err);
    if (!tex) {
      if (error) *error = err;
      return false;
    }
    st.brushImage = std::move(*tex);
    return true;
  };

  applyAll(sc.settings);
  for (const ScenarioStroke& stroke : sc.strokes) {
    applyAll(stroke.settings);
    if (!chooseTexture()) return false;
    st.stroking = 1;
    for (std::size_t i = 0; i < stroke.points.size() && st.stroking; ++i)
      toolStep(st, stroke.points[i].x, stroke.points[i].y, i == 0 ? PhasePress : PhaseDrag);
    st.stroking = 0;  // the release
  }

  if (!writeBmp24(sc.out, st.pictureBmp)) {
    if (error) *error = QStringLiteral("%1: could not write the picture").arg(sc.out);
    return false;
  }
  if (!sc.brushOut.isEmpty() && !writeBmp24(sc.brushOut, st.brushImage)) {
    if (error) *error = QStringLiteral("%1: could not write the brush").arg(sc.brushOut);
    return false;
  }
  return true;
}

}  // namespace pz
