// The scroll bar of the skins.
#pragma once

#include "gui/drawer/border/win/Thin.h"
#include "gui/drawer/button/win/Thin.h"
#include "gui/drawer/scrollbar/IThin.h"
#include "platform/window/Scale.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::scrollbar::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    static constexpr std::int32_t kMinimumThumb = 11;

    Thin();
    ~Thin() override;
    const char16_t* typeName() const override { return u"s_gui_drawer_scrollbar_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t orientation, std::int32_t content,
               std::int32_t page, std::int32_t position, bool otherShown,
               std::int32_t firstArrowState, std::int32_t thumbState, std::int32_t secondArrowState,
               Colour pageColour = kDrawerColour) override;
    Geometry geometry(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                      std::int32_t orientation, std::int32_t content, std::int32_t page,
                      std::int32_t position, bool otherShown) const override;
    std::int32_t hitTest(platform::window::Point point, std::int32_t left, std::int32_t top,
                         std::int32_t right, std::int32_t bottom, std::int32_t orientation,
                         std::int32_t content, std::int32_t page, std::int32_t position,
                         bool otherShown) const override;
    std::int32_t dragPosition(std::int32_t distance, std::int32_t startPosition, std::int32_t left,
                              std::int32_t top, std::int32_t right, std::int32_t bottom,
                              std::int32_t orientation, std::int32_t content, std::int32_t page,
                              bool otherShown) const override;

    // Kept at 96 dpi: read at the scale factor in use.
    std::int32_t getThickness() const override { return platform::window::scaled(thickness_); }
    void setThickness(std::int32_t thickness) override { thickness_ = thickness; }
    void setLineColour(Colour colour) override;
    Colour getLineColour() const override { return line_; }
    void setPageColour(Colour colour) override { page_ = colour; }
    Colour getPageColour() const override { return page_; }
    void setBackgroundMode(std::int32_t mode) override { mode_ = mode; }
    std::int32_t getBackgroundMode() const override { return mode_; }

private:
    void reset();

    button::win::Thin* button_;
    border::win::Thin* border_;
    Colour line_ = 0, page_ = 0;
    std::int32_t thickness_ = 15;
    std::int32_t mode_ = 1;
};

}  // namespace s::gui::drawer::scrollbar::win
