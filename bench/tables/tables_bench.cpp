// Loopback benchmark of a table server: one rimbalo-server holding many tables of four scripted
// connections each (programs that know nothing of tables, seated by the server), every table playing.
// Reports the move echo (median, p99) while all tables play, the server's CPU per move, its memory per
// table idle and in play, and the time to list the tables; then the same echo on a one-table server;
// then two servers sharing one table registry (a redis-server of its own), N tables each: the echo,
// the registry's commands per table per minute, and the time a redirect takes to seat a program at a
// table of the other server.
//
//   tables_bench [--server PATH] [--tables N] [--seconds N] [--interval-ms N] [--shared-tables N]

#include "../common/benchargs.h"
#include "../common/loopbackclient.h"
#include "../common/procstats.h"
#include "eventloop/epolldispatcher.h"
#include "protocol/facts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using bench::percentile;
namespace in = bench::in;
namespace msg = bench::msg;
constexpr int kSetUpMs = 120'000; // the most the connections and logins may take

struct Options {
    QString server;
    int tables, seconds, intervalMs, sharedTables;
};

// One scripted connection: logs in where the server seats it; the host of a table then starts a game,
// stops its clock and, every interval, lays a tile and takes it back, timing the echo of the lay.
class Conn : public QObject {
public:
    explicit Conn(std::vector<double>& echoes) : echoes_(echoes) {
        connect(&socket, &QTcpSocket::readyRead, this, [this] { read(); });
        connect(&socket, &QTcpSocket::connected, this,
                [this] { socket.setSocketOption(QAbstractSocket::LowDelayOption, 1); });
    }
    void open(quint16 port) { socket.connectToHost(QHostAddress::LocalHost, port); }
    template <class M> void send(const M& m) {
        const std::string bytes = protocol::encode(m);
        socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    void play() {
        lay_.start();
        send(in::PlaceMyTile{1, 1, 5, 5});
    }

    QTcpSocket socket;
    std::string code;
    int slot = 0;
    bool loggedIn = false;
    bool started = false;
    bool paused = false;
    int moves = 0;
    int powers = 1;         // the slot holding the host's powers at this table
    Conn* holder = nullptr; // for the slot-1 connection: the one holding the powers
    std::string last;       // the word of the latest command received, for reporting a table that stalls
    std::function<void(const std::string&)> onEntry; // every entry, for the lister

private:
    void read() {
        const QByteArray bytes = socket.readAll();
        std::vector<std::string> entries;
        buffer_.append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), entries);
        for (const std::string& e : entries)
            handle(e);
    }
    void handle(const std::string& e) {
        if (onEntry) onEntry(e);
        const protocol::Command c = protocol::splitCommand(e);
        last = std::string(c.word);
        if (c.word == msg::TableCode::word) {
            code = std::string(c.args.substr(0, c.args.find('+')));
        } else if (c.word == msg::SendLoginInfo::word) {
            slot = std::atoi(std::string(c.args).c_str());
            send(in::LoginInfo{slot, std::string(protocol::kVersion), "B" + std::to_string(slot)});
        } else if (c.word == msg::Powers::word) {
            powers = std::atoi(std::string(c.args).c_str());
        } else if (c.word == msg::NewPlayerInfo::word && std::atoi(std::string(c.args).c_str()) == slot) {
            loggedIn = true;
        } else if (c.word == protocol::StartGame::word) {
            started = true;
        } else if (c.word == msg::GamePause::word) {
            paused = true;
        } else if (slot == 1 && c.word == msg::PlaceHisTile::word) {
            echoes_.push_back(static_cast<double>(lay_.nsecsElapsed()) / 1000.0);
            ++moves;
            send(in::ReplaceTile{1, 5, 5});
        }
    }

    protocol::FrameBuffer buffer_;
    QElapsedTimer lay_;
    std::vector<double>& echoes_;
};

bool runUntil(const std::function<bool()>& done, int ms) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    poll.start(5);
    loop.exec();
    return done();
}

double rss(qint64 pid) {
    return bench::rssMb(pid).value_or(0) * 1024.0; // KB
}

