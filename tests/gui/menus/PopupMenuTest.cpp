#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "gui/HeadlessWindow.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/menus/TestPack.h"
#include "gui/win/ListPopup.h"
#include "gui/win/PopupMenu.h"
#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/Popup.h"

namespace s::gui::testing {
namespace {

namespace pw = platform::window;
using menuitem::MenuItem;
using menuitem::newMenuItem;
using menuitem::newMenuItemText;
using menuitem::newSeparator;
using win::PopupMenu;

struct CountingListener : events::IEventListener {
    void onEvent(void* source, std::int32_t code) override {
        last = source;
        lastCode = code;
        ++count;
    }
    void* last = nullptr;
    std::int32_t lastCode = -1;
    int count = 0;
};

// View menu: "Keep on Top" (command 0), a separator, the Theme sub-menu with "Dark" (7), and
// the literal language name "Deutsch" (9).
class PopupMenuModel : public ::testing::Test {
protected:
    void SetUp() override {
        pack = makeTestPack();
        view = win::newPopupMenu(10, pack);
        view->addItem(newMenuItem(20, pack, 0, false));
        view->addItem(newSeparator());
        theme = win::newPopupMenu(30, nullptr);
        theme->addItem(newMenuItem(40, pack, 7, false));
        view->addSubMenu(theme);
        view->addItem(newMenuItemText(u"Deutsch", 9, false));
    }
    void TearDown() override {
        view->release();
        pack->release();
    }
    lang::Localizer* pack = nullptr;
    PopupMenu* view = nullptr;
    PopupMenu* theme = nullptr;
};

TEST_F(PopupMenuModel, SeparatorKeepsItsPlaceAndNeverMatchesACommand) {
    ASSERT_EQ(view->getCount(), 4);
    EXPECT_TRUE(view->getItem(1)->isSeparator());
    EXPECT_EQ(view->getItem(1)->getCommand(), 0);  // a separator's command is 0 too
    std::int32_t index = -1;
    EXPECT_TRUE(view->indexOfCommand(0, &index));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(view->findItem(0), view->getItem(0));
    EXPECT_TRUE(view->indexOfCommand(9, &index));
    EXPECT_EQ(index, 3);
    // Command 0 removed: the separator stays.
    EXPECT_TRUE(view->removeCommand(0));
    EXPECT_FALSE(view->removeCommand(0));
    EXPECT_EQ(view->getCount(), 3);
    EXPECT_TRUE(view->getItem(0)->isSeparator());
    EXPECT_FALSE(view->ownsCommand(0));
}

TEST_F(PopupMenuModel, CommandsOfSubMenusAreFoundFromTheParent) {
    EXPECT_TRUE(view->ownsCommand(7));
    EXPECT_EQ(view->findItem(7), nullptr);  // only this menu's own items
    EXPECT_TRUE(view->setChecked(7, true));
    EXPECT_TRUE(theme->getItem(0)->isChecked());
    EXPECT_TRUE(view->isChecked(7));
    EXPECT_EQ(view->menuOfCommand(7), theme);
    EXPECT_TRUE(view->enableCommand(7, false));
    EXPECT_FALSE(theme->getItem(0)->isEnabled());
    EXPECT_FALSE(view->setChecked(12345, true));
}

TEST_F(PopupMenuModel, LanguageSwitchRefetchesItemsAndSubMenuTitlesButNotLiteralNames) {
    EXPECT_EQ(view->getTitle(), u"View");
    EXPECT_EQ(view->getItem(0)->getText(), u"Keep on Top");
    EXPECT_EQ(theme->getTitle(), u"Theme");
    pack->selectByName(u"German");
    EXPECT_EQ(view->getTitle(), u"Ansicht");
    EXPECT_EQ(view->getItem(0)->getText(), u"Immer oben");
    EXPECT_EQ(theme->getTitle(), u"Design");
    EXPECT_EQ(theme->getItem(0)->getText(), u"Dunkel");
    EXPECT_EQ(view->getItem(3)->getText(), u"Deutsch");
}

TEST_F(PopupMenuModel, RadioMarksStayInsideTheListAndTheRange) {
    PopupMenu* langs = win::newPopupMenu(-1, nullptr);
    for (int i = 0; i < 3; ++i) langs->addItem(newMenuItemText(u"L", 100 + i, false));
    auto checks = [&] {
        std::string s;
        for (int i = 0; i < langs->getCount(); ++i) s += langs->getItem(i)->isChecked() ? '1' : '0';
        return s;
    };
    langs->checkRadioAll(1);
    EXPECT_EQ(checks(), "010");
    // The whole group are choices, the unchecked ones too.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(langs->getItem(i)->isRadio() && langs->getItem(i)->isCheckable());
    langs->checkRadio(2, 1, 99);  // range clipped to the list
    EXPECT_EQ(checks(), "001");
    langs->checkRadio(0, 1, 2);  // outside the range: the range is cleared, item 0 untouched
    EXPECT_EQ(checks(), "000");
    langs->checkRadioAll(5);  // past the end
    EXPECT_EQ(checks(), "000");
    EXPECT_TRUE(langs->checkRadioCommand(100));
    EXPECT_EQ(checks(), "100");
    langs->checkRadioAll(-1);
    EXPECT_EQ(checks(), "000");
    langs->release();
}

TEST_F(PopupMenuModel, ChooseFiresTheCommandListeners) {
    CountingListener l;
    theme->addCommandListener(&l);
    theme->choose(theme->getItem(0));
    EXPECT_EQ(l.count, 1);
    EXPECT_EQ(l.last, static_cast<IPopupMenu*>(theme));
    EXPECT_EQ(l.lastCode, 0);
    EXPECT_EQ(theme->getChosenItem()->getCommand(), 7);
}

// The menu opened on a window: keys and the pointer choose, Escape and a press outside cancel.
class PopupMenuShown : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        menu = win::newPopupMenu(-1, nullptr);
        menu->addItem(newMenuItemText(u"First", 0, false));
        menu->addItem(newSeparator());
        menu->addItem(newMenuItemText(u"Second", 2, false));
        sub = win::newPopupMenu(-1, nullptr);
        sub->setTitle(u"More");
        sub->addItem(newMenuItemText(u"Inner", 5, false));
        menu->addSubMenu(sub);
        menu->addCommandListener(&outer);
        sub->addCommandListener(&inner);
    }
    void TearDown() override {
        menu->release();
        HeadlessWindow::TearDown();
    }
    static pw::Handle newestPopup(std::size_t depth = 1) {
        pw::Handle found = pw::kNoWindow;
        eventually([&] {
            std::size_t n = 0;
            for (pw::Handle h : pw::topLevelWindows()) {
                if (pw::className(h) == "KavrelPopupMenu") {
                    found = h;
                    ++n;
                }
            }
            return n >= depth;
        });
        return found;
    }
    // Shows the menu on the window's thread, plays `act` and answers showAt's result.
    bool play(const std::function<void(pw::Handle)>& act) {
        std::atomic<int> result{-1};
        std::thread shower([&] { result = menu->showAt(20, 20, top()) ? 1 : 0; });
        pw::Handle popup = newestPopup();
        if (popup) act(popup);
        shower.join();
        return result == 1;
    }
    void key(pw::Handle popup, std::uint32_t k) {
        pw::input::key(popup, k, true);
        pw::input::key(popup, k, false);
    }

