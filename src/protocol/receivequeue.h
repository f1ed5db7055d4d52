#pragma once
// The receive queue: complete commands (and whatever an owner queues in turn with them) wait here in
// arrival order and are handed out one at a time, each from its own pass of the owner's event loop, so
// that no handler runs inside a socket's read event and other events get their turn between commands.
// The server's and the client's connections both use it.

#include <cstddef>
#include <deque>
#include <functional>
#include <utility>

namespace protocol {

template <class Entry> class ReceiveQueue {
public:
    // Asks the owner's event loop to call handleOne() soon. It is asked once; again only after that call.
    using Wake = std::function<void()>;

    explicit ReceiveQueue(Wake wake = {}) : wake_(std::move(wake)) {}

    void push(Entry entry) {
        entries_.push_back(std::move(entry));
        requestWake();
    }
    // The woken call: hands the first entry to `handle` and asks to be woken again while entries remain.
    // False when there was nothing to hand out.
    template <class Handle> bool handleOne(Handle&& handle) {
        woken_ = false;
        if (entries_.empty()) return false;
        Entry entry = std::move(entries_.front());
        entries_.pop_front();
        handle(entry);
        requestWake();
        return true;
    }
    // The woken call of an owner with many connections: hands out up to `most` entries in order, then
    // asks to be woken again while entries remain (a pass of its event loop costs more than a command).
    template <class Handle> std::size_t handleSome(std::size_t most, Handle&& handle) {
        woken_ = true; // handlers that queue more do not ask for a wake of their own meanwhile
        std::size_t handled = 0;
        while (handled < most && !entries_.empty()) {
            Entry entry = std::move(entries_.front());
            entries_.pop_front();
            handle(entry);
            ++handled;
        }
        woken_ = false;
        requestWake();
        return handled;
    }
    // Hands out every entry now, in order (tests and tools that run without an event loop).
    template <class Handle> void drain(Handle&& handle) {
        while (!entries_.empty()) {
            Entry entry = std::move(entries_.front());
            entries_.pop_front();
            handle(entry);
        }
    }
    // The woken call could hand nothing out now (its owner is still inside a handler that runs an event
    // loop of its own): the handleOne() under way asks to be woken again when it returns.
    void skipWake() { woken_ = false; }
    // Forgets every waiting entry (a connection that is dropped or handles nothing more).
    void clear() { entries_.clear(); }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

private:
    void requestWake() {
        if (woken_ || entries_.empty() || !wake_) return;
        woken_ = true;
        wake_();
    }

    std::deque<Entry> entries_;
    Wake wake_;
    bool woken_ = false;
};

} // namespace protocol