// Times "CMD_tablelist" -> "CMD_tables" on its own connection (milliseconds), `times` times.
std::vector<double> timeListing(Conn& lister, int times) {
    std::vector<double> ms;
    QEventLoop loop;
    QElapsedTimer t;
    std::size_t listed = 0;
    lister.onEntry = [&](const std::string& e) {
        if (e.rfind(msg::Tables::word, 0) != 0) return;
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        listed = e.size();
        loop.quit();
    };
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (int i = 0; i < times; ++i) {
        const std::size_t before = ms.size();
        t.start();
        lister.send(in::TableList{});
        limit.start(bench::kWaitMs);
        loop.exec();
        if (ms.size() == before) break;
    }
    lister.onEntry = nullptr;
    std::printf("  (a list of every table: %zu bytes)\n", listed);
    return ms;
}

// Opens four connections per table to each port (the servers seat them), in batches so that a server
// seats each batch before the next arrives; fills the hosts (slot 1 of each table). The powers go to
// the first connection whose login the server handles, which in a batch is not always slot 1's: each
// host learns which connection holds them. False on failure.
bool seatTables(const std::vector<quint16>& ports, int tablesEach, std::vector<double>& echoes,
                std::vector<std::unique_ptr<Conn>>& conns, std::vector<Conn*>& hosts,
                std::size_t& tableCount) {
    QElapsedTimer setUp;
    setUp.start();
    for (const quint16 port : ports) {
        for (int i = 0; i < 4 * tablesEach; i += 100) {
            for (int j = i; j < std::min(i + 100, 4 * tablesEach); ++j) {
                conns.push_back(std::make_unique<Conn>(echoes));
                conns.back()->open(port);
            }
            if (!runUntil(
                    [&] {
                        return std::all_of(conns.begin(), conns.end(), [](auto& c) { return c->loggedIn; });
                    },
                    kSetUpMs)) {
                std::fprintf(stderr, "only some connections logged in\n");
                return false;
            }
        }
    }
    std::map<std::string, std::vector<Conn*>> tables;
    for (auto& c : conns)
        tables[c->code].push_back(c.get());
    std::printf("%zu connections logged in at %zu tables in %.1f s\n", conns.size(), tables.size(),
                static_cast<double>(setUp.elapsed()) / 1000.0);
    for (auto& [code, at] : tables)
        for (Conn* c : at)
            if (c->slot == 1) {
                hosts.push_back(c);
                for (Conn* other : at)
                    if (other->slot == c->powers) c->holder = other;
            }
    tableCount = tables.size();
    return true;
}

// Every table's holder of the powers starts a game with its clock stopped.
bool startGames(const std::vector<Conn*>& hosts) {
    const auto ask = [](Conn* h) {
        Conn* by = h->holder ? h->holder : h;
        if (!h->started) by->send(protocol::StartGame{"Bench", 1500, 180, true, false, 14});
        by->send(in::Pause{by->slot, 1}); // the clock stands still: the host's turn never runs out
    };
    for (Conn* h : hosts)
        ask(h);
    // A start or pause the server has not taken (a start before every login is through, a pause before
    // the first turn) is asked again until it is.
    const auto allPaused = [&] {
        return std::all_of(hosts.begin(), hosts.end(), [](Conn* h) { return h->paused; });
    };
    QElapsedTimer waited;
    waited.start();
    while (!runUntil(allPaused, 2000) && waited.elapsed() < kSetUpMs)
        for (Conn* h : hosts)
            if (!h->paused) ask(h);
    const bool started = allPaused();
    const auto paused = std::count_if(hosts.begin(), hosts.end(), [](Conn* h) { return h->paused; });
    std::printf("%zu games started, %td of them paused, in %.1f s\n", hosts.size(), paused,
                static_cast<double>(waited.elapsed()) / 1000.0);
    for (Conn* h : hosts)
        if (!h->paused)
            std::printf("  not paused: table %s, powers at slot %d, start %s, last command %s\n",
                        h->code.c_str(), h->powers, h->started ? "seen" : "not seen", h->last.c_str());
    return started;
}

