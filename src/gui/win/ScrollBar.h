// A scroll bar with its default drawing: arrows, page areas and a thumb, line and page steps,
// thumb drags and repeat timers.
#pragma once

#include <cstdint>

#include "gui/IScrollBar.h"
#include "gui/scrollbar/win/ScrollInfo.h"
#include "gui/win/Component.h"
#include "thread/Pooled.h"

namespace s::gui::win {

// The parts of a bar and its geometry along the axis.
struct ScrollBarGeometry {
    enum Part : std::int32_t {
        kNone = -1,
        kFirstArrow = 0,
        kPageBefore = 1,
        kThumb = 2,
        kPageAfter = 3,
        kSecondArrow = 4
    };
    platform::window::Rect parts[5];  // bar coordinates; empty when the part is absent

    // The geometry of a bar rectangle (left, top at 0) of the given orientation; the square
    // at the far end is the corner when the other bar is shown.
    static ScrollBarGeometry of(std::int32_t width, std::int32_t height, bool horizontal,
                                std::int32_t content, std::int32_t page, std::int32_t position,
                                bool otherShown);
    // The first part holding the point (left and top edges inside, right and bottom outside).
    std::int32_t hitTest(platform::window::Point p) const;
    // The position a thumb drag gives for a pointer distance d along the axis since the press
    // at position p0.
    static std::int32_t dragPosition(std::int32_t d, std::int32_t p0, std::int32_t width,
                                     std::int32_t height, bool horizontal, std::int32_t content,
                                     std::int32_t page, bool otherShown);
};

class ScrollBar : public Component, public virtual IScrollBar, public thread::Pooled<ScrollBar> {
public:
    static constexpr std::int32_t kThickness = 15;
    static constexpr std::int32_t kLineStep = 60;
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
    void scrollBy(std::int32_t step) override { info_.scrollBy(step); }
    void setPageColour(std::int32_t red, std::int32_t green, std::int32_t blue) override;
    scrollbar::IScrollInfo* getScrollInfo() override { return &info_; }
    scrollbar::win::ScrollInfo& info() { return info_; }

    void setTarget(IBox* view) { info_.bind(view, this, horizontal_); }
    void setOtherBar(ScrollBar* other) { other_ = other; }
    ScrollBarGeometry geometry() const;
    // Look of the first arrow, the thumb and the second arrow: 0 normal, 1 hovered, 2 pressed.
    std::int32_t lookOf(std::int32_t part) const;
    std::int32_t activePart() const { return active_; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;

private:
    void resetBar();
    void stepFor(std::int32_t part);
    void stopTimers();
    std::int32_t along(platform::window::Point p) const { return horizontal_ ? p.x : p.y; }
    void onPress(platform::window::Point p);
    void onMove(platform::window::Point p, bool leftHeld);
    void onRelease();
    void onTimer(std::uint32_t id);
    void setLook(std::int32_t part, std::int32_t look);

    bool horizontal_ = false;
    ScrollBar* other_ = nullptr;
    scrollbar::win::ScrollInfo info_;
    std::int32_t active_ = ScrollBarGeometry::kNone;
    std::int32_t look_ = 0;
    bool pressed_ = false;
    bool dragging_ = false;
    std::int32_t dragStart_ = 0, dragPosition_ = 0;
    platform::window::Point pointer_;
    bool hasPageColour_ = false;
    Colour pageColour_ = 0;
};

// orientation 0 horizontal, 1 vertical; the percentage becomes the length along the axis.
ScrollBar* newScrollBar(std::int32_t orientation, std::int32_t percentLength);

}  // namespace s::gui::win
