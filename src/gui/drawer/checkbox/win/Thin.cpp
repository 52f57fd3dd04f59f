// The check box's mark.
#include "gui/drawer/checkbox/win/Thin.h"

#include "gui/drawer/button/win/Glyphs.h"
#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::checkbox::win {

void Thin::paintMark(Canvas& picture, std::int32_t x, std::int32_t y, std::int32_t s, bool checked,
                     Colour line) {
    const std::int32_t u = pw::scaled(1);
    picture.fillRect(x + 2 * u, y + 2 * u, s - 4 * u, s - 4 * u, pw::rgb(255, 255, 255));
    picture.frameRect({x, y, s, s}, line, 2 * u);
    if (checked) {
        button::win::paintGlyph(picture, {x + 2 * u, y + 2 * u, s - 4 * u, s - 4 * u}, u"#Check", pw::rgb(0, 0, 0));
    }
}

}  // namespace s::gui::drawer::checkbox::win
