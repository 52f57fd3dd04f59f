// The link opener starts its program with the address as one argument, and refuses addresses
// that the program would read as options.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/window/LinkOpener.h"

namespace {

namespace fs = std::filesystem;

std::string readWhenWritten(const fs::path& file) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < until) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        if (text.str().find('\n') != std::string::npos) return text.str();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return {};
}

TEST(LinkOpener, PassesTheAddressAsOneArgumentAndRefusesOptions) {
    const fs::path dir = fs::temp_directory_path() / "link-opener-test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path out = dir / "args";
    const fs::path recorder = dir / "recorder";
    {
        std::ofstream script(recorder);
        script << "#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" > " << out.string() << ".tmp\nmv "
               << out.string() << ".tmp " << out.string() << "\n";
    }
    fs::permissions(recorder, fs::perms::owner_all);
    platform::window::setLinkOpenerProgram(recorder.string());

    EXPECT_TRUE(platform::window::openLink(u"https://example.org/a b?x=1&y=$(id)"));
    EXPECT_EQ(readWhenWritten(out), "1|https://example.org/a b?x=1&y=$(id)\n");

    EXPECT_FALSE(platform::window::openLink(u""));
    EXPECT_FALSE(platform::window::openLink(u"--help"));
    platform::window::setLinkOpenerProgram((dir / "missing").string());
    EXPECT_FALSE(platform::window::openLink(u"https://example.org/"));
    platform::window::setLinkOpenerProgram("xdg-open");
    fs::remove_all(dir);
}

}  // namespace
