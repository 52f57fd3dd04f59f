// The shared list popup: rows and their view, hover, keys, wheel, scroll arrows and colours.
#include "gui/win/ListPopup.h"

#include <algorithm>

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/ISkin.h"
#include "gui/drawer/Skinner.h"
#include "gui/drawer/menu/IBasic.h"
#include "gui/win/Component.h"
#include "platform/Clock.h"
#include "platform/window/Messages.h"
#include "platform/window/Popup.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {

constexpr std::uint32_t kArrowTimer = 1;

std::int32_t lightness(pw::Colour c) {
    return static_cast<std::int32_t>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF));
}

}  // namespace

ListPopup::Colours ListPopup::coloursOf(pw::Handle owner) {
    Colours colours{pw::rgb(249, 249, 249), pw::rgb(160, 160, 160), pw::rgb(0, 0, 0),
                    pw::rgb(0, 120, 215), pw::rgb(255, 255, 255)};
    Component* component = owner != pw::kNoWindow ? Component::fromNative(owner) : nullptr;
    IWindow* window = component ? component->getWindow() : nullptr;
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window ? window->getSkinner() : nullptr);
    if (!skin) return colours;
    drawer::menu::IBasic* menu = skin->getMenuDrawer();
    colours.face = menu->getBackgroundColour();
    colours.frame = menu->getLineColour();
    colours.text = menu->getTextColour();
    colours.highlight = menu->getHighlightColour();
    // Text on the highlight: whichever of the face and the text colour stands out from it.
    bool darkHighlight = lightness(colours.highlight) < 3 * 128;
    colours.highlightText = darkHighlight == (lightness(colours.text) > lightness(colours.face))
                                ? colours.text
                                : colours.face;
    return colours;
}

ListPopup::~ListPopup() {
    // The window may outlive this object only by a moment: it no longer reaches it.
    if (handle_ != pw::kNoWindow && pw::isWindow(handle_) && pw::userData(handle_) == this) {
        pw::setUserData(handle_, nullptr);
    }
}

bool ListPopup::open(std::string_view className, pw::Handle owner, pw::Rect rect) {
    pw::registerClass(className, &ListPopup::handler);
    owner_ = owner;
    openedAt_ = pw::cursorPosition();
    armed_ = false;
    handle_ = pw::openPopup(className, owner, rect, this);
    if (handle_ == pw::kNoWindow) return false;
    if (hot_ >= 0) setHot(hot_);
    return true;
}

// ---- the view --------------------------------------------------------------------------------

std::int32_t ListPopup::contentHeight() const {
    std::int32_t h = 0;
    for (std::int32_t i = 0; i < rowCount(); ++i) h += rowHeight(i);
    return h;
}

bool ListPopup::scrolls() const {
    if (handle_ == pw::kNoWindow) return false;
    return contentHeight() > pw::windowRect(handle_).height - 2 * border_;
}

bool ListPopup::showsArrows() const {
    return arrows_ && scrolls();
}

std::int32_t ListPopup::viewTop() const {
    return border_ + (showsArrows() ? px(kArrowHeight) : 0);
}

std::int32_t ListPopup::viewBottom() const {
    std::int32_t h = handle_ != pw::kNoWindow ? pw::windowRect(handle_).height : 0;
    return h - border_ - (showsArrows() ? px(kArrowHeight) : 0);
}

pw::Rect ListPopup::rowRect(std::int32_t row) const {
    std::int32_t y = viewTop();
    for (std::int32_t i = top_; i < row; ++i) y += rowHeight(i);
    for (std::int32_t i = row; i < top_; ++i) y -= rowHeight(i);
    std::int32_t w = handle_ != pw::kNoWindow ? pw::windowRect(handle_).width : 0;
    return {border_, y, w - 2 * border_, rowHeight(row)};
}

std::int32_t ListPopup::lastShown() const {
    std::int32_t bottom = viewBottom();
    std::int32_t y = viewTop();
    std::int32_t last = top_;
    for (std::int32_t i = top_; i < rowCount(); ++i) {
        y += rowHeight(i);
        if (y > bottom) break;
        last = i;
    }
    return last;
}

std::int32_t ListPopup::maxTop() const {
    std::int32_t room = viewBottom() - viewTop();
    std::int32_t top = rowCount();
    std::int32_t used = 0;
    while (top > 0 && used + rowHeight(top - 1) <= room) used += rowHeight(--top);
    return std::min(top, std::max(rowCount() - 1, 0));
}

