// libFuzzer target: a damaged or hostile JPEG is refused with a message (libjpeg's errors must
// not end the program) or decodes into a picture of the size it claims.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/image/ImageCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::window::Picture picture;
    std::string error;
    platform::image::decodeJpeg(data, size, &picture, &error);
    return 0;
}
