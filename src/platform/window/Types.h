// Basic value types of the window layer: handles, message parameters, points and rectangles.
#pragma once

#include <cstdint>

namespace platform::window {

// A native window of this layer. 0 is "no window"; numbers are never reused in a process, so a
// stale handle is simply reported as not a window.
using Handle = std::uintptr_t;
constexpr Handle kNoWindow = 0;

// Message parameters and results, pointer-sized as the toolkit passes pointers through them.
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using Result = std::intptr_t;

// A user-interface thread of this layer (one message queue each). 0 is "none".
using ThreadId = std::uint64_t;

// Colours are 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;
constexpr Colour rgb(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned red(Colour c) {
    return c & 0xFFu;
}
constexpr unsigned green(Colour c) {
    return (c >> 8) & 0xFFu;
}
constexpr unsigned blue(Colour c) {
    return (c >> 16) & 0xFFu;
}

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    std::int32_t right() const { return x + width; }    // exclusive
    std::int32_t bottom() const { return y + height; }  // exclusive
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(Point p) const { return p.x >= x && p.y >= y && p.x < right() && p.y < bottom(); }
    Rect intersect(const Rect& o) const;
    Rect unite(const Rect& o) const;  // bounding rectangle; an empty side is ignored
    Rect offset(std::int32_t dx, std::int32_t dy) const { return {x + dx, y + dy, width, height}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect Rect::intersect(const Rect& o) const {
    std::int32_t l = x > o.x ? x : o.x;
    std::int32_t t = y > o.y ? y : o.y;
    std::int32_t r = right() < o.right() ? right() : o.right();
    std::int32_t b = bottom() < o.bottom() ? bottom() : o.bottom();
    if (r <= l || b <= t) return {};
    return {l, t, r - l, b - t};
}

inline Rect Rect::unite(const Rect& o) const {
    if (o.empty()) return *this;
    if (empty()) return o;
    std::int32_t l = x < o.x ? x : o.x;
    std::int32_t t = y < o.y ? y : o.y;
    std::int32_t r = right() > o.right() ? right() : o.right();
    std::int32_t b = bottom() > o.bottom() ? bottom() : o.bottom();
    return {l, t, r - l, b - t};
}

}  // namespace platform::window
