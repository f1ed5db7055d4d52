#include "settingsfile.h"

#include "colourtext.h"
#include "filelocations.h"

namespace client {

namespace {

const QString kSectionName = QString::fromLatin1(SettingsFile::kSection);
const QString kOldSectionName = QString::fromLatin1(SettingsFile::kOldSection);

QString key(const char* name) {
    return QString::fromLatin1(name);
}

std::optional<int> optionalInt(const IniFile& ini, const QString& section, const char* name) {
    const auto text = ini.value(section, key(name));
    if (!text) return std::nullopt;
    bool ok = false;
    const int n = text->toInt(&ok);
    if (!ok) return std::nullopt;
    return n;
}

} // namespace

void SettingsFile::read(const IniFile& ini, const QString& section, Preferences& p) {
    const int top = ini.intValue(section, key("Top"), 3);
    const int left = ini.intValue(section, key("Left"), 3);
    const int width = ini.intValue(section, key("Width"), 775);
    const int height = ini.intValue(section, key("Height"), 580);
    p.bounds = QRect(left, top, width, height);
    p.maximized = ini.value(section, key("Maximized"), QStringLiteral("false")) == QLatin1String("true");
    p.textsize = ini.intValue(section, key("Textsize"), 8);
    p.textcolor =
        colourFromText(ini.value(section, key("Textcolor"), QStringLiteral("clblack"))).value_or(Qt::black);
    for (int i = 0; i < 9; ++i) {
        const QString phrase = ini.value(section, QStringLiteral("Phrase%1").arg(i + 1), QString());
        if (!phrase.isEmpty()) p.phrases[static_cast<std::size_t>(i)] = phrase;
    }
    // Only the exact lower-case texts count, as the file has always been read.
    p.playsounds = ini.value(section, key("Playsounds"), QStringLiteral("true")) != QLatin1String("false");
    p.sortby = ini.value(section, key("Sortby"), QStringLiteral("1")) == QLatin1String("1") ? 1 : 2;
    if (const auto v = optionalInt(ini, section, "Playtoscore")) p.playtoscore = v;
    if (const auto v = optionalInt(ini, section, "Timeperturn")) p.timeperturn = v;
    if (const auto v = optionalInt(ini, section, "Tilestostart")) p.tilestostart = v;
    if (!ini.value(section, key("Playtoscore"))) p.playtoscore = 30;
    if (!ini.value(section, key("Timeperturn"))) p.timeperturn = 1;
    if (!ini.value(section, key("Tilestostart"))) p.tilestostart = 14;
    p.timepenalty = ini.value(section, key("Timepenalty"), QStringLiteral("t")) != QLatin1String("f");
    if (const auto v = optionalInt(ini, section, "ComputerOpponents")) p.opponents = v;
    // A level's name; anything else (an older file's, a damaged one) leaves the classic player.
    const std::string level = ini.value(section, key("ComputerLevel"), QString()).toLower().toStdString();
    const int known = protocol::computerLevelIndex(level);
    p.level = known >= 0 ? known : protocol::kClassicLevel;
    p.turnsound = ini.value(section, key("Turnsound"), QStringLiteral("0")) == QLatin1String("1") ? 1 : 0;
    const QString speed = ini.value(section, key("Botspeed"), QString());
    p.botspeed = protocol::kNormalComputer;
    for (int ms : {protocol::kSlowComputer, protocol::kFastComputer})
        if (speed == QString::number(ms)) p.botspeed = ms;
    p.tiles = ini.value(kSectionName, key("Tiles"), QString());
    p.chattersounds =
        ini.value(section, key("ChatterSounds"), QStringLiteral("true")) != QLatin1String("false");
    p.allowhints = ini.value(section, key("AllowHints"), QStringLiteral("true")) != QLatin1String("false");
}

void SettingsFile::write(IniFile& ini, const Preferences& p) {
    const QString& s = kSectionName;
    const auto num = [](int v) { return QString::number(v); };
    ini.setValue(s, key("Top"), num(p.bounds.top()));
    ini.setValue(s, key("Left"), num(p.bounds.left()));
    ini.setValue(s, key("Width"), num(p.bounds.width()));
    ini.setValue(s, key("Height"), num(p.bounds.height()));
    ini.setValue(s, key("Maximized"), p.maximized ? QStringLiteral("true") : QStringLiteral("false"));
    ini.setValue(s, key("Textsize"), num(p.textsize));
    ini.setValue(s, key("Textcolor"), colourToText(p.textcolor));
    ini.setValue(s, key("Playsounds"), p.playsounds ? QStringLiteral("true") : QStringLiteral("false"));
    ini.setValue(s, key("Sortby"), num(p.sortby == 2 ? 2 : 1));
    if (p.playtoscore) ini.setValue(s, key("Playtoscore"), num(*p.playtoscore));
    if (p.timeperturn) ini.setValue(s, key("Timeperturn"), num(*p.timeperturn));
    if (p.tilestostart) ini.setValue(s, key("Tilestostart"), num(*p.tilestostart));
    ini.setValue(s, key("Botspeed"), num(p.botspeed));
    ini.setValue(s, key("Turnsound"), num(p.turnsound));
    ini.setValue(s, key("Timepenalty"), p.timepenalty ? QStringLiteral("t") : QStringLiteral("f"));
    if (p.opponents) ini.setValue(s, key("ComputerOpponents"), num(*p.opponents));
    const std::string_view level = protocol::kComputerLevels[static_cast<std::size_t>(
        p.level >= 0 && p.level < static_cast<int>(protocol::kComputerLevels.size())
            ? p.level
            : protocol::kClassicLevel)];
    ini.setValue(s, key("ComputerLevel"),
                 QString::fromLatin1(level.data(), static_cast<qsizetype>(level.size())));
    ini.setValue(s, key("Tiles"), p.tiles);
    ini.setValue(s, key("ChatterSounds"), p.chattersounds ? QStringLiteral("true") : QStringLiteral("false"));
    ini.setValue(s, key("AllowHints"), p.allowhints ? QStringLiteral("true") : QStringLiteral("false"));
}

void SettingsFile::writePhrases(IniFile& ini, const std::array<QString, 9>& phrases) {
    for (int i = 0; i < 9; ++i)
        ini.setValue(kSectionName, QStringLiteral("Phrase%1").arg(i + 1),
                     phrases[static_cast<std::size_t>(i)]);
}

SettingsFile::Loaded SettingsFile::load(const Preferences& current) {
    Loaded result;
    result.prefs = current;
    IniFile ini;
    result.readFailed = !ini.load(FileLocations::readPath(key(kFileName)));
    result.fromOldSection = ini.hasKeys(kOldSectionName);
    read(ini, result.fromOldSection ? kOldSectionName : kSectionName, result.prefs);
    return result;
}

bool SettingsFile::takeOver(const Preferences& shown) {
    IniFile ini;
    if (!ini.load(FileLocations::readPath(key(kFileName)))) {
        error_ = QStringLiteral("the settings file could not be read");
        return false;
    }
    ini.eraseSection(kOldSectionName);
    write(ini, shown);
    writePhrases(ini, shown.phrases);
    return commit(ini);
}

bool SettingsFile::save(const Preferences& prefs) {
    IniFile ini;
    if (!ini.load(FileLocations::readPath(key(kFileName)))) {
        error_ = QStringLiteral("the settings file could not be read");
        return false;
    }
    write(ini, prefs);
    return commit(ini);
}

bool SettingsFile::savePhrases(const std::array<QString, 9>& phrases) {
    IniFile ini;
    if (!ini.load(FileLocations::readPath(key(kFileName)))) {
        error_ = QStringLiteral("the settings file could not be read");
        return false;
    }
    writePhrases(ini, phrases);
    return commit(ini);
}

NetworkSettings SettingsFile::loadNetwork() const {
    IniFile ini;
    ini.load(FileLocations::readPath(key(kFileName))); // unreadable: every default
    const QString& s = kSectionName;
    NetworkSettings n;
    n.playername = ini.value(s, key("PlayerName"), QString());
    const int port = ini.intValue(s, key("HostPort"), n.hostport);
    if (port > 0 && port <= 65535) n.hostport = static_cast<quint16>(port);
    for (int i = 1; i <= NetworkSettings::kRecentHosts; ++i) {
        const QString host = ini.value(s, QStringLiteral("RecentHost%1").arg(i), QString()).trimmed();
        if (!host.isEmpty()) n.recenthosts << host;
    }
    n.lobbyurl = ini.value(s, key("LobbyUrl"), QString()).trimmed();
    n.showlobby = ini.value(s, key("ShowLobby"), QStringLiteral("true")) != QLatin1String("false");
    return n;
}

bool SettingsFile::saveNetwork(const NetworkSettings& n) {
    IniFile ini;
    if (!ini.load(FileLocations::readPath(key(kFileName)))) {
        error_ = QStringLiteral("the settings file could not be read");
        return false;
    }
    const QString& s = kSectionName;
    // A key with nothing to say is not added (an existing one is emptied).
    const auto set = [&ini, &s](const QString& name, const QString& value) {
        if (!value.isEmpty() || ini.value(s, name)) ini.setValue(s, name, value);
    };
    set(key("PlayerName"), n.playername);
    if (n.hostport != NetworkSettings{}.hostport || ini.value(s, key("HostPort")))
        ini.setValue(s, key("HostPort"), QString::number(n.hostport));
    for (int i = 1; i <= NetworkSettings::kRecentHosts; ++i)
        set(QStringLiteral("RecentHost%1").arg(i), n.recenthosts.value(i - 1));
    ini.setValue(s, key("ShowLobby"), n.showlobby ? QStringLiteral("true") : QStringLiteral("false"));
    return commit(ini);
}

bool SettingsFile::commit(IniFile& ini) {
    error_.clear();
    return ini.save(FileLocations::writePath(key(kFileName)), &error_);
}

} // namespace client
