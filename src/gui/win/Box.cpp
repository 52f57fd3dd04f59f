// Container behaviour: child management, the layout entry, size rules with margins, drops,
// wheel, click and hover.
#include "gui/win/Box.h"

#include <algorithm>
#include <mutex>
#include <string>

#include "gui/IWindow.h"
#include "gui/RoundAway.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/border/IBorder.h"
#include "gui/events/Listeners.h"
#include "gui/layout/FlowH.h"
#include "str/strarray/StrArray.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {

// The boxes laying out on this thread, outermost first.
thread_local std::vector<BoxBase*> arranging;

}  // namespace

BoxBase::BoxBase() : dropped_(str::strarray::StrArray::create()) {}

BoxBase::~BoxBase() {
    if (border_ && borderOwned_) border_->release();
    dropped_->release();
}

void BoxBase::resetBox() {
    resetComponent();
    children_.clear();
    manager_ = nullptr;
    kind_ = layout::kColumn;
    hAlign_ = vAlign_ = layout::kStart;
    hGap_ = vGap_ = 0;
    marginLeft_ = marginRight_ = marginTop_ = marginBottom_ = 0;
    originLeft_ = originTop_ = 0;
    minWidthFloor_ = -1;
    noMinWidth_ = noMinHeight_ = false;
    content_ = {};
    frozen_ = acceptDrops_ = hovered_ = false;
    hoverTracking_ = true;
    pointerTransparent_ = false;
    running_ = 0;
    childExtentsChanged_ = laidOut_ = false;
    wheelLines_ = 0;
    layoutListeners_.clear();
    dropListeners_.clear();
    wheelListeners_.clear();
    clickListeners_.clear();
    dropped_->recycle();
    backBuffer_.reset();
    transparent_ = true;
    if (border_ && borderOwned_) border_->release();
    border_ = nullptr;
    borderOwned_ = false;
}

std::int32_t BoxBase::getClientWidth() const {
    return std::max(width_ - marginLeft_ - marginRight_, 0);
}

std::int32_t BoxBase::getClientHeight() const {
    return std::max(height_ - marginTop_ - marginBottom_, 0);
}

std::int32_t BoxBase::getMinClientWidth() const {
    if (fixedWidth_ >= 0) return fixedWidth_ - marginLeft_ - marginRight_;
    std::int32_t w = marginLeft_ + marginRight_ + content_.minWidth;
    if (minWidthFloor_ >= 0) w = std::max<std::int32_t>(w, minWidthFloor_);
    return w - marginLeft_ - marginRight_;
}

std::int32_t BoxBase::getMinClientHeight() const {
    if (fixedHeight_ >= 0) return fixedHeight_ - marginTop_ - marginBottom_;
    return content_.minHeight;
}

std::int32_t BoxBase::getMinWidth() const {
    if (noMinWidth_) return 0;
    return getMinClientWidth() + marginLeft_ + marginRight_;
}

std::int32_t BoxBase::getMinHeight() const {
    if (noMinHeight_) return 0;
    return getMinClientHeight() + marginTop_ + marginBottom_;
}

std::int32_t BoxBase::getMaxWidth() const {
    if (fixedWidth_ >= 0) return fixedWidth_;
    if (percentWidth_ >= 0 && parent_) {
        return roundAway(parentClientWidth() * static_cast<double>(percentWidth_) / 100.0);
    }
    return marginLeft_ + marginRight_ + std::max(content_.minWidth, content_.maxWidth);
}

std::int32_t BoxBase::getMaxHeight() const {
    if (fixedHeight_ >= 0) return fixedHeight_;
    if (percentHeight_ >= 0 && parent_) {
        return roundAway(parentClientHeight() * static_cast<double>(percentHeight_) / 100.0);
    }
    return marginTop_ + marginBottom_ + std::max(content_.minHeight, content_.maxHeight);
}

std::int32_t BoxBase::getMaxClientWidth() const {
    std::int32_t margins = marginLeft_ + marginRight_;
    if (fixedWidth_ >= 0) return fixedWidth_ - margins;
    if (percentWidth_ >= 0 && parent_) {
        return roundAway(parentClientWidth() * static_cast<double>(percentWidth_) / 100.0 -
                         margins);
    }
    return std::max(content_.minWidth, content_.maxWidth);
}

