// The settings file as the main window reads and writes it.

#include "harness.h"

#include "client/chat/chatview.h"
#include "client/settings/inifile.h"
#include "windows/tgamestart.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>

using namespace testing_client;

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

client::IniFile readIni(const QString& path) {
    client::IniFile ini;
    ini.load(path);
    return ini;
}

bool down(const Harness& h, const char* name) {
    return h.tchat.findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
}

struct SettingsHarness : Harness {
    windows::Tgamestart dialog;
    SettingsHarness() { tchat.attachWindows({&dialog, nullptr, nullptr, nullptr, nullptr}); }
    QString ini() const { return dir.filePath("vemkolobby.ini"); }
};

} // namespace

TEST(Settings, AMissingFileReadsAsDefaultsAndIsNotCreatedByReading) {
    SettingsHarness h;
    h.login(1);
    EXPECT_FALSE(QFile::exists(h.ini()));
    EXPECT_EQ(h.tchat.pos(), QPoint(3, 3));
    EXPECT_EQ(h.tchat.size(), QSize(775, 580));
    EXPECT_TRUE(h.action("PlaySounds1")->isChecked());
    EXPECT_TRUE(h.action("Normal1")->isChecked());
    EXPECT_TRUE(h.action("Classic1")->isChecked());
    EXPECT_TRUE(h.action("N8")->isChecked());
    EXPECT_TRUE(down(h, "button_bynumber"));
    EXPECT_FALSE(down(h, "button_bysuit"));
    EXPECT_EQ(h.tchat.findChild<QAbstractButton*>("b_phrase3")->toolTip(), "Nice Try!");
    // The defaults 30 and 1 are not positions of the dialog's arrows: its fields keep their values.
    const auto o = h.dialog.options();
    EXPECT_EQ(o.playtoscore, 500);
    EXPECT_EQ(o.creationtime, 60);
    EXPECT_EQ(o.tiles, 14);
    EXPECT_TRUE(o.timepenalty);
}

TEST(Settings, OnlyBotspeedFiveHundred) {
    SettingsHarness h;
    writeFile(h.ini(), "[rimbalo]\nBotspeed=500\n");
    h.becomeHost();
    h.login(1);
    EXPECT_EQ(h.tchat.botspeed(), 500);
    EXPECT_TRUE(h.action("Fast1")->isChecked());
    EXPECT_FALSE(h.action("Normal1")->isChecked());
    EXPECT_TRUE(h.action("Classic1")->isChecked());
    EXPECT_TRUE(h.action("PlayChatterSounds1")->isChecked());
    EXPECT_EQ(h.tchat.size(), QSize(775, 580));
}

TEST(Settings, TheHostTellsItsBotSpeedAfterReading) {
    SettingsHarness h;
    writeFile(h.ini(), "[rimbalo]\nBotspeed=2000\n");
    h.setName("Ann");
    h.feed("CMD_sendlogininfo+1");
    h.sent.clear();
    h.feed("CMD_newplayerinfo+1+Ann+0");
    ASSERT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.sent[0], "CMD_botspeed+1+2000+" + E);

    SettingsHarness joiner;
    writeFile(joiner.ini(), "[rimbalo]\nBotspeed=2000\n");
    joiner.setName("Bob");
    joiner.feed("CMD_sendlogininfo+2");
    joiner.sent.clear();
    joiner.feed("CMD_newplayerinfo+2+Bob+0");
    EXPECT_TRUE(joiner.sent.empty());
}

