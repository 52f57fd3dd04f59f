// Orders unsigned bytes.
#pragma once

#include <cstdint>

#include "comp/ElementComparator.h"

namespace s::comp {

class CompU08 final : public ElementComparator<std::uint8_t, CompU08> {
public:
    const char16_t* typeName() const override { return u"s_comp_CompU08"; }
};

}  // namespace s::comp
