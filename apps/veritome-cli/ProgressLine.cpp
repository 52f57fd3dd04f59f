// Drawing and erasing the progress line.
#include "ProgressLine.h"

#include "TerminalName.h"
#include "file/gui/dialogs/filehash/ProgressRate.h"
#include "platform/Clock.h"
#include "platform/Terminal.h"

namespace cli {

void ProgressLine::start(const std::string& name) {
    // Control characters of a name never reach the terminal raw.
    bool escaped;
    name_ = terminalName(name, &escaped);
    shown_ = false;
    startedAt_ = drawnAt_ = platform::monotonicMilliseconds();
}

void ProgressLine::update(int percent, std::uint64_t bytesDone, std::uint64_t total) {
    if (!enabled_) return;
    std::int64_t now = platform::monotonicMilliseconds();
    if (now - startedAt_ < kDelayMillis || now - drawnAt_ < kRefreshMillis) return;
    drawnAt_ = now;
    double seconds = static_cast<double>(now - startedAt_) / 1000.0;
    double rate = static_cast<double>(bytesDone) / (1024.0 * 1024.0) / seconds;
    char head[64];
    std::snprintf(head, sizeof head, "%3d%%  %8.1f MB/s  ", percent, rate);
    std::string line = head;
    // The time left, once the total is known and something has been read.
    if (total >= bytesDone && total > 0 && bytesDone > 0) {
        double left = static_cast<double>(total - bytesDone) / (1024.0 * 1024.0) / rate;
        auto whole = static_cast<std::int64_t>(left);
        if (static_cast<double>(whole) < left) ++whole;
        line += leftLabel_ + s::file::gui::dialogs::filehash::ProgressRate::timeText(whole) + "  ";
    }
    // Keep the line within the terminal so that "\r" returns to its start.
    std::size_t room = static_cast<std::size_t>(platform::terminalColumns(2)) - 1;
    line += name_;
    if (line.size() > room) {
        // Cut before a character, not inside one.
        while (room > 0 && (static_cast<unsigned char>(line[room]) & 0xC0) == 0x80) --room;
        line.resize(room);
    }
    std::fprintf(out_, "\r%s\033[K", line.c_str());
    std::fflush(out_);
    shown_ = true;
}

void ProgressLine::end() {
    if (!shown_) return;
    std::fputs("\r\033[K", out_);
    std::fflush(out_);
    shown_ = false;
}

}  // namespace cli
