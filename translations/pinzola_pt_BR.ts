<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Guide</name>
    <message>
        <source>Paints thick, dry colour that does not mix with what is already there. Good for bright, even areas.</source>
        <translation>Pinta uma cor grossa e seca que não se mistura com o que já está lá. Ótima para áreas vivas e lisinhas.</translation>
    </message>
    <message>
        <source>Goes on like a crayon, with a soft grainy edge.</source>
        <translation>Pinta como giz de cera, com uma borda macia e granulada.</translation>
    </message>
    <message>
        <source>Like the pastel, but the colours blend where they touch.</source>
        <translation>Como o giz pastel, mas as cores se misturam onde se encostam.</translation>
    </message>
    <message>
        <source>Paints see-through colour, like watercolour. Change how watery it is with %1 on the control strip.</source>
        <translation>Pinta uma cor transparente, como aquarela. Mude quanta água tem com %1 na barra de cima.</translation>
    </message>
    <message>
        <source>A watery pen that mixes with the colours under it.</source>
        <translation>Uma caneta d&apos;água que se mistura com as cores de baixo.</translation>
    </message>
    <message>
        <source>Smooth paint that blends and mixes as you move it around.</source>
        <translation>Uma tinta macia que se mistura enquanto você a espalha.</translation>
    </message>
    <message>
        <source>Sprays tiny dots of one colour, like a spray can.</source>
        <translation>Borrifa pontinhos de uma cor, como um spray.</translation>
    </message>
    <message>
        <source>Sprays a colour that mixes with what it lands on.</source>
        <translation>Borrifa uma cor que se mistura com o que ela toca.</translation>
    </message>
    <message>
        <source>Sprinkles sparkling stars, as if from a magic wand. Stars go over everything, even black lines.</source>
        <translation>Espalha estrelinhas brilhantes, como uma varinha de condão. As estrelas ficam por cima de tudo, até das linhas pretas.</translation>
    </message>
    <message>
        <source>Press on a colour and paint: only that colour is changed to your new one.</source>
        <translation>Aperte numa cor e pinte: só essa cor vira a sua cor nova.</translation>
    </message>
    <message>
        <source>Click inside a shape to fill it with colour in one go. The black lines keep the colour inside.</source>
        <translation>Clique dentro de uma forma para enchê-la de cor de uma vez. As linhas pretas seguram a cor lá dentro.</translation>
    </message>
    <message>
        <source>Draws new black lines. Choose how thick in the widths strip.</source>
        <translation>Desenha novas linhas pretas. Escolha a grossura na barra de espessuras.</translation>
    </message>
    <message>
        <source>Rubs out black lines only; your colours stay.</source>
        <translation>Apaga só as linhas pretas; suas cores ficam.</translation>
    </message>
    <message>
        <source>Rubs out colour only; the black lines stay.</source>
        <translation>Apaga só a cor; as linhas pretas ficam.</translation>
    </message>
    <message>
        <source>Shaves colour away from the black lines, to tidy up the edges.</source>
        <translation>Tira a cor de perto das linhas pretas, para deixar as bordas caprichadas.</translation>
    </message>
    <message>
        <source>Paints with a pattern (a texture) instead of a plain colour. Tick %1 to paint only where the paper is still white.</source>
        <translation>Pinta com um desenho (uma textura) em vez de uma cor só. Marque %1 para pintar só onde o papel ainda está branco.</translation>
    </message>
    <message>
        <source>Click on any colour in your picture to pick it up and paint with it.</source>
        <translation>Clique em qualquer cor do seu desenho para pegá-la e pintar com ela.</translation>
    </message>
    <message>
        <source>Drag a box over part of the picture. A small menu lets you %1, %2, %3 it, or %4 for the Texture Brush.</source>
        <translation>Arraste um retângulo sobre uma parte do desenho. Um menu pequeno deixa você %1, %2, %3 ou %4 para o pincel de texturas.</translation>
    </message>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Guia do Pinzola</translation>
    </message>
    <message>
        <source>Colour in drawings, paint, mix, sparkle &amp;mdash; and save your pictures.</source>
        <translation>Pinte desenhos, misture, faça brilhar &amp;mdash; e salve seus desenhos.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>The screen</source>
        <translation>A tela</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Zoom &amp;amp; Undo</source>
        <translation>Zoom e Desfazer</translation>
    </message>
    <message>
        <source>Open &amp;amp; Save</source>
        <translation>Abrir e Salvar</translation>
    </message>
    <message>
        <source>Surface menu</source>
        <translation>Menu do botão direito</translation>
    </message>
    <message>
        <source>For grown-ups</source>
        <translation>Para os adultos</translation>
    </message>
    <message>
        <source>Let&apos;s start!</source>
        <translation>Vamos começar!</translation>
    </message>
    <message>
        <source>When Pinzola opens you get a clean white sheet. You can paint on it straight away, or open one of the drawings to colour in: click the &lt;b&gt;open and save&lt;/b&gt; picture on the %1 page and choose %2.</source>
        <translation>Quando o Pinzola abre, você ganha uma folha branca. Dá para pintar na hora ou abrir um desenho para colorir: clique na figura de &lt;b&gt;abrir e salvar&lt;/b&gt; na página %1 e escolha %2.</translation>
    </message>
    <message>
        <source>Pinzola&apos;s main window</source>
        <translation>A janela principal do Pinzola</translation>
    </message>
    <message>
        <source>The big white area is your picture. Along the top is the black &lt;b&gt;control strip&lt;/b&gt; with two pages, %1 and %2; click the tabs at its bottom to change page. Use the scroll bars on the right and bottom when the picture is bigger than the window.</source>
        <translation>A área branca grande é o seu desenho. Em cima fica a &lt;b&gt;barra preta&lt;/b&gt; com duas páginas, %1 e %2; clique nas abas embaixo dela para trocar de página. Quando o desenho for maior que a janela, use as barras de rolagem à direita e embaixo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;X/Y:&lt;/b&gt; at the top left shows where the pointer is.</source>
        <translation>&lt;b&gt;X/Y:&lt;/b&gt; no canto de cima à esquerda mostra onde o ponteiro está.</translation>
    </message>
    <message>
        <source>The tools</source>
        <translation>As ferramentas</translation>
    </message>
    <message>
        <source>tool chest</source>
        <translation>caixa de ferramentas</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;tool chest&lt;/b&gt; on the %1 page to choose a tool. Many tools let you pick a brush size or a line width in the strip next to it.</source>
        <translation>Clique na &lt;b&gt;caixa de ferramentas&lt;/b&gt; na página %1 para escolher uma ferramenta. Em muitas delas você escolhe ao lado o tamanho do pincel ou a grossura da linha.</translation>
    </message>
    <message>
        <source>Painting never spoils the black lines of a drawing &amp;mdash; only the Black Pencil, the Black Eraser and the Wand Stars change them.</source>
        <translation>Pintar nunca estraga as linhas pretas de um desenho &amp;mdash; só o lápis preto, a borracha de preto e as estrelas mágicas mudam essas linhas.</translation>
    </message>
    <message>
        <source>Choosing colours</source>
        <translation>Escolhendo cores</translation>
    </message>
    <message>
        <source>colour box</source>
        <translation>caixa de cor</translation>
    </message>
    <message>
        <source>Click the &lt;b&gt;colour box&lt;/b&gt; to open %1. Click any patch to paint with it; double-click to pick it and close the window. The %2, %3 and %4 sliders mix red, green and blue yourself, and the numbers under them tell you the colour. The list below chooses another palette; Pinzola remembers it until you close the program.</source>
        <translation>Clique na &lt;b&gt;caixa de cor&lt;/b&gt; para abrir %1. Clique num quadradinho para pintar com ele; com um clique duplo você escolhe a cor e fecha a janela. Com as barrinhas %2, %3 e %4 você mesmo mistura vermelho, verde e azul, e os números embaixo dizem qual é a cor. A lista de baixo escolhe outra paleta; o Pinzola lembra dela até você fechar o programa.</translation>
    </message>
    <message>
        <source>the colours window</source>
        <translation>a janela de cores</translation>
    </message>
    <message>
        <source>brighten</source>
        <translation>clarear</translation>
    </message>
    <message>
        <source>darken</source>
        <translation>escurecer</translation>
    </message>
    <message>
        <source>make your colour a little &lt;b&gt;brighter&lt;/b&gt; or &lt;b&gt;darker&lt;/b&gt;. Clicking the little colour swatch opens the full colour chooser, where any colour at all can be picked.</source>
        <translation>deixam sua cor um pouco mais &lt;b&gt;clara&lt;/b&gt; ou mais &lt;b&gt;escura&lt;/b&gt;. Clicar no quadradinho de cor abre o seletor de cores completo, onde dá para escolher qualquer cor.</translation>
    </message>
    <message>
        <source>Zoom and Undo</source>
        <translation>Zoom e Desfazer</translation>
    </message>
    <message>
        <source>zoom in</source>
        <translation>aproximar</translation>
    </message>
    <message>
        <source>zoom out</source>
        <translation>afastar</translation>
    </message>
    <message>
        <source>normal size</source>
        <translation>tamanho normal</translation>
    </message>
    <message>
        <source>%1 makes the picture bigger (2 times, then 4 times) for fiddly corners, %2 shows it at half size, and the third button goes back to normal size. You can also drag a rectangle with %3 from the right-click menu.</source>
        <translation>%1 aumenta o desenho (2 vezes, depois 4 vezes) para os cantinhos difíceis, %2 mostra pela metade, e o terceiro botão volta ao tamanho normal. Você também pode arrastar um retângulo com %3 no menu do botão direito.</translation>
    </message>
    <message>
        <source>%1 takes back everything you did since you last chose a tool or a colour, saved, or pasted.</source>
        <translation>%1 desfaz tudo o que você fez desde a última vez que escolheu uma ferramenta ou uma cor, salvou ou colou.</translation>
    </message>
    <message>
        <source>Opening and saving</source>
        <translation>Abrindo e salvando</translation>
    </message>
    <message>
        <source>open and save</source>
        <translation>abrir e salvar</translation>
    </message>
    <message>
        <source>On the %1 page, the &lt;b&gt;open and save&lt;/b&gt; picture shows the file menu:</source>
        <translation>Na página %1, a figura de &lt;b&gt;abrir e salvar&lt;/b&gt; mostra o menu de arquivos:</translation>
    </message>
    <message>
        <source>Choose a drawing to colour. Click a name to see it, then &lt;b&gt;OK&lt;/b&gt;. The window&apos;s title shows which drawing you are using.</source>
        <translation>Escolha um desenho para colorir. Clique num nome para ver o desenho e depois em &lt;b&gt;OK&lt;/b&gt;. O título da janela mostra qual desenho você está usando.</translation>
    </message>
    <message>
        <source>Open a picture you saved before. Pinzola tidies its colours as it opens (you can watch the percentage count up), so black lines are black again.</source>
        <translation>Abre um desenho que você salvou antes. O Pinzola arruma as cores enquanto abre (dá para ver a porcentagem subindo), para as linhas pretas ficarem pretas de novo.</translation>
    </message>
    <message>
        <source>Saves your picture under its name. A new picture asks for a name first.</source>
        <translation>Salva o seu desenho com o nome dele. Um desenho novo pede um nome primeiro.</translation>
    </message>
    <message>
        <source>Saves under a new name. If a picture with that name exists, Pinzola asks before replacing it.</source>
        <translation>Salva com um nome novo. Se já existir um desenho com esse nome, o Pinzola pergunta antes de trocar.</translation>
    </message>
    <message>
        <source>the open window</source>
        <translation>a janela de abrir</translation>
    </message>
    <message>
        <source>the name window</source>
        <translation>a janela do nome</translation>
    </message>
    <message>
        <source>A name may have spaces and capital letters, but not a &lt;b&gt;/&lt;/b&gt;. If something goes wrong while saving (for example the disk is full), Pinzola tells you and your earlier picture of that name is kept safe.</source>
        <translation>Um nome pode ter espaços e letras maiúsculas, mas não uma &lt;b&gt;/&lt;/b&gt;. Se algo der errado ao salvar (por exemplo, se o disco estiver cheio), o Pinzola avisa e o seu desenho antigo com esse nome fica guardado.</translation>
    </message>
    <message>
        <source>The right-click menu</source>
        <translation>O menu do botão direito</translation>
    </message>
    <message>
        <source>Click the right mouse button on your picture for more:</source>
        <translation>Clique com o botão direito do mouse no seu desenho para ver mais:</translation>
    </message>
    <message>
        <source>Choose a printer, then print your picture.</source>
        <translation>Escolha uma impressora e depois imprima seu desenho.</translation>
    </message>
    <message>
        <source>Puts a copied picture on yours. Move it where you want it and click to drop it. A plain background around it becomes see-through.</source>
        <translation>Coloca uma figura copiada no seu desenho. Mova para onde quiser e clique para soltar. Um fundo de uma cor só em volta fica transparente.</translation>
    </message>
    <message>
        <source>Pick a ready-made picture (animals, stars, balloons...) and choose its size, then Paste it.</source>
        <translation>Escolha uma figura pronta (bichos, estrelas, balões...) e o tamanho dela, e depois cole.</translation>
    </message>
    <message>
        <source>Drag a box to zoom into it.</source>
        <translation>Arraste um retângulo para ver de perto.</translation>
    </message>
    <message>
        <source>Opens PinzFX to take a picture from a video.</source>
        <translation>Abre o PinzFX para pegar uma imagem de um filme.</translation>
    </message>
    <message>
        <source>Opens PinzFX to write words with shadows and other effects.</source>
        <translation>Abre o PinzFX para escrever palavras com sombras e outros efeitos.</translation>
    </message>
    <message>
        <source>Opens PinzFX to bring in a drawing made by another program.</source>
        <translation>Abre o PinzFX para trazer um desenho feito em outro programa.</translation>
    </message>
    <message>
        <source>In PinzFX, select what you want, press %1 and %2, then Paste it.</source>
        <translation>No PinzFX, escolha o que quiser, aperte %1 e %2, e depois cole.</translation>
    </message>
    <message>
        <source>%1 opens this guide, %2 tells you about Pinzola, and %3 closes the program (it asks first).</source>
        <translation>%1 abre este guia, %2 conta sobre o Pinzola, e %3 fecha o programa (antes ele pergunta).</translation>
    </message>
    <message>
        <source>help</source>
        <translation>ajuda</translation>
    </message>
    <message>
        <source>about</source>
        <translation>sobre</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>sair</translation>
    </message>
    <message>
        <source>Everything Pinzola uses lives in its program folder:</source>
        <translation>Tudo o que o Pinzola usa fica na pasta dele:</translation>
    </message>
    <message>
        <source>drawings to colour (Windows BMP; add your own black-on-white drawings)</source>
        <translation>desenhos para colorir (Windows BMP; dá para acrescentar desenhos próprios em preto no branco)</translation>
    </message>
    <message>
        <source>saved pictures (JPEG at the highest quality)</source>
        <translation>desenhos salvos (JPEG na melhor qualidade)</translation>
    </message>
    <message>
        <source>palette pictures for the colours window (BMP)</source>
        <translation>paletas para a janela de cores (BMP)</translation>
    </message>
    <message>
        <source>50&amp;times;50 textures for the Texture Brush</source>
        <translation>texturas de 50&amp;times;50 para o pincel de texturas</translation>
    </message>
    <message>
        <source>clip art pictures</source>
        <translation>figuras prontas</translation>
    </message>
    <message>
        <source>this guide</source>
        <translation>este guia</translation>
    </message>
    <message>
        <source>Pinzola keeps no settings: every start begins fresh.</source>
        <translation>O Pinzola não guarda configurações: cada vez começa do zero.</translation>
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
        <translation>Nenhuma impressora padrão está escolhida.</translation>
    </message>
