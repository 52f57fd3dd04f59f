// Making a checksum list for dropped files and folders: the files are gathered as the terminal
// front end's recursive mode walks them, named relative to the list's folder, and their codes
// written as a checksum tool writes them ("HEX  NAME" for SHA256SUMS, SHA512SUMS, MD5SUMS and
// SHA1SUMS; "ALGO (NAME) = HEX" in a ".sums" list for the other algorithms). The list is
// written atomically, and not at all when any file failed.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "file/gui/dialogs/filehash/FileCodes.h"

namespace s::file::gui::dialogs::filehash {

struct ListPlan {
    std::string folder;    // where the list goes; the names are relative to it
    std::string listName;  // such as "SHA256SUMS"
    int algorithm = -1;
    std::vector<std::string> names;
    bool partlyListed = false;  // a folder under a dropped one could not be listed
    std::string listPath() const {
        return folder == "/" ? "/" + listName : folder + "/" + listName;
    }
};

struct MadeEntry {
    std::string name;
    std::size_t index = 0;  // in the plan
    FileCode code;
};

class ChecksumCreate {
public:
    enum class Written { Ok, Exists, Failed };

    // The usual list name of an algorithm: SHA256SUMS, SHA512SUMS, MD5SUMS, SHA1SUMS, else
    // the algorithm's tag with ".sums" (such as "SHA384.sums").
    static std::string listNameOf(int algorithm);
    // Whether lists of the algorithm hold tagged lines.
    static bool taggedFor(int algorithm);

    // The plan for dropped paths: one folder gives the files under it and takes the list;
    // otherwise every dropped file or folder must stand in one folder, which takes the list.
    // The list itself is left out. False with a reason when the paths do not fit.
    static bool plan(const std::vector<std::string>& dropped, int algorithm, ListPlan* out,
                     std::string* reason);

    using Batch = std::function<void(const std::vector<MadeEntry>& entries)>;
    // Computes the codes (two threads); finished files go to batch as they are done. Writes
    // the list's text and answers true when every file gave its code; false when a file failed
    // or the run was cancelled (*failures counts the files that failed).
    static bool make(const ListPlan& plan, const std::atomic<bool>* cancel, const Batch& batch,
                     const FileCodes::Progress& progress, std::string* text, std::size_t* failures);
    // The list's text for codes in plan order.
    static std::string format(const ListPlan& plan, const std::vector<FileCode>& codes);

    // Writes the text to plan.listPath() atomically; an existing list is replaced only when
    // replace is true (else Exists and nothing is written).
    static Written write(const ListPlan& plan, const std::string& text, bool replace);
};

}  // namespace s::file::gui::dialogs::filehash
