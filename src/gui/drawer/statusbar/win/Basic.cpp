// The plain status bar's shading and grip.
#include "gui/drawer/statusbar/win/Basic.h"

#include "gui/drawer/button/win/Glyphs.h"

namespace pw = platform::window;

namespace s::gui::drawer::statusbar::win {

void Basic::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom) {
    if (emptyArea(left, top, right, bottom)) return;
    // From 250 at the top down to 225 at the bottom, in steps of whole rows.
    const std::int32_t h = bottom - top;
    for (std::int32_t y = 0; y < h; ++y) {
        unsigned v = 250 - static_cast<unsigned>(25 * y / (h > 1 ? h - 1 : 1));
        picture.fillRect(left, top + y, right - left, 1, pw::rgb(v, v, v - 6));
    }
    if (resizer_) button::win::paintGrip(picture, {left, top, right - left, h});
}

}  // namespace s::gui::drawer::statusbar::win
