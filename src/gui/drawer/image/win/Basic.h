// Paints a picture scaled into its rectangle.
#pragma once

#include "gui/drawer/image/IBasic.h"
#include "thread/Pooled.h"

namespace s::gui::drawer::image::win {

class Basic : public IBasic, public thread::Pooled<Basic> {
public:
    const char16_t* typeName() const override { return u"s_gui_drawer_image_win_Basic"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Basic>::release(); }
    void recycle() override {}

    void paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom, const platform::window::Picture& image) override {
        if (emptyArea(left, top, right, bottom) || !image.valid()) return;
        picture.drawPicture(image, {0, 0, image.width(), image.height()},
                            {left, top, right - left, bottom - top});
    }
};

}  // namespace s::gui::drawer::image::win
