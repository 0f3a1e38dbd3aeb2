<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Guide</name>
    <message>
        <source>Paints thick, dry colour that does not mix with what is already there. Good for bright, even areas.</source>
        <translation>Dipinge un colore denso e asciutto che non si mescola con quello che c&apos;è già. Ottimo per zone vivaci e uniformi.</translation>
    </message>
    <message>
        <source>Goes on like a crayon, with a soft grainy edge.</source>
        <translation>Colora come un pastello a cera, con un bordo morbido e granuloso.</translation>
    </message>
    <message>
        <source>Like the pastel, but the colours blend where they touch.</source>
        <translation>Come il pastello, ma i colori si mescolano dove si toccano.</translation>
    </message>
    <message>
        <source>Paints see-through colour, like watercolour. Change how watery it is with %1 on the control strip.</source>
        <translation>Dipinge un colore trasparente, come l&apos;acquerello. Cambia quanta acqua c&apos;è con %1 nella barra in alto.</translation>
    </message>
    <message>
        <source>A watery pen that mixes with the colours under it.</source>
        <translation>Un pennarello ad acqua che si mescola con i colori sotto.</translation>
    </message>
    <message>
        <source>Smooth paint that blends and mixes as you move it around.</source>
        <translation>Un colore morbido che si mescola mentre lo muovi.</translation>
    </message>
    <message>
        <source>Sprays tiny dots of one colour, like a spray can.</source>
        <translation>Spruzza puntini di un colore, come una bomboletta.</translation>
    </message>
    <message>
        <source>Sprays a colour that mixes with what it lands on.</source>
        <translation>Spruzza un colore che si mescola con quello che tocca.</translation>
    </message>
    <message>
        <source>Sprinkles sparkling stars, as if from a magic wand. Stars go over everything, even black lines.</source>
        <translation>Sparge stelline luccicanti, come una bacchetta magica. Le stelle vanno sopra tutto, anche sulle linee nere.</translation>
    </message>
    <message>
        <source>Press on a colour and paint: only that colour is changed to your new one.</source>
        <translation>Premi su un colore e dipingi: solo quel colore diventa il tuo colore nuovo.</translation>
    </message>
    <message>
        <source>Click inside a shape to fill it with colour in one go. The black lines keep the colour inside.</source>
        <translation>Fai clic dentro una forma per riempirla di colore in un colpo solo. Le linee nere tengono il colore dentro.</translation>
    </message>
    <message>
        <source>Draws new black lines. Choose how thick in the widths strip.</source>
        <translation>Disegna nuove linee nere. Scegli lo spessore nella barra degli spessori.</translation>
    </message>
    <message>
        <source>Rubs out black lines only; your colours stay.</source>
        <translation>Cancella solo le linee nere; i tuoi colori restano.</translation>
    </message>
    <message>
        <source>Rubs out colour only; the black lines stay.</source>
        <translation>Cancella solo il colore; le linee nere restano.</translation>
    </message>
    <message>
        <source>Shaves colour away from the black lines, to tidy up the edges.</source>
        <translation>Toglie il colore vicino alle linee nere, per bordi puliti.</translation>
    </message>
    <message>
        <source>Paints with a pattern (a texture) instead of a plain colour. Tick %1 to paint only where the paper is still white.</source>
        <translation>Dipinge con un disegno (una trama) invece che con un colore solo. Segna %1 per dipingere solo dove il foglio è ancora bianco.</translation>
    </message>
    <message>
        <source>Click on any colour in your picture to pick it up and paint with it.</source>
        <translation>Fai clic su un colore del tuo disegno per prenderlo e dipingere con quello.</translation>
    </message>
    <message>
        <source>Drag a box over part of the picture. A small menu lets you %1, %2, %3 it, or %4 for the Texture Brush.</source>
        <translation>Trascina un rettangolo su una parte del disegno. Un piccolo menu ti fa scegliere %1, %2, %3 oppure %4 per il pennello a trame.</translation>
    </message>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Guida di Pinzola</translation>
    </message>
    <message>
        <source>Colour in drawings, paint, mix, sparkle &amp;mdash; and save your pictures.</source>
        <translation>Colora disegni, dipingi, mescola, fai brillare &amp;mdash; e salva i tuoi disegni.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Si parte</translation>
    </message>
    <message>
        <source>The screen</source>
        <translation>Lo schermo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Zoom &amp;amp; Undo</source>
        <translation>Zoom e Annulla</translation>
    </message>
    <message>
        <source>Open &amp;amp; Save</source>
        <translation>Apri e Salva</translation>
    </message>
    <message>
        <source>Surface menu</source>
        <translation>Menu del clic destro</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Per i grandi</translation>
    </message>
    <message>
        <source>Let&apos;s start!</source>
        <translation>Si parte!</translation>
    </message>
    <message>
        <source>When Pinzola opens you get a clean white sheet. You can paint on it straight away, or open one of the drawings to colour in: click the &lt;b&gt;open and save&lt;/b&gt; picture on the %1 page and choose %2.</source>
        <translation>Quando Pinzola si apre hai un foglio bianco. Puoi dipingere subito oppure aprire un disegno da colorare: fai clic sull&apos;immagine &lt;b&gt;apri e salva&lt;/b&gt; nella pagina %1 e scegli %2.</translation>
    </message>
    <message>
        <source>Pinzola&apos;s main window</source>
        <translation>La finestra principale di Pinzola</translation>
    </message>
    <message>
        <source>The big white area is your picture. Along the top is the black &lt;b&gt;control strip&lt;/b&gt; with two pages, %1 and %2; click the tabs at its bottom to change page. Use the scroll bars on the right and bottom when the picture is bigger than the window.</source>
        <translation>La grande zona bianca è il tuo disegno. In alto c&apos;è la &lt;b&gt;barra nera&lt;/b&gt; con due pagine, %1 e %2; fai clic sulle linguette in basso per cambiare pagina. Se il disegno è più grande della finestra, usa le barre di scorrimento a destra e in basso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;X/Y:&lt;/b&gt; at the top left shows where the pointer is.</source>
        <translation>&lt;b&gt;X/Y:&lt;/b&gt; in alto a sinistra mostra dove si trova il puntatore.</translation>
    </message>
    <message>
        <source>The tools</source>
        <translation>Gli strumenti</translation>
    </message>
    <message>
        <source>tool chest</source>
        <translation>cassetta degli attrezzi</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;tool chest&lt;/b&gt; on the %1 page to choose a tool. Many tools let you pick a brush size or a line width in the strip next to it.</source>
        <translation>Fai clic sulla &lt;b&gt;cassetta degli attrezzi&lt;/b&gt; nella pagina %1 per scegliere uno strumento. Per molti strumenti scegli lì accanto la grandezza del pennello o lo spessore della linea.</translation>
    </message>
    <message>
        <source>Painting never spoils the black lines of a drawing &amp;mdash; only the Black Pencil, the Black Eraser and the Wand Stars change them.</source>
        <translation>Dipingendo non rovini mai le linee nere di un disegno &amp;mdash; solo la matita nera, la gomma per il nero e le stelle magiche le cambiano.</translation>
    </message>
    <message>
        <source>Choosing colours</source>
        <translation>Scegliere i colori</translation>
    </message>
    <message>
        <source>colour box</source>
        <translation>scatola dei colori</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;colour box&lt;/b&gt; to open %1. Click any patch to paint with it; double-click to pick it and close the window. The %2, %3 and %4 sliders mix red, green and blue yourself, and the numbers under them tell you the colour. The list below chooses another palette; Pinzola remembers it until you close the program.</source>
        <translation>Fai clic sulla &lt;b&gt;scatola dei colori&lt;/b&gt; per aprire %1. Fai clic su un quadretto per dipingere con quel colore; con un doppio clic lo scegli e chiudi la finestra. Con i cursori %2, %3 e %4 mescoli tu rosso, verde e blu, e i numeri sotto ti dicono il colore. L&apos;elenco sotto sceglie un&apos;altra tavolozza; Pinzola se la ricorda finché non chiudi il programma.</translation>
    </message>
    <message>
        <source>the colours window</source>
        <translation>la finestra dei colori</translation>
    </message>
    <message>
        <source>brighten</source>
        <translation>schiarire</translation>
    </message>
    <message>
        <source>darken</source>
        <translation>scurire</translation>
    </message>
    <message>
        <source>make your colour a little &lt;b&gt;brighter&lt;/b&gt; or &lt;b&gt;darker&lt;/b&gt;. Clicking the little colour swatch opens the full colour chooser, where any colour at all can be picked.</source>
        <translation>rendono il tuo colore un po&apos; più &lt;b&gt;chiaro&lt;/b&gt; o più &lt;b&gt;scuro&lt;/b&gt;. Un clic sul quadratino del colore apre la scelta completa dei colori, dove puoi prendere qualsiasi colore.</translation>
    </message>
    <message>
        <source>Zoom and Undo</source>
        <translation>Zoom e Annulla</translation>
    </message>
    <message>
        <source>zoom in</source>
        <translation>avvicina</translation>
    </message>
    <message>
        <source>zoom out</source>
        <translation>allontana</translation>
    </message>
    <message>
        <source>normal size</source>
        <translation>misura normale</translation>
    </message>
    <message>
        <source>%1 makes the picture bigger (2 times, then 4 times) for fiddly corners, %2 shows it at half size, and the third button goes back to normal size. You can also drag a rectangle with %3 from the right-click menu.</source>
        <translation>%1 ingrandisce il disegno (2 volte, poi 4 volte) per gli angolini difficili, %2 lo mostra a metà grandezza, e il terzo pulsante torna alla misura normale. Puoi anche trascinare un rettangolo con %3 dal menu del clic destro.</translation>
    </message>
    <message>
        <source>%1 takes back everything you did since you last chose a tool or a colour, saved, or pasted.</source>
        <translation>%1 annulla tutto quello che hai fatto dall&apos;ultima volta che hai scelto uno strumento o un colore, salvato o incollato.</translation>
    </message>
    <message>
        <source>Opening and saving</source>
        <translation>Aprire e salvare</translation>
    </message>
    <message>
        <source>open and save</source>
        <translation>apri e salva</translation>
    </message>
    <message>
        <source>On the %1 page, the &lt;b&gt;open and save&lt;/b&gt; picture shows the file menu:</source>
        <translation>Nella pagina %1, l&apos;immagine &lt;b&gt;apri e salva&lt;/b&gt; mostra il menu dei file:</translation>
    </message>
    <message>
        <source>Choose a drawing to colour. Click a name to see it, then &lt;b&gt;OK&lt;/b&gt;. The window&apos;s title shows which drawing you are using.</source>
        <translation>Scegli un disegno da colorare. Fai clic su un nome per vederlo, poi su &lt;b&gt;OK&lt;/b&gt;. Il titolo della finestra mostra quale disegno stai usando.</translation>
    </message>
    <message>
        <source>Open a picture you saved before. Pinzola tidies its colours as it opens (you can watch the percentage count up), so black lines are black again.</source>
        <translation>Apre un disegno che hai salvato prima. Pinzola mette in ordine i colori mentre lo apre (vedi salire la percentuale), così le linee nere tornano nere.</translation>
    </message>
    <message>
        <source>Saves your picture under its name. A new picture asks for a name first.</source>
        <translation>Salva il tuo disegno con il suo nome. Per un disegno nuovo ti chiede prima un nome.</translation>
    </message>
    <message>
        <source>Saves under a new name. If a picture with that name exists, Pinzola asks before replacing it.</source>
        <translation>Salva con un nome nuovo. Se c&apos;è già un disegno con quel nome, Pinzola chiede prima di sostituirlo.</translation>
    </message>
    <message>
        <source>the open window</source>
        <translation>la finestra per aprire</translation>
    </message>
    <message>
        <source>the name window</source>
        <translation>la finestra del nome</translation>
    </message>
    <message>
        <source>A name may have spaces and capital letters, but not a &lt;b&gt;/&lt;/b&gt;. If something goes wrong while saving (for example the disk is full), Pinzola tells you and your earlier picture of that name is kept safe.</source>
        <translation>Un nome può avere spazi e lettere maiuscole, ma non una &lt;b&gt;/&lt;/b&gt;. Se qualcosa va storto durante il salvataggio (per esempio se il disco è pieno), Pinzola te lo dice e il tuo disegno di prima con quel nome resta al sicuro.</translation>
    </message>
    <message>
        <source>The right-click menu</source>
        <translation>Il menu del clic destro</translation>
    </message>
    <message>
        <source>Click the right mouse button on your picture for more:</source>
        <translation>Fai clic con il tasto destro del mouse sul tuo disegno per avere di più:</translation>
    </message>
    <message>
        <source>Choose a printer, then print your picture.</source>
        <translation>Scegli una stampante, poi stampa il tuo disegno.</translation>
    </message>
    <message>
        <source>Puts a copied picture on yours. Move it where you want it and click to drop it. A plain background around it becomes see-through.</source>
        <translation>Mette un&apos;immagine copiata sul tuo disegno. Spostala dove vuoi e fai clic per lasciarla. Uno sfondo tutto di un colore diventa trasparente.</translation>
    </message>
    <message>
        <source>Pick a ready-made picture (animals, stars, balloons...) and choose its size, then Paste it.</source>
        <translation>Scegli un&apos;immagine già pronta (animali, stelle, palloncini...) e la sua grandezza, poi incollala.</translation>
    </message>
    <message>
        <source>Drag a box to zoom into it.</source>
        <translation>Trascina un rettangolo per ingrandirlo.</translation>
    </message>
    <message>
        <source>Opens PinzFX to take a picture from a video.</source>
        <translation>Apre PinzFX per prendere un&apos;immagine da un film.</translation>
    </message>
    <message>
        <source>Opens PinzFX to write words with shadows and other effects.</source>
        <translation>Apre PinzFX per scrivere parole con ombre e altri effetti.</translation>
    </message>
    <message>
        <source>Opens PinzFX to bring in a drawing made by another program.</source>
        <translation>Apre PinzFX per portare un disegno fatto con un altro programma.</translation>
    </message>
    <message>
        <source>In PinzFX, select what you want, press %1 and %2, then Paste it.</source>
        <translation>In PinzFX scegli quello che vuoi, premi %1 e %2, poi incollalo.</translation>
    </message>
    <message>
        <source>%1 opens this guide, %2 tells you about Pinzola, and %3 closes the program (it asks first).</source>
        <translation>%1 apre questa guida, %2 ti racconta di Pinzola, e %3 chiude il programma (prima chiede).</translation>
    </message>
    <message>
        <source>help</source>
        <translation>aiuto</translation>
    </message>
    <message>
        <source>about</source>
        <translation>informazioni</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>esci</translation>
    </message>
    <message>
        <source>Everything Pinzola uses lives in its program folder:</source>
        <translation>Tutto quello che usa Pinzola sta nella sua cartella:</translation>
    </message>
    <message>
        <source>drawings to colour (Windows BMP; add your own black-on-white drawings)</source>
        <translation>disegni da colorare (Windows BMP; si possono aggiungere disegni propri neri su bianco)</translation>
    </message>
    <message>
        <source>saved pictures (JPEG at the highest quality)</source>
        <translation>disegni salvati (JPEG alla qualità più alta)</translation>
    </message>
    <message>
        <source>palette pictures for the colours window (BMP)</source>
        <translation>tavolozze per la finestra dei colori (BMP)</translation>
    </message>
    <message>
        <source>50&amp;times;50 textures for the Texture Brush</source>
        <translation>trame di 50&amp;times;50 per il pennello a trame</translation>
    </message>
    <message>
        <source>clip art pictures</source>
        <translation>immagini clipart</translation>
    </message>
    <message>
        <source>this guide</source>
        <translation>questa guida</translation>
    </message>
    <message>
        <source>Pinzola keeps no settings: every start begins fresh.</source>
        <translation>Pinzola non salva impostazioni: ogni avvio riparte da capo.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Non è scelta nessuna stampante predefinita.</translation>
    </message>
