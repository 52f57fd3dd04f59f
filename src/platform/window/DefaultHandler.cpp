// The default handling of messages that a window's handler leaves alone.
#include "detail/Core.h"
#include "platform/window/Input.h"
#include "platform/window/Window.h"

namespace platform::window {

Result defaultHandler(Handle window, std::uint32_t message, WParam wparam, LParam lparam) {
    switch (message) {
        case msg::kHitTest:
            return kHitClient;
        case msg::kSetCursor: {
            Cursor c = Cursor::kArrow;
            switch (static_cast<HitTest>(static_cast<std::int16_t>(lparam & 0xFFFF))) {
                case kHitLeft:
                case kHitRight:
                    c = Cursor::kSizeWE;
                    break;
                case kHitTop:
                case kHitBottom:
                    c = Cursor::kSizeNS;
                    break;
                case kHitTopLeft:
                case kHitBottomRight:
                    c = Cursor::kSizeNWSE;
                    break;
                case kHitTopRight:
                case kHitBottomLeft:
                    c = Cursor::kSizeNESW;
                    break;
                default:
                    break;
            }
            setCursor(c);
            return 1;
        }
        case msg::kMouseWheel: {
            // Unhandled wheel turns go to the parent, in its coordinates.
            Handle parent = parentOf(window);
            if (!parent) return 0;
            Point p = unpackPoint(lparam);
            Rect r = windowRect(window);
            return send(parent, message, wparam, packPoint(p.x + r.x, p.y + r.y));
        }
        case msg::kKeyDown:
        case msg::kKeyUp: {
            // A key no child used is the parent's: window shortcuts work wherever the focus is.
            Handle parent = parentOf(window);
            return parent ? send(parent, message, wparam, lparam) : 0;
        }
        case msg::kClose:
            destroy(window);
            return 0;
        case msg::kNcLButtonDown: {
            // A press on the caption or a sizing border moves or sizes the top-level window.
            auto code = static_cast<HitTest>(wparam);
            beginSizeMove(topLevelOf(window), code, unpackPoint(lparam));
            return 0;
        }
        default:
            return 0;
    }
}

}  // namespace platform::window
