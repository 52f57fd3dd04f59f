// A window class for tests: paints its colour and records the messages it gets.
#pragma once

#include <functional>
#include <mutex>
#include <vector>

#include "platform/window/Messages.h"
#include "platform/window/Picture.h"
#include "platform/window/Window.h"

namespace probe {

namespace pw = platform::window;

struct Got {
    pw::Handle window;
    std::uint32_t message;
    pw::WParam wparam;
    pw::LParam lparam;
};

struct Probe {
    pw::Colour colour = pw::rgb(255, 255, 255);
    pw::HitTest hit = pw::kHitClient;
    // Answers a message before the defaults; return true when handled with *result set.
    std::function<bool(pw::Handle, std::uint32_t, pw::WParam, pw::LParam, pw::Result*)> hook;
    std::mutex mutex;
    std::vector<Got> got;

    std::vector<Got> take(std::uint32_t message) {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<Got> out;
        for (const Got& g : got) {
            if (g.message == message) out.push_back(g);
        }
        return out;
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex);
        got.clear();
    }
};

inline pw::Result handler(pw::Handle w, std::uint32_t m, pw::WParam wp, pw::LParam lp) {
    auto* p = static_cast<Probe*>(pw::userData(w));
    if (!p) return pw::defaultHandler(w, m, wp, lp);
    if (m != pw::msg::kPaint && m != pw::msg::kSetCursor) {
        std::lock_guard<std::mutex> lock(p->mutex);
        p->got.push_back({w, m, wp, lp});
    }
    pw::Result r = 0;
    if (p->hook && p->hook(w, m, wp, lp, &r)) return r;
    switch (m) {
        case pw::msg::kPaint: {
            pw::PaintEvent* e = pw::paintEventOf(wp);
            pw::Rect all = pw::windowRect(w);
            e->canvas->fillRect({0, 0, all.width, all.height}, p->colour);
            return 0;
        }
        case pw::msg::kHitTest:
            return p->hit;
        default:
            return pw::defaultHandler(w, m, wp, lp);
    }
}

inline const char* kClass = "TestProbe";

inline pw::Handle make(Probe* p, pw::Handle parent, pw::Rect rect,
                       std::uint32_t style = pw::kStyleVisible) {
    pw::registerClass(kClass, handler);
    pw::CreateParams c;
    c.className = kClass;
    c.parent = parent;
    c.rect = rect;
    c.style = style;
    c.userData = p;
    return pw::create(c);
}

}  // namespace probe
