// The lossless UTF-8 codec: well-formed sequences as the Unicode standard's table 3-7 defines
// them, invalid bytes as U+DC80 + byte, other lone surrogates in their 3-byte form.
#include "str/Utf8.h"

#include "str/strbuffer/StrBuffer.h"

namespace s::str {

namespace {

constexpr bool isHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool isLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
// The surrogates that stand for one invalid byte each.
constexpr bool isByteEscape(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}
constexpr bool isContinuation(std::uint8_t b) {
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed sequence at p (surrogate code points excluded), 0 when there is
// none; the code point goes to cp.
std::size_t wellFormed(const std::uint8_t* p, std::size_t n, char32_t* cp) {
    const std::uint8_t b0 = p[0];
    if (b0 < 0x80) {
        *cp = b0;
        return 1;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (n < 2 || !isContinuation(p[1])) return 0;
        *cp = char32_t(b0 & 0x1F) << 6 | (p[1] & 0x3F);
        return 2;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (n < 3 || !isContinuation(p[1]) || !isContinuation(p[2])) return 0;
        // E0 needs A0..BF (no overlong form); ED needs 80..9F (no surrogate).
        if (b0 == 0xE0 && p[1] < 0xA0) return 0;
        if (b0 == 0xED && p[1] > 0x9F) return 0;
        *cp = char32_t(b0 & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (n < 4 || !isContinuation(p[1]) || !isContinuation(p[2]) || !isContinuation(p[3])) {
            return 0;
        }
        // F0 needs 90..BF (no overlong form); F4 needs 80..8F (nothing above U+10FFFF).
        if (b0 == 0xF0 && p[1] < 0x90) return 0;
        if (b0 == 0xF4 && p[1] > 0x8F) return 0;
        *cp = char32_t(b0 & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6 |
              (p[3] & 0x3F);
        return 4;
    }
    return 0;  // 80..C1 and F5..FF never start a sequence
}

// The surrogate written in 3-byte form at p (ED A0..BF 80..BF), or 0.
char16_t encodedSurrogate(const std::uint8_t* p, std::size_t n) {
    if (n < 3 || p[0] != 0xED || p[1] < 0xA0 || p[1] > 0xBF || !isContinuation(p[2])) return 0;
    return static_cast<char16_t>(0xD000 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
}

// A run of 3-byte high surrogates starting at p is read as surrogates only when what follows
// the run cannot turn into a low surrogate (end, or a well-formed sequence): otherwise a high
// one would pair with the next unit and the bytes would not come back unchanged. Returns the
// end of the run (relative to p) when accepted, 0 when not.
std::size_t acceptedHighRun(const std::uint8_t* p, std::size_t n) {
    std::size_t j = 0;
    while (j < n && isHigh(encodedSurrogate(p + j, n - j))) j += 3;
    if (j == n) return j;
    char32_t cp;
    return wellFormed(p + j, n - j, &cp) ? j : 0;
}

}  // namespace

std::size_t utf8EncodedLength(const char16_t* chars, std::size_t count) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char16_t c = chars[i];
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (isHigh(c) && i + 1 < count && isLow(chars[i + 1])) {
            bytes += 4;
            ++i;
        } else if (isByteEscape(c)) {
            bytes += 1;
        } else {
            bytes += 3;
        }
    }
    return bytes;
}

std::size_t utf8Encode(const char16_t* chars, std::size_t count, std::uint8_t* out) {
    std::uint8_t* o = out;
    for (std::size_t i = 0; i < count; ++i) {
        const char16_t c = chars[i];
        if (c < 0x80) {
            *o++ = static_cast<std::uint8_t>(c);
        } else if (c < 0x800) {
            *o++ = static_cast<std::uint8_t>(0xC0 | c >> 6);
            *o++ = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        } else if (isHigh(c) && i + 1 < count && isLow(chars[i + 1])) {
            const char32_t cp = 0x10000 + (char32_t(c - 0xD800) << 10) + (chars[++i] - 0xDC00);
            *o++ = static_cast<std::uint8_t>(0xF0 | cp >> 18);
            *o++ = static_cast<std::uint8_t>(0x80 | (cp >> 12 & 0x3F));
            *o++ = static_cast<std::uint8_t>(0x80 | (cp >> 6 & 0x3F));
            *o++ = static_cast<std::uint8_t>(0x80 | (cp & 0x3F));
        } else if (isByteEscape(c)) {
            *o++ = static_cast<std::uint8_t>(c & 0xFF);
        } else {
            // Any other BMP unit, lone surrogates included.
            *o++ = static_cast<std::uint8_t>(0xE0 | c >> 12);
            *o++ = static_cast<std::uint8_t>(0x80 | (c >> 6 & 0x3F));
            *o++ = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        }
    }
    return static_cast<std::size_t>(o - out);
}

std::size_t utf8Decode(const std::uint8_t* bytes, std::size_t count, char16_t* out) {
    char16_t* o = out;
    std::size_t highRunEnd = 0;  // bytes before this index belong to an accepted high run
    for (std::size_t i = 0; i < count;) {
        char32_t cp;
        if (const std::size_t len = wellFormed(bytes + i, count - i, &cp)) {
            if (cp < 0x10000) {
                *o++ = static_cast<char16_t>(cp);
            } else {
                *o++ = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
                *o++ = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            }
            i += len;
            continue;
        }
        const char16_t surrogate = encodedSurrogate(bytes + i, count - i);
        if (isHigh(surrogate)) {
            if (i >= highRunEnd) {
                const std::size_t run = acceptedHighRun(bytes + i, count - i);
                highRunEnd = run ? i + run : i;
            }
            if (i < highRunEnd) {
                *o++ = surrogate;
                i += 3;
                continue;
            }
        } else if (isLow(surrogate) && !isByteEscape(surrogate)) {
            // Never preceded by a lone high unit: an accepted high run is followed by a
            // well-formed sequence or the end.
            *o++ = surrogate;
            i += 3;
            continue;
        }
        *o++ = static_cast<char16_t>(0xDC00 + bytes[i]);  // one invalid byte
        ++i;
    }
    return static_cast<std::size_t>(o - out);
}

std::string toUtf8String(const char16_t* chars, std::uint32_t count) {
    std::string bytes(utf8EncodedLength(chars, count), '\0');
    utf8Encode(chars, count, reinterpret_cast<std::uint8_t*>(bytes.data()));
    return bytes;
}

void appendUtf8(strbuffer::StrBuffer* into, std::string_view bytes) {
    if (!into || bytes.empty()) return;
    if (bytes.size() > UINT32_MAX - 1 - into->length()) return;
    const std::uint32_t old = into->length();
    if (!into->ensure(old + static_cast<std::uint32_t>(bytes.size()))) return;
    const std::size_t n = utf8Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                     bytes.size(), into->data() + old);
    into->setLength(old + static_cast<std::uint32_t>(n));
}

}  // namespace s::str
