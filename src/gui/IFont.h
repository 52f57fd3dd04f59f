// The font a component draws its text with.
#pragma once

#include "platform/window/Text.h"

namespace s::gui {

class IFont {
public:
    virtual ~IFont() = default;
    // The description the window layer measures and draws with.
    virtual const platform::window::Font& nativeFont() const = 0;
};

}  // namespace s::gui
