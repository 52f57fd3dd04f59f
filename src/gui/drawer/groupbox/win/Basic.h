// The plain group box: a one-pixel square frame with the same title gap and title.
#pragma once

#include "gui/drawer/groupbox/IBasic.h"
#include "gui/drawer/groupbox/win/Thin.h"

namespace s::gui::drawer::groupbox::win {

class Basic : public Thin, public thread::ClassPool<Basic> {
public:
    using thread::ClassPool<Basic>::create;
    const char16_t* typeName() const override { return u"s_gui_drawer_groupbox_win_Basic"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::ClassPool<Basic>::pool().giveBack(this); }

protected:
    void paintFrame(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t w,
                    std::int32_t h, std::int32_t titleWidth) override;
};

}  // namespace s::gui::drawer::groupbox::win
