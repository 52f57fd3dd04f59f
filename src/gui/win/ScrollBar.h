// A scroll bar with its default drawing: arrows, page areas and a thumb, line and page steps,
// thumb drags and repeat timers.
#pragma once

#include <cstdint>

#include "gui/IScrollBar.h"
#include "gui/drawer/scrollbar/IThin.h"
#include "gui/scrollbar/win/ScrollInfo.h"
#include "gui/win/Component.h"
#include "gui/win/PressTracker.h"
#include "thread/Pooled.h"

namespace s::gui::win {

// The parts of a bar; its geometry and input rules come from the bar's drawer.
using ScrollBarGeometry = drawer::scrollbar::Geometry;

class ScrollBar : public Component, public virtual IScrollBar, public thread::Pooled<ScrollBar> {
public:
    static constexpr std::int32_t kThickness = 15;
    static constexpr std::int32_t kLineStep = 60;
    static constexpr std::int32_t kWheelLine = 15;
    static constexpr std::uint32_t kFirstRepeatMs = 500;
    static constexpr std::uint32_t kRepeatMs = 100;

    ScrollBar() { resetBar(); }
    const char16_t* typeName() const override { return u"s_gui_win_ScrollBar"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<ScrollBar>::release(); }
    void recycle() override { resetBar(); }

    // A hidden bar takes no room.
    std::int32_t getMinWidth() const override;
    std::int32_t getMinHeight() const override;
    std::int32_t getMaxWidth() const override;
    std::int32_t getMaxHeight() const override;
    void setVisible(bool show, bool relayout) override;

    bool isHorizontal() const override { return horizontal_; }
    bool isVertical() const override { return !horizontal_; }
    void setHorizontal() override;
    void setVertical() override;
    // Runs on the owner thread, which paints the bar and moves the content.
    void scrollBy(std::int32_t step) override;
    void setPageColour(std::int32_t red, std::int32_t green, std::int32_t blue) override;
    scrollbar::IScrollInfo* getScrollInfo() override { return &info_; }
    scrollbar::win::ScrollInfo& info() { return info_; }

    void setTarget(IBox* view) { info_.bind(view, this, horizontal_); }
    // Pixels an arrow moves by (kLineStep unless set) and a wheel line moves by (15 unless set).
    void setSteps(std::int32_t arrow, std::int32_t wheelLine) {
        lineStep_ = arrow;
        wheelLine_ = wheelLine;
    }
    void setOtherBar(ScrollBar* other) { other_ = other; }
    ScrollBarGeometry geometry() const;
    // The drawer that paints the bar and gives its geometry (not owned; the plain one when
    // null). A skinned bar takes its skin's scroll-bar drawer.
    void setScrollBarDrawer(drawer::scrollbar::IThin* drawer);
    drawer::scrollbar::IThin* getScrollBarDrawer() const { return drawer_; }
    // Look of the first arrow, the thumb and the second arrow: 0 normal, 1 hovered, 2 pressed.
    std::int32_t lookOf(std::int32_t part) const;
    // The part pressed, or else the part under the pointer.
    std::int32_t activePart() const;

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    // Takes the scroll-bar drawer of the window's skin, again on each change of skin.
    bool followsSkin() const override { return true; }
    void onEvent(void* source, std::int32_t code) override;
    void onAttached() override;

private:
    void takeSkin();
    void resetBar();
    void stepFor(std::int32_t part);
    void stopTimers();
    std::int32_t along(platform::window::Point p) const { return horizontal_ ? p.x : p.y; }
    void onPress(platform::window::Point p);
    void onMove(platform::window::Point p, bool leftHeld);
    void onRelease(platform::window::Point p);
    // Ends a press without a release over the bar (the capture went elsewhere).
    void endPress();
    void onTimer(std::uint32_t id);

    bool horizontal_ = false;
    std::int32_t lineStep_ = kLineStep;
    std::int32_t wheelLine_ = kWheelLine;
    ScrollBar* other_ = nullptr;
    scrollbar::win::ScrollInfo info_;
    PressTracker press_;
    bool dragging_ = false;
    std::int32_t dragStart_ = 0, dragPosition_ = 0;
    platform::window::Point pointer_;
    drawer::scrollbar::IThin* drawer_ = nullptr;
    bool hasPageColour_ = false;
    Colour pageColour_ = 0;
};

// orientation 0 horizontal, 1 vertical; the percentage becomes the length along the axis.
ScrollBar* newScrollBar(std::int32_t orientation, std::int32_t percentLength);

}  // namespace s::gui::win
