// Scroll information of one axis of a scroll box: the update after a layout and every scroll.
#pragma once

#include <cstdint>
#include <functional>

#include "gui/IBox.h"
#include "gui/scrollbar/IScrollInfo.h"

namespace s::gui::win {
class ScrollBar;
}

namespace s::gui::scrollbar::win {

class ScrollInfo : public IScrollInfo {
public:
    std::int32_t getContent() const override { return content_; }
    std::int32_t getPage() const override { return page_; }
    std::int32_t getPosition() const override { return position_; }
    bool isScrollable() const override { return scrollable_; }
    void scrollBy(std::int32_t step) override;

    void bind(IBox* view, gui::win::ScrollBar* bar, bool horizontal) {
        view_ = view;
        bar_ = bar;
        horizontal_ = horizontal;
    }
    void reset();
    // A target that scrolls itself (a text area): a scroll by the bar only reports the new
    // position to `mover`, and the target tells the range with setRange.
    void bindMover(std::function<void(std::int32_t position)> mover) { mover_ = std::move(mover); }
    // The range, page and position as the target has them; the bar repaints when they changed.
    void setRange(std::int32_t content, std::int32_t page, std::int32_t position);
    // Recomputes page, content and position from the viewing box (after a layout).
    void update();
    // Disabling moves the content back to where it was before any scrolling.
    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }
    void setFrozen(bool on) { frozen_ = on; }
    void setKeepCentre(bool on) { keepCentre_ = on; }
    void setCentre(std::int32_t centre) {
        centre_ = centre;
        hasCentre_ = true;
    }
    std::int32_t getCentre() const { return centre_; }
    std::int32_t getTotal() const { return total_; }

private:
    IComponent* content() const;
    void moveContent(std::int32_t distance);

    IBox* view_ = nullptr;
    gui::win::ScrollBar* bar_ = nullptr;
    bool horizontal_ = false;
    std::int32_t content_ = 0, page_ = 0, position_ = 0;
    bool scrollable_ = false;
    bool enabled_ = true, frozen_ = false, updating_ = false;
    bool keepCentre_ = false, hasCentre_ = false;
    std::int32_t centre_ = 0;
    std::int32_t total_ = 0;  // sum of every position change, so disabling can undo them
    std::function<void(std::int32_t)> mover_;
};

}  // namespace s::gui::scrollbar::win
