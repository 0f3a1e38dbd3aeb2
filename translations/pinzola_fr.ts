<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Guide</name>
    <message>
        <source>Paints thick, dry colour that does not mix with what is already there. Good for bright, even areas.</source>
        <translation>Peint une couleur épaisse et sèche qui ne se mélange pas avec ce qui est déjà là. Parfait pour de belles surfaces bien unies.</translation>
    </message>
    <message>
        <source>Goes on like a crayon, with a soft grainy edge.</source>
        <translation>Colorie comme une craie grasse, avec un bord doux et granuleux.</translation>
    </message>
    <message>
        <source>Like the pastel, but the colours blend where they touch.</source>
        <translation>Comme le pastel, mais les couleurs se mélangent là où elles se touchent.</translation>
    </message>
    <message>
        <source>Paints see-through colour, like watercolour. Change how watery it is with %1 on the control strip.</source>
        <translation>Peint une couleur transparente, comme l&apos;aquarelle. Règle la quantité d&apos;eau avec %1 dans la barre du haut.</translation>
    </message>
    <message>
        <source>A watery pen that mixes with the colours under it.</source>
        <translation>Un crayon à eau qui se mélange avec les couleurs en dessous.</translation>
    </message>
    <message>
        <source>Smooth paint that blends and mixes as you move it around.</source>
        <translation>Une peinture douce qui se mélange quand tu la déplaces.</translation>
    </message>
    <message>
        <source>Sprays tiny dots of one colour, like a spray can.</source>
        <translation>Projette de tout petits points d&apos;une couleur, comme une bombe de peinture.</translation>
    </message>
    <message>
        <source>Sprays a colour that mixes with what it lands on.</source>
        <translation>Projette une couleur qui se mélange avec ce qu&apos;elle touche.</translation>
    </message>
    <message>
        <source>Sprinkles sparkling stars, as if from a magic wand. Stars go over everything, even black lines.</source>
        <translation>Sème des étoiles brillantes, comme une baguette magique. Les étoiles vont partout, même sur les traits noirs.</translation>
    </message>
    <message>
        <source>Press on a colour and paint: only that colour is changed to your new one.</source>
        <translation>Appuie sur une couleur et peins : seule cette couleur devient ta nouvelle couleur.</translation>
    </message>
    <message>
        <source>Click inside a shape to fill it with colour in one go. The black lines keep the colour inside.</source>
        <translation>Clique dans une forme pour la remplir de couleur d&apos;un seul coup. Les traits noirs gardent la couleur dedans.</translation>
    </message>
    <message>
        <source>Draws new black lines. Choose how thick in the widths strip.</source>
        <translation>Trace de nouveaux traits noirs. Choisis l&apos;épaisseur dans la barre des épaisseurs.</translation>
    </message>
    <message>
        <source>Rubs out black lines only; your colours stay.</source>
        <translation>Gomme seulement les traits noirs ; tes couleurs restent.</translation>
    </message>
    <message>
        <source>Rubs out colour only; the black lines stay.</source>
        <translation>Gomme seulement la couleur ; les traits noirs restent.</translation>
    </message>
    <message>
        <source>Shaves colour away from the black lines, to tidy up the edges.</source>
        <translation>Enlève la couleur le long des traits noirs, pour des bords bien nets.</translation>
    </message>
    <message>
        <source>Paints with a pattern (a texture) instead of a plain colour. Tick %1 to paint only where the paper is still white.</source>
        <translation>Peint avec un motif au lieu d&apos;une couleur unie. Coche %1 pour peindre seulement là où le papier est encore blanc.</translation>
    </message>
    <message>
        <source>Click on any colour in your picture to pick it up and paint with it.</source>
        <translation>Clique sur une couleur de ton image pour la prendre et peindre avec.</translation>
    </message>
    <message>
        <source>Drag a box over part of the picture. A small menu lets you %1, %2, %3 it, or %4 for the Texture Brush.</source>
        <translation>Trace un rectangle sur une partie de l&apos;image. Un petit menu propose %1, %2, %3 ou %4 pour le pinceau à motifs.</translation>
    </message>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Guide de Pinzola</translation>
    </message>
    <message>
        <source>Colour in drawings, paint, mix, sparkle &amp;mdash; and save your pictures.</source>
        <translation>Colorie des dessins, peins, mélange, fais briller &amp;mdash; et enregistre tes images.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>C&apos;est parti</translation>
    </message>
    <message>
        <source>The screen</source>
        <translation>L&apos;écran</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Zoom &amp;amp; Undo</source>
        <translation>Zoom &amp;amp; Annuler</translation>
    </message>
    <message>
        <source>Open &amp;amp; Save</source>
        <translation>Ouvrir &amp;amp; Enregistrer</translation>
    </message>
    <message>
        <source>Surface menu</source>
        <translation>Menu clic droit</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Pour les grands</translation>
    </message>
    <message>
        <source>Let&apos;s start!</source>
        <translation>C&apos;est parti !</translation>
    </message>
    <message>
        <source>When Pinzola opens you get a clean white sheet. You can paint on it straight away, or open one of the drawings to colour in: click the &lt;b&gt;open and save&lt;/b&gt; picture on the %1 page and choose %2.</source>
        <translation>Quand Pinzola s&apos;ouvre, tu as une belle feuille blanche. Tu peux peindre tout de suite, ou ouvrir un dessin à colorier : clique sur l&apos;image &lt;b&gt;ouvrir et enregistrer&lt;/b&gt; de la page %1 et choisis %2.</translation>
    </message>
    <message>
        <source>Pinzola&apos;s main window</source>
        <translation>La fenêtre principale de Pinzola</translation>
    </message>
    <message>
        <source>The big white area is your picture. Along the top is the black &lt;b&gt;control strip&lt;/b&gt; with two pages, %1 and %2; click the tabs at its bottom to change page. Use the scroll bars on the right and bottom when the picture is bigger than the window.</source>
        <translation>La grande zone blanche, c&apos;est ton image. En haut se trouve la &lt;b&gt;barre noire&lt;/b&gt; avec deux pages, %1 et %2 ; clique sur les onglets en bas de la barre pour changer de page. Si l&apos;image est plus grande que la fenêtre, utilise les barres de défilement à droite et en bas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;X/Y:&lt;/b&gt; at the top left shows where the pointer is.</source>
        <translation>&lt;b&gt;X/Y:&lt;/b&gt; en haut à gauche montre où se trouve le pointeur.</translation>
    </message>
    <message>
        <source>The tools</source>
        <translation>Les outils</translation>
    </message>
    <message>
        <source>tool chest</source>
        <translation>boîte à outils</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;tool chest&lt;/b&gt; on the %1 page to choose a tool. Many tools let you pick a brush size or a line width in the strip next to it.</source>
        <translation>Clique sur la &lt;b&gt;boîte à outils&lt;/b&gt; de la page %1 pour choisir un outil. Pour beaucoup d&apos;outils, tu choisis à côté la taille du pinceau ou l&apos;épaisseur du trait.</translation>
    </message>
    <message>
        <source>Painting never spoils the black lines of a drawing &amp;mdash; only the Black Pencil, the Black Eraser and the Wand Stars change them.</source>
        <translation>Peindre n&apos;abîme jamais les traits noirs d&apos;un dessin &amp;mdash; seuls le crayon noir, la gomme à noir et les étoiles magiques les changent.</translation>
    </message>
    <message>
        <source>Choosing colours</source>
        <translation>Choisir les couleurs</translation>
    </message>
    <message>
        <source>colour box</source>
        <translation>boîte de couleur</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;colour box&lt;/b&gt; to open %1. Click any patch to paint with it; double-click to pick it and close the window. The %2, %3 and %4 sliders mix red, green and blue yourself, and the numbers under them tell you the colour. The list below chooses another palette; Pinzola remembers it until you close the program.</source>
        <translation>Clique sur la &lt;b&gt;boîte de couleur&lt;/b&gt; pour ouvrir %1. Clique sur une case pour peindre avec ; un double-clic la choisit et ferme la fenêtre. Les curseurs %2, %3 et %4 te laissent mélanger toi-même le rouge, le vert et le bleu, et les nombres en dessous te disent la couleur. La liste en dessous choisit une autre palette ; Pinzola s&apos;en souvient jusqu&apos;à ce que tu fermes le programme.</translation>
    </message>
    <message>
        <source>the colours window</source>
        <translation>la fenêtre des couleurs</translation>
    </message>
    <message>
        <source>brighten</source>
        <translation>éclaircir</translation>
    </message>
    <message>
        <source>darken</source>
        <translation>foncer</translation>
    </message>
    <message>
        <source>make your colour a little &lt;b&gt;brighter&lt;/b&gt; or &lt;b&gt;darker&lt;/b&gt;. Clicking the little colour swatch opens the full colour chooser, where any colour at all can be picked.</source>
        <translation>rendent ta couleur un peu plus &lt;b&gt;claire&lt;/b&gt; ou plus &lt;b&gt;foncée&lt;/b&gt;. Un clic sur la petite case de couleur ouvre le grand choix de couleurs, où tu peux prendre n&apos;importe quelle couleur.</translation>
    </message>
    <message>
        <source>Zoom and Undo</source>
        <translation>Zoom et Annuler</translation>
    </message>
    <message>
        <source>zoom in</source>
        <translation>zoomer</translation>
    </message>
    <message>
        <source>zoom out</source>
        <translation>dézoomer</translation>
    </message>
    <message>
        <source>normal size</source>
        <translation>taille normale</translation>
    </message>
    <message>
        <source>%1 makes the picture bigger (2 times, then 4 times) for fiddly corners, %2 shows it at half size, and the third button goes back to normal size. You can also drag a rectangle with %3 from the right-click menu.</source>
        <translation>%1 agrandit l&apos;image (2 fois, puis 4 fois) pour les petits coins difficiles, %2 la montre deux fois plus petite, et le troisième bouton revient à la taille normale. Tu peux aussi tracer un rectangle avec %3 dans le menu du clic droit.</translation>
    </message>
    <message>
        <source>%1 takes back everything you did since you last chose a tool or a colour, saved, or pasted.</source>
        <translation>%1 défait tout ce que tu as fait depuis que tu as choisi un outil ou une couleur, enregistré ou collé.</translation>
    </message>
    <message>
        <source>Opening and saving</source>
        <translation>Ouvrir et enregistrer</translation>
    </message>
    <message>
        <source>open and save</source>
        <translation>ouvrir et enregistrer</translation>
    </message>
    <message>
        <source>On the %1 page, the &lt;b&gt;open and save&lt;/b&gt; picture shows the file menu:</source>
        <translation>Sur la page %1, l&apos;image &lt;b&gt;ouvrir et enregistrer&lt;/b&gt; montre le menu des fichiers :</translation>
    </message>
    <message>
        <source>Choose a drawing to colour. Click a name to see it, then &lt;b&gt;OK&lt;/b&gt;. The window&apos;s title shows which drawing you are using.</source>
        <translation>Choisis un dessin à colorier. Clique sur un nom pour le voir, puis sur &lt;b&gt;OK&lt;/b&gt;. Le titre de la fenêtre montre quel dessin tu utilises.</translation>
    </message>
    <message>
        <source>Open a picture you saved before. Pinzola tidies its colours as it opens (you can watch the percentage count up), so black lines are black again.</source>
        <translation>Ouvre une image que tu as enregistrée. Pinzola range ses couleurs en l&apos;ouvrant (tu vois le pourcentage monter), pour que les traits noirs soient de nouveau noirs.</translation>
    </message>
    <message>
        <source>Saves your picture under its name. A new picture asks for a name first.</source>
        <translation>Enregistre ton image sous son nom. Pour une nouvelle image, Pinzola te demande d&apos;abord un nom.</translation>
    </message>
    <message>
        <source>Saves under a new name. If a picture with that name exists, Pinzola asks before replacing it.</source>
        <translation>Enregistre sous un nouveau nom. Si une image porte déjà ce nom, Pinzola te demande avant de la remplacer.</translation>
    </message>
    <message>
        <source>the open window</source>
        <translation>la fenêtre pour ouvrir</translation>
    </message>
    <message>
        <source>the name window</source>
        <translation>la fenêtre du nom</translation>
    </message>
    <message>
        <source>A name may have spaces and capital letters, but not a &lt;b&gt;/&lt;/b&gt;. If something goes wrong while saving (for example the disk is full), Pinzola tells you and your earlier picture of that name is kept safe.</source>
        <translation>Un nom peut avoir des espaces et des majuscules, mais pas de &lt;b&gt;/&lt;/b&gt;. Si l&apos;enregistrement échoue (par exemple si le disque est plein), Pinzola te le dit, et ton ancienne image de ce nom reste intacte.</translation>
    </message>
    <message>
        <source>The right-click menu</source>
        <translation>Le menu du clic droit</translation>
    </message>
    <message>
        <source>Click the right mouse button on your picture for more:</source>
        <translation>Clique avec le bouton droit de la souris sur ton image pour en faire plus :</translation>
    </message>
    <message>
        <source>Choose a printer, then print your picture.</source>
        <translation>Choisis une imprimante, puis imprime ton image.</translation>
    </message>
    <message>
        <source>Puts a copied picture on yours. Move it where you want it and click to drop it. A plain background around it becomes see-through.</source>
        <translation>Pose une image copiée sur la tienne. Déplace-la où tu veux et clique pour la poser. Un fond uni autour devient transparent.</translation>
    </message>
    <message>
        <source>Pick a ready-made picture (animals, stars, balloons...) and choose its size, then Paste it.</source>
        <translation>Choisis une image toute prête (animaux, étoiles, ballons...) et sa taille, puis colle-la.</translation>
    </message>
    <message>
        <source>Drag a box to zoom into it.</source>
        <translation>Trace un rectangle pour zoomer dessus.</translation>
    </message>
    <message>
        <source>Opens PinzFX to take a picture from a video.</source>
        <translation>Ouvre PinzFX pour prendre une image dans un film.</translation>
    </message>
    <message>
        <source>Opens PinzFX to write words with shadows and other effects.</source>
        <translation>Ouvre PinzFX pour écrire des mots avec des ombres et d&apos;autres effets.</translation>
    </message>
    <message>
        <source>Opens PinzFX to bring in a drawing made by another program.</source>
        <translation>Ouvre PinzFX pour apporter un dessin fait avec un autre programme.</translation>
    </message>
    <message>
        <source>In PinzFX, select what you want, press %1 and %2, then Paste it.</source>
        <translation>Dans PinzFX, choisis ce que tu veux, appuie sur %1 et %2, puis colle-le.</translation>
    </message>
    <message>
        <source>%1 opens this guide, %2 tells you about Pinzola, and %3 closes the program (it asks first).</source>
        <translation>%1 ouvre ce guide, %2 te parle de Pinzola, et %3 ferme le programme (il te demande d&apos;abord).</translation>
    </message>
    <message>
        <source>help</source>
        <translation>aide</translation>
    </message>
    <message>
        <source>about</source>
        <translation>à propos</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>quitter</translation>
    </message>
    <message>
        <source>Everything Pinzola uses lives in its program folder:</source>
        <translation>Tout ce dont Pinzola a besoin se trouve dans son dossier :</translation>
    </message>
    <message>
        <source>drawings to colour (Windows BMP; add your own black-on-white drawings)</source>
        <translation>dessins à colorier (Windows BMP ; ajoutez vos propres dessins noir sur blanc)</translation>
    </message>
    <message>
        <source>saved pictures (JPEG at the highest quality)</source>
        <translation>images enregistrées (JPEG en qualité maximale)</translation>
    </message>
    <message>
        <source>palette pictures for the colours window (BMP)</source>
        <translation>palettes pour la fenêtre des couleurs (BMP)</translation>
    </message>
    <message>
        <source>50&amp;times;50 textures for the Texture Brush</source>
        <translation>motifs de 50&amp;times;50 pour le pinceau à motifs</translation>
    </message>
    <message>
        <source>clip art pictures</source>
        <translation>images à coller</translation>
    </message>
    <message>
        <source>this guide</source>
        <translation>ce guide</translation>
    </message>
    <message>
        <source>Pinzola keeps no settings: every start begins fresh.</source>
        <translation>Pinzola ne garde aucun réglage : chaque démarrage repart de zéro.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>There is no default printer currently selected.</source>
        <translation>Aucune imprimante par défaut n&apos;est choisie.</translation>
    </message>
