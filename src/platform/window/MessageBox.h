// Modal message boxes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Types.h"

namespace platform::window {

enum class BoxButtons { kOk, kOkCancel, kYesNo, kYesNoCancel, kRetryCancel };
enum class BoxIcon { kNone, kInformation, kWarning, kError, kQuestion };
enum BoxAnswer : int {
    kAnswerNone = 0,
    kAnswerOk = 1,
    kAnswerCancel = 2,
    kAnswerRetry = 4,
    kAnswerYes = 6,
    kAnswerNo = 7
};

// What a box is painted in; the toolkit gives its current theme's colours.
struct BoxColours {
    Colour face = rgb(240, 240, 240);
    Colour text = rgb(0, 0, 0);
    Colour button = rgb(225, 225, 225);
    Colour buttonHover = rgb(229, 241, 251);
    Colour frame = rgb(173, 173, 173);
    Colour defaultFrame = rgb(0, 120, 215);  // the focused button's
};

struct MessageBoxRequest {
    Handle owner = kNoWindow;
    std::u16string text;
    std::u16string title;
    BoxButtons buttons = BoxButtons::kOk;
    BoxIcon icon = BoxIcon::kNone;
    // Button labels in the user's language; an empty one shows the English word.
    std::u16string okText;
    std::u16string yesText;
    std::u16string noText;
    std::u16string cancelText;
    BoxColours colours;
};

// Shows the box and waits for the user's answer. The box stays inside the work area: a text
// with a word too wide for it (a long path) is broken inside the word. The calling thread's sent
// messages are still handled while it waits. Closing the box without a button answers cancel (no
// when there is no cancel button, ok for a lone ok button).
int messageBox(const MessageBoxRequest& request);
// What an open box shows, for assistive tools (asked on the box's thread).
struct MessageBoxContent {
    std::u16string title;
    std::u16string text;
    BoxIcon icon = BoxIcon::kNone;
    std::vector<std::u16string> buttons;
    int focused = 0;  // the button Return presses
    Rect textRect;    // client coordinates
    std::vector<Rect> buttonRects;
};
bool messageBoxContent(Handle box, MessageBoxContent* out);
// Answers the box as a click on the button would (the box's thread).
bool pressMessageBoxButton(Handle box, int index);
// Told on the box's thread when a box has opened (true) and before it goes (false). One
// observer for the process; null removes it.
void setMessageBoxObserver(void (*observer)(Handle box, bool open));

// Closes every open box of `owner` as its Cancel or Close (the title bar's close) would: posted,
// so it may be called on any thread.
void closeMessageBoxes(Handle owner);

}  // namespace platform::window
