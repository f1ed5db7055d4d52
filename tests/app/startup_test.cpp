// What a starting program loads: the sound output (Qt Multimedia and the sound system's libraries)
// only when the first sound plays. Runs first in this program, before any test plays a sound.

#include "client/filelocations.h"
#include "client/soundcues.h"
#include "client/tchat.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

TEST(StartUp, TheSoundOutputIsLoadedAtTheFirstSoundAndNotBefore) {
#ifndef RIMBALO_AUDIO_MODULE_BUILT
    GTEST_SKIP() << "built without sound output";
#endif
    if (!QFile::exists(QStringLiteral("/proc/self/maps"))) GTEST_SKIP() << "loaded libraries not listed here";
    QTemporaryDir dir;
    client::FileLocations::setProgramFolder(dir.path());
    client::FileLocations::setUserFolder(dir.path());
    {
        client::Tchat window;
        window.setMessageBox([](const QString&) {});
        window.setArguments({QStringLiteral("Ann")}); // waits for the rest of its command line
        window.show();
        QTest::qWait(1);
        EXPECT_FALSE(mapped("libQt6Multimedia")) << "the sound system was loaded at start-up";
        EXPECT_FALSE(mapped("rimbalo-audio"));

        window.findChild<client::SoundCues*>()->play(QStringLiteral("entered"));
        EXPECT_TRUE(mapped("rimbalo-audio")) << "the sound output module was not found: the game is silent";
        EXPECT_TRUE(mapped("libQt6Multimedia"));
    }
    client::FileLocations::setProgramFolder({});
    client::FileLocations::setUserFolder({});
}

} // namespace
