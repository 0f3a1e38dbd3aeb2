<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Guide</name>
    <message>
        <source>Paints thick, dry colour that does not mix with what is already there. Good for bright, even areas.</source>
        <translation>Pinta un color espeso y seco que no se mezcla con lo que ya hay. Va muy bien para zonas vivas y parejas.</translation>
    </message>
    <message>
        <source>Goes on like a crayon, with a soft grainy edge.</source>
        <translation>Pinta como una cera, con un borde suave y granulado.</translation>
    </message>
    <message>
        <source>Like the pastel, but the colours blend where they touch.</source>
        <translation>Como el pastel, pero los colores se mezclan donde se tocan.</translation>
    </message>
    <message>
        <source>Paints see-through colour, like watercolour. Change how watery it is with %1 on the control strip.</source>
        <translation>Pinta un color transparente, como la acuarela. Cambia cuánta agua lleva con %1 en la barra de arriba.</translation>
    </message>
    <message>
        <source>A watery pen that mixes with the colours under it.</source>
        <translation>Un rotulador de agua que se mezcla con los colores de debajo.</translation>
    </message>
    <message>
        <source>Smooth paint that blends and mixes as you move it around.</source>
        <translation>Una pintura suave que se mezcla cuando la mueves.</translation>
    </message>
    <message>
        <source>Sprays tiny dots of one colour, like a spray can.</source>
        <translation>Echa puntitos de un color, como un espray.</translation>
    </message>
    <message>
        <source>Sprays a colour that mixes with what it lands on.</source>
        <translation>Echa un color que se mezcla con lo que toca.</translation>
    </message>
    <message>
        <source>Sprinkles sparkling stars, as if from a magic wand. Stars go over everything, even black lines.</source>
        <translation>Esparce estrellas brillantes, como una varita mágica. Las estrellas van encima de todo, hasta de las líneas negras.</translation>
    </message>
    <message>
        <source>Press on a colour and paint: only that colour is changed to your new one.</source>
        <translation>Pulsa sobre un color y pinta: solo ese color cambia a tu color nuevo.</translation>
    </message>
    <message>
        <source>Click inside a shape to fill it with colour in one go. The black lines keep the colour inside.</source>
        <translation>Haz clic dentro de una forma para rellenarla de color de una vez. Las líneas negras guardan el color dentro.</translation>
    </message>
    <message>
        <source>Draws new black lines. Choose how thick in the widths strip.</source>
        <translation>Dibuja líneas negras nuevas. Elige el grosor en la barra de grosores.</translation>
    </message>
    <message>
        <source>Rubs out black lines only; your colours stay.</source>
        <translation>Borra solo las líneas negras; tus colores se quedan.</translation>
    </message>
    <message>
        <source>Rubs out colour only; the black lines stay.</source>
        <translation>Borra solo el color; las líneas negras se quedan.</translation>
    </message>
    <message>
        <source>Shaves colour away from the black lines, to tidy up the edges.</source>
        <translation>Quita el color de junto a las líneas negras, para dejar los bordes limpios.</translation>
    </message>
    <message>
        <source>Paints with a pattern (a texture) instead of a plain colour. Tick %1 to paint only where the paper is still white.</source>
        <translation>Pinta con un dibujo (una textura) en vez de un color liso. Marca %1 para pintar solo donde el papel sigue blanco.</translation>
    </message>
    <message>
        <source>Click on any colour in your picture to pick it up and paint with it.</source>
        <translation>Haz clic en cualquier color de tu dibujo para tomarlo y pintar con él.</translation>
    </message>
    <message>
        <source>Drag a box over part of the picture. A small menu lets you %1, %2, %3 it, or %4 for the Texture Brush.</source>
        <translation>Arrastra un rectángulo sobre una parte del dibujo. Un menú pequeño te deja %1, %2, %3 o %4 para el pincel de texturas.</translation>
    </message>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Guía de Pinzola</translation>
    </message>
    <message>
        <source>Colour in drawings, paint, mix, sparkle &amp;mdash; and save your pictures.</source>
        <translation>Colorea dibujos, pinta, mezcla, haz brillar &amp;mdash; y guarda tus dibujos.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>The screen</source>
        <translation>La pantalla</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Zoom &amp;amp; Undo</source>
        <translation>Zoom y Deshacer</translation>
    </message>
    <message>
        <source>Open &amp;amp; Save</source>
        <translation>Abrir y Guardar</translation>
    </message>
    <message>
        <source>Surface menu</source>
        <translation>Menú del clic derecho</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Para mayores</translation>
    </message>
    <message>
        <source>Let&apos;s start!</source>
        <translation>¡Empezamos!</translation>
    </message>
    <message>
        <source>When Pinzola opens you get a clean white sheet. You can paint on it straight away, or open one of the drawings to colour in: click the &lt;b&gt;open and save&lt;/b&gt; picture on the %1 page and choose %2.</source>
        <translation>Cuando Pinzola se abre tienes una hoja blanca. Puedes pintar enseguida o abrir un dibujo para colorear: haz clic en el dibujo de &lt;b&gt;abrir y guardar&lt;/b&gt; de la página %1 y elige %2.</translation>
    </message>
    <message>
        <source>Pinzola&apos;s main window</source>
        <translation>La ventana principal de Pinzola</translation>
    </message>
    <message>
        <source>The big white area is your picture. Along the top is the black &lt;b&gt;control strip&lt;/b&gt; with two pages, %1 and %2; click the tabs at its bottom to change page. Use the scroll bars on the right and bottom when the picture is bigger than the window.</source>
        <translation>La zona blanca grande es tu dibujo. Arriba está la &lt;b&gt;barra negra&lt;/b&gt; con dos páginas, %1 y %2; haz clic en las pestañas de abajo para cambiar de página. Si el dibujo es más grande que la ventana, usa las barras de desplazamiento de la derecha y de abajo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;X/Y:&lt;/b&gt; at the top left shows where the pointer is.</source>
        <translation>&lt;b&gt;X/Y:&lt;/b&gt; arriba a la izquierda dice dónde está el puntero.</translation>
    </message>
    <message>
        <source>The tools</source>
        <translation>Las herramientas</translation>
    </message>
    <message>
        <source>tool chest</source>
        <translation>caja de herramientas</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;tool chest&lt;/b&gt; on the %1 page to choose a tool. Many tools let you pick a brush size or a line width in the strip next to it.</source>
        <translation>Haz clic en la &lt;b&gt;caja de herramientas&lt;/b&gt; de la página %1 para elegir una herramienta. En muchas puedes elegir al lado el tamaño del pincel o el grosor de la línea.</translation>
    </message>
    <message>
        <source>Painting never spoils the black lines of a drawing &amp;mdash; only the Black Pencil, the Black Eraser and the Wand Stars change them.</source>
        <translation>Al pintar nunca se estropean las líneas negras de un dibujo &amp;mdash; solo el lápiz negro, la goma de negro y las estrellas mágicas las cambian.</translation>
    </message>
    <message>
        <source>Choosing colours</source>
        <translation>Elegir colores</translation>
    </message>
    <message>
        <source>colour box</source>
        <translation>caja de color</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;colour box&lt;/b&gt; to open %1. Click any patch to paint with it; double-click to pick it and close the window. The %2, %3 and %4 sliders mix red, green and blue yourself, and the numbers under them tell you the colour. The list below chooses another palette; Pinzola remembers it until you close the program.</source>
        <translation>Haz clic en la &lt;b&gt;caja de color&lt;/b&gt; para abrir %1. Haz clic en un cuadrito para pintar con él; con doble clic lo eliges y se cierra la ventana. Con las barras %2, %3 y %4 mezclas tú el rojo, el verde y el azul, y los números de debajo te dicen el color. La lista de abajo elige otra paleta; Pinzola la recuerda hasta que cierras el programa.</translation>
    </message>
    <message>
        <source>the colours window</source>
        <translation>la ventana de colores</translation>
    </message>
    <message>
        <source>brighten</source>
        <translation>aclarar</translation>
    </message>
    <message>
        <source>darken</source>
        <translation>oscurecer</translation>
    </message>
    <message>
        <source>make your colour a little &lt;b&gt;brighter&lt;/b&gt; or &lt;b&gt;darker&lt;/b&gt;. Clicking the little colour swatch opens the full colour chooser, where any colour at all can be picked.</source>
        <translation>hacen tu color un poco más &lt;b&gt;claro&lt;/b&gt; o más &lt;b&gt;oscuro&lt;/b&gt;. Al hacer clic en el cuadradito de color se abre el selector de colores completo, donde puedes elegir cualquier color.</translation>
    </message>
    <message>
        <source>Zoom and Undo</source>
        <translation>Zoom y Deshacer</translation>
    </message>
    <message>
        <source>zoom in</source>
        <translation>acercar</translation>
    </message>
    <message>
        <source>zoom out</source>
        <translation>alejar</translation>
    </message>
    <message>
        <source>normal size</source>
        <translation>tamaño normal</translation>
    </message>
    <message>
        <source>%1 makes the picture bigger (2 times, then 4 times) for fiddly corners, %2 shows it at half size, and the third button goes back to normal size. You can also drag a rectangle with %3 from the right-click menu.</source>
        <translation>%1 hace el dibujo más grande (2 veces y luego 4 veces) para los rincones difíciles, %2 lo muestra a la mitad, y el tercer botón vuelve al tamaño normal. También puedes arrastrar un rectángulo con %3 desde el menú del clic derecho.</translation>
    </message>
    <message>
        <source>%1 takes back everything you did since you last chose a tool or a colour, saved, or pasted.</source>
        <translation>%1 deshace todo lo que hiciste desde que elegiste una herramienta o un color, guardaste o pegaste por última vez.</translation>
    </message>
    <message>
        <source>Opening and saving</source>
        <translation>Abrir y guardar</translation>
    </message>
    <message>
        <source>open and save</source>
        <translation>abrir y guardar</translation>
    </message>
    <message>
        <source>On the %1 page, the &lt;b&gt;open and save&lt;/b&gt; picture shows the file menu:</source>
        <translation>En la página %1, el dibujo de &lt;b&gt;abrir y guardar&lt;/b&gt; muestra el menú de archivos:</translation>
    </message>
    <message>
        <source>Choose a drawing to colour. Click a name to see it, then &lt;b&gt;OK&lt;/b&gt;. The window&apos;s title shows which drawing you are using.</source>
        <translation>Elige un dibujo para colorear. Haz clic en un nombre para verlo y luego en &lt;b&gt;OK&lt;/b&gt;. El título de la ventana dice qué dibujo estás usando.</translation>
    </message>
    <message>
        <source>Open a picture you saved before. Pinzola tidies its colours as it opens (you can watch the percentage count up), so black lines are black again.</source>
        <translation>Abre un dibujo que guardaste antes. Pinzola ordena sus colores al abrirlo (puedes ver cómo sube el porcentaje), para que las líneas negras vuelvan a ser negras.</translation>
    </message>
    <message>
        <source>Saves your picture under its name. A new picture asks for a name first.</source>
        <translation>Guarda tu dibujo con su nombre. Si el dibujo es nuevo, primero te pide un nombre.</translation>
    </message>
    <message>
        <source>Saves under a new name. If a picture with that name exists, Pinzola asks before replacing it.</source>
        <translation>Guarda con un nombre nuevo. Si ya hay un dibujo con ese nombre, Pinzola pregunta antes de cambiarlo.</translation>
    </message>
    <message>
        <source>the open window</source>
        <translation>la ventana para abrir</translation>
    </message>
    <message>
        <source>the name window</source>
        <translation>la ventana del nombre</translation>
    </message>
    <message>
        <source>A name may have spaces and capital letters, but not a &lt;b&gt;/&lt;/b&gt;. If something goes wrong while saving (for example the disk is full), Pinzola tells you and your earlier picture of that name is kept safe.</source>
        <translation>Un nombre puede tener espacios y mayúsculas, pero no una &lt;b&gt;/&lt;/b&gt;. Si algo sale mal al guardar (por ejemplo, si el disco está lleno), Pinzola te avisa y tu dibujo anterior con ese nombre queda a salvo.</translation>
    </message>
    <message>
        <source>The right-click menu</source>
        <translation>El menú del clic derecho</translation>
    </message>
    <message>
        <source>Click the right mouse button on your picture for more:</source>
        <translation>Haz clic con el botón derecho del ratón en tu dibujo para ver más:</translation>
    </message>
    <message>
        <source>Choose a printer, then print your picture.</source>
        <translation>Elige una impresora y luego imprime tu dibujo.</translation>
    </message>
    <message>
        <source>Puts a copied picture on yours. Move it where you want it and click to drop it. A plain background around it becomes see-through.</source>
        <translation>Pone una imagen copiada sobre tu dibujo. Muévela adonde quieras y haz clic para soltarla. Un fondo liso alrededor se vuelve transparente.</translation>
    </message>
    <message>
        <source>Pick a ready-made picture (animals, stars, balloons...) and choose its size, then Paste it.</source>
        <translation>Elige una imagen ya hecha (animales, estrellas, globos...) y su tamaño, y luego pégala.</translation>
    </message>
    <message>
        <source>Drag a box to zoom into it.</source>
        <translation>Arrastra un rectángulo para acercarte a él.</translation>
    </message>
    <message>
        <source>Opens PinzFX to take a picture from a video.</source>
        <translation>Abre PinzFX para sacar una imagen de una película.</translation>
    </message>
    <message>
        <source>Opens PinzFX to write words with shadows and other effects.</source>
        <translation>Abre PinzFX para escribir palabras con sombras y otros efectos.</translation>
    </message>
    <message>
        <source>Opens PinzFX to bring in a drawing made by another program.</source>
        <translation>Abre PinzFX para traer un dibujo hecho con otro programa.</translation>
    </message>
    <message>
        <source>In PinzFX, select what you want, press %1 and %2, then Paste it.</source>
        <translation>En PinzFX, elige lo que quieras, pulsa %1 y %2, y luego pégalo.</translation>
    </message>
    <message>
        <source>%1 opens this guide, %2 tells you about Pinzola, and %3 closes the program (it asks first).</source>
        <translation>%1 abre esta guía, %2 te cuenta cosas de Pinzola, y %3 cierra el programa (antes pregunta).</translation>
    </message>
    <message>
        <source>help</source>
        <translation>ayuda</translation>
    </message>
    <message>
        <source>about</source>
        <translation>acerca de</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>salir</translation>
    </message>
    <message>
        <source>Everything Pinzola uses lives in its program folder:</source>
        <translation>Todo lo que usa Pinzola está en su carpeta:</translation>
    </message>
    <message>
        <source>drawings to colour (Windows BMP; add your own black-on-white drawings)</source>
        <translation>dibujos para colorear (Windows BMP; se pueden añadir dibujos propios en negro sobre blanco)</translation>
    </message>
    <message>
        <source>saved pictures (JPEG at the highest quality)</source>
        <translation>dibujos guardados (JPEG con la máxima calidad)</translation>
    </message>
    <message>
        <source>palette pictures for the colours window (BMP)</source>
        <translation>paletas para la ventana de colores (BMP)</translation>
    </message>
    <message>
        <source>50&amp;times;50 textures for the Texture Brush</source>
        <translation>texturas de 50&amp;times;50 para el pincel de texturas</translation>
    </message>
    <message>
        <source>clip art pictures</source>
        <translation>imágenes prediseñadas</translation>
    </message>
    <message>
        <source>this guide</source>
        <translation>esta guía</translation>
    </message>
    <message>
        <source>Pinzola keeps no settings: every start begins fresh.</source>
        <translation>Pinzola no guarda ajustes: cada vez empieza de nuevo.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>No hay ninguna impresora elegida por defecto.</translation>
    </message>