</context>
<context>
    <name>SvgDrawing</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>i dati compressi sono danneggiati</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>decompresso supera %1 MB</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>supera %1 MB</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing</source>
        <translation>non è un disegno SVG leggibile</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing (%1)</source>
        <translation>non è un disegno SVG leggibile (%1)</translation>
    </message>
    <message>
        <source>its size is too large to show</source>
        <translation>è troppo grande per essere mostrato</translation>
    </message>
    <message>
        <source>it has no size to show</source>
        <translation>non ha una dimensione da mostrare</translation>
    </message>
    <message>
        <source>it takes too long to draw</source>
        <translation>ci mette troppo a disegnarsi</translation>
    </message>
    <message>
        <source>the renderer failed on it</source>
        <translation>il disegno non è riuscito</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Non si può aprire il file %1.</translation>
    </message>
    <message>
        <source>%1 is too large to be a drawing.</source>
        <translation>%1 è troppo grande per essere un disegno.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 non si può mostrare: %2.</translation>
    </message>
</context>
<context>
    <name>Tmainpinz</name>
    <message>
        <source>Do you want to save your picture first?</source>
        <translation>Vuoi salvare prima il tuo disegno?</translation>
    </message>
</context>
<context>
    <name>Tsaveuser</name>
    <message>
        <source>A picture&apos;s name cannot be only blanks. Please choose another name.</source>
        <translation>Il nome di un disegno non può essere fatto solo di spazi. Scegli un altro nome.</translation>
    </message>
