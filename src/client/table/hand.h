#pragma once

namespace client {

// The tile in the player's hand: nothing, a tile picked from the rack (its rack cell), or a tile
// lifted off the board (the cell it came from), with the completion chosen when a rack tile was
// picked up.
class Hand {
public:
    // What a dropped rack tile pulls from the rack after it: nothing, the next two of its run, or two
    // more of its number.
    enum class Completion { None, Run, Group };

    bool holding() const { return from_ != From::Nothing; }
    bool fromRack() const { return from_ == From::Rack; }
    bool fromBoard() const { return from_ == From::Board; }
    int code() const { return code_; }
    // The rack cell of a rack tile, 0 otherwise.
    int rackCell() const { return fromRack() ? cell_ : 0; }
    // The cell a board tile was lifted from, -1 otherwise.
    int column() const { return fromBoard() ? column_ : -1; }
    int row() const { return fromBoard() ? row_ : -1; }
    Completion completion() const { return completion_; }
    bool operator==(const Hand&) const = default;
    void setCompletion(Completion c) { completion_ = c; }

    void pickFromRack(int cell, int code) { hold(From::Rack, code, cell, -1, -1); }
    void liftFromBoard(int column, int row, int code) { hold(From::Board, code, 0, column, row); }
    // The hand is empty; the completion stays for the next rack tile (a drop that completed nothing).
    void empty() { hold(From::Nothing, 0, 0, -1, -1); }
    // The hand is empty and no completion is chosen.
    void reset() {
        empty();
        completion_ = Completion::None;
    }

private:
    enum class From { Nothing, Rack, Board };
    void hold(From from, int code, int cell, int column, int row) {
        from_ = from;
        code_ = code;
        cell_ = cell;
        column_ = column;
        row_ = row;
    }

    From from_ = From::Nothing;
    int code_ = 0;
    int cell_ = 0;
    int column_ = -1;
    int row_ = -1;
    Completion completion_ = Completion::None;
};

} // namespace client