std::int32_t BoxBase::getMaxClientHeight() const {
    std::int32_t margins = marginTop_ + marginBottom_;
    if (fixedHeight_ >= 0) return fixedHeight_ - margins;
    if (percentHeight_ >= 0 && parent_) {
        return roundAway(parentClientHeight() * static_cast<double>(percentHeight_) / 100.0 -
                         margins);
    }
    return std::max(content_.minHeight, content_.maxHeight);
}

void BoxBase::setVisible(bool show, bool relayout) {
    if (handOff([&] { setVisible(show, relayout); })) return;
    if (show) {
        Component::setVisible(true, false);
        // A flow's height depends on the width its parent gives it: the parent lays out twice.
        if (relayout && parent_) {
            parent_->relayout();
            parent_->relayout();
        }
        return;
    }
    Component::setVisible(false, relayout);
    // Out of sight after the parent's layout, which still places hidden children in rows and
    // columns.
    setPosition(-10000, 10000);
    backBuffer_.reset();
}

void BoxBase::add(IComponent* child) {
    // Attached: the whole change runs on the owner thread, so layout and painting there never
    // see the children half changed.
    if (handOff([&] { add(child); })) return;
    // 1. Append.
    children_.push_back(child);
    child->setParentComponent(this);
    // The origin is set before attaching so the native window is made in place.
    child->setOrigin(originLeft_ = marginLeft_, originTop_ = marginTop_);
    // 2. Without a native window the child is attached when this container is.
    if (native_ == pw::kNoWindow) return;
    // 3. The child's native window is made (on the owner thread, where this runs).
    child->attach(this);
    // 5.-6. Lay out here and in the parent (twice when this box flows).
    layout();
    if (parent_) {
        parent_->relayout();
        if (kind_ == layout::kFlow) parent_->relayout();
    }
}

void BoxBase::remove(IComponent* child, bool releaseDescendants) {
    if (handOff([&] { remove(child, releaseDescendants); })) return;
    auto it = std::find(children_.begin(), children_.end(), child);
    if (it == children_.end()) {
        layout();
        return;
    }
    if (it + 1 == children_.end()) {
        children_.pop_back();
    } else {
        children_.erase(it);
    }
    if (releaseDescendants && child->isContainer()) child->removeAll(true);
    child->attach(nullptr);
    child->release();
    layout();
}

void BoxBase::removeAll(bool releaseDescendants) {
    if (handOff([&] { removeAll(releaseDescendants); })) return;
    while (!children_.empty()) remove(children_.back(), releaseDescendants);
}

pw::Picture* BoxBase::getBackgroundPicture(std::int32_t* dx, std::int32_t* dy) {
    if (backBuffer_ && backBuffer_->valid()) return backBuffer_.get();
    return Component::getBackgroundPicture(dx, dy);
}

void BoxBase::defer() {
    deferred_ = true;
    for (IComponent* child : children_) child->defer();
}

void BoxBase::applyDeferred() {
    Component::applyDeferred();
    for (IComponent* child : children_) child->applyDeferred();
}

void BoxBase::onAttached() {
    if (acceptDrops_) pw::acceptFiles(native_, true);
}

void BoxBase::forgetNative() {
    for (IComponent* child : children_) {
        if (Component* c = Component::of(child)) c->forgetNative();
    }
    Component::forgetNative();
    hovered_ = false;
}

void BoxBase::scaleChanged(double ratio) {
    for (IComponent* child : children_) {
        if (Component* c = Component::of(child)) c->scaleChanged(ratio);
    }
    shiftChildrenOrigin();
}

// The children were placed inside the margins in pixels of the old factor: they move by what
// the margins grew or shrank, keeping any offset of their own (a scroll position, a page put
// out of sight).
void BoxBase::shiftChildrenOrigin() {
    const std::int32_t dx = marginLeft_ - originLeft_, dy = marginTop_ - originTop_;
    originLeft_ = marginLeft_;
    originTop_ = marginTop_;
    if (dx == 0 && dy == 0) return;
    for (IComponent* child : children_) child->moveOrigin(dx, dy);
}

