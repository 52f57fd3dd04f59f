// What an assistive tool may ask of one object of the user interface: role, name, states, place
// in the tree, text, value and actions. The toolkit implements it; the bridge asks every question
// on the window's thread (the node's owner), never on its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window/Types.h"

namespace platform::access {

enum class Role {
    kApplication,
    kFrame,
    kDialog,
    kAlert,
    kMenuBar,
    kMenu,
    kMenuItem,
    kCheckMenuItem,
    kRadioMenuItem,
    kSeparator,
    kPushButton,
    kCheckBox,
    kRadioButton,
    kLabel,
    kLink,
    kText,
    kComboBox,
    kList,
    kListItem,
    kTable,
    kColumnHeader,
    kTableCell,
    kPanel,
    kScrollPane,
    kViewport,
    kScrollBar,
    kStatusBar,
    kProgressBar,
    kSlider,
    kImage,
    kFiller,
};

enum State : std::uint32_t {
    kFocusable = 1u << 0,
    kFocused = 1u << 1,
    kEnabled = 1u << 2,  // also sensitive
    kShowing = 1u << 3,
    kVisible = 1u << 4,
    kCheckable = 1u << 5,
    kChecked = 1u << 6,
    kEditable = 1u << 7,
    kReadOnly = 1u << 8,
    kSelectable = 1u << 9,
    kSelected = 1u << 10,
    kSingleLine = 1u << 11,
    kMultiLine = 1u << 12,
    kActive = 1u << 13,
    kModal = 1u << 14,
    kExpandable = 1u << 15,
    kExpanded = 1u << 16,
    kHorizontal = 1u << 17,
    kVertical = 1u << 18,
    // The children are too many to walk (a table's cells): tools ask for the ones they need.
    kManagesDescendants = 1u << 19,
};

// The value of a progress bar, slider or scroll bar.
struct Value {
    double current = 0;
    double minimum = 0;
    double maximum = 0;
};

class Node {
public:
    virtual ~Node() = default;

    virtual Role role() const = 0;
    virtual std::u16string name() const = 0;
    virtual std::u16string description() const { return {}; }
    // State bits.
    virtual std::uint32_t states() const = 0;
    virtual Node* parent() const = 0;
    virtual int childCount() const { return 0; }
    virtual Node* child(int index) const { return nullptr; }
    virtual int indexInParent() const;
    // The node whose text names this one (a field's label or check box); null for none.
    virtual Node* labelledBy() const { return nullptr; }
    // The node this one names (the reverse relation).
    virtual Node* labelFor() const { return nullptr; }
    // Screen coordinates.
    virtual window::Rect extents() const = 0;
    virtual bool grabFocus() { return false; }
    // Extra attributes as "name:value" pairs (an assistive tool reads "live:polite" as "speak
    // changes of this text").
    virtual std::vector<std::pair<std::string, std::string>> attributes() const { return {}; }

    // Text: fields, text areas, labels (read-only). Offsets count UTF-16 units.
    virtual bool hasText() const { return false; }
    virtual std::u16string text() const { return {}; }
    virtual std::int32_t caret() const { return 0; }
    virtual bool setCaret(std::int32_t offset) { return false; }
    // The selection as [start, end); false when nothing is selected.
    virtual bool selection(std::int32_t* start, std::int32_t* end) const { return false; }
    virtual bool setSelection(std::int32_t start, std::int32_t end) { return false; }
    // Replaces the whole text of an editable field as typing would.
    virtual bool setText(const std::u16string& text) { return false; }

    // Values: progress bar, slider, scroll bar.
    virtual bool hasValue() const { return false; }
    virtual Value value() const { return {}; }
    virtual bool setValue(double value) { return false; }

    // Actions ("click", "press", "toggle") that do what a click does.
    virtual std::vector<std::string> actions() const { return {}; }
    virtual bool doAction(int index) { return false; }

    // Children that can be selected (the list of a drop-down).
    virtual bool hasSelection() const { return false; }
    virtual bool isChildSelected(int index) const { return false; }
    virtual bool selectChild(int index) { return false; }

    // Tables: rows of cells under column headings. Their children are the headings, then the
    // cells row by row; rows and columns count from 0 at the top left of what is shown.
    virtual bool isTable() const { return false; }
    virtual int rowCount() const { return 0; }
    virtual int columnCount() const { return 0; }
    virtual Node* cellAt(int row, int column) const { return nullptr; }
    virtual Node* columnHeader(int column) const { return nullptr; }
    virtual bool isRowSelected(int row) const { return false; }
    virtual bool selectRow(int row) { return false; }
    // A cell of a table: its row and column; false for other nodes.
    virtual bool cellPosition(int* row, int* column) const { return false; }

    // Top-level windows answer true and get the window interface (activate events).
    virtual bool isWindow() const { return false; }

    // The native window whose thread owns the node (the one hand-off goes there).
    virtual window::Handle ownerWindow() const = 0;
};

inline int Node::indexInParent() const {
    Node* up = parent();
    if (!up) return -1;
    for (int i = 0, n = up->childCount(); i < n; ++i)
        if (up->child(i) == this) return i;
    return -1;
}

}  // namespace platform::access