</context>
<context>
    <name>fx::AreaSelect</name>
    <message>
        <source> Area Select </source>
        <translation> Scegli una zona </translation>
    </message>
    <message>
        <source>Copy a rectangular area</source>
        <translation>Copia un rettangolo</translation>
    </message>
    <message>
        <source>Copy irregular area</source>
        <translation>Copia una forma libera</translation>
    </message>
    <message>
        <source>Copy the whole image</source>
        <translation>Copia tutta l&apos;immagine</translation>
    </message>
    <message>
        <source>Copy Selected Area to Clipboard</source>
        <translation>Copia la zona scelta</translation>
    </message>
    <message>
        <source>Return to Pinzola</source>
        <translation>Torna a Pinzola</translation>
    </message>
</context>
<context>
    <name>fx::MetafilePage</name>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Largh.: %1  Alt.: %2</translation>
    </message>
    <message>
        <source>Browse System for WMF File...</source>
        <translation>Cerca un file WMF...</translation>
    </message>
    <message>
        <source>Retrieve WMF File from Clipboard...</source>
        <translation>Prendi il WMF dagli appunti...</translation>
    </message>
    <message>
        <source> Size </source>
        <translation> Grandezza </translation>
    </message>
    <message>
        <source>Make the image larger</source>
        <translation>Ingrandisci l&apos;immagine</translation>
    </message>
    <message>
        <source>Make the image smaller</source>
        <translation>Rimpicciolisci l&apos;immagine</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Set the image to normal size</source>
        <translation>Rimetti l&apos;immagine alla misura normale</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Largh.:               Alt.:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>The picture on the clipboard cannot be read.</source>
        <translation>Non si può leggere l&apos;immagine negli appunti.</translation>
    </message>
    <message>
        <source>Windows Metafiles</source>
        <translation>Metafile di Windows</translation>
    </message>
    <message>
        <source>SVG Drawings</source>
        <translation>Disegni SVG</translation>
    </message>
