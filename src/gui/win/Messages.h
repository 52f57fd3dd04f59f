// Private window messages of the component tree, and the system colours it uses.
#pragma once

#include <cstdint>

#include "gui/IComponent.h"

namespace s::gui::win {

// Sent to a container's native window with a component (wparam): attach it there, so its
// native window is made on the owner thread.
constexpr std::uint32_t kMsgAttach = 0x8002;
// Sent to a window: destroy the native window and leave the message loop.
constexpr std::uint32_t kMsgDestroyWindow = 0x8001;
// Sent to a container's native window: run its layout there (one hand-off for every
// placement the layout makes).
constexpr std::uint32_t kMsgLayout = 0x8010;
// Sent to a component's native window with a std::function<void()>* (wparam): run it there,
// so a change to an attached tree happens whole on the owner thread.
constexpr std::uint32_t kMsgRun = 0x8011;
// Sent to a component's own native window: destroy it (detaching).
constexpr std::uint32_t kMsgDestroySelf = 0x040F;

// The native window class of every component.
inline constexpr const char* kComponentClass = "KavrelWindowClass";

// Where the platform offers no system colours, these stand in (0x00BBGGRR).
constexpr Colour kSystemButtonFace = 0x00F0F0F0;           // 240, 240, 240
constexpr Colour kSystemInactiveCaptionText = 0x00544E43;  // 67, 78, 84

constexpr Colour makeColour(std::int32_t r, std::int32_t g, std::int32_t b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

}  // namespace s::gui::win
