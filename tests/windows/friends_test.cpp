// Game addresses as players type them, and the host and join dialogs.

#include "windows/hostdialog.h"
#include "windows/joindialog.h"
#include "windows/netaddress.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

using windows::HostPort;
using windows::parseHostPort;

namespace {

std::string read(const QString& text, quint16 defaultPort = 7772) {
    const auto r = parseHostPort(text, defaultPort);
    return r ? (r->host + QLatin1Char('|') + QString::number(r->port)).toStdString() : "<none>";
}

template <class T> T* child(const QWidget& w, const char* name) {
    return w.findChild<T*>(QString::fromLatin1(name));
}

} // namespace

TEST(Addresses, HostsReadWithOrWithoutAPort) {
    EXPECT_EQ(read("example.org"), "example.org|7772");
    EXPECT_EQ(read("  192.0.2.7 "), "192.0.2.7|7772");
    EXPECT_EQ(read("192.0.2.7:7800"), "192.0.2.7|7800");
    EXPECT_EQ(read("my-pc.local:65535"), "my-pc.local|65535");
    EXPECT_EQ(read("2001:db8::7"), "2001:db8::7|7772");
    EXPECT_EQ(read("::1", 9000), "::1|9000");
    EXPECT_EQ(read("[2001:db8::7]:7800"), "2001:db8::7|7800");
    EXPECT_EQ(read("[::1]"), "::1|7772");
    for (const char* bad : {"", ":7800", "host:", "host:0", "host:65536", "host:+80", "host:8x", "a b", "a+b",
                            "[::1", "[::1]7800", "[::1]:", "[example.org]:80", "1:2:3", "[::1]:99999"})
        EXPECT_EQ(read(QString::fromLatin1(bad)), "<none>") << bad;
    // What is written is read back the same.
    for (const QString& host :
         {QStringLiteral("192.0.2.7"), QStringLiteral("2001:db8::7"), QStringLiteral("pc")})
        EXPECT_EQ(read(windows::hostPortText(host, 7801)), (host + QStringLiteral("|7801")).toStdString());
    EXPECT_EQ(windows::hostPortText("::1", 7772), "[::1]:7772");
}

TEST(Addresses, RecentHostsNewestFirstWithoutRepeats) {
    QStringList recent;
    for (const char* h : {"a:1", "b:2", "c:3", "d:4", "e:5", "f:6"})
        recent = windows::withRecentHost(recent, QString::fromLatin1(h), 5);
    EXPECT_EQ(recent, (QStringList{"f:6", "e:5", "d:4", "c:3", "b:2"}));
    recent = windows::withRecentHost(recent, QStringLiteral("C:3"), 5);
    EXPECT_EQ(recent, (QStringList{"C:3", "f:6", "e:5", "d:4", "b:2"}));
}

TEST(Addresses, ThisComputersAddressesEndWithTheLoopback) {
    const QStringList all = windows::localAddresses();
    ASSERT_TRUE(all.contains(QStringLiteral("127.0.0.1")));
    const qsizetype first = all.indexOf(QStringLiteral("127.0.0.1"));
    for (qsizetype i = first; i < all.size(); ++i)
        EXPECT_TRUE(QHostAddress(all[i]).isLoopback()) << all[i].toStdString() << " after the loopback";
    for (const QString& a : all)
        EXPECT_FALSE(QHostAddress(a).isLinkLocal() && a.contains(QLatin1Char(':'))) << a.toStdString();
}

TEST(HostDialog, AsksToHostThenShowsTheAddressesOrWhyThePortFailed) {
    windows::HostDialog dialog;
    QSignalSpy asked(&dialog, &windows::HostDialog::hostRequested);
    dialog.prepare(QString(), 7772);
    auto* host = child<QAbstractButton>(dialog, "button_host");
    EXPECT_FALSE(host->isEnabled()) << "no name, no game";
    child<QLineEdit>(dialog, "edit_name")->setText(QStringLiteral(" Ann "));
    child<QSpinBox>(dialog, "edit_port")->setValue(7800);
    host->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0][0].toString(), "Ann");
    EXPECT_EQ(asked[0][1].value<quint16>(), 7800);

    dialog.showHosting({"192.0.2.7", "2001:db8::7", "127.0.0.1", "::1"}, 7800);
    EXPECT_EQ(dialog.addressText(), "192.0.2.7:7800\n[2001:db8::7]:7800\n127.0.0.1:7800\n[::1]:7800");
    auto* copy = child<QAbstractButton>(dialog, "button_copy");
    ASSERT_TRUE(copy->isEnabled());
    copy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "192.0.2.7:7800")
        << "one address, one that works elsewhere";
    // One address picked: only that one is copied.
    auto* list = child<QListWidget>(dialog, "list_addresses");
    list->setCurrentRow(1);
    copy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "[2001:db8::7]:7800");

    list->setCurrentRow(-1);
    dialog.showHosting({"::1", "127.0.0.1", "2001:db8::9"}, 7800);
    copy->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "[2001:db8::9]:7800")
        << "the loopback ones work here only";

    dialog.showBusy(7800, QStringLiteral("The bound address is already in use"), 7801);
    EXPECT_EQ(child<QLabel>(dialog, "label_status")->text(),
              "Port 7800 cannot be used: The bound address is already in use. Port 7801 is free.");
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(copy->isEnabled());
    auto* other = child<QAbstractButton>(dialog, "button_otherport");
    EXPECT_TRUE(other->isVisibleTo(&dialog));
    EXPECT_EQ(other->text(), "Use Port 7801");
    other->click();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[1][1].value<quint16>(), 7801);
    dialog.showBusy(7801, QStringLiteral("Permission denied"), 0);
    EXPECT_FALSE(other->isVisibleTo(&dialog));
}

