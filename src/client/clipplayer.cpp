#include "clipplayer.h"

#include <QObject>

#ifdef RIMBALO_HAS_MULTIMEDIA
#include <QSoundEffect>
#include <QUrl>

#include <map>
#endif

namespace client {

namespace {

#ifdef RIMBALO_HAS_MULTIMEDIA
// One effect per clip, loaded on first use; starting one stops the one that plays.
class EffectPlayer : public ClipPlayer {
public:
    explicit EffectPlayer(QObject* owner) : owner_(owner) {}

    void play(const QString& path) override {
        QSoundEffect*& effect = effects_[path];
        if (!effect) {
            effect = new QSoundEffect(owner_);
            effect->setSource(QUrl(QStringLiteral("qrc") + path));
            effect->setVolume(0.8f);
        }
        if (current_ && current_ != effect) current_->stop();
        current_ = effect;
        effect->play();
    }

private:
    QObject* owner_;
    std::map<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};
#endif

class SilentPlayer : public ClipPlayer {
public:
    void play(const QString&) override {}
};

} // namespace

std::unique_ptr<ClipPlayer> makeSystemPlayer([[maybe_unused]] QObject* owner) {
#ifdef RIMBALO_HAS_MULTIMEDIA
    return std::make_unique<EffectPlayer>(owner);
#else
    return std::make_unique<SilentPlayer>();
#endif
}

} // namespace client
