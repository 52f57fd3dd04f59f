// The skins of the "ThinWindow" family: self-painted windows with square corners, each made
// from a name and fifteen colours.
#pragma once

#include "gui/drawer/skin/Bundle.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::skin {

class ThinWindow : public Bundle, public thread::Pooled<ThinWindow> {
public:
    const char16_t* typeName() const override { return u"s_gui_drawer_skin_ThinWindow"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<ThinWindow>::release(); }
    void recycle() override { clear(); }
};

// A skin from its fifteen colours (0x00BBGGRR), numbered as in the theme table: 1 window
// background, 2 window frame, 3 to 5 button and line colours, 6 text, and so on.
ISkin* newThinWindowSkin(const std::u16string& name, Colour c1, Colour c2, Colour c3, Colour c4,
                         Colour c5, Colour c6, Colour c7, Colour c8, Colour c9, Colour c10,
                         Colour c11, Colour c12, Colour c13, Colour c14, Colour c15);

}  // namespace s::gui::drawer::skin