// Every table's host lays and takes back a tile once an interval, the tables spread over it; `during`
// runs while they play. Returns the moves made meanwhile; `echoes` holds only theirs.
int playWhile(const std::vector<Conn*>& hosts, int intervalMs, std::vector<double>& echoes,
              const std::function<void()>& during) {
    std::vector<std::unique_ptr<QTimer>> timers;
    for (std::size_t i = 0; i < hosts.size(); ++i) {
        auto timer = std::make_unique<QTimer>();
        Conn* h = hosts[i];
        QObject::connect(timer.get(), &QTimer::timeout, [h] { h->play(); });
        const int offset = static_cast<int>(i * static_cast<std::size_t>(intervalMs) / hosts.size());
        QTimer* t = timer.get();
        QTimer::singleShot(offset, t, [t, h, intervalMs] {
            h->play();
            t->start(intervalMs);
        });
        timers.push_back(std::move(timer));
    }
    runUntil([] { return false; }, 1000); // settle
    echoes.clear();
    int moves = 0;
    for (Conn* h : hosts)
        moves -= h->moves;
    during();
    for (Conn* h : hosts)
        moves += h->moves;
    for (auto& t : timers)
        t->stop();
    return moves;
}

void singleTableEcho(const QString& path) {
    QProcess server;
    const quint16 port = bench::startServer(server, path);
    bench::Client host;
    if (port == 0 || !host.open(port) || host.login(std::string(protocol::kVersion), "Solo") != 1) {
        std::printf("one-table server: could not start\n");
        return;
    }
    host.send(protocol::StartGame{"Solo", 1500, 180, true, false, 14});
    host.waitFor(msg::NextPlayer::word);
    host.send(in::Pause{1, 1});
    host.waitFor(msg::GamePause::word);
    const std::vector<double> echo = bench::measureEcho(host, 1, 5, 2000);
    std::printf("one-table server, one player: echo median %.1f us, p99 %.1f us over %zu\n",
                percentile(echo, 0.5), percentile(echo, 0.99), echo.size());
    server.terminate();
    server.waitForFinished(bench::kWaitMs);
}

// ---- Two servers, one registry ----

quint16 startRedis(QProcess& redis) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("redis-server"));
    QTcpServer probe;
    if (program.isEmpty() || !probe.listen(QHostAddress::LocalHost, 0)) return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    redis.start(program, {"--port", QString::number(port), "--bind", "127.0.0.1", "--save", "",
                          "--appendonly", "no", "--loglevel", "warning"});
    if (!redis.waitForStarted(bench::kWaitMs)) return 0;
    const bool up = runUntil(
        [port] {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            return s.waitForConnected(100);
        },
        bench::kWaitMs);
    return up ? port : 0;
}

// The commands the registry has handled since it started.
std::optional<long long> redisCommands(quint16 port) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(bench::kWaitMs)) return std::nullopt;
    s.write("INFO stats\r\n");
    QByteArray reply;
    while (!reply.contains("total_commands_processed:") || !reply.endsWith("\r\n")) {
        if (!s.waitForReadyRead(bench::kWaitMs)) return std::nullopt;
        reply += s.readAll();
    }
    const QByteArray tail = reply.mid(reply.indexOf("total_commands_processed:") + 25);
    return tail.left(tail.indexOf('\r')).toLongLong();
}

// The next entry of a blocking connection that starts with `word`; empty when none comes in time.
std::string awaitEntry(QTcpSocket& s, protocol::FrameBuffer& buffer, std::string_view word) {
    std::vector<std::string> entries;
    for (;;) {
        for (const std::string& e : entries)
            if (protocol::splitCommand(e).word == word) return e;
        entries.clear();
        if (!s.waitForReadyRead(bench::kWaitMs)) return {};
        const QByteArray bytes = s.readAll();
        buffer.append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), entries);
    }
}

