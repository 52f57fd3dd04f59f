// Where a top-level window may be: whether a place is valid (on some screen and large enough),
// keeping it inside the screen, bringing it back when its monitor goes, and writing its place
// to the settings and reading it back.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/window/Types.h"

namespace s::app {
class IAppWindow;
}

namespace s::gui::win {

class WindowPlacement {
public:
    bool validates() const { return validate_; }
    void setValidate(bool on) { validate_ = on; }
    bool keepsInside() const { return keepInside_; }
    void setKeepInside(bool on) { keepInside_ = on; }
    bool followsCursor() const { return followCursor_; }
    void setFollowCursor(bool on) { followCursor_ = on; }

    // Large enough and near enough some screen to be seen (always, when not validating).
    bool isValid(platform::window::Rect r) const;
    // Inside the work area of the only monitor, or inside all of them.
    static platform::window::Rect insideScreen(platform::window::Rect r);
    // After a change of monitors: where a window at r goes so that it can still be grabbed;
    // nothing when it can stay.
    std::optional<platform::window::Rect> reachable(platform::window::Rect r) const;

    // The bounds the settings keep (at 96 dpi) in screen pixels, when they keep all of them.
    static std::optional<platform::window::Rect> saved(const app::IAppWindow& settings);
    // Writes what changed of the bounds (screen pixels, kept at 96 dpi).
    static void save(app::IAppWindow& settings, platform::window::Rect r);

private:
    bool validate_ = true;
    bool keepInside_ = false;
    bool followCursor_ = false;
};

}  // namespace s::gui::win
