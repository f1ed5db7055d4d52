#include "tablecodedialog.h"

#include "artwork.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

namespace windows {

TableCodeDialog::TableCodeDialog(QWidget* parent)
    : AuxWindow(QStringLiteral("TableCodeDialog"), tr("Rimbalo - Your Table"), parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(340, 220);
    makeHeading(tr("Your Table"));
    code_ = makeLabel(QStringLiteral("label_tablecode"), QString(), 34, true);
    code_->setAlignment(Qt::AlignCenter);
    code_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    code_->setGeometry(20, 50, 300, 50);
    about_ = makeLabel(QStringLiteral("label_tableabout"), QString());
    about_->setWordWrap(true);
    about_->setGeometry(24, 104, 292, 62);

    auto* copy = new ImageButton(QStringLiteral("button_copy"), tr("Copy"), this);
    copy->setBaseColour(QColor(46, 140, 70));
    copy->setGeometry(70, 174, 95, 32);
    connect(copy, &QAbstractButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(copyText()); });
    auto* close = new ImageButton(QStringLiteral("button_close"), tr("Close"), this);
    close->setBaseColour(QColor(150, 70, 60));
    close->setGeometry(175, 174, 95, 32);
    connect(close, &QAbstractButton::clicked, this, &QWidget::close);
}

void TableCodeDialog::showCode(const QString& code, const QString& name, bool isPublic,
                               const QString& server) {
    code_->setText(code);
    server_ = server;
    about_->setText((isPublic ? tr("\"%1\" is listed on %2. Friends can also type this code in Join a Game….")
                              : tr("\"%1\" is private: only those you give this code to can join it, "
                                   "in Join a Game… at %2."))
                        .arg(name, server));
}

QString TableCodeDialog::copyText() const {
    return server_ + QLatin1Char('/') + code_->text();
}

} // namespace windows
