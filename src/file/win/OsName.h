// File names between the framework's UTF-16 texts and the system's bytes (lossless: a byte
// that is not UTF-8 travels as U+DC80 + byte).
#pragma once

#include <cstdint>
#include <string>

#include "str/Utf8.h"

namespace s::file::win {

inline std::string osName(const char16_t* chars, std::uint32_t count) {
    return str::toUtf8String(chars, count);
}

inline std::string osName(const char16_t* text) {
    return osName(text, static_cast<std::uint32_t>(std::char_traits<char16_t>::length(text)));
}

}  // namespace s::file::win
