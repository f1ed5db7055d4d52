#pragma once
// The web links shown in the chat: which words count as links, the address a link opens, and the
// table of the last links, each kept under the number its chat item carries.

#include <QString>
#include <QUrl>

#include <array>
#include <optional>

namespace client {

class LinkTable {
public:
    static constexpr int kSize = 101;

    // A chat word is shown as a link when it contains "http://", "https://" or "www." (any letter
    // case) and names a web page: only http and https addresses are ever opened.
    static bool isLink(const QString& word);
    static std::optional<QUrl> address(const QString& word);

    // Stores a link word and returns its number: 0 for the session's first, then 1, 2 ... 100 and
    // round again from 1, so a number is reused after a hundred newer links.
    int store(const QString& word);
    // The stored word with trailing blanks removed; empty for a number never stored.
    QString entry(int number) const;

private:
    std::array<QString, kSize> links_;
    int counter_ = -1;
};

} // namespace client
