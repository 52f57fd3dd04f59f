// A scroll box: a viewing box larger content is added to, with a vertical bar at its right and
// a horizontal bar below.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/win/Box.h"
#include "gui/win/ScrollBar.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class ScrollBox;

// The viewing box: a plain column that hands pointer drags to its scroll box.
class ScrollView : public BoxBase, public thread::Pooled<ScrollView> {
public:
    ScrollView() { resetBox(); }
    // A box in every respect that matters to its children.
    const char16_t* typeName() const override { return u"s_gui_win_Box"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<ScrollView>::release(); }
    void recycle() override {
        resetBox();
        owner_ = nullptr;
    }
    void setScrollBox(ScrollBox* owner) { owner_ = owner; }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

private:
    ScrollBox* owner_ = nullptr;
};

class ScrollBox : public BoxBase, public thread::Pooled<ScrollBox> {
public:
    // One wheel line scrolls this many pixels.
    static constexpr std::int32_t kWheelLinePixels = 15;

    ScrollBox() { build(); }
    const char16_t* typeName() const override { return u"s_gui_win_ScrollBox"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<ScrollBox>::release(); }
    void recycle() override;

    void layout() override;
    void onEvent(void* source, std::int32_t code) override;

    IBox* getViewBox() const { return view_; }
    ScrollBar* getHorizontalBar() const { return hbar_; }
    ScrollBar* getVerticalBar() const { return vbar_; }
    void setScrollable(bool on);
    void scrollBy(std::int32_t dx, std::int32_t dy);
    // Scrolls the least that brings the area (screen coordinates) into the view, its start
    // first when it is larger than the view.
    void showArea(platform::window::Rect area);
    // PageUp, PageDown, Home and End scroll the content a page or to an end; false for others.
    bool scrollByKey(std::uint32_t key);
    void setKeepCentre(bool on);
    void setCentre(std::int32_t x, std::int32_t y);
    void resetScroll();
    void setFrozen(bool on) override;
    void setDragScroll(bool on) { dragScroll_ = on; }
    void addWheelListener(events::IEventListener* listener) {
        addListenerTo(scrollWheelListeners_, listener);
    }
    // Recomputes both axes (after a layout and after the content changed).
    void updateBars();

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;
    // Pointer drags on the viewing box (screen coordinates); answers whether it took them.
    bool onViewPointer(std::uint32_t message, platform::window::Point screen);

private:
    void build();
    void wheel(std::int32_t lines);

    ScrollView* view_ = nullptr;
    Box* row_ = nullptr;
    Box* outer_ = nullptr;
    ScrollBar* hbar_ = nullptr;
    ScrollBar* vbar_ = nullptr;
    bool dragScroll_ = false;
    bool dragging_ = false;
    platform::window::Point pressAt_, lastAt_;
    std::vector<events::IEventListener*> scrollWheelListeners_;
};

// Percentages of 0 or more become the scroll box's percentage width and height.
ScrollBox* newScrollBox(std::int32_t percentWidth, std::int32_t percentHeight);

}  // namespace s::gui::win
