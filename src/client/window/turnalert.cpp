#include "turnalert.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#ifdef RIMBALO_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

namespace client {

namespace {

#ifdef RIMBALO_DBUS
// Whether the desktop runs a session bus: the environment names one, or the usual socket exists.
// Asking the bus library without either could start a bus of its own, which no player wants.
bool sessionBusRunning() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")));
}

QDBusConnection busFor(const QString& address) {
    if (address.isEmpty()) return QDBusConnection::sessionBus();
    // One connection per address, kept by the bus module under this name.
    return QDBusConnection::connectToBus(address, QStringLiteral("rimbalo-notify-") + address);
}
#endif

} // namespace

TurnAlert::TurnAlert(QWidget* window) : QObject(window), window_(window) {}

QString TurnAlert::summary() {
    return tr("Your turn in Rimbalo");
}

QString TurnAlert::body() {
    return tr("The other players are waiting for your move.");
}

bool TurnAlert::turnStarted() {
    if (window_->isActiveWindow()) return false;
    QApplication::alert(window_);
    if (notifying_) notify();
    return true;
}

void TurnAlert::notify() {
#ifdef RIMBALO_DBUS
    if (busAddress_.isEmpty() && !sessionBusRunning()) return;
    QDBusConnection bus = busFor(busAddress_);
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("rimbalo")},
                            {QStringLiteral("category"), QStringLiteral("im.received")}};
    call << QApplication::applicationDisplayName() << lastId_ << QStringLiteral("rimbalo") << summary()
         << body() << QStringList() << hints << int(-1);
    // Sent without waiting: an answer (the id, or an error when no service runs) comes back later.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<unsigned> reply = *w;
        if (!reply.isError()) lastId_ = reply.value();
        w->deleteLater();
        emit notificationAnswered(!reply.isError());
    });
    emit notificationSent();
#endif
}

} // namespace client
