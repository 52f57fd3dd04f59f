// Storage, growth, comparison, hashing, case, trimming, the text writers and the pieces of the
// string; searching is StrBufferSearch.cpp, the byte-stream faces StrBufferStream.cpp.
#include "str/strbuffer/StrBuffer.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#include "col/_array/ArrayBase.h"
#include "str/strbuffer/CharRules.h"
#include "str/strbuffer/Iterator.h"

namespace s::str::strbuffer {

using chars::countOf;
using chars::fold;
using chars::sameUnits;

StrBuffer::~StrBuffer() {
    std::free(storage_);
}

// Strings grow by the arrays' rule, in characters.
std::uint32_t StrBuffer::grownCapacity(std::uint32_t old) {
    // One unit stays free for the terminator's slot arithmetic (capacity + 1 must fit).
    return std::min(col::_array::ArrayBase::grownCapacity(old), UINT32_MAX - 1);
}

// ---- storage ---------------------------------------------------------------------------------

bool StrBuffer::reallocate(std::uint32_t newCapacity) {
    // capacity + 1 units: the extra one holds the terminator when text() asks for it.
    auto* block = static_cast<char16_t*>(
        std::realloc(storage_, (std::size_t(newCapacity) + 1) * sizeof(char16_t)));
    if (!block) return false;
    storage_ = block;
    capacity_ = newCapacity;
    if (length_ > capacity_) length_ = capacity_;
    return true;
}

bool StrBuffer::reserve(std::uint32_t n) {
    return n <= capacity_ || reallocate(n);
}

bool StrBuffer::grow() {
    const std::uint32_t next = grownCapacity(capacity_);
    return next > capacity_ && reallocate(next);
}

bool StrBuffer::ensure(std::uint32_t n) {
    if (n <= capacity_) return true;
    if (n > UINT32_MAX - 1) return false;
    std::uint32_t next = capacity_;
    while (next < n) {
        const std::uint32_t grown = grownCapacity(next);
        next = grown > next ? grown : n;
    }
    return reallocate(next);
}

void StrBuffer::free() {
    std::free(storage_);
    storage_ = nullptr;
    length_ = 0;
    capacity_ = 0;
    cursor_ = 0;
}

char16_t* StrBuffer::terminate() {
    if (length_ == 0) return nullptr;
    storage_[length_] = 0;
    return storage_;
}

const char16_t* StrBuffer::text() const {
    if (length_ == 0) return u"";
    storage_[length_] = 0;
    return storage_;
}

// ---- comparison and hashing -------------------------------------------------------------------

namespace {

int sign(int v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

// The code units as bytes, low byte first.
int compareBytes(const char16_t* a, const char16_t* b, std::uint32_t n) {
    if constexpr (std::endian::native == std::endian::little) {
        return n == 0 ? 0 : sign(std::memcmp(a, b, std::size_t(n) * 2));
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;
        const int lo = int(a[i] & 0xFF) - int(b[i] & 0xFF);
        return sign(lo != 0 ? lo : int(a[i] >> 8) - int(b[i] >> 8));
    }
    return 0;
}

template <bool IgnoreCase>
std::uint32_t hashOf(const char16_t* p, std::uint32_t n) {
    std::uint32_t h = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        // Shift left by one and bring bit 30 round to bit 0.
        h = ((h << 1) | ((h >> 30) & 1)) ^ fold<IgnoreCase>(p[i]);
    }
    return h;
}

}  // namespace

int StrBuffer::compareTo(const base::IComparable* other,
                         const base::IComparator* comparator) const {
    if (comparator) return comparator->compare(this, other);
    if (const auto* s = dynamic_cast<const StrBuffer*>(other)) return compareTo(s);
    return IStr::compareTo(other, nullptr);
}

int StrBuffer::compareToIgnoreCase(const base::IComparable* other,
                                   const base::IComparator* comparator) const {
    if (comparator) return comparator->compareIgnoreCase(this, other);
    if (const auto* s = dynamic_cast<const StrBuffer*>(other)) return compareToIgnoreCase(s);
    return IStr::compareTo(other, nullptr);
}

bool StrBuffer::equals(const base::IComparable* other, const base::IComparator* comparator) const {
    if (comparator) return comparator->compare(this, other) == 0;
    const auto* s = dynamic_cast<const StrBuffer*>(other);
    return s ? equals(s) : other == this;
}

bool StrBuffer::equalsIgnoreCase(const base::IComparable* other,
                                 const base::IComparator* comparator) const {
    if (comparator) return comparator->compareIgnoreCase(this, other) == 0;
    const auto* s = dynamic_cast<const StrBuffer*>(other);
    return s ? equalsIgnoreCase(s) : other == this;
}

int StrBuffer::compareTo(const StrBuffer* other) const {
    if (!other) return 1;
    const int c = compareBytes(storage_, other->storage_, std::min(length_, other->length_));
    if (c != 0) return c;
    return length_ < other->length_ ? -1 : (length_ > other->length_ ? 1 : 0);
}

int StrBuffer::compareToIgnoreCase(const StrBuffer* other) const {
    if (!other) return 1;
    const std::uint32_t n = std::min(length_, other->length_);
    for (std::uint32_t i = 0; i < n; ++i) {
        const char16_t a = chars::toLower(storage_[i]);
        const char16_t b = chars::toLower(other->storage_[i]);
        if (a != b) return a < b ? -1 : 1;
    }
    return length_ < other->length_ ? -1 : (length_ > other->length_ ? 1 : 0);
}

bool StrBuffer::equals(const StrBuffer* other) const {
    return other && length_ == other->length_ &&
           sameUnits<false>(storage_, other->storage_, length_);
}

bool StrBuffer::equalsIgnoreCase(const StrBuffer* other) const {
    return other && length_ == other->length_ &&
           sameUnits<true>(storage_, other->storage_, length_);
}

bool StrBuffer::equalsText(const char16_t* text) const {
    return countOf(text, -1) == length_ && sameUnits<false>(storage_, text, length_);
}

bool StrBuffer::equalsTextIgnoreCase(const char16_t* text) const {
    return countOf(text, -1) == length_ && sameUnits<true>(storage_, text, length_);
}

std::uint32_t StrBuffer::hashValue() const {
    return hashOf<false>(storage_, length_);
}

std::uint32_t StrBuffer::hashValueIgnoreCase() const {
    return hashOf<true>(storage_, length_);
}

// ---- case ------------------------------------------------------------------------------------

StrBuffer* StrBuffer::reverse() {
    if (length_ > 1) std::reverse(storage_, storage_ + length_);
    return this;
}

StrBuffer* StrBuffer::toLowerCase() {
    for (std::uint32_t i = 0; i < length_; ++i) storage_[i] = chars::toLower(storage_[i]);
    return this;
}

StrBuffer* StrBuffer::toUpperCase() {
    for (std::uint32_t i = 0; i < length_; ++i) storage_[i] = chars::toUpper(storage_[i]);
    return this;
}

StrBuffer* StrBuffer::capitalize() {
    toLowerCase();
    if (length_ > 0) storage_[0] = chars::toUpper(storage_[0]);
    return this;
}

char16_t StrBuffer::charAtLower(std::uint32_t i) const {
    return chars::toLower(storage_[i]);
}

char16_t StrBuffer::charAtUpper(std::uint32_t i) const {
    return chars::toUpper(storage_[i]);
}

// ---- trimming --------------------------------------------------------------------------------

StrBuffer* StrBuffer::trimEnd() {
    return trimEndTo(0);
}

StrBuffer* StrBuffer::trimEndTo(std::uint32_t minLength) {
    while (length_ > minLength && chars::isWhitespace(storage_[length_ - 1])) --length_;
    return this;
}

StrBuffer* StrBuffer::trimEnd(const char16_t* set, std::int32_t count) {
    return trimEndTo(set, 0, count);
}

StrBuffer* StrBuffer::trimEndTo(const char16_t* set, std::uint32_t minLength, std::int32_t count) {
    const std::uint32_t n = countOf(set, count);
    while (length_ > minLength && chars::isOneOf<false>(storage_[length_ - 1], set, n)) {
        --length_;
    }
    return this;
}

StrBuffer* StrBuffer::trimStart() {
    std::uint32_t k = 0;
    while (k < length_ && chars::isWhitespace(storage_[k])) ++k;
    return keep(k, length_);
}

StrBuffer* StrBuffer::trimStart(const char16_t* set, std::int32_t count) {
    const std::uint32_t n = countOf(set, count);
    std::uint32_t k = 0;
    while (k < length_ && chars::isOneOf<false>(storage_[k], set, n)) ++k;
    return keep(k, length_);
}

// ---- writers ---------------------------------------------------------------------------------

StrBuffer* StrBuffer::append(const char16_t* chars, std::int32_t count) {
    const std::uint32_t n = countOf(chars, count);
    if (n == 0 || !chars) return this;
    // The source may lie inside this string's own storage, which growing moves.
    const bool inside = storage_ && chars >= storage_ && chars < storage_ + capacity_ + 1;
    const std::size_t offset = inside ? std::size_t(chars - storage_) : 0;
    if (!ensureMore(n)) return this;
    if (inside) chars = storage_ + offset;
    std::memmove(storage_ + length_, chars, std::size_t(n) * 2);
    length_ += n;
    return this;
}

StrBuffer* StrBuffer::prepend(const char16_t* chars, std::int32_t count) {
    const std::uint32_t n = countOf(chars, count);
    if (n == 0 || !chars) return this;
    const bool inside = storage_ && chars >= storage_ && chars < storage_ + capacity_ + 1;
    if (inside) {
        // Prepending a piece of itself: work from a copy.
        StrBuffer piece;
        piece.append(chars, static_cast<std::int32_t>(n));
        return prepend(piece.storage_, static_cast<std::int32_t>(n));
    }
    if (!ensureMore(n)) return this;
    std::memmove(storage_ + n, storage_, std::size_t(length_) * 2);
    std::memcpy(storage_, chars, std::size_t(n) * 2);
    length_ += n;
    return this;
}

StrBuffer* StrBuffer::appendNarrow(const char* bytes, std::int32_t count) {
    if (!bytes) return this;
    const std::uint32_t n = count >= 0 ? std::uint32_t(count) : std::uint32_t(std::strlen(bytes));
    if (!ensureMore(n)) return this;
    for (std::uint32_t i = 0; i < n; ++i) {
        // Sign extension: a byte above 0x7F becomes 0xFF80..0xFFFF.
        storage_[length_ + i] =
            static_cast<char16_t>(static_cast<std::int16_t>(static_cast<signed char>(bytes[i])));
    }
    length_ += n;
    return this;
}

StrBuffer* StrBuffer::appendString(const StrBuffer* other) {
    if (!other || other->length_ == 0) return this;
    return append(other->storage_, static_cast<std::int32_t>(other->length_));
}

StrBuffer* StrBuffer::assign(const StrBuffer* other) {
    if (other == this) return this;
    length_ = 0;
    cursor_ = 0;
    if (!other || other->length_ == 0) return this;
    // A whole string is held in exactly its size.
    if (!reserve(other->length_)) return this;
    std::memcpy(storage_, other->storage_, std::size_t(other->length_) * 2);
    length_ = other->length_;
    return this;
}

StrBuffer* StrBuffer::assignText(const char16_t* text) {
    const std::uint32_t n = countOf(text, -1);
    if (storage_ && text >= storage_ && text < storage_ + capacity_ + 1) {
        keep(std::uint32_t(text - storage_), std::uint32_t(text - storage_) + n);
        cursor_ = 0;
        return this;
    }
    length_ = 0;
    cursor_ = 0;
    if (n == 0 || !reserve(n)) return this;
    std::memcpy(storage_, text, std::size_t(n) * 2);
    length_ = n;
    return this;
}

template <bool IgnoreCase>
StrBuffer* StrBuffer::replaceAllImpl(const char16_t* find, const char16_t* replacement) {
    const std::uint32_t n = countOf(find, -1);
    std::uint32_t at = 0;
    // An empty pattern matches nowhere (it would otherwise match between every character).
    if (n == 0 || !findText<IgnoreCase>(find, &at, 0)) return this;
    const std::uint32_t r = countOf(replacement, -1);
    StrBuffer result;
    std::uint32_t done = 0;
    do {
        result.append(storage_ + done, static_cast<std::int32_t>(at - done));
        result.append(replacement, static_cast<std::int32_t>(r));
        done = at + n;
    } while (findText<IgnoreCase>(find, &at, done));
    result.append(storage_ + done, static_cast<std::int32_t>(length_ - done));
    std::swap(storage_, result.storage_);
    std::swap(length_, result.length_);
    std::swap(capacity_, result.capacity_);
    return this;
}

StrBuffer* StrBuffer::replaceAll(const char16_t* find, const char16_t* replacement) {
    return replaceAllImpl<false>(find, replacement);
}

StrBuffer* StrBuffer::replaceAllIgnoreCase(const char16_t* find, const char16_t* replacement) {
    return replaceAllImpl<true>(find, replacement);
}

// ---- pieces ----------------------------------------------------------------------------------

StrBuffer* StrBuffer::copy() const {
    return create()->assign(this);
}

StrBuffer* StrBuffer::keep(std::uint32_t from, std::uint32_t to) {
    to = std::min(to, length_);
    if (from >= to) {
        length_ = 0;
        return this;
    }
    if (from > 0) std::memmove(storage_, storage_ + from, std::size_t(to - from) * 2);
    length_ = to - from;
    return this;
}

StrBuffer* StrBuffer::substring(std::uint32_t from, std::uint32_t to) const {
    StrBuffer* piece = create();
    to = std::min(to, length_);
    if (from < to) piece->append(storage_ + from, static_cast<std::int32_t>(to - from));
    return piece;
}

StrBuffer* StrBuffer::beforeIndex(bool found, std::uint32_t index) const {
    StrBuffer* piece = create();
    if (found) piece->append(storage_, static_cast<std::int32_t>(index));
    return piece;
}

StrBuffer* StrBuffer::beforeLast(char16_t c, std::uint32_t before) const {
    std::uint32_t at = 0;
    const bool found = lastIndexOf(c, &at, before);
    return beforeIndex(found, at);
}
StrBuffer* StrBuffer::beforeLastIgnoreCase(char16_t c, std::uint32_t before) const {
    std::uint32_t at = 0;
    const bool found = lastIndexOfIgnoreCase(c, &at, before);
    return beforeIndex(found, at);
}
StrBuffer* StrBuffer::beforeLastAny(const char16_t* set, std::int32_t count,
                                    std::uint32_t before) const {
    std::uint32_t at = 0;
    const bool found = lastIndexOfAny(set, count, &at, before);
    return beforeIndex(found, at);
}
StrBuffer* StrBuffer::beforeLastAnyIgnoreCase(const char16_t* set, std::int32_t count,
                                              std::uint32_t before) const {
    std::uint32_t at = 0;
    const bool found = lastIndexOfAnyIgnoreCase(set, count, &at, before);
    return beforeIndex(found, at);
}
StrBuffer* StrBuffer::beforeLast(const char16_t* text, std::uint32_t before) const {
    std::uint32_t at = 0;
    const bool found = lastIndexOf(text, &at, before);
    return beforeIndex(found, at);
}
StrBuffer* StrBuffer::beforeLastIgnoreCase(const char16_t* text, std::uint32_t before) const {
    std::uint32_t at = 0;
    const bool found = lastIndexOfIgnoreCase(text, &at, before);
    return beforeIndex(found, at);
}

// ---- iterators -------------------------------------------------------------------------------

Iterator* StrBuffer::iterator() {
    return Iterator::over(this, -1);
}
Iterator* StrBuffer::iteratorAtEnd() {
    return Iterator::over(this, length_);
}
Iterator* StrBuffer::iteratorAt(std::uint32_t n) {
    return Iterator::over(this, std::int64_t(n) - 1);
}
Iterator* StrBuffer::iteratorFromEnd(std::uint32_t n) {
    return Iterator::over(this, std::int64_t(length_) - n);
}

}  // namespace s::str::strbuffer
