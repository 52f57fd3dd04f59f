// The parent name of a window, from its top-level window's surface.
#include "platform/window/ExportId.h"

#include "platform/window/Backend.h"
#include "platform/window/Window.h"

namespace platform::window {

std::string exportId(Handle window) {
    const Handle top = topLevelOf(window);
    return top == kNoWindow ? std::string() : backend().surfaceExportId(top);
}

}  // namespace platform::window
