// Dropped files: the windows that accept them and the drop handles of kDropFiles.
#include <mutex>
#include <string>
#include <vector>

#include "detail/Core.h"
#include "detail/Drop.h"
#include "platform/window/Window.h"

namespace platform::window {

namespace detail {

namespace {

struct DropData {
    std::vector<std::u16string> paths;
    Point point;
};

}  // namespace

DropHandle makeDrop(std::vector<std::u16string> paths, Point point) {
    auto* d = new DropData{std::move(paths), point};
    return reinterpret_cast<DropHandle>(d);
}

void freeDrop(DropHandle drop) {
    delete reinterpret_cast<DropData*>(drop);
}

}  // namespace detail

using namespace detail;

bool acceptFiles(Handle window, bool accept) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    if (!r) return false;
    r->acceptFiles = accept;
    return true;
}

bool acceptsFiles(Handle window) {
    std::lock_guard<std::recursive_mutex> lock(treeMutex());
    WindowRecord* r = findLocked(window);
    return r && r->acceptFiles;
}

std::uint32_t dropCount(DropHandle drop) {
    auto* d = reinterpret_cast<DropData*>(drop);
    return d ? static_cast<std::uint32_t>(d->paths.size()) : 0;
}

std::u16string dropFile(DropHandle drop, std::uint32_t index) {
    auto* d = reinterpret_cast<DropData*>(drop);
    return d && index < d->paths.size() ? d->paths[index] : std::u16string();
}

Point dropPoint(DropHandle drop) {
    auto* d = reinterpret_cast<DropData*>(drop);
    return d ? d->point : Point{};
}

}  // namespace platform::window
