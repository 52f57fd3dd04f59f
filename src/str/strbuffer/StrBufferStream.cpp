// The string's byte-stream faces: its code units read and written as bytes, low byte first,
// at a cursor.
#include <algorithm>
#include <cstdint>

#include "str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

bool StrBuffer::read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) {
    const std::uint64_t end = std::uint64_t(length_) * 2;
    std::uint32_t n = 0;
    if (cursor_ < end && buffer)
        n = std::uint32_t(std::min<std::uint64_t>(maxBytes, end - cursor_));
    auto* out = static_cast<std::uint8_t*>(buffer);
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint64_t b = cursor_ + i;
        const char16_t unit = storage_[b / 2];
        out[i] = static_cast<std::uint8_t>((b & 1) ? unit >> 8 : unit & 0xFF);
    }
    cursor_ += n;
    if (count) *count = n;
    return n > 0;
}

bool StrBuffer::write(const void* bytes, std::uint32_t count, std::uint32_t* written) {
    if (written) *written = 0;
    if (count == 0) return true;
    if (!bytes) return false;
    const std::uint64_t end = cursor_ + count;
    const std::uint64_t units = (end + 1) / 2;
    if (units > UINT32_MAX - 1) return false;
    if (units > length_) {
        if (!ensure(std::uint32_t(units))) return false;
        // Units only partly covered by the bytes start as zero.
        std::fill(storage_ + length_, storage_ + units, char16_t(0));
        length_ = std::uint32_t(units);
    }
    const auto* in = static_cast<const std::uint8_t*>(bytes);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t b = cursor_ + i;
        char16_t& unit = storage_[b / 2];
        unit =
            (b & 1) ? char16_t((unit & 0x00FF) | (in[i] << 8)) : char16_t((unit & 0xFF00) | in[i]);
    }
    cursor_ = end;
    if (written) *written = count;
    return true;
}

bool StrBuffer::seek(std::int64_t position) {
    if (position < 0 || std::uint64_t(position) > std::uint64_t(length_) * 2) return false;
    cursor_ = std::uint64_t(position);
    return true;
}

bool StrBuffer::seekToEnd() {
    cursor_ = std::uint64_t(length_) * 2;
    return true;
}

bool StrBuffer::seekFromEnd(std::int64_t n) {
    return seek(std::int64_t(length_) * 2 - n);
}

bool StrBuffer::skip(std::int64_t n) {
    return seek(std::int64_t(cursor_) + n);
}

bool StrBuffer::back(std::int64_t n) {
    return seek(std::int64_t(cursor_) - n);
}

}  // namespace s::str::strbuffer
