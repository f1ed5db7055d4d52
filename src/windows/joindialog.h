#pragma once
// "Join a Game…": the player's name, the host's address (a name, IPv4 or IPv6, optionally with
// ":PORT") and the port. The owner connects (joinRequested) and remembers the hosts it is given.

#include "addressdialog.h"

namespace windows {

class JoinDialog : public AddressDialog {
    Q_OBJECT
public:
    static constexpr int kRecentHosts = 5;

    explicit JoinDialog(QWidget* parent = nullptr);

    // The fields as the dialog opens: the remembered name, the last hosts (newest first), the port.
    void prepare(const QString& name, const QStringList& recentHosts, quint16 port);
    // Join pressed: asks to join when the address reads, says what is wrong otherwise.
    void join();

signals:
    void joinRequested(const QString& name, const QString& host, quint16 port);

protected:
    void confirm() override;
};

} // namespace windows
