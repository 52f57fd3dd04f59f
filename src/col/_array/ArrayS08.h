// Growable array of signed bytes.
#pragma once

#include <cstdint>

#include "col/_array/TypedArray.h"

namespace s::col::_array {

class ArrayS08 final : public TypedArray<std::int8_t, ArrayS08> {
public:
    const char16_t* typeName() const override { return u"s_col__array_ArrayS08"; }
};

}  // namespace s::col::_array
