#include "chatview.h"

#include "client/settings/colourtext.h"
#include "smilies.h"

#include "protocol/text.h"
#include "windows/artwork.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFrame>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

#include <algorithm>
#include <limits>

namespace client {

namespace {

constexpr int kStyleProperty = QTextFormat::UserProperty + 1;
const QString kSmileyScheme = QStringLiteral("smiley");

// The view shows only what the program puts in it: its own smiley pictures, never a resource
// named by the text.
class ChatBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && name.scheme() == kSmileyScheme)
            return smilies::picture(name.path().toInt());
        return {};
    }
};

// Control characters (line breaks among them) would let one chat line pass for several.
QString singleLine(QString text) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return text;
}

} // namespace

ChatView::ChatView(QWidget* panel) : QObject(panel) {
    auto* frame = new QFrame(panel);
    frame->setObjectName(QStringLiteral("frame_mainchat"));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(466, 150, 279, 171);
    view_ = new ChatBrowser(frame);
    view_->setObjectName(QStringLiteral("mainchat"));
    view_->setAccessibleName(tr("Chat"));
    view_->setGeometry(2, 2, 275, 167);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setOpenLinks(false);
    view_->setOpenExternalLinks(false);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    QPalette pal = view_->palette();
    pal.setColor(QPalette::Base, windows::palette::cream);
    pal.setColor(QPalette::Text, Qt::black);
    view_->setPalette(pal);
    view_->document()->setDocumentMargin(5);
    view_->document()->setUndoRedoEnabled(false);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { recolourVisible(); });
    connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        bool ok = false;
        const int link = url.fragment().toInt(&ok);
        if (ok) mainchatJump(link);
    });

    const QColor text = QApplication::palette().color(QPalette::WindowText);
    styles_ = {QColor(Qt::blue),
               QColor(Qt::blue),
               QColor(0, 0, 128),
               QColor(128, 0, 0),
               kSystemColour,
               kSystemColour,
               QColor(192, 192, 192),
               QColor(192, 192, 192),
               text,
               text,
               text,
               text,
               text,
               text,
               text};
    open_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    buildPopup();
    setTextSize(8);
}

void ChatView::buildPopup() {
    popup_ = new QMenu(view_);
    popup_->setObjectName(QStringLiteral("popup_mainchat"));
    auto add = [this](const char* name, const QString& text, auto handler) {
        QAction* a = popup_->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    add("SelectAll1", tr("Select All"), [this] { selectAll(); });
    add("Copy1", tr("Copy"), [this] { copy(); })->setShortcut(QKeySequence::Copy);
    add("ClearMainChat2", tr("Clear Main Chat"), [this] { clear(); });
    popup_->addSeparator();
    scrollItem_ = add("ScrollChatOff2", tr("Scroll Chat Off"), [this](bool on) {
        scrollOff_ = on;
        emit scrollOffChanged(on);
    });
    scrollItem_->setCheckable(true);
    // The key itself belongs to the main menu's item; the popup only shows it.
    scrollItem_->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    scrollItem_->setShortcutContext(Qt::WidgetShortcut);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(view_->viewport()->mapToGlobal(at)); });
}

void ChatView::setStyleColour(int style, const QColor& colour) {
    // A style is shared by every line that uses it: earlier lines of the same sender follow along
    // when they are drawn (recolourVisible), so a change costs nothing for lines off screen.
    styles_[static_cast<std::size_t>(style)] = colour;
}

QTextBlock ChatView::lineAt(int y) const {
    // Lines lie one below the other: the first whose bottom is below y, by halving.
    const QTextDocument* doc = view_->document();
    const QAbstractTextDocumentLayout* layout = doc->documentLayout();
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (layout->blockBoundingRect(doc->findBlockByNumber(mid)).bottom() <= y)
            low = mid + 1;
        else
            high = mid;
    }
    return doc->findBlockByNumber(low);
}

