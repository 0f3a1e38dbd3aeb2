<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>fx::AreaSelect</name>
    <message>
        <source> Area Select </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a rectangular area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy irregular area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the whole image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Selected Area to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to Pinzola</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fx::MetafilePage</name>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse System for WMF File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieve WMF File from Clipboard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Size </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the image larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the image smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the image to normal size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Metafiles (*.[wW][mM][fF] *.[eE][mM][fF])</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture on the clipboard cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fx::TextPage</name>
    <message>
        <source>Text Effect:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose test style here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose foreground color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose lettering style here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose lettering size here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make your text italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make your text bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Text Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Depth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to change the depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fx::Tpamain</name>
    <message>
        <source>Grab Frame from AVI File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Text Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vector Graphic Image to Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This application can only be executed from Pinzola.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fx::Trotator</name>
    <message>
        <source>Set Text Rotation Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>fx::VideoPage</name>
    <message>
        <source>AVI Movies (*.[aA][vV][iI])</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get AVI File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Playback Control </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Back One Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Ahead One Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click and drag the pointer to move about in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame   of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Frame Size </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make it larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make it smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set image to normal size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get AVI File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Canvas</name>
    <message>
        <source>Pinzola cannot start: the art file %1 is missing or unreadable (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint, color and play!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Files</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a name to see it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinzola -- %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinzola -- using %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinzola -- adjusting colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1already exists. Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Saved Pictures to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to paste. Pictures can be at most 16000 pixels wide and 16000 pixels high.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture on the clipboard could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture&apos;s name cannot contain &quot;/&quot; or control characters and cannot be &quot;.&quot; or &quot;..&quot;. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That name is too long for a picture. Please choose a shorter name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The picture you are painting has not been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the picture as %1 (%2). Nothing was written: an earlier picture of that name is unchanged, and the picture you are painting is still here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textures are limited to 50x50. Your bitmap will take the top left 50x50 as the texture. OK?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Platform</name>
    <message>
        <source>Out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a bitmap file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>truncated bitmap header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown bitmap header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bitmap size out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported bit depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>truncated bit fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad bit fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>truncated pixel data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid bitmap (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no JPEG decoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no JPEG encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a BMP or JPEG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a metafile: the extension is not .wmf or .emf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a metafile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an enhanced metafile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture has no size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is truncated or its records are damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the placeable header&apos;s checksum is wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header gives no units per inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a placeable Windows metafile or an enhanced metafile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Windows metafile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was given to print into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Taboutfrm</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Tartform</name>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Tmainpinz</name>
    <message>
        <source>Present position of cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last thing you did</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal (1 to 1) Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Color to Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to brighten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to darken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a tool to use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Chest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust percentage of water in the brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water %:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked textures don&apos;t paint over colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open and Save pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Pinzola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOOLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipart Library...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get AVI Movie Frame...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import WMF Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Pinzola Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Saved Pinzola Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Pinzola Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Pinzola Picture As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinzola is not intended for LARGE FONT displays. Please adjust your display properties for SMALL FONTS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awwwww. Do you really have to leave now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The texture could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasting can only take place at 1:1 zoom.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Tools</name>
    <message>
        <source>Pastel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture Brush -- use to apply natural organic textures as paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water Pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water Pen -- applies color transparently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangular Area Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Razor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Razor -- shave color away from black lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acrylic Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acrylic Paint -- applies color dry (doesn&apos;t mix.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bucket -- fill area with color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black Pencil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black Pencil -- draw black lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black Eraser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black Eraser -- erase black lines only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Eraser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Eraser -- erase color only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pastel (mixing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon but mixes upon contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water Pen (mixing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water Pen -- mixes colors with transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spray Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spray Paint -- single color, no mixing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wand Stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wand Stars -- create the sparkles that come from a wand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replacement Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replacement Paint -- replaces the color you click on with the chosen color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropper -- pick up color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oil Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oil Paint -- blends and mixes colors upon applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spray Paint (mixing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spray Paint -- spray a color and mix on contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Topenpic</name>
    <message>
        <source>Open a Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the picture you have</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Tpalpinz</name>
    <message>
        <source>Pinzola&apos;s Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a colour to paint with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The first letter of the word red.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <extracomment>The first letter of the word green.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>The first letter of the word blue.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Tsaveuser</name>
    <message>
        <source>Enter the name you wish to save this picture as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save with this name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pz::Ttoolform</name>
    <message>
        <source>Pinzola&apos;s Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools with this icon will mix colors as they apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le&apos;s go with the chosen tool...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Textures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These textures cannot be read and are left out:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
