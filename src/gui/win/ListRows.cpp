// Row order, selection and text of a list view.
#include "gui/win/ListRows.h"

#include <algorithm>

namespace s::gui::win {

namespace {
const std::u16string kNoText;
}

void ListRows::clear() {
    rows_.clear();
    order_.clear();
    placeOf_.clear();
    selected_.clear();
}

void ListRows::append(std::vector<ListRow>&& rows) {
    if (rows.empty()) return;
    rows_.reserve(rows_.size() + rows.size());
    for (ListRow& row : rows) rows_.push_back(std::move(row));
    selected_.resize(rows_.size(), false);
    reorder();
}

const ListRow* ListRows::shownRow(std::size_t place) const {
    return place < order_.size() ? &rows_[order_[place]] : nullptr;
}

std::size_t ListRows::placeOf(std::size_t row) const {
    return row < placeOf_.size() ? placeOf_[row] : row;
}

const std::u16string& ListRows::cellText(std::size_t place, std::size_t column) const {
    const ListRow* row = shownRow(place);
    if (!row || column >= row->cells.size()) return kNoText;
    return row->cells[column].text;
}

void ListRows::sortBy(std::int32_t column, bool ascending) {
    sortColumn_ = column < 0 ? -1 : column;
    ascending_ = ascending;
    reorder();
}

// Batches arrive while the user looks at the list: the whole order is made again from the
// arrival order, so that equal keys keep arriving rows in arrival order.
void ListRows::reorder() {
    order_.resize(rows_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
    const std::int32_t column = sortColumn_;
    const bool ascending = ascending_;
    auto textOf = [&](std::size_t row) -> const std::u16string& {
        const auto& cells = rows_[row].cells;
        return column >= 0 && static_cast<std::size_t>(column) < cells.size()
                   ? cells[static_cast<std::size_t>(column)].text
                   : kNoText;
    };
    std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
        if (rows_[a].group != rows_[b].group) return rows_[a].group < rows_[b].group;
        if (column < 0) return false;
        int c = textOf(a).compare(textOf(b));
        return ascending ? c < 0 : c > 0;
    });
    placeOf_.resize(rows_.size());
    for (std::size_t place = 0; place < order_.size(); ++place) placeOf_[order_[place]] = place;
}

bool ListRows::isSelected(std::size_t place) const {
    return place < order_.size() && selected_[order_[place]];
}

void ListRows::selectOnly(std::size_t place) {
    std::fill(selected_.begin(), selected_.end(), false);
    if (place < order_.size()) selected_[order_[place]] = true;
}

void ListRows::toggle(std::size_t place) {
    if (place < order_.size()) selected_[order_[place]] = !selected_[order_[place]];
}

void ListRows::selectRange(std::size_t from, std::size_t to) {
    std::fill(selected_.begin(), selected_.end(), false);
    if (order_.empty()) return;
    if (from > to) std::swap(from, to);
    to = std::min(to, order_.size() - 1);
    for (std::size_t place = from; place <= to; ++place) selected_[order_[place]] = true;
}

void ListRows::selectAll() {
    std::fill(selected_.begin(), selected_.end(), true);
}

void ListRows::selectNone() {
    std::fill(selected_.begin(), selected_.end(), false);
}

std::size_t ListRows::selectedCount() const {
    return static_cast<std::size_t>(std::count(selected_.begin(), selected_.end(), true));
}

std::int64_t ListRows::firstSelected() const {
    for (std::size_t place = 0; place < order_.size(); ++place) {
        if (selected_[order_[place]]) return static_cast<std::int64_t>(place);
    }
    return -1;
}

std::u16string ListRows::text(bool selectedOnly) const {
    std::u16string out;
    for (std::size_t place = 0; place < order_.size(); ++place) {
        const std::size_t row = order_[place];
        if (selectedOnly && !selected_[row]) continue;
        const auto& cells = rows_[row].cells;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c) out += u'\t';
            out += cells[c].text;
        }
        out += u'\n';
    }
    return out;
}

}  // namespace s::gui::win
