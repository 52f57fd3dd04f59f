// A monotonic millisecond clock for pacing and timeouts.
#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

// Milliseconds on a clock that never jumps (unaffected by changes of the wall-clock time).
inline std::int64_t monotonicMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace platform
