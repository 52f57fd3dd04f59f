// Display-library key and scan codes to virtual keys.
#include "platform/window/SdlKeys.h"

#include <SDL.h>

#include "platform/window/Messages.h"

namespace platform::window {

namespace {

std::uint32_t byKeycode(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + static_cast<std::uint32_t>(k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + static_cast<std::uint32_t>(k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return vk::kF1 + static_cast<std::uint32_t>(k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 0x61 + static_cast<std::uint32_t>(k - SDLK_KP_1);
    switch (k) {
        case SDLK_KP_0:
            return 0x60;
        case SDLK_BACKSPACE:
            return vk::kBack;
        case SDLK_TAB:
            return vk::kTab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return vk::kReturn;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return vk::kShift;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return vk::kControl;
        case SDLK_LALT:
            return vk::kAlt;
        case SDLK_RALT:
            // Also the AltGr of the layouts that type with it: its own key, so that text typed
            // with it is kept while text typed with the left Alt is not.
            return vk::kRightAlt;
        case SDLK_PAUSE:
            return vk::kPause;
        case SDLK_CAPSLOCK:
            return vk::kCapital;
        case SDLK_ESCAPE:
            return vk::kEscape;
        case SDLK_SPACE:
            return vk::kSpace;
        case SDLK_PAGEUP:
            return vk::kPageUp;
        case SDLK_PAGEDOWN:
            return vk::kPageDown;
        case SDLK_END:
            return vk::kEnd;
        case SDLK_HOME:
            return vk::kHome;
        case SDLK_LEFT:
            return vk::kLeft;
        case SDLK_UP:
            return vk::kUp;
        case SDLK_RIGHT:
            return vk::kRight;
        case SDLK_DOWN:
            return vk::kDown;
        case SDLK_INSERT:
            return vk::kInsert;
        case SDLK_DELETE:
            return vk::kDelete;
        case SDLK_LGUI:
        case SDLK_RGUI:
            return vk::kSuper;
        case SDLK_APPLICATION:
            return vk::kApps;
        default:
            return 0;
    }
}

// The letter or digit printed on the key's place of the common Latin layout.
std::uint32_t byPlace(SDL_Scancode s) {
    if (s >= SDL_SCANCODE_A && s <= SDL_SCANCODE_Z) {
        return 'A' + static_cast<std::uint32_t>(s - SDL_SCANCODE_A);
    }
    if (s >= SDL_SCANCODE_1 && s <= SDL_SCANCODE_9) {
        return '1' + static_cast<std::uint32_t>(s - SDL_SCANCODE_1);
    }
    if (s == SDL_SCANCODE_0) return '0';
    return 0;
}

}  // namespace

std::uint32_t sdlVirtualKey(std::int32_t keycode, std::int32_t scancode) {
    SDL_Keycode k = static_cast<SDL_Keycode>(keycode);
    if (std::uint32_t v = byKeycode(k)) return v;
    // A character key whose character is no Latin one: the key's place names it.
    bool character = (k & SDLK_SCANCODE_MASK) == 0 && k > 0x7F;
    return character ? byPlace(static_cast<SDL_Scancode>(scancode)) : 0;
}

}  // namespace platform::window
