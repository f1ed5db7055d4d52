// The tables shared with other servers through the registry: publishing this server's tables, opening
// a table under a code the registry has reserved, sending a player to the server that holds a code,
// and the list of every server's tables.

#include "table.h"
#include "tserver.h"

#include "registry/registryaddress.h"
#include "registry/tableregistry.h"

#include <algorithm>

namespace msg = protocol::toclient;
using registry::Outcome;

namespace {

// A table's line in the shared list: its entry as the list command writes it.
std::string listingLine(const msg::TableEntry& entry) {
    return protocol::encodeArgs(msg::Tables{{entry}});
}

} // namespace

void TServer::setRegistry(registry::TableRegistry* registry) {
    delete registry_;
    registry_ = registry;
    if (!registry_) return;
    registry_->setParent(nullptr); // the server deletes it before its tables go
    connect(registry_, &registry::TableRegistry::logLine, this, &TServer::logLine);
    connect(registry_, &registry::TableRegistry::codesLost, this,
            [this](const std::vector<std::string>& codes) {
                for (const std::string& code : codes) {
                    if (!findTable(code) || !lostCodes_.insert(code).second) continue;
                    emit logLine(
                        QStringLiteral("Table %1: another server's table holds its code in the registry now; "
                                       "it plays on here but is not listed")
                            .arg(QString::fromStdString(code)));
                }
            });
    registry_->setSnapshot([this] {
        std::vector<registry::PublishedTable> tables;
        for (const auto& [code, table] : tables_) {
            if (lostCodes_.count(code)) continue;
            const bool listed = table->isPublic && (table->connections() > 0 || table->holds > 0);
            tables.push_back({code, listed ? listingLine(entryOf(*table)) : std::string()});
        }
        return tables;
    });
    registry_->start();
}

void TServer::listingChanged() {
    if (registry_) registry_->changed();
}

// The code is reserved in the registry first, so that no other server's table can have it; the table
// opens when the registry says yes.
void TServer::createRegistered(quint64 linkId, bool isPublic, const std::string& name, int tries) {
    const std::string code = newCode();
    msg::TableEntry entry{code, 1, 0, false, 0, 0, 0, name.empty() ? "Table " + code : name};
    registry_->reserve({code, isPublic ? listingLine(entry) : std::string()}, [this, linkId, isPublic, name,
                                                                               code, tries](Outcome outcome) {
        Link* link = findLink(linkId);
        const bool waiting = link && !link->closing;
        if (outcome == Outcome::Done && waiting && static_cast<int>(tables_.size()) < limits_.maxTables) {
            leaveTable(*link, link->loggedIn ? game::Leave::Free : game::Leave::Quiet);
            seatAt(*link, createTable(isPublic, name, code));
        } else if (outcome == Outcome::Done) {
            registry_->release(code);
            if (waiting)
                tableError(*link, "Every table of this server is taken.", QStringLiteral("the most tables"));
        } else if (outcome == Outcome::Taken && tries > 1) {
            createRegistered(linkId, isPublic, name, tries - 1);
        } else if (waiting) {
            tableError(*link,
                       "New tables cannot be opened while the table registry is out of "
                       "reach. Try again in a minute.",
                       QStringLiteral("a new table while the table registry is out of reach"));
        }
    });
}

// A code this server does not hold: the registry says which server does, and the program is sent there.
// A program that cannot follow the redirect reads where the table is.
void TServer::lookUpElsewhere(Link& link, const std::string& code) {
    registry_->lookup(code, [this, id = link.id, code](Outcome outcome, const QString& address) {
        Link* link = findLink(id);
        if (!link || link->closing) return;
        if (outcome == Outcome::Unavailable) {
            tableError(*link,
                       "Table " + code +
                           " cannot be looked up while the table registry is out of reach. "
                           "Try again in a minute.",
                       QStringLiteral("a table on another server while the table registry is out of reach"));
            return;
        }
        QString why;
        const auto where = registry::parseHostPort(address, &why);
        if (outcome == Outcome::NotFound || address == registry_->advertised() || !where || !where->port) {
            tableError(*link, "No table with code " + code + ".", {});
            return;
        }
        sendDirect(*link, protocol::encode(msg::Redirect{code, where->host.toStdString(), where->port}));
        sendDirect(*link,
                   protocol::encode(msg::TableError{"That table is on " + address.toStdString() + "."}));
        emit logLine(QStringLiteral("Sent %1 to %2 for table %3")
                         .arg(link->peer, address, QString::fromStdString(code)));
    });
}

// Every server's public tables; this server's own list when the registry does not answer.
void TServer::listFromRegistry(Link& link) {
    registry_->list([this, id = link.id](Outcome outcome, const std::vector<std::string>& lines) {
        Link* link = findLink(id);
        if (!link || link->closing) return;
        msg::Tables list;
        if (outcome != Outcome::Done) {
            list.tables = localListing();
        } else {
            for (const std::string& line : lines)
                if (const auto one = protocol::decode<msg::Tables>(line))
                    list.tables.insert(list.tables.end(), one->tables.begin(), one->tables.end());
            std::sort(list.tables.begin(), list.tables.end(),
                      [](const msg::TableEntry& a, const msg::TableEntry& b) { return a.code < b.code; });
        }
        sendDirect(*link, protocol::encode(list));
    });
}
