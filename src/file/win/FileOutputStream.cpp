// Buffered file output through the platform's descriptors.
#include "file/win/FileOutputStream.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "file/win/OsName.h"
#include "platform/File.h"

namespace s::file::win {

namespace {}  // namespace

bool FileOutputStream::open(const char16_t* path, bool append) {
    close();
    position_ = 0;
    if (!path || !*path) return false;
    fd_ = platform::openFileForWriting(osName(path), append);
    if (fd_ < 0) return false;
    if (append) {
        const std::int64_t end = platform::seekFile(fd_, 0, platform::SeekOrigin::End);
        if (end < 0) {
            close();
            return false;
        }
        position_ = end;
    }
    buffer_ = std::make_unique<std::uint8_t[]>(kBufferSize);
    pending_ = 0;
    return true;
}

bool FileOutputStream::writeOut() {
    if (pending_ == 0) return true;
    const std::uint32_t done = platform::writeFile(fd_, buffer_.get(), pending_);
    if (done == pending_) {
        pending_ = 0;
        return true;
    }
    // Keep what is left so that a later flush can try again without writing twice.
    std::memmove(buffer_.get(), buffer_.get() + done, pending_ - done);
    pending_ -= done;
    return false;
}

bool FileOutputStream::write(const void* data, std::uint32_t count, std::uint32_t* written) {
    if (fd_ < 0) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::uint32_t taken = 0;
    while (taken < count) {
        if (pending_ == kBufferSize && !writeOut()) {
            position_ += taken;  // the bytes taken so far are in the buffer
            return false;
        }
        const std::uint32_t part = std::min(kBufferSize - pending_, count - taken);
        std::memcpy(buffer_.get() + pending_, bytes + taken, part);
        pending_ += part;
        taken += part;
    }
    position_ += count;
    if (written) *written = count;
    return true;
}

bool FileOutputStream::flush() {
    if (fd_ < 0) return false;
    if (!writeOut()) return false;
    return platform::syncFile(fd_);
}

bool FileOutputStream::truncate() {
    if (!flush()) return false;
    return platform::truncateFile(fd_, position_);
}

bool FileOutputStream::read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) {
    if (count) *count = 0;
    if (fd_ < 0 || maxBytes == 0 || !writeOut()) return false;
    const std::int64_t n = platform::readFile(fd_, buffer, maxBytes);
    if (n <= 0) return false;
    position_ += n;
    if (count) *count = static_cast<std::uint32_t>(n);
    return true;
}

void FileOutputStream::close() {
    closeChecked();
}

bool FileOutputStream::closeChecked() {
    if (fd_ < 0) return true;
    const bool flushed = flush();
    const bool closed = platform::closeFileChecked(fd_);
    fd_ = -1;
    buffer_.reset();
    pending_ = 0;
    return flushed && closed;
}

namespace {

bool moveTo(int fd, std::int64_t* position, std::int64_t offset, platform::SeekOrigin origin) {
    const std::int64_t at = platform::seekFile(fd, offset, origin);
    if (at < 0) return false;
    *position = at;
    return true;
}

}  // namespace

bool FileOutputStream::seekToEnd() {
    if (fd_ < 0 || !writeOut()) return false;
    return moveTo(fd_, &position_, 0, platform::SeekOrigin::End);
}

bool FileOutputStream::seek(std::int64_t position) {
    if (fd_ < 0 || !writeOut()) return false;
    if (position == position_) return true;
    return moveTo(fd_, &position_, position, platform::SeekOrigin::Begin);
}

bool FileOutputStream::seekFromEnd(std::int64_t n) {
    if (fd_ < 0 || !writeOut()) return false;
    return moveTo(fd_, &position_, -n, platform::SeekOrigin::End);
}

bool FileOutputStream::skip(std::int64_t n) {
    if (fd_ < 0 || !writeOut()) return false;
    return n == 0 || moveTo(fd_, &position_, n, platform::SeekOrigin::Current);
}

bool FileOutputStream::back(std::int64_t n) {
    if (fd_ < 0 || !writeOut()) return false;
    return n == 0 || moveTo(fd_, &position_, -n, platform::SeekOrigin::Current);
}

void FileOutputStream::reset() {
    close();
    position_ = 0;
}

}  // namespace s::file::win
