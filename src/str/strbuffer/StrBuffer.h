// The framework's one string type: a growable, pooled buffer of UTF-16 code units with
// searching, case-folding comparison (ASCII letters only), trimming, number and hexadecimal
// formatting, conversions to and from UTF-8 and other code pages, and byte-stream faces.
//
//   StrBuffer* s = StrBuffer::create(); s->appendText(u"size: ")->appendUInt32(n); ...
//   s->release();
//
// Indexes and lengths count code units. Indexes are not checked: callers stay within the
// length. Operations that return the string itself allow chaining; operations that return a
// new string (copy, substring, beforeLast, ...) take it from the pool and the caller releases
// it. The text is not kept zero-terminated; text() and terminate() write the terminator.
#pragma once

#include <cstdint>

#include "io/IInputStream.h"
#include "io/IOutputStream.h"
#include "str/CodePage.h"
#include "str/IStr.h"
#include "thread/Pooled.h"

namespace s::col::_array {
class ArrayU08;
}
namespace s::digest {
class IDigester;
}
namespace s::str::strarray {
class StrArray;
}

namespace s::str::strbuffer {

class Iterator;

class StrBuffer final : public IStr,
                        public io::IInputStream,
                        public io::IOutputStream,
                        public thread::Pooled<StrBuffer> {
public:
    using ArrayU08 = col::_array::ArrayU08;

    // Passed as "before" to search the whole string backwards.
    static constexpr std::uint32_t kWhole = 0xFFFFFF;

    StrBuffer() = default;
    StrBuffer(const StrBuffer&) = delete;
    StrBuffer& operator=(const StrBuffer&) = delete;
    ~StrBuffer() override;

    // The capacity after one growth step from old: below 100 -> 100, below 10M -> x3, below
    // 50M -> x2, below 100M -> x1.5, else x1.2 (rounded toward zero, kept below 2^32).
    static std::uint32_t grownCapacity(std::uint32_t old);

    // --- object operations -------------------------------------------------------------------
    const char16_t* typeName() const override { return u"s_str_strbuffer_StrBuffer"; }
    base::IObject* newInstance() const override { return create(); }
    // Byte-wise over the shorter length (code units as stored, low byte first), then the
    // shorter text is smaller. An object that is not a string is ordered by address.
    int compareTo(const base::IComparable* other,
                  const base::IComparator* comparator = nullptr) const override;
    // By code unit after folding A-Z to a-z, then by length.
    int compareToIgnoreCase(const base::IComparable* other,
                            const base::IComparator* comparator = nullptr) const override;
    bool equals(const base::IComparable* other,
                const base::IComparator* comparator = nullptr) const override;
    bool equalsIgnoreCase(const base::IComparable* other,
                          const base::IComparator* comparator = nullptr) const override;
    std::uint32_t hashValue() const override;
    std::uint32_t hashValueIgnoreCase() const override;
    int compareTo(const StrBuffer* other) const;
    int compareToIgnoreCase(const StrBuffer* other) const;
    bool equals(const StrBuffer* other) const;
    bool equalsIgnoreCase(const StrBuffer* other) const;
    // Against a zero-terminated text.
    bool equalsText(const char16_t* text) const;
    bool equalsTextIgnoreCase(const char16_t* text) const;

    // Pooled: back to the string pool (which frees the storage), or destroyed when it is full.
    void release() override { pool().giveBack(this); }
    void recycle() override { free(); }

    // --- storage -------------------------------------------------------------------------------
    // Writes the terminator and returns the text; null for an empty string.
    char16_t* terminate();
    std::uint32_t length() const override { return length_; }
    // Sets the length without re-allocating; n must not exceed the capacity.
    void setLength(std::uint32_t n) { length_ = n; }
    std::uint32_t capacity() const override { return capacity_; }
    // Re-allocates to exactly n when the capacity is smaller.
    bool reserve(std::uint32_t n);
    // One step of the growth rule.
    bool grow();
    // Applies the growth rule until the capacity is at least n.
    bool ensure(std::uint32_t n);
    void clear() override {
        length_ = 0;
        cursor_ = 0;
    }
    void free() override;
    char16_t* data() const override { return storage_; }
    const char16_t* text() const override;
    char16_t* charAddress(std::uint32_t i) const { return storage_ + i; }

    // --- case ---------------------------------------------------------------------------------
    StrBuffer* reverse();
    StrBuffer* toLowerCase();
    StrBuffer* toUpperCase();
    // Lower case, then an initial a-z made upper case.
    StrBuffer* capitalize();
    char16_t charAt(std::uint32_t i) const override { return storage_[i]; }
    char16_t charAtLower(std::uint32_t i) const;
    char16_t charAtUpper(std::uint32_t i) const;

    // --- searching (index written only when found) ----------------------------------------------
    // First occurrence at or after from.
    bool indexOf(char16_t c, std::uint32_t* index, std::uint32_t from = 0) const;
    bool indexOfIgnoreCase(char16_t c, std::uint32_t* index, std::uint32_t from = 0) const;
    // Any of count characters (-1: up to a zero terminator).
    bool indexOfAny(const char16_t* chars, std::int32_t count, std::uint32_t* index,
                    std::uint32_t from = 0) const;
    bool indexOfAnyIgnoreCase(const char16_t* chars, std::int32_t count, std::uint32_t* index,
                              std::uint32_t from = 0) const;
    // Last occurrence before index before (kWhole or anything above the length: everywhere).
    bool lastIndexOf(char16_t c, std::uint32_t* index, std::uint32_t before = kWhole) const;
    bool lastIndexOfIgnoreCase(char16_t c, std::uint32_t* index,
                               std::uint32_t before = kWhole) const;
    bool lastIndexOfAny(const char16_t* chars, std::int32_t count, std::uint32_t* index,
                        std::uint32_t before = kWhole) const;
    bool lastIndexOfAnyIgnoreCase(const char16_t* chars, std::int32_t count, std::uint32_t* index,
                                  std::uint32_t before = kWhole) const;
    // Substrings (zero-terminated text). An empty text is found at from.
    bool indexOf(const char16_t* text, std::uint32_t* index, std::uint32_t from = 0) const;
    bool indexOfIgnoreCase(const char16_t* text, std::uint32_t* index,
                           std::uint32_t from = 0) const;
    // Last occurrence starting before index before.
    bool lastIndexOf(const char16_t* text, std::uint32_t* index,
                     std::uint32_t before = kWhole) const;
    bool lastIndexOfIgnoreCase(const char16_t* text, std::uint32_t* index,
                               std::uint32_t before = kWhole) const;

    // count code units from at equal text's from textFrom. count -1: the whole rest of text,
    // and the match must end exactly at this string's end.
    bool regionMatches(std::uint32_t at, const char16_t* text, std::uint32_t textFrom,
                       std::int32_t count = -1) const;
    bool regionMatchesIgnoreCase(std::uint32_t at, const char16_t* text, std::uint32_t textFrom,
                                 std::int32_t count = -1) const;
    // count -1: the whole of text; false when text is longer than this string.
    bool startsWith(const char16_t* text, std::int32_t count = -1) const;
    bool startsWithIgnoreCase(const char16_t* text, std::int32_t count = -1) const;
    bool endsWith(const char16_t* text, std::int32_t count = -1) const;
    bool endsWithIgnoreCase(const char16_t* text, std::int32_t count = -1) const;
    // Compares from at with text from textFrom by code unit, up to count units (-1: up to the
    // terminators); -1 when at is at or beyond the length.
    int compareRegion(std::uint32_t at, const char16_t* text, std::uint32_t textFrom,
                      std::int32_t count = -1) const;
    int compareRegionIgnoreCase(std::uint32_t at, const char16_t* text, std::uint32_t textFrom,
                                std::int32_t count = -1) const;

    // --- trimming (whitespace: space, LF, U+3000, tab, CR) ---------------------------------------
    StrBuffer* trimEnd();
    // Keeps at least minLength characters.
    StrBuffer* trimEndTo(std::uint32_t minLength);
    StrBuffer* trimEnd(const char16_t* chars, std::int32_t count = -1);
    StrBuffer* trimEndTo(const char16_t* chars, std::uint32_t minLength, std::int32_t count = -1);
    StrBuffer* trimStart();
    StrBuffer* trimStart(const char16_t* chars, std::int32_t count = -1);

    // --- writers ------------------------------------------------------------------------------
    StrBuffer* prepend(const char16_t* chars, std::int32_t count = -1);
    // Each byte becomes one code unit, sign-extended (meant for ASCII).
    StrBuffer* appendNarrow(const char* bytes, std::int32_t count = -1);
    StrBuffer* appendNarrowText(const char* bytes) { return appendNarrow(bytes, -1); }
    StrBuffer* append(const char16_t* chars, std::int32_t count = -1) override;
    StrBuffer* appendChar(char16_t c) override {
        if (length_ == capacity_ && !grow()) return this;
        storage_[length_++] = c;
        return this;
    }
    StrBuffer* appendText(const char16_t* text) override { return append(text, -1); }
    StrBuffer* appendString(const StrBuffer* other);
    StrBuffer* assign(const StrBuffer* other);
    StrBuffer* assignText(const char16_t* text) override;

    // Hexadecimal, lower case, zero-padded: 16, 8, 4 and 2 digits per value.
    StrBuffer* appendHex64(const std::uint64_t* values, std::uint32_t count);
    StrBuffer* appendHex32(const std::uint32_t* values, std::uint32_t count);
    StrBuffer* appendHex16(const std::uint16_t* values, std::uint32_t count);
    StrBuffer* appendHexBytes(const std::uint8_t* bytes, std::uint32_t count);
    // 2 x count 32-bit words (count pairs).
    StrBuffer* appendHex32Pairs(const std::uint32_t* values, std::uint32_t count);

    // Decimal numbers ("%u", "%d", 64-bit "%I64d"); "%f" with six decimals. No separators.
    StrBuffer* appendInt64(std::int64_t v);
    StrBuffer* appendUInt32(std::uint32_t v);
    StrBuffer* appendUInt16(std::uint16_t v) { return appendUInt32(v); }
    StrBuffer* appendUInt8(std::uint8_t v) { return appendUInt32(v); }
    StrBuffer* appendInt32(std::int32_t v) { return appendInt64(v); }
    StrBuffer* appendInt16(std::int16_t v) { return appendInt64(v); }
    StrBuffer* appendInt8(std::int8_t v) { return appendInt64(v); }
    StrBuffer* appendFloat(float v) { return appendDouble(v); }
    StrBuffer* appendDouble(double v);
    // The set forms replace the text; they print through one shared, locked scratch string.
    StrBuffer* setInt64(std::int64_t v);
    StrBuffer* setUInt32(std::uint32_t v);
    StrBuffer* setUInt16(std::uint16_t v) { return setUInt32(v); }
    StrBuffer* setUInt8(std::uint8_t v) { return setUInt32(v); }
    StrBuffer* setInt32(std::int32_t v) { return setInt64(v); }
    StrBuffer* setInt16(std::int16_t v) { return setInt64(v); }
    StrBuffer* setInt8(std::int8_t v) { return setInt64(v); }
    StrBuffer* setFloat(float v) { return setDouble(v); }
    StrBuffer* setDouble(double v);

    // Every non-overlapping occurrence of find, scanning left to right.
    StrBuffer* replaceAll(const char16_t* find, const char16_t* replacement);
    StrBuffer* replaceAllIgnoreCase(const char16_t* find, const char16_t* replacement);

    // --- pieces -------------------------------------------------------------------------------
    StrBuffer* copy() const;
    // Keeps the characters from index from up to index to (clamped to the length).
    StrBuffer* keep(std::uint32_t from, std::uint32_t to);
    StrBuffer* substring(std::uint32_t from, std::uint32_t to) const;
    // A new string with the text before the last match found before index before; an empty
    // new string when nothing is found.
    StrBuffer* beforeLast(char16_t c, std::uint32_t before = kWhole) const;
    StrBuffer* beforeLastIgnoreCase(char16_t c, std::uint32_t before = kWhole) const;
    StrBuffer* beforeLastAny(const char16_t* chars, std::int32_t count,
                             std::uint32_t before = kWhole) const;
    StrBuffer* beforeLastAnyIgnoreCase(const char16_t* chars, std::int32_t count,
                                       std::uint32_t before = kWhole) const;
    StrBuffer* beforeLast(const char16_t* text, std::uint32_t before = kWhole) const;
    StrBuffer* beforeLastIgnoreCase(const char16_t* text, std::uint32_t before = kWhole) const;
    // Pieces between occurrences of c; no empty pieces.
    strarray::StrArray* split(char16_t c) const;
    // Distinct words (compared ignoring case); with skipCommon a trailing "the", "of" or
    // "and" is dropped.
    strarray::StrArray* words(bool skipCommon) const;

    // --- digest (StrBufferDigest.cpp: links the digest library) ----------------------------------
    // Feeds the code units as bytes (low byte first) to digester, or to a pooled MD5 when none
    // is given, finishes it and writes its hexadecimal text (null text: a new string).
    StrBuffer* digest(digest::IDigester* digester = nullptr, StrBuffer* text = nullptr,
                      bool append = false) const;

    // --- conversions --------------------------------------------------------------------------
    // UTF-8 into a byte array (a new one from the pool when none is given), with a trailing
    // zero byte or without. Lone surrogates U+DC80..U+DCFF become the byte they stand for;
    // other lone surrogates take the 3-byte form.
    ArrayU08* toUtf8(ArrayU08* bytes = nullptr, bool append = false) const;
    ArrayU08* toUtf8NoZero(ArrayU08* bytes = nullptr, bool append = false) const;
    // Decodes UTF-8 (count -1: up to the first zero byte); a byte b that is not part of valid
    // UTF-8 becomes U+DC80 + b.
    StrBuffer* fromUtf8(const std::uint8_t* bytes, bool append = false, std::int32_t count = -1);
    // UTF-16 LE/BE copy the code units; other code pages convert through the platform.
    ArrayU08* encode(const CodePage& codePage, ArrayU08* bytes = nullptr,
                     bool append = false) const;
    ArrayU08* encodeNoZero(const CodePage& codePage, ArrayU08* bytes = nullptr,
                           bool append = false) const;
    // count -1: up to the first zero (a zero code unit for UTF-16).
    StrBuffer* decode(const CodePage& codePage, const std::uint8_t* bytes, bool append = false,
                      std::int32_t count = -1);
    // The OEM forms use the character set of the user's locale.
    ArrayU08* toOem(ArrayU08* bytes = nullptr, bool append = false) const;
    ArrayU08* toOemNoZero(ArrayU08* bytes = nullptr, bool append = false) const;
    StrBuffer* fromOem(const std::uint8_t* bytes, bool append = false, std::int32_t count = -1);

    // Optional leading whitespace and sign, then decimal digits up to the first other
    // character; 0 when there are none. Values out of range saturate.
    std::int32_t toInt() const;
    std::int64_t toInt64() const;
    // Decimal floating-point text (leading whitespace allowed); 0 when there is none.
    float toFloat() const;
    // Non-empty and every character 0-9, a-f or A-F.
    bool isHex() const;
    // 0-15 for a hexadecimal digit, 0 for any other character.
    std::uint8_t hexDigitAt(std::uint32_t i) const;
    // Every pair of characters becomes one byte, high digit first; an odd last one is ignored.
    ArrayU08* hexToBytes(ArrayU08* bytes = nullptr, bool append = false) const;
    // Non-empty and all 0-9, except a leading "-" when more characters follow.
    bool isInteger() const;

    // --- iterators (from the iterator pool; the caller releases them) -------------------------
    Iterator* iterator();
    Iterator* iteratorAtEnd();
    Iterator* iteratorAt(std::uint32_t n);
    Iterator* iteratorFromEnd(std::uint32_t n);

    // --- byte-stream faces: code units as bytes, low byte first, from the byte cursor ---------
    bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) override;
    // Stores bytes at the cursor, growing and extending the length (in whole code units).
    bool write(const void* bytes, std::uint32_t count, std::uint32_t* written) override;
    bool flush() override { return true; }
    bool truncate() override { return true; }
    void close() override { cursor_ = 0; }
    std::int64_t position() override { return static_cast<std::int64_t>(cursor_); }
    bool rewind() override {
        cursor_ = 0;
        return true;
    }
    bool seekToEnd() override;
    bool seek(std::int64_t position) override;
    bool seekFromEnd(std::int64_t n) override;
    bool skip(std::int64_t n) override;
    bool back(std::int64_t n) override;
    void reset() override { cursor_ = 0; }
    void closeAndRelease() override { cursor_ = 0; }
    bool alwaysTrue() override { return true; }

private:
    // Makes room for count more code units (growth rule); false when impossible.
    bool ensureMore(std::uint32_t count) {
        if (count <= capacity_ - length_) return true;
        return ensure(length_ + count < length_ ? UINT32_MAX : length_ + count);
    }
    // Re-allocates to exactly newCapacity code units (+1 for the terminator).
    bool reallocate(std::uint32_t newCapacity);
    // Reserves room for at least 256 (or needed) more characters before a number is printed.
    bool reserveForNumber(std::uint32_t needed);
    template <bool IgnoreCase>
    bool findText(const char16_t* text, std::uint32_t* index, std::uint32_t from) const;
    template <bool IgnoreCase>
    bool findLastText(const char16_t* text, std::uint32_t* index, std::uint32_t before) const;
    template <bool IgnoreCase>
    StrBuffer* replaceAllImpl(const char16_t* find, const char16_t* replacement);
    // Shared by the UTF-8/code-page/OEM writers: where the bytes go and whether a zero follows.
    ArrayU08* encodeInto(const CodePage* codePage, bool oem, ArrayU08* bytes, bool append,
                         bool zero) const;
    StrBuffer* decodeFrom(const CodePage* codePage, bool oem, const std::uint8_t* bytes,
                          bool append, std::int32_t count);
    StrBuffer* beforeIndex(bool found, std::uint32_t index) const;

    char16_t* storage_ = nullptr;  // capacity_ + 1 code units
    std::uint32_t length_ = 0;
    std::uint32_t capacity_ = 0;
    std::uint64_t cursor_ = 0;  // byte position of the stream faces
};

}  // namespace s::str::strbuffer
