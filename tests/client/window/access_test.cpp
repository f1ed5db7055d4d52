// What a screen reader hears (the rack, the board, the seats and the controls through Qt's
// accessibility interfaces; announcements on the live status line), the keyboard's way through the
// window, and the turn alert with and without a desktop notification service.

#include "harness.h"

#include "client/turn/turncontrols.h"
#include "client/window/turnalert.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QVariantMap>

using namespace testing_client;

namespace {

// Every accessibility event the window raises while one of these lives.
struct EventLog {
    static inline std::vector<std::pair<QAccessible::Event, QString>> events;
    QAccessible::UpdateHandler previous;
    EventLog() {
        events.clear();
        previous = QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            QAccessibleInterface* i = e->accessibleInterface();
            events.emplace_back(e->type(), i ? i->text(QAccessible::Name) : QString());
        });
        QAccessible::setActive(true);
    }
    ~EventLog() {
        QAccessible::setActive(false);
        QAccessible::installUpdateHandler(previous);
    }
    // Whether `text` was raised as an alert.
    static bool alerted(const QString& text) {
        return std::any_of(events.begin(), events.end(), [&](const auto& e) {
            return e.first == QAccessible::Alert && e.second.trimmed() == text.trimmed();
        });
    }
};

QString nameOf(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

} // namespace

TEST(Access, TheRackAndTheBoardCanBeRead) {
    Seated t;
    t.deal({7 + 26, 53, 13 + 39, 11});
    EXPECT_EQ(nameOf(t.card(1)), "Red 7");
    EXPECT_EQ(nameOf(t.card(2)), "Joker");
    EXPECT_EQ(nameOf(t.card(3)), "Black King");
    EXPECT_EQ(nameOf(t.card(4)), "Green Jack");
    EXPECT_EQ(nameOf(t.tchat.findChild<QWidget*>("panel_cards")), "Your rack");

    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(t.board->paintArea());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::List);
    EXPECT_EQ(board->childCount(), 0);
    EXPECT_EQ(board->text(QAccessible::Description), "The board is empty.");
    // A run of three Black tiles in row 3, a group of three 9s in row 5, two tiles in row 7.
    for (const char* cmd :
         {"CMD_placehistile+2+50+5+3+", "CMD_placehistile+2+51+6+3+", "CMD_placehistile+2+52+7+3+",
          "CMD_placehistile+2+9+2+5+", "CMD_placehistile+2+22+3+5+", "CMD_placehistile+2+53+4+5+",
          "CMD_placehistile+2+1+1+7+", "CMD_placehistile+2+2+2+7+"})
        t.feed(cmd);
    ASSERT_EQ(board->childCount(), 8);
    QStringList names;
    for (int i = 0; i < board->childCount(); ++i) {
        QAccessibleInterface* cell = board->child(i);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->parent(), board);
        EXPECT_EQ(board->indexOfChild(cell), i);
        EXPECT_EQ(cell->role(), QAccessible::ListItem);
        names << cell->text(QAccessible::Name);
    }
    EXPECT_EQ(
        names,
        QStringList(
            {"row 3, column 5: Black Jack, in a run of 3", "row 3, column 6: Black Queen, in a run of 3",
             "row 3, column 7: Black King, in a run of 3", "row 5, column 2: Green 9, in a group of 3",
             "row 5, column 3: Orange 9, in a group of 3", "row 5, column 4: Joker, in a group of 3",
             "row 7, column 1: Green 1, in an unfinished set of 2",
             "row 7, column 2: Green 2, in an unfinished set of 2"}));
    EXPECT_EQ(board->text(QAccessible::Description), "8 tiles in 3 sets on the board, 1 of them unfinished.");
    // A point on the screen finds its cell; the cell's rectangle is where it is painted.
    QAccessibleInterface* king = board->child(2);
    EXPECT_EQ(board->childAt(king->rect().center().x(), king->rect().center().y()), king);
    // The board changes under the reader: the same cell answers with its new tile.
    t.feed("CMD_removetile+7+3");
    EXPECT_EQ(board->childCount(), 7);
    EXPECT_EQ(board->child(1)->text(QAccessible::Name),
              "row 3, column 6: Black Queen, in an unfinished set of 2");
}

