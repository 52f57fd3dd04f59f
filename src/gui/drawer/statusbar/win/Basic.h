// The plain status bar: a fixed shading from top to bottom, and the grip when asked.
#pragma once

#include "gui/drawer/statusbar/IBasic.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::statusbar::win {

class Basic : public IBasic, public thread::Pooled<Basic> {
public:
    Basic() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_statusbar_win_Basic"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Basic>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
    void setResizer(bool on) override { resizer_ = on; }
    bool hasResizer() const override { return resizer_; }

private:
    void reset() { resizer_ = false; }

    bool resizer_ = false;
};

}  // namespace s::gui::drawer::statusbar::win
