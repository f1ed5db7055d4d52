#include "joindialog.h"

#include "artwork.h"
#include "netaddress.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace windows {

JoinDialog::JoinDialog(QWidget* parent)
    : AddressDialog(QStringLiteral("JoinDialog"), QStringLiteral("Rimbalo - Join a Game"),
                    QStringLiteral("Join a Game"), QSize(380, 250), parent) {
    makeAddressRow(84, true);
    makeStatus(QRect(24, 146, 332, 44));

    auto* joinButton = new ImageButton(QStringLiteral("button_join"), QStringLiteral("Join"), this);
    joinButton->setBaseColour(QColor(46, 140, 70));
    joinButton->setGlyph(glyphs::playTriangle);
    joinButton->setGeometry(80, 200, 110, 32);
    connect(joinButton, &QAbstractButton::clicked, this, &JoinDialog::join);
    auto* cancel = new ImageButton(QStringLiteral("button_cancel"), QStringLiteral("Cancel"), this);
    cancel->setBaseColour(QColor(150, 70, 60));
    cancel->setGeometry(200, 200, 100, 32);
    connect(cancel, &QAbstractButton::clicked, this, &QWidget::close);
}

void JoinDialog::prepare(const QString& name, const QStringList& recentHosts, quint16 port) {
    name_->setText(name);
    host_->clear();
    host_->addItems(recentHosts.mid(0, kRecentHosts));
    host_->setCurrentIndex(recentHosts.isEmpty() ? -1 : 0);
    port_->setValue(port == 0 ? kGamePort : port);
    status_->clear();
}

void JoinDialog::join() {
    const QString name = name_->text().trimmed();
    if (name.isEmpty()) {
        status_->setText(QStringLiteral("Please enter your name."));
        return;
    }
    // A pasted list of addresses (as Host a Game's Copy gave them once): its first one is meant.
    const QString typed = firstListed(host_->currentText());
    host_->setCurrentText(typed);
    const auto target = parseHostPort(typed, static_cast<quint16>(port_->value()));
    if (!target) {
        status_->setText(typed.isEmpty() ? QStringLiteral("Please enter the host's address.")
                                         : QStringLiteral("\"%1\" is not a host address.").arg(typed));
        return;
    }
    status_->clear();
    port_->setValue(target->port);
    hide();
    emit joinRequested(name, target->host, target->port);
}

void JoinDialog::confirm() {
    join();
}

} // namespace windows
