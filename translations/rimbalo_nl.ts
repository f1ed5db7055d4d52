<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ComputerLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Sterk</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meester</translation>
    </message>
</context>
<context>
    <name>ResumeOffer</name>
    <message>
        <source>The game begun %1 (UTC) stopped before its end, in round %2.
Players and scores: %3.</source>
        <translation>Het spel dat op %1 (UTC) begon, is vóór het einde gestopt, in ronde %2.
Spelers en scores: %3.</translation>
    </message>
    <message>
        <source>Resume the Stopped Game?</source>
        <translation>Het gestopte spel hervatten?</translation>
    </message>
    <message>
        <source>Resume it with the same seats, tiles, board and scores? Its players get their seats back by joining with their names.</source>
        <translation>Hervatten met dezelfde plaatsen, stenen, tafel en scores? De spelers krijgen hun plaats terug door mee te doen onder hun naam.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>The choice could not be kept: the records folder cannot be written. The game will be offered again.</source>
        <translation>De keuze kon niet worden bewaard: er kan niet in de map met opnamen worden geschreven. Het spel wordt opnieuw aangeboden.</translation>
    </message>
</context>
<context>
    <name>client::BoardSets</name>
    <message>
        <source>An %1</source>
        <translation>Een %1</translation>
    </message>
    <message>
        <source>A %1</source>
        <translation>Een %1</translation>
    </message>
    <message>
        <source>%1 cannot go next to %2 here.</source>
        <translation>%1 kan hier niet naast %2 liggen.</translation>
    </message>
</context>
<context>
    <name>client::BoardView</name>
    <message>
        <source>a set in row %1 has %2 %3</source>
        <translation>een combinatie in rij %1 heeft %2 %3</translation>
    </message>
    <message>
        <source>a set in row %1 is no run or group</source>
        <translation>een combinatie in rij %1 is geen serie en geen groep</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Dat vak is bezet.</translation>
    </message>
    <message>
        <source>First lay-down: %1 of %2</source>
        <translation>Eerste uitleg: %1 van %2</translation>
    </message>
    <message>
        <source>The set does not fit there.</source>
        <translation>De combinatie past daar niet.</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>steen</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>stenen</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 heeft gelegd: %2.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 heeft verschoven: %2.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 heeft teruggenomen: %2.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 heeft stenen teruggenomen.</translation>
    </message>
</context>
<context>
    <name>client::ChatInput</name>
    <message>
        <source>See ya!</source>
        <translation>Doei!</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Typ hier je bericht&gt;</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatbericht</translation>
    </message>
</context>
<context>
    <name>client::ChatView</name>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat wissen</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat niet laten schuiven</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Kan de webpagina niet openen</translation>
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
        <translation>Oeps</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Hoesten</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Dank je</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Waar was je?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Snurken</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Niezen</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Sorry</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Jiehaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Joepie</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>O nee</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Toeter</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Scheetgeluid</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Gejuich</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Vrouw lacht</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Man lacht</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Huilen</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Annuleren&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Geluid&gt; %2</translation>
    </message>
</context>
<context>
    <name>client::GameFlow</name>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 is een spel begonnen.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Je bent een spel begonnen.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Iedereen begint met %1 stenen.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 is aan de beurt.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 heeft een steen gepakt.</translation>
    </message>
    <message>
        <source>%1 took a %2 tile penalty.</source>
        <translation>%1 kreeg een straf van %2 stenen.</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>De ronde eindigt gelijk.</translation>
    </message>
    <message>
        <source> You are out of tiles! The Round is Over.</source>
        <translation> Je stenen zijn op! De ronde is voorbij.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>%1 heeft geen stenen meer! De ronde is voorbij.</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Je hebt het spel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 heeft het spel gewonnen!</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>Je kunt niet terugnemen met een steen in je hand.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>Je kunt je beurt niet beëindigen met een steen in je hand.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>Je kunt geen steen pakken met een steen in je hand.</translation>
    </message>
    <message>
        <source>You cannot take a hint when you have a tile in your hand.</source>
        <translation>Je kunt geen hint vragen met een steen in je hand.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>Je tijd is op!</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>De tijd van %1 is op.</translation>
    </message>
</context>
<context>
    <name>client::GameInfo</name>
    <message>
        <source>Time Penalty</source>
        <translation>Tijdstraf</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Veel geluk</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: 0</source>
        <translation>Stenen over: 0</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Winnaar!</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Spelen tot: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1:%2</source>
        <translation>Tijd per beurt: %1:%2</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Tijd per beurt: %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Tijdstraf: AAN</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Tijdstraf: UIT</translation>
    </message>
    <message>
        <source>Play To Score: -</source>
        <translation>Spelen tot: -</translation>
    </message>
    <message>
        <source>Time Per Turn: -</source>
        <translation>Tijd per beurt: -</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspel</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Stenen over: %1</translation>
    </message>
</context>
<context>
    <name>client::Hints</name>
    <message>
        <source>This program offers no hints</source>
        <translation>Dit programma geeft geen hints</translation>
    </message>
    <message>
        <source>This game&apos;s host offers no hints</source>
        <translation>De gastheer van dit spel geeft geen hints</translation>
    </message>
    <message>
        <source>The host has switched hints off</source>
        <translation>De gastheer heeft hints uitgezet</translation>
    </message>
    <message>
        <source>Lay the outlined tiles (H)</source>
        <translation>De omlijnde stenen uitleggen (H)</translation>
    </message>
    <message>
        <source>Outline the best lay-down for your rack (H)</source>
        <translation>De beste uitleg voor je plankje omlijnen (H)</translation>
    </message>
    <message>
        <source>No hint: a set on the board cannot be completed. Clear your moves.</source>
        <translation>Geen hint: een combinatie op tafel kan niet worden afgemaakt. Neem je zetten terug.</translation>
    </message>
    <message>
        <source>No lay-down of %1 yet: draw a tile.</source>
        <translation>Nog geen uitleg van %1: pak een steen.</translation>
    </message>
    <message>
        <source>None of your tiles can be laid: draw a tile.</source>
        <translation>Geen van je stenen kan worden uitgelegd: pak een steen.</translation>
    </message>
    <message>
        <source>Hint: %1 worth %2. Press Place to lay %3.</source>
        <translation>Hint: %1 ter waarde van %2. Druk op Leggen om %3 uit te leggen.</translation>
    </message>
    <message>
        <source>1 tile</source>
        <translation>1 steen</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 stenen</translation>
    </message>
    <message>
        <source>Hint laid (%1 points): press Finish to end your turn.</source>
        <translation>Hint uitgelegd (%1 punten): druk op Klaar om je beurt te beëindigen.</translation>
    </message>
    <message>
        <source>it</source>
        <translation>hem</translation>
    </message>
    <message>
        <source>them</source>
        <translation>ze</translation>
    </message>
</context>
<context>
    <name>client::PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Goed zo!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Mooie zet!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Goed geprobeerd!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Uitstekend!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Briljant!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Wauw, top!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Bedankt!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Goed zo, maatje!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Goed gespeeld allemaal!</translation>
    </message>
</context>
<context>
    <name>client::RackView</name>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Deze ronde is al begonnen. Je moet wachten tot de volgende ronde.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>Je kunt geen nieuwe steen kiezen met een steen van tafel in je hand.</translation>
    </message>
    <message>
        <source>%1 (just drawn)</source>
        <translation>%1 (net gepakt)</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>SORTEREN:</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Sorteren op getal</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Sorteren op kleur</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>net gepakt</translation>
    </message>
    <message>
        <source>Your rack</source>
        <translation>Je plankje</translation>
    </message>
