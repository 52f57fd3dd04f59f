// The two lines at the top of the box below a menu bar.
#pragma once

#include "gui/drawer/border/IUnderWindowMenu.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::border::win {

class UnderWindowMenu : public IUnderWindowMenu, public thread::Pooled<UnderWindowMenu> {
public:
    const char16_t* typeName() const override { return u"s_gui_drawer_border_win_UnderWindowMenu"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<UnderWindowMenu>::release(); }
    void recycle() override {}

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
    void paintBorder(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                     std::int32_t bottom, const ISkin*) override {
        paint(picture, left, top, right, bottom);
    }
};

}  // namespace s::gui::drawer::border::win
