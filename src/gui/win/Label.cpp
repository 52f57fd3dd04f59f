// Label text, temporary texts, link input, measuring and painting.
#include "gui/win/Label.h"

#include <cctype>

#include "platform/window/LinkOpener.h"

namespace pw = platform::window;

namespace s::gui::win {

Label::~Label() {
    releaseDrawer();
    for (Font* f : {disabledFont_, hoveredFont_, pressedFont_}) {
        if (f) f->release();
    }
}

void Label::resetLabel() {
    resetText();
    releaseDrawer();
    for (Font** f : {&disabledFont_, &hoveredFont_, &pressedFont_}) {
        if (*f) (*f)->release();
        *f = nullptr;
    }
    stateFonts_ = temporary_ = false;
    press_.reset();
    linkTarget_.clear();
    clickListeners_.clear();
    savedText_.clear();
    transparent_ = true;
}

void Label::releaseDrawer() {
    if (drawer_ && drawerOwned_) drawer_->release();
    drawer_ = nullptr;
    drawerOwned_ = false;
}

bool Label::setText(const std::u16string& text, bool repaint) {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        // Compared and changed on the owner thread only, where painting reads the text.
        return pw::send(native_, kMsgSetText, reinterpret_cast<pw::WParam>(&text),
                        repaint ? 1 : 0) != 0;
    }
    if (temporary_) {
        // The program's own text wins over a temporary one and is not reverted.
        temporary_ = false;
        savedText_.clear();
        if (native_ != pw::kNoWindow) pw::killTimer(native_, kRevertTimer);
    }
    return storeText(text, repaint && native_ != pw::kNoWindow);
}

std::u16string Label::getText() const {
    if (native_ != pw::kNoWindow && !pw::isOwnerThread(native_)) {
        std::u16string copy;
        const_cast<Label*>(this)->handOff([&] { copy = text_; });
        return copy;
    }
    return text_;
}

bool Label::storeText(const std::u16string& text, bool repaint) {
    if (text == text_) return false;
    if (!text_.empty() && repaint) {
        text_.clear();
        this->repaint();  // no trace of the old text stays
    }
    return TextComponent::storeText(text, repaint);
}

void Label::showTextFor(const std::u16string& text, std::uint32_t milliseconds) {
    if (native_ == pw::kNoWindow) return;
    if (handOff([&] { showTextFor(text, milliseconds); })) return;
    pw::killTimer(native_, kRevertTimer);
    if (!temporary_) {
        savedText_ = text_;
        temporary_ = true;
    }
    storeText(text, true);
    pw::setTimer(native_, kRevertTimer, milliseconds);
}

void Label::revertText() {
    pw::killTimer(native_, kRevertTimer);
    if (!temporary_) return;
    temporary_ = false;
    std::u16string own;
    own.swap(savedText_);
    storeText(own, true);
}

void Label::setTextDrawer(drawer::text::IBasic* drawer, bool owned) {
    if (handOff([&] { setTextDrawer(drawer, owned); })) return;
    releaseDrawer();
    drawer_ = drawer;
    drawerOwned_ = owned;
    measure(true);
    repaint();
}

void Label::setStateFonts(bool on) {
    if (handOff([&] { setStateFonts(on); })) return;
    stateFonts_ = on;
    if (!on) press_.cancel(native_);
    measure(true);
    repaint();
}

Font* Label::stateFont(Font*& font) {
    if (!font) {
        font = Font::create();
        font->copyFrom(ownFont_);
    }
    return font;
}

IFont* Label::getDisabledFont() {
    return stateFont(disabledFont_);
}
IFont* Label::getHoveredFont() {
    return stateFont(hoveredFont_);
}
IFont* Label::getPressedFont() {
    return stateFont(pressedFont_);
}

void Label::forEachStateFont(const std::function<void(Font*)>& change) {
    if (hoveredFont_) change(hoveredFont_);
    if (pressedFont_) change(pressedFont_);
}

const IFont* Label::paintFont() const {
    if (!isEnabled() && disabledFont_) return disabledFont_;
    if (!stateFonts_) return ownFont_;
    std::int32_t state = getState();
    if (state == PressTracker::kHovered && hoveredFont_) return hoveredFont_;
    if (state == PressTracker::kPressed && pressedFont_) return pressedFont_;
    return ownFont_;
}

