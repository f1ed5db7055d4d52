#include "serveroptions.h"

#include "registry/registryaddress.h"
#include "rimbaloversion.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

namespace serverapp {

namespace {

// A configuration file is a few lines; anything far larger is not one.
constexpr qint64 kMaxConfigBytes = 64 * 1024;

QString setPort(Settings& s, const QString& value) {
    bool ok = false;
    const uint port = value.toUInt(&ok);
    if (!ok || port > 65535)
        return QStringLiteral("bad port \"%1\": give a number from 0 to 65535").arg(value);
    s.port = static_cast<quint16>(port);
    return {};
}

QString setBind(Settings& s, const QString& value) {
    if (!s.address.setAddress(value))
        return QStringLiteral("bad address \"%1\": give an IP address such as 127.0.0.1 or ::1").arg(value);
    return {};
}

QString setNoHints(Settings& s, const QString& value) {
    s.hints = value != QLatin1String("yes");
    return {};
}

QString setLevel(Settings& s, const QString& value) {
    const auto level = game::computerLevelNamed(value.toStdString());
    if (!level)
        return QStringLiteral("bad level \"%1\": give beginner, classic, strong, expert or master")
            .arg(value);
    s.level = *level;
    return {};
}

QString setRecords(Settings& s, const QString& value) {
    if (value.isEmpty()) return QStringLiteral("--records needs a folder");
    s.records = value;
    return {};
}

QString setKeepRecords(Settings& s, const QString& value) {
    bool ok = false;
    const int keep = value.toInt(&ok);
    if (!ok || keep < 0)
        return QStringLiteral("bad --keep-records \"%1\": give a number from 0 up").arg(value);
    s.keepRecords = keep;
    return {};
}

QString setComputerDelay(Settings& s, const QString& value) {
    bool ok = false;
    const int ms = value.toInt(&ok);
    if (!ok || ms < 0 || ms > kLongestComputerDelay)
        return QStringLiteral("bad --computer-delay \"%1\": give milliseconds from 0 to %2")
            .arg(value)
            .arg(kLongestComputerDelay);
    s.computerDelay = ms;
    return {};
}

// A whole number from `low` to `high` for the option `name`, or an error text.
QString setNumber(const char* name, const QString& value, int low, int high, int& into) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < low || number > high)
        return QStringLiteral("bad --%1 \"%2\": give a number from %3 to %4")
            .arg(name, value)
            .arg(low)
            .arg(high);
    into = number;
    return {};
}

