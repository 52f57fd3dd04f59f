// Popup windows (menus, drop-down lists) and the nested modal loop that waits for them.
//
// A popup is a top-level window on its owner's user-interface thread, owned by the owner's
// top-level window (and transient for it on the screen). The open popups of a thread form a
// stack: the one opened last gets the keys; Escape closes it; a press outside every popup, or
// the owner losing activation, closes them all. Closing means kClose is sent to the popup; the
// default handling destroys it, a popup's own handler may note the cancel first.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/window/Types.h"
#include "platform/window/Window.h"

namespace platform::window {

// A rectangle of `size` with its top-left corner at `at` (screen coordinates), moved inside the
// work area of the monitor there. When it does not fit below, it goes above at.y - flipHeight
// (the height of what it drops from, such as a menu-bar entry or a drop-down field).
Rect popupRect(Point at, Size size, std::int32_t flipHeight = 0);

// Opens a popup of the class at `rect` (screen coordinates) for `owner` (any window of a tree)
// and puts it on the calling thread's popup stack, shown without taking the activation. Must be
// called on the owner's thread. Answers kNoWindow on failure.
Handle openPopup(std::string_view className, Handle owner, Rect rect, void* userData = nullptr);
// Closes the popup and every popup opened after it (kClose to each, the newest first).
bool closePopup(Handle popup);
// Closes every open popup of the calling thread.
void closePopups();
// The calling thread's open popups, oldest first.
std::vector<Handle> openPopups();

// Runs the calling thread's messages until `done` answers true (checked before every wait).
// Answers false when a quit arrived instead; the quit is posted again so that the enclosing
// loop ends as well.
bool runModalLoop(const std::function<bool()>& done);

// The one hand-off to a window's thread: runs work there (directly when already there) while the
// caller waits, and answers its result. When the window or its thread is gone, the work runs on
// the caller (there is no other thread left to touch what it changes).
Result callOnOwner(Handle window, const std::function<Result()>& work);

}  // namespace platform::window
