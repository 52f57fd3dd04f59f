// Message boxes as windows of the layer: the text, an icon and the buttons, painted with the
// layer's own text drawing so that every language shows. A modal loop runs on the calling
// thread while the owner window is disabled.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/Backend.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Picture.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"

namespace platform::window {

namespace detail {

namespace {

constexpr const char* kBoxClass = "LayerMessageBox";
constexpr int kPad = 14;
constexpr int kButtonW = 86;
constexpr int kButtonH = 26;
constexpr int kGap = 8;
constexpr int kIcon = 32;
constexpr int kTextMax = 420;
constexpr Colour kFace = rgb(240, 240, 240);
constexpr Colour kText = rgb(0, 0, 0);
constexpr Colour kButton = rgb(225, 225, 225);
constexpr Colour kButtonHover = rgb(229, 241, 251);
constexpr Colour kFrame = rgb(173, 173, 173);
constexpr Colour kDefaultFrame = rgb(0, 120, 215);

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
    auto add = [&](int answer, const char16_t* text) { s.buttons.push_back({answer, text, {}}); };
    switch (s.request.buttons) {
        case BoxButtons::kOk:
            add(kAnswerOk, u"OK");
            s.closeAnswer = kAnswerOk;
            break;
        case BoxButtons::kOkCancel:
            add(kAnswerOk, u"OK");
            add(kAnswerCancel, u"Cancel");
            break;
        case BoxButtons::kYesNo:
            add(kAnswerYes, u"Yes");
            add(kAnswerNo, u"No");
            s.closeAnswer = kAnswerNo;
            break;
        case BoxButtons::kYesNoCancel:
            add(kAnswerYes, u"Yes");
            add(kAnswerNo, u"No");
            add(kAnswerCancel, u"Cancel");
            break;
        case BoxButtons::kRetryCancel:
            add(kAnswerRetry, u"Retry");
            add(kAnswerCancel, u"Cancel");
            break;
    }
}

// Places icon, text and buttons; answers the client size.
Size arrange(BoxState& s) {
    Size text = measureText(s.font, s.request.text, kTextMax);
    int left = kPad;
    if (s.request.icon != BoxIcon::kNone) {
        s.iconRect = {kPad, kPad, kIcon, kIcon};
        left += kIcon + kPad;
    }
    int textH = std::max(text.height, s.request.icon != BoxIcon::kNone ? kIcon : 0);
    s.textRect = {left, kPad + (textH - text.height) / 2, text.width, text.height};
    int n = static_cast<int>(s.buttons.size());
    int rowW = n * kButtonW + (n - 1) * kGap;
    int width = std::max(left + text.width, kPad + rowW) + kPad;
    width = std::max(width, 200);
    int y = kPad + textH + kPad + 4;
    int x = width - kPad - rowW;
    for (BoxButton& b : s.buttons) {
        b.rect = {x, y, kButtonW, kButtonH};
        x += kButtonW + kGap;
    }
    return {width, y + kButtonH + kPad};
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
    c.fillRect({0, 0, size.width, size.height}, kFace);
    if (s.request.icon != BoxIcon::kNone) paintIcon(c, s);
    c.drawText(s.textRect, s.request.text, s.font, kText, kTextWrap);
    for (int i = 0; i < static_cast<int>(s.buttons.size()); ++i) {
        const BoxButton& b = s.buttons[i];
        bool down = i == s.pressed && i == s.hovered;
        c.fillRect(b.rect, i == s.hovered ? kButtonHover : kButton);
        c.frameRect(b.rect, i == s.focused ? kDefaultFrame : kFrame, i == s.focused ? 2 : 1);
        Rect label = b.rect.offset(down ? 1 : 0, down ? 1 : 0);
        c.drawText(label, b.text, s.font, kText, kTextCentre | kTextMiddle);
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
                    s->focused = (s->focused + 1) % n;
                    invalidate(w);
                    break;
                case vk::kLeft:
                    s->focused = (s->focused + n - 1) % n;
                    invalidate(w);
                    break;
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

int runMessageBoxWindow(const MessageBoxRequest& request) {
    registerClass(kBoxClass, boxHandler);
    auto state = std::make_unique<BoxState>();
    state->request = request;
    makeButtons(*state);
    Size size = arrange(*state);
    Rect area = request.owner ? screenRect(request.owner) : workArea(cursorPosition());
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
    bool quit = false;
    int quitCode = 0;
    if (w) {
        activate(w);
        setFocus(w);
        Message m;
        while (state->answer < 0 && isWindow(w)) {
            if (!getMessage(&m)) {
                quit = true;
                quitCode = static_cast<int>(m.wparam);
                break;
            }
            dispatchMessage(m);
        }
        answer = state->answer < 0 ? state->closeAnswer : state->answer;
        setUserData(w, nullptr);
        destroy(w);
    }
    if (ownerWasEnabled) {
        enable(request.owner, true);
        activate(request.owner);
    }
    if (quit) postQuitMessage(quitCode);  // the loop that was asked to end still ends
    return answer;
}

}  // namespace detail

}  // namespace platform::window
