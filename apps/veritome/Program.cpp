// Start-up, the main thread's service of second starts and close signals, and the exit.
#include "Program.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>

#include "Arguments.h"
#include "MainFrame.h"
#include "app/win/AppBase.h"
#include "app/win/AppWindow.h"
#include "file/gui/dialogs/filehash/ChecksumCheck.h"
#include "file/gui/dialogs/filehash/Dialog.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/MessageBoxW.h"
#include "gui/win/Window.h"
#include "platform/File.h"
#include "platform/access/Bridge.h"
#include "platform/shell/CloseSignals.h"
#include "platform/shell/SingleInstance.h"
#include "platform/shell/WindowClass.h"
#include "platform/store/Registry.h"
#include "platform/window/Backend.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"

#ifndef VERITOME_VERSION
#define VERITOME_VERSION "0"
#endif

namespace veritome {

namespace {

namespace pw = platform::window;
using s::app::win::AppBase;
using s::app::win::AppWindow;
using SingleInstance = platform::shell::SingleInstance;

// The word stored as the main window's "SoftwareType".
constexpr const char16_t* kSoftwareType = u"FileHash";
constexpr const char16_t* kMainWindow = u"MainWindow";
constexpr const char16_t* kUnsupportedSystem =
    u"This Operating System is currently not supported by this Application. We are sorry for "
    u"the inconvenience.";

const char* displayName() {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) return display;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland && *wayland) return wayland;
    return nullptr;
}

// The file facts the hash job shows come from the system's extended file status: without it
// (an old kernel, a sandbox that refuses it) no file could be described.
bool systemSupported() {
    platform::FileStatus root = platform::fileStatus("/");
    return root.exists && root.directory;
}

}  // namespace

int Program::run(int argc, char** argv) {
    // 1. The command line.
    const Arguments args = Arguments::parse(std::vector<std::string>(argv + 1, argv + argc));
    switch (args.mode) {
        case Arguments::Mode::kError:
            std::fprintf(stderr, "veritome: %s\nTry 'veritome --help' for more information.\n",
                         args.error.c_str());
            return kUsage;
        case Arguments::Mode::kHelp:
            std::fputs(Arguments::usage(), stdout);
            return std::fflush(stdout) == 0 ? kOk : kFailure;
        case Arguments::Mode::kVersion:
            std::printf("veritome %s\n", VERITOME_VERSION);
            return std::fflush(stdout) == 0 ? kOk : kFailure;
        case Arguments::Mode::kRun:
            break;
    }

    // 2. A display, or one line and out: never a window that nobody can see.
    const char* display = displayName();
    if (!display) {
        std::fputs(
            "veritome: no display to open the window on (DISPLAY is not set); "
            "veritome-cli computes and checks codes in a terminal.\n",
            stderr);
        return kFailure;
    }
    platform::shell::setWindowClass(kName);
    if (!pw::startBackend(pw::BackendKind::kSdl).hasScreen()) {
        std::fprintf(stderr, "veritome: cannot open the display '%s'.\n", display);
        pw::stopBackend();
        return kFailure;
    }
    int action = args.action == Arguments::Action::kCalculate ? 0
                 : args.action == Arguments::Action::kVerify  ? 1
                                                              : -1;
    // A checksum list handed over opens in the check action.
    if (action < 0 && !args.file.empty() &&
        s::file::gui::dialogs::filehash::ChecksumCheck::isListName(args.file)) {
        action = s::file::gui::dialogs::filehash::Dialog::kCheckAction;
    }
    const int status = runWindow(args.file, action, args.compareWith);
    pw::stopBackend();
    return status;
}

