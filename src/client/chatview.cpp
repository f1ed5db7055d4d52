#include "chatview.h"

#include "colourtext.h"

#include "protocol/text.h"
#include "windows/artwork.h"

#include <QFrame>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>

namespace client {

namespace {

const char* const kDefaultPhrases[ChatView::kPhrases] = {
    "Way To Go!", "Good One!", "Nice Try!",         "Excellent!",         "Brilliant!",
    "Wow, WTG!",  "Thanks!",   "Way To Go Teamie!", "Good Game Everyone!"};
const int kPhraseX[10] = {474, 501, 528, 554, 581, 608, 634, 661, 688, 715};

} // namespace

ChatView::ChatView(QWidget* panel) : QObject(panel) {
    auto* frame = new QFrame(panel);
    frame->setObjectName(QStringLiteral("frame_mainchat"));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(466, 150, 279, 171);
    view_ = new QTextBrowser(frame);
    view_->setObjectName(QStringLiteral("mainchat"));
    view_->setGeometry(2, 2, 275, 167);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setOpenLinks(false);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette pal = view_->palette();
    pal.setColor(QPalette::Base, windows::palette::cream);
    pal.setColor(QPalette::Text, Qt::black);
    view_->setPalette(pal);
    view_->document()->setDocumentMargin(5);

    input_ = new QLineEdit(kPrompt, panel);
    input_->setObjectName(QStringLiteral("mychat"));
    input_->setGeometry(465, 324, 224, 22);

    for (int i = 0; i < 10; ++i) {
        auto* b = new windows::ImageButton(QStringLiteral("b_phrase%1").arg(i + 1), QString(), panel);
        b->setGeometry(kPhraseX[i], 128, 25, 19);
        b->setBaseColour(i < kPhrases ? QColor(80, 120, 160) : QColor(150, 110, 50));
        b->setGlyph(windows::glyphs::speech);
        b->setToolTip(i < kPhrases ? QString::fromLatin1(kDefaultPhrases[i])
                                   : QStringLiteral("/me waves \"Good-Bye\""));
        phraseButtons_[static_cast<std::size_t>(i)] = b;
    }
    auto* smilies = new windows::ImageButton(QStringLiteral("button_smilies"), QString(), panel);
    smilies->setGeometry(691, 325, 25, 19);
    smilies->setBaseColour(QColor(150, 110, 50));
    smilies->setGlyph([](QPainter& p, const QRectF& r, const QColor&) { windows::glyphs::smiley(p, r); });
    smilies->setToolTip(QStringLiteral("See ya!"));
    setTextSize(8);
}

void ChatView::addlinetochat(const QString& line, const QColor& colour) {
    const qsizetype plus = line.indexOf(QLatin1Char('+'));
    QString text = plus < 0 ? line : line.mid(plus + 1);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString head = colon < 0 ? QString() : text.left(colon + 1);
    if (colon >= 0) text = text.mid(colon + 1);

    QTextCursor cursor(view_->document());
    cursor.movePosition(QTextCursor::End);
    if (!view_->document()->isEmpty()) cursor.insertBlock();
    QTextCharFormat format;
    format.setForeground(colour);
    format.setFontWeight(QFont::Bold);
    cursor.insertText(head + QLatin1Char(' ') + text.trimmed(), format);
    if (!scrollOff_) view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
}

void ChatView::chatrecieved(std::string_view args) {
    const QString all = QString::fromUtf8(args.data(), static_cast<qsizetype>(args.size()));
    const qsizetype bar = all.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        addlinetochat(all, QColor(255, 0, 0));
        return;
    }
    addlinetochat(all.left(bar), colourFromText(all.mid(bar + 1)).value_or(QColor(255, 0, 0)));
}

QString ChatView::phrase(int button) const {
    if (button < 1 || button > kPhrases) return {};
    return phraseButtons_[static_cast<std::size_t>(button - 1)]->toolTip();
}

void ChatView::setPhrase(int button, const QString& phrase) {
    if (button < 1 || button > kPhrases) return;
    phraseButtons_[static_cast<std::size_t>(button - 1)]->setToolTip(phrase);
}

std::array<QString, ChatView::kPhrases> ChatView::phrases() const {
    std::array<QString, kPhrases> out;
    for (int i = 0; i < kPhrases; ++i)
        out[static_cast<std::size_t>(i)] = phrase(i + 1);
    return out;
}

void ChatView::setTextSize(int size) {
    textsize_ = size;
    QFont f = view_->font();
    f.setFamily(QStringLiteral("Arial"));
    f.setPointSize(size > 0 ? size : 8);
    view_->document()->setDefaultFont(f);
}

void ChatView::setTextColour(const QColor& colour) {
    textcolour_ = colour;
    QPalette pal = input_->palette();
    pal.setColor(QPalette::Text, colour);
    input_->setPalette(pal);
}

void ChatView::clear() {
    view_->clear();
}

QString ChatView::plainText() const {
    return view_->toPlainText();
}

} // namespace client
