// Slider painting and the position under a point.
#include "gui/drawer/slider/win/Thin.h"

#include <algorithm>

#include "gui/RoundAway.h"

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::slider::win {

void Thin::reset() {
    setColours(pw::rgb(68, 68, 68), pw::rgb(119, 119, 119), pw::rgb(204, 204, 204));
}

void Thin::setColours(Colour line, Colour second, Colour extra) {
    line_ = line;
    second_ = second;
    extra_ = extra;
}

void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, std::int32_t minimum, std::int32_t maximum,
                 std::int32_t position, bool vertical, std::int32_t state, bool enabled) {
    if (emptyArea(left, top, right, bottom)) return;
    // Work along the axis: a = start, len = length, c = centre across.
    const std::int32_t u = pw::scaled(1), thumb = pw::scaled(kThumb);
    const std::int32_t a = vertical ? top : left;
    const std::int32_t len = vertical ? bottom - top : right - left;
    const std::int32_t across = vertical ? right - left : bottom - top;
    const std::int32_t c0 = vertical ? left : top;
    const std::int32_t track = std::max(0, len - thumb);
    const std::int32_t range = maximum - minimum;
    const std::int32_t p =
        std::clamp(position, std::min(minimum, maximum), std::max(minimum, maximum));
    const std::int32_t offset =
        range > 0 ? roundAway(double(p - minimum) * track / range) : 0;
    auto fill = [&](std::int32_t along, std::int32_t at, std::int32_t length, std::int32_t thick,
                    Colour colour) {
        if (vertical)
            picture.fillRect(at, along, thick, length, colour);
        else
            picture.fillRect(along, at, length, thick, colour);
    };
    const std::int32_t mid = c0 + across / 2 - u;
    fill(a, mid, len, 2 * u, enabled ? line_ : extra_);
    fill(a, mid, offset + thumb / 2, 2 * u, enabled ? second_ : extra_);
    // The thumb: framed in the line colour, filled with the extra colour, the second colour
    // while hovered or pressed.
    const std::int32_t thumbAt = a + offset;
    const std::int32_t thick = std::max(4 * u, across - 4 * u);
    const std::int32_t thumbAcross = c0 + (across - thick) / 2;
    fill(thumbAt, thumbAcross, thumb, thick, line_);
    fill(thumbAt + u, thumbAcross + u, thumb - 2 * u, thick - 2 * u,
         state != 0 && enabled ? second_ : extra_);
}

std::int32_t Thin::positionAt(std::int32_t point, std::int32_t left, std::int32_t top,
                              std::int32_t right, std::int32_t bottom, std::int32_t minimum,
                              std::int32_t maximum, bool vertical) const {
    const std::int32_t thumb = pw::scaled(kThumb);
    const std::int32_t a = vertical ? top : left;
    const std::int32_t len = vertical ? bottom - top : right - left;
    const std::int32_t track = len - thumb;
    if (track <= 0 || maximum <= minimum) return minimum;
    const std::int32_t along = std::clamp(point - a - thumb / 2, 0, track);
    return minimum +
           roundAway(double(along) * (maximum - minimum) / track);
}

}  // namespace s::gui::drawer::slider::win
