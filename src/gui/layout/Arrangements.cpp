// Row, column, flow and pile arithmetic. Spare room is shared with one single-precision ratio
// per arrangement; every position is an integer.
#include "gui/layout/Arrangements.h"

#include <algorithm>
#include <vector>

#include "gui/win/Component.h"

namespace s::gui::layout {

namespace {

// Children are deferred while an arrangement places them, so that each native window is moved
// and sized by one call at the end (unless the container itself is deferred: then its own
// applyDeferred applies the children later).
class DeferFrame {
public:
    explicit DeferFrame(IComponent* container)
        : container_(container), active_(!container->isDeferred()) {
        if (!active_) return;
        win::Component::beginRepaintBatch();
        for (std::uint32_t i = 0, n = container_->getChildCount(); i < n; ++i) {
            container_->getChild(i)->defer();
        }
    }
    ~DeferFrame() {
        if (!active_) return;
        for (std::uint32_t i = 0, n = container_->getChildCount(); i < n; ++i) {
            IComponent* child = container_->getChild(i);
            child->applyDeferred();
            child->repaint();
        }
        win::Component::endRepaintBatch(container_);
    }
    DeferFrame(const DeferFrame&) = delete;
    DeferFrame& operator=(const DeferFrame&) = delete;

private:
    IComponent* container_;
    bool active_;
};

// Sum of sizes with a gap after every item of size >= 1 that another item follows; when the
// last item is below 1 and the total is at least 1, one gap is taken off again.
std::int32_t totalWithGaps(const std::vector<std::int32_t>& sizes, std::int32_t gap) {
    std::int32_t total = 0;
    std::size_t n = sizes.size();
    for (std::size_t i = 0; i < n; ++i) {
        total += sizes[i];
        if (i + 1 < n && sizes[i] >= 1) total += gap;
    }
    if (n > 0 && sizes[n - 1] < 1 && total >= 1) total -= gap;
    return total;
}

std::int32_t alignOffset(std::int32_t align, std::int32_t room) {
    if (room < 1) return 0;
    if (align == 1) return room / 2;
    if (align == 2) return room;
    return 0;
}

// Widths (row) or heights (column) after the spare along the main axis is shared; answers the
// spare that is left for alignment.
std::int32_t mainSizes(const std::vector<std::int32_t>& mins, const std::vector<std::int32_t>& maxs,
                       std::int32_t minTotal, std::int32_t maxTotal, std::int32_t length,
                       std::vector<std::int32_t>* sizes) {
    std::int32_t spare = length - minTotal;
    sizes->assign(mins.begin(), mins.end());
    if (spare < 1 || minTotal >= maxTotal) return spare;
    if (length < maxTotal) {
        shareSpare(mins.data(), maxs.data(), static_cast<std::uint32_t>(mins.size()), spare,
                   minTotal, maxTotal, sizes->data());
        // Alignment works with what sharing left over, not with the spare it shared out.
        std::int32_t left = spare;
        for (std::size_t i = 0; i < mins.size(); ++i) left -= (*sizes)[i] - mins[i];
        return left;
    }
    sizes->assign(maxs.begin(), maxs.end());
    return length - maxTotal;
}

}  // namespace

void shareSpare(const std::int32_t* mins, const std::int32_t* maxs, std::uint32_t count,
                std::int32_t spare, std::int32_t minTotal, std::int32_t maxTotal,
                std::int32_t* sizes) {
    const float ratio = static_cast<float>(spare) / static_cast<float>(maxTotal - minTotal);
    std::int32_t left = spare;
    for (std::uint32_t i = 0; i < count; ++i) {
        sizes[i] = mins[i];
        if (maxs[i] > mins[i]) {
            std::int32_t extra =
                static_cast<std::int32_t>(static_cast<float>(maxs[i] - mins[i]) * ratio);
            sizes[i] += extra;
            left -= extra;
        }
    }
    for (std::uint32_t i = 0; i < count && left > 0; ++i) {
        std::int32_t room = maxs[i] - sizes[i];
        if (room <= 0) continue;
        std::int32_t take = std::min(room, left);
        sizes[i] += take;
        left -= take;
    }
}

Extents arrangeRow(IComponent* box, std::int32_t hAlign, std::int32_t vAlign, std::int32_t gap) {
    DeferFrame frame(box);
    const std::uint32_t n = box->getChildCount();
    // 1. Measure: minimum and larger widths, totals with the gap rule.
    std::vector<std::int32_t> mins(n), maxs(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        mins[i] = c->getMinWidth();
        maxs[i] = std::max(c->getMaxWidth(), mins[i]);
    }
    const std::int32_t minTotal = totalWithGaps(mins, gap);
    const std::int32_t maxTotal = totalWithGaps(maxs, gap);
    // 2.-3. Row width, spare and the widths.
    const std::int32_t rowWidth = std::max(box->getClientWidth(), minTotal);
    std::vector<std::int32_t> widths;
    std::int32_t spare = mainSizes(mins, maxs, minTotal, maxTotal, rowWidth, &widths);
    for (std::uint32_t i = 0; i < n; ++i) box->getChild(i)->setSizeWithin(widths[i], 0);
    // 4. Row height; every child grows up to its maximum height.
    std::int32_t largestMinHeight = 0, largestMaxHeight = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        std::int32_t minH = c->getMinHeight();
        largestMinHeight = std::max(largestMinHeight, minH);
        largestMaxHeight = std::max(largestMaxHeight, std::max(c->getMaxHeight(), minH));
    }
    const std::int32_t rowHeight = std::max(box->getClientHeight(), largestMinHeight);
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        c->setSizeWithin(c->getWidth(), std::max(rowHeight, c->getMinHeight()));
    }
    // 5.-6. Place left to right.
    std::int32_t x = alignOffset(hAlign, spare);
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        std::int32_t w = c->getWidth();
        c->setPosition(x, alignOffset(vAlign, rowHeight - c->getHeight()));
        x += w;
        if (w >= 1) x += gap;
    }
    // 7. Extents.
    return {minTotal, largestMinHeight, maxTotal, largestMaxHeight};
}

