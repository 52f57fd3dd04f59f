// The minimise, maximise/restore and close buttons of a window that paints its own frame, at the
// right end of its menu bar: their places on the bar, hover and press, painting with the skin's
// button drawer, and what a click does to the window.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/IFont.h"
#include "gui/drawer/button/IThin.h"
#include "gui/win/PressTracker.h"
#include "platform/window/Types.h"

namespace s::gui {
class IWindow;
}

namespace s::gui::win {

class WindowButtons {
public:
    enum Kind : std::int32_t { kMinimize, kMaximize, kClose };

    // The width the buttons take on a bar of this height (0 for none).
    static std::int32_t widthFor(std::int32_t count, std::int32_t barHeight);

    // Lays out the buttons the window has at the right end of a bar of this size; none when
    // `window` is null.
    void place(const IWindow* window, std::int32_t barWidth, std::int32_t barHeight);
    std::int32_t count() const { return static_cast<std::int32_t>(buttons_.size()); }
    Kind kindOf(std::int32_t index) const { return buttons_[index].kind; }
    platform::window::Rect rectOf(std::int32_t index) const { return buttons_[index].rect; }
    // The button under a point of the bar, -1 for none.
    std::int32_t at(platform::window::Point p) const;

    // Pointer input on the bar's native window, by the toolkit's press rules; each answers
    // whether the buttons need painting again. A press on a button takes the pointer (false
    // when no button is under it); the release over the same button is its click (`clicked`),
    // and `released` is false when no button was pressed.
    bool moved(platform::window::Point p, bool leftHeld);
    bool left() { return press_.leave(); }
    bool pressed(platform::window::Handle bar, platform::window::Point p);
    bool released(platform::window::Handle bar, platform::window::Point p, std::int32_t* clicked);
    bool captureLost() { return press_.captureLost(); }
    bool isPressed() const { return press_.isPressed(); }

    void paint(platform::window::Canvas& canvas, drawer::button::IThin* drawer, const IFont* font,
               bool maximized) const;

    // What the click on a button of this kind does to the window; the close is the window's
    // own close, with everything its listeners do (the settings written).
    static void click(IWindow* window, Kind kind);

private:
    struct Button {
        Kind kind;
        platform::window::Rect rect;
    };
    std::vector<Button> buttons_;
    PressTracker press_;
    platform::window::Handle bar_ = platform::window::kNoWindow;  // the last press's
};

}  // namespace s::gui::win
