// Storage, growth, copies and removals of the shared array, and its byte-stream faces.
#include "col/_array/ArrayBase.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "col/CollectionInputStream.h"
#include "col/_array/Iterator.h"
#include "comp/CompP.h"
#include "comp/CompS08.h"
#include "comp/CompS32.h"
#include "comp/CompU08.h"
#include "comp/CompU32.h"

namespace s::col::_array {

namespace {

std::uint8_t shiftOf(ArrayBase::Kind kind) {
    switch (kind) {
        case ArrayBase::Kind::U08:
        case ArrayBase::Kind::S08:
            return 0;
        case ArrayBase::Kind::U32:
        case ArrayBase::Kind::S32:
            return 2;
        case ArrayBase::Kind::Pointer:
            return sizeof(void*) == 8 ? 3 : 2;
    }
    return 0;
}

std::uint32_t resolveCount(std::int64_t count, std::uint32_t length, std::uint32_t from) {
    if (count >= 0) return static_cast<std::uint32_t>(count);
    return from < length ? length - from : 0;
}

}  // namespace

ArrayBase::ArrayBase(Kind kind) : shift_(shiftOf(kind)), kind_(kind) {}

ArrayBase::~ArrayBase() {
    std::free(storage_);
}

// Growth rule: small arrays jump to 100 elements, then the factor falls as the array gets
// large (x3 below 10M, x2 below 50M, x1.5 below 100M, x1.2 beyond), products rounded toward
// zero and held below 2^32.
std::uint32_t ArrayBase::grownCapacity(std::uint32_t old) {
    std::uint64_t next;
    if (old < 100) {
        next = 100;
    } else if (old < 10'000'000) {
        next = std::uint64_t(old) * 3;
    } else if (old < 50'000'000) {
        next = std::uint64_t(old) * 2;
    } else if (old < 100'000'000) {
        next = std::uint64_t(old) * 3 / 2;
    } else {
        next = std::uint64_t(old) * 6 / 5;
    }
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(next, UINT32_MAX));
}

bool ArrayBase::reallocate(std::uint32_t newCapacity) {
    auto* block = static_cast<std::uint8_t*>(std::malloc(std::size_t(newCapacity) << shift_));
    if (!block && newCapacity != 0) return false;
    if (length_ != 0) std::memcpy(block, storage_, std::size_t(length_) << shift_);
    std::free(storage_);
    storage_ = block;
    capacity_ = newCapacity;
    return true;
}

bool ArrayBase::ensureCapacity(std::uint32_t required) {
    if (required <= capacity_) return true;
    std::uint32_t next = capacity_;
    while (next < required) {
        std::uint32_t grown = grownCapacity(next);
        if (grown == next) return false;  // at the 32-bit limit
        next = grown;
    }
    return reallocate(next);
}

void ArrayBase::extendLength(std::uint32_t newLength) {
    if (newLength <= length_) return;
    std::memset(storage_ + (std::size_t(length_) << shift_), 0,
                std::size_t(newLength - length_) << shift_);
    length_ = newLength;
}

bool ArrayBase::overlapsStorage(const void* p, std::uint64_t bytes) const {
    if (!storage_ || !p || bytes == 0) return false;
    auto a = reinterpret_cast<std::uintptr_t>(p);
    auto begin = reinterpret_cast<std::uintptr_t>(storage_);
    auto end = begin + (std::uintptr_t(capacity_) << shift_);
    return a < end && a + bytes > begin;
}

bool ArrayBase::growForOne() {
    std::uint32_t grown = grownCapacity(capacity_);
    return grown != capacity_ && reallocate(grown);
}

