// The message box drawn by the layer itself (for backends without a system one).
#pragma once

#include "detail/Private.h"
#include "platform/window/MessageBox.h"

namespace platform::window::detail {

// Shows the box as a window of the calling thread, modal to its owner, and answers the button
// chosen (the close answer when it was closed).
int runMessageBoxWindow(const MessageBoxRequest& request);

}  // namespace platform::window::detail
