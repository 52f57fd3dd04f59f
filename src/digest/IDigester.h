// The interface of every hash and checksum algorithm: feed bytes, finish, read the digest as text.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "thread/IPoolable.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::digest {

// One computation: newInstance(), update() any number of times, finish(), toText(), release().
// A digester is used by one thread at a time; the pool resets it when it is given back.
class IDigester : public base::IObject, public thread::IPoolable {
public:
    // Length of the digest in bytes.
    virtual std::int32_t digestSize() const = 0;
    // Feeds length bytes at data (any alignment; zero-length calls change nothing).
    virtual void update(const void* data, std::uint32_t length) = 0;
    // Completes the computation and writes digestSize() bytes to out, or into the result array
    // when out is null. Message digests spend their state here; reset() before re-use.
    virtual void finish(void* out = nullptr) = 0;
    // Back to the algorithm's initial state.
    virtual void reset() = 0;
    // Writes the result array as lower-case hexadecimal into text (replacing its content, or
    // after it when append is true) and returns text; with no text, returns a new pooled
    // string that the caller releases.
    virtual str::strbuffer::StrBuffer* toText(str::strbuffer::StrBuffer* text = nullptr,
                                              bool append = false) = 0;
};

}  // namespace s::digest
