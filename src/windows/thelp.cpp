#include "thelp.h"

#include "artwork.h"
#include "helptext.h"

#include <QDate>
#include <QLabel>
#include <QStackedWidget>
#include <QTextBrowser>

namespace windows {

Thelp::Thelp(const QString& version, QWidget* parent)
    : AuxWindow(QStringLiteral("Thelp"), tr("Rimbalo - Help File"), parent) {
    resize(640, 470);
    setMinimumSize(560, 380);

    struct Topic {
        int tag;
        const char* caption;
        QString text;
    };
    const Topic topics[] = {
        {1, QT_TR_NOOP("Overview"), helptext::overview()},
        {2, QT_TR_NOOP("Connecting"), helptext::connecting()},
        {3, QT_TR_NOOP("Game Play"), helptext::gamePlay()},
        {4, QT_TR_NOOP("Scoring"), helptext::scoring()},
        {5, QT_TR_NOOP("Documentation"), helptext::documentation(version)},
        {11, QT_TR_NOOP("The Lobby"), helptext::lobby()},
    };

    auto* logo = new PaintedImage(
        QStringLiteral("image_logo"), [](QPainter& p, const QRect& r) { glyphs::logo(p, QRectF(r)); }, this);
    logo->setGeometry(16, 10, 120, 56);

    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("panel_main"));
    caption_ = makeLabel(QStringLiteral("label_caption"), QString(), 18, true);

    int y = 76;
    for (const Topic& t : topics) {
        const QString caption = tr(t.caption);
        auto* button = new ImageButton(QStringLiteral("SelButton%1").arg(t.tag), caption, this);
        button->setGeometry(12, y, 128, 30);
        y += 36;
        auto* memo = new QTextBrowser(pages_);
        memo->setObjectName(QStringLiteral("memo%1").arg(t.tag));
        memo->setReadOnly(true);
        memo->setOpenExternalLinks(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setHtml(t.text);
        memo->document()->setDocumentMargin(10);
        pages_->addWidget(memo);
        memos_[t.tag] = memo;
        captions_[t.tag] = caption;
        connect(button, &QAbstractButton::clicked, this, [this, tag = t.tag] { showTopic(tag); });
    }

    auto* about = new ImageButton(QStringLiteral("button_about"), tr("About"), this);
    connect(about, &QAbstractButton::clicked, this, &Thelp::aboutRequested);
    auto* done = new ImageButton(QStringLiteral("button_done"), tr("Done"), this);
    done->setBaseColour(QColor(46, 140, 70));
    connect(done, &QAbstractButton::clicked, this, &QWidget::hide);
    auto* year = makeLabel(QStringLiteral("label_year"), QString::number(QDate::currentDate().year()), 11);
    year->setAlignment(Qt::AlignCenter);

    place_ = [this, about, done, year] {
        const int w = width(), h = height();
        caption_->setGeometry(156, 16, w - 170, 30);
        pages_->setGeometry(156, 52, w - 168, h - 64);
        about->setGeometry(12, h - 84, 128, 30);
        done->setGeometry(12, h - 48, 128, 30);
        year->setGeometry(12, h - 110, 128, 20);
    };
    place_();
    showTopic(1);
}

void Thelp::resizeEvent(QResizeEvent* event) {
    AuxWindow::resizeEvent(event);
    if (place_) place_();
}

void Thelp::showTopic(int tag) {
    const auto it = memos_.find(tag);
    if (it == memos_.end()) return;
    pages_->setCurrentWidget(it->second);
    caption_->setText(captions_[tag]);
}

QTextBrowser* Thelp::page(int tag) const {
    const auto it = memos_.find(tag);
    return it == memos_.end() ? nullptr : it->second;
}

} // namespace windows
