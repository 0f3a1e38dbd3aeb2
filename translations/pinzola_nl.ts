<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Guide</name>
    <message>
        <source>Paints thick, dry colour that does not mix with what is already there. Good for bright, even areas.</source>
        <translation>Verft dikke, droge kleur die niet mengt met wat er al is. Fijn voor felle, egale vlakken.</translation>
    </message>
    <message>
        <source>Goes on like a crayon, with a soft grainy edge.</source>
        <translation>Kleurt als een waskrijtje, met een zachte, korrelige rand.</translation>
    </message>
    <message>
        <source>Like the pastel, but the colours blend where they touch.</source>
        <translation>Zoals de pastel, maar de kleuren mengen waar ze elkaar raken.</translation>
    </message>
    <message>
        <source>Paints see-through colour, like watercolour. Change how watery it is with %1 on the control strip.</source>
        <translation>Verft doorzichtige kleur, zoals waterverf. Hoeveel water erin zit, stel je in met %1 in de balk bovenaan.</translation>
    </message>
    <message>
        <source>A watery pen that mixes with the colours under it.</source>
        <translation>Een waterstift die mengt met de kleuren eronder.</translation>
    </message>
    <message>
        <source>Smooth paint that blends and mixes as you move it around.</source>
        <translation>Zachte verf die uitvloeit en mengt als je hem rondbeweegt.</translation>
    </message>
    <message>
        <source>Sprays tiny dots of one colour, like a spray can.</source>
        <translation>Spuit kleine puntjes in één kleur, zoals een spuitbus.</translation>
    </message>
    <message>
        <source>Sprays a colour that mixes with what it lands on.</source>
        <translation>Spuit een kleur die mengt met waar hij op landt.</translation>
    </message>
    <message>
        <source>Sprinkles sparkling stars, as if from a magic wand. Stars go over everything, even black lines.</source>
        <translation>Strooit glinsterende sterren, als uit een toverstaf. De sterren gaan over alles heen, zelfs over zwarte lijnen.</translation>
    </message>
    <message>
        <source>Press on a colour and paint: only that colour is changed to your new one.</source>
        <translation>Druk op een kleur en verf: alleen die kleur wordt jouw nieuwe kleur.</translation>
    </message>
    <message>
        <source>Click inside a shape to fill it with colour in one go. The black lines keep the colour inside.</source>
        <translation>Klik in een vorm om hem in één keer met kleur te vullen. De zwarte lijnen houden de kleur binnen.</translation>
    </message>
    <message>
        <source>Draws new black lines. Choose how thick in the widths strip.</source>
        <translation>Tekent nieuwe zwarte lijnen. Kies hoe dik in de balk met lijndiktes.</translation>
    </message>
    <message>
        <source>Rubs out black lines only; your colours stay.</source>
        <translation>Gumt alleen zwarte lijnen weg; je kleuren blijven.</translation>
    </message>
    <message>
        <source>Rubs out colour only; the black lines stay.</source>
        <translation>Gumt alleen kleur weg; de zwarte lijnen blijven.</translation>
    </message>
    <message>
        <source>Shaves colour away from the black lines, to tidy up the edges.</source>
        <translation>Schraapt kleur weg langs de zwarte lijnen, voor nette randen.</translation>
    </message>
    <message>
        <source>Paints with a pattern (a texture) instead of a plain colour. Tick %1 to paint only where the paper is still white.</source>
        <translation>Verft met een patroon in plaats van één kleur. Vink %1 aan om alleen te verven waar het papier nog wit is.</translation>
    </message>
    <message>
        <source>Click on any colour in your picture to pick it up and paint with it.</source>
        <translation>Klik op een kleur in je tekening om die op te pakken en ermee te verven.</translation>
    </message>
    <message>
        <source>Drag a box over part of the picture. A small menu lets you %1, %2, %3 it, or %4 for the Texture Brush.</source>
        <translation>Sleep een rechthoek over een stuk van de tekening. In een klein menu kies je %1, %2, %3 of %4 voor de patroonkwast.</translation>
    </message>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Handleiding van Pinzola</translation>
    </message>
    <message>
        <source>Colour in drawings, paint, mix, sparkle &amp;mdash; and save your pictures.</source>
        <translation>Kleurplaten kleuren, verven, mengen, laten glinsteren &amp;mdash; en je tekeningen bewaren.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>The screen</source>
        <translation>Het scherm</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Gereedschap</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Zoom &amp;amp; Undo</source>
        <translation>Zoomen &amp;amp; Terug</translation>
    </message>
    <message>
        <source>Open &amp;amp; Save</source>
        <translation>Openen &amp;amp; Bewaren</translation>
    </message>
    <message>
        <source>Surface menu</source>
        <translation>Rechtsklikmenu</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Voor grote mensen</translation>
    </message>
    <message>
        <source>Let&apos;s start!</source>
        <translation>We beginnen!</translation>
    </message>
    <message>
        <source>When Pinzola opens you get a clean white sheet. You can paint on it straight away, or open one of the drawings to colour in: click the &lt;b&gt;open and save&lt;/b&gt; picture on the %1 page and choose %2.</source>
        <translation>Als Pinzola opent, krijg je een schoon wit vel. Je kunt meteen gaan verven, of een kleurplaat openen: klik op het plaatje &lt;b&gt;openen en bewaren&lt;/b&gt; op de pagina %1 en kies %2.</translation>
    </message>
    <message>
        <source>Pinzola&apos;s main window</source>
        <translation>Het hoofdvenster van Pinzola</translation>
    </message>
    <message>
        <source>The big white area is your picture. Along the top is the black &lt;b&gt;control strip&lt;/b&gt; with two pages, %1 and %2; click the tabs at its bottom to change page. Use the scroll bars on the right and bottom when the picture is bigger than the window.</source>
        <translation>Het grote witte vlak is je tekening. Bovenaan staat de zwarte &lt;b&gt;balk&lt;/b&gt; met twee pagina&apos;s, %1 en %2; klik op de tabs onderaan om van pagina te wisselen. Is de tekening groter dan het venster, gebruik dan de schuifbalken rechts en onderaan.</translation>
    </message>
    <message>
        <source>&lt;b&gt;X/Y:&lt;/b&gt; at the top left shows where the pointer is.</source>
        <translation>&lt;b&gt;X/Y:&lt;/b&gt; linksboven laat zien waar de aanwijzer is.</translation>
    </message>
    <message>
        <source>The tools</source>
        <translation>Het gereedschap</translation>
    </message>
    <message>
        <source>tool chest</source>
        <translation>gereedschapskist</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;tool chest&lt;/b&gt; on the %1 page to choose a tool. Many tools let you pick a brush size or a line width in the strip next to it.</source>
        <translation>Klik op de &lt;b&gt;gereedschapskist&lt;/b&gt; op de pagina %1 om gereedschap te kiezen. Bij veel gereedschap kies je ernaast de grootte van de kwast of de dikte van de lijn.</translation>
    </message>
    <message>
        <source>Painting never spoils the black lines of a drawing &amp;mdash; only the Black Pencil, the Black Eraser and the Wand Stars change them.</source>
        <translation>Verven maakt de zwarte lijnen van een tekening nooit kapot &amp;mdash; alleen het zwarte potlood, de zwart-gum en de toversterren veranderen ze.</translation>
    </message>
    <message>
        <source>Choosing colours</source>
        <translation>Kleuren kiezen</translation>
    </message>
    <message>
        <source>colour box</source>
        <translation>kleurvak</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;colour box&lt;/b&gt; to open %1. Click any patch to paint with it; double-click to pick it and close the window. The %2, %3 and %4 sliders mix red, green and blue yourself, and the numbers under them tell you the colour. The list below chooses another palette; Pinzola remembers it until you close the program.</source>
        <translation>Klik op het &lt;b&gt;kleurvak&lt;/b&gt; om %1 te openen. Klik op een vakje om ermee te verven; met dubbelklikken kies je het en sluit het venster. Met de schuiven %2, %3 en %4 meng je zelf rood, groen en blauw, en de getallen eronder vertellen je de kleur. In de lijst eronder kies je een ander palet; Pinzola onthoudt het tot je het programma sluit.</translation>
    </message>
    <message>
        <source>the colours window</source>
        <translation>het kleurenvenster</translation>
    </message>
    <message>
        <source>brighten</source>
        <translation>lichter</translation>
    </message>
    <message>
        <source>darken</source>
        <translation>donkerder</translation>
    </message>
    <message>
        <source>make your colour a little &lt;b&gt;brighter&lt;/b&gt; or &lt;b&gt;darker&lt;/b&gt;. Clicking the little colour swatch opens the full colour chooser, where any colour at all can be picked.</source>
        <translation>maken je kleur een beetje &lt;b&gt;lichter&lt;/b&gt; of &lt;b&gt;donkerder&lt;/b&gt;. Een klik op het kleine kleurvakje opent de grote kleurkiezer, waar je elke kleur kunt kiezen.</translation>
    </message>
    <message>
        <source>Zoom and Undo</source>
        <translation>Zoomen en Terug</translation>
    </message>
    <message>
        <source>zoom in</source>
        <translation>inzoomen</translation>
    </message>
    <message>
        <source>zoom out</source>
        <translation>uitzoomen</translation>
    </message>
    <message>
        <source>normal size</source>
        <translation>normale grootte</translation>
    </message>
    <message>
        <source>%1 makes the picture bigger (2 times, then 4 times) for fiddly corners, %2 shows it at half size, and the third button goes back to normal size. You can also drag a rectangle with %3 from the right-click menu.</source>
        <translation>%1 maakt de tekening groter (2 keer, dan 4 keer) voor lastige hoekjes, %2 laat hem half zo groot zien, en de derde knop gaat terug naar normale grootte. Je kunt ook een rechthoek slepen met %3 uit het rechtsklikmenu.</translation>
    </message>
    <message>
        <source>%1 takes back everything you did since you last chose a tool or a colour, saved, or pasted.</source>
        <translation>%1 maakt alles ongedaan wat je deed sinds je voor het laatst gereedschap of een kleur koos, bewaarde of plakte.</translation>
    </message>
    <message>
        <source>Opening and saving</source>
        <translation>Openen en bewaren</translation>
    </message>
    <message>
        <source>open and save</source>
        <translation>openen en bewaren</translation>
    </message>
    <message>
        <source>On the %1 page, the &lt;b&gt;open and save&lt;/b&gt; picture shows the file menu:</source>
        <translation>Op de pagina %1 laat het plaatje &lt;b&gt;openen en bewaren&lt;/b&gt; het bestandsmenu zien:</translation>
    </message>
    <message>
        <source>Choose a drawing to colour. Click a name to see it, then &lt;b&gt;OK&lt;/b&gt;. The window&apos;s title shows which drawing you are using.</source>
        <translation>Kies een kleurplaat. Klik op een naam om hem te zien, en dan op &lt;b&gt;OK&lt;/b&gt;. De titel van het venster laat zien welke tekening je gebruikt.</translation>
    </message>
    <message>
        <source>Open a picture you saved before. Pinzola tidies its colours as it opens (you can watch the percentage count up), so black lines are black again.</source>
        <translation>Opent een tekening die je eerder bewaarde. Pinzola ruimt bij het openen de kleuren op (je ziet het percentage oplopen), zodat zwarte lijnen weer zwart zijn.</translation>
    </message>
    <message>
        <source>Saves your picture under its name. A new picture asks for a name first.</source>
        <translation>Bewaart je tekening onder haar naam. Bij een nieuwe tekening wordt eerst om een naam gevraagd.</translation>
    </message>
    <message>
        <source>Saves under a new name. If a picture with that name exists, Pinzola asks before replacing it.</source>
        <translation>Bewaart onder een nieuwe naam. Bestaat er al een tekening met die naam, dan vraagt Pinzola het eerst.</translation>
    </message>
    <message>
        <source>the open window</source>
        <translation>het venster om te openen</translation>
    </message>
    <message>
        <source>the name window</source>
        <translation>het venster voor de naam</translation>
    </message>
    <message>
        <source>A name may have spaces and capital letters, but not a &lt;b&gt;/&lt;/b&gt;. If something goes wrong while saving (for example the disk is full), Pinzola tells you and your earlier picture of that name is kept safe.</source>
        <translation>Een naam mag spaties en hoofdletters hebben, maar geen &lt;b&gt;/&lt;/b&gt;. Gaat er iets mis bij het bewaren (bijvoorbeeld als de schijf vol is), dan zegt Pinzola het, en je oudere tekening met die naam blijft veilig.</translation>
    </message>
    <message>
        <source>The right-click menu</source>
        <translation>Het rechtsklikmenu</translation>
    </message>
    <message>
        <source>Click the right mouse button on your picture for more:</source>
        <translation>Klik met de rechtermuisknop op je tekening voor meer:</translation>
    </message>
    <message>
        <source>Choose a printer, then print your picture.</source>
        <translation>Kies een printer en print je tekening.</translation>
    </message>
    <message>
        <source>Puts a copied picture on yours. Move it where you want it and click to drop it. A plain background around it becomes see-through.</source>
        <translation>Legt een gekopieerd plaatje op je tekening. Schuif het waar je het wilt hebben en klik om het neer te leggen. Een effen achtergrond eromheen wordt doorzichtig.</translation>
    </message>
    <message>
        <source>Pick a ready-made picture (animals, stars, balloons...) and choose its size, then Paste it.</source>
        <translation>Kies een kant-en-klaar plaatje (dieren, sterren, ballonnen...) en de grootte, en plak het dan.</translation>
    </message>
    <message>
        <source>Drag a box to zoom into it.</source>
        <translation>Sleep een rechthoek om erop in te zoomen.</translation>
    </message>
    <message>
        <source>Opens PinzFX to take a picture from a video.</source>
        <translation>Opent PinzFX om een beeld uit een film te halen.</translation>
    </message>
    <message>
        <source>Opens PinzFX to write words with shadows and other effects.</source>
        <translation>Opent PinzFX om woorden te schrijven met schaduwen en andere effecten.</translation>
    </message>
    <message>
        <source>Opens PinzFX to bring in a drawing made by another program.</source>
        <translation>Opent PinzFX om een tekening uit een ander programma te halen.</translation>
    </message>
    <message>
        <source>In PinzFX, select what you want, press %1 and %2, then Paste it.</source>
        <translation>Kies in PinzFX wat je wilt, druk op %1 en %2, en plak het dan.</translation>
    </message>
    <message>
        <source>%1 opens this guide, %2 tells you about Pinzola, and %3 closes the program (it asks first).</source>
        <translation>%1 opent deze handleiding, %2 vertelt over Pinzola, en %3 sluit het programma (het vraagt het eerst).</translation>
    </message>
    <message>
        <source>help</source>
        <translation>help</translation>
    </message>
    <message>
        <source>about</source>
        <translation>over Pinzola</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>stoppen</translation>
    </message>
    <message>
        <source>Everything Pinzola uses lives in its program folder:</source>
        <translation>Alles wat Pinzola gebruikt staat in zijn programmamap:</translation>
    </message>
    <message>
        <source>drawings to colour (Windows BMP; add your own black-on-white drawings)</source>
        <translation>kleurplaten (Windows BMP; voeg gerust eigen zwart-op-wit tekeningen toe)</translation>
    </message>
    <message>
        <source>saved pictures (JPEG at the highest quality)</source>
        <translation>bewaarde tekeningen (JPEG in de hoogste kwaliteit)</translation>
    </message>
    <message>
        <source>palette pictures for the colours window (BMP)</source>
        <translation>paletten voor het kleurenvenster (BMP)</translation>
    </message>
    <message>
        <source>50&amp;times;50 textures for the Texture Brush</source>
        <translation>patronen van 50&amp;times;50 voor de patroonkwast</translation>
    </message>
    <message>
        <source>clip art pictures</source>
        <translation>clipart-plaatjes</translation>
    </message>
    <message>
        <source>this guide</source>
        <translation>deze handleiding</translation>
    </message>
    <message>
        <source>Pinzola keeps no settings: every start begins fresh.</source>
        <translation>Pinzola bewaart geen instellingen: elke start begint opnieuw.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Er is geen standaardprinter gekozen.</translation>
    </message>
