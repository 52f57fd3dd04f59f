// Scroll bar geometry, input and default painting.
#include "gui/win/ScrollBar.h"

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"

#include <algorithm>
#include <cmath>

namespace pw = platform::window;

namespace s::gui::win {

namespace {

using G = ScrollBarGeometry;

std::int32_t orientationOf(bool horizontal) {
    return horizontal ? drawer::scrollbar::kHorizontal : drawer::scrollbar::kVertical;
}

}  // namespace

void ScrollBar::resetBar() {
    resetComponent();
    horizontal_ = false;
    lineStep_ = kLineStep;
    wheelLine_ = kWheelLine;
    other_ = nullptr;
    info_.reset();
    info_.bind(nullptr, this, false);
    press_.reset();
    dragging_ = false;
    dragStart_ = dragPosition_ = 0;
    hasPageColour_ = false;
    pageColour_ = 0;
    drawer_ = drawer::Defaults::scrollBar();
}

std::int32_t ScrollBar::getMinWidth() const {
    return shown_ ? Component::getMinWidth() : 0;
}
std::int32_t ScrollBar::getMinHeight() const {
    return shown_ ? Component::getMinHeight() : 0;
}
std::int32_t ScrollBar::getMaxWidth() const {
    return shown_ ? Component::getMaxWidth() : 0;
}
std::int32_t ScrollBar::getMaxHeight() const {
    return shown_ ? Component::getMaxHeight() : 0;
}

void ScrollBar::setVisible(bool show, bool relayout) {
    if (handOff([&] { setVisible(show, relayout); })) return;
    Component::setVisible(show, relayout);
    if (!show) setPosition(-10000, 10000);
}

void ScrollBar::setHorizontal() {
    horizontal_ = true;
    setComponentFixedHeight(kThickness);
}

void ScrollBar::setVertical() {
    horizontal_ = false;
    setComponentFixedWidth(kThickness);
}

void ScrollBar::setPageColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    hasPageColour_ = true;
    pageColour_ = makeColour(red, green, blue);
    repaint();
}

G ScrollBar::geometry() const {
    bool otherShown = other_ && other_->isVisibleFlag();
    return drawer_->geometry(0, 0, width_, height_, orientationOf(horizontal_), info_.getContent(),
                             info_.getPage(), info_.getPosition(), otherShown);
}

void ScrollBar::onAttached() {
    takeSkin();
}

void ScrollBar::takeSkin() {
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    if (skin) setScrollBarDrawer(skin->getScrollBarDrawer());
}

void ScrollBar::onEvent(void* source, std::int32_t code) {
    if (!source || source != followedSkinner()) return;
    if (handOff([&] { onEvent(source, code); })) return;
    takeSkin();
}

void ScrollBar::setScrollBarDrawer(drawer::scrollbar::IThin* drawer) {
    drawer_ = drawer ? drawer : drawer::Defaults::scrollBar();
    repaint();
}

std::int32_t ScrollBar::lookOf(std::int32_t part) const {
    // Only the arrows and the thumb light up; a dragged thumb looks pressed wherever the
    // pointer goes.
    if (part != G::kFirstArrow && part != G::kThumb && part != G::kSecondArrow) return 0;
    if (dragging_ && part == G::kThumb) return PressTracker::kPressed;
    return press_.lookOf(part);
}

std::int32_t ScrollBar::activePart() const {
    return press_.isPressed() ? press_.pressedPart() : press_.pointerPart();
}

void ScrollBar::scrollBy(std::int32_t step) {
    if (handOff([&] { info_.scrollBy(step); })) return;
    info_.scrollBy(step);
}

void ScrollBar::stepFor(std::int32_t part) {
    switch (part) {
        case G::kFirstArrow:
            info_.scrollBy(-lineStep_);
            break;
        case G::kSecondArrow:
            info_.scrollBy(lineStep_);
            break;
        case G::kPageBefore:
            info_.scrollBy(-info_.getPage());
            break;
        case G::kPageAfter:
            info_.scrollBy(info_.getPage());
            break;
        default:
            break;  // the thumb and outside have no step
    }
}

void ScrollBar::stopTimers() {
    if (native_ == pw::kNoWindow) return;
    pw::killTimer(native_, 1);
    pw::killTimer(native_, 2);
}

