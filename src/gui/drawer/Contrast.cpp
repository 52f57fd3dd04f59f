// Contrast ratios and the ground under a text.
#include "gui/drawer/Contrast.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace pw = platform::window;

namespace s::gui::drawer {

namespace {

double channel(unsigned v) {
    double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Colour c) {
    return 0.2126 * channel(pw::red(c)) + 0.7152 * channel(pw::green(c)) +
           0.0722 * channel(pw::blue(c));
}

constexpr Colour kBlack = pw::rgb(0, 0, 0);
constexpr Colour kWhite = pw::rgb(255, 255, 255);

}  // namespace

double Contrast::ratio(Colour a, Colour b) {
    double la = luminance(a), lb = luminance(b);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

Colour Contrast::readable(Colour wanted, Colour ground) {
    if (ratio(wanted, ground) >= kMinimum) return wanted;
    const Colour target = ratio(kBlack, ground) >= ratio(kWhite, ground) ? kBlack : kWhite;
    // Moves towards black or white only as far as needed, so a coloured text keeps its hue (a
    // green verdict stays green on white, only darker).
    constexpr unsigned kSteps = 32;
    auto mix = [](unsigned from, unsigned to, unsigned step) {
        return (from * (kSteps - step) + to * step) / kSteps;
    };
    for (unsigned step = 1; step < kSteps; ++step) {
        Colour c = pw::rgb(mix(pw::red(wanted), pw::red(target), step),
                           mix(pw::green(wanted), pw::green(target), step),
                           mix(pw::blue(wanted), pw::blue(target), step));
        if (ratio(c, ground) >= kAdjusted) return c;
    }
    return target;
}

Colour Contrast::dimmed(Colour text, Colour ground) {
    return pw::rgb((pw::red(text) + pw::red(ground)) / 2, (pw::green(text) + pw::green(ground)) / 2,
                   (pw::blue(text) + pw::blue(ground)) / 2);
}

bool Contrast::groundOf(Canvas& canvas, pw::Rect area, Colour* ground) {
    pw::Picture& picture = canvas.target();
    const pw::Point origin = canvas.origin();
    pw::Rect inPicture = area.offset(origin.x, origin.y)
                             .intersect(canvas.clip().offset(origin.x, origin.y))
                             .intersect({0, 0, picture.width(), picture.height()});
    if (inPicture.empty()) return false;
    // Up to 9 x 5 samples spread over the area, the most frequent colour wins.
    constexpr std::int32_t kColumns = 9, kRows = 5;
    std::vector<std::pair<Colour, int>> seen;
    for (std::int32_t j = 0; j < kRows; ++j) {
        std::int32_t y = inPicture.y + (2 * j + 1) * inPicture.height / (2 * kRows);
        for (std::int32_t i = 0; i < kColumns; ++i) {
            std::int32_t x = inPicture.x + (2 * i + 1) * inPicture.width / (2 * kColumns);
            if ((picture.argbAt(x, y) >> 24) == 0) continue;  // nothing painted there yet
            Colour c = picture.colourAt(x, y);
            auto it =
                std::find_if(seen.begin(), seen.end(), [c](const auto& s) { return s.first == c; });
            if (it == seen.end()) {
                seen.emplace_back(c, 1);
            } else {
                ++it->second;
            }
        }
    }
    if (seen.empty()) return false;
    *ground = std::max_element(seen.begin(), seen.end(), [](const auto& a, const auto& b) {
                  return a.second < b.second;
              })->first;
    return true;
}

}  // namespace s::gui::drawer
