// A one-line text field: its text, change and notify listeners, and select-all. Its read-only
// state is the component's editable flag.
#pragma once

#include <cstdint>
#include <string>

#include "gui/IComponent.h"
#include "gui/IFontOperations.h"
#include "gui/events/IEventListener.h"

namespace s::gui {

class ITextField : public virtual IComponent, public virtual IFontOperations {
public:
    virtual std::u16string getText() const = 0;
    // notify false: the change listeners do not hear of this text.
    virtual void setText(const std::u16string& text, bool notify) = 0;
    virtual bool isEmpty() const = 0;
    virtual void clear() = 0;

    // Code 1 after every change of the text (typed, pasted, undone or set with notify).
    virtual void addChangeListener(events::IEventListener* listener) = 0;
    // Code 3 when Return is pressed in a one-line field and when the field loses the focus.
    virtual void addNotifyListener(events::IEventListener* listener) = 0;
    // Gives the field the focus, selects everything and scrolls the caret into view.
    virtual void selectAll() = 0;
};

}  // namespace s::gui
