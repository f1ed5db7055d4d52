// The main window's menu and the host's seat popup.

#include "tchat.h"

#include "client/chat/chatview.h"
#include "client/language/languages.h"
#include "client/play/rackview.h"
#include "client/seats/seatdisplay.h"
#include "client/sound/soundcues.h"
#include "client/table/table.h"
#include "client/turn/turncontrols.h"

#include "protocol/messages.h"
#include "windows/tabout.h"
#include "windows/tgamestart.h"
#include "windows/thelp.h"
#include "windows/tspylist.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace client {

namespace {

QMenu* submenu(QMenu* parent, const char* name, const QString& text) {
    QMenu* m = parent->addMenu(text);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace

template <class Handler>
QAction* Tchat::addAction(QMenu* menu, const char* name, const QString& text, Handler handler) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    actions_[a->objectName()] = a;
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void Tchat::buildMenu() {
    buildGameMenu();
    buildViewMenu();
    buildOptionsMenu();
    buildHelpMenu();
    buildSeatPopup();
    setBotSpeed(protocol::kNormalComputer);
    setTurnSound(0);
    setTextSize(8);
}

void Tchat::buildGameMenu() {
    auto add = [this](QMenu* m, const char* n, const QString& t, auto h) { return addAction(m, n, t, h); };
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("Game1"));
    add(game, "StartGame1", tr("Start Game"), [this] { startGame(); })->setEnabled(false);
    QAction* justWatch = add(game, "JustWatch1", tr("Just Watch"), [this](bool checked) {
        // The check mark follows the server's answer, not the click.
        action("JustWatch1")->setChecked(!checked);
        if (!state_.loggedin || !state_.seated()) return;
        send(protocol::encode(protocol::toserver::JustWatch{.slot = state_.myslot, .flag = checked ? 1 : 2}));
    });
    justWatch->setCheckable(true);
    game->addSeparator();
    add(game, "HostGame1", tr("Host a Game…"), [this] { openHostDialog(); });
    add(game, "JoinGame1", tr("Join a Game…"), [this] { openJoinDialog(); });
    add(game, "PlaySolo1", tr("Play Solo"),
        [this] { confirmLeaving(tr("Play Solo"), [this] { playSolo(); }); });
    game->addSeparator();
    add(game, "GameRecords1", tr("Game Records…"), [this] { emit recordsRequested(); });
    game->addSeparator();
    add(game, "ResetScreenLocation1", tr("Reset Screen Location"), [this] { resetScreenLocation(); });
    add(game, "Exit1", tr("Exit"), [this] { exitGame(); });
}

void Tchat::buildViewMenu() {
    auto add = [this](QMenu* m, const char* n, const QString& t, auto h) { return addAction(m, n, t, h); };

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("View1"));
    // The tally list is a window of its own: the program opens it on this request.
    add(view, "ViewTally1", tr("View Tally"), [this] { emit tallyRequested(); });
    add(view, "SpyList1", tr("Spy List"), [this] {
        if (windows_.spylist) windows_.spylist->showOver(this);
    });
    QAction* log =
        add(view, "GameLog1", tr("Game Log"), [this](bool checked) { turn_->setLogShown(checked); });
    log->setCheckable(true);
    connect(turn_, &TurnControls::logShownChanged, log, &QAction::setChecked);
    add(view, "PhraseList1", tr("Phrase List"), [this] { emit phraseListRequested(); });
}

void Tchat::buildOptionsMenu() {
    auto add = [this](QMenu* m, const char* n, const QString& t, auto h) { return addAction(m, n, t, h); };

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    QAction* sounds = add(options, "PlaySounds1", tr("Play Sounds"), [this](bool on) {
        sounds_->setEnabled(on);
        saveinifile();
    });
    sounds->setCheckable(true);
    sounds->setChecked(true);
    QAction* chatter =
        add(options, "PlayChatterSounds1", tr("Play Chatter Sounds"), [this] { saveinifile(); });
    chatter->setCheckable(true);
    chatter->setChecked(true);
    QAction* notify =
        add(options, "TurnNotify1", tr("Notify Me When It Is My Turn"), [this] { saveinifile(); });
    notify->setCheckable(true);
    notify->setChecked(true);
    options->addSeparator();
    add(options, "TextColor1", tr("Text Color"), [this] { chooseTextColour(); });
    QMenu* size = submenu(options, "TextSize1", tr("Text Size"));
    auto* sizes = new QActionGroup(this);
    for (int s : {8, 10, 12, 14}) {
        const QByteArray name = "N" + QByteArray::number(s);
        QAction* a = add(size, name.constData(), QString::number(s), [this, s] {
            setTextSize(s);
            saveinifile();
        });
        a->setCheckable(true);
        a->setProperty("Tag", s);
        sizes->addAction(a);
    }
    QAction* scroll =
        add(options, "ScrollChatOff1", tr("Scroll Chat Off"), [this](bool on) { chat_->setScrollOff(on); });
    scroll->setCheckable(true);
    scroll->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(chat_, &ChatView::scrollOffChanged, scroll, &QAction::setChecked);
    add(options, "ClearMainChat1", tr("Clear Main Chat"), [this] { chat_->clear(); });
    options->addSeparator();
    buildOptionSubmenus(options);
}