</context>
<context>
    <name>SvgDrawing</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>los datos comprimidos están dañados</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>al descomprimirlo ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing</source>
        <translation>no es un dibujo SVG legible</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing (%1)</source>
        <translation>no es un dibujo SVG legible (%1)</translation>
    </message>
    <message>
        <source>its size is too large to show</source>
        <translation>es demasiado grande para mostrarlo</translation>
    </message>
    <message>
        <source>it has no size to show</source>
        <translation>no tiene un tamaño que se pueda mostrar</translation>
    </message>
    <message>
        <source>it takes too long to draw</source>
        <translation>tarda demasiado en dibujarse</translation>
    </message>
    <message>
        <source>the renderer failed on it</source>
        <translation>no se pudo dibujar</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is too large to be a drawing.</source>
        <translation>%1 es demasiado grande para ser un dibujo.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 no se puede mostrar: %2.</translation>
    </message>
</context>
<context>
    <name>Tmainpinz</name>
    <message>
        <source>Do you want to save your picture first?</source>
        <translation>¿Quieres guardar tu dibujo antes?</translation>
    </message>
</context>
<context>
    <name>Tsaveuser</name>
    <message>
        <source>A picture&apos;s name cannot be only blanks. Please choose another name.</source>
        <translation>El nombre de un dibujo no puede ser solo espacios. Elige otro nombre, por favor.</translation>
    </message>
