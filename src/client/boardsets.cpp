#include "boardsets.h"

#include "rules/boardcheck.h"

#include <algorithm>

namespace client {

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

void LaidThisTurn::takenBack(int code) {
    const auto it = std::find(codes_.begin(), codes_.end(), code);
    if (it != codes_.end()) codes_.erase(it);
}

int LaidThisTurn::value() const {
    int sum = 0;
    for (int code : codes_)
        sum += rules::tilevalue(code);
    return sum;
}

} // namespace client
