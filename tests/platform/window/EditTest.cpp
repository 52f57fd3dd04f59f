#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

#include "platform/window/Clipboard.h"
#include "platform/window/Edit.h"
#include "platform/window/EditModel.h"
#include "platform/window/Headless.h"
#include "platform/window/Input.h"
#include "platform/window/Probe.h"
#include "platform/window/Window.h"

namespace pw = platform::window;
using probe::Probe;

namespace {

constexpr pw::Colour kWhite = pw::rgb(255, 255, 255);

// A 300x200 top-level window (its handler records the notifications) with one text control.
class EditControl : public ::testing::Test {
protected:
    void SetUp() override {
        pw::startBackend(pw::BackendKind::kHeadless);
        top.colour = pw::rgb(200, 200, 200);
        hTop = probe::make(&top, pw::kNoWindow, {100, 100, 300, 200});
        ASSERT_TRUE(hTop);
    }
    void TearDown() override {
        for (std::uint32_t k : {pw::vk::kShift, pw::vk::kControl}) pw::input::key(hTop, k, false);
        pump();
        pw::destroy(hTop);
        pump();
    }
    pw::Handle make(std::uint32_t style, pw::Rect rect = {10, 10, 200, 24}) {
        pw::Handle e = pw::createEdit(hTop, rect, pw::kStyleVisible | style);
        EXPECT_TRUE(e);
        pw::setFocus(e);
        pump();
        return e;
    }
    void pump() {
        pw::processPending();
        pw::processPending();
    }
    void type(std::u16string_view t) {
        pw::input::text(hTop, t);
        pump();
    }
    // Presses a key with modifiers held, then lets everything go.
    void keys(const std::vector<std::uint32_t>& mods, std::uint32_t k) {
        for (std::uint32_t m : mods) pw::input::key(hTop, m, true);
        pw::input::key(hTop, k, true);
        pw::input::key(hTop, k, false);
        for (std::uint32_t m : mods) pw::input::key(hTop, m, false);
        pump();
    }
    std::pair<std::int32_t, std::int32_t> selection(pw::Handle e) {
        std::int32_t a = -2;
        std::int32_t c = -2;
        pw::editSelection(e, &a, &c);
        return {a, c};
    }
    int changes() {
        int n = 0;
        for (const probe::Got& g : top.take(pw::msg::kCommand)) {
            if (pw::editNotification(g.wparam) == pw::kEditChange) ++n;
        }
        top.clear();
        return n;
    }
    pw::Colour at(pw::Handle w, int x, int y) {
        pw::update(w);
        pw::Colour c = 0xFFFFFFFF;
        pw::pixelAt(w, {x, y}, &c);
        return c;
    }
    // Dark pixels of a control's text row: a fingerprint of what it shows.
    std::string darkColumns(pw::Handle w) {
        pw::update(w);
        std::string s;
        pw::Rect r = pw::windowRect(w);
        for (int x = 0; x < r.width; ++x) {
            bool dark = false;
            for (int y = 3; y < r.height - 3 && !dark; ++y) {
                pw::Colour c = 0;
                pw::pixelAt(w, {x, y}, &c);
                dark = pw::red(c) < 128;
            }
            s.push_back(dark ? '#' : '.');
        }
        return s;
    }

