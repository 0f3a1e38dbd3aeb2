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
</context>
</TS>
