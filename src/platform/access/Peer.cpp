// The ATK objects of the nodes. Every answer is asked of the node on its window thread through
// the window layer's one hand-off (callOnOwner); a node that is gone answers as defunct.
#include "platform/access/Peer.h"

#include <atomic>
#include <cstring>
#include <mutex>
#include <string_view>

#include "platform/access/PeerObject.h"
#include "platform/access/Registry.h"
#include "platform/window/Popup.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"

namespace platform::access::peer {

namespace pw = platform::window;

namespace {

// Interfaces beyond AtkComponent, one bit each; a GObject type per combination in use.
enum Interface : unsigned {
    kText = 1,
    kAction = 2,
    kValue = 4,
    kSelection = 8,
    kWindowIf = 16,
    kTable = 32,
    kTableCell = 64,
};

struct PeerClass {
    AtkObjectClass parent;
};

// ---- text offsets: ATK counts characters, the nodes UTF-16 units --------------------------------

std::int32_t charsOf(std::u16string_view text, std::int32_t units) {
    std::int32_t chars = 0;
    for (std::int32_t i = 0; i < units && i < static_cast<std::int32_t>(text.size()); ++i)
        if ((text[i] & 0xFC00) != 0xDC00 || i == 0 || (text[i - 1] & 0xFC00) != 0xD800) ++chars;
    return chars;
}

std::int32_t unitsOf(std::u16string_view text, std::int32_t chars) {
    if (chars < 0) return static_cast<std::int32_t>(text.size());
    std::int32_t units = 0;
    const auto size = static_cast<std::int32_t>(text.size());
    for (std::int32_t c = 0; c < chars && units < size; ++c) {
        const bool pair = (text[units] & 0xFC00) == 0xD800 && units + 1 < size &&
                          (text[units + 1] & 0xFC00) == 0xDC00;
        units += pair ? 2 : 1;
    }
    return units;
}

std::string slice(std::u16string_view text, std::int32_t start, std::int32_t end) {
    const std::int32_t from = unitsOf(text, start);
    const std::int32_t to = end < 0 ? static_cast<std::int32_t>(text.size()) : unitsOf(text, end);
    if (to <= from) return {};
    return pw::toUtf8(text.substr(from, to - from));
}

std::u16string nodeText(gpointer object) {
    return ask<std::u16string>(object, {}, [](Node* n) { return n->text(); });
}

// ---- AtkObject ------------------------------------------------------------------------------------

AtkRole atkRole(Role role) {
    switch (role) {
        case Role::kApplication: return ATK_ROLE_APPLICATION;
        case Role::kFrame: return ATK_ROLE_FRAME;
        case Role::kDialog: return ATK_ROLE_DIALOG;
        case Role::kAlert: return ATK_ROLE_ALERT;
        case Role::kMenuBar: return ATK_ROLE_MENU_BAR;
        case Role::kMenu: return ATK_ROLE_MENU;
        case Role::kMenuItem: return ATK_ROLE_MENU_ITEM;
        case Role::kCheckMenuItem: return ATK_ROLE_CHECK_MENU_ITEM;
        case Role::kRadioMenuItem: return ATK_ROLE_RADIO_MENU_ITEM;
        case Role::kSeparator: return ATK_ROLE_SEPARATOR;
        case Role::kPushButton: return ATK_ROLE_PUSH_BUTTON;
        case Role::kCheckBox: return ATK_ROLE_CHECK_BOX;
        case Role::kRadioButton: return ATK_ROLE_RADIO_BUTTON;
        case Role::kLabel: return ATK_ROLE_LABEL;
        case Role::kLink: return ATK_ROLE_LINK;
        case Role::kText: return ATK_ROLE_TEXT;
        case Role::kComboBox: return ATK_ROLE_COMBO_BOX;
        case Role::kList: return ATK_ROLE_LIST;
        case Role::kListItem: return ATK_ROLE_LIST_ITEM;
        case Role::kTable: return ATK_ROLE_TABLE;
        case Role::kColumnHeader: return ATK_ROLE_COLUMN_HEADER;
        case Role::kTableCell: return ATK_ROLE_TABLE_CELL;
        case Role::kPanel: return ATK_ROLE_PANEL;
        case Role::kScrollPane: return ATK_ROLE_SCROLL_PANE;
        case Role::kViewport: return ATK_ROLE_VIEWPORT;
        case Role::kScrollBar: return ATK_ROLE_SCROLL_BAR;
        case Role::kStatusBar: return ATK_ROLE_STATUSBAR;
        case Role::kProgressBar: return ATK_ROLE_PROGRESS_BAR;
        case Role::kSlider: return ATK_ROLE_SLIDER;
        case Role::kImage: return ATK_ROLE_IMAGE;
        case Role::kFiller: return ATK_ROLE_FILLER;
    }
    return ATK_ROLE_UNKNOWN;
}

const gchar* getName(AtkObject* object) {
    PeerObject* p = self(object);
    if (p->root) return p->name->c_str();
    *p->name = pw::toUtf8(ask<std::u16string>(object, {}, [](Node* n) { return n->name(); }));
    return p->name->c_str();
}

const gchar* getDescription(AtkObject* object) {
    PeerObject* p = self(object);
    if (p->root) return "";
    *p->description =
        pw::toUtf8(ask<std::u16string>(object, {}, [](Node* n) { return n->description(); }));
    return p->description->c_str();
}

AtkObject* getParent(AtkObject* object) {
    PeerObject* p = self(object);
    if (p->root) return nullptr;
    bool topLevel = false;
    AtkObject* parent = ask<AtkObject*>(object, nullptr, [&](Node* n) -> AtkObject* {
        Node* up = n->parent();
        if (!up) {
            topLevel = true;
            return nullptr;
        }
        return registry::peerOf(up);
    });
    if (topLevel) {
        AtkObject* root = registry::root();
        if (root) g_object_unref(root);  // the registry keeps it
        return root;
    }
    return parent;
}

gint getChildCount(AtkObject* object) {
    if (self(object)->root) {
        std::vector<AtkObject*> windows = registry::windows();
        for (AtkObject* w : windows) g_object_unref(w);
        return static_cast<gint>(windows.size());
    }
    return ask<gint>(object, 0, [](Node* n) { return n->childCount(); });
}

AtkObject* refChild(AtkObject* object, gint index) {
    if (self(object)->root) {
        std::vector<AtkObject*> windows = registry::windows();
        AtkObject* child = nullptr;
        for (std::size_t i = 0; i < windows.size(); ++i) {
            if (static_cast<gint>(i) == index)
                child = windows[i];
            else
                g_object_unref(windows[i]);
        }
        return child;
    }
    return ask<AtkObject*>(object, nullptr, [index](Node* n) { return reffed(n->child(index)); });
}

gint getIndexInParent(AtkObject* object) {
    if (self(object)->root) return -1;
    bool topLevel = false;
    const gint index = ask<gint>(object, -1, [&](Node* n) {
        topLevel = n->parent() == nullptr;
        return n->indexInParent();
    });
    if (!topLevel) return index;
    std::vector<AtkObject*> windows = registry::windows();
    gint found = -1;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (windows[i] == object) found = static_cast<gint>(i);
        g_object_unref(windows[i]);
    }
    return found;
}

AtkRole getRole(AtkObject* object) {
    if (self(object)->root) return ATK_ROLE_APPLICATION;
    return ask<AtkRole>(object, ATK_ROLE_UNKNOWN, [](Node* n) { return atkRole(n->role()); });
}

AtkStateSet* refStateSet(AtkObject* object) {
    AtkStateSet* set = atk_state_set_new();
    if (self(object)->root) return set;
    bool live = false;
    const std::uint32_t states = ask<std::uint32_t>(object, 0, [&](Node* n) {
        live = true;
        return n->states();
    });
    if (!live) {
        atk_state_set_add_state(set, ATK_STATE_DEFUNCT);
        return set;
    }
    static constexpr struct {
        State state;
        AtkStateType atk;
    } kStates[] = {
        {kFocusable, ATK_STATE_FOCUSABLE}, {kFocused, ATK_STATE_FOCUSED},
        {kEnabled, ATK_STATE_ENABLED},     {kEnabled, ATK_STATE_SENSITIVE},
        {kShowing, ATK_STATE_SHOWING},     {kVisible, ATK_STATE_VISIBLE},
        {kCheckable, ATK_STATE_CHECKABLE}, {kChecked, ATK_STATE_CHECKED},
        {kEditable, ATK_STATE_EDITABLE},   {kReadOnly, ATK_STATE_READ_ONLY},
        {kSelectable, ATK_STATE_SELECTABLE}, {kSelected, ATK_STATE_SELECTED},
        {kSingleLine, ATK_STATE_SINGLE_LINE}, {kMultiLine, ATK_STATE_MULTI_LINE},
        {kActive, ATK_STATE_ACTIVE},       {kModal, ATK_STATE_MODAL},
        {kExpandable, ATK_STATE_EXPANDABLE}, {kExpanded, ATK_STATE_EXPANDED},
        {kHorizontal, ATK_STATE_HORIZONTAL}, {kVertical, ATK_STATE_VERTICAL},
        {kManagesDescendants, ATK_STATE_MANAGES_DESCENDANTS},
    };
    for (const auto& s : kStates)
        if (states & s.state) atk_state_set_add_state(set, s.atk);
    return set;
}

AtkRelationSet* refRelationSet(AtkObject* object) {
    AtkRelationSet* set = atk_relation_set_new();
    if (self(object)->root) return set;
    struct Targets {
        AtkObject* by = nullptr;
        AtkObject* forWhat = nullptr;
    };
    const Targets t = ask<Targets>(object, {}, [](Node* n) {
        return Targets{reffed(n->labelledBy()), reffed(n->labelFor())};
    });
    if (t.by) {
        atk_relation_set_add_relation_by_type(set, ATK_RELATION_LABELLED_BY, t.by);
        g_object_unref(t.by);
    }
    if (t.forWhat) {
        atk_relation_set_add_relation_by_type(set, ATK_RELATION_LABEL_FOR, t.forWhat);
        g_object_unref(t.forWhat);
    }
    return set;
}

AtkAttributeSet* getAttributes(AtkObject* object) {
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    const Pairs pairs = ask<Pairs>(object, {}, [](Node* n) { return n->attributes(); });
    AtkAttributeSet* set = nullptr;
    for (const auto& [name, value] : pairs) {
        auto* a = static_cast<AtkAttribute*>(g_malloc(sizeof(AtkAttribute)));
        a->name = g_strdup(name.c_str());
        a->value = g_strdup(value.c_str());
        set = g_slist_prepend(set, a);
    }
    return set;
}

// ---- AtkComponent ---------------------------------------------------------------------------------

void getExtents(AtkComponent* component, gint* x, gint* y, gint* w, gint* h, AtkCoordType coords) {
    const pw::Rect r = ask<pw::Rect>(component, {}, [coords](Node* n) {
        pw::Rect e = n->extents();
        if (coords == ATK_XY_WINDOW) {
            const pw::Rect top = pw::screenRect(pw::topLevelOf(n->ownerWindow()));
            e = e.offset(-top.x, -top.y);
        } else if (coords == ATK_XY_PARENT && n->parent()) {
            const pw::Rect up = n->parent()->extents();
            e = e.offset(-up.x, -up.y);
        }
        return e;
    });
    if (x) *x = r.x;
    if (y) *y = r.y;
    if (w) *w = r.width;
    if (h) *h = r.height;
}

gboolean grabFocus(AtkComponent* component) {
    return ask<gboolean>(component, FALSE, [](Node* n) -> gboolean { return n->grabFocus(); });
}

void initComponent(gpointer iface, gpointer) {
    auto* i = static_cast<AtkComponentIface*>(iface);
    i->get_extents = getExtents;
    i->grab_focus = grabFocus;
}

// ---- AtkText and AtkEditableText --------------------------------------------------------------------

gchar* getText(AtkText* text, gint start, gint end) {
    return g_strdup(slice(nodeText(text), start, end).c_str());
}

gint getCharacterCount(AtkText* text) {
    const std::u16string t = nodeText(text);
    return charsOf(t, static_cast<std::int32_t>(t.size()));
}

gunichar getCharacterAt(AtkText* text, gint offset) {
    const std::string one = slice(nodeText(text), offset, offset + 1);
    return one.empty() ? 0 : g_utf8_get_char(one.c_str());
}

gint getCaretOffset(AtkText* text) {
    struct Caret {
        std::u16string text;
        std::int32_t caret = 0;
    };
    const Caret c = ask<Caret>(text, {}, [](Node* n) { return Caret{n->text(), n->caret()}; });
    return charsOf(c.text, c.caret);
}

gboolean setCaretOffset(AtkText* text, gint offset) {
    return ask<gboolean>(text, FALSE, [offset](Node* n) -> gboolean {
        return n->setCaret(unitsOf(n->text(), offset));
    });
}

struct Selection {
    bool any = false;
    std::int32_t start = 0;
    std::int32_t end = 0;
};

Selection selectionOf(AtkText* text) {
    return ask<Selection>(text, {}, [](Node* n) {
        Selection s;
        std::int32_t a = 0, b = 0;
        if (!n->selection(&a, &b) || a == b) return s;
        const std::u16string t = n->text();
        return Selection{true, charsOf(t, a), charsOf(t, b)};
    });
}

gint getSelectionCount(AtkText* text) {
    return selectionOf(text).any ? 1 : 0;
}

gchar* getSelection(AtkText* text, gint index, gint* start, gint* end) {
    const Selection s = selectionOf(text);
    if (index != 0 || !s.any) {
        *start = *end = 0;
        return nullptr;
    }
    *start = s.start;
    *end = s.end;
    return getText(text, s.start, s.end);
}

gboolean setSelection(AtkText* text, gint index, gint start, gint end) {
    if (index != 0) return FALSE;
    return ask<gboolean>(text, FALSE, [start, end](Node* n) -> gboolean {
        const std::u16string t = n->text();
        return n->setSelection(unitsOf(t, start), unitsOf(t, end));
    });
}

gboolean addSelection(AtkText* text, gint start, gint end) {
    return setSelection(text, 0, start, end);
}

gboolean removeSelection(AtkText* text, gint index) {
    if (index != 0) return FALSE;
    return ask<gboolean>(text, FALSE, [](Node* n) -> gboolean { return n->setCaret(n->caret()); });
}

// Characters and lines; words and sentences answer the line around the offset.
gchar* getStringAt(AtkText* text, gint offset, AtkTextGranularity granularity, gint* start,
                   gint* end) {
    const std::u16string t = nodeText(text);
    const gint count = charsOf(t, static_cast<std::int32_t>(t.size()));
    if (offset < 0 || offset > count) {
        *start = *end = -1;
        return nullptr;
    }
    if (granularity == ATK_TEXT_GRANULARITY_CHAR) {
        *start = offset;
        *end = offset < count ? offset + 1 : offset;
        return g_strdup(slice(t, *start, *end).c_str());
    }
    const std::int32_t at = unitsOf(t, offset);
    std::size_t from = t.rfind(u'\n', at == 0 ? std::u16string::npos : at - 1);
    from = (from == std::u16string::npos || at == 0) ? 0 : from + 1;
    std::size_t to = t.find(u'\n', at);
    to = to == std::u16string::npos ? t.size() : to + 1;
    *start = charsOf(t, static_cast<std::int32_t>(from));
    *end = charsOf(t, static_cast<std::int32_t>(to));
    return g_strdup(slice(t, *start, *end).c_str());
}

void initText(gpointer iface, gpointer) {
    auto* i = static_cast<AtkTextIface*>(iface);
    i->get_text = getText;
    i->get_character_count = getCharacterCount;
    i->get_character_at_offset = getCharacterAt;
    i->get_caret_offset = getCaretOffset;
    i->set_caret_offset = setCaretOffset;
    i->get_n_selections = getSelectionCount;
    i->get_selection = getSelection;
    i->set_selection = setSelection;
    i->add_selection = addSelection;
    i->remove_selection = removeSelection;
    i->get_string_at_offset = getStringAt;
}

void setTextContents(AtkEditableText* text, const gchar* contents) {
    const std::u16string value = pw::fromUtf8(contents ? contents : "");
    ask<bool>(text, false, [&](Node* n) { return n->setText(value); });
}

void initEditableText(gpointer iface, gpointer) {
    static_cast<AtkEditableTextIface*>(iface)->set_text_contents = setTextContents;
}

// ---- AtkAction --------------------------------------------------------------------------------------

gint getActionCount(AtkAction* action) {
    return ask<gint>(action, 0, [](Node* n) { return static_cast<gint>(n->actions().size()); });
}

const gchar* getActionName(AtkAction* action, gint index) {
    const std::string name = ask<std::string>(action, {}, [index](Node* n) {
        const std::vector<std::string> names = n->actions();
        return index >= 0 && index < static_cast<gint>(names.size()) ? names[index] : "";
    });
    return name.empty() ? nullptr : g_intern_string(name.c_str());
}

const gchar* getActionEmpty(AtkAction*, gint) {
    return "";
}

// The action runs after the call returns: what a click starts (a message box, a run) must not
// hold the bus thread.
gboolean doAction(AtkAction* action, gint index) {
    return ask<gboolean>(action, FALSE, [index](Node* n) -> gboolean {
        if (index < 0 || index >= static_cast<gint>(n->actions().size())) return FALSE;
        registry::runLater(n->ownerWindow(), n, index);
        return TRUE;
    });
}

void initAction(gpointer iface, gpointer) {
    auto* i = static_cast<AtkActionIface*>(iface);
    i->get_n_actions = getActionCount;
    i->get_name = getActionName;
    i->get_description = getActionEmpty;
    i->get_keybinding = getActionEmpty;
    i->do_action = doAction;
}

// ---- AtkValue ---------------------------------------------------------------------------------------

Value valueOf(AtkValue* value) {
    return ask<Value>(value, {}, [](Node* n) { return n->value(); });
}

void getValueAndText(AtkValue* value, gdouble* current, gchar** text) {
    const Value v = valueOf(value);
    if (current) *current = v.current;
    if (text) *text = nullptr;
}

AtkRange* getRange(AtkValue* value) {
    const Value v = valueOf(value);
    return atk_range_new(v.minimum, v.maximum, nullptr);
}

void setDouble(GValue* out, double v) {
    g_value_init(out, G_TYPE_DOUBLE);
    g_value_set_double(out, v);
}

void getCurrent(AtkValue* value, GValue* out) {
    setDouble(out, valueOf(value).current);
}
void getMinimum(AtkValue* value, GValue* out) {
    setDouble(out, valueOf(value).minimum);
}
void getMaximum(AtkValue* value, GValue* out) {
    setDouble(out, valueOf(value).maximum);
}

void setValue(AtkValue* value, gdouble v) {
    ask<bool>(value, false, [v](Node* n) { return n->setValue(v); });
}

void initValue(gpointer iface, gpointer) {
    auto* i = static_cast<AtkValueIface*>(iface);
    i->get_value_and_text = getValueAndText;
    i->get_range = getRange;
    i->set_value = setValue;
    i->get_current_value = getCurrent;
    i->get_minimum_value = getMinimum;
    i->get_maximum_value = getMaximum;
}

// ---- AtkSelection -----------------------------------------------------------------------------------

gint getSelectedCount(AtkSelection* selection) {
    return ask<gint>(selection, 0, [](Node* n) {
        gint count = 0;
        for (int i = 0, c = n->childCount(); i < c; ++i) count += n->isChildSelected(i) ? 1 : 0;
        return count;
    });
}

AtkObject* refSelected(AtkSelection* selection, gint index) {
    return ask<AtkObject*>(selection, nullptr, [index](Node* n) -> AtkObject* {
        for (int i = 0, c = n->childCount(), seen = 0; i < c; ++i)
            if (n->isChildSelected(i) && seen++ == index) return reffed(n->child(i));
        return nullptr;
    });
}

gboolean isChildSelected(AtkSelection* selection, gint index) {
    return ask<gboolean>(selection, FALSE, [index](Node* n) -> gboolean { return n->isChildSelected(index); });
}

gboolean addSelected(AtkSelection* selection, gint index) {
    return ask<gboolean>(selection, FALSE, [index](Node* n) -> gboolean { return n->selectChild(index); });
}

void initSelection(gpointer iface, gpointer) {
    auto* i = static_cast<AtkSelectionIface*>(iface);
    i->get_selection_count = getSelectedCount;
    i->ref_selection = refSelected;
    i->is_child_selected = isChildSelected;
    i->add_selection = addSelected;
}

void initWindow(gpointer, gpointer) {}

// ---- types ------------------------------------------------------------------------------------------

void finalize(GObject* object) {
    PeerObject* p = self(object);
    delete p->window;
    delete p->name;
    delete p->description;
    delete p->announced;
    G_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(object)))->finalize(object);
}

