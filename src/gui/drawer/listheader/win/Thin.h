// The list header of the skins: headings on the second colour, separated by lines.
#pragma once

#include "gui/drawer/listheader/IThin.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::listheader::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    Thin() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_listheader_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::u16string_view text, const IFont* font,
               std::int32_t state) override;
    void setColours(Colour line, Colour second, Colour text) override;
    Colour getLineColour() const override { return line_; }
    Colour getSecondColour() const override { return second_; }
    Colour getTextColour() const override { return text_; }

private:
    void reset();

    Colour line_ = 0, second_ = 0, text_ = 0;
};

}  // namespace s::gui::drawer::listheader::win
