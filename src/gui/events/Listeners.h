// Firing an event to a list of listeners, the one way every component does it.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/events/IEventListener.h"

namespace s::gui::events {

// Fires code to a copy of the listeners: a listener may add listeners (or remove itself) while
// the event is delivered.
void fireListeners(const std::vector<IEventListener*>& listeners, void* source, std::int32_t code);

}  // namespace s::gui::events
