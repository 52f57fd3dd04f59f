// Orders signed 32-bit words.
#pragma once

#include <cstdint>

#include "comp/ElementComparator.h"

namespace s::comp {

class CompS32 final : public ElementComparator<std::int32_t, CompS32> {
public:
    const char16_t* typeName() const override { return u"s_comp_CompS32"; }
};

}  // namespace s::comp
