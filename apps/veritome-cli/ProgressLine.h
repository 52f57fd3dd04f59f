// One self-updating progress line on standard error: percent, MB/s and the file name.
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
    void update(int percent, std::uint64_t bytesDone);
    // Erases the line when it was shown.
    void end();

private:
    std::FILE* out_;
    bool enabled_;
    bool shown_ = false;
    std::string name_;
    std::int64_t startedAt_ = 0;
    std::int64_t drawnAt_ = 0;
};

}  // namespace cli
