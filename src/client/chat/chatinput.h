#pragma once
// The chat input: the line the player types into, the smiley button and its menu, and sending what
// was typed or a phrase as a chat line or an action.

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QAbstractButton;
class QLineEdit;
class QMenu;
class QTimer;
class QWidget;

namespace client {

struct ClientState;

class ChatInput : public QObject {
    Q_OBJECT
public:
    // The line the empty input shows, in the window's language.
    static QString prompt() { return tr("<Enter Chat Here>"); }
    using Send = std::function<void(const std::string& command)>;

    ChatInput(QWidget* panel, const ClientState* state, Send send);
    // Gives the application its caret blinking back if it rests.
    ~ChatInput() override;

    // Enter in the input: a text not starting with "/" goes as a chat line, "/me ..." as an action,
    // any other "/" text nowhere; the input is emptied. Nothing at all happens while not logged in.
    void sendit();
    // A phrase button: "/me ..." goes as the action itself, anything else as "says: " and the phrase.
    void sendPhrase(const QString& phrase);
    // Appends smiley `index` (0..17) to the input.
    void addSmiley(int index);
    // Appends the clipboard's text to the input.
    void paste();

    QColor textColour() const { return textcolour_; }
    void setTextColour(const QColor& colour);

    // The caret stops blinking this long after the last key, click or focus on the input, so a window
    // left alone makes no wakeups of its own; typing, a click or coming back to the input restarts it.
    static constexpr int kCaretRestMs = 5000;
    // Stops the caret's blinking now (the rest timer's handler).
    void restCaret();
    bool caretResting() const { return restingFlashTime_ > 0; }

    QLineEdit* input() const { return input_; }
    QMenu* smileyMenu() const { return smilies_; }

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void sendAction(const QString& text);
    void buildSmileyMenu(QAbstractButton* button);
    void buildInputMenu();
    void wakeCaret();

    const ClientState* state_;
    Send send_;
    QLineEdit* input_;
    QMenu* smilies_ = nullptr;
    QMenu* popup_ = nullptr;
    QColor textcolour_ = Qt::black;
    QTimer* caretRest_;
    int restingFlashTime_ = 0; // the blink period to go back to while the caret rests, else 0
};

} // namespace client
