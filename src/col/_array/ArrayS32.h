// Growable array of signed 32-bit words.
#pragma once

#include <cstdint>

#include "col/_array/TypedArray.h"

namespace s::col::_array {

class ArrayS32 final : public TypedArray<std::int32_t, ArrayS32> {
public:
    const char16_t* typeName() const override { return u"s_col__array_ArrayS32"; }
};

}  // namespace s::col::_array
