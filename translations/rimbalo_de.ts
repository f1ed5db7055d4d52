<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ComputerLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
</context>
<context>
    <name>ResumeOffer</name>
    <message>
        <source>The game begun %1 (UTC) stopped before its end, in round %2.
Players and scores: %3.</source>
        <translation>Das am %1 (UTC) begonnene Spiel wurde in Runde %2 vor seinem Ende unterbrochen.
Spieler und Punkte: %3.</translation>
    </message>
    <message>
        <source>Resume the Stopped Game?</source>
        <translation>Unterbrochenes Spiel fortsetzen?</translation>
    </message>
    <message>
        <source>Resume it with the same seats, tiles, board and scores? Its players get their seats back by joining with their names.</source>
        <translation>Mit denselben Plätzen, Steinen, demselben Tisch und denselben Punkten fortsetzen? Seine Spieler bekommen ihre Plätze zurück, indem sie mit ihrem Namen beitreten.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>The choice could not be kept: the records folder cannot be written. The game will be offered again.</source>
        <translation>Die Wahl konnte nicht gespeichert werden: in den Ordner der Aufzeichnungen lässt sich nicht schreiben. Das Spiel wird wieder angeboten.</translation>
    </message>
</context>
<context>
    <name>client::BoardSets</name>
    <message>
        <source>An %1</source>
        <translation>Eine %1</translation>
    </message>
    <message>
        <source>A %1</source>
        <translation>Eine %1</translation>
    </message>
    <message>
        <source>%1 cannot go next to %2 here.</source>
        <translation>%1 kann hier nicht neben %2 liegen.</translation>
    </message>
</context>
<context>
    <name>client::BoardView</name>
    <message>
        <source>a set in row %1 has %2 %3</source>
        <translation>eine Reihe in Zeile %1 hat %2 %3</translation>
    </message>
    <message>
        <source>a set in row %1 is no run or group</source>
        <translation>eine Reihe in Zeile %1 ist weder Folge noch Gruppe</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Das Feld ist belegt.</translation>
    </message>
    <message>
        <source>First lay-down: %1 of %2</source>
        <translation>Erstes Auslegen: %1 von %2</translation>
    </message>
    <message>
        <source>The set does not fit there.</source>
        <translation>Die Reihe passt dort nicht hin.</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>Steine</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 hat gelegt: %2.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 hat verschoben: %2.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 hat zurückgenommen: %2.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 hat Steine zurückgenommen.</translation>
    </message>
</context>
<context>
    <name>client::ChatInput</name>
    <message>
        <source>See ya!</source>
        <translation>Tschüss!</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Chat hier eingeben&gt;</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatnachricht</translation>
    </message>
</context>
<context>
    <name>client::ChatView</name>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht mitrollen</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Webseite kann nicht geöffnet werden</translation>
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
        <translation>Doh</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Husten</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Wo warst du?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Schnarchen</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Niesen</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Juhu</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Hurra</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh nein</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Hupe</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfff</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Frau lacht</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Mann lacht</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Weinen</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Abbrechen&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Geräusch&gt; %2</translation>
    </message>
</context>
<context>
    <name>client::GameFlow</name>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Du hast ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Jeder beginnt mit %1 Steinen.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist am Zug.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 hat einen Stein gezogen.</translation>
    </message>
    <message>
        <source>%1 took a %2 tile penalty.</source>
        <translation>%1 hat %2 Strafsteine gezogen.</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>Die Runde endet unentschieden.</translation>
    </message>
    <message>
        <source> You are out of tiles! The Round is Over.</source>
        <translation> Du hast keine Steine mehr! Die Runde ist vorbei.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>%1 hat keine Steine mehr! Die Runde ist vorbei.</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Du hast das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>Du kannst nicht zurücknehmen, während du einen Stein in der Hand hast.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>Du kannst deinen Zug nicht beenden, während du einen Stein in der Hand hast.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>Du kannst nicht ziehen, während du einen Stein in der Hand hast.</translation>
    </message>
    <message>
        <source>You cannot take a hint when you have a tile in your hand.</source>
        <translation>Du kannst keinen Tipp nehmen, während du einen Stein in der Hand hast.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>Deine Zeit ist abgelaufen!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>Die Zeit von %1 ist abgelaufen.</translation>
    </message>
