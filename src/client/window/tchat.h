#pragma once
// The main window: builds the game panel from its parts and wires them, the menu, the game connection,
// the settings, and the dispatch table that routes each received command to the part that handles it.

#include "client/net/clientstate.h"
#include "client/net/dispatcher.h"
#include "client/net/gameconnection.h"
#include "client/net/shufflecheck.h"
#include "client/play/hintsource.h"
#include "client/settings/settingsfile.h"
#include "commandline.h"
#include "protocol/facts.h"
#include "protocol/messages.h"
#include "windows/lazywindow.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QTcpSocket>
#include <QTimer>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

class QAction;
class QMenu;

namespace windows {
class Tgamestart;
class Thelp;
class Tabout;
class Tspylist;
class Tdownload;
class HostDialog;
class JoinDialog;
class TableCodeDialog;
} // namespace windows

class QMessageBox;

namespace client {

class SeatDisplay;
class Table;
class TableLobby;
class GameFlow;
class GameInfo;
class TurnControls;
class BoardView;
class RackView;
class ChatView;
class ChatInput;
class ChatterSounds;
class PhraseButtons;
class SoundCues;
class TileImages;
class HeldPicture;
class RoundSummary;
class Hints;
class KeyMap;
class TurnAlert;

class Tchat : public QMainWindow {
    Q_OBJECT
public:
    explicit Tchat(QWidget* parent = nullptr);
    ~Tchat() override;
    // What tells the player of a turn that begins while the window is in the background.
    TurnAlert* turnAlert() const { return alert_; }

    // The auxiliary windows the menu opens and the handlers fill; any may be missing. Each is built
    // when first used: the window connects to one when it is built.
    struct Windows {
        windows::LazyWindow<windows::Tgamestart> gamestart{};
        windows::LazyWindow<windows::Thelp> help{};
        windows::LazyWindow<windows::Tabout> about{};
        windows::LazyWindow<windows::Tspylist> spylist{};
        windows::LazyWindow<windows::Tdownload> download{};
        windows::LazyWindow<windows::HostDialog> hostDialog{};
        windows::LazyWindow<windows::JoinDialog> joinDialog{};
    };
    void attachWindows(const Windows& w);
    // The version text sent at login.
    void setVersionText(const QString& version) { version_ = version; }
    // Starts this process's game server for a host (a fresh server, any earlier one stopped): on `port`,
    // on this computer's own address only (a solo game) or on every address, with slot 1 kept for the
    // window's own connection from `ownClientPort`. Returns the port it listens on, 0 on failure.
    struct HostRequest {
        quint16 port = 0;
        bool loopbackOnly = false;
        quint16 ownClientPort = 0;
    };
    using ServerStarter = std::function<quint16(const HostRequest& request, QString* error)>;
    void setServerStarter(ServerStarter starter) { startServer_ = std::move(starter); }
    // A starter that only cares for the port.
    void setServerStarter(std::function<quint16(quint16 port, QString* error)> starter) {
        startServer_ = [starter = std::move(starter)](const HostRequest& r, QString* error) {
            return starter(r.port, error);
        };
    }
    // Stops this process's game server, if one runs (before joining another game).
    void setServerStopper(std::function<void()> stopper) { stopServer_ = std::move(stopper); }
    void setGamePort(quint16 port) { gamePort_ = port; }
    void setLobbyPort(quint16 port) { lobbyPort_ = port; }
    // Shows a notice; unless replaced, a message box that does not wait for its answer (one box per
    // text at a time).
    void setMessageBox(std::function<void(const QString&)> show) { messageBox_ = std::move(show); }
    // Asks the player for a chat colour, starting from the current one; a colour dialog unless replaced.
    void setColourChooser(std::function<std::optional<QColor>(const QColor&)> choose) {
        chooseColour_ = std::move(choose);
    }
    // The desktop's work area: the window and its panel fit in it, and its placement is saved within it.
    void setWorkArea(std::function<QRect()> area) { workArea_ = std::move(area); }
    // Lets the panel shrink below its base layout (down to 0.7) when the work area is too small for
    // it, and cuts a window larger than the work area down to it.
    void fitWorkArea();
    // The command line, read when the window is first shown.
    void setArguments(const QStringList& args) { args_ = args; }

