#include "joindialog.h"

#include "artwork.h"
#include "netaddress.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

namespace windows {

JoinDialog::JoinDialog(QWidget* parent)
    : AddressDialog(QStringLiteral("JoinDialog"), tr("Rimbalo - Join a Game"), tr("Join a Game"),
                    QSize(380, 590), parent) {
    makeAddressRow(84, true);
    makeStatus(QRect(24, 146, 332, 44));

    auto* joinButton = new ImageButton(QStringLiteral("button_join"), tr("Join"), this);
    joinButton->setBaseColour(QColor(46, 140, 70));
    joinButton->setGlyph(glyphs::playTriangle);
    joinButton->setGeometry(80, 200, 110, 32);
    connect(joinButton, &QAbstractButton::clicked, this, &JoinDialog::join);
    auto* cancel = new ImageButton(QStringLiteral("button_cancel"), tr("Cancel"), this);
    cancel->setBaseColour(QColor(150, 70, 60));
    cancel->setGeometry(200, 200, 100, 32);
    connect(cancel, &QAbstractButton::clicked, this, &QWidget::close);
    buildTables();
}

namespace {

ImageButton* tableButton(QWidget* parent, const char* name, const QString& caption, const QRect& at) {
    auto* b = new ImageButton(QString::fromLatin1(name), caption, parent);
    b->setBaseColour(QColor(60, 100, 150));
    b->setGeometry(at);
    return b;
}

QLineEdit* tableField(QWidget* parent, const char* name, const QString& placeholder, int maxLength,
                      const QRect& at) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setPlaceholderText(placeholder);
    field->setMaxLength(maxLength);
    field->setGeometry(at);
    return field;
}

QString optionsText(const protocol::toclient::TableEntry& t) {
    if (!t.playing) return JoinDialog::tr("waiting");
    return JoinDialog::tr("to %1, %2 s a turn, %3 tiles").arg(t.target).arg(t.seconds).arg(t.tiles);
}

} // namespace

void JoinDialog::buildTables() {
    makeLabel(QStringLiteral("label_tablesheading"), tr("Tables on a server"), 15, true)
        ->setGeometry(24, 246, 332, 26);
    auto* list = tableButton(this, "button_listtables", tr("List Tables"), QRect(24, 278, 110, 28));
    connect(list, &QAbstractButton::clicked, this, &JoinDialog::listTables);
    makeLabel(QStringLiteral("label_tableserver"), tr("of the server at the address above"))
        ->setGeometry(142, 278, 214, 28);

    tables_ = new QTableWidget(0, 5, this);
    tables_->setObjectName(QStringLiteral("table_tables"));
    tables_->setHorizontalHeaderLabels({tr("Code"), tr("Name"), tr("Seats"), tr("Watching"), tr("Game")});
    tables_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tables_->setSelectionMode(QAbstractItemView::SingleSelection);
    tables_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tables_->verticalHeader()->hide();
    tables_->horizontalHeader()->setStretchLastSection(true);
    tables_->setGeometry(24, 312, 332, 132);
    int column = 0;
    for (int width : {62, 84, 44, 62})
        tables_->setColumnWidth(column++, width);
    connect(tables_, &QTableWidget::cellDoubleClicked, this, &JoinDialog::joinSelectedTable);

    auto* joinTable = tableButton(this, "button_jointable", tr("Join Table"), QRect(24, 452, 110, 28));
    connect(joinTable, &QAbstractButton::clicked, this, &JoinDialog::joinSelectedTable);
    code_ = tableField(this, "edit_code", tr("code"), 12, QRect(142, 452, 96, 28));
    auto* byCode = tableButton(this, "button_joincode", tr("Join by Code"), QRect(246, 452, 110, 28));
    connect(byCode, &QAbstractButton::clicked, this, &JoinDialog::joinByCode);

    tableName_ = tableField(this, "edit_tablename", tr("new table's name"), 30, QRect(24, 490, 130, 28));
    private_ = new QCheckBox(tr("Private"), this);
    private_->setObjectName(QStringLiteral("check_private"));
    private_->setChecked(true);
    private_->setGeometry(162, 490, 80, 28);
    auto* create = tableButton(this, "button_createtable", tr("Create a Table"), QRect(246, 490, 110, 28));
    connect(create, &QAbstractButton::clicked, this, &JoinDialog::createTable);

    tableStatus_ = makeLabel(QStringLiteral("label_tablestatus"), QString());
    tableStatus_->setWordWrap(true);
    tableStatus_->setGeometry(24, 526, 332, 52);

    refresh_.setParent(this);
    refresh_.setObjectName(QStringLiteral("tablerefresh"));
    refresh_.setInterval(kRefreshMs);
    connect(&refresh_, &QTimer::timeout, this, &JoinDialog::refreshRequested);
}

