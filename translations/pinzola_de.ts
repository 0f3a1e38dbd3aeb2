<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>fx::AreaSelect</name>
    <message>
        <source> Area Select </source>
        <translation> Bereich wählen </translation>
    </message>
    <message>
        <source>Copy a rectangular area</source>
        <translation>Ein Rechteck kopieren</translation>
    </message>
    <message>
        <source>Copy irregular area</source>
        <translation>Eine freie Form kopieren</translation>
    </message>
    <message>
        <source>Copy the whole image</source>
        <translation>Das ganze Bild kopieren</translation>
    </message>
    <message>
        <source>Copy Selected Area to Clipboard</source>
        <translation>Auswahl in die Ablage kopieren</translation>
    </message>
    <message>
        <source>Return to Pinzola</source>
        <translation>Zurück zu Pinzola</translation>
    </message>
</context>
<context>
    <name>fx::MetafilePage</name>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Breite: %1  Höhe: %2</translation>
    </message>
    <message>
        <source>Browse System for WMF File...</source>
        <translation>WMF-Datei suchen...</translation>
    </message>
    <message>
        <source>Retrieve WMF File from Clipboard...</source>
        <translation>WMF-Bild aus der Ablage holen...</translation>
    </message>
    <message>
        <source> Size </source>
        <translation> Größe </translation>
    </message>
    <message>
        <source>Make the image larger</source>
        <translation>Bild größer machen</translation>
    </message>
    <message>
        <source>Make the image smaller</source>
        <translation>Bild kleiner machen</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Set the image to normal size</source>
        <translation>Bild auf normale Größe setzen</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Breite:               Höhe:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Windows Metafiles (*.[wW][mM][fF] *.[eE][mM][fF])</source>
        <translation>Windows-Metadateien (*.[wW][mM][fF] *.[eE][mM][fF])</translation>
    </message>
    <message>
        <source>The picture on the clipboard cannot be read.</source>
        <translation>Das Bild in der Ablage kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>fx::TextPage</name>
    <message>
        <source>Text Effect:</source>
        <translation>Text-Effekt:</translation>
    </message>
    <message>
        <source>Choose test style here</source>
        <translation>Hier den Schrift-Stil wählen</translation>
    </message>
    <message>
        <source>Click to choose background color</source>
        <translation>Klicken, um die Hintergrundfarbe zu wählen</translation>
    </message>
    <message>
        <source>Click to choose foreground color</source>
        <translation>Klicken, um die Vordergrundfarbe zu wählen</translation>
    </message>
    <message>
        <source>Choose lettering style here</source>
        <translation>Hier die Schriftart wählen</translation>
    </message>
    <message>
        <source>Choose lettering size here</source>
        <translation>Hier die Schriftgröße wählen</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Make your text italic</source>
        <translation>Text schräg machen</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Make your text bold</source>
        <translation>Text fett machen</translation>
    </message>
    <message>
        <source>Enter Text Here</source>
        <translation>Hier Text eingeben</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Letzten Schritt zurücknehmen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear the screen</source>
        <translation>Alles weiß machen</translation>
    </message>
    <message>
        <source>Shadow Depth:</source>
        <translation>Schatten:</translation>
    </message>
    <message>
        <source>Click to change the depth</source>
        <translation>Klicken, um den Schatten zu ändern</translation>
    </message>
    <message>
        <source>1 Pixel</source>
        <translation>1 Pixel</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>%1 Pixels</source>
        <translation>%1 Pixel</translation>
    </message>
</context>
<context>
    <name>fx::Tpamain</name>
    <message>
        <source>Grab Frame from AVI File</source>
        <translation>Bild aus AVI-Film holen</translation>
    </message>
    <message>
        <source>Add Text Effect</source>
        <translation>Text mit Effekt</translation>
    </message>
    <message>
        <source>Vector Graphic Image to Bitmap</source>
        <translation>Vektorbild zu Pixelbild</translation>
    </message>
    <message>
        <source>This application can only be executed from Pinzola.</source>
        <translation>Dieses Programm kann nur aus Pinzola gestartet werden.</translation>
    </message>