void Label::measure(bool relayout) {
    drawer::text::IBasic* d = drawer_ ? drawer_ : textDrawer();
    std::int32_t minW = 0, minH = 0, natW = 0, natH = 0;
    d->measure(text_, ownFont_, formatOf(ownFont_), &minW, &minH, &natW, &natH);
    if (stateFonts_) {
        // A link keeps its size whatever state font it shows.
        for (const Font* f : {hoveredFont_, pressedFont_}) {
            if (!f) continue;
            std::int32_t w = 0, h = 0, nw = 0, nh = 0;
            d->measure(text_, f, formatOf(f), &w, &h, &nw, &nh);
            minW = std::max(minW, w), minH = std::max(minH, h);
            natW = std::max(natW, nw), natH = std::max(natH, nh);
        }
    }
    setMinSize(minW, minH);
    setNaturalSize(natW, natH);
    afterMeasure(relayout);
}

void Label::paint(pw::Canvas& canvas, pw::Rect area) {
    Component::paint(canvas, area);
    drawer::text::IBasic* d = drawer_ ? drawer_ : textDrawer();
    const IFont* font = paintFont();
    d->paint(canvas, 0, 0, width_, height_, text_, font, formatOf(font));
    if (takesFocus() && hasFocus()) d->paintFocus(canvas, 0, 0, width_, height_);
}

std::int32_t Label::partAt(pw::LParam point) const {
    pw::Point p = pw::unpackPoint(point);
    bool in = p.x >= 0 && p.y >= 0 && p.x <= width_ && p.y <= height_;  // edges included
    return in ? PressTracker::kWhole : PressTracker::kNone;
}

bool isOpenableLink(const std::u16string& target) {
    auto startsWith = [&](std::u16string_view prefix) {
        if (target.size() < prefix.size()) return false;
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            char16_t c = target[i];
            if (c < 128) c = static_cast<char16_t>(std::tolower(c));
            if (c != prefix[i]) return false;
        }
        return true;
    };
    return startsWith(u"http://") || startsWith(u"https://") || startsWith(u"mailto:");
}

bool Label::clickLink() {
    if (isOpenableLink(linkTarget_)) pw::openLink(linkTarget_);
    fireListeners(clickListeners_, eventSource(this), 1);
    return true;
}

pw::Result Label::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                pw::LParam lparam) {
    switch (message) {
        case kMsgSetText:
            return setText(*reinterpret_cast<const std::u16string*>(wparam), lparam != 0) ? 1 : 0;
        case pw::msg::kTimer:
            if (wparam != kRevertTimer) break;
            revertText();
            return 0;
        case pw::msg::kHitTest: {
            pw::Result hit = Component::handleMessage(window, message, wparam, lparam);
            // A plain label lets the pointer through to what lies beneath it.
            if (!stateFonts_ && hit == pw::kHitClient) return pw::kHitTransparent;
            return hit;
        }
        case pw::msg::kMouseMove:
            if (!stateFonts_) break;
            if (press_.move(partAt(lparam), (wparam & pw::kMouseLeft) != 0)) repaint();
            return 0;
        case pw::msg::kMouseLeave:
            if (press_.leave()) repaint();
            return 0;
        case pw::msg::kLButtonDown:
            if (!stateFonts_) break;
            press_.press(window, PressTracker::kWhole);
            repaint();
            return 0;
        case pw::msg::kLButtonUp: {
            if (!press_.isPressed()) break;
            bool hit = press_.release(window, partAt(lparam));
            // A followed link looks plain until the pointer moves again.
            press_.leave();
            repaint();
            if (hit) clickLink();
            return 0;
        }
        case pw::msg::kCaptureChanged:
            if (press_.captureLost()) repaint();
            return 0;
        case pw::msg::kKeyDown:
            // Space and Enter follow a focused link as a click does.
            if (stateFonts_ && (wparam == pw::vk::kSpace || wparam == pw::vk::kReturn) &&
                !pw::isKeyDown(pw::vk::kControl) && !pw::isKeyDown(pw::vk::kAlt)) {
                if (isOpenableLink(linkTarget_)) pw::openLink(linkTarget_);
                fireListeners(clickListeners_, eventSource(this), 1);
                return 0;
            }
            break;
        default:
            break;
    }
    return Component::handleMessage(window, message, wparam, lparam);
}

Label* newLabel(const std::u16string& text) {
    Label* label = Label::create();
    label->setText(text, false);
    return label;
}

Label* newLabel(const std::u16string& text, bool flagA, bool flagB, std::int32_t sizeCode) {
    Label* label = Label::create();
    if (flagA) label->setWrap(true);
    if (flagB) label->setEllipsis(true);
    if (sizeCode != 0) label->setSizeCode(sizeCode);
    label->setText(text, false);
    return label;
}

Label* newLabelByNumber(std::int32_t textNumber, bool flagA, bool flagB, std::int32_t sizeCode) {
    Label* label = newLabel(u"", flagA, flagB, sizeCode);
    label->setTextNumber(textNumber);
    return label;
}

}  // namespace s::gui::win
