// Group-box frame and title.
#include "gui/drawer/groupbox/win/Thin.h"

#include "gui/drawer/Contrast.h"
#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::groupbox::win {

void Thin::reset() {
    line_ = pw::rgb(68, 68, 68);
    title_ = pw::rgb(0, 0, 0);
    second_ = pw::rgb(255, 255, 255);
}

void Thin::measureTitle(std::u16string_view title, const IFont* font, std::int32_t* width,
                        std::int32_t* height) {
    pw::Size size = title.empty() ? pw::Size{} : pw::measureText(nativeFontOf(font), title);
    if (width) *width = size.width;
    if (height) *height = size.height;
}

// The frame runs along the top edge (y 0 and 1) and the title, drawn over it, sits in the gap
// from x = 7 to tw + 11. Each corner is cut: its outer pixel stays empty, a 2 x 2 square inset
// by one pixel joins the two lines, and one pixel diagonally inside that square (at (3, 3) for
// the top-left corner) rounds the inner edge.
void Thin::paintFrame(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t w,
                      std::int32_t h, std::int32_t titleWidth) {
    auto box = [&](std::int32_t x, std::int32_t y, std::int32_t bw, std::int32_t bh) {
        if (bw > 0 && bh > 0) picture.fillRect(left + x, top + y, bw, bh, line_);
    };
    const std::int32_t u = pw::scaled(1);
    // Top line: 5 pixels before the title, then from the end of the gap to the right end - 2.
    box(2 * u, 0, 5 * u, 2 * u);
    box(titleWidth + 11 * u, 0, w - 2 * u - (titleWidth + 11 * u), 2 * u);
    // Bottom, left and right lines.
    box(2 * u, h - 2 * u, w - 4 * u, 2 * u);
    box(0, 2 * u, 2 * u, h - 4 * u);
    box(w - 2 * u, 2 * u, 2 * u, h - 4 * u);
    // Corners.
    box(u, u, 2 * u, 2 * u);
    box(w - 3 * u, u, 2 * u, 2 * u);
    box(u, h - 3 * u, 2 * u, 2 * u);
    box(w - 3 * u, h - 3 * u, 2 * u, 2 * u);
    box(3 * u, 3 * u, u, u);
    box(w - 4 * u, 3 * u, u, u);
    box(3 * u, h - 4 * u, u, u);
    box(w - 4 * u, h - 4 * u, u, u);
}

void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, std::u16string_view title, const IFont* font,
                 std::int32_t titleWidth, std::int32_t titleHeight) {
    if (emptyArea(left, top, right, bottom)) return;
    paintFrame(picture, left, top, right - left, bottom - top, titleWidth);
    if (title.empty() || titleWidth <= 0) return;
    // The title on a transparent background, one line, "&" shown as it is; a colour the
    // program gave the title's font wins over the skin's, and either gives way when it would
    // not stand out from the ground.
    const pw::Rect titleArea{left + pw::scaled(kTitleX), top, titleWidth, titleHeight};
    Colour colour = font && font->isTextColourSet() ? font->getTextColour() : title_;
    if (Colour ground = 0; Contrast::groundOf(picture, titleArea, &ground)) {
        colour = Contrast::readable(colour, ground);
    }
    picture.drawText(titleArea, title, nativeFontOf(font), colour, pw::kTextLeft);
}

}  // namespace s::gui::drawer::groupbox::win
