// A picture widget: shows a picture scaled into its rectangle (an icon is 16 x 16).
#pragma once

#include <cstdint>
#include <memory>

#include "gui/win/Component.h"
#include "platform/window/Picture.h"
#include "thread/Pooled.h"

namespace s::gui::win {

class Image : public Component, public thread::Pooled<Image> {
public:
    Image() { resetImage(); }
    const char16_t* typeName() const override { return u"s_gui_win_Image"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Image>::release(); }
    void recycle() override { resetImage(); }

    // The picture is copied; null shows nothing.
    void setPicture(const platform::window::Picture* picture);

protected:
    void paint(platform::window::Canvas& canvas, platform::window::Rect area) override;

private:
    void resetImage();

    std::unique_ptr<platform::window::Picture> picture_;
};

// A picture of size x size pixels; an icon is a 16 x 16 one.
Image* newImage(std::int32_t size, const platform::window::Picture* picture);
Image* newIcon(const platform::window::Picture* picture);

}  // namespace s::gui::win
