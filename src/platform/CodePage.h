// Character-set conversion for the strings' code-page forms, through the C library's iconv.
// Windows code-page numbers are mapped to iconv names here; UTF-16 text crosses this
// boundary as code units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// The iconv name of a Windows code page: from a table for the numbers whose names differ
// (936 -> "GBK", 20866 -> "KOI8-R", 28591 -> "ISO-8859-1" ...), else "CP<number>"
// (1252 -> "CP1252"). Whether iconv knows the name shows when converting.
std::string charsetOfCodePage(std::uint32_t codePage);

// Converts count UTF-16 code units to charset, appending to out. A character the charset
// cannot hold (or a lone surrogate) becomes "?". False, with out unchanged, when iconv does
// not know the charset.
bool encodeCharset(const char* charset, const char16_t* chars, std::size_t count, std::string& out);
// Converts count bytes in charset to UTF-16, appending to out. A byte sequence that is not
// valid in the charset becomes U+FFFD. False, with out unchanged, when iconv does not know
// the charset.
bool decodeCharset(const char* charset, const std::uint8_t* bytes, std::size_t count,
                   std::u16string& out);

}  // namespace platform
