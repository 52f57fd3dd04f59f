// The component contract every widget, container and window shares.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/events/IEventListener.h"
#include "platform/window/Types.h"

namespace platform::window {
class Picture;
}

namespace s::gui {

class IWindow;
class IFont;

// Colours are 0x00BBGGRR.
using Colour = std::uint32_t;

class IComponent : public events::IEventListener {
public:
    // Position and size (32-bit signed pixels).
    virtual std::int32_t getX() const = 0;
    virtual void setX(std::int32_t x) = 0;
    virtual std::int32_t getY() const = 0;
    virtual void setY(std::int32_t y) = 0;
    virtual std::int32_t getScreenX() const = 0;
    virtual std::int32_t getScreenY() const = 0;
    virtual bool containsScreenPoint(std::int32_t x, std::int32_t y) const = 0;
    virtual std::int32_t getWidth() const = 0;
    virtual void setWidth(std::int32_t w) = 0;
    virtual std::int32_t getHeight() const = 0;
    virtual void setHeight(std::int32_t h) = 0;
    virtual std::int32_t getClientWidth() const = 0;
    virtual void setClientWidth(std::int32_t w) = 0;
    virtual std::int32_t getClientHeight() const = 0;
    virtual void setClientHeight(std::int32_t h) = 0;
    virtual void setPosition(std::int32_t x, std::int32_t y) = 0;
    virtual void setSize(std::int32_t w, std::int32_t h) = 0;
    virtual void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) = 0;
    virtual void setOrigin(std::int32_t ox, std::int32_t oy) = 0;
    virtual void moveOrigin(std::int32_t dx, std::int32_t dy) = 0;
    virtual std::int32_t getMinWidth() const = 0;
    virtual std::int32_t getMinHeight() const = 0;
    virtual std::int32_t getMinClientWidth() const = 0;
    virtual std::int32_t getMinClientHeight() const = 0;
    virtual std::int32_t getMaxWidth() const = 0;
    virtual std::int32_t getMaxHeight() const = 0;
    virtual std::int32_t getMaxClientWidth() const = 0;
    virtual std::int32_t getMaxClientHeight() const = 0;

    // Visibility and input state.
    virtual bool isShown() const = 0;
    virtual void setVisible(bool show, bool relayout) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enable) = 0;
    virtual bool isEditable() const = 0;
    virtual void setEditable(bool editable) = 0;
    virtual void centre() = 0;
    virtual void centreHorizontally() = 0;
    virtual void centreVertically() = 0;

    // Background.
    virtual Colour getBackgroundColour() const = 0;
    virtual bool isBackgroundTransparent() const = 0;
    virtual void setBackgroundTransparent(bool repaint) = 0;
    virtual void setBackgroundWhite(bool repaint) = 0;
    virtual void setBackgroundSystem(bool repaint) = 0;
    virtual void setBackgroundBlack(bool repaint) = 0;
    virtual void setBackgroundPale(bool repaint) = 0;
    virtual void setBackgroundColour(std::int32_t red, std::int32_t green, std::int32_t blue,
                                     bool repaint) = 0;

    // Tree.
    virtual IWindow* getWindow() const = 0;
    virtual IComponent* getParent() const = 0;
    // Makes the native window as a child of the parent's (on the owner thread); null detaches.
    virtual void attach(IComponent* parent) = 0;
    virtual void add(IComponent* child) = 0;
    virtual void remove(IComponent* child, bool releaseDescendants) = 0;
    virtual void removeAll(bool releaseDescendants) = 0;
    virtual bool isContainer() const = 0;
    virtual void repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) = 0;
    virtual void repaint() = 0;
    virtual void setSizeWithin(std::int32_t w, std::int32_t h) = 0;
    virtual void relayout() = 0;
    virtual std::uint32_t getChildCount() const = 0;
    virtual IComponent* getChild(std::uint32_t index) const = 0;
    virtual const std::vector<IComponent*>& getChildren() const = 0;
    // The picture holding this component's background; adds the component's offset inside it.
    virtual platform::window::Picture* getBackgroundPicture(std::int32_t* dx, std::int32_t* dy) = 0;
    virtual bool isDeferred() const = 0;
    virtual void defer() = 0;
    virtual void applyDeferred() = 0;

    // Framework object side, and plain accessors of the common state.
    virtual const char16_t* typeName() const = 0;
    virtual void release() = 0;  // back to the class pool
    virtual platform::window::Handle getNativeWindow() const = 0;
    virtual void setParentComponent(IComponent* parent) = 0;  // the tree's own bookkeeping
    virtual IFont* getFont() const = 0;
    virtual void setFont(IFont* font) = 0;
    virtual std::int32_t getOriginX() const = 0;
    virtual std::int32_t getOriginY() const = 0;
    virtual bool isVisibleFlag() const = 0;  // the shown flag, with or without a native window
    virtual void setMinSize(std::int32_t w, std::int32_t h) = 0;
    virtual void setNaturalSize(std::int32_t w, std::int32_t h) = 0;
    virtual std::int32_t getNaturalWidth() const = 0;
    virtual std::int32_t getNaturalHeight() const = 0;
    virtual std::int32_t getPercentWidth() const = 0;
    virtual std::int32_t getPercentHeight() const = 0;
    virtual std::int32_t getFixedWidth() const = 0;
    virtual std::int32_t getFixedHeight() const = 0;
};

// The identity a component fires events with.
inline void* eventSource(IComponent* component) {
    return component;
}

}  // namespace s::gui
