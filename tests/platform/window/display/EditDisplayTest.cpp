// The text control on a real X server: keys typed through XTEST, input methods switched with
// the focus, and the clipboard and primary selection shared with other clients.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "XServer.h"
#include "platform/window/Backend.h"
#include "platform/window/Edit.h"
#include "platform/window/Probe.h"
#include "platform/window/Window.h"

namespace pw = platform::window;

namespace {

void tap(const char* keysym) {
    xtest::key(keysym, true);
    xtest::key(keysym, false);
}

void chord(const char* modifier, const char* keysym) {
    xtest::key(modifier, true);
    tap(keysym);
    xtest::key(modifier, false);
}

class EditDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        if (!xtest::available()) GTEST_SKIP() << "Xvfb or openbox is missing";
        ASSERT_STREQ(pw::startBackend(pw::BackendKind::kSdl).name(), "sdl");
        top.colour = pw::rgb(200, 200, 200);
        hTop = probe::make(&top, pw::kNoWindow, {120, 120, 240, 120});
        ASSERT_TRUE(hTop);
        edit = pw::createEdit(hTop, {10, 10, 200, 26}, pw::kStyleVisible);
        other = probe::make(&plain, hTop, {10, 60, 60, 30});
        ASSERT_TRUE(edit && other);
        // Clicking the field activates the window and gives the field the keyboard focus.
        ASSERT_TRUE(xtest::pumpUntil([&] {
            pw::Rect t = pw::screenRect(hTop);  // where the window manager put it
            pw::Rect e = pw::screenRect(edit);
            return xtest::screenPixel(t.x + 3, t.y + 3) == top.colour &&
                   xtest::screenPixel(e.x + 5, e.y + 5) == pw::rgb(255, 255, 255);
        })) << "the window never showed";
        pw::Rect r = pw::screenRect(edit);
        xtest::movePointer(r.x + 20, r.y + 10);
        xtest::button(1, true);
        xtest::button(1, false);
        ASSERT_TRUE(xtest::pumpUntil([&] { return pw::focus() == edit; }));
    }
    void TearDown() override {
        if (hTop) pw::destroy(hTop);
        pw::processPending();
    }

    probe::Probe top, plain;
    pw::Handle hTop = 0, edit = 0, other = 0;
};

TEST_F(EditDisplay, TypedKeysEditTheTextAndInputMethodsFollowTheFocus) {
    EXPECT_TRUE(SDL_IsTextInputActive());
    for (const char* k : {"h", "e", "l", "l", "o", "space", "w", "x"}) tap(k);
    tap("BackSpace");
    ASSERT_TRUE(xtest::pumpUntil([&] { return pw::editText(edit) == u"hello w"; }))
        << pw::toUtf8(pw::editText(edit));
    // Shift+Control+Left selects the word before the caret; typing replaces it.
    xtest::key("Shift_L", true);
    chord("Control_L", "Left");
    xtest::key("Shift_L", false);
    chord("Shift_L", "a");
    ASSERT_TRUE(xtest::pumpUntil([&] { return pw::editText(edit) == u"hello A"; }))
        << pw::toUtf8(pw::editText(edit));
    chord("Control_L", "z");
    ASSERT_TRUE(xtest::pumpUntil([&] { return pw::editText(edit) == u"hello w"; }))
        << pw::toUtf8(pw::editText(edit));

    pw::setFocus(other);
    ASSERT_TRUE(xtest::pumpUntil([] { return !SDL_IsTextInputActive(); }));
    plain.clear();
    tap("q");
    // The q must be handled while the focus is elsewhere: wait until the other window saw it.
    ASSERT_TRUE(xtest::pumpUntil([&] { return !plain.take(pw::msg::kKeyUp).empty(); }));
    pw::setFocus(edit);
    ASSERT_TRUE(xtest::pumpUntil([] { return SDL_IsTextInputActive(); }));
    tap("k");
    // The undo brought back the selected "w", which the k replaces; the q typed while the
    // focus was elsewhere never arrives.
    ASSERT_TRUE(xtest::pumpUntil([&] { return pw::editText(edit) == u"hello k"; }))
        << pw::toUtf8(pw::editText(edit));
}

TEST_F(EditDisplay, CopiedAndSelectedTextReachOtherClients) {
    pw::setEditText(edit, u"d41d8cd9");
    chord("Control_L", "a");
    chord("Control_L", "c");
    ASSERT_TRUE(xtest::pumpUntil(
        [] { return xtest::run("xclip -o -selection clipboard 2>&1") == "d41d8cd9"; }));
    ASSERT_TRUE(xtest::pumpUntil(
        [] { return xtest::run("xclip -o -selection primary 2>&1") == "d41d8cd9"; }));
}

}  // namespace