Extents arrangeColumn(IComponent* box, std::int32_t hAlign, std::int32_t vAlign, std::int32_t gap) {
    DeferFrame frame(box);
    const std::uint32_t n = box->getChildCount();
    // 1. Column width; every child as wide as allowed and at its minimum height.
    std::int32_t largestMinWidth = 0, largestMaxWidth = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        largestMinWidth = std::max(largestMinWidth, box->getChild(i)->getMinWidth());
    }
    const std::int32_t columnWidth = std::max(box->getClientWidth(), largestMinWidth);
    std::vector<std::int32_t> mins(n), maxs(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        c->setSizeWithin(columnWidth, 0);
        std::int32_t minW = c->getMinWidth();
        largestMaxWidth = std::max(largestMaxWidth, std::max(c->getMaxWidth(), minW));
        mins[i] = c->getHeight();
        maxs[i] = std::max(c->getMaxHeight(), mins[i]);
    }
    // 2. Totals with the gap rule.
    const std::int32_t minTotal = totalWithGaps(mins, gap);
    const std::int32_t maxTotal = totalWithGaps(maxs, gap);
    // 3. Column height and the heights.
    const std::int32_t columnHeight = std::max(box->getClientHeight(), minTotal);
    std::vector<std::int32_t> heights;
    std::int32_t spare = mainSizes(mins, maxs, minTotal, maxTotal, columnHeight, &heights);
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        if (heights[i] != c->getHeight()) c->setSizeWithin(c->getWidth(), heights[i]);
    }
    // 4. Place top to bottom.
    std::int32_t y = alignOffset(vAlign, spare);
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        std::int32_t h = c->getHeight();
        c->setPosition(alignOffset(hAlign, columnWidth - c->getWidth()), y);
        y += h;
        if (h >= 1) y += gap;
    }
    // 5. Extents.
    return {largestMinWidth, minTotal, largestMaxWidth, maxTotal};
}

namespace {

struct FlowLine {
    std::uint32_t first = 0;  // index of the first child
    std::uint32_t end = 0;    // one past the last
    std::int32_t remaining = 0;
};

// Breaks the children into lines of lineWidth: a gap precedes a child when a counting child
// (shown, width >= 1) already stands in the line and the child itself counts.
std::vector<FlowLine> breakLines(IComponent* box, std::int32_t lineWidth, std::int32_t hGap) {
    std::vector<FlowLine> lines;
    const std::uint32_t n = box->getChildCount();
    FlowLine line{0, 0, lineWidth};
    bool counted = false;
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        std::int32_t w = c->getWidth();
        bool counts = c->isShown() && w >= 1;
        std::int32_t gap = counted && counts ? hGap : 0;
        if (i > line.first && gap + w > line.remaining) {
            line.end = i;
            lines.push_back(line);
            line = {i, i, lineWidth - w};
            counted = counts;
            continue;
        }
        line.remaining -= gap + w;
        counted = counted || counts;
    }
    line.end = n;
    if (n > 0) lines.push_back(line);
    return lines;
}

}  // namespace

