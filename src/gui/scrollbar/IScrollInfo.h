// The scroll state of one axis: content and page size, position and the scrolling switches.
#pragma once

#include <cstdint>

namespace s::gui::scrollbar {

class IScrollInfo {
public:
    virtual ~IScrollInfo() = default;
    virtual std::int32_t getContent() const = 0;
    virtual std::int32_t getPage() const = 0;
    virtual std::int32_t getPosition() const = 0;
    virtual bool isScrollable() const = 0;
    // Moves the content by a signed number of pixels along the axis (cut to the range).
    virtual void scrollBy(std::int32_t step) = 0;
};

}  // namespace s::gui::scrollbar