</context>
<context>
    <name>fx::Trotator</name>
    <message>
        <source>Set Text Rotation Angle</source>
        <translation>Text drehen</translation>
    </message>
    <message>
        <source>%1 Degrees</source>
        <translation>%1 Grad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
</context>
<context>
    <name>fx::VideoPage</name>
    <message>
        <source>AVI Movies (*.[aA][vV][iI])</source>
        <translation>AVI-Filme (*.[aA][vV][iI])</translation>
    </message>
    <message>
        <source>Get AVI File...</source>
        <translation>AVI-Film holen...</translation>
    </message>
    <message>
        <source> Playback Control </source>
        <translation> Abspielen </translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>ABSPIELEN</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Move Back One Frame</source>
        <translation>Ein Bild zurück</translation>
    </message>
    <message>
        <source>Move Ahead One Frame</source>
        <translation>Ein Bild weiter</translation>
    </message>
    <message>
        <source>Click and drag the pointer to move about in the file</source>
        <translation>Klicken und ziehen, um im Film zu wandern</translation>
    </message>
    <message>
        <source>Frame   of </source>
        <translation>Bild   von </translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>%1 mS</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source> Frame Size </source>
        <translation> Bildgröße </translation>
    </message>
    <message>
        <source>Make it larger</source>
        <translation>Größer machen</translation>
    </message>
    <message>
        <source>Make it smaller</source>
        <translation>Kleiner machen</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Set image to normal size</source>
        <translation>Bild auf normale Größe setzen</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Breite:               Höhe:</translation>
    </message>
    <message>
        <source>Get AVI File</source>
        <translation>AVI-Film holen</translation>
    </message>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Breite: %1  Höhe: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Bild %1 von %2</translation>
    </message>
</context>
<context>
    <name>pz::Canvas</name>
    <message>
        <source>Pinzola cannot start: the art file %1 is missing or unreadable (%2).</source>
        <translation>Pinzola kann nicht starten: Die Bilddatei %1 fehlt oder ist nicht lesbar (%2).</translation>
    </message>
    <message>
        <source>Paint, color and play!</source>
        <translation>Malen, färben und spielen!</translation>
    </message>
</context>
<context>
    <name>pz::Files</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Click a name to see it</source>
        <translation>Klick auf einen Namen</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (ohne Namen)</translation>
    </message>
    <message>
        <source>Pinzola -- %1</source>
        <translation>Pinzola -- %1</translation>
    </message>
    <message>
        <source>Pinzola -- using %1</source>
        <translation>Pinzola -- mit %1</translation>
    </message>
    <message>
        <source>Pinzola -- adjusting colors</source>
        <translation>Pinzola -- Farben werden angepasst</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1already exists. Overwrite?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>No Saved Pictures to open.</source>
        <translation>Es gibt noch keine gespeicherten Bilder.</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to paste. Pictures can be at most 16000 pixels wide and 16000 pixels high.</source>
        <translation>Das Bild in der Ablage ist zu groß zum Einfügen. Bilder dürfen höchstens 16000 Pixel breit und 16000 Pixel hoch sein.</translation>
    </message>
    <message>
        <source>The picture on the clipboard could not be read.</source>
        <translation>Das Bild in der Ablage konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>A picture&apos;s name cannot contain &quot;/&quot; or control characters and cannot be &quot;.&quot; or &quot;..&quot;. Please choose another name.</source>
        <translation>Ein Bildname darf kein &quot;/&quot; und keine Steuerzeichen enthalten und nicht &quot;.&quot; oder &quot;..&quot; sein. Bitte wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>That name is too long for a picture. Please choose a shorter name.</source>
        <translation>Dieser Name ist zu lang für ein Bild. Bitte wähle einen kürzeren Namen.</translation>
    </message>
    <message>
        <source>%1

The picture you are painting has not been changed.</source>
        <translation>%1

