<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Guide</name>
    <message>
        <source>Paints thick, dry colour that does not mix with what is already there. Good for bright, even areas.</source>
        <translation>Malt dicke, trockene Farbe, die sich nicht mit dem mischt, was schon da ist. Gut für leuchtende, gleichmäßige Flächen.</translation>
    </message>
    <message>
        <source>Goes on like a crayon, with a soft grainy edge.</source>
        <translation>Malt wie ein Wachsmalstift, mit einem weichen, körnigen Rand.</translation>
    </message>
    <message>
        <source>Like the pastel, but the colours blend where they touch.</source>
        <translation>Wie das Pastell, aber die Farben mischen sich, wo sie sich berühren.</translation>
    </message>
    <message>
        <source>Paints see-through colour, like watercolour. Change how watery it is with %1 on the control strip.</source>
        <translation>Malt durchsichtige Farbe, wie Wasserfarbe. Wie viel Wasser drin ist, stellst du mit %1 oben in der Leiste ein.</translation>
    </message>
    <message>
        <source>A watery pen that mixes with the colours under it.</source>
        <translation>Ein Wasserstift, der sich mit den Farben darunter mischt.</translation>
    </message>
    <message>
        <source>Smooth paint that blends and mixes as you move it around.</source>
        <translation>Weiche Farbe, die verwischt und sich mischt, wenn du sie herumziehst.</translation>
    </message>
    <message>
        <source>Sprays tiny dots of one colour, like a spray can.</source>
        <translation>Sprüht winzige Punkte in einer Farbe, wie eine Sprühdose.</translation>
    </message>
    <message>
        <source>Sprays a colour that mixes with what it lands on.</source>
        <translation>Sprüht eine Farbe, die sich mit dem mischt, worauf sie landet.</translation>
    </message>
    <message>
        <source>Sprinkles sparkling stars, as if from a magic wand. Stars go over everything, even black lines.</source>
        <translation>Streut glitzernde Sterne wie aus einem Zauberstab. Die Sterne gehen über alles, sogar über schwarze Linien.</translation>
    </message>
    <message>
        <source>Press on a colour and paint: only that colour is changed to your new one.</source>
        <translation>Drück auf eine Farbe und male: Nur diese Farbe wird zu deiner neuen Farbe.</translation>
    </message>
    <message>
        <source>Click inside a shape to fill it with colour in one go. The black lines keep the colour inside.</source>
        <translation>Klick in eine Form, um sie auf einmal mit Farbe zu füllen. Die schwarzen Linien halten die Farbe drinnen.</translation>
    </message>
    <message>
        <source>Draws new black lines. Choose how thick in the widths strip.</source>
        <translation>Zeichnet neue schwarze Linien. Wie dick, wählst du in der Leiste mit den Strichstärken.</translation>
    </message>
    <message>
        <source>Rubs out black lines only; your colours stay.</source>
        <translation>Radiert nur schwarze Linien weg; deine Farben bleiben.</translation>
    </message>
    <message>
        <source>Rubs out colour only; the black lines stay.</source>
        <translation>Radiert nur Farbe weg; die schwarzen Linien bleiben.</translation>
    </message>
    <message>
        <source>Shaves colour away from the black lines, to tidy up the edges.</source>
        <translation>Schabt Farbe von den schwarzen Linien, damit die Ränder sauber werden.</translation>
    </message>
    <message>
        <source>Paints with a pattern (a texture) instead of a plain colour. Tick %1 to paint only where the paper is still white.</source>
        <translation>Malt mit einem Muster statt mit einer Farbe. Setz einen Haken bei %1, dann malt er nur, wo das Papier noch weiß ist.</translation>
    </message>
    <message>
        <source>Click on any colour in your picture to pick it up and paint with it.</source>
        <translation>Klick auf eine Farbe in deinem Bild, um sie aufzunehmen und damit zu malen.</translation>
    </message>
    <message>
        <source>Drag a box over part of the picture. A small menu lets you %1, %2, %3 it, or %4 for the Texture Brush.</source>
        <translation>Zieh ein Rechteck über einen Teil des Bildes. Ein kleines Menü bietet %1, %2, %3 oder %4 für den Musterpinsel.</translation>
    </message>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Pinzola-Anleitung</translation>
    </message>
    <message>
        <source>Colour in drawings, paint, mix, sparkle &amp;mdash; and save your pictures.</source>
        <translation>Bilder ausmalen, malen, mischen, glitzern &amp;mdash; und deine Bilder speichern.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Los geht&apos;s</translation>
    </message>
    <message>
        <source>The screen</source>
        <translation>Der Bildschirm</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Zoom &amp;amp; Undo</source>
        <translation>Zoom &amp;amp; Zurück</translation>
    </message>
    <message>
        <source>Open &amp;amp; Save</source>
        <translation>Öffnen &amp;amp; Speichern</translation>
    </message>
    <message>
        <source>Surface menu</source>
        <translation>Rechtsklick-Menü</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Für Erwachsene</translation>
    </message>
    <message>
        <source>Let&apos;s start!</source>
        <translation>Los geht&apos;s!</translation>
    </message>
    <message>
        <source>When Pinzola opens you get a clean white sheet. You can paint on it straight away, or open one of the drawings to colour in: click the &lt;b&gt;open and save&lt;/b&gt; picture on the %1 page and choose %2.</source>
        <translation>Wenn Pinzola startet, bekommst du ein sauberes weißes Blatt. Du kannst gleich darauf malen oder eine der Zeichnungen zum Ausmalen öffnen: Klick auf das Bild &lt;b&gt;Öffnen und Speichern&lt;/b&gt; auf der Seite %1 und wähle %2.</translation>
    </message>
    <message>
        <source>Pinzola&apos;s main window</source>
        <translation>Pinzolas Hauptfenster</translation>
    </message>
    <message>
        <source>The big white area is your picture. Along the top is the black &lt;b&gt;control strip&lt;/b&gt; with two pages, %1 and %2; click the tabs at its bottom to change page. Use the scroll bars on the right and bottom when the picture is bigger than the window.</source>
        <translation>Die große weiße Fläche ist dein Bild. Oben ist die schwarze &lt;b&gt;Leiste&lt;/b&gt; mit zwei Seiten, %1 und %2; klick unten auf die Reiter, um die Seite zu wechseln. Ist das Bild größer als das Fenster, helfen die Rollbalken rechts und unten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;X/Y:&lt;/b&gt; at the top left shows where the pointer is.</source>
        <translation>&lt;b&gt;X/Y:&lt;/b&gt; oben links zeigt, wo der Zeiger gerade ist.</translation>
    </message>
    <message>
        <source>The tools</source>
        <translation>Die Werkzeuge</translation>
    </message>
    <message>
        <source>tool chest</source>
        <translation>Werkzeugkiste</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;tool chest&lt;/b&gt; on the %1 page to choose a tool. Many tools let you pick a brush size or a line width in the strip next to it.</source>
        <translation>Klick auf die &lt;b&gt;Werkzeugkiste&lt;/b&gt; auf der Seite %1, um ein Werkzeug zu wählen. Bei vielen Werkzeugen wählst du daneben die Pinselgröße oder die Strichstärke.</translation>
    </message>
    <message>
        <source>Painting never spoils the black lines of a drawing &amp;mdash; only the Black Pencil, the Black Eraser and the Wand Stars change them.</source>
        <translation>Beim Malen bleiben die schwarzen Linien einer Zeichnung heil &amp;mdash; nur der Schwarze Stift, der Schwarz-Radierer und die Zaubersterne verändern sie.</translation>
    </message>
    <message>
        <source>Choosing colours</source>
        <translation>Farben wählen</translation>
    </message>
    <message>
        <source>colour box</source>
        <translation>Farbkasten</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;colour box&lt;/b&gt; to open %1. Click any patch to paint with it; double-click to pick it and close the window. The %2, %3 and %4 sliders mix red, green and blue yourself, and the numbers under them tell you the colour. The list below chooses another palette; Pinzola remembers it until you close the program.</source>
        <translation>Klick auf den &lt;b&gt;Farbkasten&lt;/b&gt;, um %1 zu öffnen. Klick auf ein Farbfeld, um damit zu malen; mit einem Doppelklick wählst du es und schließt das Fenster. Mit den Schiebern %2, %3 und %4 mischst du Rot, Grün und Blau selbst, und die Zahlen darunter sagen dir die Farbe. In der Liste darunter wählst du eine andere Farbpalette; Pinzola merkt sie sich, bis du das Programm schließt.</translation>
    </message>
    <message>
        <source>the colours window</source>
        <translation>das Farbfenster</translation>
    </message>
    <message>
        <source>brighten</source>
        <translation>heller</translation>
    </message>
    <message>
        <source>darken</source>
        <translation>dunkler</translation>
    </message>
    <message>
        <source>make your colour a little &lt;b&gt;brighter&lt;/b&gt; or &lt;b&gt;darker&lt;/b&gt;. Clicking the little colour swatch opens the full colour chooser, where any colour at all can be picked.</source>
        <translation>machen deine Farbe ein bisschen &lt;b&gt;heller&lt;/b&gt; oder &lt;b&gt;dunkler&lt;/b&gt;. Ein Klick auf das kleine Farbfeld öffnet die große Farbauswahl, in der du jede Farbe wählen kannst.</translation>
    </message>
    <message>
        <source>Zoom and Undo</source>
        <translation>Zoom und Zurück</translation>
    </message>
    <message>
        <source>zoom in</source>
        <translation>näher heran</translation>
    </message>
    <message>
        <source>zoom out</source>
        <translation>weiter weg</translation>
    </message>
    <message>
        <source>normal size</source>
        <translation>normale Größe</translation>
    </message>
    <message>
        <source>%1 makes the picture bigger (2 times, then 4 times) for fiddly corners, %2 shows it at half size, and the third button goes back to normal size. You can also drag a rectangle with %3 from the right-click menu.</source>
        <translation>%1 macht das Bild größer (2-mal, dann 4-mal) für knifflige Ecken, %2 zeigt es halb so groß, und der dritte Knopf geht zurück zur normalen Größe. Du kannst auch mit %3 aus dem Rechtsklick-Menü ein Rechteck aufziehen.</translation>
    </message>
    <message>
        <source>%1 takes back everything you did since you last chose a tool or a colour, saved, or pasted.</source>
        <translation>%1 nimmt alles zurück, was du gemacht hast, seit du zuletzt ein Werkzeug oder eine Farbe gewählt, gespeichert oder eingefügt hast.</translation>
    </message>
    <message>
        <source>Opening and saving</source>
        <translation>Öffnen und speichern</translation>
    </message>
    <message>
        <source>open and save</source>
        <translation>Öffnen und Speichern</translation>
    </message>
    <message>
        <source>On the %1 page, the &lt;b&gt;open and save&lt;/b&gt; picture shows the file menu:</source>
        <translation>Auf der Seite %1 zeigt das Bild &lt;b&gt;Öffnen und Speichern&lt;/b&gt; das Datei-Menü:</translation>
    </message>
    <message>
        <source>Choose a drawing to colour. Click a name to see it, then &lt;b&gt;OK&lt;/b&gt;. The window&apos;s title shows which drawing you are using.</source>
        <translation>Wähle eine Zeichnung zum Ausmalen. Klick auf einen Namen, um sie zu sehen, dann auf &lt;b&gt;OK&lt;/b&gt;. Oben im Fenster steht, welche Zeichnung du benutzt.</translation>
    </message>
    <message>
        <source>Open a picture you saved before. Pinzola tidies its colours as it opens (you can watch the percentage count up), so black lines are black again.</source>
        <translation>Öffnet ein Bild, das du schon gespeichert hast. Pinzola räumt dabei die Farben auf (du kannst die Prozente zählen sehen), damit schwarze Linien wieder schwarz sind.</translation>
    </message>
    <message>
        <source>Saves your picture under its name. A new picture asks for a name first.</source>
        <translation>Speichert dein Bild unter seinem Namen. Bei einem neuen Bild wirst du zuerst nach dem Namen gefragt.</translation>
    </message>
    <message>
        <source>Saves under a new name. If a picture with that name exists, Pinzola asks before replacing it.</source>
        <translation>Speichert unter einem neuen Namen. Gibt es schon ein Bild mit diesem Namen, fragt Pinzola vorher.</translation>
    </message>
    <message>
        <source>the open window</source>
        <translation>das Fenster zum Öffnen</translation>
    </message>
    <message>
        <source>the name window</source>
        <translation>das Fenster für den Namen</translation>
    </message>
    <message>
        <source>A name may have spaces and capital letters, but not a &lt;b&gt;/&lt;/b&gt;. If something goes wrong while saving (for example the disk is full), Pinzola tells you and your earlier picture of that name is kept safe.</source>
        <translation>Ein Name darf Leerzeichen und Großbuchstaben haben, aber keinen &lt;b&gt;/&lt;/b&gt;. Geht beim Speichern etwas schief (zum Beispiel wenn die Festplatte voll ist), sagt Pinzola es dir, und dein älteres Bild mit diesem Namen bleibt heil.</translation>
    </message>
    <message>
        <source>The right-click menu</source>
        <translation>Das Rechtsklick-Menü</translation>
    </message>
    <message>
        <source>Click the right mouse button on your picture for more:</source>
        <translation>Klick mit der rechten Maustaste auf dein Bild für mehr:</translation>
    </message>
    <message>
        <source>Choose a printer, then print your picture.</source>
        <translation>Wähle einen Drucker und drucke dein Bild.</translation>
    </message>
    <message>
        <source>Puts a copied picture on yours. Move it where you want it and click to drop it. A plain background around it becomes see-through.</source>
        <translation>Legt ein kopiertes Bild auf deins. Schieb es dahin, wo du es haben willst, und klick, um es abzulegen. Ein einfarbiger Hintergrund wird durchsichtig.</translation>
    </message>
    <message>
        <source>Pick a ready-made picture (animals, stars, balloons...) and choose its size, then Paste it.</source>
        <translation>Such dir ein fertiges Bild aus (Tiere, Sterne, Luftballons...), wähle die Größe und füge es dann ein.</translation>
    </message>
    <message>
        <source>Drag a box to zoom into it.</source>
        <translation>Zieh ein Rechteck auf, um hineinzuzoomen.</translation>
    </message>
    <message>
        <source>Opens PinzFX to take a picture from a video.</source>
        <translation>Öffnet PinzFX, um ein Bild aus einem Film zu holen.</translation>
    </message>
    <message>
        <source>Opens PinzFX to write words with shadows and other effects.</source>
        <translation>Öffnet PinzFX, um Wörter mit Schatten und anderen Effekten zu schreiben.</translation>
    </message>
    <message>
        <source>Opens PinzFX to bring in a drawing made by another program.</source>
        <translation>Öffnet PinzFX, um eine Zeichnung aus einem anderen Programm zu holen.</translation>
    </message>
    <message>
        <source>In PinzFX, select what you want, press %1 and %2, then Paste it.</source>
        <translation>Wähle in PinzFX aus, was du willst, drück %1 und %2 und füge es dann ein.</translation>
    </message>
    <message>
        <source>%1 opens this guide, %2 tells you about Pinzola, and %3 closes the program (it asks first).</source>
        <translation>%1 öffnet diese Anleitung, %2 erzählt dir von Pinzola, und %3 beendet das Programm (es fragt vorher).</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>about</source>
        <translation>Über Pinzola</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Everything Pinzola uses lives in its program folder:</source>
        <translation>Alles, was Pinzola braucht, liegt in seinem Programmordner:</translation>
    </message>
    <message>
        <source>drawings to colour (Windows BMP; add your own black-on-white drawings)</source>
        <translation>Zeichnungen zum Ausmalen (Windows-BMP; eigene schwarz-weiße Zeichnungen kann man dazulegen)</translation>
    </message>
    <message>
        <source>saved pictures (JPEG at the highest quality)</source>
        <translation>gespeicherte Bilder (JPEG in höchster Qualität)</translation>
    </message>
    <message>
        <source>palette pictures for the colours window (BMP)</source>
        <translation>Farbpaletten für das Farbfenster (BMP)</translation>
    </message>
    <message>
        <source>50&amp;times;50 textures for the Texture Brush</source>
        <translation>Muster mit 50&amp;times;50 Pixeln für den Musterpinsel</translation>
    </message>
    <message>
        <source>clip art pictures</source>
        <translation>Clipart-Bilder</translation>
    </message>
    <message>
        <source>this guide</source>
        <translation>diese Anleitung</translation>
    </message>
    <message>
        <source>Pinzola keeps no settings: every start begins fresh.</source>
        <translation>Pinzola speichert keine Einstellungen: Jeder Start beginnt frisch.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Es ist kein Standarddrucker ausgewählt.</translation>
    </message>
