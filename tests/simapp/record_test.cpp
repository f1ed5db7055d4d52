// Game records written by the referee during simulated games and read back.

#include "game/game.h"
#include "game/gamerecorder.h"
#include "records/record.h"
#include "records/recordfolder.h"
#include "records/recordstats.h"
#include "simapp/simulator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        path_ = fs::temp_directory_path() /
                ("rimbalo-records-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string str() const { return path_.string(); }

private:
    fs::path path_;
};

// Passes the events on to the recorder and keeps, for each game, the positions the referee had at
// every turn's start and round's end.
class CapturingSink : public game::TableSink {
public:
    explicit CapturingSink(game::GameRecorder& recorder) : recorder_(recorder) {}
    void tableEvent(const game::Game& g, const game::TableEventInfo& e) override {
        recorder_.tableEvent(g, e);
        if (e.kind == game::TableEvent::GameStarted) games.push_back({});
        if (e.kind == game::TableEvent::TurnStarted || e.kind == game::TableEvent::RoundEnded) {
            records::Position p = game::positionOf(g);
            p.seat = e.kind == game::TableEvent::TurnStarted ? e.seat : 0;
            p.roundEnd = e.kind == game::TableEvent::RoundEnded;
            p.winner = e.values[0];
            games.back().push_back(p);
        }
        if (e.kind == game::TableEvent::GameWon) winners.push_back(e.text);
    }
    std::vector<std::vector<records::Position>> games;
    std::vector<std::string> winners;

private:
    game::GameRecorder& recorder_;
};

void expectSamePosition(const records::Position& want, const records::Position& got,
                        const std::string& where) {
    ASSERT_EQ(got.seat, want.seat) << where;
    ASSERT_EQ(got.roundEnd, want.roundEnd) << where;
    ASSERT_TRUE(got.board == want.board) << where;
    for (int seat = 1; seat <= 4; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        ASSERT_EQ(got.racks[s].cells, want.racks[s].cells) << where << " seat " << seat;
        ASSERT_EQ(got.scores[s], want.scores[s]) << where << " seat " << seat;
        ASSERT_EQ(got.laid[s], want.laid[s]) << where << " seat " << seat;
        ASSERT_EQ(got.playing[s], want.playing[s]) << where << " seat " << seat;
        ASSERT_EQ(got.dry[s], want.dry[s]) << where << " seat " << seat;
        if (want.roundEnd) {
            ASSERT_EQ(got.points[s], want.points[s]) << where << " seat " << seat;
        }
    }
    ASSERT_EQ(got.pool.tiles, want.pool.tiles) << where;
    ASSERT_EQ(got.pool.poolnext, want.pool.poolnext) << where;
    ASSERT_EQ(got.winner, want.winner) << where;
    ASSERT_EQ(got.time, want.time) << where;
    ASSERT_EQ(records::tileProblem(got), "") << where;
}

// The statistics read a record as a summary: it must give what the record read whole gives.
void expectSameSummary(const records::Record& whole, const records::Record& summary,
                       const std::string& where) {
    const records::GameSummary a = records::summarize(whole), b = records::summarize(summary);
    EXPECT_EQ(b.problem, a.problem) << where;
    EXPECT_EQ(b.started, a.started) << where;
    EXPECT_EQ(b.winner, a.winner) << where;
    EXPECT_EQ(b.team, a.team) << where;
    EXPECT_EQ(b.playing, a.playing) << where;
    EXPECT_EQ(b.scores, a.scores) << where;
    EXPECT_EQ(summary.stopped, whole.stopped) << where;
    for (std::size_t s = 1; s <= 4; ++s) {
        EXPECT_EQ(b.seats[s].name, a.seats[s].name) << where;
        EXPECT_EQ(b.seats[s].computer, a.seats[s].computer) << where;
    }
    ASSERT_EQ(b.rounds.size(), a.rounds.size()) << where;
    for (std::size_t i = 0; i < a.rounds.size(); ++i) {
        EXPECT_EQ(b.rounds[i].round, a.rounds[i].round) << where;
        EXPECT_EQ(b.rounds[i].winner, a.rounds[i].winner) << where;
        EXPECT_EQ(b.rounds[i].points, a.rounds[i].points) << where;
        EXPECT_EQ(b.rounds[i].playing, a.rounds[i].playing) << where;
    }
    // A summary keeps no log and at most two positions a round.
    EXPECT_TRUE(summary.log.empty()) << where;
    EXPECT_LE(summary.positions.size(), 2u * static_cast<std::size_t>(std::max(1, whole.rounds()))) << where;
}

