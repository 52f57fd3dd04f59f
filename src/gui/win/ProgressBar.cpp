// Progress bar values and painting.
#include "gui/win/ProgressBar.h"

#include <algorithm>

namespace pw = platform::window;

namespace s::gui::win {

namespace {
constexpr Colour kFrame = makeColour(188, 188, 188);
constexpr Colour kTrack = makeColour(230, 230, 230);
constexpr Colour kFill = makeColour(6, 176, 37);
}  // namespace

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
    canvas.fillRect({0, 0, width_, height_}, kFrame);
    if (width_ <= 2 || height_ <= 2) return;
    canvas.fillRect({1, 1, width_ - 2, height_ - 2}, kTrack);
    std::int32_t fill = filledWidth(width_ - 2);
    if (fill > 0) canvas.fillRect({1, 1, fill, height_ - 2}, kFill);
}

ProgressBar* newProgressBar() {
    ProgressBar* bar = ProgressBar::create();
    bar->setComponentFixedWidth(100);
    bar->setComponentFixedHeight(16);
    return bar;
}

}  // namespace s::gui::win
