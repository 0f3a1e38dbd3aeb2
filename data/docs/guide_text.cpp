#include "data/docs/guide_text.h"

#include <QCoreApplication>

#include "data/docs/kids.h"
#include "paint/tools/tool_ids.h"
#include "platform/language.h"
#include "platform/folders.h"

namespace pz::guide {

const std::vector<Tool>& tools() {
  static const std::vector<Tool> all = {
      {ToolAcrylicPaint, "Acrylic Paint", QT_TRANSLATE_NOOP("Guide", "Paints thick, dry colour that does not mix with what is already there. "
                                          "Good for bright, even areas.")},
      {ToolPastel, "Pastel", QT_TRANSLATE_NOOP("Guide", "Goes on like a crayon, with a soft grainy edge.")},
      {ToolPastelMix, "Pastel (mixing)", QT_TRANSLATE_NOOP("Guide", "Like the pastel, but the colours blend where they touch.")},
      {ToolWaterPen, "Water Pen", QT_TRANSLATE_NOOP("Guide", "Paints see-through colour, like watercolour. Change how watery it is with "
                                  "%1 on the control strip.")},
      {ToolWaterPenMix, "Water Pen (mixing)", QT_TRANSLATE_NOOP("Guide", "A watery pen that mixes with the colours under it.")},
      {ToolOilPaint, "Oil Paint", QT_TRANSLATE_NOOP("Guide", "Smooth paint that blends and mixes as you move it around.")},
      {ToolSprayPaint, "Spray Paint", QT_TRANSLATE_NOOP("Guide", "Sprays tiny dots of one colour, like a spray can.")},
      {ToolSprayPaintMix, "Spray Paint (mixing)", QT_TRANSLATE_NOOP("Guide", "Sprays a colour that mixes with what it lands on.")},
      {ToolWandStars, "Wand Stars", QT_TRANSLATE_NOOP("Guide", "Sprinkles sparkling stars, as if from a magic wand. Stars go over everything, "
                                    "even black lines.")},
      {ToolReplacementPaint, "Replacement Paint", QT_TRANSLATE_NOOP("Guide", "Press on a colour and paint: only that colour is changed to "
                                                  "your new one.")},
      {ToolBucket, "Bucket", QT_TRANSLATE_NOOP("Guide", "Click inside a shape to fill it with colour in one go. The black lines keep the "
                             "colour inside.")},
      {ToolBlackPencil, "Black Pencil", QT_TRANSLATE_NOOP("Guide", "Draws new black lines. Choose how thick in the widths strip.")},
      {ToolBlackEraser, "Black Eraser", QT_TRANSLATE_NOOP("Guide", "Rubs out black lines only; your colours stay.")},
      {ToolColorEraser, "Color Eraser", QT_TRANSLATE_NOOP("Guide", "Rubs out colour only; the black lines stay.")},
      {ToolRazor, "Razor", QT_TRANSLATE_NOOP("Guide", "Shaves colour away from the black lines, to tidy up the edges.")},
      {ToolTextureBrush, "Texture Brush", QT_TRANSLATE_NOOP("Guide", "Paints with a pattern (a texture) instead of a plain colour. Tick "
                                          "%1 to paint only where the paper is still white.")},
      {ToolDropper, "Dropper", QT_TRANSLATE_NOOP("Guide", "Click on any colour in your picture to pick it up and paint with it.")},
      {ToolAreaSelect, "Rectangular Area Select", QT_TRANSLATE_NOOP("Guide", "Drag a box over part of the picture. A small menu lets you "
                                                   "%1, %2, %3 it, or "
                                                   "%4 for the Texture Brush.")},
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

QString page(const QStringList& drawings, const QString& lang) {
  // Names of the programs' own controls, as the windows show them.
  auto ui = [](const char* context, const char* text) {
    return QCoreApplication::translate(context, text).remove(QLatin1Char('&')).toHtmlEscaped();
  };
  auto b = [](const QString& s) { return QStringLiteral("<b>%1</b>").arg(s); };
  const QString toolsPage = ui("pz::Tmainpinz", "TOOLS"), system = ui("pz::Tmainpinz", "SYSTEM");
  QString h;
  h += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\"><title>%2</title><style>")
           .arg(lang.isEmpty() ? QStringLiteral("en") : QString(lang).replace(QLatin1Char('_'), QLatin1Char('-')),
                QCoreApplication::translate("Guide", "Pinzola User Guide"));
  h += QString::fromLatin1(kStyle);
  h += "</style></head><body>\n";
  h += "<header><h1>Pinzola</h1><p>" + QCoreApplication::translate("Guide", "Colour in drawings, paint, mix, sparkle &mdash; and save your pictures.") +
       "</p></header>\n";
  h += "<nav><a href=\"#kids\">&#9733;</a> <a href=\"#start\">" + QCoreApplication::translate("Guide", "Start") + "</a><a href=\"#screen\">" + QCoreApplication::translate("Guide", "The screen") +
       "</a><a href=\"#tools\">" + QCoreApplication::translate("Guide", "Tools") + "</a><a href=\"#colours\">" + QCoreApplication::translate("Guide", "Colours") +
       "</a><a href=\"#zoom\">" + QCoreApplication::translate("Guide", "Zoom &amp; Undo") + "</a><a href=\"#files\">" + QCoreApplication::translate("Guide", "Open &amp; Save") +
       "</a><a href=\"#menu\">" + QCoreApplication::translate("Guide", "Surface menu") + "</a><a href=\"#grownups\">" + QCoreApplication::translate("Guide", "For grown-ups") +
       "</a></nav>\n<main>\n";
  // Pictures first, for children who cannot read yet.
  h += kidsSection();

  h += "<h2 id=\"start\">" + QCoreApplication::translate("Guide", "Let's start!") + "</h2>\n<p>" +
       QCoreApplication::translate("Guide", "When Pinzola opens you get a clean white sheet. You can paint on it straight away, or open one of the "
         "drawings to colour in: click the <b>open and save</b> picture on the %1 page and choose %2.")
           .arg(b(system), b(ui("pz::Tmainpinz", "Open Pinzola Picture..."))) +
       "</p>\n<div class=\"drawings\">";
  for (const QString& n : drawings) {
    const QString base = displayName(n);
    const QString shown = contentName(base);
    h += QStringLiteral("<figure>%1<figcaption>%2</figcaption></figure>")
             .arg(img("drawing-" + QString(base).replace(' ', '-') + ".png", shown.toHtmlEscaped()), shown.toHtmlEscaped());
  }
  h += "</div>\n";

  h += "<h2 id=\"screen\">" + QCoreApplication::translate("Guide", "The screen") + "</h2>\n<p>" + img("screen.png", QCoreApplication::translate("Guide", "Pinzola's main window"), "shot") +
       "</p>\n<p>" +
       QCoreApplication::translate("Guide", "The big white area is your picture. Along the top is the black <b>control strip</b> with two pages, "
         "%1 and %2; click the tabs at its bottom to change page. Use the scroll bars on the right and bottom "
         "when the picture is bigger than the window.")
           .arg(b(toolsPage), b(system)) +
       "</p>\n<p>" + QCoreApplication::translate("Guide", "<b>X/Y:</b> at the top left shows where the pointer is.") + "</p>\n";

  h += "<h2 id=\"tools\">" + QCoreApplication::translate("Guide", "The tools") + "</h2>\n<p class=\"strip\">" + img("chest.png", QCoreApplication::translate("Guide", "tool chest")) +
       QCoreApplication::translate("Guide", "Click the <b>tool chest</b> on the %1 page to choose a tool. Many tools let you pick a brush size or a "
         "line width in the strip next to it.")
           .arg(toolsPage) +
       "</p>\n<div class=\"tools\">";
  for (const Tool& t : tools()) {
    const QString name = QCoreApplication::translate("pz::Tools", t.name.toUtf8().constData()).toHtmlEscaped();
    QString text = QCoreApplication::translate("Guide", t.text.toUtf8().constData());
    if (t.id == ToolWaterPen) text = text.arg(b(ui("pz::Tmainpinz", "Water %")));
    if (t.id == ToolTextureBrush) text = text.arg(b(ui("pz::Tmainpinz", "White Only")));
    if (t.id == ToolAreaSelect)
      text = text.arg(b(ui("pz::Tmainpinz", "Delete")), b(ui("pz::Tmainpinz", "Cut")), b(ui("pz::Tmainpinz", "Copy")),
                      b(ui("pz::Tmainpinz", "Save As Texture")));
    h += QStringLiteral("<div class=\"tool\">%1<div><h3>%2</h3>%3</div></div>\n")
             .arg(img(QStringLiteral("tool%1.png").arg(t.id), name), name, text);
  }
  h += "</div>\n<p class=\"tip\">" +
       QCoreApplication::translate("Guide", "Painting never spoils the black lines of a drawing &mdash; only the Black Pencil, the Black Eraser and "
         "the Wand Stars change them.") +
       "</p>\n";

  h += "<h2 id=\"colours\">" + QCoreApplication::translate("Guide", "Choosing colours") + "</h2>\n<p class=\"strip\">" +
       img("colorbox.png", QCoreApplication::translate("Guide", "colour box")) +
       QCoreApplication::translate("Guide", "Click the <b>colour box</b> to open %1. Click any patch to paint with it; double-click to pick it and "
         "close the window. The %2, %3 and %4 sliders mix red, green and blue yourself, and the numbers under "
         "them tell you the colour. The list below chooses another palette; Pinzola remembers it until you close "
         "the program.")
           .arg(b(ui("pz::Tpalpinz", "Pinzola's Colors")), b(ui("pz::Tpalpinz", "R")), b(ui("pz::Tpalpinz", "G")),
                b(ui("pz::Tpalpinz", "B"))) +
       "</p>\n<p>" + img("colors.png", QCoreApplication::translate("Guide", "the colours window"), "shot") + "</p>\n<p class=\"strip\">" +
       img("brighten.png", QCoreApplication::translate("Guide", "brighten")) + img("darken.png", QCoreApplication::translate("Guide", "darken")) +
       QCoreApplication::translate("Guide", "make your colour a little <b>brighter</b> or <b>darker</b>. Clicking the little colour swatch opens the "
         "full colour chooser, where any colour at all can be picked.") +
       "</p>\n";

  h += "<h2 id=\"zoom\">" + QCoreApplication::translate("Guide", "Zoom and Undo") + "</h2>\n<p class=\"strip\">" + img("zoomin.png", QCoreApplication::translate("Guide", "zoom in")) +
       img("zoomout.png", QCoreApplication::translate("Guide", "zoom out")) + img("nozoom.png", QCoreApplication::translate("Guide", "normal size")) +
       QCoreApplication::translate("Guide", "%1 makes the picture bigger (2 times, then 4 times) for fiddly corners, %2 shows it at half size, and the "
         "third button goes back to normal size. You can also drag a rectangle with %3 from the right-click menu.")
           .arg(b(ui("pz::Tmainpinz", "Zoom In")), b(ui("pz::Tmainpinz", "Zoom Out")),
                b(ui("pz::Tmainpinz", "&Zoom Rectangle"))) +
       "</p>\n<p>" +
       QCoreApplication::translate("Guide", "%1 takes back everything you did since you last chose a tool or a colour, saved, or pasted.")
           .arg(b(ui("pz::Tmainpinz", "UNDO"))) +
       "</p>\n";

  auto row = [](const QString& th, const QString& td) { return QStringLiteral("<tr><th>%1</th><td>%2</td></tr>").arg(th, td); };
  h += "<h2 id=\"files\">" + QCoreApplication::translate("Guide", "Opening and saving") + "</h2>\n<p class=\"strip\">" +
       img("opensave.png", QCoreApplication::translate("Guide", "open and save")) +
       QCoreApplication::translate("Guide", "On the %1 page, the <b>open and save</b> picture shows the file menu:").arg(b(system)) + "</p>\n<table>" +
       row(ui("pz::Tmainpinz", "Open Pinzola Picture..."),
           QCoreApplication::translate("Guide", "Choose a drawing to colour. Click a name to see it, then <b>OK</b>. The window's title shows which "
             "drawing you are using.")) +
       row(ui("pz::Tmainpinz", "Open Saved Pinzola Picture..."),
           QCoreApplication::translate("Guide", "Open a picture you saved before. Pinzola tidies its colours as it opens (you can watch the percentage "
             "count up), so black lines are black again.")) +
       row(ui("pz::Tmainpinz", "Save Pinzola Picture"),
           QCoreApplication::translate("Guide", "Saves your picture under its name. A new picture asks for a name first.")) +
       row(ui("pz::Tmainpinz", "Save Pinzola Picture As..."),
           QCoreApplication::translate("Guide", "Saves under a new name. If a picture with that name exists, Pinzola asks before replacing it.")) +
       "</table>\n<p>" + img("open.png", QCoreApplication::translate("Guide", "the open window"), "shot") + "</p>\n<p>" +
       img("savename.png", QCoreApplication::translate("Guide", "the name window"), "shot") + "</p>\n<p class=\"tip\">" +
       QCoreApplication::translate("Guide", "A name may have spaces and capital letters, but not a <b>/</b>. If something goes wrong while saving (for "
         "example the disk is full), Pinzola tells you and your earlier picture of that name is kept safe.") +
       "</p>\n";

  h += "<h2 id=\"menu\">" + QCoreApplication::translate("Guide", "The right-click menu") + "</h2>\n<p>" +
       QCoreApplication::translate("Guide", "Click the right mouse button on your picture for more:") + "</p><table>" +
       row(ui("pz::Tmainpinz", "Print Setup...") + " / " + ui("pz::Tmainpinz", "Print..."),
           QCoreApplication::translate("Guide", "Choose a printer, then print your picture.")) +
       row(ui("pz::Tmainpinz", "Paste"),
           QCoreApplication::translate("Guide", "Puts a copied picture on yours. Move it where you want it and click to drop it. A plain background "
             "around it becomes see-through.")) +
       row(ui("pz::Tmainpinz", "Clipart Library...") + " (F8)",
           QCoreApplication::translate("Guide", "Pick a ready-made picture (animals, stars, balloons...) and choose its size, then Paste it.")) +
       row(ui("pz::Tmainpinz", "&Zoom Rectangle"), QCoreApplication::translate("Guide", "Drag a box to zoom into it.")) +
       row(ui("pz::Tmainpinz", "Get AVI Movie Frame..."), QCoreApplication::translate("Guide", "Opens PinzFX to take a picture from a video.")) +
       row(ui("pz::Tmainpinz", "Insert Text..."), QCoreApplication::translate("Guide", "Opens PinzFX to write words with shadows and other effects.")) +
       row(ui("pz::Tmainpinz", "Import WMF Image..."), QCoreApplication::translate("Guide", "Opens PinzFX to bring in a drawing made by another program.")) +
       "</table>\n<p>" +
       QCoreApplication::translate("Guide", "In PinzFX, select what you want, press %1 and %2, then Paste it.")
           .arg(b(ui("fx::AreaSelect", "Copy Selected Area to Clipboard")), b(ui("fx::AreaSelect", "Return to Pinzola"))) +
       "</p>\n<h3>" + QCoreApplication::translate("Guide", "Keys") + "</h3><table>" +
       row("Ctrl+Z", ui("pz::Tmainpinz", "UNDO")) + row("Ctrl+O", ui("pz::Tmainpinz", "Open Pinzola Picture...")) +
       row("Ctrl+S", ui("pz::Tmainpinz", "Save Pinzola Picture")) + row("Ctrl+V", ui("pz::Tmainpinz", "Paste")) +
       row("Ctrl+P", ui("pz::Tmainpinz", "Print...")) + row("F8", ui("pz::Tmainpinz", "Clipart Library...")) +
       "</table>\n<p class=\"strip\">" +
       QCoreApplication::translate("Guide", "%1 opens this guide, %2 tells you about Pinzola, and %3 closes the program (it asks first).")
           .arg(img("help.png", QCoreApplication::translate("Guide", "help")), img("about.png", QCoreApplication::translate("Guide", "about")), img("quit.png", QCoreApplication::translate("Guide", "quit"))) +
       "</p>\n";

  h += "<h2 id=\"grownups\">" + QCoreApplication::translate("Guide", "For grown-ups") + "</h2>\n<p>" +
       QCoreApplication::translate("Guide", "Everything Pinzola uses lives in its program folder:") + "</p><table>" +
       row("bmps/", QCoreApplication::translate("Guide", "drawings to colour (Windows BMP; add your own black-on-white drawings)")) +
       row("user/", QCoreApplication::translate("Guide", "saved pictures (JPEG at the highest quality)")) +
       row("palettes/", QCoreApplication::translate("Guide", "palette pictures for the colours window (BMP)")) +
       row("textures/", QCoreApplication::translate("Guide", "50&times;50 textures for the Texture Brush")) + row("clipart/", QCoreApplication::translate("Guide", "clip art pictures")) +
       row("docs/", QCoreApplication::translate("Guide", "this guide")) + "</table>\n<p>" + QCoreApplication::translate("Guide", "Pinzola keeps no settings: every start begins fresh.") +
       "</p>\n";
  h += "</main></body></html>\n";
  return h;
}

}  // namespace pz::guide
