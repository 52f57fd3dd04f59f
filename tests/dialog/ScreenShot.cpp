// Screen rectangles through Xlib and a small PNG writer on zlib.
#include "ScreenShot.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <zlib.h>

#include <cstdio>

#include "platform/window/display/XServer.h"

namespace dialog_testing {

namespace {

void put32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

void chunk(std::vector<unsigned char>& png, const char* type,
           const std::vector<unsigned char>& data) {
    put32(png, static_cast<std::uint32_t>(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    put32(png, static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

}  // namespace

Shot grabScreen(int x, int y, int width, int height) {
    Shot shot;
    ::Display* d = xtest::connection();
    XImage* img = XGetImage(d, DefaultRootWindow(d), x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!img) return shot;
    shot.width = width;
    shot.height = height;
    shot.pixels.reserve(static_cast<size_t>(width) * height);
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            unsigned long p = XGetPixel(img, col, row);
            shot.pixels.push_back(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16));
        }
    }
    XDestroyImage(img);
    return shot;
}

bool writePng(const Shot& shot, const std::string& path) {
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<size_t>(shot.height) * (3 * shot.width + 1));
    for (int y = 0; y < shot.height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < shot.width; ++x) {
            const std::uint32_t c = shot.at(x, y);
            raw.push_back(c & 0xFF);
            raw.push_back((c >> 8) & 0xFF);
            raw.push_back((c >> 16) & 0xFF);
        }
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<unsigned char> packed(size);
    if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        return false;
    packed.resize(size);
    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    put32(header, static_cast<std::uint32_t>(shot.width));
    put32(header, static_cast<std::uint32_t>(shot.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", {});
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace dialog_testing
