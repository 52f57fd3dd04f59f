// The window tree's operations shared inside the layer. The ...Locked ones want the tree lock
// (treeMutex) held.
#pragma once

#include "detail/Core.h"

namespace platform::window::detail {

// Shown with all its ancestors, and not being destroyed.
bool visibleLocked(const WindowRecord* r);
// Enabled with all its ancestors.
bool enabledLocked(const WindowRecord* r);
WindowRecord* topLocked(WindowRecord* r);
// Offset of a window's client origin in its top-level window's client coordinates.
Point offsetInTopLocked(const WindowRecord* r);
Point screenOriginLocked(const WindowRecord* r);
bool isDescendantLocked(Handle h, Handle ancestor);

// The deepest shown window of h's tree at the screen point (children top-first, then h itself),
// asked by kHitTest on the owner thread; its hit-test code in *code when not null.
Handle hitTestHere(Handle h, Point screen, HitTest* code);
// Destroys a window and its children now (on the owner thread); false when it is gone.
bool destroyNow(Handle h);
// Destroys every top-level window of the thread (when its queue ends).
void destroyThreadWindows(ThreadId thread);

}  // namespace platform::window::detail
