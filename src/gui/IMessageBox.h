// The contract of the toolkit's message box: information, warning and error notes and the two
// questions, answered on the calling thread.
#pragma once

#include <string>

#include "platform/window/Types.h"

namespace s::gui {

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void setMode0() = 0;
    virtual void setMode1() = 0;
    virtual void setMode2() = 0;
    virtual void inform(const std::u16string& text) = 0;
    virtual void warn(const std::u16string& text) = 0;
    virtual void error(const std::u16string& text) = 0;
    // True when Yes was chosen.
    virtual bool askYesNo(const std::u16string& text) = 0;
    // False when the box was cancelled (Cancel, Escape, closed); otherwise *answer is true for
    // Yes and false for No.
    virtual bool askYesNoCancel(const std::u16string& text, bool* answer) = 0;
    // The window the box stays above and disables while it is open (none by default).
    virtual void setOwner(platform::window::Handle owner) = 0;
};

}  // namespace s::gui