</context>
<context>
    <name>fx::AreaSelect</name>
    <message>
        <source> Area Select </source>
        <translation> Elegir zona </translation>
    </message>
    <message>
        <source>Copy a rectangular area</source>
        <translation>Copiar un rectángulo</translation>
    </message>
    <message>
        <source>Copy irregular area</source>
        <translation>Copiar una forma libre</translation>
    </message>
    <message>
        <source>Copy the whole image</source>
        <translation>Copiar toda la imagen</translation>
    </message>
    <message>
        <source>Copy Selected Area to Clipboard</source>
        <translation>Copiar la zona elegida</translation>
    </message>
    <message>
        <source>Return to Pinzola</source>
        <translation>Volver a Pinzola</translation>
    </message>
</context>
<context>
    <name>fx::MetafilePage</name>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Ancho: %1  Alto: %2</translation>
    </message>
    <message>
        <source>Browse System for WMF File...</source>
        <translation>Buscar un archivo WMF...</translation>
    </message>
    <message>
        <source>Retrieve WMF File from Clipboard...</source>
        <translation>Tomar el WMF del portapapeles...</translation>
    </message>
    <message>
        <source> Size </source>
        <translation> Tamaño </translation>
    </message>
    <message>
        <source>Make the image larger</source>
        <translation>Agrandar la imagen</translation>
    </message>
    <message>
        <source>Make the image smaller</source>
        <translation>Achicar la imagen</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Set the image to normal size</source>
        <translation>Poner la imagen en su tamaño normal</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Ancho:               Alto:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>The picture on the clipboard cannot be read.</source>
        <translation>No se puede leer la imagen del portapapeles.</translation>
    </message>
    <message>
        <source>Windows Metafiles</source>
        <translation>Metarchivos de Windows</translation>
    </message>
    <message>
        <source>SVG Drawings</source>
        <translation>Dibujos SVG</translation>
    </message>
