// The window program as a user starts it: the command line without a display, and on the tests'
// X server the window, one instance per display, close signals and the saved settings.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "HungMount.h"
#include "ProgramProcess.h"
#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "map/IMappedData.h"
#include "platform/window/display/XServer.h"

namespace program_testing {
namespace {

using namespace std::chrono_literals;
using s::app::win::AppBase;
using s::app::win::AppWindow;

constexpr const char* kClass = "veritome";

fs::path freshFolder(const std::string& name) {
    const fs::path dir =
        fs::temp_directory_path() / ("veritome-program-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::size_t lineCount(const std::string& text) {
    std::size_t n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

// ---- without a display ------------------------------------------------------------------------

struct CommandLineCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* out;  // expected in standard output ("" for nothing)
    const char* err;  // expected in standard error, which is one line ("" for nothing)
};

class ProgramCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(ProgramCommandLine, AnswersAtOnceWithoutADisplay) {
    const CommandLineCase& c = GetParam();
    const fs::path dir = freshFolder(std::string("cl-") + c.name);
    ProgramProcess p(
        dir, c.args,
        {{"DISPLAY", ProgramProcess::kUnset}, {"WAYLAND_DISPLAY", ProgramProcess::kUnset}});
    ASSERT_TRUE(p.started());
    // The end itself is the event: no display to wait for, so a program that waited would not
    // end within the limit (a second bound on the clock only failed under load).
    EXPECT_EQ(p.wait(5s), c.status);
    if (*c.out) {
        EXPECT_NE(p.out().find(c.out), std::string::npos) << p.out();
    } else {
        EXPECT_EQ(p.out(), "");
    }
    if (*c.err) {
        EXPECT_NE(p.err().find(c.err), std::string::npos) << p.err();
        EXPECT_LE(lineCount(p.err()), 2u) << p.err();
    } else {
        EXPECT_EQ(p.err(), "");
    }
    // Nothing was written to the settings folder.
    EXPECT_FALSE(fs::exists(dir / "config" / "veritome"));
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramCommandLine,
    ::testing::Values(
        CommandLineCase{
            "help", {"--help"}, 0, "Usage: veritome [--calculate | --verify] [--] [FILE]", ""},
        CommandLineCase{"version", {"--version"}, 0, "veritome " VERITOME_VERSION "\n", ""},
        CommandLineCase{"nothing", {}, 1, "", "veritome: no display"},
        CommandLineCase{"file", {"some-file"}, 1, "", "veritome: no display"},
        CommandLineCase{"option", {"--bogus"}, 2, "", "unknown option '--bogus'"},
        CommandLineCase{"twoFiles", {"a", "b"}, 2, "", "only one FILE"},
        CommandLineCase{"dashFile", {"--", "--help"}, 1, "", "veritome: no display"},
        CommandLineCase{"verifyFile", {"--verify", "--", "-f"}, 1, "", "veritome: no display"},
        CommandLineCase{
            "calculateTwice", {"--calculate", "--calculate", "f"}, 1, "", "veritome: no display"},
        CommandLineCase{"bothActions",
                        {"--verify", "--calculate", "f"},
                        2,
                        "",
                        "--calculate and --verify exclude each other"},
        CommandLineCase{"compare", {"--compare", "a", "b"}, 1, "", "veritome: no display"},
        CommandLineCase{"compareOne", {"--compare", "a"}, 2, "", "--compare needs two files"},
        CommandLineCase{"compareThree", {"--compare", "a", "b", "c"}, 2, "", "only one FILE"},
        CommandLineCase{"compareCalculate",
                        {"--calculate", "--compare", "a", "b"},
                        2,
                        "",
                        "--compare verifies"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramDisplay, UnreachableDisplayFailsAtOnceWithOneLine) {
    const fs::path dir = freshFolder("unreachable");
    ProgramProcess p(dir, {}, {{"DISPLAY", ":97531"}, {"WAYLAND_DISPLAY", ProgramProcess::kUnset}});
    EXPECT_EQ(p.wait(10s), 1);
    // The display library may say something of its own before.
    const std::string line = "veritome: cannot open the display ':97531'.\n";
    const std::string err = p.err();
    ASSERT_GE(err.size(), line.size()) << err;
    EXPECT_EQ(err.substr(err.size() - line.size()), line);
    fs::remove_all(dir);
}

// ---- on the tests' X server ---------------------------------------------------------------------

class ProgramOnDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
        dir = freshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        // A window left by an earlier test would answer this test's starts.
        ASSERT_TRUE(waitFor([] { return windowsOfClass(kClass).empty(); }, 5s));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    // Every start reports the summary of the files given to it in the test's report file.
    std::unique_ptr<ProgramProcess> start(std::vector<std::string> args = {},
                                          const fs::path& cwd = {}) {
        return std::make_unique<ProgramProcess>(
            dir, std::move(args),
            std::map<std::string, std::string>{{"VERITOME_REPORT_FILE", report().string()}}, cwd);
    }
    fs::path report() const { return dir / "report.txt"; }
    bool reported(const std::string& text) {
        return waitFor([&] { return readFile(report()).find(text) != std::string::npos; }, 10s);
    }

    // Reads the settings a program left in the test's folder.
    template <typename F>
    void withSettings(F read) {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        const std::string saved = old ? old : "";
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        AppBase* base = AppBase::create();
        ASSERT_TRUE(base->initialize());
        AppWindow* settings = AppWindow::open(base, u"MainWindow", AppWindow::Defaults{});
        read(base, settings);
        settings->release();
        base->release();
        if (old) {
            ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
    }

    fs::path dir;
};

TEST_F(ProgramOnDisplay, OpensItsWindowAndSigtermClosesItWithTheSizeSaved) {
    const auto begin = std::chrono::steady_clock::now();
    auto p = start();
    const unsigned long w = waitForWindow(kClass, 10s);
    ASSERT_NE(w, 0u) << p->err();
    const double shownMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    std::printf("exec to the mapped main window (cold settings store): %.0f ms\n", shownMs);

    // The idle window's peak memory.
    std::this_thread::sleep_for(500ms);
    std::ifstream status("/proc/" + std::to_string(p->pid()) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            std::printf("idle window, peak memory %s\n", line.c_str() + 6);
    }

    // The bottom right corner of the frame's edge: drawn there again once the window's own
    // thread has taken its new size (the X server knows it first).
    int width = 0;
    int height = 0;
    windowSize(w, &width, &height);
    const std::uint32_t edge = windowPixel(w, width - 1, height - 1);
    resizeWindow(w, 660, 720);
    ASSERT_TRUE(waitFor(
        [&] {
            windowSize(w, &width, &height);
            return width == 660 && height == 720;
        },
        5s))
        << width << " x " << height;
    ASSERT_TRUE(waitFor([&] { return windowPixel(w, 659, 719) == edge; }, 10s))
        << std::hex << windowPixel(w, 659, 719) << " for " << edge;
    p->signal(SIGTERM);
    EXPECT_EQ(p->wait(10s), 0) << p->err();
    EXPECT_EQ(p->err(), "");
    withSettings([&](AppBase* base, AppWindow* settings) {
        EXPECT_EQ(settings->getWidth(), 660);
        EXPECT_EQ(settings->getHeight(), 720);
        s::map::IMappedData* store = base->getStore();
        EXPECT_EQ(store->getS32(u"MainWindow\\View", u"LargeWidth", -1), 660);
        EXPECT_EQ(store->getS32(u"MainWindow\\View", u"LargeHeight", -1), 720);
        EXPECT_EQ(std::u16string(store->getText(u"MainWindow\\SoftwareType", u"", u"")),
                  u"FileHash");
        EXPECT_EQ(std::u16string(store->getText(u"MainWindow\\Version", u"", u"")),
                  base->productText(10));
    });
}

// CRC-32 and MD5 are ticked when nothing is stored.
constexpr const char* kAbcCrc32 = "352441c2";
constexpr const char* kAbcMd5 = "900150983cd24fb0d6963f7d28e17f72";
constexpr const char* kHelloMd5 = "5d41402abc4b2a76b9719d911017c592";

TEST_F(ProgramOnDisplay, AFileOnTheCommandLineIsProcessedAsIfDropped) {
    fs::create_directories(dir / "sub");
    std::ofstream(dir / "sub" / "abc.txt") << "abc";
    auto p = start({"sub/abc.txt"}, dir);
    ASSERT_NE(waitForWindow(kClass, 10s), 0u) << p->err();
    EXPECT_TRUE(reported("abc.txt")) << readFile(report());
    EXPECT_TRUE(reported(kAbcMd5)) << readFile(report());
    EXPECT_NE(readFile(report()).find(kAbcCrc32), std::string::npos);
    p->signal(SIGTERM);
    EXPECT_EQ(p->wait(10s), 0) << p->err();
}

TEST_F(ProgramOnDisplay, SignalsCloseTheWindowLikeItsCloseButton) {
    for (int number : {SIGINT, SIGHUP}) {
        auto p = start();
        ASSERT_NE(waitForWindow(kClass, 10s), 0u) << p->err();
        p->signal(number);
        EXPECT_EQ(p->wait(10s), 0) << "signal " << number << ": " << p->err();
        ASSERT_TRUE(waitFor([] { return windowsOfClass(kClass).empty(); }, 5s));
    }
}

// A close signal while a box is open over the window closes the box (as its Close) and then
// the window as its close button does; a second signal ends the program at once.
TEST_F(ProgramOnDisplay, ACloseSignalEndsAnOpenBoxAndTheProgram) {
    for (int signals : {1, 2}) {
        auto p = start({(dir / "missing.txt").string()});
        // The failure box over the main window: two windows of the program.
        ASSERT_TRUE(waitFor([] { return windowsOfClass(kClass).size() >= 2; }, 10s)) << p->err();
        for (int i = 0; i < signals; ++i) p->signal(SIGTERM);
        EXPECT_EQ(p->wait(10s), 0) << signals << " signals: " << p->err();
        ASSERT_TRUE(waitFor([] { return windowsOfClass(kClass).empty(); }, 5s));
    }
}

TEST_F(ProgramOnDisplay, SecondStartRaisesTheMinimisedWindowAndEnds) {
    auto first = start();
    const unsigned long w = waitForWindow(kClass, 10s);
    ASSERT_NE(w, 0u) << first->err();
    // The window manager may still be taking the new window on: ask again until it is
    // minimised.
    ASSERT_TRUE(waitFor(
        [&] {
            iconify(w);
            return waitFor([&] { return wmState(w) == 3; }, 500ms);
        },
        5s));

    // A relative FILE is taken from the second start's own folder.
    fs::create_directories(dir / "elsewhere");
    std::ofstream(dir / "elsewhere" / "data.bin") << "hello";
    auto second = start({"data.bin"}, dir / "elsewhere");
    EXPECT_EQ(second->wait(5s), 0) << second->err();
    EXPECT_EQ(second->err(), "");
    EXPECT_TRUE(waitFor([&] { return wmState(w) == 1 && isViewable(w); }, 5s));
    EXPECT_TRUE(reported(kHelloMd5)) << readFile(report());
    EXPECT_TRUE(first->running());
    EXPECT_EQ(windowsOfClass(kClass).size(), 1u);

    first->signal(SIGTERM);
    EXPECT_EQ(first->wait(10s), 0) << first->err();
}

TEST_F(ProgramOnDisplay, TwoStartsAtOnceGiveOneWindow) {
    auto a = start();
    auto b = start();
    ASSERT_NE(waitForWindow(kClass, 10s), 0u) << a->err() << b->err();
    // One of them handed over and ended; the other holds the window.
    ASSERT_TRUE(waitFor([&] { return !a->running() || !b->running(); }, 5s));
    ProgramProcess* ended = a->running() ? b.get() : a.get();
    ProgramProcess* holder = a->running() ? a.get() : b.get();
    EXPECT_EQ(ended->wait(0ms), 0) << ended->err();
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(holder->running());
    EXPECT_EQ(windowsOfClass(kClass).size(), 1u);
    holder->signal(SIGTERM);
    EXPECT_EQ(holder->wait(10s), 0) << holder->err();
}

TEST_F(ProgramOnDisplay, ANewStartWorksAfterTheFirstWasKilled) {
    auto first = start();
    ASSERT_NE(waitForWindow(kClass, 10s), 0u) << first->err();
    first->signal(SIGKILL);
    EXPECT_EQ(first->wait(5s), 128 + SIGKILL);
    ASSERT_TRUE(waitFor([] { return windowsOfClass(kClass).empty(); }, 5s));

    auto again = start();
    EXPECT_NE(waitForWindow(kClass, 10s), 0u) << again->err();
    EXPECT_TRUE(again->running());
    again->signal(SIGTERM);
    EXPECT_EQ(again->wait(10s), 0) << again->err();
}

TEST_F(ProgramOnDisplay, AWindowTheDisplayRefusesEndsTheProgramAndFreesTheName) {
    // The display has no visual of that number, so it makes no system window for the program.
    ProgramProcess refused(dir, {}, {{"SDL_VIDEO_X11_WINDOW_VISUALID", "0x7ffffff"}});
    EXPECT_EQ(refused.wait(30s), 1) << refused.err();
    EXPECT_NE(refused.err().find("veritome: the window could not be made on this display.\n"),
              std::string::npos)
        << refused.err();
    // The next start finds no instance to hand over to and opens a window of its own.
    auto next = start();
    EXPECT_NE(waitForWindow(kClass, 10s), 0u) << next->err();
    next->signal(SIGTERM);
    EXPECT_EQ(next->wait(10s), 0) << next->err();
}

TEST_F(ProgramOnDisplay, AFirstInstanceThatDoesNotAnswerMakesTheSecondFail) {
    auto first = start();
    ASSERT_NE(waitForWindow(kClass, 10s), 0u) << first->err();
    first->signal(SIGSTOP);
    const auto begin = std::chrono::steady_clock::now();
    auto second = start();
    const int status = second->wait(10s);
    const auto waited = std::chrono::steady_clock::now() - begin;
    first->signal(SIGCONT);
    EXPECT_EQ(status, 1);
    EXPECT_NE(second->err().find("does not answer"), std::string::npos) << second->err();
    EXPECT_EQ(lineCount(second->err()), 1u);
    EXPECT_GE(waited, 2900ms);
    EXPECT_LT(waited, 8s);
    first->signal(SIGTERM);
    EXPECT_EQ(first->wait(10s), 0) << first->err();
}

// Voluntary context switches of a process's main thread so far.
long mainThreadWakeups(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) +
                         "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0) return std::stol(line.substr(24));
    }
    return -1;
}

// The state letter of a process's main thread (R, S, D, Z ...); '?' when gone.
char mainThreadState(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("State:", 0) == 0 && line.size() > 7) return line[7];
    }
    return '?';
}

TEST_F(ProgramOnDisplay, TheIdleMainThreadSleepsUntilSomethingHappens) {
    auto p = start();
    ASSERT_NE(waitForWindow(kClass, 10s), 0u) << p->err();
    std::this_thread::sleep_for(300ms);
    const long before = mainThreadWakeups(p->pid());
    std::this_thread::sleep_for(1s);
    const long after = mainThreadWakeups(p->pid());
    ASSERT_GE(before, 0);
    // A thread that looked every 10 ms would have woken about 100 times.
    EXPECT_LT(after - before, 10);
    p->signal(SIGTERM);
    EXPECT_EQ(p->wait(10s), 0) << p->err();
}

TEST_F(ProgramOnDisplay, AFileHandedToABusyWindowIsProcessedAfterTheRun) {
    // A sparse file: large without the writing, a run of a few seconds.
    const fs::path big = dir / "big.bin";
    std::ofstream(big) << "";
    fs::resize_file(big, 1ull << 30);
    std::ofstream(dir / "abc.txt") << "abc";
    auto first = start({big.string()});
    ASSERT_NE(waitForWindow(kClass, 10s), 0u) << first->err();
    auto second = start({(dir / "abc.txt").string()});
    EXPECT_EQ(second->wait(5s), 0) << second->err();
    EXPECT_EQ(second->err(), "");
    EXPECT_TRUE(
        waitFor([&] { return readFile(report()).find("abc.txt") != std::string::npos; }, 60s))
        << readFile(report());
    EXPECT_TRUE(reported(kAbcMd5)) << readFile(report());
    first->signal(SIGTERM);
    EXPECT_EQ(first->wait(10s), 0) << first->err();
}

TEST_F(ProgramOnDisplay, ADamagedSettingsFileIsMovedAsideAndTheUserToldOnce) {
    fs::create_directories(dir / "config" / "veritome");
    const fs::path db = dir / "config" / "veritome" / "registry.db";
    std::ofstream(db, std::ios::binary) << std::string(4096, 'x');
    auto p = start();
    // The box comes first: two windows of the program once the main window is up as well.
    const unsigned long box = waitForWindow(kClass, 10s);
    ASSERT_NE(box, 0u) << p->err();
    EXPECT_TRUE(fs::exists(db.string() + ".damaged"));
    EXPECT_EQ(readFile(db.string() + ".damaged"), std::string(4096, 'x'));
    p->signal(SIGKILL);
    p->wait(5s);
    ASSERT_TRUE(waitFor([] { return windowsOfClass(kClass).empty(); }, 5s));
    // The next start finds a fresh file: no box, the window at once.
    fs::remove(db.string() + ".damaged");
    auto again = start();
    ASSERT_NE(waitForWindow(kClass, 10s), 0u) << again->err();
    EXPECT_FALSE(fs::exists(db.string() + ".damaged"));
    again->signal(SIGTERM);
    EXPECT_EQ(again->wait(10s), 0) << again->err();
}

TEST_F(ProgramOnDisplay, ACloseDuringAReadThatHangsEndsTheProgram) {
    HungMount mount(dir / "hung");
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount a FUSE file system here";
    auto p = start({mount.file().string()});
    ASSERT_NE(waitForWindow(kClass, 10s), 0u) << p->err();
    // The worker waits in read() for an answer that never comes.
    ASSERT_TRUE(waitFor([&] { return mount.readsWaiting() > 0; }, 10s));
    p->signal(SIGTERM);
    // The window goes and the program ends (its main thread has exited), leaving the worker
    // behind: the system lets a read of a hung mount go only when the mount answers or ends.
    // (The window is hidden; the system closes the display connection only with the worker.)
    EXPECT_TRUE(waitFor(
        [] {
            for (unsigned long w : windowsOfClass(kClass)) {
                if (isViewable(w)) return false;
            }
            return true;
        },
        10s));
    EXPECT_TRUE(waitFor([&] { return mainThreadState(p->pid()) == 'Z'; }, 10s))
        << mainThreadState(p->pid());
    mount.unmount();
    EXPECT_EQ(p->wait(10s), 0) << p->err();
}

}  // namespace
}  // namespace program_testing