</context>
<context>
    <name>client::GameInfo</name>
    <message>
        <source>Time Penalty</source>
        <translation>Zeitstrafe</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Viel Glück</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: 0</source>
        <translation>Steine übrig: 0</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Gewinner!</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Spiel bis: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1:%2</source>
        <translation>Zeit pro Zug: %1:%2</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Zeit pro Zug: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Zeitstrafe: AN</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Zeitstrafe: AUS</translation>
    </message>
    <message>
        <source>Play To Score: -</source>
        <translation>Spiel bis: -</translation>
    </message>
    <message>
        <source>Time Per Turn: -</source>
        <translation>Zeit pro Zug: -</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspiel</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Steine übrig: %1</translation>
    </message>
</context>
<context>
    <name>client::Hints</name>
    <message>
        <source>This program offers no hints</source>
        <translation>Dieses Programm bietet keine Tipps</translation>
    </message>
    <message>
        <source>This game&apos;s host offers no hints</source>
        <translation>Der Gastgeber dieses Spiels bietet keine Tipps</translation>
    </message>
    <message>
        <source>The host has switched hints off</source>
        <translation>Der Gastgeber hat die Tipps abgeschaltet</translation>
    </message>
    <message>
        <source>Lay the outlined tiles (H)</source>
        <translation>Die markierten Steine auslegen (H)</translation>
    </message>
    <message>
        <source>Outline the best lay-down for your rack (H)</source>
        <translation>Das beste Auslegen für dein Bänkchen markieren (H)</translation>
    </message>
    <message>
        <source>No hint: a set on the board cannot be completed. Clear your moves.</source>
        <translation>Kein Tipp: eine Reihe auf dem Tisch lässt sich nicht ergänzen. Nimm deine Züge zurück.</translation>
    </message>
    <message>
        <source>No lay-down of %1 yet: draw a tile.</source>
        <translation>Noch kein Auslegen von %1: zieh einen Stein.</translation>
    </message>
    <message>
        <source>None of your tiles can be laid: draw a tile.</source>
        <translation>Keiner deiner Steine passt: zieh einen Stein.</translation>
    </message>
    <message>
        <source>Hint: %1 worth %2. Press Place to lay %3.</source>
        <translation>Tipp: %1 im Wert von %2. Drück Legen, um %3 auszulegen.</translation>
    </message>
    <message>
        <source>1 tile</source>
        <translation>1 Stein</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 Steine</translation>
    </message>
    <message>
        <source>Hint laid (%1 points): press Finish to end your turn.</source>
        <translation>Tipp ausgelegt (%1 Punkte): drück Fertig, um deinen Zug zu beenden.</translation>
    </message>
    <message>
        <source>it</source>
        <translation>ihn</translation>
    </message>
    <message>
        <source>them</source>
        <translation>sie</translation>
    </message>
</context>
<context>
    <name>client::PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Weiter so!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Guter Zug!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Netter Versuch!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Ausgezeichnet!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Wow, super!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Danke!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Weiter so, Partner!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Gutes Spiel, alle!</translation>
    </message>
</context>
<context>
    <name>client::RackView</name>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Diese Runde hat schon begonnen. Du musst bis zur nächsten Runde warten.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>Du kannst keinen neuen Stein wählen, während du einen Stein vom Tisch in der Hand hast.</translation>
    </message>
    <message>
        <source>%1 (just drawn)</source>
        <translation>%1 (gerade gezogen)</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>SORTIEREN:</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Nach Zahlen sortieren</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Nach Farben sortieren</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>gerade gezogen</translation>
    </message>
    <message>
        <source>Your rack</source>
        <translation>Dein Bänkchen</translation>
    </message>
