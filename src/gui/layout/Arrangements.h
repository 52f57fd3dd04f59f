// The four built-in arrangements of a container's children: row, column, flow and pile.
// Each sizes and places the children through component operations only and reports the
// content extents (without margins).
#pragma once

#include <cstdint>

#include "gui/IComponent.h"

namespace s::gui::layout {

struct Extents {
    std::int32_t minWidth = 0;
    std::int32_t minHeight = 0;
    std::int32_t maxWidth = 0;
    std::int32_t maxHeight = 0;
    friend bool operator==(const Extents&, const Extents&) = default;
};

Extents arrangeRow(IComponent* container, std::int32_t hAlign, std::int32_t vAlign,
                   std::int32_t gap);
Extents arrangeColumn(IComponent* container, std::int32_t hAlign, std::int32_t vAlign,
                      std::int32_t gap);
Extents arrangeFlow(IComponent* container, std::int32_t hAlign, std::int32_t vAlign,
                    std::int32_t hGap, std::int32_t vGap);
Extents arrangePile(IComponent* container, std::int32_t hAlign, std::int32_t vAlign);

// Shares `spare` pixels among items that may grow from mins[i] to maxs[i]: each growing item
// gets mins + truncate((max - min) * ratio) with one single-precision ratio
// spare / (maxTotal - minTotal); what truncation left is handed out in item order, each item
// up to its maximum. sizes receives the results.
void shareSpare(const std::int32_t* mins, const std::int32_t* maxs, std::uint32_t count,
                std::int32_t spare, std::int32_t minTotal, std::int32_t maxTotal,
                std::int32_t* sizes);

}  // namespace s::gui::layout
