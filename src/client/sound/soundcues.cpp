#include "soundcues.h"

#include <QFile>

#include <algorithm>

// The clips are compiled into the client library; a static library has to register them itself.
static void registerSoundResources() {
    Q_INIT_RESOURCE(sounds);
}

namespace client {

SoundCues::SoundCues(QObject* parent) : QObject(parent) {
    registerSoundResources();
    player_ = makeSystemPlayer(this);
}

SoundCues::~SoundCues() = default;

void SoundCues::play(const QString& name) {
    if (enabled_) playClip(name);
}

void SoundCues::playClip(const QString& name) {
    emit played(name);
    if (player_) player_->play(clipPath(name));
}

void SoundCues::setPlayer(std::unique_ptr<ClipPlayer> player) {
    player_ = std::move(player);
}

QString SoundCues::clipPath(const QString& name) {
    const QString path = QStringLiteral(":/sounds/%1.wav").arg(name.toUpper());
    const bool plainName = !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    });
    return plainName && QFile::exists(path) ? path : QStringLiteral(":/sounds/DEFAULT.wav");
}

} // namespace client
