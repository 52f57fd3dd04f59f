// Orders two elements given by address; the arrays and sorting use it.
#pragma once

namespace s::base {

class IComparator {
public:
    virtual ~IComparator() = default;
    // −1, 0 or 1 for the elements at a and b.
    virtual int compare(const void* a, const void* b) const = 0;
    virtual int compareIgnoreCase(const void* a, const void* b) const { return compare(a, b); }
};

}  // namespace s::base
