#include "tablelobby.h"

#include "client/net/wiretext.h"

#include "protocol/fields.h"
#include "protocol/words.h"

#include <utility>

namespace client {

namespace in = protocol::toclient;
namespace out = protocol::toserver;
namespace w = protocol::words;

TableLobby::TableLobby(QObject* parent) : QObject(parent) {}

TableLobby::~TableLobby() {
    close();
}

void TableLobby::open(const QString& host, quint16 port) {
    close();
    host_ = host;
    port_ = port;
    connection_ = std::make_unique<GameConnection>();
    GameConnection* c = connection_.get();
    if (sink_) c->setSink(sink_);
    // One handler for the connection's whole life (it is never replaced while it runs): the lobby's
    // until the connection is handed over, the new owner's after.
    c->setCommandHandler([this, c](std::string_view entry) {
        if (c == connection_.get())
            handle(entry);
        else if (handOn_)
            handOn_(entry);
    });
    connect(c, &GameConnection::closed, this, [this] {
        close();
        emit failed(tr("the server closed the connection"));
    });
    connect(&c->socket(), &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // A close by the server is reported once what it sent before has been handled.
        if (error == QAbstractSocket::RemoteHostClosedError || !connection_) return;
        const QString reason = connection_->socket().errorString();
        close();
        emit failed(reason);
    });
    listing_ = true;
    c->open(host, port);
}

// The connection goes without a word; one of its own handlers may be running, so it is deleted later.
void TableLobby::close() {
    ready_ = listing_ = sitting_ = false;
    waiting_.clear();
    if (!connection_) return;
    GameConnection* c = connection_.release();
    disconnect(c, nullptr, this, nullptr);
    disconnect(&c->socket(), nullptr, this, nullptr);
    c->halt();
    c->deleteLater();
}

void TableLobby::refresh() {
    if (!connection_ || sitting_ || !waiting_.empty()) return;
    if (!ready_) {
        listing_ = true;
        return;
    }
    send(protocol::encode(out::TableList{}));
}

void TableLobby::join(const QString& code) {
    sit(protocol::encode(out::TableJoin{code.trimmed().toUpper().toStdString()}));
}

void TableLobby::create(bool isPublic, const QString& name) {
    sit(protocol::encode(out::TableCreate{isPublic, name.trimmed().toStdString()}));
}

void TableLobby::sit(const std::string& command) {
    if (!connection_) return;
    // What the server says before it has read the request (where it seats a new connection) is no
    // answer to it.
    if (ready_) {
        sitting_ = true;
        send(command);
    } else {
        waiting_ = command;
    }
}

std::unique_ptr<GameConnection> TableLobby::takeSeated() {
    if (!connection_) return nullptr;
    disconnect(connection_.get(), nullptr, this, nullptr);
    disconnect(&connection_->socket(), nullptr, this, nullptr);
    ready_ = listing_ = sitting_ = false;
    waiting_.clear();
    return std::move(connection_);
}

void TableLobby::send(const std::string& command) {
    if (connection_) connection_->send(command);
}

void TableLobby::handle(std::string_view entry) {
    const protocol::Command c = protocol::splitCommand(entry);
    if (c.word == w::sendlogininfo) {
        // Where the server seats a connection before it has chosen is of no interest; the login it
        // asks for waits until a table has been chosen.
        if (!ready_) {
            ready_ = true;
            if (!waiting_.empty()) {
                sitting_ = true;
                send(std::exchange(waiting_, {}));
            } else if (listing_)
                refresh();
        }
    } else if (c.word == w::tables) {
        if (const auto m = protocol::decode<in::Tables>(c.args)) emit listed(m->tables);
    } else if (c.word == w::tableerror) {
        const auto m = protocol::decode<in::TableError>(c.args);
        const QString text = m ? wireText(m->text) : wireText(c.args);
        // Not an answer to a join or create: a server of one game, which has no tables to list, or
        // one that refuses the connection. Either way this connection has nothing more to do there
        // (and is not left in a game's slot).
        const bool answer = sitting_;
        sitting_ = false;
        if (!answer) close();
        emit refused(text);
    } else if (c.word == w::redirect) {
        const auto m = protocol::decode<in::Redirect>(c.args);
        if (!m || !sitting_ || m->host.empty() || m->port <= 0 || m->port > 65535) return;
        close();
        emit redirected(QString::fromStdString(m->code), QString::fromStdString(m->host),
                        static_cast<quint16>(m->port));
    } else if (c.word == w::tablecode && sitting_) {
        const auto m = protocol::decode<in::TableCode>(c.args);
        if (!m) return;
        seatedBy_ = std::string(entry);
        emit seated(QString::fromStdString(m->code), m->isPublic, wireText(m->name));
    }
}

} // namespace client
