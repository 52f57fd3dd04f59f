// The layout manager that runs the flow arrangement (alignment left and top, no gaps).
#pragma once

#include "base/IObject.h"
#include "gui/ILayoutManager.h"

namespace s::gui::layout {

class FlowH : public base::IObject, public ILayoutManager {
public:
    // The one instance every container shares (the class keeps no state).
    static FlowH* shared();

    const char16_t* typeName() const override { return u"s_gui_layout_FlowH"; }
    base::IObject* newInstance() const override { return shared(); }
    void layout(IBox* container) override;
};

}  // namespace s::gui::layout
