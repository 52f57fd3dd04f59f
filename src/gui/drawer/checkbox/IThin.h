// The check-box drawer: a square box with its check mark and the text beside it.
#pragma once

#include "gui/drawer/IMarkedText.h"

namespace s::gui::drawer::checkbox {

class IThin : public IMarkedText {};

}  // namespace s::gui::drawer::checkbox
