// The window's modal guard: a close asked for (by the window manager or the program) while a
// message box, the context menu, a menu-bar popup or a drop-down list is open waits for that
// loop to end; closeOverModal ends the loop as its Cancel and then closes.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "gui/combobox/ComboBoxItem.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/ComboBox.h"
#include "gui/win/MenuEx.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/TopWindow.h"

namespace pw = platform::window;
using namespace s::gui;
using s::gui::testing::TopWindow;

namespace {

enum class Loop { kMessageBox, kContextMenu, kMenuBar, kDropDown };

const char* loopName(Loop loop) {
    switch (loop) {
        case Loop::kMessageBox:
            return "MessageBox";
        case Loop::kContextMenu:
            return "ContextMenu";
        case Loop::kMenuBar:
            return "MenuBar";
        default:
            return "DropDown";
    }
}

// A window with a menu bar (one popup), a drop-down list and a context menu.
class ModalLoop : public TopWindow, public ::testing::WithParamInterface<Loop> {
protected:
    void SetUp() override {
        TopWindow::SetUp();
        bar = win::newMenuEx();
        win::PopupMenu* view = win::newPopupMenu(-1, nullptr);
        view->setTitle(u"View");
        view->addItem(menuitem::newMenuItemText(u"Top", 1, false));
        bar->addMenu(view);
        window->add(bar);
        combo = win::newComboBox(120, true);
        for (const char16_t* text : {u"one", u"two"}) {
            combo->addItem(combobox::newComboBoxItem(text, nullptr));
        }
        window->add(combo);
        context = win::newPopupMenu(-1, nullptr);
        context->addItem(menuitem::newMenuItemText(u"Copy", 2, false));
        window->setContextMenu(context, nullptr);
        window->layout();
        wm->setMessageBoxWindows(true);
    }
    void TearDown() override {
        if (asker.joinable()) asker.join();
        if (!window->isClosed()) window->setContextMenu(nullptr, nullptr);
        TopWindow::TearDown();
        window = nullptr;
        context->release();
    }

    // A point of a component in the top-level window's client coordinates.
    pw::Point centreOf(IComponent* c) const {
        pw::Point s = pw::clientToScreen(c->getNativeWindow(), {10, c->getHeight() / 2});
        return pw::screenToClient(top(), s);
    }
    void click(pw::Point p, pw::MouseButton button = pw::MouseButton::kLeft) {
        pw::input::mouseMove(top(), p);
        pw::input::mouseButton(top(), p, button, true);
        pw::input::mouseButton(top(), p, button, false);
    }
    static pw::Handle windowOf(const char* className) {
        for (pw::Handle h : pw::topLevelWindows()) {
            if (pw::className(h) == className) return h;
        }
        return pw::kNoWindow;
    }
    // Opens the loop and answers its window.
    pw::Handle openLoop(Loop loop) {
        const char* cls = "KavrelPopupMenu";
        switch (loop) {
            case Loop::kMessageBox:
                asker = std::thread([this] { answer = window->ask(u"Really?") ? 1 : 0; });
                cls = "LayerMessageBox";
                break;
            case Loop::kContextMenu:
                pw::input::mouseButton(top(), {150, 90}, pw::MouseButton::kRight, true);
                break;
            case Loop::kMenuBar:
                click(centreOf(bar));
                break;
            case Loop::kDropDown:
                click(centreOf(combo));
                cls = "KavrelComboList";
                break;
        }
        pw::Handle h = pw::kNoWindow;
        EXPECT_TRUE(eventually([&] { return (h = windowOf(cls)) != pw::kNoWindow; }, 30000));
        return h;
    }

    win::MenuEx* bar = nullptr;
    win::ComboBox* combo = nullptr;
    win::PopupMenu* context = nullptr;
    std::thread asker;
    std::atomic<int> answer{-1};
};

TEST_P(ModalLoop, ACloseWaitsUntilTheLoopHasEnded) {
    pw::Handle loop = openLoop(GetParam());
    ASSERT_NE(loop, pw::kNoWindow);
    window->close();                 // the program
    pw::input::closeRequest(top());  // the window manager's close button (or Alt+F4)
    flush();
    flush();
    EXPECT_FALSE(window->isClosed());
    EXPECT_TRUE(pw::isShown(top()));
    EXPECT_TRUE(pw::isWindow(loop));
    EXPECT_TRUE(window->modalGuard().active());

    pw::input::key(loop, pw::vk::kEscape, true);
    EXPECT_TRUE(eventually([&] { return window->isClosed(); }, 30000));
    EXPECT_FALSE(pw::isWindow(loop));
    EXPECT_FALSE(window->modalGuard().active());
}

TEST_P(ModalLoop, CloseOverModalEndsTheLoopAsItsCancelAndCloses) {
    pw::Handle loop = openLoop(GetParam());
    ASSERT_NE(loop, pw::kNoWindow);
    window->closeOverModal();
    EXPECT_TRUE(eventually([&] { return window->isClosed(); }, 30000));
    EXPECT_FALSE(pw::isWindow(loop));
    if (asker.joinable()) asker.join();
    if (GetParam() == Loop::kMessageBox) {
        EXPECT_EQ(answer.load(), 0);  // as the title bar's close: "No"
    }
    EXPECT_EQ(combo->getSelectedIndex(), -1);  // nothing was chosen
}

INSTANTIATE_TEST_SUITE_P(EachLoop, ModalLoop,
                         ::testing::Values(Loop::kMessageBox, Loop::kContextMenu, Loop::kMenuBar,
                                           Loop::kDropDown),
                         [](const auto& info) { return std::string(loopName(info.param)); });

}  // namespace
