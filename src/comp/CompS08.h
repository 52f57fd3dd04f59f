// Orders signed bytes.
#pragma once

#include <cstdint>

#include "comp/ElementComparator.h"

namespace s::comp {

class CompS08 final : public ElementComparator<std::int8_t, CompS08> {
public:
    const char16_t* typeName() const override { return u"s_comp_CompS08"; }
};

}  // namespace s::comp
