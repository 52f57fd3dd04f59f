// Lossless UTF-8 <-> UTF-16 conversion for the platform boundary. File names on Linux are
// arbitrary bytes, so every byte sequence must survive the trip into a string and back:
// - decoding turns each byte that is not part of valid UTF-8 into the lone surrogate
//   U+DC80 + byte, and encoding turns such a lone surrogate back into that byte;
// - other lone surrogates are written in the 3-byte form (WTF-8) and read back as
//   themselves, so a string's code units survive the trip the other way as well.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace s::str {

namespace strbuffer {
class StrBuffer;
}

// Bytes that utf8Encode writes for these code units.
std::size_t utf8EncodedLength(const char16_t* chars, std::size_t count);
// Writes the UTF-8 form of count code units to out (room for utf8EncodedLength bytes, at most
// 3 x count); returns the number of bytes written.
std::size_t utf8Encode(const char16_t* chars, std::size_t count, std::uint8_t* out);
// Writes the UTF-16 form of count bytes to out (room for count code units: never more);
// returns the number of code units written.
std::size_t utf8Decode(const std::uint8_t* bytes, std::size_t count, char16_t* out);

std::string toUtf8String(const char16_t* chars, std::uint32_t count);
// Appends the decoded bytes to the string.
void appendUtf8(strbuffer::StrBuffer* into, std::string_view bytes);

}  // namespace s::str