// Milliseconds from asking server B for `code` to being seated at it on the server the redirect names.
std::optional<double> timeRedirect(quint16 portB, const std::string& code) {
    QTcpSocket b, a;
    protocol::FrameBuffer bufferB, bufferA;
    b.connectToHost(QHostAddress::LocalHost, portB);
    if (!b.waitForConnected(bench::kWaitMs) || awaitEntry(b, bufferB, msg::SendLoginInfo::word).empty())
        return std::nullopt;
    QElapsedTimer t;
    t.start();
    const std::string join = protocol::encode(in::TableJoin{code});
    b.write(join.data(), static_cast<qint64>(join.size()));
    const std::string entry = awaitEntry(b, bufferB, msg::Redirect::word);
    const auto redirect = protocol::decode<msg::Redirect>(protocol::splitCommand(entry).args);
    if (!redirect) return std::nullopt;
    a.connectToHost(QString::fromStdString(redirect->host), static_cast<quint16>(redirect->port));
    if (!a.waitForConnected(bench::kWaitMs) || awaitEntry(a, bufferA, msg::SendLoginInfo::word).empty())
        return std::nullopt;
    a.write(join.data(), static_cast<qint64>(join.size()));
    const std::string seated = awaitEntry(a, bufferA, msg::TableCode::word);
    if (seated.find(code) == std::string::npos) return std::nullopt;
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

void sharedRegistryRun(const Options& o) {
    QProcess redis;
    const quint16 redisPort = startRedis(redis);
    if (redisPort == 0) {
        std::printf("two servers, one registry: no redis-server to start, skipped\n");
        return;
    }
    const QString url = QStringLiteral("redis://127.0.0.1:%1").arg(redisPort);
    QProcess serverA, serverB;
    std::vector<quint16> ports;
    for (QProcess* p : {&serverA, &serverB})
        ports.push_back(
            bench::startServer(*p, o.server,
                               {"--max-tables", QString::number(o.sharedTables + 10), "--max-per-address",
                                "0", "--max-connections", QString::number(4 * o.sharedTables + 100),
                                "--registry", url, "--advertise", "127.0.0.1"}));
    if (ports[0] == 0 || ports[1] == 0) {
        std::printf("two servers, one registry: a server did not start\n");
        return;
    }
    std::vector<double> echoes;
    std::vector<std::unique_ptr<Conn>> conns;
    std::vector<Conn*> hosts;
    std::size_t tableCount = 0;
    if (!seatTables(ports, o.sharedTables, echoes, conns, hosts, tableCount)) return;
    if (!startGames(hosts)) { // measured on the tables whose game did start
        std::erase_if(hosts, [](Conn* h) { return !h->paused; });
        std::printf("  of those, %zu paused in time and play\n", hosts.size());
    }
    std::optional<long long> commands0, commands1;
    const int moves = playWhile(hosts, o.intervalMs, echoes, [&] {
        commands0 = redisCommands(redisPort);
        runUntil([] { return false; }, o.seconds * 1000);
        commands1 = redisCommands(redisPort);
    });
    std::vector<double> redirects;
    for (int i = 0; i < 20; ++i)
        if (const auto ms = timeRedirect(ports[1], conns.front()->code)) redirects.push_back(*ms);

    std::printf("two servers, one registry: %zu tables (%d each), a move per table every %d ms, over %d s\n",
                tableCount, o.sharedTables, o.intervalMs, o.seconds);
    std::printf("echo while all play: median %.1f us, p99 %.1f us over %d moves  [target p99 <= 2 ms: %s]\n",
                percentile(echoes, 0.5), percentile(echoes, 0.99), moves,
                percentile(echoes, 0.99) <= 2000 ? "ok" : "OVER");
    if (commands0 && commands1)
        std::printf("registry: %lld commands in %d s: %.2f per table per minute\n", *commands1 - *commands0,
                    o.seconds,
                    static_cast<double>(*commands1 - *commands0 - 1) * 60.0 / o.seconds /
                        static_cast<double>(tableCount));
    std::printf("redirect from B to a table on A, seated: median %.2f ms, max %.2f ms over %zu\n",
                percentile(redirects, 0.5), percentile(redirects, 1), redirects.size());
    conns.clear();
    for (QProcess* p : {&serverA, &serverB, &redis}) {
        p->terminate();
        p->waitForFinished(bench::kWaitMs);
    }
}

} // namespace

