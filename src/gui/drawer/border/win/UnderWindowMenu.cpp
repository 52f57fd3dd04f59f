// The dark line and the white line under a menu bar.
#include "gui/drawer/border/win/UnderWindowMenu.h"

namespace pw = platform::window;

namespace s::gui::drawer::border::win {

void UnderWindowMenu::paint(Canvas& picture, std::int32_t left, std::int32_t top,
                            std::int32_t right, std::int32_t bottom) {
    if (emptyArea(left, top, right, bottom)) return;
    picture.fillRect(left, top, right - left, 1, pw::rgb(172, 168, 153));
    if (bottom - top > 1) picture.fillRect(left, top + 1, right - left, 1, pw::rgb(255, 255, 255));
}

}  // namespace s::gui::drawer::border::win
