<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ComputerLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
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
        <translation>La partita iniziata il %1 (UTC) si è interrotta prima della fine, alla mano %2.
Giocatori e punteggi: %3.</translation>
    </message>
    <message>
        <source>Resume the Stopped Game?</source>
        <translation>Riprendere la partita interrotta?</translation>
    </message>
    <message>
        <source>Resume it with the same seats, tiles, board and scores? Its players get their seats back by joining with their names.</source>
        <translation>Riprenderla con gli stessi posti, tessere, tavolo e punteggi? I suoi giocatori riavranno il loro posto unendosi con il proprio nome.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>The choice could not be kept: the records folder cannot be written. The game will be offered again.</source>
        <translation>Impossibile conservare la scelta: non si può scrivere nella cartella delle partite. La partita sarà riproposta.</translation>
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
        <translation>%1 non può stare accanto a %2 qui.</translation>
    </message>
</context>
<context>
    <name>client::BoardView</name>
    <message>
        <source>a set in row %1 has %2 %3</source>
        <translation>una combinazione nella riga %1 ha %2 %3</translation>
    </message>
    <message>
        <source>a set in row %1 is no run or group</source>
        <translation>una combinazione nella riga %1 non è né scala né tris</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Quella casella è occupata.</translation>
    </message>
    <message>
        <source>First lay-down: %1 of %2</source>
        <translation>Prima calata: %1 di %2</translation>
    </message>
    <message>
        <source>The set does not fit there.</source>
        <translation>La combinazione non ci sta.</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>tessera</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>tessere</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 ha posato: %2.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 ha spostato: %2.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 ha ripreso: %2.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 ha ripreso le sue tessere.</translation>
    </message>
</context>
<context>
    <name>client::ChatInput</name>
    <message>
        <source>See ya!</source>
        <translation>Ciao ciao!</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Scrivi qui&gt;</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Messaggio di chat</translation>
    </message>
</context>
<context>
    <name>client::ChatView</name>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Pulisci la chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Non scorrere la chat</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Impossibile aprire la pagina web</translation>
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
        <translation>Ciao</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Grazie</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Dove eri finito?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Russare</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Starnuto</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Scusa</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yeehaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Evviva</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh no</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applausi</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Clacson</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pernacchia</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Esultanza</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Donna che ride</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Uomo che ride</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Pianto</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Annulla&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Suono&gt; %2</translation>
    </message>
</context>
<context>
    <name>client::GameFlow</name>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 ha iniziato una partita.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Hai iniziato una partita.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Ognuno parte con %1 tessere.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Tocca a %1.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 ha pescato una tessera.</translation>
    </message>
    <message>
        <source>%1 took a %2 tile penalty.</source>
        <translation>%1 ha preso una penalità di %2 tessere.</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>La mano finisce in parità.</translation>
    </message>
    <message>
        <source> You are out of tiles! The Round is Over.</source>
        <translation> Hai finito le tessere! La mano è finita.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>%1 ha finito le tessere! La mano è finita.</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Hai vinto la partita!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 ha vinto la partita!</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>Non puoi annullare con una tessera in mano.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>Non puoi finire il turno con una tessera in mano.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>Non puoi pescare con una tessera in mano.</translation>
    </message>
    <message>
        <source>You cannot take a hint when you have a tile in your hand.</source>
        <translation>Non puoi chiedere un suggerimento con una tessera in mano.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>Il tuo tempo è scaduto!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>Il tempo di %1 è scaduto.</translation>
    </message>
</context>
<context>
    <name>client::GameInfo</name>
    <message>
        <source>Time Penalty</source>
        <translation>Penalità di tempo</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Buona fortuna</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: 0</source>
        <translation>Tessere rimaste: 0</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Vincitore!</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Si gioca a: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1:%2</source>
        <translation>Tempo per turno: %1:%2</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Tempo per turno: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Penalità di tempo: SÌ</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Penalità di tempo: NO</translation>
    </message>
    <message>
        <source>Play To Score: -</source>
        <translation>Si gioca a: -</translation>
    </message>
    <message>
        <source>Time Per Turn: -</source>
        <translation>Tempo per turno: -</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partita a squadre</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Tessere rimaste: %1</translation>
    </message>