    PopupMenu* menu = nullptr;
    PopupMenu* sub = nullptr;
    CountingListener outer, inner;
};

TEST_F(PopupMenuShown, KeysSkipTheSeparatorAndEnterChooses) {
    EXPECT_TRUE(play([&](pw::Handle p) {
        key(p, pw::vk::kDown);
        key(p, pw::vk::kDown);
        key(p, pw::vk::kReturn);
    }));
    EXPECT_EQ(outer.count, 1);
    EXPECT_EQ(menu->getChosenItem()->getCommand(), 2);
}

TEST_F(PopupMenuShown, AClickOnAnItemChoosesIt) {
    EXPECT_TRUE(play([&](pw::Handle p) {
        pw::Point first{30, 2 + 11};
        pw::input::mouseMove(p, first);
        pw::input::mouseButton(p, first, pw::MouseButton::kLeft, true);
        pw::input::mouseButton(p, first, pw::MouseButton::kLeft, false);
    }));
    EXPECT_EQ(menu->getChosenItem()->getCommand(), 0);  // command 0 is a real command
}

TEST_F(PopupMenuShown, TheReleaseOfTheOpeningClickChoosesNothing) {
    // A long menu near the screen's bottom is pushed back over the entry that opened it: the
    // pointer, still on the entry's spot, lies over the first item when the button comes up.
    const pw::Point first{30, 2 + 11};
    const pw::Point screen{20 + first.x, 20 + first.y};
    pw::headless()->setCursorPosition(screen);
    EXPECT_FALSE(play([&](pw::Handle p) {
        EXPECT_EQ(pw::clientToScreen(p, first), screen);
        pw::input::mouseMove(p, first);  // the pointer's position as the popup appears
        pw::input::mouseButton(p, first, pw::MouseButton::kLeft, false);
        key(p, pw::vk::kEscape);
    }));
    EXPECT_EQ(outer.count, 0);
    // Once the pointer moved in the popup, a release there chooses.
    EXPECT_TRUE(play([&](pw::Handle p) {
        pw::input::mouseMove(p, {first.x + 4, first.y});
        pw::input::mouseButton(p, {first.x + 4, first.y}, pw::MouseButton::kLeft, false);
    }));
    EXPECT_EQ(outer.count, 1);
    pw::headless()->setCursorPosition({0, 0});
}

