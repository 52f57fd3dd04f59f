// A listener that makes every target editable when its source fires.
#pragma once

#include "gui/events/TargetListener.h"

namespace s::gui::events {

class Editabler : public PooledTargetListener<Editabler> {
public:
    const char16_t* typeName() const override { return u"s_gui_events_Editabler"; }

protected:
    void apply(IComponent* target) override { target->setEditable(true); }
};

}  // namespace s::gui::events
