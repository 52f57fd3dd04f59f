// The plain frame.
#include "gui/drawer/border/win/Plain.h"

#include "gui/drawer/ISkin.h"

namespace s::gui::drawer::border::win {

void Plain::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom) {
    if (emptyArea(left, top, right, bottom)) return;
    picture.frameRect({left, top, right - left, bottom - top}, line_);
}

void Plain::paintBorder(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, const ISkin* skin) {
    if (emptyArea(left, top, right, bottom)) return;
    Colour line = line_;
    if (line == kDrawerColour) {
        line =
            skin ? skin->getGroupBoxDrawer()->getLineColour() : platform::window::rgb(68, 68, 68);
    }
    picture.frameRect({left, top, right - left, bottom - top}, line);
}

}  // namespace s::gui::drawer::border::win