</context>
<context>
    <name>SvgDrawing</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>de ingepakte gegevens zijn beschadigd</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>uitgepakt is het groter dan %1 MB</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>het is groter dan %1 MB</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>het is leeg</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing</source>
        <translation>het is geen leesbare SVG-tekening</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing (%1)</source>
        <translation>het is geen leesbare SVG-tekening (%1)</translation>
    </message>
    <message>
        <source>its size is too large to show</source>
        <translation>het is te groot om te tonen</translation>
    </message>
    <message>
        <source>it has no size to show</source>
        <translation>het heeft geen grootte om te tonen</translation>
    </message>
    <message>
        <source>it takes too long to draw</source>
        <translation>het tekenen duurt te lang</translation>
    </message>
    <message>
        <source>the renderer failed on it</source>
        <translation>het tekenen is mislukt</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Bestand %1 kan niet geopend worden.</translation>
    </message>
    <message>
        <source>%1 is too large to be a drawing.</source>
        <translation>%1 is te groot voor een tekening.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 kan niet getoond worden: %2.</translation>
    </message>
</context>
<context>
    <name>Tmainpinz</name>
    <message>
        <source>Do you want to save your picture first?</source>
        <translation>Wil je je tekening eerst bewaren?</translation>
    </message>
</context>
<context>
    <name>Tsaveuser</name>
    <message>
        <source>A picture&apos;s name cannot be only blanks. Please choose another name.</source>
        <translation>De naam van een tekening mag niet alleen uit spaties bestaan. Kies een andere naam.</translation>
    </message>
