// Slider range, user input and painting through the slider drawer.
#include "gui/win/Slider.h"

#include <algorithm>

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"
#include "gui/win/TextComponent.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {

drawer::slider::IThin* sliderDrawerOf(const IWindow* window) {
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window ? window->getSkinner() : nullptr);
    return skin ? skin->getSliderDrawer() : drawer::Defaults::slider();
}

}  // namespace

void Slider::resetSlider() {
    resetComponent();
    minimum_ = 0;
    maximum_ = 100;
    position_ = 0;
    vertical_ = dragging_ = false;
    listeners_.clear();
    transparent_ = true;
}

void Slider::setRange(std::int32_t minimum, std::int32_t maximum) {
    if (handOff([&] { setRange(minimum, maximum); })) return;
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
    repaint();
}

void Slider::setPosition(std::int32_t position) {
    if (handOff([&] { setPosition(position); })) return;
    position = std::clamp(position, minimum_, maximum_);
    if (position == position_) return;
    position_ = position;
    repaint();
}

void Slider::userMoveTo(pw::LParam lparam) {
    pw::Point p = pw::unpackPoint(lparam);
    std::int32_t at = sliderDrawerOf(window_)->positionAt(vertical_ ? p.y : p.x, 0, 0, width_,
                                                          height_, minimum_, maximum_, vertical_);
    at = std::clamp(at, minimum_, maximum_);
    if (at == position_) return;
    position_ = at;
    repaint();
    fireListeners(listeners_, eventSource(this), 1);
}

void Slider::onEvent(void* source, std::int32_t code) {
    if (!source || source != followedSkinner()) return;
    if (handOff([&] { onEvent(source, code); })) return;
    repaint();
}

void Slider::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    sliderDrawerOf(window_)->paint(canvas, 0, 0, width_, height_, minimum_, maximum_, position_,
                                   vertical_, dragging_ ? 2 : 0, isEnabled());
}

pw::Result Slider::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                 pw::LParam lparam) {
    switch (message) {
        case pw::msg::kLButtonDown:
            dragging_ = true;
            pw::setCapture(window);
            userMoveTo(lparam);
            return 0;
        case pw::msg::kMouseMove:
            if (dragging_) userMoveTo(lparam);
            return 0;
        case pw::msg::kLButtonUp:
            if (!dragging_) return 0;
            dragging_ = false;
            if (pw::capture() == window) pw::releaseCapture();
            repaint();
            return 0;
        case pw::msg::kCaptureChanged:
            dragging_ = false;
            return 0;
        default:
            break;
    }
    return Component::handleMessage(window, message, wparam, lparam);
}

Slider* newSlider(std::int32_t minimum, std::int32_t maximum, std::int32_t width) {
    Slider* slider = Slider::create();
    slider->setRange(minimum, maximum);
    if (width >= 0) slider->setComponentFixedWidth(width);
    slider->setComponentFixedHeight(22);
    return slider;
}

}  // namespace s::gui::win
