// An input read once from start to end: nothing to seek, and a reset only closes.
#pragma once

#include <cstdint>

#include "io/IInputStream.h"

namespace s::io {

class ForwardInputStream : public IInputStream {
public:
    bool rewind() override { return false; }
    bool seekToEnd() override { return false; }
    bool seek(std::int64_t) override { return false; }
    bool seekFromEnd(std::int64_t) override { return false; }
    bool skip(std::int64_t) override { return false; }
    bool back(std::int64_t) override { return false; }
    void reset() override { close(); }
};

}  // namespace s::io