</context>
<context>
    <name>fx::AreaSelect</name>
    <message>
        <source> Area Select </source>
        <translation> Stuk kiezen </translation>
    </message>
    <message>
        <source>Copy a rectangular area</source>
        <translation>Een rechthoek kopiëren</translation>
    </message>
    <message>
        <source>Copy irregular area</source>
        <translation>Een vrije vorm kopiëren</translation>
    </message>
    <message>
        <source>Copy the whole image</source>
        <translation>De hele afbeelding kopiëren</translation>
    </message>
    <message>
        <source>Copy Selected Area to Clipboard</source>
        <translation>Gekozen stuk kopiëren</translation>
    </message>
    <message>
        <source>Return to Pinzola</source>
        <translation>Terug naar Pinzola</translation>
    </message>
</context>
<context>
    <name>fx::MetafilePage</name>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Breed: %1  Hoog: %2</translation>
    </message>
    <message>
        <source>Browse System for WMF File...</source>
        <translation>WMF-bestand zoeken...</translation>
    </message>
    <message>
        <source>Retrieve WMF File from Clipboard...</source>
        <translation>WMF van het klembord halen...</translation>
    </message>
    <message>
        <source> Size </source>
        <translation> Grootte </translation>
    </message>
    <message>
        <source>Make the image larger</source>
        <translation>De afbeelding groter maken</translation>
    </message>
    <message>
        <source>Make the image smaller</source>
        <translation>De afbeelding kleiner maken</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>Set the image to normal size</source>
        <translation>De afbeelding weer normaal maken</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Breed:               Hoog:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>The picture on the clipboard cannot be read.</source>
        <translation>De afbeelding op het klembord is niet te lezen.</translation>
    </message>
    <message>
        <source>Windows Metafiles</source>
        <translation>Windows-metabestanden</translation>
    </message>
    <message>
        <source>SVG Drawings</source>
        <translation>SVG-tekeningen</translation>
    </message>
