// The list of a drop-down box and its items as accessible nodes: the items are the box's, the
// selected one is the box's choice.
#pragma once

#include <memory>
#include <vector>

#include "platform/access/Node.h"

namespace s::gui::win {
class ComboBox;
}

namespace s::gui::access {

class ComboItemNode;

class ComboListNode : public platform::access::Node {
public:
    ComboListNode(win::ComboBox* box, Node* parent);
    ~ComboListNode() override;

    platform::access::Role role() const override { return platform::access::Role::kList; }
    std::u16string name() const override { return {}; }
    std::uint32_t states() const override;
    Node* parent() const override { return parent_; }
    int childCount() const override;
    Node* child(int index) const override;
    platform::window::Rect extents() const override;
    bool hasSelection() const override { return true; }
    bool isChildSelected(int index) const override;
    bool selectChild(int index) override;
    platform::window::Handle ownerWindow() const override { return parent_->ownerWindow(); }

    win::ComboBox* box() const { return box_; }

private:
    win::ComboBox* box_;
    Node* parent_;
    mutable std::vector<std::unique_ptr<ComboItemNode>> items_;
};

class ComboItemNode : public platform::access::Node {
public:
    ComboItemNode(ComboListNode* list, int index) : list_(list), index_(index) {}

    platform::access::Role role() const override { return platform::access::Role::kListItem; }
    std::u16string name() const override;
    std::uint32_t states() const override;
    Node* parent() const override { return list_; }
    int indexInParent() const override { return index_; }
    platform::window::Rect extents() const override { return list_->extents(); }
    std::vector<std::string> actions() const override { return {"click"}; }
    bool doAction(int index) override { return list_->selectChild(index_); }
    platform::window::Handle ownerWindow() const override { return list_->ownerWindow(); }

private:
    ComboListNode* list_;
    int index_;
};

}  // namespace s::gui::access
