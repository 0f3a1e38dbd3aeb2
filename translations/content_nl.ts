<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Content</name>
    <message>
        <source>airplane</source>
        <translation>vliegtuig</translation>
    </message>
    <message>
        <source>apple tree</source>
        <translation>appelboom</translation>
    </message>
    <message>
        <source>balloons</source>
        <translation>ballonnen</translation>
    </message>
    <message>
        <source>bird</source>
        <translation>vogel</translation>
    </message>
    <message>
        <source>birthday cake</source>
        <translation>taart</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>vlinder</translation>
    </message>
    <message>
        <source>by the sea</source>
        <translation>aan zee</translation>
    </message>
    <message>
        <source>car</source>
        <translation>auto</translation>
    </message>
    <message>
        <source>castle</source>
        <translation>kasteel</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>kat</translation>
    </message>
    <message>
        <source>crown</source>
        <translation>kroon</translation>
    </message>
    <message>
        <source>daisy</source>
        <translation>madeliefje</translation>
    </message>
    <message>
        <source>dinosaur</source>
        <translation>dinosaurus</translation>
    </message>
    <message>
        <source>dog</source>
        <translation>hond</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>draak</translation>
    </message>
    <message>
        <source>fish</source>
        <translation>vis</translation>
    </message>
    <message>
        <source>flowers</source>
        <translation>bloemen</translation>
    </message>
    <message>
        <source>heart</source>
        <translation>hart</translation>
    </message>
    <message>
        <source>house</source>
        <translation>huis</translation>
    </message>
    <message>
        <source>ice cream</source>
        <translation>ijsje</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>kevertje</translation>
    </message>
    <message>
        <source>mandala</source>
        <translation>mandala</translation>
    </message>
    <message>
        <source>moon</source>
        <translation>maan</translation>
    </message>
    <message>
        <source>nature</source>
        <translation>natuur</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>uil</translation>
    </message>
    <message>
        <source>people</source>
        <translation>mensen</translation>
    </message>
    <message>
        <source>pinzola&apos;s favorite colors</source>
        <translation>lievelingskleuren</translation>
    </message>
    <message>
        <source>rain cloud</source>
        <translation>regenwolk</translation>
    </message>
    <message>
        <source>rainbow</source>
        <translation>regenboog</translation>
    </message>
    <message>
        <source>robot</source>
        <translation>robot</translation>
    </message>
    <message>
        <source>rocket</source>
        <translation>raket</translation>
    </message>
    <message>
        <source>rocket in space</source>
        <translation>raket in de ruimte</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>zeilboot</translation>
    </message>
    <message>
        <source>smiley</source>
        <translation>smiley</translation>
    </message>
    <message>
        <source>soft pastels</source>
        <translation>pasteltinten</translation>
    </message>
    <message>
        <source>star</source>
        <translation>ster</translation>
    </message>
    <message>
        <source>sun</source>
        <translation>zon</translation>
    </message>
    <message>
        <source>train</source>
        <translation>trein</translation>
    </message>
    <message>
        <source>tulip</source>
        <translation>tulp</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>schildpad</translation>
    </message>
    <message>
        <source>apple (easy)</source>
        <translation>appel (makkelijk)</translation>
    </message>
    <message>
        <source>ball (easy)</source>
        <translation>bal (makkelijk)</translation>
    </message>
    <message>
        <source>car (easy)</source>
        <translation>auto (makkelijk)</translation>
    </message>
    <message>
        <source>christmas eve (detailed)</source>
        <translation>kerstavond (moeilijk)</translation>
    </message>
    <message>
        <source>clown (easy)</source>
        <translation>clown (makkelijk)</translation>
    </message>
    <message>
        <source>coral reef (detailed)</source>
        <translation>koraalrif (moeilijk)</translation>
    </message>
    <message>
        <source>dragon with scales (detailed)</source>
        <translation>draak met schubben (moeilijk)</translation>
    </message>
    <message>
        <source>duck (easy)</source>
        <translation>eend (makkelijk)</translation>
    </message>
    <message>
        <source>fairy tale castle (detailed)</source>
        <translation>sprookjeskasteel (moeilijk)</translation>
    </message>
    <message>
        <source>farm (detailed)</source>
        <translation>boerderij (moeilijk)</translation>
    </message>
    <message>
        <source>fire station (detailed)</source>
        <translation>brandweerkazerne (moeilijk)</translation>
    </message>
    <message>
        <source>fish (easy)</source>
        <translation>vis (makkelijk)</translation>
    </message>
    <message>
        <source>flower in a pot (easy)</source>
        <translation>bloem in een pot (makkelijk)</translation>
    </message>
    <message>
        <source>house (easy)</source>
        <translation>huis (makkelijk)</translation>
    </message>
    <message>
        <source>jungle (detailed)</source>
        <translation>oerwoud (moeilijk)</translation>
    </message>
    <message>
        <source>mosaic (detailed)</source>
        <translation>mozaïek (moeilijk)</translation>
    </message>
    <message>
        <source>pirate ship</source>
        <translation>piratenschip</translation>
    </message>
    <message>
        <source>planets and astronaut (detailed)</source>
        <translation>planeten en astronaut (moeilijk)</translation>
    </message>
    <message>
        <source>princess</source>
        <translation>prinses</translation>
    </message>
    <message>
        <source>rocket (easy)</source>
        <translation>raket (makkelijk)</translation>
    </message>
    <message>
        <source>sailing boat (easy)</source>
        <translation>zeilboot (makkelijk)</translation>
    </message>
    <message>
        <source>snowman (easy)</source>
        <translation>sneeuwpop (makkelijk)</translation>
    </message>
    <message>
        <source>sun (easy)</source>
        <translation>zon (makkelijk)</translation>
    </message>
    <message>
        <source>teddy bear (easy)</source>
        <translation>teddybeer (makkelijk)</translation>
    </message>
    <message>
        <source>town street (detailed)</source>
        <translation>straat in de stad (moeilijk)</translation>
    </message>
    <message>
        <source>world map (detailed)</source>
        <translation>wereldkaart (moeilijk)</translation>
    </message>
    <message>
        <source>autumn leaf</source>
        <translation>herfstblad</translation>
    </message>
    <message>
        <source>bee</source>
        <translation>bij</translation>
    </message>
    <message>
        <source>bus</source>
        <translation>bus</translation>
    </message>
    <message>
        <source>christmas tree</source>
        <translation>kerstboom</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>krab</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>olifant</translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation>brandweer</translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation>ufo</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>kikker</translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation>helikopter</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>vlieger</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>leeuw</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>toverstaf</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>paddenstoel</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>inktvis</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pinguïn</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeet</translation>
    </message>
    <message>
        <source>present</source>
        <translation>cadeautje</translation>
    </message>
    <message>
        <source>pumpkin</source>
        <translation>pompoen</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>konijn</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>slak</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>sneeuwpop</translation>
    </message>
    <message>
        <source>starfish</source>
        <translation>zeester</translation>
    </message>
    <message>
        <source>tractor</source>
        <translation>tractor</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>paraplu</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>walvis</translation>
    </message>
</context>
</TS>
