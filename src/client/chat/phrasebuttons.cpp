#include "phrasebuttons.h"

#include "windows/artwork.h"

#include <QTimer>

namespace client {

namespace {

const int kPhraseX[PhraseButtons::kPhrases + 1] = {474, 501, 528, 554, 581, 608, 634, 661, 688, 715};

} // namespace

PhraseButtons::Phrases PhraseButtons::defaultPhrases() {
    return {tr("Way To Go!"), tr("Good One!"),         tr("Nice Try!"),
            tr("Excellent!"), tr("Brilliant!"),        tr("Wow, WTG!"),
            tr("Thanks!"),    tr("Way To Go Teamie!"), tr("Good Game Everyone!")};
}

PhraseButtons::PhraseButtons(QWidget* panel) : QObject(panel), gate_(new QTimer(this)) {
    gate_->setObjectName(QStringLiteral("phrasegate"));
    gate_->setSingleShot(true);
    gate_->setInterval(kGateMs);
    connect(gate_, &QTimer::timeout, this, &PhraseButtons::openGate);
    const Phrases phrases = defaultPhrases();
    for (int i = 0; i <= kPhrases; ++i) {
        auto* b = new windows::ImageButton(QStringLiteral("b_phrase%1").arg(i + 1), QString(), panel);
        b->setGeometry(kPhraseX[i], 128, 25, 19);
        b->setBaseColour(i < kPhrases ? QColor(80, 120, 160) : QColor(150, 110, 50));
        b->setGlyph(windows::glyphs::speech);
        buttons_[static_cast<std::size_t>(i)] = b;
        if (i < kPhrases) {
            b->setToolTip(phrases[static_cast<std::size_t>(i)]);
            connect(b, &QAbstractButton::clicked, this, [this, i] { press(i + 1); });
        } else {
            b->setToolTip(QStringLiteral("/me waves \"Good-Bye\""));
            connect(b, &QAbstractButton::clicked, this,
                    [this, b] { emit soundMenuRequested(b->mapToGlobal(QPoint(b->width(), b->height()))); });
        }
    }
}

QString PhraseButtons::phrase(int button) const {
    if (button < 1 || button > kPhrases) return {};
    return buttons_[static_cast<std::size_t>(button - 1)]->toolTip();
}

void PhraseButtons::setPhrase(int button, const QString& phrase) {
    if (button < 1 || button > kPhrases) return;
    buttons_[static_cast<std::size_t>(button - 1)]->setToolTip(phrase);
}

PhraseButtons::Phrases PhraseButtons::phrases() const {
    Phrases out;
    for (int i = 0; i < kPhrases; ++i)
        out[static_cast<std::size_t>(i)] = phrase(i + 1);
    return out;
}

void PhraseButtons::press(int button) {
    if (!gateOpen_ || button < 1 || button > kPhrases) return;
    gateOpen_ = false;
    gate_->start();
    emit phraseChosen(phrase(button));
}

} // namespace client
