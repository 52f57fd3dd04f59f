// Writes a file through a 64 KiB buffer; its input face reads the same file.
#pragma once

#include <cstdint>
#include <memory>

#include "base/IObject.h"
#include "file/IFileOutputStream.h"
#include "io/IInputStream.h"
#include "thread/Pooled.h"

namespace s::file::win {

class FileOutputStream : public IFileOutputStream,
                         public io::IInputStream,
                         public base::IObject,
                         public thread::Pooled<FileOutputStream> {
public:
    static constexpr std::uint32_t kBufferSize = 65536;

    FileOutputStream() = default;
    FileOutputStream(const FileOutputStream&) = delete;
    FileOutputStream& operator=(const FileOutputStream&) = delete;
    ~FileOutputStream() override { close(); }

    const char16_t* typeName() const override { return u"s_file_win_FileOutputStream"; }
    base::IObject* newInstance() const override { return create(); }

    void release() override { thread::Pooled<FileOutputStream>::release(); }
    void recycle() override { reset(); }

    bool open(const char16_t* path, bool append) override;
    bool isOpen() const override { return fd_ >= 0; }
    // Bytes written but still waiting in the buffer.
    std::uint32_t buffered() const { return pending_; }

    bool write(const void* data, std::uint32_t count, std::uint32_t* written) override;
    bool flush() override;
    bool truncate() override;
    bool alwaysTrue() override { return true; }
    // Reads from the current position (the buffer is written out first).
    bool read(void* buffer, std::uint32_t maxBytes, std::uint32_t* count) override;
    void close() override;
    // Closes, and tells whether the last buffered bytes reached the file and the close
    // succeeded (a full disk shows here); true when nothing was open.
    bool closeChecked();
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
    // Writes out the waiting bytes; what could not be written stays in the buffer.
    bool writeOut();

    int fd_ = -1;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::uint32_t pending_ = 0;
    std::int64_t position_ = 0;
};

}  // namespace s::file::win
