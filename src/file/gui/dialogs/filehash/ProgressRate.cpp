// Speed and time left of a run.
#include "file/gui/dialogs/filehash/ProgressRate.h"

#include <cstdio>

namespace s::file::gui::dialogs::filehash {

bool ProgressRate::measure(std::uint64_t done, std::uint64_t total, std::int64_t nowMillis,
                           double* mebibytesPerSecond, std::int64_t* secondsLeft) const {
    const std::int64_t elapsed = nowMillis - startedAt_;
    if (elapsed <= kQuietMillis || done == 0) return false;
    const double bytesPerSecond = static_cast<double>(done) * 1000.0 / static_cast<double>(elapsed);
    *mebibytesPerSecond = bytesPerSecond / (1024.0 * 1024.0);
    *secondsLeft = -1;
    if (total >= done && total > 0) {
        const double left = static_cast<double>(total - done) / bytesPerSecond;
        *secondsLeft = static_cast<std::int64_t>(left);
        if (static_cast<double>(*secondsLeft) < left) ++*secondsLeft;
    }
    return true;
}

std::string ProgressRate::speedText(double mebibytesPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB/s", mebibytesPerSecond);
    return text;
}

std::string ProgressRate::timeText(std::int64_t seconds) {
    if (seconds < 0) seconds = 0;
    char text[32];
    const long long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", h, m, s);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", m, s);
    }
    return text;
}

}  // namespace s::file::gui::dialogs::filehash
