// The glyphs buttons show instead of text, drawn from filled rectangles in one colour.
#pragma once

#include <cstdint>
#include <string_view>

#include "gui/drawer/IDrawer.h"

namespace s::gui::drawer::button::win {

// The glyph `name` (with its "#") centred in `area`; false when the name is not a glyph name.
bool paintGlyph(Canvas& picture, platform::window::Rect area, std::u16string_view name,
                Colour colour);

// The resize grip in the bottom-right corner of `area`: three rows of 2 x 2 squares in
// 184,181,161, each with a white square one pixel further right and down.
void paintGrip(Canvas& picture, platform::window::Rect area);

}  // namespace s::gui::drawer::button::win
