// Placement of a top-level window on the screens and in the settings.
#include "gui/win/WindowPlacement.h"

#include <algorithm>
#include <vector>

#include "app/IAppWindow.h"
#include "platform/window/Scale.h"
#include "platform/window/Window.h"
#include "platform/window/WorkArea.h"

namespace pw = platform::window;

namespace s::gui::win {

bool WindowPlacement::isValid(pw::Rect r) const {
    if (!validate_) return true;
    if (r.width <= 10 || r.height <= 10) return false;
    pw::Rect vs = pw::virtualScreen();
    if (r.x > vs.right() + 10 || r.right() <= vs.x + 9) return false;
    if (r.y > vs.bottom() + 10 || r.bottom() <= vs.y + 9) return false;
    return true;
}

pw::Rect WindowPlacement::insideScreen(pw::Rect r) {
    std::vector<pw::Monitor> all = pw::monitors();
    return pw::keepInside(r, all.size() == 1 ? all[0].work : pw::virtualScreen());
}

std::optional<pw::Rect> WindowPlacement::reachable(pw::Rect r) const {
    if (keepInside_) {
        pw::Rect inside = insideScreen(r);
        if (inside == r) return std::nullopt;
        return inside;
    }
    for (const pw::Monitor& m : pw::monitors()) {
        pw::Rect seen = r.intersect(m.work);
        // Its top-left part (where a caption is) must be on a monitor to be grabbed.
        if (!seen.empty() && seen.width >= std::min(r.width, 50) &&
            seen.height >= std::min(r.height, 30) && seen.y == r.y) {
            return std::nullopt;
        }
    }
    return pw::keepInside(r, pw::workArea({r.x + r.width / 2, r.y + r.height / 2}));
}

std::optional<pw::Rect> WindowPlacement::saved(const app::IAppWindow& settings) {
    if (!settings.hasPosition() || !settings.hasWidth() || !settings.hasHeight()) {
        return std::nullopt;
    }
    // The settings keep the bounds a 96-dpi screen would have, so that a window opens at the
    // same apparent place and size on every screen.
    return pw::Rect{pw::scaled(settings.getX()), pw::scaled(settings.getY()),
                    pw::scaled(settings.getWidth()), pw::scaled(settings.getHeight())};
}

void WindowPlacement::save(app::IAppWindow& settings, pw::Rect screen) {
    const pw::Rect r{pw::unscaled(screen.x), pw::unscaled(screen.y), pw::unscaled(screen.width),
                     pw::unscaled(screen.height)};
    if (!settings.hasX() || settings.getX() != r.x) settings.setX(r.x);
    if (!settings.hasY() || settings.getY() != r.y) settings.setY(r.y);
    if (!settings.hasWidth() || settings.getWidth() != r.width) settings.setWidth(r.width);
    if (!settings.hasHeight() || settings.getHeight() != r.height) settings.setHeight(r.height);
}

}  // namespace s::gui::win
