#pragma once
// "Host a Game…": the player's name and the port, then the addresses friends use to join. Hosting
// itself is the owner's work: the dialog asks for it (hostRequested) and is told how it went. While
// the game runs the dialog shows it and offers to stop hosting (stopRequested) instead.

#include "addressdialog.h"

class QListWidget;

namespace windows {

class ImageButton;

class HostDialog : public AddressDialog {
    Q_OBJECT
public:
    explicit HostDialog(QWidget* parent = nullptr);

    // The fields as the dialog opens to host: the remembered name and the port last used.
    void prepare(const QString& name, quint16 port);
    // Hosting runs on `port`: the addresses to give to friends, with the port, ready to copy, and
    // "Stop Hosting" in place of Host.
    void showHosting(const QStringList& addresses, quint16 port);
    bool showsHosting() const { return hosting_; }
    // The port could not be listened on; `alternative` (0 for none) is one that is free now.
    void showBusy(quint16 port, const QString& reason, quint16 alternative);

    QString name() const;
    quint16 port() const;
    // Every address shown: one HOST:PORT a line.
    QString addressText() const;
    // What Copy puts on the clipboard: the address picked, else the first one that works from other
    // computers (the first shown when there is none).
    QString copyText() const;

    // The buttons.
    void host();
    void stopHosting();
    void copyAddresses();
    void useOtherPort();

signals:
    void hostRequested(const QString& name, quint16 port);
    void stopRequested();

protected:
    void confirm() override;

private:
    void updateHostButton();
    void setHosting(bool hosting);

    bool hosting_ = false;
    ImageButton* hostButton_;
    ImageButton* stopButton_;
    QListWidget* addresses_;
    ImageButton* copy_;
    ImageButton* otherPort_;
    quint16 alternative_ = 0;
};

} // namespace windows
