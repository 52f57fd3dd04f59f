// The container contract: children, arrangement, margins, drops, wheel and click listeners.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/IComponent.h"
#include "gui/ILayoutManager.h"

namespace s::str::strarray {
class StrArray;
}

namespace s::gui::drawer::border {
class IBorder;
}

namespace s::gui {

namespace layout {
enum Kind : std::int32_t { kRow = 0, kColumn = 1, kFlow = 2, kPile = 3 };
enum Align : std::int32_t { kStart = 0, kCentre = 1, kEnd = 2 };
}  // namespace layout

// Event codes a container fires.
namespace boxevent {
constexpr std::int32_t kDrop = 1;
constexpr std::int32_t kWheel = 2;
constexpr std::int32_t kLayout = 3;
constexpr std::int32_t kClick = 6;
}  // namespace boxevent

class IBox : public virtual IComponent {
public:
    virtual void layout() = 0;
    virtual ILayoutManager* getLayoutManager() const = 0;
    virtual void setLayoutManager(ILayoutManager* manager) = 0;
    virtual void setHorizontalGap(std::int32_t gap) = 0;
    virtual void setVerticalGap(std::int32_t gap) = 0;
    virtual void setMarginLeft(std::int32_t m) = 0;
    virtual void setMarginRight(std::int32_t m) = 0;
    virtual void setMarginTop(std::int32_t m) = 0;
    virtual void setMarginBottom(std::int32_t m) = 0;
    virtual void setMarginsHorizontal(std::int32_t m) = 0;
    virtual void setMarginsVertical(std::int32_t m) = 0;
    virtual void setMargins(std::int32_t m) = 0;
    virtual void alignTop() = 0;
    virtual void alignMiddle() = 0;
    virtual void alignBottom() = 0;
    virtual void alignLeft() = 0;
    virtual void alignCentre() = 0;
    virtual void alignRight() = 0;
    virtual std::int32_t getLayoutKind() const = 0;
    virtual void layoutRow() = 0;
    virtual void layoutColumn() = 0;
    virtual void layoutFlow() = 0;
    virtual void layoutPile() = 0;
    virtual std::int32_t resetPercentSize() = 0;
    virtual void setPercentWidth(std::int32_t percent, bool relayout) = 0;
    virtual void setPercentHeight(std::int32_t percent, bool relayout) = 0;
    virtual void setFixedWidth(std::int32_t width, bool relayout) = 0;
    virtual void setFixedHeight(std::int32_t height, bool relayout) = 0;
    virtual void setMinWidth(std::int32_t width) = 0;
    virtual void setAcceptDroppedFiles(bool accept) = 0;
    virtual void addDropListener(events::IEventListener* listener) = 0;
    // Full paths of the last drop (owned by the box).
    virtual str::strarray::StrArray* getDroppedFiles() const = 0;
    virtual void addBoxWheelListener(events::IEventListener* listener) = 0;
    virtual std::int32_t getWheelLines() const = 0;
    virtual void addLayoutListener(events::IEventListener* listener) = 0;
    virtual void showOnly(std::uint32_t index) = 0;
    virtual void showOnlyPage(std::uint32_t index) = 0;
    virtual void setOwnBackground(std::int32_t red, std::int32_t green, std::int32_t blue) = 0;
    // The border drawer the box paints its edges with (null: none); an owned one is released
    // when replaced and with the box.
    virtual void setBorder(drawer::border::IBorder* border, bool owned) = 0;
    virtual void addBoxClickListener(events::IEventListener* listener) = 0;

    // Plain accessors of the container state.
    virtual std::int32_t getHorizontalAlignment() const = 0;
    virtual std::int32_t getVerticalAlignment() const = 0;
    virtual std::int32_t getHorizontalGap() const = 0;
    virtual std::int32_t getVerticalGap() const = 0;
    virtual std::int32_t getMarginLeft() const = 0;
    virtual std::int32_t getMarginRight() const = 0;
    virtual std::int32_t getMarginTop() const = 0;
    virtual std::int32_t getMarginBottom() const = 0;
    virtual bool isFrozen() const = 0;
    virtual void setFrozen(bool frozen) = 0;
    virtual void setNoMinWidth(bool on) = 0;
    virtual void setNoMinHeight(bool on) = 0;
    virtual void setHoverTracking(bool on) = 0;
    virtual bool isHovered() const = 0;
    virtual std::int32_t getContentMinWidth() const = 0;
    virtual std::int32_t getContentMinHeight() const = 0;
    virtual std::int32_t getContentMaxWidth() const = 0;
    virtual std::int32_t getContentMaxHeight() const = 0;
};

using IContainer = IBox;

}  // namespace s::gui