</context>
<context>
    <name>fx::TextPage</name>
    <message>
        <source>Text Effect:</source>
        <translation>Effetto testo:</translation>
    </message>
    <message>
        <source>Choose test style here</source>
        <translation>Scegli lo stile qui</translation>
    </message>
    <message>
        <source>Click to choose background color</source>
        <translation>Fai clic per scegliere il colore dello sfondo</translation>
    </message>
    <message>
        <source>Click to choose foreground color</source>
        <translation>Fai clic per scegliere il colore delle lettere</translation>
    </message>
    <message>
        <source>Choose lettering style here</source>
        <translation>Scegli il carattere qui</translation>
    </message>
    <message>
        <source>Choose lettering size here</source>
        <translation>Scegli la grandezza delle lettere qui</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italico</translation>
    </message>
    <message>
        <source>Make your text italic</source>
        <translation>Scrivi in corsivo</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Make your text bold</source>
        <translation>Scrivi in grassetto</translation>
    </message>
    <message>
        <source>Enter Text Here</source>
        <translation>Scrivi qui il tuo testo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Annulla l&apos;ultima cosa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Clear the screen</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Shadow Depth:</source>
        <translation>Ombra:</translation>
    </message>
    <message>
        <source>Click to change the depth</source>
        <translation>Fai clic per cambiare l&apos;ombra</translation>
    </message>
    <message>
        <source>1 Pixel</source>
        <translation>1 pixel</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>%1 Pixels</source>
        <translation>%1 pixel</translation>
    </message>
