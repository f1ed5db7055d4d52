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
    <name>windows::HelpText</name>
    <message>
        <source>Rimbalo is a rummy game played with numbered tiles by up to four players. The set has &lt;b&gt;%1 tiles&lt;/b&gt;: the numbers 1 to 13 in four colours, each twice, and two jokers. Each colour has its own symbol: &lt;b&gt;green clubs&lt;/b&gt; (&amp;#9827;), &lt;b&gt;orange diamonds&lt;/b&gt; (&amp;#9830;), &lt;b&gt;red hearts&lt;/b&gt; (&amp;#9829;) and &lt;b&gt;black spades&lt;/b&gt; (&amp;#9824;). The tiles 11, 12 and 13 show &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; and &lt;b&gt;K&lt;/b&gt; and count 11, 12 and 13.</source>
        <translation>Rimbalo ist ein Rommé-Spiel mit Zahlensteinen für bis zu vier Spieler. Das Spiel hat &lt;b&gt;%1 Steine&lt;/b&gt;: die Zahlen 1 bis 13 in vier Farben, jede doppelt, und zwei Joker. Jede Farbe hat ihr eigenes Symbol: &lt;b&gt;grüne Kreuze&lt;/b&gt; (&amp;#9827;), &lt;b&gt;orange Karos&lt;/b&gt; (&amp;#9830;), &lt;b&gt;rote Herzen&lt;/b&gt; (&amp;#9829;) und &lt;b&gt;schwarze Pik&lt;/b&gt; (&amp;#9824;). Die Steine 11, 12 und 13 zeigen &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; und &lt;b&gt;K&lt;/b&gt; und zählen 11, 12 und 13.</translation>
    </message>
    <message>
        <source>Everybody plays on one shared board. On your turn you lay tiles from your rack onto the board in &lt;b&gt;sets&lt;/b&gt; and may rearrange the sets already there, as long as the whole board is made of valid sets when you finish. The first player to empty the rack wins the round and collects the value of every tile the others still hold. Rounds follow each other until a player reaches the target score.</source>
        <translation>Alle spielen auf einem gemeinsamen Tisch. In deinem Zug legst du Steine von deinem Bänkchen in &lt;b&gt;Reihen&lt;/b&gt; auf den Tisch und darfst die Reihen, die dort schon liegen, umbauen, solange am Ende deines Zuges der ganze Tisch aus gültigen Reihen besteht. Wer als Erster sein Bänkchen leert, gewinnt die Runde und bekommt den Wert aller Steine, die die anderen noch haben. Runde folgt auf Runde, bis ein Spieler die Zielpunktzahl erreicht.</translation>
    </message>
    <message>
        <source>Seats nobody holds are played by the computer. When the host starts a game, &lt;b&gt;Computer Opponents&lt;/b&gt; (1 to 3) says how many of the empty seats the computer plays (0 is offered too when a friend already holds seat 2); a team game fills all four seats. Anybody who joins after the four seats are taken watches the game as an onlooker.</source>
        <translation>Plätze, die niemand besetzt, spielt der Computer. Wenn der Gastgeber ein Spiel startet, legt &lt;b&gt;Computergegner&lt;/b&gt; (1 bis 3) fest, wie viele der freien Plätze der Computer spielt (auch 0 ist möglich, wenn ein Freund schon Platz 2 hat); ein Teamspiel füllt alle vier Plätze. Wer beitritt, wenn alle vier Plätze besetzt sind, schaut dem Spiel zu.</translation>
    </message>
    <message>
        <source>The computer plays at one of five levels, weakest first: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (the default), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; and &lt;b&gt;%5&lt;/b&gt;. The host chooses it as the Computer Level in the start dialog or in the Options menu. %1 never moves a tile already on the board; %3 and %4 look for the most valuable lay-down, %4 rearranging the board&apos;s sets freely; %5 also plays the next turns out before it chooses. Options, Bot Speed sets how quickly it moves.</source>
        <extracomment>%1 to %5 are the computer levels, weakest first, as the Computer Level menu names them.</extracomment>
        <translation>Der Computer spielt in einer von fünf Stärken, die schwächste zuerst: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (voreingestellt), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; und &lt;b&gt;%5&lt;/b&gt;. Der Gastgeber wählt sie als Computerstärke im Startdialog oder im Menü Optionen. %1 bewegt nie einen Stein, der schon auf dem Tisch liegt; %3 und %4 suchen das wertvollste Auslegen, %4 baut dafür die Reihen auf dem Tisch beliebig um; %5 spielt außerdem die nächsten Züge durch, bevor er sich entscheidet. Optionen, Computertempo legt fest, wie schnell er spielt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your window.&lt;/b&gt; Options, Tile Sets offers a &lt;b&gt;High contrast&lt;/b&gt; set whose colours stay apart for colour-blind players. Options, Language chooses the window&apos;s language from the next start (System follows the desktop). Screen readers can read out the rack, the board and the seats. When your turn starts while you are in another window, the window asks for attention and, unless Options, Notify Me When It Is My Turn is off, the desktop shows a notice.</source>
        <translation>&lt;b&gt;Dein Fenster.&lt;/b&gt; Optionen, Steinsätze bietet den Satz &lt;b&gt;Hoher Kontrast&lt;/b&gt;, dessen Farben auch für farbenblinde Spieler gut zu unterscheiden sind. Optionen, Sprache wählt die Sprache des Fensters ab dem nächsten Start (System folgt dem Desktop). Bildschirmleser können das Bänkchen, den Tisch und die Plätze vorlesen. Beginnt dein Zug, während du in einem anderen Fenster bist, bittet das Fenster um Aufmerksamkeit, und solange „Benachrichtigen, wenn ich am Zug bin“ im Menü Optionen eingeschaltet ist, zeigt der Desktop eine Meldung.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Game records.&lt;/b&gt; The games you host are kept: &lt;b&gt;Game, Game Records…&lt;/b&gt; lists them, replays any of them turn by turn and counts each player&apos;s games, wins and points.</source>
        <translation>&lt;b&gt;Spielaufzeichnungen.&lt;/b&gt; Die Spiele, die du eröffnest, werden aufbewahrt: &lt;b&gt;Spiel, Spielaufzeichnungen…&lt;/b&gt; listet sie auf, spielt jedes davon Zug für Zug nach und zählt für jeden Spieler Spiele, Siege und Punkte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solo game.&lt;/b&gt; Start Rimbalo without anything else and it plays a game against the computer on this machine. You sit in seat 1 as &lt;i&gt;You&lt;/i&gt;; the game starts when you press &lt;b&gt;Start&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Allein spielen.&lt;/b&gt; Starte Rimbalo ohne weitere Angaben, und es spielt auf diesem Rechner ein Spiel gegen den Computer. Du sitzt auf Platz 1 als &lt;i&gt;You&lt;/i&gt;; das Spiel beginnt, wenn du &lt;b&gt;Start&lt;/b&gt; drückst.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hosting a game.&lt;/b&gt; Choose &lt;b&gt;Game, Host a Game…&lt;/b&gt;, type your name and press &lt;b&gt;Host&lt;/b&gt;. The dialog then lists the addresses of this computer; &lt;b&gt;Copy&lt;/b&gt; one and send it to your friends. The game runs on TCP port %1 unless you choose another, and the host&apos;s firewall must let that port in. When the port is in use the dialog says so and offers a free one.</source>
        <extracomment>%1 is the game&apos;s usual TCP port.</extracomment>
        <translation>&lt;b&gt;Ein Spiel eröffnen.&lt;/b&gt; Wähle &lt;b&gt;Spiel, Spiel eröffnen…&lt;/b&gt;, gib deinen Namen ein und drücke &lt;b&gt;Eröffnen&lt;/b&gt;. Der Dialog zeigt dann die Adressen dieses Rechners; kopiere eine mit &lt;b&gt;Kopieren&lt;/b&gt; und schick sie deinen Freunden. Das Spiel läuft auf TCP-Port %1, wenn du keinen anderen wählst, und die Firewall des Gastgebers muss diesen Port durchlassen. Ist der Port belegt, sagt der Dialog es und bietet einen freien an.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Joining a game.&lt;/b&gt; Choose &lt;b&gt;Game, Join a Game…&lt;/b&gt;, type your name and the address the host gave you (such as 192.168.1.20, or 192.168.1.20:%1 for another port) and press &lt;b&gt;Join&lt;/b&gt;. If the host cannot be reached the dialog says why and you can try again.</source>
        <extracomment>%1 is another port than the usual one, as an example.</extracomment>
        <translation>&lt;b&gt;Einem Spiel beitreten.&lt;/b&gt; Wähle &lt;b&gt;Spiel, Spiel beitreten…&lt;/b&gt;, gib deinen Namen und die Adresse ein, die dir der Gastgeber gegeben hat (etwa 192.168.1.20, oder 192.168.1.20:%1 für einen anderen Port), und drücke &lt;b&gt;Beitreten&lt;/b&gt;. Ist der Gastgeber nicht erreichbar, sagt der Dialog, warum, und du kannst es noch einmal versuchen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tables on a server.&lt;/b&gt; Friends in different homes meet at a table server, a computer everyone can reach that holds many tables, each its own game. In &lt;b&gt;Game, Join a Game…&lt;/b&gt; type its address, then press &lt;b&gt;List Tables&lt;/b&gt; and &lt;b&gt;Join Table&lt;/b&gt;, or type a table&apos;s code and press &lt;b&gt;Join by Code&lt;/b&gt;, or &lt;b&gt;Create a Table&lt;/b&gt; and give its code to your friends (a new table is private unless you untick &lt;b&gt;Private&lt;/b&gt;). Whoever opens a table holds seat 1 and the host&apos;s powers there.</source>
        <translation>&lt;b&gt;Tische auf einem Server.&lt;/b&gt; Freunde in verschiedenen Wohnungen treffen sich auf einem Tischserver, einem Rechner, den alle erreichen und der viele Tische hat, jeder mit seinem eigenen Spiel. Gib in &lt;b&gt;Spiel, Spiel beitreten…&lt;/b&gt; seine Adresse ein und drücke dann &lt;b&gt;Tische zeigen&lt;/b&gt; und &lt;b&gt;Beitreten&lt;/b&gt;, oder tippe den Code eines Tisches und drücke &lt;b&gt;Mit Code&lt;/b&gt;, oder drücke &lt;b&gt;Tisch eröffnen&lt;/b&gt; und gib deinen Freunden seinen Code (ein neuer Tisch ist privat, solange du &lt;b&gt;Privat&lt;/b&gt; nicht abwählst). Wer einen Tisch eröffnet, hat dort Platz 1 und die Rechte des Gastgebers.</translation>
    </message>
    <message>
        <source>&lt;b&gt;From the command line.&lt;/b&gt; Rimbalo can also be started with three words: your name, the host&apos;s address (with a table&apos;s code after a slash) and the role:</source>
        <translation>&lt;b&gt;Von der Befehlszeile.&lt;/b&gt; Rimbalo lässt sich auch mit drei Wörtern starten: deinem Namen, der Adresse des Gastgebers (mit dem Code eines Tisches nach einem Schrägstrich) und der Rolle:</translation>
    </message>
    <message>
        <source>(Ann hosts the game)</source>
        <translation>(Ann eröffnet das Spiel)</translation>
    </message>
    <message>
        <source>(Bob joins Ann&apos;s game)</source>
        <translation>(Bob tritt Anns Spiel bei)</translation>
    </message>
    <message>
        <source>(Cem joins the table K7MXQ4 of a server)</source>
        <translation>(Cem setzt sich an Tisch K7MXQ4 eines Servers)</translation>
    </message>
    <message>
        <source>The host always plays in seat 1 and is the one who starts games, pauses them and can remove a player. Players take seats 2 to 4 in the order they connect; later arrivals watch. A player who joins while a game runs takes over a free seat&apos;s tiles and score, or waits for the next round.</source>
        <translation>Der Gastgeber spielt immer auf Platz 1; er startet Spiele, hält sie an und kann einen Spieler entfernen. Die Spieler nehmen die Plätze 2 bis 4 in der Reihenfolge ein, in der sie sich verbinden; wer später kommt, schaut zu. Wer während eines laufenden Spiels beitritt, übernimmt die Steine und Punkte eines freien Platzes oder wartet auf die nächste Runde.</translation>
    </message>
    <message>
        <source>The Vemko Lobby starts Rimbalo this way for you when you host or join a game there. When the host leaves, the game ends for everybody.</source>
        <translation>Die Vemko Lobby startet Rimbalo auf diese Weise für dich, wenn du dort ein Spiel eröffnest oder einem beitrittst. Wenn der Gastgeber geht, endet das Spiel für alle.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The deal.&lt;/b&gt; Every playing seat gets %1 tiles (the host may choose %2 to %3; the deal is lowered when the pool would keep fewer than 10 tiles). Turns pass from seat to seat.</source>
        <extracomment>%1 is the usual deal; %2 to %3 the deals the host may choose.</extracomment>
        <translation>&lt;b&gt;Das Austeilen.&lt;/b&gt; Jeder spielende Platz bekommt %1 Steine (der Gastgeber kann %2 bis %3 wählen; es wird weniger ausgeteilt, wenn sonst weniger als 10 Steine im Vorrat blieben). Die Züge gehen von Platz zu Platz.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sets.&lt;/b&gt; Sets lie along a row of the board, left to right, with an empty cell between neighbouring sets. Every set has at least three tiles and is either</source>
        <translation>&lt;b&gt;Reihen.&lt;/b&gt; Reihen liegen in einer Zeile des Tisches von links nach rechts, mit einem leeren Feld zwischen benachbarten Reihen. Jede Reihe hat mindestens drei Steine und ist entweder</translation>
    </message>
    <message>
        <source>a &lt;b&gt;run&lt;/b&gt;: consecutive numbers of one colour, such as green 4, 5, 6 (13 is the highest number; runs do not go round from 13 to 1), or</source>
        <translation>eine &lt;b&gt;Folge&lt;/b&gt;: aufeinanderfolgende Zahlen einer Farbe, etwa Grün 4, 5, 6 (13 ist die höchste Zahl; Folgen gehen nicht von 13 auf 1 weiter), oder</translation>
    </message>
    <message>
        <source>a &lt;b&gt;group&lt;/b&gt;: one number in different colours, such as red 9, black 9, orange 9.</source>
        <translation>eine &lt;b&gt;Gruppe&lt;/b&gt;: eine Zahl in verschiedenen Farben, etwa Rot 9, Schwarz 9, Orange 9.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tile values.&lt;/b&gt; A tile counts its number: 1 to 10, and J, Q and K count 11, 12 and 13.</source>
        <translation>&lt;b&gt;Steinwerte.&lt;/b&gt; Ein Stein zählt seine Zahl: 1 bis 10, und J, Q und K zählen 11, 12 und 13.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jokers&lt;/b&gt; stand in for any tile. A run with jokers must still fit between 1 and 13, so no joker can stand before a 1 or after a 13; both jokers may stand side by side, as in joker, joker, green 5, green 6 (a 3-4-5-6). With both jokers a group can hold six tiles.</source>
        <translation>&lt;b&gt;Joker&lt;/b&gt; ersetzen jeden beliebigen Stein. Eine Folge mit Jokern muss trotzdem zwischen 1 und 13 passen, daher kann kein Joker vor einer 1 oder nach einer 13 stehen; beide Joker dürfen nebeneinander liegen, wie in Joker, Joker, Grün 5, Grün 6 (eine 3-4-5-6). Mit beiden Jokern kann eine Gruppe sechs Steine haben.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your first lay-down&lt;/b&gt; in a round must be worth at least &lt;b&gt;%1 points&lt;/b&gt;: the tiles you lay from your rack in that turn count their numbers, a joker counts %2. Moving tiles that are already on the board counts nothing. After that, any valid board will do.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Dein erstes Auslegen&lt;/b&gt; in einer Runde muss mindestens &lt;b&gt;%1 Punkte&lt;/b&gt; wert sein: Die Steine, die du in diesem Zug von deinem Bänkchen legst, zählen ihre Zahlen, ein Joker zählt %2. Steine zu verschieben, die schon auf dem Tisch liegen, zählt nichts. Danach genügt jeder gültige Tisch.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your turn.&lt;/b&gt; Click a tile in your rack to pick it up and click an empty board cell to put it down; click a board tile to pick it up and move it. Hold Shift when picking a rack tile to lay the next two numbers of its run with it, or Ctrl for two more tiles of its group. Right-click a tile you laid this turn to take it back. &lt;b&gt;Clear&lt;/b&gt; takes back the whole turn, &lt;b&gt;Draw&lt;/b&gt; takes one tile and ends the turn, &lt;b&gt;Finish&lt;/b&gt; ends the turn with the tiles laid; it shows once you have laid or moved a tile. A tile you have just drawn, and each tile dealt to you as a penalty, carries a blue corner until you next touch your rack. The small light next to the buttons blinks while the board is not yet complete.</source>
        <translation>&lt;b&gt;Dein Zug.&lt;/b&gt; Klicke einen Stein auf deinem Bänkchen an, um ihn aufzunehmen, und klicke ein leeres Feld des Tisches an, um ihn abzulegen; klicke einen Stein auf dem Tisch an, um ihn aufzunehmen und zu verschieben. Halte beim Aufnehmen eines Steins vom Bänkchen Umschalt gedrückt, um die nächsten zwei Zahlen seiner Folge mitzulegen, oder Strg für zwei weitere Steine seiner Gruppe. Ein Rechtsklick auf einen Stein, den du in diesem Zug gelegt hast, nimmt ihn zurück. &lt;b&gt;Zurück&lt;/b&gt; nimmt den ganzen Zug zurück, &lt;b&gt;Ziehen&lt;/b&gt; nimmt einen Stein und beendet den Zug, &lt;b&gt;Fertig&lt;/b&gt; beendet den Zug mit den gelegten Steinen; dieser Knopf erscheint, sobald du einen Stein gelegt oder verschoben hast. Ein gerade gezogener Stein und jeder Stein, den du als Strafe bekommst, trägt eine blaue Ecke, bis du dein Bänkchen das nächste Mal berührst. Das kleine Licht neben den Knöpfen blinkt, solange der Tisch nicht vollständig ist.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hint.&lt;/b&gt; During your turn &lt;b&gt;Hint&lt;/b&gt; outlines the rack tiles of the most valuable lay-down the board allows, its sets rearranged as needed (before your first lay-down only one worth %1); press it again (it then reads &lt;b&gt;Place&lt;/b&gt;) to lay them, then Finish. The host can switch hints off (Options, Allow Hints). Hints come from the same search the %2 computer players use.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 the computer level whose search gives the hints.</extracomment>
        <translation>&lt;b&gt;Tipp.&lt;/b&gt; In deinem Zug markiert &lt;b&gt;Tipp&lt;/b&gt; die Steine deines Bänkchens für das wertvollste Auslegen, das der Tisch erlaubt, wobei seine Reihen nach Bedarf umgebaut werden (vor deinem ersten Auslegen nur eines im Wert von mindestens %1); drücke den Knopf noch einmal (dann heißt er &lt;b&gt;Legen&lt;/b&gt;), um sie zu legen, und danach Fertig. Der Gastgeber kann Tipps abschalten (Optionen, Tipps erlauben). Die Tipps kommen aus derselben Suche, die die Computerspieler der Stärke %2 benutzen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The clock.&lt;/b&gt; Every turn runs against a clock (%1 seconds unless the host chooses %2 to %3). When the time is up the turn is taken back and you draw %4 tiles, or one when the host switched the time penalty off.</source>
        <extracomment>%1 is the usual time of a turn in seconds; %2 to %3 the times the host may choose; %4 the tiles drawn as the time penalty.</extracomment>
        <translation>&lt;b&gt;Die Uhr.&lt;/b&gt; Jeder Zug läuft gegen die Uhr (%1 Sekunden, wenn der Gastgeber nicht %2 bis %3 wählt). Ist die Zeit abgelaufen, wird der Zug zurückgenommen und du ziehst %4 Steine, oder einen, wenn der Gastgeber die Zeitstrafe abgeschaltet hat.</translation>
    </message>
    <message>
        <source>&lt;b&gt;An incomplete board.&lt;/b&gt; If you finish while the board holds an incomplete or wrong set, you are offered a &lt;b&gt;%1-tile penalty&lt;/b&gt;: take it and your turn is taken back and ends, or go back and mend the board. With less than 10 seconds left the turn is taken back at once.</source>
        <extracomment>%1 is the number of penalty tiles.</extracomment>
        <translation>&lt;b&gt;Ein unvollständiger Tisch.&lt;/b&gt; Wenn du auf Fertig drückst, während auf dem Tisch eine unvollständige oder falsche Reihe liegt, werden dir &lt;b&gt;%1 Strafsteine&lt;/b&gt; angeboten: Nimmst du sie, wird dein Zug zurückgenommen und endet; sonst gehst du zurück und bringst den Tisch in Ordnung. Bei weniger als 10 Sekunden Restzeit wird der Zug sofort zurückgenommen.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Sort by Numbers&lt;/b&gt; and &lt;b&gt;Sort by Suits&lt;/b&gt; buttons sort your rack; a right-click on any rack tile sorts it again.</source>
        <translation>Die Knöpfe &lt;b&gt;Nach Zahlen sortieren&lt;/b&gt; und &lt;b&gt;Nach Farben sortieren&lt;/b&gt; sortieren dein Bänkchen; ein Rechtsklick auf einen beliebigen Stein des Bänkchens sortiert es erneut.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop.&lt;/b&gt; You can also drag a tile from the rack to the board, from one cell to another, or back onto the rack to take it back. Hold Alt or Shift while dragging a board tile to move its whole set. During your turn a set that is not yet valid has a dashed amber outline (the red frames mark the cells of the last move); when the server refuses a Finish, the line under the board names the set at fault. A move that cannot be made says why under the board, and during your first lay-down the line under the board counts its value towards %1.</source>
        <extracomment>%1 is the least value of a first lay-down.</extracomment>
        <translation>&lt;b&gt;Mit der Maus ziehen.&lt;/b&gt; Du kannst einen Stein auch vom Bänkchen auf den Tisch ziehen, von einem Feld auf ein anderes oder zurück auf das Bänkchen, um ihn zurückzunehmen. Halte Alt oder Umschalt, während du einen Stein des Tisches ziehst, um seine ganze Reihe zu verschieben. In deinem Zug hat eine noch ungültige Reihe einen gestrichelten bernsteinfarbenen Umriss (die roten Rahmen zeigen die Felder des letzten Zuges); lehnt der Server ein Fertig ab, nennt die Zeile unter dem Tisch die fehlerhafte Reihe. Ein Zug, der nicht geht, sagt unter dem Tisch, warum, und während deines ersten Auslegens zeigt die Zeile unter dem Tisch, wie viel es von den nötigen %1 schon wert ist.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard.&lt;/b&gt; Click the board first (Esc leaves the chat line). &lt;b&gt;Enter&lt;/b&gt; finishes the turn once you have laid tiles (with nothing laid it does nothing: press &lt;b&gt;D&lt;/b&gt; to draw), &lt;b&gt;D&lt;/b&gt; draws, &lt;b&gt;Esc&lt;/b&gt; puts the tile in your hand back or else clears the turn, &lt;b&gt;1&lt;/b&gt; and &lt;b&gt;2&lt;/b&gt; sort by numbers and by suits, &lt;b&gt;P&lt;/b&gt; pauses, &lt;b&gt;H&lt;/b&gt; asks for a hint and, pressed again, lays it. The &lt;b&gt;arrow keys&lt;/b&gt; move a yellow frame over the rack and the board; &lt;b&gt;Space&lt;/b&gt; picks up or puts down the tile under it (Shift+Space or Ctrl+Space picks a rack tile for its run or its group).</source>
        <translation>&lt;b&gt;Tastatur.&lt;/b&gt; Klicke zuerst auf den Tisch (Esc verlässt die Chatzeile). &lt;b&gt;Enter&lt;/b&gt; beendet den Zug, sobald du Steine gelegt hast (ohne gelegte Steine tut es nichts: drücke &lt;b&gt;D&lt;/b&gt; zum Ziehen), &lt;b&gt;D&lt;/b&gt; zieht, &lt;b&gt;Esc&lt;/b&gt; legt den Stein in deiner Hand zurück oder nimmt sonst den Zug zurück, &lt;b&gt;1&lt;/b&gt; und &lt;b&gt;2&lt;/b&gt; sortieren nach Zahlen und nach Farben, &lt;b&gt;P&lt;/b&gt; hält an, &lt;b&gt;H&lt;/b&gt; bittet um einen Tipp und legt ihn, wenn du es noch einmal drückst. Die &lt;b&gt;Pfeiltasten&lt;/b&gt; bewegen einen gelben Rahmen über das Bänkchen und den Tisch; die &lt;b&gt;Leertaste&lt;/b&gt; nimmt den Stein darunter auf oder legt ihn ab (Umschalt+Leertaste oder Strg+Leertaste nimmt einen Stein des Bänkchens für seine Folge oder seine Gruppe auf).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Laying tiles.&lt;/b&gt; Every turn you finish adds the value of the tiles you laid from your rack to your score: numbers count their face value, a joker counts %1.</source>
        <extracomment>%1 is a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Steine legen.&lt;/b&gt; Jeder Zug, den du beendest, bringt dir den Wert der Steine, die du von deinem Bänkchen gelegt hast: Zahlen zählen ihren Nennwert, ein Joker zählt %1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;End of the round.&lt;/b&gt; When a player empties the rack the round is over. Every other player loses the value of the tiles left in the rack, and the winner of the round gains all of it. If the pool runs dry and nobody can go out, every player loses the value of the rack and nobody gains. The &lt;i&gt;Round&lt;/i&gt; column shows each seat&apos;s result of the last round.</source>
        <translation>&lt;b&gt;Ende der Runde.&lt;/b&gt; Wenn ein Spieler sein Bänkchen leert, ist die Runde vorbei. Jeder andere Spieler verliert den Wert der Steine, die noch auf seinem Bänkchen liegen, und der Gewinner der Runde bekommt alles davon. Ist der Vorrat leer und kann niemand mehr ausmachen, verliert jeder Spieler den Wert seines Bänkchens und niemand gewinnt etwas. Die Spalte &lt;i&gt;Runde&lt;/i&gt; zeigt das Ergebnis jedes Platzes in der letzten Runde.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Winning.&lt;/b&gt; When a seat reaches the target score (%1 unless the host chooses otherwise) with the highest score, it wins the game. If two seats share the highest score another round is played. The next round starts 20 seconds after the last one ended.</source>
        <extracomment>%1 is the usual target score.</extracomment>
        <translation>&lt;b&gt;Gewinnen.&lt;/b&gt; Erreicht ein Platz die Zielpunktzahl (%1, wenn der Gastgeber nichts anderes wählt) mit der höchsten Punktzahl, gewinnt er das Spiel. Teilen sich zwei Plätze die höchste Punktzahl, wird eine weitere Runde gespielt. Die nächste Runde beginnt 20 Sekunden nach dem Ende der letzten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Team game.&lt;/b&gt; Seats 1 and 3 (the Green Team) play against seats 2 and 4 (the Brown Team); the computer plays any seat nobody holds. Partners share one score, and one partner&apos;s first lay-down counts for both. A team wins the round when both partners have emptied their racks, and gains the value of both opponents&apos; racks, which the other team loses.</source>
        <translation>&lt;b&gt;Teamspiel.&lt;/b&gt; Die Plätze 1 und 3 (Team Grün) spielen gegen die Plätze 2 und 4 (Team Braun); der Computer spielt jeden Platz, den niemand besetzt. Partner teilen sich eine Punktzahl, und das erste Auslegen eines Partners gilt für beide. Ein Team gewinnt die Runde, wenn beide Partner ihre Bänkchen geleert haben, und bekommt den Wert der Bänkchen beider Gegner, den das andere Team verliert.</translation>
    </message>
    <message>
        <source>Rimbalo version %1, by Vemko Software.</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Rimbalo Version %1, von Vemko Software.</translation>
    </message>
    <message>
        <source>The tiles, the board and every picture in the game are drawn by the program itself.</source>
        <translation>Die Steine, der Tisch und jedes Bild im Spiel werden vom Programm selbst gezeichnet.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in &lt;i&gt;vemkolobby.ini&lt;/i&gt; and its tally in &lt;i&gt;rimbalotally.tld&lt;/i&gt; beside the program, or in your own data folder when the game is installed or its folder cannot be written; the records of the games you host go to that data folder.</source>
        <translation>Rimbalo speichert seine Einstellungen in &lt;i&gt;vemkolobby.ini&lt;/i&gt; und seine Bilanz in &lt;i&gt;rimbalotally.tld&lt;/i&gt; neben dem Programm, oder in deinem eigenen Datenordner, wenn das Spiel installiert ist oder in seinen Ordner nicht geschrieben werden kann; die Aufzeichnungen der Spiele, die du eröffnest, kommen in diesen Datenordner.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Versionsgeschichte</translation>
    </message>
    <message>
        <source>the game window, hosting and joining games, seats and onlookers; tables on a server and their codes; five computer levels and hints; game records and their replay; a high-contrast tile set, screen readers and a turn alert; the window in eight languages.</source>
        <translation>das Spielfenster, Spiele eröffnen und ihnen beitreten, Plätze und Zuschauer; Tische auf einem Server und ihre Codes; fünf Computerstärken und Tipps; Spielaufzeichnungen und ihre Wiedergabe; ein Steinsatz mit hohem Kontrast, Bildschirmleser und eine Benachrichtigung, wenn du am Zug bist; das Fenster in acht Sprachen.</translation>
    </message>
    <message>
        <source>The Vemko Lobby is a separate program by the makers of Rimbalo where players meet, chat and open games. When you host or join a Rimbalo game there, the lobby starts Rimbalo with your name, the host&apos;s address and your role, and Rimbalo tells the lobby that the game is running for as long as it stays open.</source>
        <translation>Die Vemko Lobby ist ein eigenes Programm der Macher von Rimbalo, in dem sich Spieler treffen, chatten und Spiele eröffnen. Wenn du dort ein Rimbalo-Spiel eröffnest oder einem beitrittst, startet die Lobby Rimbalo mit deinem Namen, der Adresse des Gastgebers und deiner Rolle, und Rimbalo meldet der Lobby, dass das Spiel läuft, solange es geöffnet bleibt.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in its own section of the lobby&apos;s settings file, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, and never changes the lobby&apos;s own settings there.</source>
        <translation>Rimbalo speichert seine Einstellungen in einem eigenen Abschnitt der Einstellungsdatei der Lobby, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, und ändert dort nie die Einstellungen der Lobby selbst.</translation>
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
