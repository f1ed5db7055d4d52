#pragma once
// The stand-alone server's settings: one table of options, read from the configuration file and then
// from the command line (which wins). Adding an option is one row in the table (serveroptions.cpp), one
// field here and its use in main.cpp.

#include "game/computerplayer.h"
#include "game/game.h"
#include "server/tserver.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <vector>

namespace serverapp {

// Exit statuses: a bad option or configuration file (restarting does not help), and an address
// that is busy or cannot be had (it may come free).
constexpr int kBadConfiguration = 2;
constexpr int kAddressUnavailable = 69;

inline constexpr const char* kDefaultConfigFile = "/etc/rimbalo/rimbalo-server.conf";

struct Settings {
    quint16 port = protocol::kGamePort;
    QHostAddress address{QHostAddress::Any};
    bool hints = true;
    game::ComputerLevel level = game::ComputerLevel::Classic; // every computer seat's level
    QString records;                                          // the folder of game records; empty for none
    int keepRecords = 200;                                    // the newest records kept; 0 keeps all
    int computerDelay = game::Game::kDefaultBotDelay; // ms the computer waits before its turn, until the
                                                      // host's game says otherwise
    ServerLimits limits = defaultLimits();
    std::string operatorToken; // from --admin-token-file; empty for none
    QString registry;          // redis://HOST:PORT[/DB] of the table registry; empty: this server alone
    QString advertise;         // HOST[:PORT] the other servers send players to
    int registryTtl = 30;      // seconds a table stays registered without a heartbeat

    static ServerLimits defaultLimits() {
        ServerLimits limits;
        limits.maxTables = 1000;
        limits.maxPerAddress = 4;
        return limits;
    }
};

inline constexpr int kLongestComputerDelay = 60000;

struct OptionRow {
    const char* name;      // the long option, without "--"; also the key in the configuration file
    const char* valueName; // nullptr for a switch (in the file: yes/no, true/false, 1/0, on/off)
    const char* help;
    // Stores `value` (for a switch: "yes" or "no") into the settings; an error text when it cannot.
    QString (*apply)(Settings&, const QString& value);
};

const std::vector<OptionRow>& optionTable();

// What a start-up asks for: run, or print help or the version, or stop with an error.
struct Request {
    enum class Kind { Run, Help, Version, Error } kind = Kind::Run;
    QString text;           // the help, or the error
    QString configFile;     // the file read (empty when the default file does not exist)
    QStringList givenNames; // options given on the command line, in order
    QStringList givenValues;
    Settings settings;
};

// Reads the configuration file (`--config FILE`, else the default file when it exists) and then
// the command line over it.
Request readRequest(const QStringList& arguments, const QString& defaultConfigFile);

// The settings from the file again, the same command line laid over them: what SIGHUP applies.
// An error text when the file cannot be read or holds a bad line.
QString reread(const Request& started, Settings& settings);

} // namespace serverapp
