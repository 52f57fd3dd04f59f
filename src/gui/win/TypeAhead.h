// Choosing a row of a list by typing the first letters of its text: the drop-down list's field,
// its open list and the popup menus.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace s::gui::win {

class TypeAhead {
public:
    // A pause longer than this starts a new search.
    static constexpr std::int64_t kPauseMs = 1000;

    // Milliseconds of a monotonic clock; tests put their own in (null: the system's).
    void setClock(std::function<std::int64_t()> now) { clock_ = std::move(now); }
    // The row that the typed character leads to among `count` rows, -1 for none. The letters
    // typed so far are looked for from the current row on, without case; one letter typed again
    // and again steps through the rows that start with it. `text` answers a row's text (empty
    // for one that cannot be chosen).
    std::int32_t typed(char16_t c, std::int32_t current, std::int32_t count,
                       const std::function<std::u16string(std::int32_t)>& text);
    // Forgets the letters typed (pool recycling keeps the clock away as well).
    void reset() {
        typed_.clear();
        clock_ = nullptr;
    }

private:
    std::int64_t now() const;

    std::function<std::int64_t()> clock_;
    std::u16string typed_;
    std::int64_t last_ = 0;
};

}  // namespace s::gui::win