</context>
<context>
    <name>fx::Tpamain</name>
    <message>
        <source>Grab Frame from AVI File</source>
        <translation>Immagine da un film AVI</translation>
    </message>
    <message>
        <source>Add Text Effect</source>
        <translation>Testo con effetto</translation>
    </message>
    <message>
        <source>Vector Graphic Image to Bitmap</source>
        <translation>Disegno vettoriale in immagine</translation>
    </message>
    <message>
        <source>This application can only be executed from Pinzola.</source>
        <translation>Questo programma si può avviare solo da Pinzola.</translation>
    </message>
</context>
<context>
    <name>fx::Trotator</name>
    <message>
        <source>Set Text Rotation Angle</source>
        <translation>Gira il testo</translation>
    </message>
    <message>
        <source>%1 Degrees</source>
        <translation>%1 gradi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Esempio</translation>
    </message>
</context>
<context>
    <name>fx::VideoPage</name>
    <message>
        <source>Get AVI File...</source>
        <translation>Apri un film AVI...</translation>
    </message>
    <message>
        <source> Playback Control </source>
        <translation> Riproduzione </translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>AVVIA</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Move Back One Frame</source>
        <translation>Un&apos;immagine indietro</translation>
    </message>
    <message>
        <source>Move Ahead One Frame</source>
        <translation>Un&apos;immagine avanti</translation>
    </message>
    <message>
        <source>Click and drag the pointer to move about in the file</source>
        <translation>Fai clic e trascina per muoverti nel film</translation>
    </message>
    <message>
        <source>Frame   of </source>
        <translation>Immagine   di </translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Ritmo:</translation>
    </message>
    <message>
        <source>%1 mS</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source> Frame Size </source>
        <translation> Grandezza immagine </translation>
    </message>
    <message>
        <source>Make it larger</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Make it smaller</source>
        <translation>Rimpicciolisci</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Set image to normal size</source>
        <translation>Rimetti l&apos;immagine alla misura normale</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Largh.:               Alt.:</translation>
    </message>
    <message>
        <source>Get AVI File</source>
        <translation>Apri un film AVI</translation>
    </message>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Largh.: %1  Alt.: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Immagine %1 di %2</translation>
    </message>
    <message>
        <source>AVI Movies</source>
        <translation>Film AVI</translation>
    </message>
    <message>
        <source>All Videos</source>
        <translation>Tutti i video</translation>
    </message>
</context>
<context>
    <name>pz::Canvas</name>
    <message>
        <source>Pinzola cannot start: the art file %1 is missing or unreadable (%2).</source>
        <translation>Pinzola non può partire: il file di disegni %1 manca o non si legge (%2).</translation>
    </message>
    <message>
        <source>Paint, color and play!</source>
        <translation>Dipingi, colora e gioca!</translation>
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
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Click a name to see it</source>
        <translation>Fai clic su un nome</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (senza nome)</translation>
    </message>
    <message>
        <source>Pinzola -- %1</source>
        <translation>Pinzola -- %1</translation>
    </message>
    <message>
        <source>Pinzola -- using %1</source>
        <translation>Pinzola -- con %1</translation>
    </message>
    <message>
        <source>Pinzola -- adjusting colors</source>
        <translation>Pinzola -- sistemo i colori</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1already exists. Overwrite?</source>
        <translation>%1 c&apos;è già. Lo sostituisco?</translation>
    </message>
    <message>
        <source>No Saved Pictures to open.</source>
        <translation>Non ci sono ancora disegni salvati.</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to paste. Pictures can be at most 16000 pixels wide and 16000 pixels high.</source>
        <translation>L&apos;immagine negli appunti è troppo grande per incollarla. Un&apos;immagine può essere al massimo larga 16000 pixel e alta 16000 pixel.</translation>
    </message>
    <message>
        <source>The picture on the clipboard could not be read.</source>
        <translation>Non è stato possibile leggere l&apos;immagine negli appunti.</translation>
    </message>
    <message>
        <source>A picture&apos;s name cannot contain &quot;/&quot; or control characters and cannot be &quot;.&quot; or &quot;..&quot;. Please choose another name.</source>
        <translation>Il nome di un disegno non può contenere &quot;/&quot; né caratteri di controllo, e non può essere &quot;.&quot; o &quot;..&quot;. Scegli un altro nome.</translation>
    </message>
    <message>
        <source>That name is too long for a picture. Please choose a shorter name.</source>
        <translation>Questo nome è troppo lungo. Scegline uno più corto.</translation>
    </message>
    <message>
        <source>%1

The picture you are painting has not been changed.</source>
        <translation>%1

Il tuo disegno non è cambiato.</translation>
    </message>
    <message>
        <source>Cannot save the picture as %1 (%2). Nothing was written: an earlier picture of that name is unchanged, and the picture you are painting is still here.</source>
        <translation>Non si può salvare il disegno come %1 (%2). Non è stato scritto niente: un disegno precedente con questo nome è rimasto uguale, e il tuo disegno è ancora qui.</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>non si può scrivere nella cartella: %1</translation>
    </message>
    <message>
        <source>Textures are limited to 50x50. Your bitmap will take the top left 50x50 as the texture. OK?</source>
        <translation>Le trame sono grandi al massimo 50x50. L&apos;angolo in alto a sinistra (50x50) diventerà la trama. Va bene?</translation>
    </message>
