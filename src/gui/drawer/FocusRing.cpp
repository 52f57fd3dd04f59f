// The focus ring and its colour on the ground it is painted on.
#include "gui/drawer/FocusRing.h"

#include "gui/drawer/Contrast.h"

namespace pw = platform::window;

namespace s::gui::drawer {

Colour FocusRing::colourOn(Colour wanted, Colour ground) {
    return Contrast::readable(wanted, ground);
}

void FocusRing::paint(Canvas& canvas, std::int32_t left, std::int32_t top, std::int32_t right,
                      std::int32_t bottom, Colour wanted) {
    if (right - left < 2 * kWidth || bottom - top < 2 * kWidth) return;
    pw::Rect area{left, top, right - left, bottom - top};
    Colour ground = 0;
    Colour colour = Contrast::groundOf(canvas, area, &ground) ? colourOn(wanted, ground) : wanted;
    canvas.frameRect(area, colour, kWidth);
}

void IDrawer::paintFocus(Canvas& canvas, std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom) {
    FocusRing::paint(canvas, left, top, right, bottom);
}

}  // namespace s::gui::drawer
