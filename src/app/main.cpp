// The program: creates the windows in their order, wires the host's server to the main window, and
// runs until the main window closes.

#include "app/hintsource.h"
#include "benchhook.h"
#include "client/filelocations.h"
#include "client/settingsfile.h"
#include "client/tchat.h"
#include "windows/hostdialog.h"
#include "windows/joindialog.h"
#include "windows/tabout.h"
#include "windows/tdownload.h"
#include "windows/tgamestart.h"
#include "windows/thelp.h"
#include "windows/tphrases.h"
#include "windows/tspylist.h"
#include "windows/ttallylist.h"

#ifdef RIMBALO_HAS_SERVER
#include "app/serverthread.h"
#endif
#ifdef RIMBALO_HAS_STOPSIGNALS
#include "stopsignals.h"
#endif

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLockFile>

#include <memory>

namespace {

// An installed copy shares its folder with other programs and other users (and root could write
// there): its settings, tally and tile sets live in the user's data folder instead. A copy counts as
// installed when the desktop entry installed with it sits where the install rules put it.
void useUserFolderWhenInstalled() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    if (QFile::exists(programFolder.filePath(QStringLiteral(RIMBALO_INSTALLED_MARKER))))
        client::FileLocations::setProgramFolder(client::FileLocations::userFolder());
}

windows::Ttallylist::Files tallyFiles() {
    using client::FileLocations;
    const QString name = QString::fromLatin1(client::SettingsFile::kSection) + QStringLiteral("tally.tld");
    return {FileLocations::readPath(name), FileLocations::readPath(QStringLiteral("agametally.tld")),
            FileLocations::writePath(name)};
}

// The tally list hears of every recorded game and opens from the main window's "View Tally".
void wireTally(client::Tchat& tchat, windows::Ttallylist& tally) {
    QObject::connect(
        &tchat, &client::Tchat::gameRecorded, &tally,
        [t = &tchat, w = &tally](const QString& winner) { w->addgame(winner, t->otherSeatNames()); });
    QObject::connect(&tchat, &client::Tchat::tallyRequested, &tally,
                     [t = &tchat, w = &tally] { w->showWith(t->otherSeatNames(), t); });
    QObject::connect(&tally, &windows::Ttallylist::saveFailed, &tchat, &client::Tchat::systemLine);
}

// The phrase editor opens with the buttons' phrases and hands the edited ones back.
void wirePhrases(client::Tchat& tchat, windows::Tphrases& phrases) {
    QObject::connect(&tchat, &client::Tchat::phraseListRequested, &phrases,
                     [t = &tchat, w = &phrases] { w->showWith(t->phrases(), t); });
    QObject::connect(&phrases, &windows::Tphrases::phrasesChosen, &tchat,
                     [t = &tchat](const windows::Tphrases::Phrases& p) { t->setPhrases(p); });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifdef RIMBALO_HAS_STOPSIGNALS
    // Caught from the start: a stop that comes while the windows are built waits for the event loop.
    StopSignals stop;
#endif
#ifdef RIMBALO_HAS_SERVER
    // Declared before the windows, so it outlives them: the main window's connection to it closes first.
    ServerThread server;
#endif
    QApplication::setApplicationName(QStringLiteral("Rimbalo"));
    QGuiApplication::setDesktopFileName(QStringLiteral(RIMBALO_APP_ID));
    // The icon the install rules put in the desktop's icon theme (none when run from the build).
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(RIMBALO_APP_ID)));
    // The main window alone decides when the program ends (help or the spy list may still be open).
    QApplication::setQuitOnLastWindowClosed(false);
    // The marker an installer looks for to see that the game is running (held until the program ends).
    // A second copy of the game starts all the same, so whether the lock was had is not checked.
    QLockFile running(QDir(QDir::tempPath()).filePath(QStringLiteral("rimbalo.lock")));
    running.setStaleLockTime(0);
    (void)running.tryLock(0);
    useUserFolderWhenInstalled();

    client::Tchat tchat;
    windows::Ttallylist tally(tallyFiles());
    tally.load();
    wireTally(tchat, tally);
    windows::Tabout about;
    windows::Tgamestart gamestart;
    windows::Thelp help(about.versionText());
    windows::Tphrases phrases;
    wirePhrases(tchat, phrases);
#ifdef RIMBALO_HAS_SERVER
    // Every hosted game gets a fresh server, run in its own thread: hosting again (another port, after
    // a solo game) or joining someone else's game ends the one this program served. The thread ends
    // with the program, after the main window has gone.
    server.setVersionText(about.versionText());
    wireHosting(tchat, server);
#else
    tchat.setServerStarter([](quint16, QString* error) -> quint16 {
        if (error) *error = QStringLiteral("this build has no game server");
        return 0;
    });
#endif
    windows::Tspylist spylist;
    windows::Tdownload download;
    download.setSavePath(&client::FileLocations::writePath);
    // Once the lobby or its installer runs, the game ends as through "Exit".
    QObject::connect(&download, &windows::Tdownload::exitRequested, &tchat, &QWidget::close);

    windows::HostDialog hostDialog;
    windows::JoinDialog joinDialog;

    tchat.setVersionText(about.versionText());
    tchat.setHintSource(gameHints());
    tchat.attachWindows({&gamestart, &help, &about, &spylist, &download, &hostDialog, &joinDialog});
    QObject::connect(&tchat, &client::Tchat::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    installBenchHook(tchat);
    tchat.setArguments(QApplication::arguments().mid(1));
    tchat.show();
#ifdef RIMBALO_HAS_STOPSIGNALS
    // Logging out or a service manager's stop closes the window as "Exit" does, so settings are kept.
    QObject::connect(&stop, &StopSignals::stopRequested, &tchat, &QWidget::close);
#endif
    return QApplication::exec();
}
