// The registry of accessible objects, ATK's utility hooks (root, event listeners) and the start of
// the bridge on the desktop bus thread.
#include "platform/access/Bridge.h"

#include <atk-bridge.h>
#include <atk/atk.h>
#include <gio/gio.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/access/MessageBoxNode.h"
#include "platform/access/Peer.h"
#include "platform/access/Registry.h"
#include "platform/desktop/DesktopBus.h"
#include "platform/window/MessageBox.h"
#include "platform/window/Text.h"
#include "platform/window/Window.h"

namespace platform::access {

namespace pw = platform::window;
using platform::desktop::DesktopBus;

namespace {

std::atomic<bool> activeFlag{false};

struct Shared {
    std::mutex lock;
    std::unordered_map<Node*, AtkObject*> peers;
    std::vector<Node*> windows;
    AtkObject* root = nullptr;
    std::string name;
};

Shared& state() {
    static Shared* s = new Shared;  // lives to the end: the bus thread may still ask at exit
    return *s;
}

// Posts `work` with the node's object to the bus thread (a reference held meanwhile).
void withPeer(Node* node, std::function<void(AtkObject*)> work) {
    if (!activeFlag.load(std::memory_order_acquire) || !node) return;
    // Nobody can see a component that is not in a window yet.
    if (node->ownerWindow() == pw::kNoWindow) return;
    AtkObject* peer = registry::peerOf(node);
    g_object_ref(peer);
    DesktopBus::get().post([peer, work = std::move(work)] {
        work(peer);
        g_object_unref(peer);
    });
}

// ---- ATK's utility class: the root and the listeners the bridge adds --------------------------------

std::mutex listenersLock;
std::map<guint, std::pair<guint, gulong>> listeners;  // listener id -> signal id, hook id
guint nextListener = 1;

guint addGlobalListener(GSignalEmissionHook listener, const gchar* eventType) {
    gchar** parts = g_strsplit(eventType, ":", 3);
    guint id = 0;
    GType type = 0;
    const char* signal = nullptr;
    if (parts[0] && parts[1] && !parts[2] && std::strcmp(parts[0], "window") == 0) {
        type = ATK_TYPE_WINDOW;
        signal = parts[1];
    } else if (parts[0] && parts[1] && parts[2]) {
        type = g_type_from_name(parts[1]);
        signal = parts[2];
    }
    const guint signalId = type ? g_signal_lookup(signal, type) : 0;
    if (signalId) {
        const gulong hook = g_signal_add_emission_hook(signalId, 0, listener, nullptr, nullptr);
        std::lock_guard<std::mutex> hold(listenersLock);
        id = nextListener++;
        listeners[id] = {signalId, hook};
    }
    g_strfreev(parts);
    return id;
}

void removeGlobalListener(guint id) {
    std::lock_guard<std::mutex> hold(listenersLock);
    auto it = listeners.find(id);
    if (it == listeners.end()) return;
    g_signal_remove_emission_hook(it->second.first, it->second.second);
    listeners.erase(it);
}

AtkObject* getRoot() {
    Shared& s = state();
    std::lock_guard<std::mutex> hold(s.lock);
    return s.root;
}

const gchar* toolkitName() {
    return "Veritome";
}

const gchar* toolkitVersion() {
    return "1";
}

// Bus thread: a bus of the assistive tools answers on the session bus (its launcher owns
// org.a11y.Bus), or the X root window names one (AT_SPI_BUS, read by the bridge itself).
bool accessibilityBusPresent() {
    GDBusConnection* bus = DesktopBus::get().connection();
    if (!bus) return false;
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", "org.a11y.Bus"), G_VARIANT_TYPE("(b)"),
        G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, &error);
    if (error) g_error_free(error);
    if (!reply) return false;
    gboolean owned = FALSE;
    g_variant_get(reply, "(b)", &owned);
    g_variant_unref(reply);
    return owned;
}

void startOnBusThread() {
    if (!accessibilityBusPresent()) return;
    // The interface types, so that the bridge's listeners find their signals by name.
    for (GType t : {ATK_TYPE_OBJECT, ATK_TYPE_COMPONENT, ATK_TYPE_TEXT, ATK_TYPE_EDITABLE_TEXT,
                    ATK_TYPE_ACTION, ATK_TYPE_VALUE, ATK_TYPE_SELECTION, ATK_TYPE_WINDOW,
                    ATK_TYPE_TABLE, ATK_TYPE_TABLE_CELL}) {
        if (G_TYPE_IS_INTERFACE(t))
            g_type_default_interface_unref(g_type_default_interface_ref(t));
        else
            g_type_class_unref(g_type_class_ref(t));
    }
    auto* util = static_cast<AtkUtilClass*>(g_type_class_ref(ATK_TYPE_UTIL));
    util->add_global_event_listener = addGlobalListener;
    util->remove_global_event_listener = removeGlobalListener;
    util->get_root = getRoot;
    util->get_toolkit_name = toolkitName;
    util->get_toolkit_version = toolkitVersion;
    {
        Shared& s = state();
        std::lock_guard<std::mutex> hold(s.lock);
        s.root = peer::createRoot(s.name);
    }
    g_set_prgname(state().name.c_str());
    if (atk_bridge_adaptor_init(nullptr, nullptr) != 0) return;
    // Everything of the bridge (its bus connection, timers, replies) runs on this thread.
    atk_bridge_set_event_context(DesktopBus::get().context());
    activeFlag.store(true, std::memory_order_release);
}

// Actions waiting for their window thread's loop: a message-only window per thread runs them.
constexpr std::uint32_t kRunActions = 0x0401;
struct Pending {
    Node* node;
    int action;
};
thread_local std::deque<Pending> pendingActions;
thread_local pw::Handle actionWindow = pw::kNoWindow;

pw::Result actionHandler(pw::Handle window, std::uint32_t message, pw::WParam wparam,
                         pw::LParam lparam) {
    if (message != kRunActions) return pw::defaultHandler(window, message, wparam, lparam);
    while (!pendingActions.empty()) {
        const Pending p = pendingActions.front();
        pendingActions.pop_front();
        if (registry::isLive(p.node)) p.node->doAction(p.action);
    }
    return 1;
}

// The open message boxes (their threads add and remove them).
std::mutex boxesLock;
std::map<pw::Handle, std::unique_ptr<MessageBoxNode>> boxes;

// A box that opens is a window of the application, made active with its default button
// focused, so that a screen reader speaks its text; it goes before the box does.
void onMessageBox(pw::Handle box, bool open) {
    if (!open) {
        std::unique_ptr<MessageBoxNode> gone;
        {
            std::lock_guard<std::mutex> hold(boxesLock);
            auto it = boxes.find(box);
            if (it == boxes.end()) return;
            gone = std::move(it->second);
            boxes.erase(it);
        }
        return;
    }
    auto node = std::make_unique<MessageBoxNode>(box);
    MessageBoxNode* made = node.get();
    {
        std::lock_guard<std::mutex> hold(boxesLock);
        boxes[box] = std::move(node);
    }
    Bridge::addWindow(made);
    Bridge::windowActivated(made, true);
    Bridge::focused(made->focusedButton());
}

}  // namespace

