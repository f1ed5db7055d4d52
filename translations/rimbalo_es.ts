<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ComputerLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
</context>
<context>
    <name>ResumeOffer</name>
    <message>
        <source>The game begun %1 (UTC) stopped before its end, in round %2.
Players and scores: %3.</source>
        <translation>La partida empezada el %1 (UTC) se detuvo antes de terminar, en la ronda %2.
Jugadores y puntos: %3.</translation>
    </message>
    <message>
        <source>Resume the Stopped Game?</source>
        <translation>¿Reanudar la partida detenida?</translation>
    </message>
    <message>
        <source>Resume it with the same seats, tiles, board and scores? Its players get their seats back by joining with their names.</source>
        <translation>¿Reanudarla con los mismos asientos, fichas, mesa y puntos? Sus jugadores recuperan su asiento al unirse con su nombre.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>The choice could not be kept: the records folder cannot be written. The game will be offered again.</source>
        <translation>No se pudo guardar la elección: no se puede escribir en la carpeta de partidas. La partida se volverá a ofrecer.</translation>
    </message>
</context>
<context>
    <name>client::BoardSets</name>
    <message>
        <source>An %1</source>
        <translation>Un %1</translation>
    </message>
    <message>
        <source>A %1</source>
        <translation>Un %1</translation>
    </message>
    <message>
        <source>%1 cannot go next to %2 here.</source>
        <translation>%1 no puede ir junto a %2 aquí.</translation>
    </message>
</context>
<context>
    <name>client::BoardView</name>
    <message>
        <source>a set in row %1 has %2 %3</source>
        <translation>una jugada de la fila %1 tiene %2 %3</translation>
    </message>
    <message>
        <source>a set in row %1 is no run or group</source>
        <translation>una jugada de la fila %1 no es ni escalera ni grupo</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Esa casilla está ocupada.</translation>
    </message>
    <message>
        <source>First lay-down: %1 of %2</source>
        <translation>Primera bajada: %1 de %2</translation>
    </message>
    <message>
        <source>The set does not fit there.</source>
        <translation>La jugada no cabe ahí.</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>ficha</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>fichas</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 ha colocado: %2.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 ha movido: %2.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 ha retirado: %2.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 ha retirado sus fichas.</translation>
    </message>
</context>
<context>
    <name>client::ChatInput</name>
    <message>
        <source>See ya!</source>
        <translation>¡Hasta luego!</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí&gt;</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensaje de chat</translation>
    </message>
</context>
<context>
    <name>client::ChatView</name>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Borrar el chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>No desplazar el chat</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>No se puede abrir la página web</translation>
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
        <translation>Ups</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tos</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>¿Dónde estabas?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronquido</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Estornudo</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Perdón</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yijaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Yupi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh, no</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pedorreta</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Ovación</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mujer riendo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Hombre riendo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Llanto</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Sonido&gt; %2</translation>
    </message>
</context>
<context>
    <name>client::GameFlow</name>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 ha empezado una partida.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Has empezado una partida.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Cada uno empieza con %1 fichas.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 ha robado una ficha.</translation>
    </message>
    <message>
        <source>%1 took a %2 tile penalty.</source>
        <translation>%1 ha recibido una penalización de %2 fichas.</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>La ronda termina en empate.</translation>
    </message>
    <message>
        <source> You are out of tiles! The Round is Over.</source>
        <translation> ¡Te has quedado sin fichas! La ronda ha terminado.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>¡%1 se ha quedado sin fichas! La ronda ha terminado.</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>No puedes deshacer con una ficha en la mano.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>No puedes terminar tu turno con una ficha en la mano.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>No puedes robar con una ficha en la mano.</translation>
    </message>
    <message>
        <source>You cannot take a hint when you have a tile in your hand.</source>
        <translation>No puedes pedir una pista con una ficha en la mano.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>¡Se te ha acabado el tiempo!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>A %1 se le ha acabado el tiempo.</translation>
    </message>
</context>
<context>
    <name>client::GameInfo</name>
    <message>
        <source>Time Penalty</source>
        <translation>Penalización por tiempo</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Buena suerte</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: 0</source>
        <translation>Fichas restantes: 0</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>¡Ganador!</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Jugar hasta: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1:%2</source>
        <translation>Tiempo por turno: %1:%2</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Tiempo por turno: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Penalización por tiempo: SÍ</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Penalización por tiempo: NO</translation>
    </message>
    <message>
        <source>Play To Score: -</source>
        <translation>Jugar hasta: -</translation>
    </message>
    <message>
        <source>Time Per Turn: -</source>
        <translation>Tiempo por turno: -</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partida por equipos</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Fichas restantes: %1</translation>
    </message>
</context>
<context>
    <name>client::Hints</name>
    <message>
        <source>This program offers no hints</source>
        <translation>Este programa no da pistas</translation>
    </message>
    <message>
        <source>This game&apos;s host offers no hints</source>
        <translation>El anfitrión de esta partida no da pistas</translation>
    </message>
    <message>
        <source>The host has switched hints off</source>
        <translation>El anfitrión ha desactivado las pistas</translation>
    </message>
    <message>
        <source>Lay the outlined tiles (H)</source>
        <translation>Bajar las fichas marcadas (H)</translation>
    </message>
    <message>
        <source>Outline the best lay-down for your rack (H)</source>
        <translation>Marcar la mejor bajada para tu atril (H)</translation>
    </message>
    <message>
        <source>No hint: a set on the board cannot be completed. Clear your moves.</source>
        <translation>Sin pista: una jugada de la mesa no se puede completar. Deshaz tus movimientos.</translation>
    </message>
    <message>
        <source>No lay-down of %1 yet: draw a tile.</source>
        <translation>Aún no hay bajada de %1: roba una ficha.</translation>
    </message>
    <message>
        <source>None of your tiles can be laid: draw a tile.</source>
        <translation>Ninguna de tus fichas se puede bajar: roba una ficha.</translation>
    </message>
    <message>
        <source>Hint: %1 worth %2. Press Place to lay %3.</source>
        <translation>Pista: %1 por valor de %2. Pulsa Colocar para %3.</translation>
    </message>
    <message>
        <source>1 tile</source>
        <translation>1 ficha</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 fichas</translation>
    </message>
    <message>
        <source>Hint laid (%1 points): press Finish to end your turn.</source>
        <translation>Pista bajada (%1 puntos): pulsa Terminar para acabar tu turno.</translation>
    </message>
    <message>
        <source>it</source>
        <translation>bajarla</translation>
    </message>
    <message>
        <source>them</source>
        <translation>bajarlas</translation>
    </message>
</context>
<context>
    <name>client::PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>¡Así se hace!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>¡Buena jugada!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>¡Buen intento!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>¡Excelente!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>¡Guau, bravo!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>¡Gracias!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>¡Así se hace, compañero!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>¡Buena partida a todos!</translation>
    </message>
</context>
<context>
    <name>client::RackView</name>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Esta ronda ya ha empezado. Tendrás que esperar a la siguiente ronda.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>No puedes elegir otra ficha con una ficha de la mesa en la mano.</translation>
    </message>
    <message>
        <source>%1 (just drawn)</source>
        <translation>%1 (recién robada)</translation>
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
        <translation>Ordenar por colores</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>recién robada</translation>
    </message>
    <message>
        <source>Your rack</source>
        <translation>Tu atril</translation>
    </message>
