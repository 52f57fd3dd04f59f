// Window frame painting and the window's shape.
#include "gui/drawer/window/win/Thin.h"

#include <algorithm>

#include "platform/window/Scale.h"

namespace pw = platform::window;

namespace s::gui::drawer::window::win {

namespace {

// Frame rows of a round corner, from the row below the edge line inwards.
constexpr std::int32_t kStair[5] = {5, 3, 2, 2, 1};

// How far the shape is cut in on each row from the edge, for the 5 x 5 corner ellipse of the
// small style and the 11 x 11 one of the round style. The cut leaves exactly one frame pixel
// of the stair (or of the small style's extra piece) showing on each row, so the frame reads
// as a continuous curve.
constexpr std::int32_t kSmallCut[] = {2, 1};
constexpr std::int32_t kRoundCut[] = {5, 3, 2, 1, 1};

}  // namespace

void Thin::reset() {
    frame_ = pw::rgb(68, 68, 68);
    background_ = pw::rgb(255, 255, 255);
    topStyle_ = bottomStyle_ = kSquare;
    transparent_ = false;
}

void Thin::setCornerStyles(std::int32_t top, std::int32_t bottom) {
    topStyle_ = std::clamp(top, 0, 2);
    bottomStyle_ = std::clamp(bottom, 0, 2);
}

void Thin::paint(Canvas& picture, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) {
    if (emptyArea(left, top, right, bottom)) return;
    const std::int32_t w = right - left, h = bottom - top;
    auto box = [&](std::int32_t x, std::int32_t y, std::int32_t bw, std::int32_t bh) {
        if (bw > 0 && bh > 0) picture.fillRect(left + x, top + y, bw, bh, frame_);
    };
    // 1. Background.
    if (!transparent_) picture.fillRect({left, top, w, h}, background_);
    // 2. The four sides. Every pixel of the pattern below is a u x u square on the screen.
    const std::int32_t u = pw::scaled(1);
    picture.frameRect({left, top, w, h}, frame_, u);
    // 3. Small corners: a two-pixel piece inside each corner of the rounded edge.
    if (topStyle_ == kSmall) {
        box(0, u, 2 * u, u);
        box(w - 2 * u, u, 2 * u, u);
    }
    if (bottomStyle_ == kSmall) {
        box(0, h - 2 * u, 2 * u, u);
        box(w - 2 * u, h - 2 * u, 2 * u, u);
    }
    // 4. Round corners: a stair of rows at each corner of the rounded edge.
    for (std::int32_t i = 0; i < 5; ++i) {
        const std::int32_t stair = kStair[i] * u;
        if (topStyle_ == kRound) {
            box(0, (1 + i) * u, stair, u);
            box(w - stair, (1 + i) * u, stair, u);
        }
        if (bottomStyle_ == kRound) {
            box(0, h - (2 + i) * u, stair, u);
            box(w - stair, h - (2 + i) * u, stair, u);
        }
    }
}

Region Thin::region(std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom) const {
    if (emptyArea(left, top, right, bottom)) return {};
    const std::int32_t w = right - left, h = bottom - top;
    auto cuts = [](std::int32_t style, const std::int32_t** rows) -> std::int32_t {
        if (style == kSmall) {
            *rows = kSmallCut;
            return 2;
        }
        if (style == kRound) {
            *rows = kRoundCut;
            return 5;
        }
        return 0;
    };
    const std::int32_t* topRows = nullptr;
    const std::int32_t* bottomRows = nullptr;
    std::int32_t nTop = cuts(topStyle_, &topRows), nBottom = cuts(bottomStyle_, &bottomRows);
    // The cut rows of the pattern, each u screen rows deep and cut u times as far.
    const std::int32_t u = pw::scaled(1);
    nTop = std::min(nTop * u, h / 2);
    nBottom = std::min(nBottom * u, h - nTop);
    Region shape;
    for (std::int32_t y = 0; y < nTop; ++y) {
        std::int32_t c = std::min(topRows[y / u] * u, w / 2);
        shape.push_back({left + c, top + y, w - 2 * c, 1});
    }
    if (h - nTop - nBottom > 0) shape.push_back({left, top + nTop, w, h - nTop - nBottom});
    for (std::int32_t i = nBottom - 1; i >= 0; --i) {
        std::int32_t c = std::min(bottomRows[i / u] * u, w / 2);
        shape.push_back({left + c, bottom - 1 - i, w - 2 * c, 1});
    }
    return shape;
}

}  // namespace s::gui::drawer::window::win
