// Byte input from a descriptor whose reads a close signal ends: standard input may block
// without end (a terminal, a pipe that nobody writes), and Ctrl-C must still stop the program.
#pragma once

#include <string>

#include "io/ForwardInputStream.h"

namespace cli {

class InterruptibleInput : public s::io::ForwardInputStream {
public:
    // Reads fd; closes it at the end when owned.
    InterruptibleInput(int fd, bool owned) : fd_(fd), owned_(owned) {}
    ~InterruptibleInput() override { close(); }

    // A signal stops the read: false, with "Interrupted" as the reason.
    bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) override;
    const char* failureReason() override { return reason_.empty() ? nullptr : reason_.c_str(); }
    void close() override;
    void release() override { delete this; }
    void recycle() override { delete this; }
    void closeAndRelease() override { delete this; }
    std::int64_t position() override { return position_; }
    // A descriptor is read once, from where it stands.

private:
    int fd_;
    bool owned_;
    std::int64_t position_ = 0;
    std::string reason_;
};

}  // namespace cli
