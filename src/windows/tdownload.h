#pragma once
// Shown beside a solo game: where to get the lobby that hosts games with other players. The dialog
// downloads the lobby's installer and runs it, or starts the installed lobby; either way this program
// then asks to end (exitRequested), which the program answers by closing the main window. The
// installer's address comes from the player's settings: without one nothing is ever downloaded. Where
// the lobby cannot be installed, "Play with Others" offers hosting or joining a game instead.

#include "auxwindow.h"

#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;

namespace windows {

class ImageButton;

class Tdownload : public AuxWindow {
    Q_OBJECT
public:
    // Download state kept in infolabel's "Tag" property.
    enum State { Idle = 0, Running = 1, Aborted = 2 };

    // Starts `program` with `arguments` through the desktop; false when it could not be started.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;
    // Where a downloaded file of this name is written.
    using SavePath = std::function<QString(const QString& fileName)>;

    static const char* const kUserAgent;
    static const char* const kAccept;
    // Parameters that make the installer run silently.
    static QStringList installerArguments();
    // The installed lobby on this platform; empty where it cannot be installed.
    static QString defaultLobbyPath();
    // The desktop's open action: the program is started detached.
    static bool desktopOpen(const QString& program, const QStringList& arguments);

    explicit Tdownload(QWidget* parent = nullptr);
    ~Tdownload() override;

    // The installer's address; an empty or unusable one disables "Download And Install" and says why.
    void setUrl(const QUrl& url);
    // The "Don't show this again" box as the settings have it.
    void setDontShowAgain(bool checked);
    void setSavePath(SavePath savePath) { savePath_ = std::move(savePath); }
    void setLauncher(Launcher launcher) { launcher_ = std::move(launcher); }
    // The installed lobby; empty where there is none to be had, which makes "Play with Others" offer
    // hosting or joining a game.
    void setLobbyPath(const QString& path);

    State state() const;
    bool downloading() const { return !reply_.isNull(); }

    // "Download And Install", "Stop Download" and "Play with Others".
    void getbuttonClick();
    void abortbuttonClick();
    void button2Click();

signals:
    // The lobby or its installer is running: this program should end now.
    void exitRequested();
    // "Play with Others" where there is no lobby: the player chose to host or to join a game.
    void hostRequested();
    void joinRequested();
    // The "Don't show this again" box was changed by the player.
    void dontShowAgainChanged(bool checked);

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    QLabel* wrapped(const char* name, const QString& text, int y, int h);
    void setState(State state);
    void startRequest();
    void headersArrived();
    void dataArrived();
    void requestFinished();
    QString failureOf(QNetworkReply* reply) const;
    void install();
    void message(const QString& text);
    void offerHostOrJoin();

    QUrl url_;
    SavePath savePath_;
    Launcher launcher_;
    QString lobbyPath_;

    QLabel* infolabel_ = nullptr;
    QLabel* infolabel2_ = nullptr;
    QLabel* infolabel3_ = nullptr;
    ImageButton* getbutton_ = nullptr;
    ImageButton* abortbutton_ = nullptr;
    ImageButton* button1_ = nullptr;
    ImageButton* button2_ = nullptr;
    QLabel* label5_ = nullptr;
    QCheckBox* dontShow_ = nullptr;

    QNetworkAccessManager* manager_ = nullptr;
    QPointer<QNetworkReply> reply_;
    std::unique_ptr<QSaveFile> file_;
    qint64 received_ = 0;
    QString writeError_;
};

} // namespace windows
