// The container: ordered children, the built-in arrangement or a layout manager, margins,
// size settings, dropped files, wheel, click and hover.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/IBox.h"
#include "gui/layout/Arrangements.h"
#include "gui/win/Component.h"
#include "thread/ObjLocker.h"
#include "thread/Pooled.h"

namespace s::gui::win {

// The container behaviour shared by boxes and windows.
class BoxBase : public Component, public virtual IBox {
public:
    BoxBase();
    ~BoxBase() override;

    std::int32_t getClientWidth() const override;
    std::int32_t getClientHeight() const override;
    std::int32_t getMinWidth() const override;
    std::int32_t getMinHeight() const override;
    std::int32_t getMinClientWidth() const override;
    std::int32_t getMinClientHeight() const override;
    std::int32_t getMaxWidth() const override;
    std::int32_t getMaxHeight() const override;
    std::int32_t getMaxClientWidth() const override;
    std::int32_t getMaxClientHeight() const override;
    void setVisible(bool show, bool relayout) override;

    void add(IComponent* child) override;
    void remove(IComponent* child, bool releaseDescendants) override;
    void removeAll(bool releaseDescendants) override;
    bool isContainer() const override { return true; }
    void relayout() override { layout(); }
    std::uint32_t getChildCount() const override {
        return static_cast<std::uint32_t>(children_.size());
    }
    IComponent* getChild(std::uint32_t index) const override { return children_[index]; }
    const std::vector<IComponent*>& getChildren() const override { return children_; }
    platform::window::Picture* getBackgroundPicture(std::int32_t* dx, std::int32_t* dy) override;
    void defer() override;
    void applyDeferred() override;

    void layout() override;
    ILayoutManager* getLayoutManager() const override;
    void setLayoutManager(ILayoutManager* manager) override { manager_ = manager; }
    // Gaps and alignments change on the owner thread, which lays out with them. Gaps, margins
    // and fixed sizes are given and kept at 96 dpi (Length).
    void setHorizontalGap(std::int32_t gap) override {
        onOwner([&] { hGap_ = gap; });
    }
    void setVerticalGap(std::int32_t gap) override {
        onOwner([&] { vGap_ = gap; });
    }
    void setMarginLeft(std::int32_t m) override;
    void setMarginRight(std::int32_t m) override;
    void setMarginTop(std::int32_t m) override;
    void setMarginBottom(std::int32_t m) override;
    void setMarginsHorizontal(std::int32_t m) override;
    void setMarginsVertical(std::int32_t m) override;
    void setMargins(std::int32_t m) override;
    void alignTop() override {
        onOwner([&] { vAlign_ = layout::kStart; });
    }
    void alignMiddle() override {
        onOwner([&] { vAlign_ = layout::kCentre; });
    }
    void alignBottom() override {
        onOwner([&] { vAlign_ = layout::kEnd; });
    }
    void alignLeft() override {
        onOwner([&] { hAlign_ = layout::kStart; });
    }
    void alignCentre() override {
        onOwner([&] { hAlign_ = layout::kCentre; });
    }
    void alignRight() override {
        onOwner([&] { hAlign_ = layout::kEnd; });
    }
    std::int32_t getLayoutKind() const override { return kind_; }
    void layoutRow() override { kind_ = layout::kRow; }
    void layoutColumn() override { kind_ = layout::kColumn; }
    void layoutFlow() override { kind_ = layout::kFlow; }
    void layoutPile() override { kind_ = layout::kPile; }
    std::int32_t resetPercentSize() override;
    void setPercentWidth(std::int32_t percent, bool relayout) override;
    void setPercentHeight(std::int32_t percent, bool relayout) override;
    void setFixedWidth(std::int32_t width, bool relayout) override;
    void setFixedHeight(std::int32_t height, bool relayout) override;
    void setMinWidth(std::int32_t width) override {
        onOwner([&] { minWidthFloor_ = width; });
    }
    void setAcceptDroppedFiles(bool accept) override;
    void addDropListener(events::IEventListener* listener) override {
        addListenerTo(dropListeners_, listener);
    }
    str::strarray::StrArray* getDroppedFiles() const override { return dropped_; }
    void addBoxWheelListener(events::IEventListener* listener) override {
        addListenerTo(wheelListeners_, listener);
    }
    std::int32_t getWheelLines() const override { return wheelLines_; }
    void addLayoutListener(events::IEventListener* listener) override {
        addListenerTo(layoutListeners_, listener);
    }
    void showOnly(std::uint32_t index) override;
    void showOnlyPage(std::uint32_t index) override;
    void setOwnBackground(std::int32_t red, std::int32_t green, std::int32_t blue) override;
    void setBorder(drawer::border::IBorder* border, bool owned) override;
    void addBoxClickListener(events::IEventListener* listener) override {
        addListenerTo(clickListeners_, listener);
    }