</context>
<context>
    <name>client::RecordStatsPage</name>
    <message>
        <source>Rimbalo - Game Statistics</source>
        <translation>Rimbalo - Estadísticas de partidas</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Jugador:</translation>
    </message>
    <message>
        <source>No games have been recorded yet.</source>
        <translation>Aún no se ha guardado ninguna partida.</translation>
    </message>
    <message>
        <source>Games played: %1, won: %2</source>
        <translation>Partidas jugadas: %1, ganadas: %2</translation>
    </message>
    <message>
        <source>Rounds played: %1, gone out: %2</source>
        <translation>Rondas jugadas: %1, cerradas: %2</translation>
    </message>
    <message>
        <source>Average points per round: %1</source>
        <translation>Puntos medios por ronda: %1</translation>
    </message>
    <message>
        <source>Best round: %1 points (round %2 of the game of %3)</source>
        <translation>Mejor ronda: %1 puntos (ronda %2 de la partida del %3)</translation>
    </message>
    <message numerus="yes">
        <source>From %n recorded game(s).</source>
        <translation>
            <numerusform>A partir de %n partida guardada.</numerusform>
            <numerusform>A partir de %n partidas guardadas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>client::ReplayWindow</name>
    <message>
        <source>Game Records</source>
        <translation>Partidas guardadas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>To the round&apos;s start (Home)</source>
        <translation>Al inicio de la ronda (Inicio)</translation>
    </message>
    <message>
        <source>Back one turn (Left)</source>
        <translation>Un turno atrás (Izquierda)</translation>
    </message>
    <message>
        <source>Forward one turn (Right)</source>
        <translation>Un turno adelante (Derecha)</translation>
    </message>
    <message>
        <source>To the round&apos;s end (End)</source>
        <translation>Al final de la ronda (Fin)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Abrir un archivo de partida</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Save this game&apos;s record file to send</source>
        <translation>Guardar el archivo de esta partida para enviarlo</translation>
    </message>
    <message>
        <source>(not finished)</source>
        <translation>(sin terminar)</translation>
    </message>
    <message>
        <source>Game Records — %1</source>
        <translation>Partidas guardadas — %1</translation>
    </message>
    <message>
        <source>Round %1, end</source>
        <translation>Ronda %1, final</translation>
    </message>
    <message>
        <source>Round %1, turn %2 of %3</source>
        <translation>Ronda %1, turno %2 de %3</translation>
    </message>
    <message>
        <source>Could not export the record to %1.</source>
        <translation>No se pudo exportar la partida a %1.</translation>
    </message>
    <message>
        <source>Export Game Record</source>
        <translation>Exportar partida</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec)</source>
        <translation>Partidas de Rimbalo (*.rimrec)</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec);;All files (*)</source>
        <translation>Partidas de Rimbalo (*.rimrec);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Seat %1</source>
        <translation>Asiento %1</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estadísticas…</translation>
    </message>
    <message>
        <source>Games played and won, points per round, the best round</source>
        <translation>Partidas jugadas y ganadas, puntos por ronda, la mejor ronda</translation>
    </message>
</context>
<context>
    <name>client::RoundSummary</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Tiles left</source>
        <translation>Fichas restantes</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Next round in %1 s</source>
        <translation>Siguiente ronda en %1 s</translation>
    </message>
    <message>
        <source>The next round is starting.</source>
        <translation>La siguiente ronda está empezando.</translation>
    </message>
</context>
<context>
    <name>client::SeatDisplay</name>
    <message>
        <source>PLAYER</source>
        <translation>JUGADOR</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNTOS</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>RONDA</translation>
    </message>
    <message>
        <source>TILES</source>
        <translation>MANO</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Esperando&gt;</translation>
    </message>
    <message>
        <source>Just watching: the computer plays this seat</source>
        <translation>Solo mira: el ordenador juega este asiento</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>No juega esta ronda</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Estás conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 está conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás observando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está observando.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se ha ido.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo mira</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 vuelve a jugar</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se ha desconectado.</translation>
    </message>
    <message>
        <source>Seat %1: %2, %3 tiles, score %4</source>
        <translation>Asiento %1: %2, %3 fichas, %4 puntos</translation>
    </message>
    <message>
        <source>, just watching</source>
        <translation>, solo mira</translation>
    </message>
    <message>
        <source>, sitting this round out</source>
        <translation>, no juega esta ronda</translation>
    </message>
    <message>
        <source>, your turn</source>
        <translation>, tu turno</translation>
    </message>
    <message>
        <source>, their turn</source>
        <translation>, le toca</translation>
    </message>
