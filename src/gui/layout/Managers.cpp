// The three shared layout managers.
#include "gui/IBox.h"
#include "gui/layout/Arrangements.h"
#include "gui/layout/FlowH.h"
#include "gui/layout/Pile.h"
#include "gui/layout/Vertical.h"

namespace s::gui::layout {

FlowH* FlowH::shared() {
    static FlowH instance;
    return &instance;
}

void FlowH::layout(IBox* container) {
    arrangeFlow(container, kStart, kStart, 0, 0);
}

Vertical* Vertical::shared() {
    static Vertical instance;
    return &instance;
}

void Vertical::layout(IBox* container) {
    arrangeColumn(container, kStart, kStart, 0);
}

Pile* Pile::shared() {
    static Pile instance;
    return &instance;
}

void Pile::layout(IBox* container) {
    arrangePile(container, kStart, kStart);
}

}  // namespace s::gui::layout
