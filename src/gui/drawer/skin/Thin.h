// The skins of the older "Thin" family, each made from a name and six colours.
#pragma once

#include "gui/drawer/skin/Bundle.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::skin {

class Thin : public Bundle, public thread::Pooled<Thin> {
public:
    const char16_t* typeName() const override { return u"s_gui_drawer_skin_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { clear(); }
};

ISkin* newThinSkin(const std::u16string& name, Colour background, Colour line, Colour text,
                   Colour sliderSecond, Colour counter1, Colour counter2);

}  // namespace s::gui::drawer::skin