</context>
<context>
    <name>SvgDrawing</name>
    <message>
        <source>the compressed data is damaged</source>
        <translation>os dados compactados estão danificados</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>descompactado passa de %1 MB</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>passa de %1 MB</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing</source>
        <translation>não é um desenho SVG legível</translation>
    </message>
    <message>
        <source>it is not a readable SVG drawing (%1)</source>
        <translation>não é um desenho SVG legível (%1)</translation>
    </message>
    <message>
        <source>its size is too large to show</source>
        <translation>é grande demais para mostrar</translation>
    </message>
    <message>
        <source>it has no size to show</source>
        <translation>não tem um tamanho para mostrar</translation>
    </message>
    <message>
        <source>it takes too long to draw</source>
        <translation>demora demais para desenhar</translation>
    </message>
    <message>
        <source>the renderer failed on it</source>
        <translation>não foi possível desenhar</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Não dá para abrir o arquivo %1.</translation>
    </message>
    <message>
        <source>%1 is too large to be a drawing.</source>
        <translation>%1 é grande demais para ser um desenho.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 não pode ser mostrado: %2.</translation>
    </message>
</context>
<context>
    <name>Tmainpinz</name>
    <message>
        <source>Do you want to save your picture first?</source>
        <translation>Quer salvar seu desenho antes?</translation>
    </message>
