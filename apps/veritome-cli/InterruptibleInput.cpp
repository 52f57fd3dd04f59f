// Reads that wait for data or a close signal, whichever comes first.
#include "InterruptibleInput.h"

#include "platform/File.h"
#include "platform/Terminal.h"

namespace cli {

bool InterruptibleInput::read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) {
    if (count) *count = 0;
    if (fd_ < 0 || maxBytes == 0) return false;
    reason_.clear();
    if (!platform::waitReadable(fd_)) {
        reason_ = "Interrupted";
        return false;
    }
    int error = 0;
    const std::int64_t n = platform::readFile(fd_, buffer, maxBytes, &error);
    if (n < 0) reason_ = platform::fileErrorText(error);
    if (n <= 0) return false;
    position_ += n;
    if (count) *count = static_cast<std::uint32_t>(n);
    return true;
}

void InterruptibleInput::close() {
    if (fd_ >= 0 && owned_) platform::closeFile(fd_);
    fd_ = -1;
}

}  // namespace cli
