#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "gui/HeadlessWindow.h"
#include "gui/win/ComboBox.h"
#include "platform/window/Input.h"

namespace s::gui::testing {
namespace {

namespace pw = platform::window;
using combobox::newComboBoxItem;
using win::ComboBox;

struct Changes : events::IEventListener {
    void onEvent(void*, std::int32_t code) override {
        if (code == 0) ++count;
    }
    int count = 0;
};

const char* const kKeys[] = {"a", "b", "c", "d"};

ComboBox* listOf(int n, Changes* changes) {
    ComboBox* box = win::newComboBox(120, true);
    for (int i = 0; i < n; ++i) box->addItem(newComboBoxItem(u"item", kKeys[i]));
    box->addChangeListener(changes);
    return box;
}

// Each case: a list of `items`, item `start` selected silently, then one operation.
TEST(ComboBoxSelection, Rules) {
    enum Op { kSelect, kTake, kDelete, kInsert };
    struct Case {
        const char* name;
        int items;
        int start;  // -1: nothing selected
        Op op;
        int index;
        int selected;
        int previous;
        int events;
        const char* selectedKey;  // the item selected afterwards (null: none)
    } cases[] = {
        {"select 7 of 3 selects 0", 3, 2, kSelect, 7, 0, 2, 1, "a"},
        {"select -1 selects 0", 3, -1, kSelect, -1, 0, -1, 1, "a"},
        {"select the selected", 3, 1, kSelect, 1, 1, -1, 0, "b"},
        {"select on an empty list", 0, -1, kSelect, 0, -1, -1, 0, nullptr},
        {"take before the selection", 4, 2, kTake, 0, 1, -1, 0, "c"},
        {"take the selection", 3, 1, kTake, 1, -1, -1, 1, nullptr},
        {"take after the selection", 3, 1, kTake, 2, 1, -1, 0, "b"},
        {"delete before the selection", 4, 2, kDelete, 1, 1, -1, 0, "c"},
        {"delete the selection", 3, 2, kDelete, 2, 0, -1, 1, "a"},
        {"delete the only item", 1, 0, kDelete, 0, -1, -1, 1, nullptr},
        {"insert before the selection", 3, 1, kInsert, 0, 2, -1, 0, "b"},
    };
    for (const Case& c : cases) {
        Changes changes;
        ComboBox* box = listOf(c.items, &changes);
        if (c.start >= 0) box->select(c.start, false);
        switch (c.op) {
            case kSelect:
                box->select(c.index, true);
                break;
            case kTake:
                if (auto* item = box->takeItemAt(c.index)) item->release();
                break;
            case kDelete:
                box->deleteItemAt(c.index);
                break;
            case kInsert:
                box->insertItem(c.index, newComboBoxItem(u"new", "new"));
                break;
        }
        EXPECT_EQ(box->getSelectedIndex(), c.selected) << c.name;
        EXPECT_EQ(box->getPreviousIndex(), c.previous) << c.name;
        EXPECT_EQ(changes.count, c.events) << c.name;
        auto* item = box->getSelectedItem();
        EXPECT_EQ(item ? static_cast<const char*>(item->getValue()) : nullptr, c.selectedKey)
            << c.name;
        box->release();
    }
}

TEST(ComboBoxSelection, ByValueAndPrevious) {
    Changes changes;
    ComboBox* box = listOf(3, &changes);
    EXPECT_TRUE(box->selectByValue(kKeys[2], true));
    EXPECT_TRUE(box->selectByValue(kKeys[1], true));
    EXPECT_EQ(box->getPreviousItem()->getValue(), kKeys[2]);
    EXPECT_FALSE(box->selectByValue("zz", true));
    EXPECT_TRUE(box->deleteItemByValue(kKeys[0]));  // before the selection
    EXPECT_EQ(box->getSelectedItem()->getValue(), kKeys[1]);
    EXPECT_EQ(box->getPreviousItem()->getValue(), kKeys[2]);
    EXPECT_EQ(changes.count, 2);
    box->release();
}

// The list popup on a window: keys move and choose, Escape keeps the selection.
class ComboBoxList : public HeadlessWindow {
protected:
    void SetUp() override {
        HeadlessWindow::SetUp();
        box = win::newComboBox(80, true);
        for (int i = 0; i < 4; ++i) box->addItem(newComboBoxItem(u"item", kKeys[i]));
        box->select(1, false);
        box->addChangeListener(&changes);
        window->add(box);
        window->setVisible(true, false);
    }
    // Drops the list on the window's thread and types keys into it.
    bool drop(std::initializer_list<std::uint32_t> keys) {
        std::atomic<int> result{-1};
        std::thread t([&] { result = box->dropDown() ? 1 : 0; });
        EXPECT_TRUE(ownerSees([&] { return box->isDroppedDown(); }));
        for (std::uint32_t k : keys) pw::input::key(top(), k, true);
        t.join();
        return result == 1;
    }
    ComboBox* box = nullptr;
    Changes changes;
};

TEST_F(ComboBoxList, KeysChooseAndEscapeCancels) {
    EXPECT_TRUE(drop({pw::vk::kEnd, pw::vk::kUp, pw::vk::kReturn}));
    EXPECT_EQ(box->getSelectedIndex(), 2);
    EXPECT_EQ(changes.count, 1);
    EXPECT_TRUE(drop({pw::vk::kHome, pw::vk::kReturn}));
    EXPECT_EQ(box->getSelectedIndex(), 0);
    EXPECT_FALSE(drop({pw::vk::kDown, pw::vk::kEscape}));
    EXPECT_EQ(box->getSelectedIndex(), 0);
    EXPECT_EQ(changes.count, 2);
}

TEST_F(ComboBoxList, PointerAndWheelChoose) {
    std::atomic<int> result{-1};
    std::thread t([&] { result = box->dropDown() ? 1 : 0; });
    ASSERT_TRUE(ownerSees([&] { return box->isDroppedDown(); }));
    pw::Handle list = pw::kNoWindow;
    ASSERT_TRUE(eventually([&] {
        for (pw::Handle h : pw::topLevelWindows()) {
            if (pw::className(h) == "KavrelComboList") list = h;
        }
        return list != pw::kNoWindow;
    }));
    pw::input::mouseWheel(list, {10, 10}, -120);  // highlight moves one row down: item 2
    pw::Point row3{10, 1 + 3 * ComboBox::kRowHeight + 5};
    pw::input::mouseMove(list, row3);
    pw::input::mouseButton(list, row3, pw::MouseButton::kLeft, true);
    pw::input::mouseButton(list, row3, pw::MouseButton::kLeft, false);
    t.join();
    EXPECT_EQ(result.load(), 1);
    EXPECT_EQ(box->getSelectedIndex(), 3);
}

// A click on the field while the list is open closes the list and leaves it closed, however
// long the list was open, for a single and a double click.
TEST_F(ComboBoxList, AClickOnTheFieldWhileOpenClosesItForGood) {
    std::atomic<std::int64_t> now{100000};
    box->reopenGuard().setClock([&] { return now.load(); });
    pw::Point field = pw::screenToClient(top(), pw::clientToScreen(box->getNativeWindow(), {10, 10}));
    auto press = [&](int clicks) {
        pw::input::mouseButton(top(), field, pw::MouseButton::kLeft, true, clicks);
        pw::input::mouseButton(top(), field, pw::MouseButton::kLeft, false, clicks);
    };
    // Everything the clicks caused (a drop-down posted by the press included) has been handled.
    auto settle = [&] {
        for (int i = 0; i < 3; ++i) {
            std::atomic<bool> done{false};
            std::function<void()> mark = [&] { done = true; };
            pw::post(top(), win::kMsgRunOnOwner, reinterpret_cast<pw::WParam>(&mark));
            ASSERT_TRUE(eventually([&] { return done.load(); }));
        }
    };
    for (std::int64_t openFor : {200, 1000}) {
        for (bool doubleClick : {false, true}) {
            now += 5000;
            pw::input::mouseMove(top(), field);
            press(1);
            ASSERT_TRUE(ownerSees([&] { return box->isDroppedDown(); }));
            now += openFor;
            if (doubleClick) {
                press(2);
            } else {
                press(1);
            }
            ASSERT_TRUE(ownerSees([&] { return !box->isDroppedDown(); }));
            settle();
            EXPECT_FALSE(onOwner([&] { return box->isDroppedDown(); }))
                << openFor << " ms, double " << doubleClick;
        }
    }
    EXPECT_EQ(box->getSelectedIndex(), 1);
    EXPECT_EQ(changes.count, 0);
}

}  // namespace
}  // namespace s::gui::testing