</context>
<context>
    <name>Tsaveuser</name>
    <message>
        <source>A picture&apos;s name cannot be only blanks. Please choose another name.</source>
        <translation>O nome de um desenho não pode ser só espaços. Escolha outro nome, por favor.</translation>
    </message>
</context>
<context>
    <name>fx::AreaSelect</name>
    <message>
        <source> Area Select </source>
        <translation> Escolher área </translation>
    </message>
    <message>
        <source>Copy a rectangular area</source>
        <translation>Copiar um retângulo</translation>
    </message>
    <message>
        <source>Copy irregular area</source>
        <translation>Copiar uma forma livre</translation>
    </message>
    <message>
        <source>Copy the whole image</source>
        <translation>Copiar a imagem inteira</translation>
    </message>
    <message>
        <source>Copy Selected Area to Clipboard</source>
        <translation>Copiar a área escolhida</translation>
    </message>
    <message>
        <source>Return to Pinzola</source>
        <translation>Voltar para o Pinzola</translation>
    </message>
</context>
<context>
    <name>fx::MetafilePage</name>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Largura: %1  Altura: %2</translation>
    </message>
    <message>
        <source>Browse System for WMF File...</source>
        <translation>Procurar um arquivo WMF...</translation>
    </message>
    <message>
        <source>Retrieve WMF File from Clipboard...</source>
        <translation>Pegar o WMF da área de transf...</translation>
    </message>
    <message>
        <source> Size </source>
        <translation> Tamanho </translation>
    </message>
    <message>
        <source>Make the image larger</source>
        <translation>Aumentar a imagem</translation>
    </message>
    <message>
        <source>Make the image smaller</source>
        <translation>Diminuir a imagem</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Set the image to normal size</source>
        <translation>Voltar a imagem ao tamanho normal</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Largura:               Altura:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>The picture on the clipboard cannot be read.</source>
        <translation>Não dá para ler a imagem da área de transferência.</translation>
    </message>
    <message>
        <source>Windows Metafiles</source>
        <translation>Metarquivos do Windows</translation>
    </message>
    <message>
        <source>SVG Drawings</source>
        <translation>Desenhos SVG</translation>
    </message>