TEST(Settings, OnlyTheExactLowerCaseTextsCount) {
    SettingsHarness h;
    writeFile(h.ini(), "[rimbalo]\nPlaysounds=False\nTimepenalty=F\nChatterSounds=false\nSortby=1 \n"
                       "Turnsound=1\nBotspeed=2000ms\nTextsize=12\n");
    h.login(1);
    EXPECT_TRUE(h.action("PlaySounds1")->isChecked());
    EXPECT_TRUE(h.dialog.options().timepenalty);
    EXPECT_FALSE(h.action("PlayChatterSounds1")->isChecked());
    EXPECT_TRUE(h.action("New1")->isChecked());
    EXPECT_TRUE(h.action("Normal1")->isChecked());
    EXPECT_TRUE(h.action("N12")->isChecked());
    // "1 " is trimmed as the file is read, like every value.
    EXPECT_TRUE(down(h, "button_bynumber"));

    SettingsHarness off;
    writeFile(off.ini(), "[rimbalo]\nPlaysounds=false\nTimepenalty=f\nSortby=2\nPlaytoscore=1000\n"
                         "Timeperturn=90\nTilestostart=20\nTextcolor=clRed\nTop=abc\nTextsize=9\n"
                         "ComputerOpponents=3\nComputerLevel=expert\n");
    off.login(1);
    EXPECT_EQ(off.dialog.options().opponents, 3);
    EXPECT_EQ(off.dialog.options().level, protocol::computerLevelIndex("expert")) << "as older files name it";
    EXPECT_FALSE(off.action("PlaySounds1")->isChecked());
    EXPECT_FALSE(off.dialog.options().timepenalty);
    EXPECT_TRUE(down(off, "button_bysuit"));
    EXPECT_EQ(off.dialog.options().playtoscore, 1000);
    EXPECT_EQ(off.dialog.options().creationtime, 90);
    EXPECT_EQ(off.dialog.options().tiles, 20);
    EXPECT_EQ(off.tchat.findChild<QLineEdit*>("mychat")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(off.tchat.pos().y(), 3);
    for (const char* n : {"N8", "N10", "N12", "N14"})
        EXPECT_FALSE(off.action(n)->isChecked()) << n;
    off.cues.clear();
    off.tchat.findChild<client::SoundCues*>()->play("turn");
    EXPECT_TRUE(off.cues.isEmpty());
}

TEST(Settings, OldSectionIsTakenOverOnce) {
    SettingsHarness h;
    writeFile(h.ini(), "[VemkoLobby]\nPath=C:\\Vemko\\Lobby.exe\n\n[agame]\nSortby=2\nPhrase3=Hello\n");
    h.login(1);
    EXPECT_TRUE(down(h, "button_bysuit"));
    EXPECT_EQ(h.tchat.findChild<QAbstractButton*>("b_phrase3")->toolTip(), "Hello");
    const client::IniFile ini = readIni(h.ini());
    EXPECT_FALSE(ini.hasKeys("agame"));
    EXPECT_EQ(ini.value("rimbalo", "Sortby").value_or(""), "2");
    EXPECT_EQ(ini.value("rimbalo", "Phrase3").value_or(""), "Hello");
    EXPECT_EQ(ini.value("rimbalo", "Phrase1").value_or(""), "Way To Go!");
    EXPECT_EQ(ini.value("rimbalo", "Phrase9").value_or(""), "Good Game Everyone!");
    for (const char* key :
         {"Top", "Left", "Width", "Height", "Maximized", "Textsize", "Textcolor", "Playsounds", "Playtoscore",
          "Timeperturn", "Tilestostart", "Botspeed", "Turnsound", "Timepenalty", "Tiles", "ChatterSounds"})
        EXPECT_TRUE(ini.value("rimbalo", key).has_value()) << key;
    EXPECT_TRUE(readFile(h.ini()).startsWith("[VemkoLobby]\nPath=C:\\Vemko\\Lobby.exe\n\n[rimbalo]\n"));
}

TEST(Settings, SavesKeepOtherProgramsSectionsByteForByte) {
    SettingsHarness h;
    const QByteArray lobby =
        "; written by the lobby\r\n[VemkoLobby]\r\nPath=C:\\Program Files\\Vemko\\VemkoLobby.exe\r\n"
        "Last=Ann, Bob\r\n\r\n";
    writeFile(h.ini(), lobby + "[rimbalo]\r\nTop=3\r\n\r\n[zgame]\r\nKey = value\r\n");
    h.login(1);
    h.action("Fast1")->trigger();
    h.action("PlaySounds1")->trigger();
    const QByteArray after = readFile(h.ini());
    EXPECT_TRUE(after.startsWith(lobby + "[rimbalo]\r\n"));
    EXPECT_TRUE(after.endsWith("\r\n\r\n[zgame]\r\nKey = value\r\n"));
    const client::IniFile ini = readIni(h.ini());
    EXPECT_EQ(ini.value("rimbalo", "Botspeed").value_or(""), "500");
    EXPECT_EQ(ini.value("rimbalo", "Playsounds").value_or(""), "false");
    EXPECT_EQ(ini.value("rimbalo", "Textcolor").value_or(""), "clBlack");
    EXPECT_EQ(ini.value("rimbalo", "Sortby").value_or(""), "1");
}

TEST(Settings, AnUnwritableProgramFolderUsesTheUserFolder) {
    SettingsHarness h;
    // A "folder" that is a plain file cannot be written in, not even by an administrator.
    const QString blocked = h.dir.filePath("blocked");
    writeFile(blocked, "not a folder");
    client::FileLocations::setProgramFolder(blocked);
    h.login(1);
    h.action("Slow1")->trigger();
    const QString userIni = h.userDir.filePath("vemkolobby.ini");
    ASSERT_TRUE(QFile::exists(userIni));
    EXPECT_EQ(readIni(userIni).value("rimbalo", "Botspeed").value_or(""), "2000");

    SettingsHarness again;
    client::FileLocations::setProgramFolder(blocked);
    client::FileLocations::setUserFolder(h.userDir.path());
    again.login(1);
    EXPECT_EQ(again.tchat.botspeed(), 2000);
}

TEST(Settings, AFileThatCannotBeReadIsNotOverwritten) {
    SettingsHarness h;
    QDir(h.dir.path()).mkdir("vemkolobby.ini"); // unreadable as a file
    h.login(1);
    EXPECT_TRUE(h.chatLines().join('\n').contains("could not be read"));
    h.action("Fast1")->trigger();
    EXPECT_TRUE(QFileInfo(h.ini()).isDir());
    EXPECT_TRUE(h.lastLine().startsWith("Your settings could not be saved"));
}

TEST(Settings, WindowPlacementIsSavedOnlyWhenItChanged) {
    SettingsHarness h;
    h.login(1);
    h.tchat.move(100, 50);
    h.tchat.close();
    EXPECT_EQ(readIni(h.ini()).value("rimbalo", "Left").value_or(""), "100");

    SettingsHarness next;
    client::FileLocations::setProgramFolder(h.dir.path());
    next.login(1);
    EXPECT_EQ(next.tchat.pos(), QPoint(100, 50));
    // (`next` reads and writes the first window's folder.)
    ASSERT_TRUE(QFile::remove(h.ini()));
    next.tchat.close(); // nothing moved since the settings were read
    EXPECT_FALSE(QFile::exists(h.ini()));
}

// A window closed maximised opens maximised, and keeps the size it had before for when it is restored.
TEST(Settings, AMaximisedWindowIsRememberedWithItsSizeBefore) {
    SettingsHarness h;
    h.login(1);
    const auto desktop = [] { return QRect(0, 0, 1920, 1080); };
    h.tchat.setWorkArea(desktop);
    h.tchat.move(40, 30);
    h.tchat.resize(900, 640);
    h.tchat.setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(h.tchat.isMaximized());
    h.tchat.close();
    const client::IniFile ini = readIni(h.ini());
    EXPECT_EQ(ini.value("rimbalo", "Maximized").value_or(""), "true");
    EXPECT_EQ(ini.value("rimbalo", "Width").value_or(""), "900");
    EXPECT_EQ(ini.value("rimbalo", "Height").value_or(""), "640");

    SettingsHarness next;
    client::FileLocations::setProgramFolder(h.dir.path());
    next.tchat.setWorkArea(desktop);
    next.login(1);
    EXPECT_TRUE(next.tchat.isMaximized());
    // Restored by the player: that is a change of placement, saved at the close.
    next.tchat.setWindowState(Qt::WindowNoState);
    next.tchat.close();
    EXPECT_EQ(readIni(h.ini()).value("rimbalo", "Maximized").value_or(""), "false");
    EXPECT_EQ(readIni(h.ini()).value("rimbalo", "Width").value_or(""), "900");
}

TEST(Settings, ClosingShrinksTheSavedSizeToTheWorkArea) {
    SettingsHarness h;
    h.login(1);
    h.tchat.setWorkArea([] { return QRect(0, 0, 1024, 740); });
    h.tchat.resize(1030, 745);
    h.tchat.close();
    const client::IniFile ini = readIni(h.ini());
    EXPECT_EQ(ini.value("rimbalo", "Width").value_or(""), "1015");
    EXPECT_EQ(ini.value("rimbalo", "Height").value_or(""), "730");
}

// A program that never got connected (its host was down) never read the settings: what its controls
// show are the design values, and neither closing nor an option chosen may write them over the file.
TEST(Settings, NothingIsWrittenBeforeTheFileWasRead) {
    SettingsHarness h;
    const QByteArray saved = "[rimbalo]\nTop=100\nLeft=50\nWidth=900\nHeight=700\nTextsize=14\n"
                             "Botspeed=2000\nPlaytoscore=1000\n";
    writeFile(h.ini(), saved);
    h.tchat.move(10, 10);
    h.action("Fast1")->trigger();
    h.action("PlaySounds1")->trigger();
    h.tchat.close();
    EXPECT_EQ(readFile(h.ini()), saved);

    h.login(1); // read now: later changes are saved
    EXPECT_EQ(h.tchat.botspeed(), 2000);
    h.action("Fast1")->trigger();
    const client::IniFile ini = readIni(h.ini());
    EXPECT_EQ(ini.value("rimbalo", "Botspeed").value_or(""), "500");
    EXPECT_EQ(ini.value("rimbalo", "Textsize").value_or(""), "14");
    EXPECT_EQ(ini.value("rimbalo", "Playtoscore").value_or(""), "1000");
}

// A damaged or foreign file: a size beyond the desktop, a byte-order mark in front of the section,
// old values the game start dialog cannot show.
TEST(Settings, StoredValuesAreKeptWithinWhatTheProgramCanShow) {
    SettingsHarness h;
    h.tchat.setWorkArea([] { return QRect(0, 0, 1024, 740); });
    const QByteArray bom("\xEF\xBB\xBF");
    writeFile(h.ini(), bom + "[rimbalo]\r\nWidth=30000\r\nHeight=20000\r\nBotspeed=500\r\n");
    h.login(1);
    EXPECT_EQ(h.tchat.botspeed(), 500);
    EXPECT_LE(h.tchat.width(), 1024);
    EXPECT_LE(h.tchat.height(), 740);
    h.action("Slow1")->trigger();
    const QByteArray after = readFile(h.ini());
    EXPECT_TRUE(after.startsWith(bom + "[rimbalo]\r\n")) << after.toStdString();
    EXPECT_EQ(after.count("[rimbalo]"), 1);
    EXPECT_EQ(readIni(h.ini()).value("rimbalo", "Botspeed").value_or(""), "2000");

    SettingsHarness old;
    writeFile(old.ini(), "[agame]\nPlaytoscore=30\nTimeperturn=1\nTilestostart=20\n");
    old.login(1);
    EXPECT_EQ(old.dialog.options().playtoscore, 500);
    EXPECT_EQ(old.dialog.options().creationtime, 60);
    EXPECT_EQ(old.dialog.options().tiles, 20);
    const client::IniFile taken = readIni(old.ini());
    EXPECT_FALSE(taken.hasKeys("agame"));
    EXPECT_EQ(taken.value("rimbalo", "Playtoscore").value_or(""), "500");
    EXPECT_EQ(taken.value("rimbalo", "Timeperturn").value_or(""), "60");
    EXPECT_EQ(taken.value("rimbalo", "Tilestostart").value_or(""), "20");
}

TEST(Settings, TheGameStartDialogsStartSavesItsValues) {
    SettingsHarness h;
    h.becomeHost();
    h.login(1);
    h.tchat.startGame();
    h.dialog.restore(1200, 30, 21, false, 2, protocol::computerLevelIndex("strong"));
    h.dialog.start();
    const client::IniFile ini = readIni(h.ini());
    EXPECT_EQ(ini.value("rimbalo", "Playtoscore").value_or(""), "1200");
    EXPECT_EQ(ini.value("rimbalo", "Timeperturn").value_or(""), "30");
    EXPECT_EQ(ini.value("rimbalo", "Tilestostart").value_or(""), "21");
    EXPECT_EQ(ini.value("rimbalo", "Timepenalty").value_or(""), "f");
    EXPECT_EQ(ini.value("rimbalo", "ComputerOpponents").value_or(""), "2");
    EXPECT_EQ(ini.value("rimbalo", "ComputerLevel").value_or(""), "strong");
    // The computer opponents are the host's own choice: the command is the same as ever.
    EXPECT_EQ(h.sent.back(), "CMD_startgame+Ann+1200+30+f+f+21+" + E);
}

TEST(Settings, ResetScreenLocation) {
    Harness h;
    h.tchat.move(300, 200);
    h.tchat.resize(900, 700);
    h.action("ResetScreenLocation1")->trigger();
    EXPECT_EQ(h.tchat.pos(), QPoint(3, 3));
    EXPECT_EQ(h.tchat.size(), QSize(775, 580));
}

// Temporary files a killed save left behind go; files of other names, and a save of another copy of
// the game that may be writing right now (a fresh file), stay.
TEST(Settings, StaleTemporarySaveFilesAreRemoved) {
    QTemporaryDir dir;
    const auto make = [&](const QString& name, int secondsAgo) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.flush(); // written now, so that closing does not stamp it again
        EXPECT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-secondsAgo),
                                     QFileDevice::FileModificationTime));
    };
    const QStringList stale = {"vemkolobby.ini.aB3dE9", "rimbalotally.tld.Zz0Zz0"};
    const QStringList kept = {"vemkolobby.ini",       "rimbalotally.tld", "vemkolobby.ini.bak",
                              "vemkolobby.ini.aB3dE", "other.ini.aB3dE9", "xvemkolobby.ini.aB3dE9",
                              "vemkolobby.ini.aB-dE9"};
    for (const QString& name : stale + kept)
        make(name, 3600);
    make("vemkolobby.ini.fresh1", 5);
    EXPECT_EQ(client::FileLocations::removeStaleSaveFiles(dir.path(), {"vemkolobby.ini", "rimbalotally.tld"}),
              2);
    for (const QString& name : stale)
        EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name.toStdString();
    for (const QString& name : kept + QStringList{"vemkolobby.ini.fresh1"})
        EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name.toStdString();
}