</context>
<context>
    <name>pz::Platform</name>
    <message>
        <source>Out of memory.</source>
        <translation>La memoria è piena.</translation>
    </message>
    <message>
        <source>not a bitmap file</source>
        <translation>non è un file bitmap</translation>
    </message>
    <message>
        <source>truncated bitmap header</source>
        <translation>intestazione bitmap troncata</translation>
    </message>
    <message>
        <source>unknown bitmap header</source>
        <translation>intestazione bitmap sconosciuta</translation>
    </message>
    <message>
        <source>bitmap size out of range</source>
        <translation>misura della bitmap impossibile</translation>
    </message>
    <message>
        <source>unsupported bit depth</source>
        <translation>profondità di colore non supportata</translation>
    </message>
    <message>
        <source>truncated bit fields</source>
        <translation>campi di bit troncati</translation>
    </message>
    <message>
        <source>unsupported compression</source>
        <translation>compressione non supportata</translation>
    </message>
    <message>
        <source>bad bit fields</source>
        <translation>campi di bit errati</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>nessun pixel</translation>
    </message>
    <message>
        <source>truncated pixel data</source>
        <translation>pixel troncati</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Non si può aprire il file %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 è troppo grande per essere un&apos;immagine</translation>
    </message>
    <message>
        <source>%1 is not a valid bitmap (%2)</source>
        <translation>%1 non è una bitmap valida (%2)</translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation>non è un file JPEG</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>file troppo grande</translation>
    </message>
    <message>
        <source>no JPEG decoder</source>
        <translation>nessun decodificatore JPEG</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>immagine troppo grande</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <translation>le immagini CMYK non sono supportate</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>immagine vuota</translation>
    </message>
    <message>
        <source>no JPEG encoder</source>
        <translation>nessun codificatore JPEG</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture.</source>
        <translation>%1 è troppo grande per essere un&apos;immagine.</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Non si può leggere il file %1</translation>
    </message>
    <message>
        <source>not a BMP or JPEG picture</source>
        <translation>non è un&apos;immagine BMP o JPEG</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture (%2).</source>
        <translation>%1 non si può aprire come immagine (%2).</translation>
    </message>
    <message>
        <source>%1 is not a metafile: the extension is not .wmf or .emf.</source>
        <translation>%1 non è un metafile: l&apos;estensione non è .wmf o .emf.</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Non si può aprire il file %1.</translation>
    </message>
    <message>
        <source>%1 is too large to be a metafile.</source>
        <translation>%1 è troppo grande per essere un metafile.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 non si può mostrare: %2.</translation>
    </message>
    <message>
        <source>it is not an enhanced metafile</source>
        <translation>non è un metafile avanzato</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>il file è troncato</translation>
    </message>
    <message>
        <source>the picture has no size</source>
        <translation>l&apos;immagine non ha una misura</translation>
    </message>
    <message>
        <source>the file is truncated or its records are damaged</source>
        <translation>il file è troncato o rovinato</translation>
    </message>
    <message>
        <source>the placeable header&apos;s checksum is wrong</source>
        <translation>la somma di controllo dell&apos;intestazione è sbagliata</translation>
    </message>
    <message>
        <source>the header gives no units per inch</source>
        <translation>l&apos;intestazione non indica le unità per pollice</translation>
    </message>
    <message>
        <source>it is not a placeable Windows metafile or an enhanced metafile</source>
        <translation>non è né un metafile Windows posizionabile né un metafile avanzato</translation>
    </message>
    <message>
        <source>it is not a Windows metafile</source>
        <translation>non è un metafile di Windows</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Imposta stampante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>La stampante &quot;%1&quot; non è disponibile.</translation>
    </message>
    <message>
        <source>The printer could not start the page.</source>
        <translation>La stampante non ha potuto iniziare la pagina.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation>Non è stato possibile mandare la pagina alla stampante.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>Il file &quot;%1&quot; non si trova.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Il file &quot;%1&quot; è vuoto.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>Il file &quot;%1&quot; non è un film AVI, o la sua intestazione è rovinata.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>Il file &quot;%1&quot; non contiene nessun film.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>Il film in &quot;%1&quot; ha l&apos;intestazione rovinata: non dice la misura delle immagini.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>Il film in &quot;%1&quot; dice di essere %2 × %3 pixel; il film più grande che si può mostrare è %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>Il film in &quot;%1&quot; è compresso con un metodo (%2) che non si può decodificare.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>Il film in &quot;%1&quot; non ha immagini.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>Il film in &quot;%1&quot; non ha nessuna immagine da mostrare.</translation>
    </message>
</context>
<context>
    <name>pz::StreamDecoder</name>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>Il file &quot;%1&quot; non si trova.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Il file &quot;%1&quot; è vuoto.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>Il film in &quot;%1&quot; ha l&apos;intestazione rovinata: non dice la misura delle immagini.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>Il film in &quot;%1&quot; dice di essere %2 × %3 pixel; il film più grande che si può mostrare è %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>Il film in &quot;%1&quot; è compresso con un metodo (%2) che non si può decodificare.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>Il film in &quot;%1&quot; non ha immagini.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>Il film in &quot;%1&quot; non ha nessuna immagine da mostrare.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Il file &quot;%1&quot; non si può leggere.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>Il file &quot;%1&quot; non è un film AVI, o la sua intestazione è rovinata.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read again.</source>
        <translation>Il file &quot;%1&quot; non si può rileggere.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>Il file &quot;%1&quot; non contiene nessun film.</translation>
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
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>pz::Tguide</name>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Guida di Pinzola</translation>
    </message>
    <message>
        <source>The User Guide is missing from this folder:</source>
        <translation>La guida manca in questa cartella:</translation>
    </message>