</context>
<context>
    <name>fx::TextPage</name>
    <message>
        <source>Text Effect:</source>
        <translation>Efeito de texto:</translation>
    </message>
    <message>
        <source>Choose test style here</source>
        <translation>Escolha o estilo aqui</translation>
    </message>
    <message>
        <source>Click to choose background color</source>
        <translation>Clique para escolher a cor do fundo</translation>
    </message>
    <message>
        <source>Click to choose foreground color</source>
        <translation>Clique para escolher a cor das letras</translation>
    </message>
    <message>
        <source>Choose lettering style here</source>
        <translation>Escolha o tipo de letra aqui</translation>
    </message>
    <message>
        <source>Choose lettering size here</source>
        <translation>Escolha o tamanho da letra aqui</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Make your text italic</source>
        <translation>Deixar o texto inclinado</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Make your text bold</source>
        <translation>Deixar o texto grosso</translation>
    </message>
    <message>
        <source>Enter Text Here</source>
        <translation>Escreva seu texto aqui</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo last action</source>
        <translation>Desfazer a última coisa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear the screen</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Shadow Depth:</source>
        <translation>Sombra:</translation>
    </message>
    <message>
        <source>Click to change the depth</source>
        <translation>Clique para mudar a sombra</translation>
    </message>
    <message>
        <source>1 Pixel</source>
        <translation>1 pixel</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
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
        <translation>Imagem de um filme AVI</translation>
    </message>
    <message>
        <source>Add Text Effect</source>
        <translation>Texto com efeito</translation>
    </message>
    <message>
        <source>Vector Graphic Image to Bitmap</source>
        <translation>Desenho vetorial em imagem</translation>
    </message>
    <message>
        <source>This application can only be executed from Pinzola.</source>
        <translation>Este programa só pode ser aberto pelo Pinzola.</translation>
    </message>
</context>
<context>
    <name>fx::Trotator</name>
    <message>
        <source>Set Text Rotation Angle</source>
        <translation>Girar o texto</translation>
    </message>
    <message>
        <source>%1 Degrees</source>
        <translation>%1 graus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemplo</translation>
    </message>
