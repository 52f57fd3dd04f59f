// Something that can be read as a byte stream.
#pragma once

#include "io/IInputStream.h"

namespace s::io {

class IInputStreamable {
public:
    virtual ~IInputStreamable() = default;
    // A new stream over the object (from its pool); the caller releases it.
    virtual IInputStream* openInputStream() = 0;
};

}  // namespace s::io
