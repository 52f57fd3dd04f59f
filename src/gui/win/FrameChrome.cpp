// The self-painted frame: drawer, back buffer, shape and hit test.
#include "gui/win/FrameChrome.h"

#include "gui/win/Scale.h"

namespace pw = platform::window;

namespace s::gui::win {

FrameChrome::~FrameChrome() {
    if (owned_ && drawer_) drawer_->release();
}

void FrameChrome::setDrawer(drawer::window::IThin* drawer, bool owned) {
    if (owned_ && drawer_ && drawer_ != drawer) drawer_->release();
    drawer_ = drawer;
    owned_ = owned && drawer;
    if (!drawer) backBuffer_.reset();
}

void FrameChrome::paint(pw::Canvas& canvas, std::int32_t w, std::int32_t h) {
    if (!drawer_ || w <= 0 || h <= 0) return;
    // Double-buffered: a picture smaller than 0.7 of the kept one's area replaces it at the
    // exact size; one that fits is reused; otherwise the picture grows to what is needed.
    if (!backBuffer_) backBuffer_ = std::make_unique<pw::Picture>();
    std::int64_t needed = std::int64_t{w} * h;
    std::int64_t kept = std::int64_t{backBuffer_->width()} * backBuffer_->height();
    bool fits = backBuffer_->width() >= w && backBuffer_->height() >= h;
    if (!backBuffer_->valid() || needed * 10 < kept * 7 || !fits) backBuffer_->reset(w, h);
    pw::Canvas buffer(*backBuffer_, {0, 0}, {0, 0, w, h});
    drawer_->paint(buffer, 0, 0, w, h);
    canvas.copyPicture(*backBuffer_, {0, 0, w, h}, {0, 0});
}

pw::Size FrameChrome::backBufferSize() const {
    if (!backBuffer_) return {};
    return {backBuffer_->width(), backBuffer_->height()};
}

drawer::window::Region FrameChrome::shape(std::int32_t w, std::int32_t h, bool maximized) const {
    // The drawer's corners cut the window; a maximised window fills its area square.
    drawer::window::Region region;
    if (!drawer_ || w <= 0 || h <= 0 || maximized) return region;
    region = drawer_->region(0, 0, w, h);
    // One rectangle over the whole window is no shape at all.
    if (region.size() == 1 && region[0] == pw::Rect{0, 0, w, h}) region.clear();
    return region;
}

pw::HitTest FrameChrome::sizingZone(std::int32_t x, std::int32_t y, std::int32_t w,
                                    std::int32_t h) {
    const std::int32_t border = px(kBorder), corner = px(kCorner);
    if (x > w - border) {
        if (y < corner) return pw::kHitTopRight;
        if (y > h - corner) return pw::kHitBottomRight;
        return pw::kHitRight;
    }
    if (y > h - border) {
        if (x < corner) return pw::kHitBottomLeft;
        if (x > w - corner) return pw::kHitBottomRight;
        return pw::kHitBottom;
    }
    if (x < border) {
        if (y < corner) return pw::kHitTopLeft;
        if (y > h - corner) return pw::kHitBottomLeft;
        return pw::kHitLeft;
    }
    if (y < border) {
        if (x < corner) return pw::kHitTopLeft;
        if (x > w - corner) return pw::kHitTopRight;
        return pw::kHitTop;
    }
    return pw::kHitClient;
}

pw::HitTest FrameChrome::hitTest(pw::Point at, pw::Size size, const Hit& state) const {
    pw::HitTest code = pw::kHitClient;
    if (drawer_ && state.resizable && !state.maximized) {
        code = sizingZone(at.x, at.y, size.width, size.height);
    }
    const bool caption = state.easyDrag || (at.y >= 0 && at.y < state.titleRowHeight);
    if (code == pw::kHitClient && caption && !state.rightButtonDown) code = pw::kHitCaption;
    return code;
}

}  // namespace s::gui::win