</context>
<context>
    <name>fx::TextPage</name>
    <message>
        <source>Text Effect:</source>
        <translation>Teksteffect:</translation>
    </message>
    <message>
        <source>Choose test style here</source>
        <translation>Kies hier de stijl</translation>
    </message>
    <message>
        <source>Click to choose background color</source>
        <translation>Klik om de achtergrondkleur te kiezen</translation>
    </message>
    <message>
        <source>Click to choose foreground color</source>
        <translation>Klik om de kleur van de letters te kiezen</translation>
    </message>
    <message>
        <source>Choose lettering style here</source>
        <translation>Kies hier het lettertype</translation>
    </message>
    <message>
        <source>Choose lettering size here</source>
        <translation>Kies hier de lettergrootte</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kantel</translation>
    </message>
    <message>
        <source>Make your text italic</source>
        <translation>Tekst schuin maken</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Make your text bold</source>
        <translation>Tekst vet maken</translation>
    </message>
    <message>
        <source>Enter Text Here</source>
        <translation>Typ hier je tekst</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Laatste stap terug</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Clear the screen</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Shadow Depth:</source>
        <translation>Schaduw:</translation>
    </message>
    <message>
        <source>Click to change the depth</source>
        <translation>Klik om de schaduw te veranderen</translation>
    </message>
    <message>
        <source>1 Pixel</source>
        <translation>1 pixel</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richting</translation>
    </message>
    <message>
        <source>%1 Pixels</source>
        <translation>%1 pixels</translation>
    </message>
