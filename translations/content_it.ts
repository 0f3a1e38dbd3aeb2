<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Content</name>
    <message>
        <source>airplane</source>
        <translation>aeroplano</translation>
    </message>
    <message>
        <source>apple tree</source>
        <translation>melo</translation>
    </message>
    <message>
        <source>balloons</source>
        <translation>palloncini</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>uccello</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>torta</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>farfalla</translation>
    </message>
    <message>
        <source>by the sea</source>
        <translation>al mare</translation>
    </message>
    <message>
        <source>car</source>
        <translation>automobile</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>castello</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>gatto</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>corona</translation>
    </message>
    <message>
        <source>daisy</source>
        <translation>margherita</translation>
    </message>
    <message>
        <source>dinosaur</source>
        <translation>dinosauro</translation>
    </message>
    <message>
        <source>dog</source>
        <translation>cane</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>drago</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>pesce</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>cuore</translation>
    </message>
    <message>
        <source>house</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>gelato</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>coccinella</translation>
    </message>
    <message>
        <source>mandala</source>
        <translation>mandala</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>luna</translation>
    </message>
    <message>
        <source>nature</source>
        <translation>natura</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>gufo</translation>
    </message>
    <message>
        <source>people</source>
        <translation>persone</translation>
    </message>
    <message>
        <source>pinzola&apos;s favorite colors</source>
        <translation>colori preferiti</translation>
    </message>
    <message>
        <source>rain cloud</source>
        <translation>nuvola</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>arcobaleno</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>robot</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>razzo</translation>
    </message>
    <message>
        <source>rocket in space</source>
        <translation>razzo nello spazio</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>barca a vela</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>faccina</translation>
    </message>
    <message>
        <source>soft pastels</source>
        <translation>pastelli delicati</translation>
    </message>
    <message>
        <source>star</source>
        <translation>stella</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sole</translation>
    </message>
    <message>
        <source>train</source>
        <translation>treno</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulipano</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tartaruga</translation>
    </message>
</context>
</TS>
