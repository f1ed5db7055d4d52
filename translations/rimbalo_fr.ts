<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ComputerLevel</name>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
</context>
<context>
    <name>ResumeOffer</name>
    <message>
        <source>The game begun %1 (UTC) stopped before its end, in round %2.
Players and scores: %3.</source>
        <translation>La partie commencée le %1 (UTC) s’est arrêtée avant la fin, à la manche %2.
Joueurs et scores : %3.</translation>
    </message>
    <message>
        <source>Resume the Stopped Game?</source>
        <translation>Reprendre la partie interrompue ?</translation>
    </message>
    <message>
        <source>Resume it with the same seats, tiles, board and scores? Its players get their seats back by joining with their names.</source>
        <translation>La reprendre avec les mêmes places, tuiles, table et scores ? Ses joueurs retrouvent leur place en la rejoignant sous leur nom.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>The choice could not be kept: the records folder cannot be written. The game will be offered again.</source>
        <translation>Le choix n’a pas pu être enregistré : le dossier des parties n’est pas accessible en écriture. La partie sera proposée de nouveau.</translation>
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
        <translation>%1 ne peut pas aller à côté d’%2 ici.</translation>
    </message>
</context>
<context>
    <name>client::BoardView</name>
    <message>
        <source>a set in row %1 has %2 %3</source>
        <translation>une combinaison de la ligne %1 a %2 %3</translation>
    </message>
    <message>
        <source>a set in row %1 is no run or group</source>
        <translation>une combinaison de la ligne %1 n’est ni une suite ni un groupe</translation>
    </message>
    <message>
        <source>That cell is taken.</source>
        <translation>Cette case est occupée.</translation>
    </message>
    <message>
        <source>First lay-down: %1 of %2</source>
        <translation>Première pose : %1 sur %2</translation>
    </message>
    <message>
        <source>The set does not fit there.</source>
        <translation>La combinaison ne tient pas là.</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>tuile</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>tuiles</translation>
    </message>
    <message>
        <source>%1 played a %2.</source>
        <translation>%1 a posé : %2.</translation>
    </message>
    <message>
        <source>%1 moved a %2.</source>
        <translation>%1 a déplacé : %2.</translation>
    </message>
    <message>
        <source>%1 removed a %2.</source>
        <translation>%1 a repris : %2.</translation>
    </message>
    <message>
        <source>%1 cleared tiles.</source>
        <translation>%1 a repris ses tuiles.</translation>
    </message>
</context>
<context>
    <name>client::ChatInput</name>
    <message>
        <source>See ya!</source>
        <translation>À plus !</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Écrivez ici&gt;</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Message de chat</translation>
    </message>
</context>
<context>
    <name>client::ChatView</name>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Effacer le chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Ne pas défiler le chat</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Impossible d’ouvrir la page web</translation>
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
        <translation>Oups</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Toux</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Bonjour</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Où étais-tu ?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronflement</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Éternuement</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Pardon</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Youpi</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Hourra</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh non</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaudissements</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Klaxon</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Ooooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Prout</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Acclamations</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Femme qui rit</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Homme qui rit</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Pleurs</translation>
    </message>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Annuler&gt;</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1 : &lt;Bruitage&gt; %2</translation>
    </message>
</context>
<context>
    <name>client::GameFlow</name>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 a lancé une partie.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Vous avez lancé une partie.</translation>
    </message>
    <message>
        <source>Starting with %1 tiles.</source>
        <translation>Chacun commence avec %1 tuiles.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Au tour de %1.</translation>
    </message>
    <message>
        <source>%1 drew a tile.</source>
        <translation>%1 a pioché une tuile.</translation>
    </message>
    <message>
        <source>%1 took a %2 tile penalty.</source>
        <translation>%1 a pris une pénalité de %2 tuiles.</translation>
    </message>
    <message>
        <source>The Round Ended in a Draw.</source>
        <translation>La manche se termine par une égalité.</translation>
    </message>
    <message>
        <source> You are out of tiles! The Round is Over.</source>
        <translation> Vous n’avez plus de tuiles ! La manche est finie.</translation>
    </message>
    <message>
        <source>%1 is out of tiles! The Round is Over.</source>
        <translation>%1 n’a plus de tuiles ! La manche est finie.</translation>
    </message>
    <message>
        <source>You have won the game!</source>
        <translation>Vous avez gagné la partie !</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie !</translation>
    </message>
    <message>
        <source>You cannot clear when you have a tile in your hand.</source>
        <translation>Vous ne pouvez pas annuler avec une tuile en main.</translation>
    </message>
    <message>
        <source>You cannot end your turn when you have a tile in your hand.</source>
        <translation>Vous ne pouvez pas finir votre tour avec une tuile en main.</translation>
    </message>
    <message>
        <source>You cannot draw a tile when you have a tile in your hand.</source>
        <translation>Vous ne pouvez pas piocher avec une tuile en main.</translation>
    </message>
    <message>
        <source>You cannot take a hint when you have a tile in your hand.</source>
        <translation>Vous ne pouvez pas demander d’indice avec une tuile en main.</translation>
    </message>
    <message>
        <source>You have run out of time!.</source>
        <translation>Votre temps est écoulé !</translation>
    </message>
    <message>
        <source>%1 has ran out of time.</source>
        <translation>Le temps de %1 est écoulé.</translation>
    </message>
</context>
<context>
    <name>client::GameInfo</name>
    <message>
        <source>Time Penalty</source>
        <translation>Pénalité de temps</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Bonne chance</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: 0</source>
        <translation>Tuiles restantes : 0</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Gagnant !</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Partie en : %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1:%2</source>
        <translation>Temps par tour : %1:%2</translation>
    </message>
    <message>
        <source>Time Per Turn: %1</source>
        <translation>Temps par tour : %1</translation>
    </message>
    <message>
        <source>Time Penalty: ON</source>
        <translation>Pénalité de temps : OUI</translation>
    </message>
    <message>
        <source>Time Penalty: OFF</source>
        <translation>Pénalité de temps : NON</translation>
    </message>
    <message>
        <source>Play To Score: -</source>
        <translation>Partie en : -</translation>
    </message>
    <message>
        <source>Time Per Turn: -</source>
        <translation>Temps par tour : -</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partie en équipe</translation>
    </message>
    <message>
        <source>Tile&apos;s Left: %1</source>
        <translation>Tuiles restantes : %1</translation>
    </message>
</context>
<context>
    <name>client::Hints</name>
    <message>
        <source>This program offers no hints</source>
        <translation>Ce programme ne donne pas d’indices</translation>
    </message>
    <message>
        <source>This game&apos;s host offers no hints</source>
        <translation>L’hôte de cette partie ne donne pas d’indices</translation>
    </message>
    <message>
        <source>The host has switched hints off</source>
        <translation>L’hôte a désactivé les indices</translation>
    </message>
    <message>
        <source>Lay the outlined tiles (H)</source>
        <translation>Poser les tuiles entourées (H)</translation>
    </message>
    <message>
        <source>Outline the best lay-down for your rack (H)</source>
        <translation>Entourer la meilleure pose pour votre chevalet (H)</translation>
    </message>
    <message>
        <source>No hint: a set on the board cannot be completed. Clear your moves.</source>
        <translation>Pas d’indice : une combinaison sur la table ne peut pas être complétée. Annulez vos coups.</translation>
    </message>
    <message>
        <source>No lay-down of %1 yet: draw a tile.</source>
        <translation>Pas encore de pose de %1 : piochez une tuile.</translation>
    </message>
    <message>
        <source>None of your tiles can be laid: draw a tile.</source>
        <translation>Aucune de vos tuiles ne peut être posée : piochez une tuile.</translation>
    </message>
    <message>
        <source>Hint: %1 worth %2. Press Place to lay %3.</source>
        <translation>Indice : %1 valant %2. Appuyez sur Poser pour %3 poser.</translation>
    </message>
    <message>
        <source>1 tile</source>
        <translation>1 tuile</translation>
    </message>
    <message>
        <source>%1 tiles</source>
        <translation>%1 tuiles</translation>
    </message>
    <message>
        <source>Hint laid (%1 points): press Finish to end your turn.</source>
        <translation>Indice posé (%1 points) : appuyez sur Terminer pour finir votre tour.</translation>
    </message>
    <message>
        <source>it</source>
        <translation>la</translation>
    </message>
    <message>
        <source>them</source>
        <translation>les</translation>
    </message>
