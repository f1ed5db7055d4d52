#include "clipplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QObject>

namespace client {

namespace {

#ifdef RIMBALO_AUDIO_MODULE
// Where the sound output module is looked for, both relative to the program, so an installed copy
// holds no path of the tree it was built in and a moved installation still finds it: beside the
// program (the build tree), and where the install rules put it.
QStringList moduleCandidates() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QStringLiteral(RIMBALO_AUDIO_MODULE)),
            programFolder.filePath(QStringLiteral(RIMBALO_AUDIO_INSTALLED))};
}

using MakePlayer = ClipPlayer* (*)(QObject*);

// The sound output is a module, loaded when the first clip plays: a program that stays quiet never
// maps Qt Multimedia and the sound system's libraries, and a start-up does not wait for them. Without
// the module (or without a way to load it) the program runs silent.
class LazyPlayer : public ClipPlayer {
public:
    explicit LazyPlayer(QObject* owner) : owner_(owner) {}

    void play(const QString& path) override {
        if (!tried_) {
            tried_ = true;
            player_.reset(load());
        }
        if (player_) player_->play(path);
    }

private:
    ClipPlayer* load() const {
        for (const QString& file : moduleCandidates()) {
            QLibrary module(file);
            if (auto make = reinterpret_cast<MakePlayer>(module.resolve("rimbaloMakeSinkPlayer")))
                return make(owner_); // the module stays loaded for the life of the program
        }
        return nullptr;
    }

    QObject* owner_;
    bool tried_ = false;
    std::unique_ptr<ClipPlayer> player_;
};
#endif

class SilentPlayer : public ClipPlayer {
public:
    void play(const QString&) override {}
};

} // namespace

std::unique_ptr<ClipPlayer> makeSystemPlayer([[maybe_unused]] QObject* owner) {
#ifdef RIMBALO_AUDIO_MODULE
    return std::make_unique<LazyPlayer>(owner);
#else
    return std::make_unique<SilentPlayer>();
#endif
}

} // namespace client
