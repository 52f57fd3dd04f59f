#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "gui/menus/TestPack.h"
#include "gui/win/MessageBoxW.h"
#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/Window.h"

namespace s::gui::testing {
namespace {

namespace pw = platform::window;

class MessageBoxWTest : public ::testing::Test {
protected:
    void SetUp() override {
        pw::startBackend(pw::BackendKind::kHeadless);
        pack = makeTestPack();
        win::MessageBoxW::setApplication(u"Veritome", pack);
    }
    void TearDown() override {
        win::MessageBoxW::setApplication(u"", nullptr);
        pw::headless()->setMessageBoxWindows(false);
        pack->release();
    }
    static pw::Handle waitForBox() {
        for (int i = 0; i < 500; ++i) {
            for (pw::Handle h : pw::topLevelWindows()) {
                if (pw::className(h) == "LayerMessageBox") return h;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return pw::kNoWindow;
    }
    lang::Localizer* pack = nullptr;
};

TEST_F(MessageBoxWTest, AskYesNoCancelAnswersForEveryWayOut) {
    pw::headless()->setMessageBoxWindows(true);
    using Keys = std::vector<std::uint32_t>;
    struct Case {
        const char* name;
        Keys keys;  // empty: the box is closed
        bool result;
        bool answer;
    } cases[] = {
        {"Yes", {pw::vk::kReturn}, true, true},
        {"No", {pw::vk::kRight, pw::vk::kReturn}, true, false},
        {"Cancel", {pw::vk::kLeft, pw::vk::kReturn}, false, false},
        {"Escape", {pw::vk::kEscape}, false, false},
        {"closed", {}, false, false},
    };
    for (const Case& c : cases) {
        std::thread player([&] {
            pw::Handle box = waitForBox();
            if (!box) return;
            if (c.keys.empty()) pw::input::closeRequest(box);
            for (std::uint32_t k : c.keys) pw::input::key(box, k, true);
        });
        bool answer = !c.answer;  // untouched unless the box answers
        bool result = win::askYesNoCancelBox(pw::kNoWindow, u"Overwrite?", &answer);
        player.join();
        EXPECT_EQ(result, c.result) << c.name;
        // A cancelled box leaves the answer as it was.
        EXPECT_EQ(answer, c.result ? c.answer : !c.answer) << c.name;
    }
}

TEST_F(MessageBoxWTest, ButtonsAndTitleComeFromTheApplication) {
    pack->selectByName(u"German");
    std::vector<pw::MessageBoxRequest> seen;
    pw::headless()->setMessageBoxAnswerer([&](const pw::MessageBoxRequest& r) {
        seen.push_back(r);
        return static_cast<int>(pw::kAnswerNo);
    });
    EXPECT_FALSE(win::askYesNoBox(pw::kNoWindow, u"Frage"));
    win::errorBox(pw::kNoWindow, u"Fehler");
    pw::headless()->setMessageBoxAnswerer(nullptr);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].title, u"Veritome");
    EXPECT_EQ(seen[0].yesText, u"Ja");
    EXPECT_EQ(seen[0].noText, u"Nein");
    EXPECT_EQ(seen[0].cancelText, u"Abbrechen");
    EXPECT_EQ(seen[0].icon, pw::BoxIcon::kQuestion);
    EXPECT_EQ(seen[1].icon, pw::BoxIcon::kError);
    EXPECT_EQ(seen[1].buttons, pw::BoxButtons::kOk);
}

}  // namespace
}  // namespace s::gui::testing