    void setPlayerName(const QString& name) { state_.playername = name; }
    const QString& playerName() const { return state_.playername; }
    // Where the Hint button's advice comes from; without one the button stays disabled.
    void setHintSource(HintSource source);

    // Start-up roles.
    void processparams(const QStringList& args);
    void hostpress();
    void joinpress();

    // Playing with others from the window: the dialogs, and what they ask for. Hosting leaves the game
    // this window is in (and stops its server) first; joining leaves it once the new game has given
    // this window a slot, and keeps it when the join fails. A window hosting for friends does not host
    // again on top of their game: it stops hosting first.
    void openHostDialog();
    void openJoinDialog();
    void hostGame(const QString& name, quint16 port);
    void joinGame(const QString& name, const QString& host, quint16 port);
    // Ends the game this window is in and starts a solo game ("Play Solo", "Stop Hosting").
    void playSolo();
    // "Stop Hosting" in Host a Game…: the friends' game ends (once the player confirms), a solo game starts.
    void stopHosting();
    // What leaving the game now would cost, for the player to confirm ("You are hosting: the game
    // ends for Bob and Carol."); empty when nothing is lost.
    QString leavingLoss() const;
    // Runs `proceed` at once when leaving costs nothing, else once the player has confirmed `action`
    // in a question naming the loss.
    void confirmLeaving(const QString& action, std::function<void()> proceed);
    // "Exit": closes the window once the player has confirmed what that ends.
    void exitGame();
    // No "CMD_sendlogininfo" within the login time after a connect: the connect has failed.
    void logintimerTimer();

    // One received command, handled at once (the connection calls this from its queue).
    void handleCommand(std::string_view entry);
    std::vector<std::string> dispatchWords() const { return dispatcher_.words(); }
    // The connection of the game this window is in.
    GameConnection& connection() { return *connection_; }
    QTcpSocket& lobbyLink() { return sock11_; }
    const ClientState& state() const { return state_; }
    // The table as the window knows it: seats, board, rack and the tile in hand.
    const Table& table() const { return *table_; }
    int botspeed() const { return botspeed_; }
    // The newest game records a hosting window keeps (0: all); the choice in Options > Records Kept.
    int keptRecords() const { return keptRecords_; }
    void setKeptRecords(int count);
    int computerOpponents() const;
    int computerLevel() const; // a place in protocol::kComputerLevels
    // The host's "Allow Hints" choice (its server tells every player).
    bool hintsAllowed() const;

    // Operations other parts and windows use.
    void kicking(int slot);
    void loadinifile();
    void saveinifile();
    void resetScreenLocation();
    // Seat popup: enables its items for `seat` (2..4) as the host's powers allow.
    void prepareSeatPopup(int seat);
    void startGame();
    void sendStartGame(int playtoscore, int seconds, bool timepenalty, bool teamgame, int tiles);
    // Tile sets: the menu from the tile folder, and loading one by name.
    void tilemenu();
    void loadtile(const QString& name);
    void tilemenuClick(const QString& name);
    QString currentTileSet() const { return currenttileset_; }
    // The names shown on the other seats (not this client's own, nor empty or waiting seats).
    QStringList otherSeatNames() const;
    // The nine phrase buttons' texts; setting them also writes them to the settings file.
    std::array<QString, protocol::kPhrases> phrases() const;
    void setPhrases(const std::array<QString, protocol::kPhrases>& phrases);
    // A notice to the player in the chat view, in the system style.
    void systemLine(const QString& text);
    // The factor at which the game panel is shown: 1 at the smallest window, growing in tenths with it.
    qreal panelScale() const;
    // The tile pictures the game shows (another window may draw with them).
    const TileImages& tileImages() const { return *tiles_; }

signals:
    void closed();
    // A game ended while this client held a seat: "addtomine" for a win of one's own, else the winner.
    void gameRecorded(const QString& winner);
    // "View Tally" was chosen.
    void tallyRequested();
    // "Game Records…" was chosen.
    void recordsRequested();
    // "Phrase List" was chosen: the phrase editor opens with phrases().
    void phraseListRequested();
    // The computer delay (ms) chosen in the menu or read from the settings; the host's server uses it.
    void botSpeedChanged(int ms);
    // Options > Records Kept: how many of the newest game records a hosting window keeps (0: all).
    void keptRecordsChanged(int count);
    // The number of computer opponents (1..3) chosen in the game start dialog or read from the settings;
    // the host's server seats the computer in that many empty seats. Host-local: nothing is sent.
    void computerOpponentsChanged(int count);
    // The level the host's computer seats play at (the game start dialog's choice), a place in
    // protocol::kComputerLevels.
    void computerLevelChanged(int level);
    // The host allows or forbids hints ("Allow Hints" in the menu or the settings); the host's server
    // tells every player.
    void hintsAllowedChanged(bool allowed);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel();
    // Shows the panel at `factor` in the middle of the client area.
    void rescale(qreal factor);
    void buildMenu();
    void buildGameMenu();
    void buildViewMenu();
    void buildOptionsMenu();
    void buildOptionSubmenus(QMenu* options);
    void buildLanguageMenu(QMenu* options);
    void buildHelpMenu();
    void buildSeatPopup();
    template <class Handler>
    QAction* addAction(QMenu* menu, const char* name, const QString& text, Handler handler);
    void buildDispatchTable();
    void send(const std::string& command);
    void play(const QString& cue);

