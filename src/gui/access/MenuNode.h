// The menu bar's entries, their menus and items as accessible nodes: a menu for each entry that
// opens one (and each sub-menu), a menu item, check item, radio item or separator for each item.
// Choosing an item through its action does what choosing it with the pointer does.
#pragma once

#include <map>
#include <memory>

#include "platform/access/Node.h"

namespace s::gui {
class IPopupMenu;
}
namespace s::gui::menuitem {
class MenuItem;
}
namespace s::gui::win {
class MenuEx;
}

namespace s::gui::access {

class MenuNode : public platform::access::Node {
public:
    // An entry of the bar: `menu` for one that opens a popup, `item` for a command on the bar;
    // inside a popup `item` is the item and `menu` its sub-menu, if any.
    MenuNode(win::MenuEx* bar, Node* parent, IPopupMenu* within, IPopupMenu* menu,
             menuitem::MenuItem* item, int index);
    ~MenuNode() override;

    platform::access::Role role() const override;
    std::u16string name() const override;
    std::uint32_t states() const override;
    Node* parent() const override { return parent_; }
    int indexInParent() const override { return index_; }
    int childCount() const override;
    Node* child(int index) const override;
    platform::window::Rect extents() const override;
    std::vector<std::string> actions() const override;
    bool doAction(int index) override;
    platform::window::Handle ownerWindow() const override { return parent_->ownerWindow(); }

    // The children of a bar (its entries), kept by the bar's node.
    static Node* entryOf(win::MenuEx* bar, Node* barNode, int index,
                         std::map<const void*, std::unique_ptr<MenuNode>>& kept);

private:
    // The item still belongs where it was found (menus are rebuilt on a change of language).
    bool present() const;

    win::MenuEx* bar_;
    Node* parent_;
    IPopupMenu* within_;
    IPopupMenu* menu_;
    menuitem::MenuItem* item_;
    int index_;
    mutable std::map<const void*, std::unique_ptr<MenuNode>> children_;
};

}  // namespace s::gui::access
