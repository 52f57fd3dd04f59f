// The program's accessible objects on the desktop's accessibility bus (AT-SPI, through the ATK
// bridge). The bridge runs on the desktop bus thread (platform::desktop::DesktopBus); every
// question it asks a node is handed to the node's window thread with callOnOwner, and the window
// thread only posts to the bus thread, never waits on it. Without an accessibility bus nothing is
// registered, and the toolkit's notifications return at once.
#pragma once

#include <string>

#include "platform/access/Node.h"

namespace platform::access {

class Bridge {
public:
    // Looks for an accessibility bus on the bus thread and, when there is one, registers the
    // application under `name`. Returns at once; only the first call counts. Without a session
    // bus (or with NO_AT_BRIDGE=1) it does nothing at all.
    static void enable(const std::string& name);
    // The bridge is registered: notifications are passed on.
    static bool active();

    // Top-level windows are the application's children (window thread).
    static void addWindow(Node* window);
    static void removeWindow(Node* window);
    // The node is gone (window thread): its accessible object becomes defunct and is released.
    static void forget(Node* node);

    // Notifications (window thread); nothing happens while the bridge is not active.
    static void focused(Node* node);
    static void stateChanged(Node* node, State state, bool on);
    static void textChanged(Node* node);
    static void nameChanged(Node* node);
    static void valueChanged(Node* node);
    static void selectionChanged(Node* node);
    static void childrenChanged(Node* parent);
    // A table's rows came, went or were sorted.
    static void rowsChanged(Node* table);
    // The child that stands for the focus inside `parent` (a table's current row) moved to
    // `child`.
    static void activeDescendantChanged(Node* parent, Node* child);
    static void windowActivated(Node* window, bool active);
};

}  // namespace platform::access