// ---- the registry ---------------------------------------------------------------------------------

AtkObject* registry::peerOf(Node* node) {
    Shared& s = state();
    {
        std::lock_guard<std::mutex> hold(s.lock);
        auto it = s.peers.find(node);
        if (it != s.peers.end()) {
            peer::refreshWindow(it->second);
            return it->second;
        }
    }
    AtkObject* made = peer::create(node);
    std::lock_guard<std::mutex> hold(s.lock);
    s.peers.emplace(node, made);
    return made;
}

bool registry::isLive(Node* node) {
    Shared& s = state();
    std::lock_guard<std::mutex> hold(s.lock);
    return s.peers.count(node) != 0;
}

AtkObject* registry::root() {
    Shared& s = state();
    std::lock_guard<std::mutex> hold(s.lock);
    if (s.root) g_object_ref(s.root);
    return s.root;
}

std::vector<AtkObject*> registry::windows() {
    Shared& s = state();
    std::vector<Node*> nodes;
    {
        std::lock_guard<std::mutex> hold(s.lock);
        nodes = s.windows;
    }
    std::vector<AtkObject*> out;
    std::lock_guard<std::mutex> hold(s.lock);
    for (Node* n : nodes) {
        auto it = s.peers.find(n);
        if (it == s.peers.end()) continue;
        g_object_ref(it->second);
        out.push_back(it->second);
    }
    return out;
}

void registry::runLater(pw::Handle near, Node* node, int action) {
    if (actionWindow == pw::kNoWindow || !pw::isWindow(actionWindow)) {
        pw::registerClass("VeritomeAccessActions", actionHandler);
        pw::CreateParams params;
        params.className = "VeritomeAccessActions";
        params.style = pw::kStyleMessageOnly;
        actionWindow = pw::create(params);
    }
    pendingActions.push_back({node, action});
    pw::post(actionWindow, kRunActions);
}

// ---- the bridge -----------------------------------------------------------------------------------

void Bridge::enable(const std::string& name) {
    static std::once_flag once;
    std::call_once(once, [&] {
        const char* off = std::getenv("NO_AT_BRIDGE");
        if (off && std::strcmp(off, "1") == 0) return;
        if (DesktopBus::sessionAddress().empty()) return;
        state().name = name;
        pw::setMessageBoxObserver(onMessageBox);
        DesktopBus::get().post(startOnBusThread);
    });
}

bool Bridge::active() {
    return activeFlag.load(std::memory_order_acquire);
}

