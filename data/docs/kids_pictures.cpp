#include "data/docs/kids.h"

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "data/docs/guide_text.h"
#include "paint/canvas/artcache.h"
#include "paint/tools/dispatch.h"
#include "paint/tools/paint_ops.h"
#include "paint/tools/paint_state.h"
#include "platform/bmp.h"
#include "platform/folders.h"

namespace pz::guide {

namespace {

// The part of the easy fish drawing the pictures show: its body and eye.
constexpr Rect kView{110, 160, 600, 550};
constexpr Color kYellow = rgb(255, 220, 60);
constexpr Color kRed = rgb(230, 40, 60);
constexpr Color kBlue = rgb(40, 120, 230);

// A zigzag across the fish's body, as a child's hand would paint it.
const Point kZigzag[] = {{210, 300}, {250, 420}, {300, 300}, {350, 430}, {400, 300}, {450, 430}, {500, 320}};

// Presses at the first point and drags through the others, with a point
// every few pixels as a moving mouse reports them.
void stroke(PaintState& st, const Point* pts, int n) {
  st.stroking = 1;
  toolStep(st, pts[0].x, pts[0].y, PhasePress);
  for (int i = 1; i < n && st.stroking; ++i) {
    const Point a = pts[i - 1], b = pts[i];
    const int steps = std::max(1, std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) / 3);
    for (int k = 1; k <= steps && st.stroking; ++k)
      toolStep(st, a.x + (b.x - a.x) * k / steps, a.y + (b.y - a.y) * k / steps, PhaseDrag);
  }
  st.stroking = 0;
}

void bucket(PaintState& st, int x, int y, Color c) {
  const int tool = st.currentTool;
  const Color colour = st.currentColor;
  st.currentTool = ToolBucket;
  st.currentColor = c;
  const Point at{x, y};
  stroke(st, &at, 1);
  st.currentTool = tool;
  st.currentColor = colour;
}

// What the main window sets up when a tool is chosen, for the tools the
// pictures use.
void setUp(PaintState& st, const QString& programDir, const ArtCache& art) {
  switch (st.currentTool) {
    case ToolTextureBrush: {
      const QStringList textures = listFolder(programDir + "/textures", "bmp");
      std::optional<Surface> tex;
      if (!textures.isEmpty()) tex = readBmp(programDir + "/textures/" + textures.front());
      st.brushImage = tex ? *tex : art.get("a2.pzl");
      break;
    }
    case ToolWaterPen:
    case ToolAcrylicPaint:
    case ToolWaterPenMix:
    case ToolOilPaint: st.brushImage = art.get("a2.pzl"); break;
    default: break;
  }
}

QImage view(const Surface& s) {
  return s.toImage().copy(kView.left, kView.top, kView.right - kView.left, kView.bottom - kView.top);
}

}  // namespace

const std::vector<int>& kidTools() {
  static const std::vector<int> all = {
      ToolBucket,      ToolAcrylicPaint,     ToolPastel,      ToolPastelMix,   ToolWaterPen,
      ToolWaterPenMix, ToolOilPaint,         ToolSprayPaint,  ToolSprayPaintMix, ToolWandStars,
      ToolTextureBrush, ToolReplacementPaint, ToolBlackPencil, ToolBlackEraser, ToolColorEraser,
      ToolRazor,
  };
  return all;
}

QString kidPicture(int tool) { return QStringLiteral("kid-tool%1.png").arg(tool); }

bool writeKidPictures(const QString& drawingBmp, const QString& programDir, const ArtCache& art,
                      const QString& picsDir) {
  const std::optional<Surface> drawing = readBmp(drawingBmp);
  if (!drawing) return false;
  bool ok = view(*drawing).save(picsDir + "/" + kidBeforePicture(), "PNG");
  for (int tool : kidTools()) {
    PaintState st;
    st.programDir = programDir;
    st.pictureBmp = *drawing;
    st.undoBmp = *drawing;
    st.currentTool = tool;
    st.currentColor = kRed;
    st.brushSize = 30;
    st.strokeWidth = 3;
    setUp(st, programDir, art);
    switch (tool) {
      case ToolBucket: {
        const Point at{350, 380};
        stroke(st, &at, 1);
        break;
      }
      case ToolBlackPencil: {
        // A new line drawn across the body: a stripe of scales.
        const Point lines[] = {{300, 250}, {330, 300}, {300, 350}, {330, 400}, {300, 450}, {325, 510}};
        stroke(st, lines, 6);
        break;
      }
      case ToolBlackEraser:
        stroke(st, kZigzag, 7);
        break;
      default:
        // Tools that mix with, replace, erase or shave colour need colour
        // to work on: the body is filled first, as a child would.
        bucket(st, 350, 380, kYellow);
        bucket(st, 410, 415, kBlue);
        if (tool == ToolReplacementPaint) {
          const Point inBody[] = {{420, 330}, {330, 440}, {300, 330}, {240, 380}};
          stroke(st, inBody, 4);
        } else {
          stroke(st, kZigzag, 7);
        }
        break;
    }
    ok = view(st.pictureBmp).save(picsDir + "/" + kidPicture(tool), "PNG") && ok;
  }
  return ok;
}

QString kidsSection() {
  // First how to begin (open a drawing, choose a colour, open the tool
  // chest), then every tool beside what it did to the drawing.
  QString h = QStringLiteral("<h2 id=\"kids\">&#9733; &#9733; &#9733;</h2>\n<div class=\"kids\">");
  const struct {
    const char* from;
    QString to;
  } steps[] = {{"opensave.png", QStringLiteral("open.png")},
               {"colorbox.png", QStringLiteral("colors.png")},
               {"chest.png", kidChestPicture()}};
  for (const auto& step : steps)
    h += QStringLiteral(
             "<div class=\"kid\"><img class=\"icon\" src=\"pictures/%1\" alt=\"\">"
             "<span class=\"arrow\">&#10132;</span><img src=\"pictures/%2\" width=\"290\" alt=\"\"></div>\n")
             .arg(QString::fromLatin1(step.from), step.to);
  h += QStringLiteral("<div class=\"kid\"><img src=\"pictures/%1\" width=\"245\" alt=\"\"></div>\n")
           .arg(kidBeforePicture());
  for (int tool : kidTools()) {
    QString name;
    for (const Tool& t : tools())
      if (t.id == tool) name = t.name;
    h += QStringLiteral(
             "<div class=\"kid\"><img class=\"icon\" src=\"pictures/tool%1.png\" alt=\"%2\">"
             "<span class=\"arrow\">&#10132;</span><img src=\"pictures/%3\" width=\"245\" alt=\"%2\"></div>\n")
             .arg(tool)
             .arg(name.toHtmlEscaped(), kidPicture(tool));
  }
  h += QStringLiteral("</div>\n");
  return h;
}

}  // namespace pz::guide
