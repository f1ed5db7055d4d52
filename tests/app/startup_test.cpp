// What a starting program loads: no image format to show the main window, and the sound output (Qt
// Multimedia and the sound system's libraries) only when the first sound plays. Runs first in this
// program, before any test reads an image file or plays a sound.

#include "app/appstyle.h"
#include "client/settings/filelocations.h"
#include "client/sound/soundcues.h"
#include "client/window/tchat.h"
#include "rimbaloversion.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

bool mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

TEST(StartUp, NoImageFormatIsLoadedToShowTheMainWindow) {
    if (!QFile::exists(QStringLiteral("/proc/self/maps"))) GTEST_SKIP() << "loaded libraries not listed here";
    QApplication::setStyle(new AppStyle);
    QTemporaryDir dir;
    client::FileLocations::setProgramFolder(dir.path());
    client::FileLocations::setUserFolder(dir.path());
    {
        client::Tchat window;
        window.setMessageBox([](const QString&) {});
        window.setArguments({QStringLiteral("Ann")});
        window.show();
        QTest::qWait(1);
        EXPECT_FALSE(mapped("/imageformats/")) << "an image file was read to show the main window";

        // The menu bar's overflow arrow, read when it is shown, is the desktop style's picture.
        auto* arrow = window.menuBar()->findChild<QToolButton*>();
        ASSERT_NE(arrow, nullptr);
        const QImage shown = arrow->icon().pixmap(QSize(16, 16)).toImage();
        const auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
        ASSERT_NE(style, nullptr);
        const QImage desktop = style->baseStyle()
                                   ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                                   .pixmap(QSize(16, 16))
                                   .toImage();
        EXPECT_FALSE(shown.isNull());
        EXPECT_TRUE(shown == desktop);
    }
    client::FileLocations::setProgramFolder({});
    client::FileLocations::setUserFolder({});
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

// --help and --version print and end without a window: with no display at all the program could not
// open one, so a clean exit with the text shows none was tried.
TEST(StartUp, HelpAndVersionPrintWithoutAWindow) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const auto& [option, text] :
         {std::pair{"--version", "rimbalo " RIMBALO_VERSION "\n"}, std::pair{"--help", "usage: rimbalo"}}) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(RIMBALO_BIN), {QLatin1String(option)});
        ASSERT_TRUE(p.waitForFinished(10000)) << option;
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << option;
        EXPECT_EQ(p.exitCode(), 0) << option;
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).startsWith(QLatin1String(text))) << option;
    }
}

} // namespace
