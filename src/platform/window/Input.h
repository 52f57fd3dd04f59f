// Input of top-level windows, as the backends report it. Each call queues the event for the
// window's thread, whose message loop turns it into messages for the window under the pointer
// (or the capture window, or the focus window). Tests call these to inject input.
// Points are client coordinates of the top-level window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Messages.h"
#include "platform/window/Types.h"
#include "platform/window/Window.h"

namespace platform::window::input {

void mouseMove(Handle topLevel, Point p);
void mouseButton(Handle topLevel, Point p, MouseButton button, bool down, int clicks = 1);
void mouseWheel(Handle topLevel, Point p, std::int32_t delta);  // 120 per notch, + is away
void mouseLeave(Handle topLevel);
void key(Handle topLevel, std::uint32_t virtualKey, bool down, bool repeat = false);
void text(Handle topLevel, std::u16string_view typed);
// The input method's pre-edit text (not yet typed) with its cursor; empty ends the composition.
void preedit(Handle topLevel, std::u16string_view text, std::int32_t cursor);
// The pre-edit text of a top-level window as of the msg::kPreedit being handled.
std::u16string preeditText(Handle topLevel);
void dropFiles(Handle topLevel, Point p, std::vector<std::u16string> paths);
void closeRequest(Handle topLevel);
// The surface was moved / resized / (de)activated / needs repainting by the system.
void moved(Handle topLevel, Point screen);
void resized(Handle topLevel, Size client);
void activated(Handle topLevel, bool active);
void exposed(Handle topLevel);
void showStateChanged(Handle topLevel, ShowState state);

}  // namespace platform::window::input
