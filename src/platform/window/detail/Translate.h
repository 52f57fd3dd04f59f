// Turning a backend's raw input into window messages on the owner thread.
#pragma once

#include "detail/Core.h"

namespace platform::window::detail {

// Makes the messages of one input (queued on q.ready) for the queue's thread.
void translateInput(RawInput& input, Queue& queue);  // Input.cpp
// Routes input while popups are open: `top` may be turned into the popup that takes the input;
// answers true when the input was used up there.
bool popupInput(RawInput& in, Queue& q, Handle& top, Point screen);  // Popup.cpp

}  // namespace platform::window::detail
