// The painting and measuring of a mark with a text beside it, shared by the check-box and
// radio-button drawers; each paints only its own mark.
#pragma once

#include "gui/drawer/IMarkedText.h"
#include "gui/drawer/text/win/Basic.h"

namespace s::gui::drawer {

// Interface is checkbox::IThin or radiobutton::IThin (instantiated for both in the .cpp).
template <class Interface>
class MarkedText : public Interface {
public:
    MarkedText() : text_(text::win::Basic::create()) { resetMarked(); }
    ~MarkedText() override { text_->release(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t side, bool checked, std::u16string_view text,
               const IFont* font, bool enabled = true) override;
    void measure(std::u16string_view text, const IFont* font, std::int32_t side,
                 std::int32_t* minimumWidth, std::int32_t* minimumHeight,
                 std::int32_t* naturalWidth, std::int32_t* naturalHeight) override;
    void setColours(Colour line, Colour text, Colour extra) override;
    Colour getLineColour() const override { return line_; }
    Colour getTextColour() const override { return textColour_; }
    Colour getExtraColour() const override { return extra_; }
    text::IBasic* getTextDrawer() override { return text_; }

protected:
    // The mark in the square at (x, y) of side s (s > 0), framed in `line`.
    virtual void paintMark(Canvas& picture, std::int32_t x, std::int32_t y, std::int32_t s,
                           bool checked, Colour line) = 0;
    // Back to the default colours (the white theme's).
    void resetMarked();

private:
    text::win::Basic* text_;
    Colour line_ = 0, textColour_ = 0, extra_ = 0;
};

}  // namespace s::gui::drawer
