// Lines of checksum files: "HEX  NAME", "HEX *NAME" and "ALGO (NAME) = HEX", with the
// backslash escaping of names that hold a backslash or a line end.
#pragma once

#include <string>
#include <string_view>

namespace cli {

struct ChecksumEntry {
    int algorithm = -1;  // feeding order of the hash job's algorithms
    std::string hex;
    std::string name;     // the file name's bytes
    bool tagged = false;  // "ALGO (NAME) = HEX": the algorithm came from the tag
};

enum class LineKind { Entry, Blank, Malformed };

// Parses one line (with or without its line end).
LineKind parseChecksumLine(std::string_view line, ChecksumEntry* entry);
// The algorithm of a tag such as "SHA256", "SHA-256", "RIPEMD-160", "CRC32"; -1 when unknown.
int algorithmOfTag(std::string_view tag);
// The algorithm a code of this many hex digits most likely belongs to; -1 when none.
int algorithmOfLength(std::size_t hexDigits);
// "HEX  NAME" as the usual checksum tools write it (escaped when the name needs it).
std::string formatChecksumLine(const std::string& hex, const std::string& name);
// "ALGO (NAME) = HEX" with the tag of the algorithm (feeding order), escaped likewise.
std::string formatTagLine(int algorithm, const std::string& hex, const std::string& name);
// The tag of an algorithm in "ALGO (NAME) = HEX" lines, such as "SHA256".
const char* tagOf(int algorithm);
// A name as checksum tools print it: a backslash, line feed or carriage return becomes "\\",
// "\n" or "\r", and *escaped tells the caller to start its line with a backslash.
std::string escapeName(const std::string& name, bool* escaped);
// "NAME: WORD" of the check mode, escaped like the other lines.
std::string formatCheckLine(const std::string& name, const char* word);

}  // namespace cli
