// Leaving the game this window is in (Exit, Host, Join, Play Solo, Stop Hosting): what that would cost
// and the player's confirmation when it costs something.

#include "tchat.h"

#include "client/seats/seatdisplay.h"
#include "gameflow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace client {

namespace {

// "Bob", "Bob and Carol", "Bob, Carol and Dee".
QString nameList(const QStringList& names) {
    if (names.size() < 2) return names.join(QString());
    return QCoreApplication::translate("client::Tchat", "%1 and %2")
        .arg(names.mid(0, names.size() - 1).join(QCoreApplication::translate("client::Tchat", ", ")),
             names.last());
}

} // namespace

QString Tchat::leavingLoss() const {
    const QStringList others = seats_->otherPeople();
    if (state_.ishost && !solo_ && !others.isEmpty())
        return tr("You are hosting: the game ends for %1.").arg(nameList(others));
    if (!flow_->gameOn() || !state_.seated()) return {};
    // A game of one's own loses nothing between rounds.
    if (state_.ishost) return state_.turnslot != 0 ? tr("The round you are playing ends.") : QString();
    return tr("You leave the game in progress: the computer plays your seat.");
}

void Tchat::confirmLeaving(const QString& action, std::function<void()> proceed) {
    const QString loss = leavingLoss();
    if (loss.isEmpty()) {
        proceed();
        return;
    }
    if (leaveBox_) leaveBox_->close();
    auto* box = new QMessageBox(QMessageBox::Question, windowTitle(), loss, QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("message_leave"));
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(tr("%1 all the same?").arg(action));
    QPushButton* go = box->addButton(action, QMessageBox::AcceptRole);
    go->setObjectName(QStringLiteral("button_leave"));
    box->addButton(QMessageBox::Cancel)->setObjectName(QStringLiteral("button_stay"));
    box->setDefaultButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The game goes on while the player decides.
    box->setWindowModality(Qt::NonModal);
    connect(box, &QMessageBox::buttonClicked, this, [go, proceed = std::move(proceed)](QAbstractButton* b) {
        if (b == go) proceed();
    });
    box->show();
    leaveBox_ = box;
}

void Tchat::exitGame() {
    confirmLeaving(tr("Exit"), [this] {
        leaveConfirmed_ = true;
        close();
    });
}

// The player closes the window: as Exit. Other closes (the program told to stop, a game that turned
// this window away, a notice read) need no question.
bool Tchat::closeNeedsConfirming(QCloseEvent* event) {
    if (!event->spontaneous() || leaveConfirmed_ || leavingLoss().isEmpty()) return false;
    event->ignore();
    exitGame();
    return true;
}

} // namespace client
