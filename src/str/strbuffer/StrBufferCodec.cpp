// The string's byte forms: UTF-8 (lossless, see str/Utf8.h), UTF-16 LE/BE, other code pages
// and the locale's character set through the platform layer, and hexadecimal text to bytes.
#include <strings.h>
#include <cstring>
#include <string>

#include "col/_array/ArrayU08.h"
#include "platform/CodePage.h"
#include "platform/Locale.h"
#include "str/Utf8.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

using col::_array::ArrayU08;

namespace {

bool isUtf8Name(const std::string& charset) {
    return strcasecmp(charset.c_str(), "UTF-8") == 0 || strcasecmp(charset.c_str(), "UTF8") == 0;
}

// The character set a code page (or, without one, the locale) converts through.
std::string charsetFor(const CodePage* codePage) {
    return codePage ? platform::charsetOfCodePage(codePage->number())
                    : std::string(platform::localeCharset());
}

// Width of the terminator that ends a text of unknown length in this code page.
std::size_t zeroWidth(const CodePage* codePage) {
    if (!codePage) return 1;
    if (codePage->isUtf16Le() || codePage->isUtf16Be()) return 2;
    return codePage->number() == 12000 || codePage->number() == 12001 ? 4 : 1;
}

// Bytes before the first terminator of the given width.
std::size_t lengthUpToZero(const std::uint8_t* bytes, std::size_t width) {
    std::size_t n = 0;
    for (;;) {
        bool zero = true;
        for (std::size_t k = 0; k < width; ++k) zero = zero && bytes[n + k] == 0;
        if (zero) return n;
        n += width;
    }
}

// Makes room for n more bytes at the end of the array; returns where they go, or null.
std::uint8_t* extend(ArrayU08* bytes, std::size_t n) {
    const std::uint32_t old = bytes->length();
    if (n > UINT32_MAX - old || !bytes->setLength(old + static_cast<std::uint32_t>(n))) {
        return nullptr;
    }
    return bytes->data() + old;
}

}  // namespace

ArrayU08* StrBuffer::encodeInto(const CodePage* codePage, bool oem, ArrayU08* bytes, bool append,
                                bool zero) const {
    ArrayU08* out = bytes ? bytes : ArrayU08::create();
    if (!append) out->clear();
    const std::size_t tail = zero ? zeroWidth(codePage) : 0;
    if (codePage && (codePage->isUtf16Le() || codePage->isUtf16Be())) {
        const bool big = codePage->isUtf16Be();
        if (std::uint8_t* at = extend(out, std::size_t(length_) * 2 + tail)) {
            for (std::uint32_t i = 0; i < length_; ++i) {
                at[2 * i + (big ? 1 : 0)] = static_cast<std::uint8_t>(storage_[i] & 0xFF);
                at[2 * i + (big ? 0 : 1)] = static_cast<std::uint8_t>(storage_[i] >> 8);
            }
            std::memset(at + std::size_t(length_) * 2, 0, tail);
        }
        return out;
    }
    const std::string charset = oem || codePage ? charsetFor(codePage) : std::string("UTF-8");
    if (isUtf8Name(charset)) {
        const std::size_t n = utf8EncodedLength(storage_, length_);
        if (std::uint8_t* at = extend(out, n + tail)) {
            utf8Encode(storage_, length_, at);
            std::memset(at + n, 0, tail);
        }
        return out;
    }
    std::string converted;
    if (!platform::encodeCharset(charset.c_str(), storage_, length_, converted)) converted.clear();
    if (std::uint8_t* at = extend(out, converted.size() + tail)) {
        std::memcpy(at, converted.data(), converted.size());
        std::memset(at + converted.size(), 0, tail);
    }
    return out;
}

StrBuffer* StrBuffer::decodeFrom(const CodePage* codePage, bool oem, const std::uint8_t* bytes,
                                 bool append, std::int32_t count) {
    if (!append) clear();
    if (!bytes) return this;
    const std::size_t n =
        count >= 0 ? std::size_t(count) : lengthUpToZero(bytes, zeroWidth(codePage));
    if (codePage && (codePage->isUtf16Le() || codePage->isUtf16Be())) {
        const bool big = codePage->isUtf16Be();
        const std::size_t units = n / 2;
        if (units > UINT32_MAX - 1 || !ensureMore(static_cast<std::uint32_t>(units))) return this;
        for (std::size_t i = 0; i < units; ++i) {
            const std::uint8_t first = bytes[2 * i], second = bytes[2 * i + 1];
            storage_[length_ + i] =
                static_cast<char16_t>(big ? (first << 8 | second) : (second << 8 | first));
        }
        length_ += static_cast<std::uint32_t>(units);
        return this;
    }
    const std::string charset = oem || codePage ? charsetFor(codePage) : std::string("UTF-8");
    if (isUtf8Name(charset)) {
        appendUtf8(this, std::string_view(reinterpret_cast<const char*>(bytes), n));
        return this;
    }
    std::u16string decoded;
    if (platform::decodeCharset(charset.c_str(), bytes, n, decoded) && !decoded.empty() &&
        decoded.size() <= UINT32_MAX - 1) {
        this->append(decoded.data(), static_cast<std::int32_t>(decoded.size()));
    }
    return this;
}

ArrayU08* StrBuffer::toUtf8(ArrayU08* bytes, bool append) const {
    return encodeInto(nullptr, false, bytes, append, true);
}
ArrayU08* StrBuffer::toUtf8NoZero(ArrayU08* bytes, bool append) const {
    return encodeInto(nullptr, false, bytes, append, false);
}
StrBuffer* StrBuffer::fromUtf8(const std::uint8_t* bytes, bool append, std::int32_t count) {
    return decodeFrom(nullptr, false, bytes, append, count);
}
ArrayU08* StrBuffer::encode(const CodePage& codePage, ArrayU08* bytes, bool append) const {
    return encodeInto(&codePage, false, bytes, append, true);
}
ArrayU08* StrBuffer::encodeNoZero(const CodePage& codePage, ArrayU08* bytes, bool append) const {
    return encodeInto(&codePage, false, bytes, append, false);
}
StrBuffer* StrBuffer::decode(const CodePage& codePage, const std::uint8_t* bytes, bool append,
                             std::int32_t count) {
    return decodeFrom(&codePage, false, bytes, append, count);
}
ArrayU08* StrBuffer::toOem(ArrayU08* bytes, bool append) const {
    return encodeInto(nullptr, true, bytes, append, true);
}
ArrayU08* StrBuffer::toOemNoZero(ArrayU08* bytes, bool append) const {
    return encodeInto(nullptr, true, bytes, append, false);
}
StrBuffer* StrBuffer::fromOem(const std::uint8_t* bytes, bool append, std::int32_t count) {
    return decodeFrom(nullptr, true, bytes, append, count);
}

ArrayU08* StrBuffer::hexToBytes(ArrayU08* bytes, bool append) const {
    ArrayU08* out = bytes ? bytes : ArrayU08::create();
    if (!append) out->clear();
    const std::uint32_t pairs = length_ / 2;  // an odd last character is ignored
    if (std::uint8_t* at = extend(out, pairs)) {
        for (std::uint32_t i = 0; i < pairs; ++i) {
            at[i] = static_cast<std::uint8_t>(hexDigitAt(2 * i) << 4 | hexDigitAt(2 * i + 1));
        }
    }
    return out;
}

}  // namespace s::str::strbuffer
