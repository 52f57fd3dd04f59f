// The cross-thread hand-off: native work runs on the window's thread while the caller waits.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/Box.h"
#include "gui/win/ComboBox.h"
#include "gui/win/Label.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/Window.h"
#include "platform/window/Headless.h"
#include "platform/window/Input.h"

namespace pw = platform::window;
using s::gui::testing::HeadlessWindow;
using namespace s::gui::win;

namespace {

// Records the values of a private message in the order the owner thread handles them; a second
// message makes the owner thread change the tree itself.
class Probe : public Component, public s::thread::Pooled<Probe> {
public:
    static constexpr std::uint32_t kRecord = 0x8100;
    static constexpr std::uint32_t kAddChild = 0x8101;

    const char16_t* typeName() const override { return u"s_gui_testing_Probe"; }
    s::base::IObject* newInstance() const override { return create(); }
    void release() override { s::thread::Pooled<Probe>::release(); }
    void recycle() override { resetComponent(); }

    pw::Result handleMessage(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp) override {
        if (m == kRecord) {
            std::lock_guard<std::mutex> lock(mutex);
            values.push_back(wp);
            onOwner = onOwner && pw::isOwnerThread(w);
            return static_cast<pw::Result>(wp) + 1;
        }
        if (m == kAddChild) {
            auto* box = reinterpret_cast<Box*>(wp);
            Probe* child = Probe::create();
            box->add(child);  // sends to its own thread: a direct call, no deadlock
            return child->getNativeWindow() != pw::kNoWindow ? 1 : 0;
        }
        return Component::handleMessage(w, m, wp, lp);
    }

