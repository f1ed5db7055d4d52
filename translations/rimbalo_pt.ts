<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>ComputerLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Mestre</translation>
    </message>
</context>
<context>
    <name>ResumeOffer</name>
    <message>
        <source>The game begun %1 (UTC) stopped before its end, in round %2.
Players and scores: %3.</source>
        <translation>O jogo iniciado em %1 (UTC) parou antes do fim, na rodada %2.
Jogadores e pontos: %3.</translation>
    </message>
    <message>
        <source>Resume the Stopped Game?</source>
        <translation>Retomar o jogo interrompido?</translation>
    </message>
    <message>
        <source>Resume it with the same seats, tiles, board and scores? Its players get their seats back by joining with their names.</source>
        <translation>Retomá-lo com os mesmos lugares, peças, mesa e pontos? Os jogadores recuperam seus lugares ao entrar com seus nomes.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>The choice could not be kept: the records folder cannot be written. The game will be offered again.</source>
        <translation>Não foi possível guardar a escolha: não é possível gravar na pasta dos jogos gravados. O jogo será oferecido de novo.</translation>
    </message>
</context>
<context>
    <name>client::BoardSets</name>
    <message>
        <source>An %1</source>
        <translation>Um %1</translation>
    </message>
    <message>
        <source>A %1</source>
        <translation>Um %1</translation>
    </message>
    <message>
        <source>%1 cannot go next to %2 here.</source>
        <translation>%1 não pode ficar ao lado de %2 aqui.</translation>
    </message>
</context>
<context>
    <name>client::BoardView</name>
    <message>
        <source>a set in row %1 has %2 %3</source>
        <translation>uma jogada na linha %1 tem %2 %3</translation>
    </message>
    <message>
        <source>a set in row %1 is no run or group</source>
        <translation>uma jogada na linha %1 não é sequência nem grupo</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Essa casa está ocupada.</translation>
    </message>
    <message>
        <source>First lay-down: %1 of %2</source>
        <translation>Primeira baixada: %1 de %2</translation>
    </message>
    <message>
        <source>The set does not fit there.</source>
        <translation>A jogada não cabe aí.</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>peça</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>peças</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 colocou: %2.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 moveu: %2.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 retirou: %2.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 retirou as suas peças.</translation>
    </message>
</context>
<context>
    <name>client::ChatInput</name>
    <message>
        <source>See ya!</source>
        <translation>Até mais!</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escreva aqui&gt;</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensagem do chat</translation>
    </message>
</context>
<context>
    <name>client::ChatView</name>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Limpar o chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Não rolar o chat</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Não foi possível abrir a página</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
</context>
<context>
    <name>client::ChatterSounds</name>
    <message>
        <source>Doh</source>
        <translation>Ops</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tosse</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Olá</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Obrigado</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Onde você estava?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronco</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Espirro</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Desculpe</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Iirrá</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Oba</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Ah, não</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Buzina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Ooooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pum</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Torcida</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mulher rindo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Homem rindo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Choro</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Som&gt; %2</translation>
    </message>
</context>
<context>
    <name>client::GameFlow</name>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 começou um jogo.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Você começou um jogo.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Cada um começa com %1 peças.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Vez de %1.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 comprou uma peça.</translation>
    </message>
    <message>
        <source>%1 took a %2 tile penalty.</source>
        <translation>%1 recebeu uma penalidade de %2 peças.</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>A rodada terminou empatada.</translation>
    </message>
    <message>
        <source> You are out of tiles! The Round is Over.</source>
        <translation> Você ficou sem peças! A rodada acabou.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>%1 ficou sem peças! A rodada acabou.</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Você venceu o jogo!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 venceu o jogo!</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>Você não pode desfazer com uma peça na mão.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>Você não pode encerrar a vez com uma peça na mão.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>Você não pode comprar com uma peça na mão.</translation>
    </message>
    <message>
        <source>You cannot take a hint when you have a tile in your hand.</source>
        <translation>Você não pode pedir dica com uma peça na mão.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>Seu tempo acabou!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>O tempo de %1 acabou.</translation>
    </message>
