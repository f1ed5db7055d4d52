#include "chatinput.h"

#include "client/net/clientstate.h"
#include "client/settings/colourtext.h"
#include "smilies.h"

#include "protocol/messages.h"
#include "protocol/text.h"
#include "windows/artwork.h"
#include "windows/paintedicon.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QStyleHints>
#include <QTimer>

namespace client {

ChatInput::ChatInput(QWidget* panel, const ClientState* state, Send send)
    : QObject(panel), state_(state), send_(std::move(send)) {
    input_ = new QLineEdit(prompt(), panel);
    input_->setObjectName(QStringLiteral("mychat"));
    input_->setAccessibleName(tr("Chat message"));
    input_->setGeometry(465, 324, 224, 22);
    input_->setMaxLength(static_cast<int>(protocol::kMaxChatLength)); // typing, pasting and smilies alike
    input_->installEventFilter(this);
    connect(input_, &QLineEdit::returnPressed, this, &ChatInput::sendit);
    caretRest_ = new QTimer(this);
    caretRest_->setObjectName(QStringLiteral("caretrest"));
    caretRest_->setSingleShot(true);
    caretRest_->setInterval(kCaretRestMs);
    connect(caretRest_, &QTimer::timeout, this, &ChatInput::restCaret);

    auto* button = new windows::ImageButton(QStringLiteral("button_smilies"), QString(), panel);
    button->setGeometry(691, 325, 25, 19);
    button->setBaseColour(QColor(150, 110, 50));
    button->setGlyph([](QPainter& p, const QRectF& r, const QColor&) { windows::glyphs::smiley(p, r); });
    button->setToolTip(tr("See ya!"));
    buildSmileyMenu(button);
    buildInputMenu();
}

ChatInput::~ChatInput() {
    wakeCaret();
}

void ChatInput::buildSmileyMenu(QAbstractButton* button) {
    smilies_ = new QMenu(button);
    smilies_->setObjectName(QStringLiteral("popup_smilies"));
    for (int i = 0; i < smilies::kCount; ++i) {
        // The faces are drawn when the menu first opens.
        QAction* a =
            smilies_->addAction(windows::imageIcon([i] { return smilies::picture(i); }), smilies::code(i));
        a->setObjectName(QStringLiteral("smiley%1").arg(smilies::kFirstCode + i));
        connect(a, &QAction::triggered, this, [this, i] { addSmiley(i); });
    }
    connect(button, &QAbstractButton::clicked, this, [this, button] {
        smilies_->popup(button->mapToGlobal(QPoint(button->width(), button->height())));
    });
}

void ChatInput::buildInputMenu() {
    popup_ = new QMenu(input_);
    popup_->setObjectName(QStringLiteral("popup_mychat"));
    QAction* paste = popup_->addAction(tr("Paste"));
    paste->setObjectName(QStringLiteral("Paste1"));
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    connect(paste, &QAction::triggered, this, &ChatInput::paste);
    input_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(input_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(input_->mapToGlobal(at)); });
}

// The blink period is the application's: no other text field blinks while the chat input has the
// focus, and it is given back as soon as the input loses it.
void ChatInput::restCaret() {
    caretRest_->stop();
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (caretResting() || flashTime <= 0) return;
    restingFlashTime_ = flashTime;
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

void ChatInput::wakeCaret() {
    if (caretResting()) QGuiApplication::styleHints()->setCursorFlashTime(restingFlashTime_);
    restingFlashTime_ = 0;
}

bool ChatInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == input_) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::FocusIn:
            wakeCaret();
            caretRest_->start();
            break;
        case QEvent::FocusOut:
            caretRest_->stop();
            wakeCaret();
            break;
        default:
            break;
        }
    }
    if (watched == input_ && event->type() == QEvent::KeyPress && input_->text() == prompt()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            input_->clear();
    }
    return QObject::eventFilter(watched, event);
}

void ChatInput::sendit() {
    if (!state_->loggedin) return;
    const QString text = input_->text();
    if (text.isEmpty()) return;
    if (!text.startsWith(QLatin1Char('/'))) {
        const std::string colour = colourToText(textcolour_).toStdString();
        send_(protocol::encode(protocol::toserver::Chat{
            .slot = state_->myslot, .text = protocol::joinColour(text.toStdString(), colour)}));
    } else if (text.startsWith(QLatin1String("/me"))) {
        sendAction(text.mid(4));
    }
    input_->clear();
}

void ChatInput::sendPhrase(const QString& phrase) {
    if (!state_->loggedin) return;
    if (phrase.startsWith(QLatin1String("/me ")))
        sendAction(phrase.mid(4));
    else
        sendAction(QStringLiteral("says: ") + phrase);
}

void ChatInput::sendAction(const QString& text) {
    const std::string colour = colourToText(textcolour_).toStdString();
    send_(protocol::encode(protocol::toserver::Action{
        .slot = state_->myslot, .text = protocol::joinColour(text.toStdString(), colour)}));
}

void ChatInput::addSmiley(int index) {
    if (input_->text() == prompt()) input_->clear();
    input_->setText(input_->text() + smilies::code(index));
    input_->setCursorPosition(static_cast<int>(input_->text().size()));
}

void ChatInput::paste() {
    QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) return;
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
    input_->setText(input_->text() + text);
    input_->setCursorPosition(static_cast<int>(input_->text().size()));
}

void ChatInput::setTextColour(const QColor& colour) {
    textcolour_ = colour;
    QPalette pal = input_->palette();
    pal.setColor(QPalette::Text, colour);
    input_->setPalette(pal);
}

} // namespace client
