#include "data/docs/guide_text.h"

#include "data/docs/kids.h"
#include "paint/tools/tool_ids.h"
#include "platform/folders.h"

namespace pz::guide {

const std::vector<Tool>& tools() {
  static const std::vector<Tool> all = {
      {ToolAcrylicPaint, "Acrylic Paint", "Paints thick, dry colour that does not mix with what is already there. "
                                          "Good for bright, even areas."},
      {ToolPastel, "Pastel", "Goes on like a crayon, with a soft grainy edge."},
      {ToolPastelMix, "Pastel (mixing)", "Like the pastel, but the colours blend where they touch."},
      {ToolWaterPen, "Water Pen", "Paints see-through colour, like watercolour. Change how watery it is with "
                                  "<b>Water %</b> on the control strip."},
      {ToolWaterPenMix, "Water Pen (mixing)", "A watery pen that mixes with the colours under it."},
      {ToolOilPaint, "Oil Paint", "Smooth paint that blends and mixes as you move it around."},
      {ToolSprayPaint, "Spray Paint", "Sprays tiny dots of one colour, like a spray can."},
      {ToolSprayPaintMix, "Spray Paint (mixing)", "Sprays a colour that mixes with what it lands on."},
      {ToolWandStars, "Wand Stars", "Sprinkles sparkling stars, as if from a magic wand. Stars go over everything, "
                                    "even black lines."},
      {ToolReplacementPaint, "Replacement Paint", "Press on a colour and paint: only that colour is changed to "
                                                  "your new one."},
      {ToolBucket, "Bucket", "Click inside a shape to fill it with colour in one go. The black lines keep the "
                             "colour inside."},
      {ToolBlackPencil, "Black Pencil", "Draws new black lines. Choose how thick in the widths strip."},
      {ToolBlackEraser, "Black Eraser", "Rubs out black lines only; your colours stay."},
      {ToolColorEraser, "Color Eraser", "Rubs out colour only; the black lines stay."},
      {ToolRazor, "Razor", "Shaves colour away from the black lines, to tidy up the edges."},
      {ToolTextureBrush, "Texture Brush", "Paints with a pattern (a texture) instead of a plain colour. Tick "
                                          "<b>White Only</b> to paint only where the paper is still white."},
      {ToolDropper, "Dropper", "Click on any colour in your picture to pick it up and paint with it."},
      {ToolAreaSelect, "Rectangular Area Select", "Drag a box over part of the picture. A small menu lets you "
                                                   "<b>Delete</b>, <b>Cut</b>, <b>Copy</b> it, or "
                                                   "<b>Save As Texture</b> for the Texture Brush."},
  };
  return all;
}

const std::vector<StripItem>& stripItems() {
  static const std::vector<StripItem> all = {
      {StripPicture::ToolChest, "chest.png"}, {StripPicture::ColorBox, "colorbox.png"},
      {StripPicture::Brighten, "brighten.png"}, {StripPicture::Darken, "darken.png"},
      {StripPicture::ZoomIn, "zoomin.png"},   {StripPicture::ZoomOut, "zoomout.png"},
      {StripPicture::NoZoom, "nozoom.png"},   {StripPicture::OpenSave, "opensave.png"},
      {StripPicture::Help, "help.png"},       {StripPicture::About, "about.png"},
      {StripPicture::Quit, "quit.png"},
  };
  return all;
}

namespace {

QString img(const QString& file, const QString& alt, const QString& cls = QString()) {
  return QStringLiteral("<img src=\"pictures/%1\" alt=\"%2\"%3>")
      .arg(file, alt, cls.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(cls));
}

const char* kStyle = R"(
body { font-family: "DejaVu Sans", Verdana, sans-serif; background: #fffbea; color: #222; margin: 0; }
header { background: linear-gradient(90deg, #ff5f6d, #ffc371, #47e5bc, #4facfe); color: white; padding: 24px 40px; }
header h1 { margin: 0; font-size: 44px; text-shadow: 2px 2px 0 #0004; }
header p { margin: 6px 0 0; font-size: 20px; }
nav { background: #222; padding: 10px 40px; }
nav a { color: #ffd54f; margin-right: 18px; text-decoration: none; font-weight: bold; }
main { max-width: 980px; margin: 0 auto; padding: 10px 40px 60px; }
h2 { color: #e64a19; border-bottom: 4px dotted #ffab40; padding-bottom: 4px; margin-top: 40px; }
h3 { color: #1565c0; margin-bottom: 4px; }
.tools { display: grid; grid-template-columns: 1fr 1fr; gap: 14px 28px; }
.tool { display: flex; gap: 14px; align-items: flex-start; background: white; border-radius: 12px; padding: 10px; box-shadow: 0 2px 6px #0002; }
.tool img { background: black; border-radius: 8px; padding: 4px; }
.strip img { background: black; padding: 6px; border-radius: 6px; vertical-align: middle; margin-right: 8px; }
.shot { border: 3px solid #333; border-radius: 6px; max-width: 100%; box-shadow: 0 4px 12px #0003; }
.tip { background: #e3f2fd; border-left: 6px solid #42a5f5; padding: 10px 16px; border-radius: 6px; }
.drawings { display: flex; flex-wrap: wrap; gap: 10px; }
.drawings figure { margin: 0; text-align: center; font-size: 13px; }
.drawings img { border: 2px solid #bbb; background: white; }
.kids { display: grid; grid-template-columns: repeat(auto-fill, minmax(360px, 1fr)); gap: 16px; }
.kid { display: flex; align-items: center; gap: 8px; background: white; border-radius: 12px; padding: 8px; box-shadow: 0 2px 6px #0002; }
.kid img { border: 2px solid #ddd; border-radius: 6px; }
.kid img.icon { width: auto; background: black; border: 0; padding: 4px; border-radius: 8px; }
.kid .arrow { font-size: 28px; color: #e64a19; }
table { border-collapse: collapse; }
td, th { border: 1px solid #ccc; padding: 6px 10px; text-align: left; }
)";

}  // namespace

QString page(const QStringList& drawings) {
  QString h;
  h += "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Pinzola User Guide</title><style>";
  h += QString::fromLatin1(kStyle);
  h += "</style></head><body>\n";
  h += "<header><h1>Pinzola</h1><p>Colour in drawings, paint, mix, sparkle &mdash; and save your pictures.</p></header>\n";
  // Blanks between the links keep them apart where margins are not drawn.
  h += "<nav><a href=\"#kids\">&#9733;</a> <a href=\"#start\">Start</a> <a href=\"#screen\">The screen</a> "
       "<a href=\"#tools\">Tools</a> <a href=\"#colours\">Colours</a> <a href=\"#zoom\">Zoom &amp; Undo</a> "
       "<a href=\"#files\">Open &amp; Save</a> <a href=\"#menu\">Surface menu</a> "
       "<a href=\"#grownups\">For grown-ups</a></nav>\n<main>\n";
  // Pictures first, for children who cannot read yet.
  h += kidsSection();

  h += "<h2 id=\"start\">Let's start!</h2>\n<p>When Pinzola opens you get a clean white sheet. You can paint on it "
       "straight away, or open one of the drawings to colour in: click the <b>open and save</b> picture on the "
       "<b>SYSTEM</b> page and choose <b>Open Pinzola Picture...</b>.</p>\n<div class=\"drawings\">";
  for (const QString& n : drawings) {
    QString base = displayName(n);
    h += QStringLiteral("<figure>%1<figcaption>%2</figcaption></figure>")
             .arg(img("drawing-" + QString(base).replace(' ', '-') + ".png", base), base.toHtmlEscaped());
  }
  h += "</div>\n";

  h += "<h2 id=\"screen\">The screen</h2>\n<p>" + img("screen.png", "Pinzola's main window", "shot") + "</p>\n"
       "<p>The big white area is your picture. Along the top is the black <b>control strip</b> with two pages, "
       "<b>TOOLS</b> and <b>SYSTEM</b>; click the tabs at its bottom to change page. Use the scroll bars on the "
       "right and bottom when the picture is bigger than the window.</p>\n"
       "<p><b>X/Y:</b> at the top left shows where the pointer is.</p>\n";

  h += "<h2 id=\"tools\">The tools</h2>\n<p class=\"strip\">" + img("chest.png", "tool chest") +
       "Click the <b>tool chest</b> on the TOOLS page to choose a tool. Many tools let you pick a brush size or a "
       "line width in the strip next to it.</p>\n<div class=\"tools\">";
  for (const Tool& t : tools())
    h += QStringLiteral("<div class=\"tool\">%1<div><h3>%2</h3>%3</div></div>\n")
             .arg(img(QStringLiteral("tool%1.png").arg(t.id), t.name), t.name, t.text);
  h += "</div>\n<p class=\"tip\">Painting never spoils the black lines of a drawing &mdash; only the Black Pencil, "
       "the Black Eraser and the Wand Stars change them.</p>\n";

  h += "<h2 id=\"colours\">Choosing colours</h2>\n"
       "<p class=\"strip\">" + img("colorbox.png", "colour box") +
       "Click the <b>colour box</b> to open <b>Pinzola's Colors</b>. Click any patch to paint with it; double-click "
       "to pick it and close the window. The <b>R</b>, <b>G</b> and <b>B</b> sliders mix red, green and blue "
       "yourself, and the numbers under them tell you the colour. The list below chooses another palette "
       "(try <i>rainbow</i>, <i>nature</i> or <i>people</i>); Pinzola remembers it until you close the program.</p>\n"
       "<p>" + img("colors.png", "the colours window", "shot") + "</p>\n"
       "<p class=\"strip\">" + img("brighten.png", "brighten") + img("darken.png", "darken") +
       "make your colour a little <b>brighter</b> or <b>darker</b>. Clicking the little colour swatch opens the full "
       "colour chooser, where any colour at all can be picked.</p>\n";

  h += "<h2 id=\"zoom\">Zoom and Undo</h2>\n<p class=\"strip\">" + img("zoomin.png", "zoom in") +
       img("zoomout.png", "zoom out") + img("nozoom.png", "normal size") +
       "<b>Zoom In</b> makes the picture bigger (2 times, then 4 times) for fiddly corners, <b>Zoom Out</b> shows "
       "it at half size, and the third button goes back to normal size. You can also drag a rectangle with "
       "<b>Zoom Rectangle</b> from the right-click menu.</p>\n"
       "<p><b>UNDO</b> takes back everything you did since you last chose a tool or a colour, saved, or pasted.</p>\n";

  h += "<h2 id=\"files\">Opening and saving</h2>\n<p class=\"strip\">" + img("opensave.png", "open and save") +
       "On the <b>SYSTEM</b> page, the <b>open and save</b> picture shows the file menu:</p>\n<table>"
       "<tr><th>Open Pinzola Picture...</th><td>Choose a drawing to colour. Click a name to see it, then "
       "<b>OK</b>. The window's title shows which drawing you are using.</td></tr>"
       "<tr><th>Open Saved Pinzola Picture...</th><td>Open a picture you saved before. Pinzola tidies its colours "
       "as it opens (you can watch the percentage count up), so black lines are black again.</td></tr>"
       "<tr><th>Save Pinzola Picture</th><td>Saves your picture under its name. A new picture asks for a name "
       "first.</td></tr>"
       "<tr><th>Save Pinzola Picture As...</th><td>Saves under a new name. If a picture with that name exists, "
       "Pinzola asks before replacing it.</td></tr></table>\n"
       "<p>" + img("open.png", "the open window", "shot") + "</p>\n<p>" +
       img("savename.png", "the name window", "shot") + "</p>\n"
       "<p class=\"tip\">A name may have spaces and capital letters, but not a <b>/</b>. If something goes wrong "
       "while saving (for example the disk is full), Pinzola tells you and your earlier picture of that name is "
       "kept safe.</p>\n";

  h += "<h2 id=\"menu\">The right-click menu</h2>\n<p>Click the right mouse button on your picture for more:</p>"
       "<table><tr><th>Print Setup... / Print...</th><td>Choose a printer, then print your picture.</td></tr>"
       "<tr><th>Paste</th><td>Puts a copied picture on yours. Move it where you want it and click to drop it. A "
       "plain background around it becomes see-through.</td></tr>"
       "<tr><th>Clipart Library... (F8)</th><td>Pick a ready-made picture (animals, stars, balloons...) and "
       "choose its size, then Paste it.</td></tr>"
       "<tr><th>Zoom Rectangle</th><td>Drag a box to zoom into it.</td></tr>"
       "<tr><th>Get AVI Movie Frame...</th><td>Opens PinzFX to take a picture from a video.</td></tr>"
       "<tr><th>Insert Text...</th><td>Opens PinzFX to write words with shadows and other effects.</td></tr>"
       "<tr><th>Import WMF Image...</th><td>Opens PinzFX to bring in a drawing made by another program.</td></tr>"
       "</table>\n<p>In PinzFX, select what you want, press <b>Copy Selected Area to Clipboard</b> and "
       "<b>Return to Pinzola</b>, then Paste it.</p>\n"
       "<h3>Keys</h3><table><tr><th>Ctrl+Z</th><td>UNDO</td></tr>"
       "<tr><th>Ctrl+O</th><td>Open Pinzola Picture...</td></tr><tr><th>Ctrl+S</th><td>Save Pinzola Picture</td></tr>"
       "<tr><th>Ctrl+V</th><td>Paste</td></tr><tr><th>Ctrl+P</th><td>Print...</td></tr>"
       "<tr><th>F8</th><td>Clipart Library...</td></tr></table>\n"
       "<p class=\"strip\">" + img("help.png", "help") + "opens this guide, " + img("about.png", "about") +
       "tells you about Pinzola, and " + img("quit.png", "quit") + "closes the program (it asks first).</p>\n";

  h += "<h2 id=\"grownups\">For grown-ups</h2>\n<p>Everything Pinzola uses lives in its program folder:</p><table>"
       "<tr><th>bmps/</th><td>drawings to colour (Windows BMP; add your own black-on-white drawings)</td></tr>"
       "<tr><th>user/</th><td>saved pictures (JPEG at the highest quality)</td></tr>"
       "<tr><th>palettes/</th><td>palette pictures for the colours window (BMP)</td></tr>"
       "<tr><th>textures/</th><td>50&times;50 textures for the Texture Brush</td></tr>"
       "<tr><th>clipart/</th><td>clip art pictures</td></tr><tr><th>docs/</th><td>this guide</td></tr></table>\n"
       "<p>Pinzola keeps no settings: every start begins fresh.</p>\n";
  h += "</main></body></html>\n";
  return h;
}

}  // namespace pz::guide