int ArrayBase::compareTo(const base::IComparable* other,
                         const base::IComparator* comparator) const {
    if (comparator) return comparator->compare(this, other);
    const auto* array = dynamic_cast<const ArrayBase*>(other);
    if (!array) return IComparable::compareTo(other, nullptr);
    if (length_ != array->length_) return length_ < array->length_ ? -1 : 1;
    // Elements of different widths cannot be read with one comparator.
    if (shift_ != array->shift_) return shift_ < array->shift_ ? -1 : 1;
    const base::IComparator* elements = this->comparator();
    for (std::uint32_t i = 0; i < length_; ++i) {
        int c = elements->compare(elementAt(i), array->elementAt(i));
        if (c != 0) return c;
    }
    return 0;
}

bool ArrayBase::copyTo(ICollection* other, std::uint32_t dstIndex, std::uint32_t srcIndex,
                       std::int32_t count) const {
    std::uint32_t n = resolveCount(count, length_, srcIndex);
    if (n == 0) return true;
    return other->writeAt(storage_, n, srcIndex, dstIndex);
}

bool ArrayBase::copyFrom(const ICollection* other, std::uint32_t srcIndex, std::uint32_t dstIndex,
                         std::int32_t count) {
    std::uint32_t n = resolveCount(count, other->length(), srcIndex);
    if (n == 0) return true;
    return other->copyTo(this, dstIndex, srcIndex, static_cast<std::int32_t>(n));
}

bool ArrayBase::setLength(std::uint32_t n) {
    if (n > capacity_ && !reallocate(n)) return false;
    if (n > length_) {
        extendLength(n);
    } else {
        length_ = n;
    }
    return true;
}

std::uint64_t ArrayBase::byteSize(std::int64_t n) const {
    std::uint64_t count = n < 0 ? length_ : static_cast<std::uint64_t>(n);
    return count << shift_;
}

std::uint32_t ArrayBase::readAt(void* buffer, std::uint32_t dstIndex, std::uint32_t srcIndex,
                                std::int32_t count) const {
    std::uint32_t n = resolveCount(count, length_, srcIndex);
    if (n == 0) return 0;
    std::memmove(static_cast<std::uint8_t*>(buffer) + (std::size_t(dstIndex) << shift_),
                 storage_ + (std::size_t(srcIndex) << shift_), std::size_t(n) << shift_);
    return n;
}

bool ArrayBase::writeAt(const void* source, std::uint32_t count, std::uint32_t srcIndex,
                        std::uint32_t dstIndex) {
    if (count == 0) return true;
    const auto* from = static_cast<const std::uint8_t*>(source) + (std::size_t(srcIndex) << shift_);
    const std::size_t bytes = std::size_t(count) << shift_;
    const std::uint64_t end = std::uint64_t(dstIndex) + count;
    if (end > UINT32_MAX) return false;
    std::vector<std::uint8_t> copy;
    if (end > capacity_) {
        // The source may be this array's own storage, which re-allocation frees.
        if (overlapsStorage(from, bytes)) {
            copy.assign(from, from + bytes);
            from = copy.data();
        }
        if (!reallocate(static_cast<std::uint32_t>(end))) return false;
    }
    if (dstIndex > length_) extendLength(dstIndex);
    std::memmove(storage_ + (std::size_t(dstIndex) << shift_), from, bytes);
    if (end > length_) length_ = static_cast<std::uint32_t>(end);
    return true;
}

bool ArrayBase::append(const void* source, std::uint32_t count, std::uint32_t srcIndex) {
    return insert(length_, source, count, srcIndex);
}

bool ArrayBase::prepend(const void* source, std::uint32_t count, std::uint32_t srcIndex) {
    return insert(0, source, count, srcIndex);
}

