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
