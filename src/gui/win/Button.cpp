// Button input (press, drag off, release, click), auto-repeat, toggling and painting.
#include "gui/win/Button.h"

#include <cstdio>

#include "gui/IWindow.h"
#include "gui/drawer/Defaults.h"
#include "gui/drawer/Skinner.h"

namespace pw = platform::window;

namespace s::gui::win {

Button::~Button() {
    if (drawer_ && drawerOwned_) drawer_->release();
    hoveredFont_->release();
    pressedFont_->release();
}

void Button::resetButton() {
    resetText();
    if (drawer_ && drawerOwned_) drawer_->release();
    drawer_ = nullptr;
    drawerOwned_ = false;
    if (!hoveredFont_) hoveredFont_ = Font::create();
    if (!pressedFont_) pressedFont_ = Font::create();
    hoveredFont_->recycle();
    pressedFont_->recycle();
    clickListeners_.clear();
    afterClickListeners_.clear();
    pressListeners_.clear();
    autoRepeat_ = repeating_ = showFocus_ = false;
    toggleMode_ = toggled_ = false;
    canUncheck_ = toggleEnabled_ = true;
    press_.reset();
}

drawer::button::IThin* Button::buttonDrawer() const {
    if (drawer_) return drawer_;
    drawer::ISkin* skin = drawer::Defaults::currentSkin(window_ ? window_->getSkinner() : nullptr);
    return skin ? skin->getButtonDrawer() : drawer::Defaults::button();
}

void Button::setText(const std::u16string& text) {
    if (handOff([&] { setText(text); })) return;
    textNumber_ = -1;
    storeText(text, native_ != pw::kNoWindow);
}

void Button::setButtonDrawer(drawer::button::IThin* drawer, bool owned) {
    if (handOff([&] { setButtonDrawer(drawer, owned); })) return;
    if (drawer_ && drawerOwned_) drawer_->release();
    drawer_ = drawer;
    drawerOwned_ = owned;
    measure(true);
    repaint();
}

void Button::setToggleMode(bool toggle, bool canUncheck) {
    toggleMode_ = toggle;
    canUncheck_ = canUncheck;
}

void Button::setToggled(bool on) {
    if (handOff([&] { setToggled(on); })) return;
    if (on == toggled_) return;
    toggled_ = on;
    repaint();
}

void Button::setColourText(std::int32_t red, std::int32_t green, std::int32_t blue) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(makeColour(red, green, blue)));
    std::u16string text = u"#Color-";
    for (const char* p = hex; *p; ++p) text.push_back(static_cast<char16_t>(*p));
    setText(text);
}

void Button::forEachStateFont(const std::function<void(Font*)>& change) {
    change(hoveredFont_);
    change(pressedFont_);
}

void Button::measure(bool relayout) {
    std::int32_t minW = 0, minH = 0, natW = 0, natH = 0;
    buttonDrawer()->measure(text_, ownFont_, &minW, &minH, &natW, &natH);
    setMinSize(minW, minH);
    setNaturalSize(natW, natH);
    afterMeasure(relayout);
}

void Button::paint(pw::Canvas& canvas, pw::Rect area) {
    const IFont* font = ownFont_;
    std::int32_t state = getState();
    if (state == PressTracker::kHovered && hoveredFont_->isAnySet()) font = hoveredFont_;
    if (state == PressTracker::kPressed && pressedFont_->isAnySet()) font = pressedFont_;
    bool focus = (showFocus_ || takesFocus()) && hasFocus();
    buttonDrawer()->paint(canvas, 0, 0, width_, height_, state, text_, isEnabled(), font, focus,
                          toggled_);
    if (focus) buttonDrawer()->paintFocus(canvas, 2, 2, width_ - 2, height_ - 2);
}

void Button::lookChanged(bool changed) {
    if (changed) repaint();
}

std::int32_t Button::partAt(pw::LParam point) const {
    pw::Point p = pw::unpackPoint(point);
    bool in = p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
    return in ? PressTracker::kWhole : PressTracker::kNone;
}

void Button::press(pw::Handle capturer) {
    press_.press(capturer, PressTracker::kWhole);
    repaint();
    fireListeners(pressListeners_, eventSource(this), 0);
    if (autoRepeat_ && native_ != pw::kNoWindow) {
        repeating_ = false;
        pw::setTimer(native_, kRepeatTimer, kFirstRepeatMs);
    }
}

