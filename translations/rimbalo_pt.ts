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
    <name>windows::HelpText</name>
    <message>
        <source>Rimbalo is a rummy game played with numbered tiles by up to four players. The set has &lt;b&gt;%1 tiles&lt;/b&gt;: the numbers 1 to 13 in four colours, each twice, and two jokers. Each colour has its own symbol: &lt;b&gt;green clubs&lt;/b&gt; (&amp;#9827;), &lt;b&gt;orange diamonds&lt;/b&gt; (&amp;#9830;), &lt;b&gt;red hearts&lt;/b&gt; (&amp;#9829;) and &lt;b&gt;black spades&lt;/b&gt; (&amp;#9824;). The tiles 11, 12 and 13 show &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; and &lt;b&gt;K&lt;/b&gt; and count 11, 12 and 13.</source>
        <translation>Rimbalo é um jogo de rummy com peças numeradas para até quatro jogadores. O jogo tem &lt;b&gt;%1 peças&lt;/b&gt;: os números de 1 a 13 em quatro cores, cada um duas vezes, e dois curingas. Cada cor tem seu próprio símbolo: &lt;b&gt;paus verdes&lt;/b&gt; (&amp;#9827;), &lt;b&gt;ouros laranja&lt;/b&gt; (&amp;#9830;), &lt;b&gt;copas vermelhas&lt;/b&gt; (&amp;#9829;) e &lt;b&gt;espadas pretas&lt;/b&gt; (&amp;#9824;). As peças 11, 12 e 13 mostram &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; e &lt;b&gt;K&lt;/b&gt; e valem 11, 12 e 13.</translation>
    </message>
    <message>
        <source>Everybody plays on one shared board. On your turn you lay tiles from your rack onto the board in &lt;b&gt;sets&lt;/b&gt; and may rearrange the sets already there, as long as the whole board is made of valid sets when you finish. The first player to empty the rack wins the round and collects the value of every tile the others still hold. Rounds follow each other until a player reaches the target score.</source>
        <translation>Todos jogam numa mesma mesa. Na sua vez, você baixa peças do seu suporte na mesa em &lt;b&gt;jogadas&lt;/b&gt; e pode reorganizar as jogadas que já estão lá, desde que a mesa inteira seja feita de jogadas válidas quando você concluir. O primeiro jogador a esvaziar o suporte vence a rodada e recebe o valor de todas as peças que os outros ainda têm. As rodadas se sucedem até que um jogador alcance a pontuação-alvo.</translation>
    </message>
    <message>
        <source>Seats nobody holds are played by the computer. When the host starts a game, &lt;b&gt;Computer Opponents&lt;/b&gt; (1 to 3) says how many of the empty seats the computer plays (0 is offered too when a friend already holds seat 2); a team game fills all four seats. Anybody who joins after the four seats are taken watches the game as an onlooker.</source>
        <translation>Os lugares que ninguém ocupa são jogados pelo computador. Quando o anfitrião começa um jogo, &lt;b&gt;Adversários&lt;/b&gt; (1 a 3) diz quantos dos lugares vazios o computador joga (0 também é oferecido quando um amigo já ocupa o lugar 2); um jogo em equipe preenche os quatro lugares. Quem entra depois que os quatro lugares estão ocupados assiste ao jogo como espectador.</translation>
    </message>
    <message>
        <source>The computer plays at one of five levels, weakest first: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (the default), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; and &lt;b&gt;%5&lt;/b&gt;. The host chooses it as the Computer Level in the start dialog or in the Options menu. %1 never moves a tile already on the board; %3 and %4 look for the most valuable lay-down, %4 rearranging the board&apos;s sets freely; %5 also plays the next turns out before it chooses. Options, Bot Speed sets how quickly it moves.</source>
        <extracomment>%1 to %5 are the computer levels, weakest first, as the Computer Level menu names them.</extracomment>
        <translation>O computador joga em um de cinco níveis, do mais fraco ao mais forte: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (o padrão), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; e &lt;b&gt;%5&lt;/b&gt;. O anfitrião o escolhe como nível do computador na janela de início do jogo ou no menu Opções. %1 nunca move uma peça que já está na mesa; %3 e %4 procuram a baixada de maior valor, %4 reorganizando livremente as jogadas da mesa; %5 também simula as vezes seguintes de todos antes de escolher. Opções, Velocidade do computador define a rapidez com que ele joga.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your window.&lt;/b&gt; Options, Tile Sets offers a &lt;b&gt;High contrast&lt;/b&gt; set whose colours stay apart for colour-blind players. Options, Language chooses the window&apos;s language from the next start (System follows the desktop). Screen readers can read out the rack, the board and the seats. When your turn starts while you are in another window, the window asks for attention and, unless Options, Notify Me When It Is My Turn is off, the desktop shows a notice.</source>
        <translation>&lt;b&gt;Sua janela.&lt;/b&gt; Opções, Conjuntos de peças oferece o conjunto &lt;b&gt;Alto contraste&lt;/b&gt;, cujas cores continuam distintas também para jogadores daltônicos. Opções, Idioma escolhe o idioma da janela a partir da próxima abertura (Sistema segue a área de trabalho). Leitores de tela podem ler o suporte, a mesa e os lugares. Quando sua vez começa enquanto você está em outra janela, a janela pede atenção e, a menos que “Avisar quando for minha vez” esteja desmarcado no menu Opções, a área de trabalho mostra um aviso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Game records.&lt;/b&gt; The games you host are kept: &lt;b&gt;Game, Game Records…&lt;/b&gt; lists them, replays any of them turn by turn and counts each player&apos;s games, wins and points.</source>
        <translation>&lt;b&gt;Jogos gravados.&lt;/b&gt; Os jogos que você hospeda são guardados: &lt;b&gt;Jogo, Jogos gravados…&lt;/b&gt; lista-os, reproduz qualquer um deles vez por vez e conta os jogos, vitórias e pontos de cada jogador.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solo game.&lt;/b&gt; Start Rimbalo without anything else and it plays a game against the computer on this machine. You sit in seat 1 as &lt;i&gt;You&lt;/i&gt;; the game starts when you press &lt;b&gt;Start&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Jogo sozinho.&lt;/b&gt; Abra o Rimbalo sem mais nada e ele abre um jogo contra o computador nesta máquina. Você fica no lugar 1 como &lt;i&gt;You&lt;/i&gt;; o jogo começa quando você aperta &lt;b&gt;Começar&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hosting a game.&lt;/b&gt; Choose &lt;b&gt;Game, Host a Game…&lt;/b&gt;, type your name and press &lt;b&gt;Host&lt;/b&gt;. The dialog then lists the addresses of this computer; &lt;b&gt;Copy&lt;/b&gt; one and send it to your friends. The game runs on TCP port %1 unless you choose another, and the host&apos;s firewall must let that port in. When the port is in use the dialog says so and offers a free one.</source>
        <extracomment>%1 is the game&apos;s usual TCP port.</extracomment>
        <translation>&lt;b&gt;Hospedar um jogo.&lt;/b&gt; Escolha &lt;b&gt;Jogo, Hospedar um jogo…&lt;/b&gt;, digite seu nome e aperte &lt;b&gt;Hospedar&lt;/b&gt;. A janela então lista os endereços deste computador; copie um com &lt;b&gt;Copiar&lt;/b&gt; e envie aos seus amigos. O jogo roda na porta TCP %1, a menos que você escolha outra, e o firewall do anfitrião precisa deixar essa porta passar. Quando a porta está em uso, a janela avisa e oferece uma livre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Joining a game.&lt;/b&gt; Choose &lt;b&gt;Game, Join a Game…&lt;/b&gt;, type your name and the address the host gave you (such as 192.168.1.20, or 192.168.1.20:%1 for another port) and press &lt;b&gt;Join&lt;/b&gt;. If the host cannot be reached the dialog says why and you can try again.</source>
        <extracomment>%1 is another port than the usual one, as an example.</extracomment>
        <translation>&lt;b&gt;Entrar num jogo.&lt;/b&gt; Escolha &lt;b&gt;Jogo, Entrar num jogo…&lt;/b&gt;, digite seu nome e o endereço que o anfitrião lhe deu (como 192.168.1.20, ou 192.168.1.20:%1 para outra porta) e aperte &lt;b&gt;Entrar&lt;/b&gt;. Se não for possível alcançar o anfitrião, a janela diz por quê e você pode tentar de novo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tables on a server.&lt;/b&gt; Friends in different homes meet at a table server, a computer everyone can reach that holds many tables, each its own game. In &lt;b&gt;Game, Join a Game…&lt;/b&gt; type its address, then press &lt;b&gt;List Tables&lt;/b&gt; and &lt;b&gt;Join Table&lt;/b&gt;, or type a table&apos;s code and press &lt;b&gt;Join by Code&lt;/b&gt;, or &lt;b&gt;Create a Table&lt;/b&gt; and give its code to your friends (a new table is private unless you untick &lt;b&gt;Private&lt;/b&gt;). Whoever opens a table holds seat 1 and the host&apos;s powers there.</source>
        <translation>&lt;b&gt;Mesas de um servidor.&lt;/b&gt; Amigos em casas diferentes se encontram num servidor de mesas, um computador que todos alcançam e que tem muitas mesas, cada uma com seu próprio jogo. Em &lt;b&gt;Jogo, Entrar num jogo…&lt;/b&gt; digite o endereço dele e aperte &lt;b&gt;Listar mesas&lt;/b&gt; e &lt;b&gt;Entrar&lt;/b&gt;, ou digite o código de uma mesa e aperte &lt;b&gt;Com código&lt;/b&gt;, ou então aperte &lt;b&gt;Criar mesa&lt;/b&gt; e passe o código aos seus amigos (uma mesa nova é privada, a menos que você desmarque &lt;b&gt;Privada&lt;/b&gt;). Quem abre uma mesa ocupa nela o lugar 1 e tem os poderes do anfitrião.</translation>
    </message>
    <message>
        <source>&lt;b&gt;From the command line.&lt;/b&gt; Rimbalo can also be started with three words: your name, the host&apos;s address (with a table&apos;s code after a slash) and the role:</source>
        <translation>&lt;b&gt;Pela linha de comando.&lt;/b&gt; O Rimbalo também pode ser aberto com três palavras: seu nome, o endereço do anfitrião (com o código de uma mesa depois de uma barra) e o papel:</translation>
    </message>
    <message>
        <source>(Ann hosts the game)</source>
        <translation>(Ann hospeda o jogo)</translation>
    </message>
    <message>
        <source>(Bob joins Ann&apos;s game)</source>
        <translation>(Bob entra no jogo de Ann)</translation>
    </message>
    <message>
        <source>(Cem joins the table K7MXQ4 of a server)</source>
        <translation>(Cem entra na mesa K7MXQ4 de um servidor)</translation>
    </message>
    <message>
        <source>The host always plays in seat 1 and is the one who starts games, pauses them and can remove a player. Players take seats 2 to 4 in the order they connect; later arrivals watch. A player who joins while a game runs takes over a free seat&apos;s tiles and score, or waits for the next round.</source>
        <translation>O anfitrião joga sempre no lugar 1 e é quem começa os jogos, pausa-os e pode tirar um jogador. Os jogadores ocupam os lugares 2 a 4 na ordem em que se conectam; quem chega depois assiste. Um jogador que entra durante um jogo assume as peças e os pontos de um lugar livre, ou espera a próxima rodada.</translation>
    </message>
    <message>
        <source>The Vemko Lobby starts Rimbalo this way for you when you host or join a game there. When the host leaves, the game ends for everybody.</source>
        <translation>O The Vemko Lobby abre o Rimbalo dessa forma para você quando você hospeda ou entra num jogo por lá. Quando o anfitrião sai, o jogo acaba para todos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The deal.&lt;/b&gt; Every playing seat gets %1 tiles (the host may choose %2 to %3; the deal is lowered when the pool would keep fewer than 10 tiles). Turns pass from seat to seat.</source>
        <extracomment>%1 is the usual deal; %2 to %3 the deals the host may choose.</extracomment>
        <translation>&lt;b&gt;A distribuição.&lt;/b&gt; Cada lugar que joga recebe %1 peças (o anfitrião pode escolher de %2 a %3; a distribuição é reduzida quando ficariam menos de 10 peças no monte). As vezes passam de lugar em lugar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sets.&lt;/b&gt; Sets lie along a row of the board, left to right, with an empty cell between neighbouring sets. Every set has at least three tiles and is either</source>
        <translation>&lt;b&gt;Jogadas.&lt;/b&gt; As jogadas ficam ao longo de uma linha da mesa, da esquerda para a direita, com uma casa vazia entre jogadas vizinhas. Toda jogada tem pelo menos três peças e é</translation>
    </message>
    <message>
        <source>a &lt;b&gt;run&lt;/b&gt;: consecutive numbers of one colour, such as green 4, 5, 6 (13 is the highest number; runs do not go round from 13 to 1), or</source>
        <translation>uma &lt;b&gt;sequência&lt;/b&gt;: números consecutivos de uma mesma cor, como 4, 5, 6 verdes (13 é o número mais alto; sequências não voltam de 13 para 1), ou</translation>
    </message>
    <message>
        <source>a &lt;b&gt;group&lt;/b&gt;: one number in different colours, such as red 9, black 9, orange 9.</source>
        <translation>um &lt;b&gt;grupo&lt;/b&gt;: um mesmo número em cores diferentes, como 9 vermelho, 9 preto, 9 laranja.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tile values.&lt;/b&gt; A tile counts its number: 1 to 10, and J, Q and K count 11, 12 and 13.</source>
        <translation>&lt;b&gt;Valor das peças.&lt;/b&gt; Uma peça vale seu número: de 1 a 10, e J, Q e K valem 11, 12 e 13.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jokers&lt;/b&gt; stand in for any tile. A run with jokers must still fit between 1 and 13, so no joker can stand before a 1 or after a 13; both jokers may stand side by side, as in joker, joker, green 5, green 6 (a 3-4-5-6). With both jokers a group can hold six tiles.</source>
        <translation>Os &lt;b&gt;curingas&lt;/b&gt; substituem qualquer peça. Uma sequência com curingas ainda precisa caber entre 1 e 13, então nenhum curinga pode ficar antes de um 1 ou depois de um 13; os dois curingas podem ficar lado a lado, como em curinga, curinga, 5 verde, 6 verde (um 3-4-5-6). Com os dois curingas, um grupo pode ter seis peças.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your first lay-down&lt;/b&gt; in a round must be worth at least &lt;b&gt;%1 points&lt;/b&gt;: the tiles you lay from your rack in that turn count their numbers, a joker counts %2. Moving tiles that are already on the board counts nothing. After that, any valid board will do.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Sua primeira baixada&lt;/b&gt; numa rodada precisa valer pelo menos &lt;b&gt;%1 pontos&lt;/b&gt;: as peças que você baixa do suporte nessa vez contam seus números, um curinga conta %2. Mover peças que já estão na mesa não conta nada. Depois disso, qualquer mesa válida serve.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your turn.&lt;/b&gt; Click a tile in your rack to pick it up and click an empty board cell to put it down; click a board tile to pick it up and move it. Hold Shift when picking a rack tile to lay the next two numbers of its run with it, or Ctrl for two more tiles of its group. Right-click a tile you laid this turn to take it back. &lt;b&gt;Clear&lt;/b&gt; takes back the whole turn, &lt;b&gt;Draw&lt;/b&gt; takes one tile and ends the turn, &lt;b&gt;Finish&lt;/b&gt; ends the turn with the tiles laid; it shows once you have laid or moved a tile. A tile you have just drawn, and each tile dealt to you as a penalty, carries a blue corner until you next touch your rack. The small light next to the buttons blinks while the board is not yet complete.</source>
        <translation>&lt;b&gt;Sua vez.&lt;/b&gt; Clique numa peça do seu suporte para pegá-la e clique numa casa vazia da mesa para colocá-la; clique numa peça da mesa para pegá-la e movê-la. Segure Shift ao pegar uma peça do suporte para colocar com ela os dois números seguintes da sua sequência, ou Ctrl para mais duas peças do seu grupo. Clique com o botão direito numa peça colocada nesta vez para retirá-la. &lt;b&gt;Desfazer&lt;/b&gt; retira a vez inteira, &lt;b&gt;Comprar&lt;/b&gt; pega uma peça e encerra a vez, &lt;b&gt;Concluir&lt;/b&gt; encerra a vez com as peças colocadas; esse botão aparece assim que você coloca ou move uma peça. Uma peça que você acabou de comprar, e cada peça recebida como penalidade, tem um canto azul até você tocar no suporte de novo. A pequena luz ao lado dos botões pisca enquanto a mesa não está completa.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hint.&lt;/b&gt; During your turn &lt;b&gt;Hint&lt;/b&gt; outlines the rack tiles of the most valuable lay-down the board allows, its sets rearranged as needed (before your first lay-down only one worth %1); press it again (it then reads &lt;b&gt;Place&lt;/b&gt;) to lay them, then Finish. The host can switch hints off (Options, Allow Hints). Hints come from the same search the %2 computer players use.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 the computer level whose search gives the hints.</extracomment>
        <translation>&lt;b&gt;Dica.&lt;/b&gt; Durante sua vez, &lt;b&gt;Dica&lt;/b&gt; contorna as peças do suporte da baixada de maior valor que a mesa permite, reorganizando as jogadas conforme preciso (antes da sua primeira baixada, só uma que valha %1); aperte de novo (o botão passa a dizer &lt;b&gt;Pôr&lt;/b&gt;) para colocá-las e depois Concluir. O anfitrião pode desligar as dicas (Opções, Permitir dicas). As dicas vêm da mesma busca que os jogadores do computador de nível %2 usam.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The clock.&lt;/b&gt; Every turn runs against a clock (%1 seconds unless the host chooses %2 to %3). When the time is up the turn is taken back and you draw %4 tiles, or one when the host switched the time penalty off.</source>
        <extracomment>%1 is the usual time of a turn in seconds; %2 to %3 the times the host may choose; %4 the tiles drawn as the time penalty.</extracomment>
        <translation>&lt;b&gt;O relógio.&lt;/b&gt; Cada vez corre contra o relógio (%1 segundos, a menos que o anfitrião escolha de %2 a %3). Quando o tempo acaba, a vez é desfeita e você compra %4 peças, ou uma quando o anfitrião desligou a penalidade de tempo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;An incomplete board.&lt;/b&gt; If you finish while the board holds an incomplete or wrong set, you are offered a &lt;b&gt;%1-tile penalty&lt;/b&gt;: take it and your turn is taken back and ends, or go back and mend the board. With less than 10 seconds left the turn is taken back at once.</source>
        <extracomment>%1 is the number of penalty tiles.</extracomment>
        <translation>&lt;b&gt;Uma mesa incompleta.&lt;/b&gt; Se você concluir enquanto a mesa tem uma jogada incompleta ou errada, é oferecida uma &lt;b&gt;penalidade de %1 peças&lt;/b&gt;: aceite-a e sua vez é desfeita e termina, ou volte e conserte a mesa. Com menos de 10 segundos restantes, a vez é desfeita na hora.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Sort by Numbers&lt;/b&gt; and &lt;b&gt;Sort by Suits&lt;/b&gt; buttons sort your rack; a right-click on any rack tile sorts it again.</source>
        <translation>Os botões &lt;b&gt;Ordenar por números&lt;/b&gt; e &lt;b&gt;Ordenar por cores&lt;/b&gt; ordenam seu suporte; um clique com o botão direito em qualquer peça do suporte o ordena de novo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop.&lt;/b&gt; You can also drag a tile from the rack to the board, from one cell to another, or back onto the rack to take it back. Hold Alt or Shift while dragging a board tile to move its whole set. During your turn a set that is not yet valid has a dashed amber outline (the red frames mark the cells of the last move); when the server refuses a Finish, the line under the board names the set at fault. A move that cannot be made says why under the board, and during your first lay-down the line under the board counts its value towards %1.</source>
        <extracomment>%1 is the least value of a first lay-down.</extracomment>
        <translation>&lt;b&gt;Arrastar e soltar.&lt;/b&gt; Você também pode arrastar uma peça do suporte para a mesa, de uma casa para outra, ou de volta ao suporte para retirá-la. Segure Alt ou Shift enquanto arrasta uma peça da mesa para mover a jogada inteira. Durante sua vez, uma jogada ainda inválida tem um contorno âmbar tracejado (as molduras vermelhas marcam as casas do último movimento); quando o servidor recusa um Concluir, a linha abaixo da mesa indica a jogada com problema. Um movimento impossível explica o motivo abaixo da mesa, e durante sua primeira baixada a linha abaixo da mesa mostra quanto ela já vale dos %1 exigidos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard.&lt;/b&gt; Click the board first (Esc leaves the chat line). &lt;b&gt;Enter&lt;/b&gt; finishes the turn once you have laid tiles (with nothing laid it does nothing: press &lt;b&gt;D&lt;/b&gt; to draw), &lt;b&gt;D&lt;/b&gt; draws, &lt;b&gt;Esc&lt;/b&gt; puts the tile in your hand back or else clears the turn, &lt;b&gt;1&lt;/b&gt; and &lt;b&gt;2&lt;/b&gt; sort by numbers and by suits, &lt;b&gt;P&lt;/b&gt; pauses, &lt;b&gt;H&lt;/b&gt; asks for a hint and, pressed again, lays it. The &lt;b&gt;arrow keys&lt;/b&gt; move a yellow frame over the rack and the board; &lt;b&gt;Space&lt;/b&gt; picks up or puts down the tile under it (Shift+Space or Ctrl+Space picks a rack tile for its run or its group).</source>
        <translation>&lt;b&gt;Teclado.&lt;/b&gt; Clique primeiro na mesa (Esc sai da linha do chat). &lt;b&gt;Enter&lt;/b&gt; conclui a vez depois que você colocou peças (sem nada colocado não faz nada: aperte &lt;b&gt;D&lt;/b&gt; para comprar), &lt;b&gt;D&lt;/b&gt; compra, &lt;b&gt;Esc&lt;/b&gt; devolve a peça que está na sua mão ou, senão, desfaz a vez, &lt;b&gt;1&lt;/b&gt; e &lt;b&gt;2&lt;/b&gt; ordenam por números e por cores, &lt;b&gt;P&lt;/b&gt; pausa, &lt;b&gt;H&lt;/b&gt; pede uma dica e, apertada de novo, a coloca. As &lt;b&gt;setas&lt;/b&gt; movem uma moldura amarela pelo suporte e pela mesa; &lt;b&gt;Espaço&lt;/b&gt; pega ou coloca a peça sob ela (Shift+Espaço ou Ctrl+Espaço pega uma peça do suporte para a sua sequência ou o seu grupo).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Laying tiles.&lt;/b&gt; Every turn you finish adds the value of the tiles you laid from your rack to your score: numbers count their face value, a joker counts %1.</source>
        <extracomment>%1 is a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Baixar peças.&lt;/b&gt; Cada vez que você conclui soma à sua pontuação o valor das peças que baixou do suporte: os números valem seu valor de face, um curinga vale %1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;End of the round.&lt;/b&gt; When a player empties the rack the round is over. Every other player loses the value of the tiles left in the rack, and the winner of the round gains all of it. If the pool runs dry and nobody can go out, every player loses the value of the rack and nobody gains. The &lt;i&gt;Round&lt;/i&gt; column shows each seat&apos;s result of the last round.</source>
        <translation>&lt;b&gt;Fim da rodada.&lt;/b&gt; Quando um jogador esvazia o suporte, a rodada acaba. Cada um dos outros jogadores perde o valor das peças que restam no seu suporte, e o vencedor da rodada ganha tudo isso. Se o monte acabar e ninguém conseguir bater, cada jogador perde o valor do seu suporte e ninguém ganha. A coluna &lt;i&gt;Rodada&lt;/i&gt; mostra o resultado de cada lugar na última rodada.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Winning.&lt;/b&gt; When a seat reaches the target score (%1 unless the host chooses otherwise) with the highest score, it wins the game. If two seats share the highest score another round is played. The next round starts 20 seconds after the last one ended.</source>
        <extracomment>%1 is the usual target score.</extracomment>
        <translation>&lt;b&gt;Vencer.&lt;/b&gt; Quando um lugar alcança a pontuação-alvo (%1, a menos que o anfitrião escolha outra) com a maior pontuação, vence o jogo. Se dois lugares dividem a maior pontuação, joga-se mais uma rodada. A próxima rodada começa 20 segundos depois do fim da anterior.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Team game.&lt;/b&gt; Seats 1 and 3 (the Green Team) play against seats 2 and 4 (the Brown Team); the computer plays any seat nobody holds. Partners share one score, and one partner&apos;s first lay-down counts for both. A team wins the round when both partners have emptied their racks, and gains the value of both opponents&apos; racks, which the other team loses.</source>
        <translation>&lt;b&gt;Jogo em equipe.&lt;/b&gt; Os lugares 1 e 3 (a equipe verde) jogam contra os lugares 2 e 4 (a equipe marrom); o computador joga qualquer lugar que ninguém ocupe. Os parceiros dividem uma pontuação, e a primeira baixada de um vale para os dois. Uma equipe vence a rodada quando os dois parceiros esvaziaram seus suportes, e ganha o valor dos suportes dos dois adversários, que a outra equipe perde.</translation>
    </message>
    <message>
        <source>Rimbalo version %1, by Vemko Software.</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Rimbalo versão %1, da Vemko Software.</translation>
    </message>
    <message>
        <source>The tiles, the board and every picture in the game are drawn by the program itself.</source>
        <translation>As peças, a mesa e todas as imagens do jogo são desenhadas pelo próprio programa.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in &lt;i&gt;vemkolobby.ini&lt;/i&gt; and its tally in &lt;i&gt;rimbalotally.tld&lt;/i&gt; beside the program, or in your own data folder when the game is installed or its folder cannot be written; the records of the games you host go to that data folder.</source>
        <translation>O Rimbalo guarda suas configurações em &lt;i&gt;vemkolobby.ini&lt;/i&gt; e seu placar em &lt;i&gt;rimbalotally.tld&lt;/i&gt; ao lado do programa, ou na sua própria pasta de dados quando o jogo está instalado ou não é possível gravar na pasta dele; as gravações dos jogos que você hospeda vão para essa pasta de dados.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Histórico de versões</translation>
    </message>
    <message>
        <source>the game window, hosting and joining games, seats and onlookers; tables on a server and their codes; five computer levels and hints; game records and their replay; a high-contrast tile set, screen readers and a turn alert; the window in eight languages.</source>
        <translation>a janela do jogo, hospedar jogos e entrar neles, lugares e espectadores; mesas de um servidor e seus códigos; cinco níveis do computador e dicas; jogos gravados e sua reprodução; um conjunto de peças de alto contraste, leitores de tela e um aviso de vez; a janela em oito idiomas.</translation>
    </message>
    <message>
        <source>The Vemko Lobby is a separate program by the makers of Rimbalo where players meet, chat and open games. When you host or join a Rimbalo game there, the lobby starts Rimbalo with your name, the host&apos;s address and your role, and Rimbalo tells the lobby that the game is running for as long as it stays open.</source>
        <translation>O The Vemko Lobby é um programa à parte dos criadores do Rimbalo, onde os jogadores se encontram, conversam e abrem jogos. Quando você hospeda ou entra num jogo de Rimbalo por lá, o lobby abre o Rimbalo com seu nome, o endereço do anfitrião e seu papel, e o Rimbalo avisa ao lobby que o jogo está em andamento enquanto ficar aberto.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in its own section of the lobby&apos;s settings file, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, and never changes the lobby&apos;s own settings there.</source>
        <translation>O Rimbalo guarda suas configurações numa seção própria do arquivo de configurações do lobby, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, e nunca altera ali as configurações do próprio lobby.</translation>
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
