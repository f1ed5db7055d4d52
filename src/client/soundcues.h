#pragma once
// The game's sound cues ("entered", "turn", "winner" ...). Every cue the game plays passes through
// here, and only while the player has sounds switched on.

#include <QObject>
#include <QString>

namespace client {

class SoundCues : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void setEnabled(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }
    void play(const QString& name);

signals:
    void played(const QString& name);

private:
    bool enabled_ = true;
};

} // namespace client