</context>
<context>
    <name>fx::Tpamain</name>
    <message>
        <source>Grab Frame from AVI File</source>
        <translation>Beeld uit AVI-film</translation>
    </message>
    <message>
        <source>Add Text Effect</source>
        <translation>Tekst met effect</translation>
    </message>
    <message>
        <source>Vector Graphic Image to Bitmap</source>
        <translation>Vectortekening naar plaatje</translation>
    </message>
    <message>
        <source>This application can only be executed from Pinzola.</source>
        <translation>Dit programma kan alleen vanuit Pinzola starten.</translation>
    </message>
</context>
<context>
    <name>fx::Trotator</name>
    <message>
        <source>Set Text Rotation Angle</source>
        <translation>Tekst draaien</translation>
    </message>
    <message>
        <source>%1 Degrees</source>
        <translation>%1 graden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Voorbeeld</translation>
    </message>
</context>
<context>
    <name>fx::VideoPage</name>
    <message>
        <source>Get AVI File...</source>
        <translation>AVI-film openen...</translation>
    </message>
    <message>
        <source> Playback Control </source>
        <translation> Afspelen </translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>AFSPELEN</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Move Back One Frame</source>
        <translation>Eén beeld terug</translation>
    </message>
    <message>
        <source>Move Ahead One Frame</source>
        <translation>Eén beeld vooruit</translation>
    </message>
    <message>
        <source>Click and drag the pointer to move about in the file</source>
        <translation>Klik en sleep om door de film te gaan</translation>
    </message>
    <message>
        <source>Frame   of </source>
        <translation>Beeld   van </translation>
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
        <translation> Beeldgrootte </translation>
    </message>
    <message>
        <source>Make it larger</source>
        <translation>Groter maken</translation>
    </message>
    <message>
        <source>Make it smaller</source>
        <translation>Kleiner maken</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>Set image to normal size</source>
        <translation>De afbeelding weer normaal maken</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Breed:               Hoog:</translation>
    </message>
    <message>
        <source>Get AVI File</source>
        <translation>AVI-film openen</translation>
    </message>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Breed: %1  Hoog: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Beeld %1 van %2</translation>
    </message>
    <message>
        <source>AVI Movies</source>
        <translation>AVI-films</translation>
    </message>
    <message>
        <source>All Videos</source>
        <translation>Alle video&apos;s</translation>
    </message>
</context>
<context>
    <name>pz::Canvas</name>
    <message>
        <source>Pinzola cannot start: the art file %1 is missing or unreadable (%2).</source>
        <translation>Pinzola kan niet starten: het tekenbestand %1 ontbreekt of is niet te lezen (%2).</translation>
    </message>
    <message>
        <source>Paint, color and play!</source>
        <translation>Schilder, kleur en speel!</translation>
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
        <translation>Stop</translation>
    </message>
    <message>
        <source>Click a name to see it</source>
        <translation>Klik op een naam</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (zonder naam)</translation>
    </message>
    <message>
        <source>Pinzola -- %1</source>
        <translation>Pinzola -- %1</translation>
    </message>
    <message>
        <source>Pinzola -- using %1</source>
        <translation>Pinzola -- met %1</translation>
    </message>
    <message>
        <source>Pinzola -- adjusting colors</source>
        <translation>Pinzola -- kleuren worden aangepast</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1already exists. Overwrite?</source>
        <translation>%1 bestaat al. Vervangen?</translation>
    </message>
    <message>
        <source>No Saved Pictures to open.</source>
        <translation>Er zijn nog geen bewaarde tekeningen.</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to paste. Pictures can be at most 16000 pixels wide and 16000 pixels high.</source>
        <translation>De afbeelding op het klembord is te groot om te plakken. Een afbeelding mag hoogstens 16000 pixels breed en 16000 pixels hoog zijn.</translation>
    </message>
    <message>
        <source>The picture on the clipboard could not be read.</source>
        <translation>De afbeelding op het klembord kon niet gelezen worden.</translation>
    </message>
    <message>
        <source>A picture&apos;s name cannot contain &quot;/&quot; or control characters and cannot be &quot;.&quot; or &quot;..&quot;. Please choose another name.</source>
        <translation>De naam van een tekening mag geen &quot;/&quot; of stuurtekens bevatten en mag niet &quot;.&quot; of &quot;..&quot; zijn. Kies een andere naam.</translation>
    </message>
    <message>
        <source>That name is too long for a picture. Please choose a shorter name.</source>
        <translation>Die naam is te lang. Kies een kortere naam.</translation>
    </message>
    <message>
        <source>%1

The picture you are painting has not been changed.</source>
        <translation>%1

Je tekening is niet veranderd.</translation>
    </message>
    <message>
        <source>Cannot save the picture as %1 (%2). Nothing was written: an earlier picture of that name is unchanged, and the picture you are painting is still here.</source>
        <translation>De tekening kan niet bewaard worden als %1 (%2). Er is niets geschreven: een oudere tekening met die naam is hetzelfde gebleven, en je tekening is er nog.</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>in de map kan niet geschreven worden: %1</translation>
    </message>
    <message>
        <source>Textures are limited to 50x50. Your bitmap will take the top left 50x50 as the texture. OK?</source>
        <translation>Patronen zijn hoogstens 50x50. Het stuk van 50x50 linksboven wordt het patroon. Goed?</translation>
    </message>
