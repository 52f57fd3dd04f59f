// Window buttons on the menu bar: layout, pointer states, painting and their actions.
#include "gui/win/WindowButtons.h"

#include <algorithm>

#include "gui/IWindow.h"
#include "gui/win/Scale.h"
#include "gui/win/Window.h"

namespace pw = platform::window;

namespace s::gui::win {

namespace {

// Each button is half as wide again as the bar is high (the bar's height follows its fonts, so
// the buttons and their glyphs follow the scale factor), with a pixel of the bar around it.
std::int32_t buttonWidth(std::int32_t barHeight) {
    return barHeight * 3 / 2;
}
constexpr std::int32_t kInset = 1;

const char16_t* glyphOf(WindowButtons::Kind kind, bool maximized) {
    switch (kind) {
        case WindowButtons::kMinimize:
            return u"#WindowMinimize";
        case WindowButtons::kMaximize:
            return maximized ? u"#WindowRestore" : u"#WindowMaximize";
        default:
            return u"#WindowClose";
    }
}

}  // namespace

std::int32_t WindowButtons::widthFor(std::int32_t count, std::int32_t barHeight) {
    return count * buttonWidth(barHeight);
}

void WindowButtons::place(const IWindow* window, std::int32_t barWidth, std::int32_t barHeight) {
    std::vector<Kind> kinds;
    if (window) {
        const auto* own = dynamic_cast<const Window*>(window);
        if (!own || own->hasMinimizeBox()) kinds.push_back(kMinimize);
        if (!own || own->hasMaximizeBox()) kinds.push_back(kMaximize);
        kinds.push_back(kClose);
    }
    const std::int32_t w = buttonWidth(barHeight);
    std::int32_t x = barWidth - widthFor(static_cast<std::int32_t>(kinds.size()), barHeight);
    std::vector<Button> placed;
    for (Kind k : kinds) {
        placed.push_back({k, {x, 0, w, barHeight}});
        x += w;
    }
    // Other buttons (a box taken away or added): a press held on one of them ends, and the bar
    // lets the pointer go at once instead of keeping it until the release.
    const bool changed =
        !std::equal(placed.begin(), placed.end(), buttons_.begin(), buttons_.end(),
                    [](const Button& a, const Button& b) { return a.kind == b.kind; });
    if (changed) press_.cancel(bar_);
    buttons_ = std::move(placed);
}

std::int32_t WindowButtons::at(pw::Point p) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].rect.contains(p)) return static_cast<std::int32_t>(i);
    }
    return -1;
}

bool WindowButtons::moved(pw::Point p, bool leftHeld) {
    return press_.move(at(p), leftHeld);
}

bool WindowButtons::pressed(pw::Handle bar, pw::Point p) {
    const std::int32_t button = at(p);
    if (button < 0) return false;
    bar_ = bar;
    press_.press(bar, button);
    return true;
}

bool WindowButtons::released(pw::Handle bar, pw::Point p, std::int32_t* clicked) {
    *clicked = -1;
    if (!press_.isPressed()) return false;
    const std::int32_t button = at(p);
    if (press_.release(bar, button)) *clicked = button;
    return true;
}

void WindowButtons::paint(pw::Canvas& canvas, drawer::button::IThin* drawer, const IFont* font,
                          bool maximized) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const auto index = static_cast<std::int32_t>(i);
        const std::int32_t state = press_.lookOf(index);
        const pw::Rect r = buttons_[i].rect;
        const std::int32_t inset = px(kInset);
        drawer->paint(canvas, r.x + inset, r.y + inset, r.right() - inset, r.bottom() - inset,
                      state, glyphOf(buttons_[i].kind, maximized), true, font, false, false);
    }
}

void WindowButtons::click(IWindow* window, Kind kind) {
    switch (kind) {
        case kMinimize:
            window->minimize();
            break;
        case kMaximize:
            if (window->isMaximized()) {
                window->restore();
            } else {
                window->maximize();
            }
            break;
        case kClose:
            window->close();
            break;
    }
}

}  // namespace s::gui::win
