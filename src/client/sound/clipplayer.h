#pragma once
// Plays sound clips stored in the program, one at a time: a new clip cuts off the one playing.

#include <QString>

#include <memory>

class QObject;

namespace client {

class ClipPlayer {
public:
    virtual ~ClipPlayer() = default;
    // Starts the clip at a resource path (":/sounds/TURN.wav") and returns at once.
    virtual void play(const QString& path) = 0;
};

// The desktop's sound output; a player that stays silent when the program was built without it.
// Output failures (no audio device, say) are ignored.
std::unique_ptr<ClipPlayer> makeSystemPlayer(QObject* owner);

} // namespace client
