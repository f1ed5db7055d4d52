#include "fields.h"

namespace protocol {

std::optional<int> parseInt(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

Command splitCommand(std::string_view entry) {
    const std::size_t plus = entry.find('+');
    if (plus == std::string_view::npos) return {};
    return {entry.substr(0, plus), entry.substr(plus + 1)};
}

std::string_view FieldReader::field() {
    const std::size_t plus = rest_.find('+');
    std::string_view result;
    if (plus == std::string_view::npos) {
        result = rest_;
        rest_ = {};
    } else {
        result = rest_.substr(0, plus);
        rest_.remove_prefix(plus + 1);
    }
    return result;
}

std::optional<bool> FieldReader::flagField() {
    const std::string_view f = field();
    if (f == "t") return true;
    if (f == "f") return false;
    return std::nullopt;
}

std::string_view FieldReader::rest() {
    std::string_view result = rest_;
    rest_ = {};
    return result;
}

CommandBuilder& CommandBuilder::add(int value) {
    text_ += '+';
    text_ += std::to_string(value);
    return *this;
}

CommandBuilder& CommandBuilder::add(std::string_view value) {
    text_ += '+';
    text_ += value;
    return *this;
}

CommandBuilder& CommandBuilder::append(std::string_view raw) {
    text_ += raw;
    return *this;
}

std::string CommandBuilder::finish(bool trailingPlus) {
    if (trailingPlus) text_ += '+';
    text_ += kEndMarker;
    return std::move(text_);
}

std::string CommandBuilder::finishTwice() {
    text_ += kEndMarker;
    text_ += kEndMarker;
    return std::move(text_);
}

} // namespace protocol
