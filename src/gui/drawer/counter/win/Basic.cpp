// Counter painting.
#include "gui/drawer/counter/win/Basic.h"

#include <algorithm>

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::counter::win {

// A one-pixel frame in colour 1 and the filled part inside it in colour 2.
void Basic::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom, std::int32_t value, std::int32_t maximum) {
    if (emptyArea(left, top, right, bottom)) return;
    const std::int32_t u = pw::scaled(1);
    picture.frameRect({left, top, right - left, bottom - top}, colour1_, u);
    const std::int32_t inner = right - left - 2 * u;
    if (maximum <= 0 || inner <= 0) return;
    const std::int64_t v = std::clamp(value, 0, maximum);
    const auto filled = static_cast<std::int32_t>(v * inner / maximum);
    picture.fillRect(left + u, top + u, filled, bottom - top - 2 * u, colour2_);
}

}  // namespace s::gui::drawer::counter::win
