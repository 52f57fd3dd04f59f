// The main window as the program drives it: built and shown with the window settings attached,
// given files as if dropped, and asked what it shows: the file-hash dialog in the drop-dialog
// frame.
#pragma once

#include <memory>
#include <string>

namespace s::app::win {
class AppWindow;
}
namespace s::gui::win {
class Window;
}

namespace veritome {

class MainFrame {
public:
    virtual ~MainFrame() = default;

    // Builds the window on the settings (its size, options and saved theme) and shows it.
    virtual void open() = 0;
    // The window, once open.
    virtual s::gui::win::Window* window() const = 0;
    // Takes file (an absolute path, the operating system's bytes) as if it had been dropped on
    // the window. Called from a thread other than the window's.
    virtual void drop(const std::string& file) = 0;
    // Takes file as if dropped onto the entered-code field: its code becomes the code to match.
    // Called from a thread other than the window's.
    virtual void dropCodeFile(const std::string& file) {}
    // Shows action index (0 calculate, 1 verify) for what comes next; the stored choice stays.
    // Called from a thread other than the window's.
    virtual void showAction(int index) {}
    // A file is being processed.
    virtual bool isBusy() const = 0;
    // Waits up to limitMs for a run that was cancelled to end; false when its worker is still
    // held (a read that does not return): then the frame must not be destroyed.
    virtual bool settle(unsigned limitMs) = 0;
    // The summary of the last file the window shows.
    virtual std::u16string summary() = 0;

    // The main window of the program on these settings (not owned).
    static std::unique_ptr<MainFrame> create(s::app::win::AppWindow* settings);
};

}  // namespace veritome
