#include "hostdialog.h"

#include "artwork.h"
#include "netaddress.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include <algorithm>

namespace windows {

HostDialog::HostDialog(QWidget* parent)
    : AddressDialog(QStringLiteral("HostDialog"), tr("Rimbalo - Host a Game"), tr("Host a Game"),
                    QSize(380, 360), parent) {
    connect(name_, &QLineEdit::textChanged, this, &HostDialog::updateHostButton);
    makeAddressRow(84, false);

    hostButton_ = new ImageButton(QStringLiteral("button_host"), tr("Host"), this);
    hostButton_->setBaseColour(QColor(46, 140, 70));
    hostButton_->setGlyph(glyphs::playTriangle);
    hostButton_->setGeometry(240, 82, 110, 30);
    connect(hostButton_, &QAbstractButton::clicked, this, &HostDialog::host);
    stopButton_ = new ImageButton(QStringLiteral("button_stophosting"), tr("Stop Hosting"), this);
    stopButton_->setBaseColour(QColor(150, 70, 60));
    stopButton_->setGeometry(hostButton_->geometry());
    stopButton_->hide();
    connect(stopButton_, &QAbstractButton::clicked, this, &HostDialog::stopHosting);

    makeStatus(QRect(24, 120, 332, 48));

    addresses_ = new QListWidget(this);
    addresses_->setObjectName(QStringLiteral("list_addresses"));
    addresses_->setGeometry(24, 172, 332, 120);
    addresses_->setSelectionMode(QAbstractItemView::SingleSelection);

    copy_ = new ImageButton(QStringLiteral("button_copy"), tr("Copy"), this);
    copy_->setGeometry(24, 304, 100, 30);
    copy_->setEnabled(false);
    connect(copy_, &QAbstractButton::clicked, this, &HostDialog::copyAddresses);

    otherPort_ = new ImageButton(QStringLiteral("button_otherport"), QString(), this);
    otherPort_->setGeometry(134, 304, 130, 30);
    otherPort_->hide();
    connect(otherPort_, &QAbstractButton::clicked, this, &HostDialog::useOtherPort);

    auto* close = new ImageButton(QStringLiteral("button_close"), tr("Close"), this);
    close->setBaseColour(QColor(150, 70, 60));
    close->setGeometry(274, 304, 82, 30);
    connect(close, &QAbstractButton::clicked, this, &QWidget::close);
    updateHostButton();
}

void HostDialog::setHosting(bool hosting) {
    hosting_ = hosting;
    // The game runs under this name and on this port: they change only with a new game.
    name_->setReadOnly(hosting);
    port_->setReadOnly(hosting);
    hostButton_->setVisible(!hosting);
    stopButton_->setVisible(hosting);
    if (!hosting) {
        addresses_->clear();
        copy_->setEnabled(false);
    }
}

void HostDialog::prepare(const QString& name, quint16 port) {
    setHosting(false);
    name_->setText(name);
    port_->setValue(port == 0 ? kGamePort : port);
    otherPort_->hide();
    status_->setText(tr("Choose Host: this game ends and a new one opens for your friends to join."));
}

void HostDialog::showHosting(const QStringList& addresses, quint16 port) {
    setHosting(true);
    port_->setValue(port);
    otherPort_->hide();
    addresses_->clear();
    for (const QString& a : addresses)
        addresses_->addItem(hostPortText(a, port));
    copy_->setEnabled(addresses_->count() > 0);
    const bool reachable = std::any_of(addresses.begin(), addresses.end(), reachableFromOthers);
    status_->setText(reachable ? tr("You are hosting on port %1. Give your friends one of these "
                                    "addresses (those on the first lines work from other computers):")
                                     .arg(port)
                               : tr("You are hosting on port %1, but this computer has no network "
                                    "address others can reach: only this computer can join.")
                                     .arg(port));
}

void HostDialog::showBusy(quint16 port, const QString& reason, quint16 alternative) {
    setHosting(false);
    alternative_ = alternative;
    addresses_->clear();
    copy_->setEnabled(false);
    QString text = tr("Port %1 cannot be used: %2.").arg(port).arg(reason);
    if (alternative != 0) {
        text += tr(" Port %1 is free.").arg(alternative);
        otherPort_->setText(tr("Use Port %1").arg(alternative));
        otherPort_->show();
    } else {
        text += tr(" Choose another port.");
        otherPort_->hide();
    }
    status_->setText(text);
}

QString HostDialog::name() const {
    return name_->text().trimmed();
}

quint16 HostDialog::port() const {
    return static_cast<quint16>(port_->value());
}

QString HostDialog::addressText() const {
    QStringList lines;
    for (int i = 0; i < addresses_->count(); ++i)
        lines << addresses_->item(i)->text();
    return lines.join(QLatin1Char('\n'));
}

QString HostDialog::copyText() const {
    const QListWidgetItem* chosen = addresses_->currentItem();
    if (chosen && chosen->isSelected()) return chosen->text();
    for (int i = 0; i < addresses_->count(); ++i)
        if (reachableFromOthers(addresses_->item(i)->text())) return addresses_->item(i)->text();
    return addresses_->count() > 0 ? addresses_->item(0)->text() : QString();
}

void HostDialog::host() {
    if (hosting_ || name().isEmpty()) return;
    emit hostRequested(name(), port());
}

void HostDialog::stopHosting() {
    if (hosting_) emit stopRequested();
}

void HostDialog::copyAddresses() {
    // One address: a list would not read as an address where it is pasted.
    QGuiApplication::clipboard()->setText(copyText());
}

void HostDialog::useOtherPort() {
    if (alternative_ == 0) return;
    port_->setValue(alternative_);
    host();
}

void HostDialog::updateHostButton() {
    hostButton_->setEnabled(!name().isEmpty());
}

void HostDialog::confirm() {
    if (!hosting_) host();
}

} // namespace windows
