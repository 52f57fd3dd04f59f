// A round option: white disc in a ring of the line colour, a dot when chosen.
#pragma once

#include "gui/drawer/MarkedText.h"
#include "gui/drawer/radiobutton/IThin.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::radiobutton::win {

class Thin : public MarkedText<IThin>, public thread::Pooled<Thin> {
public:
    const char16_t* typeName() const override { return u"s_gui_drawer_radiobutton_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { resetMarked(); }

protected:
    void paintMark(Canvas& picture, std::int32_t x, std::int32_t y, std::int32_t s, bool checked,
                   Colour line) override;
};

}  // namespace s::gui::drawer::radiobutton::win
