// The desktop services against a stand-in portal (tests/platform/desktop/fake_portal.py) on a
// private session bus that this test process starts: the file chooser's request, answer and
// cancel, the helper programs when no portal answers, and the colour-scheme preference.
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/desktop/ColorScheme.h"
#include "platform/desktop/FileChooser.h"

#if defined(__SANITIZE_THREAD__)
// GLib hands its buffers between its threads under locks built on futexes, which the thread
// checker cannot see; the library's own calls (not compiled for the checker) are left out of its
// reports. Our code's accesses are still checked.
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libglib-2.0.so.0\n"
           "called_from_lib:libgio-2.0.so.0\n"
           "called_from_lib:libgobject-2.0.so.0\n";
}
#endif

namespace portal_testing {
namespace {

namespace fs = std::filesystem;
using platform::desktop::ChosenFile;
using Chosen = ChosenFile::Outcome;

// A child process with its standard output read line by line; ended when dropped.
class Child {
public:
    explicit Child(const std::vector<std::string>& args) {
        std::vector<const gchar*> argv;
        for (const std::string& a : args) argv.push_back(a.c_str());
        argv.push_back(nullptr);
        process_ = g_subprocess_newv(
            argv.data(),
            static_cast<GSubprocessFlags>(G_SUBPROCESS_FLAGS_STDOUT_PIPE |
                                          G_SUBPROCESS_FLAGS_STDERR_SILENCE),
            nullptr);
        if (process_)
            out_ = g_data_input_stream_new(g_subprocess_get_stdout_pipe(process_));
    }
    ~Child() {
        if (!process_) return;
        g_subprocess_force_exit(process_);
        g_subprocess_wait(process_, nullptr, nullptr);
        g_object_unref(out_);
        g_object_unref(process_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The next line of its output ("" at its end).
    std::string line() {
        if (!out_) return {};
        gchar* text = g_data_input_stream_read_line(out_, nullptr, nullptr, nullptr);
        std::string out = text ? text : "";
        g_free(text);
        return out;
    }

private:
    GSubprocess* process_ = nullptr;
    GDataInputStream* out_ = nullptr;
};

// One private session bus for the whole test process (the bus thread connects once).
const std::string& privateBus() {
    static Child daemon({"dbus-daemon", "--session", "--nofork", "--print-address=1"});
    static const std::string address = [] {
        std::string a = daemon.line();
        ::setenv("DBUS_SESSION_BUS_ADDRESS", a.c_str(), 1);
        return a;
    }();
    return address;
}

class DesktopPortalThread : public ::testing::Test {
protected:
    void SetUp() override {
        if (privateBus().empty()) GTEST_SKIP() << "dbus-daemon cannot start a bus";
        dir_ = fs::temp_directory_path() / ("veritome-portal-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "bin");
        savedPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        // Helper programs come only from the test's folder.
        ::setenv("PATH", (dir_ / "bin").c_str(), 1);
        ::unsetenv("GTK_THEME");
    }
    void TearDown() override {
        portal_.reset();
        ::setenv("PATH", savedPath_.c_str(), 1);
        fs::remove_all(dir_);
    }

    // Starts the stand-in portal with its options; false when it did not come up.
    bool startPortal(std::vector<std::string> options) {
        std::vector<std::string> args = {"/usr/bin/python3", VERITOME_TEST_DATA
                                         "/../platform/desktop/fake_portal.py",
                                         log().string()};
        args.insert(args.end(), options.begin(), options.end());
        portal_ = std::make_unique<Child>(args);
        return portal_->line() == "ready";
    }
    // A helper program in PATH that prints answer and exits with status.
    void helper(const std::string& name, const std::string& answer, int status) {
        const fs::path file = dir_ / "bin" / name;
        std::ofstream(file) << "#!/bin/sh\necho \"$*\" >>'" << (dir_ / "helpers.log").string()
                            << "'\nprintf '%s\\n' '" << answer << "'\nexit " << status << "\n";
        fs::permissions(file, fs::perms::owner_all);
    }
    fs::path log() const { return dir_ / "portal.log"; }
    std::string read(const fs::path& file) const {
        std::stringstream text;
        text << std::ifstream(file).rdbuf();
        return text.str();
    }

    static ChosenFile choose(std::vector<std::string> helpers = {"zenity", "kdialog"}) {
        auto answer = std::make_shared<std::promise<ChosenFile>>();
        std::future<ChosenFile> chosen = answer->get_future();
        platform::desktop::chooseFile(
            "x11:1a2b", "Choose a File", [answer](const ChosenFile& f) { answer->set_value(f); },
            std::move(helpers));
        // Far above any answer's time; only a lost answer gets here.
        if (chosen.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
            ADD_FAILURE() << "no answer from the chooser";
            return {};
        }
        return chosen.get();
    }

    fs::path dir_;
    std::string savedPath_;
    std::unique_ptr<Child> portal_;
};

TEST_F(DesktopPortalThread, ThePortalsChoiceComesBackAsALocalPath) {
    ASSERT_TRUE(startPortal({"--uri", "file:///tmp/some%20dir/a%C3%A9.iso"}));
    helper("zenity", "/wrong", 0);
    const ChosenFile f = choose();
    EXPECT_EQ(f.outcome, Chosen::kChosen);
    EXPECT_EQ(f.path, "/tmp/some dir/a\xC3\xA9.iso");
    // Asked over our window, with the title, a request token and as a modal dialog.
    const std::string call = read(log());
    EXPECT_EQ(call.rfind("x11:1a2b\tChoose a File\tveritome", 0), 0u) << call;
    EXPECT_NE(call.find("\tTrue\n"), std::string::npos) << call;
    EXPECT_FALSE(fs::exists(dir_ / "helpers.log"));
}

TEST_F(DesktopPortalThread, CancelInThePortalIsFinalAndNoHelperOpens) {
    ASSERT_TRUE(startPortal({"--cancel"}));
    helper("zenity", "/wrong", 0);
    EXPECT_EQ(choose().outcome, Chosen::kCancelled);
    EXPECT_FALSE(fs::exists(dir_ / "helpers.log"));
}

TEST_F(DesktopPortalThread, ARemoteChoiceIsNoFileToOpen) {
    ASSERT_TRUE(startPortal({"--uri", "sftp://host/file"}));
    EXPECT_EQ(choose().outcome, Chosen::kCancelled);
}

TEST_F(DesktopPortalThread, WithoutAPortalTheHelpersChooseInTurn) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, int>> helpers;  // installed: name, exit status
        Chosen outcome;
        const char* path;
    };
    const Case cases[] = {
        {"zenity chooses", {{"zenity", 0}, {"kdialog", 0}}, Chosen::kChosen, "/from/zenity"},
        {"zenity cancelled", {{"zenity", 1}, {"kdialog", 0}}, Chosen::kCancelled, ""},
        {"only kdialog", {{"kdialog", 0}}, Chosen::kChosen, "/from/kdialog"},
        {"no helper at all", {}, Chosen::kNoChooser, ""},
    };
    for (const Case& c : cases) {
        fs::remove_all(dir_ / "bin");
        fs::create_directories(dir_ / "bin");
        for (const auto& [name, status] : c.helpers) helper(name, "/from/" + name, status);
        const ChosenFile f = choose();
        EXPECT_EQ(f.outcome, c.outcome) << c.name;
        EXPECT_EQ(f.path, c.path) << c.name;
    }
    // The helpers were asked with the chooser's title.
    const std::string asked = read(dir_ / "helpers.log");
    EXPECT_NE(asked.find("--file-selection --title Choose a File"), std::string::npos) << asked;
    EXPECT_NE(asked.find("--title Choose a File --getopenfilename"), std::string::npos) << asked;
}

TEST_F(DesktopPortalThread, APortalThatNeverAnswersKeepsTheRequestOpen) {
    ASSERT_TRUE(startPortal({"--silent"}));
    helper("zenity", "/wrong", 0);
    auto answer = std::make_shared<std::promise<ChosenFile>>();
    std::future<ChosenFile> chosen = answer->get_future();
    platform::desktop::chooseFile("", "T", [answer](const ChosenFile& f) { answer->set_value(f); });
    // The request reached the portal, which shows its chooser until the user is done.
    while (read(log()).empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(chosen.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    EXPECT_FALSE(fs::exists(dir_ / "helpers.log"));
}

TEST_F(DesktopPortalThread, DarkPreferenceFromThePortalOrTheGtkTheme) {
    struct Case {
        const char* name;
        int scheme;  // -1: no portal
        const char* gtkTheme;
        bool dark;
    };
    const Case cases[] = {
        {"portal prefers dark", 1, nullptr, true},
        {"portal has no preference", 0, nullptr, false},
        {"portal prefers light", 2, nullptr, false},
        {"dark GTK theme, no portal", -1, "Adwaita:dark", true},
        {"light GTK theme, no portal", -1, "Adwaita", false},
        {"dark GTK theme wins over the portal", 0, "Adwaita:dark", true},
        {"nothing at all", -1, nullptr, false},
    };
    for (const Case& c : cases) {
        portal_.reset();
        if (c.scheme >= 0) {
            ASSERT_TRUE(startPortal({"--scheme", std::to_string(c.scheme)}));
        }
        if (c.gtkTheme)
            ::setenv("GTK_THEME", c.gtkTheme, 1);
        else
            ::unsetenv("GTK_THEME");
        EXPECT_EQ(platform::desktop::prefersDark(std::chrono::seconds(30)), c.dark) << c.name;
    }
    ::unsetenv("GTK_THEME");
}

}  // namespace
}  // namespace portal_testing
