// The digest text of a string. Kept apart from the rest of the string so that only programs
// that call digest() need the digest library at link time.
#include <algorithm>

#include "digest/IDigester.h"
#include "digest/md5/Md5.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

StrBuffer* StrBuffer::digest(digest::IDigester* digester, StrBuffer* text, bool append) const {
    digest::IDigester* used = digester ? digester : digest::md5::Md5::create();
    // The code units as bytes, low byte first, fed in pieces through a small buffer.
    std::uint8_t bytes[4096];
    for (std::uint32_t i = 0; i < length_;) {
        const std::uint32_t n = std::min<std::uint32_t>(length_ - i, sizeof(bytes) / 2);
        for (std::uint32_t k = 0; k < n; ++k) {
            bytes[2 * k] = static_cast<std::uint8_t>(storage_[i + k] & 0xFF);
            bytes[2 * k + 1] = static_cast<std::uint8_t>(storage_[i + k] >> 8);
        }
        used->update(bytes, n * 2);
        i += n;
    }
    used->finish();
    StrBuffer* result = used->toText(text, append);
    if (!digester) used->release();
    return result;
}

}  // namespace s::str::strbuffer
