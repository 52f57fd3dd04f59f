// The scroll box: its parts, the bar updates after layouts, wheel and drag scrolling.
#include "gui/win/ScrollBox.h"

#include <algorithm>

#include "platform/window/Edit.h"

namespace pw = platform::window;

namespace s::gui::win {

pw::Result ScrollView::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                     pw::LParam lparam) {
    if (owner_ && (message == pw::msg::kLButtonDown || message == pw::msg::kMouseMove ||
                   message == pw::msg::kLButtonUp)) {
        pw::Point screen = pw::clientToScreen(window, pw::unpackPoint(lparam));
        if (owner_->onViewPointer(message, screen)) return 0;
    }
    return BoxBase::handleMessage(window, message, wparam, lparam);
}

void ScrollBox::build() {
    resetBox();
    layoutPile();
    view_ = ScrollView::create();
    view_->setScrollBox(this);
    view_->setPercentWidth(100, false);
    view_->setPercentHeight(100, false);
    vbar_ = newScrollBar(1, 100);
    hbar_ = newScrollBar(0, 100);
    for (ScrollBar* bar : {vbar_, hbar_}) {
        bar->setVisible(false, false);
        bar->setTarget(view_);
    }
    hbar_->setOtherBar(vbar_);
    row_ = newBox(100, 100, 0, 0, -1, -1, -1, -1, layout::kRow);
    row_->add(view_);
    row_->add(vbar_);
    outer_ = newBox(100, 100, 0, 0, -1, -1, -1, -1, layout::kColumn);
    outer_->add(row_);
    outer_->add(hbar_);
    BoxBase::add(outer_);
    // Content changes lay the view out: the bars follow.
    view_->addLayoutListener(this);
    dragScroll_ = dragging_ = false;
    scrollWheelListeners_.clear();
}

void ScrollBox::recycle() {
    removeAll(true);
    build();
}

void ScrollBox::layout() {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        pw::send(native_, kMsgLayout);  // the handler runs this on the owner thread
        return;
    }
    BoxBase::layout();
    updateBars();
}

void ScrollBox::onEvent(void* source, std::int32_t code) {
    if (source == eventSource(view_) && code == boxevent::kLayout) updateBars();
}

void ScrollBox::updateBars() {
    if (!view_) return;
    for (int pass = 0; pass < 2; ++pass) {
        bool vShown = vbar_->isVisibleFlag(), hShown = hbar_->isVisibleFlag();
        vbar_->info().update();
        hbar_->info().update();
        // A bar that appeared or went changes the other axis' page: once more.
        if (vShown == vbar_->isVisibleFlag() && hShown == hbar_->isVisibleFlag()) break;
    }
}

void ScrollBox::setScrollable(bool on) {
    // The owner thread scrolls and paints: the positions change there only.
    if (handOff([&] { setScrollable(on); })) return;
    hbar_->info().setEnabled(on);
    vbar_->info().setEnabled(on);
    view_->setNoMinWidth(true);
    view_->setNoMinHeight(true);
    layout();
}

void ScrollBox::scrollBy(std::int32_t dx, std::int32_t dy) {
    if (dx) hbar_->scrollBy(dx);
    if (dy) vbar_->scrollBy(dy);
}

namespace {

// The least move of a view [from, from + length) that shows [at, at + size), its start first.
std::int32_t revealStep(std::int32_t from, std::int32_t length, std::int32_t at,
                        std::int32_t size) {
    if (at < from || size > length) return at - from;
    if (at + size > from + length) return at + size - (from + length);
    return 0;
}

}  // namespace

void ScrollBox::showArea(pw::Rect area) {
    if (handOff([&] { showArea(area); })) return;
    pw::Handle view = view_->getNativeWindow();
    if (view == pw::kNoWindow) return;
    pw::Rect v = pw::screenRect(view);
    std::int32_t dx = hbar_->isVisibleFlag() ? revealStep(v.x, v.width, area.x, area.width) : 0;
    std::int32_t dy = vbar_->isVisibleFlag() ? revealStep(v.y, v.height, area.y, area.height) : 0;
    scrollBy(dx, dy);
}

