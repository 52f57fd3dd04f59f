// The plain group-box frame.
#include "gui/drawer/groupbox/win/Basic.h"

namespace s::gui::drawer::groupbox::win {

// One pixel wide along the four edges, square corners; the top line leaves the gap from x = 7
// to titleWidth + 11, like the skins' frame.
void Basic::paintFrame(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t w,
                       std::int32_t h, std::int32_t titleWidth) {
    auto line = [&](std::int32_t x, std::int32_t y, std::int32_t lw, std::int32_t lh) {
        if (lw > 0 && lh > 0) picture.fillRect(left + x, top + y, lw, lh, line_);
    };
    line(0, 0, 7, 1);
    line(titleWidth + 11, 0, w - (titleWidth + 11), 1);
    line(0, h - 1, w, 1);
    line(0, 1, 1, h - 2);
    line(w - 1, 1, 1, h - 2);
}

}  // namespace s::gui::drawer::groupbox::win