void BoxBase::layout() {
    // 1.-2. Frozen boxes skip; at most two nested layouts run.
    if (frozen_ || running_ >= 2) return;
    // An attached box lays out on its owner thread: the caller waits for one hand-off instead
    // of one per placement, and painting never sees a layout half done.
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        pw::send(native_, kMsgLayout);
        return;
    }
    ++running_;
    arranging.push_back(this);
    const layout::Extents before = content_;
    laidOut_ = true;
    // 3.-4. Reset the extents and arrange. A child box lays itself out only once it has been
    // sized, so the extents it reports while being placed can be stale: a box that has never
    // been laid out reports none, so it is laid out first; and while a child's extents changed
    // during the arrangement, it runs again with the ones the child reports now.
    for (IComponent* child : children_) {
        if (auto* box = dynamic_cast<BoxBase*>(child); box && !box->laidOut_) box->layout();
    }
    for (int pass = 0; pass < kArrangePasses; ++pass) {
        childExtentsChanged_ = false;
        content_ = {};
        if (!children_.empty()) arrange();
        if (!childExtentsChanged_) break;
    }
    // 5. Tell the layout listeners.
    fire(layoutListeners_, boxevent::kLayout);
    --running_;
    // The parent placed this box by the extents it had: a parent in the middle of arranging
    // runs again.
    // (Found among the boxes arranging on this thread by address only: a box taken apart may
    // keep the address of a parent that is gone.)
    arranging.pop_back();
    if (content_ != before && parent_) {
        bool told = false;
        for (BoxBase* box : arranging) {
            if (static_cast<IComponent*>(static_cast<Component*>(box)) != parent_) continue;
            box->childExtentsChanged_ = told = true;
        }
        // A parent at rest lays out anew, while both are on screen.
        if (!told && native_ != pw::kNoWindow && parent_->getNativeWindow() != pw::kNoWindow)
            parent_->relayout();
    }
}

void BoxBase::arrange() {
    if (manager_) {
        manager_->layout(this);
        return;
    }
    switch (kind_) {
        case layout::kRow:
            content_ = layout::arrangeRow(this, hAlign_, vAlign_, hGap_);
            break;
        case layout::kColumn:
            content_ = layout::arrangeColumn(this, hAlign_, vAlign_, vGap_);
            break;
        case layout::kFlow:
            content_ = layout::arrangeFlow(this, hAlign_, vAlign_, hGap_, vGap_);
            break;
        case layout::kPile:
            content_ = layout::arrangePile(this, hAlign_, vAlign_);
            break;
        default:
            break;
    }
}

ILayoutManager* BoxBase::getLayoutManager() const {
    return manager_ ? manager_ : layout::FlowH::shared();
}

void BoxBase::fire(const std::vector<events::IEventListener*>& listeners, std::int32_t code) {
    events::fireListeners(listeners, eventSource(this), code);
}

void BoxBase::placeChildrenOrigin() {
    originLeft_ = marginLeft_;
    originTop_ = marginTop_;
    for (IComponent* child : children_) child->setOrigin(originLeft_, originTop_);
    layout();
}

void BoxBase::setMarginLeft(std::int32_t m) {
    if (handOff([&] { setMarginLeft(m); })) return;
    marginLeft_ = m;
    placeChildrenOrigin();
}
void BoxBase::setMarginRight(std::int32_t m) {
    if (handOff([&] { setMarginRight(m); })) return;
    marginRight_ = m;
    placeChildrenOrigin();
}
void BoxBase::setMarginTop(std::int32_t m) {
    if (handOff([&] { setMarginTop(m); })) return;
    marginTop_ = m;
    placeChildrenOrigin();
}
void BoxBase::setMarginBottom(std::int32_t m) {
    if (handOff([&] { setMarginBottom(m); })) return;
    marginBottom_ = m;
    placeChildrenOrigin();
}
void BoxBase::setMarginsHorizontal(std::int32_t m) {
    if (handOff([&] { setMarginsHorizontal(m); })) return;
    marginLeft_ = marginRight_ = m;
    placeChildrenOrigin();
}
void BoxBase::setMarginsVertical(std::int32_t m) {
    if (handOff([&] { setMarginsVertical(m); })) return;
    marginTop_ = marginBottom_ = m;
    placeChildrenOrigin();
}
void BoxBase::setMargins(std::int32_t m) {
    if (handOff([&] { setMargins(m); })) return;
    marginLeft_ = marginRight_ = marginTop_ = marginBottom_ = m;
    placeChildrenOrigin();
}

