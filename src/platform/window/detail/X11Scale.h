// The desktop's DPI settings as stored on the X display (internal to the window layer).
#pragma once

#include "detail/Private.h"

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

}  // namespace platform::window
