// Tab-box painting.
#include "gui/drawer/tabbox/win/Thin.h"

namespace pw = platform::window;

namespace s::gui::drawer::tabbox::win {

void Thin::reset() {
    line_ = pw::rgb(68, 68, 68);
    text_ = selected_ = pw::rgb(0, 0, 0);
}

void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) {
    if (emptyArea(left, top, right, bottom)) return;
    picture.frameRect({left, top, right - left, bottom - top}, line_);
}

// A tab is framed on its top and sides; an unselected one also on its bottom, so that the
// selected tab opens into its page.
void Thin::paintTab(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom, std::u16string_view text, const IFont* font,
                    bool selected) {
    if (emptyArea(left, top, right, bottom)) return;
    const std::int32_t w = right - left, h = bottom - top;
    picture.fillRect(left, top, w, 1, line_);
    picture.fillRect(left, top, 1, h, line_);
    picture.fillRect(right - 1, top, 1, h, line_);
    if (!selected) picture.fillRect(left, bottom - 1, w, 1, line_);
    if (text.empty()) return;
    picture.drawText({left + 1, top + 1, w - 2, h - 2}, text, nativeFontOf(font),
                     selected ? selected_ : text_,
                     pw::kTextCentre | pw::kTextMiddle | pw::kTextEllipsis);
}

}  // namespace s::gui::drawer::tabbox::win
