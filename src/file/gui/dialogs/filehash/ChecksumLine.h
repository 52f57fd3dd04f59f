// One line of a checksum list, read and written: "HEX  NAME" and "HEX *NAME" (text and binary
// mode), "ALGO (NAME) = HEX" (tagged), "NAME CRC" (SFV), comments and blank lines; names that hold
// a backslash or a line end are escaped with backslashes and the line starts with one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace s::file::gui::dialogs::filehash {

struct ChecksumEntry {
    int algorithm = -1;   // feeding order of HashAlgorithms
    std::string hex;      // as written (upper or lower case)
    std::string name;     // the file name's bytes, unescaped
    bool tagged = false;  // the algorithm came from the line itself ("ALGO (NAME) = HEX", SFV)
    bool sfv = false;     // "NAME CRC"
};

class ChecksumLine {
public:
    enum class Kind { Entry, Blank, Malformed };

    // Parses one line, with or without its line end ("\n", "\r\n"). Blank lines and comments
    // ("#", ";") are Blank; *entry is written only for an Entry.
    static Kind parse(std::string_view line, ChecksumEntry* entry);

    // The algorithm of a tag such as "SHA256", "SHA-256", "sha2-256", "RMD160", "CRC32"; -1.
    static int algorithmOfTag(std::string_view tag);
    // The algorithm an untagged code of this many hex digits is taken for; -1 when none.
    static int algorithmOfLength(std::size_t hexDigits);
    // The tag written in "ALGO (NAME) = HEX" lines, such as "SHA256"; "" for no algorithm.
    static const char* tagOf(int algorithm);
    // True when text is one or more hexadecimal digits.
    static bool isHex(std::string_view text);
    // True when two codes are the same, upper and lower case taken as one.
    static bool sameCode(std::string_view a, std::string_view b);

    // "HEX  NAME" as checksum tools write it.
    static std::string format(const std::string& hex, const std::string& name);
    // "ALGO (NAME) = HEX".
    static std::string formatTagged(int algorithm, const std::string& hex, const std::string& name);
    // "NAME: WORD" of a check report.
    static std::string formatCheck(const std::string& name, const char* word);
    // A name as checksum tools print it: a backslash, line feed or carriage return becomes "\\",
    // "\n" or "\r", and *escaped tells the caller to start its line with a backslash.
    static std::string escapeName(const std::string& name, bool* escaped);
};

}  // namespace s::file::gui::dialogs::filehash
