// Character rules shared by the string code: ASCII-only case folding and the whitespace set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace s::str::strbuffer::chars {

constexpr char16_t toLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}
constexpr char16_t toUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
}
// Space, line feed, ideographic space, tab and carriage return.
constexpr bool isWhitespace(char16_t c) {
    return c == u' ' || c == u'\n' || c == 0x3000 || c == u'\t' || c == u'\r';
}
constexpr bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
// Value of a hexadecimal digit, or -1.
constexpr int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Length of a zero-terminated text, or count when count is not -1.
inline std::uint32_t countOf(const char16_t* text, std::int32_t count) {
    if (count >= 0) return static_cast<std::uint32_t>(count);
    if (!text) return 0;
    std::uint32_t n = 0;
    while (text[n]) ++n;
    return n;
}

template <bool IgnoreCase>
constexpr char16_t fold(char16_t c) {
    if constexpr (IgnoreCase) return toLower(c);
    return c;
}

// True when c is one of count characters of set (folded when ignoring case).
template <bool IgnoreCase>
inline bool isOneOf(char16_t c, const char16_t* set, std::uint32_t count) {
    const char16_t f = fold<IgnoreCase>(c);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (fold<IgnoreCase>(set[i]) == f) return true;
    }
    return false;
}

// True when the n code units of a and b are the same (folded when ignoring case).
template <bool IgnoreCase>
bool sameUnits(const char16_t* a, const char16_t* b, std::uint32_t n) {
    if constexpr (!IgnoreCase) return n == 0 || std::memcmp(a, b, std::size_t(n) * 2) == 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        if (fold<true>(a[i]) != fold<true>(b[i])) return false;
    }
    return true;
}

}  // namespace s::str::strbuffer::chars
