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
    <message>
        <source>apple (easy)</source>
        <translation>pomme (facile)</translation>
    </message>
    <message>
        <source>ball (easy)</source>
        <translation>ballon (facile)</translation>
    </message>
    <message>
        <source>car (easy)</source>
        <translation>voiture (facile)</translation>
    </message>
    <message>
        <source>christmas eve (detailed)</source>
        <translation>veille de Noël (détaillé)</translation>
    </message>
    <message>
        <source>clown (easy)</source>
        <translation>clown (facile)</translation>
    </message>
    <message>
        <source>coral reef (detailed)</source>
        <translation>récif de corail (détaillé)</translation>
    </message>
    <message>
        <source>dragon with scales (detailed)</source>
        <translation>dragon à écailles (détaillé)</translation>
    </message>
    <message>
        <source>duck (easy)</source>
        <translation>canard (facile)</translation>
    </message>
    <message>
        <source>fairy tale castle (detailed)</source>
        <translation>château de conte (détaillé)</translation>
    </message>
    <message>
        <source>farm (detailed)</source>
        <translation>ferme (détaillé)</translation>
    </message>
    <message>
        <source>fire station (detailed)</source>
        <translation>caserne de pompiers (détaillé)</translation>
    </message>
    <message>
        <source>fish (easy)</source>
        <translation>poisson (facile)</translation>
    </message>
    <message>
        <source>flower in a pot (easy)</source>
        <translation>fleur en pot (facile)</translation>
    </message>
    <message>
        <source>house (easy)</source>
        <translation>maison (facile)</translation>
    </message>
    <message>
        <source>jungle (detailed)</source>
        <translation>jungle (détaillé)</translation>
    </message>
    <message>
        <source>mosaic (detailed)</source>
        <translation>mosaïque (détaillé)</translation>
    </message>
    <message>
        <source>pirate ship</source>
        <translation>bateau pirate</translation>
    </message>
    <message>
        <source>planets and astronaut (detailed)</source>
        <translation>planètes et astronaute (détaillé)</translation>
    </message>
    <message>
        <source>princess</source>
        <translation>princesse</translation>
    </message>
    <message>
        <source>rocket (easy)</source>
        <translation>fusée (facile)</translation>
    </message>
    <message>
        <source>sailing boat (easy)</source>
        <translation>voilier (facile)</translation>
    </message>
    <message>
        <source>snowman (easy)</source>
        <translation>bonhomme (facile)</translation>
    </message>
    <message>
        <source>sun (easy)</source>
        <translation>soleil (facile)</translation>
    </message>
    <message>
        <source>teddy bear (easy)</source>
        <translation>nounours (facile)</translation>
    </message>
    <message>
        <source>town street (detailed)</source>
        <translation>rue de la ville (détaillé)</translation>
    </message>
    <message>
        <source>world map (detailed)</source>
        <translation>carte du monde (détaillé)</translation>
    </message>
    <message>
        <source>autumn leaf</source>
        <translation>feuille</translation>
    </message>
    <message>
        <source>bee</source>
        <translation>abeille</translation>
    </message>
    <message>
        <source>bus</source>
        <translation>bus</translation>
    </message>
    <message>
        <source>christmas tree</source>
        <translation>sapin</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>crabe</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>éléphant</translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation>camion rouge</translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation>soucoupe</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>grenouille</translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation>hélicoptère</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>cerf-volant</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>lion</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>baguette</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>champignon</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>pieuvre</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingouin</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planète</translation>
    </message>
    <message>
        <source>present</source>
        <translation>cadeau</translation>
    </message>
    <message>
        <source>pumpkin</source>
        <translation>citrouille</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>lapin</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>escargot</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>bonhomme</translation>
    </message>
    <message>
        <source>starfish</source>
        <translation>étoile de mer</translation>
    </message>
    <message>
        <source>tractor</source>
        <translation>tracteur</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>parapluie</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>baleine</translation>
    </message>
</context>
</TS>
