#include "linktable.h"

namespace client {

namespace {

// The address a link word stands for, from its first "http://" or "https://", or a "www." word as a
// plain web address. Brackets and quotes around a word belong to the sentence, not the address.
QString addressText(const QString& word) {
    QString text = word.trimmed();
    while (!text.isEmpty() && QStringLiteral("([{<\"'").contains(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && QStringLiteral(")]}>\"',.;:!?").contains(text.back()))
        text.chop(1);
    const QString lower = text.toLower();
    for (const QString& scheme : {QStringLiteral("https://"), QStringLiteral("http://")}) {
        const qsizetype at = lower.indexOf(scheme);
        if (at >= 0) return text.mid(at);
    }
    const qsizetype www = lower.indexOf(QStringLiteral("www."));
    return www < 0 ? QString() : QStringLiteral("http://") + text.mid(www);
}

} // namespace

bool LinkTable::isLink(const QString& word) {
    return address(word).has_value();
}

std::optional<QUrl> LinkTable::address(const QString& word) {
    const QString lower = word.toLower();
    if (!lower.contains(QStringLiteral("http://")) && !lower.contains(QStringLiteral("https://")) &&
        !lower.contains(QStringLiteral("www.")))
        return std::nullopt;
    const QUrl url(addressText(word), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return std::nullopt;
    return url;
}

int LinkTable::store(const QString& word) {
    ++counter_;
    if (counter_ >= kSize) counter_ = 1;
    links_[static_cast<std::size_t>(counter_)] = word;
    return counter_;
}

QString LinkTable::entry(int number) const {
    if (number < 0 || number >= kSize) return {};
    QString word = links_[static_cast<std::size_t>(number)];
    while (word.endsWith(QLatin1Char(' ')))
        word.chop(1);
    return word;
}

} // namespace client
