// The main window's construction: the game panel and its parts, how they are wired to each other, and
// the operations the menu and the auxiliary windows use.

#include "tchat.h"

#include "client/chat/chatinput.h"
#include "client/chat/chatview.h"
#include "client/chat/phrasebuttons.h"
#include "client/panel/cachedpicture.h"
#include "client/panel/panelscale.h"
#include "client/panel/panelstyle.h"
#include "client/play/boardview.h"
#include "client/play/dragcontroller.h"
#include "client/play/heldpicture.h"
#include "client/play/hints.h"
#include "client/play/keymap.h"
#include "client/play/rackview.h"
#include "client/play/tileimages.h"
#include "client/seats/gameinfo.h"
#include "client/seats/roundsummary.h"
#include "client/seats/seatdisplay.h"
#include "client/sound/chattersounds.h"
#include "client/sound/soundcues.h"
#include "client/table/table.h"
#include "client/turn/turncontrols.h"
#include "gameflow.h"
#include "turnalert.h"

#include "protocol/messages.h"
#include "windows/artwork.h"
#include "windows/tabout.h"
#include "windows/tdownload.h"
#include "windows/tgamestart.h"
#include "windows/thelp.h"
#include "windows/tspylist.h"
#include "windows/version.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QNetworkProxy>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>

namespace client {

namespace {

// The game surface: 750 x 520 at the base layout, on the painted backdrop, with insets behind the
// groups of controls.
class BoardPanel : public PictureWidget {
public:
    explicit BoardPanel(QWidget* parent) : PictureWidget(&style::paintPanelSurface, parent) {
        setObjectName(QStringLiteral("panel_board"));
        resize(scale::kPanel);
    }
};

// Holds the panel in its middle, as large as the client area lets it be, and keeps the client area
// from shrinking below the base layout (or below the smaller one a small work area needs). Its
// backdrop shows only in the margins round the panel, rarely exposed: painted straight to the screen
// rather than kept as a picture the size of the window.
class PanelHost : public QWidget {
public:
    PanelHost(QWidget* parent, std::function<void(qreal)> rescale)
        : QWidget(parent), rescale_(std::move(rescale)) {
        setObjectName(QStringLiteral("clientarea"));
        setAttribute(Qt::WA_OpaquePaintEvent); // the backdrop covers every pixel
        setMinimumSize(scale::kPanel + scale::kMargin);
    }
    // Lets the panel shrink to `factor` (below 1 only on a screen too small for the base layout).
    void setLeast(qreal factor) {
        if (factor == least_) return;
        least_ = factor;
        setMinimumSize(scale::kPanel * factor + scale::kMargin);
        rescale_(scale::fitting(size(), least_));
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        rescale_(scale::fitting(size(), least_));
    }
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.setClipRegion(e->region());
        windows::paintBackdrop(p, rect());
    }

private:
    std::function<void(qreal)> rescale_;
    qreal least_ = 1;
};

// The maker's logo below the board; a click opens the maker's web site.
class LogoPicture : public QWidget {
public:
    LogoPicture(QWidget* parent, std::function<void()> clicked)
        : QWidget(parent), clicked_(std::move(clicked)) {
        setObjectName(QStringLiteral("Image2"));
        setCursor(Qt::PointingHandCursor);
        setToolTip(QString::fromLatin1(windows::kMakerSite));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        windows::glyphs::logo(p, QRectF(rect()));
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) clicked_();
    }

private:
    std::function<void()> clicked_;
};

} // namespace

Tchat::Tchat(QWidget* parent)
    : QMainWindow(parent), connection_(std::make_unique<GameConnection>()), sock11_(this),
      tiles_(std::make_unique<TileImages>()) {
    setObjectName(QStringLiteral("Tchat"));
    setWindowTitle(QStringLiteral("Rimbalo"));
    sock11_.setObjectName(QStringLiteral("Sock11"));
    sock11_.setProxy(QNetworkProxy::NoProxy); // the lobby link is to this machine
    version_ = QString::fromLatin1(windows::kVersionText);
    messageBox_ = [this](const QString& text) { showNotice(text); };
    chooseColour_ = [this](const QColor& current) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(current, this, tr("Text Color"));
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    };
    workArea_ = [this] {
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    };
    buildPanel();
    buildMenu();
    buildDispatchTable();
    setUpConnection();
    resize(775, 580);
    flow_->clearall();
}

