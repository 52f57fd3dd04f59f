// The frame in a real (headless) window: a file dropped on the drop area runs the tool's task,
// a second drop is ignored, Cancel and the end texts reach the status bar, and a close during
// a run waits for the worker.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "../StandIns.h"
#include "gui/dialogs/About3.h"
#include "gui/dialogs/dragndrop/FrameWindow.h"
#include "gui/win/Button.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Label.h"
#include "gui/win/MenuEx.h"
#include "gui/win/StatusBar.h"
#include "gui/win/Window.h"
#include "platform/window/Backend.h"
#include "platform/window/Input.h"
#include "platform/window/Text.h"
#include "thread/win/Thread.h"

namespace s::frame_testing {
namespace {

namespace fs = std::filesystem;
namespace pw = platform::window;
using gui::dialogs::dragndrop::FrameWindow;

bool eventually(const std::function<bool()>& condition) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

class FrameWindowRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() { pw::startBackend(pw::BackendKind::kHeadless); }
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("frame-window-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "data.bin";
        std::ofstream(file) << "abc";
        settings = std::make_unique<StandInSettings>(dir / "SaveData.xml");
        tool = StandInTool::create();
        tool->bind(settings.get());
        frame = std::make_unique<FrameWindow>(tool);
        frame->build();
        frame->show();
    }
    void TearDown() override {
        tool->cancel();
        tool->allowed = 1000;
        frame.reset();
        tool->worker()->waitIdle();
        tool->release();
        settings.reset();
        fs::remove_all(dir);
    }
    pw::Point centreOf(gui::IComponent* c) {
        return pointOf(c, {c->getWidth() / 2, c->getHeight() / 2});
    }
    // A point of a component in the window's client coordinates.
    pw::Point pointOf(gui::IComponent* c, pw::Point p) {
        gui::win::Window* w = frame->window();
        return {c->getScreenX() - w->getScreenX() + p.x, c->getScreenY() - w->getScreenY() + p.y};
    }
    pw::Colour pixel(pw::Point p) {
        pw::Handle top = frame->window()->getNativeWindow();
        pw::update(top);
        pw::Colour c = 0;
        pw::pixelAt(top, p, &c);
        return c;
    }
    void dropFile() {
        pw::input::dropFiles(frame->window()->getNativeWindow(), centreOf(frame->dropArea()),
                             {file.u16string()});
    }
    void click(gui::IComponent* c) {
        pw::Handle top = frame->window()->getNativeWindow();
        pw::input::mouseButton(top, centreOf(c), pw::MouseButton::kLeft, true);
        pw::input::mouseButton(top, centreOf(c), pw::MouseButton::kLeft, false);
    }
    std::u16string status() { return frame->statusLabel()->getText(); }

