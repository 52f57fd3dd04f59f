#include <gtest/gtest.h>

#include <atomic>

#include "gui/HeadlessWindow.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/menus/TestPack.h"
#include "gui/win/MenuEx.h"
#include "gui/win/PopupMenu.h"
#include "platform/window/Input.h"
#include "platform/window/Popup.h"

namespace s::gui::testing {
namespace {

namespace pw = platform::window;
using menuitem::newMenuItem;
using menuitem::newMenuItemText;
using win::MenuEx;
using win::PopupMenu;

struct Counter : events::IEventListener {
    void onEvent(void* source, std::int32_t code) override {
        lastCode = code;
        ++count;
    }
    std::atomic<int> count{0};
    std::atomic<int> lastCode{-1};
};

// A bar of two popups, "View" (10: "Keep on Top" 1, sub-menu "Theme" with "Dark" 7) and a
// literal "Help" (8), then the command entry "Go" (9) on the bar itself.
class MenuBar : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        pack = makeTestPack();
        bar = win::newMenuEx();
        view = win::newPopupMenu(10, pack);
        view->addItem(newMenuItem(20, pack, 1, false));
        theme = win::newPopupMenu(30, pack);
        theme->addItem(newMenuItem(40, pack, 7, false));
        view->addSubMenu(theme);
        help = win::newPopupMenu(-1, nullptr);
        help->setTitle(u"Help");
        help->addItem(newMenuItemText(u"About", 8, false));
        bar->addMenu(view);
        bar->addMenu(help);
        bar->addItem(newMenuItemText(u"Go", 9, false));
        bar->setClock([this] { return clock.load(); });
        bar->addCommandListener(&commands);
        bar->addPopupOpenedListener(&opened);
        bar->addRefreshListener(&refreshed);
    }
    void TearDown() override {
        // The bar releases its menus and items with it.
        if (bar->getParent()) {
            window->remove(bar, true);
        } else {
            bar->release();
        }
        HeadlessWindow::TearDown();
        pack->release();
    }
    void show() {
        window->setSize(300, 120);
        window->add(bar);
        window->setVisible(true, false);
    }
    // The centre of an entry in the top-level window's client coordinates.
    pw::Point centreOf(std::int32_t entry) const {
        pw::Rect r = bar->getEntryRect(entry);
        pw::Point s =
            pw::clientToScreen(bar->getNativeWindow(), {r.x + r.width / 2, r.y + r.height / 2});
        return pw::screenToClient(top(), s);
    }
    void click(std::int32_t entry) {
        pw::Point p = centreOf(entry);
        pw::input::mouseMove(top(), p);
        pw::input::mouseButton(top(), p, pw::MouseButton::kLeft, true);
        pw::input::mouseButton(top(), p, pw::MouseButton::kLeft, false);
    }
    // The open menu popups (of any thread).
    static std::size_t openMenus() {
        std::size_t n = 0;
        for (pw::Handle h : pw::topLevelWindows()) n += pw::className(h) == "KavrelPopupMenu";
        return n;
    }
    // Clicks the command entry and waits for its choice: every input before it was handled.
    void settle() {
        int before = commands.count;
        click(2);
        ASSERT_TRUE(eventually([&] { return commands.count == before + 1; }));
    }

    lang::Localizer* pack = nullptr;
    MenuEx* bar = nullptr;
    PopupMenu* view = nullptr;
    PopupMenu* theme = nullptr;
    PopupMenu* help = nullptr;
    std::atomic<std::int64_t> clock{100000};
    Counter commands, opened, refreshed;
};

