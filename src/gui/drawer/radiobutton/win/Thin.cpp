// The radio button's mark.
#include "gui/drawer/radiobutton/win/Thin.h"

namespace pw = platform::window;

namespace s::gui::drawer::radiobutton::win {

// A ring two pixels wide around a white disc; the chosen option gets a black dot.
void Thin::paintMark(Canvas& picture, std::int32_t x, std::int32_t y, std::int32_t s, bool checked,
                     Colour line) {
    picture.fillEllipse({x, y, s, s}, line);
    picture.fillEllipse({x + 2, y + 2, s - 4, s - 4}, pw::rgb(255, 255, 255));
    if (checked && s > 8) {
        std::int32_t d = s / 2 - (s / 2) % 2 + (s % 2);
        picture.fillEllipse({x + (s - d) / 2, y + (s - d) / 2, d, d}, pw::rgb(0, 0, 0));
    }
}

}  // namespace s::gui::drawer::radiobutton::win