</context>
<context>
    <name>client::RecordStatsPage</name>
    <message>
        <source>Rimbalo - Game Statistics</source>
        <translation>Rimbalo - Spelstatistieken</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Tegenstander</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnen spellen</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Speler:</translation>
    </message>
    <message>
        <source>No games have been recorded yet.</source>
        <translation>Er zijn nog geen spellen opgenomen.</translation>
    </message>
    <message>
        <source>Games played: %1, won: %2</source>
        <translation>Spellen gespeeld: %1, gewonnen: %2</translation>
    </message>
    <message>
        <source>Rounds played: %1, gone out: %2</source>
        <translation>Rondes gespeeld: %1, uitgegaan: %2</translation>
    </message>
    <message>
        <source>Average points per round: %1</source>
        <translation>Gemiddelde punten per ronde: %1</translation>
    </message>
    <message>
        <source>Best round: %1 points (round %2 of the game of %3)</source>
        <translation>Beste ronde: %1 punten (ronde %2 van het spel van %3)</translation>
    </message>
    <message numerus="yes">
        <source>From %n recorded game(s).</source>
        <translation>
            <numerusform>Op basis van %n spelopname.</numerusform>
            <numerusform>Op basis van %n spelopnamen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>client::ReplayWindow</name>
    <message>
        <source>Game Records</source>
        <translation>Spelopnamen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Winnaar</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>To the round&apos;s start (Home)</source>
        <translation>Naar het begin van de ronde (Home)</translation>
    </message>
    <message>
        <source>Back one turn (Left)</source>
        <translation>Eén beurt terug (Links)</translation>
    </message>
    <message>
        <source>Forward one turn (Right)</source>
        <translation>Eén beurt vooruit (Rechts)</translation>
    </message>
    <message>
        <source>To the round&apos;s end (End)</source>
        <translation>Naar het einde van de ronde (End)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Openen…</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Een opnamebestand openen</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporteren…</translation>
    </message>
    <message>
        <source>Save this game&apos;s record file to send</source>
        <translation>Het opnamebestand van dit spel opslaan om te versturen</translation>
    </message>
    <message>
        <source>(not finished)</source>
        <translation>(niet afgelopen)</translation>
    </message>
    <message>
        <source>Game Records — %1</source>
        <translation>Spelopnamen — %1</translation>
    </message>
    <message>
        <source>Round %1, end</source>
        <translation>Ronde %1, einde</translation>
    </message>
    <message>
        <source>Round %1, turn %2 of %3</source>
        <translation>Ronde %1, beurt %2 van %3</translation>
    </message>
    <message>
        <source>Could not export the record to %1.</source>
        <translation>Kon de opname niet naar %1 exporteren.</translation>
    </message>
    <message>
        <source>Export Game Record</source>
        <translation>Spelopname exporteren</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec)</source>
        <translation>Rimbalo-spelopnamen (*.rimrec)</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Spelopname openen</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec);;All files (*)</source>
        <translation>Rimbalo-spelopnamen (*.rimrec);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Seat %1</source>
        <translation>Plaats %1</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistieken…</translation>
    </message>
    <message>
        <source>Games played and won, points per round, the best round</source>
        <translation>Gespeelde en gewonnen spellen, punten per ronde, de beste ronde</translation>
    </message>
</context>
<context>
    <name>client::RoundSummary</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Tiles left</source>
        <translation>Stenen over</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Next round in %1 s</source>
        <translation>Volgende ronde over %1 s</translation>
    </message>
    <message>
        <source>The next round is starting.</source>
        <translation>De volgende ronde begint.</translation>
    </message>
</context>
<context>
    <name>client::SeatDisplay</name>
    <message>
        <source>PLAYER</source>
        <translation>SPELER</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>RONDE</translation>
    </message>
    <message>
        <source>TILES</source>
        <translation>HAND</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Wacht&gt;</translation>
    </message>
    <message>
        <source>Just watching: the computer plays this seat</source>
        <translation>Kijkt alleen: de computer speelt deze plaats</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>Slaat deze ronde over</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Je bent verbonden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 is verbonden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Je kijkt mee.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 kijkt mee.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 is vertrokken.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 kijkt alleen</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 speelt weer mee</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 is de verbinding kwijt.</translation>
    </message>
    <message>
        <source>Seat %1: %2, %3 tiles, score %4</source>
        <translation>Plaats %1: %2, %3 stenen, score %4</translation>
    </message>
    <message>
        <source>, just watching</source>
        <translation>, kijkt alleen</translation>
    </message>
    <message>
        <source>, sitting this round out</source>
        <translation>, slaat deze ronde over</translation>
    </message>
    <message>
        <source>, your turn</source>
        <translation>, jouw beurt</translation>
    </message>
    <message>
        <source>, their turn</source>
        <translation>, is aan de beurt</translation>
    </message>
</context>
<context>
    <name>client::ShuffleCheck</name>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not match what it promised.</source>
        <translation>Waarschuwing: de schudsleutel van de server klopt niet met wat hij beloofde.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not deal the tiles you were dealt.</source>
        <translation>Waarschuwing: de schudsleutel van de server deelt niet de stenen die je kreeg.</translation>
    </message>
    <message>
        <source>Shuffle checked.</source>
        <translation>Schudden gecontroleerd.</translation>
    </message>
</context>
<context>
    <name>client::SpokenNames</name>
    <message>
        <source>Green</source>
        <translation>Groene</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rode</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwarte</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>King</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>los</translation>
    </message>
    <message>
        <source>in a run of %1</source>
        <translation>in een serie van %1</translation>
    </message>
    <message>
        <source>in a group of %1</source>
        <translation>in een groep van %1</translation>
    </message>
    <message>
        <source>in an unfinished set of %1</source>
        <translation>in een onvolledige combinatie van %1</translation>
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
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: leeg</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>De tafel is leeg.</translation>
    </message>
    <message>
        <source>%1 tiles in %2 sets on the board, %3 of them unfinished.</source>
        <translation>%1 stenen in %2 combinaties op tafel, waarvan %3 onvolledig.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>Green Queen</source>
        <translation>Groene vrouw</translation>
    </message>
    <message>
        <source>Orange Queen</source>
        <translation>Oranje vrouw</translation>
    </message>
    <message>
        <source>Red Queen</source>
        <translation>Rode vrouw</translation>
    </message>
    <message>
        <source>Black Queen</source>
        <translation>Zwarte vrouw</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>vrouw</translation>
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
        <translation>de server heeft de verbinding gesloten</translation>
    </message>
