// The rows of a list view as a table for assistive tools: the column headings first, then a cell
// node per row and column, made when a tool asks for it (a list may hold many thousand rows).
// A cell stands for whatever row is shown at its place.
#pragma once

#include <map>
#include <memory>
#include <utility>

#include "platform/access/Node.h"

namespace s::gui::win {
class ListView;
}

namespace s::gui::access {

class ListCellNode;

class ListTable {
public:
    ListTable(win::ListView* view, platform::access::Node* owner);
    ~ListTable();

    win::ListView* view() const { return view_; }
    platform::access::Node* owner() const { return owner_; }

    int rowCount() const;
    int columnCount() const;
    int childCount() const;
    platform::access::Node* child(int index) const;
    // Row -1 is the headings' row.
    platform::access::Node* cell(int row, int column) const;
    bool isRowSelected(int row) const;
    bool selectRow(int row);
    // The cell that stands for the focus: the first of the row the keys move from.
    platform::access::Node* cursorCell() const;

    // The rows changed: cells past the end are gone.
    void rowsChanged();
    // The selection changed: the cells whose state changed tell so.
    void selectionChanged();

private:
    win::ListView* view_;
    platform::access::Node* owner_;
    mutable std::map<std::pair<int, int>, std::unique_ptr<ListCellNode>> cells_;
};

class ListCellNode : public platform::access::Node {
public:
    ListCellNode(const ListTable* table, int row, int column);
    ~ListCellNode() override;

    platform::access::Role role() const override;
    std::u16string name() const override;
    std::uint32_t states() const override;
    Node* parent() const override { return table_->owner(); }
    int indexInParent() const override;
    platform::window::Rect extents() const override;
    bool hasText() const override { return row_ >= 0; }
    std::u16string text() const override;
    bool cellPosition(int* row, int* column) const override;
    platform::window::Handle ownerWindow() const override { return table_->owner()->ownerWindow(); }

    int row() const { return row_; }
    // The selected state last told to the tools.
    bool toldSelected = false;

private:
    const ListTable* table_;
    int row_;
    int column_;
};

}  // namespace s::gui::access
