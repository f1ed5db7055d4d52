// Join a Game…'s tables of a table server: the list comes over a connection of its own, which becomes
// the game connection once the server has seated it at the table joined or created.

#include "tchat.h"

#include "client/net/tablelobby.h"

#include "windows/joindialog.h"
#include "windows/netaddress.h"
#include "windows/tablecodedialog.h"

namespace client {

void Tchat::attachTableLobby(windows::JoinDialog* dialog) {
    if (!lobby_) {
        lobby_ = new TableLobby(this);
        lobby_->setHandOn([this](std::string_view entry) { handleCommand(entry); });
        connect(lobby_, &TableLobby::seated, this, &Tchat::seatedByLobby);
        connect(lobby_, &TableLobby::redirected, this,
                [this](const QString& code, const QString& host, quint16 port) {
                    // Held by another server of the same service: joined there as by its code.
                    creatingTable_ = false;
                    tableCode_ = code;
                    tableAsked_ = false;
                    redirects_ = 1;
                    joinGame(joinName_, host, port);
                });
    }
    connect(dialog, &windows::JoinDialog::tablesRequested, lobby_, &TableLobby::open);
    connect(dialog, &windows::JoinDialog::refreshRequested, lobby_, &TableLobby::refresh);
    connect(dialog, &windows::JoinDialog::tablesClosed, lobby_, &TableLobby::close);
    connect(lobby_, &TableLobby::listed, dialog, &windows::JoinDialog::showTables);
    connect(lobby_, &TableLobby::refused, dialog, &windows::JoinDialog::showTableError);
    connect(lobby_, &TableLobby::failed, dialog, [this, dialog](const QString& reason) {
        dialog->showTableError(
            tr("No answer from %1: %2").arg(windows::hostPortText(lobby_->host(), lobby_->port()), reason));
    });
    connect(dialog, &windows::JoinDialog::tableJoinRequested, this,
            [this](const QString& name, const QString& host, quint16 port, const QString& code) {
                confirmLeaving(QStringLiteral("Join"),
                               [=, this] { sitAtTable(name, host, port, false, false, code); });
            });
    connect(
        dialog, &windows::JoinDialog::tableCreateRequested, this,
        [this](const QString& name, const QString& host, quint16 port, bool isPublic, const QString& table) {
            confirmLeaving(QStringLiteral("Join"),
                           [=, this] { sitAtTable(name, host, port, true, isPublic, table); });
        });
}

// The game this window is in goes on until the server has seated us at the table.
void Tchat::sitAtTable(const QString& name, const QString& host, quint16 port, bool create, bool isPublic,
                       const QString& codeOrName) {
    rememberJoin(name, host, port);
    if (!lobby_->isOpen() || lobby_->host() != host || lobby_->port() != port) lobby_->open(host, port);
    creatingTable_ = create;
    if (create)
        lobby_->create(isPublic, codeOrName);
    else
        lobby_->join(codeOrName);
}

void Tchat::seatedByLobby(const QString& code, bool isPublic, const QString& name) {
    const std::string entry = lobby_->seatedBy();
    std::unique_ptr<GameConnection> seated = lobby_->takeSeated();
    if (!seated) return;
    if (windows_.joinDialog) windows_.joinDialog->hide();
    retire(std::move(joining_));
    joining_ = std::move(seated);
    tableCode_ = code;
    tableAsked_ = true; // the server has seated us there: the login follows
    redirects_ = 0;
    joiningCommand(entry);
    if (!creatingTable_) return;
    creatingTable_ = false;
    if (!codeDialog_) codeDialog_ = new windows::TableCodeDialog(this);
    codeDialog_->showCode(code, name, isPublic, windows::hostPortText(joinHost_, joinPort_));
    codeDialog_->showOver(this);
}

} // namespace client
