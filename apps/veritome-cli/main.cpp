// veritome-cli: the terminal front end of the hash job.
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "Cli.h"
#include "CliOptions.h"
#include "lang/Localizer.h"
#include "platform/Terminal.h"

namespace {

std::atomic<bool> interrupted{false};
void onInterrupt() {
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
        return cli::Cli::kOk;
    }
    if (options.mode == cli::Mode::Version) {
        std::printf("veritome-cli %s\n", VERITOME_VERSION);
        return cli::Cli::kOk;
    }

    s::lang::Localizer* localizer = cli::makeLocalizer(options.language);
    if (!localizer) {
        std::fprintf(stderr, "veritome-cli: unknown language '%s'\n", options.language.c_str());
        return cli::Cli::kTrouble;
    }
    platform::onInterrupt(&onInterrupt);
    cli::Cli front(localizer, stdout, stderr, &interrupted, platform::isTerminal(2));
    int status = front.run(options);
    localizer->release();
    return status;
}
