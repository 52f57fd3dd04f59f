// The radio-button drawer: a round option with its dot and the text beside it.
#pragma once

#include "gui/drawer/IMarkedText.h"

namespace s::gui::drawer::radiobutton {

class IThin : public IMarkedText {};

}  // namespace s::gui::drawer::radiobutton
