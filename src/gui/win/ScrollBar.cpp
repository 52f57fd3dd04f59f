// Scroll bar geometry, input and default painting.
#include "gui/win/ScrollBar.h"

#include <algorithm>
#include <cmath>

namespace pw = platform::window;

namespace s::gui::win {

namespace {

using G = ScrollBarGeometry;

std::int32_t roundAway(double v) {
    return static_cast<std::int32_t>(std::lround(v));
}

// A stretch [start, end) along the axis as a rectangle across the whole thickness.
pw::Rect span(bool horizontal, std::int32_t start, std::int32_t end, std::int32_t thickness) {
    if (end <= start) return {};
    return horizontal ? pw::Rect{start, 0, end - start, thickness}
                      : pw::Rect{0, start, thickness, end - start};
}

struct Axis {
    std::int32_t length;     // usable length (without the corner)
    std::int32_t thickness;  // across the bar
    std::int32_t track;      // between the arrows
};

Axis axisOf(std::int32_t width, std::int32_t height, bool horizontal, bool otherShown) {
    Axis a;
    a.length = horizontal ? width : height;
    a.thickness = horizontal ? height : width;
    if (otherShown) a.length -= a.thickness;  // the corner square is cut off
    a.track = std::max(a.length - 2 * a.thickness, 0);
    return a;
}

std::int32_t thumbLength(const Axis& a, std::int32_t content, std::int32_t page) {
    return std::max(roundAway(static_cast<double>(page) * a.track / content), 11);
}

std::int32_t thumbStart(const Axis& a, std::int32_t length, std::int32_t content, std::int32_t page,
                        std::int32_t position) {
    return a.thickness +
           roundAway(static_cast<double>(a.track - length) * position / (content - page));
}

}  // namespace

G G::of(std::int32_t width, std::int32_t height, bool horizontal, std::int32_t content,
        std::int32_t page, std::int32_t position, bool otherShown) {
    G g;
    Axis a = axisOf(width, height, horizontal, otherShown);
    // 1.-2. Arrows at both ends.
    g.parts[kFirstArrow] = span(horizontal, 0, std::min(a.thickness, a.length), a.thickness);
    g.parts[kSecondArrow] =
        span(horizontal, std::max(a.length - a.thickness, 0), a.length, a.thickness);
    // 3. Thumb and page areas only while there is something to scroll.
    if (page >= content || content <= 0) return g;
    std::int32_t len = thumbLength(a, content, page);
    std::int32_t start = thumbStart(a, len, content, page, position);
    g.parts[kPageBefore] = span(horizontal, a.thickness, start, a.thickness);
    g.parts[kThumb] = span(horizontal, start, start + len, a.thickness);
    g.parts[kPageAfter] = span(horizontal, start + len, a.length - a.thickness, a.thickness);
    return g;
}

std::int32_t G::hitTest(pw::Point p) const {
    for (std::int32_t part = kFirstArrow; part <= kSecondArrow; ++part) {
        if (parts[part].contains(p)) return part;
    }
    return kNone;
}

std::int32_t G::dragPosition(std::int32_t d, std::int32_t p0, std::int32_t width,
                             std::int32_t height, bool horizontal, std::int32_t content,
                             std::int32_t page, bool otherShown) {
    Axis a = axisOf(width, height, horizontal, otherShown);
    std::int32_t range = std::max(content - page, 0);
    if (range == 0) return 0;
    std::int32_t len = thumbLength(a, content, page);
    std::int32_t moved = thumbStart(a, len, content, page, p0) + d;
    if (moved <= a.thickness) return 0;
    if (moved + len >= a.length - a.thickness) return range;
    std::int32_t pageAreas = a.track - len;
    if (pageAreas <= 0) return p0;
    return std::clamp(p0 + roundAway(static_cast<double>(d) * range / pageAreas), 0, range);
}

void ScrollBar::resetBar() {
    resetComponent();
    horizontal_ = false;
    other_ = nullptr;
    info_.reset();
    info_.bind(nullptr, this, false);
    active_ = G::kNone;
    look_ = 0;
    pressed_ = dragging_ = false;
    dragStart_ = dragPosition_ = 0;
    hasPageColour_ = false;
    pageColour_ = 0;
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
    return G::of(width_, height_, horizontal_, info_.getContent(), info_.getPage(),
                 info_.getPosition(), otherShown);
}

std::int32_t ScrollBar::lookOf(std::int32_t part) const {
    return part == active_ ? look_ : 0;
}

void ScrollBar::setLook(std::int32_t part, std::int32_t look) {
    if (part == active_ && look == look_) return;
    active_ = part;
    look_ = look;
    repaint();
}

void ScrollBar::stepFor(std::int32_t part) {
    switch (part) {
        case G::kFirstArrow:
            info_.scrollBy(-kLineStep);
            break;
        case G::kSecondArrow:
            info_.scrollBy(kLineStep);
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
    active_ = part;
    pressed_ = true;
    pw::setCapture(native_);
    if (part == G::kThumb) {
        dragging_ = true;
        dragStart_ = along(p);
        dragPosition_ = info_.getPosition();
    } else {
        stepFor(part);
        pw::setTimer(native_, 1, kFirstRepeatMs);
    }
    bool pressedLook = part == G::kFirstArrow || part == G::kThumb || part == G::kSecondArrow;
    setLook(part, pressedLook ? 2 : 0);
}

void ScrollBar::onMove(pw::Point p, bool leftHeld) {
    pointer_ = p;
    if (dragging_) {
        bool otherShown = other_ && other_->isVisibleFlag();
        std::int32_t pos =
            G::dragPosition(along(p) - dragStart_, dragPosition_, width_, height_, horizontal_,
                            info_.getContent(), info_.getPage(), otherShown);
        if (pos != info_.getPosition()) info_.scrollBy(pos - info_.getPosition());
        return;
    }
    std::int32_t part = geometry().hitTest(p);
    if (pressed_) {
        // The pressed look shows only while the pointer is over the active part.
        bool pressedLook = active_ != G::kPageBefore && active_ != G::kPageAfter;
        setLook(active_, part == active_ && pressedLook ? 2 : 0);
        return;
    }
    if (leftHeld) return;
    if (part == G::kFirstArrow || part == G::kThumb || part == G::kSecondArrow) {
        setLook(part, 1);
        if (pw::capture() != native_) pw::setCapture(native_);
    } else {
        setLook(G::kNone, 0);
        if (pw::capture() == native_) pw::releaseCapture();
    }
}

void ScrollBar::onRelease() {
    stopTimers();
    dragging_ = false;
    pressed_ = false;
    setLook(G::kNone, 0);
    if (pw::capture() == native_) pw::releaseCapture();
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
            onPress(pw::unpackPoint(lparam));
            return 0;
        case pw::msg::kMouseMove:
            onMove(pw::unpackPoint(lparam), (wparam & pw::kMouseLeft) != 0);
            return 0;
        case pw::msg::kLButtonUp:
            onRelease();
            return 0;
        case pw::msg::kTimer:
            if (wparam == 1 || wparam == 2) onTimer(static_cast<std::uint32_t>(wparam));
            return 0;
        case pw::msg::kMouseWheel: {
            std::int32_t lines = pw::wheelDelta(wparam) * 3 / 120;
            info_.scrollBy(-15 * lines);
            return 1;
        }
        default:
            return Component::handleMessage(window, message, wparam, lparam);
    }
}

void ScrollBar::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    if (width_ <= 0 || height_ <= 0) return;
    constexpr Colour kLine = 0x787878;  // 120, 120, 120
    constexpr Colour kFaces[3] = {0xF0F0F0, 0xFBF1E5, 0xF7E4CC};
    G g = geometry();
    bool otherShown = other_ && other_->isVisibleFlag();
    std::int32_t length =
        (horizontal_ ? width_ : height_) - (otherShown ? (horizontal_ ? height_ : width_) : 0);
    pw::Rect bar = horizontal_ ? pw::Rect{0, 0, length, height_} : pw::Rect{0, 0, width_, length};
    canvas.frameRect(bar, kLine);
    Colour page = hasPageColour_ ? pageColour_ : 0xFFFFFF;
    for (std::int32_t part : {G::kPageBefore, G::kPageAfter}) {
        pw::Rect r = g.parts[part];
        if (r.empty()) continue;
        // One pixel free on each long side.
        r = horizontal_ ? pw::Rect{r.x, r.y + 1, r.width, r.height - 2}
                        : pw::Rect{r.x + 1, r.y, r.width - 2, r.height};
        canvas.fillRect(r, page);
    }
    for (std::int32_t part : {G::kFirstArrow, G::kThumb, G::kSecondArrow}) {
        pw::Rect r = g.parts[part];
        if (r.empty()) continue;
        canvas.fillRect(r, kFaces[lookOf(part)]);
        canvas.frameRect(r, kLine);
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