void Button::cancelPress() {
    if (native_ != pw::kNoWindow) pw::killTimer(native_, kRepeatTimer);
    repeating_ = false;
    lookChanged(press_.cancel(native_));
}

void Button::clickStep() {
    fireListeners(clickListeners_, eventSource(this), 1);
    if (toggleMode_ && toggleEnabled_ && (!toggled_ || canUncheck_)) {
        toggled_ = !toggled_;
        repaint();
    }
    fireListeners(afterClickListeners_, eventSource(this), 2);
}

void Button::click() {
    if (native_ == pw::kNoWindow) {
        clickStep();
        return;
    }
    pw::send(native_, kMsgClick);
}

void Button::setEnabled(bool enable) {
    if (handOff([&] { setEnabled(enable); })) return;
    if (!enable) cancelPress();
    Component::setEnabled(enable);
    repaint();
}

void Button::setVisible(bool show, bool relayout) {
    if (handOff([&] { setVisible(show, relayout); })) return;
    if (!show) cancelPress();
    Component::setVisible(show, relayout);
}

pw::Result Button::handleMessage(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                                 pw::LParam lparam) {
    switch (message) {
        case kMsgClick:
            // A program click: the press step, then release and the click step.
            press(pw::kNoWindow);
            cancelPress();
            clickStep();
            return 1;
        case pw::msg::kTimer:
            if (wparam != kRepeatTimer) break;
            if (!press_.isPressed()) {
                pw::killTimer(window, kRepeatTimer);
                return 0;
            }
            if (!repeating_) {
                repeating_ = true;
                pw::setTimer(window, kRepeatTimer, kRepeatMs);
            }
            if (press_.pressedInside()) fireListeners(pressListeners_, eventSource(this), 0);
            return 0;
        case pw::msg::kSetCursor:
            if (text_ == u"#Resizer") {
                pw::setCursor(pw::Cursor::kSizeNWSE);
                return 1;
            }
            break;
        case pw::msg::kMouseMove:
            lookChanged(press_.move(partAt(lparam), (wparam & pw::kMouseLeft) != 0));
            return 0;
        case pw::msg::kMouseLeave:
            lookChanged(press_.leave());
            return 0;
        case pw::msg::kLButtonDown:
        case pw::msg::kLButtonDblClk:
            if (text_ == u"#Resizer") {
                // The grip resizes its window as a bottom-right sizing border would.
                pw::Point screen = pw::clientToScreen(window, pw::unpackPoint(lparam));
                pw::beginSizeMove(pw::topLevelOf(window), pw::kHitBottomRight, screen);
                return 0;
            }
            press(window);
            return 0;
        case pw::msg::kLButtonUp: {
            if (!press_.isPressed()) return 0;
            pw::killTimer(window, kRepeatTimer);
            repeating_ = false;
            bool click = press_.release(window, partAt(lparam));
            repaint();
            if (click) clickStep();
            return 0;
        }
        case pw::msg::kCaptureChanged:
            if (press_.isPressed()) cancelPress();
            return 0;
        case pw::msg::kKeyDown:
            // Space and Enter press the button that has the focus.
            if ((wparam == pw::vk::kSpace || wparam == pw::vk::kReturn) &&
                !pw::isKeyDown(pw::vk::kControl) && !pw::isKeyDown(pw::vk::kAlt)) {
                if (isEnabled()) clickStep();
                return 0;
            }
            [[fallthrough]];
        case pw::msg::kKeyUp:
        case pw::msg::kChar:
            if (parent_ && parent_->getNativeWindow() != pw::kNoWindow) {
                return pw::send(parent_->getNativeWindow(), message, wparam, lparam);
            }
            return 0;
        default:
            break;
    }
    return Component::handleMessage(window, message, wparam, lparam);
}

Button* newButton(const std::u16string& text, std::int32_t width, std::int32_t height) {
    Button* button = Button::create();
    button->setEnabled(true);
    button->setText(text);
    if (width >= 0) button->setComponentFixedWidth(width);
    if (height >= 0) button->setComponentFixedHeight(height);
    return button;
}

Button* newButtonByNumber(std::int32_t width, std::int32_t textNumber, std::int32_t height) {
    Button* button = newButton(u"", width, height);
    button->setTextNumber(textNumber);
    return button;
}

}  // namespace s::gui::win
