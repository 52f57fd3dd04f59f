// The growable array every array class shares: raw element storage addressed by index, the
// growth rule, the stream faces over a byte cursor, and the text forms.
#pragma once

#include <cstdint>

#include "col/ICollection.h"
#include "col/IEnumerable.h"
#include "io/IInputStream.h"
#include "io/IInputStreamable.h"
#include "io/IOutputStream.h"
#include "thread/IPoolable.h"

namespace s::col::_array {

class ArrayBase : public ICollection,
                  public io::IInputStreamable,
                  public thread::IPoolable,
                  public IEnumerable,
                  public io::IInputStream,
                  public io::IOutputStream {
public:
    // What the elements are; chooses the comparator, the samples and the element texts.
    enum class Kind : std::uint8_t { U08, S08, U32, S32, Pointer };

    ArrayBase(const ArrayBase&) = delete;
    ArrayBase& operator=(const ArrayBase&) = delete;
    ~ArrayBase() override;

    // The capacity after one growth step from old (see the .cpp for the rule).
    static std::uint32_t grownCapacity(std::uint32_t old);

    const char16_t* typeName() const override { return u"s_col_array_ArrayBase"; }
    // Ordered by a comparator when one is given; else fewer elements first, then element by
    // element with comparator().
    int compareTo(const base::IComparable* other,
                  const base::IComparator* comparator = nullptr) const override;

    // ICollection
    const char16_t* collectionTypeName() const override { return typeName(); }
    bool copyTo(ICollection* other, std::uint32_t dstIndex, std::uint32_t srcIndex,
                std::int32_t count = -1) const override;
    bool copyFrom(const ICollection* other, std::uint32_t srcIndex, std::uint32_t dstIndex,
                  std::int32_t count = -1) override;
    std::uint32_t length() const override { return length_; }
    bool setLength(std::uint32_t n) override;
    std::uint64_t byteSize(std::int64_t n = -1) const override;
    std::uint32_t readAt(void* buffer, std::uint32_t dstIndex, std::uint32_t srcIndex,
                         std::int32_t count = -1) const override;
    bool writeAt(const void* source, std::uint32_t count, std::uint32_t srcIndex,
                 std::uint32_t dstIndex) override;
    bool append(const void* source, std::uint32_t count, std::uint32_t srcIndex = 0) override;
    bool prepend(const void* source, std::uint32_t count, std::uint32_t srcIndex = 0) override;
    bool insert(std::uint32_t at, const void* source, std::uint32_t count,
                std::uint32_t srcIndex = 0) override;
    void dropLast(std::uint32_t n) override;
    void dropFirst(std::uint32_t n) override;
    void remove(std::uint32_t at, std::uint32_t count) override;
    void takeLast(void* buffer, std::uint32_t count, std::uint32_t dstIndex = 0) override;
    void takeFirst(void* buffer, std::uint32_t count, std::uint32_t dstIndex = 0) override;
    void take(std::uint32_t at, void* buffer, std::uint32_t count,
              std::uint32_t dstIndex = 0) override;
    int compareRange(std::uint32_t at, const void* other, std::uint32_t otherLength,
                     std::uint32_t otherFrom, std::int32_t count = -1) const override;
    void clear() override;
    void free() override;
    void swapAt(std::uint32_t i, std::uint32_t j) override;
    void reverse() override;
    std::uint32_t sampleCount() const override { return 5; }
    const void* samples() const override;
    void appendElementText(StrBuffer* text, const void* element) const override;
    void appendElementHex(StrBuffer* text, const void* element) const override;
    StrBuffer* describe(StrBuffer* text = nullptr, bool append = false) const override;
    StrBuffer* toXml(StrBuffer* text = nullptr, bool append = false) const override;
    StrBuffer* digestInto(digest::IDigester* digester, StrBuffer* text = nullptr,
                          bool append = false) const override;
    StrBuffer* toHex(StrBuffer* text = nullptr, bool append = false) const override;
    const base::IComparator* comparator() const override;
    void swap(std::uint32_t i, std::uint32_t j, void* temp) override;

    // IInputStreamable: a CollectionInputStream from its pool over this array.
    io::IInputStream* openInputStream() override;

    // IPoolable (also the first operations of both stream faces): one release for all three
    // faces, implemented by the concrete class, which knows its pool. Recycling frees the
    // storage.
    void release() override = 0;
    void recycle() override { free(); }

    // IEnumerable
    Iterator* iterator() override;
    Iterator* iteratorAtEnd() override;
    Iterator* iteratorAt(std::uint32_t n) override;
    Iterator* iteratorFromEnd(std::uint32_t n) override;
    void* elementAt(std::uint32_t i) const override {
        return storage_ + (std::size_t(i) << shift_);
    }

    // Stream faces: the cursor is a byte position inside the elements in use. Reading takes
    // bytes from the cursor; writing stores bytes at the cursor, growing the storage and
    // extending the length (in whole elements) to cover them.
    bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) override;
    bool write(const void* data, std::uint32_t count, std::uint32_t* written) override;
    bool flush() override { return true; }
    bool truncate() override { return true; }
    void close() override { cursor_ = 0; }
    std::int64_t position() override { return static_cast<std::int64_t>(cursor_); }
    bool alwaysTrue() override { return true; }
    bool rewind() override;
    bool seekToEnd() override;
    bool seek(std::int64_t position) override;
    bool seekFromEnd(std::int64_t n) override;
    bool skip(std::int64_t n) override;
    bool back(std::int64_t n) override;
    void reset() override { cursor_ = 0; }
    void closeAndRelease() override { cursor_ = 0; }

    // Elements the storage holds, and the element kind and width.
    std::uint32_t capacity() const { return capacity_; }
    Kind kind() const { return kind_; }
    std::uint32_t elementSize() const { return 1u << shift_; }

protected:
    explicit ArrayBase(Kind kind);

    // Raw storage for the typed faces of the concrete classes.
    std::uint8_t* storage() const { return storage_; }
    // Makes room for one more element (growth rule) and returns its address; null when the
    // storage could not grow. Inline: it is the short path of every single append.
    void* appendSlot() {
        if (length_ == capacity_ && !growForOne()) return nullptr;
        return storage_ + (std::size_t(length_++) << shift_);
    }

private:
    // One growth step for a full array; false at the 32-bit limit or when allocation fails.
    bool growForOne();
    // Grows by the growth rule until at least required elements fit.
    bool ensureCapacity(std::uint32_t required);
    // Re-allocates to exactly newCapacity elements, keeping the elements in use.
    bool reallocate(std::uint32_t newCapacity);
    // Sets a larger length, zeroing the elements that become visible, so that an owning
    // pointer array never sees garbage.
    void extendLength(std::uint32_t newLength);
    // True when [p, p + bytes) lies inside this array's storage.
    bool overlapsStorage(const void* p, std::uint64_t bytes) const;
    std::uint64_t endByte() const { return std::uint64_t(length_) << shift_; }

    std::uint8_t shift_;  // an element is 1 << shift_ bytes
    Kind kind_;
    std::uint8_t* storage_ = nullptr;
    std::uint32_t length_ = 0;
    std::uint32_t capacity_ = 0;
    std::uint64_t cursor_ = 0;
};

}  // namespace s::col::_array
