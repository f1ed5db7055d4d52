#pragma once
// The lay-down search's memory of answers it has worked out.

#include <cstdint>
#include <vector>

namespace game {

// The remembered answers: an open-addressing table from a stage key to the best score from that
// stage on and the choice that reaches it. Keys are never 0 (the number is at least 1).
class SearchMemo {
public:
    struct Entry {
        std::uint64_t key = 0;
        int score = 0;
        int choice = 0;
    };

    SearchMemo() : entries_(kStartSize) {}

    const Entry* find(std::uint64_t key) const {
        for (std::size_t i = slot(key);; i = (i + 1) & (entries_.size() - 1)) {
            if (entries_[i].key == key) return &entries_[i];
            if (entries_[i].key == 0) return nullptr;
        }
    }

    void put(std::uint64_t key, int score, int choice) {
        if (2 * (used_ + 1) > entries_.size()) grow();
        std::size_t i = slot(key);
        while (entries_[i].key != 0 && entries_[i].key != key)
            i = (i + 1) & (entries_.size() - 1);
        if (entries_[i].key == 0) ++used_;
        entries_[i] = {key, score, choice};
    }

private:
    static constexpr std::size_t kStartSize = 1 << 12;

    std::size_t slot(std::uint64_t key) const {
        key ^= key >> 29;
        key *= 0x9e3779b97f4a7c15ULL;
        return static_cast<std::size_t>(key >> 20) & (entries_.size() - 1);
    }

    void grow() {
        std::vector<Entry> old(entries_.size() * 2);
        old.swap(entries_);
        used_ = 0;
        for (const Entry& entry : old)
            if (entry.key != 0) put(entry.key, entry.score, entry.choice);
    }

    std::vector<Entry> entries_;
    std::size_t used_ = 0;
};

} // namespace game
