// The links of the frame's status bar and of the About window open exactly their addresses
// through the desktop's opener: a recording "xdg-open" first on PATH notes every call, the
// address arrives as its one argument (no shell in between), and no child is left unreaped.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include "../StandIns.h"
#include "gui/dialogs/About3.h"
#include "gui/dialogs/dragndrop/FrameWindow.h"
#include "gui/win/Label.h"
#include "gui/win/Window.h"
#include "lang/Localizer.h"
#include "platform/window/Backend.h"
#include "platform/window/Input.h"
#include "platform/window/Text.h"

namespace s::frame_testing {
namespace {

namespace fs = std::filesystem;
namespace pw = platform::window;

bool linkEventually(const std::function<bool()>& condition) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Children of this process that ended and were never waited for.
int unreapedChildren() {
    int zombies = 0;
    const std::string me = std::to_string(::getpid());
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream in(entry.path() / "stat");
        std::string line;
        if (!std::getline(in, line)) continue;
        // pid (comm) state ppid ...: the name may hold spaces, so read after its ")".
        std::istringstream rest(line.substr(line.rfind(')') + 1));
        std::string state, parent;
        rest >> state >> parent;
        if (parent == me && state == "Z") ++zombies;
    }
    return zombies;
}

class LinkOpening : public ::testing::Test {
protected:
    static void SetUpTestSuite() { pw::startBackend(pw::BackendKind::kHeadless); }
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("link-opening-" + std::to_string(::getpid()) + "-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir / "bin");
        log = dir / "opened.log";
        // The recorder: the number of arguments, then each argument, one line a call.
        const fs::path opener = dir / "bin" / "xdg-open";
        std::ofstream(opener) << "#!/bin/sh\nprintf '%s' \"$#\" >> '" << log.string()
                              << "'\nprintf ' %s' \"$@\" >> '" << log.string()
                              << "'\nprintf '\\n' >> '" << log.string() << "'\n";
        fs::permissions(opener, fs::perms::owner_all);
        const char* path = std::getenv("PATH");
        oldPath = path ? path : "";
        ::setenv("PATH", ((dir / "bin").string() + ":" + oldPath).c_str(), 1);
        settings = std::make_unique<StandInSettings>(dir / "SaveData.xml");
    }
    void TearDown() override {
        ::setenv("PATH", oldPath.c_str(), 1);
        settings.reset();
        fs::remove_all(dir);
    }
    // Presses and releases the left button in the middle of a label of `window`.
    static void click(gui::win::Window* window, gui::win::Label* label) {
        pw::Point at{label->getScreenX() - window->getScreenX() + label->getWidth() / 2,
                     label->getScreenY() - window->getScreenY() + label->getHeight() / 2};
        pw::Handle top = window->getNativeWindow();
        pw::input::mouseMove(top, at);
        pw::input::mouseButton(top, at, pw::MouseButton::kLeft, true);
        pw::input::mouseButton(top, at, pw::MouseButton::kLeft, false);
    }
    // The calls the opener has finished noting: a line is counted only once its "\n" is
    // written (the recorder writes a line in pieces, and a reader may come in between).
    std::vector<std::string> calls() const {
        std::ifstream in(log, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos;
             at = end + 1) {
            lines.push_back(text.substr(at, end - at));
        }
        return lines;
    }
    // Waits for the opener's call number `n` (1-based) and answers all calls so far.
    std::vector<std::string> callsAfter(std::size_t n) {
        EXPECT_TRUE(linkEventually([&] { return calls().size() >= n; }));
        return calls();
    }

    fs::path dir, log;
    std::string oldPath;
    std::unique_ptr<StandInSettings> settings;
};

TEST_F(LinkOpening, TheStatusBarsBrandLinkOpensTheProductAddress) {
    StandInTool* tool = StandInTool::create();
    tool->bind(settings.get());
    {
        auto frame = std::make_unique<gui::dialogs::dragndrop::FrameWindow>(tool);
        frame->build();
        frame->show();
        click(frame->window(), frame->brandLink());
        const std::string address = pw::toUtf8(tool->text(101000));
        ASSERT_FALSE(address.empty());
        EXPECT_EQ(callsAfter(1), std::vector<std::string>{"1 " + address});
        // The opener reaps its child on its own thread, maybe just after the address was noted.
        EXPECT_TRUE(linkEventually([] { return unreapedChildren() == 0; }));
    }
    tool->release();
}

TEST_F(LinkOpening, TheAboutWindowsLinksOpenTheirAddresses) {
    gui::win::Window* owner = gui::win::newWindow(0, 0, 600, 550);
    owner->setVisible(true, true);
    gui::dialogs::About3* about = gui::dialogs::About3::create();
    ASSERT_TRUE(about->open(owner, settings.get()));
    lang::Localizer* pack = settings->getLocalizer();
    const std::string web = pw::toUtf8(pack->text(101000));
    const std::string donation = pw::toUtf8(pack->text(500100));
    click(about->window(), about->urlLink());
    callsAfter(1);
    click(about->window(), about->donationLink());
    EXPECT_EQ(callsAfter(2), (std::vector<std::string>{"1 " + web, "1 " + donation}));
    // The opener reaps its child on its own thread, maybe just after the address was noted.
    EXPECT_TRUE(linkEventually([] { return unreapedChildren() == 0; }));
    about->release();
    owner->release();
}

}  // namespace
}  // namespace s::frame_testing
