#pragma once
// The Hint button's part: whether the game allows hints (the server says so in "CMD_hints"), the
// advice for the player's own turn (the rack tiles of the best lay-down, outlined in the rack), and
// laying it, every step through the same commands as the player's own moves.

#include "hintsource.h"

#include "protocol/messages.h"
#include "rules/tiles.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string_view>

namespace client {

struct ClientState;
class BoardView;
class RackView;
class Table;
class TurnControls;

class Hints : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const ClientState* state = nullptr;
        BoardView* board = nullptr;
        RackView* rack = nullptr;
        TurnControls* turn = nullptr;
        const Table* table = nullptr; // this turn's laid value and the first lay-down
    };
    Hints(QObject* parent, Parts parts);

    void setSource(HintSource source);
    // "CMD_hints": 1 allows hints in this game, anything else forbids them.
    void hints(const protocol::toclient::Hints& m);
    // A new connection: no hints until its server allows them.
    void reset();
    bool allowed() const { return allowed_ == Allowed::Yes; }

    // The button pressed during the own turn (no tile in hand): shows the advice, or lays the advice
    // shown when the board and the rack are still as they were.
    void press();
    // The advice shown no longer holds: its outlines go and the button asks for a new one.
    void forget();
    bool shown() const { return plan_.has_value(); }
    // Enables the button when a hint can be asked for now.
    void refresh();

private:
    void show(const rules::Board& board, const rules::Rack& rack);
    void lay();

    enum class Allowed { Unknown, Yes, No };
    Parts parts_;
    HintSource source_;
    Allowed allowed_ = Allowed::Unknown;
    std::optional<HintPlan> plan_;
    rules::Board planBoard_; // the board and rack the advice was found for
    rules::Rack planRack_;
};

} // namespace client
