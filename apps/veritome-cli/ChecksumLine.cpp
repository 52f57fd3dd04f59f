// Parsing and writing of checksum-file lines.
#include "ChecksumLine.h"

#include <cctype>

#include "CliOptions.h"

namespace cli {

namespace {

bool isHexDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

std::string unescape(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 1 < name.size()) {
            char next = name[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            out += name[i];
        }
    }
    return out;
}

}  // namespace

int algorithmOfTag(std::string_view tag) {
    std::string key;
    for (char c : tag) {
        if (c == '-' || c == '_') continue;
        key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (key == "rmd160") key = "ripemd160";
    if (key == "rmd128") key = "ripemd128";
    if (key == "gost94") key = "gost";
    if (key == "sha2160") key = "sha1";
    return algorithmByName(key);
}

int algorithmOfLength(std::size_t hexDigits) {
    switch (hexDigits) {
        case 8:
            return 0;  // CRC-32
        case 32:
            return 3;  // MD5
        case 40:
            return 4;  // SHA-1
        case 64:
            return 5;  // SHA-256
        case 96:
            return 6;  // SHA-384
        case 128:
            return 7;  // SHA-512
        default:
            return -1;
    }
}

LineKind parseChecksumLine(std::string_view line, ChecksumEntry* entry) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#' || line[first] == ';') {
        return LineKind::Blank;
    }
    bool escaped = !line.empty() && line[0] == '\\';
    if (escaped) line.remove_prefix(1);

    // "ALGO (NAME) = HEX"
    std::size_t open = line.find(" (");
    std::size_t close = line.rfind(") = ");
    if (open != std::string_view::npos && close != std::string_view::npos && close > open) {
        std::string_view hex = line.substr(close + 4);
        int algorithm = algorithmOfTag(line.substr(0, open));
        if (algorithm >= 0 && isHexDigits(hex)) {
            std::string_view name = line.substr(open + 2, close - open - 2);
            entry->algorithm = algorithm;
            entry->hex = std::string(hex);
            entry->name = escaped ? unescape(name) : std::string(name);
            entry->tagged = true;
            return LineKind::Entry;
        }
    }
    // "HEX  NAME" or "HEX *NAME"
    std::size_t space = line.find(' ');
    if (space == std::string_view::npos || space + 2 > line.size()) return LineKind::Malformed;
    std::string_view hex = line.substr(0, space);
    char flag = line[space + 1];
    if (!isHexDigits(hex) || (flag != ' ' && flag != '*')) return LineKind::Malformed;
    int algorithm = algorithmOfLength(hex.size());
    std::string_view name = line.substr(space + 2);
    if (algorithm < 0 || name.empty()) return LineKind::Malformed;
    entry->algorithm = algorithm;
    entry->hex = std::string(hex);
    entry->name = escaped ? unescape(name) : std::string(name);
    entry->tagged = false;
    return LineKind::Entry;
}

std::string escapeName(const std::string& name, bool* escaped) {
    *escaped = name.find_first_of("\\\n\r") != std::string::npos;
    if (!*escaped) return name;
    std::string out;
    for (char c : name) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

std::string formatChecksumLine(const std::string& hex, const std::string& name) {
    bool escaped;
    std::string shown = escapeName(name, &escaped);
    return (escaped ? "\\" : "") + hex + "  " + shown;
}

const char* tagOf(int algorithm) {
    static constexpr const char* kTags[12] = {"CRC32",     "MD2",       "MD4",     "MD5",
                                              "SHA1",      "SHA256",    "SHA384",  "SHA512",
                                              "RIPEMD128", "RIPEMD160", "ADLER32", "GOST"};
    return algorithm >= 0 && algorithm < 12 ? kTags[algorithm] : "";
}

std::string formatTagLine(int algorithm, const std::string& hex, const std::string& name) {
    bool escaped;
    std::string shown = escapeName(name, &escaped);
    return (escaped ? "\\" : "") + std::string(tagOf(algorithm)) + " (" + shown + ") = " + hex;
}

std::string formatCheckLine(const std::string& name, const char* word) {
    bool escaped;
    std::string shown = escapeName(name, &escaped);
    return (escaped ? "\\" : "") + shown + ": " + word;
}

}  // namespace cli
