#pragma once
// A main window fed commands directly, with everything it sends and every notice captured, and its
// files in a temporary folder; and that window at a game, with a rack and a board to play on.

#include "client/play/boardview.h"
#include "client/play/rackview.h"
#include "client/sound/soundcues.h"
#include "client/table/table.h"
#include "client/window/tchat.h"
#include "windowfolders.h"

#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace testing_client {

inline const std::string E(1, '\xff');

// Opens the window's game log, as a player does, and gives its text view.
inline QPlainTextEdit* openLog(QWidget& window) {
    window.findChild<QAbstractButton*>(QStringLiteral("button_log"))->click();
    return window.findChild<QPlainTextEdit*>(QStringLiteral("memo_log"));
}

// The largest difference of one colour channel between two pictures of one size.
inline int largestDifference(const QImage& a, const QImage& b) {
    EXPECT_EQ(a.size(), b.size());
    int worst = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

using testing_window::TempFolders;

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

// Ann in seat 1 and Bob in seat 2, the turn on seat `turn` (Ann's own by default); with `newRound`
// the round has just started, so Ann's first lay-down is still to come. Nothing sent or played yet.
struct Seated : Harness {
    client::RackView* rack = tchat.findChild<client::RackView*>();
    client::BoardView* board = tchat.findChild<client::BoardView*>();

    explicit Seated(int turn = 1, bool newRound = false) {
        login(1);
        feed("CMD_newplayerinfo+2+Bob+0");
        if (newRound) feed("CMD_startround+0+0+0+0+");
        feed("CMD_nextplayer+" + std::to_string(turn) + "+70+1+0+14+2+0+14+3+0+0+4+0+0");
        sent.clear();
        cues.clear();
    }
    // Puts the window on screen, for tests that drive it with real mouse and key events; false when it
    // did not appear. It waits for a full command line, so it connects nowhere.
    bool showWindow() {
        tchat.setArguments({"Ann"});
        tchat.show();
        const bool exposed = QTest::qWaitForWindowExposed(&tchat);
        EXPECT_TRUE(exposed);
        sent.clear();
        return exposed;
    }
    // Deals `codes` into rack cells 1, 2, ...
    void deal(const std::vector<int>& codes) {
        std::string cmd = "CMD_yourtiles+1";
        for (std::size_t i = 0; i < codes.size(); ++i)
            cmd += "+" + std::to_string(i + 1) + "," + std::to_string(codes[i]);
        feed(cmd);
        cues.clear();
    }
    // The rack's tiles and the tile in hand as the window keeps them.
    const client::RackModel& model() const { return tchat.table().rack(); }
    QWidget* card(int cell) const { return rack->picture(cell); }
    void clickCard(int cell, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers k = {}) {
        rack->cardimagesMouseDown(cell, b, k, QPoint(50, 50));
    }
    // The middle of board cell (c, r) in the paint area, and a press there.
    static QPoint centre(int c, int r) { return {(c - 1) * 20 + 8, (r - 1) * 30 + 12}; }
    void clickCell(int c, int r, Qt::MouseButton b = Qt::LeftButton) {
        board->boardMouseDown(b, centre(c, r));
    }
    int at(int c, int r) const { return board->mirror().at(c, r); }
};

} // namespace testing_client
