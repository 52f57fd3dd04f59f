// The SDL backend. One display thread owns SDL: it initialises the video subsystem, creates and
// destroys the windows, presents back buffers and pumps events, which it forwards as input to
// the queues of the windows' threads. Other threads hand it work through a command queue and
// wake it with SDL_PushEvent.
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "detail/Core.h"
#include "detail/MessageBoxWindow.h"
#include "detail/X11Errors.h"
#include "detail/X11Id.h"
#include "detail/X11Shape.h"
#include "platform/window/Backend.h"
#include "platform/window/Input.h"
#include "platform/window/SdlKeys.h"
#include "platform/window/Text.h"

namespace platform::window {

namespace {

SDL_SystemCursor sdlCursor(Cursor c) {
    switch (c) {
        case Cursor::kIBeam:
            return SDL_SYSTEM_CURSOR_IBEAM;
        case Cursor::kHand:
            return SDL_SYSTEM_CURSOR_HAND;
        case Cursor::kWait:
            return SDL_SYSTEM_CURSOR_WAIT;
        case Cursor::kSizeWE:
            return SDL_SYSTEM_CURSOR_SIZEWE;
        case Cursor::kSizeNS:
            return SDL_SYSTEM_CURSOR_SIZENS;
        case Cursor::kSizeNWSE:
            return SDL_SYSTEM_CURSOR_SIZENWSE;
        case Cursor::kSizeNESW:
            return SDL_SYSTEM_CURSOR_SIZENESW;
        case Cursor::kSizeAll:
            return SDL_SYSTEM_CURSOR_SIZEALL;
        default:
            return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// SDL counts the pre-edit cursor in characters (code points); the layer in UTF-16 units.
std::int32_t utf16Cursor(const std::u16string& text, int characters) {
    std::int32_t i = 0;
    for (int c = 0; c < characters && i < static_cast<std::int32_t>(text.size()); ++c) {
        bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF &&
                    i + 1 < static_cast<std::int32_t>(text.size());
        i += pair ? 2 : 1;
    }
    return i;
}

class SdlBackend : public Backend {
public:
    SdlBackend() {
        std::promise<bool> started;
        auto ok = started.get_future();
        thread_ = std::thread([this, &started] { displayThread(started); });
        started_ = ok.get();
        if (!started_) thread_.join();
    }

    ~SdlBackend() override {
        if (!started_) return;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake();
        thread_.join();
    }

    bool started() const { return started_; }

    const char* name() const override { return "sdl"; }
    bool hasScreen() const override { return true; }

    // The system window is made when it is first needed (shown, painted, asked about), at the
    // rectangle, title, icon and minimum size given until then: resizing a hidden window made
    // earlier makes the display library wait for the window manager.
    bool openSurface(Handle top, const SurfaceRequest& request) override {
        run([&] {
            auto entry = std::make_unique<Entry>();
            entry->top = top;
            entry->style = request.style;
            entry->title = toUtf8(request.title);
            entry->rect = request.rect;
            entry->owner = request.owner;
            std::lock_guard<std::mutex> lock(mutex_);
            entries_[top] = std::move(entry);
        });
        return true;
    }

    void setSurfaceStyle(Handle top, std::uint32_t style) override {
        run([&] {
            Entry* e = entryOf(top);
            if (!e) return;
            std::uint32_t before = e->style;
            e->style = style;
            if (!e->window) return;
            constexpr std::uint32_t kAtCreation = kStyleNoTaskbar | kStyleToolWindow;
            if ((before & kAtCreation) != (style & kAtCreation)) {
                recreate(*e);
                return;
            }
            bool framed = !(style & (kStyleBorderless | kStylePopup));
            SDL_SetWindowBordered(e->window, framed ? SDL_TRUE : SDL_FALSE);
            SDL_SetWindowResizable(e->window, (style & kStyleResizable) ? SDL_TRUE : SDL_FALSE);
        });
    }

    void setSurfaceIcon(Handle top, const Picture* icon) override {
        auto* pic = const_cast<Picture*>(icon);
        const std::uint8_t* pixels = pic && pic->valid() ? pic->data() : nullptr;
        run([&] {
            Entry* e = entryOf(top);
            if (!e) return;
            if (!e->window) {
                e->icon.clear();
                if (pixels) {
                    e->icon.assign(pixels, pixels + pic->stride() * pic->height());
                    e->iconSize = {pic->width(), pic->height()};
                    e->iconStride = pic->stride();
                }
                return;
            }
            if (!pixels) {
                SDL_SetWindowIcon(e->window, nullptr);
                return;
            }
            SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
                const_cast<std::uint8_t*>(pixels), pic->width(), pic->height(), 32, pic->stride(),
                SDL_PIXELFORMAT_ARGB8888);
            if (!s) return;
            SDL_SetWindowIcon(e->window, s);
            SDL_FreeSurface(s);
        });
    }

    // The X Shape extension on the X11 window: the display library's own shaped windows must
    // be made shaped and cannot take a shape later.
    void setSurfaceShape(Handle top, const std::vector<Rect>& rects) override {
        run([&] {
            Entry* e = entryOf(top);
            if (!e) return;
            e->shape = rects;
            if (e->window) applyX11Shape(e->window, rects);
        });
    }

    bool surfaceMade(Handle top) override {
        bool made = false;
        run([&] { made = windowOf(top) != nullptr; });
        return made;
    }

    std::string surfaceExportId(Handle top) override {
        std::string id;
        run([&] {
            if (SDL_Window* w = windowOf(top)) id = x11ExportId(w);
        });
        return id;
    }

    std::vector<Monitor> monitors() override {
        std::vector<Monitor> out;
        run([&] {
            for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
                SDL_Rect b;
                SDL_Rect u;
                if (SDL_GetDisplayBounds(i, &b) != 0) continue;
                if (SDL_GetDisplayUsableBounds(i, &u) != 0) u = b;
                out.push_back({{b.x, b.y, b.w, b.h}, {u.x, u.y, u.w, u.h}});
            }
        });
        return out;
    }

    void closeSurface(Handle top) override {
        run([&] {
            std::unique_ptr<Entry> e;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                auto it = entries_.find(top);
                if (it == entries_.end()) return;
                e = std::move(it->second);
                entries_.erase(it);
                if (e->window) byId_.erase(SDL_GetWindowID(e->window));
            }
            if (e->window) SDL_DestroyWindow(e->window);
        });
    }

