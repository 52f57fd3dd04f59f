// Stand-ins for the frame's tests: window settings over an XML store file, a window side that
// records what the frame shows and serves hand-offs on the test's thread, and a small tool.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/IAppWindow.h"
#include "gui/dialogs/dragndrop/Dialog.h"
#include "gui/dialogs/dragndrop/IDialogView.h"
#include "lang/Localizer.h"
#include "str/strbuffer/StrBuffer.h"
#include "thread/Pooled.h"
#include "xml/MappedData.h"

namespace s::frame_testing {

using gui::dialogs::dragndrop::Dialog;
using gui::dialogs::dragndrop::IDialogView;

// Window settings named "MainWindow" on a 1920 x 1080 virtual screen.
class StandInSettings : public app::IAppWindow {
public:
    explicit StandInSettings(const std::filesystem::path& file) {
        store_ = xml::MappedData::open(file.u16string().c_str());
        localizer_ = lang::Localizer::createLocalizer();
        localizer_->selectByName(u"English");
    }
    ~StandInSettings() override {
        store_->release();
        localizer_->release();
    }
    const char16_t* typeName() const override { return u"s_frame_testing_StandInSettings"; }
    base::IObject* newInstance() const override { return nullptr; }

    app::win::AppBase* getAppBase() const override { return nullptr; }
    map::IMappedData* getStore() const override { return store_; }
    std::u16string getWindowName() const override { return u"MainWindow"; }
    std::u16string sectionPath(const char16_t* subName) const override {
        return u"MainWindow\\" + std::u16string(subName);
    }
    std::int32_t getTitleTextId() const override { return 500000; }
    lang::Localizer* getLocalizer() const override { return localizer_; }
    gui::drawer::Skinner* getSkinner() const override { return nullptr; }
    void setSkinner(gui::drawer::Skinner*) override {}
    const platform::window::Picture* getIcon(std::int32_t) const override { return nullptr; }
    std::u16string getSkin(const char16_t* def) const override {
        return store_->getText(u"MainWindow\\Skin", u"", def);
    }
    void setSkin(const char16_t* name) override { store_->setText(u"MainWindow\\Skin", u"", name); }
    bool hasPosition() const override { return false; }
    void setBounds(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void setSize(std::int32_t, std::int32_t) override {}
    void removeGeometry() override {}
    bool hasX() const override { return false; }
    std::int32_t getX() const override { return 0; }
    void setX(std::int32_t) override {}
    bool hasY() const override { return false; }
    std::int32_t getY() const override { return 0; }
    void setY(std::int32_t) override {}
    bool isWidthValid(std::int32_t w) const override { return w >= kMinimumSize && w <= 1920; }
    bool hasWidth() const override { return false; }
    std::int32_t getWidth() const override { return 600; }
    void setWidth(std::int32_t) override {}
    bool isHeightValid(std::int32_t h) const override { return h >= kMinimumSize && h <= 1080; }
    bool hasHeight() const override { return false; }
    std::int32_t getHeight() const override { return 550; }
    void setHeight(std::int32_t) override {}
    bool getEasyDrag() const override { return true; }
    void setEasyDrag(bool) override {}
    bool isMaximized() const override { return false; }
    void setMaximized(bool) override {}
    bool isKeepOnTop() const override { return true; }
    void setKeepOnTop(bool) override {}
    bool isCloseOnMiddleClick() const override { return true; }
    bool isIconizeOnMiddleClick() const override { return false; }
    std::u16string getMiddleClickAction() const override { return kClose; }
    void setMiddleClickAction(const char16_t*) override {}

private:
    xml::MappedData* store_;
    lang::Localizer* localizer_;
};

// Records what the frame shows; the thread that made it plays the user-interface thread. As on
// the real window's thread, calls handed over with waiting run before those handed over later.
class StandInView : public IDialogView {
public:
    void handOff(const std::function<void()>& call) override {
        if (std::this_thread::get_id() == owner_) {
            call();
            return;
        }
        std::unique_lock<std::mutex> hold(mutex_);
        bool done = false;
        queue_.push_back([&] {
            call();
            std::lock_guard<std::mutex> again(mutex_);
            done = true;
            changed_.notify_all();
        });
        changed_.notify_all();
        changed_.wait(hold, [&] { return done; });
    }
    void handOffLater(std::function<void()> call) override {
        if (std::this_thread::get_id() == owner_) {
            call();
            return;
        }
        std::lock_guard<std::mutex> hold(mutex_);
        later_.push_back(std::move(call));
        changed_.notify_all();
    }
    void serveUntil(const std::function<bool()>& done) override {
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            std::function<void()> call;
            {
                std::unique_lock<std::mutex> hold(mutex_);
                changed_.wait_for(hold, std::chrono::milliseconds(1),
                                  [&] { return !queue_.empty() || !later_.empty(); });
                std::deque<std::function<void()>>& from = queue_.empty() ? later_ : queue_;
                if (from.empty()) {
                    if (std::chrono::steady_clock::now() > until) {
                        ADD_FAILURE() << "timed out serving the worker";
                        return;
                    }
                    continue;
                }
                call = std::move(from.front());
                from.pop_front();
            }
            call();
        }
    }

