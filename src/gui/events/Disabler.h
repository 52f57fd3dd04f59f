// A listener that disables every target when its source fires.
#pragma once

#include "gui/events/TargetListener.h"

namespace s::gui::events {

class Disabler : public PooledTargetListener<Disabler> {
public:
    const char16_t* typeName() const override { return u"s_gui_events_Disabler"; }

protected:
    void apply(IComponent* target) override { target->setEnabled(false); }
};

}  // namespace s::gui::events
