// Firing an event to a copy of a list of listeners.
#include "gui/events/Listeners.h"

namespace s::gui::events {

void fireListeners(const std::vector<IEventListener*>& listeners, void* source, std::int32_t code) {
    const std::vector<IEventListener*> copy = listeners;
    for (IEventListener* l : copy) l->onEvent(source, code);
}

}  // namespace s::gui::events
