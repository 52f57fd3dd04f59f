// Shared shape of the element comparators: read one element at each address and order them.
#pragma once

#include "base/IComparator.h"
#include "base/IObject.h"

namespace s::comp {

// Self supplies typeName(); Element is the type read at each address.
template <class Element, class Self>
class ElementComparator : public base::IObject, public base::IComparator {
public:
    // The one shared instance, made on first use (thread-safe) and never destroyed, so that
    // arrays released during static destruction can still use it.
    static const Self* instance() {
        static const Self* const shared = new Self();
        return shared;
    }

    base::IObject* newInstance() const override { return new Self(); }

    int compare(const void* a, const void* b) const override {
        const Element x = *static_cast<const Element*>(a);
        const Element y = *static_cast<const Element*>(b);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
};

}  // namespace s::comp
