<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Content</name>
    <message>
        <source>airplane</source>
        <translation>avião</translation>
    </message>
    <message>
        <source>apple tree</source>
        <translation>macieira</translation>
    </message>
    <message>
        <source>balloons</source>
        <translation>balões</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>passarinho</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>bolo</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>borboleta</translation>
    </message>
    <message>
        <source>by the sea</source>
        <translation>na praia</translation>
    </message>
    <message>
        <source>car</source>
        <translation>carro</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>castelo</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>gato</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>coroa</translation>
    </message>
    <message>
        <source>daisy</source>
        <translation>margarida</translation>
    </message>
    <message>
        <source>dinosaur</source>
        <translation>dinossauro</translation>
    </message>
    <message>
        <source>dog</source>
        <translation>cachorro</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>dragão</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>peixe</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>flores</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>coração</translation>
    </message>
    <message>
        <source>house</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>sorvete</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>joaninha</translation>
    </message>
    <message>
        <source>mandala</source>
        <translation>mandala</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>lua</translation>
    </message>
    <message>
        <source>nature</source>
        <translation>natureza</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>coruja</translation>
    </message>
    <message>
        <source>people</source>
        <translation>pessoas</translation>
    </message>
    <message>
        <source>pinzola&apos;s favorite colors</source>
        <translation>cores favoritas</translation>
    </message>
    <message>
        <source>rain cloud</source>
        <translation>nuvem</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>arco-íris</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>robô</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>foguete</translation>
    </message>
    <message>
        <source>rocket in space</source>
        <translation>foguete no espaço</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>veleiro</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>carinha feliz</translation>
    </message>
    <message>
        <source>soft pastels</source>
        <translation>tons pastel</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrela</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>train</source>
        <translation>trem</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulipa</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tartaruga</translation>
    </message>
</context>
</TS>
