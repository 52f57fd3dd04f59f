// Orders pointer values as unsigned addresses.
#pragma once

#include <cstdint>

#include "comp/ElementComparator.h"

namespace s::comp {

class CompP final : public ElementComparator<void*, CompP> {
public:
    const char16_t* typeName() const override { return u"s_comp_CompP"; }

    int compare(const void* a, const void* b) const override {
        const auto x = reinterpret_cast<std::uintptr_t>(*static_cast<void* const*>(a));
        const auto y = reinterpret_cast<std::uintptr_t>(*static_cast<void* const*>(b));
        return x < y ? -1 : (y < x ? 1 : 0);
    }
};

}  // namespace s::comp
