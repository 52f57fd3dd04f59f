// Walking a folder tree in name order.
#include "file/gui/dialogs/filehash/FolderWalk.h"

#include <algorithm>

#include "platform/File.h"

namespace s::file::gui::dialogs::filehash {

bool FolderWalk::walk(const std::string& folder, std::vector<std::string>* files) {
    std::vector<std::string> names;
    if (!platform::listDirectory(folder, &names)) return false;
    std::sort(names.begin(), names.end());
    std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    bool ok = true;
    for (const std::string& name : names) {
        std::string path = prefix + name;
        platform::FileStatus own = platform::linkStatus(path);
        if (own.directory) {
            ok = walk(path, files) && ok;
        } else if (own.symbolicLink && platform::fileStatus(path).directory) {
            continue;
        } else {
            files->push_back(path);
        }
    }
    return ok;
}

}  // namespace s::file::gui::dialogs::filehash