    void setStatusText(const char16_t* text) override { status.emplace_back(text); }
    void setSecondStatusText(const char16_t* text) override { second = text; }
    void setProgress(std::int64_t maximum, std::int64_t position) override {
        progressMax = maximum;
        progressPos = position;
    }
    void showProgressArea(bool show) override { progressShown = show; }
    void showError(const char16_t* text) override { errors.emplace_back(text); }
    void openLink(const char16_t* address) override { links.emplace_back(address); }
    void openAbout() override { ++aboutOpened; }

    std::uint32_t actionCount() override { return static_cast<std::uint32_t>(actions.size()); }
    std::u16string actionText(std::uint32_t i) override { return actions[i]; }
    void setActionText(std::uint32_t i, const char16_t* text) override { actions[i] = text; }
    std::int32_t selectedAction() override { return selected; }
    void selectAction(std::uint32_t i) override { selected = static_cast<std::int32_t>(i); }
    void setDropHint(std::int32_t textId) override { dropHint = textId; }

    bool isChecked(std::int32_t command) override { return checks[command]; }
    void setChecked(std::int32_t command, bool on) override { checks[command] = on; }
    void setKeepOnTopBox(bool on) override { keepOnTopBox = on; }
    void setKeepOnTop(bool on) override { keepOnTop = on; }
    void setEasyDrag(bool on) override { easyDrag = on; }
    void setMiddleClickAction(const char16_t* action) override { middleClick = action; }
    void normalSize(std::int32_t* w, std::int32_t* h) override {
        *w = width;
        *h = height;
    }
    std::uint32_t themeCount() override { return static_cast<std::uint32_t>(themes.size()); }
    std::u16string themeName(std::uint32_t i) override { return themes[i]; }
    void applyTheme(const char16_t* name) override { theme = name; }
    void relayout() override { ++relayouts; }

    std::vector<std::u16string> status;
    std::u16string second = u"x";
    std::int64_t progressMax = -1;
    std::int64_t progressPos = -1;
    bool progressShown = false;
    std::vector<std::u16string> errors;
    std::vector<std::u16string> links;
    int aboutOpened = 0;
    std::vector<std::u16string> actions;
    std::int32_t selected = -1;
    std::map<std::int32_t, bool> checks;
    bool keepOnTopBox = false;
    bool keepOnTop = false;
    bool easyDrag = false;
    std::u16string middleClick;
    std::int32_t width = 600;
    std::int32_t height = 550;
    int relayouts = 0;
    std::int32_t dropHint = -1;
    std::vector<std::u16string> themes = {u"White", u"Ivory", u"Black", u"Classic LG"};
    std::u16string theme;

private:
    std::thread::id owner_ = std::this_thread::get_id();
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> queue_;
    std::deque<std::function<void()>> later_;
};

// A tool whose task reads "blocks" only while the test lets it, so a run can be caught midway.
// With gated off it runs the frame's own task.
class StandInTool : public Dialog, public thread::Pooled<StandInTool> {
public:
    base::IObject* newInstance() const override { return create(); }
    void recycle() override {
        reset();
        gated = true;
        allowed = 0;
        blocksRead = 0;
        beforeRuns = 0;
        acceptRuns = true;
        outputFolder = false;
        setView(nullptr);
        setAccessCheck(nullptr);
        bind(nullptr);
    }

    void run() override {
        if (!gated) {
            Dialog::run();
            return;
        }
        notify(gui::dialogs::dragndrop::kProcessStatusStart);
        str::strbuffer::StrBuffer* name = str::strbuffer::StrBuffer::create();
        firstEntry(name);
        for (int block = 0; block < 100 && !isCancelled(); ++block) {
            while (allowed.load() <= block && !isCancelled())
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            blocksRead.store(block + 1);
            notify(gui::dialogs::dragndrop::kProcessStatusUpdate, 100, block + 1,
                   reinterpret_cast<std::intptr_t>(name));
        }
        name->release();
        notify(gui::dialogs::dragndrop::kProcessStatusEnd);
    }
    std::int32_t largeWidth() const override { return 600; }
    std::int32_t largeHeight() const override { return 550; }
    bool beforeRun() override {
        ++beforeRuns;
        return acceptRuns;
    }
    bool hasOutputFolder() const override { return outputFolder; }
    std::int32_t cancelButtonWidth() const override { return 80; }
    std::int32_t progressGap() const override { return 15; }
    std::int32_t actionTextId(std::uint32_t i) const override { return i == 0 ? 1100000 : 1101000; }

    bool gated = true;
    std::atomic<int> allowed{0};
    std::atomic<int> blocksRead{0};
    int beforeRuns = 0;
    bool acceptRuns = true;
    bool outputFolder = false;
};

}  // namespace s::frame_testing