    std::int32_t getHorizontalAlignment() const override { return hAlign_; }
    std::int32_t getVerticalAlignment() const override { return vAlign_; }
    std::int32_t getHorizontalGap() const override { return hGap_; }
    std::int32_t getVerticalGap() const override { return vGap_; }
    std::int32_t getMarginLeft() const override { return marginLeft_; }
    std::int32_t getMarginRight() const override { return marginRight_; }
    std::int32_t getMarginTop() const override { return marginTop_; }
    std::int32_t getMarginBottom() const override { return marginBottom_; }
    bool isFrozen() const override { return frozen_; }
    void setFrozen(bool frozen) override { frozen_ = frozen; }
    // The parent measured this box by the old rule: it lays out again.
    void setNoMinWidth(bool on) override {
        if (handOff([&] { setNoMinWidth(on); })) return;
        if (on == noMinWidth_) return;
        noMinWidth_ = on;
        if (parent_) parent_->relayout();
    }
    void setNoMinHeight(bool on) override {
        if (handOff([&] { setNoMinHeight(on); })) return;
        if (on == noMinHeight_) return;
        noMinHeight_ = on;
        if (parent_) parent_->relayout();
    }
    void setHoverTracking(bool on) override { hoverTracking_ = on; }
    // The extents go too: the parent lays the box out before placing it, instead of placing it
    // by extents of the old factor (which would only grow it).
    void forgetLaidOutSize() override {
        Component::forgetLaidOutSize();
        content_ = {};
        laidOut_ = false;
    }
    // The box's own area lets the pointer through to what lies beneath; its children still
    // take it.
    void setPointerTransparent(bool on) { pointerTransparent_ = on; }
    bool isPointerTransparent() const { return pointerTransparent_; }
    bool isHovered() const override { return hovered_; }
    std::int32_t getContentMinWidth() const override { return content_.minWidth; }
    std::int32_t getContentMinHeight() const override { return content_.minHeight; }
    std::int32_t getContentMaxWidth() const override { return content_.maxWidth; }
    std::int32_t getContentMaxHeight() const override { return content_.maxHeight; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void resetBox();
    void onResized() override { layout(); }
    // The background, then the border through the window's current skin.
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    void onAttached() override;
    void forgetNative() override;
    void scaleChanged(double ratio) override;
    // Runs the built-in arrangement or the manager and stores the extents.
    virtual void arrange();
    void fire(const std::vector<events::IEventListener*>& listeners, std::int32_t code);
    void placeChildrenOrigin();
    void shiftChildrenOrigin();
    void onDrop(platform::window::WParam drop);
    void trackHover(platform::window::LParam point);
    void setHovered(bool on);

    std::vector<IComponent*> children_;
    ILayoutManager* manager_ = nullptr;
    std::int32_t kind_ = layout::kColumn;
    std::int32_t hAlign_ = layout::kStart, vAlign_ = layout::kStart;
    Length hGap_, vGap_;
    Length marginLeft_, marginRight_, marginTop_, marginBottom_;
    Length minWidthFloor_{-1};
    // The margins the children's origins were last given, in screen pixels.
    std::int32_t originLeft_ = 0, originTop_ = 0;
    bool noMinWidth_ = false, noMinHeight_ = false;
    layout::Extents content_;
    bool frozen_ = false;
    bool acceptDrops_ = false;
    bool hoverTracking_ = true;
    bool pointerTransparent_ = false;
    bool hovered_ = false;
    int running_ = 0;  // nested layouts of this box
    // Set by a child box whose extents changed while this box was arranging.
    bool childExtentsChanged_ = false;
    bool laidOut_ = false;  // once: before that its extents are none
    static constexpr int kArrangePasses = 4;
    std::int32_t wheelLines_ = 0;
    std::vector<events::IEventListener*> layoutListeners_, dropListeners_, wheelListeners_,
        clickListeners_;
    str::strarray::StrArray* dropped_;  // from its pool, kept for the box's life
    thread::ObjLocker dropLock_;
    std::unique_ptr<platform::window::Picture> backBuffer_;
    drawer::border::IBorder* border_ = nullptr;
    bool borderOwned_ = false;
};

class Box : public BoxBase, public thread::Pooled<Box> {
public:
    Box() { resetBox(); }
    const char16_t* typeName() const override { return u"s_gui_win_Box"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Box>::release(); }
    void recycle() override { resetBox(); }
};

// Factories; a negative value leaves that setting at its default (see the .cpp for each rule).
Box* newPlainBox();
Box* newBox(std::int32_t percentWidth, std::int32_t percentHeight, std::int32_t hAlign,
            std::int32_t vAlign, std::int32_t hGap, std::int32_t vGap, std::int32_t hMargins,
            std::int32_t vMargins, std::int32_t kind);
Box* newBoxFixedHeight(std::int32_t percentWidth, std::int32_t fixedHeight, std::int32_t hAlign,
                       std::int32_t vAlign, std::int32_t vGap, std::int32_t hMargins,
                       std::int32_t vMargins, std::int32_t kind);
Box* newBoxFixed(std::int32_t kind, std::int32_t fixedWidth, std::int32_t fixedHeight,
                 std::int32_t vAlign, std::int32_t hGap, std::int32_t vGap);

}  // namespace s::gui::win