    // Handlers of received commands that concern the window and its connection; the parts handle
    // the rest.
    void sendloginfo(std::string_view args);
    void full();
    void showNotice(const QString& text);
    QMessageBox* noticeBox(const QString& text) const; // the notice on screen with that text
    void yourtiles(const protocol::toclient::YourTiles& m);
    void freecard(const protocol::toclient::FreeCard& m);
    void loadboard(const protocol::toclient::LoadBoard& m);

    // The game connection's life (tchat_network.cpp).
    void setUpConnection();
    void attachNetworkWindows();
    void handleCommandsOf(GameConnection& c);
    void attachConnection(GameConnection& c);
    void retire(std::unique_ptr<GameConnection> c);
    bool startHosting(quint16 port, bool loopbackOnly);
    void hostSolo();
    void hostConnect();
    void showJoinerControls();
    void showHostControls(bool on);
    void openConnection(const QString& host, quint16 port);
    void rememberJoin(const QString& name, const QString& host, quint16 port);
    void openJoining();
    void joiningCommand(std::string_view entry);
    void joiningFailed(const QString& reason);
    void socketError(QAbstractSocket::SocketError error);
    void connectFailed(const QString& reason);
    void reportConnectFailure(const QString& where, const QString& reason, std::function<void()> retry);
    bool closeNeedsConfirming(QCloseEvent* event);
    void connectionClosed();
    void leaveGame();
    void showGameAddresses();
    void showNextGameOptions();
    void saveNetwork(const NetworkSettings& settings);

    // Settings.
    Preferences collectPreferences() const;
    void applyPreferences(const Preferences& prefs);
    void placeWindow(const QRect& bounds);
    // The window's place and size, as the settings keep them.
    QRect bounds() const;
    void saveinifile(const QRect& bounds);
    void tellIfNotSaved(bool saved);
    void setBotSpeed(int ms);
    void setHintsAllowed(bool allowed);
    void setComputerLevel(int level);
    void showComputerLevel(int level);
    static QByteArray levelActionName(int level);
    // The Options items that only the host's own server heeds.
    void setHostOptionsEnabled(bool enabled);
    void setTurnSound(int choice);
    void setTextSize(int size);
    void chooseTextColour();

