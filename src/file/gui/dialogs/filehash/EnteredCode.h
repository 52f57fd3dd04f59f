// The code the user gives the verification, however it arrived (typed, pasted, dropped): blanks
// and line ends around it dropped, its length capped, and a whole checksum line understood.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace s::file::gui::dialogs::filehash {

class EnteredCode {
public:
    // A SHA-512 code has 128 digits; a checksum line with a long file name stays whole.
    static constexpr std::size_t kMaxLength = 1024;
    // The message for a code refused under Auto.
    static constexpr std::int32_t kWrongCodeText = 3040100;

    // The text without surrounding blanks and line ends, at most kMaxLength characters.
    static std::u16string clean(std::u16string_view text);
    // The code of a text: "HEX  NAME" and "HEX *NAME" give HEX, "ALGO (NAME) = HEX" gives HEX
    // and ALGO; anything else is the cleaned text itself.
    static EnteredCode read(std::u16string_view text);

    // Hex digits only, of a length that some algorithm's code has.
    bool hasKnownForm() const;

    std::u16string code;
    int algorithm = -1;  // feeding order; -1 when the text did not name one
};

}  // namespace s::file::gui::dialogs::filehash