TEST_F(MenuBar, CommandsAreFoundOnTheBarAndInEveryPopup) {
    EXPECT_EQ(bar->getEntryCount(), 3);
    for (std::int32_t c : {1, 7, 8, 9}) EXPECT_TRUE(bar->ownsCommand(c)) << c;
    EXPECT_FALSE(bar->ownsCommand(0));
    EXPECT_TRUE(bar->setChecked(7, true));
    EXPECT_TRUE(theme->getItem(0)->isChecked());
    EXPECT_TRUE(bar->isChecked(7));
    EXPECT_EQ(bar->menuOfCommand(7), theme);
    EXPECT_FALSE(bar->setChecked(12345, true));
    // A command that reached the window: the owning popup fires, and the bar's listeners too.
    Counter themeListener;
    theme->addCommandListener(&themeListener);
    EXPECT_TRUE(bar->chooseCommand(7));
    EXPECT_EQ(themeListener.count, 1);
    EXPECT_EQ(commands.count, 1);
    EXPECT_EQ(bar->getChosenItem()->getCommand(), 7);
    EXPECT_TRUE(bar->chooseCommand(9));
    EXPECT_EQ(bar->getChosenItem()->getText(), u"Go");
    EXPECT_FALSE(bar->chooseCommand(12345));
    EXPECT_EQ(commands.count, 2);
}

TEST_F(MenuBar, TheWindowOffersACommandToItsMenuBarFirst) {
    show();
    window->setMenuBar(bar);
    // A context menu with the same command number loses to the bar.
    PopupMenu* context = win::newPopupMenu(-1, nullptr);
    context->addItem(newMenuItemText(u"Also dark", 7, false));
    context->addItem(newMenuItemText(u"Only here", 11, false));
    Counter contextListener, themeListener;
    context->addCommandListener(&contextListener);
    theme->addCommandListener(&themeListener);
    window->setContextMenu(context, nullptr);
    EXPECT_EQ(pw::send(top(), pw::msg::kCommand, 7), 1);
    EXPECT_EQ(themeListener.count, 1);
    EXPECT_EQ(commands.count, 1);
    EXPECT_EQ(contextListener.count, 0);
    EXPECT_EQ(onOwner([&] { return bar->getChosenItem()->getCommand(); }), 7);
    EXPECT_EQ(pw::send(top(), pw::msg::kCommand, 9), 1);  // a command entry on the bar
    EXPECT_EQ(commands.count, 2);
    EXPECT_EQ(pw::send(top(), pw::msg::kCommand, 11), 1);  // not the bar's: the context menu
    EXPECT_EQ(contextListener.count, 1);
    EXPECT_EQ(commands.count, 2);
    EXPECT_EQ(pw::send(top(), pw::msg::kCommand, 12345), 0);  // nobody's
    EXPECT_EQ(commands.count, 2);
    window->setContextMenu(nullptr, nullptr);
    window->setMenuBar(nullptr);
    context->release();
}

TEST_F(MenuBar, EntriesAreMeasuredInARowAndRemeasuredOnALanguageChange) {
    auto widths = [&] {
        std::vector<std::int32_t> w;
        for (std::int32_t i = 0; i < bar->getEntryCount(); ++i) {
            pw::Rect r = bar->getEntryRect(i);
            EXPECT_EQ(r.x, i == 0 ? 0 : bar->getEntryRect(i - 1).right());
            EXPECT_EQ(r.height, bar->getMinHeight());
            w.push_back(r.width);
        }
        return w;
    };
    std::vector<std::int32_t> english = widths();
    EXPECT_EQ(bar->getEntryText(0), u"View");
    EXPECT_EQ(bar->getMinWidth(), english[0] + english[1] + english[2]);
    bar->setSpacing(10, 3);
    EXPECT_EQ(widths()[2], english[2] + 8);
    pack->selectByName(u"German");
    EXPECT_EQ(bar->getEntryText(0), u"Ansicht");
    EXPECT_EQ(theme->getTitle(), u"Design");
    EXPECT_EQ(bar->getEntryText(1), u"Help");  // literal titles stay
    EXPECT_GT(widths()[0], english[0] + 8);
    EXPECT_EQ(refreshed.count, 1);
    EXPECT_EQ(refreshed.lastCode, 0);
}

