// The accessible node of a component.
#include "gui/access/ComponentNode.h"

#include "gui/IWindow.h"
#include "gui/access/Access.h"
#include "gui/access/ComboListNode.h"
#include "gui/access/ListTable.h"
#include "gui/access/MenuNode.h"
#include "gui/win/Button.h"
#include "gui/win/CheckBox.h"
#include "gui/win/ComboBox.h"
#include "gui/win/EditBase.h"
#include "gui/win/GroupBox.h"
#include "gui/win/Image.h"
#include "gui/win/Label.h"
#include "gui/win/ListView.h"
#include "gui/win/MenuEx.h"
#include "gui/win/ProgressBar.h"
#include "gui/win/RadioButton.h"
#include "gui/win/ScrollBar.h"
#include "gui/win/ScrollBox.h"
#include "gui/win/Slider.h"
#include "gui/win/StatusBar.h"
#include "gui/win/TextEdit.h"
#include "gui/win/Window.h"
#include "platform/access/Bridge.h"
#include "platform/window/Edit.h"
#include "platform/window/Window.h"

namespace s::gui::access {

namespace pa = platform::access;
namespace pw = platform::window;
using win::Component;

namespace {

template <typename T>
T* as(Component* c) {
    return dynamic_cast<T*>(c);
}

}  // namespace

ComponentNode::ComponentNode(Component* component) : component_(component) {
    if (auto* box = as<win::ComboBox>(component)) list_ = std::make_unique<ComboListNode>(box, this);
    if (auto* view = as<win::ListView>(component)) table_ = std::make_unique<ListTable>(view, this);
}

ComponentNode::~ComponentNode() {
    list_.reset();
    table_.reset();
    entries_.clear();
    pa::Bridge::forget(this);
}

pa::Role ComponentNode::role() const {
    Component* c = component_;
    if (auto* w = as<win::Window>(c)) {
        // A window owned by another of the toolkit's windows (the About window) is a dialog.
        return w->getOwnerWindow() ? pa::Role::kDialog : pa::Role::kFrame;
    }
    if (as<win::MenuEx>(c)) return pa::Role::kMenuBar;
    if (auto* b = as<win::Button>(c)) return b->isToggleMode() ? pa::Role::kCheckBox : pa::Role::kPushButton;
    if (as<win::RadioButton>(c)) return pa::Role::kRadioButton;
    if (as<win::CheckBoxBase>(c)) return pa::Role::kCheckBox;
    if (auto* l = as<win::Label>(c)) return l->hasStateFonts() ? pa::Role::kLink : pa::Role::kLabel;
    if (as<win::EditBase>(c)) return pa::Role::kText;
    if (as<win::ComboBox>(c)) return pa::Role::kComboBox;
    if (as<win::GroupBox>(c)) return pa::Role::kPanel;
    if (as<win::ScrollBox>(c)) return pa::Role::kScrollPane;
    // The box that moves inside a scroll pane.
    if (as<win::ScrollView>(c)) return pa::Role::kViewport;
    if (as<win::ScrollBar>(c)) return pa::Role::kScrollBar;
    if (as<win::StatusBar>(c)) return pa::Role::kStatusBar;
    if (as<win::ProgressBar>(c)) return pa::Role::kProgressBar;
    if (as<win::Slider>(c)) return pa::Role::kSlider;
    if (as<win::Image>(c)) return pa::Role::kImage;
    if (as<win::ListView>(c)) return pa::Role::kTable;
    return pa::Role::kFiller;
}

std::u16string ComponentNode::labelText(Component* label) {
    std::u16string text;
    if (auto* l = as<win::Label>(label)) text = l->getText();
    else if (auto* b = as<win::CheckBoxBase>(label)) text = b->getText();
    else if (auto* g = as<win::GroupBox>(label)) text = g->getTitle();
    return withoutColon(std::move(text));
}

std::u16string ComponentNode::withoutColon(std::u16string text) {
    // A full-width colon in some languages.
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\u00a0' ||
                             text.back() == u':' || text.back() == u'\uff1a'))
        text.pop_back();
    return text;
}

std::u16string ComponentNode::name() const {
    Component* c = component_;
    // A field is named by its row; a label keeps its own text (the relation still tells).
    if (naming_.label && !naming_.rowButton && !as<win::Label>(c)) return labelText(naming_.label);
    if (auto* b = as<win::Button>(c)) {
        if (auto* like = as<win::Button>(naming_.like)) return like->getText();
        std::u16string own = b->getText();
        if (naming_.label) {
            own += u' ';
            own += labelText(naming_.label);
        }
        return own;
    }
    if (as<win::CheckBoxBase>(c) || as<win::Label>(c) || as<win::GroupBox>(c)) return labelText(c);
    if (auto* w = as<win::Window>(c)) return w->getTitle();
    if (auto* box = as<win::ComboBox>(c)) {
        // The match type's choices are the rows' labels, colon and all.
        combobox::ComboBoxItem* item = box->getSelectedItem();
        return item ? withoutColon(item->getText()) : std::u16string();
    }
    return {};
}

