// A byte input stream over a file.
#pragma once

#include "io/IInputStream.h"

namespace s::file {

class IFileInputStream : public io::IInputStream {
public:
    // Closes any open file and opens path (a terminated text) for reading; true on success.
    virtual bool open(const char16_t* path) = 0;
    virtual bool isOpen() const = 0;
};

}  // namespace s::file