    std::mutex mutex;
    std::vector<pw::WParam> values;
    bool onOwner = true;
};

using HandOffThread = HeadlessWindow;

TEST_F(HandOffThread, CallReturnsOnlyAfterTheOwnerRanIt) {
    ASSERT_FALSE(window->isOwnerThread());
    // A box filled while detached: attaching it makes every native window on the owner thread
    // before add returns.
    Box* box = newPlainBox();
    Probe* probe = Probe::create();
    box->add(probe);
    window->add(box);
    pw::Handle native = probe->getNativeWindow();
    ASSERT_NE(native, pw::kNoWindow);
    EXPECT_EQ(pw::threadOf(native), pw::threadOf(top()));
    EXPECT_NE(pw::threadOf(native), pw::currentThread());
    EXPECT_EQ(pw::parentOf(native), box->getNativeWindow());
    // Removing destroys the native windows before it returns.
    window->remove(box, true);
    EXPECT_FALSE(pw::isWindow(native));
}

TEST_F(HandOffThread, NotificationsArriveInTheOrderSent) {
    Probe* probe = Probe::create();
    window->add(probe);
    pw::Handle target = probe->getNativeWindow();
    constexpr pw::WParam kCount = 300;
    auto sender = [&](pw::WParam base) {
        for (pw::WParam i = 0; i < kCount; ++i) {
            // The answer proves the handler ran before send returned.
            EXPECT_EQ(pw::send(target, Probe::kRecord, base + i),
                      static_cast<pw::Result>(base + i + 1));
        }
    };
    std::thread a(sender, 0), b(sender, 10000);
    a.join();
    b.join();
    std::vector<pw::WParam> fromA, fromB;
    for (pw::WParam v : probe->values) (v < 10000 ? fromA : fromB).push_back(v);
    ASSERT_EQ(fromA.size(), kCount);
    ASSERT_EQ(fromB.size(), kCount);
    for (pw::WParam i = 0; i < kCount; ++i) {
        EXPECT_EQ(fromA[i], i);
        EXPECT_EQ(fromB[i], 10000 + i);
    }
    EXPECT_TRUE(probe->onOwner);
    window->removeAll(true);
}

TEST_F(HandOffThread, OwnerThreadChangingTheTreeDoesNotDeadlock) {
    Probe* probe = Probe::create();
    Box* box = newPlainBox();
    window->add(probe);
    window->add(box);
    auto done = std::async(std::launch::async, [&] {
        return pw::send(probe->getNativeWindow(), Probe::kAddChild,
                        reinterpret_cast<pw::WParam>(box));
    });
    ASSERT_EQ(done.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(done.get(), 1);
    EXPECT_EQ(box->getChildCount(), 1u);
    window->removeAll(true);
}

// A worker fills and empties a box, relabels and re-margins it while the user resizes the
// window: every change runs whole on the owner thread, so nothing races with its layout and
// painting (the thread checker would say).
TEST_F(HandOffThread, TreeChangedFromWorkerWhileTheWindowIsResized) {
    Box* box = newPlainBox();
    box->layoutRow();
    window->add(box);
    window->setVisible(true, false);
    std::atomic<bool> stop{false};
    std::thread resizer([&] {
        for (int i = 0; !stop.load(); ++i) {
            pw::input::resized(top(), {100 + i % 40, 60 + i % 20});
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    std::thread worker([&] {
        for (int i = 0; i < 60; ++i) {
            Label* label = newLabel(u"item");
            box->add(label);
            label->setText(i % 2 ? u"odd" : u"even", true);
            box->setMargins(i % 4);
            if (box->getChildCount() > 3) box->remove(box->getChild(0), true);
        }
        box->removeAll(true);
    });
    worker.join();
    stop = true;
    resizer.join();
    EXPECT_EQ(box->getChildCount(), 0u);
    window->removeAll(true);
}

// A worker changes a drop-down list while its list is open, and a box's visibility and size,
// while the window is resized: every change runs on the window's thread.
TEST_F(HandOffThread, ListAndBoxChangedFromWorkerWhileTheListIsOpen) {
    Box* row = newPlainBox();
    row->layoutRow();
    Box* side = newPlainBox();
    ComboBox* list = newComboBox(80, true);
    for (int i = 0; i < 3; ++i) list->addItem(s::gui::combobox::newComboBoxItem(u"item", nullptr));
    row->add(list);
    row->add(side);
    window->add(row);
    window->setVisible(true, false);
    std::thread dropper([&] { list->dropDown(); });
    ASSERT_TRUE(ownerSees([&] { return list->isDroppedDown(); }));
    std::atomic<bool> stop{false};
    std::thread resizer([&] {
        for (int i = 0; !stop.load(); ++i) {
            pw::input::resized(top(), {100 + i % 40, 60 + i % 20});
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    std::thread worker([&] {
        for (int i = 0; i < 60; ++i) {
            list->addItem(s::gui::combobox::newComboBoxItem(u"more", nullptr));
            list->select(i % list->getItemCount(), true);
            if (list->getItemCount() > 5) list->deleteItemAt(0);
            side->setVisible(i % 2 == 0, true);
            side->setPercentWidth(10 + i % 50, true);
        }
    });
    worker.join();
    stop = true;
    resizer.join();
    EXPECT_TRUE(list->isDroppedDown());
    pw::input::key(top(), pw::vk::kEscape, true);
    dropper.join();
    EXPECT_EQ(list->getItemCount(), 5);
    window->removeAll(true);
}

// A context menu of three entries, opened by a right click on the window.
class ShownMenuThread : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        menu = newPopupMenu(-1, nullptr);
        for (int i = 0; i < 3; ++i)
            menu->addItem(s::gui::menuitem::newMenuItemText(u"entry", i, false));
        ASSERT_NE(dynamic_cast<Window*>(window), nullptr);
        owner()->setContextMenu(menu, nullptr);
        window->setVisible(true, false);
        EXPECT_EQ(menu->getOwnerWindow(), top());
        pw::input::mouseButton(top(), {20, 20}, pw::MouseButton::kRight, true);
        auto findMenu = [&] {
            for (pw::Handle h : pw::topLevelWindows()) {
                if (h != top() && pw::isShown(h)) shown = h;
            }
            return shown != pw::kNoWindow;
        };
        ASSERT_TRUE(ownerSees(findMenu));
    }
    void TearDown() override {
        if (pw::isWindow(shown)) pw::input::key(shown, pw::vk::kEscape, true);
        EXPECT_TRUE(ownerSees([&] { return !pw::isWindow(shown); }));
        pw::input::mouseButton(top(), {20, 20}, pw::MouseButton::kRight, false);
        owner()->setContextMenu(nullptr, nullptr);
        menu->release();
        HeadlessWindow::TearDown();
    }
    Window* owner() const { return dynamic_cast<Window*>(window); }
    // How often the open menu has been presented once it has painted what is invalid.
    int menuPresents() const {
        pw::update(shown);
        return pw::headless()->presentCount(shown);
    }

    PopupMenu* menu = nullptr;
    pw::Handle shown = pw::kNoWindow;
};

// A change made on another thread to the entries of the open menu shows at once: the menu
// paints again (nothing else invalidates it while it waits for the user).
TEST_F(ShownMenuThread, ChangeFromAnotherThreadRepaintsTheOpenMenu) {
    PopupMenu* sub = newPopupMenu(-1, nullptr);
    sub->setTitle(u"Sub");
    sub->addItem(s::gui::menuitem::newMenuItemText(u"inner", 20, false));
    struct Case {
        const char* name;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"rename", [&] { menu->setItemText(1, u"renamed"); }},
        {"rename the item itself", [&] { menu->getItem(2)->setText(u"other"); }},
        {"disable", [&] { menu->enableCommand(0, false); }},
        {"check", [&] { menu->setChecked(1, true); }},
        {"radio", [&] { menu->checkRadioCommand(2); }},
        {"remove", [&] { menu->removeAt(2); }},
        {"add", [&] { menu->addItem(s::gui::menuitem::newMenuItemText(u"more", 9, false)); }},
        {"add a sub-menu", [&] { menu->addSubMenu(sub); }},
        // Its entry in the open menu shows its title.
        {"retitle the sub-menu", [&] { sub->setTitle(u"Sub-menu"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = menuPresents();
        ASSERT_GT(before, 0);
        std::thread worker(c.change);
        worker.join();
        EXPECT_GT(menuPresents(), before);
    }
}

// A worker changes the entries of a context menu while the menu is shown and painted: the
// changes run on the window's thread, which paints the menu.
TEST_F(ShownMenuThread, MenuItemsChangedFromWorkerWhileTheMenuIsShown) {
    std::thread worker([&] {
        for (int i = 0; i < 60; ++i) {
            menu->setChecked(i % 3, i % 2 == 0);
            menu->setItemText(i % 3, i % 2 ? u"odd" : u"even");
            menu->enableCommand((i + 1) % 3, i % 4 != 0);
            menu->getItem(i % 3)->setText(u"entry");
            menu->checkRadioCommand(i % 3);
            if (menu->getCount() < 6)
                menu->addItem(s::gui::menuitem::newMenuItemText(u"more", 10 + i, false));
        }
    });
    worker.join();
    EXPECT_EQ(menu->getCount(), 6);
    EXPECT_TRUE(menu->isChecked(59 % 3));
    // The last entry highlighted, then entries removed under it: the open menu paints and
    // takes keys with the rows that are left.
    pw::input::key(shown, pw::vk::kEnd, true);
    std::thread remover([&] {
        for (int i = 0; i < 4; ++i) menu->removeAt(0);
    });
    remover.join();
    EXPECT_EQ(menu->getCount(), 2);
    pw::input::key(shown, pw::vk::kReturn, true);
    pw::input::key(shown, pw::vk::kDown, true);
}

}  // namespace
