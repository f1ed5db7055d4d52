#pragma once
// The game's sound cues ("entered", "turn", "winner" ...) and the chatter clips. Every sound the
// program plays passes through here; game cues only while the player has sounds switched on.

#include "clipplayer.h"

#include <QObject>
#include <QString>

#include <memory>

namespace client {

class SoundCues : public QObject {
    Q_OBJECT
public:
    explicit SoundCues(QObject* parent = nullptr);
    ~SoundCues() override;

    void setEnabled(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }
    // A game cue, by name in any letter case: played only while sounds are on.
    void play(const QString& name);
    // A clip played whatever the game-cue setting (the chatter sounds).
    void playClip(const QString& name);
    // Replaces the sound output (tests use a recording one).
    void setPlayer(std::unique_ptr<ClipPlayer> player);

    // The stored clip for a name; a name without a clip of its own gets the fallback clip.
    static QString clipPath(const QString& name);

signals:
    void played(const QString& name);

private:
    std::unique_ptr<ClipPlayer> player_;
    bool enabled_ = true;
};

} // namespace client