</context>
<context>
    <name>fx::VideoPage</name>
    <message>
        <source>Get AVI File...</source>
        <translation>Abrir filme AVI...</translation>
    </message>
    <message>
        <source> Playback Control </source>
        <translation> Reproduzir </translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>TOCAR</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>PARAR</translation>
    </message>
    <message>
        <source>Move Back One Frame</source>
        <translation>Uma imagem para trás</translation>
    </message>
    <message>
        <source>Move Ahead One Frame</source>
        <translation>Uma imagem para a frente</translation>
    </message>
    <message>
        <source>Click and drag the pointer to move about in the file</source>
        <translation>Clique e arraste para andar pelo filme</translation>
    </message>
    <message>
        <source>Frame   of </source>
        <translation>Imagem   de </translation>
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
        <translation> Tamanho da imagem </translation>
    </message>
    <message>
        <source>Make it larger</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Make it smaller</source>
        <translation>Diminuir</translation>
    </message>
    <message>
        <source>Native Size</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Set image to normal size</source>
        <translation>Voltar a imagem ao tamanho normal</translation>
    </message>
    <message>
        <source>Width:               Height:</source>
        <translation>Largura:               Altura:</translation>
    </message>
    <message>
        <source>Get AVI File</source>
        <translation>Abrir filme AVI</translation>
    </message>
    <message>
        <source>Width: %1  Height: %2</source>
        <translation>Largura: %1  Altura: %2</translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation>Imagem %1 de %2</translation>
    </message>
    <message>
        <source>AVI Movies</source>
        <translation>Filmes AVI</translation>
    </message>
    <message>
        <source>All Videos</source>
        <translation>Todos os vídeos</translation>
    </message>
</context>
<context>
    <name>pz::Canvas</name>
    <message>
        <source>Pinzola cannot start: the art file %1 is missing or unreadable (%2).</source>
        <translation>O Pinzola não pode começar: o arquivo de desenhos %1 está faltando ou não pode ser lido (%2).</translation>
    </message>
    <message>
        <source>Paint, color and play!</source>
        <translation>Pinte, colora e brinque!</translation>
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
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Click a name to see it</source>
        <translation>Clique em um nome</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (sem nome)</translation>
    </message>
    <message>
        <source>Pinzola -- %1</source>
        <translation>Pinzola -- %1</translation>
    </message>
    <message>
        <source>Pinzola -- using %1</source>
        <translation>Pinzola -- com %1</translation>
    </message>
    <message>
        <source>Pinzola -- adjusting colors</source>
        <translation>Pinzola -- ajustando as cores</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1already exists. Overwrite?</source>
        <translation>%1 já existe. Trocar pelo novo?</translation>
    </message>
    <message>
        <source>No Saved Pictures to open.</source>
        <translation>Ainda não há desenhos salvos.</translation>
    </message>
    <message>
        <source>The picture on the clipboard is too large to paste. Pictures can be at most 16000 pixels wide and 16000 pixels high.</source>
        <translation>A imagem da área de transferência é grande demais para colar. Uma imagem pode ter no máximo 16000 pixels de largura e 16000 pixels de altura.</translation>
    </message>
    <message>
        <source>The picture on the clipboard could not be read.</source>
        <translation>Não foi possível ler a imagem da área de transferência.</translation>
    </message>
    <message>
        <source>A picture&apos;s name cannot contain &quot;/&quot; or control characters and cannot be &quot;.&quot; or &quot;..&quot;. Please choose another name.</source>
        <translation>O nome de um desenho não pode ter &quot;/&quot; nem caracteres de controle, e não pode ser &quot;.&quot; ou &quot;..&quot;. Escolha outro nome, por favor.</translation>
    </message>
    <message>
        <source>That name is too long for a picture. Please choose a shorter name.</source>
        <translation>Esse nome é comprido demais. Escolha um nome mais curto, por favor.</translation>
    </message>
    <message>
        <source>%1

The picture you are painting has not been changed.</source>
        <translation>%1

Seu desenho não mudou.</translation>
    </message>
    <message>
        <source>Cannot save the picture as %1 (%2). Nothing was written: an earlier picture of that name is unchanged, and the picture you are painting is still here.</source>
        <translation>Não dá para salvar o desenho como %1 (%2). Nada foi gravado: um desenho antigo com esse nome continua igual, e seu desenho ainda está aqui.</translation>
    </message>
    <message>
        <source>the folder cannot be written to: %1</source>
        <translation>não dá para gravar na pasta: %1</translation>
    </message>
    <message>
        <source>Textures are limited to 50x50. Your bitmap will take the top left 50x50 as the texture. OK?</source>
        <translation>As texturas têm no máximo 50x50. O canto de cima à esquerda (50x50) vai virar a textura. Tudo bem?</translation>
    </message>
