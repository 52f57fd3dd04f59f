// Keeps text readable on what lies beneath it: contrast of two colours, the colour to use
// instead of one that would vanish, and the ground a text is about to be painted on.
#pragma once

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer {

class Contrast {
public:
    // Below this ratio a text colour is taken as unreadable on its ground (1 is no contrast,
    // 21 is black on white).
    static constexpr double kMinimum = 3.0;
    // A colour that had to change is moved until it reaches this ratio, so that its glyphs'
    // softened edges stand out too.
    static constexpr double kAdjusted = 4.5;

    // The contrast ratio of two colours from their relative luminances: (L1 + 0.05) / (L2 +
    // 0.05), the lighter over the darker.
    static double ratio(Colour a, Colour b);
    // `wanted` when it stands out from `ground` by at least kMinimum, else the first colour on
    // the way from `wanted` to black or white (whichever stands out more) that reaches
    // kAdjusted.
    static Colour readable(Colour wanted, Colour ground);
    // A disabled text: halfway between its colour and the ground.
    static Colour dimmed(Colour text, Colour ground);
    // The colour most of the area shows in the canvas's picture, from a grid of samples (a
    // frame line or an earlier text crossing the area does not decide it); false when the area
    // lies outside the picture or shows nothing painted yet.
    static bool groundOf(Canvas& canvas, platform::window::Rect area, Colour* ground);
};

}  // namespace s::gui::drawer