QString setMaxTables(Settings& s, const QString& value) {
    return setNumber("max-tables", value, 1, 100'000, s.limits.maxTables);
}

QString setMaxConnections(Settings& s, const QString& value) {
    return setNumber("max-connections", value, 1, 1'000'000, s.limits.maxConnections);
}

QString setMaxPerAddress(Settings& s, const QString& value) {
    return setNumber("max-per-address", value, 0, 1'000'000, s.limits.maxPerAddress);
}

QString setTablesPerMinute(Settings& s, const QString& value) {
    return setNumber("tables-per-minute", value, 1, 100'000, s.limits.tablesPerMinute);
}

QString setMovesPerTurn(Settings& s, const QString& value) {
    return setNumber("moves-per-turn", value, 0, 1'000'000, s.limits.movesPerTurn);
}

QString setReconnectGrace(Settings& s, const QString& value) {
    int seconds = 0;
    if (QString error = setNumber("reconnect-grace", value, 0, 86'400, seconds); !error.isEmpty())
        return error;
    s.limits.reconnectGraceMs = static_cast<qint64>(seconds) * 1000;
    return {};
}

// The operator's token: the first line of the file, which must not be empty.
QString setAdminTokenFile(Settings& s, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read the operator token file \"%1\": %2").arg(path, file.errorString());
    const QByteArray token = file.readLine(1024).trimmed();
    if (token.isEmpty()) return QStringLiteral("the operator token file \"%1\" holds no token").arg(path);
    s.operatorToken = token.toStdString();
    return {};
}

QString setRegistry(Settings& s, const QString& value) {
    QString error;
    if (!registry::parseRegistryUrl(value, &error)) return error;
    s.registry = value;
    return {};
}

QString setAdvertise(Settings& s, const QString& value) {
    QString error;
    if (!registry::parseHostPort(value, &error)) return QStringLiteral("bad --advertise: %1").arg(error);
    s.advertise = value;
    return {};
}

QString setRegistryTtl(Settings& s, const QString& value) {
    return setNumber("registry-ttl", value, 3, 3600, s.registryTtl);
}

// A switch's value in the file, as "yes" or "no"; empty when it is neither.
QString switchValue(const QString& text) {
    const QString word = text.toLower();
    if (word.isEmpty() || word == "yes" || word == "true" || word == "1" || word == "on")
        return QStringLiteral("yes");
    if (word == "no" || word == "false" || word == "0" || word == "off") return QStringLiteral("no");
    return {};
}

const OptionRow* findRow(const QString& name) {
    for (const OptionRow& row : optionTable())
        if (name == QLatin1String(row.name)) return &row;
    return nullptr;
}

QString applyOption(const OptionRow& row, const QString& value, Settings& settings) {
    if (row.valueName) return row.apply(settings, value);
    const QString yesNo = switchValue(value);
    if (yesNo.isEmpty()) return QStringLiteral("\"%1\" takes yes or no, not \"%2\"").arg(row.name, value);
    return row.apply(settings, yesNo);
}

// "name = value" lines (a switch may stand alone); '#' starts a comment line.
QString readFile(const QString& path, Settings& settings) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    if (file.size() > kMaxConfigBytes)
        return QStringLiteral("%1 is larger than %2 bytes: not a configuration file")
            .arg(path)
            .arg(kMaxConfigBytes);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString name = (equals < 0 ? line : line.left(equals)).trimmed();
        const QString value = equals < 0 ? QString() : line.mid(equals + 1).trimmed();
        const auto where = QStringLiteral("%1, line %2: ").arg(path).arg(i + 1);
        const OptionRow* row = findRow(name);
        if (!row) return where + QStringLiteral("unknown option \"%1\"").arg(name.left(40));
        if (row->valueName && equals < 0)
            return where + QStringLiteral("\"%1\" needs \"= %2\"").arg(name, row->valueName);
        if (const QString error = applyOption(*row, value, settings); !error.isEmpty()) return where + error;
    }
    return {};
}

// The file, then the command line's options over it.
QString settle(const Request& request, Settings& settings) {
    settings = Settings{};
    if (!request.configFile.isEmpty())
        if (QString error = readFile(request.configFile, settings); !error.isEmpty()) return error;
    for (int i = 0; i < request.givenNames.size(); ++i)
        if (QString error = applyOption(*findRow(request.givenNames[i]), request.givenValues[i], settings);
            !error.isEmpty())
            return error;
    // A record follows one game: a server of many tables would mix theirs in one file.
    if (!settings.records.isEmpty() && settings.limits.maxTables > 1)
        return QStringLiteral("--records keeps the record of a single game: give --tables 1 with it");
    if (!settings.registry.isEmpty() && settings.limits.maxTables <= 1)
        return QStringLiteral(
            "--registry shares the tables of a server of many tables: give --tables 2 or more");
    if (settings.registry.isEmpty() && !settings.advertise.isEmpty())
        return QStringLiteral("--advertise is the address given to the registry: give --registry with it");
    return {};
}

} // namespace