</context>
<context>
    <name>SvgDrawing</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>les données compressées sont abîmées</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>une fois décompressé, il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing</source>
        <translation>ce n&apos;est pas un dessin SVG lisible</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing (%1)</source>
        <translation>ce n&apos;est pas un dessin SVG lisible (%1)</translation>
    </message>
    <message>
        <source>its size is too large to show</source>
        <translation>il est trop grand pour être affiché</translation>
    </message>
    <message>
        <source>it has no size to show</source>
        <translation>il n&apos;a pas de taille à afficher</translation>
    </message>
    <message>
        <source>it takes too long to draw</source>
        <translation>il met trop longtemps à se dessiner</translation>
    </message>
    <message>
        <source>the renderer failed on it</source>
        <translation>le dessin a échoué</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>%1 is too large to be a drawing.</source>
        <translation>%1 est trop grand pour être un dessin.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 ne peut pas être affiché : %2.</translation>
    </message>
</context>
<context>
    <name>Tmainpinz</name>
    <message>
        <source>Do you want to save your picture first?</source>
        <translation>Veux-tu d&apos;abord enregistrer ton image ?</translation>
    </message>
</context>
<context>
    <name>Tsaveuser</name>
    <message>
        <source>A picture&apos;s name cannot be only blanks. Please choose another name.</source>
        <translation>Le nom d&apos;une image ne peut pas être fait que d&apos;espaces. Choisis un autre nom.</translation>
    </message>
