#pragma once
// Routes a received command to its handler: a table from command word to handler, tried in order.

#include "protocol/codec.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace client {

class Dispatcher {
public:
    using Handler = std::function<void(std::string_view args)>;

    void add(std::string_view word, Handler handler);
    // A row for the message type `M`: its arguments are decoded once, and `handler` gets the typed
    // message; a command that does not decode as `M` reaches no handler of this row.
    template <class M, class F> void on(F handler) {
        add(M::word, [handler = std::move(handler)](std::string_view args) {
            if (const std::optional<M> m = protocol::decode<M>(args)) handler(*m);
        });
    }
    // Splits `entry` at its first "+" and runs every row whose word matches exactly. Returns the number
    // of handlers run: 0 for an empty or unknown word.
    int dispatch(std::string_view entry) const;
    std::vector<std::string> words() const;

private:
    struct Row {
        std::string word;
        Handler handler;
    };
    std::vector<Row> rows_;
};

} // namespace client
