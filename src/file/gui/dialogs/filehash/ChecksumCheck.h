// Checking a whole checksum list: every listed file, named relative to the list's folder (an
// absolute name or one with ".." is taken as written), is read once and its code compared with
// the listed one, ignoring letter case. Nothing is ever written. The list is read whole through
// ChecksumListReader, so NUL bytes, very long lines and stray escapes only make lines malformed
// or name files that are then looked for.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "file/gui/dialogs/filehash/ChecksumLine.h"

namespace s::file::gui::dialogs::filehash {

enum class CheckStatus { Ok, Failed, Missing, Unreadable };

struct CheckedFile {
    std::string name;  // as listed
    std::size_t index = 0;  // of the entry in the list
    int algorithm = -1;
    CheckStatus status = CheckStatus::Failed;
    std::string reason;  // the system's words for Missing and Unreadable
};

struct CheckCounts {
    std::size_t ok = 0, failed = 0, missing = 0, unreadable = 0;
    std::size_t malformed = 0;  // lines that were neither entries, comments nor blank
    bool cancelled = false;
};

class ChecksumCheck {
public:
    // Lists larger than this are refused rather than read into memory.
    static constexpr std::uint64_t kMaxListBytes = 256ull * 1024 * 1024;

    // Reads the list; false with the system's reason when it cannot be read.
    bool readList(const std::string& listPath, std::string* reason);
    // Takes a list already in memory, its names relative to folder.
    void takeList(std::string_view text, const std::string& folder);

    const std::vector<ChecksumEntry>& entries() const { return entries_; }
    std::size_t malformed() const { return malformed_; }
    const std::string& folder() const { return folder_; }
    // Where a listed name is looked for.
    std::string pathOf(const std::string& name) const;

    using Batch = std::function<void(const std::vector<CheckedFile>& files)>;
    using Progress = std::function<void(std::uint64_t done, std::uint64_t total)>;
    // Checks every entry (two threads); finished files go to batch in groups as they are done.
    // The results, in list order, stay for report().
    CheckCounts run(const std::atomic<bool>* cancel, const Batch& batch, const Progress& progress);
    const std::vector<CheckedFile>& results() const { return results_; }

    // The results as a checksum tool's check prints them: "NAME: OK", "NAME: FAILED", and
    // "NAME: FAILED open or read" for a missing or unreadable file, in list order.
    static std::string report(const std::vector<CheckedFile>& files);
    // The count line: %1, %2 and %3 of the pattern become the OK, FAILED (read failures
    // included) and missing counts.
    static std::u16string countLine(std::u16string_view pattern, const CheckCounts& counts);
    // Whether a file name is a checksum list's usual one: SHA256SUMS, MD5SUMS and the like,
    // or an ending such as ".sha256", ".md5", ".sums", ".sfv" (letter case ignored).
    static bool isListName(const std::string& path);
    // Failures first: a rank for each result (lower shows first).
    static int rankOf(CheckStatus status);

private:
    std::vector<ChecksumEntry> entries_;
    std::vector<CheckedFile> results_;
    std::size_t malformed_ = 0;
    std::string folder_;
};

}  // namespace s::file::gui::dialogs::filehash
