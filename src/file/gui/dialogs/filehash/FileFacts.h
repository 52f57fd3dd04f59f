// The texts of a file's facts: sizes (by unit, automatic, grouped) and times (long, short).
#pragma once

#include <cstdint>

#include "str/strbuffer/StrBuffer.h"

namespace s::file::gui::dialogs::filehash {

// The size types of the calculate mode, in the order of the size-type selector.
enum class SizeType { Bytes = 0, KB = 1, MB = 2, Auto = 3 };

class FileFacts {
public:
    // Key words of the size types ("Bytes", "KB", "MB", "Auto"), stored in the settings.
    static const char16_t* sizeTypeKey(SizeType type);
    // The size type of a stored key (compared ignoring case); anything else is Auto.
    static SizeType sizeTypeOf(const str::strbuffer::StrBuffer* key);

    // text becomes the automatic size text: "0 B", "1.50 KB", "10.5 KB", "100 KB" ...
    static void appendAutoSize(std::uint64_t size, str::strbuffer::StrBuffer* text);
    // text becomes size in decimal with "," between groups of three digits.
    static void appendGroupedNumber(std::uint64_t size, str::strbuffer::StrBuffer* text);
    // The calculate-mode size field: the automatic text, or the count of bytes, KB or MB
    // (a remainder counting as one more), grouped when comma is set.
    static void formatCalculateSize(std::uint64_t size, SizeType type, bool comma,
                                    str::strbuffer::StrBuffer* text);
    // The verify-mode size field: plain or grouped byte count.
    static void formatVerifySize(std::uint64_t size, bool comma, str::strbuffer::StrBuffer* text);

    // "2013-06-24 09:05:07 (+09:00)": local time with the offset in force now.
    static void formatLongTime(std::int64_t seconds, str::strbuffer::StrBuffer* text);
    // "2013-06-24 09:05:07": local time with the daylight-saving rule of that date.
    static void formatShortTime(std::int64_t seconds, str::strbuffer::StrBuffer* text);
};

}  // namespace s::file::gui::dialogs::filehash
