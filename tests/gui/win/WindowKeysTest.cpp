// The keys a window takes itself wherever the focus is: Enter presses its default button,
// Escape closes a dialog, Ctrl+W and Ctrl+Q close it; Alt with a letter types nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "gui/HeadlessWindow.h"
#include "gui/win/Button.h"
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

}  // namespace
