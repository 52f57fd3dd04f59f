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

// A batch is sorted on its own and merged after the rows of equal keys already there, so a
// long list that grows batch by batch costs a pass over it per batch, not a sort.
void ListRows::append(std::vector<ListRow>&& rows) {
    if (rows.empty()) return;
    const std::size_t had = rows_.size();
    rows_.reserve(had + rows.size());
    for (ListRow& row : rows) rows_.push_back(std::move(row));
    selected_.resize(rows_.size(), false);
    order_.resize(rows_.size());
    for (std::size_t i = had; i < order_.size(); ++i) order_[i] = i;
    auto shownBefore = [this](std::size_t a, std::size_t b) { return before(a, b); };
    const auto middle = order_.begin() + static_cast<std::ptrdiff_t>(had);
    std::stable_sort(middle, order_.end(), shownBefore);
    std::inplace_merge(order_.begin(), middle, order_.end(), shownBefore);
    placeOf_.resize(rows_.size());
    for (std::size_t place = 0; place < order_.size(); ++place) placeOf_[order_[place]] = place;
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

bool ListRows::before(std::size_t a, std::size_t b) const {
    if (rows_[a].group != rows_[b].group) return rows_[a].group < rows_[b].group;
    if (sortColumn_ < 0) return false;
    const auto column = static_cast<std::size_t>(sortColumn_);
    const auto& left = rows_[a].cells;
    const auto& right = rows_[b].cells;
    const int c = (column < left.size() ? left[column].text : kNoText)
                      .compare(column < right.size() ? right[column].text : kNoText);
    return ascending_ ? c < 0 : c > 0;
}

// The whole order made again from the arrival order, so that equal keys keep arrival order.
void ListRows::reorder() {
    order_.resize(rows_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
    std::stable_sort(order_.begin(), order_.end(),
                     [this](std::size_t a, std::size_t b) { return before(a, b); });
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
