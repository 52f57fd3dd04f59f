// Why a path cannot be hashed, in the system's words, before it is read.
#pragma once

#include <string>

namespace platform {

// What a path names, for a clear message before it is read.
enum class FileKind { Regular, Missing, Directory, Special, Unreadable };
struct FileProbe {
    FileKind kind = FileKind::Missing;
    std::string reason;  // the system's text for the failure, e.g. "No such file or directory"
};
// path is the file name's bytes (UTF-8 or not). Without tryOpen a regular file is not opened
// (the reader will tell why it cannot open it).
FileProbe probeFile(const std::string& path, bool tryOpen = true);

}  // namespace platform
