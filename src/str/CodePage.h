// A code page as the string conversions need it: a Windows code-page number and whether it
// stands for UTF-16 little-endian or big-endian (those two are converted by the strings
// themselves; every other number goes through the platform's character-set converter).
#pragma once

#include <cstdint>

namespace s::str {

class CodePage {
public:
    static constexpr std::uint32_t kUtf16Le = 1200;
    static constexpr std::uint32_t kUtf16Be = 1201;
    static constexpr std::uint32_t kUtf8 = 65001;

    enum Flags : std::uint8_t { None = 0, Utf16Le = 1, Utf16Be = 2 };

    // The UTF-16 numbers set their flag by themselves.
    constexpr explicit CodePage(std::uint32_t number, std::uint8_t flags = None)
        : number_(number), flags_(flags | flagsOf(number)) {}

    static constexpr CodePage utf16le() { return CodePage(kUtf16Le); }
    static constexpr CodePage utf16be() { return CodePage(kUtf16Be); }
    static constexpr CodePage utf8() { return CodePage(kUtf8); }

    constexpr std::uint32_t number() const { return number_; }
    constexpr bool isUtf16Le() const { return (flags_ & Utf16Le) != 0; }
    constexpr bool isUtf16Be() const { return (flags_ & Utf16Be) != 0; }
    constexpr bool operator==(const CodePage&) const = default;

private:
    static constexpr std::uint8_t flagsOf(std::uint32_t number) {
        return number == kUtf16Le ? Utf16Le : number == kUtf16Be ? Utf16Be : None;
    }

    std::uint32_t number_;
    std::uint8_t flags_;
};

}  // namespace s::str
