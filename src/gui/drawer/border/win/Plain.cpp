// The plain frame.
#include "gui/drawer/border/win/Plain.h"

namespace s::gui::drawer::border::win {

void Plain::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom) {
    if (emptyArea(left, top, right, bottom)) return;
    picture.frameRect({left, top, right - left, bottom - top}, line_);
}

}  // namespace s::gui::drawer::border::win
