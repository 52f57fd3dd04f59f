// The contract of the status bar: a container whose one child holds the application's fields
// and the resize grip.
#pragma once

#include <cstdint>

#include "gui/IBox.h"

namespace s::gui {

namespace drawer::statusbar {
class IThin;
}

class IStatusBar : public virtual IBox {
public:
    // The outer box (the bar's only child) and the content box inside it that takes the fields.
    virtual void setParts(IBox* outerBox, IBox* contentBox) = 0;
    virtual IBox* getOuterBox() const = 0;
    virtual IBox* getContentBox() const = 0;
    // The "#Resizer" button that resizes the window when dragged (null when the bar has none).
    virtual IComponent* getResizer() const = 0;
    // Stored, then the bar and its parent lay out again.
    virtual void setLayoutFlag(bool on) = 0;
    virtual bool getLayoutFlag() const = 0;
    virtual void setFlag(bool on) = 0;
    virtual bool getFlag() const = 0;
    // Null: the shared status-bar drawer. An owned drawer is released with the bar.
    virtual void setStatusBarDrawer(drawer::statusbar::IThin* drawer, bool owned) = 0;
};

}  // namespace s::gui
