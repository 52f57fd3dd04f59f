// The ring that marks the widget with the keyboard focus: a solid line along the inside of the
// widget's rectangle, in an accent colour kept at least 3:1 against what it is painted on.
#pragma once

#include <cstdint>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class FocusRing {
public:
    // The line's thickness in pixels.
    static constexpr std::int32_t kWidth = 2;
    // The colour a ring is painted in where the skin's ground lets it.
    static constexpr Colour kAccent = platform::window::rgb(0, 120, 215);

    // The ring's colour on the ground: `wanted` when it stands out enough, else moved towards
    // black or white until it does.
    static Colour colourOn(Colour wanted, Colour ground);
    // Paints the ring along the inside of the rectangle, against the colour most of the
    // rectangle already shows there.
    static void paint(Canvas& canvas, std::int32_t left, std::int32_t top, std::int32_t right,
                      std::int32_t bottom, Colour wanted = kAccent);
};

}  // namespace s::gui::drawer
