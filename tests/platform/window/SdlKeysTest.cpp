#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/window/Messages.h"
#include "platform/window/SdlKeys.h"

namespace pw = platform::window;

namespace {

TEST(SdlKeys, LatinLettersFromTheLayoutOthersFromTheKeysPlace) {
    struct Case {
        SDL_Keycode key;
        SDL_Scancode place;
        std::uint32_t want;
    } cases[] = {
        {SDLK_c, SDL_SCANCODE_C, 'C'},
        {SDLK_a, SDL_SCANCODE_Q, 'A'},    // a Latin layout of other places keeps its own
        {SDLK_z, SDL_SCANCODE_Y, 'Z'},    // letters
        {0x0444, SDL_SCANCODE_A, 'A'},    // Cyrillic ef on the A key
        {0x0441, SDL_SCANCODE_C, 'C'},    // Cyrillic es on the C key
        {0x044F, SDL_SCANCODE_Z, 'Z'},    // Cyrillic ya on the Z key
        {0x03B6, SDL_SCANCODE_Z, 'Z'},    // Greek zeta
        {0x0431, SDL_SCANCODE_COMMA, 0},  // a letter on a punctuation key names nothing
        {0x00E9, SDL_SCANCODE_2, '2'},    // a digit key that types a letter
        {SDLK_7, SDL_SCANCODE_7, '7'},
        {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, pw::vk::kEscape},
        {SDLK_LALT, SDL_SCANCODE_LALT, pw::vk::kAlt},
        {SDLK_RALT, SDL_SCANCODE_RALT, pw::vk::kRightAlt},
        {SDLK_F4, SDL_SCANCODE_F4, pw::vk::kF1 + 3},
        {SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pw::sdlVirtualKey(c.key, c.place), c.want) << "key " << c.key;
    }
}

}  // namespace
