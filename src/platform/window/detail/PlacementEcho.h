// The echo filter of a top-level window's placements: the backend reports every placement the
// layer asked for, often late. A report of an older placement that arrives after a newer one
// was asked for is stale and must not move the window back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <utility>

#include "detail/Private.h"

namespace platform::window::detail {

template <typename T>
class PlacementEcho {
public:
    // A report later than this after its placement is no echo any more.
    static constexpr std::int64_t kLifeMs = 2000;

    // Keeps a placement told to the backend at `now` (steady clock, ms). The value it replaces
    // goes first when nothing is pending: a report of it that arrives now is as stale as one of
    // an older placement.
    void sent(T value, T previous, std::int64_t now) {
        while (!pending_.empty() && now - pending_.back().second > kLifeMs) pending_.pop_front();
        if (pending_.empty()) pending_.emplace_back(previous, now);
        pending_.emplace_back(value, now);
    }

    // A report of the system about a placement: false when it repeats one the layer made
    // before its latest one, or the latest itself (the newer placement stands).
    bool fresh(T reported) {
        for (std::size_t i = pending_.size(); i-- > 0;) {
            if (pending_[i].first == reported) {
                pending_.erase(pending_.begin(),
                               pending_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
                return false;
            }
        }
        pending_.clear();  // moved by the user or the system itself
        return true;
    }

private:
    std::deque<std::pair<T, std::int64_t>> pending_;
};

}  // namespace platform::window::detail