</context>
<context>
    <name>pz::Platform</name>
    <message>
        <source>Out of memory.</source>
        <translation>A memória acabou.</translation>
    </message>
    <message>
        <source>not a bitmap file</source>
        <translation>não é um arquivo bitmap</translation>
    </message>
    <message>
        <source>truncated bitmap header</source>
        <translation>cabeçalho do bitmap cortado</translation>
    </message>
    <message>
        <source>unknown bitmap header</source>
        <translation>cabeçalho do bitmap desconhecido</translation>
    </message>
    <message>
        <source>bitmap size out of range</source>
        <translation>tamanho de bitmap impossível</translation>
    </message>
    <message>
        <source>unsupported bit depth</source>
        <translation>profundidade de cor não suportada</translation>
    </message>
    <message>
        <source>truncated bit fields</source>
        <translation>campos de bits cortados</translation>
    </message>
    <message>
        <source>unsupported compression</source>
        <translation>compressão não suportada</translation>
    </message>
    <message>
        <source>bad bit fields</source>
        <translation>campos de bits errados</translation>
    </message>
    <message>
        <source>no pixel data</source>
        <translation>não há pixels</translation>
    </message>
    <message>
        <source>truncated pixel data</source>
        <translation>pixels cortados</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não dá para abrir o arquivo %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture</source>
        <translation>%1 é grande demais para ser uma imagem</translation>
    </message>
    <message>
        <source>%1 is not a valid bitmap (%2)</source>
        <translation>%1 não é um bitmap válido (%2)</translation>
    </message>
    <message>
        <source>not a JPEG file</source>
        <translation>não é um arquivo JPEG</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>arquivo grande demais</translation>
    </message>
    <message>
        <source>no JPEG decoder</source>
        <translation>não há decodificador JPEG</translation>
    </message>
    <message>
        <source>picture too large</source>
        <translation>imagem grande demais</translation>
    </message>
    <message>
        <source>CMYK pictures are not supported</source>
        <translation>imagens CMYK não são suportadas</translation>
    </message>
    <message>
        <source>empty picture</source>
        <translation>imagem vazia</translation>
    </message>
    <message>
        <source>no JPEG encoder</source>
        <translation>não há codificador JPEG</translation>
    </message>
    <message>
        <source>%1 is too large to be a picture.</source>
        <translation>%1 é grande demais para ser uma imagem.</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Não dá para ler o arquivo %1</translation>
    </message>
    <message>
        <source>not a BMP or JPEG picture</source>
        <translation>não é uma imagem BMP nem JPEG</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture (%2).</source>
        <translation>%1 não pode ser aberto como imagem (%2).</translation>
    </message>
    <message>
        <source>%1 is not a metafile: the extension is not .wmf or .emf.</source>
        <translation>%1 não é um metarquivo: a extensão não é .wmf nem .emf.</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Não dá para abrir o arquivo %1.</translation>
    </message>
    <message>
        <source>%1 is too large to be a metafile.</source>
        <translation>%1 é grande demais para ser um metarquivo.</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2.</source>
        <translation>%1 não pode ser mostrado: %2.</translation>
    </message>
    <message>
        <source>it is not an enhanced metafile</source>
        <translation>não é um metarquivo avançado</translation>
    </message>
    <message>
        <source>the file is truncated</source>
        <translation>o arquivo está cortado</translation>
    </message>
    <message>
        <source>the picture has no size</source>
        <translation>a imagem não tem tamanho</translation>
    </message>
    <message>
        <source>the file is truncated or its records are damaged</source>
        <translation>o arquivo está cortado ou estragado</translation>
    </message>
    <message>
        <source>the placeable header&apos;s checksum is wrong</source>
        <translation>a soma de verificação do cabeçalho está errada</translation>
    </message>
    <message>
        <source>the header gives no units per inch</source>
        <translation>o cabeçalho não informa unidades por polegada</translation>
    </message>
    <message>
        <source>it is not a placeable Windows metafile or an enhanced metafile</source>
        <translation>não é um metarquivo posicionável do Windows nem um metarquivo avançado</translation>
    </message>
    <message>
        <source>it is not a Windows metafile</source>
        <translation>não é um metarquivo do Windows</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impressora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>A impressora &quot;%1&quot; não está disponível.</translation>
    </message>
    <message>
        <source>The printer could not start the page.</source>
        <translation>A impressora não conseguiu começar a página.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer.</source>
        <translation>Não foi possível mandar a página para a impressora.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>O arquivo &quot;%1&quot; não foi encontrado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>O arquivo &quot;%1&quot; está vazio.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>O arquivo &quot;%1&quot; não é um filme AVI, ou o cabeçalho dele está estragado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>O arquivo &quot;%1&quot; não tem nenhum filme.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>O filme em &quot;%1&quot; tem o cabeçalho estragado: ele não diz o tamanho da imagem.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>O filme em &quot;%1&quot; diz ter %2 × %3 pixels; o maior filme que pode ser mostrado tem %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>O filme em &quot;%1&quot; está compactado com um método (%2) que não pode ser decodificado.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>O filme em &quot;%1&quot; não tem imagens.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>O filme em &quot;%1&quot; não tem nenhuma imagem que possa ser mostrada.</translation>
    </message>
</context>
<context>
    <name>pz::StreamDecoder</name>
    <message>
        <source>The file &quot;%1&quot; cannot be found.</source>
        <translation>O arquivo &quot;%1&quot; não foi encontrado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>O arquivo &quot;%1&quot; está vazio.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has a damaged header: it gives no picture size.</source>
        <translation>O filme em &quot;%1&quot; tem o cabeçalho estragado: ele não diz o tamanho da imagem.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.</source>
        <translation>O filme em &quot;%1&quot; diz ter %2 × %3 pixels; o maior filme que pode ser mostrado tem %4 × %4.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; is compressed with a method (%2) that cannot be decoded.</source>
        <translation>O filme em &quot;%1&quot; está compactado com um método (%2) que não pode ser decodificado.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frames.</source>
        <translation>O filme em &quot;%1&quot; não tem imagens.</translation>
    </message>
    <message>
        <source>The video in &quot;%1&quot; has no frame that can be shown.</source>
        <translation>O filme em &quot;%1&quot; não tem nenhuma imagem que possa ser mostrada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>O arquivo &quot;%1&quot; não pode ser lido.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not an AVI video, or its header is damaged.</source>
        <translation>O arquivo &quot;%1&quot; não é um filme AVI, ou o cabeçalho dele está estragado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read again.</source>
        <translation>O arquivo &quot;%1&quot; não pode ser lido de novo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no video.</source>
        <translation>O arquivo &quot;%1&quot; não tem nenhum filme.</translation>
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
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>pz::Tguide</name>
    <message>
        <source>Pinzola User Guide</source>
        <translation>Guia do Pinzola</translation>
    </message>
    <message>
        <source>The User Guide is missing from this folder:</source>
        <translation>O guia não está nesta pasta:</translation>
    </message>
