// The common component state and the leaf behaviour every widget, box and window builds on.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/IObject.h"
#include "gui/IComponent.h"
#include "gui/win/Messages.h"
#include "gui/win/Scale.h"
#include "platform/window/Picture.h"
#include "platform/window/Popup.h"
#include "platform/window/Window.h"

namespace s::lang {
class Localizer;
}
namespace s::gui::drawer {
class Skinner;
}

namespace s::gui::win {

class Component : public base::IObject, public virtual IComponent {
public:
    Component();
    ~Component() override;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    // The component behind a native window of the toolkit's class (null for others).
    static Component* fromNative(platform::window::Handle window);
    // Registers the native window class of components (once per process).
    static void registerNativeClass();
    // Repaints asked for between begin and end only invalidate; the end of the outermost batch
    // paints what is invalid in the window of `component` once (per thread).
    static void beginRepaintBatch();
    static void endRepaintBatch(IComponent* component);
    // IComponent* -> Component* (every component of the toolkit is one).
    static Component* of(IComponent* component);

    void onEvent(void* source, std::int32_t code) override {}

    std::int32_t getX() const override { return x_; }
    void setX(std::int32_t x) override { setPosition(x, y_); }
    std::int32_t getY() const override { return y_; }
    void setY(std::int32_t y) override { setPosition(x_, y); }
    std::int32_t getScreenX() const override;
    std::int32_t getScreenY() const override;
    bool containsScreenPoint(std::int32_t x, std::int32_t y) const override;
    std::int32_t getWidth() const override { return width_; }
    void setWidth(std::int32_t w) override { setSize(w, height_); }
    std::int32_t getHeight() const override { return height_; }
    void setHeight(std::int32_t h) override { setSize(width_, h); }
    std::int32_t getClientWidth() const override { return width_; }
    void setClientWidth(std::int32_t w) override { setWidth(w + getWidth() - getClientWidth()); }
    std::int32_t getClientHeight() const override { return height_; }
    void setClientHeight(std::int32_t h) override {
        setHeight(h + getHeight() - getClientHeight());
    }
    void setPosition(std::int32_t x, std::int32_t y) override;
    void setSize(std::int32_t w, std::int32_t h) override;
    void setBounds(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;
    void setOrigin(std::int32_t ox, std::int32_t oy) override;
    void moveOrigin(std::int32_t dx, std::int32_t dy) override;
    std::int32_t getMinWidth() const override;
    std::int32_t getMinHeight() const override;
    std::int32_t getMinClientWidth() const override;
    std::int32_t getMinClientHeight() const override;
    std::int32_t getMaxWidth() const override;
    std::int32_t getMaxHeight() const override;
    std::int32_t getMaxClientWidth() const override {
        return getMaxWidth() + getClientWidth() - getWidth();
    }
    std::int32_t getMaxClientHeight() const override {
        return getMaxHeight() + getClientHeight() - getHeight();
    }

    bool isShown() const override { return shown_ && native_ != platform::window::kNoWindow; }
    void setVisible(bool show, bool relayout) override;
    bool isEnabled() const override;
    void setEnabled(bool enable) override;
    bool isEditable() const override { return false; }
    void setEditable(bool editable) override {}
    void centre() override;
    void centreHorizontally() override;
    void centreVertically() override;

    Colour getBackgroundColour() const override { return background_; }
    bool isBackgroundTransparent() const override { return transparent_; }
    void setBackgroundTransparent(bool repaint) override;
    void setBackgroundWhite(bool repaint) override { setBackgroundColour(255, 255, 255, repaint); }
    void setBackgroundSystem(bool repaint) override;
    void setBackgroundBlack(bool repaint) override { setBackgroundColour(0, 0, 0, repaint); }
    void setBackgroundPale(bool repaint) override;
    void setBackgroundColour(std::int32_t red, std::int32_t green, std::int32_t blue,
                             bool repaint) override;

    IWindow* getWindow() const override { return window_; }
    IComponent* getParent() const override { return parent_; }
    void attach(IComponent* parent) override;
    void add(IComponent* child) override {}
    void remove(IComponent* child, bool releaseDescendants) override {}
    void removeAll(bool releaseDescendants) override {}
    bool isContainer() const override { return false; }
    void repaintArea(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;
    void repaint() override { repaintArea(0, 0, width_, height_); }
    void setSizeWithin(std::int32_t w, std::int32_t h) override;
    void relayout() override {}
    std::uint32_t getChildCount() const override { return 0; }
    IComponent* getChild(std::uint32_t index) const override { return nullptr; }
    const std::vector<IComponent*>& getChildren() const override;
    // What a walk of the tree does after a visit: go on into the component's children, or
    // past them.
    enum class Walk { kInto, kPast };
    // Visits the descendants depth first, each before its children, in the order of their
    // parents' child lists.
    void forEachDescendant(const std::function<Walk(Component*)>& visit) const;
    platform::window::Picture* getBackgroundPicture(std::int32_t* dx, std::int32_t* dy) override;
    bool isDeferred() const override { return deferred_; }
    void defer() override { deferred_ = true; }
    void applyDeferred() override;

    platform::window::Handle getNativeWindow() const override { return native_; }
    void setParentComponent(IComponent* parent) override;
    IFont* getFont() const override { return font_; }
    void setFont(IFont* font) override { font_ = font; }
    std::int32_t getOriginX() const override { return originX_; }
    std::int32_t getOriginY() const override { return originY_; }
    bool isVisibleFlag() const override { return shown_; }
    void setMinSize(std::int32_t w, std::int32_t h) override {
        minWidth_ = w;
        minHeight_ = h;
    }
    void setNaturalSize(std::int32_t w, std::int32_t h) override {
        naturalWidth_ = w;
        naturalHeight_ = h;
    }
    std::int32_t getNaturalWidth() const override { return naturalWidth_; }
    std::int32_t getNaturalHeight() const override { return naturalHeight_; }
    std::int32_t getPercentWidth() const override { return percentWidth_; }
    std::int32_t getPercentHeight() const override { return percentHeight_; }
    std::int32_t getFixedWidth() const override { return fixedWidth_; }
    std::int32_t getFixedHeight() const override { return fixedHeight_; }

    // Size settings of plain components (boxes and spacers have their own, with relayout).
    void setComponentPercentWidth(std::int32_t p) {
        percentWidth_ = p;
        fixedWidth_ = -1;
    }
    void setComponentPercentHeight(std::int32_t p) {
        percentHeight_ = p;
        fixedHeight_ = -1;
    }
    // Fixed sizes are given and kept at 96 dpi (Length).
    void setComponentFixedWidth(std::int32_t w) {
        fixedWidth_ = w;
        percentWidth_ = -1;
    }
    void setComponentFixedHeight(std::int32_t h) {
        fixedHeight_ = h;
        percentHeight_ = -1;
    }

    // Widgets a person acts on take the keyboard focus: Tab stops at them, a click gives it.
    virtual bool takesFocus() const { return false; }
    // The native window that holds the keyboard focus for the component.
    virtual platform::window::Handle focusWindow() const { return native_; }
    // The keyboard focus is on the component (read on any thread).
    bool hasFocus() const;
    // Gives the component the keyboard focus (on its owner thread).
    void giveFocus();
    // The focus came to the component or left it: repaints, and the window hears of it.
    void focusChanged(bool gained);

    bool isPlacementPending() const { return pending_; }
    // Forgets the native window (destroyed with an ancestor's); containers pass it on.
    virtual void forgetNative();
    // The scale factor changed while the program runs, by `ratio` (new over old), on the owner
    // thread, from the window: what the component measured in screen pixels is measured again;
    // the window lays out afterwards. Containers pass it on.
    virtual void scaleChanged(double ratio) {}
    // Forgets the size the layout gave (no layout runs here): layouts keep what they find and
    // only grow it, so the next one sizes the component afresh, as when it was added.
    virtual void forgetLaidOutSize() { width_ = height_ = 0; }

    // Native messages of the component's window, on the owner thread.
    virtual platform::window::Result handleMessage(platform::window::Handle window,
                                                   std::uint32_t message,
                                                   platform::window::WParam wparam,
                                                   platform::window::LParam lparam);

protected:
    // Back to the state of a new component (pool recycling).
    void resetComponent();
    // Paints the client area; the default fills the background unless it is transparent.
    virtual void paint(platform::window::Canvas& canvas, platform::window::Rect area);
    // Called on the owner thread after the native window was made.
    virtual void onAttached() {}
    // Widgets that show texts by number or paint through the skin answer true: while attached
    // they listen to the window's language pack and skinner (onEvent with that as source).
    virtual bool followsLanguage() const { return false; }
    virtual bool followsSkin() const { return false; }
    // The language pack and skinner listened to (null when not listening).
    lang::Localizer* followedPack() const { return followedPack_; }
    drawer::Skinner* followedSkinner() const { return followedSkinner_; }
    // The size changed while not deferred (containers lay out).
    virtual void onResized() {}
    // Destroys the own native window on its owner thread and forgets it.
    void destroyNative();
    // Places the native window at origin + position with the stored size.
    void placeNative(std::uint32_t flags);
    // Hands a message the component does not use to the parent's native window, with the
    // point moved into the parent's client coordinates.
    platform::window::Result forwardToParent(std::uint32_t message, platform::window::WParam wparam,
                                             platform::window::LParam lparam);
    // When the component is attached and the caller is not its owner thread, runs `work` on
    // the owner thread through the window layer's hand-off (callOnOwner) while the caller
    // waits, and answers true; otherwise answers false and the caller does the work itself.
    // `work` calls the operation again, which then finds itself on the right thread.
    bool handOff(const std::function<void()>& work);
    // Runs `work` on the owner thread (on the caller when there is none) while the caller waits.
    void onOwner(const std::function<void()>& work) {
        if (!handOff(work)) work();
    }
    // The value `read` answers on the owner thread (on the caller when there is none).
    template <typename Read>
    auto onOwnerThread(const Read& read) const -> decltype(read());
    // Adds a listener to one of the component's lists on its owner thread, where the lists
    // are fired; a null listener is ignored.
    void addListenerTo(std::vector<events::IEventListener*>& list,
                       events::IEventListener* listener);
    std::int32_t parentClientWidth() const;
    std::int32_t parentClientHeight() const;

    IWindow* window_ = nullptr;
    IComponent* parent_ = nullptr;
    platform::window::Handle native_ = platform::window::kNoWindow;
    IFont* font_ = nullptr;
    bool shown_ = true;
    bool deferred_ = false;
    bool pending_ = false;
    bool resizedWhileDeferred_ = false;
    std::int32_t x_ = 0, y_ = 0;
    std::int32_t originX_ = 0, originY_ = 0;
    std::int32_t width_ = 0, height_ = 0;
    std::int32_t minWidth_ = 0, minHeight_ = 0;
    std::int32_t naturalWidth_ = 0, naturalHeight_ = 0;
    std::int32_t percentWidth_ = -1, percentHeight_ = -1;
    Length fixedWidth_{-1}, fixedHeight_{-1};
    Colour background_ = kSystemButtonFace;
    bool transparent_ = false;

private:
    void followWindow();
    void unfollowWindow();

    lang::Localizer* followedPack_ = nullptr;
    drawer::Skinner* followedSkinner_ = nullptr;
    bool enabled_ = true;
};

template <typename Read>
auto Component::onOwnerThread(const Read& read) const -> decltype(read()) {
    platform::window::Handle native = native_;
    if (native == platform::window::kNoWindow || platform::window::isOwnerThread(native)) {
        return read();
    }
    decltype(read()) value{};
    platform::window::callOnOwner(native, [&]() -> platform::window::Result {
        // Run on the caller: the window is gone, and so is the component's part in it.
        if (!platform::window::isOwnerThread(native)) const_cast<Component*>(this)->forgetNative();
        value = read();
        return 1;
    });
    return value;
}

}  // namespace s::gui::win