// A fixed clock, one second further at each call: every game gets its own file name in order.
game::GameRecorder::Clock steppingClock() {
    auto t = std::make_shared<std::chrono::system_clock::time_point>(
        std::chrono::sys_days{std::chrono::year{2026} / 12 / 7});
    return [t] { return *t += std::chrono::seconds(1); };
}

// Plays `games` computer games of `seats` seats to `target`, recorded into `folder` (the newest `keep`
// kept); returns the last game's record file.
std::string recordGames(const std::string& folder, int games, int seats, int target, int keep = 0) {
    game::GameRecorder recorder(folder, keep, steppingClock());
    sim::SimOptions options;
    options.games = games;
    options.seats = seats;
    options.target = target;
    sim::Simulator simulator(options);
    simulator.setTableSink(&recorder);
    simulator.run();
    return recorder.path();
}

} // namespace

TEST(GameRecord, TwoHundredSimulatedGamesReadBackTurnByTurn) {
    struct Setup {
        int seats;
        bool team;
        int games;
    };
    const Setup setups[] = {{2, false, 60}, {3, false, 50}, {4, false, 50}, {4, true, 40}};
    int checked = 0;
    for (const Setup& s : setups) {
        TempFolder folder;
        game::GameRecorder recorder(folder.str(), 0, steppingClock());
        CapturingSink sink(recorder);
        sim::SimOptions options;
        options.games = s.games;
        options.seats = s.seats;
        options.team = s.team;
        options.target = 100;
        options.seed = static_cast<std::uint32_t>(7 + checked);
        sim::Simulator simulator(options);
        simulator.setTableSink(&sink);
        ASSERT_EQ(simulator.run().games, s.games);
        EXPECT_EQ(recorder.problem(), "");

        std::vector<std::string> files = records::listRecords(folder.str());
        ASSERT_EQ(files.size(), static_cast<std::size_t>(s.games));
        std::reverse(files.begin(), files.end()); // oldest first, as played
        for (std::size_t g = 0; g < files.size(); ++g) {
            const records::Record record = records::readRecordFile(files[g]);
            const std::string where = files[g];
            ASSERT_EQ(record.problem, "") << where;
            ASSERT_EQ(record.winner, sink.winners[g]) << where;
            EXPECT_EQ(record.options.team, s.team);
            EXPECT_EQ(record.seats[1].name, "Seat1");
            const auto& want = sink.games[g];
            ASSERT_EQ(record.positions.size(), want.size()) << where;
            for (std::size_t i = 0; i < want.size(); ++i)
                expectSamePosition(want[i], record.positions[i], where + " position " + std::to_string(i));
            expectSameSummary(record, records::readRecordFile(files[g], records::Detail::Summary), where);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 200);
}

TEST(GameRecord, OnlyTheNewestRecordsAreKept) {
    TempFolder folder;
    const std::string last = recordGames(folder.str(), 5, 4, 50, 3);
    const std::vector<std::string> files = records::listRecords(folder.str());
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files.front(), last); // the last game's is among them, first
    for (const std::string& file : files)
        EXPECT_TRUE(records::readRecordFile(file).finished()) << file;
}

