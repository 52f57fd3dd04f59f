// Pictures of the screen for the tests: a rectangle read in one request, written as a PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dialog_testing {

struct Shot {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00BBGGRR, rows top to bottom
    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Shot grabScreen(int x, int y, int width, int height);
// An 8-bit RGB PNG; false when it cannot be written.
bool writePng(const Shot& shot, const std::string& path);

}  // namespace dialog_testing