</context>
<context>
    <name>client::Tchat</name>
    <message>
        <source>Text Color</source>
        <translation>Tekstkleur</translation>
    </message>
    <message>
        <source>Your phrases could not be saved: %1</source>
        <translation>Je zinnen konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Je bent niet verbonden</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 heeft een andere versie van het spel dan jij.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Je hebt een andere versie van het spel dan de gastheer.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>Je kunt geen stenen meer houden</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>Er zijn geen stenen meer</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Het spel is vol</translation>
    </message>
    <message>
        <source>You are hosting: the game ends for %1.</source>
        <translation>Jij bent gastheer: het spel eindigt voor %1.</translation>
    </message>
    <message>
        <source>The round you are playing ends.</source>
        <translation>De ronde die je speelt, eindigt.</translation>
    </message>
    <message>
        <source>You leave the game in progress: the computer plays your seat.</source>
        <translation>Je verlaat een lopend spel: de computer speelt jouw plaats.</translation>
    </message>
    <message>
        <source>%1 all the same?</source>
        <translation>Toch %1?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spel starten</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Alleen kijken</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Spel organiseren…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Meedoen met een spel…</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Alleen spelen</translation>
    </message>
    <message>
        <source>Game Records…</source>
        <translation>Spelopnamen…</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Vensterpositie herstellen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Stand bekijken</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Toeschouwers</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Spellogboek</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Zinnen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Geluiden afspelen</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Chatgeluiden afspelen</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tekstgrootte</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat niet laten schuiven</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat wissen</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Computertempo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Computer Level</source>
        <translation>Computerniveau</translation>
    </message>
    <message>
        <source>Allow Hints</source>
        <translation>Hints toestaan</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Beurtgeluid</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Steensets</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>The new language is used when Rimbalo starts again.</source>
        <translation>De nieuwe taal wordt gebruikt als Rimbalo opnieuw start.</translation>
    </message>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>Je instellingen konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Uit het spel verwijderen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Laten meekijken</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Meekijken opheffen</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Organiseren</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Meedoen</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Solospel laden… Even geduld.</translation>
    </message>
    <message>
        <source>To play with friends, choose Host a Game… or Join a Game… in the Game menu.</source>
        <translation>Kies Spel organiseren… of Meedoen met een spel… in het menu Spel om met vrienden te spelen.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Spel voor meerdere spelers laden… Even geduld.</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>Het spel kon niet worden georganiseerd: %1</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Stoppen met organiseren</translation>
    </message>
    <message>
        <source>Hosting a game on port %1…</source>
        <translation>Spel georganiseerd op poort %1…</translation>
    </message>
    <message>
        <source>Joining a game at: %1…</source>
        <translation>Meedoen met spel op: %1…</translation>
    </message>
    <message>
        <source>the host closed the connection</source>
        <translation>de gastheer heeft de verbinding gesloten</translation>
    </message>
    <message>
        <source>the game is full</source>
        <translation>het spel is vol</translation>
    </message>
    <message>
        <source>Your game goes on.</source>
        <translation>Je spel gaat door.</translation>
    </message>
    <message>
        <source>Friends can join this game at: %1 (Game menu, Host a Game… to copy them).</source>
        <translation>Vrienden kunnen meedoen op: %1 (menu Spel, Spel organiseren… om ze te kopiëren).</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>no answer from the game within %1 seconds</source>
        <translation>geen antwoord van het spel binnen %1 seconden</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Kon geen verbinding maken met %1: %2</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Niet verbonden: %1</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>de verbinding is verbroken</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>De verbinding met de gastheer is verbroken.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>De gastheer heeft het spel gesloten.</translation>
    </message>
    <message>
        <source>The host has removed you from the game.</source>
        <translation>De gastheer heeft je uit het spel verwijderd.</translation>
    </message>
    <message>
        <source>The settings file could not be read; the usual settings are used.</source>
        <translation>Het instellingenbestand kon niet worden gelezen; de gewone instellingen gelden.</translation>
    </message>
    <message>
        <source>Table %1 (%2): friends join it with this code.</source>
        <translation>Tafel %1 (%2): vrienden doen mee met deze code.</translation>
    </message>
    <message>
        <source>%1 now holds the host&apos;s powers.</source>
        <translation>%1 heeft nu de rechten van de gastheer.</translation>
    </message>
    <message>
        <source>Reconnected.</source>
        <translation>Weer verbonden.</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting… (attempt %1 in %2 s)</source>
        <translation>Verbinding verbroken — opnieuw verbinden… (poging %1 over %2 s)</translation>
    </message>
    <message>
        <source>The tile set &quot;%1&quot; could not be read; the tiles keep their pictures.</source>
        <translation>De steenset &quot;%1&quot; kon niet worden gelezen; de stenen houden hun plaatjes.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>You are sending chat faster than anyone can read it: lines are dropped until you slow down.</source>
        <translation>Je stuurt sneller berichten dan iemand kan lezen: regels vervallen tot je rustiger aan doet.</translation>
    </message>
    <message>
        <source>You are sending commands faster than anyone can play: some were ignored.</source>
        <translation>Je stuurt sneller opdrachten dan iemand kan spelen: sommige zijn genegeerd.</translation>
    </message>
    <message>
        <source>You have moved tiles more often this turn than anyone could: the rest of this turn&apos;s moves are ignored.</source>
        <translation>Je hebt deze beurt vaker stenen verplaatst dan iemand zou kunnen: de rest van de zetten van deze beurt wordt genegeerd.</translation>
    </message>
    <message>
        <source>This server holds a single game.</source>
        <translation>Deze server heeft één spel.</translation>
    </message>
    <message>
        <source>You have opened too many tables. Try again in a minute.</source>
        <translation>Je hebt te veel tafels geopend. Probeer het over een minuut opnieuw.</translation>
    </message>
    <message>
        <source>Every table of this server is taken.</source>
        <translation>Elke tafel van deze server is bezet.</translation>
    </message>
    <message>
        <source>Your seat is no longer kept for you.</source>
        <translation>Je plaats wordt niet langer voor je vrijgehouden.</translation>
    </message>
    <message>
        <source>The server is full. Try again later.</source>
        <translation>De server is vol. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Too many connections from your address.</source>
        <translation>Te veel verbindingen vanaf jouw adres.</translation>
    </message>
    <message>
        <source>No table with code %1.</source>
        <translation>Geen tafel met code %1.</translation>
    </message>
    <message>
        <source>Table %1 is full.</source>
        <translation>Tafel %1 is vol.</translation>
    </message>
    <message>
        <source>No answer from %1: %2</source>
        <translation>Geen antwoord van %1: %2</translation>
    </message>
    <message>
        <source>Notify Me When It Is My Turn</source>
        <translation>Melden als ik aan de beurt ben</translation>
    </message>
    <message>
        <source>Game Records Kept</source>
        <translation>Bewaarde spelopnamen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Hoog contrast</translation>
    </message>
</context>
<context>
    <name>client::TurnAlert</name>
    <message>
        <source>Your turn in Rimbalo</source>
        <translation>Jouw beurt in Rimbalo</translation>
    </message>
    <message>
        <source>The other players are waiting for your move.</source>
        <translation>De andere spelers wachten op je zet.</translation>
    </message>
</context>
<context>
    <name>client::TurnControls</name>
    <message>
        <source>Welcome to Rimbalo By Vemko Software!</source>
        <translation>Welkom bij Rimbalo van Vemko Software!</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Klik hier voor het spellogboek</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Pakken</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Spel pauzeren</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Spellogboek</translation>
    </message>
    <message>
        <source>Blinks while the board is incomplete</source>
        <translation>Knippert zolang de tafel onvolledig is</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Tijd: 0:00</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.</source>
        <translation>Er liggen onvolledige of foute combinaties op tafel.</translation>
    </message>
    <message>
        <source>Would you like to take a %1 tile penalty and end your turn?</source>
        <translation>Wil je een straf van %1 stenen nemen en je beurt beëindigen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least %1 points.</source>
        <translation>De stenen van je eerste uitleg moeten samen minstens %1 punten zijn.</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUZE</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Leggen</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Tijd: %1:%2</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>Je eerste uitleg moet minstens %1 punten zijn</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>De tafel is onvolledig.</translation>
    </message>
    <message>
        <source>Board is incomplete: %1.</source>
        <translation>De tafel is onvolledig: %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Jouw beurt.</translation>
    </message>
    <message>
        <source>Close the game log</source>
        <translation>Spellogboek sluiten</translation>
    </message>
</context>
<context>
    <name>windows::AddressDialog</name>
    <message>
        <source>Host address:</source>
        <translation>Adres gastheer:</translation>
    </message>
    <message>
        <source>name, IPv4 or IPv6 address</source>
        <translation>naam, IPv4- of IPv6-adres</translation>
    </message>
</context>
<context>
    <name>windows::AuxWindow</name>
    <message>
        <source>Your name:</source>
        <translation>Je naam:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
