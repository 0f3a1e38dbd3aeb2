<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Content</name>
    <message>
        <source>airplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>apple tree</source>
        <translation>Apfelbaum</translation>
    </message>
    <message>
        <source>balloons</source>
        <translation>Luftballons</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>Torte</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>by the sea</source>
        <translation>Am Meer</translation>
    </message>
    <message>
        <source>car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>Burg</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>daisy</source>
        <translation>Gänseblümchen</translation>
    </message>
    <message>
        <source>dinosaur</source>
        <translation>Dinosaurier</translation>
    </message>
    <message>
        <source>dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>house</source>
        <translation>Haus</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>mandala</source>
        <translation>Mandala</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>nature</source>
        <translation>Natur</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>people</source>
        <translation>Menschen</translation>
    </message>
    <message>
        <source>pinzola&apos;s favorite colors</source>
        <translation>Lieblingsfarben</translation>
    </message>
    <message>
        <source>rain cloud</source>
        <translation>Regenwolke</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>Rakete</translation>
    </message>
    <message>
        <source>rocket in space</source>
        <translation>Rakete im Weltall</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>Smiley</translation>
    </message>
    <message>
        <source>soft pastels</source>
        <translation>Pastellfarben</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>train</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>Tulpe</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>apple (easy)</source>
        <translation>Apfel (leicht)</translation>
    </message>
    <message>
        <source>ball (easy)</source>
        <translation>Ball (leicht)</translation>
    </message>
    <message>
        <source>car (easy)</source>
        <translation>Auto (leicht)</translation>
    </message>
    <message>
        <source>christmas eve (detailed)</source>
        <translation>Heiligabend (knifflig)</translation>
    </message>
    <message>
        <source>clown (easy)</source>
        <translation>Clown (leicht)</translation>
    </message>
    <message>
        <source>coral reef (detailed)</source>
        <translation>Korallenriff (knifflig)</translation>
    </message>
    <message>
        <source>dragon with scales (detailed)</source>
        <translation>Drache mit Schuppen (knifflig)</translation>
    </message>
    <message>
        <source>duck (easy)</source>
        <translation>Ente (leicht)</translation>
    </message>
    <message>
        <source>fairy tale castle (detailed)</source>
        <translation>Märchenschloss (knifflig)</translation>
    </message>
    <message>
        <source>farm (detailed)</source>
        <translation>Bauernhof (knifflig)</translation>
    </message>
    <message>
        <source>fire station (detailed)</source>
        <translation>Feuerwache (knifflig)</translation>
    </message>
    <message>
        <source>fish (easy)</source>
        <translation>Fisch (leicht)</translation>
    </message>
    <message>
        <source>flower in a pot (easy)</source>
        <translation>Blume im Topf (leicht)</translation>
    </message>
    <message>
        <source>house (easy)</source>
        <translation>Haus (leicht)</translation>
    </message>
    <message>
        <source>jungle (detailed)</source>
        <translation>Dschungel (knifflig)</translation>
    </message>
    <message>
        <source>mosaic (detailed)</source>
        <translation>Mosaik (knifflig)</translation>
    </message>
    <message>
        <source>pirate ship</source>
        <translation>Piratenschiff</translation>
    </message>
    <message>
        <source>planets and astronaut (detailed)</source>
        <translation>Planeten und Astronaut (knifflig)</translation>
    </message>
    <message>
        <source>princess</source>
        <translation>Prinzessin</translation>
    </message>
    <message>
        <source>rocket (easy)</source>
        <translation>Rakete (leicht)</translation>
    </message>
    <message>
        <source>sailing boat (easy)</source>
        <translation>Segelboot (leicht)</translation>
    </message>
    <message>
        <source>snowman (easy)</source>
        <translation>Schneemann (leicht)</translation>
    </message>
    <message>
        <source>sun (easy)</source>
        <translation>Sonne (leicht)</translation>
    </message>
    <message>
        <source>teddy bear (easy)</source>
        <translation>Teddybär (leicht)</translation>
    </message>
    <message>
        <source>town street (detailed)</source>
        <translation>Straße in der Stadt (knifflig)</translation>
    </message>
    <message>
        <source>world map (detailed)</source>
        <translation>Weltkarte (knifflig)</translation>
    </message>
    <message>
        <source>autumn leaf</source>
        <translation>Herbstblatt</translation>
    </message>
    <message>
        <source>bee</source>
        <translation>Biene</translation>
    </message>
    <message>
        <source>bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>christmas tree</source>
        <translation>Tannenbaum</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation>Feuerwehr</translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation>Ufo</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>Zauberstab</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>Pilz</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>Krake</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>present</source>
        <translation>Geschenk</translation>
    </message>
    <message>
        <source>pumpkin</source>
        <translation>Kürbis</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>Hase</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>Schneemann</translation>
    </message>
    <message>
        <source>starfish</source>
        <translation>Seestern</translation>
    </message>
    <message>
        <source>tractor</source>
        <translation>Traktor</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>Schirm</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>Wal</translation>
    </message>
</context>
</TS>
