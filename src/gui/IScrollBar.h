// A scroll bar: one axis of a scroll box.
#pragma once

#include <cstdint>

#include "gui/IComponent.h"
#include "gui/scrollbar/IScrollInfo.h"

namespace s::gui {

class IScrollBar : public virtual IComponent {
public:
    virtual bool isHorizontal() const = 0;
    virtual bool isVertical() const = 0;
    virtual void setHorizontal() = 0;
    virtual void setVertical() = 0;
    // Scrolls the target by a signed number of pixels along the axis and repaints.
    virtual void scrollBy(std::int32_t step) = 0;
    virtual void setPageColour(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    virtual scrollbar::IScrollInfo* getScrollInfo() = 0;
};

}  // namespace s::gui
