// The invisible owner window of a user-interface thread.
#include "gui/win/InvisibleWindow.h"

#include "gui/win/Messages.h"

namespace pw = platform::window;

namespace s::gui::win {

InvisibleWindow::~InvisibleWindow() {
    destroy();
}

pw::Result InvisibleWindow::handler(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                    pw::LParam lparam) {
    switch (message) {
        case kMsgDestroyWindow:
            // Destroyed with its thread's window: leave the loop as a window does.
            pw::destroy(window);
            pw::postQuitMessage(0);
            return 1;
        case pw::msg::kClose:
            return 0;  // never closed by a request
        default:
            return pw::defaultHandler(window, message, wparam, lparam);
    }
}

bool InvisibleWindow::create() {
    if (native_ != pw::kNoWindow) return true;
    pw::registerClass(kClassName, &InvisibleWindow::handler);
    pw::CreateParams params;
    params.className = kClassName;
    params.style = pw::kStyleMessageOnly;
    params.title = u"";
    native_ = pw::create(params);
    return native_ != pw::kNoWindow;
}

void InvisibleWindow::destroy() {
    pw::Handle native = native_;
    native_ = pw::kNoWindow;
    if (native != pw::kNoWindow && pw::isWindow(native)) pw::destroy(native);
}

}  // namespace s::gui::win
