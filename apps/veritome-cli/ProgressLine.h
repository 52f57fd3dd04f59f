// One self-updating progress line on standard error: percent, MB/s, the time left and the file
// name.
// It appears only on a terminal and only once a file has taken longer than half a second.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace cli {

class ProgressLine {
public:
    static constexpr std::int64_t kDelayMillis = 500;
    static constexpr std::int64_t kRefreshMillis = 100;

    ProgressLine(std::FILE* out, bool enabled) : out_(out), enabled_(enabled) {}

    void start(const std::string& name);
    // total: the file's size, 0 when unknown (no time left is shown then).
    void update(int percent, std::uint64_t bytesDone, std::uint64_t total);
    // The label before the time left, in the language of the messages ("Time left: ").
    void setLeftLabel(std::string label) { leftLabel_ = std::move(label); }
    // Erases the line when it was shown.
    void end();

private:
    std::FILE* out_;
    bool enabled_;
    bool shown_ = false;
    std::string name_;
    std::string leftLabel_;
    std::int64_t startedAt_ = 0;
    std::int64_t drawnAt_ = 0;
};

}  // namespace cli
