// A one-pixel frame in the line colour.
#pragma once

#include "gui/drawer/border/IPlain.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::border::win {

class Plain : public IPlain, public thread::Pooled<Plain> {
public:
    Plain() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_border_win_Plain"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Plain>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
    void setLineColour(Colour colour) override { line_ = colour; }
    Colour getLineColour() const override { return line_; }
    void paintBorder(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                     std::int32_t bottom, const ISkin* skin) override;

private:
    void reset() { line_ = platform::window::rgb(68, 68, 68); }

    Colour line_;
};

}  // namespace s::gui::drawer::border::win