</context>
<context>
    <name>client::RecordStatsPage</name>
    <message>
        <source>Rimbalo - Game Statistics</source>
        <translation>Rimbalo - Spielstatistik</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>No games have been recorded yet.</source>
        <translation>Es wurden noch keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>Games played: %1, won: %2</source>
        <translation>Spiele gespielt: %1, gewonnen: %2</translation>
    </message>
    <message>
        <source>Rounds played: %1, gone out: %2</source>
        <translation>Runden gespielt: %1, Bänkchen geleert: %2</translation>
    </message>
    <message>
        <source>Average points per round: %1</source>
        <translation>Durchschnittliche Punkte pro Runde: %1</translation>
    </message>
    <message>
        <source>Best round: %1 points (round %2 of the game of %3)</source>
        <translation>Beste Runde: %1 Punkte (Runde %2 des Spiels vom %3)</translation>
    </message>
    <message numerus="yes">
        <source>From %n recorded game(s).</source>
        <translation>
            <numerusform>Aus %n Spielaufzeichnung.</numerusform>
            <numerusform>Aus %n Spielaufzeichnungen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>client::ReplayWindow</name>
    <message>
        <source>Game Records</source>
        <translation>Spielaufzeichnungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Gewinner</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>To the round&apos;s start (Home)</source>
        <translation>Zum Anfang der Runde (Pos1)</translation>
    </message>
    <message>
        <source>Back one turn (Left)</source>
        <translation>Einen Zug zurück (Links)</translation>
    </message>
    <message>
        <source>Forward one turn (Right)</source>
        <translation>Einen Zug vor (Rechts)</translation>
    </message>
    <message>
        <source>To the round&apos;s end (End)</source>
        <translation>Zum Ende der Runde (Ende)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Eine Aufzeichnung öffnen</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Save this game&apos;s record file to send</source>
        <translation>Die Aufzeichnung dieses Spiels zum Verschicken speichern</translation>
    </message>
    <message>
        <source>(not finished)</source>
        <translation>(nicht beendet)</translation>
    </message>
    <message>
        <source>Game Records — %1</source>
        <translation>Spielaufzeichnungen — %1</translation>
    </message>
    <message>
        <source>Round %1, end</source>
        <translation>Runde %1, Ende</translation>
    </message>
    <message>
        <source>Round %1, turn %2 of %3</source>
        <translation>Runde %1, Zug %2 von %3</translation>
    </message>
    <message>
        <source>Could not export the record to %1.</source>
        <translation>Die Aufzeichnung konnte nicht nach %1 exportiert werden.</translation>
    </message>
    <message>
        <source>Export Game Record</source>
        <translation>Spielaufzeichnung exportieren</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec)</source>
        <translation>Rimbalo-Spielaufzeichnungen (*.rimrec)</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Spielaufzeichnung öffnen</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec);;All files (*)</source>
        <translation>Rimbalo-Spielaufzeichnungen (*.rimrec);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Seat %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistik…</translation>
    </message>
    <message>
        <source>Games played and won, points per round, the best round</source>
        <translation>Gespielte und gewonnene Spiele, Punkte pro Runde, die beste Runde</translation>
    </message>
</context>
<context>
    <name>client::RoundSummary</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Tiles left</source>
        <translation>Steine übrig</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Next round in %1 s</source>
        <translation>Nächste Runde in %1 s</translation>
    </message>
    <message>
        <source>The next round is starting.</source>
        <translation>Die nächste Runde beginnt.</translation>
    </message>
</context>
<context>
    <name>client::SeatDisplay</name>
    <message>
        <source>PLAYER</source>
        <translation>SPIELER</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>RUNDE</translation>
    </message>
    <message>
        <source>TILES</source>
        <translation>HAND</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Wartet&gt;</translation>
    </message>
    <message>
        <source>Just watching: the computer plays this seat</source>
        <translation>Schaut nur zu: der Computer spielt diesen Platz</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>Setzt diese Runde aus</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du schaust zu.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 schaut zu.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 spielt wieder mit</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung verloren.</translation>
    </message>
    <message>
        <source>Seat %1: %2, %3 tiles, score %4</source>
        <translation>Platz %1: %2, %3 Steine, %4 Punkte</translation>
    </message>
    <message>
        <source>, just watching</source>
        <translation>, schaut nur zu</translation>
    </message>
    <message>
        <source>, sitting this round out</source>
        <translation>, setzt diese Runde aus</translation>
    </message>
    <message>
        <source>, your turn</source>
        <translation>, du bist am Zug</translation>
    </message>
    <message>
        <source>, their turn</source>
        <translation>, ist am Zug</translation>
    </message>
