// The drop-dialog frame's run state, notifications, commands and settings.
#include "gui/dialogs/dragndrop/Dialog.h"

#include <mutex>

#include "app/IAppWindow.h"
#include "file/win/PathWin.h"
#include "gui/dialogs/dragndrop/IDialogView.h"
#include "lang/LangPack.h"
#include "lang/Localizer.h"
#include "map/IMappedData.h"
#include "platform/Clock.h"
#include "str/strarray/StrArray.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/win/Thread.h"

namespace s::gui::dialogs::dragndrop {

using str::strarray::StrArray;
using str::strbuffer::StrBuffer;

namespace {

// The worker's word that the output-folder check refused the drop.
constexpr const char16_t* kOutputFolderRefused = u"OutputFolderRefused";
constexpr std::int32_t kOutputFolderText = 608299;
constexpr const char16_t* kOutputFolderDefault =
    u"The output folder is inaccessible or write-protected.";
constexpr std::int32_t kTextReady = 609450;
constexpr std::int32_t kTextDone = 609460;
constexpr const char16_t* kCanceling = u"Canceling..";
// A progress bar takes at most this many steps.
constexpr std::int64_t kProgressLimit = 32767;
// Below normal: the worker must not slow the desktop while it reads large files.
constexpr int kWorkerPriority = -1;
// How long a close waits for a cancelled run to end: a worker held in a read that does not
// return (a hung network mount) is left behind after that.
constexpr std::int64_t kCloseWaitMs = 1500;

bool sameText(const char16_t* a, const char16_t* b) {
    return a && b && std::u16string_view(a) == std::u16string_view(b);
}

// The default test: the folder must exist and be a folder; then either the folder must take
// writes (a tool that writes its output there) or only the dropped file must be readable,
// since a tool without an output folder writes nothing beside the file.
bool defaultAccessCheck(file::win::PathWin* folder, file::win::PathWin* file, bool write) {
    if (!folder->isDirectory()) return false;
    return write ? folder->canReadWrite() : file->canRead();
}

}  // namespace

Dialog::Dialog() : entries_(StrArray::create()), worker_(thread::win::Thread::create()) {
    worker_->setPriority(kWorkerPriority);
    start_.dialog = this;
}

Dialog::~Dialog() {
    // Nothing the task uses may go while it runs.
    worker_->waitIdle();
    worker_->release();
    entries_->release();
}

void Dialog::bind(app::IAppWindow* settings) {
    settings_ = settings;
    localizer_ = settings ? settings->getLocalizer() : nullptr;
}

const char16_t* Dialog::text(std::int32_t id) const {
    return localizer_ ? localizer_->text(id) : u"";
}

std::u16string Dialog::section() const {
    return settings_ ? settings_->sectionPath(u"View") : u"MainWindow\\View";
}

map::IMappedData* Dialog::store() const {
    return settings_ ? settings_->getStore() : nullptr;
}

void Dialog::reset() {
    std::lock_guard<thread::ObjLocker> hold(lock_);
    entries_->recycle();
    busy_.store(false, std::memory_order_release);
    cancel_.store(false, std::memory_order_release);
    progressMax_ = 0;
    progressPos_ = 0;
    startTime_ = 0;
    outputFolderSetting_ = 11;
    compact_ = false;
    noteName_ = nullptr;
    {
        std::lock_guard<std::mutex> hold(stepLock_);
        step_ = Step{};
        stepPosted_ = false;
    }
    // The first-start choice belongs to the use that set it, not to the next one from the pool.
    firstStartTheme_ = nullptr;
}

void Dialog::onEvent(void* source, std::int32_t code) {
    if (onDialogEvent(source, code)) return;
    if (source == windowSource_ && code == 1) closeRequested();
}

// ---- starting a run --------------------------------------------------------------------------

Dialog::StartResult Dialog::drop(const StrArray* paths) {
    // 1. An empty list is ignored.
    if (!paths || paths->length() == 0) return StartResult::Empty;
    // 2. A drop during a run is ignored.
    std::lock_guard<thread::ObjLocker> hold(lock_);
    if (busy_.load(std::memory_order_acquire)) return StartResult::Busy;
    // 3. The tool may decline.
    if (!beforeRun()) return StartResult::Declined;
    // 4. Entries, busy flag, and the worker, which checks the output folder before the task.
    // This thread never looks at a dropped path: on a hung mount that would hold the window.
    entries_->recycle();
    for (std::uint32_t i = 0; i < paths->length(); ++i) {
        StrBuffer* copy = StrBuffer::create();
        copy->appendString(paths->get(i));
        entries_->add(copy);
    }
    cancel_.store(false, std::memory_order_release);
    busy_.store(true, std::memory_order_release);
    worker_->run(&start_);
    return StartResult::Started;
}

void Dialog::Start::run() {
    dialog->checkThenRun();
}

void Dialog::checkThenRun() {
    StrBuffer* first = StrBuffer::create();
    std::u16string message;
    const bool usable = entryAt(0, first) && checkOutputFolder(first, &message);
    first->release();
    if (usable) {
        run();
        return;
    }
    notify(kOutputFolderRefused, reinterpret_cast<std::intptr_t>(&message));
}

void Dialog::refuseRun(const std::u16string& message) {
    {
        std::lock_guard<thread::ObjLocker> hold(lock_);
        entries_->recycle();
        busy_.store(false, std::memory_order_release);
        cancel_.store(false, std::memory_order_release);
    }
    onRunRefused();
    // The message box waits for the user: shown with the frame lock let go.
    if (view_) view_->showError(message.c_str());
}

bool Dialog::checkOutputFolder(const StrBuffer* path, std::u16string* message) {
    file::win::PathWin* file = file::win::PathWin::create();
    file->set(path);
    StrBuffer* folderText = StrBuffer::create();
    folderText->appendString(file->directory());
    // A bare name lies in the current folder.
    if (folderText->length() == 0) folderText->appendText(u".");
    file::win::PathWin* folder = file::win::PathWin::create();
    folder->set(folderText);
    const bool write = hasOutputFolder();
    const bool usable =
        accessCheck_ ? accessCheck_(folder, file, write) : defaultAccessCheck(folder, file, write);
    if (!usable) {
        const char16_t* own = text(kOutputFolderText);
        message->assign(own[0] ? own : kOutputFolderDefault);
        message->append(u"\r\n\"");
        std::u16string shown(folderText->data(), folderText->length());
        // "/media/disk/" reads as "/media/disk"; the root stays "/".
        if (shown.size() > 1 && shown.back() == u'/') shown.pop_back();
        message->append(shown);
        message->append(u"\"");
    }
    folder->release();
    folderText->release();
    file->release();
    return usable;
}

// ---- the worker's side -----------------------------------------------------------------------

std::uint32_t Dialog::entryCount() {
    std::lock_guard<thread::ObjLocker> hold(lock_);
    return entries_->length();
}

bool Dialog::entryAt(std::uint32_t i, StrBuffer* path) {
    std::lock_guard<thread::ObjLocker> hold(lock_);
    if (i >= entries_->length()) return false;
    path->clear();
    path->appendString(entries_->get(i));
    return true;
}

void Dialog::notify(const char16_t* name, std::intptr_t a, std::intptr_t b, std::intptr_t c) {
    if (!view_) {
        onNotification(name, a, b, c);
        return;
    }
    if (!sameText(name, kProcessStatusUpdate)) {
        view_->handOff([this, name, a, b, c] {
            showWaitingStep();
            onNotification(name, a, b, c);
        });
        return;
    }
    // The worker goes on while the window paints the step.
    const auto* label = reinterpret_cast<const StrBuffer*>(c);
    {
        std::lock_guard<std::mutex> hold(stepLock_);
        step_.waiting = true;
        step_.total = a;
        step_.done = b;
        step_.labelled = label != nullptr;
        if (label) step_.label.assign(label->text(), label->length());
        if (stepPosted_) return;
        stepPosted_ = true;
    }
    view_->handOffLater([this] {
        {
            std::lock_guard<std::mutex> hold(stepLock_);
            stepPosted_ = false;
        }
        showWaitingStep();
    });
}

void Dialog::showWaitingStep() {
    Step step;
    {
        std::lock_guard<std::mutex> hold(stepLock_);
        if (!step_.waiting) return;
        step = step_;
        step_.waiting = false;
    }
    StrBuffer* label = nullptr;
    if (step.labelled) {
        label = StrBuffer::create();
        label->appendText(step.label.c_str());
    }
    onNotification(kProcessStatusUpdate, step.total, step.done,
                   reinterpret_cast<std::intptr_t>(label));
    if (label) label->release();
}

void Dialog::run() {
    notify(kProcessStatusStart);
    StrBuffer* name = StrBuffer::create();
    name->appendText(u"EntryName");
    // The entry list is read under the lock; each update is sent after it is let go, since the
    // user-interface thread takes the same lock for a drop.
    for (std::uint32_t i = 0; !isCancelled(); ++i) {
        const std::uint32_t count = entryCount();
        if (i >= count) break;
        notify(kProcessStatusUpdate, count, i, reinterpret_cast<std::intptr_t>(name));
    }
    name->release();
    notify(kProcessStatusEnd);
}

// ---- notifications on the user-interface thread ----------------------------------------------

void Dialog::scaleProgress(std::int64_t total, std::int64_t done, std::int64_t* maximum,
                           std::int64_t* position) {
    while (total > kProgressLimit) {
        total >>= 1;
        done >>= 1;
    }
    *maximum = total + 1;
    *position = done + 1;
}

void Dialog::onNotification(const char16_t* name, std::intptr_t a, std::intptr_t b,
                            std::intptr_t c) {
    noteName_ = name;
    noteValues_[0] = a;
    noteValues_[1] = b;
    noteValues_[2] = c;
    const bool handled = onDialogEvent(windowSource_, 2);
    noteName_ = nullptr;
    if (handled) return;
    if (sameText(name, kProcessStatusStart)) {
        startTime_ = platform::monotonicMilliseconds();
        progressMax_ = 1000;
        progressPos_ = 0;
        if (view_) {
            view_->showProgressArea(true);
            view_->setProgress(progressMax_, progressPos_);
        }
    } else if (sameText(name, kProcessStatusUpdate)) {
        if (isCancelled()) return;
        scaleProgress(a, b, &progressMax_, &progressPos_);
        if (view_) {
            view_->setProgress(progressMax_, progressPos_);
            const auto* label = reinterpret_cast<const StrBuffer*>(c);
            if (label) view_->setStatusText(label->text());
        }
    } else if (sameText(name, kProcessStatusEnd)) {
        endRun();
    } else if (sameText(name, kOutputFolderRefused)) {
        refuseRun(*reinterpret_cast<const std::u16string*>(a));
    }
}

void Dialog::endRun() {
    // 1. Progress full, second label empty.
    progressMax_ = 1;
    progressPos_ = 1;
    if (view_) {
        view_->setProgress(1, 1);
        view_->setSecondStatusText(u"");
        // 2. "Done!", then "Ready".
        view_->setStatusText(text(kTextDone));
        view_->setStatusText(text(kTextReady));
        // 3. Progress area away, brand link back.
        view_->showProgressArea(false);
    }
    // 4. The end-of-run hook.
    onRunEnded();
    // 5. The run state, under the frame lock.
    std::lock_guard<thread::ObjLocker> hold(lock_);
    startTime_ = 0;
    entries_->recycle();
    busy_.store(false, std::memory_order_release);
    cancel_.store(false, std::memory_order_release);
}

void Dialog::cancel() {
    cancel_.store(true, std::memory_order_release);
    if (view_) view_->setStatusText(kCanceling);
}

void Dialog::closeRequested() {
    // The normal size, so that a maximised window reopens at its last normal size.
    if (view_ && store()) {
        std::int32_t width = 0;
        std::int32_t height = 0;
        view_->normalSize(&width, &height);
        const std::u16string at = section();
        if (!settings_ || settings_->isWidthValid(width))
            store()->setS32(at.c_str(), u"LargeWidth", width);
        if (!settings_ || settings_->isHeightValid(height))
            store()->setS32(at.c_str(), u"LargeHeight", height);
    }
    if (!isBusy()) return;
    cancel();
    // The task ends after its current block; its notifications still need this thread.
    const std::int64_t until = platform::monotonicMilliseconds() + kCloseWaitMs;
    if (view_) {
        view_->serveUntil([this, until] {
            return worker_->isIdle() || platform::monotonicMilliseconds() >= until;
        });
    } else {
        worker_->waitIdle(static_cast<std::uint32_t>(kCloseWaitMs));
    }
}

std::int32_t Dialog::storedLargeWidth() const {
    if (!store()) return largeWidth();
    const std::int32_t w = store()->getS32(section().c_str(), u"LargeWidth", largeWidth());
    return settings_ && !settings_->isWidthValid(w) ? largeWidth() : w;
}

std::int32_t Dialog::storedLargeHeight() const {
    if (!store()) return largeHeight();
    const std::int32_t h = store()->getS32(section().c_str(), u"LargeHeight", largeHeight());
    return settings_ && !settings_->isHeightValid(h) ? largeHeight() : h;
}

// ---- commands and the action selector --------------------------------------------------------

void Dialog::chooseAction() {
    if (!view_) return;
    std::u16string stored;
    if (store()) stored = store()->getText(section().c_str(), u"ConvertTo", u"");
    std::int32_t chosen = -1;
    StrBuffer* a = StrBuffer::create();
    for (std::uint32_t i = 0; chosen < 0 && i < view_->actionCount(); ++i) {
        const std::u16string shown = view_->actionText(i);
        a->clear();
        a->append(shown.data(), static_cast<std::int32_t>(shown.size()));
        if (!stored.empty() && a->equalsTextIgnoreCase(stored.c_str()))
            chosen = static_cast<std::int32_t>(i);
    }
    a->release();
    if (chosen < 0 && !stored.empty()) chosen = actionOfStoredText(stored);
    if (chosen < 0) chosen = defaultAction();
    view_->selectAction(static_cast<std::uint32_t>(chosen));
}

void Dialog::onActionSelected() {
    if (!view_) return;
    const std::int32_t index = view_->selectedAction();
    if (index < 0) return;
    view_->setDropHint(dropHintText(index));
    view_->relayout();
    if (store())
        store()->setText(section().c_str(), u"ConvertTo",
                         view_->actionText(static_cast<std::uint32_t>(index)).c_str());
}

void Dialog::switchLanguage(std::uint32_t n) {
    if (!localizer_ || n >= localizer_->languageCount()) return;
    std::int32_t old = -1;
    for (std::uint32_t i = 0; i < localizer_->languageCount(); ++i)
        if (localizer_->language(i) == localizer_->currentLanguage())
            old = static_cast<std::int32_t>(i);
    localizer_->selectByIndex(n);
    // Kept for the next start, like a language chosen anywhere else.
    if (store()) localizer_->saveLanguage(store(), localizer_->language(n)->engName()->text());
    if (!view_) return;
    if (old >= 0) view_->setChecked(command::kFirstLanguage + old, false);
    view_->setChecked(command::kFirstLanguage + static_cast<std::int32_t>(n), true);
    // The action texts follow the language, and ConvertTo with them, so that the stored action
    // still matches at the next start.
    for (std::uint32_t i = 0; i < view_->actionCount(); ++i) {
        const std::int32_t id = actionTextId(i);
        if (id >= 0) view_->setActionText(i, text(id));
    }
    if (view_->selectedAction() >= 0) onActionSelected();
    // An idle frame shows "Ready": in the new language now. A run shows its own texts and ends
    // with "Ready" in the language of that moment.
    if (!isBusy()) view_->setStatusText(text(kTextReady));
    view_->relayout();
}

void Dialog::applyStoredTheme() {
    if (!view_ || view_->themeCount() == 0) return;
    std::u16string stored = settings_ ? settings_->getSkin(u"") : std::u16string();
    if (stored.empty()) stored = firstStartTheme_ ? firstStartTheme_() : view_->themeName(0);
    std::uint32_t n = 0;
    while (n < view_->themeCount() && view_->themeName(n) != stored) ++n;
    // A name no theme has any more (an older version's) falls back to the first.
    if (n == view_->themeCount()) n = 0;
    switchTheme(n);
}

void Dialog::switchTheme(std::uint32_t n) {
    if (!view_ || n >= view_->themeCount()) return;
    const std::u16string name = view_->themeName(n);
    view_->applyTheme(name.c_str());
    // A radio mark: the chosen theme only.
    for (std::uint32_t i = 0; i < view_->themeCount(); ++i)
        view_->setChecked(command::kFirstTheme + static_cast<std::int32_t>(i), i == n);
    if (settings_) settings_->setSkin(name.c_str());
}

void Dialog::onKeepOnTopBox(bool on) {
    if (!view_) return;
    view_->setChecked(command::kKeepOnTop, on);
    view_->setKeepOnTop(on);
}

void Dialog::onCommand(std::int32_t cmd) {
    if (!view_) return;
    switch (cmd) {
        case command::kTranslate:
            view_->openLink(text(108500));
            return;
        case command::kKeepOnTop: {
            const bool on = !view_->isChecked(cmd);
            view_->setChecked(cmd, on);
            view_->setKeepOnTopBox(on);
            view_->setKeepOnTop(on);
            return;
        }
        case command::kEasyDrag: {
            const bool on = !view_->isChecked(cmd);
            view_->setChecked(cmd, on);
            view_->setEasyDrag(on);
            return;
        }
        case command::kCloseByMiddleClick: {
            const bool on = !view_->isChecked(cmd);
            view_->setChecked(cmd, on);
            view_->setMiddleClickAction(on ? u"Close" : u"DoNothing");
            return;
        }
        case command::kVersionInformation:
            view_->openAbout();
            return;
        case command::kSoftwarePage:
            view_->openLink(text(500003));
            return;
        case command::kTellDevelopers:
            view_->openLink(text(500004));
            return;
        case command::kOtherSoftware:
            view_->openLink(text(108000));
            return;
        case command::kWorkplace:
            view_->openLink(text(108200));
            return;
        default:
            break;
    }
    if (cmd >= command::kFirstTheme &&
        cmd < command::kFirstTheme + static_cast<std::int32_t>(view_->themeCount())) {
        switchTheme(static_cast<std::uint32_t>(cmd - command::kFirstTheme));
        return;
    }
    if (localizer_ && cmd >= command::kFirstLanguage &&
        cmd < command::kFirstLanguage + static_cast<std::int32_t>(localizer_->languageCount()))
        switchLanguage(static_cast<std::uint32_t>(cmd - command::kFirstLanguage));
}

}  // namespace s::gui::dialogs::dragndrop
