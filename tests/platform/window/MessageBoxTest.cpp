#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Probe.h"
#include "platform/window/Window.h"

namespace pw = platform::window;

namespace {

// Message boxes as layer windows, answered by input from another thread while the test thread
// runs the box's modal loop.
class LayerMessageBox : public ::testing::Test {
protected:
    void SetUp() override {
        pw::startBackend(pw::BackendKind::kHeadless);
        pw::headless()->setMessageBoxWindows(true);
        owner = probe::make(&ownerProbe, pw::kNoWindow, {0, 0, 400, 300});
    }
    void TearDown() override {
        pw::headless()->setMessageBoxWindows(false);
        pw::destroy(owner);
    }
    static pw::Handle waitForBox() {
        for (int i = 0; i < 500; ++i) {
            for (pw::Handle h : pw::topLevelWindows()) {
                if (pw::className(h) == "LayerMessageBox") return h;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return pw::kNoWindow;
    }
    // Shows a box and, from another thread, plays `act` on it once it is up.
    int answer(pw::BoxButtons buttons, std::function<void(pw::Handle)> act) {
        std::thread player([&] {
            if (pw::Handle box = waitForBox()) act(box);
        });
        pw::MessageBoxRequest request;
        request.owner = owner;
        request.title = u"Veritome";
        request.text = u"Different! 不同 مختلف";
        request.icon = pw::BoxIcon::kWarning;
        request.buttons = buttons;
        int a = pw::messageBox(request);
        player.join();
        return a;
    }

    probe::Probe ownerProbe;
    pw::Handle owner = 0;
};

TEST_F(LayerMessageBox, KeysAndClosingGiveTheAnswers) {
    using K = std::vector<std::uint32_t>;
    constexpr std::uint32_t kShiftTab = 0x10000;  // Tab with Shift held
    struct Case {
        pw::BoxButtons buttons;
        K keys;  // empty: the box is closed
        int expected;
    };
    const Case cases[] = {
        {pw::BoxButtons::kOk, {pw::vk::kReturn}, pw::kAnswerOk},
        {pw::BoxButtons::kYesNo, {pw::vk::kRight, pw::vk::kReturn}, pw::kAnswerNo},
        {pw::BoxButtons::kYesNo, {pw::vk::kEscape}, pw::kAnswerNo},
        {pw::BoxButtons::kYesNoCancel, {pw::vk::kLeft, pw::vk::kSpace}, pw::kAnswerCancel},
        {pw::BoxButtons::kYesNoCancel, {pw::vk::kTab, pw::vk::kReturn}, pw::kAnswerNo},
        {pw::BoxButtons::kYesNoCancel, {kShiftTab, pw::vk::kReturn}, pw::kAnswerCancel},
        {pw::BoxButtons::kOkCancel, {}, pw::kAnswerCancel},
        {pw::BoxButtons::kOk, {}, pw::kAnswerOk},
    };
    for (const Case& c : cases) {
        int got = answer(c.buttons, [&](pw::Handle box) {
            if (c.keys.empty()) pw::input::closeRequest(box);
            for (std::uint32_t k : c.keys) {
                bool shift = k == kShiftTab;
                if (shift) k = pw::vk::kTab, pw::input::key(box, pw::vk::kShift, true);
                pw::input::key(box, k, true);
                pw::input::key(box, k, false);
                if (shift) pw::input::key(box, pw::vk::kShift, false);
            }
        });
        EXPECT_EQ(got, c.expected) << static_cast<int>(c.buttons) << " " << c.keys.size();
    }
}

TEST_F(LayerMessageBox, ShowsItsTextOverADisabledOwnerAndClicksAnswer) {
    std::atomic<bool> ownerDisabled{false};
    std::atomic<int> darkPixels{0};
    int got = answer(pw::BoxButtons::kYesNo, [&](pw::Handle box) {
        ownerDisabled = !pw::isEnabled(owner);
        pw::update(box);
        pw::Rect r = pw::windowRect(box);
        int dark = 0;
        for (int y = 0; y < r.height / 2; ++y) {
            for (int x = 0; x < r.width; ++x) {
                pw::Colour c = 0;
                if (pw::pixelAt(box, {x, y}, &c) && pw::red(c) < 60 && pw::blue(c) < 60) ++dark;
            }
        }
        darkPixels = dark;
        // The buttons sit at the bottom right, the last (No) rightmost.
        pw::Point no{r.width - 14 - 43, r.height - 14 - 13};
        pw::input::mouseMove(box, no);
        pw::input::mouseButton(box, no, pw::MouseButton::kLeft, true);
        pw::input::mouseButton(box, no, pw::MouseButton::kLeft, false);
    });
    EXPECT_EQ(got, pw::kAnswerNo);
    EXPECT_TRUE(ownerDisabled.load());
    EXPECT_TRUE(pw::isEnabled(owner));
    EXPECT_GT(darkPixels.load(), 50);  // the text was painted
}

TEST_F(LayerMessageBox, AQuitDuringTheBoxEndsItAndStillReachesTheLoop) {
    pw::ThreadId me = pw::currentThread();
    int got = answer(pw::BoxButtons::kOkCancel, [me](pw::Handle) { pw::postQuit(me, 5); });
    EXPECT_EQ(got, pw::kAnswerCancel);
    pw::Message m;
    EXPECT_FALSE(pw::getMessage(&m));
    EXPECT_EQ(m.wparam, 5u);
}

TEST_F(LayerMessageBox, ALongPathBreaksInsideTheWorkArea) {
    pw::headless()->setWorkArea({0, 0, 320, 600});
    std::u16string path = u"/home/user/";
    for (int i = 0; i < 40; ++i) path += u"very-long-folder-name/";
    std::atomic<int> width{0};
    std::atomic<int> height{0};
    std::thread player([&] {
        if (pw::Handle box = waitForBox()) {
            width = pw::windowRect(box).width;
            height = pw::windowRect(box).height;
            pw::input::closeRequest(box);
        }
    });
    pw::MessageBoxRequest request;
    request.text = u"Cannot open " + path;
    request.icon = pw::BoxIcon::kError;
    pw::messageBox(request);
    player.join();
    pw::headless()->setWorkArea({0, 0, 1920, 1080});
    EXPECT_GT(width.load(), 0);
    EXPECT_LE(width.load(), 320);
    EXPECT_GT(height.load(), 100);  // many lines
}

}  // namespace
