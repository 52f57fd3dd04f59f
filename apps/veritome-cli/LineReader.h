// Lines of a checksum list read with a bound: a line longer than any real list has (an endless
// stream of zeros, say) is skipped without being kept, so memory stays small.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "io/IInputStream.h"

namespace cli {

class LineReader {
public:
    // Longer lines are too long: a name of the longest path, escaped, fits many times over.
    static constexpr std::size_t kMaxLine = 64 * 1024;
    enum class Got { Line, TooLong, End };

    // Reads input (not owned); bound is the longest line taken, its line end not counted.
    explicit LineReader(s::io::IInputStream* input, std::size_t bound = kMaxLine)
        : input_(input), bound_(bound), buffer_(16384) {}

    // The next line without its "\n" (the last one may lack it). TooLong after the whole of an
    // over-long line was passed over; End at the end of the input or when a read failed (the
    // input's failureReason tells which).
    Got next(std::string* line);

private:
    bool fill();

    s::io::IInputStream* input_;
    std::size_t bound_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

}  // namespace cli
