// A process-wide pool of plain entry records: idle records are kept for re-use, last in first
// out, up to a capacity; a record handed out is zero-filled.
#pragma once

#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

namespace s::map {

template <class Entry, std::uint32_t Capacity>
class EntryPool {
public:
    static EntryPool& instance() {
        static EntryPool* const pool = new EntryPool();  // never destroyed: see Pooled.h
        return *pool;
    }

    Entry* take() {
        Entry* e = nullptr;
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (!idle_.empty()) {
                e = idle_.back();
                idle_.pop_back();
            }
        }
        if (!e) e = new Entry();
        std::memset(static_cast<void*>(e), 0, sizeof(Entry));
        return e;
    }

    void giveBack(Entry* e) {
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (idle_.size() < Capacity) {
                idle_.push_back(e);
                return;
            }
        }
        delete e;
    }

    std::uint32_t idleCount() {
        std::lock_guard<std::mutex> guard(lock_);
        return static_cast<std::uint32_t>(idle_.size());
    }

private:
    EntryPool() { idle_.reserve(64); }
    std::mutex lock_;
    std::vector<Entry*> idle_;
};

}  // namespace s::map
