// Finds the code of a file in the code files that came with it: FILE.md5, FILE.sha1,
// FILE.sha256, FILE.sha512, FILE.sfv (or the same in upper case) beside it, and the checksum
// lists of its folder that name it (SHA256SUMS, MD5SUMS, CHECKSUM, *.sha256 ...).
#pragma once

#include <cstdint>
#include <string>

namespace s::file::gui::dialogs::filehash {

struct FoundCode {
    int algorithm = -1;  // feeding order
    std::string hex;
    std::string source;  // the code file's name, without its folder
};

class CodeFileLookup {
public:
    // Larger files are not taken for checksum lists (and are not read).
    static constexpr std::int64_t kMaxListSize = 8 << 20;

    // The code of the file at path (UTF-8 bytes) from its folder's code files; of several, the
    // one of the strongest algorithm, the first found among equals. False when none names it.
    static bool find(const std::string& path, FoundCode* found);
    // True when a file of this name is read as a checksum list of its folder.
    static bool isListName(const std::string& name);
    // The algorithm a list's name tells for its untagged lines ("SHA256SUMS", "x.md5"); -1.
    static int algorithmOfListName(const std::string& name);
};

}  // namespace s::file::gui::dialogs::filehash
