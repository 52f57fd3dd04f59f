// The accessible node of one component: its role from its kind, its name (its own text, its
// row's label, a group box's title), states, text, value and actions, asked on its window thread.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/access/Node.h"

namespace s::gui::win {
class Component;
}

namespace s::gui::access {

class ComboListNode;
class ListTable;
class MenuNode;

class ComponentNode : public platform::access::Node {
public:
    // How the component is named beyond its own text (set by Access).
    struct Naming {
        win::Component* label = nullptr;  // the label or check box of its row
        bool rowButton = false;           // the button's text, then the row's name
        bool live = false;                // changes of its text are spoken
        win::Component* labels = nullptr; // the component this one names
        win::Component* like = nullptr;   // the button whose text names this glyph button
    };

    explicit ComponentNode(win::Component* component);
    ~ComponentNode() override;

    win::Component* component() const { return component_; }
    // The list of a drop-down box (null for other components).
    ComboListNode* list() const { return list_.get(); }
    // The rows of a list view (null for other components).
    ListTable* table() const { return table_.get(); }
    Naming& naming() { return naming_; }

    platform::access::Role role() const override;
    std::u16string name() const override;
    std::uint32_t states() const override;
    Node* parent() const override;
    int childCount() const override;
    Node* child(int index) const override;
    Node* labelledBy() const override;
    Node* labelFor() const override;
    platform::window::Rect extents() const override;
    bool grabFocus() override;
    std::vector<std::pair<std::string, std::string>> attributes() const override;

    bool hasText() const override;
    std::u16string text() const override;
    std::int32_t caret() const override;
    bool setCaret(std::int32_t offset) override;
    bool selection(std::int32_t* start, std::int32_t* end) const override;
    bool setSelection(std::int32_t start, std::int32_t end) override;
    bool setText(const std::u16string& text) override;

    bool hasValue() const override;
    platform::access::Value value() const override;
    bool setValue(double value) override;

    std::vector<std::string> actions() const override;
    bool doAction(int index) override;

    bool hasSelection() const override;
    bool isChildSelected(int index) const override;
    bool selectChild(int index) override;

    bool isTable() const override;
    int rowCount() const override;
    int columnCount() const override;
    Node* cellAt(int row, int column) const override;
    Node* columnHeader(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;

    bool isWindow() const override;
    platform::window::Handle ownerWindow() const override;

    // The text a label or check box gives the component it names: without the trailing colon.
    static std::u16string labelText(win::Component* label);
    // A text without the colon and the spaces that end a row's label.
    static std::u16string withoutColon(std::u16string text);

private:
    std::vector<win::Component*> shownChildren() const;
    platform::window::Handle focusTarget() const;

    win::Component* component_;
    Naming naming_;
    std::unique_ptr<ComboListNode> list_;
    std::unique_ptr<ListTable> table_;
    // The entries of a menu bar.
    mutable std::map<const void*, std::unique_ptr<MenuNode>> entries_;
};

}  // namespace s::gui::access