void JoinDialog::prepare(const QString& name, const QStringList& recentHosts, quint16 port) {
    name_->setText(name);
    host_->clear();
    host_->addItems(recentHosts.mid(0, kRecentHosts));
    host_->setCurrentIndex(recentHosts.isEmpty() ? -1 : 0);
    port_->setValue(port == 0 ? kGamePort : port);
    status_->clear();
    tableStatus_->clear();
    tables_->setRowCount(0);
    listedServer_.clear();
}

bool JoinDialog::readTarget(QLabel* status, QString* name, QString* host, quint16* port) {
    *name = name_->text().trimmed();
    if (name->isEmpty()) {
        status->setText(tr("Please enter your name."));
        return false;
    }
    // A pasted list of addresses (as Host a Game's Copy gave them once): its first one is meant.
    const QString typed = firstListed(host_->currentText());
    host_->setCurrentText(typed);
    const auto target = parseHostPort(typed, static_cast<quint16>(port_->value()));
    if (!target) {
        status->setText(typed.isEmpty() ? tr("Please enter the host's address.")
                                        : tr("\"%1\" is not a host address.").arg(typed));
        return false;
    }
    status->clear();
    port_->setValue(target->port);
    *host = target->host;
    *port = target->port;
    return true;
}

void JoinDialog::join() {
    QString name, host;
    quint16 port = 0;
    if (!readTarget(status_, &name, &host, &port)) return;
    hide();
    emit joinRequested(name, host, port);
}

void JoinDialog::listTables() {
    QString name, host;
    quint16 port = 0;
    if (!readTarget(tableStatus_, &name, &host, &port)) return;
    listedHost_ = host;
    listedPort_ = port;
    listedServer_ = hostPortText(host, port);
    tables_->setRowCount(0);
    tableStatus_->setText(tr("Asking %1 for its tables…").arg(listedServer_));
    emit tablesRequested(host, port);
}

void JoinDialog::showTables(const std::vector<protocol::toclient::TableEntry>& tables) {
    // The row chosen stays chosen across a refresh.
    const QTableWidgetItem* chosen = tables_->currentItem();
    const QString chosenCode = chosen ? tables_->item(chosen->row(), 0)->text() : QString();
    tables_->setRowCount(static_cast<int>(tables.size()));
    int row = 0;
    for (const auto& t : tables) {
        const QStringList cells{QString::fromStdString(t.code), QString::fromStdString(t.name),
                                QStringLiteral("%1/4").arg(t.seats), QString::number(t.onlookers),
                                optionsText(t)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[1] + QStringLiteral(" — ") + cells[4]); // the whole row, however narrow
            tables_->setItem(row, column, item);
        }
        if (cells[0] == chosenCode) tables_->setCurrentCell(row, 0);
        ++row;
    }
    tableStatus_->setText(tables.empty() ? tr("%1 has no open tables: create one.").arg(listedServer_)
                                         : tr("Open tables of %1.").arg(listedServer_));
    if (isVisible()) refresh_.start();
}

void JoinDialog::showTableError(const QString& text) {
    tableStatus_->setText(text);
}

void JoinDialog::joinSelectedTable() {
    const QTableWidgetItem* chosen = tables_->currentItem();
    if (!chosen) {
        tableStatus_->setText(tr("Choose a table in the list, or type its code."));
        return;
    }
    code_->setText(tables_->item(chosen->row(), 0)->text());
    joinByCode();
}

void JoinDialog::joinByCode() {
    QString name, host;
    quint16 port = 0;
    if (!readTarget(tableStatus_, &name, &host, &port)) return;
    const QString code = code_->text().trimmed().toUpper();
    if (code.isEmpty()) {
        tableStatus_->setText(tr("Please type the table's code."));
        return;
    }
    code_->setText(code);
    tableStatus_->setText(tr("Joining table %1…").arg(code));
    emit tableJoinRequested(name, host, port, code);
}

void JoinDialog::createTable() {
    QString name, host;
    quint16 port = 0;
    if (!readTarget(tableStatus_, &name, &host, &port)) return;
    tableStatus_->setText(tr("Creating a table…"));
    emit tableCreateRequested(name, host, port, !private_->isChecked(), tableName_->text().trimmed());
}

void JoinDialog::hideEvent(QHideEvent* event) {
    // Nothing is asked of the server while nobody looks.
    refresh_.stop();
    emit tablesClosed();
    AddressDialog::hideEvent(event);
}

void JoinDialog::confirm() {
    join();
}

} // namespace windows
