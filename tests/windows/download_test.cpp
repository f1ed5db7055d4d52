// The lobby download dialog against a tiny HTTP server on the loopback address; nothing is started.

#include "windows/tdownload.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using windows::Tdownload;

namespace {

// Answers every request with `response`; with `hold` the connection stays open after it.
class TinyHttp : public QObject {
public:
    TinyHttp() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    request += s->readAll();
                    if (!request.contains("\r\n\r\n")) return;
                    s->write(response);
                    if (!hold) s->disconnectFromHost();
                });
            }
        });
    }
    QUrl url(const char* path = "/files/Setup.exe") const {
        return QUrl(
            QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(QLatin1String(path)));
    }
    static QByteArray answer(const QByteArray& status, const QByteArray& body, qint64 length = -1) {
        return "HTTP/1.0 " + status +
               "\r\nContent-Length: " + QByteArray::number(length < 0 ? body.size() : length) + "\r\n\r\n" +
               body;
    }

    QByteArray response;
    QByteArray request;
    bool hold = false;

private:
    QTcpServer server_;
};

struct Launch {
    QString program;
    QStringList arguments;
};

struct Fixture {
    QTemporaryDir dir;
    Tdownload dialog;
    TinyHttp http;
    QList<Launch> launches;
    bool launchWorks = true;
    QSignalSpy exits{&dialog, &Tdownload::exitRequested};

    Fixture() {
        dialog.setUrl(http.url());
        dialog.setSavePath([this](const QString& name) { return dir.filePath(name); });
        dialog.setLauncher([this](const QString& program, const QStringList& arguments) {
            launches.append({program, arguments});
            return launchWorks;
        });
    }
    QString label(const char* name) const { return dialog.findChild<QLabel*>(QLatin1String(name))->text(); }
    QAbstractButton* button(const char* name) const {
        return dialog.findChild<QAbstractButton*>(QLatin1String(name));
    }
    bool download() {
        button("getbutton")->click();
        return QTest::qWaitFor([this] { return !dialog.downloading(); }, 5000);
    }
    QByteArray saved() const {
        QFile f(dir.filePath(QStringLiteral("Setup.exe")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
    QString shownMessage() const {
        auto* box = dialog.findChild<QMessageBox*>(QStringLiteral("message"));
        return box ? box->text() : QString();
    }
};

} // namespace

TEST(Download, CompleteInstallerIsSavedRunAndEndsTheGame) {
    Fixture f;
    const QByteArray body(70000, 'x');
    f.http.response = TinyHttp::answer("200 OK", body);
    ASSERT_TRUE(f.download());
    EXPECT_EQ(f.saved(), body);
    EXPECT_EQ(f.files(), QStringList{"Setup.exe"});
    EXPECT_EQ(f.label("infolabel"), "Received 70000 bytes");
    EXPECT_EQ(f.label("infolabel2"), "Setup.exe");
    EXPECT_EQ(f.label("infolabel3"), "Installing");
    EXPECT_EQ(f.dialog.state(), Tdownload::Running);
    ASSERT_EQ(f.launches.size(), 1);
    EXPECT_EQ(f.launches[0].program, f.dir.filePath("Setup.exe"));
    EXPECT_EQ(f.launches[0].arguments, Tdownload::installerArguments());
    EXPECT_EQ(f.exits.size(), 1);
    EXPECT_TRUE(f.http.request.startsWith("GET /files/Setup.exe HTTP/1."));
    EXPECT_TRUE(f.http.request.contains("User-Agent: Mozilla/3.0 (compatible)\r\n"));
    EXPECT_TRUE(
        f.http.request.contains("Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"));
}

TEST(Download, FailuresKeepThePreviousFileRunNothingAndCanBeRetried) {
    Fixture f;
    {
        QFile old(f.dir.filePath("Setup.exe"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    const QByteArray failures[] = {
        TinyHttp::answer("404 Not Found", "<html>No such file</html>"),
        TinyHttp::answer("200 OK", QByteArray(500, 'x'), 9000), // the connection drops half-way
        TinyHttp::answer("200 OK", QByteArray()),
    };
    for (const QByteArray& response : failures) {
        f.http.response = response;
        ASSERT_TRUE(f.download());
        EXPECT_EQ(f.dialog.state(), Tdownload::Aborted) << response.left(20).constData();
        EXPECT_EQ(f.label("infolabel"), "Download Aborted");
        EXPECT_EQ(f.saved(), "old");
        EXPECT_EQ(f.files(), QStringList{"Setup.exe"});
        EXPECT_TRUE(f.button("getbutton")->isEnabled());
        EXPECT_FALSE(f.button("abortbutton")->isEnabled());
    }
    // An address that names no file cannot be saved under a name: it is not offered.
    f.dialog.setUrl(f.http.url("/"));
    EXPECT_FALSE(f.button("getbutton")->isEnabled());
    EXPECT_TRUE(f.launches.isEmpty());

    // Pressing again after a failure starts afresh and replaces the file; an installer that will not
    // start says so and the game goes on.
    f.dialog.setUrl(f.http.url());
    f.http.response = TinyHttp::answer("200 OK", "new installer");
    f.launchWorks = false;
    ASSERT_TRUE(f.download());
    EXPECT_EQ(f.saved(), "new installer");
    EXPECT_EQ(f.launches.size(), 1);
    EXPECT_EQ(f.shownMessage(), "An Error has Occurred.");
    EXPECT_EQ(f.exits.size(), 0);
}

TEST(Download, StoppingOrClosingMidwayRunsNothing) {
    for (const bool closeInstead : {false, true}) {
        Fixture f;
        f.http.hold = true;
        f.http.response = TinyHttp::answer("200 OK", QByteArray(300, 'x'), 100000);
        f.dialog.show();
        f.button("getbutton")->click();
        EXPECT_FALSE(f.button("getbutton")->isEnabled());
        EXPECT_TRUE(f.button("abortbutton")->isEnabled());
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.label("infolabel") == "300 bytes"; }, 5000));
        EXPECT_EQ(f.label("infolabel3"), "Downloading: Setup.exe");
        if (closeInstead)
            f.button("Button1")->click();
        else
            f.button("abortbutton")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f.dialog.downloading(); }, 5000));
        EXPECT_EQ(f.dialog.state(), Tdownload::Aborted);
        EXPECT_TRUE(f.label("infolabel") == "Download has been aborted." ||
                    f.label("infolabel") == "Download Aborted");
        EXPECT_EQ(f.label("infolabel3"), "Download Aborted");
        EXPECT_TRUE(f.button("getbutton")->isEnabled());
        EXPECT_TRUE(f.files().isEmpty());
        EXPECT_TRUE(f.launches.isEmpty());
        EXPECT_EQ(f.exits.size(), 0);
        EXPECT_EQ(f.dialog.isVisible(), !closeInstead);
    }
}

