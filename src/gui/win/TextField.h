// A one-line text field.
#pragma once

#include "gui/win/EditBase.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class TextField : public EditBase, public thread::Pooled<TextField> {
public:
    TextField() : EditBase(false) { resetEdit(); }
    const char16_t* typeName() const override { return u"s_gui_win_TextField"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<TextField>::release(); }
    void recycle() override { resetEdit(); }
};

// An empty field; percentWidth 0 or more sets its width as a share of the parent's.
TextField* newTextField(std::int32_t percentWidth);

}  // namespace s::gui::win
