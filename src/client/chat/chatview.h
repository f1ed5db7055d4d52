#pragma once
// The chat view: chat lines, actions and system lines in per-sender colours, with clickable web links
// and smiley pictures, and its context menu.

#include "linktable.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <array>
#include <deque>
#include <functional>
#include <string_view>
#include <vector>

class QAction;
class QMenu;
class QTextBlock;
class QTextBrowser;
class QTextCursor;
class QUrl;
class QWidget;

namespace client {

class ChatView : public QObject {
    Q_OBJECT
public:
    static constexpr int kStyles = 15; // 0 system lines, 4 links, 6..14 the lines of slots 1..9
    static constexpr int kLinkStyle = 4;
    static inline const QColor kSystemColour{0, 128, 0};
    static inline const QColor kUnreadableColour{255, 0, 0};
    // The view keeps the latest lines: past kMaxLines + kTrimStep lines the oldest go, down to kMaxLines.
    static constexpr int kMaxLines = 2000;
    static constexpr int kTrimStep = 200;

    explicit ChatView(QWidget* panel);

    // Adds one line: a number (0 for a system line, else the sender's slot 1..9), "+", then the text;
    // the text up to its first ":" is the line's head. A line with any other number is dropped.
    void addlinetochat(const QString& line, const QColor& colour);
    void addSystemLine(const QString& text) { addlinetochat(QStringLiteral("0+") + text, kSystemColour); }
    // "CMD_chat" and "CMD_action": slot, "+", the text, "|", the colour text.
    void chatrecieved(std::string_view args);
    // Opens the address stored under a link's number.
    void mainchatJump(int link);
    // Opens a web address as the links do; a failure is told to the player.
    void openAddress(const QUrl& url);

    int textSize() const { return textsize_; }
    void setTextSize(int points);
    // The text is shown `factor` times its chosen size (the panel has grown with the window).
    void setZoom(qreal factor);
    bool scrollOff() const { return scrollOff_; }
    void setScrollOff(bool off);
    void clear();
    void selectAll();
    void copy();

    // How a web address is opened (the desktop's default program unless replaced), and how a failure
    // is told to the player.
    void setOpener(std::function<bool(const QUrl&)> open) { open_ = std::move(open); }
    void setNotice(std::function<void(const QString&)> notice) { notice_ = std::move(notice); }

    QTextBrowser* view() const { return view_; }
    const LinkTable& links() const { return links_; }
    QColor styleColour(int style) const { return styles_[static_cast<std::size_t>(style)]; }
    // Plain text of the whole view, line by line.
    QString plainText() const;

signals:
    // The view's own "Scroll Chat Off" item was toggled.
    void scrollOffChanged(bool off);
    // The view was emptied (the input line takes the focus then).
    void cleared();

private:
    // One piece of a line: text in the line's style, a link, or a smiley picture (`smiley` >= 0).
    struct Piece {
        QString text;
        bool link = false;
        int smiley = -1;
    };
    // A stretch of the view in one style, by its position counted from the first character the view
    // ever held (so dropping old lines leaves the other stretches' positions as they are), and the
    // colour it is drawn in now.
    struct Span {
        qint64 start;
        qint64 length;
        QRgb drawn;
    };

    void buildPopup();
    void setStyleColour(int style, const QColor& colour);
    void addWords(std::vector<Piece>& pieces, const QString& text);
    void insertLine(const std::vector<Piece>& pieces, int style);
    void trimOldLines();
    // Brings the stretches on screen to their style's colour.
    void recolourVisible();
    // The line at height y of the document (the last line below its end).
    QTextBlock lineAt(int y) const;

    QTextBrowser* view_;
    QMenu* popup_ = nullptr;
    QAction* scrollItem_ = nullptr;
    std::array<QColor, kStyles> styles_{};
    std::array<std::deque<Span>, kStyles> spans_{};
    qint64 dropped_ = 0;   // characters dropped from the top of the view so far
    bool editing_ = false; // the document is being changed: positions may not match the stretches
    LinkTable links_;
    int textsize_ = 8;
    qreal zoom_ = 1;
    bool scrollOff_ = false;
    std::function<bool(const QUrl&)> open_;
    std::function<void(const QString&)> notice_;
};

} // namespace client
