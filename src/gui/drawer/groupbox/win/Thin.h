// The group-box frame of the skins: two pixels wide with rounded corners and a title gap.
#pragma once

#include "gui/drawer/groupbox/IThin.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::groupbox::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    // The title starts this far from the left edge.
    static constexpr std::int32_t kTitleX = 9;

    Thin() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_groupbox_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::u16string_view title, const IFont* font,
               std::int32_t titleWidth, std::int32_t titleHeight) override;
    void measureTitle(std::u16string_view title, const IFont* font, std::int32_t* width,
                      std::int32_t* height) override;
    void setLineColour(Colour colour) override { line_ = colour; }
    Colour getLineColour() const override { return line_; }
    void setTitleColours(Colour text, Colour second) override {
        title_ = text;
        second_ = second;
    }
    Colour getTitleColour() const override { return title_; }

protected:
    // The frame around the w x h rectangle at (left, top), leaving the gap for a title
    // titleWidth wide.
    virtual void paintFrame(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t w,
                            std::int32_t h, std::int32_t titleWidth);

    Colour line_ = 0;

private:
    void reset();

    Colour title_ = 0, second_ = 0;
};

}  // namespace s::gui::drawer::groupbox::win
