#pragma once
// A main window that hosts through a server thread as the program wires them, with the game start
// dialog, and its files in a temporary folder.

#include "app/serverthread.h"
#include "client/filelocations.h"
#include "client/tchat.h"
#include "windows/tgamestart.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace testing_app
