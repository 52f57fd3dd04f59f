// The file-hash dialog in a real window on the tests' own X server: the application base over an
// XML store in a temporary folder, the frame's window, drops pushed as SDL events, clicks through
// XTEST, the clipboard read with xclip, and a watcher that closes every message box and keeps
// what it said.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "file/gui/dialogs/filehash/Dialog.h"
#include "gui/IComponent.h"
#include "gui/dialogs/dragndrop/FrameWindow.h"

namespace s::gui::drawer {
class Skinner;
}

namespace dialog_testing {

namespace fs = std::filesystem;
using s::file::gui::dialogs::filehash::Dialog;
using s::file::gui::dialogs::filehash::Row;
using s::file::gui::dialogs::filehash::VerifyField;
// The frame, counting the worker's hand-offs to the window's thread.
class HostWindow : public s::gui::dialogs::dragndrop::FrameWindow {
public:
    using FrameWindow::FrameWindow;
    void handOff(const std::function<void()>& call) override {
        ++handOffs;
        FrameWindow::handOff(call);
    }
    // The frame hides its progress area at the end of every run.
    void showProgressArea(bool show) override {
        FrameWindow::showProgressArea(show);
        if (show) return;
        endedAt = std::chrono::steady_clock::now().time_since_epoch().count();
        ++runsEnded;
    }
    std::atomic<int> handOffs{0};
    std::atomic<int> runsEnded{0};
    std::atomic<std::chrono::steady_clock::rep> endedAt{0};  // of the last run
};

bool waitFor(const std::function<bool()>& condition, int ms = 10000);
std::string utf8(const std::u16string& text);
// Writes bytes to a file (made or replaced).
void writeFile(const fs::path& path, const std::string& bytes);
// Output of veritome-cli with the arguments (a shell fragment).
std::string cli(const std::string& arguments);

class DialogWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds and shows the window over the store in dir (kept between openings).
    void open();
    // Closes the window as the user does and lets everything go; the store is written.
    void close();

    // Files dropped on the window at the pointer's place; with waitForEnd, returns when the run
    // they started has ended (or a box refused them).
    void drop(const fs::path& path, bool waitForEnd = true);
    void dropMany(const std::vector<fs::path>& paths, bool waitForEnd = false);
    // Drops path onto a component (scrolled into view) and waits for the run to end.
    void dropOnto(s::gui::IComponent* component, const fs::path& path);
    bool waitIdle();
    // A left click through XTEST in the middle of a component (scrolled into view first).
    void click(s::gui::IComponent* component);
    // Types text through XTEST into the focused widget (ASCII).
    void type(const std::string& text);
    std::string clipboard();
    void setClipboard(const std::string& bytes);
    void selectAction(int index);
    // Switches to the pack language of that English name on the window's thread.
    void switchLanguage(const char16_t* engName);
    std::u16string text(Row row);
    std::u16string text(VerifyField field);
    // Messages shown in boxes since the last call.
    std::vector<std::u16string> takeMessages();

    fs::path dir;
    std::chrono::steady_clock::time_point droppedAt;  // the last drop's events were pushed
    s::app::win::AppBase* base = nullptr;
    s::app::win::AppWindow* settings = nullptr;
    s::gui::drawer::Skinner* skinner = nullptr;
    Dialog* dialog = nullptr;
    std::unique_ptr<HostWindow> frame;

private:
    void pushDrop(const std::vector<fs::path>& paths, s::gui::IComponent* onto = nullptr);
    void watchBoxes();
    std::thread watcher_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::u16string> seenBoxes_;
    std::atomic<int> boxes_{0};
};

}  // namespace dialog_testing