</context>
<context>
    <name>fx::AreaSelect</name>
    <message>
        <source> Area Select </source>
        <translation> Choisir une zone </translation>
    </message>
    <message>
        <source>Copy a rectangular area</source>
        <translation>Copier un rectangle</translation>
    </message>
    <message>
        <source>Copy irregular area</source>
        <translation>Copier une forme libre</translation>
    </message>
    <message>
        <source>Copy the whole image</source>
        <translation>Copier toute l&apos;image</translation>
    </message>
    <message>
        <source>Copy Selected Area to Clipboard</source>
        <translation>Copier la zone choisie</translation>
    </message>
    <message>
        <source>Return to Pinzola</source>
        <translation>Retour à Pinzola</translation>
    </message>
</context>
<context>
    <name>fx::MetafilePage</name>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Largeur %1  Hauteur %2</translation>
    </message>
    <message>
        <source>Browse System for WMF File...</source>
        <translation>Chercher un fichier WMF...</translation>
    </message>
    <message>
        <source>Retrieve WMF File from Clipboard...</source>
        <translation>WMF du presse-papiers...</translation>
    </message>
    <message>
        <source> Size </source>
        <translation> Taille </translation>
    </message>
    <message>
        <source>Make the image larger</source>
        <translation>Agrandir l&apos;image</translation>
    </message>
    <message>
        <source>Make the image smaller</source>
        <translation>Rapetisser l&apos;image</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Vraie taille</translation>
    </message>
    <message>
        <source>Set the image to normal size</source>
        <translation>Remettre l&apos;image à sa taille normale</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Largeur               Hauteur</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>The picture on the clipboard cannot be read.</source>
        <translation>L&apos;image du presse-papiers ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Windows Metafiles</source>
        <translation>Métafichiers Windows</translation>
    </message>
    <message>
        <source>SVG Drawings</source>
        <translation>Dessins SVG</translation>
    </message>
