// The plain colours that parts painted without a drawer of their own (message boxes, the
// frame and selection of text fields) take from a skin, so that they follow the theme.
#pragma once

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class ISkin;

struct SkinColours {
    Colour face = platform::window::rgb(240, 240, 240);   // the window's ground
    Colour text = platform::window::rgb(0, 0, 0);         // readable on the face
    Colour frame = platform::window::rgb(122, 122, 122);  // the line round a field
    Colour buttonFace = platform::window::rgb(225, 225, 225);
    Colour buttonHover = platform::window::rgb(229, 241, 251);
    Colour buttonFrame = platform::window::rgb(173, 173, 173);
    Colour focusFrame = platform::window::rgb(0, 120, 215);  // round the focused button
    Colour highlight = platform::window::rgb(0, 120, 215);   // a selection's ground
    Colour highlightText = platform::window::rgb(255, 255, 255);

    // The colours of `skin`; without one, the light look above.
    static SkinColours of(const ISkin* skin);
};

}  // namespace s::gui::drawer
