#pragma once
// Keeps the record of one table's games: every game goes to a new file in the records folder, written
// as it happens and flushed at every turn's start, so a crash loses at most the turn in play. The
// newest `keep` records are kept.

#include "game.h"
#include "records/record.h"
#include "records/recordwriter.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace game {

// The record's view of the game's committed position (the board of the last finished turn).
records::Position positionOf(const Game& game);
// The same, into `position` (whose fields not read from the game stay as they were).
void fillPosition(const Game& game, records::Position& position);

// Where a stopped game goes on from: its last turn's start (or its last round's end), with its options
// and seats; nothing for a finished, damaged or newer record, or one without a single turn. `from`
// names the record.
std::optional<ResumedTable> resumePoint(const records::Record& record, const std::string& from = {});

class GameRecorder : public TableSink {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    explicit GameRecorder(std::string folder, int keep = 0, Clock clock = {});
    ~GameRecorder() override;
    GameRecorder(const GameRecorder&) = delete;
    GameRecorder& operator=(const GameRecorder&) = delete;

    void tableEvent(const Game& game, const TableEventInfo& event) override;
    // From the next game on, the newest `keep` records are kept (0: all).
    void setKeep(int keep) { keep_ = keep; }

    // The file of the game being recorded, or of the last one; empty before the first.
    const std::string& path() const { return path_; }
    // Empty while every record could be written; else what went wrong (the game goes on without).
    const std::string& problem() const { return problem_; }

private:
    void open(const Game& game);
    void resumed(const Game& game, const TableEventInfo& event);
    void event(const TableEventInfo& event);

    std::string folder_;
    int keep_ = 0;
    Clock clock_;
    std::string path_;
    std::string problem_;
    std::ofstream file_;
    std::unique_ptr<records::RecordWriter> writer_;
    int round_ = 0;
    std::chrono::sys_seconds lastSecond_{};
    int sequence_ = 0; // the number of the last record begun in lastSecond_
    records::Position scratch_;
};

} // namespace game
