// Byte input: files, arrays and strings read through this interface.
#pragma once

#include <cstdint>

namespace s::io {

class IInputStream {
public:
    virtual ~IInputStream() = default;
    // The two operations of the pooled-object interface (one overrider serves both).
    virtual void release() = 0;
    virtual void recycle() = 0;

    // Reads up to maxBytes; true when at least one byte was read (count set), false at the end
    // or on an error (count 0).
    virtual bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) = 0;
    // Why the last open or read failed (the system's words), or null when it did not: a read
    // that returns false with no reason has reached the end.
    virtual const char* failureReason() { return nullptr; }
    // Ends the use of the source (files close, arrays and strings rewind).
    virtual void close() = 0;
    virtual std::int64_t position() = 0;
    virtual bool alwaysTrue() { return true; }
    virtual bool rewind() = 0;
    virtual bool seekToEnd() = 0;
    virtual bool seek(std::int64_t position) = 0;
    virtual bool seekFromEnd(std::int64_t n) = 0;
    virtual bool skip(std::int64_t n) = 0;
    virtual bool back(std::int64_t n) = 0;
    // Closes and sets the position to 0.
    virtual void reset() = 0;
    // Files: release (which recycles); arrays and strings: rewind.
    virtual void closeAndRelease() = 0;
};

}  // namespace s::io
