#pragma once
// A main window that hosts through a server thread as the program wires them, with the game start
// dialog, and its files in a temporary folder.

#include "app/serverthread.h"
#include "client/filelocations.h"
#include "client/tchat.h"
#include "windows/tgamestart.h"

#include <QLabel>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

namespace testing_app {

inline constexpr int kWaitMs = 10'000;

inline QString label(const client::Tchat& w, const char* name) {
    const auto* l = w.findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QString();
}

// The program's files go to a temporary folder for as long as this lives.
struct TempProgramFolder {
    QTemporaryDir dir;
    TempProgramFolder() {
        client::FileLocations::setProgramFolder(dir.path());
        client::FileLocations::setUserFolder(dir.path());
    }
    ~TempProgramFolder() {
        client::FileLocations::setProgramFolder({});
        client::FileLocations::setUserFolder({});
    }
};

// The window goes before its server, the folder last.
struct SoloHost : TempProgramFolder {
    ServerThread server;
    client::Tchat window;
    windows::Tgamestart gamestart;

    SoloHost() {
        server.setVersionText(QStringLiteral("1.0.11"));
        window.attachWindows({.gamestart = &gamestart});
        wireHosting(window, server);
        window.setMessageBox([](const QString&) {});
        window.setGamePort(0);
    }
    // Starts the program's solo game (its own server, on a free port) and waits for the login.
    bool playSolo() {
        window.processparams({});
        return QTest::qWaitFor([this] { return label(window, "label_playername1") == "You"; }, kWaitMs);
    }
};

// Somebody on this computer who connects to `port` as fast as it can, over and over, from a thread of
// its own, and notes which slot each connection was offered.
class Stranger {
public:
    explicit Stranger(quint16 port) : thread_([this, port] { run(port); }) {}
    ~Stranger() { stop(); }
    void stop() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
    }
    int inSlotOne() const { return first_.load(); }
    int seated() const { return seated_.load(); }
    int offers() const { return first_.load() + seated_.load(); }

private:
    void run(quint16 port) {
        while (!done_.load()) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            if (!s.waitForConnected(1000)) continue;
            QByteArray got;
            while (!got.contains('\xff') && s.waitForReadyRead(1000))
                got += s.readAll();
            if (got.startsWith("CMD_sendlogininfo+1\xff"))
                ++first_;
            else if (got.startsWith("CMD_sendlogininfo+"))
                ++seated_;
            s.abort();
        }
    }

    std::atomic<bool> done_{false};
    std::atomic<int> first_{0};
    std::atomic<int> seated_{0};
    std::thread thread_;
};

} // namespace testing_app