void Bridge::addWindow(Node* window) {
    Shared& s = state();
    {
        std::lock_guard<std::mutex> hold(s.lock);
        for (Node* n : s.windows)
            if (n == window) return;
        s.windows.push_back(window);
    }
    registry::peerOf(window);
    if (!active()) return;
    AtkObject* peer = registry::peerOf(window);
    g_object_ref(peer);
    DesktopBus::get().post([peer] {
        AtkObject* root = getRoot();
        if (root) {
            const gint index = atk_object_get_index_in_parent(peer);
            g_signal_emit_by_name(root, "children-changed::add", index, peer);
        }
        g_signal_emit_by_name(peer, "create");
        g_object_unref(peer);
    });
}

void Bridge::removeWindow(Node* window) {
    Shared& s = state();
    std::lock_guard<std::mutex> hold(s.lock);
    std::erase(s.windows, window);
}

void Bridge::forget(Node* node) {
    Shared& s = state();
    AtkObject* peer = nullptr;
    {
        std::lock_guard<std::mutex> hold(s.lock);
        auto it = s.peers.find(node);
        if (it == s.peers.end()) return;
        peer = it->second;
        s.peers.erase(it);
        std::erase(s.windows, node);
    }
    peer::detach(peer);
    DesktopBus::get().post([peer] {
        if (activeFlag.load(std::memory_order_acquire))
            atk_object_notify_state_change(peer, ATK_STATE_DEFUNCT, TRUE);
        g_object_unref(peer);
    });
}

void Bridge::focused(Node* node) {
    withPeer(node, [](AtkObject* peer) {
        atk_object_notify_state_change(peer, ATK_STATE_FOCUSED, TRUE);
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        atk_focus_tracker_notify(peer);
        G_GNUC_END_IGNORE_DEPRECATIONS
    });
}

void Bridge::stateChanged(Node* node, State which, bool on) {
    AtkStateType type = ATK_STATE_INVALID;
    switch (which) {
        case kChecked: type = ATK_STATE_CHECKED; break;
        case kEnabled: type = ATK_STATE_ENABLED; break;
        case kFocused: type = ATK_STATE_FOCUSED; break;
        case kSelected: type = ATK_STATE_SELECTED; break;
        case kShowing: type = ATK_STATE_SHOWING; break;
        case kVisible: type = ATK_STATE_VISIBLE; break;
        case kEditable: type = ATK_STATE_EDITABLE; break;
        case kExpanded: type = ATK_STATE_EXPANDED; break;
        default: return;
    }
    withPeer(node, [type, on](AtkObject* peer) {
        atk_object_notify_state_change(peer, type, on);
        if (type == ATK_STATE_ENABLED) atk_object_notify_state_change(peer, ATK_STATE_SENSITIVE, on);
    });
}

void Bridge::textChanged(Node* node) {
    if (!active() || !node) return;
    const std::string text = pw::toUtf8(node->text());
    withPeer(node, [text](AtkObject* peer) {
        const std::string before = peer::swapAnnouncedText(peer, text);
        if (before == text) return;
        if (!before.empty())
            g_signal_emit_by_name(peer, "text-remove", 0,
                                  static_cast<gint>(g_utf8_strlen(before.c_str(), -1)),
                                  before.c_str());
        if (!text.empty())
            g_signal_emit_by_name(peer, "text-insert", 0,
                                  static_cast<gint>(g_utf8_strlen(text.c_str(), -1)), text.c_str());
    });
}

void Bridge::nameChanged(Node* node) {
    withPeer(node, [](AtkObject* peer) { g_object_notify(G_OBJECT(peer), "accessible-name"); });
}

void Bridge::valueChanged(Node* node) {
    withPeer(node, [](AtkObject* peer) { g_object_notify(G_OBJECT(peer), "accessible-value"); });
}

void Bridge::selectionChanged(Node* node) {
    withPeer(node, [](AtkObject* peer) {
        if (ATK_IS_SELECTION(peer)) g_signal_emit_by_name(peer, "selection-changed");
        g_object_notify(G_OBJECT(peer), "accessible-name");
    });
}

void Bridge::rowsChanged(Node* table) {
    withPeer(table, [](AtkObject* peer) {
        if (ATK_IS_TABLE(peer)) g_signal_emit_by_name(peer, "model-changed");
    });
}

void Bridge::activeDescendantChanged(Node* parent, Node* child) {
    if (!active() || !child || child->ownerWindow() == pw::kNoWindow) return;
    // The registry's reference keeps the child's object until after this: its release is
    // posted to the bus thread behind this signal.
    AtkObject* made = registry::peerOf(child);
    withPeer(parent, [made](AtkObject* peer) {
        g_signal_emit_by_name(peer, "active-descendant-changed", made);
    });
}

void Bridge::childrenChanged(Node* parent) {
    withPeer(parent, [](AtkObject* peer) {
        g_signal_emit_by_name(peer, "children-changed", -1, nullptr);
    });
}

void Bridge::windowActivated(Node* window, bool on) {
    withPeer(window, [on](AtkObject* peer) {
        if (!ATK_IS_WINDOW(peer)) return;
        atk_object_notify_state_change(peer, ATK_STATE_ACTIVE, on);
        g_signal_emit_by_name(peer, on ? "activate" : "deactivate");
    });
}

}  // namespace platform::access
