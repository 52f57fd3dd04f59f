// The hash job: reads the first dropped file once in 16384-byte blocks, feeds the selected
// digesters, and writes the file's facts, the codes and the summary (calculate mode) or the
// comparison with the entered code (verify mode).
#pragma once

#include <cstdint>

#include "file/gui/dialogs/filehash/IHashJobView.h"
#include "thread/ITask.h"

namespace s::digest {
class IDigester;
}
namespace s::file::win {
class PathWin;
}

namespace s::file::gui::dialogs::filehash {

class HashJob : public thread::ITask {
public:
    static constexpr std::uint32_t kBlockSize = 16384;
    static constexpr std::intptr_t kProgressScale = 100;

    explicit HashJob(IHashJobView* view) : view_(view) {}
    void run() override;

    // Percent of done bytes in total, truncated; an unknown (zero) total counts as done.
    static int percentOf(std::uint64_t done, std::uint64_t total);

private:
    void calculate(win::PathWin* path, const str::strbuffer::StrBuffer* name);
    void verify(win::PathWin* path, const str::strbuffer::StrBuffer* name);
    // Runs the read loop over the file; false when the file could not be opened.
    bool readFile(win::PathWin* path, digest::IDigester** digesters, int count,
                  const str::strbuffer::StrBuffer* name);
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
