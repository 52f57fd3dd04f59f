// A square check box: white box, two-pixel frame, black check mark.
#pragma once

#include "gui/drawer/checkbox/IThin.h"
#include "gui/drawer/text/win/Basic.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::checkbox::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    Thin() : text_(text::win::Basic::create()) { reset(); }
    ~Thin() override { text_->release(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_checkbox_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

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

private:
    void reset();

    text::win::Basic* text_;
    Colour line_ = 0, textColour_ = 0, extra_ = 0;
};

}  // namespace s::gui::drawer::checkbox::win
