// A byte output stream over a file.
#pragma once

#include "io/IOutputStream.h"

namespace s::file {

class IFileOutputStream : public io::IOutputStream {
public:
    // Closes any open file and opens path (a terminated text) for writing: a new or emptied
    // file, or with append the existing content kept and the position at its end.
    virtual bool open(const char16_t* path, bool append) = 0;
    virtual bool isOpen() const = 0;
};

}  // namespace s::file
