// The plain list box answers the same operations as the skins' one.
#pragma once

#include "gui/drawer/listbox/IThin.h"

namespace s::gui::drawer::listbox {

using IBasic = IThin;

}  // namespace s::gui::drawer::listbox
