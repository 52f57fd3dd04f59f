// The SDL backend (one display thread owning SDL).
#include <memory>

#include "platform/window/Backend.h"

namespace platform::window {

std::unique_ptr<Backend> makeSdlBackend() {
    return nullptr;
}

}  // namespace platform::window
