// Fixture of the top-level window tests: a 200 x 100 window at (100, 100) on the headless window
// manager, a stand-in window drawer, stand-in window settings, and a way to wait until the
// window's thread has handled everything injected so far.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "app/IAppWindow.h"
#include "gui/Recorder.h"
#include "gui/drawer/window/IThin.h"
#include "gui/win/Window.h"
#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/Window.h"

namespace s::gui::testing {

namespace pw = platform::window;

// Paints the whole window in one colour.
class FlatFrame : public drawer::window::IThin {
public:
    const char16_t* typeName() const override { return u"FlatFrame"; }
    base::IObject* newInstance() const override { return nullptr; }
    void release() override {}
    void recycle() override {}
    void paint(drawer::Canvas& c, std::int32_t l, std::int32_t t, std::int32_t r,
               std::int32_t b) override {
        c.fillRect({l, t, r - l, b - t}, background);
        ++paints;
    }
    drawer::window::Region region(std::int32_t l, std::int32_t t, std::int32_t r,
                                  std::int32_t b) const override {
        return {{l, t, r - l, b - t}};
    }
    void setFrameColour(drawer::Colour) override {}
    drawer::Colour getFrameColour() const override { return 0; }
    void setBackgroundColour(drawer::Colour c) override { background = c; }
    drawer::Colour getBackgroundColour() const override { return background; }
    void setCornerStyles(std::int32_t, std::int32_t) override {}
    std::int32_t getTopCornerStyle() const override { return 0; }
    std::int32_t getBottomCornerStyle() const override { return 0; }
    void setTransparent(bool) override {}
    bool isTransparent() const override { return false; }

    drawer::Colour background = pw::rgb(10, 20, 30);
    std::atomic<int> paints{0};
};

// Window settings kept in memory (as an empty store would give them at first).
class MemorySettings : public app::IAppWindow {
public:
    const char16_t* typeName() const override { return u"MemorySettings"; }
    base::IObject* newInstance() const override { return nullptr; }
    app::win::AppBase* getAppBase() const override { return nullptr; }
    map::IMappedData* getStore() const override { return nullptr; }
    std::u16string getWindowName() const override { return u"MainWindow"; }
    std::u16string sectionPath(const char16_t* sub) const override {
        return u"MainWindow\\" + std::u16string(sub);
    }
    std::int32_t getTitleTextId() const override { return -1; }
    lang::Localizer* getLocalizer() const override { return nullptr; }
    drawer::Skinner* getSkinner() const override { return nullptr; }
    void setSkinner(drawer::Skinner*) override {}
    const pw::Picture* getIcon(std::int32_t) const override { return nullptr; }
    std::u16string getSkin(const char16_t* def) const override { return def; }
    void setSkin(const char16_t*) override {}
    bool hasPosition() const override { return has(u"X") && has(u"Y"); }
    void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override {
        setX(x), setY(y), setWidth(w), setHeight(h);
    }
    void setSize(std::int32_t w, std::int32_t h) override { setWidth(w), setHeight(h); }
    void removeGeometry() override {
        for (const char16_t* k : {u"X", u"Y", u"Width", u"Height"}) values.erase(k);
    }
    bool hasX() const override { return has(u"X"); }
    std::int32_t getX() const override { return get(u"X", 0); }
    void setX(std::int32_t x) override { put(u"X", x); }
    bool hasY() const override { return has(u"Y"); }
    std::int32_t getY() const override { return get(u"Y", 0); }
    void setY(std::int32_t y) override { put(u"Y", y); }
    bool isWidthValid(std::int32_t w) const override { return w >= 10; }
    bool hasWidth() const override { return has(u"Width"); }
    std::int32_t getWidth() const override { return get(u"Width", 600); }
    void setWidth(std::int32_t w) override { put(u"Width", w); }
    bool isHeightValid(std::int32_t h) const override { return h >= 10; }
    bool hasHeight() const override { return has(u"Height"); }
    std::int32_t getHeight() const override { return get(u"Height", 550); }
    void setHeight(std::int32_t h) override { put(u"Height", h); }
    bool getEasyDrag() const override { return get(u"EasyDrag", 1) != 0; }
    void setEasyDrag(bool on) override { put(u"EasyDrag", on); }
    bool isMaximized() const override { return get(u"Maximized", 0) != 0; }
    void setMaximized(bool on) override { put(u"Maximized", on); }
    bool isKeepOnTop() const override { return get(u"KeepOnTop", 1) != 0; }
    void setKeepOnTop(bool on) override { put(u"KeepOnTop", on); }
    bool isCloseOnMiddleClick() const override { return middle == kMiddleClose; }
    bool isIconizeOnMiddleClick() const override { return middle == kMiddleIconize; }
    std::u16string getMiddleClickAction() const override { return middle; }
    void setMiddleClickAction(const char16_t* a) override { middle = a; }

    bool has(const std::u16string& k) const {
        std::lock_guard<std::mutex> lock(mutex);
        return values.count(k) != 0;
    }
    std::int32_t get(const std::u16string& k, std::int32_t def) const {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = values.find(k);
        return it == values.end() ? def : it->second;
    }
    void put(const std::u16string& k, std::int32_t v) {
        std::lock_guard<std::mutex> lock(mutex);
        values[k] = v;
        ++writes;
    }

    mutable std::mutex mutex;
    std::map<std::u16string, std::int32_t> values;
    std::u16string middle = kMiddleClose;
    int writes = 0;
};

class TopWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { pw::startBackend(pw::BackendKind::kHeadless); }
    void SetUp() override {
        wm = pw::headless();
        ASSERT_NE(wm, nullptr);
        window = win::newWindow(100, 100, 200, 100);
        ASSERT_TRUE(window->hasNativeWindow());
        window->setVisible(true, false);
    }
    void TearDown() override {
        pw::holdTimers(false);
        if (window) window->release();
        wm->setWorkArea({0, 0, 1920, 1080});
        wm->setMessageBoxAnswerer(nullptr);
        wm->setMessageBoxWindows(false);
        wm->setCursorPosition({0, 0});
    }

    pw::Handle top() const { return window->getNativeWindow(); }

    // Everything posted to the window's thread before this call has been handled.
    void flush() {
        std::atomic<bool> done{false};
        std::function<void()> mark = [&] { done = true; };
        pw::post(top(), win::kMsgRunOnOwner, reinterpret_cast<pw::WParam>(&mark));
        ASSERT_TRUE(eventually([&] { return done.load(); }, 30000));
    }
    // Runs work on the window's thread (where the window's state lives).
    void onWindowThread(const std::function<void()>& work) {
        pw::send(top(), win::kMsgRunOnOwner, reinterpret_cast<pw::WParam>(&work));
    }
    void timer(std::uint32_t id) { pw::send(top(), pw::msg::kTimer, id); }
    pw::Rect rect() const { return pw::windowRect(top()); }

    static bool eventually(const std::function<bool()>& condition, int ms = 3000) {
        auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > until) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    pw::HeadlessBackend* wm = nullptr;
    // A frame drawer for the tests that give the window one: it outlives the window, which
    // may still paint while it is released.
    FlatFrame frame;
    win::Window* window = nullptr;
};

}  // namespace s::gui::testing
