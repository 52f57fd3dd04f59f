// File input through the platform's descriptors.
#include "file/win/FileInputStream.h"

#include <cerrno>
#include <string>

#include "file/win/OsName.h"
#include "platform/File.h"

namespace s::file::win {

namespace {

// Moves the descriptor; the stream's own position follows on success.
bool moveTo(int fd, std::int64_t* position, std::int64_t offset, platform::SeekOrigin origin) {
    if (fd < 0) return false;
    const std::int64_t at = platform::seekFile(fd, offset, origin);
    if (at < 0) return false;
    *position = at;
    return true;
}

}  // namespace

bool FileInputStream::open(const char16_t* path) {
    if (!path || !*path) {
        close();
        return false;
    }
    return openAt(platform::kNoFile, osName(path));
}

bool FileInputStream::openAt(int folder, const std::string& name, bool listedRegular) {
    close();
    error_ = 0;
    status_ = platform::FileStatus{};
    fd_ = platform::openFileForReadingAt(folder, name, &error_, &status_, listedRegular);
    ownsFd_ = true;
    position_ = 0;
    return fd_ >= 0;
}

bool FileInputStream::readDescriptor(int fd) {
    close();
    error_ = 0;
    if (fd < 0) return false;
    fd_ = fd;
    ownsFd_ = false;
    status_ = platform::FileStatus{};
    position_ = 0;
    return true;
}

const char* FileInputStream::failureReason() {
    if (error_ == 0) return nullptr;
    reason_ = platform::fileErrorText(error_);
    return reason_.c_str();
}

bool FileInputStream::read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) {
    if (count) *count = 0;
    if (fd_ < 0 || maxBytes == 0) return false;
    error_ = 0;
    const std::int64_t n = platform::readFile(fd_, buffer, maxBytes, &error_);
    if (n <= 0) return false;
    position_ += n;
    if (count) *count = static_cast<std::uint32_t>(n);
    return true;
}

bool FileInputStream::readCached(void* buffer, std::uint32_t maxBytes, std::uint32_t* count,
                                 bool* waits) {
    *waits = false;
    if (count) *count = 0;
    if (fd_ < 0 || maxBytes == 0) return false;
    error_ = 0;
    const std::int64_t n = platform::readCachedFile(fd_, buffer, maxBytes, &error_);
    if (n < 0 && error_ == EAGAIN) {
        error_ = 0;
        *waits = true;
        return false;
    }
    if (n <= 0) return false;
    position_ += n;
    if (count) *count = static_cast<std::uint32_t>(n);
    return true;
}

void FileInputStream::close() {
    if (fd_ < 0) return;
    if (ownsFd_) platform::closeFile(fd_);
    fd_ = -1;
    ownsFd_ = true;
}

bool FileInputStream::seekToEnd() {
    return moveTo(fd_, &position_, 0, platform::SeekOrigin::End);
}

bool FileInputStream::seek(std::int64_t position) {
    if (fd_ >= 0 && position == position_) return true;
    return moveTo(fd_, &position_, position, platform::SeekOrigin::Begin);
}

bool FileInputStream::seekFromEnd(std::int64_t n) {
    return moveTo(fd_, &position_, -n, platform::SeekOrigin::End);
}

bool FileInputStream::skip(std::int64_t n) {
    if (n == 0) return fd_ >= 0;
    return moveTo(fd_, &position_, n, platform::SeekOrigin::Current);
}

bool FileInputStream::back(std::int64_t n) {
    if (n == 0) return fd_ >= 0;
    return moveTo(fd_, &position_, -n, platform::SeekOrigin::Current);
}

void FileInputStream::reset() {
    close();
    error_ = 0;
    status_ = platform::FileStatus{};
    position_ = 0;
}

}  // namespace s::file::win
