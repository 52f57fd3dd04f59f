// The files under a folder as the terminal front end and the list maker take them: names in
// byte order in each folder, sub-folders entered where they stand, links to folders skipped.
#pragma once

#include <string>
#include <vector>

namespace s::file::gui::dialogs::filehash {

class FolderWalk {
public:
    // Adds the regular files and links under folder (each as folder + "/" + relative name);
    // false when a folder could not be listed (what could be listed is still added).
    static bool walk(const std::string& folder, std::vector<std::string>* files);
    // The same; listedRegular gets, for each file added, 1 when the folder's listing showed it
    // as a regular file (it needs no look before it is opened), else 0.
    static bool walk(const std::string& folder, std::vector<std::string>* files,
                     std::vector<char>* listedRegular);
};

}  // namespace s::file::gui::dialogs::filehash
