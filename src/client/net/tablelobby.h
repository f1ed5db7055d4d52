#pragma once
// A look at a table server before sitting down: its own connection lists the open tables (again on
// request), and joins a table by its code or creates one. Once the server has seated the connection
// at the table asked for, it is handed over (seated) to become the game connection; what the server
// refuses is told in its own words (refused).

#include "client/net/gameconnection.h"

#include "protocol/messages.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

namespace client {

class TableLobby : public QObject {
    Q_OBJECT
public:
    explicit TableLobby(QObject* parent = nullptr);
    ~TableLobby() override;

    // Connects to the server at `host`:`port` (any earlier connection goes) and lists its tables as
    // soon as the server is ready.
    void open(const QString& host, quint16 port);
    void close();
    bool isOpen() const { return connection_ != nullptr; }
    const QString& host() const { return host_; }
    quint16 port() const { return port_; }
    // Asks for the list again (nothing while the server has not answered the last request to sit).
    void refresh();
    void join(const QString& code);
    void create(bool isPublic, const QString& name);
    // The connection the server has seated at the table, and the command that told it so; the
    // commands it receives from then on go to the hand-on handler.
    std::unique_ptr<GameConnection> takeSeated();
    void setHandOn(GameConnection::CommandHandler handler) { handOn_ = std::move(handler); }
    const std::string& seatedBy() const { return seatedBy_; }

    // Everything sent goes to `sink` instead of the socket (tests).
    void setSink(GameConnection::Sink sink) { sink_ = std::move(sink); }

signals:
    void listed(const std::vector<protocol::toclient::TableEntry>& tables);
    void refused(const QString& text);
    void failed(const QString& reason);
    // The table the server has seated us at; takeSeated() gives the connection.
    void seated(const QString& code, bool isPublic, const QString& name);
    // The table lives on another server of the same service.
    void redirected(const QString& code, const QString& host, quint16 port);

private:
    void handle(std::string_view entry);
    void sit(const std::string& command);
    void send(const std::string& command);

    std::unique_ptr<GameConnection> connection_;
    GameConnection::Sink sink_;
    GameConnection::CommandHandler handOn_;
    QString host_;
    quint16 port_ = 0;
    bool ready_ = false;   // the server has asked for a login: it answers table commands now
    bool listing_ = false; // a list was asked for before the server was ready
    bool sitting_ = false; // a join or create sent waits for the server's answer
    std::string waiting_;  // the join or create to send once the server is ready
    std::string seatedBy_;
};

} // namespace client
