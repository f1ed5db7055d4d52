// Join a Game…'s tables of a table server, with a real server of many tables over loopback: listing,
// joining a listed table, creating a private one, and a code typed wrong.

#include "client/settings/filelocations.h"
#include "client/window/tchat.h"
#include "protocol/messages.h"
#include "server/tserver.h"
#include "windows/joindialog.h"
#include "windows/tablecodedialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

namespace out = protocol::toserver;

QString text(const QObject& o, const char* name) {
    if (auto* l = o.findChild<QLabel*>(QString::fromLatin1(name))) return l->text();
    return QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

QString chat(const client::Tchat& t) {
    return t.findChild<QTextBrowser*>(QStringLiteral("mainchat"))->toPlainText();
}

// A program reduced to its socket, speaking the table commands by hand.
struct Raw {
    QTcpSocket socket;
    std::string buffer;
    std::vector<std::string> received;

    explicit Raw(quint16 port) { socket.connectToHost(QStringLiteral("127.0.0.1"), port); }
    std::string waitFor(const std::string& prefix) {
        for (int waited = 0; waited <= 5000; waited += 10) {
            buffer += socket.readAll().toStdString();
            for (std::size_t end; (end = buffer.find('\xff')) != std::string::npos; buffer.erase(0, end + 1))
                received.push_back(buffer.substr(0, end));
            for (auto it = received.begin(); it != received.end(); ++it)
                if (it->rfind(prefix, 0) == 0) {
                    std::string found = *it;
                    received.erase(received.begin(), it + 1);
                    return found;
                }
            QTest::qWait(10);
        }
        return {};
    }
    void send(const std::string& command) {
        socket.write(command.data(), static_cast<qint64>(command.size()));
        socket.flush();
    }
};

// A window with its Join a Game… dialog open, the name and the server typed in.
struct Player {
    client::Tchat window;
    windows::JoinDialog dialog;

    Player(const QString& name, quint16 port) {
        window.attachWindows({.joinDialog = &dialog});
        window.setMessageBox([](const QString&) {});
        window.openJoinDialog();
        dialog.findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(name);
        dialog.findChild<QComboBox*>(QStringLiteral("combo_host"))
            ->setEditText(QStringLiteral("127.0.0.1:%1").arg(port));
    }
    QTableWidget& list() { return *dialog.findChild<QTableWidget*>(QStringLiteral("table_tables")); }
    QString status() const { return text(dialog, "label_tablestatus"); }
    QStringList codes() {
        QStringList c;
        for (int row = 0; row < list().rowCount(); ++row)
            c << list().item(row, 0)->text();
        return c;
    }
};

struct TableServer {
    QTemporaryDir dir;
    TServer server;

    explicit TableServer(int tables = 50) {
        client::FileLocations::setProgramFolder(dir.path());
        client::FileLocations::setUserFolder(dir.path());
        server.setVersionText(QStringLiteral("1.0.11"));
        ServerLimits limits;
        limits.maxTables = tables;
        server.setLimits(limits);
        EXPECT_TRUE(server.listen(0, QHostAddress::LocalHost));
    }
    ~TableServer() {
        client::FileLocations::setProgramFolder({});
        client::FileLocations::setUserFolder({});
    }
    quint16 port() const { return server.serverPort(); }
};

} // namespace

