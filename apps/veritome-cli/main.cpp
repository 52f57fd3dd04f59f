// veritome-cli: the terminal front end of the hash job.
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Cli.h"
#include "CliOptions.h"
#include "lang/Localizer.h"
#include "platform/Terminal.h"

namespace {

std::atomic<bool> interrupted{false};
std::atomic<int> caught{0};
void onInterrupt(int signal) {
    caught.store(signal);
    interrupted.store(true);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    cli::ParseResult parsed = cli::parseOptions(args);
    if (!parsed.ok) {
        std::fprintf(stderr, "veritome-cli: %s\nTry 'veritome-cli --help' for more information.\n",
                     parsed.error.c_str());
        return cli::Cli::kTrouble;
    }
    const cli::CliOptions& options = parsed.options;
    if (options.mode == cli::Mode::Help) {
        std::fputs(cli::usageText(), stdout);
        return std::fclose(stdout) == 0 ? cli::Cli::kOk : cli::Cli::kTrouble;
    }
    if (options.mode == cli::Mode::Version) {
        std::printf("veritome-cli %s\n", VERITOME_VERSION);
        return std::fclose(stdout) == 0 ? cli::Cli::kOk : cli::Cli::kTrouble;
    }

    // Codes and check lines need no texts: the language pack is read only for the summaries
    // (reading it is most of the start-up time).
    const bool needsTexts = options.mode == cli::Mode::Calculate ||
                            options.mode == cli::Mode::Verify || !options.language.empty();
    s::lang::Localizer* localizer = needsTexts ? cli::makeLocalizer(options.language) : nullptr;
    if (needsTexts && !localizer) {
        std::fprintf(stderr, "veritome-cli: unknown language '%s'\n", options.language.c_str());
        return cli::Cli::kTrouble;
    }
    platform::onInterrupt(&onInterrupt);
    cli::Cli front(localizer, stdout, stderr, &interrupted, platform::isTerminal(2));
    int status = front.run(options);
    if (localizer) localizer->release();
    // The last buffered output and its close can fail too (a full disk).
    if (std::fclose(stdout) != 0 && status != cli::Cli::kTrouble) {
        std::fprintf(stderr, "veritome-cli: write error: %s\n", std::strerror(errno));
        status = cli::Cli::kTrouble;
    }
    // Cancelled by a signal: the shell's status of that signal, after a clean end.
    if (interrupted.load()) status = 128 + caught.load();
    return status;
}
