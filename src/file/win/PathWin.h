// The path object: a path text split into directory, title and extension, with cached facts
// (status, attributes, file-system kind) of the file it names, and streams on that file.
// "/" separates folders; "\" is an ordinary character; there is no drive and no length limit.
#pragma once

#include <cstdint>
#include <string>

#include "file/IPath.h"
#include "thread/Pooled.h"

namespace platform {
struct FileStatus;
}

namespace s::file::win {

class PathWin : public IPath, public thread::Pooled<PathWin> {
public:
    // Attribute bits in the classic file-attribute layout.
    static constexpr std::uint32_t kReadOnly = 0x1;
    static constexpr std::uint32_t kHidden = 0x2;
    static constexpr std::uint32_t kDirectory = 0x10;
    static constexpr std::uint32_t kNormal = 0x80;
    static constexpr std::uint32_t kReparsePoint = 0x400;
    static constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;  // no such file

    // File-system kinds.
    enum Kind : std::int8_t {
        kUnknown = -1,
        kOther = 0,
        kFat = 1,
        kFat32 = 2,
        kVfat = 3,
        kNtfs = 4,
        kHpfs = 5
    };

    PathWin();
    PathWin(const PathWin&) = delete;
    PathWin& operator=(const PathWin&) = delete;
    ~PathWin() override;

    const char16_t* typeName() const override { return u"s_file_win_PathWin"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override { clear(); }

    void set(const StrBuffer* text) override;
    void set(const char16_t* text) override;
    void clear() override;
    bool isValid() override { return valid_; }

    bool exists() override;
    bool canRead() override;
    bool canWrite() override;
    bool canReadWrite() override;
    bool isDirectory() override;
    bool isFile() override { return !isDirectory(); }
    bool isAlternateStream() override { return alternateStream_; }
    std::uint32_t attributes() override;
    bool addAttributes(std::uint32_t attributes) override;
    bool setAttributes(std::uint32_t attributes) override;
    bool isNtfs() override;
    bool isFat() override;
    Kind fileSystemKind();

    std::int64_t size(bool refresh, bool recursive, std::uint32_t* fileCount,
                      std::uint32_t* dirCount, bool countFiles) override;
    std::int64_t creationTime(bool refresh) override;
    std::int64_t accessTime(bool refresh) override;
    std::int64_t modificationTime(bool refresh) override;
    // Fills the status cache with facts already known (those of a descriptor opened on this
    // path), so that size and times need no query of their own.
    void takeStatus(const platform::FileStatus& status);

    StrBuffer* fileName(StrBuffer* text, bool append) override;
    const StrBuffer* fullPath() override { return full_; }
    // There is no long form on this system: the full path.
    const StrBuffer* longPath() override { return full_; }
    const StrBuffer* root() override;

    io::IInputStream* openInputStream() override;
    io::IOutputStream* openOutputStream(bool append) override;

    // The parts of the split.
    const StrBuffer* originalText() const { return original_; }
    const StrBuffer* drive() const { return drive_; }  // always empty here
    const StrBuffer* directory() const { return directory_; }
    const StrBuffer* fileTitle() const { return title_; }
    const StrBuffer* extension() const { return extension_; }

private:
    void split();
    std::string osPath() const;
    void fillStatus(bool refresh);

    StrBuffer* original_;
    StrBuffer* drive_;
    StrBuffer* directory_;
    StrBuffer* title_;
    StrBuffer* extension_;
    StrBuffer* full_;
    StrBuffer* root_;
    bool rootFilled_ = false;
    bool valid_ = false;
    bool alternateStream_ = false;  // "name:stream" has no meaning on this system: never set

    bool statusFilled_ = false;
    std::int64_t size_ = 0;
    std::int64_t creation_ = 0;
    std::int64_t access_ = 0;
    std::int64_t modification_ = 0;

    bool attributesFilled_ = false;
    std::uint32_t attributes_ = 0;
    Kind kind_ = kUnknown;
};

}  // namespace s::file::win
