// The window's user-interface thread, its native top-level window, the attach hand-off at the
// root and the destroy message.
#include "gui/win/Window.h"

#include <algorithm>
#include <future>

#include "gui/layout/Vertical.h"

namespace pw = platform::window;

namespace s::gui::win {

Window::Window() {
    window_ = this;
    manager_ = layout::Vertical::shared();
    background_ = kSystemButtonFace;
    transparent_ = false;
    shown_ = false;
    hoverTracking_ = false;
    std::promise<pw::Handle> made;
    std::future<pw::Handle> ready = made.get_future();
    thread_ = std::thread([this, &made] {
        registerNativeClass();
        pw::CreateParams params;
        params.className = kComponentClass;
        params.rect = {0, 0, 0, 0};
        params.userData = this;
        made.set_value(pw::create(params));
        run();
    });
    native_ = ready.get();
}

Window::~Window() {
    pw::Handle native = native_;
    native_ = pw::kNoWindow;
    if (native != pw::kNoWindow) pw::send(native, kMsgDestroyWindow);
    if (!thread_.joinable()) return;
    // Released from its own thread (a handler): the loop ends after this message.
    if (thread_.get_id() == std::this_thread::get_id()) {
        thread_.detach();
        return;
    }
    thread_.join();
}

void Window::run() {
    pw::runMessageLoop();
}

bool Window::isOwnerThread() const {
    return pw::isOwnerThread(native_);
}

void Window::add(IComponent* child) {
    if (handOff([&] { add(child); })) return;
    children_.push_back(child);
    child->setParentComponent(this);
    if (native_ == pw::kNoWindow) return;
    child->attach(this);
    layout();
}

void Window::setVisible(bool show, bool relayout) {
    shown_ = show;
    if (native_ != pw::kNoWindow) pw::show(native_, show);
}

std::int32_t Window::getMaxWidth() const {
    if (fixedWidth_ >= 0) return fixedWidth_;
    return pw::workArea({x_, y_}).width;
}

std::int32_t Window::getMaxHeight() const {
    if (fixedHeight_ >= 0) return fixedHeight_;
    return pw::workArea({x_, y_}).height;
}

std::int32_t Window::getMinClientWidth() const {
    if (fixedWidth_ >= 0) return fixedWidth_;
    std::int32_t widest = 0;
    for (IComponent* child : children_) widest = std::max(widest, child->getMinWidth());
    return widest;
}

std::int32_t Window::getMinClientHeight() const {
    std::int32_t sum = 0;
    for (IComponent* child : children_) sum += child->getMinHeight();
    return sum;
}

void Window::centre() {
    centreHorizontally();
    centreVertically();
}

void Window::centreHorizontally() {
    pw::Rect area = pw::workArea({x_ + width_ / 2, y_ + height_ / 2});
    setPosition(area.x + std::max((area.width - width_) / 2, 0), y_);
}

void Window::centreVertically() {
    pw::Rect area = pw::workArea({x_ + width_ / 2, y_ + height_ / 2});
    setPosition(x_, area.y + std::max((area.height - height_) / 2, 0));
}

void Window::setTitle(const std::u16string& title) {
    if (native_ != pw::kNoWindow) pw::setTitle(native_, title);
}

pw::Result Window::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                 pw::LParam lparam) {
    switch (message) {
        case kMsgDestroyWindow:
            pw::destroy(window);
            pw::postQuitMessage(0);
            return 1;
        case pw::msg::kSize: {
            // Resized by the user or the system: take the size and lay out.
            pw::Point size = pw::unpackPoint(lparam);
            if (size.x != width_ || size.y != height_) {
                width_ = size.x;
                height_ = size.y;
                layout();
            }
            return 0;
        }
        case pw::msg::kMove: {
            pw::Point p = pw::unpackPoint(lparam);
            x_ = p.x;
            y_ = p.y;
            return 0;
        }
        case pw::msg::kMouseWheel:
            return 0;
        default:
            return BoxBase::handleMessage(window, message, wparam, lparam);
    }
}

Window* newWindow(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    Window* window = Window::create();
    window->setBounds(x, y, width, height);
    return window;
}

}  // namespace s::gui::win