TEST_F(MenuBar, ThePointerPassesThroughOutsideTheEntries) {
    show();
    ASSERT_GT(bar->getWidth(), bar->getMinWidth());
    auto hitAt = [&](std::int32_t x) {
        pw::Point s = pw::clientToScreen(bar->getNativeWindow(), {x, 2});
        return pw::windowFromPoint(top(), s);
    };
    EXPECT_EQ(hitAt(1), bar->getNativeWindow());
    EXPECT_EQ(hitAt(bar->getMinWidth() - 1), bar->getNativeWindow());
    EXPECT_NE(hitAt(bar->getMinWidth() + 5), bar->getNativeWindow());
    // One entry: the whole bar.
    bar->setOneEntry(true);
    EXPECT_TRUE(bar->getNormalFont()->isBold());
    EXPECT_EQ(hitAt(bar->getWidth() - 2), bar->getNativeWindow());
    EXPECT_EQ(bar->entryAt({bar->getWidth() - 2, 2}), 0);
}

TEST_F(MenuBar, ASecondClickClosesAndTheReopenGuardHoldsForHalfASecond) {
    show();
    click(0);
    ASSERT_TRUE(ownerSees([&] { return bar->getOpenEntry() == 0; }));
    EXPECT_EQ(opened.count, 1);
    EXPECT_EQ(opened.lastCode, 1);
    click(0);  // closes, and the same press does not reopen
    settle();
    EXPECT_EQ(onOwner([&] { return bar->getOpenEntry(); }), -1);
    EXPECT_EQ(openMenus(), 0u);
    EXPECT_EQ(opened.count, 1);

    clock += 200;
    click(0);
    settle();
    EXPECT_EQ(opened.count, 1);
    EXPECT_EQ(onOwner([&] { return bar->getOpenEntry(); }), -1);

    clock += 400;  // 600 ms after the close
    click(0);
    ASSERT_TRUE(ownerSees([&] { return bar->getOpenEntry() == 0; }));
    EXPECT_EQ(opened.count, 2);
    pw::input::key(top(), pw::vk::kEscape, true);
    ASSERT_TRUE(ownerSees([&] { return bar->getOpenEntry() == -1; }));
}

TEST_F(MenuBar, MovingToAnotherEntrySwitchesPopupsAndAChoiceReachesTheBar) {
    show();
    click(0);
    ASSERT_TRUE(ownerSees([&] { return bar->getOpenEntry() == 0; }));
    pw::input::mouseMove(top(), centreOf(1));
    ASSERT_TRUE(ownerSees([&] { return bar->getOpenEntry() == 1 && opened.count == 2; }));
    ASSERT_TRUE(eventually([&] { return openMenus() == 1; }));
    // The command entry opens nothing: the help popup stays.
    pw::input::mouseMove(top(), centreOf(2));
    pw::input::key(top(), pw::vk::kDown, true);
    pw::input::key(top(), pw::vk::kReturn, true);
    ASSERT_TRUE(eventually([&] { return commands.count == 1; }));
    EXPECT_EQ(bar->getChosenItem()->getCommand(), 8);
    EXPECT_EQ(opened.count, 2);
    EXPECT_TRUE(ownerSees([&] { return bar->getOpenEntry() == -1; }));
}

TEST_F(MenuBar, AutoOpenOpensThePopupUnderThePointer) {
    bar->setAutoOpen(true);
    show();
    pw::input::mouseMove(top(), centreOf(1));
    ASSERT_TRUE(ownerSees([&] { return bar->getOpenEntry() == 1; }));
    pw::input::key(top(), pw::vk::kEscape, true);
    ASSERT_TRUE(ownerSees([&] { return bar->getOpenEntry() == -1; }));
    // Still over the same entry: it does not open again until the pointer comes back.
    pw::input::mouseMove(top(), {centreOf(1).x + 1, centreOf(1).y});
    settle();
    EXPECT_EQ(opened.count, 1);
}

}  // namespace
}  // namespace s::gui::testing
