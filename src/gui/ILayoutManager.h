// A layout manager object: runs one arrangement over a container.
#pragma once

namespace s::gui {

class IBox;

class ILayoutManager {
public:
    virtual ~ILayoutManager() = default;
    virtual void layout(IBox* container) = 0;
};

}  // namespace s::gui
