// Tab-box painting.
#include "gui/drawer/tabbox/win/Thin.h"

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::tabbox::win {

void Thin::reset() {
    line_ = pw::rgb(68, 68, 68);
    text_ = selected_ = pw::rgb(0, 0, 0);
}

void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) {
    if (emptyArea(left, top, right, bottom)) return;
    picture.frameRect({left, top, right - left, bottom - top}, line_, pw::scaled(1));
}

// A tab is framed on its top and sides; an unselected one also on its bottom, so that the
// selected tab opens into its page.
void Thin::paintTab(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom, std::u16string_view text, const IFont* font,
                    bool selected) {
    if (emptyArea(left, top, right, bottom)) return;
    const std::int32_t w = right - left, h = bottom - top;
    const std::int32_t u = pw::scaled(1);
    picture.fillRect(left, top, w, u, line_);
    picture.fillRect(left, top, u, h, line_);
    picture.fillRect(right - u, top, u, h, line_);
    if (!selected) picture.fillRect(left, bottom - u, w, u, line_);
    if (text.empty()) return;
    picture.drawText({left + u, top + u, w - 2 * u, h - 2 * u}, text, nativeFontOf(font),
                     selected ? selected_ : text_,
                     pw::kTextCentre | pw::kTextMiddle | pw::kTextEllipsis);
}

}  // namespace s::gui::drawer::tabbox::win
