// The drop-down list and the menu bar worked with the keys alone, and the keys that must never
// type into a field: each case starts with the focus somewhere, presses keys and looks at where
// the focus ended and what the keys did.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/ComboBox.h"
#include "gui/win/MenuEx.h"
#include "gui/win/PopupMenu.h"
#include "gui/win/TextField.h"
#include "platform/window/Input.h"
#include "platform/window/Popup.h"

namespace s::gui::testing {
namespace {

namespace pw = platform::window;
using combobox::newComboBoxItem;
using menuitem::newMenuItemText;

struct ListChanges : events::IEventListener {
    void onEvent(void*, std::int32_t) override { ++count; }
    std::atomic<int> count{0};
};

struct ChosenCommand : events::IEventListener {
    explicit ChosenCommand(win::MenuEx* bar) : bar(bar) {}
    void onEvent(void*, std::int32_t) override {
        last = bar->getChosenItem() ? bar->getChosenItem()->getCommand() : -1;
    }
    win::MenuEx* bar;
    std::atomic<int> last{0};
};

// A key pressed with modifiers held, with the text the layout types with it; key 0 types the
// text alone (a letter the key map has no code for).
struct KeyPress {
    std::vector<std::uint32_t> held;
    std::uint32_t key;
    std::u16string typed;
};

enum FocusAt { kAtField, kAtList, kAtBar };

using MenuAndListKeys = HeadlessWindow;

TEST_F(MenuAndListKeys, FocusKeysAndWhatTheyDo) {
    using namespace pw::vk;
    constexpr std::uint32_t kF4 = kF1 + 3, kF10 = kF1 + 9;
    const KeyPress down{{}, kDown, u""}, up{{}, kUp, u""}, left{{}, kLeft, u""},
        right{{}, kRight, u""}, enter{{}, kReturn, u""}, escape{{}, kEscape, u""}, f4{{}, kF4, u""},
        f10{{}, kF10, u""}, alt{{}, kAlt, u""};
    auto letter = [](char c) {
        return KeyPress{{}, static_cast<std::uint32_t>(c - 'a' + 'A'), std::u16string(1, c)};
    };
    // The list holds Apple, Banana, Cherry, Chestnut, Ёлка with Apple selected; the bar holds
    // "File" (Open 1, "Recent" with One 3 and Two 4), "Help" (About 5) and the command "Go" 9.
    struct Case {
        const char* what;
        FocusAt start;
        std::vector<KeyPress> keys;
        FocusAt end;
        int command;  // the menu command chosen, 0 for none
        int selected;
        int changes;  // selection changes the list told of
        std::u16string fieldText;
    } cases[] = {
        // clang-format off
        {"Down selects the next item at once", kAtList, {down}, kAtList, 0, 1, 1, u""},
        {"End, then Up", kAtList, {{{}, kEnd, u""}, up}, kAtList, 0, 3, 2, u""},
        {"Home on the first item changes nothing", kAtList, {{{}, kHome, u""}}, kAtList,
         0, 0, 0, u""},
        {"a letter again finds the next item it starts", kAtList, {letter('c'), letter('c')},
         kAtList, 0, 3, 2, u""},
        {"letters typed on find the item they start", kAtList,
         {letter('c'), letter('h'), letter('e'), letter('s')}, kAtList, 0, 3, 2, u""},
        {"a letter of another script, in the other case", kAtList, {{{}, 0, u"ё"}}, kAtList,
         0, 4, 1, u""},
        {"Alt+Down opens, Down and Enter choose", kAtList, {{{kAlt}, kDown, u""}, down, enter},
         kAtList, 0, 1, 1, u""},
        {"Escape closes the open list keeping the old item", kAtList,
         {f4, {{}, kEnd, u""}, escape}, kAtList, 0, 0, 0, u""},
        {"a letter in the open list, then Enter", kAtList, {f4, letter('b'), enter}, kAtList,
         0, 1, 1, u""},
        {"F4 closes the list it opened, taking the highlight", kAtList, {f4, down, down, f4},
         kAtList, 0, 2, 1, u""},

        {"F10 highlights, Down opens, Enter chooses", kAtField, {f10, down, enter}, kAtField,
         1, 0, 0, u""},
        {"a lone Alt, Right along the bar, Enter opens and chooses", kAtField,
         {alt, right, enter, enter}, kAtField, 5, 0, 0, u""},
        {"Escape closes the popup and keeps the bar", kAtField, {f10, down, escape}, kAtBar,
         0, 0, 0, u""},
        {"a second Escape gives the keys back", kAtField, {f10, down, escape, escape},
         kAtField, 0, 0, 0, u""},
        {"F10 again gives the keys back", kAtField, {f10, f10}, kAtField, 0, 0, 0, u""},
        {"a lone Alt again gives the keys back", kAtField, {alt, right, alt}, kAtField,
         0, 0, 0, u""},
        {"Right opens a sub-menu", kAtField, {f10, down, down, right, down, enter}, kAtField,
         4, 0, 0, u""},
        {"Left closes the sub-menu only", kAtField, {f10, down, down, right, left, up, enter},
         kAtField, 1, 0, 0, u""},
        {"Right on a plain entry goes on to the next menu", kAtField, {f10, down, right, enter},
         kAtField, 5, 0, 0, u""},
        {"Left on the first entry wraps to the bar's command", kAtField, {f10, left, enter},
         kAtField, 9, 0, 0, u""},
        {"a letter in a menu finds its entry", kAtField, {f10, down, letter('r'), right, enter},
         kAtField, 3, 0, 0, u""},

        {"Alt+V types nothing and opens no menu", kAtField, {{{kAlt}, 'V', u"v"}, letter('x')},
         kAtField, 0, 0, 0, u"x"},
        {"Ctrl with a letter that means nothing types nothing", kAtField,
         {{{kControl}, 'K', u"k"}, letter('x')}, kAtField, 0, 0, 0, u"x"},
        {"after a lone Alt the letters go to the bar", kAtField, {alt, letter('x')}, kAtBar,
         0, 0, 0, u""},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        win::Window* w = win::newWindow(0, 0, 300, 160);
        win::MenuEx* bar = win::newMenuEx();
        ChosenCommand commands(bar);
        ListChanges changes;
        win::PopupMenu* file = win::newPopupMenu(-1, nullptr);
        file->setTitle(u"File");
        file->addItem(newMenuItemText(u"Open", 1, false));
        win::PopupMenu* recent = win::newPopupMenu(-1, nullptr);
        recent->setTitle(u"Recent");
        recent->addItem(newMenuItemText(u"One", 3, false));
        recent->addItem(newMenuItemText(u"Two", 4, false));
        file->addSubMenu(recent);
        win::PopupMenu* help = win::newPopupMenu(-1, nullptr);
        help->setTitle(u"Help");
        help->addItem(newMenuItemText(u"About", 5, false));
        bar->addMenu(file);
        bar->addMenu(help);
        bar->addItem(newMenuItemText(u"Go", 9, false));
        bar->addCommandListener(&commands);
        win::TextField* field = win::newTextField(100);
        win::ComboBox* box = win::newComboBox(120, true);
        for (const char16_t* t : {u"Apple", u"Banana", u"Cherry", u"Chestnut", u"Ёлка"}) {
            box->addItem(newComboBoxItem(t, nullptr));
        }
        box->select(0, false);
        box->addChangeListener(&changes);
        box->typeAhead().setClock([] { return std::int64_t{0}; });  // every letter in one go
        w->add(bar);
        w->setMenuBar(bar);
        w->add(field);
        w->add(box);
        w->setVisible(true, false);
        pw::Handle top = w->getNativeWindow();
        auto handleOf = [&](FocusAt where) {
            return where == kAtField  ? field->getEditControl()
                   : where == kAtList ? box->getNativeWindow()
                                      : bar->getNativeWindow();
        };
        std::function<void()> focus = [&] { pw::setFocus(handleOf(c.start)); };
        pw::send(top, win::kMsgRun, reinterpret_cast<pw::WParam>(&focus));

        for (const KeyPress& p : c.keys) {
            for (std::uint32_t m : p.held) pw::input::key(top, m, true);
            if (p.key) pw::input::key(top, p.key, true);
            if (!p.typed.empty()) pw::input::text(top, p.typed);
            if (p.key) pw::input::key(top, p.key, false);
            for (std::uint32_t m : p.held) pw::input::key(top, m, false);
        }
        // Posted after the input, the look runs once every key has been handled (in the loop of
        // a popup still open, if one is).
        std::atomic<bool> looked{false};
        pw::Handle focused = pw::kNoWindow;
        std::size_t popups = 0;
        std::function<void()> look = [&] {
            focused = pw::focus();
            popups = pw::openPopups().size();
            pw::closePopups();
            looked = true;
        };
        pw::post(top, win::kMsgRunOnOwner, reinterpret_cast<pw::WParam>(&look));
        ASSERT_TRUE(eventually([&] { return looked.load(); }));

        EXPECT_EQ(focused, handleOf(c.end));
        EXPECT_EQ(popups, 0u);
        EXPECT_EQ(commands.last.load(), c.command);
        EXPECT_EQ(box->getSelectedIndex(), c.selected);
        EXPECT_EQ(changes.count.load(), c.changes);
        EXPECT_TRUE(field->getText() == c.fieldText);
        w->release();
    }
}

}  // namespace
}  // namespace s::gui::testing
