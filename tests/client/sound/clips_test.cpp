// The sound part on its own: the clips compiled into the program, the WAVE reader, and the system
// player that must never block or hang the program at exit.

#include "client/sound/chattersounds.h"
#include "client/sound/soundcues.h"
#include "client/sound/wavclip.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

TEST(Sounds, EveryNameHasAStoredPcmClip) {
    QStringList names{"clickcard", "clearcard", "placecard", "getcard", "nocando", "notvalid",  "pressyes",
                      "pressedit", "turn",      "turnnew",   "time",    "entered", "roundover", "winner"};
    for (int i = 1; i <= client::ChatterSounds::kSounds; ++i)
        names << QStringLiteral("WAVE%1").arg(i);
    const QString fallback = QStringLiteral(":/sounds/DEFAULT.wav");
    for (const QString& name : names) {
        const QString path = client::SoundCues::clipPath(name);
        EXPECT_NE(path, fallback) << name.toStdString();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray head = f.read(36);
        EXPECT_TRUE(head.startsWith("RIFF") && head.mid(8, 8) == "WAVEfmt ") << name.toStdString();
        EXPECT_EQ(head.at(20), 1) << name.toStdString(); // PCM
    }
    for (const char* none : {"sort", "clear", "", "../sounds/TURN", "turn.wav"})
        EXPECT_EQ(client::SoundCues::clipPath(QString::fromLatin1(none)), fallback) << none;
}

namespace {

QByteArray le(quint32 v, int bytes) {
    QByteArray b;
    for (int i = 0; i < bytes; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
    return b;
}

QByteArray chunk(const char* id, const QByteArray& body) {
    return QByteArray(id) + le(quint32(body.size()), 4) + body + (body.size() % 2 ? QByteArray(1, 0) : "");
}

QByteArray fmt(int tag, int channels, int rate, int bits) {
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * channels * bits / 8, 4) +
                             le(channels * bits / 8, 2) + le(bits, 2));
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le(quint32(chunks.size() + 4), 4) + "WAVE" + chunks;
}

} // namespace

TEST(Sounds, WaveFilesAreReadOnlyWhenTheyHoldWholePcmFrames) {
    QFile f(client::SoundCues::clipPath(QStringLiteral("winner")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray winner = f.readAll();
    const auto clip = client::parseWav(winner);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->sampleRate, 22050);
    EXPECT_EQ(clip->channels, 1);
    EXPECT_EQ(clip->bitsPerSample, 16);
    EXPECT_EQ(clip->samples, winner.right(clip->samples.size()));
    EXPECT_GT(clip->samples.size(), 1000);

    // An odd-sized chunk before the format is skipped with its pad byte; a short data chunk keeps
    // whole stereo frames only.
    const QByteArray samples("\x01\x02\x03\x04\x05\x06\x07\x08\x09", 9);
    auto stereo =
        client::parseWav(riff(chunk("LIST", "abc") + fmt(1, 2, 44100, 16) + chunk("data", samples)));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->samples, samples.left(8));
    // A data size past the end of the file: what is there plays.
    auto cut = client::parseWav(riff(fmt(1, 1, 8000, 8) + "data" + le(1000, 4) + "abc"));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->samples, "abc");

    const QByteArray data = chunk("data", "abcd");
    for (const QByteArray& bad : {QByteArray(), winner.left(11), "RIFX" + winner.mid(4), riff(data),
                                  riff(fmt(3, 1, 22050, 32) + data), riff(fmt(1, 0, 22050, 16) + data),
                                  riff(fmt(1, 9, 22050, 16) + data), riff(fmt(1, 1, 22050, 12) + data),
                                  riff(fmt(1, 1, 10, 16) + data), riff(fmt(1, 1, 22050, 16)),
                                  riff(fmt(1, 1, 22050, 16).left(20) + data),
                                  riff("LIST" + le(0xfffffff0u, 4) + fmt(1, 1, 22050, 16) + data)})
        EXPECT_FALSE(client::parseWav(bad)) << bad.toHex().toStdString();
}

// No audio device here: every sound must still start, be cut off and end without a hang or a crash,
// and a program that plays a sound right before it quits must end.
TEST(Sounds, TheSystemPlayerStartsAndEndsClipsWithoutBlocking) {
    for (int round = 0; round < 20; ++round) {
        client::SoundCues sounds;
        sounds.play(QStringLiteral("winner"));
        if (round % 2) QTest::qWait(5);
        sounds.play(QStringLiteral("turn"));
        sounds.play(QStringLiteral("nosuchcue"));
        QCoreApplication::processEvents();
    }
    for (const char* when : {"now", "soon", "now"}) {
        QProcess probe;
        probe.start(QString::fromUtf8(SOUND_EXIT_PROBE), {QString::fromLatin1(when)});
        ASSERT_TRUE(probe.waitForStarted());
        const bool ended = probe.waitForFinished(60'000);
        if (!ended) probe.kill(), probe.waitForFinished();
        ASSERT_TRUE(ended) << "a program that just played a sound did not end (" << when << ")";
        EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit) << probe.readAllStandardError().toStdString();
        EXPECT_EQ(probe.exitCode(), 0);
    }
}
