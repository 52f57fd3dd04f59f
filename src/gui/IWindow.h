// The top-level window contract: a container at the root of a component tree, owning the
// user-interface thread of every native window in it.
#pragma once

#include "gui/IBox.h"

namespace s::gui {

class IWindow : public virtual IBox {
public:
    // True on the window's user-interface thread.
    virtual bool isOwnerThread() const = 0;
};

}  // namespace s::gui
