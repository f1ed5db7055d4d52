#pragma once
// A handle on an auxiliary window that is built the first time something needs it, so the program
// starts without building windows the player has not opened yet. Copies of a handle share the one
// window. A handle made from a pointer refers to a window built elsewhere; an empty handle to none.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace windows {

template <class T> class LazyWindow {
public:
    LazyWindow() = default;
    // The window `built`, owned elsewhere (none when null).
    LazyWindow(T* built) { // NOLINT(google-explicit-constructor): handles stand in for pointers
        if (!built) return;
        state_ = std::make_shared<State>();
        state_->window = built;
    }
    // A window `build` makes when it is first needed, owned by the handles.
    static LazyWindow later(std::function<std::unique_ptr<T>()> build) {
        LazyWindow w;
        w.state_ = std::make_shared<State>();
        w.state_->build = std::move(build);
        return w;
    }

    // There is (or will be) a window.
    explicit operator bool() const { return state_ != nullptr; }
    bool built() const { return state_ && state_->window; }
    // The window, built now if it was not yet; null for an empty handle.
    T* get() const {
        if (!state_) return nullptr;
        if (!state_->window) {
            state_->owned = state_->build();
            state_->window = state_->owned.get();
            // What waited for the window runs once, in the order it was asked for.
            for (auto& use : std::exchange(state_->uses, {}))
                use(state_->window);
        }
        return state_->window;
    }
    T* operator->() const { return get(); }
    // Runs `use` with the window as soon as it is built: now if it is; never for an empty handle.
    void whenBuilt(std::function<void(T*)> use) const {
        if (!state_) return;
        if (state_->window)
            use(state_->window);
        else
            state_->uses.push_back(std::move(use));
    }

private:
    struct State {
        T* window = nullptr;
        std::shared_ptr<T> owned; // (shared: a handle may be copied where T is only declared)
        std::function<std::unique_ptr<T>()> build;
        std::vector<std::function<void(T*)>> uses;
    };
    std::shared_ptr<State> state_;
};

} // namespace windows