</context>
<context>
    <name>SvgDrawing</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>die gepackten Daten sind beschädigt</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>ausgepackt ist sie größer als %1 MB</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing</source>
        <translation>sie ist keine lesbare SVG-Zeichnung</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing (%1)</source>
        <translation>sie ist keine lesbare SVG-Zeichnung (%1)</translation>
    </message>
    <message>
        <source>its size is too large to show</source>
        <translation>sie ist zu groß zum Zeigen</translation>
    </message>
    <message>
        <source>it has no size to show</source>
        <translation>sie hat keine Größe, die man zeigen kann</translation>
    </message>
    <message>
        <source>it takes too long to draw</source>
        <translation>das Zeichnen dauert zu lange</translation>
    </message>
    <message>
        <source>the renderer failed on it</source>
        <translation>das Zeichnen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Die Datei %1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 is too large to be a drawing.</source>
        <translation>%1 ist zu groß für eine Zeichnung.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 kann nicht gezeigt werden: %2.</translation>
    </message>
</context>
<context>
    <name>Tmainpinz</name>
    <message>
        <source>Do you want to save your picture first?</source>
        <translation>Möchtest du dein Bild vorher speichern?</translation>
    </message>
</context>
<context>
    <name>Tsaveuser</name>
    <message>
        <source>A picture&apos;s name cannot be only blanks. Please choose another name.</source>
        <translation>Ein Bildname darf nicht nur aus Leerzeichen bestehen. Bitte wähle einen anderen Namen.</translation>
    </message>
