#pragma once
// Chatter sounds: the exclamations a seated player sends to everybody from the sound menu, played on
// arrival or, for a listener who turned them off, told in the chat.

#include "protocol/messages.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QMenu;
class QPoint;
class QWidget;

namespace client {

struct ClientState;
class SoundCues;

class ChatterSounds : public QObject {
    Q_OBJECT
public:
    static constexpr int kSounds = 20;

    struct Hooks {
        const ClientState* state = nullptr;
        SoundCues* sounds = nullptr;
        std::function<void(const std::string&)> send;
        std::function<bool()> chatterOn;         // "Play Chatter Sounds" is checked
        std::function<QString(int slot)> nameOf; // a seat's shown name; empty for no name label
        std::function<void(const QString&)> systemLine;
    };

    ChatterSounds(QWidget* owner, Hooks hooks);

    // The caption of chatter sound `number` (1..20), empty for any other number.
    static QString caption(int number);
    // The sound a name from the network stands for: "wave1" ... "wave20", else 0.
    static int soundNumber(std::string_view name);

    void popup(const QPoint& where);
    QMenu* menu() const { return menu_; }
    // A menu item: 0 is "<Cancel>"; 1..20 sends that sound when this client holds a seat.
    void wave14Click(int tag);
    // "CMD_playasound": slot, "+", sound name, "+".
    void playasound(const protocol::toclient::PlayASound& m);

private:
    Hooks hooks_;
    QMenu* menu_;
};

} // namespace client
