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
    <message>
        <source>apple (easy)</source>
        <translation>maçã (fácil)</translation>
    </message>
    <message>
        <source>ball (easy)</source>
        <translation>bola (fácil)</translation>
    </message>
    <message>
        <source>car (easy)</source>
        <translation>carro (fácil)</translation>
    </message>
    <message>
        <source>christmas eve (detailed)</source>
        <translation>véspera de Natal (detalhado)</translation>
    </message>
    <message>
        <source>clown (easy)</source>
        <translation>palhaço (fácil)</translation>
    </message>
    <message>
        <source>coral reef (detailed)</source>
        <translation>recife de coral (detalhado)</translation>
    </message>
    <message>
        <source>dragon with scales (detailed)</source>
        <translation>dragão com escamas (detalhado)</translation>
    </message>
    <message>
        <source>duck (easy)</source>
        <translation>pato (fácil)</translation>
    </message>
    <message>
        <source>fairy tale castle (detailed)</source>
        <translation>castelo de conto de fadas (detalhado)</translation>
    </message>
    <message>
        <source>farm (detailed)</source>
        <translation>fazenda (detalhado)</translation>
    </message>
    <message>
        <source>fire station (detailed)</source>
        <translation>quartel dos bombeiros (detalhado)</translation>
    </message>
    <message>
        <source>fish (easy)</source>
        <translation>peixe (fácil)</translation>
    </message>
    <message>
        <source>flower in a pot (easy)</source>
        <translation>flor no vaso (fácil)</translation>
    </message>
    <message>
        <source>house (easy)</source>
        <translation>casa (fácil)</translation>
    </message>
    <message>
        <source>jungle (detailed)</source>
        <translation>selva (detalhado)</translation>
    </message>
    <message>
        <source>mosaic (detailed)</source>
        <translation>mosaico (detalhado)</translation>
    </message>
    <message>
        <source>pirate ship</source>
        <translation>navio pirata</translation>
    </message>
    <message>
        <source>planets and astronaut (detailed)</source>
        <translation>planetas e astronauta (detalhado)</translation>
    </message>
    <message>
        <source>princess</source>
        <translation>princesa</translation>
    </message>
    <message>
        <source>rocket (easy)</source>
        <translation>foguete (fácil)</translation>
    </message>
    <message>
        <source>sailing boat (easy)</source>
        <translation>veleiro (fácil)</translation>
    </message>
    <message>
        <source>snowman (easy)</source>
        <translation>boneco de neve (fácil)</translation>
    </message>
    <message>
        <source>sun (easy)</source>
        <translation>sol (fácil)</translation>
    </message>
    <message>
        <source>teddy bear (easy)</source>
        <translation>ursinho (fácil)</translation>
    </message>
    <message>
        <source>town street (detailed)</source>
        <translation>rua da cidade (detalhado)</translation>
    </message>
    <message>
        <source>world map (detailed)</source>
        <translation>mapa-múndi (detalhado)</translation>
    </message>
    <message>
        <source>autumn leaf</source>
        <translation>folha</translation>
    </message>
    <message>
        <source>bee</source>
        <translation>abelha</translation>
    </message>
    <message>
        <source>bus</source>
        <translation>ônibus</translation>
    </message>
    <message>
        <source>christmas tree</source>
        <translation>pinheirinho</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>caranguejo</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>elefante</translation>
    </message>
    <message>
        <source>fire engine</source>
        <translation>bombeiros</translation>
    </message>
    <message>
        <source>flying saucer</source>
        <translation>disco voador</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>sapo</translation>
    </message>
    <message>
        <source>helicopter</source>
        <translation>helicóptero</translation>
    </message>
    <message>
        <source>kite</source>
        <translation>pipa</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>leão</translation>
    </message>
    <message>
        <source>magic wand</source>
        <translation>varinha</translation>
    </message>
    <message>
        <source>mushroom</source>
        <translation>cogumelo</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>polvo</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pinguim</translation>
    </message>
    <message>
        <source>planet</source>
        <translation>planeta</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>pumpkin</source>
        <translation>abóbora</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>coelho</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>caracol</translation>
    </message>
    <message>
        <source>snowman</source>
        <translation>boneco de neve</translation>
    </message>
    <message>
        <source>starfish</source>
        <translation>estrela-do-mar</translation>
    </message>
    <message>
        <source>tractor</source>
        <translation>trator</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>guarda-chuva</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>baleia</translation>
    </message>
</context>
</TS>
