// The plain group box answers the same operations as the skins' one.
#pragma once

#include "gui/drawer/groupbox/IThin.h"

namespace s::gui::drawer::groupbox {

using IBasic = IThin;

}  // namespace s::gui::drawer::groupbox