bool ArrayBase::insert(std::uint32_t at, const void* source, std::uint32_t count,
                       std::uint32_t srcIndex) {
    if (count == 0) return true;
    const auto* from = static_cast<const std::uint8_t*>(source) + (std::size_t(srcIndex) << shift_);
    const std::size_t bytes = std::size_t(count) << shift_;
    const std::uint64_t required = std::uint64_t(length_) + count;
    if (required > UINT32_MAX) return false;
    // Moving the tail up (or re-allocating) would disturb a source inside our own storage.
    std::vector<std::uint8_t> copy;
    if (overlapsStorage(from, bytes)) {
        copy.assign(from, from + bytes);
        from = copy.data();
    }
    if (!ensureCapacity(static_cast<std::uint32_t>(required))) return false;
    std::uint8_t* slot = storage_ + (std::size_t(at) << shift_);
    if (at < length_) std::memmove(slot + bytes, slot, std::size_t(length_ - at) << shift_);
    std::memcpy(slot, from, bytes);
    length_ = static_cast<std::uint32_t>(required);
    return true;
}

void ArrayBase::dropLast(std::uint32_t n) {
    length_ = n < length_ ? length_ - n : 0;
}

void ArrayBase::dropFirst(std::uint32_t n) {
    remove(0, std::min(n, length_));
}

void ArrayBase::remove(std::uint32_t at, std::uint32_t count) {
    if (count == 0) return;
    std::uint32_t tail = length_ - at - count;
    if (tail != 0) {
        std::memmove(storage_ + (std::size_t(at) << shift_),
                     storage_ + (std::size_t(at + count) << shift_), std::size_t(tail) << shift_);
    }
    length_ -= count;
}

void ArrayBase::takeLast(void* buffer, std::uint32_t count, std::uint32_t dstIndex) {
    take(length_ - count, buffer, count, dstIndex);
}

void ArrayBase::takeFirst(void* buffer, std::uint32_t count, std::uint32_t dstIndex) {
    take(0, buffer, count, dstIndex);
}

// Removes through the base class, so that an owning pointer array hands the elements over
// instead of disposing of them.
void ArrayBase::take(std::uint32_t at, void* buffer, std::uint32_t count, std::uint32_t dstIndex) {
    if (count == 0) return;
    if (buffer) readAt(buffer, dstIndex, at, static_cast<std::int32_t>(count));
    ArrayBase::remove(at, count);
}

int ArrayBase::compareRange(std::uint32_t at, const void* other, std::uint32_t otherLength,
                            std::uint32_t otherFrom, std::int32_t count) const {
    std::uint64_t mine = byteSize(resolveCount(count, length_, at));
    std::uint64_t theirs = otherFrom < otherLength ? byteSize(otherLength - otherFrom) : 0;
    std::uint64_t common = std::min(mine, theirs);
    if (common != 0) {
        int c = std::memcmp(
            storage_ + (std::size_t(at) << shift_),
            static_cast<const std::uint8_t*>(other) + (std::size_t(otherFrom) << shift_), common);
        if (c != 0) return c < 0 ? -1 : 1;
    }
    if (mine == theirs) return 0;
    return mine < theirs ? -1 : 1;
}

void ArrayBase::clear() {
    length_ = 0;
    cursor_ = 0;
}

void ArrayBase::free() {
    std::free(storage_);
    storage_ = nullptr;
    length_ = 0;
    capacity_ = 0;
    cursor_ = 0;
}

void ArrayBase::swap(std::uint32_t i, std::uint32_t j, void* temp) {
    if (i == j) return;
    const std::size_t size = elementSize();
    std::memcpy(temp, elementAt(i), size);
    std::memcpy(elementAt(i), elementAt(j), size);
    std::memcpy(elementAt(j), temp, size);
}

void ArrayBase::swapAt(std::uint32_t i, std::uint32_t j) {
    std::uint64_t temp;
    swap(i, j, &temp);
}

void ArrayBase::reverse() {
    if (length_ < 2) return;
    std::uint64_t temp;
    for (std::uint32_t i = 0, j = length_ - 1; i < j; ++i, --j) swap(i, j, &temp);
}