    void present(Handle top, const Picture& buffer, Rect area) override {
        auto& pic = const_cast<Picture&>(buffer);
        const std::uint8_t* pixels = pic.data();  // flushed here, on the painting thread
        if (!pixels) return;
        int stride = pic.stride();
        run([&] {
            SDL_Window* w = windowOf(top);
            if (!w) return;
            SDL_Surface* s = SDL_GetWindowSurface(w);
            if (!s) return;
            Rect r =
                area.intersect({0, 0, std::min(s->w, pic.width()), std::min(s->h, pic.height())});
            if (r.empty()) return;
            const std::uint8_t* from = pixels + r.y * stride + r.x * 4;
            auto* to = static_cast<std::uint8_t*>(s->pixels) + r.y * s->pitch +
                       r.x * s->format->BytesPerPixel;
            SDL_ConvertPixels(r.width, r.height, SDL_PIXELFORMAT_ARGB8888, from, stride,
                              s->format->format, to, s->pitch);
            SDL_Rect sr{r.x, r.y, r.width, r.height};
            SDL_UpdateWindowSurfaceRects(w, &sr, 1);
        });
    }

    void showSurface(Handle top, bool visible, bool activate) override {
        run([&] {
            if (SDL_Window* w = windowOf(top)) {
                if (visible) {
                    SDL_ShowWindow(w);
                    if (activate) SDL_RaiseWindow(w);
                } else {
                    SDL_HideWindow(w);
                }
            }
        });
    }

    void placeSurface(Handle top, Rect screen) override {
        run([&] {
            Entry* e = entryOf(top);
            if (e && !e->window) {
                e->rect = screen;
                return;
            }
            if (SDL_Window* w = windowOf(top)) {
                SDL_SetWindowPosition(w, screen.x, screen.y);
                SDL_SetWindowSize(w, std::max(1, screen.width), std::max(1, screen.height));
            }
        });
    }

