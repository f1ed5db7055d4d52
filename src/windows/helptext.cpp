#include "helptext.h"

namespace windows::helptext {

QString overview() {
    return QStringLiteral(
        "<p>Rimbalo is a rummy game played with numbered tiles by up to four players. The set has "
        "<b>106 tiles</b>: the numbers 1 to 13 in four colours, each twice, and two jokers. Each colour "
        "has its own symbol: <b>green clubs</b> (&#9827;), <b>orange diamonds</b> (&#9830;), <b>red "
        "hearts</b> (&#9829;) and <b>black spades</b> (&#9824;). The tiles 11, 12 and 13 show <b>J</b>, "
        "<b>Q</b> and <b>K</b> and count 11, 12 and 13.</p>"
        "<p>Everybody plays on one shared board. On your turn you lay tiles from your rack onto the board in "
        "<b>sets</b> and may rearrange the sets already there, as long as the whole board is made of valid "
        "sets when you finish. The first player to empty the rack wins the round and collects the value of "
        "every tile the others still hold. Rounds follow each other until a player reaches the target "
        "score.</p>"
        "<p>Seats nobody holds are played by the computer. When the host starts a game, <b>Computer "
        "Opponents</b> (1 to 3) says how many of the empty seats the computer plays; a team game fills "
        "all four seats. "
        "Anybody who joins after the four seats are taken watches the game as an onlooker.</p>"
        "<p>The computer plays at the <b>Classic</b> level, or at the <b>Expert</b> level (Expert Computer "
        "Players in the start dialog, or Options, Computer Level), where it looks for the most valuable "
        "lay-down and rearranges the board's sets to make room. Options, Bot Speed sets how quickly it "
        "moves.</p>");
}

QString connecting() {
    return QStringLiteral(
        "<p><b>Solo game.</b> Start Rimbalo without anything else and it plays a game against the computer "
        "on "
        "this machine. You sit in seat 1 as <i>You</i>; the game starts when you press <b>Start</b>.</p>"
        "<p><b>Hosting a game.</b> Choose <b>Game, Host a Game…</b>, type your name and press <b>Host</b>. "
        "The dialog then lists the addresses of this computer; <b>Copy</b> one and send it to your friends. "
        "The game runs on TCP port 7772 unless you choose another, and the host's firewall must let that "
        "port in. When the port is in use the dialog says so and offers a free one.</p>"
        "<p><b>Joining a game.</b> Choose <b>Game, Join a Game…</b>, type your name and the address the "
        "host gave you (such as 192.168.1.20, or 192.168.1.20:7773 for another port) and press "
        "<b>Join</b>. If the host cannot be reached the dialog says why and you can try again.</p>"
        "<p><b>From the command line.</b> Rimbalo can also be started with three words: your name, the "
        "host's address and the role:</p>"
        "<pre>rimbalo Ann 192.168.1.20 true     (Ann hosts the game)\n"
        "rimbalo Bob 192.168.1.20 false    (Bob joins Ann's game)</pre>"
        "<p>The host always plays in seat 1 and is the one who starts games, pauses them and can remove a "
        "player. Players take seats 2 to 4 in the order they connect; later arrivals watch. A player who "
        "joins while a game runs takes over a free seat's tiles and score, or waits for the next round.</p>"
        "<p>The Vemko Lobby starts Rimbalo this way for you when you host or join a game there. When the "
        "host leaves, the game ends for everybody.</p>");
}

QString gamePlay() {
    return QStringLiteral(
        "<p><b>The deal.</b> Every playing seat gets 14 tiles (the host may choose 10 to 48; the deal is "
        "lowered "
        "when the pool would keep fewer than 10 tiles). Turns pass from seat to seat.</p>"
        "<p><b>Sets.</b> Sets lie along a row of the board, left to right, with an empty cell between "
        "neighbouring sets. Every set has at least three tiles and is either</p>"
        "<ul><li>a <b>run</b>: consecutive numbers of one colour, such as green 4, 5, 6 (13 is the highest "
        "number; runs do not go round from 13 to 1), or</li>"
        "<li>a <b>group</b>: one number in different colours, such as red 9, black 9, orange 9.</li></ul>"
        "<p><b>Tile values.</b> A tile counts its number: 1 to 10, and J, Q and K count 11, 12 and 13.</p>"
        "<p><b>Jokers</b> stand in for any tile. A run with jokers must still fit between 1 and 13, so no "
        "joker can stand before a 1 or after a 13; both jokers may stand side by side, as in joker, joker, "
        "green 5, green 6 (a 3-4-5-6). With both jokers a group can hold six tiles.</p>"
        "<p><b>Your first lay-down</b> in a round must be worth at least <b>30 points</b>: the tiles you lay "
        "from your rack in that turn count their numbers, a joker counts 30. Moving tiles that are already "
        "on "
        "the board counts nothing. After that, any valid board will do.</p>"
        "<p><b>Your turn.</b> Click a tile in your rack to pick it up and click an empty board cell to put "
        "it "
        "down; click a board tile to pick it up and move it. Hold Shift when picking a rack tile to lay the "
        "next two numbers of its run with it, or Ctrl for two more tiles of its group. Right-click a tile "
        "you "
        "laid this turn to take it back. <b>Clear</b> takes back the whole turn, <b>Draw</b> takes one tile "
        "and ends the turn, <b>Finish</b> ends the turn with the tiles laid; it shows once you have laid "
        "or moved a tile. A tile you have just drawn, and each tile dealt to you as a penalty, carries a "
        "blue corner until you next touch your rack. The small light next to the buttons blinks while the "
        "board is not yet complete.</p>"
        "<p><b>Hint.</b> During your turn <b>Hint</b> outlines the rack tiles of the most valuable lay-down "
        "the board allows, its sets rearranged as needed (before your first lay-down only one worth 30); "
        "press it again (it then reads <b>Place</b>) to lay them, then Finish. The host can switch hints off "
        "(Options, Allow Hints). Hints come from the same search the Expert computer players use.</p>"
        "<p><b>The clock.</b> Every turn runs against a clock (60 seconds unless the host chooses 20 to "
        "180). "
        "When the time is up the turn is taken back and you draw three tiles, or one when the host switched "
        "the time penalty off.</p>"
        "<p><b>An incomplete board.</b> If you finish while the board holds an incomplete or wrong set, you "
        "are offered a <b>3-tile penalty</b>: take it and your turn is taken back and ends, or go back and "
        "mend the board. With less than 10 seconds left the turn is taken back at once.</p>"
        "<p>The SORT BY buttons sort your rack by numbers or by colours; a right-click on any rack tile "
        "sorts it again.</p>"
        "<p><b>Drag and drop.</b> You can also drag a tile from the rack to the board, from one cell to "
        "another, or back onto the rack to take it back. Hold Alt or Shift while dragging a board tile to "
        "move its whole set. During your turn a set that is not yet valid has a dashed amber outline "
        "(the red frames mark the cells of the last move); when the server refuses a Finish, the line "
        "under the board names the set at fault. A move that cannot be made "
        "says why under the board, and during your first lay-down the line under the board counts its "
        "value towards 30.</p>"
        "<p><b>Keyboard.</b> Click the board first (Esc leaves the chat line). <b>Enter</b> finishes the "
        "turn once you have laid tiles (with nothing laid it does nothing: press <b>D</b> to draw), "
        "<b>D</b> draws, <b>Esc</b> puts the tile in your hand back or else clears the turn, "
        "<b>1</b> and <b>2</b> sort by numbers and by colours, <b>P</b> pauses, <b>H</b> asks for a hint "
        "and, "
        "pressed again, lays it. The <b>arrow keys</b> move "
        "a yellow frame over the rack and the board; <b>Space</b> picks up or puts down the tile under it "
        "(Shift+Space or Ctrl+Space picks a rack tile for its run or its group).</p>");
}

QString scoring() {
    return QStringLiteral(
        "<p><b>Laying tiles.</b> Every turn you finish adds the value of the tiles you laid from your rack "
        "to your score: numbers count their face value, a joker counts 30.</p>"
        "<p><b>End of the round.</b> When a player empties the rack the round is over. Every other player "
        "loses the value of the tiles left in the rack, and the winner of the round gains all of it. If the "
        "pool runs dry and nobody can go out, every player loses the value of the rack and nobody gains. The "
        "<i>Round</i> column shows each seat's result of the last round.</p>"
        "<p><b>Winning.</b> When a seat reaches the target score (500 unless the host chooses otherwise) "
        "with the highest score, it wins the game. If two seats share the highest score another round is "
        "played. The next round starts 20 seconds after the last one ended.</p>"
        "<p><b>Team game.</b> Seats 1 and 3 (the Green Team) play against seats 2 and 4 (the Brown Team); "
        "the "
        "computer plays any seat nobody holds. Partners share one score, and one partner's first lay-down "
        "counts for both. A team wins the round when both partners have emptied their racks, and gains the "
        "value of both opponents' racks, which the other team loses.</p>");
}

QString documentation(const QString& version) {
    return QStringLiteral(
               "<p>Rimbalo version %1, by Vemko Software.</p>"
               "<p>The tiles, the board and every picture in the game are drawn by the program itself.</p>"
               "<h3>Version history</h3>"
               "<ul><li><b>1.0.11</b>: the game window, hosting and joining games, seats and onlookers, "
               "settings kept in vemkolobby.ini beside the program.</li></ul>")
        .arg(version);
}

QString lobby() {
    return QStringLiteral(
        "<p>The Vemko Lobby is a separate program by the makers of Rimbalo where players meet, chat and "
        "open games. When you host or join a Rimbalo game there, the lobby starts Rimbalo with your name, "
        "the host's address and your role, and Rimbalo tells the lobby that the game is running for as long "
        "as it stays open.</p>"
        "<p>Rimbalo keeps its settings in its own section of the lobby's settings file, "
        "<i>vemkolobby.ini</i>, and never changes the lobby's own settings there.</p>");
}

} // namespace windows::helptext
