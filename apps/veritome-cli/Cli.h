// The terminal front end: runs the hash job over the files of the command line and prints
// what it produced.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CliOptions.h"

namespace s::lang {
class Localizer;
}

namespace cli {

class CliView;
class Folder;

class Cli {
public:
    static constexpr int kOk = 0;
    static constexpr int kDifferent = 1;
    static constexpr int kTrouble = 2;
    static constexpr int kInterrupted = 130;
    // From this many files on, two threads hash them (output stays in the order given).
    static constexpr std::size_t kParallelFrom = 4;

    // Without a localizer the texts are empty (enough for --print, --tag and --check).
    Cli(s::lang::Localizer* localizer, std::FILE* out, std::FILE* err,
        const std::atomic<bool>* cancel, bool progress);

    // The exit status; kTrouble also when standard output could not be written.
    int run(const CliOptions& options);

    // What one file gave: the text for standard output and for standard error, and a result
    // that the mode counts.
    struct Piece {
        std::string out;
        std::string err;
        int result = 0;
        bool done = false;  // false when cancelled before it was hashed
    };

private:
    using Work = std::function<void(CliView& view, std::size_t index, Piece* piece)>;
    using Emit = std::function<void(std::size_t index, Piece& piece)>;

    int calculate(const CliOptions& options);
    int verify(const CliOptions& options);
    int print(const CliOptions& options);
    int check(const CliOptions& options);
    int checkOne(const CliOptions& options, const std::string& sumFile);

    // Runs work for items 0..count-1 on one view in turn, or on two threads with a view each
    // when there are many; emit sees every finished piece in item order, one at a time (on a
    // worker thread when there are two).
    void runAll(std::size_t count, const Work& work, const Emit& emit);
    // Where a file found in a folder is opened: by name inside its folder, without a look
    // before the open when the folder's listing showed a regular file. Empty for a file named
    // on the command line.
    struct Place {
        std::shared_ptr<Folder> folder;
        bool listedRegular;  // zero in Place{}
    };
    // The files of the command line, folders expanded with --recursive; trouble set when a
    // folder could not be listed. places gets the place of each file.
    std::vector<std::string> expand(const CliOptions& options, bool* trouble,
                                    std::vector<Place>* places);
    // Prepares the view for one file.
    void prepare(CliView& view, const std::string& file, Place place = {});
    // Runs the job on the prepared view.
    void runJob(CliView& view);
    // Codes of the ticked algorithms for a file; false after a message into err.
    bool codesOf(CliView& view, const std::string& file, const bool* algorithms, std::string* err,
                 Place place = {});
    std::string complaint(const std::string& file, const std::string& reason);
    void complain(const std::string& file, const std::string& reason);
    // A language-pack text in UTF-8.
    std::string textOf(std::int32_t id);
    bool cancelled() const { return cancel_->load(); }

    s::lang::Localizer* localizer_;
    std::FILE* out_;
    std::FILE* err_;
    const std::atomic<bool>* cancel_;
    bool progress_;
};

// The localizer of the embedded pack in the language of that English name (the locale's when
// the name is empty); null when no language has that name.
s::lang::Localizer* makeLocalizer(const std::string& language);

// Turns "\r\n" into "\n".
std::string toLf(const std::string& text);

}  // namespace cli
