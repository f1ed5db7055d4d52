#include "tdownload.h"

#include "artwork.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QSaveFile>

namespace windows {

const char* const Tdownload::kUserAgent = "Mozilla/3.0 (compatible)";
const char* const Tdownload::kAccept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";

namespace {
// A download that delivers nothing for this long has stalled and fails.
constexpr int kStallMs = 60000;

QString lobbyText() {
    return QCoreApplication::translate(
        "windows::Tdownload",
        "If you already have The Vemko Lobby and you wish to play with others then click the button below to "
        "close this game and open The Vemko Lobby.");
}
QString friendsText() {
    return QCoreApplication::translate(
        "windows::Tdownload",
        "To play with others, host a game on this computer or join a friend's game: click the button below.");
}
} // namespace

QStringList Tdownload::installerArguments() {
    return {QStringLiteral("/SP-"), QStringLiteral("/silent"), QStringLiteral("/noicons")};
}

QString Tdownload::defaultLobbyPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:/Program Files/Vemko/VemkoLobby.exe");
#else
    // The lobby is a Windows program: no other system has it installed, so "Play with Others" tells the
    // player how to open it instead.
    return {};
#endif
}

bool Tdownload::desktopOpen(const QString& program, const QStringList& arguments) {
#ifdef Q_OS_WIN
    return QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
#else
    // Elsewhere the desktop's open action hands the file to whatever runs such programs there; it takes
    // no parameters, so the installer's silent-install switches are left out.
    Q_UNUSED(arguments);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(program));
#endif
}

Tdownload::Tdownload(QWidget* parent)
    : AuxWindow(QStringLiteral("Tdownload"), tr("Download The Vemko Lobby"), parent),
      savePath_(
          [](const QString& name) { return QDir(QCoreApplication::applicationDirPath()).filePath(name); }),
      launcher_(&Tdownload::desktopOpen), lobbyPath_(defaultLobbyPath()) {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setFixedSize(400, 496);
    buildLayout();
    setState(Idle);
    setUrl({});
    setLobbyPath(lobbyPath_);
}