Dein Bild ist unverändert.</translation>
    </message>
    <message>
        <source>Cannot save the picture as %1 (%2). Nothing was written: an earlier picture of that name is unchanged, and the picture you are painting is still here.</source>
        <translation>Das Bild kann nicht als %1 gespeichert werden (%2). Es wurde nichts geschrieben: Ein älteres Bild mit diesem Namen ist unverändert, und dein Bild ist noch da.</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>in den Ordner kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Textures are limited to 50x50. Your bitmap will take the top left 50x50 as the texture. OK?</source>
        <translation>Muster sind nur 50x50 groß. Die oberen linken 50x50 deines Bildes werden das Muster. OK?</translation>
    </message>
</context>
<context>
    <name>pz::Platform</name>
    <message>
        <source>Out of memory.</source>
        <translation>Der Speicher ist voll.</translation>
    </message>
    <message>
        <source>not a bitmap file</source>
        <translation>keine Bitmap-Datei</translation>
    </message>
    <message>
        <source>truncated bitmap header</source>
        <translation>Bitmap-Kopf abgeschnitten</translation>
    </message>
    <message>
        <source>unknown bitmap header</source>
        <translation>unbekannter Bitmap-Kopf</translation>
    </message>
    <message>
        <source>bitmap size out of range</source>
        <translation>Bitmap-Größe ungültig</translation>
    </message>
    <message>
        <source>unsupported bit depth</source>
        <translation>Farbtiefe nicht unterstützt</translation>
    </message>
    <message>
        <source>truncated bit fields</source>
        <translation>Bitfelder abgeschnitten</translation>
    </message>
    <message>
        <source>unsupported compression</source>
        <translation>Kompression nicht unterstützt</translation>
    </message>
    <message>
        <source>bad bit fields</source>
        <translation>fehlerhafte Bitfelder</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>keine Bilddaten</translation>
    </message>
    <message>
        <source>truncated pixel data</source>
        <translation>Bilddaten abgeschnitten</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 ist zu groß für ein Bild</translation>
    </message>
    <message>
        <source>%1 is not a valid bitmap (%2)</source>
        <translation>%1 ist keine gültige Bitmap (%2)</translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation>keine JPEG-Datei</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>no JPEG decoder</source>
        <translation>kein JPEG-Decoder</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>Bild zu groß</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <translation>CMYK-Bilder werden nicht unterstützt</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>leeres Bild</translation>
    </message>
    <message>
        <source>no JPEG encoder</source>
        <translation>kein JPEG-Encoder</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture.</source>
        <translation>%1 ist zu groß für ein Bild.</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Die Datei %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>not a BMP or JPEG picture</source>
        <translation>kein BMP- oder JPEG-Bild</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture (%2).</source>
        <translation>%1 lässt sich nicht als Bild öffnen (%2).</translation>
    </message>
    <message>
        <source>%1 is not a metafile: the extension is not .wmf or .emf.</source>
        <translation>%1 ist keine Metadatei: Die Endung ist nicht .wmf oder .emf.</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Die Datei %1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 is too large to be a metafile.</source>
        <translation>%1 ist zu groß für eine Metadatei.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 kann nicht gezeigt werden: %2.</translation>
    </message>
    <message>
        <source>it is not an enhanced metafile</source>
        <translation>es ist keine Enhanced-Metadatei</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the picture has no size</source>
        <translation>das Bild hat keine Größe</translation>
    </message>
    <message>
        <source>the file is truncated or its records are damaged</source>
        <translation>die Datei ist abgeschnitten oder beschädigt</translation>
    </message>
    <message>
        <source>the placeable header&apos;s checksum is wrong</source>
        <translation>die Prüfsumme des Kopfes stimmt nicht</translation>
    </message>
    <message>
        <source>the header gives no units per inch</source>
        <translation>der Kopf nennt keine Einheiten pro Zoll</translation>
    </message>
    <message>
        <source>it is not a placeable Windows metafile or an enhanced metafile</source>
        <translation>es ist weder eine platzierbare Windows-Metadatei noch eine Enhanced-Metadatei</translation>
    </message>
    <message>
        <source>it is not a Windows metafile</source>
        <translation>es ist keine Windows-Metadatei</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No file was given to print into.</source>
        <translation>Es wurde keine Datei zum Drucken angegeben.</translation>
    </message>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Es ist kein Standarddrucker ausgewählt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>Der Drucker &quot;%1&quot; ist nicht da.</translation>
    </message>
    <message>
        <source>The printer could not start the page.</source>
        <translation>Der Drucker konnte die Seite nicht beginnen.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation>Die Seite konnte nicht zum Drucker geschickt werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>Die Datei &quot;%1&quot; ist nicht zu finden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Die Datei &quot;%1&quot; ist leer.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>Die Datei &quot;%1&quot; ist kein AVI-Film, oder ihr Kopf ist beschädigt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>In der Datei &quot;%1&quot; ist kein Film.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>Der Film in &quot;%1&quot; hat einen beschädigten Kopf: Er nennt keine Bildgröße.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>Der Film in &quot;%1&quot; soll %2 × %3 Pixel groß sein; der größte Film, der gezeigt werden kann, ist %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>Der Film in &quot;%1&quot; ist mit einem Verfahren (%2) gepackt, das nicht entpackt werden kann.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>Der Film in &quot;%1&quot; hat keine Bilder.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>Der Film in &quot;%1&quot; hat kein Bild, das gezeigt werden kann.</translation>
    </message>
