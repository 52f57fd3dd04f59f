// The list of a drop-down box and its items.
#include "gui/access/ComboListNode.h"

#include "gui/access/ComponentNode.h"
#include "gui/combobox/ComboBoxItem.h"
#include "gui/win/ComboBox.h"
#include "platform/access/Bridge.h"
#include "platform/window/Window.h"

namespace s::gui::access {

namespace pa = platform::access;
namespace pw = platform::window;

ComboListNode::ComboListNode(win::ComboBox* box, Node* parent) : box_(box), parent_(parent) {}

ComboListNode::~ComboListNode() {
    for (auto& item : items_) pa::Bridge::forget(item.get());
    pa::Bridge::forget(this);
}

std::uint32_t ComboListNode::states() const {
    std::uint32_t s = parent_->states() & (pa::kEnabled | pa::kVisible);
    if (box_->isDroppedDown()) s |= pa::kShowing;
    return s;
}

int ComboListNode::childCount() const {
    return box_->getItemCount();
}

pa::Node* ComboListNode::child(int index) const {
    if (index < 0 || index >= box_->getItemCount()) return nullptr;
    while (static_cast<int>(items_.size()) <= index)
        items_.push_back(std::make_unique<ComboItemNode>(const_cast<ComboListNode*>(this),
                                                         static_cast<int>(items_.size())));
    return items_[index].get();
}

pw::Rect ComboListNode::extents() const {
    return parent_->extents();
}

bool ComboListNode::isChildSelected(int index) const {
    return box_->getSelectedIndex() == index;
}

bool ComboListNode::selectChild(int index) {
    if (index < 0 || index >= box_->getItemCount() || !box_->isEnabled()) return false;
    box_->select(index, true);
    return true;
}

std::u16string ComboItemNode::name() const {
    combobox::ComboBoxItem* item = list_->box()->getItem(index_);
    return item ? ComponentNode::withoutColon(item->getText()) : std::u16string();
}

std::uint32_t ComboItemNode::states() const {
    std::uint32_t s = pa::kSelectable | (list_->states() & (pa::kEnabled | pa::kVisible | pa::kShowing));
    if (list_->isChildSelected(index_)) s |= pa::kSelected;
    return s;
}

}  // namespace s::gui::access
