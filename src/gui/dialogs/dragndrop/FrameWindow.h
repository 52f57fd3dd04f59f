// The window of the drop-dialog frame: menu bar (View with the theme list, Language, About), the
// drop area, the action row, the tool's content pile and the status bar with progress, Cancel
// and the brand link. It is the frame's window side and runs the window until it is closed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "gui/dialogs/dragndrop/IDialogView.h"
#include "gui/events/IEventListener.h"

namespace s::app {
class IAppWindow;
}
namespace s::gui::drawer {
class Skinner;
}
namespace s::gui {
class IBox;
class IComponent;
class IComboBox;
class IPopupMenu;
}  // namespace s::gui
namespace s::gui::win {
class Window;
class MenuEx;
class PopupMenu;
class Label;
class CheckBox;
class GroupBox;
class ProgressBar;
class Button;
class StatusBar;
class ComboBox;
class Box;
}  // namespace s::gui::win

namespace s::gui::dialogs {
class About3;
}

namespace s::gui::dialogs::dragndrop {

class Dialog;

class FrameWindow : public IDialogView, public events::IEventListener {
public:
    explicit FrameWindow(Dialog* dialog);
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;
    ~FrameWindow() override;

    // Builds the window, shows it and returns when it has been closed.
    void buildAndRun();
    // Builds the window without showing it (tests drive it from here).
    void build();
    void show();
    // Closes the window as the program asks (a signal, a second start): the About window
    // first, since a window under an open About window is disabled and waits for it.
    void requestClose();
    // Opens the desktop's file chooser (a click on the drop area, Ctrl+O): the chosen file is
    // taken as if it had been dropped; without any chooser the status bar says so.
    void openFileChooser();
    win::Window* window() const { return window_; }
    // Parts the tests drive.
    win::Label* statusLabel() const { return status_; }
    win::Label* brandLink() const { return brand_; }
    win::MenuEx* menuBar() const { return menuBar_; }
    win::StatusBar* statusBar() const { return statusBar_; }
    win::GroupBox* dropArea() const { return dropArea_; }
    win::Label* dropHint() const { return dropHint_; }
    win::Button* cancelButton() const { return cancel_; }
    IComboBox* actionSelector() const { return actions_; }
    IBox* contentPile() const { return content_; }
    dialogs::About3* about() const { return about_; }

    void onEvent(void* source, std::int32_t code) override;

    // IDialogView.
    void handOff(const std::function<void()>& call) override;
    void handOffLater(std::function<void()> call) override;
    void serveUntil(const std::function<bool()>& done) override;
    void setStatusText(const char16_t* text) override;
    void setSecondStatusText(const char16_t* text) override;
    void setProgress(std::int64_t maximum, std::int64_t position) override;
    void showProgressArea(bool show) override;
    void showError(const char16_t* text) override;
    void openLink(const char16_t* address) override;
    void openAbout() override;
    std::uint32_t actionCount() override;
    std::u16string actionText(std::uint32_t index) override;
    void setActionText(std::uint32_t index, const char16_t* text) override;
    std::int32_t selectedAction() override;
    void selectAction(std::uint32_t index) override;
    void setDropHint(std::int32_t textId) override;
    bool isChecked(std::int32_t command) override;
    void setChecked(std::int32_t command, bool on) override;
    void setKeepOnTopBox(bool on) override;
    void setKeepOnTop(bool on) override;
    void setEasyDrag(bool on) override;
    void setMiddleClickAction(const char16_t* action) override;
    void normalSize(std::int32_t* width, std::int32_t* height) override;
    std::uint32_t themeCount() override;
    std::u16string themeName(std::uint32_t index) override;
    void applyTheme(const char16_t* name) override;
    void relayout() override;

private:
    void buildMenus();
    void buildStatusBar();
    void buildDropArea();
    void closeAbout();
    // The chooser's answer, on the window's thread.
    void onFileChosen(int outcome, const std::string& path);

    // Files dropped anywhere else on the window (menu bar, status bar, rows) start a run too.
    struct WindowDrops : events::IEventListener {
        void onEvent(void* source, std::int32_t code) override;
        FrameWindow* frame = nullptr;
    };

    // What the chooser's answer reaches the frame through, from the desktop's bus thread: the
    // frame while it lives.
    struct ChooserLink;
    std::shared_ptr<ChooserLink> chooserLink_;

    Dialog* dialog_;
    win::Window* window_ = nullptr;
    // Calls handed over without waiting, run by one message posted to the window; a message
    // for a window that is gone is dropped.
    std::mutex laterLock_;
    std::vector<std::function<void()>> later_;
    bool laterPosted_ = false;
    std::function<void()> runLater_;
    WindowDrops windowDrops_;
    // The menu bar owns the menus; the pointers below are for their commands and marks.
    win::MenuEx* menuBar_ = nullptr;
    win::PopupMenu* viewMenu_ = nullptr;
    win::PopupMenu* themeMenu_ = nullptr;
    win::PopupMenu* languageMenu_ = nullptr;
    win::PopupMenu* aboutMenu_ = nullptr;
    win::CheckBox* keepOnTop_ = nullptr;
    win::GroupBox* dropArea_ = nullptr;
    IComboBox* actions_ = nullptr;
    IBox* content_ = nullptr;
    win::StatusBar* statusBar_ = nullptr;
    win::Label* status_ = nullptr;
    win::Label* dropHint_ = nullptr;
    win::Label* second_ = nullptr;
    win::Label* brand_ = nullptr;
    win::Box* brandArea_ = nullptr;
    win::Box* progressArea_ = nullptr;
    std::int32_t progressWidth_ = 0;
    win::ProgressBar* progress_ = nullptr;
    win::Button* cancel_ = nullptr;
    About3* about_ = nullptr;
    // The About window's own settings ("AboutWindow", with its own skinner), made once.
    app::IAppWindow* aboutSettings_ = nullptr;
    drawer::Skinner* aboutSkinner_ = nullptr;
};

}  // namespace s::gui::dialogs::dragndrop
