// List-box painting.
#include "gui/drawer/listbox/win/Thin.h"

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::listbox::win {

void Thin::reset() {
    setColours(pw::rgb(255, 255, 255), pw::rgb(0, 0, 0), pw::rgb(119, 119, 119),
               pw::rgb(255, 255, 255), pw::rgb(238, 238, 238));
}

void Thin::setColours(Colour colour1, Colour colour2, Colour colour3, Colour colour4,
                      Colour colour5) {
    colours_[0] = colour1;
    colours_[1] = colour2;
    colours_[2] = colour3;
    colours_[3] = colour4;
    colours_[4] = colour5;
}

Colour Thin::getColour(std::int32_t index) const {
    return index >= 1 && index <= 5 ? colours_[index - 1] : colours_[0];
}

void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) {
    if (emptyArea(left, top, right, bottom)) return;
    pw::Rect area{left, top, right - left, bottom - top};
    picture.fillRect(area, colours_[0]);
    picture.frameRect(area, colours_[2], pw::scaled(1));
}

Colour Thin::rowGround(std::int32_t index, bool selected) const {
    return selected ? colours_[2] : (index % 2 ? colours_[4] : colours_[0]);
}

// A selected row is filled with the line colour and its text drawn in colour 4; odd rows
// are striped in colour 5.
void Thin::paintRow(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom, std::u16string_view text, const IFont* font,
                    std::int32_t index, bool selected) {
    if (emptyArea(left, top, right, bottom)) return;
    pw::Rect area{left, top, right - left, bottom - top};
    Colour back = rowGround(index, selected);
    picture.fillRect(area, back);
    const std::int32_t u = pw::scaled(1);
    if (text.empty() || area.width <= 4 * u) return;
    picture.drawText({left + 2 * u, top, area.width - 4 * u, area.height}, text, nativeFontOf(font),
                     selected ? colours_[3] : colours_[1], pw::kTextMiddle | pw::kTextEllipsis);
}

}  // namespace s::gui::drawer::listbox::win
