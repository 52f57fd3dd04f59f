// The picture widget: a private copy of the picture, scaled into the client area.
#include "gui/win/Image.h"

namespace pw = platform::window;

namespace s::gui::win {

void Image::resetImage() {
    resetComponent();
    picture_.reset();
    transparent_ = true;
}

void Image::setPicture(const pw::Picture* picture) {
    if (handOff([&] { setPicture(picture); })) return;
    picture_.reset();
    if (picture && picture->valid()) {
        picture_ = std::make_unique<pw::Picture>(picture->width(), picture->height());
        picture_->canvas().drawPicture(*picture, {0, 0, picture->width(), picture->height()},
                                       {0, 0, picture->width(), picture->height()});
    }
    repaint();
}

void Image::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    if (!picture_) return;
    canvas.drawPicture(*picture_, {0, 0, picture_->width(), picture_->height()},
                       {0, 0, width_, height_});
}

Image* newImage(std::int32_t size, const pw::Picture* picture) {
    Image* image = Image::create();
    image->setComponentFixedWidth(size);
    image->setComponentFixedHeight(size);
    image->setPicture(picture);
    return image;
}

Image* newIcon(const pw::Picture* picture) {
    return newImage(16, picture);
}

}  // namespace s::gui::win
