// The verdict of a verification as the user reads it: "Perfect Match!" or "Different!", naming
// the algorithm that matched, or those tried, when the user did not choose one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace s::file::gui::dialogs::filehash {

class VerdictText {
public:
    static constexpr std::int32_t kMatch = 3021000;      // "Perfect Match!"
    static constexpr std::int32_t kDifferent = 3022000;  // "Different!"
    static constexpr std::int32_t kTried = 3040300;      // "Tried:"

    using Texts = std::function<std::u16string(std::int32_t id)>;

    // The algorithms tried, bit i for feeding-order index i; matched is the index of the one
    // whose code is the entered one, or -1.
    static std::u16string of(const Texts& text, std::uint32_t tried, int matched);
    // An algorithm's name: its label text without the colon and no-break space ("SHA-256").
    static std::u16string nameOf(const Texts& text, int algorithm);
};

}  // namespace s::file::gui::dialogs::filehash