</context>
<context>
    <name>fx::TextPage</name>
    <message>
        <source>Text Effect:</source>
        <translation>Efecto de texto:</translation>
    </message>
    <message>
        <source>Choose test style here</source>
        <translation>Elige el estilo aquí</translation>
    </message>
    <message>
        <source>Click to choose background color</source>
        <translation>Haz clic para elegir el color del fondo</translation>
    </message>
    <message>
        <source>Click to choose foreground color</source>
        <translation>Haz clic para elegir el color de las letras</translation>
    </message>
    <message>
        <source>Choose lettering style here</source>
        <translation>Elige el tipo de letra aquí</translation>
    </message>
    <message>
        <source>Choose lettering size here</source>
        <translation>Elige el tamaño de letra aquí</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálica</translation>
    </message>
    <message>
        <source>Make your text italic</source>
        <translation>Poner el texto en cursiva</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gorda</translation>
    </message>
    <message>
        <source>Make your text bold</source>
        <translation>Poner el texto en negrita</translation>
    </message>
    <message>
        <source>Enter Text Here</source>
        <translation>Escribe tu texto aquí</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Deshacer lo último</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear the screen</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Shadow Depth:</source>
        <translation>Sombra:</translation>
    </message>
    <message>
        <source>Click to change the depth</source>
        <translation>Haz clic para cambiar la sombra</translation>
    </message>
    <message>
        <source>1 Pixel</source>
        <translation>1 píxel</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>%1 Pixels</source>
        <translation>%1 píxeles</translation>
    </message>
