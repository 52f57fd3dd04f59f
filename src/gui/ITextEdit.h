// A multi-line text area: the operations of a text field on a wrapping, scrolling area.
#pragma once

#include "gui/ITextField.h"

namespace s::gui {

class ITextEdit : public virtual ITextField {};

}  // namespace s::gui
