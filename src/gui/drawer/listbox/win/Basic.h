// The plain list box: the skins' list without the stripes.
#pragma once

#include "gui/drawer/listbox/IBasic.h"
#include "gui/drawer/listbox/win/Thin.h"

namespace s::gui::drawer::listbox::win {

class Basic : public Thin, public thread::ClassPool<Basic> {
public:
    using thread::ClassPool<Basic>::create;
    const char16_t* typeName() const override { return u"s_gui_drawer_listbox_win_Basic"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::ClassPool<Basic>::pool().giveBack(this); }

protected:
    // Every row on the background; the selected one on the line colour.
    Colour rowGround(std::int32_t, bool selected) const override {
        return selected ? colours_[2] : colours_[0];
    }
};

}  // namespace s::gui::drawer::listbox::win
