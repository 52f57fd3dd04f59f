// Pango layouts of the layer's texts (internal to the window layer).
#pragma once

#include "detail/Private.h"

#include <pango/pangocairo.h>

#include <cstdint>
#include <string_view>

#include "platform/window/Text.h"

namespace platform::window::detail {

// A layout of the text in the font on the calling thread's Pango context. wrapWidth > 0 wraps
// at word boundaries; ellipsisWidth > 0 cuts the single line with an ellipsis. Unref when done.
PangoLayout* makeLayout(const Font& font, std::u16string_view text, std::int32_t wrapWidth,
                        std::int32_t ellipsisWidth = -1);

}  // namespace platform::window::detail