Extents arrangeFlow(IComponent* box, std::int32_t hAlign, std::int32_t vAlign, std::int32_t hGap,
                    std::int32_t vGap) {
    DeferFrame frame(box);
    const std::uint32_t n = box->getChildCount();
    // 1. Line width and the one-line width.
    std::int32_t largestMinWidth = 0, oneLine = 0;
    bool counted = false;
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        std::int32_t minW = c->getMinWidth();
        largestMinWidth = std::max(largestMinWidth, minW);
        oneLine += std::max(c->getMaxWidth(), minW);
        bool counts = c->isShown() && minW >= 1;
        if (counts && counted) oneLine += hGap;
        counted = counted || counts;
    }
    const std::int32_t lineWidth = std::max(box->getClientWidth(), largestMinWidth);
    // 2. Size and break; line heights and totals.
    for (std::uint32_t i = 0; i < n; ++i) box->getChild(i)->setSizeWithin(lineWidth, 0);
    std::vector<FlowLine> lines = breakLines(box, lineWidth, hGap);
    std::int32_t minTotal = 0, maxTotal = 0;
    std::vector<std::int32_t> tallest(lines.size());
    for (std::size_t l = 0; l < lines.size(); ++l) {
        std::int32_t lineMin = 0, lineMax = 0;
        for (std::uint32_t i = lines[l].first; i < lines[l].end; ++i) {
            IComponent* c = box->getChild(i);
            std::int32_t h = c->getHeight();
            lineMin = std::max(lineMin, h);
            lineMax = std::max(lineMax, std::max(c->getMaxHeight(), h));
        }
        tallest[l] = lineMin;
        minTotal += lineMin;
        maxTotal += lineMax;
        if (l > 0) {
            minTotal += vGap;
            maxTotal += vGap;
        }
    }
    // 3. Grow the children into the spare height.
    std::int32_t spare = std::max(box->getClientHeight(), minTotal) - minTotal;
    if (spare > 0 && minTotal < maxTotal) {
        const float ratio = static_cast<float>(spare) / static_cast<float>(maxTotal - minTotal);
        for (std::size_t l = 0; l < lines.size(); ++l) {
            std::int32_t before = tallest[l], after = 0;
            for (std::uint32_t i = lines[l].first; i < lines[l].end; ++i) {
                IComponent* c = box->getChild(i);
                std::int32_t h = c->getHeight(), maxH = c->getMaxHeight();
                if (h < maxH) {
                    std::int32_t grow =
                        static_cast<std::int32_t>(static_cast<float>(maxH - h) * ratio);
                    c->setSizeWithin(lineWidth, h + grow);
                }
                after = std::max(after, c->getHeight());
            }
            spare -= after - before;
        }
    }
    // 4. Top of the first line.
    std::int32_t top = spare > 0 ? alignOffset(vAlign, spare) : 0;
    // 5. Place line by line (the same break rule over the sizes now set).
    lines = breakLines(box, lineWidth, hGap);
    for (const FlowLine& line : lines) {
        std::int32_t x = line.remaining > 0 ? alignOffset(hAlign, line.remaining) : 0;
        std::int32_t lineHeight = 0;
        bool lineCounted = false;
        for (std::uint32_t i = line.first; i < line.end; ++i) {
            IComponent* c = box->getChild(i);
            std::int32_t w = c->getWidth();
            bool counts = c->isShown() && w >= 1;
            if (counts && lineCounted) x += hGap;
            lineCounted = lineCounted || counts;
            c->setPosition(x, top);
            x += w;
            lineHeight = std::max(lineHeight, c->getHeight());
        }
        top += lineHeight + vGap;
    }
    // 6. Extents.
    return {largestMinWidth, minTotal, oneLine, maxTotal};
}

Extents arrangePile(IComponent* box, std::int32_t hAlign, std::int32_t vAlign) {
    DeferFrame frame(box);
    const std::uint32_t n = box->getChildCount();
    Extents extents;
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        if (!c->isShown()) continue;
        std::int32_t minW = c->getMinWidth(), minH = c->getMinHeight();
        extents.minWidth = std::max(extents.minWidth, minW);
        extents.minHeight = std::max(extents.minHeight, minH);
        extents.maxWidth = std::max(extents.maxWidth, std::max(c->getMaxWidth(), minW));
        extents.maxHeight = std::max(extents.maxHeight, std::max(c->getMaxHeight(), minH));
    }
    // 1. Pile width: every shown child as wide as allowed.
    const std::int32_t pileWidth = std::max(box->getClientWidth(), extents.minWidth);
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        if (c->isShown()) c->setSizeWithin(pileWidth, 0);
    }
    // 2. Pile height: every shown child lower than its maximum grows up to it.
    const std::int32_t pileHeight = std::max(box->getClientHeight(), extents.minHeight);
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        if (!c->isShown()) continue;
        std::int32_t maxH = c->getMaxHeight();
        if (c->getHeight() < maxH) c->setSizeWithin(c->getWidth(), std::max(pileHeight, maxH));
    }
    // 3. Place with the alignments.
    for (std::uint32_t i = 0; i < n; ++i) {
        IComponent* c = box->getChild(i);
        if (!c->isShown()) continue;
        c->setPosition(alignOffset(hAlign, pileWidth - c->getWidth()),
                       alignOffset(vAlign, pileHeight - c->getHeight()));
    }
    // 4. Extents.
    return extents;
}

}  // namespace s::gui::layout
