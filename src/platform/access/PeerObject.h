// The ATK object of a node and the one way its answers are asked of the node: on the node's
// window thread, through the window layer's one hand-off. Internal to the bridge.
#pragma once

#include <atk/atk.h>

#include <atomic>
#include <string>

#include "platform/access/Node.h"
#include "platform/access/Registry.h"
#include "platform/window/Popup.h"
#include "platform/window/Window.h"

namespace platform::access::peer {

struct PeerObject {
    AtkObject parent;
    // Written and read on the window thread only (ask checks the thread first).
    Node* node;
    // The node's window; set once the node has one (a component not yet attached has none).
    std::atomic<platform::window::Handle>* window;
    bool root;
    // Bus thread: storage for answers handed out without a reference.
    std::string* name;
    std::string* description;
    std::string* announced;
};

inline PeerObject* self(gpointer object) {
    return reinterpret_cast<PeerObject*>(object);
}

// Runs `question` with the node on its window thread; `fallback` when it is gone.
template <typename T, typename Question>
T ask(gpointer object, T fallback, const Question& question) {
    PeerObject* p = self(object);
    if (p->root) return fallback;
    T answer = fallback;
    const platform::window::Handle window = p->window->load(std::memory_order_acquire);
    platform::window::callOnOwner(window, [&]() -> platform::window::Result {
        if (!platform::window::isOwnerThread(window) || !p->node) return 0;
        answer = question(p->node);
        return 1;
    });
    return answer;
}

// The node's object with a reference added; null for no node.
inline AtkObject* reffed(Node* node) {
    if (!node) return nullptr;
    AtkObject* peer = registry::peerOf(node);
    if (peer) g_object_ref(peer);
    return peer;
}

// The table interfaces (PeerTable.cpp).
void initTable(gpointer iface, gpointer);
void initTableCell(gpointer iface, gpointer);

}  // namespace platform::access::peer
