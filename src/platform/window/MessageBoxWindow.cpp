// Message boxes as windows of the layer: the text, an icon and the buttons, painted with the
// layer's own text drawing so that every language shows. A modal loop runs on the calling
// thread while the owner window is disabled.
#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "detail/MessageBoxWindow.h"
#include "platform/window/Backend.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Picture.h"
#include "platform/window/Popup.h"
#include "platform/window/Scale.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"

namespace platform::window {

namespace detail {

namespace {

constexpr const char* kBoxClass = "LayerMessageBox";
// Lengths at 96 dpi, in screen pixels at the program's scale factor.
int pad() { return scaled(14); }
int buttonW() { return scaled(86); }
int buttonH() { return scaled(26); }
int gap() { return scaled(8); }
int iconSide() { return scaled(32); }
int maxTextWidth() { return scaled(420); }

struct BoxButton {
    int answer;
    std::u16string text;
    Rect rect;
};

struct BoxState {
    MessageBoxRequest request;
    Font font;
    std::vector<BoxButton> buttons;
    int closeAnswer = kAnswerCancel;
    Rect textRect;
    Rect iconRect;
    int focused = 0;
    int hovered = -1;
    int pressed = -1;
    int answer = -1;
};

void makeButtons(BoxState& s) {
    const MessageBoxRequest& r = s.request;
    auto add = [&](int answer, const std::u16string& text, const char16_t* english) {
        s.buttons.push_back({answer, text.empty() ? std::u16string(english) : text, {}});
    };
    switch (r.buttons) {
        case BoxButtons::kOk:
            add(kAnswerOk, r.okText, u"OK");
            s.closeAnswer = kAnswerOk;
            break;
        case BoxButtons::kOkCancel:
            add(kAnswerOk, r.okText, u"OK");
            add(kAnswerCancel, r.cancelText, u"Cancel");
            break;
        case BoxButtons::kYesNo:
            add(kAnswerYes, r.yesText, u"Yes");
            add(kAnswerNo, r.noText, u"No");
            s.closeAnswer = kAnswerNo;
            break;
        case BoxButtons::kYesNoCancel:
            add(kAnswerYes, r.yesText, u"Yes");
            add(kAnswerNo, r.noText, u"No");
            add(kAnswerCancel, r.cancelText, u"Cancel");
            break;
        case BoxButtons::kRetryCancel:
            add(kAnswerRetry, std::u16string(), u"Retry");
            add(kAnswerCancel, r.cancelText, u"Cancel");
            break;
    }
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\n' || c == u'\t';
}

// Lets the words wider than `width` break anywhere: a zero-width space (a break opportunity
// that shows nothing) after each of their characters, never inside a surrogate pair.
std::u16string breakLongWords(const Font& font, const std::u16string& text, int width) {
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            out += text[i++];
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !isBlank(text[end])) ++end;
        std::u16string_view word(text.data() + i, end - i);
        if (measureText(font, word).width <= width) {
            out += word;
        } else {
            for (std::size_t k = 0; k < word.size(); ++k) {
                out += word[k];
                bool lead = word[k] >= 0xD800 && word[k] < 0xDC00;
                if (!lead && k + 1 < word.size()) out += u'\u200B';
            }
        }
        i = end;
    }
    return out;
}

// Places icon, text and buttons within the work area's width; answers the client size.
Size arrange(BoxState& s, int workWidth) {
    int n = static_cast<int>(s.buttons.size());
    int rowW = n * buttonW() + (n - 1) * gap();
    int iconW = s.request.icon != BoxIcon::kNone ? iconSide() + pad() : 0;
    int textMax = std::max(std::min(maxTextWidth(), workWidth - 2 * pad() - iconW), buttonW());
    s.request.text = breakLongWords(s.font, s.request.text, textMax);
    Size text = measureText(s.font, s.request.text, textMax);
    text.width = std::min(text.width, textMax);
    int left = pad();
    if (s.request.icon != BoxIcon::kNone) {
        s.iconRect = {pad(), pad(), iconSide(), iconSide()};
        left += iconSide() + pad();
    }
    int textH = std::max(text.height, s.request.icon != BoxIcon::kNone ? iconSide() : 0);
    s.textRect = {left, pad() + (textH - text.height) / 2, text.width, text.height};
    int width = std::max(left + text.width, pad() + rowW) + pad();
    width = std::max(width, scaled(200));
    int y = pad() + textH + pad() + scaled(4);
    int x = width - pad() - rowW;
    for (BoxButton& b : s.buttons) {
        b.rect = {x, y, buttonW(), buttonH()};
        x += buttonW() + gap();
    }
    return {width, y + buttonH() + pad()};
}

void paintIcon(Canvas& c, const BoxState& s) {
    Colour back = rgb(0, 102, 204);
    const char16_t* mark = u"i";
    switch (s.request.icon) {
        case BoxIcon::kWarning:
            back = rgb(230, 160, 0);
            mark = u"!";
            break;
        case BoxIcon::kError:
            back = rgb(200, 30, 30);
            mark = u"\u00D7";
            break;
        case BoxIcon::kQuestion:
            mark = u"?";
            break;
        default:
            break;
    }
    c.fillEllipse(s.iconRect, back);
    Font f = s.font;
    f.height = 22;
    f.weight = 700;
    c.drawText(s.iconRect, mark, f, rgb(255, 255, 255), kTextCentre | kTextMiddle);
}

void paint(Canvas& c, BoxState& s, Size size) {
    const BoxColours& k = s.request.colours;
    c.fillRect({0, 0, size.width, size.height}, k.face);
    if (s.request.icon != BoxIcon::kNone) paintIcon(c, s);
    c.drawText(s.textRect, s.request.text, s.font, k.text, kTextWrap);
    for (int i = 0; i < static_cast<int>(s.buttons.size()); ++i) {
        const BoxButton& b = s.buttons[i];
        bool down = i == s.pressed && i == s.hovered;
        c.fillRect(b.rect, i == s.hovered ? k.buttonHover : k.button);
        c.frameRect(b.rect, i == s.focused ? k.defaultFrame : k.frame,
                    scaled(i == s.focused ? 2 : 1));
        Rect label = b.rect.offset(down ? scaled(1) : 0, down ? scaled(1) : 0);
        c.drawText(label, b.text, s.font, k.text, kTextCentre | kTextMiddle);
    }
}

int buttonAt(const BoxState& s, Point p) {
    for (int i = 0; i < static_cast<int>(s.buttons.size()); ++i) {
        if (s.buttons[i].rect.contains(p)) return i;
    }
    return -1;
}

Result boxHandler(Handle w, std::uint32_t m, WParam wp, LParam lp) {
    auto* s = static_cast<BoxState*>(userData(w));
    if (!s) return defaultHandler(w, m, wp, lp);
    switch (m) {
        case msg::kPaint: {
            Rect r = windowRect(w);
            paint(*paintEventOf(wp)->canvas, *s, {r.width, r.height});
            return 0;
        }
        case msg::kMouseMove: {
            int h = buttonAt(*s, unpackPoint(lp));
            if (h != s->hovered) {
                s->hovered = h;
                invalidate(w);
            }
            return 0;
        }
        case msg::kMouseLeave:
            if (s->hovered != -1) {
                s->hovered = -1;
                invalidate(w);
            }
            return 0;
        case msg::kLButtonDown:
        case msg::kLButtonDblClk:
            s->pressed = buttonAt(*s, unpackPoint(lp));
            if (s->pressed >= 0) {
                s->focused = s->pressed;
                setCapture(w);
            }
            invalidate(w);
            return 0;
        case msg::kLButtonUp: {
            int at = buttonAt(*s, unpackPoint(lp));
            if (s->pressed >= 0 && at == s->pressed) s->answer = s->buttons[at].answer;
            s->pressed = -1;
            if (capture() == w) releaseCapture();
            invalidate(w);
            return 0;
        }
        case msg::kKeyDown: {
            int n = static_cast<int>(s->buttons.size());
            switch (wp) {
                case vk::kReturn:
                case vk::kSpace:
                    s->answer = s->buttons[s->focused].answer;
                    break;
                case vk::kEscape:
                    s->answer = s->closeAnswer;
                    break;
                case vk::kTab:
                case vk::kRight:
                case vk::kLeft: {
                    bool back = wp == vk::kLeft || (wp == vk::kTab && isKeyDown(vk::kShift));
                    s->focused = (s->focused + (back ? n - 1 : 1)) % n;
                    invalidate(w);
                    break;
                }
                default:
                    break;
            }
            return 0;
        }
        case msg::kClose:
            s->answer = s->closeAnswer;
            return 0;
        default:
            return defaultHandler(w, m, wp, lp);
    }
}

}  // namespace

