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