</context>
<context>
    <name>pz::Platform</name>
    <message>
        <source>Out of memory.</source>
        <translation>Het geheugen is vol.</translation>
    </message>
    <message>
        <source>not a bitmap file</source>
        <translation>geen bitmapbestand</translation>
    </message>
    <message>
        <source>truncated bitmap header</source>
        <translation>bitmapkop afgebroken</translation>
    </message>
    <message>
        <source>unknown bitmap header</source>
        <translation>onbekende bitmapkop</translation>
    </message>
    <message>
        <source>bitmap size out of range</source>
        <translation>onmogelijke bitmapgrootte</translation>
    </message>
    <message>
        <source>unsupported bit depth</source>
        <translation>kleurdiepte niet ondersteund</translation>
    </message>
    <message>
        <source>truncated bit fields</source>
        <translation>bitvelden afgebroken</translation>
    </message>
    <message>
        <source>unsupported compression</source>
        <translation>compressie niet ondersteund</translation>
    </message>
    <message>
        <source>bad bit fields</source>
        <translation>foute bitvelden</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>geen pixels</translation>
    </message>
    <message>
        <source>truncated pixel data</source>
        <translation>pixels afgebroken</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Bestand %1 kan niet geopend worden</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 is te groot voor een afbeelding</translation>
    </message>
    <message>
        <source>%1 is not a valid bitmap (%2)</source>
        <translation>%1 is geen geldige bitmap (%2)</translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation>geen JPEG-bestand</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>bestand te groot</translation>
    </message>
    <message>
        <source>no JPEG decoder</source>
        <translation>geen JPEG-decoder</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>afbeelding te groot</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <translation>CMYK-afbeeldingen worden niet ondersteund</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>lege afbeelding</translation>
    </message>
    <message>
        <source>no JPEG encoder</source>
        <translation>geen JPEG-encoder</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture.</source>
        <translation>%1 is te groot voor een afbeelding.</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Bestand %1 kan niet gelezen worden</translation>
    </message>
    <message>
        <source>not a BMP or JPEG picture</source>
        <translation>geen BMP- of JPEG-afbeelding</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture (%2).</source>
        <translation>%1 kan niet als afbeelding geopend worden (%2).</translation>
    </message>
    <message>
        <source>%1 is not a metafile: the extension is not .wmf or .emf.</source>
        <translation>%1 is geen metabestand: de extensie is niet .wmf of .emf.</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Bestand %1 kan niet geopend worden.</translation>
    </message>
    <message>
        <source>%1 is too large to be a metafile.</source>
        <translation>%1 is te groot voor een metabestand.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 kan niet getoond worden: %2.</translation>
    </message>
    <message>
        <source>it is not an enhanced metafile</source>
        <translation>het is geen enhanced metabestand</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>het bestand is afgebroken</translation>
    </message>
    <message>
        <source>the picture has no size</source>
        <translation>de afbeelding heeft geen grootte</translation>
    </message>
    <message>
        <source>the file is truncated or its records are damaged</source>
        <translation>het bestand is afgebroken of beschadigd</translation>
    </message>
    <message>
        <source>the placeable header&apos;s checksum is wrong</source>
        <translation>de controlesom van de kop klopt niet</translation>
    </message>
    <message>
        <source>the header gives no units per inch</source>
        <translation>de kop geeft geen eenheden per inch</translation>
    </message>
    <message>
        <source>it is not a placeable Windows metafile or an enhanced metafile</source>
        <translation>het is geen plaatsbaar Windows-metabestand en geen enhanced metabestand</translation>
    </message>
    <message>
        <source>it is not a Windows metafile</source>
        <translation>het is geen Windows-metabestand</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Printer instellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>De printer &quot;%1&quot; is er niet.</translation>
    </message>
    <message>
        <source>The printer could not start the page.</source>
        <translation>De printer kon de pagina niet beginnen.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation>De pagina kon niet naar de printer gestuurd worden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>Het bestand &quot;%1&quot; is niet te vinden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Het bestand &quot;%1&quot; is leeg.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>Het bestand &quot;%1&quot; is geen AVI-film, of de kop is beschadigd.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>In het bestand &quot;%1&quot; zit geen film.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>De film in &quot;%1&quot; heeft een beschadigde kop: er staat geen beeldgrootte in.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>De film in &quot;%1&quot; zou %2 × %3 pixels zijn; de grootste film die getoond kan worden is %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>De film in &quot;%1&quot; is ingepakt met een methode (%2) die niet uitgepakt kan worden.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>De film in &quot;%1&quot; heeft geen beelden.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>De film in &quot;%1&quot; heeft geen beeld dat getoond kan worden.</translation>
    </message>
</context>
<context>
    <name>pz::StreamDecoder</name>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>Het bestand &quot;%1&quot; is niet te vinden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Het bestand &quot;%1&quot; is leeg.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>De film in &quot;%1&quot; heeft een beschadigde kop: er staat geen beeldgrootte in.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>De film in &quot;%1&quot; zou %2 × %3 pixels zijn; de grootste film die getoond kan worden is %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>De film in &quot;%1&quot; is ingepakt met een methode (%2) die niet uitgepakt kan worden.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>De film in &quot;%1&quot; heeft geen beelden.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>De film in &quot;%1&quot; heeft geen beeld dat getoond kan worden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>Het bestand &quot;%1&quot; is geen AVI-film, of de kop is beschadigd.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read again.</source>
        <translation>Het bestand &quot;%1&quot; kan niet opnieuw worden gelezen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>In het bestand &quot;%1&quot; zit geen film.</translation>
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
        <translation>%1%</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>pz::Tguide</name>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Handleiding van Pinzola</translation>
    </message>
    <message>
        <source>The User Guide is missing from this folder:</source>
        <translation>De handleiding ontbreekt in deze map:</translation>
    </message>