void classInit(gpointer klass, gpointer) {
    G_OBJECT_CLASS(klass)->finalize = finalize;
    auto* atk = ATK_OBJECT_CLASS(klass);
    atk->get_name = getName;
    atk->get_description = getDescription;
    atk->get_parent = getParent;
    atk->get_n_children = getChildCount;
    atk->ref_child = refChild;
    atk->get_index_in_parent = getIndexInParent;
    atk->get_role = getRole;
    atk->ref_state_set = refStateSet;
    atk->ref_relation_set = refRelationSet;
    atk->get_attributes = getAttributes;
}

void instanceInit(GTypeInstance* instance, gpointer) {
    PeerObject* p = self(instance);
    p->node = nullptr;
    p->window = new std::atomic<pw::Handle>(pw::kNoWindow);
    p->root = false;
    p->name = new std::string;
    p->description = new std::string;
    p->announced = new std::string;
}

GType typeFor(unsigned interfaces) {
    static std::mutex lock;
    static GType types[128] = {};
    std::lock_guard<std::mutex> hold(lock);
    if (types[interfaces]) return types[interfaces];
    const GTypeInfo info = {sizeof(PeerClass), nullptr, nullptr, classInit,    nullptr,
                            nullptr,           sizeof(PeerObject), 0, instanceInit, nullptr};
    const std::string name = "VeritomeAccessible" + std::to_string(interfaces);
    const GType type = g_type_register_static(ATK_TYPE_OBJECT, name.c_str(), &info, GTypeFlags(0));
    auto add = [type](GType iface, GInterfaceInitFunc init) {
        const GInterfaceInfo i = {init, nullptr, nullptr};
        g_type_add_interface_static(type, iface, &i);
    };
    add(ATK_TYPE_COMPONENT, initComponent);
    if (interfaces & kText) {
        add(ATK_TYPE_TEXT, initText);
        add(ATK_TYPE_EDITABLE_TEXT, initEditableText);
    }
    if (interfaces & kAction) add(ATK_TYPE_ACTION, initAction);
    if (interfaces & kValue) add(ATK_TYPE_VALUE, initValue);
    if (interfaces & kSelection) add(ATK_TYPE_SELECTION, initSelection);
    if (interfaces & kWindowIf) add(ATK_TYPE_WINDOW, initWindow);
    if (interfaces & kTable) add(ATK_TYPE_TABLE, initTable);
    if (interfaces & kTableCell) add(ATK_TYPE_TABLE_CELL, initTableCell);
    types[interfaces] = type;
    return type;
}

}  // namespace

