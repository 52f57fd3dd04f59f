// A path split into its parts, with the facts of the file it names and streams on it.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "io/IInputStream.h"
#include "io/IOutputStream.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::file {

class IPath : public base::IObject {
public:
    using StrBuffer = str::strbuffer::StrBuffer;

    // Clears the object and takes text as the path; valid when text is not empty.
    virtual void set(const StrBuffer* text) = 0;
    virtual void set(const char16_t* text) = 0;
    virtual void clear() = 0;
    virtual bool isValid() = 0;

    virtual bool exists() = 0;
    virtual bool canRead() = 0;
    virtual bool canWrite() = 0;
    virtual bool canReadWrite() = 0;
    virtual bool isDirectory() = 0;
    virtual bool isFile() = 0;
    virtual bool isAlternateStream() = 0;
    virtual std::uint32_t attributes() = 0;
    virtual bool addAttributes(std::uint32_t attributes) = 0;
    virtual bool setAttributes(std::uint32_t attributes) = 0;
    virtual bool isNtfs() = 0;
    virtual bool isFat() = 0;

    // Bytes of the file; a folder's content when refresh is true (see the implementation).
    virtual std::int64_t size(bool refresh, bool recursive, std::uint32_t* fileCount,
                              std::uint32_t* dirCount, bool countFiles) = 0;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t creationTime(bool refresh) = 0;
    virtual std::int64_t accessTime(bool refresh) = 0;
    virtual std::int64_t modificationTime(bool refresh) = 0;

    // Title and extension, into text (a new pooled string when null; emptied unless append).
    virtual StrBuffer* fileName(StrBuffer* text, bool append) = 0;
    virtual const StrBuffer* fullPath() = 0;
    virtual const StrBuffer* longPath() = 0;
    virtual const StrBuffer* root() = 0;

    // Streams from their pools (the caller releases them); null when the file cannot be opened.
    virtual io::IInputStream* openInputStream() = 0;
    virtual io::IOutputStream* openOutputStream(bool append) = 0;
};

}  // namespace s::file
