// A multi-line text area: wraps at its width and scrolls vertically.
#pragma once

#include "gui/win/EditBase.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class TextEdit : public EditBase, public thread::Pooled<TextEdit> {
public:
    TextEdit() : EditBase(true) { resetEdit(); }
    const char16_t* typeName() const override { return u"s_gui_win_TextEdit"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<TextEdit>::release(); }
    void recycle() override { resetEdit(); }
};

// An empty area of the given share of the parent's width (when 0 or more) and all its height.
TextEdit* newTextEdit(std::int32_t percentWidth);

}  // namespace s::gui::win
