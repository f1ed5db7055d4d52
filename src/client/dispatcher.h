#pragma once
// Routes a received command to its handler: a table from command word to handler, tried in order.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace client {

class Dispatcher {
public:
    using Handler = std::function<void(std::string_view args)>;

    void add(std::string_view word, Handler handler);
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
