#include "addressdialog.h"

#include "netaddress.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace windows {

AddressDialog::AddressDialog(const QString& objectName, const QString& caption, const QString& heading,
                             const QSize& size, QWidget* parent)
    : AuxWindow(objectName, caption, parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size);
    makeHeading(heading);
    name_ = makeNameField(52);
}

void AddressDialog::makeAddressRow(int y, bool host) {
    if (host) {
        makeLabel(QStringLiteral("label_host"), tr("Host address:"))->setGeometry(24, y, 100, 24);
        host_ = new QComboBox(this);
        host_->setObjectName(QStringLiteral("combo_host"));
        host_->setEditable(true);
        host_->setInsertPolicy(QComboBox::NoInsert);
        host_->setGeometry(130, y, 226, 24);
        host_->lineEdit()->setPlaceholderText(tr("name, IPv4 or IPv6 address"));
        y += 32;
    }
    port_ = makePortField(y, kGamePort);
}

void AddressDialog::makeStatus(const QRect& area) {
    status_ = makeLabel(QStringLiteral("label_status"), QString());
    status_->setWordWrap(true);
    status_->setGeometry(area);
}

void AddressDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm();
        return;
    }
    AuxWindow::keyPressEvent(event);
}

} // namespace windows
