// The collection interface of the arrays: element copies, growth, removal and text forms.
// Elements are addressed by index; counts of -1 mean "up to the end". Indexes and counts are
// not checked: callers stay within the length (and the capacity for writes).
#pragma once

#include <cstdint>

#include "base/IComparator.h"
#include "base/IObject.h"

namespace s::str::strbuffer {
class StrBuffer;
}
namespace s::digest {
class IDigester;
}

namespace s::col {

class ICollection : public base::IObject {
public:
    using StrBuffer = str::strbuffer::StrBuffer;

    // The type name again (kept as an entry of the interface).
    virtual const char16_t* collectionTypeName() const = 0;

    // count elements of this collection from srcIndex into other at dstIndex (other's
    // writeAt); false when other could not grow.
    virtual bool copyTo(ICollection* other, std::uint32_t dstIndex, std::uint32_t srcIndex,
                        std::int32_t count = -1) const = 0;
    // other's elements from srcIndex into this collection at dstIndex.
    virtual bool copyFrom(const ICollection* other, std::uint32_t srcIndex, std::uint32_t dstIndex,
                          std::int32_t count = -1) = 0;
    virtual std::uint32_t length() const = 0;
    // Beyond the capacity the storage is re-allocated to exactly n elements.
    virtual bool setLength(std::uint32_t n) = 0;
    // n elements in bytes; -1: the length.
    virtual std::uint64_t byteSize(std::int64_t n = -1) const = 0;
    // Copies count elements from srcIndex to buffer at dstIndex; returns the count copied.
    virtual std::uint32_t readAt(void* buffer, std::uint32_t dstIndex, std::uint32_t srcIndex,
                                 std::int32_t count = -1) const = 0;
    // Copies count elements of source (from srcIndex) over this collection at dstIndex,
    // growing the storage to exactly dstIndex + count when needed.
    virtual bool writeAt(const void* source, std::uint32_t count, std::uint32_t srcIndex,
                         std::uint32_t dstIndex) = 0;
    virtual bool append(const void* source, std::uint32_t count, std::uint32_t srcIndex = 0) = 0;
    virtual bool prepend(const void* source, std::uint32_t count, std::uint32_t srcIndex = 0) = 0;
    virtual bool insert(std::uint32_t at, const void* source, std::uint32_t count,
                        std::uint32_t srcIndex = 0) = 0;
    virtual void dropLast(std::uint32_t n) = 0;
    virtual void dropFirst(std::uint32_t n) = 0;
    virtual void remove(std::uint32_t at, std::uint32_t count) = 0;
    // The take family removes elements and copies them to buffer (null: just removes them).
    virtual void takeLast(void* buffer, std::uint32_t count, std::uint32_t dstIndex = 0) = 0;
    virtual void takeFirst(void* buffer, std::uint32_t count, std::uint32_t dstIndex = 0) = 0;
    virtual void take(std::uint32_t at, void* buffer, std::uint32_t count,
                      std::uint32_t dstIndex = 0) = 0;
    // Compares count elements from at (-1: to the end) with the elements of other from
    // otherFrom up to otherLength, as unsigned bytes; the shorter range is smaller when the
    // common part is equal. -1, 0 or 1.
    virtual int compareRange(std::uint32_t at, const void* other, std::uint32_t otherLength,
                             std::uint32_t otherFrom, std::int32_t count = -1) const = 0;
    virtual void clear() = 0;
    virtual void free() = 0;
    virtual void swapAt(std::uint32_t i, std::uint32_t j) = 0;
    virtual void reverse() = 0;
    virtual std::uint32_t sampleCount() const = 0;
    virtual const void* samples() const = 0;
    virtual void appendElementText(StrBuffer* text, const void* element) const = 0;
    virtual void appendElementHex(StrBuffer* text, const void* element) const = 0;
    // The operations that write text: a null text is replaced by a new string from the string
    // pool (returned; the caller releases it); append false empties the text first.
    virtual StrBuffer* describe(StrBuffer* text = nullptr, bool append = false) const = 0;
    virtual StrBuffer* toXml(StrBuffer* text = nullptr, bool append = false) const = 0;
    virtual StrBuffer* digestInto(digest::IDigester* digester, StrBuffer* text = nullptr,
                                  bool append = false) const = 0;
    virtual StrBuffer* toHex(StrBuffer* text = nullptr, bool append = false) const = 0;
    virtual const base::IComparator* comparator() const = 0;
    // Exchanges elements i and j through temp (one element of scratch space).
    virtual void swap(std::uint32_t i, std::uint32_t j, void* temp) = 0;
};

}  // namespace s::col