int main(int argc, char** argv) {
    // The scripted side's thousands of sockets on the same dispatcher as the server's: with Qt's own,
    // every pass of this side's loop polls all 4,000 of them and the echo times measure that.
    if (QAbstractEventDispatcher* dispatcher = eventloop::EpollDispatcher::create())
        QCoreApplication::setEventDispatcher(dispatcher);
    else
        qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    const bench::Args a(app.arguments());
    const Options o{a.text("--server", QStringLiteral(RIMBALO_SERVER_BIN)), a.number("--tables", 1000, 1),
                    a.number("--seconds", 20, 1), a.number("--interval-ms", 500, 10),
                    a.number("--shared-tables", 500, 0)};
    QProcess server;
    const quint16 port =
        bench::startServer(server, o.server,
                           {"--max-tables", QString::number(o.tables + 10), "--max-per-address", "0",
                            "--max-connections", QString::number(4 * o.tables + 100)});
    if (port == 0) {
        std::fprintf(stderr, "could not start %s\n", qPrintable(o.server));
        return 1;
    }
    const qint64 pid = server.processId();
    const double rss0 = rss(pid);

    std::vector<double> echoes;
    std::vector<std::unique_ptr<Conn>> conns;
    std::vector<Conn*> hosts;
    std::size_t tableCount = 0;
    if (!seatTables({port}, o.tables, echoes, conns, hosts, tableCount)) return 1;

    runUntil([] { return false; }, 500);
    const double rssIdle = rss(pid);
    Conn lister(echoes);
    lister.open(port);
    runUntil([&] { return lister.slot != 0; }, bench::kWaitMs);
    const std::vector<double> listIdle = timeListing(lister, 20);

    startGames(hosts);
    std::optional<double> cpu0, cpu1, ownCpu0, ownCpu1;
    const int moves = playWhile(hosts, o.intervalMs, echoes, [&] {
        cpu0 = bench::cpuSeconds(pid);
        ownCpu0 = bench::cpuSeconds(QCoreApplication::applicationPid());
        runUntil([] { return false; }, o.seconds * 1000);
        cpu1 = bench::cpuSeconds(pid);
        ownCpu1 = bench::cpuSeconds(QCoreApplication::applicationPid());
    });
    const double rssPlay = rss(pid);
    const std::vector<double> listPlay = timeListing(lister, 20);

    const double n = static_cast<double>(tableCount);
    std::printf("tables: %zu, 4 connections each, a move per table every %d ms, over %d s\n", tableCount,
                o.intervalMs, o.seconds);
    std::printf("echo while all play: median %.1f us, p99 %.1f us over %zu moves  [target p99 <= 2 ms: %s]\n",
                percentile(echoes, 0.5), percentile(echoes, 0.99), echoes.size(),
                percentile(echoes, 0.99) <= 2000 ? "ok" : "OVER");
    if (cpu0 && cpu1 && moves > 0)
        std::printf("server CPU per move (lay + take back, 4 echoes each): %.1f us (%.0f%% of a core)\n",
                    (*cpu1 - *cpu0) * 1e6 / moves, (*cpu1 - *cpu0) * 100.0 / o.seconds);
    if (ownCpu0 && ownCpu1)
        std::printf("the scripted connections' own process: %.0f%% of a core\n",
                    (*ownCpu1 - *ownCpu0) * 100.0 / o.seconds);
    std::printf(
        "RSS: %.0f KB at start; per table idle %.1f KB, in play %.1f KB  [target idle <= 100 KB: %s]\n", rss0,
        (rssIdle - rss0) / n, (rssPlay - rss0) / n, (rssIdle - rss0) / n <= 100 ? "ok" : "OVER");
    std::printf("listing %zu tables: idle median %.2f ms (max %.2f), in play median %.2f ms (max %.2f)  "
                "[target <= 10 ms: %s]\n",
                tableCount, percentile(listIdle, 0.5), percentile(listIdle, 1), percentile(listPlay, 0.5),
                percentile(listPlay, 1), percentile(listPlay, 0.5) <= 10 ? "ok" : "OVER");
    conns.clear();
    server.terminate();
    server.waitForFinished(bench::kWaitMs);
    singleTableEcho(o.server);
    if (o.sharedTables > 0) sharedRegistryRun(o);
    return 0;
}
