// A list view's headings and cells.
#include "gui/access/ListTable.h"

#include "gui/win/ListView.h"
#include "platform/access/Bridge.h"

namespace s::gui::access {

namespace pa = platform::access;
namespace pw = platform::window;

ListTable::ListTable(win::ListView* view, pa::Node* owner) : view_(view), owner_(owner) {}

ListTable::~ListTable() = default;

int ListTable::rowCount() const {
    return static_cast<int>(view_->getRowCount());
}

int ListTable::columnCount() const {
    return static_cast<int>(view_->getColumnCount());
}

int ListTable::childCount() const {
    return columnCount() * (rowCount() + 1);
}

pa::Node* ListTable::child(int index) const {
    const int columns = columnCount();
    if (index < 0 || columns == 0) return nullptr;
    return cell(index / columns - 1, index % columns);
}

pa::Node* ListTable::cell(int row, int column) const {
    if (row < -1 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    auto& kept = cells_[{row, column}];
    if (!kept) {
        kept = std::make_unique<ListCellNode>(this, row, column);
        kept->toldSelected = isRowSelected(row);
    }
    return kept.get();
}

bool ListTable::isRowSelected(int row) const {
    return row >= 0 && row < rowCount() && view_->rows().isSelected(static_cast<std::size_t>(row));
}

bool ListTable::selectRow(int row) {
    if (row < 0 || row >= rowCount() || !view_->isEnabled()) return false;
    view_->selectRow(static_cast<std::size_t>(row));
    return true;
}

pa::Node* ListTable::cursorCell() const {
    return cell(static_cast<int>(view_->getCursorRow()), 0);
}

void ListTable::rowsChanged() {
    const int rows = rowCount(), columns = columnCount();
    std::erase_if(cells_, [&](const auto& entry) {
        return entry.first.first >= rows || entry.first.second >= columns;
    });
}

void ListTable::selectionChanged() {
    for (auto& [place, cell] : cells_) {
        const bool selected = isRowSelected(place.first);
        if (place.first < 0 || selected == cell->toldSelected) continue;
        cell->toldSelected = selected;
        pa::Bridge::stateChanged(cell.get(), pa::kSelected, selected);
    }
}

ListCellNode::ListCellNode(const ListTable* table, int row, int column)
    : table_(table), row_(row), column_(column) {}

ListCellNode::~ListCellNode() {
    pa::Bridge::forget(this);
}

pa::Role ListCellNode::role() const {
    return row_ < 0 ? pa::Role::kColumnHeader : pa::Role::kTableCell;
}

std::u16string ListCellNode::name() const {
    if (row_ >= table_->rowCount() || column_ >= table_->columnCount()) return {};
    if (row_ < 0) return table_->view()->getColumnTitle(static_cast<std::size_t>(column_));
    return text();
}

std::uint32_t ListCellNode::states() const {
    win::ListView* view = table_->view();
    if (row_ >= table_->rowCount() || column_ >= table_->columnCount()) return 0;
    std::uint32_t s = table_->owner()->states() & (pa::kEnabled | pa::kVisible | pa::kShowing);
    if (row_ < 0) return s;
    if (!view->isRowInView(static_cast<std::size_t>(row_))) s &= ~std::uint32_t(pa::kShowing);
    s |= pa::kSelectable | pa::kReadOnly | pa::kSingleLine;
    if (table_->isRowSelected(row_)) s |= pa::kSelected;
    return s;
}

int ListCellNode::indexInParent() const {
    return table_->columnCount() * (row_ + 1) + column_;
}

pw::Rect ListCellNode::extents() const {
    win::ListView* view = table_->view();
    const pw::Rect r = row_ < 0 ? view->headingRect(static_cast<std::size_t>(column_))
                                : view->cellRect(static_cast<std::size_t>(row_),
                                                 static_cast<std::size_t>(column_));
    const pw::Rect list = table_->owner()->extents();
    return r.offset(list.x, list.y);
}

std::u16string ListCellNode::text() const {
    if (row_ < 0 || row_ >= table_->rowCount()) return {};
    return table_->view()->rows().cellText(static_cast<std::size_t>(row_),
                                           static_cast<std::size_t>(column_));
}

bool ListCellNode::cellPosition(int* row, int* column) const {
    if (row_ < 0) return false;
    *row = row_;
    *column = column_;
    return true;
}

}  // namespace s::gui::access
