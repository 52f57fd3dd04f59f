// The harness of the dialog's window tests.
#include "DialogWindow.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "gui/drawer/Skinner.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/EditBase.h"
#include "gui/win/ScrollBox.h"
#include "gui/win/Window.h"
#include "lang/Localizer.h"
#include "platform/window/Backend.h"
#include "platform/window/Input.h"
#include "platform/window/Messages.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"
#include "platform/window/display/XServer.h"
#include "xml/MappedData.h"

namespace dialog_testing {

namespace pw = platform::window;

bool waitFor(const std::function<bool()>& condition, int ms) {
    return xtest::waitUntil(condition, ms);
}

std::string utf8(const std::u16string& text) {
    return pw::toUtf8(text);
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string cli(const std::string& arguments) {
    std::string out;
    FILE* pipe = popen((std::string(VERITOME_CLI) + " " + arguments + " 2>/dev/null").c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

void DialogWindow::SetUp() {
    if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
    ASSERT_STREQ(pw::startBackend(pw::BackendKind::kSdl).name(), "sdl");
    // A request to a window the server already let go of is no reason to end the process.
    XSetErrorHandler([](::Display*, XErrorEvent*) { return 0; });
    dir = fs::temp_directory_path() /
          ("dialog-window-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    stop_ = false;
    watcher_ = std::thread([this] { watchBoxes(); });
    open();
}

void DialogWindow::TearDown() {
    if (frame) close();
    stop_ = true;
    if (watcher_.joinable()) watcher_.join();
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

void DialogWindow::open() {
    s::lang::Localizer* localizer = s::lang::Localizer::createLocalizer();
    localizer->selectByName(u"English");
    base = s::app::win::AppBase::create();
    base->initialize(localizer,
                     s::xml::MappedData::open((dir / "SaveData.xml").u16string().c_str()));
    skinner = s::gui::drawer::newSkinner();
    base->setSkinner(skinner);
    s::app::win::AppWindow::Defaults defaults;
    defaults.keepOnTop = false;
    settings = s::app::win::AppWindow::open(base, u"MainWindow", defaults);
    dialog = Dialog::create();
    dialog->bind(settings);
    dialog->setMessageObserver([this](const std::u16string& text) {
        std::lock_guard<std::mutex> hold(mutex_);
        seenBoxes_.push_back(text);
    });
    frame = std::make_unique<HostWindow>(dialog);
    frame->build();
    frame->window()->setSize(600, 740);
    frame->window()->setPosition(0, 0);
    frame->show();
    ASSERT_TRUE(waitFor([&] { return pw::isVisible(frame->window()->getNativeWindow()); }));
    // Let the window manager place it and the first frame reach the screen.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

void DialogWindow::close() {
    ASSERT_TRUE(waitIdle());
    frame->window()->close();
    frame.reset();
    dialog->release();
    dialog = nullptr;
    settings->release();
    settings = nullptr;
    base->release();
    base = nullptr;
    skinner->release();
    skinner = nullptr;
}

void DialogWindow::watchBoxes() {
    while (!stop_) {
        for (pw::Handle h : pw::topLevelWindows()) {
            if (pw::className(h) != "LayerMessageBox" || !pw::isVisible(h)) continue;
            ++boxes_;
            pw::input::key(h, pw::vk::kReturn, true);
            pw::input::key(h, pw::vk::kReturn, false);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::vector<std::u16string> DialogWindow::takeMessages() {
    std::lock_guard<std::mutex> hold(mutex_);
    std::vector<std::u16string> out;
    out.swap(seenBoxes_);
    return out;
}

bool DialogWindow::waitIdle() {
    return waitFor([&] { return !dialog->isBusy(); }, 30000);
}

void DialogWindow::drop(const fs::path& path, bool waitForEnd) {
    dropMany({path}, waitForEnd);
}

void DialogWindow::dropOnto(s::gui::IComponent* component, const fs::path& path) {
    click(component);  // scrolls it into view
    const int runs = frame->runsEnded;
    const int boxes = boxes_;
    pushDrop({path}, component);
    ASSERT_TRUE(waitFor([&] { return frame->runsEnded > runs || boxes_ > boxes; }, 30000));
    ASSERT_TRUE(waitIdle());
}

void DialogWindow::dropMany(const std::vector<fs::path>& paths, bool waitForEnd) {
    // The drop is taken on the window's thread, later: its end is a run that ends, or a box
    // that refuses it (then no run starts).
    const int runs = frame->runsEnded;
    const int boxes = boxes_;
    pushDrop(paths);
    if (!waitForEnd) return;
    ASSERT_TRUE(waitFor([&] { return frame->runsEnded > runs || boxes_ > boxes; }, 30000));
    ASSERT_TRUE(waitIdle());
}

void DialogWindow::pushDrop(const std::vector<fs::path>& paths, s::gui::IComponent* onto) {
    pw::Rect r = pw::screenRect(frame->window()->getNativeWindow());
    if (onto) {
        xtest::movePointer(onto->getScreenX() + onto->getWidth() / 2,
                           onto->getScreenY() + onto->getHeight() / 2);
    } else {
        // Over the content pile, away from the drop area.
        xtest::movePointer(r.x + r.width / 2, r.y + r.height - 120);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    droppedAt = std::chrono::steady_clock::now();
    SDL_Event begin;
    SDL_zero(begin);
    begin.type = SDL_DROPBEGIN;
    SDL_PushEvent(&begin);
    for (const fs::path& p : paths) {
        SDL_Event e;
        SDL_zero(e);
        e.type = SDL_DROPFILE;
        e.drop.file = SDL_strdup(p.string().c_str());
        SDL_PushEvent(&e);
    }
    SDL_Event end;
    SDL_zero(end);
    end.type = SDL_DROPCOMPLETE;
    SDL_PushEvent(&end);
}

void DialogWindow::click(s::gui::IComponent* component) {
    // A widget of a page outside its visible part is scrolled into view first.
    s::gui::win::ScrollBox* page = dialog->page(frame->selectedAction());
    bool onPage = false;
    for (s::gui::IComponent* c = component; c && !onPage; c = c->getParent())
        onPage = c == static_cast<s::gui::IComponent*>(page);
    for (int tries = 0; onPage && tries < 60; ++tries) {
        int y = 0, top = 0, bottom = 0;
        frame->handOff([&] {
            y = component->getScreenY();
            top = page->getScreenY();
            bottom = top + page->getHeight() - 16;
        });
        if (y >= top && y + component->getHeight() <= bottom) break;
        frame->handOff([&] { page->scrollBy(0, y < top ? -40 : 40); });
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // A press and release of the first button through XTEST, as a user clicks.
    xtest::movePointer(component->getScreenX() + component->getWidth() / 2,
                       component->getScreenY() + component->getHeight() / 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    xtest::button(1, true);
    xtest::button(1, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
}

void DialogWindow::type(const std::string& text) {
    for (char c : text) {
        std::string keysym;
        bool shift = false;
        if (c == ' ') {
            keysym = "space";
        } else if (c >= 'A' && c <= 'Z') {
            keysym = std::string(1, c);
            shift = true;
        } else {
            keysym = std::string(1, c);
        }
        if (shift) xtest::key("Shift_L", true);
        xtest::key(keysym.c_str(), true);
        xtest::key(keysym.c_str(), false);
        if (shift) xtest::key("Shift_L", false);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
}

std::string DialogWindow::clipboard() {
    return xtest::run("xclip -o -selection clipboard 2>/dev/null");
}

void DialogWindow::setClipboard(const std::string& bytes) {
    const fs::path file = dir / "clip.txt";
    writeFile(file, bytes);
    xtest::run("xclip -i -selection clipboard '" + file.string() + "' >/dev/null 2>&1");
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void DialogWindow::selectAction(int index) {
    // The action's drop-down list opened by a click, and the item clicked in the list.
    auto* actions = dynamic_cast<s::gui::win::ComboBox*>(frame->actionSelector());
    ASSERT_NE(actions, nullptr);
    if (frame->selectedAction() == index) return;
    click(actions);
    ASSERT_TRUE(waitFor([&] { return actions->isDroppedDown(); }, 3000));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const int rowHeight = s::gui::win::ComboBox::kRowHeight;
    xtest::movePointer(
        actions->getScreenX() + actions->getWidth() / 2,
        actions->getScreenY() + actions->getHeight() + 1 + index * rowHeight + rowHeight / 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    xtest::button(1, true);
    xtest::button(1, false);
    ASSERT_TRUE(waitFor([&] { return frame->selectedAction() == index; }, 3000));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void DialogWindow::switchLanguage(const char16_t* engName) {
    s::lang::Localizer* localizer = dialog->getLocalizer();
    for (std::uint32_t i = 0; i < localizer->languageCount(); ++i) {
        if (std::u16string(localizer->language(i)->engName()->text()) != engName) continue;
        frame->handOff([&] { dialog->switchLanguage(i); });
        return;
    }
    ADD_FAILURE() << "no language " << utf8(engName);
}

std::u16string DialogWindow::text(Row row) {
    return dialog->rowField(row)->getText();
}

std::u16string DialogWindow::text(VerifyField field) {
    return dialog->verifyField(field)->getText();
}

}  // namespace dialog_testing
