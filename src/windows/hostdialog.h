#pragma once
// "Host a Game…": the player's name and the port, then the addresses friends use to join. Hosting
// itself is the owner's work: the dialog asks for it (hostRequested) and is told how it went.

#include "addressdialog.h"

class QListWidget;

namespace windows {

class ImageButton;

class HostDialog : public AddressDialog {
    Q_OBJECT
public:
    explicit HostDialog(QWidget* parent = nullptr);

    // The fields as the dialog opens: the remembered name and the port last used.
    void prepare(const QString& name, quint16 port);
    // Hosting runs on `port`: the addresses to give to friends, with the port, ready to copy.
    void showHosting(const QStringList& addresses, quint16 port);
    // The port could not be listened on; `alternative` (0 for none) is one that is free now.
    void showBusy(quint16 port, const QString& reason, quint16 alternative);

    QString name() const;
    quint16 port() const;
    // What Copy puts on the clipboard: one HOST:PORT a line.
    QString addressText() const;

    // The buttons.
    void host();
    void copyAddresses();
    void useOtherPort();

signals:
    void hostRequested(const QString& name, quint16 port);

protected:
    void confirm() override;

private:
    void updateHostButton();

    ImageButton* hostButton_;
    QListWidget* addresses_;
    ImageButton* copy_;
    ImageButton* otherPort_;
    quint16 alternative_ = 0;
};

} // namespace windows