</context>
<context>
    <name>client::Hints</name>
    <message>
        <source>This program offers no hints</source>
        <translation>Questo programma non dà suggerimenti</translation>
    </message>
    <message>
        <source>This game&apos;s host offers no hints</source>
        <translation>L’organizzatore di questa partita non dà suggerimenti</translation>
    </message>
    <message>
        <source>The host has switched hints off</source>
        <translation>L’organizzatore ha disattivato i suggerimenti</translation>
    </message>
    <message>
        <source>Lay the outlined tiles (H)</source>
        <translation>Cala le tessere evidenziate (H)</translation>
    </message>
    <message>
        <source>Outline the best lay-down for your rack (H)</source>
        <translation>Evidenzia la calata migliore per il tuo leggio (H)</translation>
    </message>
    <message>
        <source>No hint: a set on the board cannot be completed. Clear your moves.</source>
        <translation>Nessun suggerimento: una combinazione sul tavolo non si può completare. Annulla le tue mosse.</translation>
    </message>
    <message>
        <source>No lay-down of %1 yet: draw a tile.</source>
        <translation>Nessuna calata da %1 per ora: pesca una tessera.</translation>
    </message>
    <message>
        <source>None of your tiles can be laid: draw a tile.</source>
        <translation>Nessuna tua tessera si può calare: pesca una tessera.</translation>
    </message>
    <message>
        <source>Hint: %1 worth %2. Press Place to lay %3.</source>
        <translation>Suggerimento: %1 per %2. Premi Posa per calar%3.</translation>
    </message>
    <message>
        <source>1 tile</source>
        <translation>1 tessera</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 tessere</translation>
    </message>
    <message>
        <source>Hint laid (%1 points): press Finish to end your turn.</source>
        <translation>Suggerimento calato (%1 punti): premi Fine per chiudere il turno.</translation>
    </message>
    <message>
        <source>it</source>
        <translation>la</translation>
    </message>
    <message>
        <source>them</source>
        <translation>le</translation>
    </message>
</context>
<context>
    <name>client::PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Vai così!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Bella mossa!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Bel tentativo!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Eccellente!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Geniale!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Wow, grande!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Grazie!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Vai così, socio!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Bella partita a tutti!</translation>
    </message>
</context>
<context>
    <name>client::RackView</name>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Questa mano è già iniziata. Dovrai aspettare la prossima mano.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>Non puoi scegliere un’altra tessera con una tessera del tavolo in mano.</translation>
    </message>
    <message>
        <source>%1 (just drawn)</source>
        <translation>%1 (appena pescata)</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>ORDINA:</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Ordina per numero</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Ordina per colore</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>appena pescata</translation>
    </message>
    <message>
        <source>Your rack</source>
        <translation>Il tuo leggio</translation>
    </message>
