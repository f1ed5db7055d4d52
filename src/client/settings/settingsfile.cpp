#include "settingsfile.h"

#include "colourtext.h"
#include "filelocations.h"

namespace client {

namespace {

// Every key of the program's section, spelled once for reading and writing alike.
namespace keys {
constexpr const char* kTop = "Top";
constexpr const char* kLeft = "Left";
constexpr const char* kWidth = "Width";
constexpr const char* kHeight = "Height";
constexpr const char* kMaximized = "Maximized";
constexpr const char* kTextsize = "Textsize";
constexpr const char* kTextcolor = "Textcolor";
constexpr const char* kPlaysounds = "Playsounds";
constexpr const char* kSortby = "Sortby";
constexpr const char* kPlaytoscore = "Playtoscore";
constexpr const char* kTimeperturn = "Timeperturn";
constexpr const char* kTilestostart = "Tilestostart";
constexpr const char* kTimepenalty = "Timepenalty";
constexpr const char* kComputerLevel = "ComputerLevel";
constexpr const char* kTurnsound = "Turnsound";
constexpr const char* kBotspeed = "Botspeed";
constexpr const char* kTiles = "Tiles";
constexpr const char* kChatterSounds = "ChatterSounds";
constexpr const char* kAllowHints = "AllowHints";
constexpr const char* kKeptRecords = "KeptRecords";
constexpr const char* kTurnNotify = "TurnNotify";
constexpr const char* kComputerOpponents = "ComputerOpponents";
constexpr const char* kPlayerName = "PlayerName";
constexpr const char* kHostPort = "HostPort";
constexpr const char* kLobbyUrl = "LobbyUrl";
constexpr const char* kShowLobby = "ShowLobby";
constexpr const char* kLanguage = "Language";       // the window's language; empty: the system's
constexpr const char* kPhrase = "Phrase%1";         // Phrase1..Phrase9
constexpr const char* kRecentHost = "RecentHost%1"; // RecentHost1..RecentHost5
} // namespace keys

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

// Reads the file before a change is written into it; false, with the reason in `error`, when it cannot
// be read (the change would otherwise lose what the file holds).
bool loadForChange(IniFile& ini, QString& error) {
    if (ini.load(FileLocations::readPath(key(SettingsFile::kFileName)))) return true;
    error = QStringLiteral("the settings file could not be read");
    return false;
}

} // namespace

void SettingsFile::read(const IniFile& ini, const QString& section, Preferences& p) {
    const int top = ini.intValue(section, key(keys::kTop), 3);
    const int left = ini.intValue(section, key(keys::kLeft), 3);
    const int width = ini.intValue(section, key(keys::kWidth), 775);
    const int height = ini.intValue(section, key(keys::kHeight), 580);
    p.bounds = QRect(left, top, width, height);
    p.maximized = ini.value(section, key(keys::kMaximized), QStringLiteral("false")) == QLatin1String("true");
    p.textsize = ini.intValue(section, key(keys::kTextsize), 8);
    p.textcolor = colourFromText(ini.value(section, key(keys::kTextcolor), QStringLiteral("clblack")))
                      .value_or(Qt::black);
    for (int i = 0; i < protocol::kPhrases; ++i) {
        const QString phrase = ini.value(section, key(keys::kPhrase).arg(i + 1), QString());
        if (!phrase.isEmpty()) p.phrases[static_cast<std::size_t>(i)] = phrase;
    }
    // Only the exact lower-case texts count, as the file has always been read.
    p.playsounds =
        ini.value(section, key(keys::kPlaysounds), QStringLiteral("true")) != QLatin1String("false");
    p.sortby = ini.value(section, key(keys::kSortby), QStringLiteral("1")) == QLatin1String("1") ? 1 : 2;
    if (const auto v = optionalInt(ini, section, keys::kPlaytoscore)) p.playtoscore = v;
    if (const auto v = optionalInt(ini, section, keys::kTimeperturn)) p.timeperturn = v;
    if (const auto v = optionalInt(ini, section, keys::kTilestostart)) p.tilestostart = v;
    if (!ini.value(section, key(keys::kPlaytoscore))) p.playtoscore = 30;
    if (!ini.value(section, key(keys::kTimeperturn))) p.timeperturn = 1;
    if (!ini.value(section, key(keys::kTilestostart))) p.tilestostart = 14;
    p.timepenalty = ini.value(section, key(keys::kTimepenalty), QStringLiteral("t")) != QLatin1String("f");
    if (const auto v = optionalInt(ini, section, keys::kComputerOpponents)) p.opponents = v;
    // A level's name; anything else (an older file's, a damaged one) leaves the classic player.
    const std::string level =
        ini.value(section, key(keys::kComputerLevel), QString()).toLower().toStdString();
    const int known = protocol::computerLevelIndex(level);
    p.level = known >= 0 ? known : protocol::kClassicLevel;
    p.turnsound =
        ini.value(section, key(keys::kTurnsound), QStringLiteral("0")) == QLatin1String("1") ? 1 : 0;
    const QString speed = ini.value(section, key(keys::kBotspeed), QString());
    p.botspeed = protocol::kNormalComputer;
    for (int ms : {protocol::kSlowComputer, protocol::kFastComputer})
        if (speed == QString::number(ms)) p.botspeed = ms;
    p.tiles = ini.value(kSectionName, key(keys::kTiles), QString());
    p.chattersounds =
        ini.value(section, key(keys::kChatterSounds), QStringLiteral("true")) != QLatin1String("false");
    p.allowhints =
        ini.value(section, key(keys::kAllowHints), QStringLiteral("true")) != QLatin1String("false");
    const std::optional<int> kept = optionalInt(ini, section, keys::kKeptRecords);
    p.keptrecords = kept && *kept >= 0 && *kept <= Preferences::kMostKeptRecords
                        ? *kept
                        : Preferences::kDefaultKeptRecords;
    p.turnnotify =
        ini.value(section, key(keys::kTurnNotify), QStringLiteral("true")) != QLatin1String("false");
}

void SettingsFile::write(IniFile& ini, const Preferences& p) {
    const QString& s = kSectionName;
    const auto num = [](int v) { return QString::number(v); };
    ini.setValue(s, key(keys::kTop), num(p.bounds.top()));
    ini.setValue(s, key(keys::kLeft), num(p.bounds.left()));
    ini.setValue(s, key(keys::kWidth), num(p.bounds.width()));
    ini.setValue(s, key(keys::kHeight), num(p.bounds.height()));
    ini.setValue(s, key(keys::kMaximized), p.maximized ? QStringLiteral("true") : QStringLiteral("false"));
    ini.setValue(s, key(keys::kTextsize), num(p.textsize));
    ini.setValue(s, key(keys::kTextcolor), colourToText(p.textcolor));
    ini.setValue(s, key(keys::kPlaysounds), p.playsounds ? QStringLiteral("true") : QStringLiteral("false"));
    ini.setValue(s, key(keys::kSortby), num(p.sortby == 2 ? 2 : 1));
    if (p.playtoscore) ini.setValue(s, key(keys::kPlaytoscore), num(*p.playtoscore));
    if (p.timeperturn) ini.setValue(s, key(keys::kTimeperturn), num(*p.timeperturn));
    if (p.tilestostart) ini.setValue(s, key(keys::kTilestostart), num(*p.tilestostart));
    ini.setValue(s, key(keys::kBotspeed), num(p.botspeed));
    ini.setValue(s, key(keys::kTurnsound), num(p.turnsound));
    ini.setValue(s, key(keys::kTimepenalty), p.timepenalty ? QStringLiteral("t") : QStringLiteral("f"));
    if (p.opponents) ini.setValue(s, key(keys::kComputerOpponents), num(*p.opponents));
    const std::string_view level = protocol::kComputerLevels[static_cast<std::size_t>(
        p.level >= 0 && p.level < static_cast<int>(protocol::kComputerLevels.size())
            ? p.level
            : protocol::kClassicLevel)];
    ini.setValue(s, key(keys::kComputerLevel),
                 QString::fromLatin1(level.data(), static_cast<qsizetype>(level.size())));
    ini.setValue(s, key(keys::kTiles), p.tiles);
    ini.setValue(s, key(keys::kChatterSounds),
                 p.chattersounds ? QStringLiteral("true") : QStringLiteral("false"));
    ini.setValue(s, key(keys::kAllowHints), p.allowhints ? QStringLiteral("true") : QStringLiteral("false"));
    ini.setValue(s, key(keys::kKeptRecords), num(p.keptrecords));
    ini.setValue(s, key(keys::kTurnNotify), p.turnnotify ? QStringLiteral("true") : QStringLiteral("false"));
}

void SettingsFile::writePhrases(IniFile& ini, const std::array<QString, protocol::kPhrases>& phrases) {
    for (int i = 0; i < protocol::kPhrases; ++i)
        ini.setValue(kSectionName, key(keys::kPhrase).arg(i + 1), phrases[static_cast<std::size_t>(i)]);
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
    if (!loadForChange(ini, error_)) return false;
    ini.eraseSection(kOldSectionName);
    write(ini, shown);
    writePhrases(ini, shown.phrases);
    return commit(ini);
}

bool SettingsFile::save(const Preferences& prefs) {
    IniFile ini;
    if (!loadForChange(ini, error_)) return false;
    write(ini, prefs);
    return commit(ini);
}

bool SettingsFile::savePhrases(const std::array<QString, protocol::kPhrases>& phrases) {
    IniFile ini;
    if (!loadForChange(ini, error_)) return false;
    writePhrases(ini, phrases);
    return commit(ini);
}

NetworkSettings SettingsFile::loadNetwork() const {
    IniFile ini;
    ini.load(FileLocations::readPath(key(kFileName))); // unreadable: every default
    const QString& s = kSectionName;
    NetworkSettings n;
    n.playername = ini.value(s, key(keys::kPlayerName), QString());
    const int port = ini.intValue(s, key(keys::kHostPort), n.hostport);
    if (port > 0 && port <= 65535) n.hostport = static_cast<quint16>(port);
    for (int i = 1; i <= NetworkSettings::kRecentHosts; ++i) {
        const QString host = ini.value(s, key(keys::kRecentHost).arg(i), QString()).trimmed();
        if (!host.isEmpty()) n.recenthosts << host;
    }
    n.lobbyurl = ini.value(s, key(keys::kLobbyUrl), QString()).trimmed();
    n.showlobby = ini.value(s, key(keys::kShowLobby), QStringLiteral("true")) != QLatin1String("false");
    return n;
}

bool SettingsFile::saveNetwork(const NetworkSettings& n) {
    IniFile ini;
    if (!loadForChange(ini, error_)) return false;
    const QString& s = kSectionName;
    // A key with nothing to say is not added (an existing one is emptied).
    const auto set = [&ini, &s](const QString& name, const QString& value) {
        if (!value.isEmpty() || ini.value(s, name)) ini.setValue(s, name, value);
    };
    set(key(keys::kPlayerName), n.playername);
    if (n.hostport != NetworkSettings{}.hostport || ini.value(s, key(keys::kHostPort)))
        ini.setValue(s, key(keys::kHostPort), QString::number(n.hostport));
    for (int i = 1; i <= NetworkSettings::kRecentHosts; ++i)
        set(key(keys::kRecentHost).arg(i), n.recenthosts.value(i - 1));
    ini.setValue(s, key(keys::kShowLobby), n.showlobby ? QStringLiteral("true") : QStringLiteral("false"));
    return commit(ini);
}

QString SettingsFile::loadLanguage() const {
    IniFile ini;
    ini.load(FileLocations::readPath(key(kFileName)));
    return ini.value(kSectionName, key(keys::kLanguage), QString()).trimmed();
}

bool SettingsFile::saveLanguage(const QString& language) {
    IniFile ini;
    if (!loadForChange(ini, error_)) return false;
    ini.setValue(kSectionName, key(keys::kLanguage), language);
    return commit(ini);
}

bool SettingsFile::commit(IniFile& ini) {
    error_.clear();
    return ini.save(FileLocations::writePath(key(kFileName)), &error_);
}

} // namespace client
