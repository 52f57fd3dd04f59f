// The check box's mark.
#include "gui/drawer/checkbox/win/Thin.h"

#include "gui/drawer/button/win/Glyphs.h"

namespace pw = platform::window;

namespace s::gui::drawer::checkbox::win {

void Thin::paintMark(Canvas& picture, std::int32_t x, std::int32_t y, std::int32_t s, bool checked,
                     Colour line) {
    picture.fillRect(x + 2, y + 2, s - 4, s - 4, pw::rgb(255, 255, 255));
    picture.frameRect({x, y, s, s}, line, 2);
    if (checked) {
        button::win::paintGlyph(picture, {x + 2, y + 2, s - 4, s - 4}, u"#Check", pw::rgb(0, 0, 0));
    }
}

}  // namespace s::gui::drawer::checkbox::win