void ScrollBar::onPress(pw::Point p) {
    pointer_ = p;
    std::int32_t part = geometry().hitTest(p);
    if (part == G::kNone) return;
    press_.press(native_, part);
    repaint();
    if (part == G::kThumb) {
        dragging_ = true;
        dragStart_ = along(p);
        dragPosition_ = info_.getPosition();
    } else {
        stepFor(part);
        pw::setTimer(native_, 1, kFirstRepeatMs);
    }
}

void ScrollBar::onMove(pw::Point p, bool leftHeld) {
    pointer_ = p;
    if (dragging_) {
        bool otherShown = other_ && other_->isVisibleFlag();
        std::int32_t pos = drawer_->dragPosition(along(p) - dragStart_, dragPosition_, 0, 0, width_,
                                                 height_, orientationOf(horizontal_),
                                                 info_.getContent(), info_.getPage(), otherShown);
        if (pos != info_.getPosition()) info_.scrollBy(pos - info_.getPosition());
        return;
    }
    if (press_.move(geometry().hitTest(p), leftHeld)) repaint();
}

void ScrollBar::onRelease(pw::Point p) {
    if (!press_.isPressed()) return;
    stopTimers();
    dragging_ = false;
    press_.release(native_, geometry().hitTest(p));
    repaint();
}

void ScrollBar::endPress() {
    if (!press_.isPressed()) return;
    stopTimers();
    dragging_ = false;
    press_.captureLost();
    repaint();
}

void ScrollBar::onTimer(std::uint32_t id) {
    if (id == 1) {
        pw::killTimer(native_, 1);
        pw::setTimer(native_, 2, kRepeatMs);
    }
    // Each tick steps for the part now under the pointer (the bar holds the capture while
    // pressed, so the last reported point is where the pointer is).
    stepFor(geometry().hitTest(pointer_));
}

pw::Result ScrollBar::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                    pw::LParam lparam) {
    switch (message) {
        case pw::msg::kLButtonDown:
        case pw::msg::kLButtonDblClk:  // quick clicks on an arrow each step
            onPress(pw::unpackPoint(lparam));
            return 0;
        case pw::msg::kMouseMove:
            onMove(pw::unpackPoint(lparam), (wparam & pw::kMouseLeft) != 0);
            return 0;
        case pw::msg::kLButtonUp:
            onRelease(pw::unpackPoint(lparam));
            return 0;
        case pw::msg::kMouseLeave:
            if (press_.leave()) repaint();
            return 0;
        case pw::msg::kCaptureChanged:
            endPress();
            return 0;
        case pw::msg::kTimer:
            if (wparam == 1 || wparam == 2) onTimer(static_cast<std::uint32_t>(wparam));
            return 0;
        case pw::msg::kMouseWheel: {
            std::int32_t lines = pw::wheelLines(wparam);
            std::int32_t before = info_.getPosition();
            info_.scrollBy(-wheelLine_ * lines);
            // A bar at its end passes the turn on, so the page around it scrolls.
            if (info_.getPosition() == before) return forwardToParent(message, wparam, lparam);
            return 1;
        }
        default:
            return Component::handleMessage(window, message, wparam, lparam);
    }
}

void ScrollBar::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    bool otherShown = other_ && other_->isVisibleFlag();
    drawer_->paint(canvas, 0, 0, width_, height_, orientationOf(horizontal_), info_.getContent(),
                   info_.getPage(), info_.getPosition(), otherShown, lookOf(G::kFirstArrow),
                   lookOf(G::kThumb), lookOf(G::kSecondArrow),
                   hasPageColour_ ? pageColour_ : drawer::kDrawerColour);
    // A bar of a disabled control (or a disabled bar) fades its arrows and thumb into its page.
    if (!isEnabled()) {
        canvas.fadeRect({0, 0, width_, height_},
                        hasPageColour_ ? pageColour_ : drawer_->getPageColour());
    }
}

ScrollBar* newScrollBar(std::int32_t orientation, std::int32_t percentLength) {
    ScrollBar* bar = ScrollBar::create();
    if (orientation == 0) {
        bar->setHorizontal();
        bar->setComponentPercentWidth(percentLength);
    } else {
        bar->setVertical();
        bar->setComponentPercentHeight(percentLength);
    }
    return bar;
}

}  // namespace s::gui::win
