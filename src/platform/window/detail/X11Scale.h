// The desktop's DPI settings as stored on the X display (internal to the window layer).
#pragma once

#include "detail/Private.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace platform::window {

struct DesktopDpiProperties {
    std::optional<std::string> xsettings;  // _XSETTINGS_SETTINGS of the _XSETTINGS_S0 owner
    std::optional<std::string> resources;  // RESOURCE_MANAGER of the first screen's root
};

// Reads both from the display named by DISPLAY over a connection of its own; empty when there
// is no X display or the property is not set.
DesktopDpiProperties readDesktopDpiProperties();

// Watches both properties on a thread and a connection of its own: when either changes (or the
// settings manager comes or goes), `changed` is called on that thread with the new values. The
// thread ends with the object. Errors of the X server on the watcher's connection (a manager
// window gone before it was read) are ignored.
class DesktopDpiWatcher {
public:
    virtual ~DesktopDpiWatcher() = default;
    // Null when there is no X display.
    static std::unique_ptr<DesktopDpiWatcher> start(
        std::function<void(const DesktopDpiProperties&)> changed);
};

}  // namespace platform::window