</context>
<context>
    <name>pz::Tmainpinz</name>
    <message>
        <source>Present position of cursor</source>
        <translation>Onde o ponteiro está</translation>
    </message>
    <message>
        <source>UNDO</source>
        <translation>OPA!</translation>
    </message>
    <message>
        <source>Undo the last thing you did</source>
        <translation>Desfazer a última coisa que você fez</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aproximar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Afastar</translation>
    </message>
    <message>
        <source>Normal (1 to 1) Size</source>
        <translation>Tamanho normal (1 para 1)</translation>
    </message>
    <message>
        <source>Select Color to Use</source>
        <translation>Escolher a cor</translation>
    </message>
    <message>
        <source>Click to brighten</source>
        <translation>Clique para clarear</translation>
    </message>
    <message>
        <source>Click to darken</source>
        <translation>Clique para escurecer</translation>
    </message>
    <message>
        <source>Select a tool to use</source>
        <translation>Escolher uma ferramenta</translation>
    </message>
    <message>
        <source>Tool Chest</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Adjust percentage of water in the brush</source>
        <translation>Quanta água tem no pincel</translation>
    </message>
    <message>
        <source>Water %:</source>
        <translation>Água %:</translation>
    </message>
    <message>
        <source>White Only</source>
        <translation>Só branco</translation>
    </message>
    <message>
        <source>When checked textures don&apos;t paint over colors</source>
        <translation>Marcado, as texturas não pintam por cima das cores</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>Sobre este programa</translation>
    </message>
    <message>
        <source>Open and Save pictures</source>
        <translation>Abrir e salvar desenhos</translation>
    </message>
    <message>
        <source>Read the User Guide</source>
        <translation>Ler o guia</translation>
    </message>
    <message>
        <source>Quit Pinzola</source>
        <translation>Sair do Pinzola</translation>
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
        <translation>Configurar impressora...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Clipart Library...</source>
        <translation>Coleção de figuras...</translation>
    </message>
    <message>
        <source>&amp;Zoom Rectangle</source>
        <translation>&amp;Zoom num retângulo</translation>
    </message>
    <message>
        <source>Get AVI Movie Frame...</source>
        <translation>Imagem de um filme AVI...</translation>
    </message>
    <message>
        <source>Insert Text...</source>
        <translation>Colocar texto...</translation>
    </message>
    <message>
        <source>Import WMF Image...</source>
        <translation>Trazer imagem WMF...</translation>
    </message>
    <message>
        <source>Open Pinzola Picture...</source>
        <translation>Abrir desenho do Pinzola...</translation>
    </message>
    <message>
        <source>Open Saved Pinzola Picture...</source>
        <translation>Abrir desenho salvo...</translation>
    </message>
    <message>
        <source>Save Pinzola Picture</source>
        <translation>Salvar o desenho</translation>
    </message>
    <message>
        <source>Save Pinzola Picture As...</source>
        <translation>Salvar o desenho como...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save As Texture</source>
        <translation>Salvar como textura</translation>
    </message>
    <message>
        <source>Pinzola -- (untitled)</source>
        <translation>Pinzola -- (sem nome)</translation>
    </message>
    <message>
        <source>Pinzola is not intended for LARGE FONT displays. Please adjust your display properties for SMALL FONTS.</source>
        <translation>O Pinzola não foi feito para LETRAS GRANDES na tela. Ajuste a tela para LETRAS PEQUENAS, por favor.</translation>
    </message>
    <message>
        <source>Awwwww. Do you really have to leave now?</source>
        <translation>Aaaah. Você precisa mesmo ir embora agora?</translation>
    </message>
    <message>
        <source>The texture could not be saved.</source>
        <translation>Não foi possível salvar a textura.</translation>
    </message>
    <message>
        <source>Water %</source>
        <translation>Água %</translation>
    </message>
    <message>
        <source>Pasting can only take place at 1:1 zoom.</source>
        <translation>Só dá para colar no tamanho 1:1.</translation>
    </message>
