// A progress bar: range and position kept in the widget and shown once it is attached.
#pragma once

#include <cstdint>

#include "gui/win/Component.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class ProgressBar : public Component, public thread::Pooled<ProgressBar> {
public:
    ProgressBar() { resetBar(); }
    const char16_t* typeName() const override { return u"s_gui_win_ProgressBar"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<ProgressBar>::release(); }
    void recycle() override { resetBar(); }

    void setRange(std::int32_t minimum, std::int32_t maximum);
    void setPosition(std::int32_t position);
    std::int32_t getPosition() const { return position_; }
    std::int32_t getMinimum() const { return minimum_; }
    std::int32_t getMaximum() const { return maximum_; }
    // Filled width for a client width: empty when the range is empty or inverted.
    std::int32_t filledWidth(std::int32_t width) const;

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;
    // The skin's drawers paint it: a change of skin repaints.
    bool followsSkin() const override { return true; }
    void onEvent(void* source, std::int32_t code) override;

private:
    void resetBar();

    std::int32_t minimum_ = 0, maximum_ = 100, position_ = 0;
};

// Fixed width 100, fixed height 16.
ProgressBar* newProgressBar();

}  // namespace s::gui::win
