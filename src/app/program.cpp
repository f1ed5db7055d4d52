#include "program.h"

#include "app/hintsource.h"
#include "appstyle.h"
#include "client/language/languages.h"
#include "client/replay/recordstatspage.h"
#include "client/replay/replaywindow.h"
#include "client/settings/filelocations.h"
#include "client/settings/settingsfile.h"
#include "client/window/tchat.h"
#include "windows/hostdialog.h"
#include "windows/joindialog.h"
#include "windows/paintedicon.h"
#include "windows/tabout.h"
#include "windows/tdownload.h"
#include "windows/tgamestart.h"
#include "windows/thelp.h"
#include "windows/tphrases.h"
#include "windows/tspylist.h"
#include "windows/ttallylist.h"
#include "windows/version.h"

#ifdef RIMBALO_HAS_SERVER
#include "app/serverthread.h"
#endif
#ifdef RIMBALO_HAS_STOPSIGNALS
#include "stopsignals.h"
#endif

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLockFile>
#include <QPointer>

#include <cstdio>
#include <memory>
#include <string_view>

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

// A save killed half-way leaves its temporary file beside the settings or the tally; those of earlier
// runs go at start (in both folders the files may be written to).
void removeStaleSaveFiles() {
    using client::FileLocations;
    const QStringList names = {QString::fromLatin1(client::SettingsFile::kFileName),
                               QString::fromLatin1(client::SettingsFile::kSection) +
                                   QStringLiteral("tally.tld")};
    FileLocations::removeStaleSaveFiles(FileLocations::programFolder(), names);
    if (FileLocations::userFolder() != FileLocations::programFolder())
        FileLocations::removeStaleSaveFiles(FileLocations::userFolder(), names);
}

template <class T, class... Args> windows::LazyWindow<T> later(Args... args) {
    return windows::LazyWindow<T>::later([args...] { return std::make_unique<T>(args...); });
}

void showStatistics(client::Tchat& tchat);

// The tally list, read from its file when it is built, hears of every recorded game and opens from the
// main window's "View Tally".
void wireTally(client::Tchat& tchat, const windows::LazyWindow<windows::Ttallylist>& tally) {
    tally.whenBuilt([t = &tchat](windows::Ttallylist* w) {
        QObject::connect(w, &windows::Ttallylist::saveFailed, t, &client::Tchat::systemLine);
        QObject::connect(w, &windows::Ttallylist::statisticsRequested, t, [t] { showStatistics(*t); });
        w->load();
    });
    QObject::connect(
        &tchat, &client::Tchat::gameRecorded, &tchat,
        [t = &tchat, tally](const QString& winner) { tally->addgame(winner, t->otherSeatNames()); });
    QObject::connect(&tchat, &client::Tchat::tallyRequested, &tchat,
                     [t = &tchat, tally] { tally->showWith(t->otherSeatNames(), t); });
}

// The phrase editor opens with the buttons' phrases and hands the edited ones back.
void wirePhrases(client::Tchat& tchat, const windows::LazyWindow<windows::Tphrases>& phrases) {
    phrases.whenBuilt([t = &tchat](windows::Tphrases* w) {
        QObject::connect(w, &windows::Tphrases::phrasesChosen, t,
                         [t](const windows::Tphrases::Phrases& p) { t->setPhrases(p); });
    });
    QObject::connect(&tchat, &client::Tchat::phraseListRequested, &tchat,
                     [t = &tchat, phrases] { phrases->showWith(t->phrases(), t); });
}

// `rimbalo --help` and `rimbalo --version` answer on standard output without opening a window (or
// needing a display); true when one of them was asked for.
bool answeredInfoOption(int argc, char* argv[]) {
    if (argc != 2) return false;
    const std::string_view arg = argv[1];
    if (arg == "--version" || arg == "-v") {
        std::printf("rimbalo %s\n", windows::kVersionText);
        return true;
    }
    if (arg == "--help" || arg == "-h") {
        std::printf(
            "usage: rimbalo                          a solo game against the computer\n"
            "       rimbalo NAME HOST-ADDRESS ROLE  a game over the network: ROLE \"true\" hosts it on\n"
            "                                       TCP port 7772, anything else joins the host\n"
            "                                       at HOST-ADDRESS\n"
            "       rimbalo --replay FILE             shows a recorded game\n"
            "       rimbalo --help | --version\n"
            "See rimbalo(6) for more.\n");
        return true;
    }
    return false;
}

// The records of the games this program hosts, in the user's data folder.
QString recordsFolder() {
    return QDir(client::FileLocations::userFolder()).filePath(QStringLiteral("records"));
}

// The game records window, built when first asked for: from the menu, or for `--replay FILE`.
client::ReplayWindow* replayWindow(client::Tchat& tchat) {
    static QPointer<client::ReplayWindow> window;
    if (!window) {
        window = new client::ReplayWindow(&tchat.tileImages(), &tchat);
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window, &client::ReplayWindow::statisticsRequested, &tchat,
                         [t = &tchat] { showStatistics(*t); });
    }
    window->setFolder(recordsFolder());
    return window;
}

