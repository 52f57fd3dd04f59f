// The window program from start to exit: the command line, the display, the system check, one
// instance per user and display, the application base and the main window's settings, the
// file-hash dialog in its frame until the window is closed, and the release of everything.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gui/events/IEventListener.h"

namespace s::app::win {
class AppBase;
}
namespace s::gui {
class IWindow;
}

namespace veritome {

class MainFrame;

class Program {
public:
    // Exit statuses.
    static constexpr int kOk = 0;
    static constexpr int kFailure = 1;  // no display, no answer from the running instance...
    static constexpr int kUsage = 2;    // a wrong command line

    // The name of the instance socket, the window class and the settings folder.
    static constexpr const char* kName = "veritome";

    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the program; the exit status.
    int run(int argc, char** argv);

private:
    // What the listener and signal threads ask; the main thread carries it out.
    struct Requests {
        bool raise = false;
        bool close = false;
        std::vector<std::string> files;
    };

    // compareWith: --compare's second file (file's code is the one to match).
    int runWindow(const std::string& file, int action, const std::string& compareWith);
    // Wakes the main thread when the window is being closed.
    class CloseWatch final : public s::gui::events::IEventListener {
    public:
        explicit CloseWatch(Program* program) : program_(program) {}
        void onEvent(void* source, std::int32_t code) override;

    private:
        Program* program_;
    };

    // How long a second start's request may wait for the main thread to take it (the second
    // start waits a little longer for the answer).
    static constexpr std::chrono::milliseconds kTakeLimit{2500};
    // How often the main thread looks whether a busy window has become free, while files wait
    // for it or a report is owed (never while idle).
    static constexpr std::chrono::milliseconds kBusyLook{50};
    // How long the end waits for the worker of a cancelled run (the close waited already).
    static constexpr unsigned kSettleMs = 500;

    // From the instance listener: raise the window and take file (absolute; may be empty).
    // Returns once the main thread has taken the request (true), or gave up waiting (false).
    bool onSecondStart(const std::string& file);
    // From the signal watcher: close the window as its close button does, ending the About
    // window and open boxes first (as their Close or Cancel). A second signal, or a close not
    // carried out within kCloseLimit, ends the process at once (exitNow).
    void onCloseSignal();
    static constexpr std::chrono::seconds kCloseLimit{5};
    // Ends the process after a best-effort settings write, without waiting for anything else.
    [[noreturn]] static void exitNow();
    // The close limit's watch: ends the process unless serving ended in time.
    void watchCloseLimit();
    // Stops the watch (serving has ended) and waits for it.
    void endCloseWatch();
    // Serves requests on the main thread until the window has been closed; dropped: a FILE of
    // the command line was dropped. Files handed over while the window is busy (a run, a box)
    // wait for it in order.
    // next: a file to drop once the window is free.
    void serve(MainFrame* frame, bool dropped, const std::string& next = {});
    // Appends the summary the window shows to the report file (VERITOME_REPORT_FILE): what a
    // script or a test that started the program with a FILE reads back.
    void report(MainFrame* frame);
    // Says once, in a box, that a damaged settings file was moved aside.
    static void tellOfDamagedSettings(s::app::win::AppBase* base);
    // The pack text of that box.
    static constexpr std::int32_t kDamagedSettingsText = 4700000;
    static void raise(s::gui::IWindow* window);

    std::string reportFile_;
    std::mutex lock_;
    std::condition_variable changed_;  // requests, their taking, the window's close
    Requests requests_;
    std::uint64_t asked_ = 0;  // requests of second starts so far
    std::uint64_t taken_ = 0;  // ... of which the main thread has taken
    bool closeSeen_ = false;
    bool serving_ = true;
    CloseWatch closeWatch_{this};
    int closeSignals_ = 0;
    std::thread closeLimit_;
};

}  // namespace veritome