std::atomic<void (*)(Handle, bool)> boxObserver{nullptr};

int runMessageBoxWindow(const MessageBoxRequest& request) {
    registerClass(kBoxClass, boxHandler);
    auto state = std::make_unique<BoxState>();
    state->request = request;
    makeButtons(*state);
    Rect area = request.owner ? screenRect(request.owner) : workArea(cursorPosition());
    Size size =
        arrange(*state, workArea({area.x + area.width / 2, area.y + area.height / 2}).width);
    if (area.empty()) area = workArea(cursorPosition());
    Rect rect{area.x + (area.width - size.width) / 2, area.y + (area.height - size.height) / 2,
              size.width, size.height};
    Rect work = workArea({rect.x, rect.y});
    rect.x = std::max(work.x, std::min(rect.x, work.right() - rect.width));
    rect.y = std::max(work.y, std::min(rect.y, work.bottom() - rect.height));

    bool ownerWasEnabled = request.owner && isEnabled(request.owner);
    if (ownerWasEnabled) enable(request.owner, false);
    CreateParams p;
    p.className = kBoxClass;
    p.owner = request.owner;
    p.rect = rect;
    p.style = kStyleVisible | kStyleOnTop | kStyleNoTaskbar;
    p.title = request.title;
    p.userData = state.get();
    Handle w = create(p);
    int answer = kAnswerNone;
    if (w) {
        activate(w);
        setFocus(w);
        if (auto observer = boxObserver.load()) observer(w, true);
        // A quit ends the box; runModalLoop posts it again for the loop that was asked to end.
        runModalLoop([&] { return state->answer >= 0 || !isWindow(w); });
        answer = state->answer < 0 ? state->closeAnswer : state->answer;
        if (auto observer = boxObserver.load()) observer(w, false);
        setUserData(w, nullptr);
        destroy(w);
    }
    if (ownerWasEnabled) {
        enable(request.owner, true);
        activate(request.owner);
    }
    return answer;
}

}  // namespace detail