</context>
<context>
    <name>client::ShuffleCheck</name>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not match what it promised.</source>
        <translation>Warnung: Der Mischschlüssel des Servers passt nicht zu seiner Zusage.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not deal the tiles you were dealt.</source>
        <translation>Warnung: Der Mischschlüssel des Servers ergibt nicht die Steine, die du bekommen hast.</translation>
    </message>
    <message>
        <source>Shuffle checked.</source>
        <translation>Mischung geprüft.</translation>
    </message>
</context>
<context>
    <name>client::SpokenNames</name>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>allein</translation>
    </message>
    <message>
        <source>in a run of %1</source>
        <translation>in einer Folge von %1</translation>
    </message>
    <message>
        <source>in a group of %1</source>
        <translation>in einer Gruppe von %1</translation>
    </message>
    <message>
        <source>in an unfinished set of %1</source>
        <translation>in einer unfertigen Reihe von %1</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile: its colour, then its value (&quot;Red 7&quot;, &quot;Black King&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: leer</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>Der Tisch ist leer.</translation>
    </message>
    <message>
        <source>%1 tiles in %2 sets on the board, %3 of them unfinished.</source>
        <translation>%1 Steine in %2 Reihen auf dem Tisch, davon %3 unfertig.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Green Queen</source>
        <translation>Grün Dame</translation>
    </message>
    <message>
        <source>Orange Queen</source>
        <translation>Orange Dame</translation>
    </message>
    <message>
        <source>Red Queen</source>
        <translation>Rot Dame</translation>
    </message>
    <message>
        <source>Black Queen</source>
        <translation>Schwarz Dame</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>WILD</source>
        <extracomment>The joker as the game log and the status line name it.</extracomment>
        <translation>Joker</translation>
    </message>
</context>
<context>
    <name>client::TableLobby</name>
    <message>
        <source>the server closed the connection</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
</context>
<context>
    <name>client::Tchat</name>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Your phrases could not be saved: %1</source>
        <translation>Deine Sprüche konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>Du kannst keine Steine mehr aufnehmen</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>Es sind keine Steine mehr übrig</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
    <message>
        <source>You are hosting: the game ends for %1.</source>
        <translation>Du bist Gastgeber: das Spiel endet für %1.</translation>
    </message>
    <message>
        <source>The round you are playing ends.</source>
        <translation>Die Runde, die du spielst, endet.</translation>
    </message>
    <message>
        <source>You leave the game in progress: the computer plays your seat.</source>
        <translation>Du verlässt ein laufendes Spiel: der Computer spielt deinen Platz.</translation>
    </message>
    <message>
        <source>%1 all the same?</source>
        <translation>Trotzdem %1?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Nur zuschauen</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Spiel eröffnen…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Spiel beitreten…</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>Game Records…</source>
        <translation>Spielaufzeichnungen…</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Fensterposition zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Bilanz anzeigen</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Sprüche</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Geräusche abspielen</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht mitrollen</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Computertempo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Computer Level</source>
        <translation>Computerstärke</translation>
    </message>
    <message>
        <source>Allow Hints</source>
        <translation>Tipps erlauben</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Zugsignal</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Steinsätze</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The new language is used when Rimbalo starts again.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Rimbalo.</translation>
    </message>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>Deine Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Auf Zuschauen setzen</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Zuschauen aufheben</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Eröffnen</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Solospiel wird geladen… Bitte warten.</translation>
    </message>
    <message>
        <source>To play with friends, choose Host a Game… or Join a Game… in the Game menu.</source>
        <translation>Um mit Freunden zu spielen, wähle im Menü Spiel „Spiel eröffnen…“ oder „Spiel beitreten…“.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerspiel wird geladen… Bitte warten.</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>Das Spiel konnte nicht eröffnet werden: %1</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Eröffnung beenden</translation>
    </message>
    <message>
        <source>Hosting a game on port %1…</source>
        <translation>Spiel wird auf Port %1 eröffnet…</translation>
    </message>
    <message>
        <source>Joining a game at: %1…</source>
        <translation>Trete Spiel bei: %1…</translation>
    </message>
    <message>
        <source>the host closed the connection</source>
        <translation>der Gastgeber hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the game is full</source>
        <translation>das Spiel ist voll</translation>
    </message>
    <message>
        <source>Your game goes on.</source>
        <translation>Dein Spiel geht weiter.</translation>
    </message>
    <message>
        <source>Friends can join this game at: %1 (Game menu, Host a Game… to copy them).</source>
        <translation>Freunde können diesem Spiel beitreten unter: %1 (Menü Spiel, „Spiel eröffnen…“ zum Kopieren).</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>no answer from the game within %1 seconds</source>
        <translation>keine Antwort vom Spiel innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Nicht verbunden: %1</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>die Verbindung ist abgebrochen</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>Die Verbindung zum Gastgeber ist abgebrochen.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>Der Gastgeber hat das Spiel beendet.</translation>
    </message>
    <message>
        <source>The host has removed you from the game.</source>
        <translation>Der Gastgeber hat dich aus dem Spiel entfernt.</translation>
    </message>
    <message>
        <source>The settings file could not be read; the usual settings are used.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden; die üblichen Einstellungen gelten.</translation>
    </message>
    <message>
        <source>Table %1 (%2): friends join it with this code.</source>
        <translation>Tisch %1 (%2): mit diesem Code treten Freunde bei.</translation>
    </message>
    <message>
        <source>%1 now holds the host&apos;s powers.</source>
        <translation>%1 hat jetzt die Rechte des Gastgebers.</translation>
    </message>
    <message>
        <source>Reconnected.</source>
        <translation>Wieder verbunden.</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting… (attempt %1 in %2 s)</source>
        <translation>Verbindung verloren — neuer Versuch… (Versuch %1 in %2 s)</translation>
    </message>
    <message>
        <source>The tile set &quot;%1&quot; could not be read; the tiles keep their pictures.</source>
        <translation>Der Steinsatz „%1“ konnte nicht gelesen werden; die Steine behalten ihre Bilder.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>You are sending chat faster than anyone can read it: lines are dropped until you slow down.</source>
        <translation>Du schickst Chat schneller, als jemand lesen kann: Zeilen werden verworfen, bis du langsamer wirst.</translation>
    </message>
    <message>
        <source>You are sending commands faster than anyone can play: some were ignored.</source>
        <translation>Du schickst Befehle schneller, als jemand spielen kann: einige wurden ignoriert.</translation>
    </message>
    <message>
        <source>You have moved tiles more often this turn than anyone could: the rest of this turn&apos;s moves are ignored.</source>
        <translation>Du hast in diesem Zug öfter Steine bewegt, als irgendwer könnte: die übrigen Züge dieses Zuges werden ignoriert.</translation>
    </message>
    <message>
        <source>This server holds a single game.</source>
        <translation>Dieser Server hat nur ein Spiel.</translation>
    </message>
    <message>
        <source>You have opened too many tables. Try again in a minute.</source>
        <translation>Du hast zu viele Tische eröffnet. Versuch es in einer Minute wieder.</translation>
    </message>
    <message>
        <source>Every table of this server is taken.</source>
        <translation>Jeder Tisch dieses Servers ist besetzt.</translation>
    </message>
    <message>
        <source>Your seat is no longer kept for you.</source>
        <translation>Dein Platz wird nicht mehr für dich freigehalten.</translation>
    </message>
    <message>
        <source>The server is full. Try again later.</source>
        <translation>Der Server ist voll. Versuch es später wieder.</translation>
    </message>
    <message>
        <source>Too many connections from your address.</source>
        <translation>Zu viele Verbindungen von deiner Adresse.</translation>
    </message>
    <message>
        <source>No table with code %1.</source>
        <translation>Kein Tisch mit dem Code %1.</translation>
    </message>
    <message>
        <source>Table %1 is full.</source>
        <translation>Tisch %1 ist voll.</translation>
    </message>
    <message>
        <source>No answer from %1: %2</source>
        <translation>Keine Antwort von %1: %2</translation>
    </message>
    <message>
        <source>Notify Me When It Is My Turn</source>
        <translation>Benachrichtigen, wenn ich am Zug bin</translation>
    </message>
    <message>
        <source>Game Records Kept</source>
        <translation>Aufbewahrte Aufzeichnungen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
</context>
<context>
    <name>client::TurnAlert</name>
    <message>
        <source>Your turn in Rimbalo</source>
        <translation>Du bist am Zug in Rimbalo</translation>
    </message>
    <message>
        <source>The other players are waiting for your move.</source>
        <translation>Die anderen Spieler warten auf deinen Zug.</translation>
    </message>
</context>
<context>
    <name>client::TurnControls</name>
    <message>
        <source>Welcome to Rimbalo By Vemko Software!</source>
        <translation>Willkommen bei Rimbalo von Vemko Software!</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Hier klicken für das Spielprotokoll</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Spiel anhalten</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Spielprotokoll</translation>
    </message>
    <message>
        <source>Blinks while the board is incomplete</source>
        <translation>Blinkt, solange der Tisch unvollständig ist</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Zeit: 0:00</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.</source>
        <translation>Auf dem Tisch liegen unvollständige oder falsche Reihen.</translation>
    </message>
    <message>
        <source>Would you like to take a %1 tile penalty and end your turn?</source>
        <translation>Möchtest du %1 Strafsteine nehmen und deinen Zug beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least %1 points.</source>
        <translation>Die Steine deines ersten Auslegens müssen zusammen mindestens %1 Punkte ergeben.</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Legen</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Zeit: %1:%2</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>Dein erstes Auslegen muss mindestens %1 Punkte ergeben</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>Der Tisch ist unvollständig.</translation>
    </message>
    <message>
        <source>Board is incomplete: %1.</source>
        <translation>Der Tisch ist unvollständig: %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Du bist am Zug.</translation>
    </message>
    <message>
        <source>Close the game log</source>
        <translation>Spielprotokoll schließen</translation>
    </message>
</context>
<context>
    <name>windows::AddressDialog</name>
    <message>
        <source>Host address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>name, IPv4 or IPv6 address</source>
        <translation>Name, IPv4- oder IPv6-Adresse</translation>
    </message>
</context>
<context>
    <name>windows::AuxWindow</name>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
</context>
<context>
    <name>windows::HostDialog</name>
    <message>
        <source>Rimbalo - Host a Game</source>
        <translation>Rimbalo - Spiel eröffnen</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Spiel eröffnen</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Eröffnen</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Eröffnung beenden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Choose Host: this game ends and a new one opens for your friends to join.</source>
        <translation>Wähle Eröffnen: dieses Spiel endet und ein neues öffnet sich für deine Freunde.</translation>
    </message>
    <message>
        <source>You are hosting on port %1. Give your friends one of these addresses (those on the first lines work from other computers):</source>
        <translation>Du bist Gastgeber auf Port %1. Gib deinen Freunden eine dieser Adressen (die oberen funktionieren von anderen Computern aus):</translation>
    </message>
    <message>
        <source>You are hosting on port %1, but this computer has no network address others can reach: only this computer can join.</source>
        <translation>Du bist Gastgeber auf Port %1, aber dieser Computer hat keine Adresse, die andere erreichen: nur dieser Computer kann beitreten.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2.</source>
        <translation>Port %1 ist nicht nutzbar: %2.</translation>
    </message>
    <message>
        <source> Port %1 is free.</source>
        <translation> Port %1 ist frei.</translation>
    </message>
    <message>
        <source>Use Port %1</source>
        <translation>Port %1 nutzen</translation>
    </message>
    <message>
        <source> Choose another port.</source>
        <translation> Wähle einen anderen Port.</translation>
    </message>
</context>
<context>
    <name>windows::JoinDialog</name>
    <message>
        <source>Rimbalo - Join a Game</source>
        <translation>Rimbalo - Spiel beitreten</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Spiel beitreten</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Bitte gib die Adresse des Gastgebers ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host address.</source>
        <translation>„%1“ ist keine Adresse.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>to %1, %2 s a turn, %3 tiles</source>
        <translation>bis %1, %2 s pro Zug, %3 Steine</translation>
    </message>
    <message>
        <source>Tables on a server</source>
        <translation>Tische auf einem Server</translation>
    </message>
    <message>
        <source>List Tables</source>
        <translation>Tische zeigen</translation>
    </message>
    <message>
        <source>of the server at the address above</source>
        <translation>des Servers mit der Adresse oben</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Join Table</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Mit Code</translation>
    </message>
    <message>
        <source>new table&apos;s name</source>
        <translation>Name des Tisches</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Create a Table</source>
        <translation>Tisch eröffnen</translation>
    </message>
    <message>
        <source>Asking %1 for its tables…</source>
        <translation>Tische von %1 werden abgefragt…</translation>
    </message>
    <message>
        <source>%1 has no open tables: create one.</source>
        <translation>%1 hat keine offenen Tische: eröffne einen.</translation>
    </message>
    <message>
        <source>Open tables of %1.</source>
        <translation>Offene Tische von %1.</translation>
    </message>
    <message>
        <source>Choose a table in the list, or type its code.</source>
        <translation>Wähle einen Tisch in der Liste oder gib seinen Code ein.</translation>
    </message>
    <message>
        <source>Please type the table&apos;s code.</source>
        <translation>Bitte gib den Code des Tisches ein.</translation>
    </message>
    <message>
        <source>Joining table %1…</source>
        <translation>Trete Tisch %1 bei…</translation>
    </message>
    <message>
        <source>Creating a table…</source>
        <translation>Tisch wird eröffnet…</translation>
    </message>
</context>
<context>
    <name>windows::TableCodeDialog</name>
    <message>
        <source>Rimbalo - Your Table</source>
        <translation>Rimbalo - Dein Tisch</translation>
    </message>
    <message>
        <source>Your Table</source>
        <translation>Dein Tisch</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed on %2. Friends can also type this code in Join a Game….</source>
        <translation>„%1“ steht in der Liste von %2. Freunde können diesen Code auch in „Spiel beitreten…“ eingeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is private: only those you give this code to can join it, in Join a Game… at %2.</source>
        <translation>„%1“ ist privat: nur wem du diesen Code gibst, kann beitreten, in „Spiel beitreten…“ bei %2.</translation>
    </message>
</context>
<context>
    <name>windows::Tabout</name>
    <message>
        <source>Rimbalo - About</source>
        <translation>Rimbalo - Über</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>windows::Tdownload</name>
    <message>
        <source>If you already have The Vemko Lobby and you wish to play with others then click the button below to close this game and open The Vemko Lobby.</source>
        <translation>Wenn du die Vemko Lobby schon hast und mit anderen spielen möchtest, klick unten, um dieses Spiel zu schließen und die Vemko Lobby zu öffnen.</translation>
    </message>
    <message>
        <source>To play with others, host a game on this computer or join a friend&apos;s game: click the button below.</source>
        <translation>Um mit anderen zu spielen, eröffne ein Spiel auf diesem Computer oder tritt dem Spiel eines Freundes bei: klick unten.</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby</source>
        <translation>Vemko Lobby herunterladen</translation>
    </message>
    <message>
        <source>No download address is set: add LobbyUrl= and the installer&apos;s address to the [rimbalo] section of vemkolobby.ini.</source>
        <translation>Keine Download-Adresse eingestellt: trag LobbyUrl= und die Adresse des Installationsprogramms im Abschnitt [rimbalo] von vemkolobby.ini ein.</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>IST ZU</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Lade jetzt die Vemko Lobby herunter, um dieses und andere spannende Spiele online mit anderen zu spielen! </translation>
    </message>
    <message>
        <source>Download And Install The Vemko Lobby Now</source>
        <translation>Vemko Lobby laden und installieren</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Um ohne Mitspieler im Netz weiterzuspielen, klick unten.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Hinweis: Auch wenn du offline spielst, musst du deine FIREWALL so einstellen, dass das Spiel seine Internetteile nutzen darf.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Lade herunter: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Nur %1 von %2 Bytes kamen an</translation>
    </message>
    <message>
        <source>The server sent an empty file</source>
        <translation>Der Server schickte eine leere Datei</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Please close the game and open the Vemko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Bitte schließ das Spiel und öffne die Vemko Lobby über das Symbol auf deinem Desktop oder über das Startmenü von Windows.</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Spiel eröffnen…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Spiel beitreten…</translation>
    </message>
</context>
<context>
    <name>windows::Tgamestart</name>
    <message>
        <source>Rimbalo - Game Start</source>
        <translation>Rimbalo - Spielbeginn</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Spiel bis:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <translation>Zeit pro Zug:</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Startsteine:</translation>
    </message>
    <message>
        <source>Computer Opponents:</source>
        <translation>Computergegner:</translation>
    </message>
    <message>
        <source>How many empty seats the computer plays (a team game fills all four); 0 when a friend holds seat 2 and nobody else is wanted</source>
        <translation>Wie viele freie Plätze der Computer spielt (ein Teamspiel füllt alle vier); 0, wenn ein Freund Platz 2 hat und sonst niemand mitspielen soll</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Zeitstrafe</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspiel</translation>
    </message>
    <message>
        <source>Computer Level:</source>
        <translation>Computerstärke:</translation>
    </message>
    <message>
        <source>How well the computer seats play, from Beginner to Master</source>
        <translation>Wie gut die Computerplätze spielen, von Anfänger bis Meister</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>Sek.</translation>
    </message>
</context>
<context>
    <name>windows::Thelp</name>
    <message>
        <source>Rimbalo - Help File</source>
        <translation>Rimbalo - Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Die Lobby</translation>
    </message>
</context>
<context>
    <name>windows::Tphrases</name>
    <message>
        <source>Rimbalo - Phrase Buttons </source>
        <translation>Rimbalo - Sprüche </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Spruch %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Sprüche lassen sich nur alle 2 Sekunden senden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>windows::Tspylist</name>
    <message>
        <source>Rimbalo - Spys</source>
        <translation>Rimbalo - Zuschauer</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
</context>
<context>
    <name>windows::Ttallylist</name>
    <message>
        <source>Rimbalo - Tally List</source>
        <translation>Rimbalo - Bilanz</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Bilanz zurücksetzen</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele gesamt:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Deine Siege:</translation>
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
        <translation>Spieler im laufenden Spiel</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Gezählte Spieler</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Number of Games:</source>
        <translation>Anzahl Spiele:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner gewann:</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to open input file : %1</source>
        <translation>Lzrw1 (De-)Kompression: Eingabedatei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>%1 is far too large for a tally.</source>
        <translation>%1 ist viel zu groß für eine Bilanz.</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input file : %1</source>
        <translation>Lzrw1: Fehler beim Lesen der Eingabedatei: %1</translation>
    </message>
    <message>
        <source>%1 does not hold a tally.</source>
        <translation>%1 enthält keine Bilanz.</translation>
    </message>
    <message>
        <source>The file is kept as %1 and a new tally is started.</source>
        <translation>Die Datei bleibt als %1 erhalten und eine neue Bilanz beginnt.</translation>
    </message>
    <message>
        <source>A new tally is started; it will not be saved over that file.</source>
        <translation>Eine neue Bilanz beginnt; sie wird nicht über diese Datei gespeichert.</translation>
    </message>
    <message>
        <source>The tally could not be saved to %1: %2</source>
        <translation>Die Bilanz konnte nicht nach %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Bilanz von %1 gelöscht. Wirklich löschen?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilanz von %1</translation>
    </message>
    <message>
        <source>Select a player to tally</source>
        <translation>Wähle einen Spieler für die Bilanz</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Willst du die Bilanz wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
</context>
</TS>