</context>
<context>
    <name>pz::Tmainpinz</name>
    <message>
        <source>Present position of cursor</source>
        <translation>Dove si trova il puntatore</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>OPS!</translation>
    </message>
    <message>
        <source>Undo the last thing you did</source>
        <translation>Annulla l&apos;ultima cosa che hai fatto</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Avvicina</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Allontana</translation>
    </message>
    <message>
        <source>Normal (1 to 1) Size</source>
        <translation>Misura normale (1 a 1)</translation>
    </message>
    <message>
        <source>Select Color to Use</source>
        <translation>Scegli il colore</translation>
    </message>
    <message>
        <source>Click to brighten</source>
        <translation>Fai clic per schiarire</translation>
    </message>
    <message>
        <source>Click to darken</source>
        <translation>Fai clic per scurire</translation>
    </message>
    <message>
        <source>Select a tool to use</source>
        <translation>Scegli uno strumento</translation>
    </message>
    <message>
        <source>Tool Chest</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Adjust percentage of water in the brush</source>
        <translation>Quanta acqua c&apos;è nel pennello</translation>
    </message>
    <message>
        <source>Water %:</source>
        <translation>Acqua %:</translation>
    </message>
    <message>
        <source>White Only</source>
        <translation>Solo bianco</translation>
    </message>
    <message>
        <source>When checked textures don&apos;t paint over colors</source>
        <translation>Se segnato, le trame non coprono i colori</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>Open and Save pictures</source>
        <translation>Apri e salva i disegni</translation>
    </message>
    <message>
        <source>Read the User Guide</source>
        <translation>Leggi la guida</translation>
    </message>
    <message>
        <source>Quit Pinzola</source>
        <translation>Esci da Pinzola</translation>
    </message>
    <message>
        <source>TOOLS</source>
        <translation>DIPINGI</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>SISTEMA</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Imposta stampante...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Clipart Library...</source>
        <translation>Raccolta di clipart...</translation>
    </message>
    <message>
        <source>&amp;Zoom Rectangle</source>
        <translation>&amp;Zoom su un rettangolo</translation>
    </message>
    <message>
        <source>Get AVI Movie Frame...</source>
        <translation>Immagine da un film AVI...</translation>
    </message>
    <message>
        <source>Insert Text...</source>
        <translation>Aggiungi testo...</translation>
    </message>
    <message>
        <source>Import WMF Image...</source>
        <translation>Importa un&apos;immagine WMF...</translation>
    </message>
    <message>
        <source>Open Pinzola Picture...</source>
        <translation>Apri un disegno di Pinzola...</translation>
    </message>
    <message>
        <source>Open Saved Pinzola Picture...</source>
        <translation>Apri un disegno salvato...</translation>
    </message>
    <message>
        <source>Save Pinzola Picture</source>
        <translation>Salva il disegno</translation>
    </message>
    <message>
        <source>Save Pinzola Picture As...</source>
        <translation>Salva il disegno come...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save As Texture</source>
        <translation>Salva come trama</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (senza nome)</translation>
    </message>
    <message>
        <source>Pinzola is not intended for LARGE FONT displays. Please adjust your display properties for SMALL FONTS.</source>
        <translation>Pinzola non è fatto per CARATTERI GRANDI sullo schermo. Imposta lo schermo su CARATTERI PICCOLI.</translation>
    </message>
    <message>
        <source>Awwwww. Do you really have to leave now?</source>
        <translation>Ooooh. Devi proprio andare via adesso?</translation>
    </message>
    <message>
        <source>The texture could not be saved.</source>
        <translation>Non è stato possibile salvare la trama.</translation>
    </message>
    <message>
        <source>Water %</source>
        <translation>Acqua %</translation>
    </message>
    <message>
        <source>Pasting can only take place at 1:1 zoom.</source>
        <translation>Si può incollare solo a grandezza 1:1.</translation>
    </message>
