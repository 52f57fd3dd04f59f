// The radio button's mark.
#include "gui/drawer/radiobutton/win/Thin.h"

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::radiobutton::win {

// A ring two pixels wide around a white disc; the chosen option gets a black dot.
void Thin::paintMark(Canvas& picture, std::int32_t x, std::int32_t y, std::int32_t s, bool checked,
                     Colour line) {
    const std::int32_t u = pw::scaled(1);
    picture.fillEllipse({x, y, s, s}, line);
    picture.fillEllipse({x + 2 * u, y + 2 * u, s - 4 * u, s - 4 * u}, pw::rgb(255, 255, 255));
    if (checked && s > 8) {
        std::int32_t d = s / 2 - (s / 2) % 2 + (s % 2);
        picture.fillEllipse({x + (s - d) / 2, y + (s - d) / 2, d, d}, pw::rgb(0, 0, 0));
    }
}

}  // namespace s::gui::drawer::radiobutton::win