pw::Handle ComponentNode::focusTarget() const {
    if (auto* e = as<win::EditBase>(component_)) {
        if (e->getEditControl() != pw::kNoWindow) return e->getEditControl();
    }
    return component_->getNativeWindow();
}

std::uint32_t ComponentNode::states() const {
    Component* c = component_;
    const pw::Handle native = c->getNativeWindow();
    std::uint32_t s = 0;
    if (c->isEnabled() && (native == pw::kNoWindow || pw::isEnabled(native))) s |= pa::kEnabled;
    if (c->isVisibleFlag()) s |= pa::kVisible;
    if (c->isShown() && pw::isVisible(native)) s |= pa::kShowing;
    const pa::Role r = role();
    switch (r) {
        case pa::Role::kPushButton:
        case pa::Role::kCheckBox:
        case pa::Role::kRadioButton:
        case pa::Role::kComboBox:
        case pa::Role::kLink:
        case pa::Role::kText:
        case pa::Role::kSlider:
            s |= pa::kFocusable;
            break;
        case pa::Role::kTable:
            s |= pa::kFocusable | pa::kManagesDescendants;
            break;
        default:
            break;
    }
    const pw::Handle focus = pw::focus();
    if (focus != pw::kNoWindow && (focus == native || focus == focusTarget())) s |= pa::kFocused;
    if (auto* b = as<win::CheckBoxBase>(c)) s |= pa::kCheckable | (b->isChecked() ? std::uint32_t(pa::kChecked) : 0u);
    if (auto* b = as<win::Button>(c); b && b->isToggleMode())
        s |= pa::kCheckable | (b->isToggled() ? std::uint32_t(pa::kChecked) : 0u);
    if (auto* e = as<win::EditBase>(c)) {
        s |= e->isEditable() ? pa::kEditable : pa::kReadOnly;
        s |= as<win::TextEdit>(c) ? pa::kMultiLine : pa::kSingleLine;
    }
    if (r == pa::Role::kComboBox) {
        s |= pa::kExpandable;
        if (as<win::ComboBox>(c)->isDroppedDown()) s |= pa::kExpanded;
    }
    if (isWindow() && native != pw::kNoWindow && pw::isActive(native)) s |= pa::kActive;
    if (r == pa::Role::kDialog) s |= pa::kModal;
    return s;
}

std::vector<Component*> ComponentNode::shownChildren() const {
    std::vector<Component*> out;
    if (as<win::EditBase>(component_) || as<win::ComboBox>(component_)) return out;
    for (IComponent* child : component_->getChildren()) {
        Component* c = Component::of(child);
        if (c && !Access::leftOut(c)) out.push_back(c);
    }
    return out;
}

pa::Node* ComponentNode::parent() const {
    if (as<win::Window>(component_)) return nullptr;
    for (IComponent* up = component_->getParent(); up; up = up->getParent()) {
        if (pa::Node* n = Access::nodeOf(Component::of(up))) return n;
    }
    return nullptr;
}

int ComponentNode::childCount() const {
    if (list_) return 1;
    if (table_) return table_->childCount();
    if (auto* bar = as<win::MenuEx>(component_)) return bar->getEntryCount();
    return static_cast<int>(shownChildren().size());
}

pa::Node* ComponentNode::child(int index) const {
    if (list_) return index == 0 ? list_.get() : nullptr;
    if (table_) return table_->child(index);
    if (auto* bar = as<win::MenuEx>(component_))
        return MenuNode::entryOf(bar, const_cast<ComponentNode*>(this), index, entries_);
    const std::vector<Component*> children = shownChildren();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return Access::nodeOf(children[index]);
}

pa::Node* ComponentNode::labelledBy() const {
    return naming_.label && !naming_.rowButton ? Access::nodeOf(naming_.label) : nullptr;
}

pa::Node* ComponentNode::labelFor() const {
    return naming_.labels ? Access::nodeOf(naming_.labels) : nullptr;
}

pw::Rect ComponentNode::extents() const {
    const pw::Handle native = component_->getNativeWindow();
    if (native != pw::kNoWindow) return pw::screenRect(native);
    return {component_->getScreenX(), component_->getScreenY(), component_->getWidth(),
            component_->getHeight()};
}

bool ComponentNode::grabFocus() {
    const pw::Handle target = focusTarget();
    if (target == pw::kNoWindow) return false;
    pw::setFocus(target);
    return true;
}

std::vector<std::pair<std::string, std::string>> ComponentNode::attributes() const {
    if (naming_.live) return {{"live", "polite"}, {"container-live", "polite"}};
    return {};
}