</context>
<context>
    <name>pz::Taboutfrm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pz::Tartform</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>pz::Tmainpinz</name>
    <message>
        <source>Present position of cursor</source>
        <translation>Wo der Zeiger gerade ist</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>UPS!</translation>
    </message>
    <message>
        <source>Undo the last thing you did</source>
        <translation>Das Letzte rückgängig machen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Näher heran</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Weiter weg</translation>
    </message>
    <message>
        <source>Normal (1 to 1) Size</source>
        <translation>Normale Größe (1 zu 1)</translation>
    </message>
    <message>
        <source>Select Color to Use</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Click to brighten</source>
        <translation>Klicken zum Aufhellen</translation>
    </message>
    <message>
        <source>Click to darken</source>
        <translation>Klicken zum Abdunkeln</translation>
    </message>
    <message>
        <source>Select a tool to use</source>
        <translation>Ein Werkzeug wählen</translation>
    </message>
    <message>
        <source>Tool Chest</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Adjust percentage of water in the brush</source>
        <translation>Wie viel Wasser im Pinsel ist</translation>
    </message>
    <message>
        <source>Water %:</source>
        <translation>Wasser %:</translation>
    </message>
    <message>
        <source>White Only</source>
        <translation>Nur Weiß</translation>
    </message>
    <message>
        <source>When checked textures don&apos;t paint over colors</source>
        <translation>Mit Haken malen Muster nicht über Farben</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>Open and Save pictures</source>
        <translation>Bilder öffnen und speichern</translation>
    </message>
    <message>
        <source>Read the User Guide</source>
        <translation>Die Anleitung lesen</translation>
    </message>
    <message>
        <source>Quit Pinzola</source>
        <translation>Pinzola beenden</translation>
    </message>
    <message>
        <source>TOOLS</source>
        <translation>MALEN</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>SYSTEM</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Drucker einrichten...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clipart Library...</source>
        <translation>Clipart-Sammlung...</translation>
    </message>
    <message>
        <source>&amp;Zoom Rectangle</source>
        <translation>&amp;Zoom-Rechteck</translation>
    </message>
    <message>
        <source>Get AVI Movie Frame...</source>
        <translation>Bild aus AVI-Film holen...</translation>
    </message>
    <message>
        <source>Insert Text...</source>
        <translation>Text einfügen...</translation>
    </message>
    <message>
        <source>Import WMF Image...</source>
        <translation>WMF-Bild holen...</translation>
    </message>
    <message>
        <source>Open Pinzola Picture...</source>
        <translation>Pinzola-Bild öffnen...</translation>
    </message>
    <message>
        <source>Open Saved Pinzola Picture...</source>
        <translation>Gespeichertes Bild öffnen...</translation>
    </message>
    <message>
        <source>Save Pinzola Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Save Pinzola Picture As...</source>
        <translation>Bild speichern unter...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save As Texture</source>
        <translation>Als Muster speichern</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (ohne Namen)</translation>
    </message>
    <message>
        <source>Pinzola is not intended for LARGE FONT displays. Please adjust your display properties for SMALL FONTS.</source>
        <translation>Pinzola ist nicht für GROSSE SCHRIFTEN gemacht. Bitte stelle den Bildschirm auf KLEINE SCHRIFTEN.</translation>
    </message>
    <message>
        <source>Awwwww. Do you really have to leave now?</source>
        <translation>Ooooch. Musst du wirklich schon gehen?</translation>
    </message>
    <message>
        <source>The texture could not be saved.</source>
        <translation>Das Muster konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Water %</source>
        <translation>Wasser %</translation>
    </message>
    <message>
        <source>Pasting can only take place at 1:1 zoom.</source>
        <translation>Einfügen geht nur in der Größe 1:1.</translation>
    </message>
