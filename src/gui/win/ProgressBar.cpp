// Progress bar values and painting.
#include "gui/win/ProgressBar.h"

#include <algorithm>

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"

namespace pw = platform::window;

namespace s::gui::win {

void ProgressBar::resetBar() {
    resetComponent();
    minimum_ = 0;
    maximum_ = 100;
    position_ = 0;
}

void ProgressBar::setRange(std::int32_t minimum, std::int32_t maximum) {
    if (handOff([&] { setRange(minimum, maximum); })) return;
    minimum_ = minimum;
    maximum_ = maximum;
    repaint();
}

void ProgressBar::setPosition(std::int32_t position) {
    if (handOff([&] { setPosition(position); })) return;
    if (position == position_) return;
    position_ = position;
    repaint();
}

std::int32_t ProgressBar::filledWidth(std::int32_t width) const {
    if (maximum_ <= minimum_ || width <= 0) return 0;
    std::int64_t done = std::clamp(position_, minimum_, maximum_) - std::int64_t{minimum_};
    return static_cast<std::int32_t>(done * width / (std::int64_t{maximum_} - minimum_));
}

void ProgressBar::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    drawer::counter::IBasic* counter =
        skin ? skin->getCounterDrawer() : drawer::Defaults::counter();
    // The drawer fills value / maximum of its inside: the filled width out of the inside's
    // width gives the same share without overflowing on wide ranges.
    std::int32_t inside = std::max(width_ - 2 * px(1), 0);
    counter->paint(canvas, 0, 0, width_, height_, filledWidth(inside), std::max(inside, 1));
}

void ProgressBar::onEvent(void* source, std::int32_t code) {
    if (!source || source != followedSkinner()) return;
    if (handOff([&] { onEvent(source, code); })) return;
    repaint();
}

ProgressBar* newProgressBar() {
    ProgressBar* bar = ProgressBar::create();
    bar->setComponentFixedWidth(100);
    bar->setComponentFixedHeight(16);
    return bar;
}

}  // namespace s::gui::win
