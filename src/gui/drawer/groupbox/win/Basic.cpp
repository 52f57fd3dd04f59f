// The plain group-box frame.
#include "gui/drawer/groupbox/win/Basic.h"

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::groupbox::win {

// One pixel wide along the four edges, square corners; the top line leaves the gap from x = 7
// to titleWidth + 11, like the skins' frame.
void Basic::paintFrame(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t w,
                       std::int32_t h, std::int32_t titleWidth) {
    auto line = [&](std::int32_t x, std::int32_t y, std::int32_t lw, std::int32_t lh) {
        if (lw > 0 && lh > 0) picture.fillRect(left + x, top + y, lw, lh, line_);
    };
    const std::int32_t u = pw::scaled(1);
    line(0, 0, 7 * u, u);
    line(titleWidth + 11 * u, 0, w - (titleWidth + 11 * u), u);
    line(0, h - u, w, u);
    line(0, u, u, h - 2 * u);
    line(w - u, u, u, h - 2 * u);
}

}  // namespace s::gui::drawer::groupbox::win