namespace {

// The text of one recorded game of three seats.
std::string recordedGame() {
    TempFolder folder;
    std::ifstream in(recordGames(folder.str(), 1, 3, 100));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(GameRecord, DamagedRecordsShowWhatCouldBeReadWithAMessage) {
    const std::string text = recordedGame();
    const records::Record whole = records::readRecordText(text);
    ASSERT_EQ(whole.problem, "");
    ASSERT_GT(whole.positions.size(), 20u);

    // Cut in the middle of a line: the positions before the cut are read, with a message.
    const records::Record cut = records::readRecordText(text.substr(0, text.size() / 2 + 3));
    EXPECT_NE(cut.problem.find("ends before the game does"), std::string::npos) << cut.problem;
    ASSERT_GT(cut.positions.size(), 5u);
    EXPECT_LT(cut.positions.size(), whole.positions.size());
    EXPECT_TRUE(cut.positions.back().board == whole.positions[cut.positions.size() - 1].board);
    // Cut anywhere, a summary stops where the whole reading does.
    for (std::size_t at = 0; at < text.size(); at += text.size() / 97 + 1) {
        const std::string piece = text.substr(0, at);
        expectSameSummary(records::readRecordText(piece),
                          records::readRecordText(piece, records::Detail::Summary),
                          "cut at " + std::to_string(at));
    }

    // A line altered: reading stops there, naming the line; what came before is kept.
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::size_t boardLine = 0;
    for (std::size_t i = lines.size() / 2; i < lines.size() && boardLine == 0; ++i)
        if (lines[i].rfind("board ", 0) == 0) boardLine = i;
    ASSERT_NE(boardLine, 0u);
    for (const std::string& bad :
         {std::string("board 5:99:3"), std::string("board 5:1:54"), std::string("board 1:2"),
          std::string("bored 1:2:3"), std::string("board 1:2:x")}) {
        std::string altered;
        for (std::size_t i = 0; i < lines.size(); ++i)
            altered += (i == boardLine ? bad : lines[i]) + "\n";
        const records::Record r = records::readRecordText(altered);
        EXPECT_NE(r.problem.find("damaged at line " + std::to_string(boardLine + 1) + ":"), std::string::npos)
            << bad << r.problem;
        expectSameSummary(r, records::readRecordText(altered, records::Detail::Summary), bad);
        EXPECT_FALSE(r.finished());
        EXPECT_GT(r.positions.size(), 5u);
        for (const records::Position& p : r.positions)
            EXPECT_EQ(records::tileProblem(p), "");
    }

    // A newer version's record: read as far as it goes, lines of unknown kinds passed over.
    std::string newer = "rimbalo-record 7\n" + text.substr(text.find('\n') + 1);
    newer.insert(newer.find("turn "), "shuffle-proof abc\n");
    const records::Record future = records::readRecordText(newer);
    EXPECT_NE(future.problem.find("newer version"), std::string::npos);
    EXPECT_EQ(future.positions.size(), whole.positions.size());

    EXPECT_EQ(records::readRecordText("").problem, "This is not a Rimbalo game record.");
    EXPECT_EQ(records::readRecordText("PK\3\4 binary").problem, "This is not a Rimbalo game record.");
    EXPECT_NE(records::readRecordText("rimbalo-record 1\n" + std::string(10000, 'x'))
                  .problem.find("line 2: line too long"),
              std::string::npos);
    EXPECT_NE(records::readRecordFile("/nonexistent/game.rimrec").problem.find("Cannot open"),
              std::string::npos);
}

// A game stopped in the middle goes on from its record: the same position, recorded into a new file
// that names the old one, played on to a winner with every tile accounted for at every step.
TEST(GameRecord, AStoppedGameResumesFromItsLastTurnAndPlaysOn) {
    for (const int seats : {3, 4}) {
        const std::string text = [&] {
            TempFolder folder;
            std::ifstream in(recordGames(folder.str(), 1, seats, 500));
            std::stringstream all;
            all << in.rdbuf();
            return all.str();
        }();
        const records::Record whole = records::readRecordText(text);
        ASSERT_GT(whole.rounds(), 1);
        // Cut the record in the middle of a later round (after a turn's lines began) and at a round's end.
        const std::size_t secondRound = text.find("\nround 2 ");
        ASSERT_NE(secondRound, std::string::npos);
        const std::size_t midTurn = text.find("\nturn ", secondRound + (text.size() - secondRound) / 3);
        const std::size_t roundEnd = text.find("\nend ", secondRound);
        for (const std::size_t cut :
             {text.find('\n', midTurn + 1) + 1 + 7, text.find('\n', roundEnd + 1) + 1}) {
            const records::Record stopped = records::readRecordText(text.substr(0, cut));
            ASSERT_FALSE(stopped.finished());
            ASSERT_TRUE(stopped.stopped) << stopped.problem;
            // The same record with a line altered, or a finished one, is not gone on from.
            std::string altered = text.substr(0, cut);
            const std::size_t boardLine = altered.find("\nboard ", secondRound);
            ASSERT_NE(boardLine, std::string::npos);
            altered.replace(boardLine + 1, 5, "bored");
            EXPECT_FALSE(game::resumePoint(records::readRecordText(altered)).has_value());
            EXPECT_FALSE(game::resumePoint(whole).has_value());
            const auto point = game::resumePoint(stopped, "old.rimrec");
            ASSERT_TRUE(point.has_value());
            const records::Position& last = stopped.positions.back();

            TempFolder folder;
            game::GameRecorder recorder(folder.str(), 0, steppingClock());
            game::Game g(11);
            g.setBotDelaySource([] { return 0; });
            g.setTableSink(&recorder);
            g.resume(*point);
            ASSERT_TRUE(g.gamestarted());
            if (!last.roundEnd) {
                EXPECT_EQ(g.currentplayer(), last.seat);
                records::Position now = game::positionOf(g);
                EXPECT_TRUE(now.board == last.board);
                EXPECT_EQ(now.pool.tiles, last.pool.tiles);
                EXPECT_EQ(now.pool.poolnext, last.pool.poolnext);
                for (int s = 1; s <= 4; ++s) {
                    const auto i = static_cast<std::size_t>(s);
                    EXPECT_EQ(now.racks[i].cells, last.racks[i].cells) << s;
                    EXPECT_EQ(now.scores[i], last.scores[i]) << s;
                    EXPECT_EQ(now.laid[i], last.laid[i]) << s;
                }
            } else {
                EXPECT_EQ(g.player(1).score, last.scores[1]);
            }
            EXPECT_EQ(g.player(1).botname, "Seat1");
            std::string fault = sim::tileFault(g);
            for (int steps = 0; fault.empty() && g.gamestarted() && steps < 200000 && sim::step(g); ++steps)
                fault = sim::tileFault(g);
            EXPECT_EQ(fault, "");
            EXPECT_FALSE(g.gamestarted()) << "the resumed game reached no winner";

            // The new record names the old one and reads whole, starting where the old one stopped.
            const records::Record again = records::readRecordFile(recorder.path());
            EXPECT_EQ(again.problem, "");
            EXPECT_EQ(again.resumes, "old.rimrec");
            EXPECT_TRUE(again.finished());
            ASSERT_FALSE(again.positions.empty());
            if (!last.roundEnd) {
                EXPECT_EQ(again.positions.front().round, last.round);
                EXPECT_TRUE(again.positions.front().board == last.board);
            } else {
                EXPECT_EQ(again.positions.front().round, last.round + 1);
            }
            EXPECT_EQ(again.positions.front().scores, last.scores);
            for (const records::Position& p : again.positions)
                ASSERT_EQ(records::tileProblem(p), "");
        }
    }
}
