// The hidden top-level window each user-interface thread makes before its visible window: the
// visible window is made with it as its owner.
#pragma once

#include <cstdint>

#include "platform/window/Window.h"

namespace s::gui::win {

class InvisibleWindow {
public:
    InvisibleWindow() = default;
    ~InvisibleWindow();
    InvisibleWindow(const InvisibleWindow&) = delete;
    InvisibleWindow& operator=(const InvisibleWindow&) = delete;

    // Makes the native window on the calling thread (it stays hidden and has no surface).
    bool create();
    // Destroys the native window (on its thread).
    void destroy();
    platform::window::Handle handle() const { return native_; }

    static constexpr const char* kClassName = "KavrelInvisibleWindow";

private:
    static platform::window::Result handler(platform::window::Handle window, std::uint32_t message,
                                            platform::window::WParam wparam,
                                            platform::window::LParam lparam);
    platform::window::Handle native_ = platform::window::kNoWindow;
};

}  // namespace s::gui::win