bool messageBoxContent(Handle box, MessageBoxContent* out) {
    if (!isWindow(box) || className(box) != detail::kBoxClass || !isOwnerThread(box)) return false;
    const auto* s = static_cast<const detail::BoxState*>(userData(box));
    if (!s) return false;
    out->title = s->request.title;
    out->text = s->request.text;
    out->icon = s->request.icon;
    out->buttons.clear();
    out->buttonRects.clear();
    for (const detail::BoxButton& b : s->buttons) {
        out->buttons.push_back(b.text);
        out->buttonRects.push_back(b.rect);
    }
    out->focused = s->focused;
    out->textRect = s->textRect;
    return true;
}

bool pressMessageBoxButton(Handle box, int index) {
    if (!isWindow(box) || className(box) != detail::kBoxClass || !isOwnerThread(box)) return false;
    auto* s = static_cast<detail::BoxState*>(userData(box));
    if (!s || index < 0 || index >= static_cast<int>(s->buttons.size())) return false;
    s->answer = s->buttons[index].answer;
    // The box's modal loop sees the answer after this message; the repaint wakes it otherwise.
    invalidate(box);
    return true;
}

void setMessageBoxObserver(void (*observer)(Handle box, bool open)) {
    detail::boxObserver.store(observer);
}

void closeMessageBoxes(Handle owner) {
    Handle top = topLevelOf(owner);
    for (Handle h : topLevelWindows()) {
        if (className(h) == detail::kBoxClass && topLevelOf(ownerOf(h)) == top)
            post(h, msg::kClose);
    }
}

}  // namespace platform::window