int Program::runWindow(const std::string& file, int action, const std::string& compareWith) {
    // 3. The system check.
    if (!systemSupported()) {
        std::fprintf(stderr, "veritome: this system lacks the file status the program needs.\n");
        s::gui::win::MessageBoxW::setApplication(u"Veritome", nullptr);
        s::gui::win::errorBox(pw::kNoWindow, kUnsupportedSystem);
        return kFailure;
    }

    // 4. One instance per user and display: a second start hands its file over and ends.
    const std::string path = SingleInstance::absolutePath(file);
    if (path.empty() && !file.empty()) {
        std::fprintf(stderr,
                     "veritome: cannot tell where '%s' is: the current folder is unknown (give "
                     "the FILE with its full path).\n",
                     file.c_str());
        return kFailure;
    }
    // --compare: the second file, compared once the first one's code is taken.
    const std::string other = SingleInstance::absolutePath(compareWith);
    if (other.empty() && !compareWith.empty()) {
        std::fprintf(stderr, "veritome: cannot tell where '%s' is (give it with its full path).\n",
                     compareWith.c_str());
        return kFailure;
    }
    SingleInstance instance;
    // A window already open is brought to the front; the comparison needs a window of its own.
    switch (instance.start(SingleInstance::defaultName(kName), other.empty() ? path : "",
                           [this](const std::string& handed) { return onSecondStart(handed); })) {
        case SingleInstance::Outcome::kForeign:
            std::fputs(
                "veritome: the instance socket belongs to another user; nothing was sent to it, "
                "running on its own.\n",
                stderr);
            break;
        case SingleInstance::Outcome::kHandedOver:
            if (other.empty()) return kOk;
            std::fputs("veritome: a veritome window is already open; close it to compare.\n",
                       stderr);
            return kFailure;
        case SingleInstance::Outcome::kNoAnswer:
            std::fputs(
                "veritome: another veritome window is running on this display but does not "
                "answer.\n",
                stderr);
            return kFailure;
        case SingleInstance::Outcome::kFailed:
            // Without the socket the window still works; only a second start cannot find it.
            std::fputs("veritome: cannot listen for later starts; running on its own.\n", stderr);
            break;
        case SingleInstance::Outcome::kFirst:
            break;
    }
    // Assistive tools: looked for on the bus thread, so the start never waits for them.
    platform::access::Bridge::enable(kName);
    if (const char* report = std::getenv("VERITOME_REPORT_FILE")) reportFile_ = report;
    platform::shell::CloseSignals signals;
    signals.install([this](int) { onCloseSignal(); });

    // 5.-7. The first start writes many small settings (keys, defaults, identification): they
    // go to the store in one transaction, once the window is up.
    std::optional<platform::store::Registry::Batch> startWrites(std::in_place);

    // 5. The application base: language pack, settings store, saved language.
    AppBase* base = AppBase::create();
    if (!base->initialize()) {
        std::fputs("veritome: the built-in language pack cannot be read.\n", stderr);
        base->release();
        return kFailure;
    }
    s::gui::drawer::Skinner* skinner = s::gui::drawer::newSkinner();
    base->setSkinner(skinner);
    s::gui::win::MessageBoxW::setApplication(base->productText(0), base->getLocalizer(), skinner);

    tellOfDamagedSettings(base);

    // 6. The main window's settings and the identification values.
    AppWindow* settings = AppWindow::open(base, kMainWindow, AppWindow::Defaults{});
    base->writeIdentification(kMainWindow, kSoftwareType);

    // 7. The dialog in its frame (which wears the saved theme), the FILE as if dropped, and
    // the requests of later starts and signals until the window is closed.
    bool opened = false;
    bool leftBehind = false;
    {
        std::unique_ptr<MainFrame> frame = MainFrame::create(settings);
        frame->open();
        // The display may also refuse the system window behind the native one.
        const pw::Handle native =
            frame->window() ? frame->window()->getNativeWindow() : pw::kNoWindow;
        opened = native != pw::kNoWindow && pw::hasSystemWindow(native);
        if (opened) {
            if (action >= 0) frame->showAction(action);
            // The start-up writes are done before the first file is processed.
            startWrites.reset();
            if (!other.empty()) {
                frame->dropCodeFile(path);
            } else if (!path.empty()) {
                frame->drop(path);
            }
            serve(frame.get(), !path.empty(), other);
        }
        // A start from now on finds no window to hand over to and opens its own.
        instance.stop();
        // A worker held in a read that does not return keeps what it uses: the frame stays,
        // and the process ends without waiting for it.
        if (opened && !frame->settle(kSettleMs)) {
            leftBehind = true;
            (void)frame.release();
        }
    }  // the worker waited for, the dialog given back
    startWrites.reset();
    if (!opened) {
        std::fputs("veritome: the window could not be made on this display.\n", stderr);
        signals.uninstall();
        endCloseWatch();
        settings->release();
        base->release();
        skinner->release();
        return kFailure;
    }

    // 8. The settings written (in one transaction), everything given back.
    signals.uninstall();
    endCloseWatch();
    {
        platform::store::Registry::Batch exitWrites;
        settings->release();
        base->release();  // writes the settings store
    }
    if (leftBehind) {
        platform::store::Registry::instance().writeNow(kSettleMs);
        std::fflush(nullptr);
        std::_Exit(kOk);
    }
    skinner->release();
    return kOk;
}

