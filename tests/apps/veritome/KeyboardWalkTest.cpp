// The window program worked with the keyboard alone, with real key events (XTEST through
// xdotool) on the tests' X server: the verify action chosen, a code pasted, the file handed over
// by a second start, the verdict read, the computed code copied by its button, and the Ctrl
// shortcuts again with a Russian layout, whose keys give Cyrillic letters.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <string>
#include <thread>

#include "ProgramProcess.h"
#include "platform/window/display/XServer.h"

namespace program_testing {
namespace {

using namespace std::chrono_literals;

constexpr const char* kAbcMd5 = "900150983cd24fb0d6963f7d28e17f72";

class KeyboardWalk : public ::testing::Test {
protected:
    void SetUp() override {
        if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
        for (const char* name : {"xdotool", "setxkbmap", "xclip"}) {
            if (xtest::run(std::string("command -v ") + name + " >/dev/null && echo y") != "y\n")
                GTEST_SKIP() << name << " is missing";
        }
        dir = fs::temp_directory_path() / ("veritome-walk-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::ofstream(dir / "abc.txt") << "abc";
        ASSERT_TRUE(waitFor([] { return windowsOfClass("veritome").empty(); }, 5s));
    }
    void TearDown() override {
        tool("setxkbmap us");
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    std::unique_ptr<ProgramProcess> start(std::vector<std::string> args) {
        return std::make_unique<ProgramProcess>(
            dir, std::move(args),
            std::map<std::string, std::string>{{"VERITOME_REPORT_FILE", report().string()}}, dir);
    }
    fs::path report() const { return dir / "report.txt"; }
    // A tool on the tests' X server, ended after 10 s so that a stuck one fails the test rather
    // than hanging it.
    static std::string tool(const std::string& command) {
        return xtest::run("timeout 10 " + command + " 2>/dev/null");
    }
    // Presses keys one after another as xdotool names them, each given time to be handled.
    static void keys(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            tool(std::string("xdotool key ") + name);
            std::this_thread::sleep_for(300ms);
        }
    }
    // xclip stays behind to hold the selection: its output goes nowhere, or reading the
    // command's output would wait for it to end.
    static void setClipboard(const std::string& text) {
        xtest::run("printf '%s' '" + text + "' | timeout 10 xclip -i -selection clipboard " +
                   ">/dev/null 2>&1");
    }
    static std::string clipboard() { return tool("xclip -o -selection clipboard"); }
    // Hands the file over by a second start, answers the verdict's box with Enter and answers
    // the summary the window then shows.
    std::string handOver() {
        fs::remove(report());
        const std::vector<unsigned long> before = windowsOfClass("veritome");
        auto second = start({"abc.txt"});
        EXPECT_EQ(second->wait(10s), 0) << second->err();
        // Enter is the box's once the window manager has made it the active window (on a busy
        // machine that comes a while after it is mapped).
        EXPECT_TRUE(waitFor(
            [&] {
                const std::string active = tool("xdotool getactivewindow");
                for (unsigned long w : windowsOfClass("veritome"))
                    if (std::find(before.begin(), before.end(), w) == before.end() &&
                        active == std::to_string(w) + "\n")
                        return true;
                return false;
            },
            10s));
        keys({"Return"});
        EXPECT_TRUE(waitFor([&] { return fs::exists(report()); }, 10s));
        return readFile(report());
    }

    fs::path dir;
};

TEST_F(KeyboardWalk, VerifyPasteCopyAndTheShortcutsOnARussianLayout) {
    auto first = start({"abc.txt"});
    ASSERT_NE(waitForWindow("veritome", 10s), 0u) << first->err();
    ASSERT_TRUE(
        waitFor([&] { return readFile(report()).find(kAbcMd5) != std::string::npos; }, 10s));

    // From the keep-on-top box to the action list, on to verify; past the match type to the
    // code field, where the clipboard's code goes.
    setClipboard("900150983CD24FB0D6963F7D28E17F72");
    keys({"Tab", "Down", "Tab", "Tab", "ctrl+v"});
    std::string summary = handOver();
    EXPECT_NE(summary.find("Perfect Match!"), std::string::npos) << summary;

    // Past "Paste" and the computed code to its "Copy".
    setClipboard("nothing");
    keys({"Tab", "Tab", "Tab", "space"});
    EXPECT_EQ(clipboard(), kAbcMd5);

    // "Copy" gives its field the focus with the code selected; two steps back from there, past
    // "Paste", is the code field. The shortcuts by the keys' places on a Russian layout there:
    // Ctrl+A and Ctrl+C copy the entered code, Ctrl+A and Ctrl+V replace it.
    keys({"shift+Tab", "shift+Tab"});
    tool("setxkbmap ru");
    setClipboard("nothing");
    keys({"ctrl+Cyrillic_ef", "ctrl+Cyrillic_es"});
    EXPECT_EQ(clipboard(), "900150983CD24FB0D6963F7D28E17F72");
    setClipboard("deadbeef");
    keys({"ctrl+Cyrillic_ef", "ctrl+Cyrillic_em"});
    summary = handOver();
    EXPECT_NE(summary.find("deadbeef"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Different!"), std::string::npos) << summary;

    first->signal(SIGTERM);
    EXPECT_EQ(first->wait(10s), 0) << first->err();
}

}  // namespace
}  // namespace program_testing
