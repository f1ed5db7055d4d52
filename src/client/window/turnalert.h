#pragma once
// Telling a player in another window that their turn has begun: the window asks for attention (the
// taskbar entry flashes or is marked), and, when the player wants it, the desktop shows a notification
// "Your turn in Rimbalo" through the freedesktop notification service. With no session bus or no
// notification service nothing is shown and nothing goes wrong.

#include <QObject>
#include <QString>

class QWidget;

namespace client {

class TurnAlert : public QObject {
    Q_OBJECT
public:
    explicit TurnAlert(QWidget* window);

    // Whether a desktop notification is sent (the Options menu's item).
    void setNotifying(bool on) { notifying_ = on; }
    bool notifying() const { return notifying_; }
    // The session bus to notify over, by its address; empty for the desktop's own session bus (the
    // one the environment names, used only when one is running). For tests with a private bus.
    void setBusAddress(const QString& address) { busAddress_ = address; }

    // The own turn has begun: when the window is not the active one it asks for attention, and
    // notifies. Returns whether it did (the window was in the background).
    bool turnStarted();

    // The notification's texts.
    static QString summary();
    static QString body();

signals:
    // A notification went to the bus (whether a service shows it is the bus's business).
    void notificationSent();
    // The service answered with its id for the notification, or with an error.
    void notificationAnswered(bool shown);

private:
    void notify();

    QWidget* window_;
    bool notifying_ = true;
    QString busAddress_;
    unsigned lastId_ = 0; // a new turn's notification replaces the last one
};

} // namespace client
