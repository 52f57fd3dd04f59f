// The window side of the drop-dialog frame: the widgets, menus and window options its run state,
// commands and notifications act on. The frame's own window implements it on the toolkit's
// widgets; tests put a small stand-in in its place.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace s::gui::dialogs::dragndrop {

class IDialogView {
public:
    virtual ~IDialogView() = default;

    // Runs call on the user-interface thread and returns after it has run (a direct call on
    // that thread). The worker's notifications travel this way, in the order sent.
    virtual void handOff(const std::function<void()>& call) = 0;
    // Runs call on the user-interface thread without waiting for it (a direct call on that
    // thread). Such calls keep their order among themselves; a hand-off made after one may run
    // before it.
    virtual void handOffLater(std::function<void()> call) { handOff(call); }
    // On the user-interface thread: keeps answering hand-offs (and the window's own messages)
    // until done() is true.
    virtual void serveUntil(const std::function<bool()>& done) = 0;

    // Status bar.
    virtual void setStatusText(const char16_t* text) = 0;
    virtual void setSecondStatusText(const char16_t* text) = 0;
    virtual void setProgress(std::int64_t maximum, std::int64_t position) = 0;
    // true: the progress area shows and the brand link hides; false: the other way round.
    virtual void showProgressArea(bool show) = 0;

    // An error message box over the window; returns when it is closed.
    virtual void showError(const char16_t* text) = 0;
    // Opens a web address in the user's browser.
    virtual void openLink(const char16_t* address) = 0;
    virtual void openAbout() = 0;

    // The action selector: shown texts, selection (selecting shows only that action's page).
    virtual std::uint32_t actionCount() = 0;
    virtual std::u16string actionText(std::uint32_t index) = 0;
    virtual void setActionText(std::uint32_t index, const char16_t* text) = 0;
    virtual std::int32_t selectedAction() = 0;
    virtual void selectAction(std::uint32_t index) = 0;
    // The drop area's hint: the pack text of that number, following the language.
    virtual void setDropHint(std::int32_t textId) = 0;

    // Menu check marks by command number.
    virtual bool isChecked(std::int32_t command) = 0;
    virtual void setChecked(std::int32_t command, bool on) = 0;
    // The keep-on-top check box (without firing its listeners).
    virtual void setKeepOnTopBox(bool on) = 0;

    // Window options; the window stores them in its attached settings.
    virtual void setKeepOnTop(bool on) = 0;
    virtual void setEasyDrag(bool on) = 0;
    virtual void setMiddleClickAction(const char16_t* action) = 0;
    // The window's size when neither maximised nor minimised (the last such size otherwise).
    virtual void normalSize(std::int32_t* width, std::int32_t* height) = 0;
    // The colour themes the window can wear, in menu order, and switching to one by name.
    virtual std::uint32_t themeCount() = 0;
    virtual std::u16string themeName(std::uint32_t index) = 0;
    virtual void applyTheme(const char16_t* name) = 0;

    // Texts changed: measure and lay out again.
    virtual void relayout() = 0;
};

}  // namespace s::gui::dialogs::dragndrop