TEST(TablesOnAServer, APrivateTableShowsItsCodeAndOnlyPublicTablesAreListedAndJoined) {
    TableServer s;
    // Ann creates a private table: she sits at it as its host, and sees its code to pass on.
    Player ann(QStringLiteral("Ann"), s.port());
    ann.dialog.findChild<QLineEdit*>(QStringLiteral("edit_tablename"))->setText(QStringLiteral("Ann's"));
    ASSERT_TRUE(ann.dialog.findChild<QCheckBox*>(QStringLiteral("check_private"))->isChecked());
    ann.dialog.createTable();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return ann.window.state().myslot == 1 && ann.window.state().loggedin; }, 5000));
    auto* codeDialog = ann.window.findChild<windows::TableCodeDialog*>();
    ASSERT_NE(codeDialog, nullptr);
    EXPECT_TRUE(codeDialog->isVisible());
    EXPECT_FALSE(ann.dialog.isVisible());
    const QString annCode = text(*codeDialog, "label_tablecode");
    ASSERT_EQ(annCode.size(), TServer::kCodeLength);
    EXPECT_EQ(codeDialog->copyText(), QStringLiteral("127.0.0.1:%1/%2").arg(s.port()).arg(annCode));
    EXPECT_TRUE(chat(ann.window).contains(QStringLiteral("Table %1 (private)").arg(annCode)))
        << chat(ann.window).toStdString();

    // Carl's program opens a public table by hand.
    Raw carl(s.port());
    ASSERT_FALSE(carl.waitFor("CMD_sendlogininfo+").empty());
    carl.send(protocol::encode(out::TableCreate{true, "Carl's"}));
    const std::string seated = carl.waitFor("CMD_tablecode+");
    ASSERT_FALSE(seated.empty());
    const QString carlCode = QString::fromStdString(seated.substr(14, 6));
    ASSERT_EQ(carl.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+1");
    carl.send(protocol::encode(out::LoginInfo{.slot = 1, .version = "1.0.11", .name = "Carl"}));

    // Bob lists the server's tables: Carl's only, with its name and seats.
    Player bob(QStringLiteral("Bob"), s.port());
    bob.dialog.listTables();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.codes() == QStringList{carlCode}; }, 5000))
        << bob.codes().join(",").toStdString() << " " << carlCode.toStdString() << bob.status().toStdString();
    EXPECT_EQ(bob.list().item(0, 1)->text(), "Carl's");
    EXPECT_EQ(bob.list().item(0, 2)->text(), "1/4");
    EXPECT_TRUE(bob.dialog.findChild<QTimer*>(QStringLiteral("tablerefresh"))->isActive());

    // A code typed wrong: the server's words, and the dialog goes on listing and joining.
    bob.dialog.findChild<QLineEdit*>(QStringLiteral("edit_code"))->setText(QStringLiteral("qqqqqq"));
    bob.dialog.joinByCode();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.status() == "No table with code QQQQQQ."; }, 5000))
        << bob.status().toStdString();
    EXPECT_TRUE(bob.dialog.isVisible());
    EXPECT_EQ(bob.window.state().myslot, 0);
    bob.list().setRowCount(0);
    bob.dialog.listTables();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.codes() == QStringList{carlCode}; }, 5000));

    // Joining the listed table seats Bob there, beside Carl.
    bob.list().setCurrentCell(0, 0);
    bob.dialog.joinSelectedTable();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(bob.window, "label_playername1") == "Carl"; }, 5000));
    EXPECT_EQ(bob.window.state().myslot, 2);
    EXPECT_TRUE(bob.window.state().loggedin);
    EXPECT_FALSE(bob.dialog.isVisible());
    EXPECT_FALSE(carl.waitFor("CMD_newplayerinfo+2+Bob+").empty());
    EXPECT_EQ(bob.window.findChild<windows::TableCodeDialog*>(), nullptr);
    // Nobody at Ann's table heard of him.
    EXPECT_FALSE(chat(ann.window).contains(QStringLiteral("Bob")));

    // Ann's friend types her code and sits at her private table.
    Player dan(QStringLiteral("Dan"), s.port());
    dan.dialog.findChild<QLineEdit*>(QStringLiteral("edit_code"))->setText(annCode.toLower());
    dan.dialog.joinByCode();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(ann.window, "label_playername2") == "Dan"; }, 5000));
    EXPECT_EQ(dan.window.state().myslot, 2);

    // Ann holds the host's powers of her table only: she starts its game; Bob's table hears nothing.
    const auto startShown = [](client::Tchat& w) {
        return w.findChild<QAbstractButton*>(QStringLiteral("button_start"))->isVisibleTo(&w);
    };
    EXPECT_TRUE(startShown(ann.window));
    EXPECT_FALSE(startShown(dan.window));
    EXPECT_FALSE(startShown(bob.window));
    ann.window.sendStartGame(500, 60, true, false, 14);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chat(dan.window).contains("Ann has started a game."); }, 5000));
    EXPECT_FALSE(chat(bob.window).contains("started a game"));
}

TEST(TablesOnAServer, AServerOfOneGameSaysSoAndKeepsNoSlotForTheList) {
    TableServer s(1);
    Player bob(QStringLiteral("Bob"), s.port());
    bob.dialog.listTables();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bob.status() == "This server holds a single game."; }, 5000))
        << bob.status().toStdString();
    // The list's connection does not stay in the game's slot: the next program gets slot 1.
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.server.stats().connections == 0; }, 5000));
    Raw next(s.port());
    EXPECT_EQ(next.waitFor("CMD_sendlogininfo+"), "CMD_sendlogininfo+1");
    // And an address with nothing listening says so.
    bob.dialog.findChild<QComboBox*>(QStringLiteral("combo_host"))
        ->setEditText(QStringLiteral("127.0.0.1:1"));
    bob.dialog.listTables();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return bob.status().startsWith("No answer from 127.0.0.1:1: "); }, 5000))
        << bob.status().toStdString();
}