</context>
<context>
    <name>fx::Tpamain</name>
    <message>
        <source>Grab Frame from AVI File</source>
        <translation>Imagen de una película AVI</translation>
    </message>
    <message>
        <source>Add Text Effect</source>
        <translation>Texto con efecto</translation>
    </message>
    <message>
        <source>Vector Graphic Image to Bitmap</source>
        <translation>Dibujo vectorial a imagen</translation>
    </message>
    <message>
        <source>This application can only be executed from Pinzola.</source>
        <translation>Este programa solo se puede abrir desde Pinzola.</translation>
    </message>
</context>
<context>
    <name>fx::Trotator</name>
    <message>
        <source>Set Text Rotation Angle</source>
        <translation>Girar el texto</translation>
    </message>
    <message>
        <source>%1 Degrees</source>
        <translation>%1 grados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
</context>
<context>
    <name>fx::VideoPage</name>
    <message>
        <source>Get AVI File...</source>
        <translation>Abrir película AVI...</translation>
    </message>
    <message>
        <source> Playback Control </source>
        <translation> Reproducir </translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>REPRODUCIR</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>Move Back One Frame</source>
        <translation>Una imagen atrás</translation>
    </message>
    <message>
        <source>Move Ahead One Frame</source>
        <translation>Una imagen adelante</translation>
    </message>
    <message>
        <source>Click and drag the pointer to move about in the file</source>
        <translation>Haz clic y arrastra para moverte por la película</translation>
    </message>
    <message>
        <source>Frame   of </source>
        <translation>Imagen   de </translation>
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
        <translation> Tamaño de imagen </translation>
    </message>
    <message>
        <source>Make it larger</source>
        <translation>Agrandar</translation>
    </message>
    <message>
        <source>Make it smaller</source>
        <translation>Achicar</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Set image to normal size</source>
        <translation>Poner la imagen en su tamaño normal</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Ancho:               Alto:</translation>
    </message>
    <message>
        <source>Get AVI File</source>
        <translation>Abrir película AVI</translation>
    </message>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Ancho: %1  Alto: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Imagen %1 de %2</translation>
    </message>
    <message>
        <source>AVI Movies</source>
        <translation>Películas AVI</translation>
    </message>
    <message>
        <source>All Videos</source>
        <translation>Todos los vídeos</translation>
    </message>
</context>
<context>
    <name>pz::Canvas</name>
    <message>
        <source>Pinzola cannot start: the art file %1 is missing or unreadable (%2).</source>
        <translation>Pinzola no puede empezar: falta el archivo de dibujos %1 o no se puede leer (%2).</translation>
    </message>
    <message>
        <source>Paint, color and play!</source>
        <translation>¡Pinta, colorea y juega!</translation>
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
        <translation>Volver</translation>
    </message>
    <message>
        <source>Click a name to see it</source>
        <translation>Haz clic en un nombre</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (sin nombre)</translation>
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
        <translation>Pinzola -- ajustando los colores</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1already exists. Overwrite?</source>
        <translation>%1 ya existe. ¿Lo cambio por el nuevo?</translation>
    </message>
    <message>
        <source>No Saved Pictures to open.</source>
        <translation>Todavía no hay dibujos guardados.</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to paste. Pictures can be at most 16000 pixels wide and 16000 pixels high.</source>
        <translation>La imagen del portapapeles es demasiado grande para pegarla. Una imagen puede tener como mucho 16000 píxeles de ancho y 16000 píxeles de alto.</translation>
    </message>
    <message>
        <source>The picture on the clipboard could not be read.</source>
        <translation>No se pudo leer la imagen del portapapeles.</translation>
    </message>
    <message>
        <source>A picture&apos;s name cannot contain &quot;/&quot; or control characters and cannot be &quot;.&quot; or &quot;..&quot;. Please choose another name.</source>
        <translation>El nombre de un dibujo no puede tener &quot;/&quot; ni caracteres de control, y no puede ser &quot;.&quot; ni &quot;..&quot;. Elige otro nombre, por favor.</translation>
    </message>
    <message>
        <source>That name is too long for a picture. Please choose a shorter name.</source>
        <translation>Ese nombre es demasiado largo. Elige uno más corto, por favor.</translation>
    </message>
    <message>
        <source>%1

The picture you are painting has not been changed.</source>
        <translation>%1

Tu dibujo no ha cambiado.</translation>
    </message>
    <message>
        <source>Cannot save the picture as %1 (%2). Nothing was written: an earlier picture of that name is unchanged, and the picture you are painting is still here.</source>
        <translation>No se puede guardar el dibujo como %1 (%2). No se escribió nada: un dibujo anterior con ese nombre sigue igual, y tu dibujo sigue aquí.</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>no se puede escribir en la carpeta: %1</translation>
    </message>
    <message>
        <source>Textures are limited to 50x50. Your bitmap will take the top left 50x50 as the texture. OK?</source>
        <translation>Las texturas miden como mucho 50x50. La esquina de arriba a la izquierda (50x50) será la textura. ¿De acuerdo?</translation>
    </message>