std::int32_t ListPopup::rowAt(pw::Point p) const {
    if (arrowAt(p) != 0 || p.y < viewTop() || p.y >= viewBottom()) return -1;
    for (std::int32_t i = top_; i <= lastShown() && i < rowCount(); ++i) {
        if (rowRect(i).contains(p)) return i;
    }
    return -1;
}

std::int32_t ListPopup::arrowAt(pw::Point p) const {
    if (!showsArrows()) return 0;
    if (p.y < border_ + px(kArrowHeight)) return -1;
    if (p.y >= viewBottom()) return 1;
    return 0;
}

void ListPopup::setHot(std::int32_t row) {
    std::int32_t n = rowCount();
    if (n == 0) return;
    hot_ = std::clamp(row, 0, n - 1);
    if (handle_ != pw::kNoWindow) {
        // Into view: up to it, or down until it fits.
        if (hot_ < top_) top_ = hot_;
        while (top_ < hot_ && rowRect(hot_).bottom() > viewBottom()) ++top_;
        pw::invalidate(handle_);
    }
}

void ListPopup::scrollBy(std::int32_t rows) {
    top_ = std::clamp(top_ + rows, 0, maxTop());
    if (hot_ >= 0) hot_ = std::clamp(hot_ + rows, top_, lastShown());
    pw::invalidate(handle_);
}

// ---- keys ------------------------------------------------------------------------------------

std::int32_t ListPopup::selectableFrom(std::int32_t from, std::int32_t direction,
                                       bool inclusive) const {
    std::int32_t n = rowCount();
    std::int32_t i = inclusive ? from : from + direction;
    for (std::int32_t k = 0; k < n; ++k, i += direction) {
        if (wraps_) i = (i + n) % n;
        if (i < 0 || i >= n) return -1;
        if (rowSelectable(i)) return i;
    }
    return -1;
}

void ListPopup::step(std::int32_t direction) {
    std::int32_t n = rowCount();
    if (n == 0) return;
    std::int32_t next = selectableFrom(hot_, direction, false);
    if (hot_ < 0) {
        // Nothing hovered yet: down starts at the first row, up at the last where it wraps.
        next = direction < 0 && wraps_ ? selectableFrom(n - 1, -1, true)
                                       : selectableFrom(0, 1, true);
    }
    if (next >= 0) setHot(next);
}

void ListPopup::page(std::int32_t direction) {
    std::int32_t shown = std::max(lastShown() - top_ + 1, 1);
    std::int32_t target = std::clamp(std::max(hot_, 0) + direction * shown, 0, rowCount() - 1);
    std::int32_t next = selectableFrom(target, direction, true);
    if (next < 0) next = selectableFrom(target, -direction, true);
    if (next >= 0) setHot(next);
}

bool ListPopup::key(std::uint32_t key) {
    switch (key) {
        case pw::vk::kDown:
            step(1);
            return true;
        case pw::vk::kUp:
            step(-1);
            return true;
        case pw::vk::kPageDown:
            page(1);
            return true;
        case pw::vk::kPageUp:
            page(-1);
            return true;
        case pw::vk::kHome:
            if (std::int32_t i = selectableFrom(0, 1, true); i >= 0) setHot(i);
            return true;
        case pw::vk::kEnd:
            if (std::int32_t i = selectableFrom(rowCount() - 1, -1, true); i >= 0) setHot(i);
            return true;
        case pw::vk::kReturn:
        case pw::vk::kSpace:
            if (hot_ >= 0 && rowSelectable(hot_)) chooseRow(hot_);
            return true;
        default:
            return extraKey(key);
    }
}

// ---- painting and messages -------------------------------------------------------------------

void ListPopup::paint(pw::Canvas& c) {
    pw::Rect all = pw::windowRect(handle_);
    all.x = all.y = 0;
    const Colours colours = coloursOf(owner_);
    c.fillRect(all, colours.face);
    c.frameRect(all, colours.frame, px(1));
    std::int32_t last = lastShown();
    for (std::int32_t i = top_; i <= last && i < rowCount(); ++i) {
        paintRow(c, i, rowRect(i), i == hot_ && rowSelectable(i), colours);
    }
    if (!showsArrows()) return;
    pw::Font font{};
    auto arrow = [&](pw::Rect r, const char16_t* glyph, bool more) {
        pw::Colour ink = more ? colours.text : colours.frame;
        c.drawText(r, glyph, font, ink, pw::kTextCentre | pw::kTextMiddle);
    };
    arrow({border_, border_, all.width - 2 * border_, px(kArrowHeight)}, u"\u25B4", top_ > 0);
    arrow({border_, viewBottom(), all.width - 2 * border_, px(kArrowHeight)}, u"\u25BE",
          last < rowCount() - 1);
}

