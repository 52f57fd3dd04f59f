// Root of every framework class: ordering, equality and hashing with optional comparators.
#pragma once

#include <cstdint>
#include <typeinfo>

#include "base/IComparator.h"

namespace s::base {

class IComparable {
public:
    virtual ~IComparable() = default;

    // Without a comparator objects are ordered by address.
    virtual int compareTo(const IComparable* other, const IComparator* comparator = nullptr) const {
        if (comparator) return comparator->compare(this, other);
        if (this == other) return 0;
        return reinterpret_cast<std::uintptr_t>(this) < reinterpret_cast<std::uintptr_t>(other)
                   ? -1
                   : 1;
    }
    virtual int compareToIgnoreCase(const IComparable* other,
                                    const IComparator* comparator = nullptr) const {
        if (comparator) return comparator->compareIgnoreCase(this, other);
        return compareTo(other, nullptr);
    }
    virtual bool equals(const IComparable* other, const IComparator* comparator = nullptr) const {
        return compareTo(other, comparator) == 0;
    }
    virtual bool equalsIgnoreCase(const IComparable* other,
                                  const IComparator* comparator = nullptr) const {
        return compareToIgnoreCase(other, comparator) == 0;
    }
    // The default is one constant per class (derived from the dynamic type).
    virtual std::uint32_t hashValue() const {
        return static_cast<std::uint32_t>(typeid(*this).hash_code());
    }
    virtual std::uint32_t hashValueIgnoreCase() const { return hashValue(); }
};

}  // namespace s::base
