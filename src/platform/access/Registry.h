// Which accessible object stands for which node, shared by the bridge and the objects.
#pragma once

#include <atk/atk.h>

#include <vector>

#include "platform/access/Node.h"

namespace platform::access::registry {

// Window thread: the node's object, made on first use (no reference added).
AtkObject* peerOf(Node* node);
// Any thread: the object stands for a node that still lives.
bool isLive(Node* node);
// The application object and the top-level windows' objects (each with a reference added).
AtkObject* root();
std::vector<AtkObject*> windows();
// Runs an action later on the calling (window) thread, after the message that asked for it.
void runLater(window::Handle near, Node* node, int action);

}  // namespace platform::access::registry
