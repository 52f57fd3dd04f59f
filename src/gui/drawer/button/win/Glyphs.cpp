// Glyph shapes. Each is laid out on a square of side n (the smaller side of the area, or 0.8
// of it for the small symbols) centred in the area, and built from filled rectangles.
#include "gui/drawer/button/win/Glyphs.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::button::win {

namespace {

using std::int32_t;

struct Pen {
    Canvas& canvas;
    Colour colour;
    int32_t u = 1;  // one pixel of a 96-dpi screen, in screen pixels: the width of a stroke
    void box(int32_t x, int32_t y, int32_t w, int32_t h) const {
        if (w > 0 && h > 0) canvas.fillRect(x, y, w, h, colour);
    }
    void frame(int32_t x, int32_t y, int32_t s, int32_t t) const {
        box(x, y, s, t);
        box(x, y + s - t, s, t);
        box(x, y, t, s);
        box(x + s - t, y, t, s);
    }
    // A solid triangle of half-size k (2k+1 across, k+1 deep) with its tip towards dir
    // (0 right, 1 left, 2 down, 3 up), its box's top-left corner at (x, y).
    void triangle(int32_t dir, int32_t x, int32_t y, int32_t k) const {
        for (int32_t i = 0; i <= k; ++i) {
            int32_t len = 2 * (k - i) + 1;  // row i from the base
            switch (dir) {
                case 0:
                    box(x + i, y + i, 1, len);
                    break;
                case 1:
                    box(x + k - i, y + i, 1, len);
                    break;
                case 2:
                    box(x + i, y + i, len, 1);
                    break;
                default:
                    box(x + i, y + k - i, len, 1);
                    break;
            }
        }
    }
};

// The square of side n centred in the area.
struct Square {
    int32_t x, y, n;
};
Square centredSquare(pw::Rect a, int32_t n) {
    return {a.x + (a.width - n) / 2, a.y + (a.height - n) / 2, n};
}

void arrow(const Pen& p, pw::Rect a, int32_t dir, int32_t n) {
    int32_t k = std::max<int32_t>(1, n * 8 / 30);
    int32_t across = 2 * k + 1, deep = k + 1;
    bool horizontal = dir < 2;
    int32_t w = horizontal ? deep : across, h = horizontal ? across : deep;
    p.triangle(dir, a.x + (a.width - w) / 2, a.y + (a.height - h) / 2, k);
}

void doubleArrow(const Pen& p, pw::Rect a, int32_t dir, int32_t n) {
    int32_t k = std::max<int32_t>(1, n * 8 / 30);
    int32_t deep = k + 1;
    int32_t x = a.x + (a.width - 2 * deep) / 2, y = a.y + (a.height - (2 * k + 1)) / 2;
    p.triangle(dir, x, y, k);
    p.triangle(dir, x + deep, y, k);
}

void grips(const Pen& p, pw::Rect a, bool vertical) {
    // Three one-pixel lines, two pixels apart, across the thumb.
    const int32_t u = p.u;
    int32_t len = std::max<int32_t>(3 * u, std::min(vertical ? a.height : a.width, 16 * u) / 2);
    if (vertical) {
        int32_t x = a.x + (a.width - 5 * u) / 2, y = a.y + (a.height - len) / 2;
        for (int32_t i = 0; i < 3; ++i) p.box(x + 2 * i * u, y, u, len);
    } else {
        int32_t y = a.y + (a.height - 5 * u) / 2, x = a.x + (a.width - len) / 2;
        for (int32_t i = 0; i < 3; ++i) p.box(x, y + 2 * i * u, len, u);
    }
}

void minus(const Pen& p, Square s) {
    int32_t t = s.n >= 9 * p.u ? 2 * p.u : p.u;
    p.box(s.x, s.y + (s.n - t) / 2, s.n, t);
}

void plus(const Pen& p, Square s) {
    int32_t t = s.n >= 9 * p.u ? 2 * p.u : p.u;
    minus(p, s);
    p.box(s.x + (s.n - t) / 2, s.y, t, s.n);
}

// A check mark: a short stroke down to the lowest point at a third of the width, then a long
// stroke up to the top-right corner, each column a run of t pixels.
void check(const Pen& p, Square s) {
    int32_t n = s.n, t = std::max<int32_t>(2 * p.u, n / 5);
    int32_t lowX = n / 3, lowY = n - t;
    int32_t startY = n / 2 - t / 2;
    for (int32_t x = 0; x < n; ++x) {
        int32_t y = x <= lowX ? startY + (lowY - startY) * x / std::max<int32_t>(1, lowX)
                              : lowY - lowY * (x - lowX) / std::max<int32_t>(1, n - 1 - lowX);
        p.box(s.x + x, s.y + y, 1, t);
    }
}

void cross(const Pen& p, Square s) {
    // Each row holds two pixels of each stroke (two strokes' widths on a scaled screen).
    const int32_t t = 2 * p.u;
    for (int32_t i = 0; i < s.n; ++i) {
        p.box(s.x + i, s.y + i, std::min<int32_t>(t, s.n - i), 1);
        p.box(s.x + s.n - 1 - i - (i + 1 < s.n ? t - 1 : 0), s.y + i, std::min<int32_t>(t, s.n - i),
              1);
    }
}

void speaker(const Pen& p, Square s) {
    int32_t third = std::max<int32_t>(1, s.n / 3);
    p.box(s.x, s.y + third, third, s.n - 2 * third);
    for (int32_t x = third; x < 2 * third + 1; ++x) {
        int32_t off = third - (x - third);
        p.box(s.x + x, s.y + std::max<int32_t>(0, off), 1, s.n - 2 * std::max<int32_t>(0, off));
    }
}

// The window buttons' glyphs on a square of side n, drawn with strokes of t pixels (both grow
// with the button, so the shapes keep their proportions at any size).
void windowGlyph(const Pen& p, std::u16string_view g, Square s) {
    const int32_t n = s.n, t = std::max<int32_t>(1, (n + 4) / 9);
    // A window: a frame with a title bar twice as thick as its sides.
    const auto window = [&](int32_t x, int32_t y, int32_t side) {
        p.frame(x, y, side, t);
        p.box(x, y, side, 2 * t);
    };
    if (g == u"WindowMinimize") {
        p.box(s.x, s.y + n - 2 * t, n, t);
    } else if (g == u"WindowMaximize") {
        window(s.x, s.y, n);
    } else if (g == u"WindowRestore") {
        // Two windows: the one behind, up and right, shows only where the front one leaves it.
        const int32_t m = std::max<int32_t>(3 * t + 1, n * 3 / 4), d = n - m;
        const int32_t bx = s.x + d;
        p.box(bx, s.y, m, 2 * t);
        p.box(bx + m - t, s.y, t, m);
        p.box(bx, s.y, t, d);
        p.box(s.x + m, s.y + m - t, d, t);
        window(s.x, s.y + d, m);
    } else if (g == u"WindowClose") {
        for (int32_t i = 0; i + t <= n; ++i) {
            p.box(s.x + i, s.y + i, t, t);
            p.box(s.x + n - t - i, s.y + i, t, t);
        }
    }
}

bool parseColour(std::u16string_view hex, Colour* out) {
    if (hex.size() != 8) return false;
    Colour v = 0;
    for (char16_t c : hex) {
        v <<= 4;
        if (c >= u'0' && c <= u'9')
            v |= c - u'0';
        else if (c >= u'a' && c <= u'f')
            v |= c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            v |= c - u'A' + 10;
        else
            return false;
    }
    *out = v & 0x00FFFFFFu;
    return true;
}

}  // namespace

