#pragma once
// Shown beside a solo game: where to get the lobby that hosts games with other players. The dialog
// downloads the lobby's installer and runs it, or starts the installed lobby; either way this program
// then asks to end (exitRequested), which the program answers by closing the main window.

#include "auxwindow.h"

#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

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

    static const char* const kInstallerUrl;
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

    void setUrl(const QUrl& url) { url_ = url; }
    void setSavePath(SavePath savePath) { savePath_ = std::move(savePath); }
    void setLauncher(Launcher launcher) { launcher_ = std::move(launcher); }
    void setLobbyPath(const QString& path) { lobbyPath_ = path; }

    State state() const;
    bool downloading() const { return !reply_.isNull(); }

    // "Download And Install", "Stop Download" and "Play with Others".
    void getbuttonClick();
    void abortbuttonClick();
    void button2Click();

signals:
    // The lobby or its installer is running: this program should end now.
    void exitRequested();

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

    QNetworkAccessManager* manager_ = nullptr;
    QPointer<QNetworkReply> reply_;
    std::unique_ptr<QSaveFile> file_;
    qint64 received_ = 0;
    QString writeError_;
};

} // namespace windows