    void setSurfaceTitle(Handle top, std::u16string_view title) override {
        std::string t = toUtf8(title);
        run([&] {
            Entry* e = entryOf(top);
            if (e && !e->window)
                e->title = t;
            else if (SDL_Window* w = windowOf(top))
                SDL_SetWindowTitle(w, t.c_str());
        });
    }

    void setSurfaceOnTop(Handle top, bool onTop) override {
        run([&] {
            Entry* e = entryOf(top);
            if (e && !e->window)
                e->onTop = onTop;
            else if (SDL_Window* w = windowOf(top))
                SDL_SetWindowAlwaysOnTop(w, onTop ? SDL_TRUE : SDL_FALSE);
        });
    }

    void setSurfaceOpacity(Handle top, std::uint8_t alpha) override {
        run([&] {
            Entry* e = entryOf(top);
            if (e && !e->window)
                e->opacity = alpha;
            else if (SDL_Window* w = windowOf(top))
                SDL_SetWindowOpacity(w, alpha / 255.0f);
        });
    }

    void setSurfaceShowState(Handle top, ShowState state) override {
        run([&] {
            SDL_Window* w = windowOf(top);
            if (!w) return;
            switch (state) {
                case ShowState::kMinimised:
                    SDL_MinimizeWindow(w);
                    break;
                case ShowState::kMaximised:
                    // An iconic window is brought back first: maximising alone leaves it
                    // iconic on X11.
                    if (SDL_GetWindowFlags(w) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(w);
                    SDL_MaximizeWindow(w);
                    break;
                case ShowState::kNormal:
                    SDL_RestoreWindow(w);
                    break;
            }
        });
    }

    void setSurfaceMinimumSize(Handle top, Size size) override {
        run([&] {
            Entry* e = entryOf(top);
            if (e && !e->window)
                e->minimum = size;
            else if (SDL_Window* w = windowOf(top))
                SDL_SetWindowMinimumSize(w, std::max(1, size.width), std::max(1, size.height));
        });
    }

    void activateSurface(Handle top) override {
        run([&] {
            if (SDL_Window* w = windowOf(top)) SDL_RaiseWindow(w);
        });
    }

    void captureMouse(Handle, bool captured) override {
        runLater([captured] { SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE); });
    }

    // The layer moves and sizes windows itself (Input.cpp); the system's hit test stays off.
    void setHitTestCode(Handle, HitTest) override {}

    void setCursor(Cursor cursor) override {
        runLater([this, cursor] {
            SDL_ShowCursor(cursor == Cursor::kHidden ? SDL_DISABLE : SDL_ENABLE);
            if (cursor == Cursor::kHidden) return;
            SDL_Cursor*& c = cursors_[static_cast<int>(cursor)];
            if (!c) c = SDL_CreateSystemCursor(sdlCursor(cursor));
            if (c) SDL_SetCursor(c);
        });
    }

    Point cursorPosition() override {
        Point p;
        run([&] { SDL_GetGlobalMouseState(&p.x, &p.y); });
        return p;
    }

    Rect workArea(Point near) override {
        Rect r{0, 0, 1024, 768};
        run([&] {
            int n = SDL_GetNumVideoDisplays();
            int best = 0;
            for (int i = 0; i < n; ++i) {
                SDL_Rect b;
                if (SDL_GetDisplayBounds(i, &b) == 0 && Rect{b.x, b.y, b.w, b.h}.contains(near)) {
                    best = i;
                }
            }
            SDL_Rect u;
            if (SDL_GetDisplayUsableBounds(best, &u) == 0) r = {u.x, u.y, u.w, u.h};
        });
        return r;
    }

    Rect virtualScreen() override {
        Rect all;
        run([&] {
            for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
                SDL_Rect b;
                if (SDL_GetDisplayBounds(i, &b) == 0) all = all.unite({b.x, b.y, b.w, b.h});
            }
        });
        return all;
    }

