#include "spokennames.h"

#include "boardsets.h"

#include "rules/boardcheck.h"

#include <QCoreApplication>

#include <vector>

namespace client {

namespace {

// What a screen reader says of tiles, cells and sets: one translation context.
struct SpokenNames {
    Q_DECLARE_TR_FUNCTIONS(client::SpokenNames)
};

QString suitWord(int suit) {
    switch (suit) {
    case 1:
        return SpokenNames::tr("Green");
    case 2:
        return SpokenNames::tr("Orange");
    case 3:
        return SpokenNames::tr("Red");
    default:
        return SpokenNames::tr("Black");
    }
}

QString valueWord(int number) {
    switch (number) {
    case 11:
        return SpokenNames::tr("Jack");
    case 12:
        return SpokenNames::tr("Queen");
    case 13:
        return SpokenNames::tr("King");
    default:
        return QString::number(number);
    }
}

std::vector<int> codesOf(const rules::Board& board, const SetSpan& span) {
    std::vector<int> codes;
    for (int c = span.first; c <= span.last; ++c)
        codes.push_back(board.at(c, span.row));
    return codes;
}

// "in a run of 3", "in a group of 4", "alone", "in an unfinished set of 2".
QString setWords(const rules::Board& board, const SetSpan& span) {
    const int size = span.last - span.first + 1;
    if (size <= 1) return SpokenNames::tr("alone");
    const std::vector<int> codes = codesOf(board, span);
    // Two tiles are neither yet; a joker-only set reads as a run.
    if (size >= 3 && rules::isRun(codes)) return SpokenNames::tr("in a run of %1").arg(size);
    if (size >= 3 && rules::isGroup(codes)) return SpokenNames::tr("in a group of %1").arg(size);
    return SpokenNames::tr("in an unfinished set of %1").arg(size);
}

// The queens are named whole: where colours agree with the noun, the queen's colour differs from the
// king's ("Dame noire", "Roi noir").
QString queenName(int suit) {
    switch (suit) {
    case 1:
        return SpokenNames::tr("Green Queen");
    case 2:
        return SpokenNames::tr("Orange Queen");
    case 3:
        return SpokenNames::tr("Red Queen");
    default:
        return SpokenNames::tr("Black Queen");
    }
}

} // namespace

QString spokenTile(int code) {
    if (code == rules::kJoker) return SpokenNames::tr("Joker");
    if (!rules::isTile(code)) return {};
    if (rules::tilenumber(code) == 12) return queenName(rules::getsuit(code));
    //: A tile: its colour, then its value ("Red 7", "Black King").
    return SpokenNames::tr("%1 %2").arg(suitWord(rules::getsuit(code)), valueWord(rules::tilenumber(code)));
}

QString shownTile(int code) {
    //: The joker as the game log and the status line name it.
    if (code == rules::kJoker) return SpokenNames::tr("WILD");
    return spokenTile(code);
}

QString shownNumber(int code) {
    if (code == rules::kJoker) return shownTile(code);
    return valueWord(rules::tilenumber(code));
}

QString spokenCell(const rules::Board& board, int column, int row) {
    const int code = board.at(column, row);
    const QString where = SpokenNames::tr("row %1, column %2").arg(row).arg(column);
    if (code == 0) return SpokenNames::tr("%1: empty").arg(where);
    return SpokenNames::tr("%1: %2, %3")
        .arg(where, spokenTile(code), setWords(board, setAt(board, column, row)));
}

QString spokenBoard(const rules::Board& board) {
    int tiles = 0, sets = 0, unfinished = 0;
    for (int row = 1; row <= rules::kLastRow; ++row) {
        for (int column = 1; column <= rules::kLastColumn; ++column) {
            if (board.at(column, row) == 0) continue;
            ++tiles;
            if (board.at(column - 1, row) == 0) ++sets; // the first tile of a set
        }
        unfinished += static_cast<int>(badSets(board, row).size());
    }
    if (tiles == 0) return SpokenNames::tr("The board is empty.");
    return SpokenNames::tr("%1 tiles in %2 sets on the board, %3 of them unfinished.")
        .arg(tiles)
        .arg(sets)
        .arg(unfinished);
}

} // namespace client
