// A small picture for drawer tests, filled with a colour no drawer uses, and its rows as text.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window/Picture.h"

namespace s::gui::testing {

constexpr platform::window::Colour kUnpainted = platform::window::rgb(1, 2, 3);

struct Pixels {
    platform::window::Picture picture;
    platform::window::Canvas canvas;

    Pixels(std::int32_t w, std::int32_t h) : picture(w, h), canvas(picture, {0, 0}, {0, 0, w, h}) {
        canvas.fillRect(0, 0, w, h, kUnpainted);
    }
    platform::window::Colour at(std::int32_t x, std::int32_t y) const {
        return picture.colourAt(x, y);
    }
    // Row y from x0 to x1 (exclusive): '#' where the pixel has colour `on`, '.' elsewhere.
    std::string row(std::int32_t y, platform::window::Colour on, std::int32_t x0 = 0,
                    std::int32_t x1 = -1) const {
        if (x1 < 0) x1 = picture.width();
        std::string s;
        for (std::int32_t x = x0; x < x1; ++x) s += at(x, y) == on ? '#' : '.';
        return s;
    }
    // Pixels of colour `on` in the whole picture.
    std::int32_t count(platform::window::Colour on) const {
        std::int32_t n = 0;
        for (std::int32_t y = 0; y < picture.height(); ++y)
            for (std::int32_t x = 0; x < picture.width(); ++x) n += at(x, y) == on;
        return n;
    }
};

}  // namespace s::gui::testing
