// Pictures (32-bit image surfaces with alpha) and the canvas that paints into them.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window/Text.h"
#include "platform/window/Types.h"

namespace platform::window {

class Canvas;

// A picture of width x height pixels, 32 bits each (alpha, red, green, blue, premultiplied, in
// native byte order). A new picture is transparent black. Moves, does not copy.
class Picture {
public:
    Picture() = default;
    Picture(std::int32_t width, std::int32_t height);
    ~Picture();
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool valid() const { return surface_ != nullptr; }
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    // Makes the picture width x height (contents lost); false when the size is not positive.
    bool reset(std::int32_t width, std::int32_t height);

    // Pixel access: 0x00BBGGRR of an opaque pixel (alpha ignored), and the raw premultiplied
    // 0xAARRGGBB value. Points outside answer 0.
    Colour colourAt(std::int32_t x, std::int32_t y) const;
    std::uint32_t argbAt(std::int32_t x, std::int32_t y) const;
    std::uint8_t* data();  // rows of stride() bytes; call markDirty() after writing
    std::int32_t stride() const;
    void markDirty();

    Canvas canvas();  // paints into the whole picture

    void* nativeSurface() const { return surface_; }  // the layer's own use

private:
    void* surface_ = nullptr;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

// Paints into a picture through an origin and a clip rectangle. Coordinates are relative to the
// origin; nothing is painted outside the clip. Pixel-exact: no antialiasing except for text.
class Canvas {
public:
    Canvas(Picture& target, Point origin, Rect clip);  // clip in target coordinates
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&&) = delete;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Picture& target() { return *target_; }
    Point origin() const { return origin_; }
    Rect clip() const;  // in canvas coordinates

    // Narrows the clip to a rectangle (canvas coordinates) until the matching popClip.
    void pushClip(Rect area);
    void popClip();

    void fillRect(Rect area, Colour colour);
    void fillRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Colour c) {
        fillRect(Rect{x, y, w, h}, c);
    }
    // Moves what is beneath halfway towards the colour (a disabled part's faded look).
    void fadeRect(Rect area, Colour colour);
    void frameRect(Rect area, Colour colour, std::int32_t thickness = 1);
    void setPixel(std::int32_t x, std::int32_t y, Colour colour);
    void fillEllipse(Rect area, Colour colour);
    // Copies a block of a picture here, replacing what is beneath (alpha included).
    void copyPicture(const Picture& source, Rect sourceArea, Point to);
    // Paints a picture over what is beneath (its alpha blends), scaled into `to` when sizes differ.
    void drawPicture(const Picture& source, Rect sourceArea, Rect to);
    // Text inside a rectangle with TextFlags; answers the size the text took.
    Size drawText(Rect area, std::u16string_view text, const Font& font, Colour colour,
                  std::uint32_t flags = 0);

    void* nativeContext() const { return cr_; }  // the layer's own use

private:
    Picture* target_;
    Point origin_;
    void* cr_ = nullptr;
    int clipDepth_ = 0;
};

// The wparam of kPaint: paint the window's client area through `canvas` (origin at the window's
// top-left corner, clipped to its visible part and the invalid area). `area` is the invalid area
// in client coordinates.
struct PaintEvent {
    Canvas* canvas;
    Rect area;
};
inline PaintEvent* paintEventOf(WParam w) {
    return reinterpret_cast<PaintEvent*>(w);
}

}  // namespace platform::window
