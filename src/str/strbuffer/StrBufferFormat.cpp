// Number and hexadecimal text of the string: the writers ("%u", "%d", 64-bit "%I64d", "%f",
// fixed-width lower-case hex), the set forms through the shared scratch string, and the
// readers (toInt, toInt64, toFloat, isHex, isInteger, hexDigitAt).
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <mutex>

#include "str/strbuffer/CharRules.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/ObjLocker.h"

namespace s::str::strbuffer {

namespace {

constexpr char16_t kHexDigits[] = u"0123456789abcdef";

// Writes the digits of v (width digits, zero-padded) ending just before end.
template <class T>
void putHex(char16_t* at, T v, int width) {
    for (int i = width - 1; i >= 0; --i) {
        at[i] = kHexDigits[v & 0xF];
        v >>= 4;
    }
}

// Decimal digits of v into buffer (filled from the end); returns the first digit's address.
char16_t* decimalDigits(std::uint64_t v, char16_t* end) {
    do {
        *--end = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    return end;
}

// The five standard white-space characters the number readers skip.
bool isNumberSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// The shared scratch string of the set forms and its own lock; both made on first use and
// never destroyed, so the set forms work at any point of the process's life.
struct Scratch {
    thread::ObjLocker lock;
    StrBuffer text;
};

Scratch& scratch() {
    static Scratch* const shared = new Scratch();
    return *shared;
}

template <class Print>
StrBuffer* setThroughScratch(StrBuffer* target, Print print) {
    Scratch& s = scratch();
    std::lock_guard guard(s.lock);
    s.text.clear();
    print(s.text);
    return target->assign(&s.text);
}

}  // namespace

// ---- hexadecimal -----------------------------------------------------------------------------

StrBuffer* StrBuffer::appendHexBytes(const std::uint8_t* bytes, std::uint32_t count) {
    if (count == 0 || !bytes || !ensureMore(count * 2)) return this;
    char16_t* at = storage_ + length_;
    for (std::uint32_t i = 0; i < count; ++i, at += 2) putHex(at, bytes[i], 2);
    length_ += count * 2;
    return this;
}

StrBuffer* StrBuffer::appendHex16(const std::uint16_t* values, std::uint32_t count) {
    if (count == 0 || !values || !ensureMore(count * 4)) return this;
    char16_t* at = storage_ + length_;
    for (std::uint32_t i = 0; i < count; ++i, at += 4) putHex(at, values[i], 4);
    length_ += count * 4;
    return this;
}

StrBuffer* StrBuffer::appendHex32(const std::uint32_t* values, std::uint32_t count) {
    if (count == 0 || !values || !ensureMore(count * 8)) return this;
    char16_t* at = storage_ + length_;
    for (std::uint32_t i = 0; i < count; ++i, at += 8) putHex(at, values[i], 8);
    length_ += count * 8;
    return this;
}

StrBuffer* StrBuffer::appendHex32Pairs(const std::uint32_t* values, std::uint32_t count) {
    return appendHex32(values, count * 2);
}

StrBuffer* StrBuffer::appendHex64(const std::uint64_t* values, std::uint32_t count) {
    if (count == 0 || !values || !ensureMore(count * 16)) return this;
    char16_t* at = storage_ + length_;
    for (std::uint32_t i = 0; i < count; ++i, at += 16) putHex(at, values[i], 16);
    length_ += count * 16;
    return this;
}

// ---- decimal ---------------------------------------------------------------------------------

// The number writers first reserve room for 256 more characters (exactly, as reserve()
// does), then print at the end of the text.
bool StrBuffer::reserveForNumber(std::uint32_t needed) {
    const std::uint32_t room = needed > 256 ? needed : 256;
    return length_ <= UINT32_MAX - 1 - room && reserve(length_ + room);
}

StrBuffer* StrBuffer::appendUInt32(std::uint32_t v) {
    char16_t buffer[10];
    char16_t* end = buffer + 10;
    char16_t* first = decimalDigits(v, end);
    if (!reserveForNumber(0)) return this;
    return append(first, static_cast<std::int32_t>(end - first));
}

StrBuffer* StrBuffer::appendInt64(std::int64_t v) {
    char16_t buffer[20];
    char16_t* end = buffer + 20;
    // The magnitude in unsigned arithmetic, so that the smallest value has one too.
    const std::uint64_t magnitude = v < 0 ? 0 - std::uint64_t(v) : std::uint64_t(v);
    char16_t* first = decimalDigits(magnitude, end);
    if (v < 0) *--first = u'-';
    if (!reserveForNumber(0)) return this;
    return append(first, static_cast<std::int32_t>(end - first));
}

StrBuffer* StrBuffer::appendDouble(double v) {
    // "%f": fixed notation, six decimals. The largest double needs 309 integer digits, a
    // sign, a point and six decimals: 330 characters always suffice, and the room reserved
    // grows beyond 256 when the text needs it.
    char narrow[330];
    const auto result =
        std::to_chars(narrow, narrow + sizeof(narrow), v, std::chars_format::fixed, 6);
    const auto n = static_cast<std::uint32_t>(result.ptr - narrow);
    if (!reserveForNumber(n)) return this;
    for (std::uint32_t i = 0; i < n; ++i) storage_[length_ + i] = char16_t(narrow[i]);
    length_ += n;
    return this;
}

StrBuffer* StrBuffer::setInt64(std::int64_t v) {
    return setThroughScratch(this, [v](StrBuffer& s) { s.appendInt64(v); });
}

StrBuffer* StrBuffer::setUInt32(std::uint32_t v) {
    return setThroughScratch(this, [v](StrBuffer& s) { s.appendUInt32(v); });
}

StrBuffer* StrBuffer::setDouble(double v) {
    return setThroughScratch(this, [v](StrBuffer& s) { s.appendDouble(v); });
}

// ---- readers ---------------------------------------------------------------------------------

namespace {

// Optional white space and sign, then decimal digits; the magnitude saturates at limit.
std::int64_t parseInteger(const char16_t* p, std::uint32_t n, std::int64_t min, std::int64_t max) {
    std::uint32_t i = 0;
    while (i < n && isNumberSpace(p[i])) ++i;
    bool negative = false;
    if (i < n && (p[i] == u'-' || p[i] == u'+')) negative = p[i++] == u'-';
    const std::uint64_t limit = negative ? 0 - std::uint64_t(min) : std::uint64_t(max);
    std::uint64_t magnitude = 0;
    for (; i < n && chars::isDigit(p[i]); ++i) {
        const unsigned digit = p[i] - u'0';
        if (magnitude > (limit - digit) / 10) {
            magnitude = limit;
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    return negative ? std::int64_t(0 - magnitude) : std::int64_t(magnitude);
}

}  // namespace

std::int32_t StrBuffer::toInt() const {
    return static_cast<std::int32_t>(parseInteger(storage_, length_,
                                                  std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max()));
}

std::int64_t StrBuffer::toInt64() const {
    return parseInteger(storage_, length_, std::numeric_limits<std::int64_t>::min(),
                        std::numeric_limits<std::int64_t>::max());
}

float StrBuffer::toFloat() const {
    std::uint32_t i = 0;
    while (i < length_ && isNumberSpace(storage_[i])) ++i;
    // The ASCII run that can belong to a number, narrowed for the standard parser.
    char narrow[128] = {};
    std::uint32_t n = 0;
    bool negative = false;
    if (i < length_ && (storage_[i] == u'-' || storage_[i] == u'+'))
        negative = storage_[i++] == u'-';
    for (; i < length_ && n < sizeof(narrow); ++i) {
        const char16_t c = storage_[i];
        const bool numberChar = chars::isDigit(c) || c == u'.' || c == u'e' || c == u'E' ||
                                c == u'+' || c == u'-' || (c >= u'a' && c <= u'z') ||
                                (c >= u'A' && c <= u'Z');
        if (!numberChar) break;
        narrow[n++] = static_cast<char>(c);
    }
    double value = 0;
    const auto result = std::from_chars(narrow, narrow + n, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large becomes infinity, too small zero, as the standard conversion does.
        const bool tiny = std::memchr(narrow, '-', n) != nullptr;
        value = tiny ? 0.0 : HUGE_VAL;
    } else if (result.ec != std::errc()) {
        value = 0;
    }
    if (negative) value = -value;
    // Out of float's range the narrowing would be undefined: saturate to infinity.
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        return value < 0 ? -HUGE_VALF : HUGE_VALF;
    }
    return static_cast<float>(value);
}

bool StrBuffer::isHex() const {
    if (length_ == 0) return false;
    for (std::uint32_t i = 0; i < length_; ++i) {
        if (chars::hexValue(storage_[i]) < 0) return false;
    }
    return true;
}

std::uint8_t StrBuffer::hexDigitAt(std::uint32_t i) const {
    const int v = chars::hexValue(storage_[i]);
    return v < 0 ? 0 : static_cast<std::uint8_t>(v);
}

bool StrBuffer::isInteger() const {
    if (length_ == 0) return false;
    std::uint32_t i = (storage_[0] == u'-' && length_ > 1) ? 1 : 0;
    for (; i < length_; ++i) {
        if (!chars::isDigit(storage_[i])) return false;
    }
    return true;
}

}  // namespace s::str::strbuffer
