#include "inifile.h"

#include <QFile>
#include <QSaveFile>

namespace client {

namespace {

bool sameName(const QByteArray& a, const QString& b) {
    return QString::fromUtf8(a).compare(b, Qt::CaseInsensitive) == 0;
}

// A value must stay on its own line.
QString oneLine(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

void IniFile::setText(const QByteArray& whole) {
    // Editors on some desktops put a byte-order mark in front; it is not part of the first line.
    const QByteArray mark("\xEF\xBB\xBF");
    bom_ = whole.startsWith(mark) ? mark : QByteArray();
    const QByteArray text = whole.mid(bom_.size());
    sections_.clear();
    sections_.push_back(Section{});
    eol_ = text.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    endsWithEol_ = text.isEmpty() || text.endsWith('\n');
    QList<QByteArray> lines = text.isEmpty() ? QList<QByteArray>() : text.split('\n');
    if (text.endsWith('\n')) lines.removeLast();
    for (QByteArray raw : lines) {
        if (raw.endsWith('\r')) raw.chop(1);
        const QByteArray trimmed = raw.trimmed();
        if (trimmed.startsWith('[') && trimmed.contains(']')) {
            Section s;
            s.name = trimmed.mid(1, trimmed.indexOf(']') - 1).trimmed();
            s.header = raw;
            sections_.push_back(std::move(s));
            continue;
        }
        Line line;
        line.raw = raw;
        const qsizetype eq = raw.indexOf('=');
        if (eq > 0 && !trimmed.startsWith(';') && !trimmed.startsWith('#')) line.key = raw.left(eq).trimmed();
        sections_.back().lines.push_back(std::move(line));
    }
}

bool IniFile::load(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        setText({});
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setText({});
        return false;
    }
    setText(file.readAll());
    return true;
}

QByteArray IniFile::text() const {
    QByteArray out = bom_;
    bool first = true;
    auto emitLine = [&](const QByteArray& line) {
        if (!first) out += eol_;
        out += line;
        first = false;
    };
    for (const Section& s : sections_) {
        if (!s.header.isEmpty()) emitLine(s.header);
        for (const Line& line : s.lines)
            emitLine(line.dirty ? line.key + '=' + line.value.toUtf8() : line.raw);
    }
    if (!first && endsWithEol_) out += eol_;
    return out;
}

bool IniFile::save(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    const QByteArray bytes = text();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

IniFile::Section* IniFile::find(const QString& name) {
    for (std::size_t i = 1; i < sections_.size(); ++i)
        if (sameName(sections_[i].name, name)) return &sections_[i];
    return nullptr;
}

const IniFile::Section* IniFile::find(const QString& name) const {
    return const_cast<IniFile*>(this)->find(name);
}

const IniFile::Line* IniFile::findKey(const Section& s, const QString& key) {
    for (const Line& line : s.lines)
        if (!line.key.isEmpty() && sameName(line.key, key)) return &line;
    return nullptr;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
    const Section* s = find(section);
    if (!s) return std::nullopt;
    const Line* line = findKey(*s, key);
    if (!line) return std::nullopt;
    if (line->dirty) return line->value;
    const QByteArray raw = line->raw.mid(line->raw.indexOf('=') + 1).trimmed();
    return QString::fromUtf8(raw);
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    return value(section, key).value_or(fallback);
}

int IniFile::intValue(const QString& section, const QString& key, int fallback) const {
    const auto text = value(section, key);
    if (!text) return fallback;
    bool ok = false;
    const int n = text->toInt(&ok);
    return ok ? n : fallback;
}

bool IniFile::hasKeys(const QString& section) const {
    const Section* s = find(section);
    if (!s) return false;
    for (const Line& line : s->lines)
        if (!line.key.isEmpty()) return true;
    return false;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    if (sections_.empty()) sections_.push_back(Section{});
    Section* s = find(section);
    if (!s) {
        Section fresh;
        fresh.name = section.toUtf8();
        fresh.header = '[' + fresh.name + ']';
        // Keep a blank line between the previous section and the new one.
        Section& last = sections_.back();
        const bool hasContent = !last.header.isEmpty() || !last.lines.empty();
        if (hasContent && !(last.lines.empty() ? last.header : last.lines.back().raw).trimmed().isEmpty()) {
            Line blank;
            last.lines.push_back(blank);
        }
        sections_.push_back(std::move(fresh));
        s = &sections_.back();
    }
    for (Line& line : s->lines) {
        if (!line.key.isEmpty() && sameName(line.key, key)) {
            line.dirty = true;
            line.value = oneLine(value);
            return;
        }
    }
    Line line;
    line.key = key.toUtf8();
    line.dirty = true;
    line.value = oneLine(value);
    // New keys go after the section's last key, before any trailing blank lines.
    auto at = s->lines.end();
    while (at != s->lines.begin() && (at - 1)->key.isEmpty() && (at - 1)->raw.trimmed().isEmpty())
        --at;
    s->lines.insert(at, std::move(line));
}

void IniFile::eraseSection(const QString& section) {
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        if (sameName(sections_[i].name, section)) {
            sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
}

} // namespace client
