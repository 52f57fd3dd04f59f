// Draws the program's own pictures with Cairo and Pango: the logo (a mark and the word
// "Veritome") as a wide 700 x 230 and a tall 230 x 700 JPEG, the wide logo again at the widths
// the About window shows it at factors 1, 1.5 and 2 (320, 480 and 640 pixels), and the mark
// alone as the program icon in PNG at 16 to 256 pixels and as SVG for any size. The word is set
// in DejaVu Sans, whose licence allows this. Usage: make_pictures OUTPUT_FOLDER
#include <cairo-svg.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr double kPi = 3.14159265358979323846;

void roundedSquare(cairo_t* cr, double x, double y, double side, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + side - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, x + side - radius, y + side - radius, radius, 0, kPi / 2);
    cairo_arc(cr, x + radius, y + side - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// The mark: a rounded tile with a deep teal gradient, three light "digest" bars of falling
// length, and a bold tick that crosses them, in a square of side at (x, y).
void drawMark(cairo_t* cr, double x, double y, double side) {
    cairo_save(cr);
    const double inset = side * 0.03;
    roundedSquare(cr, x + inset, y + inset, side - 2 * inset, side * 0.22);
    cairo_pattern_t* fill = cairo_pattern_create_linear(x, y, x + side, y + side);
    cairo_pattern_add_color_stop_rgb(fill, 0.0, 0.10, 0.55, 0.60);
    cairo_pattern_add_color_stop_rgb(fill, 1.0, 0.04, 0.25, 0.38);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);

    // Bars (skipped at 16 px, where they would only blur the tick).
    if (side >= 24) {
        cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
        const double barHeight = side * 0.075;
        const double lengths[] = {0.62, 0.48, 0.34};
        for (int i = 0; i < 3; ++i) {
            const double by = y + side * (0.24 + 0.16 * i);
            roundedSquare(cr, x + side * 0.19, by, barHeight, barHeight / 2);
            cairo_rectangle(cr, x + side * 0.19 + barHeight / 2, by, side * lengths[i] - barHeight,
                            barHeight);
            cairo_arc(cr, x + side * (0.19 + lengths[i]) - barHeight / 2, by + barHeight / 2,
                      barHeight / 2, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }

    // The tick.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, side * (side >= 24 ? 0.11 : 0.14));
    cairo_move_to(cr, x + side * 0.27, y + side * 0.55);
    cairo_line_to(cr, x + side * 0.44, y + side * 0.74);
    cairo_line_to(cr, x + side * 0.78, y + side * 0.28);
    cairo_set_source_rgb(cr, 0.62, 0.93, 0.35);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The word, centred on (cx, cy), at the given pixel size.
void drawWord(cairo_t* cr, double cx, double cy, int pixels) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("DejaVu Sans Bold");
    pango_font_description_set_absolute_size(font, pixels * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, "Veritome", -1);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    cairo_set_source_rgb(cr, 0.05, 0.27, 0.38);
    cairo_move_to(cr, cx - ink.x - ink.width / 2.0, cy - ink.y - ink.height / 2.0);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(font);
    g_object_unref(layout);
}

bool writeJpeg(cairo_surface_t* surface, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = cairo_image_surface_get_width(surface);
    info.image_height = cairo_image_surface_get_height(surface);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<unsigned char> row(info.image_width * 3);
    while (info.next_scanline < info.image_height) {
        const auto* pixels =
            reinterpret_cast<const std::uint32_t*>(data + info.next_scanline * stride);
        for (unsigned x = 0; x < info.image_width; ++x) {
            row[x * 3] = (pixels[x] >> 16) & 0xFF;
            row[x * 3 + 1] = (pixels[x] >> 8) & 0xFF;
            row[x * 3 + 2] = pixels[x] & 0xFF;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

// The logo drawn at `width` pixels: the 700 x 230 (or 230 x 700) design scaled as shapes, so
// that each size is sharp.
bool logo(const std::string& path, int width, bool wide) {
    const double designWidth = wide ? 700 : 230, designHeight = wide ? 230 : 700;
    const double scale = width / designWidth;
    int height = static_cast<int>(std::lround(designHeight * scale));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    width = static_cast<int>(designWidth);
    height = static_cast<int>(designHeight);
    if (wide) {
        drawMark(cr, 30, 30, 170);
        drawWord(cr, 30 + 170 + (width - 200) / 2.0, height / 2.0, 84);
    } else {
        drawMark(cr, 30, 225, 170);
        drawWord(cr, width / 2.0, 455, 38);
    }
    cairo_destroy(cr);
    const bool ok = writeJpeg(surface, path);
    cairo_surface_destroy(surface);
    return ok;
}

bool icon(const std::string& path, int side) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side);
    cairo_t* cr = cairo_create(surface);
    drawMark(cr, 0, 0, side);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

// The icon as shapes, for desktops that draw icons at any size.
bool scalableIcon(const std::string& path) {
    constexpr double kSide = 256;
    cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), kSide, kSide);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(surface);
    drawMark(cr, 0, 0, kSide);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string out = argv[1];
    bool ok = logo(out + "/logo-wide.jpg", 700, true);
    ok = logo(out + "/logo-tall.jpg", 230, false) && ok;
    for (int width : {320, 480, 640}) {
        ok = logo(out + "/logo-wide-" + std::to_string(width) + ".jpg", width, true) && ok;
    }
    // The sizes of the desktop's icon theme up to 256, 24 and 96 among them (16 and 64 at 1.5).
    for (int side : {16, 24, 32, 48, 64, 96, 128, 256}) {
        ok = icon(out + "/icon-" + std::to_string(side) + ".png", side) && ok;
    }
    ok = scalableIcon(out + "/icon.svg") && ok;
    if (!ok) std::fprintf(stderr, "make_pictures: could not write every picture\n");
    return ok ? 0 : 1;
}
