// The one listener interface of the toolkit: a source and an integer code.
#pragma once

#include <cstdint>

namespace s::gui::events {

class IEventListener {
public:
    virtual ~IEventListener() = default;
    // source identifies the sender: a component passes itself as IComponent*, other senders
    // (language pack, skinner) their own object pointer. Listeners compare it by identity.
    virtual void onEvent(void* source, std::int32_t code) = 0;
};

}  // namespace s::gui::events
