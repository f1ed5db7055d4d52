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
    <name>windows::HelpText</name>
    <message>
        <source>Rimbalo is a rummy game played with numbered tiles by up to four players. The set has &lt;b&gt;%1 tiles&lt;/b&gt;: the numbers 1 to 13 in four colours, each twice, and two jokers. Each colour has its own symbol: &lt;b&gt;green clubs&lt;/b&gt; (&amp;#9827;), &lt;b&gt;orange diamonds&lt;/b&gt; (&amp;#9830;), &lt;b&gt;red hearts&lt;/b&gt; (&amp;#9829;) and &lt;b&gt;black spades&lt;/b&gt; (&amp;#9824;). The tiles 11, 12 and 13 show &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; and &lt;b&gt;K&lt;/b&gt; and count 11, 12 and 13.</source>
        <translation>Rimbalo è un gioco di ramino con tessere numerate per un massimo di quattro giocatori. Il gioco ha &lt;b&gt;%1 tessere&lt;/b&gt;: i numeri da 1 a 13 in quattro colori, ciascuno due volte, e due jolly. Ogni colore ha il suo simbolo: &lt;b&gt;fiori verdi&lt;/b&gt; (&amp;#9827;), &lt;b&gt;quadri arancioni&lt;/b&gt; (&amp;#9830;), &lt;b&gt;cuori rossi&lt;/b&gt; (&amp;#9829;) e &lt;b&gt;picche nere&lt;/b&gt; (&amp;#9824;). Le tessere 11, 12 e 13 mostrano &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; e &lt;b&gt;K&lt;/b&gt; e valgono 11, 12 e 13.</translation>
    </message>
    <message>
        <source>Everybody plays on one shared board. On your turn you lay tiles from your rack onto the board in &lt;b&gt;sets&lt;/b&gt; and may rearrange the sets already there, as long as the whole board is made of valid sets when you finish. The first player to empty the rack wins the round and collects the value of every tile the others still hold. Rounds follow each other until a player reaches the target score.</source>
        <translation>Tutti giocano su un unico tavolo comune. Nel tuo turno posi tessere dal tuo leggio sul tavolo in &lt;b&gt;combinazioni&lt;/b&gt; e puoi riordinare le combinazioni già presenti, purché alla fine del turno tutto il tavolo sia fatto di combinazioni valide. Il primo giocatore che svuota il leggio vince la mano e incassa il valore di tutte le tessere che gli altri hanno ancora. Le mani si susseguono finché un giocatore raggiunge il punteggio obiettivo.</translation>
    </message>
    <message>
        <source>Seats nobody holds are played by the computer. When the host starts a game, &lt;b&gt;Computer Opponents&lt;/b&gt; (1 to 3) says how many of the empty seats the computer plays (0 is offered too when a friend already holds seat 2); a team game fills all four seats. Anybody who joins after the four seats are taken watches the game as an onlooker.</source>
        <translation>I posti che nessuno occupa li gioca il computer. Quando l’organizzatore avvia una partita, &lt;b&gt;Avversari computer&lt;/b&gt; (da 1 a 3) indica quanti dei posti liberi gioca il computer (è possibile anche 0 quando un amico occupa già il posto 2); una partita a squadre riempie tutti e quattro i posti. Chi si unisce quando i quattro posti sono occupati guarda la partita come osservatore.</translation>
    </message>
    <message>
        <source>The computer plays at one of five levels, weakest first: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (the default), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; and &lt;b&gt;%5&lt;/b&gt;. The host chooses it as the Computer Level in the start dialog or in the Options menu. %1 never moves a tile already on the board; %3 and %4 look for the most valuable lay-down, %4 rearranging the board&apos;s sets freely; %5 also plays the next turns out before it chooses. Options, Bot Speed sets how quickly it moves.</source>
        <extracomment>%1 to %5 are the computer levels, weakest first, as the Computer Level menu names them.</extracomment>
        <translation>Il computer gioca a uno dei cinque livelli, dal più debole al più forte: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (predefinito), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; e &lt;b&gt;%5&lt;/b&gt;. L’organizzatore lo sceglie come livello del computer nella finestra di avvio della partita o nel menu Opzioni. %1 non sposta mai una tessera già sul tavolo; %3 e %4 cercano la calata di maggior valore, %4 riordinando liberamente le combinazioni del tavolo; %5 inoltre simula i turni successivi di tutti prima di scegliere. Opzioni, Velocità del computer stabilisce quanto velocemente muove.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your window.&lt;/b&gt; Options, Tile Sets offers a &lt;b&gt;High contrast&lt;/b&gt; set whose colours stay apart for colour-blind players. Options, Language chooses the window&apos;s language from the next start (System follows the desktop). Screen readers can read out the rack, the board and the seats. When your turn starts while you are in another window, the window asks for attention and, unless Options, Notify Me When It Is My Turn is off, the desktop shows a notice.</source>
        <translation>&lt;b&gt;La tua finestra.&lt;/b&gt; Opzioni, Set di tessere offre il set &lt;b&gt;Alto contrasto&lt;/b&gt;, i cui colori restano distinguibili anche per i giocatori daltonici. Opzioni, Lingua sceglie la lingua della finestra dal prossimo avvio (Sistema segue il desktop). I lettori di schermo possono leggere il leggio, il tavolo e i posti. Quando il tuo turno inizia mentre sei in un’altra finestra, la finestra chiede attenzione e, a meno che «Avvisami quando tocca a me» sia disattivato nel menu Opzioni, il desktop mostra una notifica.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Game records.&lt;/b&gt; The games you host are kept: &lt;b&gt;Game, Game Records…&lt;/b&gt; lists them, replays any of them turn by turn and counts each player&apos;s games, wins and points.</source>
        <translation>&lt;b&gt;Partite registrate.&lt;/b&gt; Le partite che organizzi vengono conservate: &lt;b&gt;Partita, Partite registrate…&lt;/b&gt; le elenca, ne rigioca una qualsiasi turno per turno e conta partite, vittorie e punti di ogni giocatore.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solo game.&lt;/b&gt; Start Rimbalo without anything else and it plays a game against the computer on this machine. You sit in seat 1 as &lt;i&gt;You&lt;/i&gt;; the game starts when you press &lt;b&gt;Start&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Partita da solo.&lt;/b&gt; Avvia Rimbalo senza nient’altro e giocherà una partita contro il computer su questa macchina. Siedi al posto 1 come &lt;i&gt;You&lt;/i&gt;; la partita inizia quando premi &lt;b&gt;Inizia&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hosting a game.&lt;/b&gt; Choose &lt;b&gt;Game, Host a Game…&lt;/b&gt;, type your name and press &lt;b&gt;Host&lt;/b&gt;. The dialog then lists the addresses of this computer; &lt;b&gt;Copy&lt;/b&gt; one and send it to your friends. The game runs on TCP port %1 unless you choose another, and the host&apos;s firewall must let that port in. When the port is in use the dialog says so and offers a free one.</source>
        <extracomment>%1 is the game&apos;s usual TCP port.</extracomment>
        <translation>&lt;b&gt;Organizzare una partita.&lt;/b&gt; Scegli &lt;b&gt;Partita, Organizza una partita…&lt;/b&gt;, scrivi il tuo nome e premi &lt;b&gt;Organizza&lt;/b&gt;. La finestra elenca allora gli indirizzi di questo computer; copiane uno con &lt;b&gt;Copia&lt;/b&gt; e mandalo ai tuoi amici. La partita usa la porta TCP %1 se non ne scegli un’altra, e il firewall dell’organizzatore deve lasciar passare quella porta. Se la porta è occupata, la finestra lo dice e ne propone una libera.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Joining a game.&lt;/b&gt; Choose &lt;b&gt;Game, Join a Game…&lt;/b&gt;, type your name and the address the host gave you (such as 192.168.1.20, or 192.168.1.20:%1 for another port) and press &lt;b&gt;Join&lt;/b&gt;. If the host cannot be reached the dialog says why and you can try again.</source>
        <extracomment>%1 is another port than the usual one, as an example.</extracomment>
        <translation>&lt;b&gt;Unirsi a una partita.&lt;/b&gt; Scegli &lt;b&gt;Partita, Unisciti a una partita…&lt;/b&gt;, scrivi il tuo nome e l’indirizzo che ti ha dato l’organizzatore (per esempio 192.168.1.20, oppure 192.168.1.20:%1 per un’altra porta) e premi &lt;b&gt;Unisciti&lt;/b&gt;. Se l’organizzatore non è raggiungibile, la finestra dice perché e puoi riprovare.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tables on a server.&lt;/b&gt; Friends in different homes meet at a table server, a computer everyone can reach that holds many tables, each its own game. In &lt;b&gt;Game, Join a Game…&lt;/b&gt; type its address, then press &lt;b&gt;List Tables&lt;/b&gt; and &lt;b&gt;Join Table&lt;/b&gt;, or type a table&apos;s code and press &lt;b&gt;Join by Code&lt;/b&gt;, or &lt;b&gt;Create a Table&lt;/b&gt; and give its code to your friends (a new table is private unless you untick &lt;b&gt;Private&lt;/b&gt;). Whoever opens a table holds seat 1 and the host&apos;s powers there.</source>
        <translation>&lt;b&gt;Tavoli di un server.&lt;/b&gt; Amici che abitano in case diverse si incontrano su un server di tavoli, un computer raggiungibile da tutti che ospita molti tavoli, ognuno con la sua partita. In &lt;b&gt;Partita, Unisciti a una partita…&lt;/b&gt; scrivi il suo indirizzo, poi premi &lt;b&gt;Elenca tavoli&lt;/b&gt; e &lt;b&gt;Unisciti&lt;/b&gt;, oppure scrivi il codice di un tavolo e premi &lt;b&gt;Con codice&lt;/b&gt;, oppure premi &lt;b&gt;Crea tavolo&lt;/b&gt; e dai il suo codice ai tuoi amici (un tavolo nuovo è privato se non togli la spunta a &lt;b&gt;Privato&lt;/b&gt;). Chi apre un tavolo vi occupa il posto 1 e vi ha i poteri dell’organizzatore.</translation>
    </message>
    <message>
        <source>&lt;b&gt;From the command line.&lt;/b&gt; Rimbalo can also be started with three words: your name, the host&apos;s address (with a table&apos;s code after a slash) and the role:</source>
        <translation>&lt;b&gt;Dalla riga di comando.&lt;/b&gt; Rimbalo si può avviare anche con tre parole: il tuo nome, l’indirizzo dell’organizzatore (con il codice di un tavolo dopo una barra) e il ruolo:</translation>
    </message>
    <message>
        <source>(Ann hosts the game)</source>
        <translation>(Ann organizza la partita)</translation>
    </message>
    <message>
        <source>(Bob joins Ann&apos;s game)</source>
        <translation>(Bob si unisce alla partita di Ann)</translation>
    </message>
    <message>
        <source>(Cem joins the table K7MXQ4 of a server)</source>
        <translation>(Cem si unisce al tavolo K7MXQ4 di un server)</translation>
    </message>
    <message>
        <source>The host always plays in seat 1 and is the one who starts games, pauses them and can remove a player. Players take seats 2 to 4 in the order they connect; later arrivals watch. A player who joins while a game runs takes over a free seat&apos;s tiles and score, or waits for the next round.</source>
        <translation>L’organizzatore gioca sempre al posto 1 ed è lui che avvia le partite, le mette in pausa e può togliere un giocatore. I giocatori occupano i posti da 2 a 4 nell’ordine in cui si connettono; chi arriva dopo guarda. Un giocatore che si unisce mentre una partita è in corso prende le tessere e il punteggio di un posto libero, oppure aspetta la mano successiva.</translation>
    </message>
    <message>
        <source>The Vemko Lobby starts Rimbalo this way for you when you host or join a game there. When the host leaves, the game ends for everybody.</source>
        <translation>The Vemko Lobby avvia Rimbalo in questo modo per te quando lì organizzi una partita o ti unisci a una. Quando l’organizzatore se ne va, la partita finisce per tutti.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The deal.&lt;/b&gt; Every playing seat gets %1 tiles (the host may choose %2 to %3; the deal is lowered when the pool would keep fewer than 10 tiles). Turns pass from seat to seat.</source>
        <extracomment>%1 is the usual deal; %2 to %3 the deals the host may choose.</extracomment>
        <translation>&lt;b&gt;La distribuzione.&lt;/b&gt; Ogni posto in gioco riceve %1 tessere (l’organizzatore può sceglierne da %2 a %3; se ne distribuiscono meno quando nel mucchio ne resterebbero meno di 10). I turni passano da un posto all’altro.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sets.&lt;/b&gt; Sets lie along a row of the board, left to right, with an empty cell between neighbouring sets. Every set has at least three tiles and is either</source>
        <translation>&lt;b&gt;Combinazioni.&lt;/b&gt; Le combinazioni stanno lungo una riga del tavolo, da sinistra a destra, con una casella vuota tra combinazioni vicine. Ogni combinazione ha almeno tre tessere ed è</translation>
    </message>
    <message>
        <source>a &lt;b&gt;run&lt;/b&gt;: consecutive numbers of one colour, such as green 4, 5, 6 (13 is the highest number; runs do not go round from 13 to 1), or</source>
        <translation>una &lt;b&gt;scala&lt;/b&gt;: numeri consecutivi di un solo colore, come 4, 5, 6 verdi (13 è il numero più alto; le scale non ripartono da 13 a 1), oppure</translation>
    </message>
    <message>
        <source>a &lt;b&gt;group&lt;/b&gt;: one number in different colours, such as red 9, black 9, orange 9.</source>
        <translation>un &lt;b&gt;gruppo&lt;/b&gt;: uno stesso numero in colori diversi, come 9 rosso, 9 nero, 9 arancione.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tile values.&lt;/b&gt; A tile counts its number: 1 to 10, and J, Q and K count 11, 12 and 13.</source>
        <translation>&lt;b&gt;Valore delle tessere.&lt;/b&gt; Una tessera vale il suo numero: da 1 a 10, e J, Q e K valgono 11, 12 e 13.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jokers&lt;/b&gt; stand in for any tile. A run with jokers must still fit between 1 and 13, so no joker can stand before a 1 or after a 13; both jokers may stand side by side, as in joker, joker, green 5, green 6 (a 3-4-5-6). With both jokers a group can hold six tiles.</source>
        <translation>I &lt;b&gt;jolly&lt;/b&gt; sostituiscono qualsiasi tessera. Una scala con jolly deve comunque stare tra 1 e 13, quindi nessun jolly può stare prima di un 1 o dopo un 13; i due jolly possono stare uno accanto all’altro, come in jolly, jolly, 5 verde, 6 verde (un 3-4-5-6). Con entrambi i jolly un gruppo può avere sei tessere.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your first lay-down&lt;/b&gt; in a round must be worth at least &lt;b&gt;%1 points&lt;/b&gt;: the tiles you lay from your rack in that turn count their numbers, a joker counts %2. Moving tiles that are already on the board counts nothing. After that, any valid board will do.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;La tua prima calata&lt;/b&gt; in una mano deve valere almeno &lt;b&gt;%1 punti&lt;/b&gt;: le tessere che posi dal tuo leggio in quel turno contano il loro numero, un jolly conta %2. Spostare tessere già sul tavolo non conta nulla. Dopo, va bene qualsiasi tavolo valido.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your turn.&lt;/b&gt; Click a tile in your rack to pick it up and click an empty board cell to put it down; click a board tile to pick it up and move it. Hold Shift when picking a rack tile to lay the next two numbers of its run with it, or Ctrl for two more tiles of its group. Right-click a tile you laid this turn to take it back. &lt;b&gt;Clear&lt;/b&gt; takes back the whole turn, &lt;b&gt;Draw&lt;/b&gt; takes one tile and ends the turn, &lt;b&gt;Finish&lt;/b&gt; ends the turn with the tiles laid; it shows once you have laid or moved a tile. A tile you have just drawn, and each tile dealt to you as a penalty, carries a blue corner until you next touch your rack. The small light next to the buttons blinks while the board is not yet complete.</source>
        <translation>&lt;b&gt;Il tuo turno.&lt;/b&gt; Fai clic su una tessera del tuo leggio per prenderla e su una casella vuota del tavolo per posarla; fai clic su una tessera del tavolo per prenderla e spostarla. Tieni premuto Maiusc mentre prendi una tessera dal leggio per posare con essa i due numeri successivi della sua scala, oppure Ctrl per altre due tessere del suo gruppo. Un clic destro su una tessera posata in questo turno la riprende. &lt;b&gt;Annulla&lt;/b&gt; riprende tutto il turno, &lt;b&gt;Pesca&lt;/b&gt; prende una tessera e chiude il turno, &lt;b&gt;Fine&lt;/b&gt; chiude il turno con le tessere posate; questo pulsante compare appena hai posato o spostato una tessera. Una tessera appena pescata, e ogni tessera ricevuta come penalità, ha un angolo blu finché non tocchi di nuovo il leggio. La piccola luce accanto ai pulsanti lampeggia finché il tavolo non è completo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hint.&lt;/b&gt; During your turn &lt;b&gt;Hint&lt;/b&gt; outlines the rack tiles of the most valuable lay-down the board allows, its sets rearranged as needed (before your first lay-down only one worth %1); press it again (it then reads &lt;b&gt;Place&lt;/b&gt;) to lay them, then Finish. The host can switch hints off (Options, Allow Hints). Hints come from the same search the %2 computer players use.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 the computer level whose search gives the hints.</extracomment>
        <translation>&lt;b&gt;Aiuto.&lt;/b&gt; Durante il tuo turno &lt;b&gt;Aiuto&lt;/b&gt; evidenzia le tessere del leggio della calata di maggior valore che il tavolo consente, riordinando le sue combinazioni se serve (prima della tua prima calata, solo una da almeno %1); premilo di nuovo (allora dice &lt;b&gt;Posa&lt;/b&gt;) per posarle, poi Fine. L’organizzatore può disattivare i suggerimenti (Opzioni, Consenti suggerimenti). I suggerimenti vengono dalla stessa ricerca usata dai giocatori del computer di livello %2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The clock.&lt;/b&gt; Every turn runs against a clock (%1 seconds unless the host chooses %2 to %3). When the time is up the turn is taken back and you draw %4 tiles, or one when the host switched the time penalty off.</source>
        <extracomment>%1 is the usual time of a turn in seconds; %2 to %3 the times the host may choose; %4 the tiles drawn as the time penalty.</extracomment>
        <translation>&lt;b&gt;L’orologio.&lt;/b&gt; Ogni turno corre contro il tempo (%1 secondi, a meno che l’organizzatore non scelga da %2 a %3). Quando il tempo scade, il turno viene annullato e peschi %4 tessere, oppure una se l’organizzatore ha disattivato la penalità di tempo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;An incomplete board.&lt;/b&gt; If you finish while the board holds an incomplete or wrong set, you are offered a &lt;b&gt;%1-tile penalty&lt;/b&gt;: take it and your turn is taken back and ends, or go back and mend the board. With less than 10 seconds left the turn is taken back at once.</source>
        <extracomment>%1 is the number of penalty tiles.</extracomment>
        <translation>&lt;b&gt;Un tavolo incompleto.&lt;/b&gt; Se chiudi il turno mentre sul tavolo c’è una combinazione incompleta o sbagliata, ti viene offerta una &lt;b&gt;penalità di %1 tessere&lt;/b&gt;: accettala e il tuo turno viene annullato e finisce, oppure torna indietro e sistema il tavolo. Con meno di 10 secondi rimasti il turno viene annullato subito.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Sort by Numbers&lt;/b&gt; and &lt;b&gt;Sort by Suits&lt;/b&gt; buttons sort your rack; a right-click on any rack tile sorts it again.</source>
        <translation>I pulsanti &lt;b&gt;Ordina per numero&lt;/b&gt; e &lt;b&gt;Ordina per colore&lt;/b&gt; ordinano il tuo leggio; un clic destro su una tessera qualsiasi del leggio lo riordina.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop.&lt;/b&gt; You can also drag a tile from the rack to the board, from one cell to another, or back onto the rack to take it back. Hold Alt or Shift while dragging a board tile to move its whole set. During your turn a set that is not yet valid has a dashed amber outline (the red frames mark the cells of the last move); when the server refuses a Finish, the line under the board names the set at fault. A move that cannot be made says why under the board, and during your first lay-down the line under the board counts its value towards %1.</source>
        <extracomment>%1 is the least value of a first lay-down.</extracomment>
        <translation>&lt;b&gt;Trascinamento.&lt;/b&gt; Puoi anche trascinare una tessera dal leggio al tavolo, da una casella a un’altra, o di nuovo sul leggio per riprenderla. Tieni premuto Alt o Maiusc mentre trascini una tessera del tavolo per spostare tutta la sua combinazione. Durante il tuo turno una combinazione non ancora valida ha un contorno ambra tratteggiato (le cornici rosse segnano le caselle dell’ultima mossa); quando il server rifiuta un Fine, la riga sotto il tavolo indica la combinazione sbagliata. Una mossa impossibile spiega il perché sotto il tavolo, e durante la tua prima calata la riga sotto il tavolo mostra quanto vale rispetto ai %1 richiesti.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard.&lt;/b&gt; Click the board first (Esc leaves the chat line). &lt;b&gt;Enter&lt;/b&gt; finishes the turn once you have laid tiles (with nothing laid it does nothing: press &lt;b&gt;D&lt;/b&gt; to draw), &lt;b&gt;D&lt;/b&gt; draws, &lt;b&gt;Esc&lt;/b&gt; puts the tile in your hand back or else clears the turn, &lt;b&gt;1&lt;/b&gt; and &lt;b&gt;2&lt;/b&gt; sort by numbers and by suits, &lt;b&gt;P&lt;/b&gt; pauses, &lt;b&gt;H&lt;/b&gt; asks for a hint and, pressed again, lays it. The &lt;b&gt;arrow keys&lt;/b&gt; move a yellow frame over the rack and the board; &lt;b&gt;Space&lt;/b&gt; picks up or puts down the tile under it (Shift+Space or Ctrl+Space picks a rack tile for its run or its group).</source>
        <translation>&lt;b&gt;Tastiera.&lt;/b&gt; Fai prima clic sul tavolo (Esc lascia la riga della chat). &lt;b&gt;Invio&lt;/b&gt; chiude il turno dopo che hai posato tessere (senza nulla posato non fa niente: premi &lt;b&gt;D&lt;/b&gt; per pescare), &lt;b&gt;D&lt;/b&gt; pesca, &lt;b&gt;Esc&lt;/b&gt; rimette a posto la tessera che hai in mano o altrimenti annulla il turno, &lt;b&gt;1&lt;/b&gt; e &lt;b&gt;2&lt;/b&gt; ordinano per numero e per colore, &lt;b&gt;P&lt;/b&gt; mette in pausa, &lt;b&gt;H&lt;/b&gt; chiede un suggerimento e, premuto di nuovo, lo posa. I &lt;b&gt;tasti freccia&lt;/b&gt; muovono una cornice gialla sul leggio e sul tavolo; &lt;b&gt;Spazio&lt;/b&gt; prende o posa la tessera sotto di essa (Maiusc+Spazio o Ctrl+Spazio prende una tessera del leggio per la sua scala o il suo gruppo).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Laying tiles.&lt;/b&gt; Every turn you finish adds the value of the tiles you laid from your rack to your score: numbers count their face value, a joker counts %1.</source>
        <extracomment>%1 is a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Posare tessere.&lt;/b&gt; Ogni turno che chiudi aggiunge al tuo punteggio il valore delle tessere posate dal tuo leggio: i numeri valgono il loro valore nominale, un jolly vale %1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;End of the round.&lt;/b&gt; When a player empties the rack the round is over. Every other player loses the value of the tiles left in the rack, and the winner of the round gains all of it. If the pool runs dry and nobody can go out, every player loses the value of the rack and nobody gains. The &lt;i&gt;Round&lt;/i&gt; column shows each seat&apos;s result of the last round.</source>
        <translation>&lt;b&gt;Fine della mano.&lt;/b&gt; Quando un giocatore svuota il leggio, la mano è finita. Ogni altro giocatore perde il valore delle tessere rimaste sul suo leggio, e il vincitore della mano guadagna tutto. Se il mucchio si esaurisce e nessuno può chiudere, ogni giocatore perde il valore del suo leggio e nessuno guadagna. La colonna &lt;i&gt;Mano&lt;/i&gt; mostra il risultato di ogni posto nell’ultima mano.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Winning.&lt;/b&gt; When a seat reaches the target score (%1 unless the host chooses otherwise) with the highest score, it wins the game. If two seats share the highest score another round is played. The next round starts 20 seconds after the last one ended.</source>
        <extracomment>%1 is the usual target score.</extracomment>
        <translation>&lt;b&gt;Vincere.&lt;/b&gt; Quando un posto raggiunge il punteggio obiettivo (%1, a meno che l’organizzatore non ne scelga un altro) con il punteggio più alto, vince la partita. Se due posti condividono il punteggio più alto, si gioca un’altra mano. La mano successiva inizia 20 secondi dopo la fine della precedente.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Team game.&lt;/b&gt; Seats 1 and 3 (the Green Team) play against seats 2 and 4 (the Brown Team); the computer plays any seat nobody holds. Partners share one score, and one partner&apos;s first lay-down counts for both. A team wins the round when both partners have emptied their racks, and gains the value of both opponents&apos; racks, which the other team loses.</source>
        <translation>&lt;b&gt;Partita a squadre.&lt;/b&gt; I posti 1 e 3 (la squadra verde) giocano contro i posti 2 e 4 (la squadra marrone); il computer gioca ogni posto che nessuno occupa. I compagni condividono un punteggio, e la prima calata di uno vale per entrambi. Una squadra vince la mano quando entrambi i compagni hanno svuotato il leggio, e guadagna il valore dei leggii di entrambi gli avversari, che l’altra squadra perde.</translation>
    </message>
    <message>
        <source>Rimbalo version %1, by Vemko Software.</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Rimbalo versione %1, di Vemko Software.</translation>
    </message>
    <message>
        <source>The tiles, the board and every picture in the game are drawn by the program itself.</source>
        <translation>Le tessere, il tavolo e ogni immagine del gioco sono disegnati dal programma stesso.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in &lt;i&gt;vemkolobby.ini&lt;/i&gt; and its tally in &lt;i&gt;rimbalotally.tld&lt;/i&gt; beside the program, or in your own data folder when the game is installed or its folder cannot be written; the records of the games you host go to that data folder.</source>
        <translation>Rimbalo conserva le sue impostazioni in &lt;i&gt;vemkolobby.ini&lt;/i&gt; e il suo bilancio in &lt;i&gt;rimbalotally.tld&lt;/i&gt; accanto al programma, oppure nella tua cartella dei dati quando il gioco è installato o non si può scrivere nella sua cartella; le registrazioni delle partite che organizzi vanno in quella cartella dei dati.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Cronologia delle versioni</translation>
    </message>
    <message>
        <source>the game window, hosting and joining games, seats and onlookers; tables on a server and their codes; five computer levels and hints; game records and their replay; a high-contrast tile set, screen readers and a turn alert; the window in eight languages.</source>
        <translation>la finestra di gioco, organizzare partite e unirsi a esse, posti e osservatori; tavoli di un server e i loro codici; cinque livelli del computer e suggerimenti; partite registrate e la loro riproduzione; un set di tessere ad alto contrasto, lettori di schermo e un avviso di turno; la finestra in otto lingue.</translation>
    </message>
    <message>
        <source>The Vemko Lobby is a separate program by the makers of Rimbalo where players meet, chat and open games. When you host or join a Rimbalo game there, the lobby starts Rimbalo with your name, the host&apos;s address and your role, and Rimbalo tells the lobby that the game is running for as long as it stays open.</source>
        <translation>The Vemko Lobby è un programma a parte degli autori di Rimbalo dove i giocatori si incontrano, chiacchierano e aprono partite. Quando lì organizzi una partita di Rimbalo o ti unisci a una, la lobby avvia Rimbalo con il tuo nome, l’indirizzo dell’organizzatore e il tuo ruolo, e Rimbalo comunica alla lobby che la partita è in corso finché resta aperto.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in its own section of the lobby&apos;s settings file, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, and never changes the lobby&apos;s own settings there.</source>
        <translation>Rimbalo conserva le sue impostazioni in una sezione propria del file di impostazioni della lobby, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, e non vi modifica mai le impostazioni della lobby stessa.</translation>
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
