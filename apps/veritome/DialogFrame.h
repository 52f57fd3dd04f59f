// The file-hash dialog in the drop-dialog frame: the program's main window.
#pragma once

#include <memory>

#include "MainFrame.h"

namespace s::file::gui::dialogs::filehash {
class Dialog;
}
namespace s::gui::dialogs::dragndrop {
class FrameWindow;
}

namespace veritome {

class DialogFrame final : public MainFrame {
public:
    explicit DialogFrame(s::app::win::AppWindow* settings);
    ~DialogFrame() override;  // closes the window, waits for the worker, gives the dialog back

    void open() override;
    s::gui::win::Window* window() const override;
    void drop(const std::string& file) override;
    void dropCodeFile(const std::string& file) override;
    void showAction(int index) override;
    bool isBusy() const override;
    bool settle(unsigned limitMs) override;
    std::u16string summary() override;

private:
    s::file::gui::dialogs::filehash::Dialog* dialog_;
    std::unique_ptr<s::gui::dialogs::dragndrop::FrameWindow> frame_;
};

}  // namespace veritome
