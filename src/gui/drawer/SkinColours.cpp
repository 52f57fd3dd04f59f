// Which drawer colour of a skin stands for each plain colour.
#include "gui/drawer/SkinColours.h"

#include "gui/drawer/Contrast.h"
#include "gui/drawer/ISkin.h"

namespace s::gui::drawer {

namespace {

// The drawer's colour where it has one set.
void take(Colour* into, Colour colour) {
    if (colour != kDrawerColour) *into = colour;
}

}  // namespace

SkinColours SkinColours::of(const ISkin* skin) {
    SkinColours c;
    if (!skin) return c;
    take(&c.face, skin->getWindowDrawer()->getBackgroundColour());
    c.text = Contrast::readable(skin->getTextDrawer()->getTextColour(), c.face);
    // Fields are framed as the drop-down list's field is.
    take(&c.frame, skin->getComboDrawer()->getLineColour());
    // Buttons as the skin's own: the window's ground, the pressed face under the pointer, the
    // line and focused frame colours of the button drawer.
    button::IThin* button = skin->getButtonDrawer();
    c.buttonFace = c.face;
    take(&c.buttonHover, button->getFillColour());
    // The box's buttons keep one text colour: a pressed face it cannot be read on is softened
    // halfway to the ground for the hover.
    if (Contrast::ratio(c.text, c.buttonHover) < Contrast::kMinimum) {
        c.buttonHover = Contrast::dimmed(c.buttonHover, c.face);
    }
    take(&c.buttonFrame, button->getLineColour());
    take(&c.focusFrame, button->getColour(1));
    // The menu's highlight, with whichever of white and black reads better on it.
    take(&c.highlight, skin->getMenuDrawer()->getHighlightColour());
    constexpr Colour kWhite = platform::window::rgb(255, 255, 255);
    constexpr Colour kBlack = platform::window::rgb(0, 0, 0);
    c.highlightText = Contrast::ratio(kWhite, c.highlight) >= Contrast::ratio(kBlack, c.highlight)
                          ? kWhite
                          : kBlack;
    return c;
}

}  // namespace s::gui::drawer
