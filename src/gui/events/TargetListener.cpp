// Source filtering of the target listeners.
#include "gui/events/TargetListener.h"

namespace s::gui::events {

void TargetListener::onEvent(void* source, std::int32_t code) {
    if (!source_ || source != eventSource(source_)) return;
    for (IComponent* target : targets_) apply(target);
}

}  // namespace s::gui::events
