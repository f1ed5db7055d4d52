#pragma once
// The phrase buttons: nine buttons that each send their phrase (the button's tooltip) with one click,
// at most one press every two seconds, and the tenth button that opens the chatter sound menu.

#include "protocol/facts.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <array>

class QAbstractButton;
class QTimer;
class QWidget;

namespace client {

class PhraseButtons : public QObject {
    Q_OBJECT
public:
    static constexpr int kPhrases = protocol::kPhrases;
    static constexpr int kGateMs = 2000;
    using Phrases = std::array<QString, kPhrases>;

    explicit PhraseButtons(QWidget* panel);

    QString phrase(int button) const; // 1..9
    void setPhrase(int button, const QString& phrase);
    Phrases phrases() const;
    static Phrases defaultPhrases();

    // A press of button 1..9: its phrase is chosen when the gate is open, and the gate closes.
    void press(int button);
    bool gateOpen() const { return gateOpen_; }
    void openGate() { gateOpen_ = true; }

signals:
    void phraseChosen(const QString& phrase);
    // The tenth button was pressed; the menu opens at `where` (global coordinates).
    void soundMenuRequested(const QPoint& where);

private:
    std::array<QAbstractButton*, kPhrases + 1> buttons_{};
    QTimer* gate_;
    bool gateOpen_ = true;
};

} // namespace client
