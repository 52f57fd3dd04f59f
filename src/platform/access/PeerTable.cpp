// The table interfaces of the objects: a table's size, cells, headings and selected rows, and
// a cell's place in its table.
#include <cstring>
#include <string>
#include <vector>

#include "platform/access/PeerObject.h"
#include "platform/window/Text.h"

namespace platform::access::peer {

namespace pw = platform::window;

namespace {

struct TableSize {
    gint rows = 0;
    gint columns = 0;
};

TableSize sizeOf(AtkTable* table) {
    return ask<TableSize>(table, {}, [](Node* n) {
        return TableSize{n->rowCount(), n->columnCount()};
    });
}

AtkObject* refAt(AtkTable* table, gint row, gint column) {
    return ask<AtkObject*>(table, nullptr,
                           [row, column](Node* n) { return reffed(n->cellAt(row, column)); });
}

// The headings come first among the children, then the cells row by row.
gint getIndexAt(AtkTable* table, gint row, gint column) {
    const TableSize t = sizeOf(table);
    if (row < 0 || column < 0 || row >= t.rows || column >= t.columns) return -1;
    return t.columns + row * t.columns + column;
}

gint getRowAtIndex(AtkTable* table, gint index) {
    const TableSize t = sizeOf(table);
    if (t.columns == 0 || index < t.columns || index >= t.columns * (t.rows + 1)) return -1;
    return index / t.columns - 1;
}

gint getColumnAtIndex(AtkTable* table, gint index) {
    const TableSize t = sizeOf(table);
    if (t.columns == 0 || index < t.columns || index >= t.columns * (t.rows + 1)) return -1;
    return index % t.columns;
}

gint getRowCount(AtkTable* table) {
    return sizeOf(table).rows;
}

gint getColumnCount(AtkTable* table) {
    return sizeOf(table).columns;
}

gint getOneCell(AtkTable*, gint, gint) {
    return 1;
}

AtkObject* getColumnHeader(AtkTable* table, gint column) {
    return ask<AtkObject*>(table, nullptr, [column](Node* n) -> AtkObject* {
        Node* header = n->columnHeader(column);
        return header ? registry::peerOf(header) : nullptr;
    });
}

const gchar* getColumnDescription(AtkTable* table, gint column) {
    const std::string title = pw::toUtf8(ask<std::u16string>(table, {}, [column](Node* n) {
        Node* header = n->columnHeader(column);
        return header ? header->name() : std::u16string();
    }));
    // Headings are few and keep their texts: interned, they outlive the answer.
    return g_intern_string(title.c_str());
}

gint getSelectedRows(AtkTable* table, gint** selected) {
    const std::vector<gint> rows = ask<std::vector<gint>>(table, {}, [](Node* n) {
        std::vector<gint> out;
        for (int r = 0, c = n->rowCount(); r < c; ++r)
            if (n->isRowSelected(r)) out.push_back(r);
        return out;
    });
    if (selected) {
        *selected = rows.empty() ? nullptr : g_new(gint, rows.size());
        if (!rows.empty()) std::memcpy(*selected, rows.data(), rows.size() * sizeof(gint));
    }
    return static_cast<gint>(rows.size());
}

gboolean isRowSelected(AtkTable* table, gint row) {
    return ask<gboolean>(table, FALSE,
                         [row](Node* n) -> gboolean { return n->isRowSelected(row); });
}

gboolean isCellSelected(AtkTable* table, gint row, gint) {
    return isRowSelected(table, row);
}

gboolean addRowSelection(AtkTable* table, gint row) {
    return ask<gboolean>(table, FALSE, [row](Node* n) -> gboolean { return n->selectRow(row); });
}

struct CellPlace {
    bool any = false;
    gint row = 0;
    gint column = 0;
};

CellPlace placeOf(AtkTableCell* cell) {
    return ask<CellPlace>(cell, {}, [](Node* n) {
        CellPlace p;
        p.any = n->cellPosition(&p.row, &p.column);
        return p;
    });
}

gint getOneSpan(AtkTableCell*) {
    return 1;
}

gboolean getPosition(AtkTableCell* cell, gint* row, gint* column) {
    const CellPlace p = placeOf(cell);
    if (row) *row = p.row;
    if (column) *column = p.column;
    return p.any;
}

gboolean getRowColumnSpan(AtkTableCell* cell, gint* row, gint* column, gint* rowSpan,
                          gint* columnSpan) {
    if (rowSpan) *rowSpan = 1;
    if (columnSpan) *columnSpan = 1;
    return getPosition(cell, row, column);
}

AtkObject* getTable(AtkTableCell* cell) {
    return ask<AtkObject*>(cell, nullptr, [](Node* n) { return reffed(n->parent()); });
}

GPtrArray* getColumnHeaderCells(AtkTableCell* cell) {
    GPtrArray* headers = g_ptr_array_new_with_free_func(g_object_unref);
    AtkObject* header = ask<AtkObject*>(cell, nullptr, [](Node* n) -> AtkObject* {
        int row = 0, column = 0;
        if (!n->cellPosition(&row, &column) || !n->parent()) return nullptr;
        return reffed(n->parent()->columnHeader(column));
    });
    if (header) g_ptr_array_add(headers, header);
    return headers;
}

GPtrArray* getRowHeaderCells(AtkTableCell*) {
    return g_ptr_array_new_with_free_func(g_object_unref);
}

}  // namespace

void initTable(gpointer iface, gpointer) {
    auto* i = static_cast<AtkTableIface*>(iface);
    i->ref_at = refAt;
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    i->get_index_at = getIndexAt;
    i->get_row_at_index = getRowAtIndex;
    i->get_column_at_index = getColumnAtIndex;
    G_GNUC_END_IGNORE_DEPRECATIONS
    i->get_n_rows = getRowCount;
    i->get_n_columns = getColumnCount;
    i->get_row_extent_at = getOneCell;
    i->get_column_extent_at = getOneCell;
    i->get_column_header = getColumnHeader;
    i->get_column_description = getColumnDescription;
    i->get_selected_rows = getSelectedRows;
    i->is_row_selected = isRowSelected;
    i->is_selected = isCellSelected;
    i->add_row_selection = addRowSelection;
}

void initTableCell(gpointer iface, gpointer) {
    auto* i = static_cast<AtkTableCellIface*>(iface);
    i->get_column_span = getOneSpan;
    i->get_row_span = getOneSpan;
    i->get_position = getPosition;
    i->get_row_column_span = getRowColumnSpan;
    i->get_table = getTable;
    i->get_column_header_cells = getColumnHeaderCells;
    i->get_row_header_cells = getRowHeaderCells;
}

}  // namespace platform::access::peer
