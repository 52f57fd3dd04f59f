// The widgets of a window the keyboard focus moves through with Tab, in reading order.
#pragma once

#include <vector>

#include "gui/IComponent.h"

namespace s::gui::win {

class Component;

class FocusChain {
public:
    // The widgets under `root` that take the focus and can now (shown with every ancestor and
    // enabled), in the order the boxes lay them out: top to bottom, then left to right.
    static std::vector<Component*> of(IComponent* root);
    // The widget after `from` in the chain of `root` (before it when `back`), wrapping at the
    // ends; the first (or last) when `from` is not in the chain; null for an empty chain.
    static Component* next(IComponent* root, const Component* from, bool back);
    // Whether the widget can take the focus now.
    static bool canFocus(const Component* component);
};

}  // namespace s::gui::win
