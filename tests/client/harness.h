#pragma once
// A main window fed commands directly, with everything it sends and every notice captured, and its
// files in a temporary folder.

#include "client/filelocations.h"
#include "client/soundcues.h"
#include "client/tchat.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_client {

inline const std::string E(1, '\xff');

// The program's files go to two temporary folders for as long as this lives.
struct TempFolders {
    QTemporaryDir dir;
    QTemporaryDir userDir;
    TempFolders() {
        client::FileLocations::setProgramFolder(dir.path());
        client::FileLocations::setUserFolder(userDir.path());
    }
    ~TempFolders() {
        client::FileLocations::setProgramFolder({});
        client::FileLocations::setUserFolder({});
    }
};

// The window is declared after the folders, so it is gone before they are.
struct Harness : TempFolders {
    client::Tchat tchat;
    std::vector<std::string> sent;
    QStringList notices;
    QStringList cues;

    Harness() {
        tchat.connection().setSink([this](const std::string& s) { sent.push_back(s); });
        tchat.setMessageBox([this](const QString& t) { notices << t; });
        auto* sounds = tchat.findChild<client::SoundCues*>();
        QObject::connect(sounds, &client::SoundCues::played, [this](const QString& c) { cues << c; });
    }

    // One received command, without its end marker.
    void feed(const std::string& entry) { tchat.handleCommand(entry); }
    // Logs in as `slot` with `name` (the server's greeting and its announcement of us).
    void login(int slot, const QString& name = QStringLiteral("Ann")) {
        setName(name);
        feed("CMD_sendlogininfo+" + std::to_string(slot));
        feed("CMD_newplayerinfo+" + std::to_string(slot) + "+" + name.toStdString() + "+0");
        sent.clear();
        cues.clear();
    }
    void setName(const QString& name) { tchat.setPlayerName(name); }
    // Makes this client the host, as a host's start-up does (its server "listens" on a closed port).
    void becomeHost() {
        tchat.setServerStarter([](quint16, QString*) -> quint16 { return 1; });
        tchat.hostpress();
    }

    QString text(const char* name) const {
        auto* l = tchat.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(l, nullptr) << name;
        return l ? l->text() : QString();
    }
    bool visible(const char* name) const {
        auto* w = tchat.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w && w->isVisibleTo(w->parentWidget());
    }
    bool enabled(const char* name) const {
        auto* w = tchat.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w && w->isEnabled();
    }
    QAction* action(const char* name) const {
        auto* a = tchat.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    QStringList chatLines() const {
        auto* v = tchat.findChild<QTextBrowser*>(QStringLiteral("mainchat"));
        return v->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QString lastLine() const {
        const QStringList l = chatLines();
        return l.isEmpty() ? QString() : l.last().trimmed();
    }
};

} // namespace testing_client
