// Bounded line reading.
#include "LineReader.h"

#include <algorithm>

namespace cli {

bool LineReader::fill() {
    std::uint32_t got = 0;
    begin_ = end_ = 0;
    if (!input_->read(buffer_.data(), static_cast<std::uint32_t>(buffer_.size()), &got)) {
        return false;
    }
    end_ = got;
    return true;
}

LineReader::Got LineReader::next(std::string* line) {
    line->clear();
    bool tooLong = false;
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !fill()) {
            if (tooLong) return Got::TooLong;
            return any ? Got::Line : Got::End;
        }
        any = true;
        const char* from = buffer_.data() + begin_;
        const char* stop = buffer_.data() + end_;
        const char* newline = std::find(from, stop, '\n');
        if (!tooLong) {
            const std::size_t piece = static_cast<std::size_t>(newline - from);
            if (line->size() + piece > bound_) {
                tooLong = true;
                line->clear();
                line->shrink_to_fit();
            } else {
                line->append(from, piece);
            }
        }
        begin_ = static_cast<std::size_t>(newline - buffer_.data());
        if (newline != stop) {
            ++begin_;  // past the "\n"
            return tooLong ? Got::TooLong : Got::Line;
        }
    }
}

}  // namespace cli
