// A plain top-level window that hosts a tool of the drop-dialog frame for the tests: the action
// selector, the tool's content pile and a drop area above them, with the frame's window side
// (hand-offs by window notification, message boxes, the action selection). Menus and the status
// bar are left out; what they show is kept as values.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/dialogs/dragndrop/IDialogView.h"
#include "gui/events/IEventListener.h"

namespace s::gui {
class IBox;
class IComboBox;
}  // namespace s::gui
namespace s::gui::win {
class Box;
class Window;
}  // namespace s::gui::win
namespace s::gui::dialogs::dragndrop {
class Dialog;
}

namespace dialog_testing {

class HostWindow : public s::gui::dialogs::dragndrop::IDialogView,
                   public s::gui::events::IEventListener {
public:
    explicit HostWindow(s::gui::dialogs::dragndrop::Dialog* dialog);
    ~HostWindow() override;

    void build();
    void show();
    s::gui::win::Window* window() const { return window_; }

    void onEvent(void* source, std::int32_t code) override;

    void handOff(const std::function<void()>& call) override;
    void serveUntil(const std::function<bool()>& done) override;
    void setStatusText(const char16_t* text) override { status_ = text; }
    void setSecondStatusText(const char16_t*) override {}
    void setProgress(std::int64_t, std::int64_t) override {}
    void showProgressArea(bool) override {}
    void showError(const char16_t* text) override;
    void openLink(const char16_t*) override {}
    void openAbout() override {}
    std::uint32_t actionCount() override;
    std::u16string actionText(std::uint32_t index) override;
    void setActionText(std::uint32_t index, const char16_t* text) override;
    std::int32_t selectedAction() override;
    void selectAction(std::uint32_t index) override;
    bool isChecked(std::int32_t) override { return false; }
    void setChecked(std::int32_t, bool) override {}
    void setKeepOnTopBox(bool) override {}
    void setKeepOnTop(bool on) override;
    void setEasyDrag(bool) override {}
    void setMiddleClickAction(const char16_t*) override {}
    void normalSize(std::int32_t* width, std::int32_t* height) override;
    std::uint32_t themeCount() override;
    std::u16string themeName(std::uint32_t index) override;
    void applyTheme(const char16_t* name) override;
    void relayout() override;

    const std::u16string& status() const { return status_; }

private:
    s::gui::dialogs::dragndrop::Dialog* dialog_;
    s::gui::win::Window* window_ = nullptr;
    s::gui::IComboBox* actions_ = nullptr;
    s::gui::IBox* content_ = nullptr;
    s::gui::win::Box* dropArea_ = nullptr;
    std::u16string status_;
};

}  // namespace dialog_testing
