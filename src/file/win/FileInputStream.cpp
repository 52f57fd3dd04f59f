// File input through the platform's descriptors.
#include "file/win/FileInputStream.h"

#include <cerrno>
#include <string>

#include "file/win/OsName.h"
#include "platform/File.h"

namespace s::file::win {

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
    atEnd_ = false;
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
    atEnd_ = false;
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
    if (atEnd_) return false;
    error_ = 0;
    const std::int64_t n = platform::readFile(fd_, buffer, maxBytes, &error_);
    return took(n, maxBytes, count);
}

bool FileInputStream::took(std::int64_t n, std::uint32_t maxBytes, std::uint32_t* count) {
    if (n <= 0) return false;
    position_ += n;
    if (count) *count = static_cast<std::uint32_t>(n);
    // A short read that stops at the size the open found is the end: asking again would only
    // return nothing. Bytes added after this read are not this run's.
    atEnd_ = static_cast<std::uint64_t>(n) < maxBytes && status_.exists &&
             position_ == status_.size;
    return true;
}

bool FileInputStream::readCached(void* buffer, std::uint32_t maxBytes, std::uint32_t* count,
                                 bool* waits) {
    *waits = false;
    if (count) *count = 0;
    if (fd_ < 0 || maxBytes == 0 || atEnd_) return false;
    error_ = 0;
    const std::int64_t n = platform::readCachedFile(fd_, buffer, maxBytes, &error_);
    if (n < 0 && error_ == EAGAIN) {
        error_ = 0;
        *waits = true;
        return false;
    }
    return took(n, maxBytes, count);
}

// Moves the descriptor; the stream's own position follows on success.
bool FileInputStream::moveTo(std::int64_t offset, platform::SeekOrigin origin) {
    if (fd_ < 0) return false;
    const std::int64_t at = platform::seekFile(fd_, offset, origin);
    if (at < 0) return false;
    position_ = at;
    atEnd_ = false;
    return true;
}

void FileInputStream::close() {
    if (fd_ < 0) return;
    if (ownsFd_) platform::closeFile(fd_);
    fd_ = -1;
    ownsFd_ = true;
}

bool FileInputStream::seekToEnd() {
    return moveTo(0, platform::SeekOrigin::End);
}

bool FileInputStream::seek(std::int64_t position) {
    if (fd_ >= 0 && position == position_) return true;
    return moveTo(position, platform::SeekOrigin::Begin);
}

bool FileInputStream::seekFromEnd(std::int64_t n) {
    return moveTo(-n, platform::SeekOrigin::End);
}

bool FileInputStream::skip(std::int64_t n) {
    if (n == 0) return fd_ >= 0;
    return moveTo(n, platform::SeekOrigin::Current);
}

bool FileInputStream::back(std::int64_t n) {
    if (n == 0) return fd_ >= 0;
    return moveTo(-n, platform::SeekOrigin::Current);
}

void FileInputStream::reset() {
    close();
    error_ = 0;
    status_ = platform::FileStatus{};
    position_ = 0;
    atEnd_ = false;
}

}  // namespace s::file::win
