// Growable array of unsigned bytes.
#pragma once

#include <cstdint>

#include "col/_array/TypedArray.h"

namespace s::col::_array {

class ArrayU08 final : public TypedArray<std::uint8_t, ArrayU08> {
public:
    const char16_t* typeName() const override { return u"s_col__array_ArrayU08"; }
};

}  // namespace s::col::_array
