#include "soundcues.h"

namespace client {

void SoundCues::play(const QString& name) {
    if (!enabled_) return;
    emit played(name);
}

} // namespace client