</context>
<context>
    <name>pz::Tmainpinz</name>
    <message>
        <source>Present position of cursor</source>
        <translation>Waar de aanwijzer nu is</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>OEPS</translation>
    </message>
    <message>
        <source>Undo the last thing you did</source>
        <translation>Het laatste ongedaan maken</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Normal (1 to 1) Size</source>
        <translation>Normale grootte (1 op 1)</translation>
    </message>
    <message>
        <source>Select Color to Use</source>
        <translation>Kleur kiezen</translation>
    </message>
    <message>
        <source>Click to brighten</source>
        <translation>Klik om lichter te maken</translation>
    </message>
    <message>
        <source>Click to darken</source>
        <translation>Klik om donkerder te maken</translation>
    </message>
    <message>
        <source>Select a tool to use</source>
        <translation>Gereedschap kiezen</translation>
    </message>
    <message>
        <source>Tool Chest</source>
        <translation>Gereedschap</translation>
    </message>
    <message>
        <source>Adjust percentage of water in the brush</source>
        <translation>Hoeveel water in de kwast zit</translation>
    </message>
    <message>
        <source>Water %:</source>
        <translation>Water %:</translation>
    </message>
    <message>
        <source>White Only</source>
        <translation>Alleen wit</translation>
    </message>
    <message>
        <source>When checked textures don&apos;t paint over colors</source>
        <translation>Aangevinkt verven patronen niet over kleuren</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>Over dit programma</translation>
    </message>
    <message>
        <source>Open and Save pictures</source>
        <translation>Tekeningen openen en bewaren</translation>
    </message>
    <message>
        <source>Read the User Guide</source>
        <translation>De handleiding lezen</translation>
    </message>
    <message>
        <source>Quit Pinzola</source>
        <translation>Pinzola stoppen</translation>
    </message>
    <message>
        <source>TOOLS</source>
        <translation>VERVEN</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>SYSTEEM</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Printer instellen...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Printen...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Clipart Library...</source>
        <translation>Clipartverzameling...</translation>
    </message>
    <message>
        <source>&amp;Zoom Rectangle</source>
        <translation>&amp;Zoomen op rechthoek</translation>
    </message>
    <message>
        <source>Get AVI Movie Frame...</source>
        <translation>Beeld uit AVI-film...</translation>
    </message>
    <message>
        <source>Insert Text...</source>
        <translation>Tekst toevoegen...</translation>
    </message>
    <message>
        <source>Import WMF Image...</source>
        <translation>WMF-afbeelding halen...</translation>
    </message>
    <message>
        <source>Open Pinzola Picture...</source>
        <translation>Pinzola-tekening openen...</translation>
    </message>
    <message>
        <source>Open Saved Pinzola Picture...</source>
        <translation>Bewaarde tekening openen...</translation>
    </message>
    <message>
        <source>Save Pinzola Picture</source>
        <translation>Tekening bewaren</translation>
    </message>
    <message>
        <source>Save Pinzola Picture As...</source>
        <translation>Tekening bewaren als...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Save As Texture</source>
        <translation>Bewaren als patroon</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (zonder naam)</translation>
    </message>
    <message>
        <source>Pinzola is not intended for LARGE FONT displays. Please adjust your display properties for SMALL FONTS.</source>
        <translation>Pinzola is niet gemaakt voor GROTE LETTERS op het scherm. Zet het scherm op KLEINE LETTERS.</translation>
    </message>
    <message>
        <source>Awwwww. Do you really have to leave now?</source>
        <translation>Ooooh. Moet je nu echt al weg?</translation>
    </message>
    <message>
        <source>The texture could not be saved.</source>
        <translation>Het patroon kon niet bewaard worden.</translation>
    </message>
    <message>
        <source>Water %</source>
        <translation>Water %</translation>
    </message>
    <message>
        <source>Pasting can only take place at 1:1 zoom.</source>
        <translation>Plakken kan alleen op grootte 1:1.</translation>
    </message>
