// The nodes of the components and the toolkit's notifications to the bridge.
#include "gui/access/Access.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "gui/access/ComboListNode.h"
#include "gui/access/ComponentNode.h"
#include "gui/access/ListTable.h"
#include "gui/win/Box.h"
#include "gui/win/Component.h"
#include "gui/win/Spacer.h"
#include "platform/access/Bridge.h"

namespace s::gui::access {

namespace pa = platform::access;
using win::Component;

namespace {

struct Nodes {
    std::mutex lock;
    std::unordered_map<Component*, std::unique_ptr<ComponentNode>> byComponent;
    // Namings given before a node exists (most are given while the window is built).
    std::unordered_map<Component*, ComponentNode::Naming> namings;
    std::atomic<bool> any{false};
};

Nodes& nodes() {
    static Nodes* n = new Nodes;  // outlives components released at exit
    return *n;
}

ComponentNode* existing(Component* c) {
    Nodes& n = nodes();
    if (!n.any.load(std::memory_order_acquire) || !c) return nullptr;
    std::lock_guard<std::mutex> hold(n.lock);
    auto it = n.byComponent.find(c);
    return it == n.byComponent.end() ? nullptr : it->second.get();
}

bool isLive(Component* c) {
    Nodes& n = nodes();
    std::lock_guard<std::mutex> hold(n.lock);
    auto it = n.namings.find(c);
    return it != n.namings.end() && it->second.live;
}

ComponentNode::Naming& namingOf(Component* c) {
    Nodes& n = nodes();
    auto it = n.byComponent.find(c);
    if (it != n.byComponent.end()) return it->second->naming();
    n.any.store(true, std::memory_order_release);
    return n.namings[c];
}

}  // namespace

pa::Node* Access::nodeOf(Component* component) {
    if (!component || leftOut(component)) return nullptr;
    Nodes& n = nodes();
    std::lock_guard<std::mutex> hold(n.lock);
    auto it = n.byComponent.find(component);
    if (it != n.byComponent.end()) return it->second.get();
    auto node = std::make_unique<ComponentNode>(component);
    auto named = n.namings.find(component);
    if (named != n.namings.end()) {
        node->naming() = named->second;
        n.namings.erase(named);
    }
    n.any.store(true, std::memory_order_release);
    return n.byComponent.emplace(component, std::move(node)).first->second.get();
}

bool Access::leftOut(Component* component) {
    if (dynamic_cast<win::Spacer*>(component)) return true;
    if (!dynamic_cast<win::Box*>(component)) return false;
    for (IComponent* child : component->getChildren())
        if (!leftOut(Component::of(child))) return false;
    return true;
}

void Access::labelledBy(IComponent* target, IComponent* label) {
    Component* t = Component::of(target);
    Component* l = Component::of(label);
    if (!t || !l) return;
    std::lock_guard<std::mutex> hold(nodes().lock);
    namingOf(t).label = l;
    namingOf(l).labels = t;
}

void Access::rowButton(IComponent* button, IComponent* label) {
    Component* b = Component::of(button);
    Component* l = Component::of(label);
    if (!b || !l) return;
    std::lock_guard<std::mutex> hold(nodes().lock);
    ComponentNode::Naming& naming = namingOf(b);
    naming.label = l;
    naming.rowButton = true;
}

void Access::namedLike(IComponent* button, IComponent* other) {
    Component* b = Component::of(button);
    Component* o = Component::of(other);
    if (!b || !o) return;
    std::lock_guard<std::mutex> hold(nodes().lock);
    namingOf(b).like = o;
}

void Access::live(IComponent* component) {
    Component* c = Component::of(component);
    if (!c) return;
    std::lock_guard<std::mutex> hold(nodes().lock);
    namingOf(c).live = true;
}

void Access::released(Component* component) {
    Nodes& n = nodes();
    if (!n.any.load(std::memory_order_acquire)) return;
    std::unique_ptr<ComponentNode> gone;
    {
        std::lock_guard<std::mutex> hold(n.lock);
        n.namings.erase(component);
        for (auto& [c, naming] : n.namings) {
            if (naming.label == component) naming.label = nullptr;
            if (naming.labels == component) naming.labels = nullptr;
            if (naming.like == component) naming.like = nullptr;
        }
        for (auto& [c, node] : n.byComponent) {
            if (node->naming().label == component) node->naming().label = nullptr;
            if (node->naming().labels == component) node->naming().labels = nullptr;
            if (node->naming().like == component) node->naming().like = nullptr;
        }
        auto it = n.byComponent.find(component);
        if (it != n.byComponent.end()) {
            gone = std::move(it->second);
            n.byComponent.erase(it);
        }
    }
    // The node tells the bridge as it goes, outside the lock.
    gone.reset();
}

void Access::windowOpened(Component* window) {
    if (pa::Node* node = nodeOf(window)) pa::Bridge::addWindow(node);
}

void Access::windowClosed(Component* window) {
    if (ComponentNode* node = existing(window)) pa::Bridge::removeWindow(node);
}

void Access::windowActivated(Component* window, bool active) {
    if (!pa::Bridge::active()) return;
    pa::Bridge::windowActivated(nodeOf(window), active);
}

void Access::focused(Component* component) {
    if (!pa::Bridge::active()) return;
    auto* node = static_cast<ComponentNode*>(nodeOf(component));
    pa::Bridge::focused(node);
    // A list that takes the focus tells which row the keys move from.
    if (node && node->table())
        pa::Bridge::activeDescendantChanged(node, node->table()->cursorCell());
}

// Changes are told for the nodes a tool has asked for: the others are new to it whenever it
// comes to them.
void Access::checkedChanged(Component* component, bool checked) {
    if (!pa::Bridge::active()) return;
    if (ComponentNode* node = existing(component))
        pa::Bridge::stateChanged(node, pa::kChecked, checked);
}

void Access::enabledChanged(Component* component, bool) {
    if (!pa::Bridge::active()) return;
    // A box's descendants change with it.
    auto tell = [](Component* c) {
        if (ComponentNode* node = existing(c))
            pa::Bridge::stateChanged(node, pa::kEnabled, (node->states() & pa::kEnabled) != 0);
        return Component::Walk::kInto;
    };
    tell(component);
    component->forEachDescendant(tell);
}

void Access::shownChanged(Component* component, bool shown) {
    if (!pa::Bridge::active()) return;
    if (ComponentNode* node = existing(component)) {
        pa::Bridge::stateChanged(node, pa::kShowing, shown);
        pa::Bridge::stateChanged(node, pa::kVisible, shown);
    }
}

void Access::textChanged(Component* component) {
    if (!pa::Bridge::active()) return;
    ComponentNode* node = existing(component);
    // A live text (the verdict) is spoken even where the tool has not looked yet.
    if (!node && isLive(component)) node = static_cast<ComponentNode*>(nodeOf(component));
    if (!node) return;
    if (node->hasText()) pa::Bridge::textChanged(node);
    pa::Bridge::nameChanged(node);
    // The fields it names are renamed with it.
    if (ComponentNode* named = existing(node->naming().labels)) pa::Bridge::nameChanged(named);
}

void Access::selectionChanged(Component* component) {
    if (!pa::Bridge::active()) return;
    ComponentNode* node = existing(component);
    if (!node) return;
    if (ListTable* table = node->table()) {
        table->selectionChanged();
        pa::Bridge::selectionChanged(node);
        // The row the keys move from is what a screen reader speaks.
        pa::Bridge::activeDescendantChanged(node, table->cursorCell());
        return;
    }
    if (node->list()) pa::Bridge::selectionChanged(node->list());
    pa::Bridge::nameChanged(node);
}

void Access::rowsChanged(Component* list) {
    if (!pa::Bridge::active()) return;
    ComponentNode* node = existing(list);
    if (!node || !node->table()) return;
    node->table()->rowsChanged();
    pa::Bridge::rowsChanged(node);
}

}  // namespace s::gui::access