</context>
<context>
    <name>client::RecordStatsPage</name>
    <message>
        <source>Rimbalo - Game Statistics</source>
        <translation>Rimbalo - Statistiche delle partite</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Avversario</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partite vinte</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Giocatore:</translation>
    </message>
    <message>
        <source>No games have been recorded yet.</source>
        <translation>Non è ancora stata registrata nessuna partita.</translation>
    </message>
    <message>
        <source>Games played: %1, won: %2</source>
        <translation>Partite giocate: %1, vinte: %2</translation>
    </message>
    <message>
        <source>Rounds played: %1, gone out: %2</source>
        <translation>Mani giocate: %1, chiuse: %2</translation>
    </message>
    <message>
        <source>Average points per round: %1</source>
        <translation>Punti medi per mano: %1</translation>
    </message>
    <message>
        <source>Best round: %1 points (round %2 of the game of %3)</source>
        <translation>Mano migliore: %1 punti (mano %2 della partita del %3)</translation>
    </message>
    <message numerus="yes">
        <source>From %n recorded game(s).</source>
        <translation>
            <numerusform>In base a %n partita registrata.</numerusform>
            <numerusform>In base a %n partite registrate.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>client::ReplayWindow</name>
    <message>
        <source>Game Records</source>
        <translation>Partite registrate</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vincitore</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>To the round&apos;s start (Home)</source>
        <translation>All’inizio della mano (Home)</translation>
    </message>
    <message>
        <source>Back one turn (Left)</source>
        <translation>Indietro di un turno (Sinistra)</translation>
    </message>
    <message>
        <source>Forward one turn (Right)</source>
        <translation>Avanti di un turno (Destra)</translation>
    </message>
    <message>
        <source>To the round&apos;s end (End)</source>
        <translation>Alla fine della mano (Fine)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Apri un file di partita</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Save this game&apos;s record file to send</source>
        <translation>Salva il file di questa partita per inviarlo</translation>
    </message>
    <message>
        <source>(not finished)</source>
        <translation>(non finita)</translation>
    </message>
    <message>
        <source>Game Records — %1</source>
        <translation>Partite registrate — %1</translation>
    </message>
    <message>
        <source>Round %1, end</source>
        <translation>Mano %1, fine</translation>
    </message>
    <message>
        <source>Round %1, turn %2 of %3</source>
        <translation>Mano %1, turno %2 di %3</translation>
    </message>
    <message>
        <source>Could not export the record to %1.</source>
        <translation>Impossibile esportare la partita in %1.</translation>
    </message>
    <message>
        <source>Export Game Record</source>
        <translation>Esporta partita</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec)</source>
        <translation>Partite di Rimbalo (*.rimrec)</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Apri partita</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec);;All files (*)</source>
        <translation>Partite di Rimbalo (*.rimrec);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Seat %1</source>
        <translation>Posto %1</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiche…</translation>
    </message>
    <message>
        <source>Games played and won, points per round, the best round</source>
        <translation>Partite giocate e vinte, punti per mano, la mano migliore</translation>
    </message>
</context>
<context>
    <name>client::RoundSummary</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Tiles left</source>
        <translation>Tessere rimaste</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Next round in %1 s</source>
        <translation>Prossima mano tra %1 s</translation>
    </message>
    <message>
        <source>The next round is starting.</source>
        <translation>La prossima mano sta iniziando.</translation>
    </message>
</context>
<context>
    <name>client::SeatDisplay</name>
    <message>
        <source>PLAYER</source>
        <translation>GIOCATORE</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNTI</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>MANO</translation>
    </message>
    <message>
        <source>TILES</source>
        <translation>MANO</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;In attesa&gt;</translation>
    </message>
    <message>
        <source>Just watching: the computer plays this seat</source>
        <translation>Guarda soltanto: il computer gioca questo posto</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>Salta questa mano</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Sei connesso.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 è connesso.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Stai osservando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 sta osservando.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se n’è andato.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 guarda soltanto</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 torna a giocare</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 si è disconnesso.</translation>
    </message>
    <message>
        <source>Seat %1: %2, %3 tiles, score %4</source>
        <translation>Posto %1: %2, %3 tessere, punteggio %4</translation>
    </message>
    <message>
        <source>, just watching</source>
        <translation>, guarda soltanto</translation>
    </message>
    <message>
        <source>, sitting this round out</source>
        <translation>, salta questa mano</translation>
    </message>
    <message>
        <source>, your turn</source>
        <translation>, tocca a te</translation>
    </message>
    <message>
        <source>, their turn</source>
        <translation>, è di turno</translation>
    </message>
