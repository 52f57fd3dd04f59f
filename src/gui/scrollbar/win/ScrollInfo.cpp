// The scroll arithmetic of one axis.
#include "gui/scrollbar/win/ScrollInfo.h"

#include <algorithm>

#include "gui/RoundAway.h"
#include "gui/win/ScrollBar.h"
#include "platform/window/Window.h"

namespace s::gui::scrollbar::win {

void ScrollInfo::reset() {
    content_ = page_ = position_ = 0;
    scrollable_ = false;
    enabled_ = true;
    frozen_ = updating_ = keepCentre_ = hasCentre_ = false;
    centre_ = total_ = 0;
    mover_ = nullptr;
}

void ScrollInfo::setRange(std::int32_t content, std::int32_t page, std::int32_t position) {
    if (content == content_ && page == page_ && position == position_) return;
    content_ = content;
    page_ = page;
    position_ = position;
    scrollable_ = page < content;
    if (bar_) bar_->repaint();
}

IComponent* ScrollInfo::content() const {
    if (!view_ || view_->getChildCount() == 0) return nullptr;
    return view_->getChild(0);
}

void ScrollInfo::moveContent(std::int32_t distance) {
    IComponent* c = content();
    if (!c || distance == 0) return;
    if (horizontal_) {
        c->moveOrigin(distance, 0);
    } else {
        c->moveOrigin(0, distance);
    }
}

void ScrollInfo::update() {
    if (updating_ || !enabled_ || frozen_ || !view_ || view_->getClientHeight() == 0) return;
    updating_ = true;
    const std::int32_t oldPage = page_, oldPosition = position_;
    // 1. Page and content.
    std::int32_t page = view_->getClientHeight();
    if (horizontal_) {
        page = view_->getClientWidth();
        platform::window::Handle native = view_->getNativeWindow();
        if (native != platform::window::kNoWindow) {
            page = std::max(page, platform::window::windowRect(native).width);
        }
    }
    IComponent* c = content();
    std::int32_t content = c ? (horizontal_ ? c->getWidth() : c->getHeight()) : 0;
    if (keepCentre_ && (!hasCentre_ || !scrollable_)) setCentre(content / 2);
    // 2. Scrollable or not, and the new position.
    std::int32_t position = 0;
    if (page < content) {
        scrollable_ = true;
        if (keepCentre_) {
            position = std::max(roundAway(centre_ - page / 2.0), 0);
        } else if (oldPage >= 1 && oldPosition >= 1) {
            position = roundAway(static_cast<double>(page) * oldPosition / oldPage);
        } else {
            position = oldPosition;
        }
        position = std::min(position, content - page);
    } else {
        scrollable_ = false;
    }
    // 3. The stored range, page and position.
    content_ = content;
    page_ = page;
    position_ = position;
    // 4. The content follows the position.
    moveContent(oldPosition - position);
    total_ += position - oldPosition;
    // 5. The bar shows while there is something to scroll.
    if (bar_) {
        if (bar_->isVisibleFlag() != scrollable_) bar_->setVisible(scrollable_, true);
        view_->layout();
        bar_->repaint();
    }
    updating_ = false;
}

void ScrollInfo::scrollBy(std::int32_t step) {
    if (!enabled_) return;
    // Cut so that the position stays within 0..content - page.
    std::int32_t limit = std::max(content_ - page_, 0);
    std::int32_t target = std::clamp(position_ + step, 0, limit);
    step = target - position_;
    if (step == 0) return;
    position_ = target;
    if (mover_) {
        mover_(position_);
        if (bar_) bar_->repaint();
        return;
    }
    moveContent(-step);
    total_ += step;
    if (keepCentre_) centre_ += step;
    if (bar_) bar_->repaint();
}

void ScrollInfo::setEnabled(bool on) {
    if (enabled_ && !on) {
        moveContent(total_);
        total_ = 0;
        position_ = 0;
    }
    enabled_ = on;
}

}  // namespace s::gui::scrollbar::win
