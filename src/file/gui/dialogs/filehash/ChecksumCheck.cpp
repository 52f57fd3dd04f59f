// Reading a checksum list and checking its files.
#include "file/gui/dialogs/filehash/ChecksumCheck.h"

#include <cctype>

#include "file/gui/dialogs/filehash/ChecksumLine.h"
#include "file/gui/dialogs/filehash/ChecksumListReader.h"
#include "file/gui/dialogs/filehash/FileCodes.h"
#include "platform/AtomicFile.h"
#include "platform/File.h"
#include "platform/FileProbe.h"

namespace s::file::gui::dialogs::filehash {

namespace {

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void replaceAll(std::u16string* text, std::u16string_view what, const std::u16string& with) {
    for (std::size_t at = text->find(what); at != std::u16string::npos;
         at = text->find(what, at + with.size())) {
        text->replace(at, what.size(), with);
    }
}

std::u16string numberText(std::size_t n) {
    std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

bool ChecksumCheck::readList(const std::string& listPath, std::string* reason) {
    platform::FileProbe probe = platform::probeFile(listPath);
    if (probe.kind != platform::FileKind::Regular) {
        *reason = probe.reason.empty() ? platform::fileErrorText(21) : probe.reason;  // EISDIR
        return false;
    }
    if (static_cast<std::uint64_t>(platform::fileStatus(listPath).size) > kMaxListBytes) {
        *reason = platform::fileErrorText(27);  // EFBIG
        return false;
    }
    std::vector<std::uint8_t> bytes;
    if (!platform::readWholeFile(listPath, &bytes)) {
        *reason = platform::fileErrorText(5);  // EIO
        return false;
    }
    takeList(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
             folderOf(listPath));
    return true;
}

void ChecksumCheck::takeList(std::string_view text, const std::string& folder) {
    entries_.clear();
    results_.clear();
    folder_ = folder;
    malformed_ = ChecksumListReader::readAll(text, &entries_);
}

std::string ChecksumCheck::pathOf(const std::string& name) const {
    if (!name.empty() && name[0] == '/') return name;
    return folder_ == "/" ? "/" + name : folder_ + "/" + name;
}

bool ChecksumCheck::isListName(const std::string& path) {
    std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    static const char* const kEndings[] = {"sums", ".sha1", ".sha224", ".sha256", ".sha384",
                                           ".sha512", ".md5", ".sfv", ".crc32", ".sum"};
    for (const char* ending : kEndings) {
        const std::size_t n = std::char_traits<char>::length(ending);
        if (name.size() > n && name.compare(name.size() - n, n, ending) == 0) return true;
    }
    return false;
}

int ChecksumCheck::rankOf(CheckStatus status) {
    switch (status) {
        case CheckStatus::Failed:
            return 0;
        case CheckStatus::Unreadable:
            return 1;
        case CheckStatus::Missing:
            return 2;
        default:
            return 3;
    }
}

CheckCounts ChecksumCheck::run(const std::atomic<bool>* cancel, const Batch& batch,
                               const Progress& progress) {
    std::vector<FileCodeJob> jobs;
    jobs.reserve(entries_.size());
    for (const ChecksumEntry& entry : entries_)
        jobs.push_back({pathOf(entry.name), entry.algorithm});
    results_.assign(entries_.size(), CheckedFile{});
    auto judge = [&](std::size_t i, const FileCode& code) {
        CheckedFile& file = results_[i];
        file.name = entries_[i].name;
        file.index = i;
        file.algorithm = entries_[i].algorithm;
        file.reason = code.reason;
        switch (code.status) {
            case FileCode::Status::Done:
                file.status = ChecksumLine::sameCode(code.hex, entries_[i].hex) ? CheckStatus::Ok
                                                                          : CheckStatus::Failed;
                break;
            case FileCode::Status::Missing:
                file.status = CheckStatus::Missing;
                break;
            default:
                file.status = CheckStatus::Unreadable;
                break;
        }
    };
    std::vector<FileCode> codes = FileCodes::run(
        jobs, cancel,
        [&](const std::vector<std::size_t>& indexes, const std::vector<FileCode>& done) {
            std::vector<CheckedFile> files;
            files.reserve(indexes.size());
            for (std::size_t k = 0; k < indexes.size(); ++k) {
                judge(indexes[k], done[k]);
                files.push_back(results_[indexes[k]]);
            }
            if (batch) batch(files);
        },
        progress);
    CheckCounts counts;
    counts.malformed = malformed_;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i].status == FileCode::Status::Cancelled) {
            counts.cancelled = true;
            continue;
        }
        switch (results_[i].status) {
            case CheckStatus::Ok:
                ++counts.ok;
                break;
            case CheckStatus::Failed:
                ++counts.failed;
                break;
            case CheckStatus::Missing:
                ++counts.missing;
                break;
            case CheckStatus::Unreadable:
                ++counts.unreadable;
                break;
        }
    }
    if (counts.cancelled) {
        // Only what was checked stays for the report.
        std::vector<CheckedFile> kept;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (codes[i].status != FileCode::Status::Cancelled) kept.push_back(results_[i]);
        }
        results_.swap(kept);
    }
    return counts;
}

std::string ChecksumCheck::report(const std::vector<CheckedFile>& files) {
    std::string out;
    for (const CheckedFile& file : files) {
        const char* word = file.status == CheckStatus::Ok       ? "OK"
                           : file.status == CheckStatus::Failed ? "FAILED"
                                                                : "FAILED open or read";
        out += ChecksumLine::formatCheck(file.name, word);
        out += '\n';
    }
    return out;
}

std::u16string ChecksumCheck::countLine(std::u16string_view pattern, const CheckCounts& counts) {
    std::u16string line(pattern);
    replaceAll(&line, u"%1", numberText(counts.ok));
    replaceAll(&line, u"%2", numberText(counts.failed + counts.unreadable));
    replaceAll(&line, u"%3", numberText(counts.missing));
    return line;
}

}  // namespace s::file::gui::dialogs::filehash
