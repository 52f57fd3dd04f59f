// The grip.
#include "gui/drawer/statusbar/win/BasicResizer.h"

#include "gui/drawer/button/win/Glyphs.h"

namespace s::gui::drawer::statusbar::win {

void BasicResizer::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom) {
    if (emptyArea(left, top, right, bottom)) return;
    button::win::paintGrip(picture, {left, top, right - left, bottom - top});
}

}  // namespace s::gui::drawer::statusbar::win
