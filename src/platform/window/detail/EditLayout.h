// The Pango layout of a text control's text, with the maps between UTF-16 offsets, UTF-8 byte
// offsets and the character indices of Pango's boundary attributes; graphemes, words and lines
// come from it.
#pragma once

#include <pango/pangocairo.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "detail/Private.h"
#include "platform/window/Text.h"
#include "platform/window/Types.h"

namespace platform::window::detail {

class EditLayout {
public:
    // The text in the font; wrapWidth > 0 wraps at words (or characters where a word is too
    // long); oneLine keeps line breaks from starting lines.
    static std::unique_ptr<EditLayout> make(const Font& font, std::u16string_view text,
                                            std::int32_t wrapWidth, bool oneLine);
    EditLayout(const EditLayout&) = delete;
    EditLayout& operator=(const EditLayout&) = delete;
    ~EditLayout();

    PangoLayout* layout() const { return layout_; }
    // The font's own attributes, for painting to add to.
    PangoAttrList* baseAttributes() const { return base_; }
    int byteAt(std::int32_t u) const { return byteOf_[static_cast<std::size_t>(u)]; }
    std::int32_t size() const { return static_cast<std::int32_t>(byteOf_.size()) - 1; }

    // Grapheme and word steps from offset u.
    std::int32_t next(std::int32_t u) const;
    std::int32_t prev(std::int32_t u) const;
    std::int32_t wordRight(std::int32_t u) const;
    std::int32_t wordLeft(std::int32_t u) const;
    // The nearest grapheme boundary at or before u.
    std::int32_t snap(std::int32_t u) const;
    // The word around u, or the run of non-word characters when u is between words.
    void wordAt(std::int32_t u, std::int32_t* from, std::int32_t* to) const;

    // Lines: the index of u's line (and its x in Pango units), its start and end, and the
    // offset nearest to x (Pango units) on a line.
    int lineOf(std::int32_t u, int* x) const;
    int lineCount() const;
    std::int32_t lineStart(std::int32_t u) const;
    std::int32_t lineEnd(std::int32_t u) const;
    std::int32_t offsetOnLine(int line, int x) const;
    // The offset nearest to a point relative to the layout's origin (pixels).
    std::int32_t offsetAt(Point p) const;

    // The logical extents (pixels), the height of one line and the strong cursor at u.
    PangoRectangle extents() const;
    std::int32_t lineHeight() const;
    PangoRectangle cursorAt(std::int32_t u) const;

private:
    EditLayout() = default;
    std::int32_t unitAtByte(int byte) const;
    std::int32_t afterTrailing(std::int32_t u, int trailing) const;

    PangoLayout* layout_ = nullptr;
    PangoAttrList* base_ = nullptr;
    std::vector<int> byteOf_;          // UTF-16 offset -> byte offset (size n + 1)
    std::vector<int> charOf_;          // UTF-16 offset -> character index (size n + 1)
    std::vector<int> unitOf_;          // character index -> UTF-16 offset (size chars + 1)
    std::vector<PangoLogAttr> attrs_;  // a copy: painting sets attributes, which remakes Pango's
    int chars_ = 0;
};

}  // namespace platform::window::detail