void paintGrip(Canvas& picture, pw::Rect area) {
    static constexpr int32_t kSquares[6][2] = {{4, 12}, {4, 8}, {8, 8}, {4, 4}, {8, 4}, {12, 4}};
    const int32_t w = area.width, h = area.height, u = pw::scaled(1);
    // The white square goes first so that the coloured square stays whole and the white one
    // shows as its lower-right edge.
    for (const auto& s : kSquares)
        picture.fillRect(area.x + w - (s[0] - 1) * u, area.y + h - (s[1] - 1) * u, 2 * u, 2 * u,
                         pw::rgb(255, 255, 255));
    for (const auto& s : kSquares)
        picture.fillRect(area.x + w - s[0] * u, area.y + h - s[1] * u, 2 * u, 2 * u,
                         pw::rgb(184, 181, 161));
}

bool paintGlyph(Canvas& picture, pw::Rect a, std::u16string_view name, Colour colour) {
    if (name.empty() || name[0] != u'#') return false;
    if (a.empty()) return true;
    const Pen p{picture, colour, pw::scaled(1)};
    const int32_t u = p.u;
    const int32_t full = std::min(a.width, a.height);
    const int32_t small = std::max<int32_t>(1, full * 8 / 10);
    const Square sq = centredSquare(a, small);
    const std::u16string_view g = name.substr(1);

    if (g.substr(0, 6) == u"Color-") {
        Colour c;
        if (parseColour(g.substr(6), &c)) picture.fillRect(a, c);
    } else if (g == u"_") {
        p.box(sq.x + sq.n / 5, sq.y + sq.n - 2 * u, sq.n - 2 * (sq.n / 5), 2 * u);
    } else if (g == u"Transform") {
        Square s = centredSquare(a, small * 3 / 4);
        p.frame(s.x, s.y, s.n, u);
        p.box(s.x, s.y + u, s.n, u);
    } else if (g == u"Play") {
        arrow(p, a, 0, full);
    } else if (g == u"Pause") {
        int32_t bar = std::max<int32_t>(2 * u, sq.n / 3);
        p.box(sq.x, sq.y, bar, sq.n);
        p.box(sq.x + sq.n - bar, sq.y, bar, sq.n);
    } else if (g == u"Stop") {
        Square s = centredSquare(a, small * 3 / 4);
        p.box(s.x, s.y, s.n, s.n);
    } else if (g == u"Speaker" || g == u"Mute") {
        speaker(p, sq);
        if (g == u"Mute") {
            int32_t c = std::max<int32_t>(3 * u, sq.n / 3);
            cross(p, {sq.x + sq.n - c, sq.y + (sq.n - c) / 2, c});
        }
    } else if (g == u"Right") {
        arrow(p, a, 0, full);
    } else if (g == u"Left") {
        arrow(p, a, 1, full);
    } else if (g == u"Down") {
        arrow(p, a, 2, full);
    } else if (g == u"Up") {
        arrow(p, a, 3, full);
    } else if (g == u"RightRight") {
        doubleArrow(p, a, 0, full);
    } else if (g == u"LeftLeft") {
        doubleArrow(p, a, 1, full);
    } else if (g == u"ThumbLineV") {
        grips(p, a, true);
    } else if (g == u"ThumbLineH") {
        grips(p, a, false);
    } else if (g == u"Minus") {
        minus(p, sq);
    } else if (g == u"Plus") {
        plus(p, sq);
    } else if (g == u"PlusMinus") {
        int32_t half = std::max<int32_t>(3 * u, sq.n / 2);
        plus(p, {sq.x + (sq.n - half) / 2, sq.y, half});
        p.box(sq.x + (sq.n - half) / 2, sq.y + sq.n - u, half, u);
    } else if (g == u"Check") {
        check(p, centredSquare(a, full));
    } else if (g == u"X") {
        cross(p, sq);
    } else if (g == u"Next" || g == u"Prev") {
        int32_t k = std::max<int32_t>(1, full * 8 / 30);
        int32_t w = k + 3 * u, h = 2 * k + 1;
        int32_t x = a.x + (a.width - w) / 2, y = a.y + (a.height - h) / 2;
        bool next = g == u"Next";
        p.triangle(next ? 0 : 1, next ? x : x + 2 * u, y, k);
        p.box(next ? x + k + 2 * u : x, y, u, h);
    } else if (g == u"Resizer") {
        paintGrip(picture, a);
    } else if (g == u"TreeClosed" || g == u"TreeOpen") {
        Square s = centredSquare(a, std::max<int32_t>(5 * u, small | 1));
        p.frame(s.x, s.y, s.n, u);
        Square inner{s.x + 2 * u, s.y + 2 * u, s.n - 4 * u};
        if (inner.n > 0) {
            p.box(inner.x, inner.y + (inner.n - u) / 2, inner.n, u);
            if (g == u"TreeClosed") p.box(inner.x + (inner.n - u) / 2, inner.y, u, inner.n);
        }
    } else if (g == u"TurnRight" || g == u"TurnLeft") {
        // A hook: a bar along the top, down one side, ending in an arrow head.
        int32_t k = std::max<int32_t>(1, sq.n / 4);
        bool right = g == u"TurnRight";
        int32_t side = right ? sq.x + sq.n - k - u : sq.x + k;
        p.box(sq.x + (right ? 0 : k), sq.y, sq.n - k, 2 * u);
        p.box(side - (right ? 0 : u), sq.y, 2 * u, sq.n - k);
        p.triangle(2, side - k + (right ? 0 : 0), sq.y + sq.n - k - 1, k);
    } else if (g == u"OnTop") {
        int32_t k = std::max<int32_t>(1, sq.n / 4);
        p.box(sq.x, sq.y, sq.n, 2 * u);
        p.triangle(3, sq.x + (sq.n - 2 * k - 1) / 2, sq.y + 3 * u, k);
        p.box(sq.x + sq.n / 2 - u, sq.y + 3 * u + k, 2 * u, sq.n - 3 * u - k);
    } else if (g == u"FitWindow") {
        p.frame(sq.x, sq.y, sq.n, u);
        p.box(sq.x + 3 * u, sq.y + 3 * u, sq.n - 6 * u, sq.n - 6 * u);
    } else if (g == u"FitToWindow") {
        p.frame(sq.x, sq.y, sq.n, u);
        int32_t c = std::max<int32_t>(2 * u, sq.n / 3);
        p.box(sq.x + 2 * u, sq.y + 2 * u, c, u);
        p.box(sq.x + 2 * u, sq.y + 2 * u, u, c);
        p.box(sq.x + sq.n - 2 * u - c, sq.y + sq.n - 3 * u, c, u);
        p.box(sq.x + sq.n - 3 * u, sq.y + sq.n - 2 * u - c, u, c);
    } else if (g == u"Palm") {
        int32_t finger = std::max<int32_t>(1, sq.n / 6);
        for (int32_t i = 0; i < 4; ++i)
            p.box(sq.x + 1 + i * (finger + 1), sq.y + (i == 0 || i == 3 ? 2 : 0), finger, sq.n / 2);
        p.box(sq.x + 1, sq.y + sq.n / 2, 4 * (finger + 1) - 1, sq.n / 2);
        p.box(sq.x + 4 * (finger + 1), sq.y + sq.n / 2, std::max<int32_t>(1, finger), sq.n / 4);
    } else if (g.substr(0, 6) == u"Window") {
        windowGlyph(p, g, centredSquare(a, std::max<int32_t>(5, full * 6 / 10)));
    } else if (g == u"KeepRatio") {
        p.frame(sq.x, sq.y, sq.n, u);
        for (int32_t i = 2 * u; i < sq.n - 2 * u; ++i) p.box(sq.x + i, sq.y + sq.n - u - i, u, u);
    }
    return true;
}

}  // namespace s::gui::drawer::button::win
