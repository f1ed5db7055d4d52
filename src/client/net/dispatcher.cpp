#include "dispatcher.h"

#include "protocol/fields.h"

namespace client {

void Dispatcher::add(std::string_view word, Handler handler) {
    rows_.push_back({std::string(word), std::move(handler)});
}

int Dispatcher::dispatch(std::string_view entry) const {
    const protocol::Command command = protocol::splitCommand(entry);
    if (command.word.empty()) return 0;
    int ran = 0;
    for (const Row& row : rows_) {
        if (row.word == command.word) {
            row.handler(command.args);
            ++ran;
        }
    }
    return ran;
}

std::vector<std::string> Dispatcher::words() const {
    std::vector<std::string> out;
    out.reserve(rows_.size());
    for (const Row& row : rows_)
        out.push_back(row.word);
    return out;
}

} // namespace client