bool ComponentNode::hasText() const {
    return as<win::EditBase>(component_) || as<win::Label>(component_);
}

std::u16string ComponentNode::text() const {
    if (auto* e = as<win::EditBase>(component_)) return e->getText();
    if (auto* l = as<win::Label>(component_)) return l->getText();
    return {};
}

std::int32_t ComponentNode::caret() const {
    std::int32_t anchor = 0, caret = 0;
    if (auto* e = as<win::EditBase>(component_))
        if (pw::editSelection(e->getEditControl(), &anchor, &caret)) return caret;
    return 0;
}

bool ComponentNode::setCaret(std::int32_t offset) {
    auto* e = as<win::EditBase>(component_);
    return e && pw::setEditSelection(e->getEditControl(), offset, offset);
}

bool ComponentNode::selection(std::int32_t* start, std::int32_t* end) const {
    auto* e = as<win::EditBase>(component_);
    std::int32_t anchor = 0, caret = 0;
    if (!e || !pw::editSelection(e->getEditControl(), &anchor, &caret) || anchor == caret)
        return false;
    *start = std::min(anchor, caret);
    *end = std::max(anchor, caret);
    return true;
}

bool ComponentNode::setSelection(std::int32_t start, std::int32_t end) {
    auto* e = as<win::EditBase>(component_);
    return e && pw::setEditSelection(e->getEditControl(), start, end);
}

bool ComponentNode::setText(const std::u16string& text) {
    auto* e = as<win::EditBase>(component_);
    if (!e || !e->isEditable() || !e->isEnabled()) return false;
    e->setText(text, true);
    return true;
}

bool ComponentNode::hasValue() const {
    return as<win::ProgressBar>(component_) || as<win::Slider>(component_);
}

pa::Value ComponentNode::value() const {
    if (auto* p = as<win::ProgressBar>(component_))
        return {double(p->getPosition()), double(p->getMinimum()), double(p->getMaximum())};
    if (auto* s = as<win::Slider>(component_))
        return {double(s->getPosition()), double(s->getMinimum()), double(s->getMaximum())};
    return {};
}

bool ComponentNode::setValue(double value) {
    auto* s = as<win::Slider>(component_);
    if (!s || !s->isEnabled()) return false;
    s->setPosition(static_cast<std::int32_t>(value));
    return true;
}

std::vector<std::string> ComponentNode::actions() const {
    switch (role()) {
        case pa::Role::kPushButton:
        case pa::Role::kLink:
            return {"click"};
        case pa::Role::kCheckBox:
        case pa::Role::kRadioButton:
            return {"toggle"};
        case pa::Role::kComboBox:
            return {"press"};
        default:
            return {};
    }
}

bool ComponentNode::doAction(int index) {
    if (index != 0 || !component_->isEnabled()) return false;
    if (auto* b = as<win::Button>(component_)) {
        b->click();
        return true;
    }
    if (auto* b = as<win::CheckBoxBase>(component_)) {
        b->userClick();
        return true;
    }
    if (auto* box = as<win::ComboBox>(component_)) return box->dropDown();
    if (auto* l = as<win::Label>(component_)) return l->clickLink();
    return false;
}

bool ComponentNode::hasSelection() const {
    return table_ != nullptr;
}

bool ComponentNode::isChildSelected(int index) const {
    const int columns = columnCount();
    return table_ && columns > 0 && table_->isRowSelected(index / columns - 1);
}

bool ComponentNode::selectChild(int index) {
    const int columns = columnCount();
    return table_ && columns > 0 && index >= columns && table_->selectRow(index / columns - 1);
}

bool ComponentNode::isTable() const {
    return table_ != nullptr;
}

int ComponentNode::rowCount() const {
    return table_ ? table_->rowCount() : 0;
}

int ComponentNode::columnCount() const {
    return table_ ? table_->columnCount() : 0;
}

pa::Node* ComponentNode::cellAt(int row, int column) const {
    return table_ && row >= 0 ? table_->cell(row, column) : nullptr;
}

pa::Node* ComponentNode::columnHeader(int column) const {
    return table_ ? table_->cell(-1, column) : nullptr;
}

bool ComponentNode::isRowSelected(int row) const {
    return table_ && table_->isRowSelected(row);
}

bool ComponentNode::selectRow(int row) {
    return table_ && table_->selectRow(row);
}

bool ComponentNode::isWindow() const {
    return as<win::Window>(component_) != nullptr;
}

pw::Handle ComponentNode::ownerWindow() const {
    const pw::Handle native = component_->getNativeWindow();
    if (native != pw::kNoWindow) return pw::topLevelOf(native);
    IWindow* w = component_->getWindow();
    return w ? w->getNativeWindow() : pw::kNoWindow;
}

}  // namespace s::gui::access