    fs::path dir;
    fs::path file;
    std::unique_ptr<StandInSettings> settings;
    StandInTool* tool = nullptr;
    std::unique_ptr<FrameWindow> frame;
};

TEST_F(FrameWindowRun, DropRunsIgnoresASecondDropAndCancelEndsReady) {
    EXPECT_EQ(status(), u"Ready");
    dropFile();
    ASSERT_TRUE(eventually([&] { return tool->isBusy(); }));
    tool->allowed = 2;
    ASSERT_TRUE(eventually([&] { return status() == file.u16string(); }));
    // While it runs, the status text follows the progress bar and Cancel.
    gui::IComponent* cancel = frame->cancelButton();
    EXPECT_TRUE(cancel->isShown());
    EXPECT_GT(cancel->getWidth(), 0);
    EXPECT_GE(frame->statusLabel()->getScreenX(), cancel->getScreenX() + cancel->getWidth());
    dropFile();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(tool->beforeRuns, 1);
    click(frame->cancelButton());
    ASSERT_TRUE(eventually([&] { return !tool->isBusy(); }));
    EXPECT_TRUE(eventually([&] { return status() == u"Ready"; }));
    EXPECT_LT(tool->blocksRead.load(), 100);
    // Idle again: the hidden progress area leaves no gap before the brand link and the text.
    EXPECT_TRUE(eventually([&] {
        return frame->statusLabel()->getScreenX() - frame->statusBar()->getScreenX() < 100;
    }));
}

TEST_F(FrameWindowRun, EscapeDuringARunIsItsCancel) {
    pw::Handle top = frame->window()->getNativeWindow();
    pw::input::key(top, pw::vk::kEscape, true);  // idle: nothing to cancel
    pw::input::key(top, pw::vk::kEscape, false);
    dropFile();
    ASSERT_TRUE(eventually([&] { return tool->isBusy(); }));
    tool->allowed = 2;
    ASSERT_TRUE(eventually([&] { return status() == file.u16string(); }));
    EXPECT_FALSE(tool->isCancelled());
    pw::input::key(top, pw::vk::kEscape, true);
    pw::input::key(top, pw::vk::kEscape, false);
    ASSERT_TRUE(eventually([&] { return !tool->isBusy(); }));
    EXPECT_TRUE(eventually([&] { return status() == u"Ready"; }));
    EXPECT_EQ(tool->beforeRuns, 1);
}

TEST_F(FrameWindowRun, DropsOnTheMenuBarAndTheStatusBarStartARunToo) {
    gui::win::MenuEx* bar = frame->menuBar();
    gui::win::StatusBar* status = frame->statusBar();
    pw::Rect entry = bar->getEntryRect(0);
    struct Target {
        const char* name;
        pw::Point at;
    };
    const Target targets[] = {
        {"a menu-bar entry", pointOf(bar, {entry.x + entry.width / 2, entry.height / 2})},
        {"the menu bar beside its entries", pointOf(bar, {bar->getWidth() - 4, 4})},
        {"the status bar's body", pointOf(status, {status->getWidth() / 2, 3})},
        {"the status label", centreOf(frame->statusLabel())},
        {"the drop area", centreOf(frame->dropArea())},
    };
    int runs = 0;
    for (const Target& t : targets) {
        SCOPED_TRACE(t.name);
        pw::input::dropFiles(frame->window()->getNativeWindow(), t.at, {file.u16string()});
        ASSERT_TRUE(eventually([&] { return tool->isBusy(); }));
        EXPECT_EQ(++runs, tool->beforeRuns);
        tool->cancel();
        ASSERT_TRUE(eventually([&] { return !tool->isBusy(); }));
    }
}

TEST_F(FrameWindowRun, MenuBarAtTheTopStatusBarAtTheBottomAndAWhiteContentArea) {
    gui::win::Window* w = frame->window();
    EXPECT_EQ(frame->menuBar()->getY(), 0);
    EXPECT_EQ(frame->menuBar()->getEntryCount(), 3);
    EXPECT_EQ(frame->menuBar()->getEntryText(0), u"View");
    EXPECT_EQ(frame->menuBar()->getEntryText(2), u"About");
    gui::win::StatusBar* status = frame->statusBar();
    EXPECT_EQ(status->getY(), w->getClientHeight());
    EXPECT_EQ(status->getY() + status->getHeight(), w->getHeight());
    EXPECT_EQ(status->getWidth(), w->getClientWidth());
    // The status fields are inside the bar, the content pile above it.
    EXPECT_GE(frame->statusLabel()->getScreenY(), status->getScreenY());
    gui::IComponent* content = frame->contentPile();
    EXPECT_LE(content->getScreenY() + content->getHeight(), status->getScreenY());
    EXPECT_EQ(pixel(centreOf(content)), pw::rgb(255, 255, 255));
    EXPECT_EQ(pixel(pointOf(content, {-1, content->getHeight() / 2})), pw::rgb(145, 155, 156));
    EXPECT_EQ(pixel(pointOf(content, {content->getWidth() / 2, content->getHeight()})),
              pw::rgb(145, 155, 156));
}

TEST_F(FrameWindowRun, MenuCommandsReachTheFrameThroughTheWindow) {
    pw::Handle top = frame->window()->getNativeWindow();
    ASSERT_TRUE(frame->isChecked(120));  // Easy Drag, from the settings
    EXPECT_EQ(pw::send(top, pw::msg::kCommand, 120), 1);
    EXPECT_FALSE(frame->isChecked(120));
    EXPECT_FALSE(frame->window()->getEasyDrag());
    EXPECT_EQ(pw::send(top, pw::msg::kCommand, 120), 1);
    EXPECT_TRUE(frame->window()->getEasyDrag());
    EXPECT_EQ(pw::send(top, pw::msg::kCommand, 99999), 0);
}

// The desktop's file chooser, where no portal answers: a helper program in PATH (or none).
class FrameFileChooser : public FrameWindowRun {
protected:
    void SetUp() override {
        FrameWindowRun::SetUp();
        // No session bus for this process: the helpers come next.
        ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus", 1);
        savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        fs::create_directories(dir / "bin");
        ::setenv("PATH", (dir / "bin").c_str(), 1);
    }
    void TearDown() override {
        ::setenv("PATH", savedPath.c_str(), 1);
        FrameWindowRun::TearDown();
    }
    void zenityChooses(const fs::path& chosen) {
        const fs::path zenity = dir / "bin" / "zenity";
        std::ofstream(zenity) << "#!/bin/sh\necho '" << chosen.string() << "'\n";
        fs::permissions(zenity, fs::perms::owner_all);
    }
    void ctrlO() {
        pw::Handle top = frame->window()->getNativeWindow();
        pw::input::key(top, pw::vk::kControl, true);
        pw::input::key(top, 'O', true);
        pw::input::key(top, 'O', false);
        pw::input::key(top, pw::vk::kControl, false);
    }
    std::string savedPath;
};

TEST_F(FrameFileChooser, AClickOnTheDropAreaOrCtrlOTakesTheChosenFileAsDropped) {
    zenityChooses(file);
    struct Way {
        const char* name;
        std::function<void()> open;
    };
    const Way ways[] = {{"click", [&] { click(frame->dropArea()); }}, {"Ctrl+O", [&] { ctrlO(); }}};
    int runs = 0;
    for (const Way& w : ways) {
        SCOPED_TRACE(w.name);
        w.open();
        ASSERT_TRUE(eventually([&] { return tool->isBusy(); }));
        EXPECT_EQ(++runs, tool->beforeRuns);
        // The run reads the chosen file.
        tool->allowed = tool->blocksRead.load() + 1;
        EXPECT_TRUE(eventually([&] { return status() == file.u16string(); }));
        tool->cancel();
        ASSERT_TRUE(eventually([&] { return !tool->isBusy(); }));
    }
}

TEST_F(FrameFileChooser, WithoutAnyChooserTheStatusBarSaysSo) {
    click(frame->dropArea());
    EXPECT_TRUE(eventually([&] { return status() == tool->text(4100300); }))
        << pw::toUtf8(status());
    EXPECT_EQ(tool->beforeRuns, 0);
}

TEST_F(FrameWindowRun, CloseDuringARunWaitsForTheWorker) {
    dropFile();
    ASSERT_TRUE(eventually([&] { return tool->isBusy(); }));
    tool->allowed = 1;
    ASSERT_TRUE(eventually([&] { return tool->blocksRead.load() == 1; }));
    pw::input::closeRequest(frame->window()->getNativeWindow());
    frame->window()->waitUntilClosed();
    EXPECT_TRUE(tool->worker()->isIdle());
    EXPECT_FALSE(tool->isBusy());
}

TEST_F(FrameWindowRun, ClosingTheWindowClosesTheAboutWindowFirst) {
    frame->openAbout();
    ASSERT_NE(frame->about(), nullptr);
    EXPECT_TRUE(frame->about()->isOpen());
    EXPECT_FALSE(frame->window()->isEnabled());
    frame->requestClose();
    EXPECT_TRUE(eventually([&] { return frame->window()->isClosed(); }));
    EXPECT_FALSE(frame->about()->isOpen());
    // A second opening makes a new window; the first is released with the object at the end.
    frame->openAbout();
    EXPECT_TRUE(frame->about()->isOpen());
}

}  // namespace
}  // namespace s::frame_testing
