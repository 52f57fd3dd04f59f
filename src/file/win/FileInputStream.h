// Reads a file: one operating-system read per read() into the caller's buffer, no buffer of
// its own; the system is told that the file is read front to back.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "file/IFileInputStream.h"
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

    bool open(const char16_t* path) override;
    bool isOpen() const override { return fd_ >= 0; }

    bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) override;
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

private:
    int fd_ = -1;
    std::int64_t position_ = 0;
};

}  // namespace s::file::win