    bool setClipboardText(std::u16string_view text) override {
        std::string t = toUtf8(text);
        bool ok = false;
        run([&] { ok = SDL_SetClipboardText(t.c_str()) == 0; });
        return ok;
    }

    bool clipboardText(std::u16string* out) override {
        bool ok = false;
        run([&] {
            if (!SDL_HasClipboardText()) return;
            char* t = SDL_GetClipboardText();
            if (!t) return;
            *out = fromUtf8(t);
            SDL_free(t);
            ok = true;
        });
        return ok;
    }

    bool setPrimarySelectionText(std::u16string_view text) override {
        std::string t = toUtf8(text);
        bool ok = false;
        run([&] { ok = SDL_SetPrimarySelectionText(t.c_str()) == 0; });
        return ok;
    }

    bool primarySelectionText(std::u16string* out) override {
        bool ok = false;
        run([&] {
            if (!SDL_HasPrimarySelectionText()) return;
            char* t = SDL_GetPrimarySelectionText();
            if (!t) return;
            *out = fromUtf8(t);
            SDL_free(t);
            ok = true;
        });
        return ok;
    }

    // SDL's text input is one switch for the whole process: on while any surface wants it.
    void setTextInput(Handle top, bool on) override {
        runLater([this, top, on] {
            if (on) {
                textInputTops_.insert(top);
            } else {
                textInputTops_.erase(top);
            }
            bool want = !textInputTops_.empty();
            if (want && !SDL_IsTextInputActive()) SDL_StartTextInput();
            if (!want && SDL_IsTextInputActive()) SDL_StopTextInput();
        });
    }

    void setTextInputArea(Handle, Rect caret) override {
        runLater([caret] {
            SDL_Rect r{caret.x, caret.y, caret.width, caret.height};
            SDL_SetTextInputRect(&r);
        });
    }

    int messageBox(const MessageBoxRequest& request) override {
        return detail::runMessageBoxWindow(request);
    }

private:
    struct Entry {
        SDL_Window* window = nullptr;  // null until made (materialize)
        Handle top = kNoWindow;
        std::uint32_t style = 0;
        std::vector<Rect> shape;  // given again to a window made anew
        // What the system window is made with.
        std::string title;
        Rect rect;
        Handle owner = kNoWindow;
        bool onTop = false;
        std::uint8_t opacity = 255;
        Size minimum{0, 0};
        std::vector<std::uint8_t> icon;  // ARGB rows of iconStride bytes
        Size iconSize{0, 0};
        std::int32_t iconStride = 0;
    };

