#include "colourtext.h"

#include <array>

namespace client {

namespace {

struct NamedColour {
    const char* name;
    quint32 value; // 00BBGGRR
};

constexpr std::array<NamedColour, 16> kNames{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
}};

// A few colours of the desktop scheme that older settings may name.
constexpr std::array<NamedColour, 4> kSystemNames{{
    {"clWindowText", 0x000000},
    {"clWindow", 0xFFFFFF},
    {"clBtnFace", 0xF0F0F0},
    {"clNone", 0xFFFFFF},
}};

QColor fromBgr(quint32 v) {
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

quint32 toBgr(const QColor& c) {
    return static_cast<quint32>(c.red()) | (static_cast<quint32>(c.green()) << 8) |
           (static_cast<quint32>(c.blue()) << 16);
}

} // namespace

QString colourToText(const QColor& colour) {
    const quint32 v = toBgr(colour);
    for (const NamedColour& n : kNames)
        if (n.value == v) return QString::fromLatin1(n.name);
    return QStringLiteral("$%1").arg(v, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<QColor> colourFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (const NamedColour& n : kNames)
        if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) return fromBgr(n.value);
    for (const NamedColour& n : kSystemNames)
        if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) return fromBgr(n.value);
    bool ok = false;
    qlonglong v = 0;
    if (t.startsWith(QLatin1Char('$'))) {
        if (t.size() > 9) return std::nullopt;
        v = t.mid(1).toLongLong(&ok, 16);
    } else {
        v = t.toLongLong(&ok, 10);
    }
    if (!ok || v < 0 || v > 0xFFFFFFFFLL) return std::nullopt;
    return fromBgr(static_cast<quint32>(v) & 0xFFFFFF);
}

} // namespace client