</context>
<context>
    <name>fx::TextPage</name>
    <message>
        <source>Text Effect:</source>
        <translation>Effet de texte :</translation>
    </message>
    <message>
        <source>Choose test style here</source>
        <translation>Choisis le style ici</translation>
    </message>
    <message>
        <source>Click to choose background color</source>
        <translation>Clique pour choisir la couleur du fond</translation>
    </message>
    <message>
        <source>Click to choose foreground color</source>
        <translation>Clique pour choisir la couleur des lettres</translation>
    </message>
    <message>
        <source>Choose lettering style here</source>
        <translation>Choisis la police ici</translation>
    </message>
    <message>
        <source>Choose lettering size here</source>
        <translation>Choisis la taille des lettres ici</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Biais</translation>
    </message>
    <message>
        <source>Make your text italic</source>
        <translation>Écrire en penché</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Make your text bold</source>
        <translation>Écrire en gras</translation>
    </message>
    <message>
        <source>Enter Text Here</source>
        <translation>Écris ton texte ici</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear the screen</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Shadow Depth:</source>
        <translation>Ombre :</translation>
    </message>
    <message>
        <source>Click to change the depth</source>
        <translation>Clique pour changer l&apos;ombre</translation>
    </message>
    <message>
        <source>1 Pixel</source>
        <translation>1 pixel</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
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
        <translation>Image d&apos;un film AVI</translation>
    </message>
    <message>
        <source>Add Text Effect</source>
        <translation>Texte avec effet</translation>
    </message>
    <message>
        <source>Vector Graphic Image to Bitmap</source>
        <translation>Dessin vectoriel en image</translation>
    </message>
    <message>
        <source>This application can only be executed from Pinzola.</source>
        <translation>Ce programme ne peut être lancé que depuis Pinzola.</translation>
    </message>