    Probe top;
    pw::Handle hTop = 0;
};

TEST_F(EditControl, TypedTextEntersAndPreeditDoesNotChangeIt) {
    pw::Handle e = make(0);
    EXPECT_TRUE(pw::headless()->textInputOn(hTop)) << "input methods on with an editable focus";
    top.clear();
    type(u"\u00E9\u4E2D");
    EXPECT_EQ(pw::editText(e), u"\u00E9\u4E2D");
    EXPECT_EQ(changes(), 2);

    pw::Rect before = pw::editCaretRect(e);
    pw::Rect imeBefore = pw::headless()->textInputArea(hTop);
    EXPECT_EQ(imeBefore.x, before.x + 10) << "candidate window at the caret";
    std::string shownBefore = darkColumns(e);
    pw::input::preedit(hTop, u"ni", 2);
    pump();
    EXPECT_EQ(pw::editText(e), u"\u00E9\u4E2D");
    EXPECT_EQ(changes(), 0);
    EXPECT_GT(pw::editCaretRect(e).x, before.x) << "caret after the pre-edit";
    EXPECT_GT(pw::headless()->textInputArea(hTop).x, imeBefore.x);
    EXPECT_NE(darkColumns(e), shownBefore) << "the pre-edit is shown";

    pw::input::preedit(hTop, u"", 0);
    type(u"\u4F60");
    EXPECT_EQ(pw::editText(e), u"\u00E9\u4E2D\u4F60");
    type(u"\U0001F600");  // a surrogate pair arrives as two units
    EXPECT_EQ(pw::editText(e), u"\u00E9\u4E2D\u4F60\U0001F600");

    pw::setFocus(pw::kNoWindow);
    pump();
    EXPECT_FALSE(pw::headless()->textInputOn(hTop));
}

// The display library reports the character of a key pressed with Ctrl or Alt as typed text
// too (Alt+V as "v", Ctrl+C on a Cyrillic layout as its letter): only AltGr's text is typing.
TEST_F(EditControl, TextTypedWithCtrlOrAltIsNoTyping) {
    using namespace pw::vk;
    pw::Handle e = make(0);
    type(u"code");
    struct Case {
        std::uint32_t held;
        std::u16string typed;
        std::u16string after;
    } cases[] = {
        {kAlt, u"v", u"code"},
        {kControl, u"\u0441", u"code"},
        {kRightAlt, u"@", u"code@"},
        {kShift, u"X", u"code@X"},
    };
    for (const Case& c : cases) {
        pw::input::key(hTop, c.held, true);
        type(c.typed);
        pw::input::key(hTop, c.held, false);
        pump();
        EXPECT_EQ(pw::editText(e), c.after) << "held key " << c.held;
    }
}

TEST_F(EditControl, ArrowSelectionsFollowGraphemesAndWords) {
    using pw::vk::kControl;
    using pw::vk::kShift;
    struct Case {
        const char16_t* text;
        std::int32_t caret;
        std::vector<std::uint32_t> mods;
        std::uint32_t key;
        int times;
        std::int32_t anchor, expected;
    };
    const Case cases[] = {
        {u"hello brave world", 0, {kShift, kControl}, pw::vk::kRight, 1, 0, 5},
        {u"hello brave world", 0, {kShift, kControl}, pw::vk::kRight, 2, 0, 11},
        {u"hello brave world", 17, {kShift, kControl}, pw::vk::kLeft, 1, 17, 12},
        {u"hello brave world", 8, {kShift, kControl}, pw::vk::kLeft, 2, 8, 0},
        {u"hello brave world", 8, {kShift}, pw::vk::kHome, 1, 8, 0},
        {u"hello brave world", 8, {kShift}, pw::vk::kEnd, 1, 8, 17},
        {u"e\u0301x", 0, {kShift}, pw::vk::kRight, 1, 0, 2},    // e + combining acute
        {u"a\U0001F600", 3, {kShift}, pw::vk::kLeft, 1, 3, 1},  // never inside a pair
        {u"hello world", 3, {kControl}, pw::vk::kRight, 1, 5, 5},
        {u"hello world", 3, {}, pw::vk::kLeft, 1, 2, 2},
    };
    pw::Handle e = make(0);
    for (const Case& c : cases) {
        pw::setEditText(e, c.text);
        pw::setEditSelection(e, c.caret, c.caret);
        for (int i = 0; i < c.times; ++i) keys(c.mods, c.key);
        EXPECT_EQ(selection(e), std::make_pair(c.anchor, c.expected))
            << pw::toUtf8(c.text) << " from " << c.caret << " key " << c.key;
    }
}

TEST_F(EditControl, UndoStepsBackThroughEditsAndRedoes) {
    using pw::vk::kControl;
    pw::Handle e = make(0);
    type(u"abc");  // one typing run is one step
    keys({kControl}, 'A');
    type(u"x");
    keys({}, pw::vk::kBack);
    EXPECT_EQ(pw::editText(e), u"");
    keys({kControl}, 'Z');
    EXPECT_EQ(pw::editText(e), u"x");
    keys({kControl}, 'Z');
    EXPECT_EQ(pw::editText(e), u"abc");
    keys({kControl}, 'Z');
    EXPECT_EQ(pw::editText(e), u"");
    keys({kControl}, 'Y');
    EXPECT_EQ(pw::editText(e), u"abc");
    EXPECT_EQ(selection(e), std::make_pair(0, 3)) << "the selection comes back too";
    pw::setEditText(e, u"fresh");  // the program's text starts a new history
    keys({kControl}, 'Z');
    EXPECT_EQ(pw::editText(e), u"fresh");
}

TEST_F(EditControl, ClipboardKeysAndOneLinePaste) {
    using pw::vk::kControl;
    using pw::vk::kShift;
    pw::Handle e = make(0);
    type(u"one two");
    keys({kShift, kControl}, pw::vk::kLeft);
    keys({kControl}, 'X');
    EXPECT_EQ(pw::editText(e), u"one ");
    std::u16string clip;
    ASSERT_TRUE(pw::clipboardText(&clip));
    EXPECT_EQ(clip, u"two");
    pw::setClipboardText(u"ab\r\ncd\n");
    keys({kControl}, 'V');
    EXPECT_EQ(pw::editText(e), u"one ab cd") << "one line: breaks become spaces, trailing go";
    keys({kControl}, 'A');
    keys({kControl}, 'C');
    ASSERT_TRUE(pw::clipboardText(&clip));
    EXPECT_EQ(clip, u"one ab cd");
}

TEST_F(EditControl, ReadOnlyIsSelectableAndCopyableOnly) {
    using pw::vk::kControl;
    pw::Handle e = make(pw::kEditReadOnly);
    pw::setEditText(e, u"fixed");
    pw::setFocus(e);
    pump();
    EXPECT_FALSE(pw::headless()->textInputOn(hTop));
    type(u"zz");
    pw::setClipboardText(u"pasted");
    keys({kControl}, 'V');
    keys({}, pw::vk::kBack);
    pw::input::preedit(hTop, u"ni", 2);
    pump();
    EXPECT_EQ(pw::editText(e), u"fixed");
    keys({kControl}, 'A');
    keys({kControl}, 'X');
    EXPECT_EQ(pw::editText(e), u"fixed");
    std::u16string clip;
    ASSERT_TRUE(pw::clipboardText(&clip));
    EXPECT_EQ(clip, u"fixed") << "cut in a read-only field still copies";

    pw::setEditReadOnly(e, false);
    pump();
    EXPECT_TRUE(pw::headless()->textInputOn(hTop));
}

TEST_F(EditControl, EscapedFileNameBytesShowAndCopyAsReplacementCharacters) {
    pw::Handle raw = make(0, {10, 10, 120, 24});
    pw::Handle replaced = pw::createEdit(hTop, {10, 50, 120, 24}, pw::kStyleVisible);
    pw::setEditText(raw, u"a\xDCFF\xDC80.txt");
    pw::setEditText(replaced, u"a\uFFFD\uFFFD.txt");
    pw::setFocus(pw::kNoWindow);
    pump();
    EXPECT_EQ(pw::editText(raw), u"a\xDCFF\xDC80.txt") << "the bytes are kept";
    EXPECT_EQ(darkColumns(raw), darkColumns(replaced));
    pw::setEditSelection(raw, 0, -1);
    ASSERT_TRUE(pw::editCopy(raw));
    std::u16string clip;
    ASSERT_TRUE(pw::clipboardText(&clip));
    EXPECT_EQ(clip, u"a\uFFFD\uFFFD.txt");
}

TEST_F(EditControl, MouseClickDragWordAndMiddlePaste) {
    pw::Handle e = make(0, {10, 10, 200, 24});
    pw::setEditText(e, u"alpha beta gamma");
    pump();
    pw::input::mouseMove(hTop, {15, 20});
    pump();
    EXPECT_EQ(pw::headless()->currentCursor(), pw::Cursor::kIBeam);
    // Click left of the text, drag far right: everything selected, and it becomes primary.
    pw::input::mouseButton(hTop, {12, 20}, pw::MouseButton::kLeft, true);
    pw::input::mouseMove(hTop, {260, 20});
    pw::input::mouseButton(hTop, {260, 20}, pw::MouseButton::kLeft, false);
    pump();
    EXPECT_EQ(selection(e), std::make_pair(0, 16));
    std::u16string primary;
    ASSERT_TRUE(pw::primarySelectionText(&primary));
    EXPECT_EQ(primary, u"alpha beta gamma");

    // A double click inside "beta" selects the word.
    pw::Rect caretAtEnd = pw::editCaretRect(e);
    int betaX = 10 + caretAtEnd.x * 8 / 16;  // about the middle of the text
    pw::input::mouseButton(hTop, {betaX, 20}, pw::MouseButton::kLeft, true, 2);
    pw::input::mouseButton(hTop, {betaX, 20}, pw::MouseButton::kLeft, false);
    pump();
    EXPECT_EQ(selection(e), std::make_pair(6, 10)) << betaX;

    pw::setPrimarySelectionText(u"X\n");
    pw::input::mouseButton(hTop, {12, 20}, pw::MouseButton::kMiddle, true);
    pw::input::mouseButton(hTop, {12, 20}, pw::MouseButton::kMiddle, false);
    pump();
    EXPECT_EQ(pw::editText(e), u"Xalpha beta gamma");

    // Neither way of pasting takes more than a paste's limit from a huge clipboard.
    constexpr std::size_t kLimit = pw::EditModel::kPasteLimit;
    const std::u16string huge(kLimit * 4, u'h');
    pw::setEditText(e, u"");
    pw::setPrimarySelectionText(huge);
    pw::input::mouseButton(hTop, {12, 20}, pw::MouseButton::kMiddle, true);
    pw::input::mouseButton(hTop, {12, 20}, pw::MouseButton::kMiddle, false);
    pump();
    EXPECT_EQ(pw::editText(e).size(), kLimit);
    pw::setClipboardText(huge);
    keys({pw::vk::kControl}, 'V');
    EXPECT_EQ(pw::editText(e).size(), 2 * kLimit);
}

TEST_F(EditControl, LongLineScrollsAndAreaWrapsAndScrolls) {
    using pw::vk::kControl;
    pw::Handle field = make(0, {10, 10, 80, 24});
    type(u"a line far longer than the field is wide");
    EXPECT_GT(pw::editScroll(field).x, 0);
    pw::Rect c = pw::editCaretRect(field);
    EXPECT_TRUE(c.x >= 0 && c.x < 80) << c.x;
    keys({}, pw::vk::kHome);
    EXPECT_EQ(pw::editScroll(field).x, 0);

    pw::Handle area = make(pw::kEditMultiLine, {10, 40, 100, 60});
    type(u"many words that wrap over several lines in a narrow area");
    keys({}, pw::vk::kReturn);  // Return reaches a text area as a line break
    type(u"end");
    EXPECT_NE(pw::editText(area).find(u"area\nend"), std::u16string::npos);
    EXPECT_GT(pw::editScroll(area).y, 0) << "scrolled to the caret";
    EXPECT_EQ(pw::editScroll(area).x, 0) << "wrapped, never scrolled sideways";
    keys({kControl}, pw::vk::kHome);
    EXPECT_EQ(pw::editScroll(area).y, 0);
    keys({}, pw::vk::kDown);
    auto [a, caret] = selection(area);
    EXPECT_GT(caret, 0);
    EXPECT_LT(caret, 20) << "Down moves one wrapped line";
    keys({}, pw::vk::kUp);
    EXPECT_EQ(selection(area), std::make_pair(0, 0));
}

TEST_F(EditControl, CaretBlinksOnlyWithTheFocus) {
    pw::Handle e = make(0);
    pw::Rect c = pw::editCaretRect(e);
    auto caretShown = [&] { return pw::red(at(e, c.x, c.y + c.height / 2)) < 128; };
    EXPECT_TRUE(caretShown());
    bool off = false;
    bool onAgain = false;
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!(off && onAgain) && std::chrono::steady_clock::now() < until) {
        pump();
        bool shown = caretShown();
        if (!shown) off = true;
        if (off && shown) onAgain = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(off && onAgain);
    pw::setFocus(pw::kNoWindow);
    pump();
    EXPECT_EQ(at(e, c.x, c.y + c.height / 2), kWhite);
}

}  // namespace
