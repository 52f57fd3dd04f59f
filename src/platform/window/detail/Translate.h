// Turning a backend's raw input into window messages on the owner thread.
#pragma once

#include "detail/Core.h"

namespace platform::window::detail {

// Keeps the state of the mouse buttons and keys (mouseButtonsDown, isKeyDown) as an input
// reports it, whether or not its window is still there to be told; true for the release of a
// lone Alt (the menu key).
bool noteHeld(const RawInput& input);  // Input.cpp
// Makes the messages of one input (queued on q.ready) for the queue's thread.
void translateInput(RawInput& input, Queue& queue);  // Input.cpp
// Routes input while popups are open: `top` may be turned into the popup that takes the input;
// answers true when the input was used up there.
bool popupInput(RawInput& in, Queue& q, Handle& top, Point screen);  // Popup.cpp

}  // namespace platform::window::detail