</context>
<context>
    <name>fx::Trotator</name>
    <message>
        <source>Set Text Rotation Angle</source>
        <translation>Tourner le texte</translation>
    </message>
    <message>
        <source>%1 Degrees</source>
        <translation>%1 degrés</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
</context>
<context>
    <name>fx::VideoPage</name>
    <message>
        <source>Get AVI File...</source>
        <translation>Ouvrir un film AVI...</translation>
    </message>
    <message>
        <source> Playback Control </source>
        <translation> Lecture </translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>LIRE</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Move Back One Frame</source>
        <translation>Une image en arrière</translation>
    </message>
    <message>
        <source>Move Ahead One Frame</source>
        <translation>Une image en avant</translation>
    </message>
    <message>
        <source>Click and drag the pointer to move about in the file</source>
        <translation>Clique et glisse pour te déplacer dans le film</translation>
    </message>
    <message>
        <source>Frame   of </source>
        <translation>Image   sur </translation>
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
        <translation> Taille de l&apos;image </translation>
    </message>
    <message>
        <source>Make it larger</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Make it smaller</source>
        <translation>Rapetisser</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Vraie taille</translation>
    </message>
    <message>
        <source>Set image to normal size</source>
        <translation>Remettre l&apos;image à sa taille normale</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Largeur               Hauteur</translation>
    </message>
    <message>
        <source>Get AVI File</source>
        <translation>Ouvrir un film AVI</translation>
    </message>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Largeur %1  Hauteur %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Image %1 sur %2</translation>
    </message>
    <message>
        <source>AVI Movies</source>
        <translation>Films AVI</translation>
    </message>
    <message>
        <source>All Videos</source>
        <translation>Toutes les vidéos</translation>
    </message>
</context>
<context>
    <name>pz::Canvas</name>
    <message>
        <source>Pinzola cannot start: the art file %1 is missing or unreadable (%2).</source>
        <translation>Pinzola ne peut pas démarrer : le fichier d&apos;images %1 manque ou est illisible (%2).</translation>
    </message>
    <message>
        <source>Paint, color and play!</source>
        <translation>Peins, colorie et amuse-toi !</translation>
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
        <translation>Retour</translation>
    </message>
    <message>
        <source>Click a name to see it</source>
        <translation>Clique sur un nom</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (sans nom)</translation>
    </message>
    <message>
        <source>Pinzola -- %1</source>
        <translation>Pinzola -- %1</translation>
    </message>
    <message>
        <source>Pinzola -- using %1</source>
        <translation>Pinzola -- avec %1</translation>
    </message>
    <message>
        <source>Pinzola -- adjusting colors</source>
        <translation>Pinzola -- réglage des couleurs</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1already exists. Overwrite?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>No Saved Pictures to open.</source>
        <translation>Il n&apos;y a pas encore d&apos;image enregistrée.</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to paste. Pictures can be at most 16000 pixels wide and 16000 pixels high.</source>
        <translation>L&apos;image du presse-papiers est trop grande pour être collée. Une image peut avoir au plus 16000 pixels de large et 16000 pixels de haut.</translation>
    </message>
    <message>
        <source>The picture on the clipboard could not be read.</source>
        <translation>L&apos;image du presse-papiers n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>A picture&apos;s name cannot contain &quot;/&quot; or control characters and cannot be &quot;.&quot; or &quot;..&quot;. Please choose another name.</source>
        <translation>Le nom d&apos;une image ne peut pas contenir &quot;/&quot; ni de caractères de contrôle, et ne peut pas être &quot;.&quot; ou &quot;..&quot;. Choisis un autre nom.</translation>
    </message>
    <message>
        <source>That name is too long for a picture. Please choose a shorter name.</source>
        <translation>Ce nom est trop long pour une image. Choisis un nom plus court.</translation>
    </message>
    <message>
        <source>%1

The picture you are painting has not been changed.</source>
        <translation>%1

Ton dessin n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Cannot save the picture as %1 (%2). Nothing was written: an earlier picture of that name is unchanged, and the picture you are painting is still here.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image sous %1 (%2). Rien n&apos;a été écrit : une image plus ancienne de ce nom n&apos;a pas changé, et ton dessin est toujours là.</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>impossible d&apos;écrire dans le dossier : %1</translation>
    </message>
    <message>
        <source>Textures are limited to 50x50. Your bitmap will take the top left 50x50 as the texture. OK?</source>
        <translation>Les motifs font 50x50 au plus. Le coin en haut à gauche de 50x50 deviendra le motif. D&apos;accord ?</translation>
    </message>