</context>
<context>
    <name>pz::Platform</name>
    <message>
        <source>Out of memory.</source>
        <translation>No queda memoria.</translation>
    </message>
    <message>
        <source>not a bitmap file</source>
        <translation>no es un archivo bitmap</translation>
    </message>
    <message>
        <source>truncated bitmap header</source>
        <translation>cabecera de bitmap cortada</translation>
    </message>
    <message>
        <source>unknown bitmap header</source>
        <translation>cabecera de bitmap desconocida</translation>
    </message>
    <message>
        <source>bitmap size out of range</source>
        <translation>tamaño de bitmap imposible</translation>
    </message>
    <message>
        <source>unsupported bit depth</source>
        <translation>profundidad de color no admitida</translation>
    </message>
    <message>
        <source>truncated bit fields</source>
        <translation>campos de bits cortados</translation>
    </message>
    <message>
        <source>unsupported compression</source>
        <translation>compresión no admitida</translation>
    </message>
    <message>
        <source>bad bit fields</source>
        <translation>campos de bits erróneos</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>no hay píxeles</translation>
    </message>
    <message>
        <source>truncated pixel data</source>
        <translation>píxeles cortados</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 es demasiado grande para ser una imagen</translation>
    </message>
    <message>
        <source>%1 is not a valid bitmap (%2)</source>
        <translation>%1 no es un bitmap válido (%2)</translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation>no es un archivo JPEG</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>archivo demasiado grande</translation>
    </message>
    <message>
        <source>no JPEG decoder</source>
        <translation>no hay decodificador JPEG</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>imagen demasiado grande</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <translation>no se admiten imágenes CMYK</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>imagen vacía</translation>
    </message>
    <message>
        <source>no JPEG encoder</source>
        <translation>no hay codificador JPEG</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture.</source>
        <translation>%1 es demasiado grande para ser una imagen.</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>No se puede leer el archivo %1</translation>
    </message>
    <message>
        <source>not a BMP or JPEG picture</source>
        <translation>no es una imagen BMP ni JPEG</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture (%2).</source>
        <translation>%1 no se puede abrir como imagen (%2).</translation>
    </message>
    <message>
        <source>%1 is not a metafile: the extension is not .wmf or .emf.</source>
        <translation>%1 no es un metarchivo: la extensión no es .wmf ni .emf.</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is too large to be a metafile.</source>
        <translation>%1 es demasiado grande para ser un metarchivo.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 no se puede mostrar: %2.</translation>
    </message>
    <message>
        <source>it is not an enhanced metafile</source>
        <translation>no es un metarchivo mejorado</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>el archivo está cortado</translation>
    </message>
    <message>
        <source>the picture has no size</source>
        <translation>la imagen no tiene tamaño</translation>
    </message>
    <message>
        <source>the file is truncated or its records are damaged</source>
        <translation>el archivo está cortado o dañado</translation>
    </message>
    <message>
        <source>the placeable header&apos;s checksum is wrong</source>
        <translation>la suma de control de la cabecera está mal</translation>
    </message>
    <message>
        <source>the header gives no units per inch</source>
        <translation>la cabecera no da unidades por pulgada</translation>
    </message>
    <message>
        <source>it is not a placeable Windows metafile or an enhanced metafile</source>
        <translation>no es un metarchivo de Windows colocable ni un metarchivo mejorado</translation>
    </message>
    <message>
        <source>it is not a Windows metafile</source>
        <translation>no es un metarchivo de Windows</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>La impresora &quot;%1&quot; no está disponible.</translation>
    </message>
    <message>
        <source>The printer could not start the page.</source>
        <translation>La impresora no pudo empezar la página.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation>No se pudo enviar la página a la impresora.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>No se encuentra el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>El archivo &quot;%1&quot; está vacío.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>El archivo &quot;%1&quot; no es una película AVI, o su cabecera está dañada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>El archivo &quot;%1&quot; no tiene ninguna película.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>La película de &quot;%1&quot; tiene la cabecera dañada: no da el tamaño de la imagen.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>La película de &quot;%1&quot; dice medir %2 × %3 píxeles; la película más grande que se puede mostrar mide %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>La película de &quot;%1&quot; está comprimida con un método (%2) que no se puede decodificar.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>La película de &quot;%1&quot; no tiene imágenes.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>La película de &quot;%1&quot; no tiene ninguna imagen que se pueda mostrar.</translation>
    </message>
</context>
<context>
    <name>pz::StreamDecoder</name>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>No se encuentra el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>El archivo &quot;%1&quot; está vacío.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>La película de &quot;%1&quot; tiene la cabecera dañada: no da el tamaño de la imagen.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>La película de &quot;%1&quot; dice medir %2 × %3 píxeles; la película más grande que se puede mostrar mide %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>La película de &quot;%1&quot; está comprimida con un método (%2) que no se puede decodificar.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>La película de &quot;%1&quot; no tiene imágenes.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>La película de &quot;%1&quot; no tiene ninguna imagen que se pueda mostrar.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>El archivo &quot;%1&quot; no es una película AVI, o su cabecera está dañada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read again.</source>
        <translation>No se puede volver a leer el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>El archivo &quot;%1&quot; no tiene ninguna película.</translation>
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
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>pz::Tguide</name>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Guía de Pinzola</translation>
    </message>
    <message>
        <source>The User Guide is missing from this folder:</source>
        <translation>Falta la guía en esta carpeta:</translation>
    </message>