</context>
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
        <source>The picture on the clipboard cannot be read.</source>
        <translation>Das Bild in der Ablage kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Windows Metafiles</source>
        <translation>Windows-Metadateien</translation>
    </message>
    <message>
        <source>SVG Drawings</source>
        <translation>SVG-Zeichnungen</translation>
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
    <message>
        <source>AVI Movies</source>
        <translation>AVI-Filme</translation>
    </message>
    <message>
        <source>All Videos</source>
        <translation>Alle Videos</translation>
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
    <name>pz::StreamDecoder</name>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>Die Datei &quot;%1&quot; ist nicht zu finden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Die Datei &quot;%1&quot; ist leer.</translation>
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
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Die Datei &quot;%1&quot; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>Die Datei &quot;%1&quot; ist kein AVI-Film, oder ihr Kopf ist beschädigt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read again.</source>
        <translation>Die Datei &quot;%1&quot; kann nicht noch einmal gelesen werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>In der Datei &quot;%1&quot; ist kein Film.</translation>
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
    <name>pz::Tguide</name>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Pinzola-Anleitung</translation>
    </message>
    <message>
        <source>The User Guide is missing from this folder:</source>
        <translation>Die Anleitung fehlt in diesem Ordner:</translation>
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
        <source>These textures cannot be read and are left out:</source>
        <translation>Diese Muster sind nicht lesbar und fehlen:</translation>
    </message>
</context>
</TS>
