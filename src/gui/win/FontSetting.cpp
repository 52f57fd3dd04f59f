// Font settings: inheriting from a font and making one.
#include "gui/win/FontSetting.h"

#include "gui/win/Font.h"

namespace s::gui::win {

void FontSetting::inheritFrom(const IFont* font) {
    if (const auto* other = dynamic_cast<const Font*>(font)) props_.inherit(other->props(), true);
}

IFont* FontSetting::makeFont() const {
    Font* font = Font::create();
    font->apply(props_);
    return font;
}

}  // namespace s::gui::win