void Tchat::buildOptionSubmenus(QMenu* options) {
    auto add = [this](QMenu* m, const char* n, const QString& t, auto h) { return addAction(m, n, t, h); };

    QMenu* speed = submenu(options, "BotSpeed1", tr("Bot Speed"));
    auto* speeds = new QActionGroup(this);
    for (auto [name, text, ms] : {std::tuple{"Slow1", QT_TR_NOOP("Slow"), protocol::kSlowComputer},
                                  {"Normal1", QT_TR_NOOP("Normal"), protocol::kNormalComputer},
                                  {"Fast1", QT_TR_NOOP("Fast"), protocol::kFastComputer}}) {
        QAction* a = add(speed, name, tr(text), [this, ms = ms] {
            setBotSpeed(ms);
            saveinifile();
        });
        a->setCheckable(true);
        a->setProperty("Tag", ms);
        speeds->addAction(a);
    }
    // The host's own choices for the game its server runs: disabled unless this window hosts.
    QMenu* level = submenu(options, "ComputerLevel1", tr("Computer Level"));
    auto* levels = new QActionGroup(this);
    for (int i = 0; i < static_cast<int>(protocol::kComputerLevels.size()); ++i) {
        QAction* a =
            add(level, levelActionName(i).constData(),
                windows::levelTitle(protocol::kComputerLevels[static_cast<std::size_t>(i)]), [this, i] {
                    setComputerLevel(i);
                    saveinifile();
                });
        a->setCheckable(true);
        levels->addAction(a);
    }
    action(levelActionName(protocol::kClassicLevel))->setChecked(true);
    QAction* hints = add(options, "AllowHints1", tr("Allow Hints"), [this](bool on) {
        setHintsAllowed(on);
        saveinifile();
    });
    hints->setCheckable(true);
    hints->setChecked(table_->hintsAllowed());
    // The item shows the table's option; whoever changes it, the host's server hears of it.
    connect(table_, &Table::hostOptionsChanged, this, [this, hints] {
        hints->setChecked(table_->hintsAllowed());
        emit hintsAllowedChanged(table_->hintsAllowed());
    });
    setHostOptionsEnabled(false);
    QMenu* turnSound = submenu(options, "TurnSound1", tr("Turn Sound"));
    auto* turnSounds = new QActionGroup(this);
    for (auto [name, text, choice] :
         {std::tuple{"Classic1", QT_TR_NOOP("Classic"), 0}, {"New1", QT_TR_NOOP("New"), 1}}) {
        QAction* a = add(turnSound, name, tr(text), [this, choice = choice] {
            setTurnSound(choice);
            saveinifile();
        });
        a->setCheckable(true);
        a->setProperty("Tag", choice);
        turnSounds->addAction(a);
    }
    submenu(options, "tiles1", tr("Tile Sets"));
    tilemenu();
    // How many of the newest game records a hosting window keeps.
    QMenu* kept = submenu(options, "RecordsKept1", tr("Game Records Kept"));
    auto* keptChoices = new QActionGroup(this);
    for (const int count : {50, 100, 200, 500, 1000, 0}) {
        QAction* a = kept->addAction(count == 0 ? tr("All") : QString::number(count));
        a->setObjectName(count == 0 ? QStringLiteral("RecordsKeptAll")
                                    : QStringLiteral("RecordsKept%1").arg(count));
        a->setCheckable(true);
        a->setProperty("Tag", count);
        a->setChecked(count == keptRecords_);
        keptChoices->addAction(a);
        connect(a, &QAction::triggered, this, [this, count] {
            setKeptRecords(count);
            saveinifile();
        });
    }
    buildLanguageMenu(options);
}

// Options > Language: "System" follows the desktop's language; the others are listed in their own
// words. The choice is kept in the settings file and takes effect when the program starts again.
void Tchat::buildLanguageMenu(QMenu* options) {
    QMenu* menu = submenu(options, "Language1", tr("Language"));
    auto* group = new QActionGroup(this);
    const QString saved = settings_.loadLanguage();
    QList<Language> choices{{QString(), tr("System")}};
    choices.append(languages());
    for (const Language& l : choices) {
        const QByteArray name = "Language_" + (l.code.isEmpty() ? QByteArray("system") : l.code.toLatin1());
        QAction* a = addAction(menu, name.constData(), l.nativeName, [this, code = l.code] {
            if (settings_.saveLanguage(code))
                systemLine(tr("The new language is used when Rimbalo starts again."));
            else
                systemLine(tr("Your settings could not be saved: %1").arg(settings_.lastError()));
        });
        a->setCheckable(true);
        a->setChecked(l.code == saved || (l.code.isEmpty() && resolvedLanguage(saved, {}) != saved));
        group->addAction(a);
    }
}

void Tchat::buildHelpMenu() {
    auto add = [this](QMenu* m, const char* n, const QString& t, auto h) { return addAction(m, n, t, h); };

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    add(help, "Content1", tr("Content"), [this] {
        if (windows_.help) windows_.help->showOver(this);
    })->setShortcut(QKeySequence(Qt::Key_F1));
    add(help, "About1", tr("About"), [this] {
        if (windows_.about) windows_.about->showOver(this);
    });
}

void Tchat::buildSeatPopup() {
    auto add = [this](QMenu* m, const char* n, const QString& t, auto h) { return addAction(m, n, t, h); };
    popupKick_ = new QMenu(this);
    popupKick_->setObjectName(QStringLiteral("popup_kick"));
    add(popupKick_, "RemoveFromGame1", tr("Remove From Game"),
        [this] { kicking(popupKick_->property("Tag").toInt()); });
    auto watch = [this](int flag) {
        const int seat = popupKick_->property("Tag").toInt();
        if (!state_.loggedin || !state_.isSeat(seat)) return;
        send(protocol::encode(protocol::toserver::JustWatch{.slot = seat, .flag = flag}));
    };
    add(popupKick_, "SettoJustWatch1", tr("Set to Just Watch"), [watch] { watch(1); });
    add(popupKick_, "UnsetJustWatch1", tr("Unset Just Watch"), [watch] { watch(2); });
}

QStringList Tchat::otherSeatNames() const {
    return table_->otherNames(state_.myslot);
}

} // namespace client
