// The drop-dialog frame: a tool window that takes dropped files and processes them on a worker
// thread, with the run state (entry list under the frame lock, busy and cancel flags, progress),
// the notifications from the worker, the menu commands and the frame's settings. A tool derives
// from it, answers the hooks and replaces run() with its own task.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "base/IObject.h"
#include "gui/events/IEventListener.h"
#include "thread/ITask.h"
#include "thread/ObjLocker.h"

namespace s::app {
class IAppWindow;
}
namespace s::gui {
class IBox;
class IComboBox;
}  // namespace s::gui
namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}
namespace s::str::strarray {
class StrArray;
}
namespace s::str::strbuffer {
class StrBuffer;
}
namespace s::thread::win {
class Thread;
}
namespace s::file::win {
class PathWin;
}

namespace s::gui::dialogs::dragndrop {

class IDialogView;

// Notification names between a frame's task and the frame.
inline constexpr const char16_t* kProcessStatusStart = u"ProcessStatusStart";
inline constexpr const char16_t* kProcessStatusUpdate = u"ProcessStatusUpdate";
inline constexpr const char16_t* kProcessStatusEnd = u"ProcessStatusEnd";

// Command numbers of the frame's menus.
namespace command {
constexpr std::int32_t kTranslate = 0;
constexpr std::int32_t kFirstLanguage = 2;  // + the language's index in the pack
constexpr std::int32_t kKeepOnTop = 100;
constexpr std::int32_t kRightClickTransform = 110;
constexpr std::int32_t kEasyDrag = 120;
constexpr std::int32_t kCloseByMiddleClick = 125;
constexpr std::int32_t kFirstTheme = 300;  // + the theme's index in the skinner
constexpr std::int32_t kVersionInformation = 10000;
constexpr std::int32_t kSoftwarePage = 10100;
constexpr std::int32_t kTellDevelopers = 10200;
constexpr std::int32_t kOtherSoftware = 10900;
constexpr std::int32_t kWorkplace = 10950;
}  // namespace command

class Dialog : public events::IEventListener, public base::IObject, public thread::ITask {
public:
    // What a drop led to. Started: the worker took the paths; it checks the output folder of
    // the first one and then runs the task, or ends the run and shows why the folder will not
    // do (the window's thread never looks at a dropped path).
    enum class StartResult { Started, Empty, Busy, Declined };
    // The drop area's hint: "Please drop a single file here!"
    static constexpr std::int32_t kDropHintText = 1002000;

    // Decides whether a dropped file may be processed: folder is the folder holding it. Called
    // on the worker thread.
    using AccessCheck =
        std::function<bool(file::win::PathWin* folder, file::win::PathWin* file, bool write)>;

    Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    ~Dialog() override;

    const char16_t* typeName() const override { return u"s_gui_dialogs_dragndrop_Dialog"; }

    // The window settings the frame reads and writes (its section is sectionPath("View")),
    // and the localizer taken from them.
    void bind(app::IAppWindow* settings);
    app::IAppWindow* getAppWindow() const { return settings_; }
    lang::Localizer* getLocalizer() const { return localizer_; }
    // The window side; the frame's own window sets it when it is built.
    void setView(IDialogView* view) { view_ = view; }
    IDialogView* getView() const { return view_; }
    // Replaces the default access test of dropped files (tests; removable media).
    void setAccessCheck(AccessCheck check) { accessCheck_ = std::move(check); }

    // The text of a language-pack id in the current language (never null).
    const char16_t* text(std::int32_t id) const;

    // Builds the window, shows it and returns when it has been closed (the program's main
    // thread calls it; defined with the window in FrameWindow.cpp).
    void buildAndRun();

    // Events of the frame's widgets and window (user-interface thread).
    void onEvent(void* source, std::int32_t code) override;

    // Starting a run with dropped paths (user-interface thread).
    StartResult drop(const str::strarray::StrArray* paths);
    // Sets the cancel flag and shows "Canceling..".
    void cancel();
    // The close request: saves the size, lets the tool save, cancels a run and waits for the
    // worker to finish its block while answering its hand-offs.
    void closeRequested();
    // A menu command or the action selector's change (user-interface thread).
    void onCommand(std::int32_t command);
    void onActionSelected();
    // Wears the stored theme and marks it in the menu. With none stored (a first start) the
    // theme is the one named by the first-start choice, else the first one.
    void applyStoredTheme();
    void setFirstStartTheme(std::function<std::u16string()> choose) {
        firstStartTheme_ = std::move(choose);
    }
    // Theme n of the View menu's list was chosen: worn at once, marked and saved.
    void switchTheme(std::uint32_t n);
    // The keep-on-top check box changed: the window and the View menu's item follow it.
    void onKeepOnTopBox(bool on);
    // Chooses the action from ConvertTo, else defaultAction().
    void chooseAction();
    // The language item n was chosen: switch, save, relabel, lay out.
    void switchLanguage(std::uint32_t n);

    // The run state, for the task on the worker thread and for tests.
    bool isBusy() const { return busy_.load(std::memory_order_acquire); }
    bool isCancelled() const { return cancel_.load(std::memory_order_acquire); }
    // The cancel flag itself, for work that polls it on threads of its own.
    const std::atomic<bool>& cancelFlag() const { return cancel_; }
    std::uint32_t entryCount();
    // Copies entry i into path under the frame lock; false when there is none.
    bool entryAt(std::uint32_t i, str::strbuffer::StrBuffer* path);
    bool firstEntry(str::strbuffer::StrBuffer* path) { return entryAt(0, path); }
    // Sends a notification to the user-interface thread and returns after it was handled.
    // Values are integers or, for a text, the address of a StrBuffer. A progress step
    // (kProcessStatusUpdate) is the exception: it is handed over without waiting for the window
    // to show it, and a newer step replaces one not yet shown; any other notification shows the
    // step still waiting first.
    void notify(const char16_t* name, std::intptr_t a = 0, std::intptr_t b = 0,
                std::intptr_t c = 0);
    // The notification being handled (valid while onDialogEvent runs for it).
    const char16_t* notificationName() const { return noteName_; }
    std::intptr_t notificationValue(int i) const { return noteValues_[i]; }
    std::int64_t progressMaximum() const { return progressMax_; }
    std::int64_t progressPosition() const { return progressPos_; }
    thread::win::Thread* worker() const { return worker_; }

