<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Content</name>
    <message>
        <source>airplane</source>
        <translation>avion</translation>
    </message>
    <message>
        <source>apple tree</source>
        <translation>pommier</translation>
    </message>
    <message>
        <source>balloons</source>
        <translation>ballons</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>oiseau</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>gâteau</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>papillon</translation>
    </message>
    <message>
        <source>by the sea</source>
        <translation>au bord de la mer</translation>
    </message>
    <message>
        <source>car</source>
        <translation>voiture</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>château</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>chat</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>couronne</translation>
    </message>
    <message>
        <source>daisy</source>
        <translation>pâquerette</translation>
    </message>
    <message>
        <source>dinosaur</source>
        <translation>dinosaure</translation>
    </message>
    <message>
        <source>dog</source>
        <translation>chien</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>dragon</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>poisson</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>fleurs</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>house</source>
        <translation>maison</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>glace</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>coccinelle</translation>
    </message>
    <message>
        <source>mandala</source>
        <translation>mandala</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>lune</translation>
    </message>
    <message>
        <source>nature</source>
        <translation>nature</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>hibou</translation>
    </message>
    <message>
        <source>people</source>
        <translation>les gens</translation>
    </message>
    <message>
        <source>pinzola&apos;s favorite colors</source>
        <translation>les préférées</translation>
    </message>
    <message>
        <source>rain cloud</source>
        <translation>nuage de pluie</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>arc-en-ciel</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>robot</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>fusée</translation>
    </message>
    <message>
        <source>rocket in space</source>
        <translation>fusée dans l&apos;espace</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>voilier</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>smiley</translation>
    </message>
    <message>
        <source>soft pastels</source>
        <translation>pastels doux</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>soleil</translation>
    </message>
    <message>
        <source>train</source>
        <translation>train</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulipe</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tortue</translation>
    </message>
</context>
</TS>
