// The ATK side of a node: a GObject type per set of interfaces, each object answering by asking
// its node on the node's window thread. Internal to the bridge.
#pragma once

#include <atk/atk.h>

#include <string>

#include "platform/access/Node.h"

namespace platform::access::peer {

// Window thread: a new object for the node (one reference, the caller's).
AtkObject* create(Node* node);
// Window thread: the node is gone; the object answers as defunct from now on.
void detach(AtkObject* peer);
// Window thread: a node made before its component was attached learns its window now.
void refreshWindow(AtkObject* peer);
// The application object (bus thread): role application, the top-level windows as children.
AtkObject* createRoot(const std::string& name);
// Bus thread: the text last announced for the object, replaced by `text`.
std::string swapAnnouncedText(AtkObject* peer, const std::string& text);

}  // namespace platform::access::peer
