// Decoding of the pictures the program embeds: JPEG through libjpeg, PNG through Cairo. A
// damaged or truncated picture gives false, never ends the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/window/Picture.h"

namespace platform::image {

// The most pixels a JPEG may have; a larger one is refused from its header.
constexpr std::uint64_t kMaxJpegPixels = 4096 * 4096;

// Decodes a baseline or progressive JPEG (greyscale, RGB or CMYK) into an opaque picture. On
// failure out is left alone and error (may be null) receives libjpeg's message.
bool decodeJpeg(const std::uint8_t* data, std::size_t size, window::Picture* out,
                std::string* error = nullptr);

// Decodes a PNG (with alpha) into a picture. On failure out is left alone.
bool decodePng(const std::uint8_t* data, std::size_t size, window::Picture* out);

}  // namespace platform::image