</context>
<context>
    <name>client::ShuffleCheck</name>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not match what it promised.</source>
        <translation>Atención: la semilla de barajado del servidor no coincide con lo que prometió.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not deal the tiles you were dealt.</source>
        <translation>Atención: la semilla de barajado del servidor no reparte las fichas que recibiste.</translation>
    </message>
    <message>
        <source>Shuffle checked.</source>
        <translation>Barajado comprobado.</translation>
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
        <translation>naranja</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>aparte</translation>
    </message>
    <message>
        <source>in a run of %1</source>
        <translation>en una escalera de %1</translation>
    </message>
    <message>
        <source>in a group of %1</source>
        <translation>en un grupo de %1</translation>
    </message>
    <message>
        <source>in an unfinished set of %1</source>
        <translation>en una jugada incompleta de %1</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Comodín</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile: its colour, then its value (&quot;Red 7&quot;, &quot;Black King&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: vacía</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>La mesa está vacía.</translation>
    </message>
    <message>
        <source>%1 tiles in %2 sets on the board, %3 of them unfinished.</source>
        <translation>%1 fichas en %2 jugadas sobre la mesa, %3 de ellas incompletas.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Green Queen</source>
        <translation>Reina verde</translation>
    </message>
    <message>
        <source>Orange Queen</source>
        <translation>Reina naranja</translation>
    </message>
    <message>
        <source>Red Queen</source>
        <translation>Reina roja</translation>
    </message>
    <message>
        <source>Black Queen</source>
        <translation>Reina negra</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>WILD</source>
        <extracomment>The joker as the game log and the status line name it.</extracomment>
        <translation>Comodín</translation>
    </message>
</context>
<context>
    <name>client::TableLobby</name>
    <message>
        <source>the server closed the connection</source>
        <translation>el servidor ha cerrado la conexión</translation>
    </message>
</context>
<context>
    <name>client::Tchat</name>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Your phrases could not be saved: %1</source>
        <translation>No se pudieron guardar tus frases: %1</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>No estás conectado</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tiene otra versión del juego que tú.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Tienes otra versión del juego que el anfitrión.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>No puedes tener más fichas</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>No quedan fichas</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partida está llena</translation>
    </message>
    <message>
        <source>You are hosting: the game ends for %1.</source>
        <translation>Eres el anfitrión: la partida termina para %1.</translation>
    </message>
    <message>
        <source>The round you are playing ends.</source>
        <translation>La ronda que estás jugando termina.</translation>
    </message>
    <message>
        <source>You leave the game in progress: the computer plays your seat.</source>
        <translation>Dejas una partida en curso: el ordenador juega tu asiento.</translation>
    </message>
    <message>
        <source>%1 all the same?</source>
        <translation>¿%1 de todos modos?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Solo mirar</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Organizar una partida…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Unirse a una partida…</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Jugar solo</translation>
    </message>
    <message>
        <source>Game Records…</source>
        <translation>Partidas guardadas…</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Restablecer posición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Ver marcador</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Observadores</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro de partida</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Reproducir efectos de chat</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>No desplazar el chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Borrar el chat</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Velocidad del ordenador</translation>
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
        <translation>Nivel del ordenador</translation>
    </message>
    <message>
        <source>Allow Hints</source>
        <translation>Permitir pistas</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Sonido de turno</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Juegos de fichas</translation>
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
        <translation>El nuevo idioma se usará al volver a iniciar Rimbalo.</translation>
    </message>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>No se pudieron guardar tus ajustes: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Poner a mirar</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Dejar de mirar</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Organizar</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida individual… Espera, por favor.</translation>
    </message>
    <message>
        <source>To play with friends, choose Host a Game… or Join a Game… in the Game menu.</source>
        <translation>Para jugar con amigos, elige Organizar una partida… o Unirse a una partida… en el menú Partida.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador… Espera, por favor.</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>No se pudo organizar la partida: %1</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Dejar de organizar</translation>
    </message>
    <message>
        <source>Hosting a game on port %1…</source>
        <translation>Organizando una partida en el puerto %1…</translation>
    </message>
    <message>
        <source>Joining a game at: %1…</source>
        <translation>Uniéndose a la partida en: %1…</translation>
    </message>
    <message>
        <source>the host closed the connection</source>
        <translation>el anfitrión ha cerrado la conexión</translation>
    </message>
    <message>
        <source>the game is full</source>
        <translation>la partida está llena</translation>
    </message>
    <message>
        <source>Your game goes on.</source>
        <translation>Tu partida continúa.</translation>
    </message>
    <message>
        <source>Friends can join this game at: %1 (Game menu, Host a Game… to copy them).</source>
        <translation>Tus amigos pueden unirse a esta partida en: %1 (menú Partida, Organizar una partida… para copiarlas).</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>no answer from the game within %1 seconds</source>
        <translation>sin respuesta de la partida en %1 segundos</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>No se pudo conectar a %1: %2</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Sin conexión: %1</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>se ha perdido la conexión</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>Se ha perdido la conexión con el anfitrión.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>El anfitrión ha cerrado la partida.</translation>
    </message>
    <message>
        <source>The host has removed you from the game.</source>
        <translation>El anfitrión te ha quitado de la partida.</translation>
    </message>
    <message>
        <source>The settings file could not be read; the usual settings are used.</source>
        <translation>No se pudo leer el archivo de ajustes; se usan los ajustes habituales.</translation>
    </message>
    <message>
        <source>Table %1 (%2): friends join it with this code.</source>
        <translation>Mesa %1 (%2): tus amigos se unen con este código.</translation>
    </message>
    <message>
        <source>%1 now holds the host&apos;s powers.</source>
        <translation>%1 tiene ahora los poderes del anfitrión.</translation>
    </message>
    <message>
        <source>Reconnected.</source>
        <translation>Reconectado.</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting… (attempt %1 in %2 s)</source>
        <translation>Conexión perdida — reconectando… (intento %1 en %2 s)</translation>
    </message>
    <message>
        <source>The tile set &quot;%1&quot; could not be read; the tiles keep their pictures.</source>
        <translation>No se pudo leer el juego de fichas «%1»; las fichas conservan sus imágenes.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>You are sending chat faster than anyone can read it: lines are dropped until you slow down.</source>
        <translation>Envías mensajes más rápido de lo que nadie puede leer: se descartan líneas hasta que vayas más despacio.</translation>
    </message>
    <message>
        <source>You are sending commands faster than anyone can play: some were ignored.</source>
        <translation>Envías órdenes más rápido de lo que nadie puede jugar: algunas se han ignorado.</translation>
    </message>
    <message>
        <source>You have moved tiles more often this turn than anyone could: the rest of this turn&apos;s moves are ignored.</source>
        <translation>Has movido fichas en este turno más veces de lo que nadie podría: se ignoran los demás movimientos de este turno.</translation>
    </message>
    <message>
        <source>This server holds a single game.</source>
        <translation>Este servidor tiene una sola partida.</translation>
    </message>
    <message>
        <source>You have opened too many tables. Try again in a minute.</source>
        <translation>Has abierto demasiadas mesas. Inténtalo de nuevo dentro de un minuto.</translation>
    </message>
    <message>
        <source>Every table of this server is taken.</source>
        <translation>Todas las mesas de este servidor están ocupadas.</translation>
    </message>
    <message>
        <source>Your seat is no longer kept for you.</source>
        <translation>Tu asiento ya no se te guarda.</translation>
    </message>
    <message>
        <source>The server is full. Try again later.</source>
        <translation>El servidor está lleno. Inténtalo más tarde.</translation>
    </message>
    <message>
        <source>Too many connections from your address.</source>
        <translation>Demasiadas conexiones desde tu dirección.</translation>
    </message>
    <message>
        <source>No table with code %1.</source>
        <translation>No hay ninguna mesa con el código %1.</translation>
    </message>
    <message>
        <source>Table %1 is full.</source>
        <translation>La mesa %1 está llena.</translation>
    </message>
    <message>
        <source>No answer from %1: %2</source>
        <translation>Sin respuesta de %1: %2</translation>
    </message>
    <message>
        <source>Notify Me When It Is My Turn</source>
        <translation>Avisarme cuando sea mi turno</translation>
    </message>
    <message>
        <source>Game Records Kept</source>
        <translation>Conservar partidas</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
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
        <translation>Tu turno en Rimbalo</translation>
    </message>
    <message>
        <source>The other players are waiting for your move.</source>
        <translation>Los demás jugadores esperan tu jugada.</translation>
    </message>
</context>
<context>
    <name>client::TurnControls</name>
    <message>
        <source>Welcome to Rimbalo By Vemko Software!</source>
        <translation>¡Bienvenido a Rimbalo de Vemko Software!</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Pulsa aquí para ver el registro de partida</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Robar</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Pausar la partida</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro de partida</translation>
    </message>
    <message>
        <source>Blinks while the board is incomplete</source>
        <translation>Parpadea mientras la mesa está incompleta</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Tiempo: 0:00</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.</source>
        <translation>Hay grupos incompletos o incorrectos en la mesa.</translation>
    </message>
    <message>
        <source>Would you like to take a %1 tile penalty and end your turn?</source>
        <translation>¿Quieres recibir una penalización de %1 fichas y terminar tu turno?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least %1 points.</source>
        <translation>Las fichas de tu primera bajada deben sumar al menos %1 puntos.</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Colocar</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Tiempo: %1:%2</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>Tu primera bajada debe sumar al menos %1 puntos</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>La mesa está incompleta.</translation>
    </message>
    <message>
        <source>Board is incomplete: %1.</source>
        <translation>La mesa está incompleta: %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Tu turno.</translation>
    </message>
    <message>
        <source>Close the game log</source>
        <translation>Cerrar el registro de partida</translation>
    </message>
</context>
<context>
    <name>windows::AddressDialog</name>
    <message>
        <source>Host address:</source>
        <translation>Anfitrión:</translation>
    </message>
    <message>
        <source>name, IPv4 or IPv6 address</source>
        <translation>nombre, dirección IPv4 o IPv6</translation>
    </message>
</context>
<context>
    <name>windows::AuxWindow</name>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
</context>
<context>
    <name>windows::HelpText</name>
    <message>
        <source>Rimbalo is a rummy game played with numbered tiles by up to four players. The set has &lt;b&gt;%1 tiles&lt;/b&gt;: the numbers 1 to 13 in four colours, each twice, and two jokers. Each colour has its own symbol: &lt;b&gt;green clubs&lt;/b&gt; (&amp;#9827;), &lt;b&gt;orange diamonds&lt;/b&gt; (&amp;#9830;), &lt;b&gt;red hearts&lt;/b&gt; (&amp;#9829;) and &lt;b&gt;black spades&lt;/b&gt; (&amp;#9824;). The tiles 11, 12 and 13 show &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; and &lt;b&gt;K&lt;/b&gt; and count 11, 12 and 13.</source>
        <translation>Rimbalo es un juego de rummy con fichas numeradas para hasta cuatro jugadores. El juego tiene &lt;b&gt;%1 fichas&lt;/b&gt;: los números del 1 al 13 en cuatro colores, cada uno dos veces, y dos comodines. Cada color tiene su propio símbolo: &lt;b&gt;tréboles verdes&lt;/b&gt; (&amp;#9827;), &lt;b&gt;diamantes naranjas&lt;/b&gt; (&amp;#9830;), &lt;b&gt;corazones rojos&lt;/b&gt; (&amp;#9829;) y &lt;b&gt;picas negras&lt;/b&gt; (&amp;#9824;). Las fichas 11, 12 y 13 muestran &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; y &lt;b&gt;K&lt;/b&gt; y valen 11, 12 y 13.</translation>
    </message>
    <message>
        <source>Everybody plays on one shared board. On your turn you lay tiles from your rack onto the board in &lt;b&gt;sets&lt;/b&gt; and may rearrange the sets already there, as long as the whole board is made of valid sets when you finish. The first player to empty the rack wins the round and collects the value of every tile the others still hold. Rounds follow each other until a player reaches the target score.</source>
        <translation>Todos juegan en una misma mesa. En tu turno colocas fichas de tu atril en la mesa formando &lt;b&gt;jugadas&lt;/b&gt; y puedes reordenar las jugadas que ya están, siempre que al terminar toda la mesa esté formada por jugadas válidas. El primer jugador que vacía su atril gana la ronda y se lleva el valor de todas las fichas que los demás aún tienen. Las rondas se suceden hasta que un jugador alcanza la puntuación objetivo.</translation>
    </message>
    <message>
        <source>Seats nobody holds are played by the computer. When the host starts a game, &lt;b&gt;Computer Opponents&lt;/b&gt; (1 to 3) says how many of the empty seats the computer plays (0 is offered too when a friend already holds seat 2); a team game fills all four seats. Anybody who joins after the four seats are taken watches the game as an onlooker.</source>
        <translation>Los asientos que nadie ocupa los juega el ordenador. Cuando el anfitrión empieza una partida, &lt;b&gt;Rivales del ordenador&lt;/b&gt; (1 a 3) indica cuántos de los asientos libres juega el ordenador (también se ofrece 0 cuando un amigo ya ocupa el asiento 2); una partida por equipos llena los cuatro asientos. Quien se une cuando los cuatro asientos están ocupados mira la partida como observador.</translation>
    </message>
    <message>
        <source>The computer plays at one of five levels, weakest first: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (the default), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; and &lt;b&gt;%5&lt;/b&gt;. The host chooses it as the Computer Level in the start dialog or in the Options menu. %1 never moves a tile already on the board; %3 and %4 look for the most valuable lay-down, %4 rearranging the board&apos;s sets freely; %5 also plays the next turns out before it chooses. Options, Bot Speed sets how quickly it moves.</source>
        <extracomment>%1 to %5 are the computer levels, weakest first, as the Computer Level menu names them.</extracomment>
        <translation>El ordenador juega en uno de cinco niveles, del más débil al más fuerte: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (el predeterminado), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; y &lt;b&gt;%5&lt;/b&gt;. El anfitrión lo elige como nivel del ordenador en el diálogo de inicio de partida o en el menú Opciones. %1 nunca mueve una ficha que ya está en la mesa; %3 y %4 buscan la bajada de mayor valor, %4 reordenando libremente las jugadas de la mesa; %5 además simula los turnos siguientes de todos antes de decidir. Opciones, Velocidad del ordenador fija lo rápido que juega.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your window.&lt;/b&gt; Options, Tile Sets offers a &lt;b&gt;High contrast&lt;/b&gt; set whose colours stay apart for colour-blind players. Options, Language chooses the window&apos;s language from the next start (System follows the desktop). Screen readers can read out the rack, the board and the seats. When your turn starts while you are in another window, the window asks for attention and, unless Options, Notify Me When It Is My Turn is off, the desktop shows a notice.</source>
        <translation>&lt;b&gt;Tu ventana.&lt;/b&gt; Opciones, Juegos de fichas ofrece el juego &lt;b&gt;Alto contraste&lt;/b&gt;, cuyos colores se distinguen bien también para jugadores daltónicos. Opciones, Idioma elige el idioma de la ventana a partir del próximo inicio (Sistema sigue al escritorio). Los lectores de pantalla pueden leer el atril, la mesa y los asientos. Cuando empieza tu turno mientras estás en otra ventana, la ventana pide atención y, salvo que «Avisarme cuando sea mi turno» esté desactivado en el menú Opciones, el escritorio muestra un aviso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Game records.&lt;/b&gt; The games you host are kept: &lt;b&gt;Game, Game Records…&lt;/b&gt; lists them, replays any of them turn by turn and counts each player&apos;s games, wins and points.</source>
        <translation>&lt;b&gt;Partidas guardadas.&lt;/b&gt; Las partidas que organizas se guardan: &lt;b&gt;Partida, Partidas guardadas…&lt;/b&gt; las lista, reproduce cualquiera de ellas turno a turno y cuenta las partidas, victorias y puntos de cada jugador.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solo game.&lt;/b&gt; Start Rimbalo without anything else and it plays a game against the computer on this machine. You sit in seat 1 as &lt;i&gt;You&lt;/i&gt;; the game starts when you press &lt;b&gt;Start&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Partida en solitario.&lt;/b&gt; Inicia Rimbalo sin nada más y jugará una partida contra el ordenador en este equipo. Te sientas en el asiento 1 como &lt;i&gt;You&lt;/i&gt;; la partida empieza cuando pulsas &lt;b&gt;Empezar&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hosting a game.&lt;/b&gt; Choose &lt;b&gt;Game, Host a Game…&lt;/b&gt;, type your name and press &lt;b&gt;Host&lt;/b&gt;. The dialog then lists the addresses of this computer; &lt;b&gt;Copy&lt;/b&gt; one and send it to your friends. The game runs on TCP port %1 unless you choose another, and the host&apos;s firewall must let that port in. When the port is in use the dialog says so and offers a free one.</source>
        <extracomment>%1 is the game&apos;s usual TCP port.</extracomment>
        <translation>&lt;b&gt;Organizar una partida.&lt;/b&gt; Elige &lt;b&gt;Partida, Organizar una partida…&lt;/b&gt;, escribe tu nombre y pulsa &lt;b&gt;Organizar&lt;/b&gt;. El diálogo muestra entonces las direcciones de este equipo; copia una con &lt;b&gt;Copiar&lt;/b&gt; y envíasela a tus amigos. La partida usa el puerto TCP %1 salvo que elijas otro, y el cortafuegos del anfitrión debe dejar pasar ese puerto. Si el puerto está en uso, el diálogo lo dice y ofrece uno libre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Joining a game.&lt;/b&gt; Choose &lt;b&gt;Game, Join a Game…&lt;/b&gt;, type your name and the address the host gave you (such as 192.168.1.20, or 192.168.1.20:%1 for another port) and press &lt;b&gt;Join&lt;/b&gt;. If the host cannot be reached the dialog says why and you can try again.</source>
        <extracomment>%1 is another port than the usual one, as an example.</extracomment>
        <translation>&lt;b&gt;Unirse a una partida.&lt;/b&gt; Elige &lt;b&gt;Partida, Unirse a una partida…&lt;/b&gt;, escribe tu nombre y la dirección que te dio el anfitrión (por ejemplo 192.168.1.20, o 192.168.1.20:%1 para otro puerto) y pulsa &lt;b&gt;Unirse&lt;/b&gt;. Si no se puede llegar al anfitrión, el diálogo dice por qué y puedes volver a intentarlo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tables on a server.&lt;/b&gt; Friends in different homes meet at a table server, a computer everyone can reach that holds many tables, each its own game. In &lt;b&gt;Game, Join a Game…&lt;/b&gt; type its address, then press &lt;b&gt;List Tables&lt;/b&gt; and &lt;b&gt;Join Table&lt;/b&gt;, or type a table&apos;s code and press &lt;b&gt;Join by Code&lt;/b&gt;, or &lt;b&gt;Create a Table&lt;/b&gt; and give its code to your friends (a new table is private unless you untick &lt;b&gt;Private&lt;/b&gt;). Whoever opens a table holds seat 1 and the host&apos;s powers there.</source>
        <translation>&lt;b&gt;Mesas de un servidor.&lt;/b&gt; Amigos que viven en casas distintas se encuentran en un servidor de mesas, un ordenador al que todos pueden llegar y que tiene muchas mesas, cada una con su propia partida. En &lt;b&gt;Partida, Unirse a una partida…&lt;/b&gt; escribe su dirección y pulsa &lt;b&gt;Ver las mesas&lt;/b&gt; y &lt;b&gt;Unirse&lt;/b&gt;, o escribe el código de una mesa y pulsa &lt;b&gt;Con código&lt;/b&gt;, o pulsa &lt;b&gt;Crear mesa&lt;/b&gt; y da su código a tus amigos (una mesa nueva es privada salvo que desmarques &lt;b&gt;Privada&lt;/b&gt;). Quien abre una mesa ocupa en ella el asiento 1 y tiene los poderes del anfitrión.</translation>
    </message>
    <message>
        <source>&lt;b&gt;From the command line.&lt;/b&gt; Rimbalo can also be started with three words: your name, the host&apos;s address (with a table&apos;s code after a slash) and the role:</source>
        <translation>&lt;b&gt;Desde la línea de órdenes.&lt;/b&gt; Rimbalo también puede iniciarse con tres palabras: tu nombre, la dirección del anfitrión (con el código de una mesa tras una barra) y el papel:</translation>
    </message>
    <message>
        <source>(Ann hosts the game)</source>
        <translation>(Ann organiza la partida)</translation>
    </message>
    <message>
        <source>(Bob joins Ann&apos;s game)</source>
        <translation>(Bob se une a la partida de Ann)</translation>
    </message>
    <message>
        <source>(Cem joins the table K7MXQ4 of a server)</source>
        <translation>(Cem se une a la mesa K7MXQ4 de un servidor)</translation>
    </message>
    <message>
        <source>The host always plays in seat 1 and is the one who starts games, pauses them and can remove a player. Players take seats 2 to 4 in the order they connect; later arrivals watch. A player who joins while a game runs takes over a free seat&apos;s tiles and score, or waits for the next round.</source>
        <translation>El anfitrión juega siempre en el asiento 1 y es quien empieza las partidas, las pausa y puede quitar a un jugador. Los jugadores ocupan los asientos 2 a 4 en el orden en que se conectan; los que llegan después miran. Un jugador que se une durante una partida toma las fichas y los puntos de un asiento libre, o espera a la ronda siguiente.</translation>
    </message>
    <message>
        <source>The Vemko Lobby starts Rimbalo this way for you when you host or join a game there. When the host leaves, the game ends for everybody.</source>
        <translation>The Vemko Lobby inicia Rimbalo de esta manera por ti cuando organizas una partida allí o te unes a una. Cuando el anfitrión se va, la partida termina para todos.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The deal.&lt;/b&gt; Every playing seat gets %1 tiles (the host may choose %2 to %3; the deal is lowered when the pool would keep fewer than 10 tiles). Turns pass from seat to seat.</source>
        <extracomment>%1 is the usual deal; %2 to %3 the deals the host may choose.</extracomment>
        <translation>&lt;b&gt;El reparto.&lt;/b&gt; Cada asiento que juega recibe %1 fichas (el anfitrión puede elegir de %2 a %3; el reparto se reduce cuando en el pozo quedarían menos de 10 fichas). Los turnos pasan de asiento en asiento.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sets.&lt;/b&gt; Sets lie along a row of the board, left to right, with an empty cell between neighbouring sets. Every set has at least three tiles and is either</source>
        <translation>&lt;b&gt;Jugadas.&lt;/b&gt; Las jugadas se colocan a lo largo de una fila de la mesa, de izquierda a derecha, con una casilla vacía entre jugadas vecinas. Cada jugada tiene al menos tres fichas y es o bien</translation>
    </message>
    <message>
        <source>a &lt;b&gt;run&lt;/b&gt;: consecutive numbers of one colour, such as green 4, 5, 6 (13 is the highest number; runs do not go round from 13 to 1), or</source>
        <translation>una &lt;b&gt;escalera&lt;/b&gt;: números consecutivos de un mismo color, como 4, 5, 6 verdes (13 es el número más alto; las escaleras no siguen del 13 al 1), o bien</translation>
    </message>
    <message>
        <source>a &lt;b&gt;group&lt;/b&gt;: one number in different colours, such as red 9, black 9, orange 9.</source>
        <translation>un &lt;b&gt;grupo&lt;/b&gt;: un mismo número en colores distintos, como 9 rojo, 9 negro, 9 naranja.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tile values.&lt;/b&gt; A tile counts its number: 1 to 10, and J, Q and K count 11, 12 and 13.</source>
        <translation>&lt;b&gt;Valor de las fichas.&lt;/b&gt; Una ficha vale su número: del 1 al 10, y J, Q y K valen 11, 12 y 13.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jokers&lt;/b&gt; stand in for any tile. A run with jokers must still fit between 1 and 13, so no joker can stand before a 1 or after a 13; both jokers may stand side by side, as in joker, joker, green 5, green 6 (a 3-4-5-6). With both jokers a group can hold six tiles.</source>
        <translation>Los &lt;b&gt;comodines&lt;/b&gt; sustituyen a cualquier ficha. Una escalera con comodines debe caber igualmente entre 1 y 13, así que ningún comodín puede ir antes de un 1 ni después de un 13; los dos comodines pueden ir juntos, como en comodín, comodín, 5 verde, 6 verde (un 3-4-5-6). Con los dos comodines un grupo puede tener seis fichas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your first lay-down&lt;/b&gt; in a round must be worth at least &lt;b&gt;%1 points&lt;/b&gt;: the tiles you lay from your rack in that turn count their numbers, a joker counts %2. Moving tiles that are already on the board counts nothing. After that, any valid board will do.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Tu primera bajada&lt;/b&gt; en una ronda debe valer al menos &lt;b&gt;%1 puntos&lt;/b&gt;: las fichas que colocas de tu atril en ese turno cuentan su número y un comodín cuenta %2. Mover fichas que ya están en la mesa no cuenta nada. Después, vale cualquier mesa válida.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your turn.&lt;/b&gt; Click a tile in your rack to pick it up and click an empty board cell to put it down; click a board tile to pick it up and move it. Hold Shift when picking a rack tile to lay the next two numbers of its run with it, or Ctrl for two more tiles of its group. Right-click a tile you laid this turn to take it back. &lt;b&gt;Clear&lt;/b&gt; takes back the whole turn, &lt;b&gt;Draw&lt;/b&gt; takes one tile and ends the turn, &lt;b&gt;Finish&lt;/b&gt; ends the turn with the tiles laid; it shows once you have laid or moved a tile. A tile you have just drawn, and each tile dealt to you as a penalty, carries a blue corner until you next touch your rack. The small light next to the buttons blinks while the board is not yet complete.</source>
        <translation>&lt;b&gt;Tu turno.&lt;/b&gt; Haz clic en una ficha de tu atril para cogerla y en una casilla vacía de la mesa para dejarla; haz clic en una ficha de la mesa para cogerla y moverla. Mantén Mayús al coger una ficha del atril para colocar con ella los dos números siguientes de su escalera, o Ctrl para otras dos fichas de su grupo. Un clic derecho en una ficha que colocaste en este turno la retira. &lt;b&gt;Deshacer&lt;/b&gt; retira todo el turno, &lt;b&gt;Robar&lt;/b&gt; toma una ficha y termina el turno, &lt;b&gt;Terminar&lt;/b&gt; termina el turno con las fichas colocadas; este botón aparece en cuanto has colocado o movido una ficha. Una ficha que acabas de robar, y cada ficha que recibes como penalización, lleva una esquina azul hasta que vuelves a tocar tu atril. La pequeña luz junto a los botones parpadea mientras la mesa no está completa.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hint.&lt;/b&gt; During your turn &lt;b&gt;Hint&lt;/b&gt; outlines the rack tiles of the most valuable lay-down the board allows, its sets rearranged as needed (before your first lay-down only one worth %1); press it again (it then reads &lt;b&gt;Place&lt;/b&gt;) to lay them, then Finish. The host can switch hints off (Options, Allow Hints). Hints come from the same search the %2 computer players use.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 the computer level whose search gives the hints.</extracomment>
        <translation>&lt;b&gt;Pista.&lt;/b&gt; Durante tu turno, &lt;b&gt;Pista&lt;/b&gt; marca las fichas del atril de la bajada de mayor valor que permite la mesa, reordenando sus jugadas si hace falta (antes de tu primera bajada, solo una que valga %1); púlsalo otra vez (entonces dice &lt;b&gt;Colocar&lt;/b&gt;) para colocarlas, y luego Terminar. El anfitrión puede desactivar las pistas (Opciones, Permitir pistas). Las pistas salen de la misma búsqueda que usan los jugadores del ordenador de nivel %2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The clock.&lt;/b&gt; Every turn runs against a clock (%1 seconds unless the host chooses %2 to %3). When the time is up the turn is taken back and you draw %4 tiles, or one when the host switched the time penalty off.</source>
        <extracomment>%1 is the usual time of a turn in seconds; %2 to %3 the times the host may choose; %4 the tiles drawn as the time penalty.</extracomment>
        <translation>&lt;b&gt;El reloj.&lt;/b&gt; Cada turno corre contra el reloj (%1 segundos salvo que el anfitrión elija de %2 a %3). Cuando se acaba el tiempo, el turno se deshace y robas %4 fichas, o una si el anfitrión desactivó la penalización por tiempo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;An incomplete board.&lt;/b&gt; If you finish while the board holds an incomplete or wrong set, you are offered a &lt;b&gt;%1-tile penalty&lt;/b&gt;: take it and your turn is taken back and ends, or go back and mend the board. With less than 10 seconds left the turn is taken back at once.</source>
        <extracomment>%1 is the number of penalty tiles.</extracomment>
        <translation>&lt;b&gt;Una mesa incompleta.&lt;/b&gt; Si terminas mientras la mesa tiene una jugada incompleta o incorrecta, se te ofrece una &lt;b&gt;penalización de %1 fichas&lt;/b&gt;: acéptala y tu turno se deshace y termina, o vuelve atrás y arregla la mesa. Con menos de 10 segundos restantes el turno se deshace en el acto.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Sort by Numbers&lt;/b&gt; and &lt;b&gt;Sort by Suits&lt;/b&gt; buttons sort your rack; a right-click on any rack tile sorts it again.</source>
        <translation>Los botones &lt;b&gt;Ordenar por números&lt;/b&gt; y &lt;b&gt;Ordenar por colores&lt;/b&gt; ordenan tu atril; un clic derecho en cualquier ficha del atril lo vuelve a ordenar.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop.&lt;/b&gt; You can also drag a tile from the rack to the board, from one cell to another, or back onto the rack to take it back. Hold Alt or Shift while dragging a board tile to move its whole set. During your turn a set that is not yet valid has a dashed amber outline (the red frames mark the cells of the last move); when the server refuses a Finish, the line under the board names the set at fault. A move that cannot be made says why under the board, and during your first lay-down the line under the board counts its value towards %1.</source>
        <extracomment>%1 is the least value of a first lay-down.</extracomment>
        <translation>&lt;b&gt;Arrastrar y soltar.&lt;/b&gt; También puedes arrastrar una ficha del atril a la mesa, de una casilla a otra, o de vuelta al atril para retirarla. Mantén Alt o Mayús mientras arrastras una ficha de la mesa para mover toda su jugada. Durante tu turno, una jugada que aún no es válida tiene un contorno ámbar discontinuo (los marcos rojos señalan las casillas del último movimiento); cuando el servidor rechaza un Terminar, la línea bajo la mesa nombra la jugada errónea. Un movimiento imposible explica el motivo bajo la mesa, y durante tu primera bajada la línea bajo la mesa muestra cuánto vale respecto a los %1 necesarios.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard.&lt;/b&gt; Click the board first (Esc leaves the chat line). &lt;b&gt;Enter&lt;/b&gt; finishes the turn once you have laid tiles (with nothing laid it does nothing: press &lt;b&gt;D&lt;/b&gt; to draw), &lt;b&gt;D&lt;/b&gt; draws, &lt;b&gt;Esc&lt;/b&gt; puts the tile in your hand back or else clears the turn, &lt;b&gt;1&lt;/b&gt; and &lt;b&gt;2&lt;/b&gt; sort by numbers and by suits, &lt;b&gt;P&lt;/b&gt; pauses, &lt;b&gt;H&lt;/b&gt; asks for a hint and, pressed again, lays it. The &lt;b&gt;arrow keys&lt;/b&gt; move a yellow frame over the rack and the board; &lt;b&gt;Space&lt;/b&gt; picks up or puts down the tile under it (Shift+Space or Ctrl+Space picks a rack tile for its run or its group).</source>
        <translation>&lt;b&gt;Teclado.&lt;/b&gt; Haz clic primero en la mesa (Esc sale de la línea de chat). &lt;b&gt;Intro&lt;/b&gt; termina el turno una vez colocadas fichas (sin nada colocado no hace nada: pulsa &lt;b&gt;D&lt;/b&gt; para robar), &lt;b&gt;D&lt;/b&gt; roba, &lt;b&gt;Esc&lt;/b&gt; devuelve la ficha que tienes en la mano o, si no, deshace el turno, &lt;b&gt;1&lt;/b&gt; y &lt;b&gt;2&lt;/b&gt; ordenan por números y por colores, &lt;b&gt;P&lt;/b&gt; pausa, &lt;b&gt;H&lt;/b&gt; pide una pista y, pulsada otra vez, la coloca. Las &lt;b&gt;flechas&lt;/b&gt; mueven un marco amarillo por el atril y la mesa; &lt;b&gt;Espacio&lt;/b&gt; coge o deja la ficha que hay debajo (Mayús+Espacio o Ctrl+Espacio coge una ficha del atril para su escalera o su grupo).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Laying tiles.&lt;/b&gt; Every turn you finish adds the value of the tiles you laid from your rack to your score: numbers count their face value, a joker counts %1.</source>
        <extracomment>%1 is a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Colocar fichas.&lt;/b&gt; Cada turno que terminas suma a tu puntuación el valor de las fichas que colocaste de tu atril: los números valen lo que indican, un comodín vale %1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;End of the round.&lt;/b&gt; When a player empties the rack the round is over. Every other player loses the value of the tiles left in the rack, and the winner of the round gains all of it. If the pool runs dry and nobody can go out, every player loses the value of the rack and nobody gains. The &lt;i&gt;Round&lt;/i&gt; column shows each seat&apos;s result of the last round.</source>
        <translation>&lt;b&gt;Fin de la ronda.&lt;/b&gt; Cuando un jugador vacía su atril, la ronda termina. Cada uno de los demás pierde el valor de las fichas que le quedan en el atril, y el ganador de la ronda se lo lleva todo. Si el pozo se agota y nadie puede cerrar, cada jugador pierde el valor de su atril y nadie gana nada. La columna &lt;i&gt;Ronda&lt;/i&gt; muestra el resultado de cada asiento en la última ronda.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Winning.&lt;/b&gt; When a seat reaches the target score (%1 unless the host chooses otherwise) with the highest score, it wins the game. If two seats share the highest score another round is played. The next round starts 20 seconds after the last one ended.</source>
        <extracomment>%1 is the usual target score.</extracomment>
        <translation>&lt;b&gt;Ganar.&lt;/b&gt; Cuando un asiento alcanza la puntuación objetivo (%1 salvo que el anfitrión elija otra) con la puntuación más alta, gana la partida. Si dos asientos comparten la puntuación más alta, se juega otra ronda. La ronda siguiente empieza 20 segundos después de terminar la anterior.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Team game.&lt;/b&gt; Seats 1 and 3 (the Green Team) play against seats 2 and 4 (the Brown Team); the computer plays any seat nobody holds. Partners share one score, and one partner&apos;s first lay-down counts for both. A team wins the round when both partners have emptied their racks, and gains the value of both opponents&apos; racks, which the other team loses.</source>
        <translation>&lt;b&gt;Partida por equipos.&lt;/b&gt; Los asientos 1 y 3 (el equipo verde) juegan contra los asientos 2 y 4 (el equipo marrón); el ordenador juega cualquier asiento que nadie ocupe. Los compañeros comparten una puntuación, y la primera bajada de uno cuenta para ambos. Un equipo gana la ronda cuando los dos compañeros han vaciado sus atriles, y se lleva el valor de los atriles de ambos rivales, que el otro equipo pierde.</translation>
    </message>
    <message>
        <source>Rimbalo version %1, by Vemko Software.</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Rimbalo versión %1, de Vemko Software.</translation>
    </message>
    <message>
        <source>The tiles, the board and every picture in the game are drawn by the program itself.</source>
        <translation>Las fichas, la mesa y todas las imágenes del juego las dibuja el propio programa.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in &lt;i&gt;vemkolobby.ini&lt;/i&gt; and its tally in &lt;i&gt;rimbalotally.tld&lt;/i&gt; beside the program, or in your own data folder when the game is installed or its folder cannot be written; the records of the games you host go to that data folder.</source>
        <translation>Rimbalo guarda sus ajustes en &lt;i&gt;vemkolobby.ini&lt;/i&gt; y su marcador en &lt;i&gt;rimbalotally.tld&lt;/i&gt; junto al programa, o en tu propia carpeta de datos cuando el juego está instalado o no se puede escribir en su carpeta; las partidas que organizas se guardan en esa carpeta de datos.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Historial de versiones</translation>
    </message>
    <message>
        <source>the game window, hosting and joining games, seats and onlookers; tables on a server and their codes; five computer levels and hints; game records and their replay; a high-contrast tile set, screen readers and a turn alert; the window in eight languages.</source>
        <translation>la ventana de juego, organizar partidas y unirse a ellas, asientos y observadores; mesas de un servidor y sus códigos; cinco niveles del ordenador y pistas; partidas guardadas y su reproducción; un juego de fichas de alto contraste, lectores de pantalla y un aviso de turno; la ventana en ocho idiomas.</translation>
    </message>
    <message>
        <source>The Vemko Lobby is a separate program by the makers of Rimbalo where players meet, chat and open games. When you host or join a Rimbalo game there, the lobby starts Rimbalo with your name, the host&apos;s address and your role, and Rimbalo tells the lobby that the game is running for as long as it stays open.</source>
        <translation>The Vemko Lobby es un programa aparte de los creadores de Rimbalo donde los jugadores se encuentran, charlan y abren partidas. Cuando organizas allí una partida de Rimbalo o te unes a una, el vestíbulo inicia Rimbalo con tu nombre, la dirección del anfitrión y tu papel, y Rimbalo avisa al vestíbulo de que la partida sigue en curso mientras permanezca abierto.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in its own section of the lobby&apos;s settings file, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, and never changes the lobby&apos;s own settings there.</source>
        <translation>Rimbalo guarda sus ajustes en su propia sección del archivo de ajustes del vestíbulo, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, y nunca cambia allí los ajustes propios del vestíbulo.</translation>
    </message>
</context>
<context>
    <name>windows::HostDialog</name>
    <message>
        <source>Rimbalo - Host a Game</source>
        <translation>Rimbalo - Organizar una partida</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Organizar una partida</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Organizar</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Dejar de organizar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Choose Host: this game ends and a new one opens for your friends to join.</source>
        <translation>Elige Organizar: esta partida termina y se abre una nueva para tus amigos.</translation>
    </message>
    <message>
        <source>You are hosting on port %1. Give your friends one of these addresses (those on the first lines work from other computers):</source>
        <translation>Organizas en el puerto %1. Da a tus amigos una de estas direcciones (las primeras sirven desde otros ordenadores):</translation>
    </message>
    <message>
        <source>You are hosting on port %1, but this computer has no network address others can reach: only this computer can join.</source>
        <translation>Organizas en el puerto %1, pero este ordenador no tiene ninguna dirección accesible para otros: solo este ordenador puede unirse.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2.</source>
        <translation>No se puede usar el puerto %1: %2.</translation>
    </message>
    <message>
        <source> Port %1 is free.</source>
        <translation> El puerto %1 está libre.</translation>
    </message>
    <message>
        <source>Use Port %1</source>
        <translation>Usar el puerto %1</translation>
    </message>
    <message>
        <source> Choose another port.</source>
        <translation> Elige otro puerto.</translation>
    </message>
</context>
<context>
    <name>windows::JoinDialog</name>
    <message>
        <source>Rimbalo - Join a Game</source>
        <translation>Rimbalo - Unirse a una partida</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Unirse a una partida</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Escribe la dirección del anfitrión.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host address.</source>
        <translation>«%1» no es una dirección de anfitrión.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>to %1, %2 s a turn, %3 tiles</source>
        <translation>a %1, %2 s por turno, %3 fichas</translation>
    </message>
    <message>
        <source>Tables on a server</source>
        <translation>Mesas de un servidor</translation>
    </message>
    <message>
        <source>List Tables</source>
        <translation>Ver las mesas</translation>
    </message>
    <message>
        <source>of the server at the address above</source>
        <translation>del servidor indicado arriba</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plazas</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Público</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Join Table</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Con código</translation>
    </message>
    <message>
        <source>new table&apos;s name</source>
        <translation>nombre de la mesa</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privada</translation>
    </message>
    <message>
        <source>Create a Table</source>
        <translation>Crear mesa</translation>
    </message>
    <message>
        <source>Asking %1 for its tables…</source>
        <translation>Pidiendo las mesas a %1…</translation>
    </message>
    <message>
        <source>%1 has no open tables: create one.</source>
        <translation>%1 no tiene mesas abiertas: crea una.</translation>
    </message>
    <message>
        <source>Open tables of %1.</source>
        <translation>Mesas abiertas de %1.</translation>
    </message>
    <message>
        <source>Choose a table in the list, or type its code.</source>
        <translation>Elige una mesa de la lista o escribe su código.</translation>
    </message>
    <message>
        <source>Please type the table&apos;s code.</source>
        <translation>Escribe el código de la mesa.</translation>
    </message>
    <message>
        <source>Joining table %1…</source>
        <translation>Uniéndose a la mesa %1…</translation>
    </message>
    <message>
        <source>Creating a table…</source>
        <translation>Creando una mesa…</translation>
    </message>
</context>
<context>
    <name>windows::TableCodeDialog</name>
    <message>
        <source>Rimbalo - Your Table</source>
        <translation>Rimbalo - Tu mesa</translation>
    </message>
    <message>
        <source>Your Table</source>
        <translation>Tu mesa</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed on %2. Friends can also type this code in Join a Game….</source>
        <translation>«%1» aparece en la lista de %2. Tus amigos también pueden escribir este código en Unirse a una partida….</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is private: only those you give this code to can join it, in Join a Game… at %2.</source>
        <translation>«%1» es privada: solo pueden unirse aquellos a quienes des este código, en Unirse a una partida… en %2.</translation>
    </message>
</context>
<context>
    <name>windows::Tabout</name>
    <message>
        <source>Rimbalo - About</source>
        <translation>Rimbalo - Acerca de</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>windows::Tdownload</name>
    <message>
        <source>If you already have The Vemko Lobby and you wish to play with others then click the button below to close this game and open The Vemko Lobby.</source>
        <translation>Si ya tienes The Vemko Lobby y quieres jugar con otros, pulsa el botón de abajo para cerrar este juego y abrir The Vemko Lobby.</translation>
    </message>
    <message>
        <source>To play with others, host a game on this computer or join a friend&apos;s game: click the button below.</source>
        <translation>Para jugar con otros, organiza una partida en este ordenador o únete a la de un amigo: pulsa el botón de abajo.</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby</source>
        <translation>Descargar The Vemko Lobby</translation>
    </message>
    <message>
        <source>No download address is set: add LobbyUrl= and the installer&apos;s address to the [rimbalo] section of vemkolobby.ini.</source>
        <translation>No hay dirección de descarga: añade LobbyUrl= y la dirección del instalador a la sección [rimbalo] de vemkolobby.ini.</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>CERRADO</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>¡Descarga ahora The Vemko Lobby para jugar en línea a este y otros juegos emocionantes con otros jugadores! </translation>
    </message>
    <message>
        <source>Download And Install The Vemko Lobby Now</source>
        <translation>Descargar e instalar The Vemko Lobby</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para seguir al juego sin poder jugar contra otros, pulsa el botón de abajo.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jugar solo</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Nota: aunque juegues sin conexión, tendrás que configurar tu CORTAFUEGOS para que el juego pueda usar sus componentes de internet.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>No volver a mostrar</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Descarga cancelada</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Descargando: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>El servidor respondió %1 %2</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Solo llegaron %1 de %2 bytes</translation>
    </message>
    <message>
        <source>The server sent an empty file</source>
        <translation>El servidor envió un archivo vacío</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Recibidos %1 bytes</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Se ha producido un error.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Se ha cancelado la descarga.</translation>
    </message>
    <message>
        <source>Please close the game and open the Vemko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Cierra el juego y abre Vemko Lobby con el icono del escritorio o desde el menú Inicio de Windows.</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Organizar una partida…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Unirse a una partida…</translation>
    </message>
</context>
<context>
    <name>windows::Tgamestart</name>
    <message>
        <source>Rimbalo - Game Start</source>
        <translation>Rimbalo - Inicio de partida</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones de partida</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Jugar hasta:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <translation>Tiempo por turno:</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Fichas iniciales:</translation>
    </message>
    <message>
        <source>Computer Opponents:</source>
        <translation>Rivales del ordenador:</translation>
    </message>
    <message>
        <source>How many empty seats the computer plays (a team game fills all four); 0 when a friend holds seat 2 and nobody else is wanted</source>
        <translation>Cuántos asientos libres juega el ordenador (una partida por equipos llena los cuatro); 0 cuando un amigo ocupa el asiento 2 y no se quiere a nadie más</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Penalizar tiempo</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Por equipos</translation>
    </message>
    <message>
        <source>Computer Level:</source>
        <translation>Nivel del ordenador:</translation>
    </message>
    <message>
        <source>How well the computer seats play, from Beginner to Master</source>
        <translation>Lo bien que juegan los asientos del ordenador, de Principiante a Maestro</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
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
        <translation>Rimbalo - Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>El vestíbulo</translation>
    </message>
</context>
<context>
    <name>windows::Tphrases</name>
    <message>
        <source>Rimbalo - Phrase Buttons </source>
        <translation>Rimbalo - Botones de frases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Los botones solo se pueden usar una vez cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>windows::Tspylist</name>
    <message>
        <source>Rimbalo - Spys</source>
        <translation>Rimbalo - Observadores</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Observadores</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
</context>
<context>
    <name>windows::Ttallylist</name>
    <message>
        <source>Rimbalo - Tally List</source>
        <translation>Rimbalo - Marcador</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Reiniciar marcador</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas totales:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Tus victorias:</translation>
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
        <translation>Jugadores de la partida actual</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jugadores en el marcador</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Number of Games:</source>
        <translation>Número de partidas:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Nadie ganó:</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to open input file : %1</source>
        <translation>Lzrw1 (des)compresión: no se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <source>%1 is far too large for a tally.</source>
        <translation>%1 es demasiado grande para un marcador.</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input file : %1</source>
        <translation>Lzrw1: error al leer el archivo: %1</translation>
    </message>
    <message>
        <source>%1 does not hold a tally.</source>
        <translation>%1 no contiene un marcador.</translation>
    </message>
    <message>
        <source>The file is kept as %1 and a new tally is started.</source>
        <translation>El archivo se guarda como %1 y empieza un marcador nuevo.</translation>
    </message>
    <message>
        <source>A new tally is started; it will not be saved over that file.</source>
        <translation>Empieza un marcador nuevo; no se guardará sobre ese archivo.</translation>
    </message>
    <message>
        <source>The tally could not be saved to %1: %2</source>
        <translation>No se pudo guardar el marcador en %1: %2</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Esto borrará el marcador de %1. ¿Quieres borrarlo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victorias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Marcador de %1</translation>
    </message>
    <message>
        <source>Select a player to tally</source>
        <translation>Elige un jugador</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres reiniciar el marcador?</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
</context>
</TS>
