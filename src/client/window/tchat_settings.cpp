// The main window's side of the settings file: the controls are the only copy of each preference.

#include "tchat.h"

#include "client/chat/chatinput.h"
#include "client/chat/chatview.h"
#include "client/chat/phrasebuttons.h"
#include "client/play/boardview.h"
#include "client/play/rackview.h"
#include "client/sound/soundcues.h"
#include "client/table/table.h"
#include "gameflow.h"

#include "protocol/messages.h"
#include "windows/tgamestart.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

namespace client {

Preferences Tchat::collectPreferences() const {
    Preferences p = lastPrefs_;
    p.bounds = bounds();
    p.maximized = isMaximized();
    p.textsize = chat_->textSize();
    p.textcolor = input_->textColour();
    p.phrases = phrases_->phrases();
    p.playsounds = action("PlaySounds1")->isChecked();
    p.sortby = rack_->sortChoice() == 2 ? 2 : 1;
    if (windows_.gamestart) {
        const auto o = windows_.gamestart->options();
        p.playtoscore = o.playtoscore;
        p.timeperturn = o.creationtime;
        p.tilestostart = o.tiles;
        p.timepenalty = o.timepenalty;
        p.opponents = windows_.gamestart->chosenOpponents();
        p.level = o.level;
    }
    p.turnsound = flow_->turnSound();
    p.botspeed = botspeed_;
    p.tiles = currenttileset_;
    p.chattersounds = action("PlayChatterSounds1")->isChecked();
    p.turnnotify = action("TurnNotify1")->isChecked();
    p.allowhints = hintsAllowed();
    p.keptrecords = keptRecords_;
    return p;
}

void Tchat::applyPreferences(const Preferences& p) {
    lastPrefs_ = p;
    placeWindow(p.bounds);
    if (p.maximized != isMaximized()) setWindowState(windowState() ^ Qt::WindowMaximized);
    saved_ = bounds();
    savedMaximized_ = p.maximized;
    setTextSize(p.textsize);
    input_->setTextColour(p.textcolor);
    for (int i = 0; i < PhraseButtons::kPhrases; ++i) {
        const QString& phrase = p.phrases[static_cast<std::size_t>(i)];
        if (!phrase.isEmpty()) phrases_->setPhrase(i + 1, phrase);
    }
    action("PlaySounds1")->setChecked(p.playsounds);
    sounds_->setEnabled(p.playsounds);
    rack_->setSortChoice(p.sortby);
    if (windows_.gamestart)
        windows_.gamestart->restore(p.playtoscore, p.timeperturn, p.tilestostart, p.timepenalty, p.opponents,
                                    p.level);
    setTurnSound(p.turnsound);
    setBotSpeed(p.botspeed);
    if (!p.tiles.isEmpty() && p.tiles != currenttileset_) {
        loadtile(p.tiles);
        board_->redrawTiles();
        rack_->redrawTiles();
    }
    action("PlayChatterSounds1")->setChecked(p.chattersounds);
    action("TurnNotify1")->setChecked(p.turnnotify);
    if (p.allowhints != hintsAllowed()) setHintsAllowed(p.allowhints);
    setKeptRecords(p.keptrecords);
}

void Tchat::placeWindow(const QRect& bounds) {
    // No bigger than the desktop's work area (a damaged file may ask for any size).
    QRect r(bounds.topLeft(), bounds.size().boundedTo(workArea_().size()));
    // A window placed where no screen shows it (settings from another desktop) comes back at 3, 3.
    bool visible = QGuiApplication::screens().isEmpty();
    for (const QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().intersects(r.adjusted(0, 0, 0, -r.height() + 30))) visible = true;
    if (!visible) r.moveTo(3, 3);
    fitWorkArea();
    move(r.topLeft());
    resize(r.size().expandedTo(minimumSizeHint()));
}

void Tchat::loadinifile() {
    const SettingsFile::Loaded loaded = settings_.load(collectPreferences());
    if (loaded.readFailed)
        systemLine(tr("The settings file could not be read; the usual settings are used."));
    applyPreferences(loaded.prefs);
    settingsRead_ = true;
    if (loaded.fromOldSection) {
        // What the controls show now is taken over: a value they cannot show is not kept.
        Preferences shown = collectPreferences();
        shown.phrases = phrases_->phrases();
        tellIfNotSaved(settings_.takeOver(shown));
    }
    if (state_.myslot == 1 && state_.loggedin)
        send(protocol::encode(protocol::toserver::BotSpeed{.slot = state_.myslot, .delay = botspeed_}));
}

void Tchat::saveinifile() {
    saveinifile(bounds());
}

QRect Tchat::bounds() const {
    // A maximised window keeps the place and size it goes back to.
    return isMaximized() ? normalGeometry() : QRect(pos(), size());
}

void Tchat::saveinifile(const QRect& bounds) {
    // Until the file was read the controls show the design values, not the player's: writing them
    // would wipe the saved settings of a program that never got connected.
    if (!settingsRead_) return;
    Preferences p = collectPreferences();
    p.bounds = bounds;
    lastPrefs_ = p;
    tellIfNotSaved(settings_.save(p));
}

void Tchat::tellIfNotSaved(bool saved) {
    if (!saved) systemLine(tr("Your settings could not be saved: %1").arg(settings_.lastError()));
}

void Tchat::setBotSpeed(int ms) {
    botspeed_ = protocol::isComputerSpeed(ms) ? ms : protocol::kNormalComputer;
    const char* name = botspeed_ == protocol::kSlowComputer   ? "Slow1"
                       : botspeed_ == protocol::kFastComputer ? "Fast1"
                                                              : "Normal1";
    action(name)->setChecked(true);
    emit botSpeedChanged(botspeed_);
}

void Tchat::setKeptRecords(int count) {
    keptRecords_ = std::clamp(count, 0, Preferences::kMostKeptRecords);
    // The menu's choices; a number written into the settings file by hand is kept but ticks none.
    if (const QMenu* menu = menuBar()->findChild<QMenu*>(QStringLiteral("RecordsKept1")))
        for (QAction* a : menu->actions())
            a->setChecked(a->property("Tag").toInt() == keptRecords_);
    emit keptRecordsChanged(keptRecords_);
}

void Tchat::setHintsAllowed(bool allowed) {
    table_->setHintsAllowed(allowed);
}

bool Tchat::hintsAllowed() const {
    return table_->hintsAllowed();
}

// The menu's level and the game start dialog's box are one choice: the dialog, when there is one,
// holds it and tells the server (and the menu) of the change.
void Tchat::setComputerLevel(int level) {
    showComputerLevel(level);
    if (windows_.gamestart)
        windows_.gamestart->setLevel(level);
    else
        emit computerLevelChanged(level);
}

void Tchat::showComputerLevel(int level) {
    if (level >= 0 && level < static_cast<int>(protocol::kComputerLevels.size()))
        action(levelActionName(level))->setChecked(true);
}

void Tchat::setHostOptionsEnabled(bool enabled) {
    for (int level = 0; level < static_cast<int>(protocol::kComputerLevels.size()); ++level)
        action(levelActionName(level))->setEnabled(enabled);
    action("AllowHints1")->setEnabled(enabled);
}

// The Options menu's item of a level: "LevelBeginner1" .. "LevelMaster1".
QByteArray Tchat::levelActionName(int level) {
    return "Level" +
           windows::levelTitle(protocol::kComputerLevels[static_cast<std::size_t>(level)]).toLatin1() + "1";
}

void Tchat::setTurnSound(int choice) {
    flow_->setTurnSound(choice);
    action(flow_->turnSound() == 1 ? "New1" : "Classic1")->setChecked(true);
}

void Tchat::setTextSize(int size) {
    // A size from a damaged file must not make the chat unreadable.
    const int applied = qBound(6, size, 48);
    chat_->setTextSize(applied);
    const QByteArray name = "N" + QByteArray::number(applied);
    if (QAction* a = action(name.constData())) {
        a->setChecked(true);
    } else {
        for (const char* n : {"N8", "N10", "N12", "N14"})
            action(n)->setChecked(false);
    }
}

void Tchat::chooseTextColour() {
    const std::optional<QColor> chosen = chooseColour_(input_->textColour());
    if (!chosen) return;
    input_->setTextColour(*chosen);
    saveinifile();
}

} // namespace client
