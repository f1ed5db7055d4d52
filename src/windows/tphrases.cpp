#include "tphrases.h"

#include "artwork.h"

#include <QLabel>
#include <QLineEdit>

namespace windows {

Tphrases::Tphrases(QWidget* parent)
    : AuxWindow(QStringLiteral("Tphrases"), tr("Rimbalo - Phrase Buttons "), parent) {
    setFixedSize(368, 264);
    for (int i = 0; i < kPhrases; ++i) {
        const int y = 12 + i * 22;
        QLabel* label = makeLabel(QStringLiteral("label_phrase%1").arg(i + 1),
                                  tr("Phrase Button %1:").arg(i + 1), 12, true);
        label->setGeometry(10, y, 118, 20);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("phrase%1").arg(i + 1));
        edit->setMaxLength(kMaxLength);
        edit->setGeometry(130, y, 224, 20);
        edits_[static_cast<std::size_t>(i)] = edit;
    }
    QLabel* note =
        makeLabel(QStringLiteral("label_note"), tr("Buttons can only be used once every 2 seconds"), 11);
    note->setGeometry(14, 212, 340, 16);
    auto* doneButton = new ImageButton(QStringLiteral("button_done"), tr("Done"), this);
    doneButton->setGeometry(282, 230, 70, 24);
    connect(doneButton, &QAbstractButton::clicked, this, &Tphrases::done);
}

void Tphrases::showWith(const Phrases& phrases, QWidget* owner) {
    setPhrases(phrases);
    showOver(owner);
}

void Tphrases::setPhrases(const Phrases& phrases) {
    for (int i = 0; i < kPhrases; ++i)
        edits_[static_cast<std::size_t>(i)]->setText(phrases[static_cast<std::size_t>(i)]);
}

Tphrases::Phrases Tphrases::phrases() const {
    Phrases out;
    for (int i = 0; i < kPhrases; ++i)
        out[static_cast<std::size_t>(i)] = edits_[static_cast<std::size_t>(i)]->text();
    return out;
}

void Tphrases::done() {
    emit phrasesChosen(phrases());
    close();
}

} // namespace windows
