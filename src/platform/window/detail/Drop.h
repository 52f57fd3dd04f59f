// Dropped files as carried by kDropFiles: made by the input translation, freed after dispatch.
#pragma once

#include <string>
#include <vector>

#include "detail/Private.h"
#include "platform/window/Types.h"
#include "platform/window/Window.h"

namespace platform::window::detail {

DropHandle makeDrop(std::vector<std::u16string> paths, Point point);
void freeDrop(DropHandle drop);

}  // namespace platform::window::detail
