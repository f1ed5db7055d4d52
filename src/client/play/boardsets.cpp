#include "boardsets.h"

#include "spokennames.h"

#include "rules/boardcheck.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>

namespace client {

namespace {

// "A 7", "An 8", "A Queen": a tile by its number, for the status line.
QString numberWithArticle(int code) {
    const QString number = shownNumber(code);
    return (number == QLatin1String("8") ? QCoreApplication::translate("client::BoardSets", "An %1")
                                         : QCoreApplication::translate("client::BoardSets", "A %1"))
        .arg(number);
}

QString nextToRefusal(int code, int neighbour) {
    QString other = numberWithArticle(neighbour);
    other[0] = other[0].toLower();
    return QCoreApplication::translate("client::BoardSets", "%1 cannot go next to %2 here.")
        .arg(numberWithArticle(code), other);
}

// A tile's number for the order check: 1..13, the joker reading as 1.
int number(int code) {
    const int n = code % 13;
    return n == 0 ? 13 : n;
}

} // namespace

QString orderRefusal(const rules::Board& board, int code, int column, int row) {
    if (code == rules::kJoker) return {};
    const int left = board.at(column - 1, row);
    const int right = column + 1 <= rules::kLastColumn ? board.at(column + 1, row) : 0;
    if (left != 0 && left != rules::kJoker) {
        if (number(left) == 13 && number(code) != 13) return nextToRefusal(code, left);
        if (number(code) != 13 && number(code) < number(left)) return nextToRefusal(code, left);
    }
    if (right != 0 && right != rules::kJoker && number(right) != 13)
        if (number(code) == 13 || number(code) > number(right)) return nextToRefusal(code, right);
    return {};
}

std::vector<SetSpan> badSets(const rules::Board& board, int row) {
    std::vector<SetSpan> bad;
    int column = 0;
    while (column <= rules::kLastColumn) {
        if (board.at(column, row) == 0) {
            ++column;
            continue;
        }
        std::vector<int> codes;
        const int first = column;
        while (column <= rules::kLastColumn && board.at(column, row) != 0)
            codes.push_back(board.at(column++, row));
        if (!rules::isValidSet(codes)) bad.push_back({row, first, column - 1});
    }
    return bad;
}

SetSpan setAt(const rules::Board& board, int column, int row) {
    if (board.at(column, row) == 0) return {row, column, column - 1};
    int first = column;
    int last = column;
    while (first > 0 && board.at(first - 1, row) != 0)
        --first;
    while (last < rules::kLastColumn && board.at(last + 1, row) != 0)
        ++last;
    return {row, first, last};
}

} // namespace client
