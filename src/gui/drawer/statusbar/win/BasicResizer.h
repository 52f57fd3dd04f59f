// The status bar's resize grip alone.
#pragma once

#include "gui/drawer/statusbar/IBasicResizer.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::statusbar::win {

class BasicResizer : public IBasicResizer, public thread::Pooled<BasicResizer> {
public:
    const char16_t* typeName() const override { return u"s_gui_drawer_statusbar_win_BasicResizer"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<BasicResizer>::release(); }
    void recycle() override {}

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
};

}  // namespace s::gui::drawer::statusbar::win