</context>
<context>
    <name>pz::Tools</name>
    <message>
        <source>Pastel</source>
        <translation>Pastel</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon</source>
        <translation>Pastel -- kleurt als een waskrijtje</translation>
    </message>
    <message>
        <source>Texture Brush</source>
        <translation>Patroonkwast</translation>
    </message>
    <message>
        <source>Texture Brush -- use to apply natural organic textures as paint</source>
        <translation>Patroonkwast -- verft met patronen uit de natuur</translation>
    </message>
    <message>
        <source>Water Pen</source>
        <translation>Waterstift</translation>
    </message>
    <message>
        <source>Water Pen -- applies color transparently</source>
        <translation>Waterstift -- verft doorzichtige kleur</translation>
    </message>
    <message>
        <source>Rectangular Area Select</source>
        <translation>Rechthoek kiezen</translation>
    </message>
    <message>
        <source>Razor</source>
        <translation>Scheermes</translation>
    </message>
    <message>
        <source>Razor -- shave color away from black lines</source>
        <translation>Scheermes -- haalt kleur van zwarte lijnen</translation>
    </message>
    <message>
        <source>Acrylic Paint</source>
        <translation>Acrylverf</translation>
    </message>
    <message>
        <source>Acrylic Paint -- applies color dry (doesn&apos;t mix.)</source>
        <translation>Acrylverf -- verft droog (mengt niet.)</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Emmer</translation>
    </message>
    <message>
        <source>Bucket -- fill area with color</source>
        <translation>Emmer -- vult een vlak met kleur</translation>
    </message>
    <message>
        <source>Black Pencil</source>
        <translation>Zwart potlood</translation>
    </message>
    <message>
        <source>Black Pencil -- draw black lines</source>
        <translation>Zwart potlood -- tekent zwarte lijnen</translation>
    </message>
    <message>
        <source>Black Eraser</source>
        <translation>Zwart-gum</translation>
    </message>
    <message>
        <source>Black Eraser -- erase black lines only</source>
        <translation>Zwart-gum -- gumt alleen zwarte lijnen</translation>
    </message>
    <message>
        <source>Color Eraser</source>
        <translation>Kleurgum</translation>
    </message>
    <message>
        <source>Color Eraser -- erase color only</source>
        <translation>Kleurgum -- gumt alleen kleur</translation>
    </message>
    <message>
        <source>Pastel (mixing)</source>
        <translation>Pastel (mengend)</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon but mixes upon contact</source>
        <translation>Pastel -- kleurt als een krijtje en mengt de kleuren</translation>
    </message>
    <message>
        <source>Water Pen (mixing)</source>
        <translation>Waterstift (mengend)</translation>
    </message>
    <message>
        <source>Water Pen -- mixes colors with transparency</source>
        <translation>Waterstift -- mengt doorzichtige kleuren</translation>
    </message>
    <message>
        <source>Spray Paint</source>
        <translation>Spuitbus</translation>
    </message>
    <message>
        <source>Spray Paint -- single color, no mixing</source>
        <translation>Spuitbus -- één kleur, zonder mengen</translation>
    </message>
    <message>
        <source>Wand Stars</source>
        <translation>Toversterren</translation>
    </message>
    <message>
        <source>Wand Stars -- create the sparkles that come from a wand</source>
        <translation>Toversterren -- glitters als uit een toverstaf</translation>
    </message>
    <message>
        <source>Replacement Paint</source>
        <translation>Ruilverf</translation>
    </message>
    <message>
        <source>Replacement Paint -- replaces the color you click on with the chosen color</source>
        <translation>Ruilverf -- ruilt de aangeklikte kleur voor jouw kleur</translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation>Pipet</translation>
    </message>
    <message>
        <source>Dropper -- pick up color</source>
        <translation>Pipet -- pakt een kleur op</translation>
    </message>
    <message>
        <source>Oil Paint</source>
        <translation>Olieverf</translation>
    </message>
    <message>
        <source>Oil Paint -- blends and mixes colors upon applying</source>
        <translation>Olieverf -- mengt de kleuren tijdens het verven</translation>
    </message>
    <message>
        <source>Spray Paint (mixing)</source>
        <translation>Spuitbus (mengend)</translation>
    </message>
    <message>
        <source>Spray Paint -- spray a color and mix on contact</source>
        <translation>Spuitbus -- spuit een kleur en mengt die</translation>
    </message>
    <message>
        <source>Zoom Rectangle</source>
        <translation>Zoomen op rechthoek</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
</context>
<context>
    <name>pz::Topenpic</name>
    <message>
        <source>Open a Picture</source>
        <translation>Een tekening openen</translation>
    </message>
    <message>
        <source>Open the picture</source>
        <translation>De tekening openen</translation>
    </message>
    <message>
        <source>Keep the picture you have</source>
        <translation>Je tekening houden</translation>
    </message>
</context>
<context>
    <name>pz::Tpalpinz</name>
    <message>
        <source>Pinzola&apos;s Colors</source>
        <translation>Pinzola&apos;s kleuren</translation>
    </message>
    <message>
        <source>Click a colour to paint with it</source>
        <translation>Klik op een kleur om ermee te verven</translation>
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
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Choose a palette</source>
        <translation>Een palet kiezen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>pz::Tsaveuser</name>
    <message>
        <source>Enter the name you wish to save this picture as...</source>
        <translation>Hoe moet je tekening heten?</translation>
    </message>
    <message>
        <source>Save with this name</source>
        <translation>Met deze naam bewaren</translation>
    </message>
    <message>
        <source>Do not save</source>
        <translation>Niet bewaren</translation>
    </message>
</context>
<context>
    <name>pz::Ttoolform</name>
    <message>
        <source>Pinzola&apos;s Tools</source>
        <translation>Pinzola&apos;s gereedschap</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Patronen</translation>
    </message>
    <message>
        <source>Tools with this icon will mix colors as they apply.</source>
        <translation>Gereedschap met dit teken mengt de kleuren.</translation>
    </message>
    <message>
        <source>Le&apos;s go with the chosen tool...</source>
        <translation>Aan de slag met dit gereedschap...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Select Textures</source>
        <translation>Patronen kiezen</translation>
    </message>
    <message>
        <source>These textures cannot be read and are left out:</source>
        <translation>Deze patronen zijn niet te lezen en worden weggelaten:</translation>
    </message>
</context>
</TS>
