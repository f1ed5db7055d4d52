#pragma once
// A settings file of the INI kind that can be shared with other programs: only the keys and sections
// this program changes are rewritten; every other line (other programs' sections, comments, blank
// lines, line ends) is written back byte for byte. Section and key names match in any letter case.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace client {

class IniFile {
public:
    // Reads `path`; a missing or unreadable file is an empty one. Returns false when it exists but
    // could not be read.
    bool load(const QString& path);
    // Replaces `path` atomically: either the whole new text is there afterwards or the old file is.
    bool save(const QString& path, QString* error = nullptr) const;

    std::optional<QString> value(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback) const;
    // Decimal integer; `fallback` when the key is absent or not a number.
    int intValue(const QString& section, const QString& key, int fallback) const;
    bool hasKeys(const QString& section) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    void eraseSection(const QString& section);

    QByteArray text() const;
    void setText(const QByteArray& text);

private:
    struct Line {
        QByteArray raw; // as read, without its line end
        QByteArray key; // trimmed key of a "key=value" line, empty otherwise
        bool dirty = false;
        QString value; // new value of a changed line
    };
    struct Section {
        QByteArray name; // empty for the lines before the first section header
        QByteArray header;
        std::vector<Line> lines;
    };

    Section* find(const QString& name);
    const Section* find(const QString& name) const;
    static const Line* findKey(const Section& s, const QString& key);

    std::vector<Section> sections_;
    QByteArray bom_; // a UTF-8 byte-order mark the file began with, written back in front
    QByteArray eol_ = "\n";
    bool endsWithEol_ = true;
};

} // namespace client
