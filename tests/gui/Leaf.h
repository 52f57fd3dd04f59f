// A leaf component for tests: minimum and largest size set directly, shown without a native
// window, so arrangements can be checked on detached trees.
#pragma once

#include <cstdint>

#include "gui/win/Component.h"
#include "thread/Pooled.h"

namespace s::gui::testing {

class Leaf : public win::Component, public thread::Pooled<Leaf> {
public:
    const char16_t* typeName() const override { return u"s_gui_testing_Leaf"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { thread::Pooled<Leaf>::release(); }
    void recycle() override { resetComponent(); }
    bool isShown() const override { return shown_; }
    bool isEditable() const override { return editable_; }
    void setEditable(bool editable) override { editable_ = editable; }

    // minW x minH up to maxW x maxH (the natural size acts as the largest).
    static Leaf* make(std::int32_t minW, std::int32_t maxW, std::int32_t minH = 0,
                      std::int32_t maxH = 0) {
        Leaf* leaf = create();
        leaf->setMinSize(minW, minH);
        leaf->setNaturalSize(maxW, maxH);
        return leaf;
    }

private:
    bool editable_ = false;
};

}  // namespace s::gui::testing
