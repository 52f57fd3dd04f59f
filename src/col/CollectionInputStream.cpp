// Element-by-element byte reading of a collection.
#include "col/CollectionInputStream.h"

#include <algorithm>
#include <cstring>

#include "col/_array/Iterator.h"

namespace s::col {

void CollectionInputStream::recycle() {
    close();
    collection_ = nullptr;
    enumerable_ = nullptr;
}

void CollectionInputStream::open(ICollection* collection, IEnumerable* enumerable) {
    close();
    collection_ = collection;
    enumerable_ = enumerable;
}

bool CollectionInputStream::read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) {
    if (count) *count = 0;
    if (!enumerable_ || maxBytes == 0) return false;
    if (!iterator_) iterator_ = enumerable_->iterator();
    const auto size = static_cast<std::uint32_t>(collection_->byteSize(1));
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::uint32_t copied = 0;
    while (copied < maxBytes) {
        if (!current_ || offset_ == size) {
            if (!iterator_->hasNext()) break;
            iterator_->next();
            current_ = true;
            offset_ = 0;
        }
        const auto* element = static_cast<const std::uint8_t*>(
            enumerable_->elementAt(static_cast<std::uint32_t>(iterator_->index())));
        std::uint32_t n = std::min(size - offset_, maxBytes - copied);
        std::memcpy(out + copied, element + offset_, n);
        offset_ += n;
        copied += n;
    }
    if (count) *count = copied;
    return copied != 0;
}

void CollectionInputStream::close() {
    if (iterator_) iterator_->release();
    iterator_ = nullptr;
    current_ = false;
    offset_ = 0;
}

}  // namespace s::col