void ChatView::recolourVisible() {
    if (editing_) return;
    // A view that is not shown has no screen: all of it is brought up to date.
    qint64 top = dropped_;
    qint64 bottom = std::numeric_limits<qint64>::max();
    if (view_->isVisible()) {
        const int y = view_->verticalScrollBar()->value();
        top = lineAt(y).position() + dropped_;
        const QTextBlock last = lineAt(y + view_->viewport()->height());
        bottom = last.position() + last.length() + dropped_;
    }
    // One edit for all of them: the view lays out the lines on screen once.
    QTextCursor cursor(view_->document());
    bool editing = false;
    for (std::size_t style = 0; style < spans_.size(); ++style) {
        std::deque<Span>& spans = spans_[style];
        const QRgb wanted = styles_[style].rgba();
        auto it = std::lower_bound(spans.begin(), spans.end(), top,
                                   [](const Span& s, qint64 at) { return s.start + s.length <= at; });
        for (; it != spans.end() && it->start <= bottom; ++it) {
            if (it->drawn == wanted) continue;
            it->drawn = wanted;
            if (!editing) cursor.beginEditBlock();
            editing = editing_ = true;
            QTextCharFormat recolour;
            recolour.setForeground(styles_[style]);
            cursor.setPosition(static_cast<int>(it->start - dropped_));
            cursor.setPosition(static_cast<int>(it->start - dropped_ + it->length), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(recolour);
        }
    }
    if (editing) cursor.endEditBlock();
    editing_ = false;
}

void ChatView::addlinetochat(const QString& line, const QColor& colour) {
    const qsizetype plus = line.indexOf(QLatin1Char('+'));
    bool ok = false;
    const int n = line.left(plus < 0 ? 0 : plus).toInt(&ok);
    if (!ok || n < 0 || n > 9) return;
    const int style = n == 0 ? 0 : n + 5;
    QString text = singleLine(line.mid(plus + 1));
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString head = colon < 0 ? QString() : text.left(colon + 1);
    text.remove(0, colon + 1);
    // The head is followed by one blank: the blank the sender put after its ":" is that blank.
    if (colon >= 0 && text.startsWith(QLatin1Char(' '))) text.remove(0, 1);

    setStyleColour(style, colour);
    std::vector<Piece> pieces{{head + QLatin1Char(' '), false, -1}};
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(smilies::kMarker); at >= 0; at = text.indexOf(smilies::kMarker, from)) {
        addWords(pieces, text.mid(from, at - from));
        const QString digits = text.mid(at + smilies::kMarker.size(), 2);
        from = at + smilies::kMarker.size() + digits.size();
        pieces.push_back({QString(), false, smilies::indexOf(digits)});
    }
    addWords(pieces, text.mid(from));
    insertLine(pieces, style);
    trimOldLines();
    if (!scrollOff_) view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
    recolourVisible();
}

void ChatView::addWords(std::vector<Piece>& pieces, const QString& text) {
    // Words are cut after each blank, the blank going with the word before it; runs of words that
    // are not links make one piece.
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '), start);
        const qsizetype end = blank < 0 ? text.size() : blank + 1;
        const QStringView word = QStringView(text).mid(start, end - start);
        start = end;
        const bool link = LinkTable::isLink(word.toString());
        if (link || pieces.back().link || pieces.back().smiley >= 0)
            pieces.push_back({word.toString(), link, -1});
        else
            pieces.back().text += word;
    }
}