</context>
<context>
    <name>client::ShuffleCheck</name>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not match what it promised.</source>
        <translation>Attenzione: il seme di mescolamento del server non corrisponde a quanto promesso.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not deal the tiles you were dealt.</source>
        <translation>Attenzione: il seme di mescolamento del server non distribuisce le tessere che hai ricevuto.</translation>
    </message>
    <message>
        <source>Shuffle checked.</source>
        <translation>Mescolamento verificato.</translation>
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
        <translation>arancione</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>nero</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>a parte</translation>
    </message>
    <message>
        <source>in a run of %1</source>
        <translation>in una scala di %1</translation>
    </message>
    <message>
        <source>in a group of %1</source>
        <translation>in un gruppo di %1</translation>
    </message>
    <message>
        <source>in an unfinished set of %1</source>
        <translation>in una combinazione incompleta di %1</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Jolly</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile: its colour, then its value (&quot;Red 7&quot;, &quot;Black King&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: vuota</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Il tavolo è vuoto.</translation>
    </message>
    <message>
        <source>%1 tiles in %2 sets on the board, %3 of them unfinished.</source>
        <translation>%1 tessere in %2 combinazioni sul tavolo, di cui %3 incomplete.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>Green Queen</source>
        <translation>Donna verde</translation>
    </message>
    <message>
        <source>Orange Queen</source>
        <translation>Donna arancione</translation>
    </message>
    <message>
        <source>Red Queen</source>
        <translation>Donna rossa</translation>
    </message>
    <message>
        <source>Black Queen</source>
        <translation>Donna nera</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>WILD</source>
        <extracomment>The joker as the game log and the status line name it.</extracomment>
        <translation>Jolly</translation>
    </message>
</context>
<context>
    <name>client::TableLobby</name>
    <message>
        <source>the server closed the connection</source>
        <translation>il server ha chiuso la connessione</translation>
    </message>
</context>
<context>
    <name>client::Tchat</name>
    <message>
        <source>Text Color</source>
        <translation>Colore del testo</translation>
    </message>
    <message>
        <source>Your phrases could not be saved: %1</source>
        <translation>Impossibile salvare le tue frasi: %1</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Non sei connesso</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 ha una versione del gioco diversa dalla tua.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Hai una versione del gioco diversa da quella dell’organizzatore.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>Non puoi tenere altre tessere</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>Non ci sono più tessere</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partita è al completo</translation>
    </message>
    <message>
        <source>You are hosting: the game ends for %1.</source>
        <translation>Sei l’organizzatore: la partita finisce per %1.</translation>
    </message>
    <message>
        <source>The round you are playing ends.</source>
        <translation>La mano che stai giocando finisce.</translation>
    </message>
    <message>
        <source>You leave the game in progress: the computer plays your seat.</source>
        <translation>Lasci una partita in corso: il computer gioca il tuo posto.</translation>
    </message>
    <message>
        <source>%1 all the same?</source>
        <translation>%1 comunque?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Inizia la partita</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Guarda soltanto</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Organizza una partita…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Unisciti a una partita…</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Gioca da solo</translation>
    </message>
    <message>
        <source>Game Records…</source>
        <translation>Partite registrate…</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Ripristina la posizione</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Mostra il bilancio</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Osservatori</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro di gioco</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Frasi</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Riproduci suoni</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Riproduci effetti sonori</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Dimensione del testo</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Non scorrere la chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Pulisci la chat</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Velocità del computer</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Computer Level</source>
        <translation>Livello del computer</translation>
    </message>
    <message>
        <source>Allow Hints</source>
        <translation>Consenti suggerimenti</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Suono del turno</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Set di tessere</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The new language is used when Rimbalo starts again.</source>
        <translation>La nuova lingua sarà usata al prossimo avvio di Rimbalo.</translation>
    </message>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>Impossibile salvare le impostazioni: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Togli dalla partita</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Metti a guardare</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Togli da osservatore</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Organizza</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unisciti</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Caricamento della partita in solitario… Attendere.</translation>
    </message>
    <message>
        <source>To play with friends, choose Host a Game… or Join a Game… in the Game menu.</source>
        <translation>Per giocare con gli amici, scegli Organizza una partita… o Unisciti a una partita… nel menu Partita.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Caricamento della partita multigiocatore… Attendere.</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>Impossibile organizzare la partita: %1</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Smetti di organizzare</translation>
    </message>
    <message>
        <source>Hosting a game on port %1…</source>
        <translation>Partita organizzata sulla porta %1…</translation>
    </message>
    <message>
        <source>Joining a game at: %1…</source>
        <translation>Connessione alla partita: %1…</translation>
    </message>
    <message>
        <source>the host closed the connection</source>
        <translation>l’organizzatore ha chiuso la connessione</translation>
    </message>
    <message>
        <source>the game is full</source>
        <translation>la partita è al completo</translation>
    </message>
    <message>
        <source>Your game goes on.</source>
        <translation>La tua partita continua.</translation>
    </message>
    <message>
        <source>Friends can join this game at: %1 (Game menu, Host a Game… to copy them).</source>
        <translation>Gli amici possono unirsi a questa partita a: %1 (menu Partita, Organizza una partita… per copiarli).</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>no answer from the game within %1 seconds</source>
        <translation>nessuna risposta dalla partita entro %1 secondi</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Impossibile connettersi a %1: %2</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Non connesso: %1</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>la connessione è caduta</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>La connessione con l’organizzatore è caduta.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>L’organizzatore ha chiuso la partita.</translation>
    </message>
    <message>
        <source>The host has removed you from the game.</source>
        <translation>L’organizzatore ti ha tolto dalla partita.</translation>
    </message>
    <message>
        <source>The settings file could not be read; the usual settings are used.</source>
        <translation>Impossibile leggere il file delle impostazioni; si usano le impostazioni abituali.</translation>
    </message>
    <message>
        <source>Table %1 (%2): friends join it with this code.</source>
        <translation>Tavolo %1 (%2): gli amici si uniscono con questo codice.</translation>
    </message>
    <message>
        <source>%1 now holds the host&apos;s powers.</source>
        <translation>%1 ha ora i poteri dell’organizzatore.</translation>
    </message>
    <message>
        <source>Reconnected.</source>
        <translation>Riconnesso.</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting… (attempt %1 in %2 s)</source>
        <translation>Connessione persa — riconnessione… (tentativo %1 tra %2 s)</translation>
    </message>
    <message>
        <source>The tile set &quot;%1&quot; could not be read; the tiles keep their pictures.</source>
        <translation>Impossibile leggere il set di tessere «%1»; le tessere mantengono le loro immagini.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>You are sending chat faster than anyone can read it: lines are dropped until you slow down.</source>
        <translation>Mandi messaggi più in fretta di quanto chiunque possa leggere: le righe vengono scartate finché non rallenti.</translation>
    </message>
    <message>
        <source>You are sending commands faster than anyone can play: some were ignored.</source>
        <translation>Mandi comandi più in fretta di quanto chiunque possa giocare: alcuni sono stati ignorati.</translation>
    </message>
    <message>
        <source>You have moved tiles more often this turn than anyone could: the rest of this turn&apos;s moves are ignored.</source>
        <translation>In questo turno hai spostato tessere più volte di quanto chiunque potrebbe: le altre mosse di questo turno sono ignorate.</translation>
    </message>
    <message>
        <source>This server holds a single game.</source>
        <translation>Questo server ha una sola partita.</translation>
    </message>
    <message>
        <source>You have opened too many tables. Try again in a minute.</source>
        <translation>Hai aperto troppi tavoli. Riprova tra un minuto.</translation>
    </message>
    <message>
        <source>Every table of this server is taken.</source>
        <translation>Tutti i tavoli di questo server sono occupati.</translation>
    </message>
    <message>
        <source>Your seat is no longer kept for you.</source>
        <translation>Il tuo posto non ti viene più tenuto.</translation>
    </message>
    <message>
        <source>The server is full. Try again later.</source>
        <translation>Il server è pieno. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Too many connections from your address.</source>
        <translation>Troppe connessioni dal tuo indirizzo.</translation>
    </message>
    <message>
        <source>No table with code %1.</source>
        <translation>Nessun tavolo con il codice %1.</translation>
    </message>
    <message>
        <source>Table %1 is full.</source>
        <translation>Il tavolo %1 è al completo.</translation>
    </message>
    <message>
        <source>No answer from %1: %2</source>
        <translation>Nessuna risposta da %1: %2</translation>
    </message>
    <message>
        <source>Notify Me When It Is My Turn</source>
        <translation>Avvisami quando tocca a me</translation>
    </message>
    <message>
        <source>Game Records Kept</source>
        <translation>Partite conservate</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Alto contrasto</translation>
    </message>
</context>
<context>
    <name>client::TurnAlert</name>
    <message>
        <source>Your turn in Rimbalo</source>
        <translation>Tocca a te in Rimbalo</translation>
    </message>
    <message>
        <source>The other players are waiting for your move.</source>
        <translation>Gli altri giocatori aspettano la tua mossa.</translation>
    </message>
</context>
<context>
    <name>client::TurnControls</name>
    <message>
        <source>Welcome to Rimbalo By Vemko Software!</source>
        <translation>Benvenuto in Rimbalo di Vemko Software!</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Clicca qui per il registro di gioco</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Pesca</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Metti in pausa</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Registro di gioco</translation>
    </message>
    <message>
        <source>Blinks while the board is incomplete</source>
        <translation>Lampeggia finché il tavolo è incompleto</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Tempo: 0:00</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.</source>
        <translation>Sul tavolo ci sono combinazioni incomplete o sbagliate.</translation>
    </message>
    <message>
        <source>Would you like to take a %1 tile penalty and end your turn?</source>
        <translation>Vuoi prendere una penalità di %1 tessere e chiudere il turno?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least %1 points.</source>
        <translation>Le tessere della tua prima calata devono valere almeno %1 punti.</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posa</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Tempo: %1:%2</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>La tua prima calata deve valere almeno %1 punti</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>Il tavolo è incompleto.</translation>
    </message>
    <message>
        <source>Board is incomplete: %1.</source>
        <translation>Il tavolo è incompleto: %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Tocca a te.</translation>
    </message>
    <message>
        <source>Close the game log</source>
        <translation>Chiudi il registro di gioco</translation>
    </message>
</context>
<context>
    <name>windows::AddressDialog</name>
    <message>
        <source>Host address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>name, IPv4 or IPv6 address</source>
        <translation>nome, indirizzo IPv4 o IPv6</translation>
    </message>
</context>
<context>
    <name>windows::AuxWindow</name>
    <message>
        <source>Your name:</source>
        <translation>Il tuo nome:</translation>
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
        <translation>Rimbalo - Organizza una partita</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Organizza una partita</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Organizza</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Smetti di organizzare</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Choose Host: this game ends and a new one opens for your friends to join.</source>
        <translation>Scegli Organizza: questa partita finisce e se ne apre una nuova per i tuoi amici.</translation>
    </message>
    <message>
        <source>You are hosting on port %1. Give your friends one of these addresses (those on the first lines work from other computers):</source>
        <translation>Organizzi sulla porta %1. Dai ai tuoi amici uno di questi indirizzi (i primi funzionano da altri computer):</translation>
    </message>
    <message>
        <source>You are hosting on port %1, but this computer has no network address others can reach: only this computer can join.</source>
        <translation>Organizzi sulla porta %1, ma questo computer non ha un indirizzo raggiungibile da altri: solo questo computer può unirsi.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2.</source>
        <translation>La porta %1 non si può usare: %2.</translation>
    </message>
    <message>
        <source> Port %1 is free.</source>
        <translation> La porta %1 è libera.</translation>
    </message>
    <message>
        <source>Use Port %1</source>
        <translation>Usa la porta %1</translation>
    </message>
    <message>
        <source> Choose another port.</source>
        <translation> Scegli un’altra porta.</translation>
    </message>
</context>
<context>
    <name>windows::JoinDialog</name>
    <message>
        <source>Rimbalo - Join a Game</source>
        <translation>Rimbalo - Unisciti a una partita</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Unisciti a una partita</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unisciti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Inserisci il tuo nome.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Inserisci l’indirizzo dell’organizzatore.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host address.</source>
        <translation>«%1» non è un indirizzo valido.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>to %1, %2 s a turn, %3 tiles</source>
        <translation>a %1, %2 s a turno, %3 tessere</translation>
    </message>
    <message>
        <source>Tables on a server</source>
        <translation>Tavoli di un server</translation>
    </message>
    <message>
        <source>List Tables</source>
        <translation>Elenca tavoli</translation>
    </message>
    <message>
        <source>of the server at the address above</source>
        <translation>del server all’indirizzo sopra</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Posti</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Pubblico</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Join Table</source>
        <translation>Unisciti</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Con codice</translation>
    </message>
    <message>
        <source>new table&apos;s name</source>
        <translation>nome del tavolo</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privato</translation>
    </message>
    <message>
        <source>Create a Table</source>
        <translation>Crea tavolo</translation>
    </message>
    <message>
        <source>Asking %1 for its tables…</source>
        <translation>Richiesta dei tavoli a %1…</translation>
    </message>
    <message>
        <source>%1 has no open tables: create one.</source>
        <translation>%1 non ha tavoli aperti: creane uno.</translation>
    </message>
    <message>
        <source>Open tables of %1.</source>
        <translation>Tavoli aperti di %1.</translation>
    </message>
    <message>
        <source>Choose a table in the list, or type its code.</source>
        <translation>Scegli un tavolo dall’elenco o scrivi il suo codice.</translation>
    </message>
    <message>
        <source>Please type the table&apos;s code.</source>
        <translation>Scrivi il codice del tavolo.</translation>
    </message>
    <message>
        <source>Joining table %1…</source>
        <translation>Connessione al tavolo %1…</translation>
    </message>
    <message>
        <source>Creating a table…</source>
        <translation>Creazione di un tavolo…</translation>
    </message>
</context>
<context>
    <name>windows::TableCodeDialog</name>
    <message>
        <source>Rimbalo - Your Table</source>
        <translation>Rimbalo - Il tuo tavolo</translation>
    </message>
    <message>
        <source>Your Table</source>
        <translation>Il tuo tavolo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed on %2. Friends can also type this code in Join a Game….</source>
        <translation>«%1» è nell’elenco di %2. Gli amici possono anche scrivere questo codice in Unisciti a una partita….</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is private: only those you give this code to can join it, in Join a Game… at %2.</source>
        <translation>«%1» è privato: possono unirsi solo quelli a cui dai questo codice, in Unisciti a una partita… su %2.</translation>
    </message>
</context>
<context>
    <name>windows::Tabout</name>
    <message>
        <source>Rimbalo - About</source>
        <translation>Rimbalo - Informazioni</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>windows::Tdownload</name>
    <message>
        <source>If you already have The Vemko Lobby and you wish to play with others then click the button below to close this game and open The Vemko Lobby.</source>
        <translation>Se hai già The Vemko Lobby e vuoi giocare con altri, fai clic sul pulsante qui sotto per chiudere questo gioco e aprire The Vemko Lobby.</translation>
    </message>
    <message>
        <source>To play with others, host a game on this computer or join a friend&apos;s game: click the button below.</source>
        <translation>Per giocare con altri, organizza una partita su questo computer o unisciti a quella di un amico: fai clic sul pulsante qui sotto.</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby</source>
        <translation>Scarica The Vemko Lobby</translation>
    </message>
    <message>
        <source>No download address is set: add LobbyUrl= and the installer&apos;s address to the [rimbalo] section of vemkolobby.ini.</source>
        <translation>Nessun indirizzo di download: aggiungi LobbyUrl= e l’indirizzo del programma di installazione alla sezione [rimbalo] di vemkolobby.ini.</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>È CHIUSO</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Scarica ora The Vemko Lobby per giocare online a questo e ad altri giochi emozionanti con altri giocatori! </translation>
    </message>
    <message>
        <source>Download And Install The Vemko Lobby Now</source>
        <translation>Scarica e installa Vemko Lobby</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Per continuare senza poter giocare contro altri, fai clic sul pulsante qui sotto.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Gioca da solo</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Gioca con altri</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Nota: anche se giochi offline, dovrai configurare il tuo FIREWALL perché il gioco possa usare i suoi componenti internet.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Non mostrare più</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download interrotto</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Download di: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Il server ha risposto %1 %2</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Sono arrivati solo %1 byte su %2</translation>
    </message>
    <message>
        <source>The server sent an empty file</source>
        <translation>Il server ha inviato un file vuoto</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Ricevuti %1 byte</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installazione in corso</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Si è verificato un errore.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Il download è stato interrotto.</translation>
    </message>
    <message>
        <source>Please close the game and open the Vemko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Chiudi il gioco e apri Vemko Lobby dall’icona sul desktop o dal menu Start di Windows.</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Organizza una partita…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Unisciti a una partita…</translation>
    </message>
</context>
<context>
    <name>windows::Tgamestart</name>
    <message>
        <source>Rimbalo - Game Start</source>
        <translation>Rimbalo - Inizio partita</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opzioni di gioco</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Si gioca a:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <translation>Tempo per turno:</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Tessere iniziali:</translation>
    </message>
    <message>
        <source>Computer Opponents:</source>
        <translation>Avversari computer:</translation>
    </message>
    <message>
        <source>How many empty seats the computer plays (a team game fills all four); 0 when a friend holds seat 2 and nobody else is wanted</source>
        <translation>Quanti posti liberi gioca il computer (una partita a squadre li riempie tutti e quattro); 0 quando un amico occupa il posto 2 e nessun altro è voluto</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Penalità di tempo</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partita a squadre</translation>
    </message>
    <message>
        <source>Computer Level:</source>
        <translation>Livello del computer:</translation>
    </message>
    <message>
        <source>How well the computer seats play, from Beginner to Master</source>
        <translation>Quanto bene giocano i posti del computer, da Principiante a Maestro</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
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
        <translation>Rimbalo - Aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Panoramica</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Svolgimento</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentazione</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>La lobby</translation>
    </message>
</context>
<context>
    <name>windows::Tphrases</name>
    <message>
        <source>Rimbalo - Phrase Buttons </source>
        <translation>Rimbalo - Pulsanti frase </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>I pulsanti si possono usare solo una volta ogni 2 secondi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>windows::Tspylist</name>
    <message>
        <source>Rimbalo - Spys</source>
        <translation>Rimbalo - Osservatori</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Osservatori</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Togli dalla partita</translation>
    </message>
</context>
<context>
    <name>windows::Ttallylist</name>
    <message>
        <source>Rimbalo - Tally List</source>
        <translation>Rimbalo - Bilancio</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Azzera il bilancio</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partite totali:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Le tue vittorie:</translation>
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
        <translation>Giocatori della partita in corso</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Giocatori nel bilancio</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>Number of Games:</source>
        <translation>Numero di partite:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Nessun vincitore:</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to open input file : %1</source>
        <translation>Lzrw1 (de)compressione: impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>%1 is far too large for a tally.</source>
        <translation>%1 è troppo grande per un bilancio.</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input file : %1</source>
        <translation>Lzrw1: errore di lettura del file: %1</translation>
    </message>
    <message>
        <source>%1 does not hold a tally.</source>
        <translation>%1 non contiene un bilancio.</translation>
    </message>
    <message>
        <source>The file is kept as %1 and a new tally is started.</source>
        <translation>Il file è conservato come %1 e inizia un nuovo bilancio.</translation>
    </message>
    <message>
        <source>A new tally is started; it will not be saved over that file.</source>
        <translation>Inizia un nuovo bilancio; non sarà salvato sopra quel file.</translation>
    </message>
    <message>
        <source>The tally could not be saved to %1: %2</source>
        <translation>Impossibile salvare il bilancio in %1: %2</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Questo cancellerà il bilancio di %1. Vuoi cancellarlo?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Vittorie di %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilancio di %1</translation>
    </message>
    <message>
        <source>Select a player to tally</source>
        <translation>Scegli un giocatore</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Vuoi davvero azzerare il bilancio?</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
</context>
</TS>