</context>
<context>
    <name>pz::Platform</name>
    <message>
        <source>Out of memory.</source>
        <translation>La mémoire est pleine.</translation>
    </message>
    <message>
        <source>not a bitmap file</source>
        <translation>ce n&apos;est pas un fichier bitmap</translation>
    </message>
    <message>
        <source>truncated bitmap header</source>
        <translation>en-tête bitmap coupé</translation>
    </message>
    <message>
        <source>unknown bitmap header</source>
        <translation>en-tête bitmap inconnu</translation>
    </message>
    <message>
        <source>bitmap size out of range</source>
        <translation>taille de bitmap impossible</translation>
    </message>
    <message>
        <source>unsupported bit depth</source>
        <translation>nombre de couleurs non pris en charge</translation>
    </message>
    <message>
        <source>truncated bit fields</source>
        <translation>champs de bits coupés</translation>
    </message>
    <message>
        <source>unsupported compression</source>
        <translation>compression non prise en charge</translation>
    </message>
    <message>
        <source>bad bit fields</source>
        <translation>champs de bits faux</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>pas de pixels</translation>
    </message>
    <message>
        <source>truncated pixel data</source>
        <translation>pixels coupés</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 est trop grand pour être une image</translation>
    </message>
    <message>
        <source>%1 is not a valid bitmap (%2)</source>
        <translation>%1 n&apos;est pas un bitmap valable (%2)</translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation>ce n&apos;est pas un fichier JPEG</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>fichier trop grand</translation>
    </message>
    <message>
        <source>no JPEG decoder</source>
        <translation>pas de décodeur JPEG</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>image trop grande</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <translation>les images CMJN ne sont pas prises en charge</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>image vide</translation>
    </message>
    <message>
        <source>no JPEG encoder</source>
        <translation>pas d&apos;encodeur JPEG</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture.</source>
        <translation>%1 est trop grand pour être une image.</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>not a BMP or JPEG picture</source>
        <translation>ce n&apos;est pas une image BMP ou JPEG</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture (%2).</source>
        <translation>%1 ne peut pas être ouvert comme image (%2).</translation>
    </message>
    <message>
        <source>%1 is not a metafile: the extension is not .wmf or .emf.</source>
        <translation>%1 n&apos;est pas un métafichier : l&apos;extension n&apos;est pas .wmf ou .emf.</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>%1 is too large to be a metafile.</source>
        <translation>%1 est trop grand pour être un métafichier.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 ne peut pas être affiché : %2.</translation>
    </message>
    <message>
        <source>it is not an enhanced metafile</source>
        <translation>ce n&apos;est pas un métafichier amélioré</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>le fichier est coupé</translation>
    </message>
    <message>
        <source>the picture has no size</source>
        <translation>l&apos;image n&apos;a pas de taille</translation>
    </message>
    <message>
        <source>the file is truncated or its records are damaged</source>
        <translation>le fichier est coupé ou abîmé</translation>
    </message>
    <message>
        <source>the placeable header&apos;s checksum is wrong</source>
        <translation>la somme de contrôle de l&apos;en-tête est fausse</translation>
    </message>
    <message>
        <source>the header gives no units per inch</source>
        <translation>l&apos;en-tête ne donne pas d&apos;unités par pouce</translation>
    </message>
    <message>
        <source>it is not a placeable Windows metafile or an enhanced metafile</source>
        <translation>ce n&apos;est ni un métafichier Windows plaçable ni un métafichier amélioré</translation>
    </message>
    <message>
        <source>it is not a Windows metafile</source>
        <translation>ce n&apos;est pas un métafichier Windows</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Réglage de l&apos;imprimante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>L&apos;imprimante &quot;%1&quot; n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>The printer could not start the page.</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer la page.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation>La page n&apos;a pas pu être envoyée à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>Le fichier &quot;%1&quot; est introuvable.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Le fichier &quot;%1&quot; est vide.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>Le fichier &quot;%1&quot; n&apos;est pas un film AVI, ou son en-tête est abîmé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>Le fichier &quot;%1&quot; ne contient pas de film.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>Le film de &quot;%1&quot; a un en-tête abîmé : il ne donne pas la taille de l&apos;image.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>Le film de &quot;%1&quot; dit faire %2 × %3 pixels ; le plus grand film possible fait %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>Le film de &quot;%1&quot; est compressé d&apos;une façon (%2) qui ne peut pas être décodée.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>Le film de &quot;%1&quot; n&apos;a pas d&apos;images.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>Le film de &quot;%1&quot; n&apos;a aucune image à montrer.</translation>
    </message>
