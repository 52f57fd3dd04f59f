// Byte output: files, arrays and strings write through this interface.
#pragma once

#include <cstdint>

namespace s::io {

class IOutputStream {
public:
    virtual ~IOutputStream() = default;
    // The two operations of the pooled-object interface (one overrider serves both).
    virtual void release() = 0;
    virtual void recycle() = 0;

    // True when all count bytes were accepted (written set to count).
    virtual bool write(const void* data, std::uint32_t count, std::uint32_t* written) = 0;
    virtual bool flush() = 0;
    // Files: flush, then cut the file at the current position; others: nothing.
    virtual bool truncate() = 0;
    virtual void close() = 0;
    virtual std::int64_t position() = 0;
    virtual bool alwaysTrue() { return true; }
    virtual bool rewind() = 0;
    virtual bool seekToEnd() = 0;
    virtual bool seek(std::int64_t position) = 0;
    virtual bool seekFromEnd(std::int64_t n) = 0;
    virtual bool skip(std::int64_t n) = 0;
    virtual bool back(std::int64_t n) = 0;
    virtual void reset() = 0;
    virtual void closeAndRelease() = 0;
};

}  // namespace s::io