TEST(Access, SeatsAndControlsHaveNamesAndTabFollowsThePlay) {
    Seated t(2);
    const QString bob = nameOf(t.tchat.findChild<QWidget*>("label_playername2"));
    EXPECT_EQ(bob, "Seat 2: Bob, 14 tiles, score 0, their turn");
    EXPECT_EQ(nameOf(t.tchat.findChild<QWidget*>("label_playername1")), "Seat 1: Ann, 14 tiles, score 0");
    t.feed("CMD_nextplayer+1+69+1+25+14+2+0+15+3+0+0+4+0+0");
    EXPECT_EQ(nameOf(t.tchat.findChild<QWidget*>("label_playername1")),
              "Seat 1: Ann, 14 tiles, score 25, your turn");
    EXPECT_EQ(nameOf(t.tchat.findChild<QWidget*>("label_playername2")), "Seat 2: Bob, 15 tiles, score 0");
    for (const char* name :
         {"button_pause", "button_log", "button_finish", "button_draw", "mychat", "mainchat"})
        EXPECT_FALSE(nameOf(t.tchat.findChild<QWidget*>(name)).isEmpty()) << name;

    // Tab goes rack, board, the turn's buttons, the chat.
    auto* rack = t.tchat.findChild<QWidget*>("panel_cards");
    QWidget* w = rack;
    QStringList order;
    for (int i = 0; i < 12 && w; ++i) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w != rack && w->focusPolicy() == Qt::NoFocus);
        if (w == rack) break;
    }
    ASSERT_GE(order.size(), 4);
    EXPECT_EQ(order[0], "panel_cards");
    EXPECT_EQ(order[1], "board");
    EXPECT_LT(order.indexOf("button_finish"), order.indexOf("mychat")) << order.join(' ').toStdString();
    EXPECT_LT(order.indexOf("board"), order.indexOf("button_finish")) << order.join(' ').toStdString();
    EXPECT_EQ(t.board->paintArea()->focusPolicy(), Qt::StrongFocus);
}

// Qt hands accessibility events on only while a platform bridge is active (not on the offscreen
// platform): the sentences are checked as the status line announces them, and as the events carry
// them wherever a bridge runs.
TEST(Access, YourTurnARefusalAndTheRoundsEndAreAnnounced) {
    Seated t(2);
    EventLog log;
    QStringList said;
    auto* turn = t.tchat.findChild<client::TurnControls*>();
    ASSERT_NE(turn, nullptr);
    QObject::connect(turn, &client::TurnControls::announced,
                     [&said](const QString& s) { said << s.trimmed(); });
    const bool bridged = QAccessible::isActive();
    const auto alerted = [&](const QString& text) {
        return said.contains(text.trimmed()) && (!bridged || EventLog::alerted(text));
    };
    t.feed("CMD_nextplayer+1+69+1+0+14+2+0+15+3+0+0+4+0+0");
    EXPECT_TRUE(alerted("Your Turn.")) << said.join('|').toStdString();
    // A tile that may not go where it is put: the status line says why, and it is spoken.
    t.deal({8, 5});
    t.feed("CMD_placehistile+2+7+3+2+");
    t.clickCard(1); // Green 8
    t.clickCell(2, 2);
    const QString refusal = t.text("label_status");
    EXPECT_TRUE(refusal.contains("cannot go next to")) << refusal.toStdString();
    EXPECT_TRUE(alerted(refusal)) << said.join('|').toStdString();
    t.feed("CMD_endround+2+1+0+-5+3+2+5+5+0+3+0+0+0+4+0+0+0");
    EXPECT_TRUE(alerted("Bob is out of tiles! The Round is Over.")) << said.join('|').toStdString();
}

