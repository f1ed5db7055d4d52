// Sound in the window: which clips play for which names and options, and the chatter sounds sent and
// received.

#include "harness.h"

#include "client/sound/chattersounds.h"

#include <QTest>

using namespace testing_client;

namespace {

class Recorder : public client::ClipPlayer {
public:
    explicit Recorder(QStringList* paths) : paths_(paths) {}
    void play(const QString& path) override { *paths_ << path; }

private:
    QStringList* paths_;
};

struct SoundHarness : Harness {
    QStringList clips;
    client::SoundCues* sounds = tchat.findChild<client::SoundCues*>();
    SoundHarness() { sounds->setPlayer(std::make_unique<Recorder>(&clips)); }
};

} // namespace

TEST(Sounds, GameCuesFollowPlaySoundsAndChatterFollowsItsOwnOption) {
    SoundHarness h;
    h.login(1, QStringLiteral("Me"));
    h.feed("CMD_newplayerinfo+2+Ann+0");
    h.clips.clear();
    h.action("PlaySounds1")->trigger(); // off
    h.sounds->play(QStringLiteral("turn"));
    h.feed("CMD_playasound+2+wave17+");
    EXPECT_EQ(h.clips, QStringList{":/sounds/WAVE17.wav"});

    h.action("PlayChatterSounds1")->trigger(); // off: told in the chat instead
    h.feed("CMD_playasound+2+wave17+");
    EXPECT_EQ(h.clips.size(), 1);
    EXPECT_EQ(h.lastLine(), "Ann: <Chatter Sound> Cheer");
    const QStringList lines = h.chatLines();
    h.feed("CMD_playasound+6+wave3+"); // an onlooker has no name label
    for (const char* bad : {"wave0", "wave21", "wave05", "WAVE5", "wave5x", "turn", "timeup", "../x"})
        h.feed(std::string("CMD_playasound+2+") + bad + "+");
    EXPECT_EQ(h.chatLines(), lines);

    h.action("PlayChatterSounds1")->trigger();
    for (const char* bad : {"wave21", "winner", "wave"})
        h.feed(std::string("CMD_playasound+2+") + bad + "+");
    EXPECT_EQ(h.clips.size(), 1);
}

TEST(Sounds, OnlySeatedPlayersSendChatterSounds) {
    SoundHarness h;
    h.login(2);
    h.clips.clear();
    h.action("Cancel1")->trigger();
    h.action("wave14")->trigger();
    EXPECT_EQ(h.sent, (std::vector<std::string>{"CMD_playasound+2+wave14+" + E}));
    EXPECT_TRUE(h.clips.isEmpty()); // the sender hears it when the server's copy comes back

    SoundHarness onlooker;
    onlooker.login(6);
    onlooker.action("wave1")->trigger();
    EXPECT_TRUE(onlooker.sent.empty());
    EXPECT_EQ(onlooker.action("wave5")->text(), "Where have you been?");
}
