#pragma once
// The player's preferences and their section of the shared settings file "vemkolobby.ini".

#include "inifile.h"

#include "protocol/facts.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace client {

struct Preferences {
    QRect bounds{3, 3, 775, 580}; // left, top, width, height of the main window (when not maximised)
    bool maximized = false;       // the main window filled the screen
    int textsize = 8;
    QColor textcolor = Qt::black;
    std::array<QString, protocol::kPhrases> phrases{}; // read: empty = keep the button's phrase
    bool playsounds = true;
    int sortby = 1; // 1 numbers, 2 suits
    // The game start dialog's last values; nothing when the file holds no usable number.
    std::optional<int> playtoscore;
    std::optional<int> timeperturn;
    std::optional<int> tilestostart;
    bool timepenalty = true;
    std::optional<int> opponents;        // the computer opponents the host chose, 0..3
    int level = protocol::kClassicLevel; // the host's computer seats' level, in protocol::kComputerLevels
    int turnsound = 0;                   // 0 classic, 1 new
    int botspeed = protocol::kNormalComputer;
    QString tiles; // tile set in use, empty for the built-in pictures
    bool chattersounds = true;
    bool allowhints = true; // the host lets players ask for hints
    // The newest game records a hosting window keeps (0: all of them).
    static constexpr int kDefaultKeptRecords = 200;
    static constexpr int kMostKeptRecords = 100000;
    int keptrecords = kDefaultKeptRecords;
    bool turnnotify = true; // a desktop notification when the own turn starts in the background
};

// Playing with others: what the host and join dialogs remember, and the lobby dialog's settings. Kept
// apart from Preferences: these keys are read when a dialog opens, not when the server confirms a login.
struct NetworkSettings {
    static constexpr int kRecentHosts = 5;
    QString playername;                     // PlayerName: the name last used to host or join
    quint16 hostport = protocol::kGamePort; // HostPort: the port last hosted on
    QStringList recenthosts;                // RecentHost1..5: "HOST:PORT", newest first
    QString lobbyurl;      // LobbyUrl: the lobby installer's address; never written by the program
    bool showlobby = true; // ShowLobby: "false" when the lobby dialog is not to be shown
};

class SettingsFile {
public:
    static constexpr const char* kFileName = "vemkolobby.ini";
    static constexpr const char* kSection = "rimbalo";
    static constexpr const char* kOldSection = "agame";

    struct Loaded {
        Preferences prefs;
        bool fromOldSection = false; // read from the old section: takeOver() should follow
        bool readFailed = false;
    };

    // Reads the preferences. When the old section holds keys they are read from it instead.
    Loaded load(const Preferences& current);
    // Moves the old section into this program's: erases it and writes `shown` (every preference and
    // phrase, as the controls show them after reading) in one go.
    bool takeOver(const Preferences& shown);
    // Writes every preference but the phrases. Returns false (and the file is unchanged) on failure.
    bool save(const Preferences& prefs);
    // Writes Phrase1..Phrase9.
    bool savePhrases(const std::array<QString, protocol::kPhrases>& phrases);

    NetworkSettings loadNetwork() const;
    // Writes PlayerName, HostPort, RecentHost1..5 and ShowLobby; every other key stays as it is.
    bool saveNetwork(const NetworkSettings& settings);

    // Language: the window's language as a locale name ("de", "pt"), empty for the system's.
    QString loadLanguage() const;
    // Writes Language; every other key stays as it is.
    bool saveLanguage(const QString& language);
    QString lastError() const { return error_; }

    static void read(const IniFile& ini, const QString& section, Preferences& prefs);
    static void write(IniFile& ini, const Preferences& prefs);
    static void writePhrases(IniFile& ini, const std::array<QString, protocol::kPhrases>& phrases);

private:
    bool commit(IniFile& ini);
    QString error_;
};

} // namespace client
