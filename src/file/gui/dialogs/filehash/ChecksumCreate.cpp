// Gathering, computing and writing a checksum list.
#include "file/gui/dialogs/filehash/ChecksumCreate.h"

#include "file/gui/dialogs/filehash/ChecksumLine.h"
#include "file/gui/dialogs/filehash/FolderWalk.h"
#include "platform/AtomicFile.h"
#include "platform/File.h"

namespace s::file::gui::dialogs::filehash {

namespace {

// Feeding order of HashAlgorithms.
constexpr int kMd5 = 3, kSha1 = 4, kSha256 = 5, kSha512 = 7;

std::string trimmedSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string parentOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string lastPart(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string ChecksumCreate::listNameOf(int algorithm) {
    switch (algorithm) {
        case kMd5:
            return "MD5SUMS";
        case kSha1:
            return "SHA1SUMS";
        case kSha256:
            return "SHA256SUMS";
        case kSha512:
            return "SHA512SUMS";
        default:
            return std::string(ChecksumLine::tagOf(algorithm)) + ".sums";
    }
}

bool ChecksumCreate::taggedFor(int algorithm) {
    return algorithm != kMd5 && algorithm != kSha1 && algorithm != kSha256 && algorithm != kSha512;
}

bool ChecksumCreate::plan(const std::vector<std::string>& dropped, int algorithm, ListPlan* out,
                          std::string* reason) {
    ListPlan plan;
    plan.algorithm = algorithm;
    plan.listName = listNameOf(algorithm);
    if (dropped.empty() || algorithm < 0) {
        *reason = platform::fileErrorText(22);  // EINVAL
        return false;
    }
    std::vector<std::string> paths;
    for (const std::string& d : dropped) paths.push_back(trimmedSlashes(d));
    const bool oneFolder = paths.size() == 1 && platform::fileStatus(paths[0]).directory;
    plan.folder = oneFolder ? paths[0] : parentOf(paths[0]);
    const std::string prefix = plan.folder == "/" ? "/" : plan.folder + "/";
    std::vector<std::string> files;
    if (oneFolder) {
        plan.partlyListed = !FolderWalk::walk(plan.folder, &files);
    } else {
        for (const std::string& path : paths) {
            if (parentOf(path) != plan.folder) {
                *reason = platform::fileErrorText(18);  // EXDEV: not in one folder
                return false;
            }
            platform::FileStatus own = platform::linkStatus(path);
            if (own.directory) {
                plan.partlyListed = !FolderWalk::walk(path, &files) || plan.partlyListed;
            } else if (!own.exists) {
                *reason = platform::fileErrorText(2);  // ENOENT
                return false;
            } else if (!(own.symbolicLink && platform::fileStatus(path).directory)) {
                files.push_back(path);
            }
        }
    }
    for (const std::string& file : files) {
        std::string name = file.compare(0, prefix.size(), prefix) == 0 ? file.substr(prefix.size())
                                                                       : lastPart(file);
        if (name == plan.listName) continue;  // the list does not list itself
        plan.names.push_back(std::move(name));
    }
    *out = std::move(plan);
    return true;
}

std::string ChecksumCreate::format(const ListPlan& plan, const std::vector<FileCode>& codes) {
    const bool tagged = taggedFor(plan.algorithm);
    std::string text;
    for (std::size_t i = 0; i < plan.names.size() && i < codes.size(); ++i) {
        text += tagged ? ChecksumLine::formatTagged(plan.algorithm, codes[i].hex, plan.names[i])
                       : ChecksumLine::format(codes[i].hex, plan.names[i]);
        text += '\n';
    }
    return text;
}

bool ChecksumCreate::make(const ListPlan& plan, const std::atomic<bool>* cancel, const Batch& batch,
                          const FileCodes::Progress& progress, std::string* text,
                          std::size_t* failures) {
    const std::string prefix = plan.folder == "/" ? "/" : plan.folder + "/";
    std::vector<FileCodeJob> jobs;
    jobs.reserve(plan.names.size());
    for (const std::string& name : plan.names) jobs.push_back({prefix + name, plan.algorithm});
    std::vector<FileCode> codes = FileCodes::run(
        jobs, cancel,
        [&](const std::vector<std::size_t>& indexes, const std::vector<FileCode>& done) {
            if (!batch) return;
            std::vector<MadeEntry> entries;
            entries.reserve(indexes.size());
            for (std::size_t k = 0; k < indexes.size(); ++k) {
                entries.push_back({plan.names[indexes[k]], indexes[k], done[k]});
            }
            batch(entries);
        },
        progress);
    *failures = 0;
    bool cancelled = false;
    for (const FileCode& code : codes) {
        if (code.status == FileCode::Status::Cancelled) cancelled = true;
        if (code.status == FileCode::Status::Missing || code.status == FileCode::Status::Failed) {
            ++*failures;
        }
    }
    if (cancelled || *failures > 0) return false;
    *text = format(plan, codes);
    return true;
}

ChecksumCreate::Written ChecksumCreate::write(const ListPlan& plan, const std::string& text,
                                              bool replace) {
    const std::string path = plan.listPath();
    if (!replace && platform::linkStatus(path).exists) return Written::Exists;
    return platform::replaceFile(path, text.data(), text.size()) ? Written::Ok : Written::Failed;
}

}  // namespace s::file::gui::dialogs::filehash
