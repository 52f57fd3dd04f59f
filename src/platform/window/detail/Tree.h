// Operations on the window tree that the layer's message loop and input translation share.
#pragma once

#include "detail/Private.h"
#include "platform/window/Messages.h"
#include "platform/window/Types.h"
#include "platform/window/Window.h"

namespace platform::window::detail {

// The deepest shown window of h's tree at the screen point (children top-first, then h itself),
// asked by kHitTest on the owner thread; its hit-test code in *code when not null.
Handle hitTestHere(Handle h, Point screen, HitTest* code);
// Destroys every top-level window of the thread (when its queue ends).
void destroyThreadWindows(ThreadId thread);
// Paints the dirty area of a top-level window into its back buffer and presents it.
void paintTopLevel(Handle top);

}  // namespace platform::window::detail
