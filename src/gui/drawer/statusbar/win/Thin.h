// The status bar of the skins paints nothing: the window background shows through.
#pragma once

#include "gui/drawer/statusbar/IThin.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::statusbar::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    Thin() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_statusbar_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas&, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void setLineColour(Colour colour) override { line_ = colour; }
    Colour getLineColour() const override { return line_; }

private:
    void reset() { line_ = platform::window::rgb(68, 68, 68); }

    Colour line_ = 0;
};

}  // namespace s::gui::drawer::statusbar::win
