// List-header painting.
#include "gui/drawer/listheader/win/Thin.h"

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::listheader::win {

void Thin::reset() {
    setColours(pw::rgb(68, 68, 68), pw::rgb(119, 119, 119), pw::rgb(255, 255, 255));
}

void Thin::setColours(Colour line, Colour second, Colour text) {
    line_ = line;
    second_ = second;
    text_ = text;
}

// The heading filled with the second colour (the line colour while pressed), a line at its
// right and bottom edges, the text left-aligned with a 4-pixel margin.
void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, std::u16string_view text, const IFont* font,
                 std::int32_t state) {
    if (emptyArea(left, top, right, bottom)) return;
    const std::int32_t w = right - left, h = bottom - top;
    const std::int32_t u = pw::scaled(1);
    picture.fillRect({left, top, w, h}, state == 2 ? line_ : second_);
    picture.fillRect(right - u, top, u, h, line_);
    picture.fillRect(left, bottom - u, w, u, line_);
    if (text.empty() || w <= 9 * u) return;
    picture.drawText({left + 4 * u, top, w - 9 * u, h - u}, text, nativeFontOf(font), text_,
                     pw::kTextMiddle | pw::kTextEllipsis);
}

}  // namespace s::gui::drawer::listheader::win
