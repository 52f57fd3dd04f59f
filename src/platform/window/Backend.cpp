// The choice of backend, and the services that simply forward to it.
#include "platform/window/Backend.h"

#include <memory>
#include <mutex>

#include "detail/X11Scale.h"
#include "platform/window/Clipboard.h"
#include "platform/window/Headless.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Scale.h"

namespace platform::window {

namespace {
struct Chosen {
    std::mutex mutex;
    std::unique_ptr<Backend> backend;
    // Follows the desktop's DPI while a backend shows windows on an X display.
    std::unique_ptr<DesktopDpiWatcher> watcher;
};

// The factor the desktop's settings give now, heard from the watcher's thread.
void desktopDpiChanged(const DesktopDpiProperties& p) {
    ScaleSources s = scaleSources(false);
    if (p.xsettings) s.xsettingsDpi = xsettingsDpi(*p.xsettings);
    if (p.resources) s.resourceDpi = resourceDpi(*p.resources);
    changeScale(decideScale(s));
}
Chosen& chosen() {
    static auto* c = new Chosen;
    return *c;
}
}  // namespace

Backend& startBackend(BackendKind kind) {
    Chosen& c = chosen();
    std::lock_guard<std::mutex> lock(c.mutex);
    if (!c.backend) {
        // The desktop's settings are read before the display library starts its X11 driver
        // (which installs an X error handler of its own).
        double desktop = kind != BackendKind::kHeadless ? decideScale(scaleSources(true)) : 1.0;
        if (kind != BackendKind::kHeadless) c.backend = makeSdlBackend();
        if (!c.backend) c.backend = std::make_unique<HeadlessBackend>();
        setScale(c.backend->hasScreen() ? desktop : decideScale(scaleSources(false)));
        if (c.backend->hasScreen() && !scalePinned())
            c.watcher = DesktopDpiWatcher::start(desktopDpiChanged);
    }
    return *c.backend;
}

Backend& backend() {
    Chosen& c = chosen();
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        if (c.backend) return *c.backend;
    }
    return startBackend(BackendKind::kAuto);
}

void stopBackend() {
    std::unique_ptr<Backend> old;
    std::unique_ptr<DesktopDpiWatcher> watcher;
    {
        std::lock_guard<std::mutex> lock(chosen().mutex);
        old = std::move(chosen().backend);
        watcher = std::move(chosen().watcher);
    }
    watcher.reset();  // before the backend: its thread posts to the windows
}

HeadlessBackend* headless() {
    return dynamic_cast<HeadlessBackend*>(&backend());
}

bool setClipboardText(std::u16string_view text) {
    // Another program reading the clipboard gets valid UTF-8.
    return backend().setClipboardText(displayText(text));
}

bool clipboardText(std::u16string* out) {
    return backend().clipboardText(out);
}

bool setPrimarySelectionText(std::u16string_view text) {
    return backend().setPrimarySelectionText(text);
}

bool primarySelectionText(std::u16string* out) {
    return backend().primarySelectionText(out);
}

int messageBox(const MessageBoxRequest& request) {
    return backend().messageBox(request);
}

}  // namespace platform::window