bool ScrollBox::scrollByKey(std::uint32_t key) {
    if (!vbar_->isVisibleFlag()) return false;
    std::int32_t page = std::max(view_->getHeight() - 2 * kWheelLinePixels, kWheelLinePixels);
    std::int32_t position = vbar_->info().getPosition();
    switch (key) {
        case pw::vk::kPageUp:
            vbar_->scrollBy(-page);
            return true;
        case pw::vk::kPageDown:
            vbar_->scrollBy(page);
            return true;
        case pw::vk::kHome:
            vbar_->scrollBy(-position);
            return true;
        case pw::vk::kEnd:
            vbar_->scrollBy(vbar_->info().getContent() - position);
            return true;
        default:
            return false;
    }
}

void ScrollBox::setKeepCentre(bool on) {
    hbar_->info().setKeepCentre(on);
    vbar_->info().setKeepCentre(on);
}

void ScrollBox::setCentre(std::int32_t x, std::int32_t y) {
    hbar_->info().setCentre(x);
    vbar_->info().setCentre(y);
}

void ScrollBox::resetScroll() {
    if (handOff([&] { resetScroll(); })) return;
    scrollBy(-hbar_->info().getPosition(), -vbar_->info().getPosition());
}

void ScrollBox::setFrozen(bool on) {
    hbar_->info().setFrozen(on);
    vbar_->info().setFrozen(on);
}

void ScrollBox::wheel(std::int32_t lines) {
    wheelLines_ = lines;
    if (!scrollWheelListeners_.empty()) {
        fire(scrollWheelListeners_, boxevent::kWheel);
        return;
    }
    // A turn away from the user moves towards the start.
    std::int32_t step = -px(kWheelLinePixels) * lines;
    if (vbar_->isVisibleFlag()) {
        vbar_->scrollBy(step);
    } else {
        hbar_->scrollBy(step);
    }
}

bool ScrollBox::onViewPointer(std::uint32_t message, pw::Point screen) {
    if (!dragScroll_) return false;
    pw::Handle view = view_->getNativeWindow();
    switch (message) {
        case pw::msg::kLButtonDown:
            dragging_ = true;
            pressAt_ = lastAt_ = screen;
            pw::setCapture(view);
            return true;
        case pw::msg::kMouseMove:
            if (!dragging_) return false;
            scrollBy(lastAt_.x - screen.x, lastAt_.y - screen.y);
            lastAt_ = screen;
            return true;
        case pw::msg::kLButtonUp: {
            if (!dragging_) return false;
            dragging_ = false;
            if (pw::capture() == view) pw::releaseCapture();
            if (screen == pressAt_) {
                // A click without movement centres the view on that point.
                pw::Rect r = pw::screenRect(view);
                scrollBy(screen.x - r.width / 2 - r.x, screen.y - r.height / 2 - r.y);
            }
            return true;
        }
        default:
            return false;
    }
}

pw::Result ScrollBox::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                    pw::LParam lparam) {
    if (message == pw::msg::kMouseWheel) {
        wheel(pw::wheelLines(wparam));
        return 1;
    }
    // Keys no widget used: the page keys scroll unless a text control has the focus (its
    // single-line field leaves them unused, and they are not the page's there).
    if (message == pw::msg::kKeyDown && !pw::isEdit(pw::focus()) &&
        !pw::isKeyDown(pw::vk::kControl) && !pw::isKeyDown(pw::vk::kAlt) &&
        scrollByKey(static_cast<std::uint32_t>(wparam))) {
        return 0;
    }
    return BoxBase::handleMessage(window, message, wparam, lparam);
}

ScrollBox* newScrollBox(std::int32_t percentWidth, std::int32_t percentHeight) {
    ScrollBox* box = ScrollBox::create();
    if (percentWidth >= 0) box->setPercentWidth(percentWidth, false);
    if (percentHeight >= 0) box->setPercentHeight(percentHeight, false);
    return box;
}

}  // namespace s::gui::win