    // Makes the system window of e as it was described so far (display thread).
    void materialize(Entry& e) {
        Uint32 flags = windowFlags(e.style);
        if (e.onTop) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
        SDL_Window* w = SDL_CreateWindow(e.title.c_str(), e.rect.x, e.rect.y,
                                         std::max(1, e.rect.width), std::max(1, e.rect.height),
                                         flags);
        if (!w) return;
        // An owned window (message box, dialog) is transient for its owner, so the window
        // manager keeps it above the owner, also when the owner is kept on top. Popups are
        // not managed by the window manager and need no relation.
        if (e.owner && !(e.style & kStylePopup)) {
            if (SDL_Window* owner = windowOf(e.owner)) SDL_SetWindowModalFor(w, owner);
        }
        if (!e.icon.empty()) {
            if (SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
                    e.icon.data(), e.iconSize.width, e.iconSize.height, 32, e.iconStride,
                    SDL_PIXELFORMAT_ARGB8888)) {
                SDL_SetWindowIcon(w, s);
                SDL_FreeSurface(s);
            }
            e.icon.clear();
        }
        if (e.minimum.width > 0 || e.minimum.height > 0)
            SDL_SetWindowMinimumSize(w, std::max(1, e.minimum.width),
                                     std::max(1, e.minimum.height));
        if (e.opacity != 255) SDL_SetWindowOpacity(w, e.opacity / 255.0f);
        if (!e.shape.empty()) applyX11Shape(w, e.shape);
        std::lock_guard<std::mutex> lock(mutex_);
        byId_[SDL_GetWindowID(w)] = e.top;
        e.window = w;
    }

    static Uint32 windowFlags(std::uint32_t style) {
        Uint32 flags = SDL_WINDOW_HIDDEN;
        if (style & (kStyleBorderless | kStylePopup)) flags |= SDL_WINDOW_BORDERLESS;
        if (style & kStyleResizable) flags |= SDL_WINDOW_RESIZABLE;
        if (style & kStyleOnTop) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
        if (style & kStylePopup) flags |= SDL_WINDOW_POPUP_MENU;
        if (style & kStyleToolWindow) flags |= SDL_WINDOW_UTILITY;
        if (style & (kStylePopup | kStyleNoTaskbar | kStyleToolWindow)) {
            flags |= SDL_WINDOW_SKIP_TASKBAR;
        }
        return flags;
    }

    Entry* entryOf(Handle top) {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = entries_.find(top);
        return it == entries_.end() ? nullptr : it->second.get();
    }

    // The task-bar and tool-window kinds are fixed when a system window is made: the window is
    // made again with the new kind where the old one was (display thread).
    void recreate(Entry& e) {
        SDL_Window* old = e.window;
        int x = 0, y = 0, w = 1, h = 1;
        SDL_GetWindowPosition(old, &x, &y);
        SDL_GetWindowSize(old, &w, &h);
        Uint32 was = SDL_GetWindowFlags(old);
        float opacity = 1.0f;
        SDL_GetWindowOpacity(old, &opacity);
        Uint32 flags = windowFlags(e.style);
        if (was & SDL_WINDOW_ALWAYS_ON_TOP) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
        SDL_Window* made = SDL_CreateWindow(SDL_GetWindowTitle(old), x, y, w, h, flags);
        if (!made) return;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            byId_.erase(SDL_GetWindowID(old));
            byId_[SDL_GetWindowID(made)] = e.top;
            e.window = made;
        }
        SDL_DestroyWindow(old);
        SDL_SetWindowOpacity(made, opacity);
        if (!e.shape.empty()) applyX11Shape(made, e.shape);
        if (!(was & SDL_WINDOW_HIDDEN)) SDL_ShowWindow(made);
        input::exposed(e.top);
    }

    // The system window of top, made now when it was not yet (display thread).
    SDL_Window* windowOf(Handle top) {
        Entry* e = entryOf(top);
        if (!e) return nullptr;
        if (!e->window) materialize(*e);
        return e->window;
    }

    Handle topOf(Uint32 windowId) {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = byId_.find(windowId);
        return it == byId_.end() ? kNoWindow : it->second;
    }

    void wake() {
        SDL_Event e;
        SDL_zero(e);
        e.type = wakeEvent_;
        SDL_PushEvent(&e);
    }

    // Runs work on the display thread and waits for it.
    void run(const std::function<void()>& work) {
        if (std::this_thread::get_id() == displayId_) return work();
        auto done = std::make_shared<bool>(false);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_) return;
            commands_.push_back([&work, done, this] {
                work();
                std::lock_guard<std::mutex> l(mutex_);
                *done = true;
                doneCv_.notify_all();
            });
        }
        wake();
        std::unique_lock<std::mutex> lock(mutex_);
        doneCv_.wait(lock, [&] { return *done; });
    }

    void runLater(std::function<void()> work) {
        if (std::this_thread::get_id() == displayId_) return work();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_) return;
            commands_.push_back(std::move(work));
        }
        wake();
    }

    bool runCommands() {
        for (;;) {
            std::function<void()> c;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (commands_.empty()) return !stopping_;
                c = std::move(commands_.front());
                commands_.pop_front();
            }
            c();
        }
    }

    void displayThread(std::promise<bool>& started) {
        displayId_ = std::this_thread::get_id();
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        // The program decides what SIGINT and SIGTERM do; SDL would turn them into events.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // Windows stay composited, or their opacity would not show.
        SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        // Pre-edit texts longer than the 32 bytes of SDL_TEXTEDITING come whole.
        SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
        // With an X display, SDL's X11 driver: absolute window positions, the global pointer
        // and the transient relation of owned windows do not work through its Wayland driver.
        // A driver the user chose explicitly is kept.
        const char* x = std::getenv("DISPLAY");
        bool pinned = x && *x && !SDL_GetHint(SDL_HINT_VIDEODRIVER);
        if (pinned) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        // Before the driver starts: it restores the handler it found when it ends, and its
        // last errors arrive then.
        tolerateStaleWakeups();
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            if (pinned) {
                SDL_ResetHint(SDL_HINT_VIDEODRIVER);
                pinned = false;
            }
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
                started.set_value(false);
                return;
            }
        }
        const char* driver = SDL_GetCurrentVideoDriver();
        if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) {
            SDL_Quit();
            started.set_value(false);
            return;
        }
        // Typed text is reported only while an editable text control has the focus.
        SDL_StopTextInput();
        wakeEvent_ = SDL_RegisterEvents(1);
        SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
        SDL_EventState(SDL_DROPBEGIN, SDL_ENABLE);
        SDL_EventState(SDL_DROPCOMPLETE, SDL_ENABLE);
        started.set_value(true);
        SDL_Event e;
        while (runCommands()) {
            if (SDL_WaitEvent(&e)) handle(e);
        }
        runCommands();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (auto& [h, entry] : entries_)
                if (entry->window) SDL_DestroyWindow(entry->window);
            entries_.clear();
            byId_.clear();
        }
        for (SDL_Cursor* c : cursors_) {
            if (c) SDL_FreeCursor(c);
        }
        SDL_Quit();
    }

    Point pointerIn(Handle top, Uint32 windowId) {
        int gx = 0;
        int gy = 0;
        SDL_GetGlobalMouseState(&gx, &gy);
        int wx = 0;
        int wy = 0;
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = entries_.find(top);
        if (it != entries_.end()) SDL_GetWindowPosition(it->second->window, &wx, &wy);
        return {gx - wx, gy - wy};
    }

    // A drop without a window (a pushed event) goes to the window with the keyboard, or the
    // only window there is.
    Handle dropTarget(Uint32 windowId) {
        if (Handle h = topOf(windowId)) return h;
        if (SDL_Window* focused = SDL_GetKeyboardFocus()) {
            if (Handle h = topOf(SDL_GetWindowID(focused))) return h;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        return entries_.size() == 1 ? entries_.begin()->first : kNoWindow;
    }

    void handle(SDL_Event& e) {
        if (e.type == wakeEvent_) return;
        switch (e.type) {
            case SDL_MOUSEMOTION:
                if (Handle t = topOf(e.motion.windowID)) {
                    input::mouseMove(t, {e.motion.x, e.motion.y});
                }
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                if (Handle t = topOf(e.button.windowID)) {
                    MouseButton b = e.button.button == SDL_BUTTON_RIGHT    ? MouseButton::kRight
                                    : e.button.button == SDL_BUTTON_MIDDLE ? MouseButton::kMiddle
                                                                           : MouseButton::kLeft;
                    if (e.button.button > SDL_BUTTON_RIGHT) break;
                    input::mouseButton(t, {e.button.x, e.button.y}, b,
                                       e.type == SDL_MOUSEBUTTONDOWN, e.button.clicks);
                }
                break;
            case SDL_MOUSEWHEEL:
                if (Handle t = topOf(e.wheel.windowID)) {
                    int y = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
                    if (y) input::mouseWheel(t, {e.wheel.mouseX, e.wheel.mouseY}, y * 120);
                }
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                if (Handle t = topOf(e.key.windowID)) {
                    if (std::uint32_t k = sdlVirtualKey(e.key.keysym.sym, e.key.keysym.scancode)) {
                        input::key(t, k, e.type == SDL_KEYDOWN, e.key.repeat != 0);
                    }
                }
                break;
            case SDL_TEXTINPUT:
                if (Handle t = topOf(e.text.windowID)) input::text(t, fromUtf8(e.text.text));
                break;
            case SDL_TEXTEDITING:
                if (Handle t = topOf(e.edit.windowID)) {
                    std::u16string text = fromUtf8(e.edit.text);
                    input::preedit(t, text, utf16Cursor(text, e.edit.start));
                }
                break;
            case SDL_TEXTEDITING_EXT: {
                std::u16string text = e.editExt.text ? fromUtf8(e.editExt.text) : std::u16string();
                SDL_free(e.editExt.text);
                if (Handle t = topOf(e.editExt.windowID)) {
                    input::preedit(t, text, utf16Cursor(text, e.editExt.start));
                }
                break;
            }
            case SDL_DROPBEGIN:
                dropping_ = true;
                dropWindow_ = e.drop.windowID;
                dropped_.clear();
                break;
            case SDL_DROPFILE: {
                std::u16string path = e.drop.file ? fromUtf8(e.drop.file) : std::u16string();
                SDL_free(e.drop.file);
                if (dropping_) {
                    dropped_.push_back(std::move(path));
                    break;
                }
                if (Handle t = dropTarget(e.drop.windowID)) {
                    input::dropFiles(t, pointerIn(t, e.drop.windowID), {std::move(path)});
                }
                break;
            }
            case SDL_DROPTEXT:
                SDL_free(e.drop.file);
                break;
            case SDL_DROPCOMPLETE:
                if (dropping_) {
                    dropping_ = false;
                    if (Handle t = dropTarget(dropWindow_); t && !dropped_.empty()) {
                        input::dropFiles(t, pointerIn(t, dropWindow_), std::move(dropped_));
                    }
                    dropped_.clear();
                }
                break;
            case SDL_DISPLAYEVENT:
                detail::broadcastDisplayChange();
                break;
            case SDL_WINDOWEVENT: {
                Handle t = topOf(e.window.windowID);
                if (!t) break;
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_CLOSE:
                        input::closeRequest(t);
                        break;
                    case SDL_WINDOWEVENT_MOVED:
                        input::moved(t, {e.window.data1, e.window.data2});
                        break;
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                        input::resized(t, {e.window.data1, e.window.data2});
                        break;
                    case SDL_WINDOWEVENT_FOCUS_GAINED:
                        input::activated(t, true);
                        break;
                    case SDL_WINDOWEVENT_FOCUS_LOST:
                        input::activated(t, false);
                        break;
                    case SDL_WINDOWEVENT_EXPOSED:
                        input::exposed(t);
                        break;
                    case SDL_WINDOWEVENT_MINIMIZED:
                        input::showStateChanged(t, ShowState::kMinimised);
                        break;
                    case SDL_WINDOWEVENT_MAXIMIZED:
                        input::showStateChanged(t, ShowState::kMaximised);
                        break;
                    case SDL_WINDOWEVENT_RESTORED:
                        input::showStateChanged(t, ShowState::kNormal);
                        break;
                    case SDL_WINDOWEVENT_LEAVE:
                        input::mouseLeave(t);
                        break;
                    default:
                        break;
                }
                break;
            }
            default:
                break;
        }
    }

    std::thread thread_;
    std::thread::id displayId_;
    bool started_ = false;
    Uint32 wakeEvent_ = 0;
    std::mutex mutex_;
    std::condition_variable doneCv_;
    std::deque<std::function<void()>> commands_;
    bool stopping_ = false;
    std::unordered_map<Handle, std::unique_ptr<Entry>> entries_;
    std::unordered_map<Uint32, Handle> byId_;
    SDL_Cursor* cursors_[16] = {};
    std::unordered_set<Handle> textInputTops_;  // display thread only
    // Display thread only:
    bool dropping_ = false;
    Uint32 dropWindow_ = 0;
    std::vector<std::u16string> dropped_;
};

}  // namespace

std::unique_ptr<Backend> makeSdlBackend() {
    const char* x = std::getenv("DISPLAY");
    const char* wl = std::getenv("WAYLAND_DISPLAY");
    if ((!x || !*x) && (!wl || !*wl)) return nullptr;
    auto b = std::make_unique<SdlBackend>();
    if (!b->started()) return nullptr;
    return b;
}

}  // namespace platform::window