</context>
<context>
    <name>pz::Tools</name>
    <message>
        <source>Pastel</source>
        <translation>Pastell</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon</source>
        <translation>Pastell -- malt wie ein Wachsmalstift</translation>
    </message>
    <message>
        <source>Texture Brush</source>
        <translation>Musterpinsel</translation>
    </message>
    <message>
        <source>Texture Brush -- use to apply natural organic textures as paint</source>
        <translation>Musterpinsel -- malt mit Mustern aus der Natur</translation>
    </message>
    <message>
        <source>Water Pen</source>
        <translation>Wasserstift</translation>
    </message>
    <message>
        <source>Water Pen -- applies color transparently</source>
        <translation>Wasserstift -- malt durchsichtige Farbe</translation>
    </message>
    <message>
        <source>Rectangular Area Select</source>
        <translation>Rechteck auswählen</translation>
    </message>
    <message>
        <source>Razor</source>
        <translation>Rasierer</translation>
    </message>
    <message>
        <source>Razor -- shave color away from black lines</source>
        <translation>Rasierer -- schabt Farbe von schwarzen Linien</translation>
    </message>
    <message>
        <source>Acrylic Paint</source>
        <translation>Acrylfarbe</translation>
    </message>
    <message>
        <source>Acrylic Paint -- applies color dry (doesn&apos;t mix.)</source>
        <translation>Acrylfarbe -- malt trocken (mischt nicht.)</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Farbeimer</translation>
    </message>
    <message>
        <source>Bucket -- fill area with color</source>
        <translation>Farbeimer -- füllt eine Fläche mit Farbe</translation>
    </message>
    <message>
        <source>Black Pencil</source>
        <translation>Schwarzer Stift</translation>
    </message>
    <message>
        <source>Black Pencil -- draw black lines</source>
        <translation>Schwarzer Stift -- zeichnet schwarze Linien</translation>
    </message>
    <message>
        <source>Black Eraser</source>
        <translation>Schwarz-Radierer</translation>
    </message>
    <message>
        <source>Black Eraser -- erase black lines only</source>
        <translation>Schwarz-Radierer -- radiert nur schwarze Linien</translation>
    </message>
    <message>
        <source>Color Eraser</source>
        <translation>Farb-Radierer</translation>
    </message>
    <message>
        <source>Color Eraser -- erase color only</source>
        <translation>Farb-Radierer -- radiert nur Farbe</translation>
    </message>
    <message>
        <source>Pastel (mixing)</source>
        <translation>Pastell (mischend)</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon but mixes upon contact</source>
        <translation>Pastell -- malt wie ein Wachsmalstift und mischt die Farben</translation>
    </message>
    <message>
        <source>Water Pen (mixing)</source>
        <translation>Wasserstift (mischend)</translation>
    </message>
    <message>
        <source>Water Pen -- mixes colors with transparency</source>
        <translation>Wasserstift -- mischt durchsichtige Farben</translation>
    </message>
    <message>
        <source>Spray Paint</source>
        <translation>Sprühdose</translation>
    </message>
    <message>
        <source>Spray Paint -- single color, no mixing</source>
        <translation>Sprühdose -- eine Farbe, ohne Mischen</translation>
    </message>
    <message>
        <source>Wand Stars</source>
        <translation>Zaubersterne</translation>
    </message>
    <message>
        <source>Wand Stars -- create the sparkles that come from a wand</source>
        <translation>Zaubersterne -- Glitzer wie aus einem Zauberstab</translation>
    </message>
    <message>
        <source>Replacement Paint</source>
        <translation>Tauschfarbe</translation>
    </message>
    <message>
        <source>Replacement Paint -- replaces the color you click on with the chosen color</source>
        <translation>Tauschfarbe -- tauscht die angeklickte Farbe gegen deine Farbe</translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Dropper -- pick up color</source>
        <translation>Pipette -- nimmt eine Farbe auf</translation>
    </message>
    <message>
        <source>Oil Paint</source>
        <translation>Ölfarbe</translation>
    </message>
    <message>
        <source>Oil Paint -- blends and mixes colors upon applying</source>
        <translation>Ölfarbe -- verwischt und mischt die Farben beim Malen</translation>
    </message>
    <message>
        <source>Spray Paint (mixing)</source>
        <translation>Sprühdose (mischend)</translation>
    </message>
    <message>
        <source>Spray Paint -- spray a color and mix on contact</source>
        <translation>Sprühdose -- sprüht Farbe und mischt sie</translation>
    </message>
    <message>
        <source>Zoom Rectangle</source>
        <translation>Zoom-Rechteck</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>pz::Topenpic</name>
    <message>
        <source>Open a Picture</source>
        <translation>Ein Bild öffnen</translation>
    </message>
    <message>
        <source>Open the picture</source>
        <translation>Das Bild öffnen</translation>
    </message>
    <message>
        <source>Keep the picture you have</source>
        <translation>Das jetzige Bild behalten</translation>
    </message>
