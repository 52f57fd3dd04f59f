// Walking a folder tree in name order.
#include "file/gui/dialogs/filehash/FolderWalk.h"

#include <algorithm>

#include "platform/File.h"

namespace s::file::gui::dialogs::filehash {

bool FolderWalk::walk(const std::string& folder, std::vector<std::string>* files) {
    return walk(folder, files, nullptr);
}

bool FolderWalk::walk(const std::string& folder, std::vector<std::string>* files,
                      std::vector<char>* listedRegular) {
    std::vector<platform::DirectoryEntry> entries;
    if (!platform::listDirectory(folder, &entries)) return false;
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    bool ok = true;
    for (const platform::DirectoryEntry& entry : entries) {
        std::string path = prefix + entry.name;
        // The listing tells most entries' kinds; only links and entries of unknown kind are
        // asked about.
        platform::EntryKind kind = entry.kind;
        if (kind == platform::EntryKind::Unknown) {
            platform::FileStatus own = platform::linkStatus(path);
            kind = own.directory      ? platform::EntryKind::Directory
                   : own.symbolicLink ? platform::EntryKind::SymbolicLink
                                      : platform::EntryKind::File;
        }
        if (kind == platform::EntryKind::Directory) {
            ok = walk(path, files, listedRegular) && ok;
        } else if (kind == platform::EntryKind::SymbolicLink &&
                   platform::fileStatus(path).directory) {
            continue;
        } else {
            files->push_back(std::move(path));
            if (listedRegular) listedRegular->push_back(entry.kind == platform::EntryKind::File);
        }
    }
    return ok;
}

}  // namespace s::file::gui::dialogs::filehash
