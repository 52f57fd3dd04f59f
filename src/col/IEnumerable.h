// Walking a collection with pooled iterators.
#pragma once

#include <cstdint>

namespace s::col {

namespace _array {
class Iterator;
}

class IEnumerable {
public:
    virtual ~IEnumerable() = default;
    // Each returns an iterator from the iterator pool; the caller releases it.
    virtual _array::Iterator* iterator() = 0;                        // before the first element
    virtual _array::Iterator* iteratorAtEnd() = 0;                   // after the last element
    virtual _array::Iterator* iteratorAt(std::uint32_t n) = 0;       // iterator() advanced n
    virtual _array::Iterator* iteratorFromEnd(std::uint32_t n) = 0;  // iteratorAtEnd() back n
    // Address of element i.
    virtual void* elementAt(std::uint32_t i) const = 0;
};

}  // namespace s::col