pw::Result ListPopup::handler(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp) {
    auto* popup = static_cast<ListPopup*>(pw::userData(w));
    if (!popup) return pw::defaultHandler(w, m, wp, lp);
    return popup->onMessage(m, wp, lp);
}

pw::Result ListPopup::onMessage(std::uint32_t m, pw::WParam wp, pw::LParam lp) {
    pw::Handle w = handle_;
    // Rows may have gone while the popup was open (a worker removing menu entries): the
    // hovered row and the first shown never point past the end.
    if (hot_ >= rowCount()) hot_ = -1;
    if (top_ > 0 && top_ >= rowCount()) top_ = std::max(0, maxTop());
    switch (m) {
        case pw::msg::kPaint:
            paint(*pw::paintEventOf(wp)->canvas);
            return 0;
        case pw::msg::kMouseMove: {
            pw::Point p = pw::unpackPoint(lp);
            if (pw::clientToScreen(w, p) != openedAt_) armed_ = true;
            // Resting on an arrow scrolls on, a row at a time.
            if (arrowAt(p) != 0) {
                pw::setTimer(w, kArrowTimer, kArrowRepeatMs);
                return 0;
            }
            std::int32_t i = rowAt(p);
            if (i < 0) return 0;
            if (i != hot_) {
                hot_ = i;
                pw::invalidate(w);
            }
            hoverRow(i);
            return 0;
        }
        case pw::msg::kTimer: {
            std::int32_t arrow = arrowAt(pw::screenToClient(w, pw::cursorPosition()));
            if (wp != kArrowTimer) return 0;
            if (arrow == 0) {
                pw::killTimer(w, kArrowTimer);
                return 0;
            }
            scrollBy(arrow);
            return 0;
        }
        case pw::msg::kLButtonDown:
        case pw::msg::kRButtonDown:
            armed_ = true;
            if (std::int32_t arrow = arrowAt(pw::unpackPoint(lp)); arrow != 0) scrollBy(arrow);
            return 0;
        case pw::msg::kLButtonUp:
        case pw::msg::kRButtonUp: {
            if (!armed_) return 0;
            std::int32_t i = rowAt(pw::unpackPoint(lp));
            if (i >= 0 && rowSelectable(i)) chooseRow(i);
            return 0;
        }
        case pw::msg::kMouseWheel: {
            // A row per notch; the highlight keeps its place in the view, so that Enter takes
            // what is seen.
            std::int32_t notches = pw::wheelDelta(wp) / 120;
            top_ = std::clamp(top_ - notches, 0, maxTop());
            if (rowCount() > 0) hot_ = std::clamp(std::max(hot_, 0) - notches, top_, lastShown());
            pw::invalidate(w);
            return 0;
        }
        case pw::msg::kKeyDown:
            key(static_cast<std::uint32_t>(wp));
            return 0;
        case pw::msg::kChar: {
            std::int32_t row = typeAhead_->typed(
                static_cast<char16_t>(wp), hot_, rowCount(), [this](std::int32_t i) {
                    return rowSelectable(i) ? rowText(i) : std::u16string();
                });
            if (row >= 0) setHot(row);
            return 0;
        }
        case pw::msg::kDestroy:
            pw::killTimer(w, kArrowTimer);
            closing();
            pw::setUserData(w, nullptr);
            return 0;
        default:
            return pw::defaultHandler(w, m, wp, lp);
    }
}

// ---- the reopen guard ------------------------------------------------------------------------

std::int64_t ReopenGuard::now() const {
    return clock_ ? clock_() : platform::monotonicMilliseconds();
}

void ReopenGuard::closed() {
    closed_ = true;
    closedAt_ = now();
}

bool ReopenGuard::holds() const {
    return closed_ && now() - closedAt_ < kGuardMs;
}

}  // namespace s::gui::win
