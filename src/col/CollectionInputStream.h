// Reads a collection's elements as bytes, element after element, through an iterator.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "col/ICollection.h"
#include "col/IEnumerable.h"
#include "io/ForwardInputStream.h"
#include "thread/Pooled.h"

namespace s::col {

// Sequential only: the seek operations do nothing (and report false) and position() is
// always 0. The iterator is made on the first read and released by close.
class CollectionInputStream final : public io::ForwardInputStream,
                                    public base::IObject,
                                    public thread::Pooled<CollectionInputStream> {
public:
    const char16_t* typeName() const override { return u"s_col_CollectionInputStream"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { Pooled::release(); }
    void recycle() override;

    // collection and enumerable are the same object seen through its two faces.
    void open(ICollection* collection, IEnumerable* enumerable);

    // Copies the bytes of successive elements into buffer, up to maxBytes; an element that
    // does not fit whole is continued by the next read.
    bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) override;
    void close() override;
    std::int64_t position() override { return 0; }
    void closeAndRelease() override {
        close();
        release();
    }

private:
    ICollection* collection_ = nullptr;
    IEnumerable* enumerable_ = nullptr;
    _array::Iterator* iterator_ = nullptr;
    std::uint32_t offset_ = 0;  // bytes of the current element already delivered
    bool current_ = false;      // the iterator stands on an element
};

}  // namespace s::col
