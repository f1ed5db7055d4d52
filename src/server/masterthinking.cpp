// A master seat thinks on a worker thread, so the event loop (every other table, every connection) never
// waits for it. The job carries a copy of what the master sees; the answer comes back to the event loop
// once the bot speed's delay has passed, and the table plays it if the turn is still the one it was
// thought for.

#include "table.h"
#include "tserver.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {
// A delay shorter than this (a server told to play at once) still leaves the master this long to think.
constexpr qint64 kLeastThinkingMs = 100;
} // namespace

void TServer::think(const std::string& code, game::MasterJob job) {
    thinkers_.start([this, closing = closing_, code, job = std::move(job)] {
        QElapsedTimer clock;
        clock.start();
        // The deals are a fixed amount of work (so a seed plays alike everywhere); on a slow or busy
        // machine the delay still bounds the thinking: what has been weighed by then is played.
        const qint64 cap = std::max<qint64>(job.capMs, kLeastThinkingMs);
        const auto stop = [&] { return closing->load() || clock.elapsed() >= cap; };
        std::optional<game::Turn> turn = game::masterTurn(job.view, job.seed, job.budget, stop);
        if (closing->load()) return;
        const int wait = static_cast<int>(std::clamp<qint64>(job.capMs - clock.elapsed(), 0, job.capMs));
        QMetaObject::invokeMethod(
            this,
            [this, code, job, turn = std::move(turn), wait] {
                QTimer::singleShot(wait, this, [this, code, job, turn] { masterAnswered(code, job, turn); });
            },
            Qt::QueuedConnection);
    });
}

void TServer::masterAnswered(const std::string& code, const game::MasterJob& job,
                             const std::optional<game::Turn>& turn) {
    Table* table = findTable(code);
    if (!table) return;
    catchUp(*table);
    table->game.masterThought(job, turn);
    flush(*table);
}
