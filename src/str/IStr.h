// The string interface: the core of the one text type (length, storage, terminated text and
// the basic writers). The full set of operations lives on strbuffer::StrBuffer.
#pragma once

#include <cstdint>

#include "base/IObject.h"

namespace s::str {

class IStr : public base::IObject {
public:
    // Number of UTF-16 code units in use.
    virtual std::uint32_t length() const = 0;
    // Code units the storage holds besides the terminator.
    virtual std::uint32_t capacity() const = 0;
    // The storage (not terminated); null while nothing was ever stored.
    virtual char16_t* data() const = 0;
    // Terminated text; never null (an empty string gives a constant empty text).
    virtual const char16_t* text() const = 0;
    virtual char16_t charAt(std::uint32_t i) const = 0;
    // Length 0; the storage is kept.
    virtual void clear() = 0;
    // Releases the storage.
    virtual void free() = 0;
    // count -1: up to a zero terminator.
    virtual IStr* append(const char16_t* chars, std::int32_t count = -1) = 0;
    virtual IStr* appendChar(char16_t c) = 0;
    virtual IStr* appendText(const char16_t* text) = 0;
    virtual IStr* assignText(const char16_t* text) = 0;
};

}  // namespace s::str