TEST_F(PopupMenuShown, ASubMenuItemFiresTheSubMenusListeners) {
    EXPECT_TRUE(play([&](pw::Handle p) {
        key(p, pw::vk::kUp);  // wraps to the last entry: the sub-menu
        key(p, pw::vk::kRight);
        pw::Handle inside = newestPopup(2);
        key(inside, pw::vk::kReturn);
    }));
    EXPECT_EQ(inner.count, 1);
    EXPECT_EQ(outer.count, 0);
    EXPECT_EQ(sub->getChosenItem()->getCommand(), 5);
}

TEST_F(PopupMenuShown, EscapeAndAPressOutsideCancel) {
    EXPECT_FALSE(play([&](pw::Handle p) { key(p, pw::vk::kEscape); }));
    EXPECT_FALSE(play([&](pw::Handle) {
        pw::input::mouseButton(top(), {5, 5}, pw::MouseButton::kLeft, true);
    }));
    EXPECT_EQ(outer.count + inner.count, 0);
}

// A menu taller than the work area (a language menu of 35 entries on a 1366 x 768 screen)
// scrolls, so that its last entry can be reached by the pointer.
TEST_F(PopupMenuShown, AMenuTallerThanTheScreenScrollsToItsLastEntry) {
    pw::headless()->setWorkArea({0, 0, 1366, 768});
    PopupMenu* languages = win::newPopupMenu(-1, nullptr);
    languages->addItem(newMenuItemText(u"Translate?", 100, false));
    languages->addItem(newSeparator());
    for (int i = 0; i < 35; ++i) languages->addItem(newMenuItemText(u"Language", 200 + i, false));
    enum class Way { kWheel, kLowerArrow, kEndKey };
    for (Way way : {Way::kWheel, Way::kLowerArrow, Way::kEndKey}) {
        std::atomic<int> result{-1};
        std::thread shower([&] { result = languages->showAt(20, 20, top()) ? 1 : 0; });
        pw::Handle p = newestPopup();
        ASSERT_NE(p, pw::kNoWindow);
        pw::Rect r = pw::windowRect(p);
        EXPECT_LE(r.height, 768);
        const pw::Point lowerArrow{30, r.height - 2 - win::ListPopup::kArrowHeight / 2};
        switch (way) {
            case Way::kWheel:
                pw::input::mouseWheel(p, {30, 100}, -120 * 40);
                break;
            case Way::kLowerArrow:
                for (int i = 0; i < 40; ++i) {
                    pw::input::mouseButton(p, lowerArrow, pw::MouseButton::kLeft, true);
                    pw::input::mouseButton(p, lowerArrow, pw::MouseButton::kLeft, false);
                }
                break;
            case Way::kEndKey:
                key(p, pw::vk::kEnd);
                break;
        }
        // The last row shown, just above the lower arrow, is the last language.
        const pw::Point last{30, lowerArrow.y - win::ListPopup::kArrowHeight / 2 - 11};
        pw::input::mouseMove(p, last);
        pw::input::mouseButton(p, last, pw::MouseButton::kLeft, true);
        pw::input::mouseButton(p, last, pw::MouseButton::kLeft, false);
        shower.join();
        EXPECT_EQ(result.load(), 1) << static_cast<int>(way);
        ASSERT_NE(languages->getChosenItem(), nullptr);
        EXPECT_EQ(languages->getChosenItem()->getCommand(), 234) << static_cast<int>(way);
    }
    languages->release();
    pw::headless()->setWorkArea({0, 0, 1920, 1080});
}

// A sub-menu without room on the right of its menu flips left, staying on the menu's monitor.
TEST_F(PopupMenuShown, ASubMenuThatFlipsLeftStaysOnItsMonitor) {
    pw::headless()->setMonitors({{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
                                 {{1920, 0, 300, 1080}, {1920, 0, 300, 1040}}});
    sub->addItem(newMenuItemText(u"A rather long entry of the inner menu here", 6, false));
    std::atomic<int> result{-1};
    std::thread shower([&] { result = menu->showAt(2100, 20, top()) ? 1 : 0; });
    pw::Handle p = newestPopup();
    ASSERT_NE(p, pw::kNoWindow);
    key(p, pw::vk::kUp);  // the sub-menu entry
    key(p, pw::vk::kRight);
    pw::Handle inside = newestPopup(2);
    pw::Rect outerRect = pw::screenRect(p);
    pw::Rect innerRect = pw::screenRect(inside);
    EXPECT_GE(innerRect.x, 1920);
    EXPECT_LT(innerRect.x, outerRect.x);
    key(inside, pw::vk::kEscape);
    key(p, pw::vk::kEscape);
    shower.join();
    EXPECT_EQ(result.load(), 0);
    pw::headless()->setWorkArea({0, 0, 1920, 1080});
}

}  // namespace
}  // namespace s::gui::testing
