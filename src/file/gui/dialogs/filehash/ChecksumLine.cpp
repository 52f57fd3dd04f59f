// Parsing and writing of checksum-list lines.
#include "file/gui/dialogs/filehash/ChecksumLine.h"

#include "file/gui/dialogs/filehash/HashAlgorithms.h"

namespace s::file::gui::dialogs::filehash {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Lower case without '-' and '_': "SHA-256", "Sha2_256" and "sha256" meet as "sha256"/"sha2256".
std::string tagKey(std::string_view text) {
    std::string key;
    for (char c : text) {
        if (c != '-' && c != '_') key += lower(c);
    }
    return key;
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

std::string_view trimEnd(std::string_view text, const char* blanks) {
    std::size_t end = text.find_last_not_of(blanks);
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

bool set(ChecksumEntry* entry, int algorithm, std::string_view hex, std::string name, bool tagged) {
    entry->algorithm = algorithm;
    entry->hex = std::string(hex);
    entry->name = std::move(name);
    entry->tagged = tagged;
    entry->sfv = false;
    return true;
}

// "ALGO (NAME) = HEX"; the name may itself hold " (" and ") = ".
bool parseTagged(std::string_view line, bool escaped, ChecksumEntry* entry) {
    std::size_t open = line.find(" (");
    std::size_t close = line.rfind(") = ");
    if (open == std::string_view::npos || close == std::string_view::npos || close < open + 2) {
        return false;
    }
    std::string_view hex = trimEnd(line.substr(close + 4), " \t");
    int algorithm = ChecksumLine::algorithmOfTag(line.substr(0, open));
    if (algorithm < 0 || !ChecksumLine::isHex(hex)) return false;
    std::string_view name = line.substr(open + 2, close - open - 2);
    return set(entry, algorithm, hex, escaped ? unescape(name) : std::string(name), true);
}

// "HEX  NAME" or "HEX *NAME".
bool parsePlain(std::string_view line, bool escaped, ChecksumEntry* entry) {
    std::size_t space = line.find(' ');
    if (space == std::string_view::npos || space + 2 >= line.size()) return false;
    std::string_view hex = line.substr(0, space);
    char flag = line[space + 1];
    if (!ChecksumLine::isHex(hex) || (flag != ' ' && flag != '*')) return false;
    int algorithm = ChecksumLine::algorithmOfLength(hex.size());
    if (algorithm < 0) return false;
    std::string_view name = line.substr(space + 2);
    return set(entry, algorithm, hex, escaped ? unescape(name) : std::string(name), false);
}

// "NAME CRC": a name, blanks, and eight hex digits of CRC-32.
bool parseSfv(std::string_view line, ChecksumEntry* entry) {
    std::string_view body = trimEnd(line, " \t");
    std::size_t gap = body.find_last_of(" \t");
    if (gap == std::string_view::npos) return false;
    std::string_view crc = body.substr(gap + 1);
    std::string_view name = trimEnd(body.substr(0, gap), " \t");
    if (crc.size() != 8 || !ChecksumLine::isHex(crc) || name.empty()) return false;
    set(entry, 0, crc, std::string(name), true);
    entry->sfv = true;
    return true;
}

}  // namespace

bool ChecksumLine::sameCode(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool ChecksumLine::isHex(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        char l = lower(c);
        if (!((l >= '0' && l <= '9') || (l >= 'a' && l <= 'f'))) return false;
    }
    return true;
}

int ChecksumLine::algorithmOfTag(std::string_view tag) {
    std::string key = tagKey(tag);
    if (key.empty()) return -1;
    if (key == "rmd160") key = "ripemd160";
    if (key == "rmd128") key = "ripemd128";
    if (key == "gost94") key = "gost";
    for (int i = 0; i < HashAlgorithms::kCount; ++i) {
        const HashAlgorithm& a = HashAlgorithms::at(i);
        std::string rowKey;
        for (const char16_t* c = a.key; *c; ++c) rowKey += static_cast<char>(*c);
        if (key == tagKey(rowKey) || key == a.commonName) return i;
    }
    return -1;
}

int ChecksumLine::algorithmOfLength(std::size_t hexDigits) {
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

ChecksumLine::Kind ChecksumLine::parse(std::string_view line, ChecksumEntry* entry) {
    line = trimEnd(line, "\r\n");
    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#' || line[first] == ';') {
        return Kind::Blank;
    }
    bool escaped = line[0] == '\\';
    std::string_view body = escaped ? line.substr(1) : line;
    if (parseTagged(body, escaped, entry) || parsePlain(body, escaped, entry) ||
        (!escaped && parseSfv(line, entry))) {
        return Kind::Entry;
    }
    return Kind::Malformed;
}

std::string ChecksumLine::escapeName(const std::string& name, bool* escaped) {
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

std::string ChecksumLine::format(const std::string& hex, const std::string& name) {
    bool escaped;
    std::string shown = escapeName(name, &escaped);
    return (escaped ? "\\" : "") + hex + "  " + shown;
}

const char* ChecksumLine::tagOf(int algorithm) {
    static constexpr const char* kTags[HashAlgorithms::kCount] = {
        "CRC32",  "MD2",    "MD4",       "MD5",       "SHA1",    "SHA256",
        "SHA384", "SHA512", "RIPEMD128", "RIPEMD160", "ADLER32", "GOST"};
    return algorithm >= 0 && algorithm < HashAlgorithms::kCount ? kTags[algorithm] : "";
}

std::string ChecksumLine::formatTagged(int algorithm, const std::string& hex,
                                       const std::string& name) {
    bool escaped;
    std::string shown = escapeName(name, &escaped);
    // Appended piece by piece: a literal put before a temporary string draws GCC 12's false
    // -Wrestrict warning in optimised builds.
    std::string line = escaped ? "\\" : "";
    line.append(tagOf(algorithm)).append(" (").append(shown).append(") = ").append(hex);
    return line;
}

std::string ChecksumLine::formatCheck(const std::string& name, const char* word) {
    bool escaped;
    std::string shown = escapeName(name, &escaped);
    return (escaped ? "\\" : "") + shown + ": " + word;
}

}  // namespace s::file::gui::dialogs::filehash
