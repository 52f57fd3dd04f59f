// The menu bar's menus and items.
#include "gui/access/MenuNode.h"

#include "gui/IPopupMenu.h"
#include "gui/menuitem/MenuItem.h"
#include "gui/win/MenuEx.h"
#include "platform/access/Bridge.h"
#include "platform/window/Window.h"

namespace s::gui::access {

namespace pa = platform::access;
namespace pw = platform::window;

MenuNode::MenuNode(win::MenuEx* bar, Node* parent, IPopupMenu* within, IPopupMenu* menu,
                   menuitem::MenuItem* item, int index)
    : bar_(bar), parent_(parent), within_(within), menu_(menu), item_(item), index_(index) {}

MenuNode::~MenuNode() {
    children_.clear();
    pa::Bridge::forget(this);
}

bool MenuNode::present() const {
    if (!within_) return true;  // the bar's entries live as long as its node
    std::int32_t at = -1;
    return item_ && within_->indexOfValue(item_, &at);
}

pa::Role MenuNode::role() const {
    if (menu_) return pa::Role::kMenu;
    if (!present()) return pa::Role::kMenuItem;
    if (item_->isSeparator()) return pa::Role::kSeparator;
    if (item_->isRadio()) return pa::Role::kRadioMenuItem;
    if (item_->isCheckable()) return pa::Role::kCheckMenuItem;
    return pa::Role::kMenuItem;
}

std::u16string MenuNode::name() const {
    if (!present()) return {};
    if (!within_) return bar_->getEntryText(index_);
    // A sub-menu's entry may leave its text to the sub-menu's title.
    if (item_->getText().empty() && menu_) return menu_->getTitle();
    return item_->getText();
}

std::uint32_t MenuNode::states() const {
    if (!present()) return 0;
    std::uint32_t s = parent_->states() & (pa::kVisible | pa::kShowing);
    if (!within_) s |= pa::kShowing | pa::kVisible;
    if (!item_ || item_->isEnabled()) s |= pa::kEnabled;
    if (item_ && !item_->isSeparator()) s |= pa::kSelectable;
    if (item_ && item_->isCheckable()) s |= pa::kCheckable;
    if (item_ && item_->isChecked()) s |= pa::kChecked;
    if (menu_) s |= pa::kExpandable;
    return s;
}

int MenuNode::childCount() const {
    return menu_ && present() ? menu_->getCount() : 0;
}

pa::Node* MenuNode::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    menuitem::MenuItem* item = menu_->getItem(index);
    if (!item) return nullptr;
    auto& kept = children_[item];
    if (!kept || kept->index_ != index)
        kept = std::make_unique<MenuNode>(bar_, const_cast<MenuNode*>(this), menu_,
                                          item->getSubMenu(), item, index);
    return kept.get();
}

pw::Rect MenuNode::extents() const {
    if (!within_) {
        const pw::Rect bar = pw::screenRect(bar_->getNativeWindow());
        return bar_->getEntryRect(index_).offset(bar.x, bar.y);
    }
    return parent_->extents();
}

std::vector<std::string> MenuNode::actions() const {
    if (menu_ || !item_ || item_->isSeparator()) return {};
    return {"click"};
}

bool MenuNode::doAction(int index) {
    if (index != 0 || !present() || !item_ || !item_->isCommand() || !item_->isEnabled())
        return false;
    return bar_->chooseCommand(item_->getCommand());
}

pa::Node* MenuNode::entryOf(win::MenuEx* bar, Node* barNode, int index,
                            std::map<const void*, std::unique_ptr<MenuNode>>& kept) {
    if (index < 0 || index >= bar->getEntryCount()) return nullptr;
    IPopupMenu* menu = bar->getEntryMenu(index);
    menuitem::MenuItem* item = bar->getEntryItem(index);
    const void* key = menu ? static_cast<const void*>(menu) : static_cast<const void*>(item);
    auto& node = kept[key];
    if (!node || node->index_ != index)
        node = std::make_unique<MenuNode>(bar, barNode, nullptr, menu, item, index);
    return node.get();
}

}  // namespace s::gui::access
