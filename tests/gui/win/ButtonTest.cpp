// Buttons on real native windows: press, drag off, release, listener order, auto-repeat,
// program clicks, toggling and colour texts.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/win/Button.h"
#include "platform/window/Input.h"

namespace pw = platform::window;
using s::gui::testing::HeadlessWindow;
using namespace s::gui::win;

namespace {

// Records which list fired, in order.
class Order : public s::gui::events::IEventListener {
public:
    explicit Order(std::string name, std::vector<std::string>* log, std::mutex* m)
        : name_(std::move(name)), log_(log), mutex_(m) {}
    void onEvent(void*, std::int32_t code) override {
        std::lock_guard<std::mutex> lock(*mutex_);
        log_->push_back(name_ + std::to_string(code));
    }

private:
    std::string name_;
    std::vector<std::string>* log_;
    std::mutex* mutex_;
};

class ButtonWidget : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        button = newButton(u"Copy", 40, 20);
        button->addPressListener(&press);
        button->addClickListener(&click);
        button->addAfterClickListener(&after);
        window->add(button);
        window->setVisible(true, false);
    }
    std::vector<std::string> events() {
        std::lock_guard<std::mutex> lock(mutex);
        return log;
    }
    void mouse(pw::Point p, bool down) {
        pw::input::mouseMove(top(), p);
        pw::input::mouseButton(top(), p, pw::MouseButton::kLeft, down);
    }
    std::mutex mutex;
    std::vector<std::string> log;
    Order press{"press", &log, &mutex}, click{"click", &log, &mutex}, after{"after", &log, &mutex};
    Button* button = nullptr;
};

TEST_F(ButtonWidget, ReleaseInsideClicksInOrderDraggedOffDoesNot) {
    mouse({5, 5}, true);
    ASSERT_TRUE(ownerSees([&] { return button->isPressed(); }));
    pw::input::mouseMove(top(), {90, 50});  // dragged off
    EXPECT_TRUE(ownerSees([&] { return button->getState() == 0; }));
    mouse({90, 50}, false);
    ASSERT_TRUE(ownerSees([&] { return !button->isPressed(); }));
    EXPECT_EQ(events(), (std::vector<std::string>{"press0"}));
    EXPECT_EQ(pw::captureOf(pw::threadOf(top())), pw::kNoWindow);

    button->setToggleMode(true, false);
    mouse({5, 5}, true);
    mouse({6, 6}, false);
    ASSERT_TRUE(eventually([&] { return events().size() == 4; }));
    EXPECT_EQ(events(), (std::vector<std::string>{"press0", "press0", "click1", "after2"}));
    EXPECT_TRUE(button->isToggled());
    // Without unchecking a toggled button stays toggled.
    button->click();
    EXPECT_TRUE(button->isToggled());
}

TEST_F(ButtonWidget, ProgramClickLeavesNothingPressed) {
    button->click();
    EXPECT_EQ(events(), (std::vector<std::string>{"press0", "click1", "after2"}));
    EXPECT_FALSE(button->isPressed());
    EXPECT_EQ(button->getState(), 0);
}

TEST_F(ButtonWidget, AutoRepeatRunsWhileHeldAndStopsWhenDisabled) {
    button->setAutoRepeat(true);
    mouse({5, 5}, true);
    auto presses = [&] {
        std::size_t n = 0;
        for (const std::string& e : events()) n += e == "press0";
        return n;
    };
    EXPECT_TRUE(eventually([&] { return presses() >= 3; }));  // 500 ms, then every 100 ms
    button->setEnabled(false);
    std::size_t stopped = presses();
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_EQ(presses(), stopped);
    EXPECT_FALSE(onOwner([&] { return button->isPressed(); }));
    mouse({5, 5}, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    for (const std::string& e : events()) EXPECT_NE(e, "click1");
}

TEST_F(ButtonWidget, AutoRepeatStopsOnCaptureLoss) {
    button->setAutoRepeat(true);
    mouse({5, 5}, true);
    ASSERT_TRUE(ownerSees([&] { return button->isPressed(); }));
    std::function<void()> lose = [] { pw::releaseCapture(); };
    pw::send(top(), kMsgRun, reinterpret_cast<pw::WParam>(&lose));
    EXPECT_FALSE(button->isPressed());
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_EQ(events().size(), 1u);  // no repeat after the loss
}

TEST(ButtonText, ColourTextIsEightLowerCaseDigits) {
    Button* b = newButton(u"", -1, -1);
    b->setColourText(255, 0, 0);
    EXPECT_EQ(b->getText(), u"#Color-000000ff");
    b->setColourText(0x12, 0xAB, 0xCD);
    EXPECT_EQ(b->getText(), u"#Color-00cdab12");
    b->release();
}

}  // namespace