</context>
<context>
    <name>pz::Tools</name>
    <message>
        <source>Pastel</source>
        <translation>Pastello</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon</source>
        <translation>Pastello -- colora come un pastello a cera</translation>
    </message>
    <message>
        <source>Texture Brush</source>
        <translation>Pennello a trame</translation>
    </message>
    <message>
        <source>Texture Brush -- use to apply natural organic textures as paint</source>
        <translation>Pennello a trame -- dipinge con trame della natura</translation>
    </message>
    <message>
        <source>Water Pen</source>
        <translation>Pennarello ad acqua</translation>
    </message>
    <message>
        <source>Water Pen -- applies color transparently</source>
        <translation>Pennarello ad acqua -- colore trasparente</translation>
    </message>
    <message>
        <source>Rectangular Area Select</source>
        <translation>Scegli un rettangolo</translation>
    </message>
    <message>
        <source>Razor</source>
        <translation>Rasoio</translation>
    </message>
    <message>
        <source>Razor -- shave color away from black lines</source>
        <translation>Rasoio -- toglie il colore dalle linee nere</translation>
    </message>
    <message>
        <source>Acrylic Paint</source>
        <translation>Colore acrilico</translation>
    </message>
    <message>
        <source>Acrylic Paint -- applies color dry (doesn&apos;t mix.)</source>
        <translation>Colore acrilico -- dipinge asciutto (non mescola.)</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Secchiello</translation>
    </message>
    <message>
        <source>Bucket -- fill area with color</source>
        <translation>Secchiello -- riempie una zona di colore</translation>
    </message>
    <message>
        <source>Black Pencil</source>
        <translation>Matita nera</translation>
    </message>
    <message>
        <source>Black Pencil -- draw black lines</source>
        <translation>Matita nera -- disegna linee nere</translation>
    </message>
    <message>
        <source>Black Eraser</source>
        <translation>Gomma per il nero</translation>
    </message>
    <message>
        <source>Black Eraser -- erase black lines only</source>
        <translation>Gomma per il nero -- cancella solo le linee nere</translation>
    </message>
    <message>
        <source>Color Eraser</source>
        <translation>Gomma per i colori</translation>
    </message>
    <message>
        <source>Color Eraser -- erase color only</source>
        <translation>Gomma per i colori -- cancella solo il colore</translation>
    </message>
    <message>
        <source>Pastel (mixing)</source>
        <translation>Pastello (mescola)</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon but mixes upon contact</source>
        <translation>Pastello -- colora come un pastello e mescola i colori</translation>
    </message>
    <message>
        <source>Water Pen (mixing)</source>
        <translation>Pennarello ad acqua (mescola)</translation>
    </message>
    <message>
        <source>Water Pen -- mixes colors with transparency</source>
        <translation>Pennarello ad acqua -- mescola colori trasparenti</translation>
    </message>
    <message>
        <source>Spray Paint</source>
        <translation>Bomboletta</translation>
    </message>
    <message>
        <source>Spray Paint -- single color, no mixing</source>
        <translation>Bomboletta -- un colore, senza mescolare</translation>
    </message>
    <message>
        <source>Wand Stars</source>
        <translation>Stelle magiche</translation>
    </message>
    <message>
        <source>Wand Stars -- create the sparkles that come from a wand</source>
        <translation>Stelle magiche -- scintille da bacchetta magica</translation>
    </message>
    <message>
        <source>Replacement Paint</source>
        <translation>Colore scambio</translation>
    </message>
    <message>
        <source>Replacement Paint -- replaces the color you click on with the chosen color</source>
        <translation>Colore scambio -- cambia il colore che tocchi con il tuo</translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation>Contagocce</translation>
    </message>
    <message>
        <source>Dropper -- pick up color</source>
        <translation>Contagocce -- prende un colore</translation>
    </message>
    <message>
        <source>Oil Paint</source>
        <translation>Colore a olio</translation>
    </message>
    <message>
        <source>Oil Paint -- blends and mixes colors upon applying</source>
        <translation>Colore a olio -- mescola i colori mentre dipingi</translation>
    </message>
    <message>
        <source>Spray Paint (mixing)</source>
        <translation>Bomboletta (mescola)</translation>
    </message>
    <message>
        <source>Spray Paint -- spray a color and mix on contact</source>
        <translation>Bomboletta -- spruzza un colore e lo mescola</translation>
    </message>
    <message>
        <source>Zoom Rectangle</source>
        <translation>Zoom su un rettangolo</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
</context>
<context>
    <name>pz::Topenpic</name>
    <message>
        <source>Open a Picture</source>
        <translation>Apri un disegno</translation>
    </message>
    <message>
        <source>Open the picture</source>
        <translation>Apri il disegno</translation>
    </message>
    <message>
        <source>Keep the picture you have</source>
        <translation>Tieni il tuo disegno</translation>
    </message>
</context>
<context>
    <name>pz::Tpalpinz</name>
    <message>
        <source>Pinzola&apos;s Colors</source>
        <translation>I colori di Pinzola</translation>
    </message>
    <message>
        <source>Click a colour to paint with it</source>
        <translation>Fai clic su un colore per dipingere</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The first letter of the word red.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <extracomment>The first letter of the word green.</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>The first letter of the word blue.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Choose a palette</source>
        <translation>Scegli una tavolozza</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>pz::Tsaveuser</name>
    <message>
        <source>Enter the name you wish to save this picture as...</source>
        <translation>Che nome vuoi dare al tuo disegno?</translation>
    </message>
    <message>
        <source>Save with this name</source>
        <translation>Salva con questo nome</translation>
    </message>
    <message>
        <source>Do not save</source>
        <translation>Non salvare</translation>
    </message>
</context>
<context>
    <name>pz::Ttoolform</name>
    <message>
        <source>Pinzola&apos;s Tools</source>
        <translation>Gli strumenti di Pinzola</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Trame</translation>
    </message>
    <message>
        <source>Tools with this icon will mix colors as they apply.</source>
        <translation>Gli strumenti con questo segno mescolano i colori.</translation>
    </message>
    <message>
        <source>Le&apos;s go with the chosen tool...</source>
        <translation>Via con questo strumento...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Select Textures</source>
        <translation>Scegli le trame</translation>
    </message>
    <message>
        <source>These textures cannot be read and are left out:</source>
        <translation>Queste trame non si leggono e vengono lasciate fuori:</translation>
    </message>
</context>
</TS>
