// The About window over its owner: the owner is disabled while it is open and enabled again on
// every way of closing; one window at a time; the object is reused for the next opening.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "../StandIns.h"
#include "gui/dialogs/About3.h"
#include "gui/win/Button.h"
#include "gui/win/Window.h"
#include "platform/window/Backend.h"
#include "platform/window/Input.h"

namespace s::frame_testing {
namespace {

namespace fs = std::filesystem;
namespace pw = platform::window;
using gui::dialogs::About3;

bool eventually(const std::function<bool()>& condition) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

class AboutWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { pw::startBackend(pw::BackendKind::kHeadless); }
    void SetUp() override {
        dir = fs::temp_directory_path() / "about-window-test";
        fs::remove_all(dir);
        fs::create_directories(dir);
        settings = std::make_unique<StandInSettings>(dir / "SaveData.xml");
        owner = gui::win::newWindow(0, 0, 600, 550);
        owner->setVisible(true, true);
        about = About3::create();
    }
    void TearDown() override {
        about->release();
        owner->release();
        settings.reset();
        fs::remove_all(dir);
    }
    void click(gui::win::Button* button) {
        gui::win::Window* w = about->window();
        pw::Point at{button->getScreenX() - w->getScreenX() + button->getWidth() / 2,
                     button->getScreenY() - w->getScreenY() + button->getHeight() / 2};
        pw::input::mouseButton(w->getNativeWindow(), at, pw::MouseButton::kLeft, true);
        pw::input::mouseButton(w->getNativeWindow(), at, pw::MouseButton::kLeft, false);
    }

    fs::path dir;
    std::unique_ptr<StandInSettings> settings;
    gui::win::Window* owner = nullptr;
    About3* about = nullptr;
};

TEST_F(AboutWindow, OwnerIsDisabledWhileOpenAndEnabledOnEveryWayOfClosing) {
    enum class Way { CloseButton, Glyph, CloseBox, ByTheProgram };
    for (Way way : {Way::CloseButton, Way::Glyph, Way::CloseBox, Way::ByTheProgram}) {
        SCOPED_TRACE(static_cast<int>(way));
        ASSERT_TRUE(about->open(owner, settings.get()));
        EXPECT_TRUE(about->isOpen());
        EXPECT_FALSE(owner->isEnabled());
        EXPECT_EQ(about->window()->getOwnerWindow(), owner);
        EXPECT_EQ(about->window()->getTitle(), u"Version Information");
        switch (way) {
            case Way::CloseButton:
                click(about->closeButton());
                break;
            case Way::Glyph:
                click(about->glyphButton());
                break;
            case Way::CloseBox:
                pw::input::closeRequest(about->window()->getNativeWindow());
                break;
            case Way::ByTheProgram:
                about->close();
                break;
        }
        EXPECT_TRUE(eventually([&] { return !about->isOpen() && owner->isEnabled(); }));
    }
}

TEST_F(AboutWindow, OneWindowAtATime) {
    ASSERT_TRUE(about->open(owner, settings.get()));
    gui::win::Window* first = about->window();
    ASSERT_TRUE(about->open(owner, settings.get()));
    EXPECT_EQ(about->window(), first);
    about->close();
    EXPECT_TRUE(owner->isEnabled());
    // Released at the end while open: the owner gets its input back.
    ASSERT_TRUE(about->open(owner, settings.get()));
    EXPECT_FALSE(owner->isEnabled());
    about->release();
    about = About3::create();
    EXPECT_TRUE(owner->isEnabled());
}

TEST_F(AboutWindow, TextsFollowTheLanguage) {
    ASSERT_TRUE(about->open(owner, settings.get()));
    about->close();
    settings->getLocalizer()->selectByName(u"German");
    ASSERT_TRUE(about->open(owner, settings.get()));
    EXPECT_EQ(about->window()->getTitle(), settings->getLocalizer()->text(400100));
    EXPECT_NE(about->window()->getTitle(), u"Version Information");
    about->close();
}

}  // namespace
}  // namespace s::frame_testing