std::int32_t BoxBase::resetPercentSize() {
    if (handOff([&] { resetPercentSize(); })) return 100;
    percentWidth_ = percentHeight_ = 100;
    return 100;
}

// The size settings of an attached box change on its owner thread, which lays out with them.
void BoxBase::setPercentWidth(std::int32_t percent, bool relayout) {
    if (handOff([&] { setPercentWidth(percent, relayout); })) return;
    percentWidth_ = percent;
    fixedWidth_ = -1;
    if (relayout && parent_) parent_->relayout();
}

void BoxBase::setPercentHeight(std::int32_t percent, bool relayout) {
    if (handOff([&] { setPercentHeight(percent, relayout); })) return;
    percentHeight_ = percent;
    fixedHeight_ = -1;
    if (relayout && parent_) parent_->relayout();
}

void BoxBase::setFixedWidth(std::int32_t width, bool relayout) {
    if (handOff([&] { setFixedWidth(width, relayout); })) return;
    fixedWidth_ = width;
    percentWidth_ = -1;
    if (relayout && parent_) parent_->relayout();
}

void BoxBase::setFixedHeight(std::int32_t height, bool relayout) {
    if (handOff([&] { setFixedHeight(height, relayout); })) return;
    fixedHeight_ = height;
    percentHeight_ = -1;
    if (relayout && parent_) parent_->relayout();
}

void BoxBase::setAcceptDroppedFiles(bool accept) {
    acceptDrops_ = accept;
    if (native_ != pw::kNoWindow) pw::acceptFiles(native_, accept);
}

void BoxBase::showOnly(std::uint32_t index) {
    for (std::uint32_t i = 0; i < children_.size(); ++i) {
        if (i != index) children_[i]->setVisible(false, true);
    }
    if (index < children_.size()) children_[index]->setVisible(true, true);
}

void BoxBase::showOnlyPage(std::uint32_t index) {
    for (std::uint32_t i = 0; i < children_.size(); ++i) {
        if (i != index) children_[i]->setOrigin(0, 3000);
    }
    if (index < children_.size()) children_[index]->setOrigin(0, 0);
    showOnly(index);
}

void BoxBase::setBorder(drawer::border::IBorder* border, bool owned) {
    if (handOff([&] { setBorder(border, owned); })) return;
    if (border_ && borderOwned_ && border_ != border) border_->release();
    border_ = border;
    borderOwned_ = border && owned;
    repaint();
}

void BoxBase::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    if (!border_) return;
    border_->paintBorder(canvas, 0, 0, width_, height_,
                         drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr));
}

void BoxBase::setOwnBackground(std::int32_t red, std::int32_t green, std::int32_t blue) {
    setBackgroundColour(red, green, blue, true);
}

void BoxBase::onDrop(pw::WParam drop) {
    {
        std::lock_guard<thread::ObjLocker> guard(dropLock_);
        dropped_->recycle();
        std::uint32_t count = pw::dropCount(drop);
        // Full paths of any length: a path is never cut to fit a buffer.
        for (std::uint32_t i = 0; i < count; ++i) {
            std::u16string path = pw::dropFile(drop, i);
            dropped_->addText(path.c_str(), static_cast<std::int32_t>(path.size()));
        }
    }
    fire(dropListeners_, boxevent::kDrop);
}