</context>
<context>
    <name>client::PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Bien joué !</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Joli coup !</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Bel essai !</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Excellent !</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Génial !</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Waouh, bravo !</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Merci !</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Bien joué, partenaire !</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Bonne partie à tous !</translation>
    </message>
</context>
<context>
    <name>client::RackView</name>
    <message>
        <source>This round has already started. You will have to wait until the next round.</source>
        <translation>Cette manche a déjà commencé. Vous devez attendre la manche suivante.</translation>
    </message>
    <message>
        <source>You cannot select a new tile when you have a tile from the board in your hand.</source>
        <translation>Vous ne pouvez pas choisir une nouvelle tuile avec une tuile de la table en main.</translation>
    </message>
    <message>
        <source>%1 (just drawn)</source>
        <translation>%1 (tout juste piochée)</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>TRIER :</translation>
    </message>
    <message>
        <source>Sort by Numbers</source>
        <translation>Trier par nombres</translation>
    </message>
    <message>
        <source>Sort by Suits</source>
        <translation>Trier par couleurs</translation>
    </message>
    <message>
        <source>just drawn</source>
        <translation>tout juste piochée</translation>
    </message>
    <message>
        <source>Your rack</source>
        <translation>Votre chevalet</translation>
    </message>
</context>
<context>
    <name>client::RecordStatsPage</name>
    <message>
        <source>Rimbalo - Game Statistics</source>
        <translation>Rimbalo - Statistiques des parties</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Player:</source>
        <translation>Joueur :</translation>
    </message>
    <message>
        <source>No games have been recorded yet.</source>
        <translation>Aucune partie n’a encore été enregistrée.</translation>
    </message>
    <message>
        <source>Games played: %1, won: %2</source>
        <translation>Parties jouées : %1, gagnées : %2</translation>
    </message>
    <message>
        <source>Rounds played: %1, gone out: %2</source>
        <translation>Manches jouées : %1, chevalet vidé : %2</translation>
    </message>
    <message>
        <source>Average points per round: %1</source>
        <translation>Points moyens par manche : %1</translation>
    </message>
    <message>
        <source>Best round: %1 points (round %2 of the game of %3)</source>
        <translation>Meilleure manche : %1 points (manche %2 de la partie du %3)</translation>
    </message>
    <message numerus="yes">
        <source>From %n recorded game(s).</source>
        <translation>
            <numerusform>D’après %n partie enregistrée.</numerusform>
            <numerusform>D’après %n parties enregistrées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>client::ReplayWindow</name>
    <message>
        <source>Game Records</source>
        <translation>Parties enregistrées</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>To the round&apos;s start (Home)</source>
        <translation>Au début de la manche (Début)</translation>
    </message>
    <message>
        <source>Back one turn (Left)</source>
        <translation>Un tour en arrière (Gauche)</translation>
    </message>
    <message>
        <source>Forward one turn (Right)</source>
        <translation>Un tour en avant (Droite)</translation>
    </message>
    <message>
        <source>To the round&apos;s end (End)</source>
        <translation>À la fin de la manche (Fin)</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Open a record file</source>
        <translation>Ouvrir un fichier de partie</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Save this game&apos;s record file to send</source>
        <translation>Enregistrer le fichier de cette partie pour l’envoyer</translation>
    </message>
    <message>
        <source>(not finished)</source>
        <translation>(non terminée)</translation>
    </message>
    <message>
        <source>Game Records — %1</source>
        <translation>Parties enregistrées — %1</translation>
    </message>
    <message>
        <source>Round %1, end</source>
        <translation>Manche %1, fin</translation>
    </message>
    <message>
        <source>Round %1, turn %2 of %3</source>
        <translation>Manche %1, tour %2 sur %3</translation>
    </message>
    <message>
        <source>Could not export the record to %1.</source>
        <translation>Impossible d’exporter la partie vers %1.</translation>
    </message>
    <message>
        <source>Export Game Record</source>
        <translation>Exporter la partie</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec)</source>
        <translation>Parties Rimbalo (*.rimrec)</translation>
    </message>
    <message>
        <source>Open Game Record</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Rimbalo game records (*.rimrec);;All files (*)</source>
        <translation>Parties Rimbalo (*.rimrec);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Seat %1</source>
        <translation>Place %1</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiques…</translation>
    </message>
    <message>
        <source>Games played and won, points per round, the best round</source>
        <translation>Parties jouées et gagnées, points par manche, la meilleure manche</translation>
    </message>
</context>
<context>
    <name>client::RoundSummary</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Tiles left</source>
        <translation>Tuiles restantes</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Next round in %1 s</source>
        <translation>Manche suivante dans %1 s</translation>
    </message>
    <message>
        <source>The next round is starting.</source>
        <translation>La manche suivante commence.</translation>
    </message>
</context>
<context>
    <name>client::SeatDisplay</name>
    <message>
        <source>PLAYER</source>
        <translation>JOUEUR</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>MANCHE</translation>
    </message>
    <message>
        <source>TILES</source>
        <translation>MAIN</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;En attente&gt;</translation>
    </message>
    <message>
        <source>Just watching: the computer plays this seat</source>
        <translation>Regarde seulement : l’ordinateur joue cette place</translation>
    </message>
    <message>
        <source>Sits out this round</source>
        <translation>Passe cette manche</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Vous êtes connecté.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 est connecté.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Vous observez.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 observe.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 est parti.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 regarde seulement</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 rejoue</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 s’est déconnecté.</translation>
    </message>
    <message>
        <source>Seat %1: %2, %3 tiles, score %4</source>
        <translation>Place %1 : %2, %3 tuiles, score %4</translation>
    </message>
    <message>
        <source>, just watching</source>
        <translation>, regarde seulement</translation>
    </message>
    <message>
        <source>, sitting this round out</source>
        <translation>, passe cette manche</translation>
    </message>
    <message>
        <source>, your turn</source>
        <translation>, à vous de jouer</translation>
    </message>
    <message>
        <source>, their turn</source>
        <translation>, c’est son tour</translation>
    </message>
</context>
<context>
    <name>client::ShuffleCheck</name>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not match what it promised.</source>
        <translation>Attention : la graine de mélange du serveur ne correspond pas à ce qu&apos;il avait promis.</translation>
    </message>
    <message>
        <source>Warning: the server&apos;s shuffle seed does not deal the tiles you were dealt.</source>
        <translation>Attention : la graine de mélange du serveur ne distribue pas les tuiles que vous avez reçues.</translation>
    </message>
    <message>
        <source>Shuffle checked.</source>
        <translation>Mélange vérifié.</translation>
    </message>
