// The list box of the skins.
#pragma once

#include "gui/drawer/listbox/IThin.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::listbox::win {

class Thin : public IThin, public thread::Pooled<Thin> {
public:
    Thin() { reset(); }
    const char16_t* typeName() const override { return u"s_gui_drawer_listbox_win_Thin"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Thin>::release(); }
    void recycle() override { reset(); }

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) override;
    void paintRow(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom, std::u16string_view text, const IFont* font,
                  std::int32_t index, bool selected) override;
    void setColours(Colour colour1, Colour colour2, Colour colour3, Colour colour4,
                    Colour colour5) override;
    Colour getColour(std::int32_t index) const override;

protected:
    // The ground of row `index`: the line colour when selected, else the background, every
    // odd row in the stripe colour.
    virtual Colour rowGround(std::int32_t index, bool selected) const;

    Colour colours_[5];

private:
    void reset();
};

}  // namespace s::gui::drawer::listbox::win