Tchat::~Tchat() {
    // The connections close with their sockets while the window is being taken apart: neither may
    // close the window (and save its settings) from inside its own destruction.
    for (GameConnection* c : {connection_.get(), joining_.get()}) {
        if (!c) continue;
        disconnect(c, nullptr, this, nullptr);
        disconnect(&c->socket(), nullptr, this, nullptr);
        c->setCommandHandler({});
    }
    sock11_.disconnect(this);
    sock11_.abort();
}

void Tchat::buildPanel() {
    auto* host = new PanelHost(this, [this](qreal factor) { rescale(factor); });
    setCentralWidget(host);
    panel_ = new BoardPanel(host);
    panel_->move(7, 6);
    scale::placedByOwner(panel_);
    scale::setPanelFactor(panel_, 1);
    // Every control inherits its text size from the panel's.
    scale::setFont(panel_, panel_->font());
    board_ = new BoardView(panel_);
    table_ = new Table(this);
    seats_ = new SeatDisplay(panel_);
    seats_->attach(&state_, table_);
    connect(seats_, &SeatDisplay::systemLine, this, &Tchat::systemLine);
    connect(seats_, &SeatDisplay::ownLogin, this, [this] { loadinifile(); });
    connect(seats_, &SeatDisplay::ownWatchingChanged, this, [this](bool watching) {
        if (QAction* own = action("JustWatch1")) own->setChecked(watching);
    });
    info_ = new GameInfo(panel_);
    chat_ = new ChatView(panel_);
    input_ = new ChatInput(panel_, &state_, [this](const std::string& command) { send(command); });
    phrases_ = new PhraseButtons(panel_);
    rack_ = new RackView(panel_);
    turn_ = new TurnControls(panel_);
    turn_->attach(&state_);
    auto* logo = new LogoPicture(
        panel_, [this] { chat_->openAddress(QUrl(QString::fromLatin1(windows::kMakerSite))); });
    logo->setGeometry(400, 384, 58, 37);
    sounds_ = new SoundCues(this);
    chatter_ = new ChatterSounds(
        this, {.state = &state_,
               .sounds = sounds_,
               .send = [this](const std::string& command) { send(command); },
               .chatterOn = [this] { return action("PlayChatterSounds1")->isChecked(); },
               .nameOf = [this](int slot) { return state_.isSeat(slot) ? table_->name(slot) : QString(); },
               .systemLine = [this](const QString& text) { systemLine(text); }});
    held_ = new HeldPicture(panel_, &state_, &table_->rack(), tiles_.get());
    held_->trackPanel();
    rack_->attach(&state_, &table_->rack(), tiles_.get(), held_);
    connect(rack_, &RackView::cue, sounds_, &SoundCues::play);
    connect(rack_, &RackView::systemLine, this, &Tchat::systemLine);
    board_->attach({.state = &state_,
                    .tiles = tiles_.get(),
                    .table = table_,
                    .send = [this](const std::string& command) { send(command); }});
    connect(board_, &BoardView::cue, sounds_, &SoundCues::play);
    wireBoard();
    new DragController(panel_, {.state = &state_,
                                .board = board_,
                                .rack = rack_,
                                .model = &table_->rack(),
                                .turn = turn_,
                                .tiles = tiles_.get()});
    keys_ = new KeyMap(this, panel_,
                       {.state = &state_, .board = board_, .rack = rack_, .model = &table_->rack()});
    summary_ = new RoundSummary(panel_);
    hints_ =
        new Hints(this, {.state = &state_, .board = board_, .rack = rack_, .turn = turn_, .table = table_});
    flow_ = new GameFlow(this, {.state = &state_,
                                .table = table_,
                                .info = info_,
                                .turn = turn_,
                                .board = board_,
                                .rack = rack_,
                                .summary = summary_,
                                .sounds = sounds_,
                                .hints = hints_,
                                .send = [this](const std::string& command) { send(command); },
                                .systemLine = [this](const QString& text) { systemLine(text); }});
    connect(flow_, &GameFlow::gameStarted, this, [this] {
        if (QAction* a = action("JustWatch1")) a->setChecked(false);
    });
    connect(flow_, &GameFlow::gameRecorded, this, &Tchat::gameRecorded);
    alert_ = new TurnAlert(this);
    connect(flow_, &GameFlow::ownTurnStarted, this, [this] {
        alert_->setNotifying(action("TurnNotify1")->isChecked());
        alert_->turnStarted();
    });
    connect(seats_, &SeatDisplay::cue, sounds_, &SoundCues::play);
    connect(turn_, &TurnControls::cue, sounds_, &SoundCues::play);
    connect(turn_, &TurnControls::startClicked, this, &Tchat::startGame);
    connect(rack_, &RackView::sortChosen, this, [this] {
        play(QStringLiteral("sort"));
        saveinifile();
    });
    connect(phrases_, &PhraseButtons::phraseChosen, input_, &ChatInput::sendPhrase);
    connect(phrases_, &PhraseButtons::soundMenuRequested, chatter_, &ChatterSounds::popup);
    connect(chat_, &ChatView::cleared, input_->input(), [this] { input_->input()->setFocus(); });
    chat_->setNotice([this](const QString& text) { messageBox_(text); });
    connect(seats_, &SeatDisplay::seatMenuRequested, this, [this](int seat, const QPoint& pos) {
        prepareSeatPopup(seat);
        popupKick_->popup(pos);
    });
    setFocusOrder();
    // What the panel shows now is its base layout.
    scale::record(panel_);
}

