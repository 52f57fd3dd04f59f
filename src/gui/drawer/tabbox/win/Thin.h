// The tab box of the skins.
#pragma once

#include "gui/drawer/tabbox/IThin.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::tabbox::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    Thin() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_tabbox_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
    void paintTab(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom, std::u16string_view text, const IFont* font,
                  bool selected) override;
    void setLineColour(Colour colour) override { line_ = colour; }
    Colour getLineColour() const override { return line_; }
    void setFontColours(Colour text, Colour selected) override {
        text_ = text;
        selected_ = selected;
    }
    Colour getTextColour() const override { return text_; }

private:
    void reset();

    Colour line_ = 0, text_ = 0, selected_ = 0;
};

}  // namespace s::gui::drawer::tabbox::win
