<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Content</name>
    <message>
        <source>airplane</source>
        <translation>avión</translation>
    </message>
    <message>
        <source>apple tree</source>
        <translation>manzano</translation>
    </message>
    <message>
        <source>balloons</source>
        <translation>globos</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>pájaro</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>tarta</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>mariposa</translation>
    </message>
    <message>
        <source>by the sea</source>
        <translation>junto al mar</translation>
    </message>
    <message>
        <source>car</source>
        <translation>coche</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>castillo</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>gato</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>corona</translation>
    </message>
    <message>
        <source>daisy</source>
        <translation>margarita</translation>
    </message>
    <message>
        <source>dinosaur</source>
        <translation>dinosaurio</translation>
    </message>
    <message>
        <source>dog</source>
        <translation>perro</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>dragón</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>pez</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>flores</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>corazón</translation>
    </message>
    <message>
        <source>house</source>
        <translation>casa</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>helado</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>mariquita</translation>
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
        <translation>naturaleza</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>búho</translation>
    </message>
    <message>
        <source>people</source>
        <translation>personas</translation>
    </message>
    <message>
        <source>pinzola&apos;s favorite colors</source>
        <translation>colores favoritos</translation>
    </message>
    <message>
        <source>rain cloud</source>
        <translation>nube de lluvia</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>arcoíris</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>robot</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>cohete</translation>
    </message>
    <message>
        <source>rocket in space</source>
        <translation>cohete en el espacio</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>velero</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>carita sonriente</translation>
    </message>
    <message>
        <source>soft pastels</source>
        <translation>pasteles suaves</translation>
    </message>
    <message>
        <source>star</source>
        <translation>estrella</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>train</source>
        <translation>tren</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulipán</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tortuga</translation>
    </message>
    <message>
        <source>apple (easy)</source>
        <translation>manzana (fácil)</translation>
    </message>
    <message>
        <source>ball (easy)</source>
        <translation>pelota (fácil)</translation>
    </message>
    <message>
        <source>car (easy)</source>
        <translation>coche (fácil)</translation>
    </message>
    <message>
        <source>christmas eve (detailed)</source>
        <translation>Nochebuena (detallado)</translation>
    </message>
    <message>
        <source>clown (easy)</source>
        <translation>payaso (fácil)</translation>
    </message>
    <message>
        <source>coral reef (detailed)</source>
        <translation>arrecife de coral (detallado)</translation>
    </message>
    <message>
        <source>dragon with scales (detailed)</source>
        <translation>dragón con escamas (detallado)</translation>
    </message>
    <message>
        <source>duck (easy)</source>
        <translation>pato (fácil)</translation>
    </message>
    <message>
        <source>fairy tale castle (detailed)</source>
        <translation>castillo de cuento (detallado)</translation>
    </message>
    <message>
        <source>farm (detailed)</source>
        <translation>granja (detallado)</translation>
    </message>
    <message>
        <source>fire station (detailed)</source>
        <translation>parque de bomberos (detallado)</translation>
    </message>
    <message>
        <source>fish (easy)</source>
        <translation>pez (fácil)</translation>
    </message>
    <message>
        <source>flower in a pot (easy)</source>
        <translation>flor en una maceta (fácil)</translation>
    </message>
    <message>
        <source>house (easy)</source>
        <translation>casa (fácil)</translation>
    </message>
    <message>
        <source>jungle (detailed)</source>
        <translation>selva (detallado)</translation>
    </message>
    <message>
        <source>mosaic (detailed)</source>
        <translation>mosaico (detallado)</translation>
    </message>
    <message>
        <source>pirate ship</source>
        <translation>barco pirata</translation>
    </message>
    <message>
        <source>planets and astronaut (detailed)</source>
        <translation>planetas y astronauta (detallado)</translation>
    </message>
    <message>
        <source>princess</source>
        <translation>princesa</translation>
    </message>
    <message>
        <source>rocket (easy)</source>
        <translation>cohete (fácil)</translation>
    </message>
    <message>
        <source>sailing boat (easy)</source>
        <translation>velero (fácil)</translation>
    </message>
    <message>
        <source>snowman (easy)</source>
        <translation>muñeco (fácil)</translation>
    </message>
    <message>
        <source>sun (easy)</source>
        <translation>sol (fácil)</translation>
    </message>
    <message>
        <source>teddy bear (easy)</source>
        <translation>osito (fácil)</translation>
    </message>
    <message>
        <source>town street (detailed)</source>
        <translation>calle de la ciudad (detallado)</translation>
    </message>
    <message>
        <source>world map (detailed)</source>
        <translation>mapa del mundo (detallado)</translation>
    </message>
    <message>
        <source>autumn leaf</source>
        <translation>hoja</translation>
    </message>
    <message>
        <source>bee</source>
        <translation>abeja</translation>
    </message>
    <message>
        <source>bus</source>
        <translation>autobús</translation>
    </message>
    <message>
        <source>christmas tree</source>
        <translation>árbol</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>cangrejo</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>elefante</translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation>bomberos</translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation>platillo</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>rana</translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation>helicóptero</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>cometa</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>león</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>varita</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>seta</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>pulpo</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingüino</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>present</source>
        <translation>regalo</translation>
    </message>
    <message>
        <source>pumpkin</source>
        <translation>calabaza</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>conejo</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>caracol</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>muñeco</translation>
    </message>
    <message>
        <source>starfish</source>
        <translation>estrella de mar</translation>
    </message>
    <message>
        <source>tractor</source>
        <translation>tractor</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>paraguas</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>ballena</translation>
    </message>
</context>
</TS>
