// The rows of a list view: cells of text in arrival order, the order they are shown in
// (a group rank first, then the sort column), the selection, and the rows as text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/IComponent.h"

namespace s::gui::win {

// The colour a cell leaves to the list's drawer.
constexpr Colour kListTextColour = 0xFFFFFFFFu;

struct ListCell {
    std::u16string text;
    Colour colour = kListTextColour;
};

struct ListRow {
    std::vector<ListCell> cells;
    // Rows of a lower group are shown first whatever the sort column (failures above
    // successes, say); rows of one group keep their order unless sorted.
    std::int32_t group = 0;
};

class ListRows {
public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    void clear();
    void append(std::vector<ListRow>&& rows);

    // The row shown at a place (0 is the top); null when out of range.
    const ListRow* shownRow(std::size_t place) const;
    // The place a row (by arrival index) is shown at.
    std::size_t placeOf(std::size_t row) const;
    // The cell text of a shown row, empty past its last cell.
    const std::u16string& cellText(std::size_t place, std::size_t column) const;

    // Sorts by a column's text (ascending or descending); -1 back to arrival order. Stable:
    // equal texts keep their arrival order. The group rank comes first either way.
    void sortBy(std::int32_t column, bool ascending);
    std::int32_t sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return ascending_; }

    // Selection by shown place; it follows the rows when they are sorted again.
    bool isSelected(std::size_t place) const;
    void selectOnly(std::size_t place);
    void toggle(std::size_t place);
    void selectRange(std::size_t from, std::size_t to);  // both places included
    void selectAll();
    void selectNone();
    std::size_t selectedCount() const;
    // The first selected place, or -1.
    std::int64_t firstSelected() const;

    // The shown rows (all, or the selected ones) as lines of cells joined by tabs, each line
    // ended by "\n".
    std::u16string text(bool selectedOnly) const;

private:
    // Whether row a is shown before row b (the group, then the sort column).
    bool before(std::size_t a, std::size_t b) const;
    void reorder();

    std::vector<ListRow> rows_;
    std::vector<std::size_t> order_;   // place -> row
    std::vector<std::size_t> placeOf_; // row -> place
    std::vector<bool> selected_;       // by row
    std::int32_t sortColumn_ = -1;
    bool ascending_ = true;
};

}  // namespace s::gui::win