    ClientState state_;
    std::unique_ptr<GameConnection> connection_;
    // A join in progress: the game this window is in goes on until this connection has been given a
    // slot, and is kept when it fails.
    std::unique_ptr<GameConnection> joining_;
    QTcpSocket sock11_;
    Dispatcher dispatcher_;
    SettingsFile settings_;
    Preferences lastPrefs_;
    QRect saved_; // window bounds as last loaded or saved (empty before)
    bool savedMaximized_ = false;
    bool settingsRead_ = false; // nothing is saved before the settings file was read
    int botspeed_ = protocol::kNormalComputer;
    int keptRecords_ = Preferences::kDefaultKeptRecords;
    QString currenttileset_;
    QString version_;
    ServerStarter startServer_;
    std::function<void()> stopServer_;
    quint16 gamePort_ = protocol::kGamePort;
    quint16 hostPort_ = protocol::kGamePort; // the port this host listens on
    QString hostError_;                      // why hosting failed last
    QString targetHost_;                     // where the game connection goes
    quint16 targetPort_ = protocol::kGamePort;
    QTimer logintimer_;         // runs from a connect until the server's first command
    bool remoteClosed_ = false; // the server closed the connection (rather than it being lost)
    int closingReason_ = 0;     // why the server said it closes the connection; 0: it said nothing
    QString joinName_;          // the join in progress: under what name, where to
    QString joinHost_;
    quint16 joinPort_ = protocol::kGamePort;
    QPointer<QWidget> leaveBox_;
    bool leaveConfirmed_ = false;
    bool windowClosed_ = false;
    bool solo_ = false; // the game started without arguments, for this player alone
    QPointer<QWidget> connectBox_;
    quint16 lobbyPort_ = 9001;

    // Tables and getting back to our seat (tchat_tables.cpp).
    void buildTableDispatch();
    bool tableStep(); // before the login: a table to choose or a seat to claim first
    void tableError(const QString& text);
    static QString shownServerText(const QString& text);
    void followRedirect(const QString& code, const QString& host, quint16 port);
    bool startReconnecting();
    void scheduleReconnect();
    void giveUpReconnecting();
    void showClosed(const QString& why);
    // The tables of a table server in Join a Game… (tchat_lobby.cpp).
    void attachTableLobby(windows::JoinDialog* dialog);
    void sitAtTable(const QString& name, const QString& host, quint16 port, bool create, bool isPublic,
                    const QString& codeOrName);
    void seatedByLobby(const QString& code, bool isPublic, const QString& name);
    TableLobby* lobby_ = nullptr; // the server whose tables Join a Game… lists
    bool creatingTable_ = false;  // the table being sat at is one we asked to create
    windows::TableCodeDialog* codeDialog_ = nullptr;
    QString tableCode_;         // the table to join (from "HOST/CODE"); empty for none
    bool tableAsked_ = false;   // its join was sent on this connection
    bool atTable_ = false;      // the server is a table server: seat 1 or its word gives the powers
    bool redirecting_ = false;  // told to find the table on another server: going there
    int redirects_ = 0;         // redirects followed for the table asked for
    std::string seatToken_;     // what brings this player back to the seat
    bool reconnecting_ = false; // the connection dropped during a game: trying to get back
    bool reconnectAsked_ = false;
    int reconnectTries_ = 0;
    qint64 reconnectStarted_ = 0;
    QTimer reconnectTimer_;
    std::function<void(const QString&)> messageBox_;
    bool full_ = false;
    std::function<QRect()> workArea_;
    std::function<std::optional<QColor>(const QColor&)> chooseColour_;
    QStringList args_;
    bool shownOnce_ = false;
    Windows windows_;

    QWidget* panel_ = nullptr;
    Table* table_ = nullptr; // the seats and their figures, as the server told them
    SeatDisplay* seats_ = nullptr;
    GameFlow* flow_ = nullptr;
    GameInfo* info_ = nullptr;
    TurnControls* turn_ = nullptr;
    BoardView* board_ = nullptr;
    RackView* rack_ = nullptr;
    ChatView* chat_ = nullptr;
    ChatInput* input_ = nullptr;
    PhraseButtons* phrases_ = nullptr;
    SoundCues* sounds_ = nullptr;
    ChatterSounds* chatter_ = nullptr;
    std::unique_ptr<TileImages> tiles_;
    HeldPicture* held_ = nullptr;
    RoundSummary* summary_ = nullptr;
    Hints* hints_ = nullptr;
    KeyMap* keys_ = nullptr;
    TurnAlert* alert_ = nullptr;
    // Tab walks the panel in playing order: rack, board, turn buttons, then the chat.
    void setFocusOrder();
    // What the board tells goes to the turn's controls and the tile in hand's picture.
    void wireBoard();
    ShuffleCheck shuffle_;

    std::map<QString, QAction*> actions_;
    QMenu* popupKick_ = nullptr;
    QAction* action(const char* name) const;
};

} // namespace client