const void* ArrayBase::samples() const {
    static const std::uint8_t bytes[5] = {0, 1, 2, 3, 4};
    static const std::uint32_t words[5] = {0, 1, 2, 3, 4};
    static void* const* const pointers = [] {
        // Five distinct addresses inside one static block.
        static std::uint8_t block[5];
        static void* table[5];
        for (int i = 0; i < 5; ++i) table[i] = &block[i];
        return table;
    }();
    switch (kind_) {
        case Kind::U08:
        case Kind::S08:
            return bytes;
        case Kind::U32:
        case Kind::S32:
            return words;
        case Kind::Pointer:
            return pointers;
    }
    return bytes;
}

const base::IComparator* ArrayBase::comparator() const {
    switch (kind_) {
        case Kind::U08:
            return comp::CompU08::instance();
        case Kind::S08:
            return comp::CompS08::instance();
        case Kind::U32:
            return comp::CompU32::instance();
        case Kind::S32:
            return comp::CompS32::instance();
        case Kind::Pointer:
            return comp::CompP::instance();
    }
    return comp::CompU08::instance();
}

io::IInputStream* ArrayBase::openInputStream() {
    CollectionInputStream* stream = CollectionInputStream::create();
    stream->open(this, this);
    return stream;
}

Iterator* ArrayBase::iterator() {
    Iterator* it = Iterator::create();
    it->attach(this, -1);
    return it;
}

Iterator* ArrayBase::iteratorAtEnd() {
    Iterator* it = Iterator::create();
    it->attach(this, length_);
    return it;
}

Iterator* ArrayBase::iteratorAt(std::uint32_t n) {
    Iterator* it = iterator();
    it->skip(n);
    return it;
}

Iterator* ArrayBase::iteratorFromEnd(std::uint32_t n) {
    Iterator* it = iteratorAtEnd();
    it->back(n);
    return it;
}

bool ArrayBase::read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) {
    const std::uint64_t end = endByte();
    std::uint64_t n = cursor_ < end ? std::min<std::uint64_t>(end - cursor_, maxBytes) : 0;
    if (count) *count = static_cast<std::uint32_t>(n);
    if (n == 0) return false;
    std::memcpy(buffer, storage_ + cursor_, n);
    cursor_ += n;
    return true;
}

bool ArrayBase::write(const void* data, std::uint32_t count, std::uint32_t* written) {
    if (written) *written = 0;
    if (count == 0) return true;
    const std::uint64_t endByteNeeded = cursor_ + count;
    const std::uint64_t elements = (endByteNeeded + elementSize() - 1) >> shift_;
    if (elements > UINT32_MAX) return false;
    const auto* from = static_cast<const std::uint8_t*>(data);
    std::vector<std::uint8_t> copy;
    if (overlapsStorage(from, count)) {
        copy.assign(from, from + count);
        from = copy.data();
    }
    if (!ensureCapacity(static_cast<std::uint32_t>(elements))) return false;
    if (elements > length_) extendLength(static_cast<std::uint32_t>(elements));
    std::memcpy(storage_ + cursor_, from, count);
    cursor_ = endByteNeeded;
    if (written) *written = count;
    return true;
}

bool ArrayBase::rewind() {
    cursor_ = 0;
    return true;
}

bool ArrayBase::seekToEnd() {
    cursor_ = endByte();
    return true;
}

bool ArrayBase::seek(std::int64_t position) {
    if (position < 0 || std::uint64_t(position) > endByte()) return false;
    cursor_ = static_cast<std::uint64_t>(position);
    return true;
}

bool ArrayBase::seekFromEnd(std::int64_t n) {
    return seek(static_cast<std::int64_t>(endByte()) - n);
}

bool ArrayBase::skip(std::int64_t n) {
    if (n == 0) return true;
    return seek(static_cast<std::int64_t>(cursor_) + n);
}

bool ArrayBase::back(std::int64_t n) {
    if (n == 0) return true;
    return seek(static_cast<std::int64_t>(cursor_) - n);
}

}  // namespace s::col::_array
