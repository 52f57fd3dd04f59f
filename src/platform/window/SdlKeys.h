// The virtual key of a key the display library reports.
#pragma once

#include <cstdint>

namespace platform::window {

// The virtual key (vk:: or 'A'..'Z', '0'..'9') of a key by its display-library key code (what
// the active layout makes of it) and scan code (where it sits), 0 for keys we have no use for.
// Letters and digits come from the layout when it gives Latin ones; a layout of another script
// (Cyrillic, Greek, ...) gives the letter of the key's place, so Ctrl+C stays Ctrl+C on every
// layout.
std::uint32_t sdlVirtualKey(std::int32_t keycode, std::int32_t scancode);

}  // namespace platform::window