AtkObject* create(Node* node) {
    unsigned interfaces = 0;
    if (node->hasText()) interfaces |= kText;
    if (!node->actions().empty()) interfaces |= kAction;
    if (node->hasValue()) interfaces |= kValue;
    if (node->hasSelection()) interfaces |= kSelection;
    if (node->isWindow()) interfaces |= kWindowIf;
    int row = 0, column = 0;
    if (node->isTable()) interfaces |= kTable;
    if (node->cellPosition(&row, &column)) interfaces |= kTableCell;
    auto* object = static_cast<AtkObject*>(g_object_new(typeFor(interfaces), nullptr));
    PeerObject* p = self(object);
    p->node = node;
    p->window->store(node->ownerWindow(), std::memory_order_release);
    object->layer = ATK_LAYER_WIDGET;
    return object;
}

void detach(AtkObject* peer) {
    self(peer)->node = nullptr;
}

void refreshWindow(AtkObject* peer) {
    PeerObject* p = self(peer);
    if (p->root || !p->node || p->window->load(std::memory_order_relaxed) != pw::kNoWindow) return;
    p->window->store(p->node->ownerWindow(), std::memory_order_release);
}

AtkObject* createRoot(const std::string& name) {
    auto* object = static_cast<AtkObject*>(g_object_new(typeFor(0), nullptr));
    PeerObject* p = self(object);
    p->root = true;
    *p->name = name;
    return object;
}

std::string swapAnnouncedText(AtkObject* peer, const std::string& text) {
    std::string before = std::move(*self(peer)->announced);
    *self(peer)->announced = text;
    return before;
}

}  // namespace platform::access::peer