</context>
<context>
    <name>client::GameInfo</name>
    <message>
        <source>Time Penalty</source>
        <translation>Penalidade de tempo</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Boa sorte</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: 0</source>
        <translation>Peças restantes: 0</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Vencedor!</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Jogar até: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1:%2</source>
        <translation>Tempo por vez: %1:%2</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Tempo por vez: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Penalidade de tempo: SIM</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Penalidade de tempo: NÃO</translation>
    </message>
    <message>
        <source>Play To Score: -</source>
        <translation>Jogar até: -</translation>
    </message>
    <message>
        <source>Time Per Turn: -</source>
        <translation>Tempo por vez: -</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Jogo em equipe</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Peças restantes: %1</translation>
    </message>
</context>
<context>
    <name>client::Hints</name>
    <message>
        <source>This program offers no hints</source>
        <translation>Este programa não dá dicas</translation>
    </message>
    <message>
        <source>This game&apos;s host offers no hints</source>
        <translation>O anfitrião deste jogo não dá dicas</translation>
    </message>
    <message>
        <source>The host has switched hints off</source>
        <translation>O anfitrião desligou as dicas</translation>
    </message>
    <message>
        <source>Lay the outlined tiles (H)</source>
        <translation>Baixar as peças marcadas (H)</translation>
    </message>
    <message>
        <source>Outline the best lay-down for your rack (H)</source>
        <translation>Marcar a melhor baixada para o seu suporte (H)</translation>
    </message>
    <message>
        <source>No hint: a set on the board cannot be completed. Clear your moves.</source>
        <translation>Sem dica: uma jogada na mesa não pode ser completada. Desfaça seus movimentos.</translation>
    </message>
    <message>
        <source>No lay-down of %1 yet: draw a tile.</source>
        <translation>Ainda não há baixada de %1: compre uma peça.</translation>
    </message>
    <message>
        <source>None of your tiles can be laid: draw a tile.</source>
        <translation>Nenhuma das suas peças pode ser baixada: compre uma peça.</translation>
    </message>
    <message>
        <source>Hint: %1 worth %2. Press Place to lay %3.</source>
        <translation>Dica: %1 valendo %2. Aperte Pôr para baixá-%3.</translation>
    </message>
    <message>
        <source>1 tile</source>
        <translation>1 peça</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 peças</translation>
    </message>
    <message>
        <source>Hint laid (%1 points): press Finish to end your turn.</source>
        <translation>Dica baixada (%1 pontos): aperte Concluir para encerrar a vez.</translation>
    </message>
    <message>
        <source>it</source>
        <translation>la</translation>
    </message>
    <message>
        <source>them</source>
        <translation>las</translation>
    </message>
</context>
<context>
    <name>client::PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Boa jogada!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Boa tentativa!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Excelente!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Brilhante!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Uau, demais!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Obrigado!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Muito bem, parceiro!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Bom jogo, pessoal!</translation>
    </message>
</context>
<context>
    <name>client::RackView</name>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Esta rodada já começou. Você terá de esperar a próxima rodada.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>Você não pode escolher outra peça com uma peça da mesa na mão.</translation>
    </message>
    <message>
        <source>%1 (just drawn)</source>
        <translation>%1 (recém-comprada)</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>ORDENAR:</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Ordenar por números</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Ordenar por cores</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>recém-comprada</translation>
    </message>
    <message>
        <source>Your rack</source>
        <translation>Seu suporte</translation>
    </message>
