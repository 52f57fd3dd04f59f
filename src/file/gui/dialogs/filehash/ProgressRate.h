// How fast a run reads and how long it still needs, from the bytes done since its start.
#pragma once

#include <cstdint>
#include <string>

namespace s::file::gui::dialogs::filehash {

class ProgressRate {
public:
    // Nothing is told during the first second: the rate of a short run says little.
    static constexpr std::int64_t kQuietMillis = 1000;
    static constexpr std::int32_t kTimeLeftText = 3040500;  // "Time left:"

    void start(std::int64_t nowMillis) { startedAt_ = nowMillis; }
    // The speed in MiB per second and, when the total is known, the whole seconds left (rounded
    // up); false during the quiet first second or before any byte.
    bool measure(std::uint64_t done, std::uint64_t total, std::int64_t nowMillis,
                 double* mebibytesPerSecond, std::int64_t* secondsLeft) const;

    // "12.3 MB/s".
    static std::string speedText(double mebibytesPerSecond);
    // "0:42", "12:05", "1:02:03".
    static std::string timeText(std::int64_t seconds);

private:
    std::int64_t startedAt_ = 0;
};

}  // namespace s::file::gui::dialogs::filehash
