#include "helptext.h"

#include "tgamestart.h"

#include "protocol/facts.h"
#include "rules/tiles.h"

#include <QCoreApplication>

#include <initializer_list>

namespace windows::helptext {

namespace {

// The help's texts: one translation context, one text per paragraph or list item, so a translator
// works on a paragraph at a time and a changed paragraph leaves the others translated.
struct HelpText {
    Q_DECLARE_TR_FUNCTIONS(windows::HelpText)
};

QString para(const QString& text) {
    return QLatin1String("<p>") + text + QLatin1String("</p>");
}

QString list(std::initializer_list<QString> items) {
    QString html = QStringLiteral("<ul>");
    for (const QString& item : items)
        html += QLatin1String("<li>") + item + QLatin1String("</li>");
    return html + QLatin1String("</ul>");
}

} // namespace

QString overview() {
    return para(HelpText::tr(
                    "Rimbalo is a rummy game played with numbered tiles by up to four players. The set has "
                    "<b>%1 tiles</b>: the numbers 1 to 13 in four colours, each twice, and two jokers. Each "
                    "colour has its own symbol: <b>green clubs</b> (&#9827;), <b>orange diamonds</b> "
                    "(&#9830;), <b>red hearts</b> (&#9829;) and <b>black spades</b> (&#9824;). The tiles 11, "
                    "12 and 13 show <b>J</b>, <b>Q</b> and <b>K</b> and count 11, 12 and 13.")
                    .arg(rules::kTileSetSize)) +
           para(HelpText::tr(
               "Everybody plays on one shared board. On your turn you lay tiles from your rack onto the "
               "board in <b>sets</b> and may rearrange the sets already there, as long as the whole board is "
               "made of valid sets when you finish. The first player to empty the rack wins the round and "
               "collects the value of every tile the others still hold. Rounds follow each other until a "
               "player reaches the target score.")) +
           para(HelpText::tr(
               "Seats nobody holds are played by the computer. When the host starts a game, <b>Computer "
               "Opponents</b> (1 to 3) says how many of the empty seats the computer plays (0 is offered too "
               "when a friend already holds seat 2); a team game fills all four seats. Anybody who joins "
               "after the four seats are taken watches the game as an onlooker.")) +
           //: %1 to %5 are the computer levels, weakest first, as the Computer Level menu names them.
           para(HelpText::tr("The computer plays at one of five levels, weakest first: <b>%1</b>, <b>%2</b> "
                             "(the default), <b>%3</b>, <b>%4</b> and <b>%5</b>. The host chooses it as the "
                             "Computer Level in the start dialog or in the Options menu. %1 never moves a "
                             "tile already on the board; %3 and %4 look for the most valuable lay-down, %4 "
                             "rearranging the board's sets freely; %5 also plays the next turns out before "
                             "it chooses. Options, Bot Speed sets how quickly it moves.")
                    .arg(levelTitle("beginner"), levelTitle("classic"), levelTitle("strong"),
                         levelTitle("expert"), levelTitle("master"))) +
           para(HelpText::tr(
               "<b>Your window.</b> Options, Tile Sets offers a <b>High contrast</b> set whose colours stay "
               "apart for colour-blind players. Options, Language chooses the window's language from the "
               "next start (System follows the desktop). Screen readers can read out the rack, the board and "
               "the seats. When your turn starts while you are in another window, the window asks for "
               "attention and, unless Options, Notify Me When It Is My Turn is off, the desktop shows a "
               "notice.")) +
           para(HelpText::tr("<b>Game records.</b> The games you host are kept: <b>Game, Game Records…</b> "
                             "lists them, replays any of them turn by turn and counts each player's games, "
                             "wins and points."));
}

namespace {

// An example command line with its note, as a list item that wraps in a narrow window.
QString commandLine(const char* command, const QString& note) {
    return QLatin1String("<code>") + QLatin1String(command) + QLatin1String("</code> ") + note;
}

} // namespace

QString connecting() {
    const int port = protocol::kGamePort;
    return para(HelpText::tr("<b>Solo game.</b> Start Rimbalo without anything else and it plays a game "
                             "against the computer on this machine. You sit in seat 1 as <i>You</i>; the "
                             "game starts when you press <b>Start</b>.")) +
           //: %1 is the game's usual TCP port.
           para(HelpText::tr("<b>Hosting a game.</b> Choose <b>Game, Host a Game…</b>, type your name and "
                             "press <b>Host</b>. The dialog then lists the addresses of this computer; "
                             "<b>Copy</b> one and send it to your friends. The game runs on TCP port %1 "
                             "unless you choose another, and the host's firewall must let that port in. When "
                             "the port is in use the dialog says so and offers a free one.")
                    .arg(port)) +
           //: %1 is another port than the usual one, as an example.
           para(HelpText::tr("<b>Joining a game.</b> Choose <b>Game, Join a Game…</b>, type your name and "
                             "the address the host gave you (such as 192.168.1.20, or 192.168.1.20:%1 for "
                             "another port) and press <b>Join</b>. If the host cannot be reached the dialog "
                             "says why and you can try again.")
                    .arg(port + 1)) +
           para(HelpText::tr(
               "<b>Tables on a server.</b> Friends in different homes meet at a table server, a computer "
               "everyone can reach that holds many tables, each its own game. In <b>Game, Join a Game…</b> "
               "type its address, then press <b>List Tables</b> and <b>Join Table</b>, or type a table's "
               "code and press <b>Join by Code</b>, or <b>Create a Table</b> and give its code to your "
               "friends (a new table is private unless you untick <b>Private</b>). Whoever opens a table "
               "holds seat 1 and the host's powers there.")) +
           para(HelpText::tr("<b>From the command line.</b> Rimbalo can also be started with three words: "
                             "your name, the host's address (with a table's code after a slash) and the "
                             "role:")) +
           list({commandLine("rimbalo Ann 192.168.1.20 true", HelpText::tr("(Ann hosts the game)")),
                 commandLine("rimbalo Bob 192.168.1.20 false", HelpText::tr("(Bob joins Ann's game)")),
                 commandLine("rimbalo Cem 203.0.113.5/K7MXQ4 false",
                             HelpText::tr("(Cem joins the table K7MXQ4 of a server)"))}) +
           para(HelpText::tr(
               "The host always plays in seat 1 and is the one who starts games, pauses them and can remove "
               "a player. Players take seats 2 to 4 in the order they connect; later arrivals watch. A "
               "player who joins while a game runs takes over a free seat's tiles and score, or waits for "
               "the next round.")) +
           para(HelpText::tr("The Vemko Lobby starts Rimbalo this way for you when you host or join a game "
                             "there. When the host leaves, the game ends for everybody."));
}

namespace {

QString gamePlaySets() {
    using protocol::kTilesRange;
    //: %1 is the usual deal; %2 to %3 the deals the host may choose.
    return para(HelpText::tr("<b>The deal.</b> Every playing seat gets %1 tiles (the host may choose %2 to "
                             "%3; the deal is lowered when the pool would keep fewer than 10 tiles). Turns "
                             "pass from seat to seat.")
                    .arg(kTilesRange.initial)
                    .arg(kTilesRange.low)
                    .arg(kTilesRange.high)) +
           para(HelpText::tr("<b>Sets.</b> Sets lie along a row of the board, left to right, with an empty "
                             "cell between neighbouring sets. Every set has at least three tiles and is "
                             "either")) +
           list({HelpText::tr("a <b>run</b>: consecutive numbers of one colour, such as green 4, 5, 6 (13 is "
                              "the highest number; runs do not go round from 13 to 1), or"),
                 HelpText::tr("a <b>group</b>: one number in different colours, such as red 9, black 9, "
                              "orange 9.")}) +
           para(HelpText::tr("<b>Tile values.</b> A tile counts its number: 1 to 10, and J, Q and K count "
                             "11, 12 and 13.")) +
           para(HelpText::tr("<b>Jokers</b> stand in for any tile. A run with jokers must still fit between "
                             "1 and 13, so no joker can stand before a 1 or after a 13; both jokers may "
                             "stand side by side, as in joker, joker, green 5, green 6 (a 3-4-5-6). With "
                             "both jokers a group can hold six tiles.")) +
           //: %1 is the least value of a first lay-down; %2 a joker's value.
           para(HelpText::tr("<b>Your first lay-down</b> in a round must be worth at least <b>%1 points</b>: "
                             "the tiles you lay from your rack in that turn count their numbers, a joker "
                             "counts %2. Moving tiles that are already on the board counts nothing. After "
                             "that, any valid board will do.")
                    .arg(rules::kFirstLayDown)
                    .arg(rules::kJokerValue));
}

QString gamePlayTurn() {
    using protocol::kSecondsRange;
    return para(HelpText::tr(
               "<b>Your turn.</b> Click a tile in your rack to pick it up and click an empty board cell to "
               "put it down; click a board tile to pick it up and move it. Hold Shift when picking a rack "
               "tile to lay the next two numbers of its run with it, or Ctrl for two more tiles of its "
               "group. Right-click a tile you laid this turn to take it back. <b>Clear</b> takes back the "
               "whole turn, <b>Draw</b> takes one tile and ends the turn, <b>Finish</b> ends the turn with "
               "the tiles laid; it shows once you have laid or moved a tile. A tile you have just drawn, and "
               "each tile dealt to you as a penalty, carries a blue corner until you next touch your rack. "
               "The small light next to the buttons blinks while the board is not yet complete.")) +
           //: %1 is the least value of a first lay-down; %2 the computer level whose search gives the hints.
           para(HelpText::tr("<b>Hint.</b> During your turn <b>Hint</b> outlines the rack tiles of the most "
                             "valuable lay-down the board allows, its sets rearranged as needed (before your "
                             "first lay-down only one worth %1); press it again (it then reads <b>Place</b>) "
                             "to lay them, then Finish. The host can switch hints off (Options, Allow "
                             "Hints). Hints come from the same search the %2 computer players use.")
                    .arg(rules::kFirstLayDown)
                    .arg(levelTitle("expert"))) +
           //: %1 is the usual time of a turn in seconds; %2 to %3 the times the host may choose; %4 the
           //: tiles drawn as the time penalty.
           para(HelpText::tr("<b>The clock.</b> Every turn runs against a clock (%1 seconds unless the host "
                             "chooses %2 to %3). When the time is up the turn is taken back and you draw %4 "
                             "tiles, or one when the host switched the time penalty off.")
                    .arg(kSecondsRange.initial)
                    .arg(kSecondsRange.low)
                    .arg(kSecondsRange.high)
                    .arg(rules::kPenaltyTiles)) +
           //: %1 is the number of penalty tiles.
           para(HelpText::tr("<b>An incomplete board.</b> If you finish while the board holds an incomplete "
                             "or wrong set, you are offered a <b>%1-tile penalty</b>: take it and your turn "
                             "is taken back and ends, or go back and mend the board. With less than 10 "
                             "seconds left the turn is taken back at once.")
                    .arg(rules::kPenaltyTiles));
}

QString gamePlayControls() {
    return para(HelpText::tr("The <b>Sort by Numbers</b> and <b>Sort by Suits</b> buttons sort your rack; a "
                             "right-click on any rack tile sorts it again.")) +
           //: %1 is the least value of a first lay-down.
           para(HelpText::tr(
                    "<b>Drag and drop.</b> You can also drag a tile from the rack to the board, from one "
                    "cell to another, or back onto the rack to take it back. Hold Alt or Shift while "
                    "dragging a board tile to move its whole set. During your turn a set that is not yet "
                    "valid has a dashed amber outline (the red frames mark the cells of the last move); when "
                    "the server refuses a Finish, the line under the board names the set at fault. A move "
                    "that cannot be made says why under the board, and during your first lay-down the line "
                    "under the board counts its value towards %1.")
                    .arg(rules::kFirstLayDown)) +
           para(HelpText::tr(
               "<b>Keyboard.</b> Click the board first (Esc leaves the chat line). <b>Enter</b> finishes the "
               "turn once you have laid tiles (with nothing laid it does nothing: press <b>D</b> to draw), "
               "<b>D</b> draws, <b>Esc</b> puts the tile in your hand back or else clears the turn, <b>1</b> "
               "and <b>2</b> sort by numbers and by suits, <b>P</b> pauses, <b>H</b> asks for a hint and, "
               "pressed again, lays it. The <b>arrow keys</b> move a yellow frame over the rack and the "
               "board; <b>Space</b> picks up or puts down the tile under it (Shift+Space or Ctrl+Space picks "
               "a rack tile for its run or its group)."));
}

} // namespace

QString gamePlay() {
    return gamePlaySets() + gamePlayTurn() + gamePlayControls();
}

QString scoring() {
    //: %1 is a joker's value.
    return para(HelpText::tr("<b>Laying tiles.</b> Every turn you finish adds the value of the tiles you "
                             "laid from your rack to your score: numbers count their face value, a joker "
                             "counts %1.")
                    .arg(rules::kJokerValue)) +
           para(HelpText::tr(
               "<b>End of the round.</b> When a player empties the rack the round is over. Every other "
               "player loses the value of the tiles left in the rack, and the winner of the round gains all "
               "of it. If the pool runs dry and nobody can go out, every player loses the value of the rack "
               "and nobody gains. The <i>Round</i> column shows each seat's result of the last round.")) +
           //: %1 is the usual target score.
           para(
               HelpText::tr("<b>Winning.</b> When a seat reaches the target score (%1 unless the host "
                            "chooses otherwise) with the highest score, it wins the game. If two seats share "
                            "the highest score another round is played. The next round starts 20 seconds "
                            "after the last one ended.")
                   .arg(protocol::kTargetRange.initial)) +
           para(HelpText::tr(
               "<b>Team game.</b> Seats 1 and 3 (the Green Team) play against seats 2 and 4 (the Brown "
               "Team); the computer plays any seat nobody holds. Partners share one score, and one partner's "
               "first lay-down counts for both. A team wins the round when both partners have emptied their "
               "racks, and gains the value of both opponents' racks, which the other team loses."));
}

QString documentation(const QString& version) {
    //: %1 is the program's version.
    return para(HelpText::tr("Rimbalo version %1, by Vemko Software.").arg(version)) +
           para(HelpText::tr("The tiles, the board and every picture in the game are drawn by the program "
                             "itself.")) +
           para(HelpText::tr("Rimbalo keeps its settings in <i>vemkolobby.ini</i> and its tally in "
                             "<i>rimbalotally.tld</i> beside the program, or in your own data folder when "
                             "the game is installed or its folder cannot be written; the records of the "
                             "games you host go to that data folder.")) +
           QLatin1String("<h3>") + HelpText::tr("Version history") + QLatin1String("</h3>") +
           list({QLatin1String("<b>1.0.11</b>: ") +
                 HelpText::tr("the game window, hosting and joining games, seats and onlookers; tables on a "
                              "server and their codes; five computer levels and hints; game records and "
                              "their replay; a high-contrast tile set, screen readers and a turn alert; the "
                              "window in eight languages.")});
}

QString lobby() {
    return para(HelpText::tr(
               "The Vemko Lobby is a separate program by the makers of Rimbalo where players "
               "meet, chat and open games. When you host or join a Rimbalo game there, the "
               "lobby starts Rimbalo with your name, the host's address and your role, and "
               "Rimbalo tells the lobby that the game is running for as long as it stays open.")) +
           para(HelpText::tr("Rimbalo keeps its settings in its own section of the lobby's settings file, "
                             "<i>vemkolobby.ini</i>, and never changes the lobby's own settings there."));
}

} // namespace windows::helptext
