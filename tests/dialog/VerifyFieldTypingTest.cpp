// The verify page's code field used as a user uses it on a real X server: keys typed through
// XTEST, Shift+arrow and mouse selections, copy and paste through other clients' clipboard, undo
// and an input method's pre-edit text.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "DialogWindow.h"
#include "gui/win/Button.h"
#include "gui/win/EditBase.h"
#include "gui/win/TextField.h"
#include "gui/win/Window.h"
#include "platform/window/Edit.h"
#include "platform/window/Input.h"
#include "platform/window/Window.h"
#include "platform/window/display/XServer.h"

namespace dialog_testing {
namespace {

namespace pw = platform::window;

void verifyFieldTap(const char* keysym) {
    xtest::key(keysym, true);
    xtest::key(keysym, false);
}

void verifyFieldChord(const char* modifier, const char* keysym) {
    xtest::key(modifier, true);
    verifyFieldTap(keysym);
    xtest::key(modifier, false);
}

class VerifyFieldTyping : public DialogWindow {
protected:
    void SetUp() override {
        DialogWindow::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        selectAction(1);
        field = dynamic_cast<s::gui::win::EditBase*>(dialog->enteredField());
        ASSERT_NE(field, nullptr);
        frame->handOff([&] { field->setText(u"", false); });
        click(field);
        ASSERT_TRUE(waitFor([&] {
            pw::Handle focused = pw::kNoWindow;
            frame->handOff([&] { focused = pw::focus(); });  // the window thread's focus
            return focused == field->getEditControl();
        }));
    }
    std::string typed() { return utf8(field->getText()); }
    std::string selection() {
        std::int32_t anchor = 0;
        std::int32_t caret = 0;
        pw::editSelection(field->getEditControl(), &anchor, &caret);
        std::u16string text = field->getText();
        std::int32_t from = std::min(anchor, caret);
        return utf8(text.substr(static_cast<std::size_t>(from),
                                static_cast<std::size_t>(std::max(anchor, caret) - from)));
    }

    s::gui::win::EditBase* field = nullptr;
};

TEST_F(VerifyFieldTyping, KeysSelectCopyPasteAndUndo) {
    type("900150983cd2 ABC");
    ASSERT_TRUE(waitFor([&] { return typed() == "900150983cd2 ABC"; })) << typed();

    // Shift+Left three times selects the last word; copying hands it to other clients.
    xtest::key("Shift_L", true);
    for (int i = 0; i < 3; ++i) verifyFieldTap("Left");
    xtest::key("Shift_L", false);
    ASSERT_TRUE(waitFor([&] { return selection() == "ABC"; })) << selection();
    verifyFieldChord("Control_L", "c");
    EXPECT_TRUE(waitFor([&] { return clipboard() == "ABC"; })) << clipboard();
    EXPECT_TRUE(waitFor([&] {
        return xtest::run("xclip -o -selection primary 2>/dev/null") == "ABC";
    })) << "the settled selection is the primary selection";

    // Typing replaces the selection; Ctrl+Z takes the typing back.
    type("x");
    ASSERT_TRUE(waitFor([&] { return typed() == "900150983cd2 x"; })) << typed();
    verifyFieldChord("Control_L", "z");
    EXPECT_TRUE(waitFor([&] { return typed() == "900150983cd2 ABC"; })) << typed();

    // A code from another client's clipboard, pasted over everything with Ctrl+A, Ctrl+V.
    setClipboard("d6963f7d28e17f72");
    verifyFieldChord("Control_L", "a");
    verifyFieldChord("Control_L", "v");
    EXPECT_TRUE(waitFor([&] { return typed() == "d6963f7d28e17f72"; })) << typed();

    // Ctrl+Shift+Left selects by word, Home and End move to the ends.
    verifyFieldTap("End");
    xtest::key("Control_L", true);
    xtest::key("Shift_L", true);
    verifyFieldTap("Left");
    xtest::key("Shift_L", false);
    xtest::key("Control_L", false);
    EXPECT_TRUE(waitFor([&] { return selection() == "d6963f7d28e17f72"; })) << selection();
    verifyFieldTap("Home");
    type("0x");
    EXPECT_TRUE(waitFor([&] { return typed() == "0xd6963f7d28e17f72"; })) << typed();
}

TEST_F(VerifyFieldTyping, MouseDragAndDoubleClickSelect) {
    type("aaaa bbbb cccc");
    ASSERT_TRUE(waitFor([&] { return typed() == "aaaa bbbb cccc"; })) << typed();
    pw::Rect r = pw::screenRect(field->getEditControl());
    const int y = r.y + r.height / 2;
    // Pressed left of the text and dragged well past its end: everything is selected.
    xtest::movePointer(r.x + 2, y);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    xtest::button(1, true);
    for (int i = 1; i <= 5; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        xtest::movePointer(r.x + 2 + i * (r.width - 8) / 5, y);
    }
    xtest::button(1, false);
    EXPECT_TRUE(waitFor([&] { return selection() == "aaaa bbbb cccc"; })) << selection();
    std::this_thread::sleep_for(std::chrono::milliseconds(600));  // no double click next

    // A double click on the middle word selects it: the caret at the end gives the text's
    // width, so the middle is found without guessing the font.
    verifyFieldTap("End");
    ASSERT_TRUE(waitFor([&] { return selection().empty(); }));
    const std::int32_t end = pw::editCaretRect(field->getEditControl()).x;
    xtest::movePointer(r.x + end / 2, y);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    for (int i = 0; i < 2; ++i) {
        xtest::button(1, true);
        xtest::button(1, false);
    }
    EXPECT_TRUE(waitFor([&] { return selection() == "bbbb"; })) << selection();
}

TEST_F(VerifyFieldTyping, PreeditShowsWithoutChangingTheCode) {
    type("abc");
    ASSERT_TRUE(waitFor([&] { return typed() == "abc"; }));
    pw::Handle top = frame->window()->getNativeWindow();
    pw::input::preedit(top, u"\u4E2D", 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(typed(), "abc") << "a pre-edit text is not yet typed";
    pw::input::preedit(top, u"", 0);
    pw::input::text(top, u"\u4E2D");
    EXPECT_TRUE(waitFor([&] { return field->getText() == u"abc\u4E2D"; }));
}

// Ctrl+V with the focus outside a text field (here on the "Paste" button) pastes the code.
TEST_F(VerifyFieldTyping, CtrlVOutsideAFieldPastesTheCode) {
    setClipboard("900150983cd24fb0d6963f7d28e17f72");
    s::gui::win::Component* paste = dialog->pasteButton();
    ASSERT_NE(paste, nullptr);
    frame->handOff([&] { paste->giveFocus(); });
    ASSERT_TRUE(waitFor([&] {
        pw::Handle focused = pw::kNoWindow;
        frame->handOff([&] { focused = pw::focus(); });
        return focused == paste->getNativeWindow();
    }));
    verifyFieldChord("Control_L", "v");
    EXPECT_TRUE(waitFor([&] { return typed() == "900150983cd24fb0d6963f7d28e17f72"; })) << typed();
}

}  // namespace
}  // namespace dialog_testing
