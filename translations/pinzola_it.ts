<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <source>Windows Metafiles (*.[wW][mM][fF] *.[eE][mM][fF])</source>
        <translation>Metafile di Windows (*.[wW][mM][fF] *.[eE][mM][fF])</translation>
    </message>
    <message>
        <source>The picture on the clipboard cannot be read.</source>
        <translation>Non si può leggere l&apos;immagine negli appunti.</translation>
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
        <source>AVI Movies (*.[aA][vV][iI])</source>
        <translation>Film AVI (*.[aA][vV][iI])</translation>
    </message>
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
        <source>No file was given to print into.</source>
        <translation>Non è stato indicato un file in cui stampare.</translation>
    </message>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Non è scelta nessuna stampante predefinita.</translation>
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
        <source>These textures cannot be read and are left out:
</source>
        <translation>Queste trame non si leggono e vengono lasciate fuori:
</translation>
    </message>
</context>
</TS>
