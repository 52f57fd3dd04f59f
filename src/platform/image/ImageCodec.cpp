// JPEG decoding with libjpeg and an error manager that returns to the caller instead of
// exiting; PNG decoding with Cairo's stream reader.
#include "platform/image/ImageCodec.h"

#include <cairo.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace platform::image {

namespace {

// libjpeg's default error_exit calls exit(); ours jumps back into decodeJpeg.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->back, 1);
}

// Warnings (such as premature end of data) are not failures: libjpeg fills in what is missing.
void outputMessage(j_common_ptr) {}

// Everything the decode needs that must survive the longjmp lives outside the jumping frame's
// automatic variables, so nothing is left with an indeterminate value.
struct JpegState {
    jpeg_decompress_struct info;
    ErrorManager errors;
    std::vector<std::uint8_t> row;
    window::Picture result;
    bool done = false;
};

bool decodeInto(JpegState& s, const std::uint8_t* data, std::size_t size, window::Picture* result) {
    jpeg_create_decompress(&s.info);
    jpeg_mem_src(&s.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&s.info, TRUE);
    // A header may claim up to 65535 x 65535 pixels: a picture larger than any the program
    // shows is refused before its pixels are allocated (gigabytes for a file of a few bytes).
    if (static_cast<std::uint64_t>(s.info.image_width) * s.info.image_height > kMaxJpegPixels) {
        std::snprintf(s.errors.message, sizeof s.errors.message, "picture too large (%u x %u)",
                      static_cast<unsigned>(s.info.image_width),
                      static_cast<unsigned>(s.info.image_height));
        return false;
    }
    if (s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK) {
        s.info.out_color_space = JCS_CMYK;
    } else {
        s.info.out_color_space = JCS_RGB;
    }
    jpeg_start_decompress(&s.info);
    const std::int32_t width = static_cast<std::int32_t>(s.info.output_width);
    const std::int32_t height = static_cast<std::int32_t>(s.info.output_height);
    if (!result->reset(width, height)) return false;
    const int components = s.info.output_components;
    s.row.resize(static_cast<std::size_t>(width) * components);
    std::uint8_t* pixels = result->data();
    const std::int32_t stride = result->stride();
    while (s.info.output_scanline < s.info.output_height) {
        const std::int32_t y = static_cast<std::int32_t>(s.info.output_scanline);
        JSAMPROW rows[1] = {s.row.data()};
        jpeg_read_scanlines(&s.info, rows, 1);
        auto* out =
            reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(y) * stride);
        const std::uint8_t* in = s.row.data();
        for (std::int32_t x = 0; x < width; ++x, in += components) {
            std::uint32_t r, g, b;
            if (components == 4) {  // Adobe's inverted CMYK
                const std::uint32_t k = in[3];
                r = in[0] * k / 255;
                g = in[1] * k / 255;
                b = in[2] * k / 255;
            } else {
                r = in[0];
                g = in[1];
                b = in[2];
            }
            out[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    jpeg_finish_decompress(&s.info);
    result->markDirty();
    return true;
}

}  // namespace

bool decodeJpeg(const std::uint8_t* data, std::size_t size, window::Picture* out,
                std::string* error) {
    if (!data || size == 0) {
        if (error) *error = "empty picture";
        return false;
    }
    JpegState state;
    state.info.err = jpeg_std_error(&state.errors.base);
    state.errors.base.error_exit = errorExit;
    state.errors.base.output_message = outputMessage;
    state.errors.message[0] = '\0';
    bool ok = false;
    if (setjmp(state.errors.back) == 0) {
        state.done = decodeInto(state, data, size, &state.result);
        if (!state.done && error) {
            *error = state.errors.message[0] ? state.errors.message : "picture not decoded";
        }
    } else if (error) {
        *error = state.errors.message;
    }
    jpeg_destroy_decompress(&state.info);
    ok = state.done;
    if (ok) *out = std::move(state.result);
    return ok;
}

namespace {

struct PngSource {
    const std::uint8_t* data;
    std::size_t left;
};

cairo_status_t readPng(void* closure, unsigned char* buffer, unsigned int length) {
    auto* source = static_cast<PngSource*>(closure);
    if (length > source->left) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(buffer, source->data, length);
    source->data += length;
    source->left -= length;
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool decodePng(const std::uint8_t* data, std::size_t size, window::Picture* out) {
    if (!data || size == 0) return false;
    PngSource source{data, size};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readPng, &source);
    bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    window::Picture result;
    if (ok) {
        cairo_surface_flush(surface);
        const int width = cairo_image_surface_get_width(surface);
        const int height = cairo_image_surface_get_height(surface);
        const cairo_format_t format = cairo_image_surface_get_format(surface);
        ok = (format == CAIRO_FORMAT_ARGB32 || format == CAIRO_FORMAT_RGB24) &&
             result.reset(width, height);
        if (ok) {
            const int from = cairo_image_surface_get_stride(surface);
            const unsigned char* in = cairo_image_surface_get_data(surface);
            for (int y = 0; y < height; ++y) {
                auto* dst = reinterpret_cast<std::uint32_t*>(result.data() + y * result.stride());
                const auto* src = reinterpret_cast<const std::uint32_t*>(in + y * from);
                for (int x = 0; x < width; ++x) {
                    dst[x] = format == CAIRO_FORMAT_RGB24 ? (src[x] | 0xFF000000u) : src[x];
                }
            }
            result.markDirty();
        }
    }
    cairo_surface_destroy(surface);
    if (ok) *out = std::move(result);
    return ok;
}

}  // namespace platform::image
