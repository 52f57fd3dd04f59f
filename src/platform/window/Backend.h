// The backends that give top-level windows a surface, and the choice between them.
//
// The window layer keeps the window tree, queues, timers, focus, capture and painting itself; a
// backend only shows top-level back buffers, reports input (Input.h) and offers the clipboard,
// the pointer, the screen geometry and message boxes. Its surface operations are called on the
// owner thread of the top-level window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/MessageBox.h"
#include "platform/window/Picture.h"
#include "platform/window/Types.h"
#include "platform/window/Window.h"

namespace platform::window {

struct SurfaceRequest {
    Rect rect;  // screen coordinates of the client area
    std::uint32_t style = 0;
    std::u16string title;
    Handle owner = kNoWindow;
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual const char* name() const = 0;
    // True when windows are shown on a real screen.
    virtual bool hasScreen() const = 0;

    virtual bool openSurface(Handle topLevel, const SurfaceRequest& request) = 0;
    virtual void closeSurface(Handle topLevel) = 0;
    // Copies an area (client coordinates) of the back buffer to the screen.
    virtual void present(Handle topLevel, const Picture& buffer, Rect area) = 0;
    virtual void showSurface(Handle topLevel, bool visible, bool activate) = 0;
    virtual void placeSurface(Handle topLevel, Rect screen) = 0;
    virtual void setSurfaceTitle(Handle topLevel, std::u16string_view title) = 0;
    virtual void setSurfaceOnTop(Handle topLevel, bool onTop) = 0;
    virtual void setSurfaceOpacity(Handle topLevel, std::uint8_t alpha) = 0;
    virtual void setSurfaceShowState(Handle topLevel, ShowState state) = 0;
    virtual void setSurfaceMinimumSize(Handle topLevel, Size size) = 0;
    virtual void activateSurface(Handle topLevel) = 0;
    // The changeable style bits (Window.h setStyle) of a surface.
    virtual void setSurfaceStyle(Handle topLevel, std::uint32_t style) {}
    // The surface's icon; null removes it.
    virtual void setSurfaceIcon(Handle topLevel, const Picture* icon) {}
    // The surface's shape (client coordinates, the union of the rectangles); empty: the whole
    // rectangle.
    virtual void setSurfaceShape(Handle topLevel, const std::vector<Rect>& rects) {}
    // How other programs name the surface as a parent ("x11:<hex id>"); "" when it cannot be
    // named (no surface, not an X11 window).
    virtual std::string surfaceExportId(Handle topLevel) { return {}; }
    // Whether the display holds the surface's system window (made now when it was not yet);
    // false when the display refuses to make it.
    virtual bool surfaceMade(Handle topLevel) { return true; }
    // The pointer is captured by one of the surface's windows (true) or released (false).
    virtual void captureMouse(Handle topLevel, bool captured) = 0;
    // The latest hit test of the pointer over a borderless surface (for system drags).
    virtual void setHitTestCode(Handle topLevel, HitTest code) = 0;

    virtual void setCursor(Cursor cursor) = 0;
    virtual Point cursorPosition() = 0;
    virtual Rect workArea(Point near) = 0;
    virtual Rect virtualScreen() = 0;
    virtual std::vector<Monitor> monitors() { return {Monitor{virtualScreen(), workArea({})}}; }

    virtual bool setClipboardText(std::u16string_view text) = 0;
    virtual bool clipboardText(std::u16string* out) = 0;
    // The primary selection (the text selected last, pasted with the middle button). Backends
    // without one report failure.
    virtual bool setPrimarySelectionText(std::u16string_view) { return false; }
    virtual bool primarySelectionText(std::u16string*) { return false; }

    // Text input through input methods: on while an editable text control of the surface has
    // the keyboard focus (typed text and pre-edit text are reported only then). The candidate
    // window is placed at `caret` (client coordinates of the top-level window).
    virtual void setTextInput(Handle, bool) {}
    virtual void setTextInputArea(Handle, Rect) {}

    virtual int messageBox(const MessageBoxRequest& request) = 0;
};

enum class BackendKind { kAuto, kSdl, kHeadless };

// Starts the backend: kAuto picks SDL when a display is available and headless otherwise; kSdl
// falls back to headless when SDL finds no display. Answers the backend in use; a second call
// answers the running one. Windows made before any call start the kAuto backend.
Backend& startBackend(BackendKind kind = BackendKind::kAuto);
// The running backend (started with kAuto when none runs yet).
Backend& backend();
// Stops the backend (every top-level surface must be closed). The next use starts one again.
void stopBackend();

// An SDL backend with its display thread running, or null when there is no display: neither
// DISPLAY nor WAYLAND_DISPLAY is set, SDL cannot start, or it only finds its offscreen or dummy
// driver (it falls back to those silently).
std::unique_ptr<Backend> makeSdlBackend();

}  // namespace platform::window
