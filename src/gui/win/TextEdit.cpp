// The text area: the layer's multi-line control inside a one-pixel frame, with a vertical and a
// horizontal scroll bar that follow the control's scrolling and scroll it when used.
#include "gui/win/TextEdit.h"

#include <algorithm>

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/SkinColours.h"
#include "gui/drawer/Skinner.h"
#include "platform/window/Edit.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {
constexpr std::int32_t kFrame = 1;
}  // namespace

TextEdit::TextEdit() : EditBase(true), vbar_(newScrollBar(1, -1)), hbar_(newScrollBar(0, -1)) {
    resetArea();
}

TextEdit::~TextEdit() {
    vbar_->release();
    hbar_->release();
}

void TextEdit::recycle() {
    resetArea();
}

void TextEdit::resetArea() {
    resetEdit();
    vbar_->recycle();
    hbar_->recycle();
    vbar_->setVertical();
    hbar_->setHorizontal();
    hbar_->setOtherBar(vbar_);  // the horizontal bar leaves the corner square
    for (ScrollBar* bar : {vbar_, hbar_}) bar->setVisible(false, false);
    vbar_->info().bindMover([this](std::int32_t y) {
        pw::setEditScroll(edit_, {pw::editScroll(edit_).x, y});
    });
    hbar_->info().bindMover([this](std::int32_t x) {
        pw::setEditScroll(edit_, {x, pw::editScroll(edit_).y});
    });
    wrap_ = true;
    arranging_ = false;
}

void TextEdit::setLineWrap(bool on) {
    if (handOff([&] { setLineWrap(on); })) return;
    wrap_ = on;
    if (edit_ != pw::kNoWindow) pw::setEditWrap(edit_, on);  // reports the new extent
}

void TextEdit::forgetNative() {
    EditBase::forgetNative();
    vbar_->forgetNative();
    hbar_->forgetNative();
}

std::uint32_t TextEdit::editStyle() const {
    // The frame is the area's, around the control and its bars.
    return pw::kEditMultiLine | pw::kEditNoFrame | (wrap_ ? 0u : std::uint32_t{pw::kEditNoWrap});
}

void TextEdit::onAttached() {
    EditBase::onAttached();
    vbar_->attach(this);
    hbar_->attach(this);
    arrange();
}

void TextEdit::placeEdit() {
    arrange();
}

void TextEdit::placeParts(bool vertical, bool horizontal) {
    std::int32_t w = std::max(width_ - 2 * px(kFrame), 0);
    std::int32_t h = std::max(height_ - 2 * px(kFrame), 0);
    std::int32_t t = px(ScrollBar::kThickness);
    std::int32_t editW = std::max(w - (vertical ? t : 0), 0);
    std::int32_t editH = std::max(h - (horizontal ? t : 0), 0);
    pw::place(edit_, {px(kFrame), px(kFrame), editW, editH});
    if (vertical) vbar_->setBounds(px(kFrame) + editW, px(kFrame), t, editH);
    if (horizontal) hbar_->setBounds(px(kFrame), px(kFrame) + editH, w, t);
}

void TextEdit::arrange() {
    if (edit_ == pw::kNoWindow || arranging_) return;
    arranging_ = true;
    bool vertical = vbar_->isVisibleFlag();
    bool horizontal = hbar_->isVisibleFlag();
    pw::EditExtent e;
    // A bar that comes or goes changes the other axis' page (and, wrapped, the text's height):
    // place and measure again until the bars stay (narrower only ever needs more room).
    for (int pass = 0; pass < 4; ++pass) {
        placeParts(vertical, horizontal);
        if (!pw::editExtent(edit_, &e)) break;
        bool needV = e.content.height > e.page.height;
        bool needH = !wrap_ && e.content.width > e.page.width;
        if (needV == vertical && needH == horizontal) break;
        vertical = needV;
        horizontal = needH;
    }
    if (vertical != vbar_->isVisibleFlag()) vbar_->setVisible(vertical, false);
    if (horizontal != hbar_->isVisibleFlag()) hbar_->setVisible(horizontal, false);
    placeParts(vertical, horizontal);
    vbar_->setSteps(e.lineHeight, e.lineHeight);
    hbar_->setSteps(e.lineHeight, e.lineHeight);
    vbar_->info().setRange(e.content.height, e.page.height, e.scroll.y);
    hbar_->info().setRange(e.content.width, e.page.width, e.scroll.x);
    arranging_ = false;
}

void TextEdit::paint(pw::Canvas& canvas, pw::Rect area) {
    EditBase::paint(canvas, area);
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    canvas.frameRect({0, 0, width_, height_}, drawer::SkinColours::of(skin).frame);
}

TextEdit* newTextEdit(std::int32_t percentWidth) {
    TextEdit* area = TextEdit::create();
    if (percentWidth >= 0) area->setComponentPercentWidth(percentWidth);
    area->setComponentPercentHeight(100);
    return area;
}

}  // namespace s::gui::win
