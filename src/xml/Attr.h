// One attribute of an element: a plain record whose name and value are owned, zero-terminated
// copies. The value is kept as written in the document (escaped); a record with an empty name
// holds the element's text.
#pragma once

#include <cstdint>

namespace s::xml {

struct Attr {
    std::uint32_t nameLength;  // 0 for element text
    char16_t* name;
    std::uint32_t valueLength;
    char16_t* value;
};

}  // namespace s::xml