TEST(JoinDialog, OffersTheRecentHostsAndRefusesWhatIsNoAddress) {
    windows::JoinDialog dialog;
    QSignalSpy asked(&dialog, &windows::JoinDialog::joinRequested);
    dialog.prepare(QStringLiteral("Bob"), {"192.0.2.7:7800", "pc", "c", "d", "e", "f"}, 7772);
    auto* hosts = child<QComboBox>(dialog, "combo_host");
    EXPECT_EQ(hosts->count(), 5);
    EXPECT_EQ(hosts->currentText(), "192.0.2.7:7800");
    dialog.show();
    child<QAbstractButton>(dialog, "button_join")->click();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0][0].toString(), "Bob");
    EXPECT_EQ(asked[0][1].toString(), "192.0.2.7");
    EXPECT_EQ(asked[0][2].value<quint16>(), 7800) << "the port in the address wins";
    EXPECT_FALSE(dialog.isVisible());

    auto* status = child<QLabel>(dialog, "label_status");
    hosts->setEditText(QStringLiteral("[2001:db8::7]"));
    child<QSpinBox>(dialog, "edit_port")->setValue(7805);
    dialog.join();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[1][1].toString(), "2001:db8::7");
    EXPECT_EQ(asked[1][2].value<quint16>(), 7805);

    hosts->setEditText(QStringLiteral("my pc"));
    dialog.join();
    EXPECT_EQ(status->text(), "\"my pc\" is not a host address.");
    hosts->setEditText(QString());
    dialog.join();
    EXPECT_EQ(status->text(), "Please enter the host's address.");
    hosts->setEditText(QStringLiteral("pc"));
    child<QLineEdit>(dialog, "edit_name")->clear();
    dialog.join();
    EXPECT_EQ(status->text(), "Please enter your name.");
    EXPECT_EQ(asked.size(), 2);
}

// While hosting, the dialog shows the running game and offers to stop it: hosting again on top of it
// would end the friends' game.
TEST(HostDialog, WhileHostingItOffersStopHostingInsteadOfHost) {
    windows::HostDialog dialog;
    QSignalSpy asked(&dialog, &windows::HostDialog::hostRequested);
    QSignalSpy stop(&dialog, &windows::HostDialog::stopRequested);
    dialog.prepare(QStringLiteral("Ann"), 7800);
    auto* host = child<QAbstractButton>(dialog, "button_host");
    auto* stopButton = child<QAbstractButton>(dialog, "button_stophosting");
    ASSERT_NE(stopButton, nullptr);
    EXPECT_TRUE(host->isVisibleTo(&dialog));
    EXPECT_FALSE(stopButton->isVisibleTo(&dialog));

    dialog.showHosting({"192.0.2.7", "127.0.0.1"}, 7800);
    EXPECT_TRUE(dialog.showsHosting());
    EXPECT_FALSE(host->isVisibleTo(&dialog));
    EXPECT_TRUE(stopButton->isVisibleTo(&dialog));
    EXPECT_TRUE(child<QLineEdit>(dialog, "edit_name")->isReadOnly());
    EXPECT_TRUE(child<QSpinBox>(dialog, "edit_port")->isReadOnly());
    dialog.host(); // Enter, or a stale click
    EXPECT_EQ(asked.size(), 0);
    stopButton->click();
    EXPECT_EQ(stop.size(), 1);

    // Back to hosting a new game: Host again, the fields open, no addresses.
    dialog.prepare(QStringLiteral("Ann"), 7800);
    EXPECT_TRUE(host->isVisibleTo(&dialog));
    EXPECT_FALSE(stopButton->isVisibleTo(&dialog));
    EXPECT_FALSE(child<QLineEdit>(dialog, "edit_name")->isReadOnly());
    EXPECT_EQ(child<QListWidget>(dialog, "list_addresses")->count(), 0);
    EXPECT_FALSE(child<QAbstractButton>(dialog, "button_copy")->isEnabled());
}

TEST(HostDialog, OnAComputerOthersCannotReachItSaysOnlyThisComputerCanJoin) {
    windows::HostDialog dialog;
    dialog.showHosting({"127.0.0.1", "::1"}, 7772);
    EXPECT_EQ(child<QLabel>(dialog, "label_status")->text(),
              "You are hosting on port 7772, but this computer has no network address others can reach: "
              "only this computer can join.");
    dialog.copyAddresses();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "127.0.0.1:7772");
    dialog.showHosting({"192.0.2.7", "127.0.0.1"}, 7772);
    EXPECT_TRUE(child<QLabel>(dialog, "label_status")->text().contains("work from other computers"));
}

