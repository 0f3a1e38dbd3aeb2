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
    <message>
        <source>apple (easy)</source>
        <translation>mela (facile)</translation>
    </message>
    <message>
        <source>ball (easy)</source>
        <translation>palla (facile)</translation>
    </message>
    <message>
        <source>car (easy)</source>
        <translation>automobile (facile)</translation>
    </message>
    <message>
        <source>christmas eve (detailed)</source>
        <translation>vigilia di Natale (dettagliato)</translation>
    </message>
    <message>
        <source>clown (easy)</source>
        <translation>pagliaccio (facile)</translation>
    </message>
    <message>
        <source>coral reef (detailed)</source>
        <translation>barriera corallina (dettagliato)</translation>
    </message>
    <message>
        <source>dragon with scales (detailed)</source>
        <translation>drago con le squame (dettagliato)</translation>
    </message>
    <message>
        <source>duck (easy)</source>
        <translation>anatra (facile)</translation>
    </message>
    <message>
        <source>fairy tale castle (detailed)</source>
        <translation>castello delle fiabe (dettagliato)</translation>
    </message>
    <message>
        <source>farm (detailed)</source>
        <translation>fattoria (dettagliato)</translation>
    </message>
    <message>
        <source>fire station (detailed)</source>
        <translation>caserma dei pompieri (dettagliato)</translation>
    </message>
    <message>
        <source>fish (easy)</source>
        <translation>pesce (facile)</translation>
    </message>
    <message>
        <source>flower in a pot (easy)</source>
        <translation>fiore nel vaso (facile)</translation>
    </message>
    <message>
        <source>house (easy)</source>
        <translation>casa (facile)</translation>
    </message>
    <message>
        <source>jungle (detailed)</source>
        <translation>giungla (dettagliato)</translation>
    </message>
    <message>
        <source>mosaic (detailed)</source>
        <translation>mosaico (dettagliato)</translation>
    </message>
    <message>
        <source>pirate ship</source>
        <translation>nave dei pirati</translation>
    </message>
    <message>
        <source>planets and astronaut (detailed)</source>
        <translation>pianeti e astronauta (dettagliato)</translation>
    </message>
    <message>
        <source>princess</source>
        <translation>principessa</translation>
    </message>
    <message>
        <source>rocket (easy)</source>
        <translation>razzo (facile)</translation>
    </message>
    <message>
        <source>sailing boat (easy)</source>
        <translation>barca a vela (facile)</translation>
    </message>
    <message>
        <source>snowman (easy)</source>
        <translation>pupazzo (facile)</translation>
    </message>
    <message>
        <source>sun (easy)</source>
        <translation>sole (facile)</translation>
    </message>
    <message>
        <source>teddy bear (easy)</source>
        <translation>orsacchiotto (facile)</translation>
    </message>
    <message>
        <source>town street (detailed)</source>
        <translation>via di città (dettagliato)</translation>
    </message>
    <message>
        <source>world map (detailed)</source>
        <translation>mappa del mondo (dettagliato)</translation>
    </message>
    <message>
        <source>autumn leaf</source>
        <translation>foglia</translation>
    </message>
    <message>
        <source>bee</source>
        <translation>ape</translation>
    </message>
    <message>
        <source>bus</source>
        <translation>autobus</translation>
    </message>
    <message>
        <source>christmas tree</source>
        <translation>albero</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>granchio</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>elefante</translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation>pompieri</translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation>disco volante</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>rana</translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation>elicottero</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>aquilone</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>leone</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>bacchetta</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>fungo</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>polpo</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pinguino</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>pianeta</translation>
    </message>
    <message>
        <source>present</source>
        <translation>regalo</translation>
    </message>
    <message>
        <source>pumpkin</source>
        <translation>zucca</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>coniglio</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>lumaca</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>pupazzo</translation>
    </message>
    <message>
        <source>starfish</source>
        <translation>stella marina</translation>
    </message>
    <message>
        <source>tractor</source>
        <translation>trattore</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>ombrello</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>balena</translation>
    </message>
</context>
</TS>