void Tdownload::setUrl(const QUrl& url) {
    url_ = url;
    // The file is run as soon as it arrives: it must come from an address the player chose. Redirects
    // may not lead from https to plain http (the request's redirect policy).
    const bool usable = url.isValid() && !url.fileName().isEmpty() &&
                        (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    getbutton_->setEnabled(usable && !downloading());
    getbutton_->setToolTip(usable ? url.toString()
                                  : tr("No download address is set: add LobbyUrl= and the "
                                       "installer's address to the [rimbalo] section of "
                                       "vemkolobby.ini."));
}

void Tdownload::setLobbyPath(const QString& path) {
    lobbyPath_ = path;
    label5_->setText(path.isEmpty() ? friendsText() : lobbyText());
}

void Tdownload::setDontShowAgain(bool checked) {
    const QSignalBlocker quiet(dontShow_);
    dontShow_->setChecked(checked);
}

Tdownload::~Tdownload() {
    // Whatever arrived of an unfinished download is thrown away with the file.
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

QLabel* Tdownload::wrapped(const char* name, const QString& text, int y, int h) {
    QLabel* label = makeLabel(QString::fromLatin1(name), text, 12);
    label->setWordWrap(true);
    label->setGeometry(20, y, 360, h);
    return label;
}

void Tdownload::buildLayout() {
    auto* picture = new PaintedImage(
        QStringLiteral("Image1"),
        [](QPainter& p, const QRect& r) {
            paintInset(p, QRectF(r), 90);
            glyphs::logo(p, QRectF(r).adjusted(20, 8, -20, -8));
        },
        this);
    picture->setGeometry(20, 14, 360, 70);
    auto* closed = makeLabel(QStringLiteral("Label2"), tr("IS CLOSED"), 16, true);
    closed->setGeometry(240, 36, 130, 24);
    QPalette red = closed->palette();
    red.setColor(QPalette::WindowText, QColor(235, 60, 50));
    closed->setPalette(red);

    wrapped("Label1",
            tr("Download The Vemko Lobby Now to play this  and other exciting games online with other "
               "players! "),
            92, 34);
    getbutton_ =
        new ImageButton(QStringLiteral("getbutton"), tr("Download And Install The Vemko Lobby Now"), this);
    getbutton_->setGeometry(40, 130, 320, 30);
    connect(getbutton_, &QAbstractButton::clicked, this, &Tdownload::getbuttonClick);
    infolabel_ = wrapped("infolabel", QString(), 166, 18);
    infolabel2_ = wrapped("infolabel2", QString(), 166, 18);
    infolabel2_->hide();
    infolabel3_ = wrapped("infolabel3", QString(), 186, 18);
    infolabel_->setGeometry(20, 166, 240, 18);
    infolabel3_->setGeometry(20, 186, 240, 18);
    abortbutton_ = new ImageButton(QStringLiteral("abortbutton"), tr("Stop Download"), this);
    abortbutton_->setBaseColour(QColor(150, 70, 60));
    abortbutton_->setGeometry(264, 168, 116, 30);
    abortbutton_->setEnabled(false);
    connect(abortbutton_, &QAbstractButton::clicked, this, &Tdownload::abortbuttonClick);

    wrapped("Label7",
            tr("To proceed to the game without the ability to play against others click the button "
               "below."),
            214, 34);
    button1_ = new ImageButton(QStringLiteral("Button1"), tr("Play Solo Game"), this);
    button1_->setBaseColour(QColor(46, 140, 70));
    button1_->setGeometry(120, 250, 160, 32);
    connect(button1_, &QAbstractButton::clicked, this, &QWidget::close);
    label5_ = wrapped("Label5", lobbyText(), 294, 50);
    button2_ = new ImageButton(QStringLiteral("Button2"), tr("Play with Others"), this);
    button2_->setGeometry(120, 346, 160, 32);
    connect(button2_, &QAbstractButton::clicked, this, &Tdownload::button2Click);
    wrapped("Label3",
            tr("Note: Even if you are playing offline, you will need to configure your FIREWALL to "
               "allow the game to access the internet components."),
            392, 52);
    dontShow_ = new QCheckBox(tr("Don't show this again"), this);
    dontShow_->setObjectName(QStringLiteral("checkbox_dontshow"));
    dontShow_->setGeometry(20, 462, 360, 22);
    QPalette pal = dontShow_->palette();
    pal.setColor(QPalette::WindowText, palette::text);
    dontShow_->setPalette(pal);
    connect(dontShow_, &QCheckBox::toggled, this, &Tdownload::dontShowAgainChanged);
}

Tdownload::State Tdownload::state() const {
    return static_cast<State>(infolabel_->property("Tag").toInt());
}

void Tdownload::setState(State state) {
    infolabel_->setProperty("Tag", static_cast<int>(state));
}

void Tdownload::getbuttonClick() {
    if (downloading() || !getbutton_->isEnabled()) return;
    const QString name = url_.fileName();
    infolabel2_->setText(name);
    infolabel3_->clear();
    writeError_.clear();
    received_ = 0;
    // The installer is written under a temporary name and takes its own name only once it is complete,
    // so neither a broken download nor an error page is ever left where it would be run.
    file_ = std::make_unique<QSaveFile>(savePath_(name));
    if (!file_->open(QIODevice::WriteOnly)) {
        infolabel3_->setText(file_->errorString());
        file_.reset();
        setState(Aborted);
        infolabel_->setText(tr("Download Aborted"));
        return;
    }
    setState(Running);
    getbutton_->setEnabled(false);
    abortbutton_->setEnabled(true);
    infolabel_->setText(QStringLiteral("Loading"));
    startRequest();
}

void Tdownload::startRequest() {
    if (!manager_) {
        manager_ = new QNetworkAccessManager(this);
        manager_->setProxy(QNetworkProxy::NoProxy);
    }
    QNetworkRequest request(url_);
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(kUserAgent));
    request.setRawHeader("Accept", kAccept);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kStallMs);
    QNetworkReply* reply = manager_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        if (reply == reply_) headersArrived();
    });
    connect(reply, &QIODevice::readyRead, this, [this, reply] {
        if (reply == reply_) dataArrived();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (reply == reply_) requestFinished();
        reply->deleteLater();
    });
}