TEST(Download, PlayWithOthersStartsOnlyAnInstalledLobby) {
    Fixture f;
    f.dialog.setLobbyPath(f.dir.filePath("VemkoLobby.exe")); // not there
    f.button("Button2")->click();
    EXPECT_EQ(f.shownMessage(),
              "Please close the game and open the Vemko Lobby using the icon on your desktop "
              "or using the your Window's start-up menu.");
    EXPECT_TRUE(f.launches.isEmpty());
    delete f.dialog.findChild<QMessageBox*>(QStringLiteral("message"));

    QFile lobby(f.dir.filePath("VemkoLobby.exe"));
    ASSERT_TRUE(lobby.open(QIODevice::WriteOnly));
    lobby.close();
    f.launchWorks = false;
    f.button("Button2")->click();
    EXPECT_EQ(f.shownMessage(), "An Error has Occurred.");
    EXPECT_EQ(f.exits.size(), 0);
    f.launchWorks = true;
    f.button("Button2")->click();
    ASSERT_EQ(f.launches.size(), 2);
    EXPECT_EQ(f.launches[1].program, lobby.fileName());
    EXPECT_TRUE(f.launches[1].arguments.isEmpty());
    EXPECT_EQ(f.exits.size(), 1);

    // Enter presses the default button, "Play Solo Game", which only closes the dialog.
    f.dialog.show();
    QTest::keyClick(&f.dialog, Qt::Key_Return);
    EXPECT_FALSE(f.dialog.isVisible());
    EXPECT_EQ(f.exits.size(), 1);
}

TEST(Download, WithoutAnAddressNothingIsFetched) {
    Tdownload dialog;
    auto* get = dialog.findChild<QAbstractButton*>(QStringLiteral("getbutton"));
    EXPECT_FALSE(get->isEnabled());
    EXPECT_TRUE(get->toolTip().contains("LobbyUrl")) << get->toolTip().toStdString();
    dialog.getbuttonClick();
    EXPECT_EQ(dialog.findChild<QNetworkAccessManager*>(), nullptr) << "no request was made";
    EXPECT_FALSE(dialog.downloading());
    EXPECT_EQ(dialog.state(), Tdownload::Idle);
    dialog.setUrl(QUrl(QStringLiteral("ftp://example.org/Setup.exe")));
    EXPECT_FALSE(get->isEnabled());
    dialog.setUrl(QUrl(QStringLiteral("https://example.org/Setup.exe")));
    EXPECT_TRUE(get->isEnabled());
    EXPECT_EQ(get->toolTip(), "https://example.org/Setup.exe");
}

TEST(Download, DontShowAgainAndPlayingWithOthersWhereThereIsNoLobby) {
    Tdownload dialog;
    QSignalSpy dontShow(&dialog, &Tdownload::dontShowAgainChanged);
    auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("checkbox_dontshow"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Don't show this again");
    dialog.setDontShowAgain(true);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(dontShow.size(), 0) << "only the player's change is reported";
    box->click();
    ASSERT_EQ(dontShow.size(), 1);
    EXPECT_FALSE(dontShow[0][0].toBool());

    QSignalSpy host(&dialog, &Tdownload::hostRequested);
    QSignalSpy join(&dialog, &Tdownload::joinRequested);
    dialog.setLobbyPath(QString());
    dialog.show();
    dialog.findChild<QAbstractButton*>(QStringLiteral("Button2"))->click();
    EXPECT_EQ(dialog.findChild<QMessageBox*>(), nullptr);
    auto* menu = dialog.findChild<QMenu*>(QStringLiteral("popup_others"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Host a Game…");
    menu->actions()[1]->trigger();
    EXPECT_EQ(join.size(), 1);
    EXPECT_EQ(host.size(), 0);
    EXPECT_FALSE(dialog.isVisible());
}
