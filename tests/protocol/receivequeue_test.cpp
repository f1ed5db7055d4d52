// The receive queue under a stand-in event loop: entries come out in arrival order, one per wake, the
// owner is asked to wake it once at a time, and a handler that runs an event loop of its own is never
// entered again before it returns, nor does the queue stall after it.

#include "protocol/receivequeue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

// An owner the way the client's and the server's connections use the queue: a wake posts one call to
// its event loop; the call hands out one entry unless a handler is still running, in which case it
// lets the queue know (skipWake) and the running handleOne() asks again when it returns.
struct Owner {
    std::deque<std::function<void()>> loop; // posted calls, oldest first
    protocol::ReceiveQueue<std::string> queue{[this] { loop.push_back([this] { woken(); }); }};
    std::vector<std::string> handled;
    std::function<void(const std::string&)> during; // what a handler does besides recording
    int depth = 0;
    int deepest = 0;

    void woken() {
        if (depth > 0) {
            queue.skipWake();
            return;
        }
        queue.handleOne([this](const std::string& entry) {
            ++depth;
            deepest = std::max(deepest, depth);
            handled.push_back(entry);
            if (during) during(entry);
            --depth;
        });
    }
    // Runs posted calls until none is left (a handler may run this too: a nested event loop).
    void run() {
        while (!loop.empty()) {
            auto call = std::move(loop.front());
            loop.pop_front();
            call();
        }
    }
};

using Strings = std::vector<std::string>;

} // namespace

TEST(ReceiveQueue, HandsOutInArrivalOrderOnePerWakeAndAsksOnceAtATime) {
    Owner o;
    o.queue.push("a");
    o.queue.push("b");
    o.queue.push("c");
    EXPECT_EQ(o.loop.size(), 1u); // three entries, one wake asked for
    o.loop.front()();
    o.loop.pop_front();
    EXPECT_EQ(o.handled, Strings{"a"});
    EXPECT_EQ(o.loop.size(), 1u); // the next wake, for the next entry
    o.run();
    EXPECT_EQ(o.handled, (Strings{"a", "b", "c"}));
    EXPECT_TRUE(o.queue.empty());
    EXPECT_TRUE(o.loop.empty()); // nothing left, nothing asked
    // A wake that finds nothing hands nothing out and asks for nothing more.
    EXPECT_FALSE(o.queue.handleOne([](const std::string&) { ADD_FAILURE(); }));
    EXPECT_TRUE(o.loop.empty());
    o.queue.push("d");
    o.run();
    EXPECT_EQ(o.handled.back(), "d");
}

TEST(ReceiveQueue, EntriesQueuedByAHandlerComeAfterThoseWaitingAndNeverInsideIt) {
    Owner o;
    o.during = [&o](const std::string& entry) {
        if (entry == "a") o.queue.push("a2");
    };
    o.queue.push("a");
    o.queue.push("b");
    o.run();
    EXPECT_EQ(o.handled, (Strings{"a", "b", "a2"}));
    EXPECT_EQ(o.deepest, 1);
}

TEST(ReceiveQueue, AHandlerRunningItsOwnEventLoopIsNotEnteredAgainAndTheQueueGoesOnAfterIt) {
    Owner o;
    // The first handler waits in an event loop of its own (a dialog, say) while more arrives.
    o.during = [&o](const std::string& entry) {
        if (entry != "modal") return;
        o.queue.push("x");
        o.queue.push("y");
        o.run();
        EXPECT_EQ(o.handled, Strings{"modal"}); // the others wait for this handler to return
    };
    o.queue.push("modal");
    o.run();
    EXPECT_EQ(o.handled, (Strings{"modal", "x", "y"}));
    EXPECT_EQ(o.deepest, 1);
    EXPECT_TRUE(o.queue.empty());
}

TEST(ReceiveQueue, ClearForgetsWhatWaitsAndTheNextEntryIsHandledAlone) {
    Owner o;
    o.queue.push("old1");
    o.queue.push("old2");
    o.queue.clear();
    EXPECT_TRUE(o.queue.empty());
    o.run(); // the wake already asked for finds nothing
    EXPECT_TRUE(o.handled.empty());
    o.queue.push("new");
    EXPECT_EQ(o.loop.size(), 1u);
    o.run();
    EXPECT_EQ(o.handled, Strings{"new"});

    // Cleared by a handler (a connection dropped while handling): nothing after it is handed out.
    Owner p;
    p.during = [&p](const std::string& entry) {
        if (entry == "drop") p.queue.clear();
    };
    for (const char* e : {"one", "drop", "two", "three"})
        p.queue.push(e);
    p.run();
    EXPECT_EQ(p.handled, (Strings{"one", "drop"}));
    EXPECT_TRUE(p.loop.empty());
}

TEST(ReceiveQueue, DrainHandsOutEverythingInOrderWithoutAnEventLoop) {
    protocol::ReceiveQueue<int> q; // no owner to wake
    for (int i = 1; i <= 4; ++i)
        q.push(i);
    EXPECT_EQ(q.size(), 4u);
    std::vector<int> seen;
    q.drain([&](int i) {
        seen.push_back(i);
        if (i == 2) q.push(5); // queued while draining: handed out in its turn
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(q.empty());
}
