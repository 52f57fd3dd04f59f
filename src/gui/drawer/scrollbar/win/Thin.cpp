// Scroll-bar geometry, input rules and painting.
#include "gui/drawer/scrollbar/win/Thin.h"

#include <algorithm>

#include "gui/RoundAway.h"

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::scrollbar::win {

namespace {

using G = Geometry;

struct Axis {
    bool horizontal;
    std::int32_t left, top;
    std::int32_t length;     // usable length (without the corner)
    std::int32_t thickness;  // across the bar
    std::int32_t track;      // between the arrows

    // A stretch [start, end) along the axis as a rectangle across the whole thickness.
    pw::Rect span(std::int32_t start, std::int32_t end) const {
        if (end <= start) return {};
        return horizontal ? pw::Rect{left + start, top, end - start, thickness}
                          : pw::Rect{left, top + start, thickness, end - start};
    }
};

Axis axisOf(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
            std::int32_t orientation, bool otherShown) {
    Axis a;
    a.horizontal = orientation == kHorizontal;
    a.left = left;
    a.top = top;
    a.length = a.horizontal ? right - left : bottom - top;
    a.thickness = a.horizontal ? bottom - top : right - left;
    if (otherShown) a.length -= a.thickness;  // 1. the corner square is cut off
    a.track = std::max(a.length - 2 * a.thickness, 0);
    return a;
}

std::int32_t thumbLength(const Axis& a, std::int32_t content, std::int32_t page) {
    return std::max(roundAway(static_cast<double>(page) * a.track / content), pw::scaled(Thin::kMinimumThumb));
}

std::int32_t thumbStart(const Axis& a, std::int32_t length, std::int32_t content, std::int32_t page,
                        std::int32_t position) {
    return a.thickness +
           roundAway(static_cast<double>(a.track - length) * position / (content - page));
}

std::uint8_t r8(Colour c) {
    return static_cast<std::uint8_t>(pw::red(c));
}
std::uint8_t g8(Colour c) {
    return static_cast<std::uint8_t>(pw::green(c));
}
std::uint8_t b8(Colour c) {
    return static_cast<std::uint8_t>(pw::blue(c));
}

}  // namespace

Thin::Thin() : button_(button::win::Thin::create()), border_(border::win::Thin::create()) {
    reset();
}

Thin::~Thin() {
    button_->release();
    border_->release();
}

void Thin::reset() {
    button_->recycle();
    border_->recycle();
    border_->setShaded(true);
    mode_ = 1;
    page_ = pw::rgb(255, 255, 255);
    thickness_ = 15;
    setLineColour(pw::rgb(120, 120, 120));
}

void Thin::setLineColour(Colour colour) {
    line_ = colour;
    button_->setLineColour(colour);
}

G Thin::geometry(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 std::int32_t orientation, std::int32_t content, std::int32_t page,
                 std::int32_t position, bool otherShown) const {
    G g;
    if (emptyArea(left, top, right, bottom)) return g;
    Axis a = axisOf(left, top, right, bottom, orientation, otherShown);
    // 2. Arrows at both ends.
    g.parts[G::kFirstArrow] = a.span(0, std::min(a.thickness, a.length));
    g.parts[G::kSecondArrow] = a.span(std::max(a.length - a.thickness, 0), a.length);
    // 3. Thumb and page areas only while there is something to scroll.
    if (page >= content || content <= 0) return g;
    std::int32_t len = thumbLength(a, content, page);
    std::int32_t start = thumbStart(a, len, content, page, position);
    g.parts[G::kPageBefore] = a.span(a.thickness, start);
    g.parts[G::kThumb] = a.span(start, start + len);
    g.parts[G::kPageAfter] = a.span(start + len, a.length - a.thickness);
    return g;
}

// 4. Hit test.
std::int32_t Thin::hitTest(pw::Point point, std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom, std::int32_t orientation, std::int32_t content,
                           std::int32_t page, std::int32_t position, bool otherShown) const {
    return geometry(left, top, right, bottom, orientation, content, page, position, otherShown)
        .hitTest(point);
}

// 5. Drag rule.
std::int32_t Thin::dragPosition(std::int32_t d, std::int32_t p0, std::int32_t left,
                                std::int32_t top, std::int32_t right, std::int32_t bottom,
                                std::int32_t orientation, std::int32_t content, std::int32_t page,
                                bool otherShown) const {
    Axis a = axisOf(left, top, right, bottom, orientation, otherShown);
    std::int32_t range = std::max(content - page, 0);
    if (range == 0) return 0;
    std::int32_t len = thumbLength(a, content, page);
    std::int32_t moved = thumbStart(a, len, content, page, p0) + d;
    if (moved <= a.thickness) return 0;
    if (moved + len >= a.length - a.thickness) return range;
    std::int32_t pageAreas = a.track - len;
    if (pageAreas <= 0) return p0;
    return std::clamp(p0 + roundAway(static_cast<double>(d) * range / pageAreas), 0, range);
}

void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, std::int32_t orientation, std::int32_t content,
                 std::int32_t page, std::int32_t position, bool otherShown,
                 std::int32_t firstArrowState, std::int32_t thumbState,
                 std::int32_t secondArrowState, Colour pageColour) {
    if (emptyArea(left, top, right, bottom)) return;
    const bool horizontal = orientation == kHorizontal;
    Axis a = axisOf(left, top, right, bottom, orientation, otherShown);
    if (a.length <= 0) return;
    G g = geometry(left, top, right, bottom, orientation, content, page, position, otherShown);
    // The bar without the corner, which stays unpainted.
    pw::Rect bar = a.span(0, a.length);
    if (mode_ == 1 || mode_ == 2) {
        border_->paint(picture, bar.x, bar.y, bar.right(), bar.bottom(), 2, mode_, r8(line_),
                       g8(line_), b8(line_));
    }
    // Page areas, one pixel free on each long side.
    Colour fill = pageColour == kDrawerColour ? page_ : pageColour;
    for (std::int32_t part : {G::kPageBefore, G::kPageAfter}) {
        pw::Rect r = g.parts[part];
        if (r.empty()) continue;
        const std::int32_t u = pw::scaled(1);
        r = horizontal ? pw::Rect{r.x, r.y + u, r.width, r.height - 2 * u}
                       : pw::Rect{r.x + u, r.y, r.width - 2 * u, r.height};
        picture.fillRect(r, fill);
    }
    auto button = [&](std::int32_t part, std::int32_t state, const char16_t* glyph) {
        const pw::Rect& r = g.parts[part];
        if (r.empty()) return;
        button_->paint(picture, r.x, r.y, r.right(), r.bottom(), state, glyph, true, nullptr, false,
                       false);
    };
    button(G::kFirstArrow, firstArrowState, horizontal ? u"#Left" : u"#Up");
    button(G::kSecondArrow, secondArrowState, horizontal ? u"#Right" : u"#Down");
    button(G::kThumb, thumbState, horizontal ? u"#ThumbLineV" : u"#ThumbLineH");
    // A long thumb shows arrows in the squares at its ends.
    const pw::Rect& t = g.parts[G::kThumb];
    const std::int32_t tl = horizontal ? t.width : t.height;
    if (!t.empty() && tl > 2 * a.thickness) {
        const std::int32_t s = a.thickness;
        pw::Rect first = horizontal ? pw::Rect{t.x, t.y, s, s} : pw::Rect{t.x, t.y, s, s};
        pw::Rect last =
            horizontal ? pw::Rect{t.right() - s, t.y, s, s} : pw::Rect{t.x, t.bottom() - s, s, s};
        auto glyph = [&](const pw::Rect& q, const char16_t* name) {
            const std::int32_t m = pw::scaled(2);
            button_->drawGlyph(picture, q.x + m, q.y + m, q.right() - m, q.bottom() - m, name,
                               r8(line_), g8(line_), b8(line_));
        };
        glyph(first, horizontal ? u"#Left" : u"#Up");
        glyph(last, horizontal ? u"#Right" : u"#Down");
    }
}

}  // namespace s::gui::drawer::scrollbar::win
