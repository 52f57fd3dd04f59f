// The window program from start to exit: the command line, the display, the system check, one
// instance per user and display, the application base and the main window's settings, the
// file-hash dialog in its frame until the window is closed, and the release of everything.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

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

    int runWindow(const std::string& file, int action);
    // From the instance listener: raise the window and take file (absolute; may be empty).
    void onSecondStart(const std::string& file);
    // From the signal watcher: close the window as its close button does.
    void onCloseSignal();
    Requests takeRequests();
    // Serves requests on the main thread until the window has been closed; dropped: a FILE of
    // the command line was dropped.
    void serve(MainFrame* frame, bool dropped);
    // Appends the summary the window shows to the report file (VERITOME_REPORT_FILE): what a
    // script or a test that started the program with a FILE reads back.
    void report(MainFrame* frame);
    static void raise(s::gui::IWindow* window);

    std::string reportFile_;
    std::mutex lock_;
    Requests requests_;
    std::atomic<bool> pending_{false};
};

}  // namespace veritome
