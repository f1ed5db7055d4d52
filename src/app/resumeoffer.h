#pragma once
// The hosting window's offer to go on with a game its server was running when the program (or the
// machine) stopped: when the newest record in the records folder ends before its winner, a dialog
// shows the game (when, who, round and scores) and offers Resume, New Game or Later.
//   Resume: the running server goes on from the record's last turn's start, with the same seats, racks,
//           board, pool, scores and turn; the players get their seats back by logging in with their
//           names.
//   New Game: the stopped game is set aside and not offered again.
//   Later: nothing changes; the offer comes again the next time the window hosts.

#include "game/game.h"

#include <QString>

#include <optional>

class QMessageBox;
class QWidget;
class ServerThread;

namespace resumeoffer {

// The file in the records folder naming the stopped game the player chose not to resume.
inline constexpr const char* kDeclinedFile = "declined-resume.txt";

struct StoppedGame {
    QString file;
    QString description; // when it began, the round, the seats and their scores
    game::ResumedTable table;
};

// The newest record of `folder` when it is of a game that can go on and was not declined.
std::optional<StoppedGame> findStoppedGame(const QString& folder);
// Remembers that the stopped game of `file` is not to be offered again; false when it cannot be written.
bool decline(const QString& folder, const QString& file);

// Shows the offer over `window` (not modal) for the stopped game in the records folder of `server`, if
// there is one; returns the dialog, or null when there is nothing to offer.
QMessageBox* offer(QWidget* window, ServerThread& server);

} // namespace resumeoffer
