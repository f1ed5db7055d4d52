#pragma once
// The host's game start dialog: collects the options of a new game and asks for it to be started.

#include "auxwindow.h"

#include "protocol/facts.h"

#include <optional>
#include <string_view>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace windows {

class UpDown;
class ImageButton;

class Tgamestart : public AuxWindow {
    Q_OBJECT
public:
    explicit Tgamestart(QWidget* parent = nullptr);

    struct Options {
        int playtoscore = protocol::kTargetRange.initial;
        int creationtime = protocol::kSecondsRange.initial;
        int tiles = protocol::kTilesRange.initial;
        bool timepenalty = true;
        bool teamgame = false;
        // Empty seats the computer plays in a game that is not a team game (the host's own choice,
        // not sent to anyone): 0 when a person holds seat 2 and nobody else is wanted; the computer
        // plays an empty seat 2 in any case.
        int opponents = 0;
        // How well the computer seats play: a place in protocol::kComputerLevels (Classic unless chosen).
        int level = protocol::kClassicLevel;
    };
    Options options() const;
    // Restores the remembered values; a number the arrows cannot reach leaves its field unchanged.
    void restore(std::optional<int> playtoscore, std::optional<int> creationtime, std::optional<int> tiles,
                 bool timepenalty, std::optional<int> opponents = std::nullopt,
                 int level = protocol::kClassicLevel);
    // Whether a person holds seat 2: only then may the game have no computer opponent at all. The
    // number shown is the host's choice, raised to 1 while the computer has to play seat 2.
    void setSeatTwoHeld(bool held);
    // The number of computer opponents as the host chose it (what the settings keep).
    int chosenOpponents() const { return chosenOpponents_; }
    // Shows a level (a place in protocol::kComputerLevels; the main window's menu makes the same choice).
    void setLevel(int level);
    // Start pressed: asks the owner to start a game with the options shown, and hides.
    void start();

signals:
    void startRequested(const windows::Tgamestart::Options& options);
    // The options shown changed (an arrow, the time penalty box, or restored values).
    void optionsChanged(const windows::Tgamestart::Options& options);

private:
    QCheckBox* tp_;
    QCheckBox* tg_;
    QComboBox* level_;
    QLineEdit* playtoscore_;
    QLineEdit* creationtime_;
    QLineEdit* tiles_;
    QLineEdit* opponents_;
    UpDown* up1_;
    UpDown* up2_;
    UpDown* up3_;
    UpDown* up4_;
    int chosenOpponents_ = 0; // the host's own choice, before the floor for an empty seat 2
    bool seatTwoHeld_ = false;
};

// A level's name as the dialog and the menus show it: "beginner" -> "Beginner".
QString levelTitle(std::string_view name);

} // namespace windows

Q_DECLARE_METATYPE(windows::Tgamestart::Options)
