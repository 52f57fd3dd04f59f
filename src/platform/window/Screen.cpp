// The screen as the backend reports it: cursor, work areas and monitors, and the message that
// tells every top-level window when they change.
#include <vector>

#include "detail/Core.h"
#include "platform/window/Backend.h"
#include "platform/window/Window.h"

namespace platform::window {

void setCursor(Cursor cursor) {
    backend().setCursor(cursor);
}
Point cursorPosition() {
    return backend().cursorPosition();
}
Rect workArea(Point near) {
    return backend().workArea(near);
}
Rect virtualScreen() {
    return backend().virtualScreen();
}
std::vector<Monitor> monitors() {
    return backend().monitors();
}

namespace detail {
void broadcastDisplayChange() {
    broadcast(msg::kDisplayChange);
}

void broadcast(std::uint32_t message) {
    for (Handle h : topLevelWindows()) post(h, message);
}
}  // namespace detail

}  // namespace platform::window
