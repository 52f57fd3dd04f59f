// The terminal front end: runs the hash job over the files of the command line and prints
// what it produced.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>

#include "CliOptions.h"

namespace s::lang {
class Localizer;
}

namespace cli {

class CliView;

class Cli {
public:
    static constexpr int kOk = 0;
    static constexpr int kDifferent = 1;
    static constexpr int kTrouble = 2;
    static constexpr int kInterrupted = 130;

    Cli(s::lang::Localizer* localizer, std::FILE* out, std::FILE* err,
        const std::atomic<bool>* cancel, bool progress);

    // The exit status.
    int run(const CliOptions& options);

private:
    int calculate(const CliOptions& options);
    int verify(const CliOptions& options);
    int print(const CliOptions& options);
    int check(const CliOptions& options);

    // Prepares the view for one file; false (after a message) when it cannot be read.
    bool prepare(CliView& view, const std::string& file);
    // Runs the job on the prepared view.
    void runJob(CliView& view);
    // The code of one algorithm for a file; empty when the file could not be read.
    std::string codeOf(CliView& view, const std::string& file, int algorithm);
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