void Tchat::wireBoard() {
    held_->setBoard(board_->paintArea());
    held_->setTileSize(board_->cellSize());
    connect(board_, &BoardView::cellSizeChanged, held_, &HeldPicture::setTileSize);
    connect(board_, &BoardView::lifted, held_, &HeldPicture::showAt);
    connect(board_, &BoardView::boardChecked, turn_, [this](bool ok) { turn_->setIndicatorBlinking(!ok); });
    connect(board_, &BoardView::refused, turn_, &TurnControls::announce);
    connect(board_, &BoardView::status, turn_, &TurnControls::setStatus);
    connect(board_, &BoardView::played, turn_, [this](const QString& text, bool log) {
        turn_->setPlayed(text);
        if (log) turn_->addLog(text);
    });
    connect(board_, &BoardView::turnButtons, turn_, &TurnControls::setTurnButtons);
    connect(board_, &BoardView::clearApplies, turn_, &TurnControls::showClear);
    connect(board_, &BoardView::promptsOutdated, turn_, &TurnControls::hidePrompts);
}

void Tchat::setFocusOrder() {
    QWidget* previous = nullptr;
    for (const char* name :
         {"panel_cards", "board", "button_hint", "button_clear", "button_finish", "button_draw",
          "button_start", "button_pause", "button_log", "mychat", "mainchat"}) {
        auto* w = findChild<QWidget*>(QString::fromLatin1(name));
        if (!w) continue;
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
}

void Tchat::rescale(qreal factor) {
    if (!keys_) return; // the panel is still being built
    auto* host = panel_->parentWidget();
    if (factor != panelScale()) {
        scale::setPanelFactor(panel_, factor);
        scale::apply(panel_);
        panel_->resize(scale::kPanel * factor);
        board_->rescale();
        rack_->rescale();
        chat_->setZoom(factor);
        keys_->rescale();
    }
    panel_->move((host->width() - panel_->width()) / 2, (host->height() - panel_->height()) / 2);
}

qreal Tchat::panelScale() const {
    return scale::factor(panel_);
}

void Tchat::setHintSource(HintSource source) {
    hints_->setSource(std::move(source));
}

void Tchat::attachWindows(const Windows& w) {
    windows_ = w;
    seats_->setSpyList(w.spylist);
    attachNetworkWindows();
    if (w.about)
        w.help.whenBuilt([this](windows::Thelp* help) {
            connect(help, &windows::Thelp::aboutRequested, this, [this] { windows_.about->showOver(this); });
        });
    w.spylist.whenBuilt([this](windows::Tspylist* spylist) {
        connect(spylist, &windows::Tspylist::kickRequested, this, &Tchat::kicking);
    });
    w.gamestart.whenBuilt([this](windows::Tgamestart* gamestart) {
        connect(gamestart, &windows::Tgamestart::startRequested, this,
                [this](const windows::Tgamestart::Options& o) {
                    sendStartGame(o.playtoscore, o.creationtime, o.timepenalty, o.teamgame, o.tiles);
                    saveinifile();
                });
    });
}

QAction* Tchat::action(const char* name) const {
    const auto it = actions_.find(QString::fromLatin1(name));
    return it == actions_.end() ? nullptr : it->second;
}

void Tchat::send(const std::string& command) {
    connection_->send(command);
}

void Tchat::systemLine(const QString& text) {
    chat_->addSystemLine(text);
}

void Tchat::play(const QString& cue) {
    sounds_->play(cue);
}

std::array<QString, protocol::kPhrases> Tchat::phrases() const {
    return phrases_->phrases();
}

void Tchat::setPhrases(const std::array<QString, protocol::kPhrases>& phrases) {
    for (int i = 0; i < PhraseButtons::kPhrases; ++i)
        phrases_->setPhrase(i + 1, phrases[static_cast<std::size_t>(i)]);
    if (!settings_.savePhrases(phrases))
        systemLine(tr("Your phrases could not be saved: %1").arg(settings_.lastError()));
}

void Tchat::startGame() {
    if (!state_.loggedin) {
        messageBox_(tr("You are not connected"));
        return;
    }
    if (windows_.gamestart) windows_.gamestart->showOver(this);
}

void Tchat::sendStartGame(int playtoscore, int seconds, bool timepenalty, bool teamgame, int tiles) {
    protocol::StartGame m;
    m.hostname = state_.playername.toStdString();
    m.target = playtoscore;
    m.seconds = seconds;
    m.timepenalty = timepenalty;
    m.teamgame = teamgame;
    m.tiles = tiles;
    send(protocol::encode(m));
}

void Tchat::kicking(int slot) {
    if (!state_.powers || !state_.loggedin) return;
    send(protocol::encode(protocol::toserver::KickHim{.slot = state_.myslot, .target = slot}));
}

void Tchat::prepareSeatPopup(int seat) {
    popupKick_->setProperty("Tag", seat);
    action("RemoveFromGame1")->setEnabled(state_.powers && !table_->waiting(seat));
    action("SettoJustWatch1")->setEnabled(state_.powers);
    action("UnsetJustWatch1")->setEnabled(state_.powers);
}

void Tchat::resetScreenLocation() {
    placeWindow(QRect(3, 3, 775, 580));
}

void Tchat::fitWorkArea() {
    auto* host = static_cast<PanelHost*>(centralWidget());
    // What the window needs beyond its client area: the frame the desktop draws and the menu bar.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize extra = frame + (size() - host->size());
    const QSize work = workArea_().size();
    host->setLeast(scale::least(work - extra));
    // A window larger than the work area (placed before the work area was known) is cut down to it.
    const QSize most = work - frame;
    if (!isMaximized() && !isFullScreen() && (width() > most.width() || height() > most.height()))
        resize(size().boundedTo(most).expandedTo(minimumSizeHint()));
}

void Tchat::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The desktop's frame (and maybe the screen) is known once the window has been placed.
    fitWorkArea();
}

void Tchat::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fitWorkArea();
    if (shownOnce_) return;
    shownOnce_ = true;
    // The command line is acted on just after the window has appeared: the game's server, its
    // connection and the lobby dialog do not hold back the first sight of the window.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible()) processparams(args_);
        },
        Qt::QueuedConnection);
}

void Tchat::closeEvent(QCloseEvent* event) {
    if (closeNeedsConfirming(event)) return;
    const QRect now = bounds();
    if (now != saved_ || isMaximized() != savedMaximized_) {
        QRect kept = now;
        const QRect area = workArea_();
        if (area.width() < kept.width()) kept.setWidth(kept.width() - 15);
        if (area.height() < kept.height()) kept.setHeight(kept.height() - 15);
        saved_ = kept;
        savedMaximized_ = isMaximized();
        saveinifile(kept);
    }
    event->accept();
    windowClosed_ = true;
    emit closed();
}

} // namespace client