const std::vector<OptionRow>& optionTable() {
    static const std::vector<OptionRow> table = {
        {"port", "N", "TCP port to listen on (default 7772).", setPort},
        {"bind", "ADDRESS", "Listen on this IP address only (default: every address).", setBind},
        {"no-hints", nullptr, "Players may not ask for hints (allowed by default).", setNoHints},
        {"level", "LEVEL",
         "How well the computer seats play: beginner, classic (default), strong, expert or master.",
         setLevel},
        {"records", "DIR", "Keep a record of every game in the folder DIR.", setRecords},
        {"keep-records", "N", "How many of the newest records --records keeps (default 200; 0 keeps all).",
         setKeepRecords},
        {"computer-delay", "MS",
         "Milliseconds the computer waits before each of its turns (default 1000; 0 to 60000; the host's "
         "game "
         "may change it).",
         setComputerDelay},
        {"max-tables", "N",
         "Tables the server holds at most (default 1000); 1 serves one game, exactly as a hosting window "
         "does.",
         setMaxTables},
        {"tables", "N", "The same as --max-tables.", setMaxTables},
        {"max-connections", "N", "Connections in all at most (default 10000).", setMaxConnections},
        {"max-per-address", "N", "Connections from one address at most (default 4; 0: no limit).",
         setMaxPerAddress},
        {"tables-per-minute", "N", "Tables one address may open in a minute (default 10).",
         setTablesPerMinute},
        {"moves-per-turn", "N",
         "Tile moves a player may make in one turn (default 1000; 0: no limit); the rest are ignored.",
         setMovesPerTurn},
        {"reconnect-grace", "SECONDS", "Seconds a dropped player's seat is kept for them (default 120).",
         setReconnectGrace},
        {"admin-token-file", "FILE",
         "A file whose first line is the operator's token: a player who sends it holds the host's powers at "
         "their table.",
         setAdminTokenFile},
        {"registry", "URL",
         "Share tables with other servers through the Redis registry at redis://HOST:PORT[/DB]: codes "
         "are unique across them, the list shows all their tables, and a player asking for another "
         "server's table is sent there.",
         setRegistry},
        {"advertise", "HOST[:PORT]",
         "Where the other servers send players to reach this server's tables (default: this machine's "
         "name and the port listened on).",
         setAdvertise},
        {"registry-ttl", "SECONDS",
         "Seconds a table of a server that stopped answering stays registered (default 30).", setRegistryTtl},
    };
    return table;
}

Request readRequest(const QStringList& arguments, const QString& defaultConfigFile) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Rimbalo game server without a window.\nEvery option may also be set in the "
                       "configuration file as \"name = value\" (a switch as \"name = yes\"); the command "
                       "line wins. SIGHUP reads the file again."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption configOption(
        QStringLiteral("config"),
        QStringLiteral("Configuration file (default %1, when it exists).").arg(defaultConfigFile),
        QStringLiteral("FILE"));
    parser.addOption(configOption);
    for (const OptionRow& row : optionTable())
        parser.addOption(row.valueName
                             ? QCommandLineOption(QLatin1String(row.name), QLatin1String(row.help),
                                                  QLatin1String(row.valueName))
                             : QCommandLineOption(QLatin1String(row.name), QLatin1String(row.help)));
    Request request;
    request.kind = Request::Kind::Error;
    if (!parser.parse(arguments)) {
        request.text = parser.errorText();
        return request;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        request.kind = Request::Kind::Help;
        request.text = parser.helpText();
        return request;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        request.kind = Request::Kind::Version;
        request.text = QStringLiteral("rimbalo-server %1\n").arg(RIMBALO_VERSION);
        return request;
    }
    if (!parser.positionalArguments().isEmpty()) {
        request.text = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return request;
    }
    // The options in the order given, each as often as given (the last one wins).
    for (const QString& name : parser.optionNames()) {
        if (name == configOption.names().first() || !findRow(name)) continue;
        request.givenNames << name;
        request.givenValues << (findRow(name)->valueName ? QString() : QStringLiteral("yes"));
    }
    for (const OptionRow& row : optionTable()) {
        if (!row.valueName) continue;
        const QStringList values = parser.values(QLatin1String(row.name));
        int next = 0;
        for (int i = 0; i < request.givenNames.size(); ++i)
            if (request.givenNames[i] == QLatin1String(row.name))
                request.givenValues[i] = values.value(next++);
    }
    if (parser.isSet(configOption))
        request.configFile = parser.value(configOption);
    else if (QFileInfo::exists(defaultConfigFile))
        request.configFile = defaultConfigFile;
    request.text = settle(request, request.settings);
    if (request.text.isEmpty()) request.kind = Request::Kind::Run;
    return request;
}

QString reread(const Request& started, Settings& settings) {
    Settings fresh;
    if (QString error = settle(started, fresh); !error.isEmpty()) return error;
    settings = fresh;
    return {};
}

} // namespace serverapp