</context>
<context>
    <name>pz::Tools</name>
    <message>
        <source>Pastel</source>
        <translation>Giz pastel</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon</source>
        <translation>Giz pastel -- pinta como giz de cera</translation>
    </message>
    <message>
        <source>Texture Brush</source>
        <translation>Pincel de texturas</translation>
    </message>
    <message>
        <source>Texture Brush -- use to apply natural organic textures as paint</source>
        <translation>Pincel de texturas -- pinta com texturas da natureza</translation>
    </message>
    <message>
        <source>Water Pen</source>
        <translation>Caneta d&apos;água</translation>
    </message>
    <message>
        <source>Water Pen -- applies color transparently</source>
        <translation>Caneta d&apos;água -- pinta uma cor transparente</translation>
    </message>
    <message>
        <source>Rectangular Area Select</source>
        <translation>Escolher um retângulo</translation>
    </message>
    <message>
        <source>Razor</source>
        <translation>Lâmina</translation>
    </message>
    <message>
        <source>Razor -- shave color away from black lines</source>
        <translation>Lâmina -- tira a cor das linhas pretas</translation>
    </message>
    <message>
        <source>Acrylic Paint</source>
        <translation>Tinta acrílica</translation>
    </message>
    <message>
        <source>Acrylic Paint -- applies color dry (doesn&apos;t mix.)</source>
        <translation>Tinta acrílica -- pinta seco (não mistura.)</translation>
    </message>
    <message>
        <source>Bucket</source>
        <translation>Balde</translation>
    </message>
    <message>
        <source>Bucket -- fill area with color</source>
        <translation>Balde -- enche uma área de cor</translation>
    </message>
    <message>
        <source>Black Pencil</source>
        <translation>Lápis preto</translation>
    </message>
    <message>
        <source>Black Pencil -- draw black lines</source>
        <translation>Lápis preto -- desenha linhas pretas</translation>
    </message>
    <message>
        <source>Black Eraser</source>
        <translation>Borracha de preto</translation>
    </message>
    <message>
        <source>Black Eraser -- erase black lines only</source>
        <translation>Borracha de preto -- apaga só as linhas pretas</translation>
    </message>
    <message>
        <source>Color Eraser</source>
        <translation>Borracha de cor</translation>
    </message>
    <message>
        <source>Color Eraser -- erase color only</source>
        <translation>Borracha de cor -- apaga só a cor</translation>
    </message>
    <message>
        <source>Pastel (mixing)</source>
        <translation>Giz pastel (mistura)</translation>
    </message>
    <message>
        <source>Pastel -- applies like a crayon but mixes upon contact</source>
        <translation>Giz pastel -- pinta como giz de cera e mistura as cores</translation>
    </message>
    <message>
        <source>Water Pen (mixing)</source>
        <translation>Caneta d&apos;água (mistura)</translation>
    </message>
    <message>
        <source>Water Pen -- mixes colors with transparency</source>
        <translation>Caneta d&apos;água -- mistura cores transparentes</translation>
    </message>
    <message>
        <source>Spray Paint</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Spray Paint -- single color, no mixing</source>
        <translation>Spray -- uma cor, sem misturar</translation>
    </message>
    <message>
        <source>Wand Stars</source>
        <translation>Estrelas mágicas</translation>
    </message>
    <message>
        <source>Wand Stars -- create the sparkles that come from a wand</source>
        <translation>Estrelas mágicas -- brilhos de varinha de condão</translation>
    </message>
    <message>
        <source>Replacement Paint</source>
        <translation>Tinta de troca</translation>
    </message>
    <message>
        <source>Replacement Paint -- replaces the color you click on with the chosen color</source>
        <translation>Tinta de troca -- troca a cor que você clica pela sua cor</translation>
    </message>
    <message>
        <source>Dropper</source>
        <translation>Conta-gotas</translation>
    </message>
    <message>
        <source>Dropper -- pick up color</source>
        <translation>Conta-gotas -- pega uma cor</translation>
    </message>
    <message>
        <source>Oil Paint</source>
        <translation>Tinta a óleo</translation>
    </message>
    <message>
        <source>Oil Paint -- blends and mixes colors upon applying</source>
        <translation>Tinta a óleo -- mistura as cores enquanto pinta</translation>
    </message>
    <message>
        <source>Spray Paint (mixing)</source>
        <translation>Spray (mistura)</translation>
    </message>
    <message>
        <source>Spray Paint -- spray a color and mix on contact</source>
        <translation>Spray -- borrifa uma cor e mistura</translation>
    </message>
    <message>
        <source>Zoom Rectangle</source>
        <translation>Zoom num retângulo</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
</context>
<context>
    <name>pz::Topenpic</name>
    <message>
        <source>Open a Picture</source>
        <translation>Abrir um desenho</translation>
    </message>
    <message>
        <source>Open the picture</source>
        <translation>Abrir o desenho</translation>
    </message>
    <message>
        <source>Keep the picture you have</source>
        <translation>Ficar com o seu desenho</translation>
    </message>
</context>
<context>
    <name>pz::Tpalpinz</name>
    <message>
        <source>Pinzola&apos;s Colors</source>
        <translation>As cores do Pinzola</translation>
    </message>
    <message>
        <source>Click a colour to paint with it</source>
        <translation>Clique numa cor para pintar com ela</translation>
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
        <translation>Vermelho</translation>
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
        <translation>Escolher uma paleta</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>pz::Tsaveuser</name>
    <message>
        <source>Enter the name you wish to save this picture as...</source>
        <translation>Que nome você quer dar ao seu desenho?</translation>
    </message>
    <message>
        <source>Save with this name</source>
        <translation>Salvar com este nome</translation>
    </message>
    <message>
        <source>Do not save</source>
        <translation>Não salvar</translation>
    </message>
</context>
<context>
    <name>pz::Ttoolform</name>
    <message>
        <source>Pinzola&apos;s Tools</source>
        <translation>As ferramentas do Pinzola</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Texturas</translation>
    </message>
    <message>
        <source>Tools with this icon will mix colors as they apply.</source>
        <translation>As ferramentas com este sinal misturam as cores.</translation>
    </message>
    <message>
        <source>Le&apos;s go with the chosen tool...</source>
        <translation>Vamos lá com esta ferramenta...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Select Textures</source>
        <translation>Escolher texturas</translation>
    </message>
    <message>
        <source>These textures cannot be read and are left out:</source>
        <translation>Estas texturas não podem ser lidas e ficam de fora:</translation>
    </message>
</context>
</TS>