</context>
<context>
    <name>pz::Tpalpinz</name>
    <message>
        <source>Pinzola&apos;s Colors</source>
        <translation>Pinzolas Farben</translation>
    </message>
    <message>
        <source>Click a colour to paint with it</source>
        <translation>Klick auf eine Farbe, um mit ihr zu malen</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The first letter of the word red.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <extracomment>The first letter of the word green.</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>The first letter of the word blue.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Choose a palette</source>
        <translation>Eine Farbpalette wählen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>pz::Tsaveuser</name>
    <message>
        <source>Enter the name you wish to save this picture as...</source>
        <translation>Wie soll dein Bild heißen?</translation>
    </message>
    <message>
        <source>Save with this name</source>
        <translation>Mit diesem Namen speichern</translation>
    </message>
    <message>
        <source>Do not save</source>
        <translation>Nicht speichern</translation>
    </message>
</context>
<context>
    <name>pz::Ttoolform</name>
    <message>
        <source>Pinzola&apos;s Tools</source>
        <translation>Pinzolas Werkzeuge</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Tools with this icon will mix colors as they apply.</source>
        <translation>Werkzeuge mit diesem Zeichen mischen die Farben.</translation>
    </message>
    <message>
        <source>Le&apos;s go with the chosen tool...</source>
        <translation>Los geht&apos;s mit dem Werkzeug...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Select Textures</source>
        <translation>Muster wählen</translation>
    </message>
    <message>
        <source>These textures cannot be read and are left out:
</source>
        <translation>Diese Muster sind nicht lesbar und fehlen:
</translation>
    </message>
</context>
</TS>