</context>
<context>
    <name>client::RecordStatsPage</name>
    <message>
        <source>Rimbalo - Game Statistics</source>
        <translation>Rimbalo - Estatísticas dos jogos</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversário</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Jogos disputados</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Jogos vencidos</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Jogador:</translation>
    </message>
    <message>
        <source>No games have been recorded yet.</source>
        <translation>Nenhum jogo foi gravado ainda.</translation>
    </message>
    <message>
        <source>Games played: %1, won: %2</source>
        <translation>Jogos disputados: %1, vencidos: %2</translation>
    </message>
    <message>
        <source>Rounds played: %1, gone out: %2</source>
        <translation>Rodadas jogadas: %1, batidas: %2</translation>
    </message>
    <message>
        <source>Average points per round: %1</source>
        <translation>Média de pontos por rodada: %1</translation>
    </message>
    <message>
        <source>Best round: %1 points (round %2 of the game of %3)</source>
        <translation>Melhor rodada: %1 pontos (rodada %2 do jogo de %3)</translation>
    </message>
    <message numerus="yes">
        <source>From %n recorded game(s).</source>
        <translation>
            <numerusform>Com base em %n jogo gravado.</numerusform>
            <numerusform>Com base em %n jogos gravados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>client::ReplayWindow</name>
    <message>
        <source>Game Records</source>
        <translation>Jogos gravados</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vencedor</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Pontuações</translation>
    </message>
    <message>
        <source>To the round&apos;s start (Home)</source>
        <translation>Ao início da rodada (Home)</translation>
    </message>
    <message>
        <source>Back one turn (Left)</source>
        <translation>Uma vez para trás (Esquerda)</translation>
    </message>
    <message>
        <source>Forward one turn (Right)</source>
        <translation>Uma vez para a frente (Direita)</translation>
    </message>
    <message>
        <source>To the round&apos;s end (End)</source>
        <translation>Ao fim da rodada (End)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Abrir um arquivo de jogo</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Save this game&apos;s record file to send</source>
        <translation>Salvar o arquivo deste jogo para enviar</translation>
    </message>
    <message>
        <source>(not finished)</source>
        <translation>(não terminado)</translation>
    </message>
    <message>
        <source>Game Records — %1</source>
        <translation>Jogos gravados — %1</translation>
    </message>
    <message>
        <source>Round %1, end</source>
        <translation>Rodada %1, fim</translation>
    </message>
    <message>
        <source>Round %1, turn %2 of %3</source>
        <translation>Rodada %1, vez %2 de %3</translation>
    </message>
    <message>
        <source>Could not export the record to %1.</source>
        <translation>Não foi possível exportar o jogo para %1.</translation>
    </message>
    <message>
        <source>Export Game Record</source>
        <translation>Exportar jogo gravado</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec)</source>
        <translation>Jogos do Rimbalo (*.rimrec)</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Abrir jogo gravado</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec);;All files (*)</source>
        <translation>Jogos do Rimbalo (*.rimrec);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Seat %1</source>
        <translation>Lugar %1</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estatísticas…</translation>
    </message>
    <message>
        <source>Games played and won, points per round, the best round</source>
        <translation>Jogos disputados e vencidos, pontos por rodada, a melhor rodada</translation>
    </message>
</context>
<context>
    <name>client::RoundSummary</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Tiles left</source>
        <translation>Peças restantes</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rodada</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Next round in %1 s</source>
        <translation>Próxima rodada em %1 s</translation>
    </message>
    <message>
        <source>The next round is starting.</source>
        <translation>A próxima rodada está começando.</translation>
    </message>
</context>
<context>
    <name>client::SeatDisplay</name>
    <message>
        <source>PLAYER</source>
        <translation>JOGADOR</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PONTOS</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>RODADA</translation>
    </message>
    <message>
        <source>TILES</source>
        <translation>MÃO</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Aguardando&gt;</translation>
    </message>
    <message>
        <source>Just watching: the computer plays this seat</source>
        <translation>Só assiste: o computador joga este lugar</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>Fica fora desta rodada</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Você está conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 está conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Você está assistindo.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está assistindo.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 saiu.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 só assiste</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 voltou a jogar</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se desconectou.</translation>
    </message>
    <message>
        <source>Seat %1: %2, %3 tiles, score %4</source>
        <translation>Lugar %1: %2, %3 peças, %4 pontos</translation>
    </message>
    <message>
        <source>, just watching</source>
        <translation>, só assiste</translation>
    </message>
    <message>
        <source>, sitting this round out</source>
        <translation>, fica fora desta rodada</translation>
    </message>
    <message>
        <source>, your turn</source>
        <translation>, sua vez</translation>
    </message>
    <message>
        <source>, their turn</source>
        <translation>, jogando agora</translation>
    </message>