</context>
<context>
    <name>pz::Tmainpinz</name>
    <message>
        <source>Present position of cursor</source>
        <translation>Dónde está el puntero</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>¡UPS!</translation>
    </message>
    <message>
        <source>Undo the last thing you did</source>
        <translation>Deshacer lo último que hiciste</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Normal (1 to 1) Size</source>
        <translation>Tamaño normal (1 a 1)</translation>
    </message>
    <message>
        <source>Select Color to Use</source>
        <translation>Elegir el color</translation>
    </message>
    <message>
        <source>Click to brighten</source>
        <translation>Haz clic para aclarar</translation>
    </message>
    <message>
        <source>Click to darken</source>
        <translation>Haz clic para oscurecer</translation>
    </message>
    <message>
        <source>Select a tool to use</source>
        <translation>Elegir una herramienta</translation>
    </message>
    <message>
        <source>Tool Chest</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Adjust percentage of water in the brush</source>
        <translation>Cuánta agua lleva el pincel</translation>
    </message>
    <message>
        <source>Water %:</source>
        <translation>Agua %:</translation>
    </message>
    <message>
        <source>White Only</source>
        <translation>Solo blanco</translation>
    </message>
    <message>
        <source>When checked textures don&apos;t paint over colors</source>
        <translation>Marcado, las texturas no pintan sobre los colores</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>Acerca de este programa</translation>
    </message>
    <message>
        <source>Open and Save pictures</source>
        <translation>Abrir y guardar dibujos</translation>
    </message>
    <message>
        <source>Read the User Guide</source>
        <translation>Leer la guía</translation>
    </message>
    <message>
        <source>Quit Pinzola</source>
        <translation>Salir de Pinzola</translation>
    </message>
    <message>
        <source>TOOLS</source>
        <translation>PINTAR</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>SISTEMA</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Configurar impresora...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Clipart Library...</source>
        <translation>Biblioteca de imágenes...</translation>
    </message>
    <message>
        <source>&amp;Zoom Rectangle</source>
        <translation>&amp;Zoom a un rectángulo</translation>
    </message>
    <message>
        <source>Get AVI Movie Frame...</source>
        <translation>Imagen de una película AVI...</translation>
    </message>
    <message>
        <source>Insert Text...</source>
        <translation>Poner texto...</translation>
    </message>
    <message>
        <source>Import WMF Image...</source>
        <translation>Traer una imagen WMF...</translation>
    </message>
    <message>
        <source>Open Pinzola Picture...</source>
        <translation>Abrir un dibujo de Pinzola...</translation>
    </message>
    <message>
        <source>Open Saved Pinzola Picture...</source>
        <translation>Abrir un dibujo guardado...</translation>
    </message>
    <message>
        <source>Save Pinzola Picture</source>
        <translation>Guardar el dibujo</translation>
    </message>
    <message>
        <source>Save Pinzola Picture As...</source>
        <translation>Guardar el dibujo como...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save As Texture</source>
        <translation>Guardar como textura</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (sin nombre)</translation>
    </message>
    <message>
        <source>Pinzola is not intended for LARGE FONT displays. Please adjust your display properties for SMALL FONTS.</source>
        <translation>Pinzola no está hecho para LETRAS GRANDES en pantalla. Pon la pantalla en LETRAS PEQUEÑAS, por favor.</translation>
    </message>
    <message>
        <source>Awwwww. Do you really have to leave now?</source>
        <translation>Ooooh. ¿De verdad te tienes que ir ya?</translation>
    </message>
    <message>
        <source>The texture could not be saved.</source>
        <translation>No se pudo guardar la textura.</translation>
    </message>
    <message>
        <source>Water %</source>
        <translation>Agua %</translation>
    </message>
    <message>
        <source>Pasting can only take place at 1:1 zoom.</source>
        <translation>Solo se puede pegar en tamaño 1:1.</translation>
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
        <translation>Pastel -- pinta como una cera</translation>
    </message>
    <message>
        <source>Texture Brush</source>
        <translation>Pincel de texturas</translation>
    </message>
    <message>
        <source>Texture Brush -- use to apply natural organic textures as paint</source>
        <translation>Pincel de texturas -- pinta con texturas de la naturaleza</translation>
    </message>
    <message>
        <source>Water Pen</source>
        <translation>Rotulador de agua</translation>
    </message>
    <message>
        <source>Water Pen -- applies color transparently</source>
        <translation>Rotulador de agua -- pinta un color transparente</translation>
    </message>
    <message>
        <source>Rectangular Area Select</source>
        <translation>Elegir un rectángulo</translation>
    </message>
    <message>
        <source>Razor</source>
        <translation>Cuchilla</translation>
    </message>
    <message>
        <source>Razor -- shave color away from black lines</source>
        <translation>Cuchilla -- quita el color de las líneas negras</translation>
    </message>
    <message>
        <source>Acrylic Paint</source>
        <translation>Pintura acrílica</translation>
    </message>
    <message>
        <source>Acrylic Paint -- applies color dry (doesn&apos;t mix.)</source>
        <translation>Pintura acrílica -- pinta en seco (no mezcla.)</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Bucket -- fill area with color</source>
        <translation>Cubo -- rellena una zona de color</translation>
    </message>
    <message>
        <source>Black Pencil</source>
        <translation>Lápiz negro</translation>
    </message>
    <message>
        <source>Black Pencil -- draw black lines</source>
        <translation>Lápiz negro -- dibuja líneas negras</translation>
    </message>
    <message>
        <source>Black Eraser</source>
        <translation>Goma de negro</translation>
    </message>
    <message>
        <source>Black Eraser -- erase black lines only</source>
        <translation>Goma de negro -- borra solo las líneas negras</translation>
    </message>
    <message>
        <source>Color Eraser</source>
        <translation>Goma de color</translation>
    </message>
    <message>
        <source>Color Eraser -- erase color only</source>
        <translation>Goma de color -- borra solo el color</translation>
    </message>
    <message>
        <source>Pastel (mixing)</source>
        <translation>Pastel (mezcla)</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon but mixes upon contact</source>
        <translation>Pastel -- pinta como una cera y mezcla los colores</translation>
    </message>
    <message>
        <source>Water Pen (mixing)</source>
        <translation>Rotulador de agua (mezcla)</translation>
    </message>
    <message>
        <source>Water Pen -- mixes colors with transparency</source>
        <translation>Rotulador de agua -- mezcla colores transparentes</translation>
    </message>
    <message>
        <source>Spray Paint</source>
        <translation>Espray</translation>
    </message>
    <message>
        <source>Spray Paint -- single color, no mixing</source>
        <translation>Espray -- un color, sin mezclar</translation>
    </message>
    <message>
        <source>Wand Stars</source>
        <translation>Estrellas mágicas</translation>
    </message>
    <message>
        <source>Wand Stars -- create the sparkles that come from a wand</source>
        <translation>Estrellas mágicas -- chispas de varita mágica</translation>
    </message>
    <message>
        <source>Replacement Paint</source>
        <translation>Pintura de cambio</translation>
    </message>
    <message>
        <source>Replacement Paint -- replaces the color you click on with the chosen color</source>
        <translation>Pintura de cambio -- cambia el color que tocas por el tuyo</translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>Dropper -- pick up color</source>
        <translation>Cuentagotas -- toma un color</translation>
    </message>
    <message>
        <source>Oil Paint</source>
        <translation>Pintura al óleo</translation>
    </message>
    <message>
        <source>Oil Paint -- blends and mixes colors upon applying</source>
        <translation>Pintura al óleo -- mezcla los colores al pintar</translation>
    </message>
    <message>
        <source>Spray Paint (mixing)</source>
        <translation>Espray (mezcla)</translation>
    </message>
    <message>
        <source>Spray Paint -- spray a color and mix on contact</source>
        <translation>Espray -- rocía un color y lo mezcla</translation>
    </message>
    <message>
        <source>Zoom Rectangle</source>
        <translation>Zoom a un rectángulo</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
