#pragma once
// "Join a Game…": the player's name, the host's address (a name, IPv4 or IPv6, optionally with
// ":PORT") and the port. The owner connects (joinRequested) and remembers the hosts it is given.
// Below, "Tables on a server": the tables of the server at that address, listed by the owner
// (tablesRequested, showTables) and refreshed while the dialog is shown; a listed table or a typed
// code is joined (tableJoinRequested), or a new table created (tableCreateRequested).

#include "addressdialog.h"

#include "protocol/messages.h"

#include <QTimer>

#include <vector>

class QCheckBox;
class QTableWidget;

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

    static constexpr int kRefreshMs = 5000; // the list is asked for again this often while shown

    // List pressed: the tables of the server at the address typed.
    void listTables();
    void showTables(const std::vector<protocol::toclient::TableEntry>& tables);
    // The server's (or the connection's) words: shown under the list, everything stays usable.
    void showTableError(const QString& text);
    void joinSelectedTable();
    void joinByCode();
    void createTable();
    // The server being listed, as the owner knows it ("" before List).
    const QString& listedServer() const { return listedServer_; }

signals:
    void joinRequested(const QString& name, const QString& host, quint16 port);
    void tablesRequested(const QString& host, quint16 port);
    void refreshRequested();
    // The dialog is gone: the owner need not keep a connection for the list.
    void tablesClosed();
    void tableJoinRequested(const QString& name, const QString& host, quint16 port, const QString& code);
    void tableCreateRequested(const QString& name, const QString& host, quint16 port, bool isPublic,
                              const QString& tableName);

protected:
    void confirm() override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildTables();
    // The player's name and the server's address as typed, or a message in `status` and nothing.
    bool readTarget(QLabel* status, QString* name, QString* host, quint16* port);

    QTableWidget* tables_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLineEdit* tableName_ = nullptr;
    QCheckBox* private_ = nullptr;
    QLabel* tableStatus_ = nullptr;
    QTimer refresh_;
    QString listedServer_;
    QString listedHost_;
    quint16 listedPort_ = 0;
};

} // namespace windows