// What Host a Game's Copy gave before (every address, one a line), or a list copied from the chat,
// joins the first address.
TEST(JoinDialog, APastedListOfAddressesJoinsItsFirstOne) {
    windows::JoinDialog dialog;
    QSignalSpy asked(&dialog, &windows::JoinDialog::joinRequested);
    dialog.prepare(QStringLiteral("Bob"), {}, 7772);
    auto* hosts = child<QComboBox>(dialog, "combo_host");
    for (const char* pasted : {"127.0.0.1:7772\n[::1]:7772", "\n 127.0.0.1:7772 \r\n192.0.2.7:7772\n",
                               "127.0.0.1:7772, [::1]:7772", "127.0.0.1:7772;192.0.2.7:7772"}) {
        hosts->setEditText(QString::fromLatin1(pasted));
        dialog.join();
        ASSERT_FALSE(asked.isEmpty()) << pasted;
        EXPECT_EQ(asked.last()[1].toString(), "127.0.0.1") << pasted;
        EXPECT_EQ(asked.last()[2].value<quint16>(), 7772);
        EXPECT_EQ(hosts->currentText(), "127.0.0.1:7772") << "the address taken is shown";
    }
    EXPECT_EQ(asked.size(), 4);
    EXPECT_EQ(windows::firstListed(QStringLiteral("[2001:db8::7]:7800\n[::1]:7800")), "[2001:db8::7]:7800");
}

// Tables on a server: the list as the server tells it, the choice kept across a refresh, and the
// requests the dialog makes of its owner (nothing for a choice it cannot make).
TEST(JoinDialog, ListsTablesKeepsTheChoiceAcrossARefreshAndAsksToJoinOrCreate) {
    windows::JoinDialog dialog;
    QSignalSpy listed(&dialog, &windows::JoinDialog::tablesRequested);
    QSignalSpy joins(&dialog, &windows::JoinDialog::tableJoinRequested);
    QSignalSpy creates(&dialog, &windows::JoinDialog::tableCreateRequested);
    QSignalSpy closed(&dialog, &windows::JoinDialog::tablesClosed);
    dialog.prepare(QStringLiteral("Bob"), {"192.0.2.7:7800"}, 7772);
    dialog.show();
    auto* status = child<QLabel>(dialog, "label_tablestatus");
    dialog.joinSelectedTable();
    EXPECT_EQ(status->text(), "Choose a table in the list, or type its code.");
    dialog.joinByCode();
    EXPECT_EQ(status->text(), "Please type the table's code.");
    EXPECT_TRUE(joins.isEmpty());

    dialog.listTables();
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0][0].toString(), "192.0.2.7");
    EXPECT_EQ(listed[0][1].value<quint16>(), 7800);
    using Entry = protocol::toclient::TableEntry;
    const Entry idle{"K7MXQ4", 1, 0, false, 0, 0, 0, "Ann's"};
    const Entry playing{"Q3TNPA", 4, 2, true, 500, 60, 14, "Fast"};
    dialog.showTables({idle, playing});
    auto* list = child<QTableWidget>(dialog, "table_tables");
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->item(1, 2)->text(), "4/4");
    EXPECT_EQ(list->item(1, 3)->text(), "2");
    EXPECT_EQ(list->item(0, 4)->text(), "waiting");
    EXPECT_EQ(list->item(1, 4)->text(), "to 500, 60 s a turn, 14 tiles");
    EXPECT_TRUE(child<QTimer>(dialog, "tablerefresh")->isActive());

    list->setCurrentCell(1, 1);
    dialog.showTables({playing, idle}); // a refresh in another order
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->item(list->currentRow(), 0)->text(), "Q3TNPA");
    dialog.joinSelectedTable();
    ASSERT_EQ(joins.size(), 1);
    EXPECT_EQ(joins[0][0].toString(), "Bob");
    EXPECT_EQ(joins[0][3].toString(), "Q3TNPA");

    child<QLineEdit>(dialog, "edit_tablename")->setText(QStringLiteral(" Friday "));
    dialog.createTable();
    ASSERT_EQ(creates.size(), 1);
    EXPECT_FALSE(creates[0][3].toBool()) << "private unless asked otherwise";
    EXPECT_EQ(creates[0][4].toString(), "Friday");
    child<QCheckBox>(dialog, "check_private")->setChecked(false);
    dialog.createTable();
    EXPECT_TRUE(creates[1][3].toBool());

    dialog.showTableError(QStringLiteral("No table with code QQQQQQ."));
    EXPECT_EQ(status->text(), "No table with code QQQQQQ.");
    ASSERT_TRUE(dialog.isVisible());
    dialog.hide();
    EXPECT_FALSE(child<QTimer>(dialog, "tablerefresh")->isActive());
    EXPECT_EQ(closed.size(), 1);
}