</context>
<context>
    <name>client::SpokenNames</name>
    <message>
        <source>Green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>alone</source>
        <translation>à part</translation>
    </message>
    <message>
        <source>in a run of %1</source>
        <translation>dans une suite de %1</translation>
    </message>
    <message>
        <source>in a group of %1</source>
        <translation>dans un groupe de %1</translation>
    </message>
    <message>
        <source>in an unfinished set of %1</source>
        <translation>dans une combinaison inachevée de %1</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tile: its colour, then its value (&quot;Red 7&quot;, &quot;Black King&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1 : vide</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <source>The board is empty.</source>
        <translation>La table est vide.</translation>
    </message>
    <message>
        <source>%1 tiles in %2 sets on the board, %3 of them unfinished.</source>
        <translation>%1 tuiles en %2 combinaisons sur la table, dont %3 inachevées.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Green Queen</source>
        <translation>Dame verte</translation>
    </message>
    <message>
        <source>Orange Queen</source>
        <translation>Dame orange</translation>
    </message>
    <message>
        <source>Red Queen</source>
        <translation>Dame rouge</translation>
    </message>
    <message>
        <source>Black Queen</source>
        <translation>Dame noire</translation>
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
        <translation>le serveur a fermé la connexion</translation>
    </message>
</context>
<context>
    <name>client::Tchat</name>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Your phrases could not be saved: %1</source>
        <translation>Vos phrases n’ont pas pu être enregistrées : %1</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Vous n’êtes pas connecté</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 a une autre version du jeu que vous.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Vous avez une autre version du jeu que l’hôte.</translation>
    </message>
    <message>
        <source>You cannot hold anymore tiles</source>
        <translation>Vous ne pouvez plus prendre de tuiles</translation>
    </message>
    <message>
        <source>There are no tiles left</source>
        <translation>Il ne reste plus de tuiles</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partie est complète</translation>
    </message>
    <message>
        <source>You are hosting: the game ends for %1.</source>
        <translation>Vous êtes l’hôte : la partie se termine pour %1.</translation>
    </message>
    <message>
        <source>The round you are playing ends.</source>
        <translation>La manche que vous jouez se termine.</translation>
    </message>
    <message>
        <source>You leave the game in progress: the computer plays your seat.</source>
        <translation>Vous quittez une partie en cours : l’ordinateur joue votre place.</translation>
    </message>
    <message>
        <source>%1 all the same?</source>
        <translation>%1 quand même ?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Regarder seulement</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Héberger une partie…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Rejoindre une partie…</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Jouer seul</translation>
    </message>
    <message>
        <source>Game Records…</source>
        <translation>Parties enregistrées…</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Réinitialiser la position</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Voir le bilan</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Observateurs</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Journal de partie</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Phrases</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Jouer les sons</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Jouer les bruitages</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Ne pas défiler le chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Effacer le chat</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Vitesse de l’ordinateur</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Computer Level</source>
        <translation>Niveau de l’ordinateur</translation>
    </message>
    <message>
        <source>Allow Hints</source>
        <translation>Autoriser les indices</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Son du tour</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Tile Sets</source>
        <translation>Jeux de tuiles</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>The new language is used when Rimbalo starts again.</source>
        <translation>La nouvelle langue sera utilisée au prochain démarrage de Rimbalo.</translation>
    </message>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>Vos réglages n’ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Mettre en observation</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Lever l’observation</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Héberger</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Chargement de la partie solo… Veuillez patienter.</translation>
    </message>
    <message>
        <source>To play with friends, choose Host a Game… or Join a Game… in the Game menu.</source>
        <translation>Pour jouer avec des amis, choisissez Héberger une partie… ou Rejoindre une partie… dans le menu Partie.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Chargement de la partie multijoueur… Veuillez patienter.</translation>
    </message>
    <message>
        <source>The game could not be hosted: %1</source>
        <translation>La partie n’a pas pu être hébergée : %1</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Arrêter d’héberger</translation>
    </message>
    <message>
        <source>Hosting a game on port %1…</source>
        <translation>Partie hébergée sur le port %1…</translation>
    </message>
    <message>
        <source>Joining a game at: %1…</source>
        <translation>Connexion à la partie : %1…</translation>
    </message>
    <message>
        <source>the host closed the connection</source>
        <translation>l’hôte a fermé la connexion</translation>
    </message>
    <message>
        <source>the game is full</source>
        <translation>la partie est complète</translation>
    </message>
    <message>
        <source>Your game goes on.</source>
        <translation>Votre partie continue.</translation>
    </message>
    <message>
        <source>Friends can join this game at: %1 (Game menu, Host a Game… to copy them).</source>
        <translation>Vos amis peuvent rejoindre cette partie à : %1 (menu Partie, Héberger une partie… pour les copier).</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>no answer from the game within %1 seconds</source>
        <translation>pas de réponse de la partie en %1 secondes</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Connexion impossible à %1 : %2</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Non connecté : %1</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>la connexion a été perdue</translation>
    </message>
    <message>
        <source>The connection to the host was lost.</source>
        <translation>La connexion avec l’hôte a été perdue.</translation>
    </message>
    <message>
        <source>The host has closed the game.</source>
        <translation>L’hôte a fermé la partie.</translation>
    </message>
    <message>
        <source>The host has removed you from the game.</source>
        <translation>L’hôte vous a retiré de la partie.</translation>
    </message>
    <message>
        <source>The settings file could not be read; the usual settings are used.</source>
        <translation>Le fichier de réglages n’a pas pu être lu ; les réglages habituels sont utilisés.</translation>
    </message>
    <message>
        <source>Table %1 (%2): friends join it with this code.</source>
        <translation>Table %1 (%2) : vos amis la rejoignent avec ce code.</translation>
    </message>
    <message>
        <source>%1 now holds the host&apos;s powers.</source>
        <translation>%1 détient maintenant les droits de l’hôte.</translation>
    </message>
    <message>
        <source>Reconnected.</source>
        <translation>Reconnecté.</translation>
    </message>
    <message>
        <source>Connection lost — reconnecting… (attempt %1 in %2 s)</source>
        <translation>Connexion perdue — reconnexion… (essai %1 dans %2 s)</translation>
    </message>
    <message>
        <source>The tile set &quot;%1&quot; could not be read; the tiles keep their pictures.</source>
        <translation>Le jeu de tuiles « %1 » n’a pas pu être lu ; les tuiles gardent leurs images.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>You are sending chat faster than anyone can read it: lines are dropped until you slow down.</source>
        <translation>Vous envoyez des messages plus vite que quiconque peut lire : des lignes sont ignorées jusqu’à ce que vous ralentissiez.</translation>
    </message>
    <message>
        <source>You are sending commands faster than anyone can play: some were ignored.</source>
        <translation>Vous envoyez des commandes plus vite que quiconque peut jouer : certaines ont été ignorées.</translation>
    </message>
    <message>
        <source>You have moved tiles more often this turn than anyone could: the rest of this turn&apos;s moves are ignored.</source>
        <translation>Vous avez déplacé des tuiles plus souvent ce tour que quiconque le pourrait : les autres coups de ce tour sont ignorés.</translation>
    </message>
    <message>
        <source>This server holds a single game.</source>
        <translation>Ce serveur n’héberge qu’une seule partie.</translation>
    </message>
    <message>
        <source>You have opened too many tables. Try again in a minute.</source>
        <translation>Vous avez ouvert trop de tables. Réessayez dans une minute.</translation>
    </message>
    <message>
        <source>Every table of this server is taken.</source>
        <translation>Toutes les tables de ce serveur sont prises.</translation>
    </message>
    <message>
        <source>Your seat is no longer kept for you.</source>
        <translation>Votre place ne vous est plus réservée.</translation>
    </message>
    <message>
        <source>The server is full. Try again later.</source>
        <translation>Le serveur est complet. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Too many connections from your address.</source>
        <translation>Trop de connexions depuis votre adresse.</translation>
    </message>
    <message>
        <source>No table with code %1.</source>
        <translation>Aucune table avec le code %1.</translation>
    </message>
    <message>
        <source>Table %1 is full.</source>
        <translation>La table %1 est complète.</translation>
    </message>
    <message>
        <source>No answer from %1: %2</source>
        <translation>Pas de réponse de %1 : %2</translation>
    </message>
    <message>
        <source>Notify Me When It Is My Turn</source>
        <translation>Me prévenir quand c’est mon tour</translation>
    </message>
    <message>
        <source>Game Records Kept</source>
        <translation>Parties conservées</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Contraste élevé</translation>
    </message>
</context>
<context>
    <name>client::TurnAlert</name>
    <message>
        <source>Your turn in Rimbalo</source>
        <translation>À vous de jouer dans Rimbalo</translation>
    </message>
    <message>
        <source>The other players are waiting for your move.</source>
        <translation>Les autres joueurs attendent votre coup.</translation>
    </message>
</context>
<context>
    <name>client::TurnControls</name>
    <message>
        <source>Welcome to Rimbalo By Vemko Software!</source>
        <translation>Bienvenue dans Rimbalo de Vemko Software !</translation>
    </message>
    <message>
        <source>Click here to view the Game Log</source>
        <translation>Cliquez ici pour voir le journal</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Piocher</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Pause the game</source>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>Game Log</source>
        <translation>Journal de partie</translation>
    </message>
    <message>
        <source>Blinks while the board is incomplete</source>
        <translation>Clignote tant que la table est incomplète</translation>
    </message>
    <message>
        <source>Time: 0:00</source>
        <translation>Temps : 0:00</translation>
    </message>
    <message>
        <source>There are incomplete or incorrect groups on the board.</source>
        <translation>Il y a des combinaisons incomplètes ou incorrectes sur la table.</translation>
    </message>
    <message>
        <source>Would you like to take a %1 tile penalty and end your turn?</source>
        <translation>Voulez-vous prendre une pénalité de %1 tuiles et finir votre tour ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>The tiles you lay down on your first turn must equal at least %1 points.</source>
        <translation>Les tuiles de votre première pose doivent valoir au moins %1 points.</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Poser</translation>
    </message>
    <message>
        <source>Time: %1:%2</source>
        <translation>Temps : %1:%2</translation>
    </message>
    <message>
        <source>Your first lay down must equal at least %1 points</source>
        <translation>Votre première pose doit valoir au moins %1 points</translation>
    </message>
    <message>
        <source>Board is incomplete.</source>
        <translation>La table est incomplète.</translation>
    </message>
    <message>
        <source>Board is incomplete: %1.</source>
        <translation>La table est incomplète : %1.</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>À vous de jouer.</translation>
    </message>
    <message>
        <source>Close the game log</source>
        <translation>Fermer le journal de partie</translation>
    </message>
</context>
<context>
    <name>windows::AddressDialog</name>
    <message>
        <source>Host address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>name, IPv4 or IPv6 address</source>
        <translation>nom, adresse IPv4 ou IPv6</translation>
    </message>
</context>
<context>
    <name>windows::AuxWindow</name>
    <message>
        <source>Your name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
</context>
<context>
    <name>windows::HelpText</name>
    <message>
        <source>Rimbalo is a rummy game played with numbered tiles by up to four players. The set has &lt;b&gt;%1 tiles&lt;/b&gt;: the numbers 1 to 13 in four colours, each twice, and two jokers. Each colour has its own symbol: &lt;b&gt;green clubs&lt;/b&gt; (&amp;#9827;), &lt;b&gt;orange diamonds&lt;/b&gt; (&amp;#9830;), &lt;b&gt;red hearts&lt;/b&gt; (&amp;#9829;) and &lt;b&gt;black spades&lt;/b&gt; (&amp;#9824;). The tiles 11, 12 and 13 show &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; and &lt;b&gt;K&lt;/b&gt; and count 11, 12 and 13.</source>
        <translation>Rimbalo est un jeu de rami qui se joue avec des tuiles numérotées, jusqu’à quatre joueurs. Le jeu compte &lt;b&gt;%1 tuiles&lt;/b&gt; : les nombres de 1 à 13 en quatre couleurs, chacun en double, et deux jokers. Chaque couleur a son symbole : &lt;b&gt;trèfles verts&lt;/b&gt; (&amp;#9827;), &lt;b&gt;carreaux orange&lt;/b&gt; (&amp;#9830;), &lt;b&gt;cœurs rouges&lt;/b&gt; (&amp;#9829;) et &lt;b&gt;piques noirs&lt;/b&gt; (&amp;#9824;). Les tuiles 11, 12 et 13 portent &lt;b&gt;J&lt;/b&gt;, &lt;b&gt;Q&lt;/b&gt; et &lt;b&gt;K&lt;/b&gt; et valent 11, 12 et 13.</translation>
    </message>
    <message>
        <source>Everybody plays on one shared board. On your turn you lay tiles from your rack onto the board in &lt;b&gt;sets&lt;/b&gt; and may rearrange the sets already there, as long as the whole board is made of valid sets when you finish. The first player to empty the rack wins the round and collects the value of every tile the others still hold. Rounds follow each other until a player reaches the target score.</source>
        <translation>Tout le monde joue sur une même table. À votre tour, vous posez des tuiles de votre chevalet sur la table en &lt;b&gt;combinaisons&lt;/b&gt; et pouvez réarranger les combinaisons déjà posées, pourvu que toute la table soit faite de combinaisons valides quand vous terminez. Le premier joueur qui vide son chevalet gagne la manche et empoche la valeur de toutes les tuiles que les autres ont encore. Les manches se suivent jusqu’à ce qu’un joueur atteigne le score visé.</translation>
    </message>
    <message>
        <source>Seats nobody holds are played by the computer. When the host starts a game, &lt;b&gt;Computer Opponents&lt;/b&gt; (1 to 3) says how many of the empty seats the computer plays (0 is offered too when a friend already holds seat 2); a team game fills all four seats. Anybody who joins after the four seats are taken watches the game as an onlooker.</source>
        <translation>Les places que personne n’occupe sont jouées par l’ordinateur. Quand l’hôte lance une partie, &lt;b&gt;Adversaires IA&lt;/b&gt; (1 à 3) indique combien de places libres l’ordinateur joue (0 est aussi proposé quand un ami occupe déjà la place 2) ; une partie en équipe remplit les quatre places. Quiconque arrive une fois les quatre places prises regarde la partie en observateur.</translation>
    </message>
    <message>
        <source>The computer plays at one of five levels, weakest first: &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (the default), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; and &lt;b&gt;%5&lt;/b&gt;. The host chooses it as the Computer Level in the start dialog or in the Options menu. %1 never moves a tile already on the board; %3 and %4 look for the most valuable lay-down, %4 rearranging the board&apos;s sets freely; %5 also plays the next turns out before it chooses. Options, Bot Speed sets how quickly it moves.</source>
        <extracomment>%1 to %5 are the computer levels, weakest first, as the Computer Level menu names them.</extracomment>
        <translation>L’ordinateur joue à l’un des cinq niveaux, du plus faible au plus fort : &lt;b&gt;%1&lt;/b&gt;, &lt;b&gt;%2&lt;/b&gt; (par défaut), &lt;b&gt;%3&lt;/b&gt;, &lt;b&gt;%4&lt;/b&gt; et &lt;b&gt;%5&lt;/b&gt;. L’hôte le choisit comme niveau de l’ordinateur dans la fenêtre de début de partie ou dans le menu Options. %1 ne déplace jamais une tuile déjà sur la table ; %3 et %4 cherchent la pose de plus grande valeur, %4 en réarrangeant librement les combinaisons de la table ; %5 joue en plus les tours suivants avant de choisir. Options, Vitesse de l’ordinateur règle la rapidité de son jeu.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your window.&lt;/b&gt; Options, Tile Sets offers a &lt;b&gt;High contrast&lt;/b&gt; set whose colours stay apart for colour-blind players. Options, Language chooses the window&apos;s language from the next start (System follows the desktop). Screen readers can read out the rack, the board and the seats. When your turn starts while you are in another window, the window asks for attention and, unless Options, Notify Me When It Is My Turn is off, the desktop shows a notice.</source>
        <translation>&lt;b&gt;Votre fenêtre.&lt;/b&gt; Options, Jeux de tuiles propose le jeu &lt;b&gt;Contraste élevé&lt;/b&gt;, dont les couleurs restent distinctes pour les joueurs daltoniens. Options, Langue choisit la langue de la fenêtre à partir du prochain lancement (Système suit le bureau). Les lecteurs d’écran peuvent lire le chevalet, la table et les places. Quand votre tour commence alors que vous êtes dans une autre fenêtre, la fenêtre demande votre attention et, sauf si « Me prévenir quand c’est mon tour » est décoché dans le menu Options, le bureau affiche une notification.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Game records.&lt;/b&gt; The games you host are kept: &lt;b&gt;Game, Game Records…&lt;/b&gt; lists them, replays any of them turn by turn and counts each player&apos;s games, wins and points.</source>
        <translation>&lt;b&gt;Parties enregistrées.&lt;/b&gt; Les parties que vous hébergez sont conservées : &lt;b&gt;Partie, Parties enregistrées…&lt;/b&gt; les liste, rejoue n’importe laquelle tour par tour et compte les parties, victoires et points de chaque joueur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Solo game.&lt;/b&gt; Start Rimbalo without anything else and it plays a game against the computer on this machine. You sit in seat 1 as &lt;i&gt;You&lt;/i&gt;; the game starts when you press &lt;b&gt;Start&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Partie en solo.&lt;/b&gt; Lancez Rimbalo sans rien d’autre et il joue une partie contre l’ordinateur sur cette machine. Vous êtes à la place 1 sous le nom &lt;i&gt;You&lt;/i&gt; ; la partie commence quand vous appuyez sur &lt;b&gt;Lancer&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hosting a game.&lt;/b&gt; Choose &lt;b&gt;Game, Host a Game…&lt;/b&gt;, type your name and press &lt;b&gt;Host&lt;/b&gt;. The dialog then lists the addresses of this computer; &lt;b&gt;Copy&lt;/b&gt; one and send it to your friends. The game runs on TCP port %1 unless you choose another, and the host&apos;s firewall must let that port in. When the port is in use the dialog says so and offers a free one.</source>
        <extracomment>%1 is the game&apos;s usual TCP port.</extracomment>
        <translation>&lt;b&gt;Héberger une partie.&lt;/b&gt; Choisissez &lt;b&gt;Partie, Héberger une partie…&lt;/b&gt;, tapez votre nom et appuyez sur &lt;b&gt;Héberger&lt;/b&gt;. La fenêtre affiche alors les adresses de cet ordinateur ; copiez-en une avec &lt;b&gt;Copier&lt;/b&gt; et envoyez-la à vos amis. La partie utilise le port TCP %1 sauf si vous en choisissez un autre, et le pare-feu de l’hôte doit laisser passer ce port. Si le port est occupé, la fenêtre le signale et en propose un libre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Joining a game.&lt;/b&gt; Choose &lt;b&gt;Game, Join a Game…&lt;/b&gt;, type your name and the address the host gave you (such as 192.168.1.20, or 192.168.1.20:%1 for another port) and press &lt;b&gt;Join&lt;/b&gt;. If the host cannot be reached the dialog says why and you can try again.</source>
        <extracomment>%1 is another port than the usual one, as an example.</extracomment>
        <translation>&lt;b&gt;Rejoindre une partie.&lt;/b&gt; Choisissez &lt;b&gt;Partie, Rejoindre une partie…&lt;/b&gt;, tapez votre nom et l’adresse que l’hôte vous a donnée (par exemple 192.168.1.20, ou 192.168.1.20:%1 pour un autre port) et appuyez sur &lt;b&gt;Rejoindre&lt;/b&gt;. Si l’hôte est injoignable, la fenêtre dit pourquoi et vous pouvez réessayer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tables on a server.&lt;/b&gt; Friends in different homes meet at a table server, a computer everyone can reach that holds many tables, each its own game. In &lt;b&gt;Game, Join a Game…&lt;/b&gt; type its address, then press &lt;b&gt;List Tables&lt;/b&gt; and &lt;b&gt;Join Table&lt;/b&gt;, or type a table&apos;s code and press &lt;b&gt;Join by Code&lt;/b&gt;, or &lt;b&gt;Create a Table&lt;/b&gt; and give its code to your friends (a new table is private unless you untick &lt;b&gt;Private&lt;/b&gt;). Whoever opens a table holds seat 1 and the host&apos;s powers there.</source>
        <translation>&lt;b&gt;Tables d’un serveur.&lt;/b&gt; Des amis qui habitent loin les uns des autres se retrouvent sur un serveur de tables, un ordinateur joignable par tous qui accueille de nombreuses tables, chacune avec sa propre partie. Dans &lt;b&gt;Partie, Rejoindre une partie…&lt;/b&gt;, tapez son adresse, puis appuyez sur &lt;b&gt;Voir les tables&lt;/b&gt; et &lt;b&gt;Rejoindre&lt;/b&gt;, ou tapez le code d’une table et appuyez sur &lt;b&gt;Par code&lt;/b&gt;, ou encore appuyez sur &lt;b&gt;Créer la table&lt;/b&gt; et donnez son code à vos amis (une nouvelle table est privée sauf si vous décochez &lt;b&gt;Privée&lt;/b&gt;). Qui ouvre une table y occupe la place 1 et y détient les droits de l’hôte.</translation>
    </message>
    <message>
        <source>&lt;b&gt;From the command line.&lt;/b&gt; Rimbalo can also be started with three words: your name, the host&apos;s address (with a table&apos;s code after a slash) and the role:</source>
        <translation>&lt;b&gt;En ligne de commande.&lt;/b&gt; Rimbalo peut aussi être lancé avec trois mots : votre nom, l’adresse de l’hôte (suivie d’une barre oblique et du code d’une table) et le rôle :</translation>
    </message>
    <message>
        <source>(Ann hosts the game)</source>
        <translation>(Ann héberge la partie)</translation>
    </message>
    <message>
        <source>(Bob joins Ann&apos;s game)</source>
        <translation>(Bob rejoint la partie d’Ann)</translation>
    </message>
    <message>
        <source>(Cem joins the table K7MXQ4 of a server)</source>
        <translation>(Cem rejoint la table K7MXQ4 d’un serveur)</translation>
    </message>
    <message>
        <source>The host always plays in seat 1 and is the one who starts games, pauses them and can remove a player. Players take seats 2 to 4 in the order they connect; later arrivals watch. A player who joins while a game runs takes over a free seat&apos;s tiles and score, or waits for the next round.</source>
        <translation>L’hôte joue toujours à la place 1 ; c’est lui qui lance les parties, les met en pause et peut retirer un joueur. Les joueurs prennent les places 2 à 4 dans l’ordre de leur connexion ; ceux qui arrivent ensuite regardent. Un joueur qui arrive pendant une partie reprend les tuiles et le score d’une place libre, ou attend la manche suivante.</translation>
    </message>
    <message>
        <source>The Vemko Lobby starts Rimbalo this way for you when you host or join a game there. When the host leaves, the game ends for everybody.</source>
        <translation>The Vemko Lobby lance Rimbalo de cette façon pour vous quand vous y hébergez ou rejoignez une partie. Quand l’hôte s’en va, la partie se termine pour tout le monde.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The deal.&lt;/b&gt; Every playing seat gets %1 tiles (the host may choose %2 to %3; the deal is lowered when the pool would keep fewer than 10 tiles). Turns pass from seat to seat.</source>
        <extracomment>%1 is the usual deal; %2 to %3 the deals the host may choose.</extracomment>
        <translation>&lt;b&gt;La donne.&lt;/b&gt; Chaque place en jeu reçoit %1 tuiles (l’hôte peut choisir de %2 à %3 ; la donne est réduite quand il resterait moins de 10 tuiles dans la pioche). Les tours passent d’une place à l’autre.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Sets.&lt;/b&gt; Sets lie along a row of the board, left to right, with an empty cell between neighbouring sets. Every set has at least three tiles and is either</source>
        <translation>&lt;b&gt;Combinaisons.&lt;/b&gt; Les combinaisons s’alignent sur une ligne de la table, de gauche à droite, avec une case vide entre deux combinaisons voisines. Chaque combinaison a au moins trois tuiles et est soit</translation>
    </message>
    <message>
        <source>a &lt;b&gt;run&lt;/b&gt;: consecutive numbers of one colour, such as green 4, 5, 6 (13 is the highest number; runs do not go round from 13 to 1), or</source>
        <translation>une &lt;b&gt;suite&lt;/b&gt; : des nombres consécutifs d’une même couleur, comme 4, 5, 6 verts (13 est le plus grand nombre ; une suite ne repasse pas de 13 à 1), soit</translation>
    </message>
    <message>
        <source>a &lt;b&gt;group&lt;/b&gt;: one number in different colours, such as red 9, black 9, orange 9.</source>
        <translation>un &lt;b&gt;groupe&lt;/b&gt; : un même nombre en couleurs différentes, comme 9 rouge, 9 noir, 9 orange.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tile values.&lt;/b&gt; A tile counts its number: 1 to 10, and J, Q and K count 11, 12 and 13.</source>
        <translation>&lt;b&gt;Valeur des tuiles.&lt;/b&gt; Une tuile vaut son nombre : de 1 à 10, et J, Q et K valent 11, 12 et 13.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Jokers&lt;/b&gt; stand in for any tile. A run with jokers must still fit between 1 and 13, so no joker can stand before a 1 or after a 13; both jokers may stand side by side, as in joker, joker, green 5, green 6 (a 3-4-5-6). With both jokers a group can hold six tiles.</source>
        <translation>Les &lt;b&gt;jokers&lt;/b&gt; remplacent n’importe quelle tuile. Une suite avec jokers doit quand même tenir entre 1 et 13 : aucun joker ne peut se placer avant un 1 ni après un 13 ; les deux jokers peuvent se suivre, comme dans joker, joker, 5 vert, 6 vert (un 3-4-5-6). Avec les deux jokers, un groupe peut compter six tuiles.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your first lay-down&lt;/b&gt; in a round must be worth at least &lt;b&gt;%1 points&lt;/b&gt;: the tiles you lay from your rack in that turn count their numbers, a joker counts %2. Moving tiles that are already on the board counts nothing. After that, any valid board will do.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Votre première pose&lt;/b&gt; dans une manche doit valoir au moins &lt;b&gt;%1 points&lt;/b&gt; : les tuiles que vous posez de votre chevalet pendant ce tour comptent leur nombre, un joker compte %2. Déplacer des tuiles déjà sur la table ne compte pas. Ensuite, toute table valide convient.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your turn.&lt;/b&gt; Click a tile in your rack to pick it up and click an empty board cell to put it down; click a board tile to pick it up and move it. Hold Shift when picking a rack tile to lay the next two numbers of its run with it, or Ctrl for two more tiles of its group. Right-click a tile you laid this turn to take it back. &lt;b&gt;Clear&lt;/b&gt; takes back the whole turn, &lt;b&gt;Draw&lt;/b&gt; takes one tile and ends the turn, &lt;b&gt;Finish&lt;/b&gt; ends the turn with the tiles laid; it shows once you have laid or moved a tile. A tile you have just drawn, and each tile dealt to you as a penalty, carries a blue corner until you next touch your rack. The small light next to the buttons blinks while the board is not yet complete.</source>
        <translation>&lt;b&gt;Votre tour.&lt;/b&gt; Cliquez sur une tuile de votre chevalet pour la prendre et sur une case vide de la table pour la poser ; cliquez sur une tuile de la table pour la prendre et la déplacer. Maintenez Maj en prenant une tuile du chevalet pour poser avec elle les deux nombres suivants de sa suite, ou Ctrl pour deux autres tuiles de son groupe. Un clic droit sur une tuile posée pendant ce tour la reprend. &lt;b&gt;Annuler&lt;/b&gt; reprend tout le tour, &lt;b&gt;Piocher&lt;/b&gt; prend une tuile et finit le tour, &lt;b&gt;Terminer&lt;/b&gt; finit le tour avec les tuiles posées ; ce bouton apparaît dès que vous avez posé ou déplacé une tuile. Une tuile que vous venez de piocher, et chaque tuile reçue en pénalité, porte un coin bleu jusqu’à ce que vous touchiez de nouveau votre chevalet. Le petit voyant à côté des boutons clignote tant que la table n’est pas complète.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Hint.&lt;/b&gt; During your turn &lt;b&gt;Hint&lt;/b&gt; outlines the rack tiles of the most valuable lay-down the board allows, its sets rearranged as needed (before your first lay-down only one worth %1); press it again (it then reads &lt;b&gt;Place&lt;/b&gt;) to lay them, then Finish. The host can switch hints off (Options, Allow Hints). Hints come from the same search the %2 computer players use.</source>
        <extracomment>%1 is the least value of a first lay-down; %2 the computer level whose search gives the hints.</extracomment>
        <translation>&lt;b&gt;Indice.&lt;/b&gt; Pendant votre tour, &lt;b&gt;Indice&lt;/b&gt; entoure les tuiles du chevalet de la pose de plus grande valeur que permet la table, ses combinaisons réarrangées au besoin (avant votre première pose, seulement une pose d’au moins %1) ; appuyez de nouveau (le bouton indique alors &lt;b&gt;Poser&lt;/b&gt;) pour les poser, puis sur Terminer. L’hôte peut désactiver les indices (Options, Autoriser les indices). Les indices viennent de la même recherche que celle des joueurs de l’ordinateur de niveau %2.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The clock.&lt;/b&gt; Every turn runs against a clock (%1 seconds unless the host chooses %2 to %3). When the time is up the turn is taken back and you draw %4 tiles, or one when the host switched the time penalty off.</source>
        <extracomment>%1 is the usual time of a turn in seconds; %2 to %3 the times the host may choose; %4 the tiles drawn as the time penalty.</extracomment>
        <translation>&lt;b&gt;L’horloge.&lt;/b&gt; Chaque tour se joue contre la montre (%1 secondes, sauf si l’hôte choisit de %2 à %3). Quand le temps est écoulé, le tour est annulé et vous piochez %4 tuiles, ou une seule si l’hôte a désactivé la pénalité de temps.</translation>
    </message>
    <message>
        <source>&lt;b&gt;An incomplete board.&lt;/b&gt; If you finish while the board holds an incomplete or wrong set, you are offered a &lt;b&gt;%1-tile penalty&lt;/b&gt;: take it and your turn is taken back and ends, or go back and mend the board. With less than 10 seconds left the turn is taken back at once.</source>
        <extracomment>%1 is the number of penalty tiles.</extracomment>
        <translation>&lt;b&gt;Une table incomplète.&lt;/b&gt; Si vous terminez alors que la table contient une combinaison incomplète ou fausse, on vous propose une &lt;b&gt;pénalité de %1 tuiles&lt;/b&gt; : acceptez-la et votre tour est annulé et prend fin, ou revenez en arrière et réparez la table. S’il reste moins de 10 secondes, le tour est annulé aussitôt.</translation>
    </message>
    <message>
        <source>The &lt;b&gt;Sort by Numbers&lt;/b&gt; and &lt;b&gt;Sort by Suits&lt;/b&gt; buttons sort your rack; a right-click on any rack tile sorts it again.</source>
        <translation>Les boutons &lt;b&gt;Trier par nombres&lt;/b&gt; et &lt;b&gt;Trier par couleurs&lt;/b&gt; trient votre chevalet ; un clic droit sur n’importe quelle tuile du chevalet le trie de nouveau.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Drag and drop.&lt;/b&gt; You can also drag a tile from the rack to the board, from one cell to another, or back onto the rack to take it back. Hold Alt or Shift while dragging a board tile to move its whole set. During your turn a set that is not yet valid has a dashed amber outline (the red frames mark the cells of the last move); when the server refuses a Finish, the line under the board names the set at fault. A move that cannot be made says why under the board, and during your first lay-down the line under the board counts its value towards %1.</source>
        <extracomment>%1 is the least value of a first lay-down.</extracomment>
        <translation>&lt;b&gt;Glisser-déposer.&lt;/b&gt; Vous pouvez aussi faire glisser une tuile du chevalet vers la table, d’une case à une autre, ou la ramener sur le chevalet pour la reprendre. Maintenez Alt ou Maj en faisant glisser une tuile de la table pour déplacer toute sa combinaison. Pendant votre tour, une combinaison pas encore valide a un contour ambre en tirets (les cadres rouges marquent les cases du dernier coup) ; quand le serveur refuse un Terminer, la ligne sous la table nomme la combinaison fautive. Un coup impossible est expliqué sous la table, et pendant votre première pose la ligne sous la table indique où en est sa valeur par rapport aux %1 requis.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keyboard.&lt;/b&gt; Click the board first (Esc leaves the chat line). &lt;b&gt;Enter&lt;/b&gt; finishes the turn once you have laid tiles (with nothing laid it does nothing: press &lt;b&gt;D&lt;/b&gt; to draw), &lt;b&gt;D&lt;/b&gt; draws, &lt;b&gt;Esc&lt;/b&gt; puts the tile in your hand back or else clears the turn, &lt;b&gt;1&lt;/b&gt; and &lt;b&gt;2&lt;/b&gt; sort by numbers and by suits, &lt;b&gt;P&lt;/b&gt; pauses, &lt;b&gt;H&lt;/b&gt; asks for a hint and, pressed again, lays it. The &lt;b&gt;arrow keys&lt;/b&gt; move a yellow frame over the rack and the board; &lt;b&gt;Space&lt;/b&gt; picks up or puts down the tile under it (Shift+Space or Ctrl+Space picks a rack tile for its run or its group).</source>
        <translation>&lt;b&gt;Clavier.&lt;/b&gt; Cliquez d’abord sur la table (Échap quitte la ligne de chat). &lt;b&gt;Entrée&lt;/b&gt; termine le tour une fois des tuiles posées (sans rien de posé, elle ne fait rien : appuyez sur &lt;b&gt;D&lt;/b&gt; pour piocher), &lt;b&gt;D&lt;/b&gt; pioche, &lt;b&gt;Échap&lt;/b&gt; remet la tuile que vous tenez ou sinon annule le tour, &lt;b&gt;1&lt;/b&gt; et &lt;b&gt;2&lt;/b&gt; trient par nombres et par couleurs, &lt;b&gt;P&lt;/b&gt; met en pause, &lt;b&gt;H&lt;/b&gt; demande un indice et, pressée de nouveau, le pose. Les &lt;b&gt;flèches&lt;/b&gt; déplacent un cadre jaune sur le chevalet et la table ; &lt;b&gt;Espace&lt;/b&gt; prend ou pose la tuile sous ce cadre (Maj+Espace ou Ctrl+Espace prend une tuile du chevalet pour sa suite ou son groupe).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Laying tiles.&lt;/b&gt; Every turn you finish adds the value of the tiles you laid from your rack to your score: numbers count their face value, a joker counts %1.</source>
        <extracomment>%1 is a joker&apos;s value.</extracomment>
        <translation>&lt;b&gt;Poser des tuiles.&lt;/b&gt; Chaque tour que vous terminez ajoute à votre score la valeur des tuiles posées depuis votre chevalet : les nombres valent leur valeur faciale, un joker vaut %1.</translation>
    </message>
    <message>
        <source>&lt;b&gt;End of the round.&lt;/b&gt; When a player empties the rack the round is over. Every other player loses the value of the tiles left in the rack, and the winner of the round gains all of it. If the pool runs dry and nobody can go out, every player loses the value of the rack and nobody gains. The &lt;i&gt;Round&lt;/i&gt; column shows each seat&apos;s result of the last round.</source>
        <translation>&lt;b&gt;Fin de la manche.&lt;/b&gt; Quand un joueur vide son chevalet, la manche est finie. Chaque autre joueur perd la valeur des tuiles restées sur son chevalet, et le gagnant de la manche empoche le tout. Si la pioche est vide et que personne ne peut finir, chaque joueur perd la valeur de son chevalet et personne ne gagne rien. La colonne &lt;i&gt;Manche&lt;/i&gt; montre le résultat de chaque place à la dernière manche.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Winning.&lt;/b&gt; When a seat reaches the target score (%1 unless the host chooses otherwise) with the highest score, it wins the game. If two seats share the highest score another round is played. The next round starts 20 seconds after the last one ended.</source>
        <extracomment>%1 is the usual target score.</extracomment>
        <translation>&lt;b&gt;Gagner.&lt;/b&gt; Quand une place atteint le score visé (%1, sauf si l’hôte en choisit un autre) avec le meilleur score, elle gagne la partie. Si deux places partagent le meilleur score, une autre manche est jouée. La manche suivante commence 20 secondes après la fin de la précédente.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Team game.&lt;/b&gt; Seats 1 and 3 (the Green Team) play against seats 2 and 4 (the Brown Team); the computer plays any seat nobody holds. Partners share one score, and one partner&apos;s first lay-down counts for both. A team wins the round when both partners have emptied their racks, and gains the value of both opponents&apos; racks, which the other team loses.</source>
        <translation>&lt;b&gt;Partie en équipe.&lt;/b&gt; Les places 1 et 3 (l’équipe verte) jouent contre les places 2 et 4 (l’équipe marron) ; l’ordinateur joue toute place que personne n’occupe. Les partenaires partagent un score, et la première pose de l’un compte pour les deux. Une équipe gagne la manche quand les deux partenaires ont vidé leur chevalet, et empoche la valeur des chevalets des deux adversaires, que l’autre équipe perd.</translation>
    </message>
    <message>
        <source>Rimbalo version %1, by Vemko Software.</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Rimbalo version %1, par Vemko Software.</translation>
    </message>
    <message>
        <source>The tiles, the board and every picture in the game are drawn by the program itself.</source>
        <translation>Les tuiles, la table et toutes les images du jeu sont dessinées par le programme lui-même.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in &lt;i&gt;vemkolobby.ini&lt;/i&gt; and its tally in &lt;i&gt;rimbalotally.tld&lt;/i&gt; beside the program, or in your own data folder when the game is installed or its folder cannot be written; the records of the games you host go to that data folder.</source>
        <translation>Rimbalo garde ses réglages dans &lt;i&gt;vemkolobby.ini&lt;/i&gt; et son bilan dans &lt;i&gt;rimbalotally.tld&lt;/i&gt; à côté du programme, ou dans votre propre dossier de données quand le jeu est installé ou que son dossier n’est pas accessible en écriture ; les parties que vous hébergez sont enregistrées dans ce dossier de données.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Historique des versions</translation>
    </message>
    <message>
        <source>the game window, hosting and joining games, seats and onlookers; tables on a server and their codes; five computer levels and hints; game records and their replay; a high-contrast tile set, screen readers and a turn alert; the window in eight languages.</source>
        <translation>la fenêtre de jeu, héberger et rejoindre des parties, places et observateurs ; les tables d’un serveur et leurs codes ; cinq niveaux de l’ordinateur et les indices ; les parties enregistrées et leur relecture ; un jeu de tuiles à contraste élevé, les lecteurs d’écran et une alerte de tour ; la fenêtre en huit langues.</translation>
    </message>
    <message>
        <source>The Vemko Lobby is a separate program by the makers of Rimbalo where players meet, chat and open games. When you host or join a Rimbalo game there, the lobby starts Rimbalo with your name, the host&apos;s address and your role, and Rimbalo tells the lobby that the game is running for as long as it stays open.</source>
        <translation>The Vemko Lobby est un programme distinct des créateurs de Rimbalo, où les joueurs se retrouvent, discutent et ouvrent des parties. Quand vous y hébergez ou rejoignez une partie de Rimbalo, le salon lance Rimbalo avec votre nom, l’adresse de l’hôte et votre rôle, et Rimbalo indique au salon que la partie est en cours tant qu’il reste ouvert.</translation>
    </message>
    <message>
        <source>Rimbalo keeps its settings in its own section of the lobby&apos;s settings file, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, and never changes the lobby&apos;s own settings there.</source>
        <translation>Rimbalo garde ses réglages dans sa propre section du fichier de réglages du salon, &lt;i&gt;vemkolobby.ini&lt;/i&gt;, et n’y modifie jamais les réglages propres au salon.</translation>
    </message>
</context>
<context>
    <name>windows::HostDialog</name>
    <message>
        <source>Rimbalo - Host a Game</source>
        <translation>Rimbalo - Héberger une partie</translation>
    </message>
    <message>
        <source>Host a Game</source>
        <translation>Héberger une partie</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Héberger</translation>
    </message>
    <message>
        <source>Stop Hosting</source>
        <translation>Arrêter d’héberger</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Choose Host: this game ends and a new one opens for your friends to join.</source>
        <translation>Choisissez Héberger : cette partie se termine et une nouvelle s’ouvre pour vos amis.</translation>
    </message>
    <message>
        <source>You are hosting on port %1. Give your friends one of these addresses (those on the first lines work from other computers):</source>
        <translation>Vous hébergez sur le port %1. Donnez à vos amis l’une de ces adresses (celles du haut marchent depuis d’autres ordinateurs) :</translation>
    </message>
    <message>
        <source>You are hosting on port %1, but this computer has no network address others can reach: only this computer can join.</source>
        <translation>Vous hébergez sur le port %1, mais cet ordinateur n’a aucune adresse joignable par d’autres : seul cet ordinateur peut rejoindre.</translation>
    </message>
    <message>
        <source>Port %1 cannot be used: %2.</source>
        <translation>Le port %1 est inutilisable : %2.</translation>
    </message>
    <message>
        <source> Port %1 is free.</source>
        <translation> Le port %1 est libre.</translation>
    </message>
    <message>
        <source>Use Port %1</source>
        <translation>Utiliser le port %1</translation>
    </message>
    <message>
        <source> Choose another port.</source>
        <translation> Choisissez un autre port.</translation>
    </message>
</context>
<context>
    <name>windows::JoinDialog</name>
    <message>
        <source>Rimbalo - Join a Game</source>
        <translation>Rimbalo - Rejoindre une partie</translation>
    </message>
    <message>
        <source>Join a Game</source>
        <translation>Rejoindre une partie</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please enter the host&apos;s address.</source>
        <translation>Veuillez saisir l’adresse de l’hôte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host address.</source>
        <translation>« %1 » n’est pas une adresse d’hôte.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>to %1, %2 s a turn, %3 tiles</source>
        <translation>en %1, %2 s par tour, %3 tuiles</translation>
    </message>
    <message>
        <source>Tables on a server</source>
        <translation>Tables d’un serveur</translation>
    </message>
    <message>
        <source>List Tables</source>
        <translation>Voir les tables</translation>
    </message>
    <message>
        <source>of the server at the address above</source>
        <translation>du serveur à l’adresse ci-dessus</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Public</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Join Table</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Join by Code</source>
        <translation>Par code</translation>
    </message>
    <message>
        <source>new table&apos;s name</source>
        <translation>nom de la table</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privée</translation>
    </message>
    <message>
        <source>Create a Table</source>
        <translation>Créer la table</translation>
    </message>
    <message>
        <source>Asking %1 for its tables…</source>
        <translation>Demande des tables à %1…</translation>
    </message>
    <message>
        <source>%1 has no open tables: create one.</source>
        <translation>%1 n’a aucune table ouverte : créez-en une.</translation>
    </message>
    <message>
        <source>Open tables of %1.</source>
        <translation>Tables ouvertes de %1.</translation>
    </message>
    <message>
        <source>Choose a table in the list, or type its code.</source>
        <translation>Choisissez une table dans la liste ou tapez son code.</translation>
    </message>
    <message>
        <source>Please type the table&apos;s code.</source>
        <translation>Veuillez taper le code de la table.</translation>
    </message>
    <message>
        <source>Joining table %1…</source>
        <translation>Connexion à la table %1…</translation>
    </message>
    <message>
        <source>Creating a table…</source>
        <translation>Création d’une table…</translation>
    </message>
</context>
<context>
    <name>windows::TableCodeDialog</name>
    <message>
        <source>Rimbalo - Your Table</source>
        <translation>Rimbalo - Votre table</translation>
    </message>
    <message>
        <source>Your Table</source>
        <translation>Votre table</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed on %2. Friends can also type this code in Join a Game….</source>
        <translation>«&#xa0;%1&#xa0;» figure dans la liste de %2. Vos amis peuvent aussi taper ce code dans Rejoindre une partie….</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is private: only those you give this code to can join it, in Join a Game… at %2.</source>
        <translation>«&#xa0;%1&#xa0;» est privée&#xa0;: seuls ceux à qui vous donnez ce code peuvent la rejoindre, dans Rejoindre une partie… sur %2.</translation>
    </message>
</context>
<context>
    <name>windows::Tabout</name>
    <message>
        <source>Rimbalo - About</source>
        <translation>Rimbalo - À propos</translation>
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
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>windows::Tdownload</name>
    <message>
        <source>If you already have The Vemko Lobby and you wish to play with others then click the button below to close this game and open The Vemko Lobby.</source>
        <translation>Si vous avez déjà The Vemko Lobby et voulez jouer avec d’autres, cliquez sur le bouton ci-dessous pour fermer ce jeu et ouvrir The Vemko Lobby.</translation>
    </message>
    <message>
        <source>To play with others, host a game on this computer or join a friend&apos;s game: click the button below.</source>
        <translation>Pour jouer avec d’autres, hébergez une partie sur cet ordinateur ou rejoignez celle d’un ami : cliquez sur le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby</source>
        <translation>Télécharger The Vemko Lobby</translation>
    </message>
    <message>
        <source>No download address is set: add LobbyUrl= and the installer&apos;s address to the [rimbalo] section of vemkolobby.ini.</source>
        <translation>Aucune adresse de téléchargement : ajoutez LobbyUrl= et l’adresse de l’installateur à la section [rimbalo] de vemkolobby.ini.</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>EST FERMÉ</translation>
    </message>
    <message>
        <source>Download The Vemko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Téléchargez The Vemko Lobby pour jouer en ligne avec d’autres joueurs ! </translation>
    </message>
    <message>
        <source>Download And Install The Vemko Lobby Now</source>
        <translation>Télécharger et installer Vemko Lobby</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Pour continuer sans pouvoir jouer contre d’autres, cliquez sur le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jouer seul</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jouer avec d’autres</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Remarque : même hors ligne, vous devez configurer votre PARE-FEU pour que le jeu puisse accéder aux composants Internet.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Téléchargement interrompu</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Téléchargement : %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Le serveur a répondu %1 %2</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes arrived</source>
        <translation>Seuls %1 octets sur %2 sont arrivés</translation>
    </message>
    <message>
        <source>The server sent an empty file</source>
        <translation>Le serveur a envoyé un fichier vide</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 octets reçus</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Une erreur s’est produite.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Le téléchargement a été interrompu.</translation>
    </message>
    <message>
        <source>Please close the game and open the Vemko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Fermez le jeu et ouvrez Vemko Lobby avec l’icône de votre bureau ou le menu Démarrer de Windows.</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Héberger une partie…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Rejoindre une partie…</translation>
    </message>
</context>
<context>
    <name>windows::Tgamestart</name>
    <message>
        <source>Rimbalo - Game Start</source>
        <translation>Rimbalo - Début de partie</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options de partie</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Partie en :</translation>
    </message>
    <message>
        <source>Creation Time:</source>
        <translation>Temps par tour :</translation>
    </message>
    <message>
        <source>Tiles to Start With::</source>
        <translation>Tuiles au départ :</translation>
    </message>
    <message>
        <source>Computer Opponents:</source>
        <translation>Adversaires IA :</translation>
    </message>
    <message>
        <source>How many empty seats the computer plays (a team game fills all four); 0 when a friend holds seat 2 and nobody else is wanted</source>
        <translation>Combien de places libres l’ordinateur joue (une partie en équipe remplit les quatre) ; 0 quand un ami tient la place 2 et que personne d’autre n’est attendu</translation>
    </message>
    <message>
        <source>Time Penalty</source>
        <translation>Pénalité de temps</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partie en équipe</translation>
    </message>
    <message>
        <source>Computer Level:</source>
        <translation>Niveau de l’IA :</translation>
    </message>
    <message>
        <source>How well the computer seats play, from Beginner to Master</source>
        <translation>Force des places de l’ordinateur, de Débutant à Maître</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
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
        <translation>Rimbalo - Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Déroulement</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Décompte</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Le salon</translation>
    </message>
</context>
<context>
    <name>windows::Tphrases</name>
    <message>
        <source>Rimbalo - Phrase Buttons </source>
        <translation>Rimbalo - Boutons de phrases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Phrase %1 :</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Les boutons ne servent qu’une fois toutes les 2 secondes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>windows::Tspylist</name>
    <message>
        <source>Rimbalo - Spys</source>
        <translation>Rimbalo - Observateurs</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Observateurs</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
    </message>
</context>
<context>
    <name>windows::Ttallylist</name>
    <message>
        <source>Rimbalo - Tally List</source>
        <translation>Rimbalo - Bilan</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Remettre le bilan à zéro</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Parties jouées :</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Vos victoires :</translation>
    </message>
    <message>
        <source>Var3:</source>
        <translation>Var3 :</translation>
    </message>
    <message>
        <source>Var4:</source>
        <translation>Var4 :</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Joueurs de la partie en cours</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Joueurs suivis</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Number of Games:</source>
        <translation>Nombre de parties :</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Aucun gagnant :</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to open input file : %1</source>
        <translation>Lzrw1 (dé)compression : impossible d’ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>%1 is far too large for a tally.</source>
        <translation>%1 est bien trop grand pour un bilan.</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input file : %1</source>
        <translation>Lzrw1 : erreur de lecture du fichier : %1</translation>
    </message>
    <message>
        <source>%1 does not hold a tally.</source>
        <translation>%1 ne contient pas de bilan.</translation>
    </message>
    <message>
        <source>The file is kept as %1 and a new tally is started.</source>
        <translation>Le fichier est gardé sous le nom %1 et un nouveau bilan commence.</translation>
    </message>
    <message>
        <source>A new tally is started; it will not be saved over that file.</source>
        <translation>Un nouveau bilan commence ; il ne sera pas enregistré par-dessus ce fichier.</translation>
    </message>
    <message>
        <source>The tally could not be saved to %1: %2</source>
        <translation>Le bilan n’a pas pu être enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Le bilan de %1 va être supprimé. Voulez-vous le supprimer ?</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victoires de %1 :</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilan de %1</translation>
    </message>
    <message>
        <source>Select a player to tally</source>
        <translation>Choisissez un joueur</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Voulez-vous vraiment remettre le bilan à zéro ?</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
</context>
</TS>
