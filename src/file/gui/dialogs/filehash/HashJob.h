// The hash job: reads the first dropped file once, feeds the selected digesters, reports
// progress in 16384-byte steps, and writes the file's facts, the codes and the summary (calculate
// mode) or the comparison with the entered code (verify mode).
#pragma once

#include <cstdint>

#include "file/gui/dialogs/filehash/IHashJobView.h"
#include "thread/ITask.h"

namespace s::digest {
class IDigester;
}
namespace s::file::win {
class FileInputStream;
class PathWin;
}  // namespace s::file::win
namespace s::io {
class IInputStream;
}

namespace s::file::gui::dialogs::filehash {

class HashJob : public thread::ITask {
public:
    // Progress goes out once per block; the file is read in larger pieces so that reading
    // costs little beside the fastest digest.
    static constexpr std::uint32_t kBlockSize = 16384;
    static constexpr std::uint32_t kReadSize = 8 * kBlockSize;  // the feeder's largest piece
    static constexpr std::intptr_t kProgressScale = 100;
    // The match-type key that lets the code's length choose the algorithms.
    static constexpr const char16_t* kAutoKey = u"Auto";
    // The algorithm of a file's code taken for the entered-code field under Auto: SHA-256.
    static constexpr int kAutoFileAlgorithm = 5;

    explicit HashJob(IHashJobView* view) : view_(view) {}
    void run() override;

    // Percent of done bytes in total, truncated; an unknown (zero) total counts as done.
    static int percentOf(std::uint64_t done, std::uint64_t total);

private:
    enum class ReadEnd { Done, Cancelled, Failed };

    void calculate(win::PathWin* path, const str::strbuffer::StrBuffer* name,
                   io::IInputStream* given);
    void verify(win::PathWin* path, const str::strbuffer::StrBuffer* name, io::IInputStream* given);
    // The algorithms a verification computes for the entered code (and the code itself, taken
    // from a code file beside the file when none was entered); false ends the run.
    bool chooseAlgorithms(win::PathWin* path, io::IInputStream* given,
                          str::strbuffer::StrBuffer* code, int* algorithms, int* count,
                          bool* named);
    // A file dropped onto the entered-code field: its code goes into that field.
    void codeOfFile(win::PathWin* path, const str::strbuffer::StrBuffer* name,
                    io::IInputStream* given);
    // Opens the entry's file. Its descriptor answers whether it can be shown and gives the
    // facts shown (into the path's status cache); only a file that fails to open is asked about
    // by name. Null when nothing is shown for the path (not valid, missing, a folder); else the
    // stream, which may have failed to open (readFile reports why).
    win::FileInputStream* openFile(win::PathWin* path);
    // Runs the read loop over the given input or the file; a failure to open or read has been
    // reported to the view. The caller releases the input.
    ReadEnd readFile(win::PathWin* path, win::FileInputStream* file, io::IInputStream* given,
                     digest::IDigester** digesters, int count,
                     const str::strbuffer::StrBuffer* name);
    void reportFailure(const str::strbuffer::StrBuffer* name, const char* reason);
    // Appends the label text of id, the value and a line feed.
    void appendLine(str::strbuffer::StrBuffer* summary, std::int32_t id,
                    const str::strbuffer::StrBuffer* value);
    void notify(const char16_t* name, std::intptr_t a = 0, std::intptr_t b = 0,
                std::intptr_t c = 0) {
        view_->notify(name, a, b, c);
    }

    IHashJobView* view_;
};

}  // namespace s::file::gui::dialogs::filehash
