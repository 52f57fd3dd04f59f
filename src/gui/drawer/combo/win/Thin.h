// The drop-down list of the skins.
#pragma once

#include "gui/drawer/button/win/Thin.h"
#include "gui/drawer/combo/IThin.h"
#include "gui/drawer/text/win/Basic.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::combo::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    Thin();
    ~Thin() override;
    const char16_t* typeName() const override { return u"s_gui_drawer_combo_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, std::int32_t state, std::u16string_view text, const IFont* font,
               bool enabled = true) override;
    void setColours(Colour text, Colour line) override;
    Colour getTextColour() const override { return text_; }
    Colour getLineColour() const override { return line_; }
    button::IThin* getButtonDrawer() override { return button_; }

private:
    void reset();

    button::win::Thin* button_;
    text::win::Basic* textDrawer_;
    Colour text_ = 0, line_ = 0;
};

}  // namespace s::gui::drawer::combo::win