</context>
<context>
    <name>pz::Topenpic</name>
    <message>
        <source>Open a Picture</source>
        <translation>Abrir un dibujo</translation>
    </message>
    <message>
        <source>Open the picture</source>
        <translation>Abrir el dibujo</translation>
    </message>
    <message>
        <source>Keep the picture you have</source>
        <translation>Quedarte con tu dibujo</translation>
    </message>
</context>
<context>
    <name>pz::Tpalpinz</name>
    <message>
        <source>Pinzola&apos;s Colors</source>
        <translation>Los colores de Pinzola</translation>
    </message>
    <message>
        <source>Click a colour to paint with it</source>
        <translation>Haz clic en un color para pintar con él</translation>
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
        <translation>A</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Choose a palette</source>
        <translation>Elegir una paleta</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>pz::Tsaveuser</name>
    <message>
        <source>Enter the name you wish to save this picture as...</source>
        <translation>¿Cómo quieres llamar a tu dibujo?</translation>
    </message>
    <message>
        <source>Save with this name</source>
        <translation>Guardar con este nombre</translation>
    </message>
    <message>
        <source>Do not save</source>
        <translation>No guardar</translation>
    </message>
</context>
<context>
    <name>pz::Ttoolform</name>
    <message>
        <source>Pinzola&apos;s Tools</source>
        <translation>Las herramientas de Pinzola</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Texturas</translation>
    </message>
    <message>
        <source>Tools with this icon will mix colors as they apply.</source>
        <translation>Las herramientas con este signo mezclan los colores.</translation>
    </message>
    <message>
        <source>Le&apos;s go with the chosen tool...</source>
        <translation>¡Vamos con esta herramienta!...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Select Textures</source>
        <translation>Elegir texturas</translation>
    </message>
    <message>
        <source>These textures cannot be read and are left out:</source>
        <translation>Estas texturas no se pueden leer y se dejan fuera:</translation>
    </message>
</context>
</TS>
