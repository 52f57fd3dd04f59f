// Type-ahead: the letters typed within a pause, matched against the start of the rows' texts.
#include "gui/win/TypeAhead.h"

#include <algorithm>

#include "platform/Clock.h"
#include "platform/window/Text.h"

namespace pw = platform::window;

namespace s::gui::win {

std::int64_t TypeAhead::now() const {
    return clock_ ? clock_() : platform::monotonicMilliseconds();
}

std::int32_t TypeAhead::typed(char16_t c, std::int32_t current, std::int32_t count,
                              const std::function<std::u16string(std::int32_t)>& text) {
    if (c < u' ' || c == 0x7F) return -1;  // control characters are keys, not letters
    std::int64_t at = now();
    if (at - last_ > kPauseMs) typed_.clear();
    last_ = at;
    // A space starts no search: it is the key that opens or chooses.
    if (typed_.empty() && c == u' ') return -1;
    typed_ += c;
    bool oneLetter = std::all_of(typed_.begin(), typed_.end(), [c](char16_t t) { return t == c; });
    std::u16string wanted = pw::foldCase(oneLetter ? std::u16string(1, c) : typed_);
    if (count <= 0) return -1;
    // A new letter looks past the current row; more letters may still match the current one.
    std::int32_t from = std::clamp(current, -1, count - 1) + (oneLetter ? 1 : 0);
    from = std::max(from, 0);
    for (std::int32_t k = 0; k < count; ++k) {
        std::int32_t row = (from + k) % count;
        std::u16string t = text(row);
        if (!t.empty() && pw::foldCase(t).starts_with(wanted)) return row;
    }
    return -1;
}

}  // namespace s::gui::win
