// Private window messages of the component tree, and the system colours it uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "gui/IComponent.h"
#include "platform/window/Messages.h"

namespace s::gui::win {

// Every private message of the toolkit, in this one table: a number means one thing in every
// window. The component tree's own (kApp range) and those of the windows and controls (kUser
// range); the classes name theirs after these.
//
// Sent to a window: destroy the native window and leave the message loop.
constexpr std::uint32_t kMsgDestroyWindow = 0x8001;
// Sent to a container's native window with a component (wparam): attach it there, so its
// native window is made on the owner thread.
constexpr std::uint32_t kMsgAttach = 0x8002;
// Button::kMsgClick: a click to fire on the owner thread.
constexpr std::uint32_t kMsgButtonClick = 0x8005;
// Sent to a container's native window: run its layout there (one hand-off for every
// placement the layout makes).
constexpr std::uint32_t kMsgLayout = 0x8010;
// Sent to a component's native window with a std::function<void()>* (wparam): run it there,
// so a change to an attached tree happens whole on the owner thread.
constexpr std::uint32_t kMsgRun = 0x8011;
// The top-level window's (Window.h), wparam as noted there.
constexpr std::uint32_t kMsgNotification = 0x0401;
constexpr std::uint32_t kMsgShowMessage = 0x0404;
constexpr std::uint32_t kMsgShowError = 0x0405;
constexpr std::uint32_t kMsgAsk = 0x0406;
constexpr std::uint32_t kMsgInternalNotification = 0x0407;
// Sent to a component's own native window: destroy it (detaching).
constexpr std::uint32_t kMsgDestroySelf = 0x040F;
constexpr std::uint32_t kMsgRunOnOwner = 0x0420;
// Label's text change and temporary text (Label.h).
constexpr std::uint32_t kMsgLabelSetText = 0x1401;
constexpr std::uint32_t kMsgLabelShowTextFor = 0x1402;
// The edit controls' (EditBase.h).
constexpr std::uint32_t kMsgEditSetText = 0x1403;
constexpr std::uint32_t kMsgEditFont = 0x1404;
constexpr std::uint32_t kMsgEditSelectAll = 0x1405;
// ComboBox::kMsgDropDown: opens the list once the press on the field is handled.
constexpr std::uint32_t kMsgComboDropDown = 0x1440;
// ListView: rows queued by another thread wait to be taken.
constexpr std::uint32_t kMsgListRows = 0x1450;

inline constexpr std::uint32_t kPrivateMessages[] = {
    kMsgDestroyWindow, kMsgAttach,
    kMsgButtonClick,   kMsgLayout,
    kMsgRun,           kMsgNotification,
    kMsgShowMessage,   kMsgShowError,
    kMsgAsk,           kMsgInternalNotification,
    kMsgDestroySelf,   kMsgRunOnOwner,
    kMsgLabelSetText,  kMsgLabelShowTextFor,
    kMsgEditSetText,   kMsgEditFont,
    kMsgEditSelectAll, kMsgComboDropDown,
    kMsgListRows,
};

// True when every private number is its own and lies above the layer's numbers.
constexpr bool privateMessagesDistinct() {
    for (std::size_t i = 0; i < std::size(kPrivateMessages); ++i) {
        if (kPrivateMessages[i] < platform::window::msg::kUser) return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (kPrivateMessages[i] == kPrivateMessages[j]) return false;
        }
    }
    return true;
}
static_assert(privateMessagesDistinct(), "two private messages share a number");

// The native window class of every component.
inline constexpr const char* kComponentClass = "KavrelWindowClass";

// Where the platform offers no system colours, these stand in (0x00BBGGRR).
constexpr Colour kSystemButtonFace = 0x00F0F0F0;           // 240, 240, 240
constexpr Colour kSystemInactiveCaptionText = 0x00544E43;  // 67, 78, 84

constexpr Colour makeColour(std::int32_t r, std::int32_t g, std::int32_t b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

}  // namespace s::gui::win