namespace {
bool succeeded(const QNetworkReply* reply) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status < 300;
}
} // namespace

void Tdownload::headersArrived() {
    // One dot for the status line and one for every header line.
    infolabel_->setText(infolabel_->text() + QString(reply_->rawHeaderList().size() + 1, QLatin1Char('.')));
    if (succeeded(reply_)) infolabel3_->setText(tr("Downloading: %1").arg(infolabel2_->text()));
}

void Tdownload::dataArrived() {
    const QByteArray piece = reply_->readAll();
    // The body of an error answer is a page about the error, not the installer.
    if (!succeeded(reply_) || !writeError_.isEmpty()) return;
    if (file_->write(piece) != piece.size()) {
        writeError_ = file_->errorString();
        reply_->abort();
        return;
    }
    received_ += piece.size();
    infolabel_->setText(tr("%1 bytes").arg(received_));
}

QString Tdownload::failureOf(QNetworkReply* reply) const {
    if (!writeError_.isEmpty()) return writeError_;
    if (reply->error() != QNetworkReply::NoError) return reply->errorString();
    if (!succeeded(reply)) {
        return tr("The server answered %1 %2")
            .arg(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt())
            .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    }
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != received_)
        return tr("Only %1 of %2 bytes arrived").arg(received_).arg(length.toLongLong());
    if (received_ == 0) return tr("The server sent an empty file");
    return {};
}

void Tdownload::requestFinished() {
    QNetworkReply* reply = reply_;
    if (reply->bytesAvailable() > 0) dataArrived();
    reply_ = nullptr;
    QString failure = failureOf(reply);
    if (failure.isEmpty() && !file_->commit()) failure = file_->errorString();
    if (failure.isEmpty()) {
        infolabel_->setText(tr("Received %1 bytes").arg(received_));
    } else {
        file_->cancelWriting();
        infolabel_->setText(tr("Download Aborted"));
        infolabel3_->setText(failure);
        setState(Aborted);
    }
    getbutton_->setEnabled(true);
    abortbutton_->setEnabled(false);
    file_.reset();
    if (state() != Aborted) install();
}

void Tdownload::install() {
    infolabel3_->setText(tr("Installing"));
    if (launcher_(savePath_(infolabel2_->text()), installerArguments()))
        emit exitRequested();
    else
        message(tr("An Error has Occurred."));
}

void Tdownload::abortbuttonClick() {
    if (!downloading()) return;
    setState(Aborted);
    reply_->abort();
    infolabel_->setText(tr("Download has been aborted."));
    infolabel3_->setText(tr("Download Aborted"));
}

void Tdownload::button2Click() {
    if (lobbyPath_.isEmpty()) {
        offerHostOrJoin();
        return;
    }
    if (!QFileInfo(lobbyPath_).isFile()) {
        message(tr("Please close the game and open the Vemko Lobby using the icon on your desktop or "
                   "using the your Window's start-up menu."));
        return;
    }
    // Ending the game when the lobby did not start would leave the player with nothing.
    if (launcher_(lobbyPath_, {}))
        emit exitRequested();
    else
        message(tr("An Error has Occurred."));
}

void Tdownload::offerHostOrJoin() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("popup_others"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog has done its work once the player goes on to play with others.
    menu->addAction(tr("Host a Game…"), this, [this] {
        close();
        emit hostRequested();
    });
    menu->addAction(tr("Join a Game…"), this, [this] {
        close();
        emit joinRequested();
    });
    menu->popup(button2_->mapToGlobal(QPoint(0, button2_->height())));
}

void Tdownload::message(const QString& text) {
    auto* box =
        new QMessageBox(QMessageBox::Information, QStringLiteral("Rimbalo"), text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("message"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Tdownload::done(int result) {
    // Closing the dialog means playing on alone: an installer that finished later would end the game
    // in progress from a window the player no longer sees, so the download stops with the dialog.
    abortbuttonClick();
    AuxWindow::done(result);
}

void Tdownload::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        button1_->click(); // the default button
        return;
    }
    AuxWindow::keyPressEvent(event);
}

} // namespace windows
