// Reads a file: one operating-system read per read() into the caller's buffer, no buffer of
// its own; the system is told that the file is read front to back. A read that comes back
// short at the size the open found ends the file without a further call.
#pragma once

#include <cstdint>
#include <string>

#include "base/IObject.h"
#include "file/IFileInputStream.h"
#include "platform/File.h"
#include "thread/Pooled.h"

namespace s::file::win {

class FileInputStream : public IFileInputStream,
                        public base::IObject,
                        public thread::Pooled<FileInputStream> {
public:
    FileInputStream() = default;
    FileInputStream(const FileInputStream&) = delete;
    FileInputStream& operator=(const FileInputStream&) = delete;
    ~FileInputStream() override { close(); }

    const char16_t* typeName() const override { return u"s_file_win_FileInputStream"; }
    base::IObject* newInstance() const override { return create(); }

    void release() override { thread::Pooled<FileInputStream>::release(); }
    void recycle() override { reset(); }

    // Opens a regular file only; anything else fails with a reason.
    bool open(const char16_t* path) override;
    // The same for a name inside a folder descriptor (platform::openFolder); listedRegular: the
    // folder's listing showed the name as a regular file.
    bool openAt(int folder, const std::string& name, bool listedRegular = false);
    // The facts of the opened file, taken from its descriptor when it was opened (an input
    // that is not an opened file reports exists false).
    const platform::FileStatus& status() const { return status_; }
    // Reads a descriptor that stays open after the stream (standard input), from wherever its
    // position is.
    bool readDescriptor(int fd);
    bool isOpen() const override { return fd_ >= 0; }

    bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) override;
    // read() answered from memory only: false with *waits set (and no failure) when the next
    // bytes would have to come from the device.
    bool readCached(void* buffer, std::uint32_t maxBytes, std::uint32_t* count, bool* waits);
    void close() override;
    std::int64_t position() override { return position_; }
    bool rewind() override { return seek(0); }
    bool seekToEnd() override;
    bool seek(std::int64_t position) override;
    bool seekFromEnd(std::int64_t n) override;
    bool skip(std::int64_t n) override;
    bool back(std::int64_t n) override;
    void reset() override;
    void closeAndRelease() override { release(); }
    const char* failureReason() override;

private:
    bool took(std::int64_t n, std::uint32_t maxBytes, std::uint32_t* count);
    bool moveTo(std::int64_t offset, platform::SeekOrigin origin);

    int fd_ = -1;
    bool ownsFd_ = true;
    int error_ = 0;  // of the last open or read; 0 when it did not fail
    std::string reason_;
    std::int64_t position_ = 0;
    bool atEnd_ = false;  // the last read ended at the size the open found
    platform::FileStatus status_;
};

}  // namespace s::file::win