TEST(Access, TurnAlertWithoutANotificationServiceAsksForAttentionAndNothingFails) {
    Seated t(2);
    auto* alert = t.tchat.turnAlert();
    ASSERT_NE(alert, nullptr);
    // A bus address where nothing listens: the notification has nowhere to go and is dropped.
    const QString nowhere = QStringLiteral("unix:path=") + t.dir.path() + QStringLiteral("/no-bus");
    alert->setBusAddress(nowhere);
    QSignalSpy sent(alert, &client::TurnAlert::notificationSent);
    t.feed("CMD_nextplayer+1+69+1+0+14+2+0+15+3+0+0+4+0+0"); // the window is not active: Ann's turn
    EXPECT_EQ(sent.count(), 0);
    EXPECT_EQ(t.text("label_status"), "Your Turn.");
    EXPECT_TRUE(alert->notifying());
    t.action("TurnNotify1")->trigger(); // off, and remembered
    EXPECT_FALSE(t.action("TurnNotify1")->isChecked());
    QFile ini(t.dir.filePath("vemkolobby.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_NE(ini.readAll().indexOf("TurnNotify=false"), -1);
}

namespace {

// A stand-in for the desktop's notification service, on a private bus.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList summaries;
public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout) {
        Q_UNUSED(app);
        Q_UNUSED(replaces);
        Q_UNUSED(icon);
        Q_UNUSED(body);
        Q_UNUSED(actions);
        Q_UNUSED(hints);
        Q_UNUSED(timeout);
        summaries << summary;
        return static_cast<uint>(summaries.size());
    }
};

} // namespace

TEST(Access, TurnAlertReachesANotificationService) {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed: no private bus to test on";
    // A bus of the test's own, on a socket in its temporary folder, ended with the test.
    Seated t(2);
    QProcess bus;
    bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                       QStringLiteral("--print-address=1"),
                       QStringLiteral("--address=unix:path=") + t.dir.path() + QStringLiteral("/bus")});
    ASSERT_TRUE(bus.waitForStarted(10000));
    QByteArray address;
    while (!address.contains('\n') && bus.waitForReadyRead(10000))
        address += bus.readAllStandardOutput();
    address = address.trimmed();
    ASSERT_FALSE(address.isEmpty()) << bus.readAllStandardError().toStdString();
    {
        FakeNotifications service;
        QDBusConnection serviceBus =
            QDBusConnection::connectToBus(QString::fromUtf8(address), "fake-notifications");
        ASSERT_TRUE(serviceBus.isConnected());
        ASSERT_TRUE(serviceBus.registerObject("/org/freedesktop/Notifications", &service,
                                              QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(serviceBus.registerService("org.freedesktop.Notifications"));

        auto* alert = t.tchat.turnAlert();
        alert->setBusAddress(QString::fromUtf8(address));
        QSignalSpy answered(alert, &client::TurnAlert::notificationAnswered);
        t.feed("CMD_nextplayer+1+69+1+0+14+2+0+15+3+0+0+4+0+0");
        ASSERT_TRUE(answered.wait(10000));
        EXPECT_TRUE(answered.at(0).at(0).toBool());
        EXPECT_EQ(service.summaries, QStringList({"Your turn in Rimbalo"}));

        // Switched off: no notification (the window still asks for attention).
        t.action("TurnNotify1")->trigger();
        t.feed("CMD_nextplayer+2+68+1+0+14+2+0+15+3+0+0+4+0+0");
        t.feed("CMD_nextplayer+1+67+1+0+14+2+0+16+3+0+0+4+0+0");
        QCoreApplication::processEvents();
        EXPECT_EQ(service.summaries.size(), 1);
        serviceBus.unregisterService("org.freedesktop.Notifications");
    }
    QDBusConnection::disconnectFromBus("fake-notifications");
    QDBusConnection::disconnectFromBus(QStringLiteral("rimbalo-notify-") + QString::fromUtf8(address));
    bus.terminate();
    ASSERT_TRUE(bus.waitForFinished(10000));
}

#include "access_test.moc"
