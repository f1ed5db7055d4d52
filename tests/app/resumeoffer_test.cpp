// The hosting window's offer to go on with a game stopped before its end: shown when the window hosts
// and the newest record is such a game; Resume goes on with it, New Game sets it aside for good, Later
// leaves it for the next time.

#include "solohost.h"

#include "app/resumeoffer.h"
#include "game/gamerecorder.h"
#include "records/recordfolder.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <gtest/gtest.h>

using namespace testing_app;

namespace {

// A game the computer played for a while, stopped before its end, in `folder`; its record's path.
QString stoppedRecord(const QString& folder) {
    game::GameRecorder recorder(folder.toStdString());
    game::Game g(7);
    g.setTableSink(&recorder);
    std::string start = protocol::encode(protocol::StartGame{"Host", 1000, 60, true, false, 14});
    start.erase(start.find('\xff'));
    g.command(game::kInternal, start);
    for (int i = 0; i < 40 && g.runNext(); ++i) {
    }
    return QString::fromStdString(recorder.path());
}

QMessageBox* offerShown(QWidget& window) {
    QMessageBox* box = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            box = window.findChild<QMessageBox*>(QStringLiteral("ResumeOffer"));
            return box != nullptr && box->isVisible();
        },
        kWaitMs);
    return box;
}

void click(QMessageBox* box, const char* name) {
    box->findChild<QAbstractButton*>(QLatin1String(name))->click();
}

} // namespace

TEST(ResumeOffer, ResumeGoesOnWithTheStoppedGameInTheHostsServer) {
    SoloHost host;
    QTemporaryDir folder;
    const QString stopped = stoppedRecord(folder.path());
    const records::Record before = records::readRecordFile(stopped.toStdString());
    ASSERT_TRUE(before.stopped) << before.problem;
    host.server.setRecords(folder.path(), 200);
    ASSERT_TRUE(host.playSolo());

    QMessageBox* box = offerShown(host.window);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(QStringLiteral("in round %1").arg(before.positions.back().round)))
        << box->text().toStdString();
    click(box, "button_resume");

    // The server goes on in a new record that names the stopped one and starts from its last turn.
    records::Record resumed;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const std::vector<std::string> files = records::listRecords(folder.path().toStdString());
            if (files.size() < 2) return false;
            resumed = records::readRecordFile(files.front());
            return !resumed.positions.empty();
        },
        kWaitMs));
    EXPECT_EQ(resumed.resumes, stopped.toStdString());
    const records::Position& from = before.positions.back();
    const records::Position& first = resumed.positions.front();
    EXPECT_TRUE(first.board == from.board);
    for (std::size_t seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(first.racks[seat].cells, from.racks[seat].cells) << seat;
    EXPECT_EQ(first.scores, from.scores);
    EXPECT_EQ(records::tileProblem(first), "");
    // The window shows the resumed game: its own seat holds the stopped game's tiles for seat 1.
    const auto count = [&](std::size_t seat) {
        return QString::number(std::count_if(from.racks[seat].cells.begin(), from.racks[seat].cells.end(),
                                             [](int tile) { return tile != 0; }));
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return label(host.window, "label_cards1") == count(1); }, kWaitMs))
        << label(host.window, "label_cards1").toStdString() << " " << count(1).toStdString();
}

TEST(ResumeOffer, NewGameSetsTheStoppedGameAsideAndLaterKeepsIt) {
    SoloHost host;
    QTemporaryDir folder;
    stoppedRecord(folder.path());
    host.server.setRecords(folder.path(), 200);
    ASSERT_TRUE(host.playSolo());

    QMessageBox* box = offerShown(host.window);
    ASSERT_NE(box, nullptr);
    click(box, "button_later");
    EXPECT_TRUE(resumeoffer::findStoppedGame(folder.path()).has_value());
    box = resumeoffer::offer(&host.window, host.server);
    ASSERT_NE(box, nullptr);
    click(box, "button_newgame");
    EXPECT_FALSE(resumeoffer::findStoppedGame(folder.path()).has_value());
    EXPECT_EQ(resumeoffer::offer(&host.window, host.server), nullptr);
    // Nothing was resumed: the server holds no game.
    EXPECT_EQ(records::listRecords(folder.path().toStdString()).size(), 1u);
}
