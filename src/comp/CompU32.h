// Orders unsigned 32-bit words.
#pragma once

#include <cstdint>

#include "comp/ElementComparator.h"

namespace s::comp {

class CompU32 final : public ElementComparator<std::uint32_t, CompU32> {
public:
    const char16_t* typeName() const override { return u"s_comp_CompU32"; }
};

}  // namespace s::comp