void ChatView::insertLine(const std::vector<Piece>& pieces, int style) {
    QTextCharFormat plain;
    plain.setForeground(styles_[static_cast<std::size_t>(style)]);
    plain.setFontWeight(QFont::Bold);
    plain.setProperty(kStyleProperty, style);
    std::deque<Span>& spans = spans_[static_cast<std::size_t>(style)];

    // The whole line goes in as one edit: the view lays it out once.
    editing_ = true;
    QTextCursor cursor(view_->document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    if (!view_->document()->isEmpty()) cursor.insertBlock(QTextBlockFormat(), plain);
    for (const Piece& piece : pieces) {
        const qint64 at = cursor.position() + dropped_;
        if (piece.smiley >= 0) {
            QTextImageFormat image;
            image.setName(kSmileyScheme + QStringLiteral(":%1").arg(piece.smiley));
            image.setWidth(smilies::kWidth);
            image.setHeight(smilies::kHeight);
            image.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            cursor.insertImage(image);
        } else if (piece.link) {
            QTextCharFormat link;
            link.setForeground(styles_[kLinkStyle]);
            link.setFontUnderline(true);
            link.setAnchor(true);
            link.setAnchorHref(QStringLiteral("#%1").arg(links_.store(piece.text)));
            link.setProperty(kStyleProperty, kLinkStyle);
            cursor.insertText(piece.text, link);
        } else if (!piece.text.isEmpty()) {
            cursor.insertText(piece.text, plain);
            const QRgb drawn = styles_[static_cast<std::size_t>(style)].rgba();
            if (!spans.empty() && spans.back().start + spans.back().length == at &&
                spans.back().drawn == drawn)
                spans.back().length += piece.text.size();
            else
                spans.push_back({at, piece.text.size(), drawn});
        }
    }
    cursor.endEditBlock();
    editing_ = false;
}

void ChatView::trimOldLines() {
    QTextDocument* doc = view_->document();
    if (doc->blockCount() <= kMaxLines + kTrimStep) return;
    const QTextBlock firstKept = doc->findBlockByNumber(doc->blockCount() - kMaxLines);
    const int cut = firstKept.position();
    editing_ = true;
    QTextCursor cursor(doc);
    cursor.setPosition(0);
    cursor.setPosition(cut, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    dropped_ += cut;
    for (std::deque<Span>& spans : spans_) {
        while (!spans.empty() && spans.front().start + spans.front().length <= dropped_)
            spans.pop_front();
        if (!spans.empty() && spans.front().start < dropped_) {
            spans.front().length -= dropped_ - spans.front().start;
            spans.front().start = dropped_;
        }
    }
    editing_ = false;
}

void ChatView::chatrecieved(std::string_view args) {
    // The sender's colour follows the last "|": a "|" the player typed stays part of the line.
    const protocol::ColouredText parts = protocol::splitColour(args);
    const QString line = QString::fromUtf8(parts.text.data(), static_cast<qsizetype>(parts.text.size()));
    if (args.find('|') == std::string_view::npos) {
        addlinetochat(line, kUnreadableColour);
        return;
    }
    addlinetochat(line, colourFromText(QString::fromUtf8(parts.colour)).value_or(kUnreadableColour));
}

void ChatView::mainchatJump(int link) {
    const std::optional<QUrl> url = LinkTable::address(links_.entry(link));
    openAddress(url.value_or(QUrl()));
}

void ChatView::openAddress(const QUrl& url) {
    if (url.isValid() && open_ && open_(url)) return;
    if (notice_) notice_(tr("Cannot open Webpage"));
}

void ChatView::setTextSize(int points) {
    textsize_ = points > 0 ? points : 8;
    QFont f = view_->font();
    f.setFamily(QStringLiteral("Arial"));
    f.setPointSizeF(textsize_ * zoom_);
    view_->document()->setDefaultFont(f);
    recolourVisible();
}

void ChatView::setZoom(qreal factor) {
    zoom_ = factor;
    setTextSize(textsize_);
}

void ChatView::setScrollOff(bool off) {
    scrollOff_ = off;
    scrollItem_->setChecked(off);
}

void ChatView::clear() {
    editing_ = true;
    view_->clear();
    editing_ = false;
    for (std::deque<Span>& spans : spans_)
        spans.clear();
    dropped_ = 0;
    emit cleared();
}

void ChatView::selectAll() {
    view_->selectAll();
}

void ChatView::copy() {
    const QString text = view_->textCursor().selectedText();
    if (text.isEmpty()) return;
    QString copied = text;
    copied.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).remove(QChar::ObjectReplacementCharacter);
    QApplication::clipboard()->setText(copied);
}

QString ChatView::plainText() const {
    return view_->toPlainText();
}

} // namespace client
