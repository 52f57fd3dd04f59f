// A listener that makes every target read-only when its source fires.
#pragma once

#include "gui/events/TargetListener.h"

namespace s::gui::events {

class UnEditabler : public PooledTargetListener<UnEditabler> {
public:
    const char16_t* typeName() const override { return u"s_gui_events_UnEditabler"; }

protected:
    void apply(IComponent* target) override { target->setEditable(false); }
};

}  // namespace s::gui::events
