#include "roundsummary.h"

#include "client/panel/panelscale.h"
#include "client/panel/panelstyle.h"

#include "windows/artwork.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace client {

namespace {

// The panel is cream like the rack: its texts are dark, the backdrop's pale label colour would not show.
const QColor kInk{48, 40, 24};

QLabel* inked(QWidget* parent, const QString& name, const QString& text, int pixelSize, bool bold) {
    QLabel* l = style::label(parent, name, text, pixelSize, bold);
    style::setTextColour(l, kInk);
    return l;
}

} // namespace

RoundSummary::RoundSummary(QWidget* board) : QFrame(board) {
    setObjectName(QStringLiteral("panel_roundsummary"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, windows::palette::cream);
    setPalette(pal);
    setAutoFillBackground(true);
    setGeometry(70, 80, 320, 210);

    box_ = new QVBoxLayout(this);
    auto* box = box_;
    margins_ = box->contentsMargins();
    spacing_ = box->spacing() >= 0 ? box->spacing() : 6;
    title_ = inked(this, QStringLiteral("label_roundtitle"), QString(), 14, true);
    title_->setAlignment(Qt::AlignCenter);
    title_->setWordWrap(true);
    box->addWidget(title_);
    grid_ = new QGridLayout;
    grid_->setHorizontalSpacing(kColumnGap);
    box->addLayout(grid_);
    rowGap_ = grid_->verticalSpacing() >= 0 ? grid_->verticalSpacing() : spacing_;
    box->addStretch();
    countdown_ = inked(this, QStringLiteral("label_nextround"), QString(), 12, true);
    countdown_->setAlignment(Qt::AlignCenter);
    box->addWidget(countdown_);
    auto* ok = new QPushButton(tr("Close"), this);
    ok->setObjectName(QStringLiteral("button_roundclose"));
    scale::setFont(ok, ok->font());
    connect(ok, &QPushButton::clicked, this, [this] {
        hide(); // the countdown goes on unseen
        emit closedByPlayer();
    });
    box->addWidget(ok, 0, Qt::AlignCenter);

    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &RoundSummary::tick);
    hide();
}

void RoundSummary::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    // The panel follows the game panel's factor: its spacing shrinks and grows with its text.
    const qreal f = scale::factor(this);
    box_->setContentsMargins(scale::px(margins_.left(), f), scale::px(margins_.top(), f),
                             scale::px(margins_.right(), f), scale::px(margins_.bottom(), f));
    box_->setSpacing(scale::px(spacing_, f));
    grid_->setHorizontalSpacing(scale::px(kColumnGap, f));
    grid_->setVerticalSpacing(scale::px(rowGap_, f));
}

void RoundSummary::showResult(const QString& title, const std::vector<Line>& lines) {
    title_->setText(title);
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QStringList heads{QString(), tr("Tiles left"), tr("Round"), tr("Score")};
    for (int c = 0; c < heads.size(); ++c)
        grid_->addWidget(inked(this, QString(), heads[c], 11, true), 0, c, Qt::AlignRight);
    int row = 1;
    for (const Line& line : lines) {
        const QString points =
            (line.points > 0 ? QStringLiteral("+") : QString()) + QString::number(line.points);
        const QStringList cells{line.name, QString::number(line.tilesLeft), points,
                                QString::number(line.score)};
        for (int c = 0; c < cells.size(); ++c) {
            QLabel* l = inked(this, QStringLiteral("label_round%1_%2").arg(row).arg(c), cells[c], 12, c == 0);
            if (c == 0) {
                // A long name takes the room the figures leave it, drawn smaller if need be.
                l->setMinimumWidth(1);
                l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            }
            grid_->addWidget(l, row, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
        }
        ++row;
    }
    left_ = kNextRoundSeconds;
    showCountdown();
    timer_.start();
    raise();
    show();
}

void RoundSummary::gameOver(const QString& banner) {
    timer_.stop();
    countdown_->setText(banner);
    if (!isHidden()) raise();
}

void RoundSummary::close() {
    timer_.stop();
    hide();
}

void RoundSummary::tick() {
    if (left_ > 0) --left_;
    showCountdown();
    if (left_ == 0) timer_.stop(); // the round starts when the server says so
}

void RoundSummary::showCountdown() {
    countdown_->setText(left_ > 0 ? tr("Next round in %1 s").arg(left_) : tr("The next round is starting."));
}

} // namespace client
