#pragma once
// The chat: the view of chat lines and system lines, the input line, the phrase buttons and the
// smiley button.

#include <QColor>
#include <QObject>
#include <QString>

#include <array>
#include <string_view>

class QAbstractButton;
class QLineEdit;
class QTextBrowser;
class QWidget;

namespace client {

class ChatView : public QObject {
public:
    static constexpr int kPhrases = 9;
    static inline const QColor kSystemColour{0, 128, 0};
    static inline const QString kPrompt = QStringLiteral("<Enter Chat Here>");

    explicit ChatView(QWidget* panel);

    // Adds one line: a number (0 for a system line, else the sender's slot), "+", then the text; the
    // text up to its first ":" is the line's head.
    void addlinetochat(const QString& line, const QColor& colour);
    void addSystemLine(const QString& text) { addlinetochat(QStringLiteral("0+") + text, kSystemColour); }
    // "CMD_chat" and "CMD_action": slot, "+", the text, "|", the colour text.
    void chatrecieved(std::string_view args);

    QString phrase(int button) const; // 1..9
    void setPhrase(int button, const QString& phrase);
    std::array<QString, kPhrases> phrases() const;

    int textSize() const { return textsize_; }
    void setTextSize(int pixelPoints);
    QColor textColour() const { return textcolour_; }
    void setTextColour(const QColor& colour);
    void setScrollOff(bool off) { scrollOff_ = off; }
    void clear();

    QTextBrowser* view() const { return view_; }
    QLineEdit* input() const { return input_; }
    // Plain text of the whole view, line by line (for tests and copying).
    QString plainText() const;

private:
    QTextBrowser* view_;
    QLineEdit* input_;
    std::array<QAbstractButton*, 10> phraseButtons_{};
    int textsize_ = 8;
    QColor textcolour_ = Qt::black;
    bool scrollOff_ = false;
};

} // namespace client
