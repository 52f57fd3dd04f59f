// The root of every drawer: a pooled object that paints one kind of widget into a canvas.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "gui/IFont.h"
#include "platform/window/Picture.h"
#include "platform/window/Types.h"
#include "thread/IPoolable.h"

namespace s::gui::drawer {

using Colour = platform::window::Colour;
// Drawers paint through the canvas of a picture (a widget's back buffer or a test picture);
// coordinates are the canvas's, and each paint is given the rectangle (left, top, right, bottom)
// it paints in, right and bottom exclusive. Nothing is painted when left >= right or
// top >= bottom.
using Canvas = platform::window::Canvas;

// Passed where a colour argument may be left to the drawer's own colour.
constexpr Colour kDrawerColour = 0xFFFFFFFFu;

class IDrawer : public base::IObject, public thread::IPoolable {
public:
    // The focus ring of a widget this drawer painted in the rectangle (FocusRing's by default;
    // a skin's drawer may give its own ring, at least 3:1 against its ground).
    virtual void paintFocus(Canvas& canvas, std::int32_t left, std::int32_t top,
                            std::int32_t right, std::int32_t bottom);
};

// The window layer's description of a font; the default font when none is given.
inline const platform::window::Font& nativeFontOf(const IFont* font) {
    // Height 0: the default height at the scale factor in use when it is measured or drawn.
    static const platform::window::Font kDefault = [] {
        platform::window::Font f;
        f.height = 0;
        return f;
    }();
    return font ? font->nativeFont() : kDefault;
}

inline bool emptyArea(std::int32_t left, std::int32_t top, std::int32_t right,
                      std::int32_t bottom) {
    return left >= right || top >= bottom;
}

}  // namespace s::gui::drawer