</context>
<context>
    <name>pz::StreamDecoder</name>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>Le fichier &quot;%1&quot; est introuvable.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Le fichier &quot;%1&quot; est vide.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>Le film de &quot;%1&quot; a un en-tête abîmé : il ne donne pas la taille de l&apos;image.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>Le film de &quot;%1&quot; dit faire %2 × %3 pixels ; le plus grand film possible fait %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>Le film de &quot;%1&quot; est compressé d&apos;une façon (%2) qui ne peut pas être décodée.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>Le film de &quot;%1&quot; n&apos;a pas d&apos;images.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>Le film de &quot;%1&quot; n&apos;a aucune image à montrer.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Le fichier &quot;%1&quot; ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>Le fichier &quot;%1&quot; n&apos;est pas un film AVI, ou son en-tête est abîmé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read again.</source>
        <translation>Le fichier &quot;%1&quot; ne peut pas être relu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>Le fichier &quot;%1&quot; ne contient pas de film.</translation>
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
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>pz::Tguide</name>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Guide de Pinzola</translation>
    </message>
    <message>
        <source>The User Guide is missing from this folder:</source>
        <translation>Le guide manque dans ce dossier :</translation>
    </message>
</context>
<context>
    <name>pz::Tmainpinz</name>
    <message>
        <source>Present position of cursor</source>
        <translation>Position du pointeur</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>OUPS</translation>
    </message>
    <message>
        <source>Undo the last thing you did</source>
        <translation>Annuler ce que tu viens de faire</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoomer</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Dézoomer</translation>
    </message>
    <message>
        <source>Normal (1 to 1) Size</source>
        <translation>Taille normale (1 pour 1)</translation>
    </message>
    <message>
        <source>Select Color to Use</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Click to brighten</source>
        <translation>Clique pour éclaircir</translation>
    </message>
    <message>
        <source>Click to darken</source>
        <translation>Clique pour foncer</translation>
    </message>
    <message>
        <source>Select a tool to use</source>
        <translation>Choisir un outil</translation>
    </message>
    <message>
        <source>Tool Chest</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Adjust percentage of water in the brush</source>
        <translation>La quantité d&apos;eau dans le pinceau</translation>
    </message>
    <message>
        <source>Water %:</source>
        <translation>Eau % :</translation>
    </message>
    <message>
        <source>White Only</source>
        <translation>Blanc seul</translation>
    </message>
    <message>
        <source>When checked textures don&apos;t paint over colors</source>
        <translation>Coché, les motifs ne peignent pas sur les couleurs</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>À propos de ce programme</translation>
    </message>
    <message>
        <source>Open and Save pictures</source>
        <translation>Ouvrir et enregistrer des images</translation>
    </message>
    <message>
        <source>Read the User Guide</source>
        <translation>Lire le guide</translation>
    </message>
    <message>
        <source>Quit Pinzola</source>
        <translation>Quitter Pinzola</translation>
    </message>
    <message>
        <source>TOOLS</source>
        <translation>OUTILS</translation>
    </message>
    <message>
        <source>SYSTEM</source>
        <translation>SYSTÈME</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Réglage de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clipart Library...</source>
        <translation>Images à coller...</translation>
    </message>
    <message>
        <source>&amp;Zoom Rectangle</source>
        <translation>&amp;Zoomer sur un rectangle</translation>
    </message>
    <message>
        <source>Get AVI Movie Frame...</source>
        <translation>Image d&apos;un film AVI...</translation>
    </message>
    <message>
        <source>Insert Text...</source>
        <translation>Ajouter du texte...</translation>
    </message>
    <message>
        <source>Import WMF Image...</source>
        <translation>Importer une image WMF...</translation>
    </message>
    <message>
        <source>Open Pinzola Picture...</source>
        <translation>Ouvrir un dessin Pinzola...</translation>
    </message>
    <message>
        <source>Open Saved Pinzola Picture...</source>
        <translation>Ouvrir une image enregistrée...</translation>
    </message>
    <message>
        <source>Save Pinzola Picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Save Pinzola Picture As...</source>
        <translation>Enregistrer l&apos;image sous...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save As Texture</source>
        <translation>Enregistrer comme motif</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (sans nom)</translation>
    </message>
    <message>
        <source>Pinzola is not intended for LARGE FONT displays. Please adjust your display properties for SMALL FONTS.</source>
        <translation>Pinzola n&apos;est pas fait pour les GRANDES POLICES. Règle ton écran sur les PETITES POLICES.</translation>
    </message>
    <message>
        <source>Awwwww. Do you really have to leave now?</source>
        <translation>Ooooh. Tu dois vraiment partir déjà ?</translation>
    </message>
    <message>
        <source>The texture could not be saved.</source>
        <translation>Le motif n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Water %</source>
        <translation>Eau %</translation>
    </message>
    <message>
        <source>Pasting can only take place at 1:1 zoom.</source>
        <translation>On ne peut coller qu&apos;en taille 1:1.</translation>
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
        <translation>Pastel -- colorie comme une craie grasse</translation>
    </message>
    <message>
        <source>Texture Brush</source>
        <translation>Pinceau à motifs</translation>
    </message>
    <message>
        <source>Texture Brush -- use to apply natural organic textures as paint</source>
        <translation>Pinceau à motifs -- peint avec des motifs de la nature</translation>
    </message>
    <message>
        <source>Water Pen</source>
        <translation>Crayon à eau</translation>
    </message>
    <message>
        <source>Water Pen -- applies color transparently</source>
        <translation>Crayon à eau -- peint une couleur transparente</translation>
    </message>
    <message>
        <source>Rectangular Area Select</source>
        <translation>Choisir un rectangle</translation>
    </message>
    <message>
        <source>Razor</source>
        <translation>Rasoir</translation>
    </message>
    <message>
        <source>Razor -- shave color away from black lines</source>
        <translation>Rasoir -- enlève la couleur des traits noirs</translation>
    </message>
    <message>
        <source>Acrylic Paint</source>
        <translation>Peinture acrylique</translation>
    </message>
    <message>
        <source>Acrylic Paint -- applies color dry (doesn&apos;t mix.)</source>
        <translation>Peinture acrylique -- peint sec (ne mélange pas.)</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Seau</translation>
    </message>
    <message>
        <source>Bucket -- fill area with color</source>
        <translation>Seau -- remplit une zone de couleur</translation>
    </message>
    <message>
        <source>Black Pencil</source>
        <translation>Crayon noir</translation>
    </message>
    <message>
        <source>Black Pencil -- draw black lines</source>
        <translation>Crayon noir -- trace des traits noirs</translation>
    </message>
    <message>
        <source>Black Eraser</source>
        <translation>Gomme à noir</translation>
    </message>
    <message>
        <source>Black Eraser -- erase black lines only</source>
        <translation>Gomme à noir -- gomme seulement les traits noirs</translation>
    </message>
    <message>
        <source>Color Eraser</source>
        <translation>Gomme à couleur</translation>
    </message>
    <message>
        <source>Color Eraser -- erase color only</source>
        <translation>Gomme à couleur -- gomme seulement la couleur</translation>
    </message>
    <message>
        <source>Pastel (mixing)</source>
        <translation>Pastel (mélange)</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon but mixes upon contact</source>
        <translation>Pastel -- colorie comme une craie et mélange les couleurs</translation>
    </message>
    <message>
        <source>Water Pen (mixing)</source>
        <translation>Crayon à eau (mélange)</translation>
    </message>
    <message>
        <source>Water Pen -- mixes colors with transparency</source>
        <translation>Crayon à eau -- mélange des couleurs transparentes</translation>
    </message>
    <message>
        <source>Spray Paint</source>
        <translation>Bombe de peinture</translation>
    </message>
    <message>
        <source>Spray Paint -- single color, no mixing</source>
        <translation>Bombe de peinture -- une couleur, sans mélange</translation>
    </message>
    <message>
        <source>Wand Stars</source>
        <translation>Étoiles magiques</translation>
    </message>
    <message>
        <source>Wand Stars -- create the sparkles that come from a wand</source>
        <translation>Étoiles magiques -- des étincelles de baguette magique</translation>
    </message>
    <message>
        <source>Replacement Paint</source>
        <translation>Peinture d&apos;échange</translation>
    </message>
    <message>
        <source>Replacement Paint -- replaces the color you click on with the chosen color</source>
        <translation>Peinture d&apos;échange -- remplace la couleur cliquée par ta couleur</translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Dropper -- pick up color</source>
        <translation>Pipette -- prend une couleur</translation>
    </message>
    <message>
        <source>Oil Paint</source>
        <translation>Peinture à l&apos;huile</translation>
    </message>
    <message>
        <source>Oil Paint -- blends and mixes colors upon applying</source>
        <translation>Peinture à l&apos;huile -- mélange les couleurs en peignant</translation>
    </message>
    <message>
        <source>Spray Paint (mixing)</source>
        <translation>Bombe de peinture (mélange)</translation>
    </message>
    <message>
        <source>Spray Paint -- spray a color and mix on contact</source>
        <translation>Bombe de peinture -- vaporise et mélange la couleur</translation>
    </message>
    <message>
        <source>Zoom Rectangle</source>
        <translation>Zoomer sur un rectangle</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>pz::Topenpic</name>
    <message>
        <source>Open a Picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Open the picture</source>
        <translation>Ouvrir l&apos;image</translation>
    </message>
    <message>
        <source>Keep the picture you have</source>
        <translation>Garder ton image</translation>
    </message>
