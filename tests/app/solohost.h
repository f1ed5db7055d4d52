#pragma once
// A main window that hosts through a server thread as the program wires them, with the game start
// dialog, and its files in a temporary folder.

#include "app/serverthread.h"
#include "client/window/tchat.h"
#include "windowfolders.h"
#include "windows/tgamestart.h"

#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

namespace testing_app {

inline constexpr int kWaitMs = 10'000;

using testing_window::TempFolders;
inline QString label(const client::Tchat& w, const char* name) {
    return testing_window::labelText(w, name);
}

// The window goes before its server, the folders last.
struct SoloHost : TempFolders {
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
