// Looking for a file's code beside it.
#include "file/gui/dialogs/filehash/CodeFileLookup.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "file/gui/dialogs/filehash/ChecksumListReader.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "platform/File.h"

namespace s::file::gui::dialogs::filehash {

namespace {

// Extensions of a code file that belongs to one file, with their algorithm (feeding order).
struct Sidecar {
    const char* extension;
    int algorithm;
};
constexpr Sidecar kSidecars[] = {
    {"md5", 3}, {"sha1", 4}, {"sha256", 5}, {"sha512", 7}, {"sfv", 0},
};

std::string lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The whole file, when it is a regular file no larger than a list can be.
bool readList(const std::string& path, std::string* text) {
    platform::FileStatus status = platform::fileStatus(path);
    if (!status.exists || status.directory || status.size > CodeFileLookup::kMaxListSize) {
        return false;
    }
    int fd = platform::openFileForReading(path);
    if (fd < 0) return false;
    text->clear();
    char buffer[16384];
    std::int64_t got = 0;
    while ((got = platform::readFile(fd, buffer, sizeof buffer)) > 0) {
        text->append(buffer, static_cast<std::size_t>(got));
        if (static_cast<std::int64_t>(text->size()) > CodeFileLookup::kMaxListSize) break;
    }
    platform::closeFile(fd);
    return got == 0;
}

bool isHexLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) {
        line.remove_suffix(1);
    }
    return ChecksumLine::isHex(line);
}

class Search {
public:
    explicit Search(std::string name) : name_(std::move(name)) {}

    // Takes the entries of one code file that name the file; a file of one code alone (a bare
    // code, or a single line naming anything) counts for the file it sits beside when sidecar.
    void take(const std::string& text, const std::string& source, int listAlgorithm, bool sidecar) {
        ChecksumListReader reader;
        std::vector<ChecksumEntry> entries;
        std::string_view rest(text);
        bool bareCode = false;
        while (!rest.empty()) {
            std::size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
            ChecksumEntry entry;
            ChecksumLine::Kind kind = reader.read(line, &entry);
            if (kind == ChecksumLine::Kind::Entry) {
                entries.push_back(std::move(entry));
            } else if (kind == ChecksumLine::Kind::Malformed && sidecar && isHexLine(line)) {
                entry = ChecksumEntry();
                entry.hex = std::string(line.substr(0, line.find_first_of("\r\n ")));
                entries.push_back(std::move(entry));
                bareCode = true;
            }
        }
        const bool alone = sidecar && entries.size() == 1;
        for (ChecksumEntry& entry : entries) {
            if (!alone && !bareCode && entry.name != name_ && entry.name != "./" + name_) continue;
            int algorithm = entry.tagged || listAlgorithm < 0
                                ? (entry.tagged ? entry.algorithm
                                                : ChecksumLine::algorithmOfLength(entry.hex.size()))
                                : listAlgorithm;
            if (algorithm < 0 || static_cast<std::size_t>(
                                     HashAlgorithms::at(algorithm).hexDigits) != entry.hex.size()) {
                continue;  // a code that cannot be the algorithm's
            }
            if (found_.algorithm >= 0 &&
                HashAlgorithms::strength(algorithm) <= HashAlgorithms::strength(found_.algorithm)) {
                continue;
            }
            found_.algorithm = algorithm;
            found_.hex = entry.hex;
            found_.source = source;
        }
    }

    const FoundCode& found() const { return found_; }

private:
    std::string name_;
    FoundCode found_;
};

}  // namespace

bool CodeFileLookup::isListName(const std::string& name) {
    const std::string n = lower(name);
    static constexpr const char* kNames[] = {"checksum", "checksums", "checksums.txt"};
    for (const char* whole : kNames) {
        if (n == whole) return true;
    }
    static constexpr const char* kEnds[] = {
        "sums",      "sums.txt",  ".sha256",    ".sha512",    ".sha384",   ".sha1",
        ".md5",      ".sfv",      ".sha256sum", ".sha512sum", ".sha1sum",  ".md5sum",
        "-checksum", ".checksum", ".checksums", "_checksums", "-checksums"};
    for (const char* end : kEnds) {
        if (endsWith(n, end)) return true;
    }
    return false;
}

int CodeFileLookup::algorithmOfListName(const std::string& name) {
    const std::string n = lower(name);
    static constexpr Sidecar kWords[] = {{"sha512", 7}, {"sha384", 6}, {"sha256", 5},
                                         {"sha1", 4},   {"md5", 3},    {".sfv", 0}};
    for (const Sidecar& word : kWords) {
        if (n.find(word.extension) != std::string::npos) return word.algorithm;
    }
    return -1;
}

bool CodeFileLookup::find(const std::string& path, FoundCode* found) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string prefix = slash == std::string::npos ? "" : folder;
    if (name.empty()) return false;
    Search search(name);
    std::string text;
    // 1. FILE.ext and FILE.EXT beside the file.
    std::vector<std::string> seen;
    for (const Sidecar& s : kSidecars) {
        for (const std::string& ext : {std::string(s.extension), upper(s.extension)}) {
            const std::string sidecar = name + "." + ext;
            if (!readList(prefix + sidecar, &text)) continue;
            seen.push_back(sidecar);
            search.take(text, sidecar, s.algorithm, true);
        }
    }
    // 2. The folder's checksum lists that name the file, in the order of their names.
    std::vector<std::string> names;
    if (platform::listDirectory(folder, &names)) {
        std::sort(names.begin(), names.end());
        for (const std::string& list : names) {
            if (list == name || !isListName(list) ||
                std::find(seen.begin(), seen.end(), list) != seen.end()) {
                continue;
            }
            if (!readList(prefix + list, &text)) continue;
            search.take(text, list, algorithmOfListName(list), false);
        }
    }
    if (search.found().algorithm < 0) return false;
    *found = search.found();
    return true;
}

}  // namespace s::file::gui::dialogs::filehash
