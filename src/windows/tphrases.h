#pragma once
// The phrase editor: the texts of the nine phrase buttons, edited in one window and handed back with
// "Done".

#include "auxwindow.h"
#include "protocol/facts.h"

#include <array>

class QLineEdit;

namespace windows {

class Tphrases : public AuxWindow {
    Q_OBJECT
public:
    static constexpr int kPhrases = protocol::kPhrases;
    static constexpr int kMaxLength = 50;
    using Phrases = std::array<QString, kPhrases>;

    explicit Tphrases(QWidget* parent = nullptr);

    // Fills the nine fields and shows the window centred over `owner`.
    void showWith(const Phrases& phrases, QWidget* owner);
    void setPhrases(const Phrases& phrases);
    Phrases phrases() const;
    // "Done": hands the nine texts back and closes the window.
    void done();

signals:
    void phrasesChosen(const Phrases& phrases);

private:
    std::array<QLineEdit*, kPhrases> edits_{};
};

} // namespace windows
