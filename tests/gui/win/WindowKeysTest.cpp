// The keys a window takes itself wherever the focus is: Enter presses its default button,
// Escape closes a dialog, Ctrl+W and Ctrl+Q close it; Alt with a letter types nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/Label.h"
#include "gui/win/RadioButton.h"
#include "gui/win/TextField.h"
#include "platform/window/Input.h"

namespace pw = platform::window;
using s::gui::testing::HeadlessWindow;
using namespace s::gui::win;

namespace {

class Counter : public s::gui::events::IEventListener {
public:
    void onEvent(void*, std::int32_t) override { ++count; }
    std::atomic<int> count{0};
};

// The window's last key: input up to a marker key has been handled once it shows.
class LastKey : public s::gui::events::IEventListener {
public:
    explicit LastKey(Window* w) : window_(w) {}
    void onEvent(void*, std::int32_t) override { key = window_->getKeyCode(); }
    std::atomic<std::uint32_t> key{0};

private:
    Window* window_;
};

// A key press with modifiers held; a character typed with it arrives as text.
struct Press {
    std::vector<std::uint32_t> held;
    std::uint32_t key;
    std::u16string typed;
};

using WindowKeys = HeadlessWindow;

TEST_F(WindowKeys, EnterEscapeAndCloseKeysFromTheWindowOrAField) {
    using namespace pw::vk;
    constexpr std::uint32_t kMarker = kF1 + 11;  // F12: nobody's key
    struct Case {
        const char* what;
        int focus;  // 0 the window, 1 the field, 2 the button
        bool escapeCloses;
        bool buttonEnabled;
        std::vector<Press> keys;
        int clicks;
        bool closed;
    } cases[] = {
        {"Enter on the window", 0, true, true, {{{}, kReturn, u""}}, 1, false},
        {"Enter in a one-line field", 1, true, true, {{{}, kReturn, u""}}, 1, false},
        {"Enter with the default disabled", 1, true, false, {{{}, kReturn, u""}}, 0, false},
        {"Escape in a field", 1, true, true, {{{}, kEscape, u""}}, 0, true},
        {"Escape where it closes nothing", 1, false, true, {{{}, kEscape, u""}}, 0, false},
        {"Ctrl+W in a field", 1, false, true, {{{kControl}, 'W', u""}}, 0, true},
        {"Ctrl+Q on the window", 0, false, true, {{{kControl}, 'Q', u""}}, 0, true},
        {"Alt+V and Ctrl+Cyrillic es type nothing", 1, false, true,
         {{{kAlt}, 'V', u"v"}, {{kControl}, 'C', u"\u0441"}}, 0, false},
        {"AltGr types", 1, false, true, {{{kRightAlt}, 'Q', u"@"}}, 0, false},
        {"Space on the button", 2, true, true, {{{}, kSpace, u" "}}, 1, false},
        {"Escape on the button", 2, true, true, {{{}, kEscape, u""}}, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Window* w = newWindow(0, 0, 200, 80);
        TextField* field = newTextField(100);
        Button* button = newButton(u"Close", 60, 20);
        Counter clicks;
        LastKey last(w);
        button->addClickListener(&clicks);
        w->add(field);
        w->add(button);
        w->setDefaultButton(button);
        w->setEscapeCloses(c.escapeCloses);
        w->addKeyDownListener(&last);
        w->setVisible(true, false);
        button->setEnabled(c.buttonEnabled);
        pw::Handle top = w->getNativeWindow();
        std::function<void()> focus = [&] {
            pw::setFocus(c.focus == 1 ? field->getEditControl()
                         : c.focus == 2 ? button->getNativeWindow()
                                        : top);
        };
        pw::send(top, kMsgRun, reinterpret_cast<pw::WParam>(&focus));

        std::u16string typed;  // the text the field takes
        for (const Press& p : c.keys) {
            for (std::uint32_t m : p.held) pw::input::key(top, m, true);
            pw::input::key(top, p.key, true);
            if (!p.typed.empty()) pw::input::text(top, p.typed);
            pw::input::key(top, p.key, false);
            for (std::uint32_t m : p.held) pw::input::key(top, m, false);
            if (!p.held.empty() && p.held[0] == kRightAlt) typed += p.typed;
        }
        pw::input::key(top, kMarker, true);
        pw::input::key(top, kMarker, false);
        ASSERT_TRUE(eventually([&] { return last.key.load() == kMarker; }));

        EXPECT_EQ(clicks.count.load(), c.clicks);
        EXPECT_EQ(w->isClosed(), c.closed);
        EXPECT_TRUE(field->getText() == typed) << "only AltGr's text is typing";
        w->release();
    }
}

// One step of a person at the keyboard or the mouse.
struct Act {
    enum Kind { kKey, kClick, kCompose } kind;
    std::uint32_t key = 0;  // kKey: the key; kClick: the widget's number
    bool shift = false;
    std::u16string text;  // kKey: typed with it; kCompose: the input method's pre-edit text
};

Act tab(bool shift = false) {
    return {Act::kKey, pw::vk::kTab, shift, u""};
}

TEST_F(WindowKeys, TabSpaceAndClicksMoveTheFocusThroughTheWidgets) {
    using namespace pw::vk;
    constexpr std::uint32_t kMarker = kF1 + 11;
    // The widgets by number, top to bottom: 0 field, 1 check box, 2 disabled check box,
    // 3 hidden button, 4 link, 5 radio button, 6 drop-down list, 7 button.
    constexpr int kAsOpened = -1;
    struct Case {
        const char* what;
        int start;
        std::vector<Act> acts;
        int end;
        std::u16string field;
        bool checked, radio;
    } cases[] = {
        {"opening focuses the first widget", kAsOpened, {}, 0, u"", false, false},
        {"Tab skips the disabled and the hidden", 1, {tab()}, 4, u"", false, false},
        {"Tab goes round and wraps", 0, {tab(), tab(), tab(), tab(), tab(), tab()}, 0, u"", false,
         false},
        {"Shift+Tab wraps to the last", 0, {tab(true)}, 7, u"", false, false},
        {"Shift+Tab goes back over the skipped", 4, {tab(true)}, 1, u"", false, false},
        {"Tab in a field types nothing", 0, {{Act::kKey, kTab, false, u"\t"}}, 1, u"", false,
         false},
        {"Space toggles the check box", 1, {{Act::kKey, kSpace, false, u" "}}, 1, u"", true, false},
        {"Space checks the radio button", 5, {{Act::kKey, kSpace, false, u" "}}, 5, u"", false,
         true},
        {"a click focuses and toggles the check box", 0, {{Act::kClick, 1, false, u""}}, 1, u"", true, false},
        {"a click focuses the button", 0, {{Act::kClick, 7, false, u""}}, 7, u"", false, false},
        {"a click focuses the field", 7, {{Act::kClick, 0, false, u""}}, 0, u"", false, false},
        {"a composition stays in the field it was left in", 0,
         {{Act::kCompose, 0, false, u"\u304B"}, tab()}, 1, u"\u304B", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Window* w = newWindow(0, 0, 240, 260);
        std::vector<Component*> widgets;
        TextField* field = newTextField(100);
        CheckBox* check = newCheckBoxText(u"Check", false, true, -1, -1);
        CheckBox* off = newCheckBoxText(u"Off", false, false, -1, -1);
        Button* hidden = newButton(u"Hidden", 60, 20);
        Label* link = newLabel(u"Link");
        link->setStateFonts(true);
        RadioButton* radio = newRadioButton(u"Radio", false);
        ComboBox* combo = newComboBox(80, true);
        Button* ok = newButton(u"OK", 60, 20);
        for (Component* widget : std::initializer_list<Component*>{
                 field, check, off, hidden, link, radio, combo, ok}) {
            w->add(widget);
            widgets.push_back(widget);
        }
        hidden->setVisible(false, true);
        LastKey last(w);
        w->addKeyDownListener(&last);
        w->setVisible(true, false);
        pw::Handle top = w->getNativeWindow();
        auto onOwner = [&](const std::function<void()>& work) {
            std::function<void()> run = work;
            pw::send(top, kMsgRun, reinterpret_cast<pw::WParam>(&run));
        };
        if (c.start != kAsOpened) onOwner([&] { widgets[c.start]->giveFocus(); });

        for (const Act& a : c.acts) {
            switch (a.kind) {
                case Act::kKey:
                    if (a.shift) pw::input::key(top, kShift, true);
                    pw::input::key(top, a.key, true);
                    if (!a.text.empty()) pw::input::text(top, a.text);
                    pw::input::key(top, a.key, false);
                    if (a.shift) pw::input::key(top, kShift, false);
                    break;
                case Act::kClick: {
                    pw::Rect r = pw::screenRect(widgets[a.key]->getNativeWindow());
                    pw::Rect t = pw::screenRect(top);
                    pw::Point p{r.x - t.x + 3, r.y - t.y + r.height / 2};
                    pw::input::mouseButton(top, p, pw::MouseButton::kLeft, true);
                    pw::input::mouseButton(top, p, pw::MouseButton::kLeft, false);
                    break;
                }
                case Act::kCompose:
                    pw::input::preedit(top, a.text, static_cast<std::int32_t>(a.text.size()));
                    break;
            }
        }
        pw::input::key(top, kMarker, true);
        pw::input::key(top, kMarker, false);
        ASSERT_TRUE(eventually([&] { return last.key.load() == kMarker; }));

        Component* focused = nullptr;
        onOwner([&] { focused = w->getFocusedComponent(); });
        EXPECT_EQ(focused, widgets[c.end]);
        EXPECT_TRUE(field->getText() == c.field);
        EXPECT_EQ(check->isChecked(), c.checked);
        EXPECT_EQ(radio->isChecked(), c.radio);
        w->release();
    }
}

}  // namespace