void BoxBase::trackHover(pw::LParam lparam) {
    // Mouse moves reach the window under the pointer only, so the box's own area is what is
    // left between its children; the layer tells the box with kMouseLeave when the pointer
    // goes elsewhere. No capture: it would grab the pointer of the whole display.
    pw::Point p = pw::unpackPoint(lparam);
    bool inside = p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
    setHovered(inside);
}

void BoxBase::setHovered(bool on) {
    if (on == hovered_) return;
    hovered_ = on;
    repaint();
}

pw::Result BoxBase::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                  pw::LParam lparam) {
    switch (message) {
        case kMsgLayout:
            layout();
            return 1;
        case pw::msg::kHitTest: {
            pw::Result hit = Component::handleMessage(window, message, wparam, lparam);
            if (pointerTransparent_ && hit == pw::kHitClient) return pw::kHitTransparent;
            return hit;
        }
        case pw::msg::kDropFiles:
            if (!acceptDrops_) return forwardToParent(message, wparam, lparam);
            onDrop(wparam);
            return 1;
        case pw::msg::kMouseWheel:
            if (wheelListeners_.empty()) return forwardToParent(message, wparam, lparam);
            // Lines are negative when the wheel turns towards the user.
            wheelLines_ = pw::wheelLines(wparam);
            fire(wheelListeners_, boxevent::kWheel);
            return 1;
        case pw::msg::kLButtonDown:
            if (clickListeners_.empty()) break;
            fire(clickListeners_, boxevent::kClick);
            return 1;
        case pw::msg::kMouseMove:
            if (hoverTracking_) trackHover(lparam);
            return 0;
        case pw::msg::kMouseLeave:
            setHovered(false);
            return 0;
        default:
            break;
    }
    return Component::handleMessage(window, message, wparam, lparam);
}

Box* newPlainBox() {
    return Box::create();
}

Box* newBox(std::int32_t percentWidth, std::int32_t percentHeight, std::int32_t hAlign,
            std::int32_t vAlign, std::int32_t hGap, std::int32_t vGap, std::int32_t hMargins,
            std::int32_t vMargins, std::int32_t kind) {
    Box* box = Box::create();
    switch (kind) {
        case layout::kRow:
            box->layoutRow();
            break;
        case layout::kFlow:
            box->layoutFlow();
            break;
        case layout::kPile:
            box->layoutPile();
            break;
        default:
            box->layoutColumn();
            break;
    }
    if (percentWidth >= 0) box->setPercentWidth(percentWidth, true);
    if (percentHeight >= 0) box->setPercentHeight(percentHeight, true);
    if (hAlign == 1) box->alignCentre();
    if (hAlign >= 2) box->alignRight();
    if (vAlign == 1) box->alignMiddle();
    if (vAlign >= 2) box->alignBottom();
    if (hGap > 0) box->setHorizontalGap(hGap);
    if (vGap > 0) box->setVerticalGap(vGap);
    if (hMargins > 0) box->setMarginsHorizontal(hMargins);
    if (vMargins > 0) box->setMarginsVertical(vMargins);
    return box;
}

Box* newBoxFixedHeight(std::int32_t percentWidth, std::int32_t fixedHeight, std::int32_t hAlign,
                       std::int32_t vAlign, std::int32_t vGap, std::int32_t hMargins,
                       std::int32_t vMargins, std::int32_t kind) {
    Box* box = newBox(percentWidth, -1, hAlign, vAlign, -1, vGap, hMargins, vMargins,
                      kind == layout::kFlow ? layout::kColumn : kind);
    if (fixedHeight >= 0) box->setFixedHeight(fixedHeight, true);
    return box;
}

Box* newBoxFixed(std::int32_t kind, std::int32_t fixedWidth, std::int32_t fixedHeight,
                 std::int32_t vAlign, std::int32_t hGap, std::int32_t vGap) {
    Box* box = newBox(-1, -1, 0, vAlign, hGap, vGap, -1, -1,
                      kind == layout::kRow ? layout::kRow : layout::kColumn);
    if (fixedWidth >= 0) box->setFixedWidth(fixedWidth, true);
    if (fixedHeight >= 0) box->setFixedHeight(fixedHeight, true);
    return box;
}

}  // namespace s::gui::win
