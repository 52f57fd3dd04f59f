// Text measuring through Pango. Each thread has its own Pango contexts (Pango objects are not
// shared between threads); fonts come from fontconfig, which falls back per character.
#include "platform/window/Text.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <string>

#include "detail/PangoText.h"
#include "platform/window/Scale.h"

namespace platform::window {

namespace {

PangoContext* newContext(bool smooth) {
    PangoFontMap* map = pango_cairo_font_map_get_default();  // one per thread
    PangoContext* ctx = pango_font_map_create_context(map);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, smooth ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(ctx, options);
    cairo_font_options_destroy(options);
    // Windows are laid out left to right, and so is every paragraph: a right-to-left word is
    // ordered within its line ("<Arabic name> (Partial)" keeps its words in that order).
    pango_context_set_base_dir(ctx, PANGO_DIRECTION_LTR);
    return ctx;
}

struct ThreadContexts {
    PangoContext* smooth = nullptr;
    PangoContext* sharp = nullptr;
    ~ThreadContexts() {
        if (smooth) g_object_unref(smooth);
        if (sharp) g_object_unref(sharp);
    }
    PangoContext* get(bool s) {
        PangoContext*& c = s ? smooth : sharp;
        if (!c) c = newContext(s);
        // Sizes given in points follow the scale factor, which may change while the program runs.
        double dpi = 96.0 * scale();
        if (pango_cairo_context_get_resolution(c) != dpi) pango_cairo_context_set_resolution(c, dpi);
        return c;
    }
};

thread_local ThreadContexts contexts;

PangoFontDescription* describe(const Font& font) {
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, font.face.empty() ? defaultFontFace() : font.face.c_str());
    std::int32_t h = font.height < 0 ? -font.height : font.height;
    if (h == 0) h = defaultFontHeight();
    h = scaled(h);
    pango_font_description_set_absolute_size(d, static_cast<double>(h) * PANGO_SCALE);
    pango_font_description_set_weight(d,
                                      static_cast<PangoWeight>(std::clamp(font.weight, 100, 1000)));
    pango_font_description_set_style(d, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return d;
}

}  // namespace

namespace detail {

PangoLayout* makeLayout(const Font& font, std::u16string_view text, std::int32_t wrapWidth,
                        std::int32_t ellipsisWidth) {
    PangoLayout* layout = pango_layout_new(contexts.get(font.smooth));
    PangoFontDescription* d = describe(font);
    pango_layout_set_font_description(layout, d);
    pango_font_description_free(d);
    if (font.underline || font.strikeOut) {
        PangoAttrList* attrs = pango_attr_list_new();
        if (font.underline)
            pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        if (font.strikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
        pango_layout_set_attributes(layout, attrs);
        pango_attr_list_unref(attrs);
    }
    // The paragraph direction is the context's (left to right), never guessed from the text,
    // so a right-to-left text does not flip the line's alignment either.
    pango_layout_set_auto_dir(layout, FALSE);
    std::string utf8 = toDisplayUtf8(text);
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    if (wrapWidth > 0) {
        pango_layout_set_width(layout, wrapWidth * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    } else if (ellipsisWidth > 0) {
        pango_layout_set_width(layout, ellipsisWidth * PANGO_SCALE);
        pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    }
    return layout;
}

}  // namespace detail

std::int32_t defaultFontHeight() {
    return 13;
}

const char* defaultFontFace() {
    return "DejaVu Sans";
}

Size measureText(const Font& font, std::u16string_view text, std::int32_t wrapWidth) {
    PangoLayout* layout = detail::makeLayout(font, text, wrapWidth);
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    g_object_unref(layout);
    return {w, h};
}

std::int32_t measureLongestWord(const Font& font, std::u16string_view text) {
    // Laid out one pixel wide, every line holds a single word; the widest line is the answer.
    PangoLayout* layout = detail::makeLayout(font, text, 1);
    std::int32_t widest = 0;
    PangoLayoutIter* it = pango_layout_get_iter(layout);
    do {
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(it, nullptr, &logical);
        pango_extents_to_pixels(nullptr, &logical);
        widest = std::max(widest, logical.width);
    } while (pango_layout_iter_next_line(it));
    pango_layout_iter_free(it);
    g_object_unref(layout);
    return widest;
}

std::int32_t lineHeight(const Font& font) {
    PangoLayout* layout = detail::makeLayout(font, u"TEST", -1);
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    g_object_unref(layout);
    return h;
}

std::int32_t unknownGlyphs(const Font& font, std::u16string_view text) {
    PangoLayout* layout = detail::makeLayout(font, text, -1);
    int n = pango_layout_get_unknown_glyphs_count(layout);
    g_object_unref(layout);
    return n;
}

std::u16string foldCase(std::u16string_view text) {
    std::string utf8 = toDisplayUtf8(text);
    gchar* folded = g_utf8_casefold(utf8.data(), static_cast<gssize>(utf8.size()));
    std::u16string out = fromUtf8(folded ? folded : "");
    g_free(folded);
    return out;
}

}  // namespace platform::window

// Fontconfig keeps its pattern caches, and D-Bus (which SDL starts) its connection data, for the
// life of the process, seen through too few frames to tell them from ours: leak checkers are
// told so. Weak, so that a program with suppressions of its own keeps them.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libdbus\n";
}

// Pango loads the font configuration on a thread of its own and hands the result over with
// GLib's futex locks, which the thread checker does not see. For the same reason it misses the
// lock around the one shaping buffer Pango keeps for the whole process: text measured on one
// thread and painted on another both clear that buffer inside HarfBuzz.
extern "C" __attribute__((weak)) const char* __tsan_default_suppressions() {
    return "race:libfontconfig.so\nrace:libpangoft2-1.0.so\nrace:libglib-2.0.so\n"
           "race:libharfbuzz.so\n";
}
