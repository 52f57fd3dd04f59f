// Pictures as Cairo ARGB32 image surfaces and the canvas that paints into them.
#include "platform/window/Picture.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <utility>

#include "detail/PangoText.h"

namespace platform::window {

namespace {
cairo_surface_t* surf(void* s) {
    return static_cast<cairo_surface_t*>(s);
}
cairo_t* ctx(void* c) {
    return static_cast<cairo_t*>(c);
}
void setColour(cairo_t* cr, Colour c) {
    cairo_set_source_rgb(cr, red(c) / 255.0, green(c) / 255.0, blue(c) / 255.0);
}
}  // namespace

Picture::Picture(std::int32_t width, std::int32_t height) {
    reset(width, height);
}

Picture::~Picture() {
    if (surface_) cairo_surface_destroy(surf(surface_));
}

Picture::Picture(Picture&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this != &other) {
        if (surface_) cairo_surface_destroy(surf(surface_));
        surface_ = std::exchange(other.surface_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

bool Picture::reset(std::int32_t width, std::int32_t height) {
    if (surface_) cairo_surface_destroy(surf(surface_));
    surface_ = nullptr;
    width_ = height_ = 0;
    if (width <= 0 || height <= 0) return false;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return false;
    }
    surface_ = s;
    width_ = width;
    height_ = height;
    return true;
}

std::uint32_t Picture::argbAt(std::int32_t x, std::int32_t y) const {
    if (!surface_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    cairo_surface_flush(surf(surface_));
    const unsigned char* row = cairo_image_surface_get_data(surf(surface_)) +
                               y * cairo_image_surface_get_stride(surf(surface_));
    return reinterpret_cast<const std::uint32_t*>(row)[x];
}

Colour Picture::colourAt(std::int32_t x, std::int32_t y) const {
    std::uint32_t p = argbAt(x, y);
    unsigned a = p >> 24;
    if (a == 0) return 0;
    auto un = [a](unsigned v) { return a == 255 ? v : (v * 255 + a / 2) / a; };
    return rgb(un((p >> 16) & 0xFF), un((p >> 8) & 0xFF), un(p & 0xFF));
}

std::uint8_t* Picture::data() {
    if (!surface_) return nullptr;
    cairo_surface_flush(surf(surface_));
    return cairo_image_surface_get_data(surf(surface_));
}

std::int32_t Picture::stride() const {
    return surface_ ? cairo_image_surface_get_stride(surf(surface_)) : 0;
}

void Picture::markDirty() {
    if (surface_) cairo_surface_mark_dirty(surf(surface_));
}

Canvas Picture::canvas() {
    return Canvas(*this, {0, 0}, {0, 0, width_, height_});
}

// Canvas --------------------------------------------------------------------------------------

Canvas::Canvas(Picture& target, Point origin, Rect clip) : target_(&target), origin_(origin) {
    if (!target.valid()) return;
    cairo_t* cr = cairo_create(surf(target.nativeSurface()));
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_rectangle(cr, clip.x, clip.y, clip.width > 0 ? clip.width : 0,
                    clip.height > 0 ? clip.height : 0);
    cairo_clip(cr);
    cairo_translate(cr, origin.x, origin.y);
    cr_ = cr;
}

Canvas::~Canvas() {
    if (cr_) cairo_destroy(ctx(cr_));
}

Canvas::Canvas(Canvas&& other) noexcept
    : target_(other.target_),
      origin_(other.origin_),
      cr_(std::exchange(other.cr_, nullptr)),
      clipDepth_(std::exchange(other.clipDepth_, 0)) {}

Rect Canvas::clip() const {
    if (!cr_) return {};
    double x1, y1, x2, y2;
    cairo_clip_extents(ctx(cr_), &x1, &y1, &x2, &y2);
    return {static_cast<std::int32_t>(x1), static_cast<std::int32_t>(y1),
            static_cast<std::int32_t>(x2 - x1), static_cast<std::int32_t>(y2 - y1)};
}

void Canvas::pushClip(Rect area) {
    if (!cr_) return;
    cairo_save(ctx(cr_));
    cairo_rectangle(ctx(cr_), area.x, area.y, area.width > 0 ? area.width : 0,
                    area.height > 0 ? area.height : 0);
    cairo_clip(ctx(cr_));
    ++clipDepth_;
}

void Canvas::popClip() {
    if (!cr_ || clipDepth_ == 0) return;
    cairo_restore(ctx(cr_));
    --clipDepth_;
}

void Canvas::fillRect(Rect area, Colour colour) {
    if (!cr_ || area.empty()) return;
    cairo_t* cr = ctx(cr_);
    setColour(cr, colour);
    cairo_rectangle(cr, area.x, area.y, area.width, area.height);
    cairo_fill(cr);
}

void Canvas::fadeRect(Rect area, Colour colour) {
    if (!cr_ || area.empty()) return;
    cairo_t* cr = ctx(cr_);
    cairo_set_source_rgba(cr, red(colour) / 255.0, green(colour) / 255.0, blue(colour) / 255.0,
                          0.5);
    cairo_rectangle(cr, area.x, area.y, area.width, area.height);
    cairo_fill(cr);
}

void Canvas::frameRect(Rect a, Colour colour, std::int32_t t) {
    if (a.empty() || t <= 0) return;
    if (2 * t >= a.width || 2 * t >= a.height) return fillRect(a, colour);
    fillRect({a.x, a.y, a.width, t}, colour);
    fillRect({a.x, a.bottom() - t, a.width, t}, colour);
    fillRect({a.x, a.y + t, t, a.height - 2 * t}, colour);
    fillRect({a.right() - t, a.y + t, t, a.height - 2 * t}, colour);
}

void Canvas::setPixel(std::int32_t x, std::int32_t y, Colour colour) {
    fillRect({x, y, 1, 1}, colour);
}

void Canvas::fillEllipse(Rect a, Colour colour) {
    if (!cr_ || a.empty()) return;
    cairo_t* cr = ctx(cr_);
    cairo_save(cr);
    cairo_translate(cr, a.x + a.width / 2.0, a.y + a.height / 2.0);
    cairo_scale(cr, a.width / 2.0, a.height / 2.0);
    cairo_arc(cr, 0, 0, 1, 0, 6.283185307179586);
    cairo_restore(cr);
    setColour(cr, colour);
    cairo_fill(cr);
}

void Canvas::copyPicture(const Picture& source, Rect from, Point to) {
    if (!cr_ || !source.valid() || from.empty()) return;
    cairo_t* cr = ctx(cr_);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surf(source.nativeSurface()), to.x - from.x, to.y - from.y);
    cairo_rectangle(cr, to.x, to.y, from.width, from.height);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Canvas::drawPicture(const Picture& source, Rect from, Rect to) {
    if (!cr_ || !source.valid() || from.empty() || to.empty()) return;
    cairo_t* cr = ctx(cr_);
    cairo_save(cr);
    cairo_rectangle(cr, to.x, to.y, to.width, to.height);
    cairo_clip(cr);
    cairo_translate(cr, to.x, to.y);
    if (to.width != from.width || to.height != from.height) {
        cairo_scale(cr, static_cast<double>(to.width) / from.width,
                    static_cast<double>(to.height) / from.height);
    }
    cairo_set_source_surface(cr, surf(source.nativeSurface()), -from.x, -from.y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
}

Size Canvas::drawText(Rect area, std::u16string_view text, const Font& font, Colour colour,
                      std::uint32_t flags) {
    if (!cr_ || text.empty()) return {};
    bool wrap = (flags & kTextWrap) != 0;
    bool ellipsis = !wrap && (flags & kTextEllipsis) != 0;
    PangoLayout* layout =
        detail::makeLayout(font, text, wrap ? area.width : -1, ellipsis ? area.width : -1);
    PangoAlignment align = PANGO_ALIGN_LEFT;
    if (flags & kTextCentre) align = PANGO_ALIGN_CENTER;
    if (flags & kTextRight) align = PANGO_ALIGN_RIGHT;
    pango_layout_set_alignment(layout, align);
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    // A wrapped or cut layout is area.width wide and aligns its lines itself; one of free width
    // is placed in the rectangle here.
    double x = area.x;
    if (!wrap && !ellipsis) {
        if (flags & kTextCentre) x += (area.width - w) / 2;
        if (flags & kTextRight) x += area.width - w;
    }
    double y = area.y;
    if (flags & kTextMiddle) y += (area.height - h) / 2;
    if (flags & kTextBottom) y += area.height - h;
    cairo_t* cr = ctx(cr_);
    cairo_save(cr);
    cairo_rectangle(cr, area.x, area.y, area.width, area.height);
    cairo_clip(cr);
    setColour(cr, colour);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    g_object_unref(layout);
    return {w, h};
}

}  // namespace platform::window
