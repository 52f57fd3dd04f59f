// Growable array of unsigned 32-bit words.
#pragma once

#include <cstdint>

#include "col/_array/TypedArray.h"

namespace s::col::_array {

class ArrayU32 final : public TypedArray<std::uint32_t, ArrayU32> {
public:
    const char16_t* typeName() const override { return u"s_col__array_ArrayU32"; }
};

}  // namespace s::col::_array