// The statistics of the recorded games, read afresh whenever they are shown, for the player's name.
void showStatistics(client::Tchat& tchat) {
    static QPointer<client::RecordStatsPage> page;
    if (!page) {
        page = new client::RecordStatsPage(&tchat);
        page->setWindowFlag(Qt::Window);
        page->setWindowTitle(client::RecordStatsPage::tr("Rimbalo - Game Statistics"));
        page->setAttribute(Qt::WA_DeleteOnClose);
        page->resize(460, 420);
    }
    page->setFolder(recordsFolder(), tchat.playerName());
    page->show();
    page->raise();
}

} // namespace

int runProgram(int argc, char* argv[], const StartHook& started) {
    if (answeredInfoOption(argc, argv)) return 0;
    QApplication app(argc, argv);
    QApplication::setStyle(new AppStyle);
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
    // The main window alone decides when the program ends (help or the spy list may still be open).
    QApplication::setQuitOnLastWindowClosed(false);
    // The marker an installer looks for to see that the game is running (held until the program ends).
    // A second copy of the game starts all the same, so whether the lock was had is not checked.
    QLockFile running(QDir(QDir::tempPath()).filePath(QStringLiteral("rimbalo.lock")));
    running.setStaleLockTime(0);
    (void)running.tryLock(0);
    useUserFolderWhenInstalled();
    removeStaleSaveFiles();
    // The window's language: the one chosen in Options > Language, else the system's.
    client::installTranslators(
        app, client::resolvedLanguage(client::SettingsFile().loadLanguage(), QLocale().uiLanguages()));
    const QString version = QString::fromLatin1(windows::kVersionText);

    // The auxiliary windows are built when first needed (most when the player opens them; the tally
    // list just after the main window appears), so they do not hold back the main window's first
    // appearance. They outlive the main window.
    using namespace windows;
    const auto tally =
        LazyWindow<Ttallylist>::later([] { return std::make_unique<Ttallylist>(tallyFiles()); });
    const auto about = later<Tabout>();
    const auto gamestart = later<Tgamestart>();
    const auto help = later<Thelp>(version);
    const auto phrases = later<Tphrases>();
    const auto spylist = later<Tspylist>();
    const auto download = later<Tdownload>();
    const auto hostDialog = later<HostDialog>();
    const auto joinDialog = later<JoinDialog>();

    client::Tchat tchat;
    wireTally(tchat, tally);
    wirePhrases(tchat, phrases);
#ifdef RIMBALO_HAS_SERVER
    // Every hosted game gets a fresh server, run in its own thread: hosting again (another port, after
    // a solo game) or joining someone else's game ends the one this program served. The thread ends
    // with the program, after the main window has gone.
    server.setVersionText(version);
    server.setRecords(recordsFolder(), tchat.keptRecords());
    QObject::connect(&tchat, &client::Tchat::keptRecordsChanged, &server, &ServerThread::setKeptRecords);
    wireHosting(tchat, server);
#else
    tchat.setServerStarter([](quint16, QString* error) -> quint16 {
        if (error) *error = QStringLiteral("this build has no game server");
        return 0;
    });
#endif
    download.whenBuilt([t = &tchat](Tdownload* w) {
        w->setSavePath(&client::FileLocations::writePath);
        // Once the lobby or its installer runs, the game ends as through "Exit".
        QObject::connect(w, &Tdownload::exitRequested, t, &QWidget::close);
    });

    tchat.setVersionText(version);
    tchat.setHintSource(gameHints());
    tchat.attachWindows({gamestart, help, about, spylist, download, hostDialog, joinDialog});
    QObject::connect(&tchat, &client::Tchat::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    if (started) started(tchat);
    QObject::connect(&tchat, &client::Tchat::recordsRequested, &tchat, [t = &tchat] {
        client::ReplayWindow* w = replayWindow(*t);
        w->show();
        w->raise();
    });
    const QStringList args = QApplication::arguments().mid(1);
    // "--replay FILE": the window connects nowhere and the record opens beside it.
    const bool replay = args.size() == 2 && args[0] == QLatin1String("--replay");
    tchat.setArguments(replay ? QStringList{args[0]} : args);
    tchat.show();
    if (replay) {
        client::ReplayWindow* w = replayWindow(tchat);
        w->openFile(args[1]);
        w->show();
    }
    // As soon as the main window is on the screen: the windows' icon (the one the install rules put in
    // the desktop's icon theme, painted rather than looked up), and the tally list, whose file is read
    // at start-up (and written at exit) whether or not the list is opened.
    QMetaObject::invokeMethod(
        &app,
        [tally] {
            QApplication::setWindowIcon(windows::appIcon());
            (void)tally.get();
        },
        Qt::QueuedConnection);
#ifdef RIMBALO_HAS_STOPSIGNALS
    // Logging out or a service manager's stop closes the window as "Exit" does, so settings are kept.
    QObject::connect(&stop, &StopSignals::stopRequested, &tchat, &QWidget::close);
#endif
    return QApplication::exec();
}
