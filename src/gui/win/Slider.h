// A slider: a track with a thumb the user drags or clicks to a position in the range.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/win/Component.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class Slider : public Component, public thread::Pooled<Slider> {
public:
    Slider() { resetSlider(); }
    const char16_t* typeName() const override { return u"s_gui_win_Slider"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Slider>::release(); }
    void recycle() override { resetSlider(); }

    void setRange(std::int32_t minimum, std::int32_t maximum);
    void setPosition(std::int32_t position);
    std::int32_t getPosition() const { return position_; }
    std::int32_t getMinimum() const { return minimum_; }
    std::int32_t getMaximum() const { return maximum_; }
    void setVertical(bool on) { vertical_ = on; }
    // Code 1 on every change the user makes.
    void addChangeListener(events::IEventListener* l) { addListenerTo(listeners_, l); }

    platform::window::Result handleMessage(platform::window::Handle window, std::uint32_t message,
                                           platform::window::WParam wparam,
                                           platform::window::LParam lparam) override;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    // The skin's drawers paint it: a change of skin repaints.
    bool followsSkin() const override { return true; }
    void onEvent(void* source, std::int32_t code) override;

private:
    void resetSlider();
    void userMoveTo(platform::window::LParam point);

    std::int32_t minimum_ = 0, maximum_ = 100, position_ = 0;
    bool vertical_ = false;
    bool dragging_ = false;
    std::vector<events::IEventListener*> listeners_;
};

Slider* newSlider(std::int32_t minimum, std::int32_t maximum, std::int32_t width);

}  // namespace s::gui::win