    // The frame's default task: one update per entry until cancelled.
    void run() override;

    // Scales a progress report into the range the progress bar takes (at most 32768 steps).
    static void scaleProgress(std::int64_t total, std::int64_t done, std::int64_t* maximum,
                              std::int64_t* position);

    // Hooks a tool answers.
    virtual std::int32_t smallWidth() const { return 250; }
    virtual std::int32_t smallHeight() const { return 250; }
    virtual std::int32_t largeWidth() const { return 450; }
    virtual std::int32_t largeHeight() const { return 450; }
    // The action selector with one item per action (null: an empty one).
    virtual IComboBox* newActionSelector() { return nullptr; }
    // The content pile, one page per action (null: an empty box).
    virtual IBox* newContent() { return nullptr; }
    // Registers the tool's listeners on its widgets, once the window is built.
    virtual void addListeners() {}
    // Called before a run starts (under the frame lock); false cancels the start.
    virtual bool beforeRun() { return true; }
    // The tool's own event handling, called first; true when it handled the event.
    virtual bool onDialogEvent(void* source, std::int32_t code) { return false; }
    virtual bool supportsCompactView() const { return true; }
    virtual bool defaultCompactView() const { return true; }
    virtual std::int32_t dropAreaMinWidth() const { return 125; }
    virtual std::int32_t cancelButtonWidth() const { return 0; }
    virtual std::int32_t progressGap() const { return 0; }
    virtual std::int32_t defaultAction() const { return 0; }
    virtual bool hasOutputFolder() const { return false; }
    // The language-pack id of action i's shown text, so that a language change relabels the
    // selector; -1 leaves the text as it is.
    virtual std::int32_t actionTextId(std::uint32_t index) const { return -1; }
    // The action a stored ConvertTo names that no current action text equals (a text of an
    // earlier version); -1 for none.
    virtual std::int32_t actionOfStoredText(const std::u16string& stored) const { return -1; }
    // The pack text of the drop area's hint while action is selected.
    virtual std::int32_t dropHintText(std::int32_t action) const { return kDropHintText; }
    // Called after a run ended, once the end texts are shown.
    virtual void onRunEnded() {}
    // Called when the output-folder check refused a drop, before its message shows.
    virtual void onRunRefused() {}

    // Section of the frame's settings (MainWindow\View).
    std::u16string section() const;
    // LargeWidth/LargeHeight as stored when valid, else the hooks' sizes.
    std::int32_t storedLargeWidth() const;
    std::int32_t storedLargeHeight() const;

    // Identity of the window for events (onEvent(windowSource(), 1 or 2)).
    void* windowSource() const { return windowSource_; }
    void setWindowSource(void* source) { windowSource_ = source; }

protected:
    // Clears the run state and the first-start theme choice; a tool's recycle calls it. The
    // worker must be idle.
    void reset();

private:
    // Handles a notification on the user-interface thread.
    void onNotification(const char16_t* name, std::intptr_t a, std::intptr_t b, std::intptr_t c);
    // The progress step not yet shown (user-interface thread); nothing when there is none.
    void showWaitingStep();
    void endRun();
    // The worker's start: the output-folder check of the first dropped path, then the task.
    struct Start : thread::ITask {
        void run() override;
        Dialog* dialog = nullptr;
    };
    void checkThenRun();
    // The output-folder check of the first dropped path (worker thread): true when usable; else
    // message is filled with the text to show.
    bool checkOutputFolder(const str::strbuffer::StrBuffer* path, std::u16string* message);
    // The check refused the drop (user-interface thread): the run state ends and the message
    // shows.
    void refuseRun(const std::u16string& message);
    map::IMappedData* store() const;

    app::IAppWindow* settings_ = nullptr;
    lang::Localizer* localizer_ = nullptr;
    IDialogView* view_ = nullptr;
    AccessCheck accessCheck_;
    std::function<std::u16string()> firstStartTheme_;
    void* windowSource_ = nullptr;

    thread::ObjLocker lock_;  // the frame lock: entry list and busy flag change under it
    str::strarray::StrArray* entries_;
    std::atomic<bool> busy_{false};
    std::atomic<bool> cancel_{false};
    thread::win::Thread* worker_;
    Start start_;

    std::int64_t progressMax_ = 0;
    std::int64_t progressPos_ = 0;
    std::int64_t startTime_ = 0;
    std::int32_t outputFolderSetting_ = 11;  // 11: the folder holding the dropped file
    bool compact_ = false;

    const char16_t* noteName_ = nullptr;
    std::intptr_t noteValues_[3] = {0, 0, 0};

    // The latest progress step the worker handed over, with a copy of its label.
    struct Step {
        bool waiting = false;
        std::intptr_t total = 0;
        std::intptr_t done = 0;
        bool labelled = false;
        std::u16string label;
    };
    std::mutex stepLock_;
    Step step_;
    bool stepPosted_ = false;  // a later hand-off will show it
};

}  // namespace s::gui::dialogs::dragndrop
