// The frame a window paints itself when it has a window drawer: the drawer, the back buffer it
// paints into, the shape its corners cut, and which part of the frame a point is on (the
// sizing borders and corners, the body).
#pragma once

#include <cstdint>
#include <memory>

#include "gui/drawer/window/IThin.h"
#include "platform/window/Messages.h"
#include "platform/window/Picture.h"
#include "platform/window/Types.h"

namespace s::gui::win {

class FrameChrome {
public:
    // Width of the sizing border and length of the corner zones.
    static constexpr std::int32_t kBorder = 5;
    static constexpr std::int32_t kCorner = 30;

    FrameChrome() = default;
    FrameChrome(const FrameChrome&) = delete;
    FrameChrome& operator=(const FrameChrome&) = delete;
    ~FrameChrome();

    // An owned drawer is released when it is replaced or the chrome goes; without a drawer the
    // back buffer goes too (the system frame is back).
    void setDrawer(drawer::window::IThin* drawer, bool owned);
    drawer::window::IThin* drawer() const { return drawer_; }

    // Paints the frame of a window w x h through the back buffer onto the canvas.
    void paint(platform::window::Canvas& canvas, std::int32_t w, std::int32_t h);
    platform::window::Size backBufferSize() const;

    // The drawer's shape of a window w x h; none (the full rectangle) when maximised, without a
    // drawer, or when the drawer cuts nothing.
    drawer::window::Region shape(std::int32_t w, std::int32_t h, bool maximized) const;

    // The sizing zone of a point (relative to the window's top-left corner) of a window w x h;
    // kHitClient inside.
    static platform::window::HitTest sizingZone(std::int32_t x, std::int32_t y, std::int32_t w,
                                                std::int32_t h);

    // What a point relative to the window (w x h) is: the sizing zones when the frame is the
    // drawer's and the window can be sized, the caption for the title row along the top and,
    // with easy drag, for the body (unless the right button is held, so right clicks still
    // reach the window), the client otherwise.
    struct Hit {
        bool resizable = true;
        bool maximized = false;
        bool easyDrag = false;
        bool rightButtonDown = false;
        std::int32_t titleRowHeight = 0;
    };
    platform::window::HitTest hitTest(platform::window::Point at, platform::window::Size size,
                                      const Hit& state) const;

private:
    drawer::window::IThin* drawer_ = nullptr;
    bool owned_ = false;
    std::unique_ptr<platform::window::Picture> backBuffer_;
};

}  // namespace s::gui::win