bool Program::onSecondStart(const std::string& file) {
    std::unique_lock<std::mutex> hold(lock_);
    if (!serving_) return false;
    requests_.raise = true;
    if (!file.empty()) requests_.files.push_back(file);
    const std::uint64_t mine = ++asked_;
    changed_.notify_all();
    if (changed_.wait_for(hold, kTakeLimit, [&] { return taken_ >= mine || !serving_; }) &&
        taken_ >= mine) {
        return true;
    }
    // Not taken: withdrawn, so that the second start's failure is the whole truth.
    if (!file.empty()) {
        for (auto it = requests_.files.rbegin(); it != requests_.files.rend(); ++it) {
            if (*it == file) {
                requests_.files.erase(std::next(it).base());
                break;
            }
        }
    }
    return false;
}

void Program::onCloseSignal() {
    std::lock_guard<std::mutex> hold(lock_);
    if (++closeSignals_ > 1) exitNow();
    requests_.close = true;
    if (!closeLimit_.joinable()) closeLimit_ = std::thread([this] { watchCloseLimit(); });
    changed_.notify_all();
}

void Program::watchCloseLimit() {
    std::unique_lock<std::mutex> hold(lock_);
    if (changed_.wait_for(hold, kCloseLimit, [&] { return !serving_; })) return;
    exitNow();
}

void Program::endCloseWatch() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        serving_ = false;
        changed_.notify_all();
    }
    if (closeLimit_.joinable()) closeLimit_.join();
}

void Program::exitNow() {
    platform::store::Registry::instance().writeNow(static_cast<int>(kSettleMs));
    std::fflush(nullptr);
    std::_Exit(kOk);
}

void Program::CloseWatch::onEvent(void*, std::int32_t) {
    std::lock_guard<std::mutex> hold(program_->lock_);
    program_->closeSeen_ = true;
    program_->changed_.notify_all();
}

void Program::serve(MainFrame* frame, bool dropped, const std::string& next) {
    s::gui::win::Window* window = frame->window();
    window->addCloseListener(&closeWatch_);
    std::deque<std::string> waiting;  // handed over, for the window once it is free
    if (!next.empty()) waiting.push_back(next);
    // A report is owed once the run of a file given here has ended.
    bool reportOwed = dropped && !reportFile_.empty();
    // Looks after a close event: the window is closed right after it (or the close was refused).
    int closeLooks = 0;
    for (;;) {
        Requests requests;
        {
            std::unique_lock<std::mutex> hold(lock_);
            const auto ready = [&] {
                return window->isClosed() || closeSeen_ || requests_.close || requests_.raise ||
                       !requests_.files.empty();
            };
            // Idle, the thread sleeps until something happens; only a busy window that owes
            // something is looked at now and then.
            if (reportOwed || !waiting.empty() || closeLooks > 0) {
                changed_.wait_for(hold, kBusyLook, ready);
            } else {
                changed_.wait(hold, ready);
            }
            if (window->isClosed()) {
                serving_ = false;
                changed_.notify_all();
                return;
            }
            if (closeSeen_)
                closeLooks = 20;
            else if (closeLooks > 0)
                --closeLooks;
            closeSeen_ = false;
            std::swap(requests, requests_);
            taken_ = asked_;
            changed_.notify_all();
        }
        if (requests.close) window->closeOverModal();
        if (requests.raise) raise(window);
        for (std::string& file : requests.files) waiting.push_back(std::move(file));
        // One file at a time, when the window is free: no run, no box over it.
        if (!waiting.empty() && !frame->isBusy() && window->isEnabled() && !window->isClosed()) {
            frame->drop(waiting.front());
            waiting.pop_front();
            if (!reportFile_.empty()) reportOwed = true;
        }
        if (reportOwed && waiting.empty() && !frame->isBusy()) {
            report(frame);
            reportOwed = false;
        }
    }
}

void Program::tellOfDamagedSettings(AppBase* base) {
    if (platform::store::Registry::instance().damagedCopy().empty()) return;
    // Told once: the next start finds the fresh file.
    s::gui::win::informBox(pw::kNoWindow, base->text(kDamagedSettingsText));
}

void Program::report(MainFrame* frame) {
    const std::string text = pw::toUtf8(frame->summary()) + "\n";
    std::FILE* out = std::fopen(reportFile_.c_str(), "ab");
    if (!out) return;
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
}

void Program::raise(s::gui::IWindow* window) {
    if (window->isMinimized() || window->isIconized()) window->restore();
    window->activate(true);
}

}  // namespace veritome