</context>
<context>
    <name>client::ShuffleCheck</name>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not match what it promised.</source>
        <translation>Atenção: a semente de embaralhamento do servidor não corresponde ao que prometeu.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not deal the tiles you were dealt.</source>
        <translation>Atenção: a semente de embaralhamento do servidor não distribui as peças que você recebeu.</translation>
    </message>
    <message>
        <source>Shuffle checked.</source>
        <translation>Embaralhamento verificado.</translation>
    </message>
</context>
<context>
    <name>client::SpokenNames</name>
    <message>
        <source>Green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>à parte</translation>
    </message>
    <message>
        <source>in a run of %1</source>
        <translation>numa sequência de %1</translation>
    </message>
    <message>
        <source>in a group of %1</source>
        <translation>num grupo de %1</translation>
    </message>
    <message>
        <source>in an unfinished set of %1</source>
        <translation>numa jogada incompleta de %1</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Curinga</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile: its colour, then its value (&quot;Red 7&quot;, &quot;Black King&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: vazia</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>A mesa está vazia.</translation>
    </message>
    <message>
        <source>%1 tiles in %2 sets on the board, %3 of them unfinished.</source>
        <translation>%1 peças em %2 jogadas na mesa, %3 delas incompletas.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Green Queen</source>
        <translation>Dama verde</translation>
    </message>
    <message>
        <source>Orange Queen</source>
        <translation>Dama laranja</translation>
    </message>
    <message>
        <source>Red Queen</source>
        <translation>Dama vermelha</translation>
    </message>
    <message>
        <source>Black Queen</source>
        <translation>Dama preta</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>WILD</source>
        <extracomment>The joker as the game log and the status line name it.</extracomment>
        <translation>Curinga</translation>
    </message>
</context>
<context>
    <name>client::TableLobby</name>
    <message>
        <source>the server closed the connection</source>
        <translation>o servidor fechou a conexão</translation>
    </message>
</context>
<context>
    <name>client::Tchat</name>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Your phrases could not be saved: %1</source>
        <translation>Não foi possível salvar suas frases: %1</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Você não está conectado</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tem uma versão do jogo diferente da sua.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Você tem uma versão do jogo diferente da do anfitrião.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>Você não pode segurar mais peças</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>Não há mais peças</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>O jogo está cheio</translation>
    </message>
    <message>
        <source>You are hosting: the game ends for %1.</source>
        <translation>Você é o anfitrião: o jogo acaba para %1.</translation>
    </message>
    <message>
        <source>The round you are playing ends.</source>
        <translation>A rodada que você está jogando acaba.</translation>
    </message>
    <message>
        <source>You leave the game in progress: the computer plays your seat.</source>
        <translation>Você sai de um jogo em andamento: o computador joga o seu lugar.</translation>
    </message>
    <message>
        <source>%1 all the same?</source>
        <translation>%1 mesmo assim?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Começar o jogo</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Só assistir</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Hospedar um jogo…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Entrar num jogo…</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Jogar sozinho</translation>
    </message>
    <message>
        <source>Game Records…</source>
        <translation>Jogos gravados…</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Restaurar a posição</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Ver placar</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro do jogo</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Tocar sons</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Tocar sons do chat</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Não rolar o chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Limpar o chat</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Velocidade do computador</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Computer Level</source>
        <translation>Nível do computador</translation>
    </message>
    <message>
        <source>Allow Hints</source>
        <translation>Permitir dicas</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Som da vez</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Conjuntos de peças</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The new language is used when Rimbalo starts again.</source>
        <translation>O novo idioma será usado quando o Rimbalo iniciar de novo.</translation>
    </message>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>Não foi possível salvar suas configurações: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Tirar do jogo</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Pôr para assistir</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Parar de assistir</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hospedar</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Carregando jogo solo… Aguarde.</translation>
    </message>
    <message>
        <source>To play with friends, choose Host a Game… or Join a Game… in the Game menu.</source>
        <translation>Para jogar com amigos, escolha Hospedar um jogo… ou Entrar num jogo… no menu Jogo.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Carregando jogo multijogador… Aguarde.</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>Não foi possível hospedar o jogo: %1</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Parar de hospedar</translation>
    </message>
    <message>
        <source>Hosting a game on port %1…</source>
        <translation>Hospedando um jogo na porta %1…</translation>
    </message>
    <message>
        <source>Joining a game at: %1…</source>
        <translation>Entrando no jogo em: %1…</translation>
    </message>
    <message>
        <source>the host closed the connection</source>
        <translation>o anfitrião fechou a conexão</translation>
    </message>
    <message>
        <source>the game is full</source>
        <translation>o jogo está cheio</translation>
    </message>
    <message>
        <source>Your game goes on.</source>
        <translation>Seu jogo continua.</translation>
    </message>
    <message>
        <source>Friends can join this game at: %1 (Game menu, Host a Game… to copy them).</source>
        <translation>Os amigos podem entrar neste jogo em: %1 (menu Jogo, Hospedar um jogo… para copiá-los).</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>no answer from the game within %1 seconds</source>
        <translation>sem resposta do jogo em %1 segundos</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Não foi possível conectar a %1: %2</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Não conectado: %1</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>a conexão caiu</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>A conexão com o anfitrião caiu.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>O anfitrião fechou o jogo.</translation>
    </message>
    <message>
        <source>The host has removed you from the game.</source>
        <translation>O anfitrião tirou você do jogo.</translation>
    </message>
    <message>
        <source>The settings file could not be read; the usual settings are used.</source>
        <translation>Não foi possível ler o arquivo de configurações; valem as configurações habituais.</translation>
    </message>
    <message>
        <source>Table %1 (%2): friends join it with this code.</source>
        <translation>Mesa %1 (%2): os amigos entram com este código.</translation>
    </message>
    <message>
        <source>%1 now holds the host&apos;s powers.</source>
        <translation>%1 agora tem os poderes do anfitrião.</translation>
    </message>
    <message>
        <source>Reconnected.</source>
        <translation>Reconectado.</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting… (attempt %1 in %2 s)</source>
        <translation>Conexão perdida — reconectando… (tentativa %1 em %2 s)</translation>
    </message>
    <message>
        <source>The tile set &quot;%1&quot; could not be read; the tiles keep their pictures.</source>
        <translation>Não foi possível ler o conjunto de peças &quot;%1&quot;; as peças mantêm suas imagens.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>You are sending chat faster than anyone can read it: lines are dropped until you slow down.</source>
        <translation>Você envia mensagens mais rápido do que alguém consegue ler: linhas são descartadas até você ir mais devagar.</translation>
    </message>
    <message>
        <source>You are sending commands faster than anyone can play: some were ignored.</source>
        <translation>Você envia comandos mais rápido do que alguém consegue jogar: alguns foram ignorados.</translation>
    </message>
    <message>
        <source>You have moved tiles more often this turn than anyone could: the rest of this turn&apos;s moves are ignored.</source>
        <translation>Você moveu peças nesta vez mais do que qualquer um conseguiria: os demais movimentos desta vez são ignorados.</translation>
    </message>
    <message>
        <source>This server holds a single game.</source>
        <translation>Este servidor tem um único jogo.</translation>
    </message>
    <message>
        <source>You have opened too many tables. Try again in a minute.</source>
        <translation>Você abriu mesas demais. Tente de novo daqui a um minuto.</translation>
    </message>
    <message>
        <source>Every table of this server is taken.</source>
        <translation>Todas as mesas deste servidor estão ocupadas.</translation>
    </message>
    <message>
        <source>Your seat is no longer kept for you.</source>
        <translation>Seu lugar não está mais reservado para você.</translation>
    </message>
    <message>
        <source>The server is full. Try again later.</source>
        <translation>O servidor está cheio. Tente mais tarde.</translation>
    </message>
    <message>
        <source>Too many connections from your address.</source>
        <translation>Conexões demais a partir do seu endereço.</translation>
    </message>
    <message>
        <source>No table with code %1.</source>
        <translation>Nenhuma mesa com o código %1.</translation>
    </message>
    <message>
        <source>Table %1 is full.</source>
        <translation>A mesa %1 está cheia.</translation>
    </message>
    <message>
        <source>No answer from %1: %2</source>
        <translation>Sem resposta de %1: %2</translation>
    </message>
    <message>
        <source>Notify Me When It Is My Turn</source>
        <translation>Avisar quando for minha vez</translation>
    </message>
    <message>
        <source>Game Records Kept</source>
        <translation>Manter jogos gravados</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Alto contraste</translation>
    </message>
</context>
<context>
    <name>client::TurnAlert</name>
    <message>
        <source>Your turn in Rimbalo</source>
        <translation>Sua vez no Rimbalo</translation>
    </message>
    <message>
        <source>The other players are waiting for your move.</source>
        <translation>Os outros jogadores esperam a sua jogada.</translation>
    </message>
</context>
<context>
    <name>client::TurnControls</name>
    <message>
        <source>Welcome to Rimbalo By Vemko Software!</source>
        <translation>Bem-vindo ao Rimbalo da Vemko Software!</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Clique aqui para ver o registro do jogo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Pausar o jogo</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro do jogo</translation>
    </message>
    <message>
        <source>Blinks while the board is incomplete</source>
        <translation>Pisca enquanto a mesa está incompleta</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Tempo: 0:00</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.</source>
        <translation>Há jogadas incompletas ou erradas na mesa.</translation>
    </message>
    <message>
        <source>Would you like to take a %1 tile penalty and end your turn?</source>
        <translation>Quer receber uma penalidade de %1 peças e encerrar a vez?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least %1 points.</source>
        <translation>As peças da sua primeira baixada devem somar pelo menos %1 pontos.</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Pôr</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Tempo: %1:%2</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>Sua primeira baixada deve somar pelo menos %1 pontos</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>A mesa está incompleta.</translation>
    </message>
    <message>
        <source>Board is incomplete: %1.</source>
        <translation>A mesa está incompleta: %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Sua vez.</translation>
    </message>
    <message>
        <source>Close the game log</source>
        <translation>Fechar o registro do jogo</translation>
    </message>
</context>
<context>
    <name>windows::AddressDialog</name>
    <message>
        <source>Host address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>name, IPv4 or IPv6 address</source>
        <translation>nome, endereço IPv4 ou IPv6</translation>
    </message>
</context>
<context>
    <name>windows::AuxWindow</name>
    <message>
        <source>Your name:</source>
        <translation>Seu nome:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
</context>
<context>
    <name>windows::HostDialog</name>
    <message>
        <source>Rimbalo - Host a Game</source>
        <translation>Rimbalo - Hospedar um jogo</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Hospedar um jogo</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hospedar</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Parar de hospedar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Choose Host: this game ends and a new one opens for your friends to join.</source>
        <translation>Escolha Hospedar: este jogo acaba e um novo se abre para seus amigos.</translation>
    </message>
    <message>
        <source>You are hosting on port %1. Give your friends one of these addresses (those on the first lines work from other computers):</source>
        <translation>Você hospeda na porta %1. Dê a seus amigos um destes endereços (os primeiros funcionam de outros computadores):</translation>
    </message>
    <message>
        <source>You are hosting on port %1, but this computer has no network address others can reach: only this computer can join.</source>
        <translation>Você hospeda na porta %1, mas este computador não tem endereço que outros alcancem: só este computador pode entrar.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2.</source>
        <translation>A porta %1 não pode ser usada: %2.</translation>
    </message>
    <message>
        <source> Port %1 is free.</source>
        <translation> A porta %1 está livre.</translation>
    </message>
    <message>
        <source>Use Port %1</source>
        <translation>Usar a porta %1</translation>
    </message>
    <message>
        <source> Choose another port.</source>
        <translation> Escolha outra porta.</translation>
    </message>
</context>
<context>
    <name>windows::JoinDialog</name>
    <message>
        <source>Rimbalo - Join a Game</source>
        <translation>Rimbalo - Entrar num jogo</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Entrar num jogo</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Digite o endereço do anfitrião.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host address.</source>
        <translation>&quot;%1&quot; não é um endereço de anfitrião.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>aguardando</translation>
    </message>
    <message>
        <source>to %1, %2 s a turn, %3 tiles</source>
        <translation>até %1, %2 s por vez, %3 peças</translation>
    </message>
    <message>
        <source>Tables on a server</source>
        <translation>Mesas de um servidor</translation>
    </message>
    <message>
        <source>List Tables</source>
        <translation>Listar mesas</translation>
    </message>
    <message>
        <source>of the server at the address above</source>
        <translation>do servidor no endereço acima</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Público</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Join Table</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Com código</translation>
    </message>
    <message>
        <source>new table&apos;s name</source>
        <translation>nome da mesa</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privada</translation>
    </message>
    <message>
        <source>Create a Table</source>
        <translation>Criar mesa</translation>
    </message>
    <message>
        <source>Asking %1 for its tables…</source>
        <translation>Pedindo as mesas a %1…</translation>
    </message>
    <message>
        <source>%1 has no open tables: create one.</source>
        <translation>%1 não tem mesas abertas: crie uma.</translation>
    </message>
    <message>
        <source>Open tables of %1.</source>
        <translation>Mesas abertas de %1.</translation>
    </message>
    <message>
        <source>Choose a table in the list, or type its code.</source>
        <translation>Escolha uma mesa na lista ou digite o código dela.</translation>
    </message>
    <message>
        <source>Please type the table&apos;s code.</source>
        <translation>Digite o código da mesa.</translation>
    </message>
    <message>
        <source>Joining table %1…</source>
        <translation>Entrando na mesa %1…</translation>
    </message>
    <message>
        <source>Creating a table…</source>
        <translation>Criando uma mesa…</translation>
    </message>
</context>
<context>
    <name>windows::TableCodeDialog</name>
    <message>
        <source>Rimbalo - Your Table</source>
        <translation>Rimbalo - Sua mesa</translation>
    </message>
    <message>
        <source>Your Table</source>
        <translation>Sua mesa</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed on %2. Friends can also type this code in Join a Game….</source>
        <translation>&quot;%1&quot; está na lista de %2. Os amigos também podem digitar este código em Entrar num jogo….</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is private: only those you give this code to can join it, in Join a Game… at %2.</source>
        <translation>&quot;%1&quot; é privada: só entra quem receber este código de você, em Entrar num jogo… em %2.</translation>
    </message>
</context>
<context>
    <name>windows::Tabout</name>
    <message>
        <source>Rimbalo - About</source>
        <translation>Rimbalo - Sobre</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>windows::Tdownload</name>
    <message>
        <source>If you already have The Vemko Lobby and you wish to play with others then click the button below to close this game and open The Vemko Lobby.</source>
        <translation>Se você já tem o The Vemko Lobby e quer jogar com outros, clique no botão abaixo para fechar este jogo e abrir o The Vemko Lobby.</translation>
    </message>
    <message>
        <source>To play with others, host a game on this computer or join a friend&apos;s game: click the button below.</source>
        <translation>Para jogar com outros, hospede um jogo neste computador ou entre no jogo de um amigo: clique no botão abaixo.</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby</source>
        <translation>Baixar o The Vemko Lobby</translation>
    </message>
    <message>
        <source>No download address is set: add LobbyUrl= and the installer&apos;s address to the [rimbalo] section of vemkolobby.ini.</source>
        <translation>Nenhum endereço de download definido: adicione LobbyUrl= e o endereço do instalador à seção [rimbalo] de vemkolobby.ini.</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>FECHADO</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Baixe agora o The Vemko Lobby para jogar este e outros jogos emocionantes online com outros jogadores! </translation>
    </message>
    <message>
        <source>Download And Install The Vemko Lobby Now</source>
        <translation>Baixar e instalar o The Vemko Lobby</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para seguir para o jogo sem poder jogar contra outros, clique no botão abaixo.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jogar sozinho</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jogar com outros</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Nota: mesmo jogando offline, você precisará configurar seu FIREWALL para que o jogo acesse seus componentes de internet.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Não mostrar de novo</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download cancelado</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Baixando: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>O servidor respondeu %1 %2</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Só chegaram %1 de %2 bytes</translation>
    </message>
    <message>
        <source>The server sent an empty file</source>
        <translation>O servidor enviou um arquivo vazio</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes recebidos</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ocorreu um erro.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>O download foi cancelado.</translation>
    </message>
    <message>
        <source>Please close the game and open the Vemko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Feche o jogo e abra o Vemko Lobby pelo ícone da área de trabalho ou pelo menu Iniciar do Windows.</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Hospedar um jogo…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Entrar num jogo…</translation>
    </message>
</context>
<context>
    <name>windows::Tgamestart</name>
    <message>
        <source>Rimbalo - Game Start</source>
        <translation>Rimbalo - Início do jogo</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opções do jogo</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Jogar até:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <translation>Tempo por vez:</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Peças iniciais:</translation>
    </message>
    <message>
        <source>Computer Opponents:</source>
        <translation>Adversários:</translation>
    </message>
    <message>
        <source>How many empty seats the computer plays (a team game fills all four); 0 when a friend holds seat 2 and nobody else is wanted</source>
        <translation>Quantos lugares vazios o computador joga (um jogo em equipe preenche os quatro); 0 quando um amigo ocupa o lugar 2 e mais ninguém é desejado</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Multa de tempo</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Jogo em equipe</translation>
    </message>
    <message>
        <source>Computer Level:</source>
        <translation>Nível do computador:</translation>
    </message>
    <message>
        <source>How well the computer seats play, from Beginner to Master</source>
        <translation>Quão bem jogam os lugares do computador, de Iniciante a Mestre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>windows::Thelp</name>
    <message>
        <source>Rimbalo - Help File</source>
        <translation>Rimbalo - Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentação</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>O lobby</translation>
    </message>
</context>
<context>
    <name>windows::Tphrases</name>
    <message>
        <source>Rimbalo - Phrase Buttons </source>
        <translation>Rimbalo - Botões de frases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Os botões só podem ser usados uma vez a cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>windows::Tspylist</name>
    <message>
        <source>Rimbalo - Spys</source>
        <translation>Rimbalo - Espectadores</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Espectadores</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Tirar do jogo</translation>
    </message>
</context>
<context>
    <name>windows::Ttallylist</name>
    <message>
        <source>Rimbalo - Tally List</source>
        <translation>Rimbalo - Placar</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Zerar placar</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Total de jogos:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Suas vitórias:</translation>
    </message>
    <message>
        <source>Var3:</source>
        <translation>Var3:</translation>
    </message>
    <message>
        <source>Var4:</source>
        <translation>Var4:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jogadores do jogo atual</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jogadores no placar</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessão</translation>
    </message>
    <message>
        <source>Number of Games:</source>
        <translation>Número de jogos:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Ninguém venceu:</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to open input file : %1</source>
        <translation>Lzrw1 (des)compressão: não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>%1 is far too large for a tally.</source>
        <translation>%1 é grande demais para um placar.</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input file : %1</source>
        <translation>Lzrw1: erro ao ler o arquivo: %1</translation>
    </message>
    <message>
        <source>%1 does not hold a tally.</source>
        <translation>%1 não contém um placar.</translation>
    </message>
    <message>
        <source>The file is kept as %1 and a new tally is started.</source>
        <translation>O arquivo fica guardado como %1 e um novo placar começa.</translation>
    </message>
    <message>
        <source>A new tally is started; it will not be saved over that file.</source>
        <translation>Um novo placar começa; ele não será salvo sobre esse arquivo.</translation>
    </message>
    <message>
        <source>The tally could not be saved to %1: %2</source>
        <translation>Não foi possível salvar o placar em %1: %2</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Isto apagará o placar de %1. Quer apagá-lo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Vitórias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Placar de %1</translation>
    </message>
    <message>
        <source>Select a player to tally</source>
        <translation>Escolha um jogador</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Tem certeza de que quer zerar o placar?</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
</context>
</TS>