</context>
<context>
    <name>windows::HelpText</name>
    <message>
        <source>Rimbalo is a rummy game played with numbered tiles by up to four players. The set has &lt;b&gt;%1 tiles&lt;/b&gt;: the numbers 1 to 13 in four colours, each twice, and two jokers. Each colour has its own symbol: &lt;b&gt;green clubs&lt;/b&gt; (&amp;#9827;), &lt;b&gt;orange diamonds&lt;/b&gt; (&amp;#9830;), &lt;b&gt;red hearts&lt;/b&gt; (&amp;#9829;) and &lt;b&gt;black spades&lt;/b&gt; (&amp;#9824;). The tiles 11, 12 and 13 show &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; and &lt;b&gt;K&lt;/b&gt; and count 11, 12 and 13.</source>
        <translation>Rimbalo is een rummyspel met genummerde stenen voor maximaal vier spelers. Het spel heeft &lt;b&gt;%1 stenen&lt;/b&gt;: de getallen 1 tot en met 13 in vier kleuren, elk twee keer, en twee jokers. Elke kleur heeft een eigen symbool: &lt;b&gt;groene klaveren&lt;/b&gt; (&amp;#9827;), &lt;b&gt;oranje ruiten&lt;/b&gt; (&amp;#9830;), &lt;b&gt;rode harten&lt;/b&gt; (&amp;#9829;) en &lt;b&gt;zwarte schoppen&lt;/b&gt; (&amp;#9824;). De stenen 11, 12 en 13 tonen &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; en &lt;b&gt;K&lt;/b&gt; en tellen 11, 12 en 13.</translation>
    </message>
    <message>
        <source>Everybody plays on one shared board. On your turn you lay tiles from your rack onto the board in &lt;b&gt;sets&lt;/b&gt; and may rearrange the sets already there, as long as the whole board is made of valid sets when you finish. The first player to empty the rack wins the round and collects the value of every tile the others still hold. Rounds follow each other until a player reaches the target score.</source>
        <translation>Iedereen speelt op één gedeelde tafel. In je beurt leg je stenen van je plankje in &lt;b&gt;combinaties&lt;/b&gt; op tafel en mag je de combinaties die er al liggen omgooien, zolang de hele tafel uit geldige combinaties bestaat als je klaar bent. Wie als eerste zijn plankje leeg heeft, wint de ronde en krijgt de waarde van alle stenen die de anderen nog hebben. Ronde volgt op ronde tot een speler de doelscore haalt.</translation>
    </message>
    <message>
        <source>Seats nobody holds are played by the computer. When the host starts a game, &lt;b&gt;Computer Opponents&lt;/b&gt; (1 to 3) says how many of the empty seats the computer plays (0 is offered too when a friend already holds seat 2); a team game fills all four seats. Anybody who joins after the four seats are taken watches the game as an onlooker.</source>
        <translation>Plaatsen die niemand bezet, speelt de computer. Als de gastheer een spel start, bepaalt &lt;b&gt;Tegenstanders&lt;/b&gt; (1 tot 3) hoeveel van de lege plaatsen de computer speelt (ook 0 kan als een vriend plaats 2 al heeft); een teamspel vult alle vier plaatsen. Wie meedoet als de vier plaatsen bezet zijn, kijkt mee als toeschouwer.</translation>
    </message>
    <message>
        <source>The computer plays at one of five levels, weakest first: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (the default), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; and &lt;b&gt;%5&lt;/b&gt;. The host chooses it as the Computer Level in the start dialog or in the Options menu. %1 never moves a tile already on the board; %3 and %4 look for the most valuable lay-down, %4 rearranging the board&apos;s sets freely; %5 also plays the next turns out before it chooses. Options, Bot Speed sets how quickly it moves.</source>
        <extracomment>%1 to %5 are the computer levels, weakest first, as the Computer Level menu names them.</extracomment>
        <translation>De computer speelt op een van vijf niveaus, het zwakste eerst: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (standaard), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; en &lt;b&gt;%5&lt;/b&gt;. De gastheer kiest het als computerniveau in het startvenster of in het menu Opties. %1 verplaatst nooit een steen die al op tafel ligt; %3 en %4 zoeken de waardevolste uitleg, waarbij %4 de combinaties op tafel vrij omgooit; %5 speelt bovendien de volgende beurten door voordat hij kiest. Opties, Computertempo bepaalt hoe snel hij speelt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your window.&lt;/b&gt; Options, Tile Sets offers a &lt;b&gt;High contrast&lt;/b&gt; set whose colours stay apart for colour-blind players. Options, Language chooses the window&apos;s language from the next start (System follows the desktop). Screen readers can read out the rack, the board and the seats. When your turn starts while you are in another window, the window asks for attention and, unless Options, Notify Me When It Is My Turn is off, the desktop shows a notice.</source>
        <translation>&lt;b&gt;Je venster.&lt;/b&gt; Opties, Steensets biedt de set &lt;b&gt;Hoog contrast&lt;/b&gt;, waarvan de kleuren ook voor kleurenblinde spelers goed te onderscheiden zijn. Opties, Taal kiest de taal van het venster vanaf de volgende start (Systeem volgt het bureaublad). Schermlezers kunnen het plankje, de tafel en de plaatsen voorlezen. Begint je beurt terwijl je in een ander venster bent, dan vraagt het venster om aandacht en toont het bureaublad een melding, tenzij ‘Melden als ik aan de beurt ben’ in het menu Opties uit staat.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Game records.&lt;/b&gt; The games you host are kept: &lt;b&gt;Game, Game Records…&lt;/b&gt; lists them, replays any of them turn by turn and counts each player&apos;s games, wins and points.</source>
        <translation>&lt;b&gt;Spelopnamen.&lt;/b&gt; De spellen die je organiseert, worden bewaard: &lt;b&gt;Spel, Spelopnamen…&lt;/b&gt; toont ze, speelt elk ervan beurt voor beurt af en telt per speler de spellen, overwinningen en punten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solo game.&lt;/b&gt; Start Rimbalo without anything else and it plays a game against the computer on this machine. You sit in seat 1 as &lt;i&gt;You&lt;/i&gt;; the game starts when you press &lt;b&gt;Start&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Alleen spelen.&lt;/b&gt; Start Rimbalo zonder iets erbij en het speelt op deze computer een spel tegen de computer. Je zit op plaats 1 als &lt;i&gt;You&lt;/i&gt;; het spel begint als je op &lt;b&gt;Start&lt;/b&gt; drukt.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hosting a game.&lt;/b&gt; Choose &lt;b&gt;Game, Host a Game…&lt;/b&gt;, type your name and press &lt;b&gt;Host&lt;/b&gt;. The dialog then lists the addresses of this computer; &lt;b&gt;Copy&lt;/b&gt; one and send it to your friends. The game runs on TCP port %1 unless you choose another, and the host&apos;s firewall must let that port in. When the port is in use the dialog says so and offers a free one.</source>
        <extracomment>%1 is the game&apos;s usual TCP port.</extracomment>
        <translation>&lt;b&gt;Een spel organiseren.&lt;/b&gt; Kies &lt;b&gt;Spel, Spel organiseren…&lt;/b&gt;, typ je naam en druk op &lt;b&gt;Organiseren&lt;/b&gt;. Het venster toont dan de adressen van deze computer; kopieer er een met &lt;b&gt;Kopiëren&lt;/b&gt; en stuur het naar je vrienden. Het spel draait op TCP-poort %1 tenzij je een andere kiest, en de firewall van de gastheer moet die poort doorlaten. Is de poort in gebruik, dan zegt het venster dat en biedt het een vrije aan.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Joining a game.&lt;/b&gt; Choose &lt;b&gt;Game, Join a Game…&lt;/b&gt;, type your name and the address the host gave you (such as 192.168.1.20, or 192.168.1.20:%1 for another port) and press &lt;b&gt;Join&lt;/b&gt;. If the host cannot be reached the dialog says why and you can try again.</source>
        <extracomment>%1 is another port than the usual one, as an example.</extracomment>
        <translation>&lt;b&gt;Meedoen met een spel.&lt;/b&gt; Kies &lt;b&gt;Spel, Meedoen met een spel…&lt;/b&gt;, typ je naam en het adres dat de gastheer je gaf (zoals 192.168.1.20, of 192.168.1.20:%1 voor een andere poort) en druk op &lt;b&gt;Meedoen&lt;/b&gt;. Is de gastheer niet bereikbaar, dan zegt het venster waarom en kun je het opnieuw proberen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tables on a server.&lt;/b&gt; Friends in different homes meet at a table server, a computer everyone can reach that holds many tables, each its own game. In &lt;b&gt;Game, Join a Game…&lt;/b&gt; type its address, then press &lt;b&gt;List Tables&lt;/b&gt; and &lt;b&gt;Join Table&lt;/b&gt;, or type a table&apos;s code and press &lt;b&gt;Join by Code&lt;/b&gt;, or &lt;b&gt;Create a Table&lt;/b&gt; and give its code to your friends (a new table is private unless you untick &lt;b&gt;Private&lt;/b&gt;). Whoever opens a table holds seat 1 and the host&apos;s powers there.</source>
        <translation>&lt;b&gt;Tafels op een server.&lt;/b&gt; Vrienden die niet bij elkaar in de buurt wonen, treffen elkaar op een tafelserver, een computer die iedereen kan bereiken en die veel tafels heeft, elk met een eigen spel. Typ in &lt;b&gt;Spel, Meedoen met een spel…&lt;/b&gt; het adres ervan en druk op &lt;b&gt;Tafels tonen&lt;/b&gt; en &lt;b&gt;Meedoen&lt;/b&gt;, of typ de code van een tafel en druk op &lt;b&gt;Met code&lt;/b&gt;, of druk op &lt;b&gt;Tafel openen&lt;/b&gt; en geef de code aan je vrienden (een nieuwe tafel is privé tenzij je &lt;b&gt;Privé&lt;/b&gt; uitvinkt). Wie een tafel opent, heeft daar plaats 1 en de rechten van de gastheer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;From the command line.&lt;/b&gt; Rimbalo can also be started with three words: your name, the host&apos;s address (with a table&apos;s code after a slash) and the role:</source>
        <translation>&lt;b&gt;Vanaf de opdrachtregel.&lt;/b&gt; Rimbalo kan ook met drie woorden worden gestart: je naam, het adres van de gastheer (met de code van een tafel na een schuine streep) en de rol:</translation>
    </message>
    <message>
        <source>(Ann hosts the game)</source>
        <translation>(Ann organiseert het spel)</translation>
    </message>
    <message>
        <source>(Bob joins Ann&apos;s game)</source>
        <translation>(Bob doet mee met het spel van Ann)</translation>
    </message>
    <message>
        <source>(Cem joins the table K7MXQ4 of a server)</source>
        <translation>(Cem gaat aan tafel K7MXQ4 van een server)</translation>
    </message>
    <message>
        <source>The host always plays in seat 1 and is the one who starts games, pauses them and can remove a player. Players take seats 2 to 4 in the order they connect; later arrivals watch. A player who joins while a game runs takes over a free seat&apos;s tiles and score, or waits for the next round.</source>
        <translation>De gastheer speelt altijd op plaats 1 en is degene die spellen start, pauzeert en een speler kan verwijderen. Spelers nemen plaats 2 tot en met 4 in de volgorde waarin ze verbinden; wie later komt, kijkt mee. Een speler die meedoet terwijl een spel loopt, neemt de stenen en de score van een vrije plaats over, of wacht op de volgende ronde.</translation>
    </message>
    <message>
        <source>The Vemko Lobby starts Rimbalo this way for you when you host or join a game there. When the host leaves, the game ends for everybody.</source>
        <translation>The Vemko Lobby start Rimbalo op deze manier voor je als je daar een spel organiseert of meedoet. Als de gastheer weggaat, eindigt het spel voor iedereen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The deal.&lt;/b&gt; Every playing seat gets %1 tiles (the host may choose %2 to %3; the deal is lowered when the pool would keep fewer than 10 tiles). Turns pass from seat to seat.</source>
        <extracomment>%1 is the usual deal; %2 to %3 the deals the host may choose.</extracomment>
        <translation>&lt;b&gt;Het delen.&lt;/b&gt; Elke spelende plaats krijgt %1 stenen (de gastheer kan %2 tot %3 kiezen; er wordt minder gedeeld als er anders minder dan 10 stenen in de voorraad zouden blijven). De beurt gaat van plaats naar plaats.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sets.&lt;/b&gt; Sets lie along a row of the board, left to right, with an empty cell between neighbouring sets. Every set has at least three tiles and is either</source>
        <translation>&lt;b&gt;Combinaties.&lt;/b&gt; Combinaties liggen langs een rij van de tafel, van links naar rechts, met een leeg vak tussen naburige combinaties. Elke combinatie heeft minstens drie stenen en is ofwel</translation>
    </message>
    <message>
        <source>a &lt;b&gt;run&lt;/b&gt;: consecutive numbers of one colour, such as green 4, 5, 6 (13 is the highest number; runs do not go round from 13 to 1), or</source>
        <translation>een &lt;b&gt;serie&lt;/b&gt;: opeenvolgende getallen van één kleur, zoals groen 4, 5, 6 (13 is het hoogste getal; series gaan niet rond van 13 naar 1), ofwel</translation>
    </message>
    <message>
        <source>a &lt;b&gt;group&lt;/b&gt;: one number in different colours, such as red 9, black 9, orange 9.</source>
        <translation>een &lt;b&gt;groep&lt;/b&gt;: één getal in verschillende kleuren, zoals rood 9, zwart 9, oranje 9.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tile values.&lt;/b&gt; A tile counts its number: 1 to 10, and J, Q and K count 11, 12 and 13.</source>
        <translation>&lt;b&gt;Steenwaarden.&lt;/b&gt; Een steen telt zijn getal: 1 tot en met 10, en J, Q en K tellen 11, 12 en 13.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jokers&lt;/b&gt; stand in for any tile. A run with jokers must still fit between 1 and 13, so no joker can stand before a 1 or after a 13; both jokers may stand side by side, as in joker, joker, green 5, green 6 (a 3-4-5-6). With both jokers a group can hold six tiles.</source>
        <translation>&lt;b&gt;Jokers&lt;/b&gt; vervangen elke steen. Een serie met jokers moet toch tussen 1 en 13 passen, dus geen joker kan vóór een 1 of na een 13 staan; beide jokers mogen naast elkaar liggen, zoals in joker, joker, groen 5, groen 6 (een 3-4-5-6). Met beide jokers kan een groep zes stenen hebben.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your first lay-down&lt;/b&gt; in a round must be worth at least &lt;b&gt;%1 points&lt;/b&gt;: the tiles you lay from your rack in that turn count their numbers, a joker counts %2. Moving tiles that are already on the board counts nothing. After that, any valid board will do.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Je eerste uitleg&lt;/b&gt; in een ronde moet minstens &lt;b&gt;%1 punten&lt;/b&gt; waard zijn: de stenen die je in die beurt van je plankje legt, tellen hun getal, een joker telt %2. Stenen verplaatsen die al op tafel liggen, telt niet. Daarna is elke geldige tafel goed.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your turn.&lt;/b&gt; Click a tile in your rack to pick it up and click an empty board cell to put it down; click a board tile to pick it up and move it. Hold Shift when picking a rack tile to lay the next two numbers of its run with it, or Ctrl for two more tiles of its group. Right-click a tile you laid this turn to take it back. &lt;b&gt;Clear&lt;/b&gt; takes back the whole turn, &lt;b&gt;Draw&lt;/b&gt; takes one tile and ends the turn, &lt;b&gt;Finish&lt;/b&gt; ends the turn with the tiles laid; it shows once you have laid or moved a tile. A tile you have just drawn, and each tile dealt to you as a penalty, carries a blue corner until you next touch your rack. The small light next to the buttons blinks while the board is not yet complete.</source>
        <translation>&lt;b&gt;Je beurt.&lt;/b&gt; Klik op een steen op je plankje om hem op te pakken en klik op een leeg vak van de tafel om hem neer te leggen; klik op een steen op tafel om hem op te pakken en te verplaatsen. Houd Shift ingedrukt bij het oppakken van een steen van je plankje om de volgende twee getallen van zijn serie mee te leggen, of Ctrl voor twee andere stenen van zijn groep. Rechtsklik op een steen die je deze beurt hebt gelegd om hem terug te nemen. &lt;b&gt;Terug&lt;/b&gt; neemt de hele beurt terug, &lt;b&gt;Pakken&lt;/b&gt; pakt één steen en beëindigt de beurt, &lt;b&gt;Klaar&lt;/b&gt; beëindigt de beurt met de gelegde stenen; die knop verschijnt zodra je een steen hebt gelegd of verplaatst. Een steen die je net hebt gepakt, en elke steen die je als straf krijgt, heeft een blauwe hoek tot je je plankje weer aanraakt. Het lampje naast de knoppen knippert zolang de tafel niet compleet is.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hint.&lt;/b&gt; During your turn &lt;b&gt;Hint&lt;/b&gt; outlines the rack tiles of the most valuable lay-down the board allows, its sets rearranged as needed (before your first lay-down only one worth %1); press it again (it then reads &lt;b&gt;Place&lt;/b&gt;) to lay them, then Finish. The host can switch hints off (Options, Allow Hints). Hints come from the same search the %2 computer players use.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 the computer level whose search gives the hints.</extracomment>
        <translation>&lt;b&gt;Hint.&lt;/b&gt; Tijdens je beurt omlijnt &lt;b&gt;Hint&lt;/b&gt; de stenen van je plankje voor de waardevolste uitleg die de tafel toelaat, waarbij de combinaties zo nodig worden omgegooid (vóór je eerste uitleg alleen een van minstens %1); druk nog eens (de knop heet dan &lt;b&gt;Leggen&lt;/b&gt;) om ze te leggen, en daarna op Klaar. De gastheer kan hints uitzetten (Opties, Hints toestaan). Hints komen uit dezelfde zoektocht die de computerspelers van niveau %2 gebruiken.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The clock.&lt;/b&gt; Every turn runs against a clock (%1 seconds unless the host chooses %2 to %3). When the time is up the turn is taken back and you draw %4 tiles, or one when the host switched the time penalty off.</source>
        <extracomment>%1 is the usual time of a turn in seconds; %2 to %3 the times the host may choose; %4 the tiles drawn as the time penalty.</extracomment>
        <translation>&lt;b&gt;De klok.&lt;/b&gt; Elke beurt loopt tegen de klok (%1 seconden, tenzij de gastheer %2 tot %3 kiest). Als de tijd om is, wordt de beurt teruggedraaid en pak je %4 stenen, of één als de gastheer de tijdstraf heeft uitgezet.</translation>
    </message>
    <message>
        <source>&lt;b&gt;An incomplete board.&lt;/b&gt; If you finish while the board holds an incomplete or wrong set, you are offered a &lt;b&gt;%1-tile penalty&lt;/b&gt;: take it and your turn is taken back and ends, or go back and mend the board. With less than 10 seconds left the turn is taken back at once.</source>
        <extracomment>%1 is the number of penalty tiles.</extracomment>
        <translation>&lt;b&gt;Een onvolledige tafel.&lt;/b&gt; Als je op Klaar drukt terwijl er een onvolledige of foute combinatie op tafel ligt, krijg je een &lt;b&gt;straf van %1 stenen&lt;/b&gt; aangeboden: neem je die, dan wordt je beurt teruggedraaid en eindigt hij; anders ga je terug en herstel je de tafel. Met minder dan 10 seconden over wordt de beurt meteen teruggedraaid.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Sort by Numbers&lt;/b&gt; and &lt;b&gt;Sort by Suits&lt;/b&gt; buttons sort your rack; a right-click on any rack tile sorts it again.</source>
        <translation>De knoppen &lt;b&gt;Sorteren op getal&lt;/b&gt; en &lt;b&gt;Sorteren op kleur&lt;/b&gt; sorteren je plankje; een rechtsklik op een willekeurige steen van je plankje sorteert het opnieuw.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop.&lt;/b&gt; You can also drag a tile from the rack to the board, from one cell to another, or back onto the rack to take it back. Hold Alt or Shift while dragging a board tile to move its whole set. During your turn a set that is not yet valid has a dashed amber outline (the red frames mark the cells of the last move); when the server refuses a Finish, the line under the board names the set at fault. A move that cannot be made says why under the board, and during your first lay-down the line under the board counts its value towards %1.</source>
        <extracomment>%1 is the least value of a first lay-down.</extracomment>
        <translation>&lt;b&gt;Slepen en neerzetten.&lt;/b&gt; Je kunt een steen ook slepen van je plankje naar de tafel, van het ene vak naar het andere, of terug naar je plankje om hem terug te nemen. Houd Alt of Shift ingedrukt terwijl je een steen op tafel sleept om de hele combinatie te verplaatsen. Tijdens je beurt heeft een combinatie die nog niet geldig is een gestippelde amberkleurige omlijning (de rode kaders markeren de vakken van de laatste zet); als de server een Klaar weigert, noemt de regel onder de tafel de foute combinatie. Een zet die niet kan, zegt onder de tafel waarom, en tijdens je eerste uitleg toont de regel onder de tafel hoeveel die al waard is van de benodigde %1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard.&lt;/b&gt; Click the board first (Esc leaves the chat line). &lt;b&gt;Enter&lt;/b&gt; finishes the turn once you have laid tiles (with nothing laid it does nothing: press &lt;b&gt;D&lt;/b&gt; to draw), &lt;b&gt;D&lt;/b&gt; draws, &lt;b&gt;Esc&lt;/b&gt; puts the tile in your hand back or else clears the turn, &lt;b&gt;1&lt;/b&gt; and &lt;b&gt;2&lt;/b&gt; sort by numbers and by suits, &lt;b&gt;P&lt;/b&gt; pauses, &lt;b&gt;H&lt;/b&gt; asks for a hint and, pressed again, lays it. The &lt;b&gt;arrow keys&lt;/b&gt; move a yellow frame over the rack and the board; &lt;b&gt;Space&lt;/b&gt; picks up or puts down the tile under it (Shift+Space or Ctrl+Space picks a rack tile for its run or its group).</source>
        <translation>&lt;b&gt;Toetsenbord.&lt;/b&gt; Klik eerst op de tafel (Esc verlaat de chatregel). &lt;b&gt;Enter&lt;/b&gt; beëindigt de beurt zodra je stenen hebt gelegd (zonder gelegde stenen doet hij niets: druk op &lt;b&gt;D&lt;/b&gt; om te pakken), &lt;b&gt;D&lt;/b&gt; pakt, &lt;b&gt;Esc&lt;/b&gt; legt de steen in je hand terug of draait anders de beurt terug, &lt;b&gt;1&lt;/b&gt; en &lt;b&gt;2&lt;/b&gt; sorteren op getal en op kleur, &lt;b&gt;P&lt;/b&gt; pauzeert, &lt;b&gt;H&lt;/b&gt; vraagt om een hint en legt die als je nog eens drukt. De &lt;b&gt;pijltjestoetsen&lt;/b&gt; bewegen een geel kader over het plankje en de tafel; &lt;b&gt;Spatie&lt;/b&gt; pakt de steen eronder op of legt hem neer (Shift+Spatie of Ctrl+Spatie pakt een steen van het plankje op voor zijn serie of zijn groep).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Laying tiles.&lt;/b&gt; Every turn you finish adds the value of the tiles you laid from your rack to your score: numbers count their face value, a joker counts %1.</source>
        <extracomment>%1 is a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Stenen leggen.&lt;/b&gt; Elke beurt die je afmaakt, telt de waarde van de stenen die je van je plankje hebt gelegd bij je score op: getallen tellen hun waarde, een joker telt %1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;End of the round.&lt;/b&gt; When a player empties the rack the round is over. Every other player loses the value of the tiles left in the rack, and the winner of the round gains all of it. If the pool runs dry and nobody can go out, every player loses the value of the rack and nobody gains. The &lt;i&gt;Round&lt;/i&gt; column shows each seat&apos;s result of the last round.</source>
        <translation>&lt;b&gt;Einde van de ronde.&lt;/b&gt; Als een speler zijn plankje leeg heeft, is de ronde voorbij. Elke andere speler verliest de waarde van de stenen die nog op zijn plankje liggen, en de winnaar van de ronde krijgt dat allemaal. Raakt de voorraad op en kan niemand uitgaan, dan verliest elke speler de waarde van zijn plankje en krijgt niemand iets. De kolom &lt;i&gt;Ronde&lt;/i&gt; toont het resultaat van elke plaats in de laatste ronde.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Winning.&lt;/b&gt; When a seat reaches the target score (%1 unless the host chooses otherwise) with the highest score, it wins the game. If two seats share the highest score another round is played. The next round starts 20 seconds after the last one ended.</source>
        <extracomment>%1 is the usual target score.</extracomment>
        <translation>&lt;b&gt;Winnen.&lt;/b&gt; Als een plaats de doelscore haalt (%1, tenzij de gastheer iets anders kiest) met de hoogste score, wint die het spel. Delen twee plaatsen de hoogste score, dan wordt er nog een ronde gespeeld. De volgende ronde begint 20 seconden na het einde van de vorige.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Team game.&lt;/b&gt; Seats 1 and 3 (the Green Team) play against seats 2 and 4 (the Brown Team); the computer plays any seat nobody holds. Partners share one score, and one partner&apos;s first lay-down counts for both. A team wins the round when both partners have emptied their racks, and gains the value of both opponents&apos; racks, which the other team loses.</source>
        <translation>&lt;b&gt;Teamspel.&lt;/b&gt; Plaats 1 en 3 (het groene team) spelen tegen plaats 2 en 4 (het bruine team); de computer speelt elke plaats die niemand bezet. Partners delen één score, en de eerste uitleg van de een telt voor beiden. Een team wint de ronde als beide partners hun plankje leeg hebben, en krijgt de waarde van de plankjes van beide tegenstanders, die het andere team verliest.</translation>
    </message>
    <message>
        <source>Rimbalo version %1, by Vemko Software.</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Rimbalo versie %1, van Vemko Software.</translation>
    </message>
    <message>
        <source>The tiles, the board and every picture in the game are drawn by the program itself.</source>
        <translation>De stenen, de tafel en alle afbeeldingen in het spel worden door het programma zelf getekend.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in &lt;i&gt;vemkolobby.ini&lt;/i&gt; and its tally in &lt;i&gt;rimbalotally.tld&lt;/i&gt; beside the program, or in your own data folder when the game is installed or its folder cannot be written; the records of the games you host go to that data folder.</source>
        <translation>Rimbalo bewaart zijn instellingen in &lt;i&gt;vemkolobby.ini&lt;/i&gt; en zijn stand in &lt;i&gt;rimbalotally.tld&lt;/i&gt; naast het programma, of in je eigen gegevensmap als het spel geïnstalleerd is of er niet in zijn map geschreven kan worden; de opnamen van de spellen die je organiseert, komen in die gegevensmap.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Versiegeschiedenis</translation>
    </message>
    <message>
        <source>the game window, hosting and joining games, seats and onlookers; tables on a server and their codes; five computer levels and hints; game records and their replay; a high-contrast tile set, screen readers and a turn alert; the window in eight languages.</source>
        <translation>het spelvenster, spellen organiseren en meedoen, plaatsen en toeschouwers; tafels op een server en hun codes; vijf computerniveaus en hints; spelopnamen en het afspelen ervan; een steenset met hoog contrast, schermlezers en een beurtmelding; het venster in acht talen.</translation>
    </message>
    <message>
        <source>The Vemko Lobby is a separate program by the makers of Rimbalo where players meet, chat and open games. When you host or join a Rimbalo game there, the lobby starts Rimbalo with your name, the host&apos;s address and your role, and Rimbalo tells the lobby that the game is running for as long as it stays open.</source>
        <translation>The Vemko Lobby is een apart programma van de makers van Rimbalo waar spelers elkaar treffen, chatten en spellen openen. Als je daar een Rimbalo-spel organiseert of meedoet, start de lobby Rimbalo met je naam, het adres van de gastheer en je rol, en Rimbalo laat de lobby weten dat het spel loopt zolang het open blijft.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in its own section of the lobby&apos;s settings file, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, and never changes the lobby&apos;s own settings there.</source>
        <translation>Rimbalo bewaart zijn instellingen in een eigen sectie van het instellingenbestand van de lobby, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, en verandert daar nooit de instellingen van de lobby zelf.</translation>
    </message>
</context>
<context>
    <name>windows::HostDialog</name>
    <message>
        <source>Rimbalo - Host a Game</source>
        <translation>Rimbalo - Spel organiseren</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Spel organiseren</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Organiseren</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Stoppen met organiseren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Choose Host: this game ends and a new one opens for your friends to join.</source>
        <translation>Kies Organiseren: dit spel eindigt en een nieuw spel opent voor je vrienden.</translation>
    </message>
    <message>
        <source>You are hosting on port %1. Give your friends one of these addresses (those on the first lines work from other computers):</source>
        <translation>Je bent gastheer op poort %1. Geef je vrienden een van deze adressen (de bovenste werken vanaf andere computers):</translation>
    </message>
    <message>
        <source>You are hosting on port %1, but this computer has no network address others can reach: only this computer can join.</source>
        <translation>Je bent gastheer op poort %1, maar deze computer heeft geen adres dat anderen bereiken: alleen deze computer kan meedoen.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2.</source>
        <translation>Poort %1 is niet bruikbaar: %2.</translation>
    </message>
    <message>
        <source> Port %1 is free.</source>
        <translation> Poort %1 is vrij.</translation>
    </message>
    <message>
        <source>Use Port %1</source>
        <translation>Poort %1 gebruiken</translation>
    </message>
    <message>
        <source> Choose another port.</source>
        <translation> Kies een andere poort.</translation>
    </message>
</context>
<context>
    <name>windows::JoinDialog</name>
    <message>
        <source>Rimbalo - Join a Game</source>
        <translation>Rimbalo - Meedoen met een spel</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Meedoen met een spel</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Meedoen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Vul je naam in.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Vul het adres van de gastheer in.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host address.</source>
        <translation>&quot;%1&quot; is geen adres.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wacht</translation>
    </message>
    <message>
        <source>to %1, %2 s a turn, %3 tiles</source>
        <translation>tot %1, %2 s per beurt, %3 stenen</translation>
    </message>
    <message>
        <source>Tables on a server</source>
        <translation>Tafels op een server</translation>
    </message>
    <message>
        <source>List Tables</source>
        <translation>Tafels tonen</translation>
    </message>
    <message>
        <source>of the server at the address above</source>
        <translation>van de server hierboven</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Bezet</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Kijkers</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Join Table</source>
        <translation>Meedoen</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Met code</translation>
    </message>
    <message>
        <source>new table&apos;s name</source>
        <translation>naam van de tafel</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source>Create a Table</source>
        <translation>Tafel openen</translation>
    </message>
    <message>
        <source>Asking %1 for its tables…</source>
        <translation>Tafels opvragen bij %1…</translation>
    </message>
    <message>
        <source>%1 has no open tables: create one.</source>
        <translation>%1 heeft geen open tafels: open er een.</translation>
    </message>
    <message>
        <source>Open tables of %1.</source>
        <translation>Open tafels van %1.</translation>
    </message>
    <message>
        <source>Choose a table in the list, or type its code.</source>
        <translation>Kies een tafel in de lijst of typ de code ervan.</translation>
    </message>
    <message>
        <source>Please type the table&apos;s code.</source>
        <translation>Typ de code van de tafel.</translation>
    </message>
    <message>
        <source>Joining table %1…</source>
        <translation>Meedoen aan tafel %1…</translation>
    </message>
    <message>
        <source>Creating a table…</source>
        <translation>Tafel wordt geopend…</translation>
    </message>
</context>
<context>
    <name>windows::TableCodeDialog</name>
    <message>
        <source>Rimbalo - Your Table</source>
        <translation>Rimbalo - Je tafel</translation>
    </message>
    <message>
        <source>Your Table</source>
        <translation>Je tafel</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed on %2. Friends can also type this code in Join a Game….</source>
        <translation>&quot;%1&quot; staat in de lijst van %2. Vrienden kunnen deze code ook typen in Meedoen met een spel….</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is private: only those you give this code to can join it, in Join a Game… at %2.</source>
        <translation>&quot;%1&quot; is privé: alleen wie je deze code geeft, kan meedoen, in Meedoen met een spel… op %2.</translation>
    </message>
</context>
<context>
    <name>windows::Tabout</name>
    <message>
        <source>Rimbalo - About</source>
        <translation>Rimbalo - Over</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Copyright ©</source>
        <translation>Copyright ©</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>windows::Tdownload</name>
    <message>
        <source>If you already have The Vemko Lobby and you wish to play with others then click the button below to close this game and open The Vemko Lobby.</source>
        <translation>Heb je The Vemko Lobby al en wil je met anderen spelen, klik dan op de knop hieronder om dit spel te sluiten en The Vemko Lobby te openen.</translation>
    </message>
    <message>
        <source>To play with others, host a game on this computer or join a friend&apos;s game: click the button below.</source>
        <translation>Om met anderen te spelen, organiseer je een spel op deze computer of doe je mee met het spel van een vriend: klik op de knop hieronder.</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby</source>
        <translation>The Vemko Lobby downloaden</translation>
    </message>
    <message>
        <source>No download address is set: add LobbyUrl= and the installer&apos;s address to the [rimbalo] section of vemkolobby.ini.</source>
        <translation>Geen downloadadres ingesteld: zet LobbyUrl= en het adres van het installatieprogramma in de sectie [rimbalo] van vemkolobby.ini.</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>GESLOTEN</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Download The Vemko Lobby nu om dit en andere spannende spellen online met anderen te spelen! </translation>
    </message>
    <message>
        <source>Download And Install The Vemko Lobby Now</source>
        <translation>Vemko Lobby downloaden en installeren</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Klik op de knop hieronder om verder te gaan zonder tegen anderen te kunnen spelen.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Alleen spelen</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Met anderen spelen</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Let op: ook als je offline speelt, moet je je FIREWALL zo instellen dat het spel zijn internetonderdelen mag gebruiken.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Niet meer tonen</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download afgebroken</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Bezig met downloaden: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>De server antwoordde %1 %2</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Maar %1 van %2 bytes kwamen aan</translation>
    </message>
    <message>
        <source>The server sent an empty file</source>
        <translation>De server stuurde een leeg bestand</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes ontvangen</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Bezig met installeren</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Er is een fout opgetreden.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>De download is afgebroken.</translation>
    </message>
    <message>
        <source>Please close the game and open the Vemko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Sluit het spel en open de Vemko Lobby met het pictogram op je bureaublad of via het startmenu van Windows.</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Spel organiseren…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Meedoen met een spel…</translation>
    </message>
</context>
<context>
    <name>windows::Tgamestart</name>
    <message>
        <source>Rimbalo - Game Start</source>
        <translation>Rimbalo - Spelbegin</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Spelen tot:</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <translation>Tijd per beurt:</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Startstenen:</translation>
    </message>
    <message>
        <source>Computer Opponents:</source>
        <translation>Tegenstanders:</translation>
    </message>
    <message>
        <source>How many empty seats the computer plays (a team game fills all four); 0 when a friend holds seat 2 and nobody else is wanted</source>
        <translation>Hoeveel lege plaatsen de computer speelt (een teamspel vult alle vier); 0 als een vriend plaats 2 heeft en verder niemand gewenst is</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Tijdstraf</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspel</translation>
    </message>
    <message>
        <source>Computer Level:</source>
        <translation>Computerniveau:</translation>
    </message>
    <message>
        <source>How well the computer seats play, from Beginner to Master</source>
        <translation>Hoe goed de computerplaatsen spelen, van Beginner tot Meester</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>sec</translation>
    </message>
</context>
<context>
    <name>windows::Thelp</name>
    <message>
        <source>Rimbalo - Help File</source>
        <translation>Rimbalo - Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spelverloop</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Telling</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentatie</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>De lobby</translation>
    </message>
</context>
<context>
    <name>windows::Tphrases</name>
    <message>
        <source>Rimbalo - Phrase Buttons </source>
        <translation>Rimbalo - Zinnenknoppen </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Zin %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Knoppen zijn maar eens per 2 seconden te gebruiken</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>windows::Tspylist</name>
    <message>
        <source>Rimbalo - Spys</source>
        <translation>Rimbalo - Toeschouwers</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Toeschouwers</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Uit het spel verwijderen</translation>
    </message>
</context>
<context>
    <name>windows::Ttallylist</name>
    <message>
        <source>Rimbalo - Tally List</source>
        <translation>Rimbalo - Stand</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Stand wissen</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spellen totaal:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Jouw overwinningen:</translation>
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
        <translation>Spelers in het huidige spel</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Bijgehouden spelers</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessie</translation>
    </message>
    <message>
        <source>Number of Games:</source>
        <translation>Aantal spellen:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Niemand won:</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to open input file : %1</source>
        <translation>Lzrw1 (de)compressie: kan invoerbestand niet openen: %1</translation>
    </message>
    <message>
        <source>%1 is far too large for a tally.</source>
        <translation>%1 is veel te groot voor een stand.</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input file : %1</source>
        <translation>Lzrw1: fout bij het lezen van invoerbestand: %1</translation>
    </message>
    <message>
        <source>%1 does not hold a tally.</source>
        <translation>%1 bevat geen stand.</translation>
    </message>
    <message>
        <source>The file is kept as %1 and a new tally is started.</source>
        <translation>Het bestand blijft bewaard als %1 en een nieuwe stand begint.</translation>
    </message>
    <message>
        <source>A new tally is started; it will not be saved over that file.</source>
        <translation>Een nieuwe stand begint; die wordt niet over dat bestand opgeslagen.</translation>
    </message>
    <message>
        <source>The tally could not be saved to %1: %2</source>
        <translation>De stand kon niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Dit wist de stand van %1. Wil je die wissen?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Overwinningen van %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Stand van %1</translation>
    </message>
    <message>
        <source>Select a player to tally</source>
        <translation>Kies een speler</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Weet je zeker dat je de stand wilt wissen?</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
</context>
</TS>
