// The command line of veritome-cli.
#pragma once

#include <string>
#include <vector>

namespace cli {

enum class Mode { Calculate, Verify, Check, Print, Help, Version };

struct CliOptions {
    Mode mode = Mode::Calculate;
    bool algorithms[12] = {};  // feeding order; default CRC32 and MD5
    bool facts[5] = {};        // FileName, Size, Creation, Modified, Accessed
    int sizeType = 0;          // Bytes, KB, MB, Auto
    bool comma = true;
    std::string code;  // --verify
    bool codeGiven = false;
    int algorithm = -1;  // --type or --print, feeding order; for --check also a lone -a KEY
    bool tag = false;    // --tag: "ALGO (NAME) = HEX" lines
    bool recursive = false;
    // Check mode.
    bool quiet = false;
    bool statusOnly = false;
    bool strict = false;
    bool warn = false;
    bool ignoreMissing = false;
    std::string language;            // --lang, English name
    std::vector<std::string> files;  // for --check the checksum files ("-" when none given)
};

struct ParseResult {
    bool ok = false;
    std::string error;  // what was wrong, for "veritome-cli: <error>"
    CliOptions options;
};

// Parses arguments (without the program name).
ParseResult parseOptions(const std::vector<std::string>& args);

// Feeding-order index of an algorithm named by its row key or usual name, ignoring case; -1.
int algorithmByName(const std::string& name);

// The usage text of --help.
const char* usageText();

}  // namespace cli
