// A childless component that takes up room inside rows and columns.
#pragma once

#include <cstdint>

#include "gui/win/Component.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class Spacer : public Component, public thread::Pooled<Spacer> {
public:
    enum Axis : std::int32_t { kHorizontal = 0, kVertical = 1 };

    Spacer() { resetSpacer(); }
    const char16_t* typeName() const override { return u"s_gui_win_Spacer"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Spacer>::release(); }
    void recycle() override { resetSpacer(); }

    std::int32_t getMinWidth() const override;
    std::int32_t getMinHeight() const override;
    std::int32_t getMaxWidth() const override;
    std::int32_t getMaxHeight() const override;
    void setVisible(bool show, bool relayout) override;

    std::int32_t getAxis() const { return axis_; }
    void setHorizontal();
    void setVertical();
    void setPercentWidth(std::int32_t p) { setComponentPercentWidth(p); }
    void setPercentHeight(std::int32_t p) { setComponentPercentHeight(p); }
    void setFixedWidth(std::int32_t w) { fixedWidth_ = w; }
    void setFixedHeight(std::int32_t h) { fixedHeight_ = h; }

private:
    void resetSpacer();
    void exchangeAxes();
    // Inside a box: a vertical spacer in a row answers 0 for widths, a horizontal one in a
    // column 0 for heights.
    bool zeroWidths() const;
    bool zeroHeights() const;

    std::int32_t axis_ = kHorizontal;
};

// A horizontal spacer of fixed width length (axis 0) or a vertical one of fixed height length.
Spacer* newSpacer(std::int32_t axis, std::int32_t length);
// A horizontal spacer as wide as percent of its parent's client width.
Spacer* newStretchSpacer(std::int32_t percent);

}  // namespace s::gui::win
