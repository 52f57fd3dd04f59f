// The text control's Pango layout and the offset maps around it.
#include "detail/EditLayout.h"

#include <algorithm>

#include "detail/PangoText.h"

namespace platform::window::detail {

namespace {

bool isHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::unique_ptr<EditLayout> EditLayout::make(const Font& font, std::u16string_view text,
                                             std::int32_t wrapWidth, bool oneLine) {
    std::unique_ptr<EditLayout> s(new EditLayout);
    std::string utf8;
    utf8.reserve(text.size());
    std::size_t n = text.size();
    s->byteOf_.assign(n + 1, 0);
    s->charOf_.assign(n + 1, 0);
    int chars = 0;
    for (std::size_t i = 0; i < n; ++i) {
        s->byteOf_[i] = static_cast<int>(utf8.size());
        s->charOf_[i] = chars;
        s->unitOf_.push_back(static_cast<int>(i));
        char16_t c = text[i];
        if (isHigh(c) && i + 1 < n && isLow(text[i + 1])) {
            appendUtf8(utf8, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) +
                                 (static_cast<char32_t>(text[i + 1]) - 0xDC00));
            ++i;
            s->byteOf_[i] = s->byteOf_[i - 1];
            s->charOf_[i] = chars;
        } else if (isHigh(c) || isLow(c) || c == 0) {
            appendUtf8(utf8, 0xFFFD);  // Pango takes valid UTF-8 without NUL only
        } else {
            appendUtf8(utf8, c);
        }
        ++chars;
    }
    s->byteOf_[n] = static_cast<int>(utf8.size());
    s->charOf_[n] = chars;
    s->unitOf_.push_back(static_cast<int>(n));
    s->chars_ = chars;
    s->layout_ = makeLayout(font, u"", wrapWidth);
    if (wrapWidth > 0) pango_layout_set_wrap(s->layout_, PANGO_WRAP_WORD_CHAR);
    if (oneLine) pango_layout_set_single_paragraph_mode(s->layout_, TRUE);
    pango_layout_set_text(s->layout_, utf8.data(), static_cast<int>(utf8.size()));
    PangoAttrList* attrs = pango_layout_get_attributes(s->layout_);
    s->base_ = attrs ? pango_attr_list_copy(attrs) : pango_attr_list_new();
    int count = 0;
    const PangoLogAttr* log = pango_layout_get_log_attrs_readonly(s->layout_, &count);
    s->attrs_.assign(log, log + count);
    s->attrs_.resize(static_cast<std::size_t>(chars) + 1);
    return s;
}

EditLayout::~EditLayout() {
    if (base_) pango_attr_list_unref(base_);
    if (layout_) g_object_unref(layout_);
}

std::int32_t EditLayout::unitAtByte(int byte) const {
    auto it = std::lower_bound(byteOf_.begin(), byteOf_.end(), byte);
    return static_cast<std::int32_t>(it - byteOf_.begin());
}

std::int32_t EditLayout::afterTrailing(std::int32_t u, int trailing) const {
    for (int i = 0; i < trailing; ++i) u = next(u);
    return u;
}

std::int32_t EditLayout::next(std::int32_t u) const {
    int c = charOf_[u];
    while (c < chars_) {
        if (attrs_[++c].is_cursor_position) break;
    }
    return unitOf_[c];
}

std::int32_t EditLayout::prev(std::int32_t u) const {
    int c = charOf_[u];
    while (c > 0) {
        if (attrs_[--c].is_cursor_position) break;
    }
    return unitOf_[c];
}

std::int32_t EditLayout::wordRight(std::int32_t u) const {
    int c = charOf_[u];
    if (c < chars_) ++c;
    while (c < chars_ && !attrs_[c].is_word_end) ++c;
    return unitOf_[c];
}

std::int32_t EditLayout::wordLeft(std::int32_t u) const {
    int c = charOf_[u];
    if (c > 0) --c;
    while (c > 0 && !attrs_[c].is_word_start) --c;
    return unitOf_[c];
}

std::int32_t EditLayout::snap(std::int32_t u) const {
    int c = charOf_[u];
    while (c > 0 && !attrs_[c].is_cursor_position) --c;
    return unitOf_[c];
}

void EditLayout::wordAt(std::int32_t u, std::int32_t* from, std::int32_t* to) const {
    int c = charOf_[u];
    if (c >= chars_ && c > 0) --c;
    int s = c;
    while (s > 0 && !attrs_[s].is_word_start) --s;
    if (attrs_[s].is_word_start) {
        int e = s + 1;
        while (e < chars_ && !attrs_[e].is_word_end) ++e;
        if (c < e && attrs_[e].is_word_end) {
            *from = unitOf_[s];
            *to = unitOf_[e];
            return;
        }
    }
    int s2 = c;
    while (s2 > 0 && !attrs_[s2].is_word_end && !attrs_[s2].is_word_start) --s2;
    int e2 = c + 1;
    while (e2 < chars_ && !attrs_[e2].is_word_start && !attrs_[e2].is_word_end) ++e2;
    *from = unitOf_[s2];
    *to = unitOf_[std::min(e2, chars_)];
}

int EditLayout::lineOf(std::int32_t u, int* x) const {
    int line = 0;
    int xPos = 0;
    pango_layout_index_to_line_x(layout_, byteAt(u), 0, &line, &xPos);
    if (x) *x = xPos;
    return line;
}

int EditLayout::lineCount() const {
    return pango_layout_get_line_count(layout_);
}

std::int32_t EditLayout::lineStart(std::int32_t u) const {
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout_, lineOf(u, nullptr));
    return line ? unitAtByte(line->start_index) : 0;
}

std::int32_t EditLayout::lineEnd(std::int32_t u) const {
    int index = lineOf(u, nullptr);
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout_, index);
    if (!line) return size();
    std::int32_t end = unitAtByte(line->start_index + line->length);
    // A wrapped line ends before the space it broke at, so End stays on this line.
    if (index + 1 < lineCount() && end > 0) {
        PangoLayoutLine* next = pango_layout_get_line_readonly(layout_, index + 1);
        if (next && next->start_index == line->start_index + line->length) end = prev(end);
    }
    return end;
}

std::int32_t EditLayout::offsetOnLine(int line, int x) const {
    PangoLayoutLine* l = pango_layout_get_line_readonly(layout_, line);
    int index = 0;
    int trailing = 0;
    pango_layout_line_x_to_index(l, x, &index, &trailing);
    return afterTrailing(unitAtByte(index), trailing);
}

std::int32_t EditLayout::offsetAt(Point p) const {
    int index = 0;
    int trailing = 0;
    pango_layout_xy_to_index(layout_, p.x * PANGO_SCALE, p.y * PANGO_SCALE, &index, &trailing);
    return afterTrailing(unitAtByte(index), trailing);
}

PangoRectangle EditLayout::extents() const {
    PangoRectangle logical{};
    pango_layout_get_pixel_extents(layout_, nullptr, &logical);
    return logical;
}

std::int32_t EditLayout::lineHeight() const {
    return std::max(1, extents().height / std::max(1, lineCount()));
}

PangoRectangle EditLayout::cursorAt(std::int32_t u) const {
    PangoRectangle strong{};
    pango_layout_get_cursor_pos(layout_, byteAt(u), &strong, nullptr);
    return strong;
}

}  // namespace platform::window::detail
