// A listener that enables every target when its source fires.
#pragma once

#include "gui/events/TargetListener.h"

namespace s::gui::events {

class Enabler : public PooledTargetListener<Enabler> {
public:
    const char16_t* typeName() const override { return u"s_gui_events_Enabler"; }

protected:
    void apply(IComponent* target) override { target->setEnabled(true); }
};

}  // namespace s::gui::events