</context>
<context>
    <name>pz::Tpalpinz</name>
    <message>
        <source>Pinzola&apos;s Colors</source>
        <translation>Les couleurs de Pinzola</translation>
    </message>
    <message>
        <source>Click a colour to paint with it</source>
        <translation>Clique sur une couleur pour peindre avec</translation>
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
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Choose a palette</source>
        <translation>Choisir une palette</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>pz::Tsaveuser</name>
    <message>
        <source>Enter the name you wish to save this picture as...</source>
        <translation>Quel nom veux-tu donner à ton image ?</translation>
    </message>
    <message>
        <source>Save with this name</source>
        <translation>Enregistrer sous ce nom</translation>
    </message>
    <message>
        <source>Do not save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
</context>
<context>
    <name>pz::Ttoolform</name>
    <message>
        <source>Pinzola&apos;s Tools</source>
        <translation>Les outils de Pinzola</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Motifs</translation>
    </message>
    <message>
        <source>Tools with this icon will mix colors as they apply.</source>
        <translation>Les outils avec ce signe mélangent les couleurs.</translation>
    </message>
    <message>
        <source>Le&apos;s go with the chosen tool...</source>
        <translation>C&apos;est parti avec cet outil...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Select Textures</source>
        <translation>Choisir les motifs</translation>
    </message>
    <message>
        <source>These textures cannot be read and are left out:</source>
        <translation>Ces motifs sont illisibles et sont laissés de côté :</translation>
    </message>
</context>
</TS>
