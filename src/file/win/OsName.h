// File names between the framework's UTF-16 texts and the system's bytes (lossless: a byte
// that is not UTF-8 travels as U+DC80 + byte).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#if __has_include("str/Utf8.h")
#include "str/Utf8.h"
#else
#include "col/_array/ArrayU08.h"
#include "str/strbuffer/StrBuffer.h"
#endif

namespace s::file::win {

inline std::string osName(const char16_t* chars, std::uint32_t count) {
#if __has_include("str/Utf8.h")
    return str::toUtf8String(chars, count);
#else
    auto* text = str::strbuffer::StrBuffer::create();
    text->append(chars, static_cast<std::int32_t>(count));
    col::_array::ArrayU08* bytes = text->toUtf8NoZero();
    std::string out(reinterpret_cast<const char*>(bytes->data()), bytes->length());
    bytes->release();
    text->release();
    return out;
#endif
}

inline std::string osName(const char16_t* text) {
    return osName(text, static_cast<std::uint32_t>(std::char_traits<char16_t>::length(text)));
}

}  // namespace s::file::win
