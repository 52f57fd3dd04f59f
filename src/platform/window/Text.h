// Text measuring and drawing through Pango, with font fallback through fontconfig.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/window/Types.h"

namespace platform::window {

// The character height of a font that names none: 13 pixels at 96 dpi, at the scale factor.
std::int32_t defaultFontHeight();

struct Font {
    std::string face;  // empty: defaultFontFace()
    // Character height in pixels of a 96-dpi screen (sign ignored), drawn at the scale factor in
    // use (Scale.h), so a font follows a change of the factor.
    std::int32_t height = defaultFontHeight();
    std::int32_t weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool smooth = true;  // antialiased glyphs
    friend bool operator==(const Font&, const Font&) = default;
};

// The face used when a font names none.
const char* defaultFontFace();

enum TextFlags : std::uint32_t {
    kTextLeft = 0x0000,
    kTextCentre = 0x0001,
    kTextRight = 0x0002,
    kTextTop = 0x0000,
    kTextMiddle = 0x0004,  // vertically centred in the rectangle
    kTextBottom = 0x0008,
    kTextWrap = 0x0010,      // break lines at word boundaries to fit the width
    kTextEllipsis = 0x0020,  // cut with "…" at the end to fit the width (one line)
};

// Width and height of a text laid out on one line, or wrapped at wrapWidth when it is > 0.
// Lines are broken at "\n" in either case.
Size measureText(const Font& font, std::u16string_view text, std::int32_t wrapWidth = -1);
// The width of the widest word: the narrowest a wrapped text can be.
std::int32_t measureLongestWord(const Font& font, std::u16string_view text);
// Height of one line of the font.
std::int32_t lineHeight(const Font& font);
// Characters of the text that no available font can show (Pango's unknown glyphs).
std::int32_t unknownGlyphs(const Font& font, std::u16string_view text);

// UTF-16 <-> UTF-8 at the platform boundary; lone surrogates U+DC80..U+DCFF stand for the bytes
// 0x80..0xFF of invalid UTF-8 and turn back into them.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view bytes);
// Appends one code point (below U+110000) as UTF-8.
void appendUtf8(std::string& out, char32_t c);
// The text as people see it: every unpaired surrogate (a file name's escaped byte included)
// becomes U+FFFD, so what is drawn, titled or put on the clipboard is valid Unicode.
std::u16string displayText(std::u16string_view text);
std::string toDisplayUtf8(std::u16string_view text);
// The text with its letters in one case for comparing without case, in every script.
std::u16string foldCase(std::u16string_view text);

}  // namespace platform::window
