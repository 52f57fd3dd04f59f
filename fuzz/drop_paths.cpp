// libFuzzer target: the paths of a drop (one a line, as the desktop's URI list arrives decoded
// into file names) travel from the window layer's bytes into framework text and back unchanged,
// whatever bytes they hold, and what is shown of them is valid Unicode.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "file/win/OsName.h"
#include "file/win/PathWin.h"
#include "platform/window/Text.h"
#include "str/strbuffer/StrBuffer.h"

namespace {

void onePath(std::string_view bytes) {
    // The window layer receives C strings: a path never holds a NUL.
    if (bytes.find('\0') != std::string_view::npos) return;
    const std::u16string text = platform::window::fromUtf8(bytes);
    if (platform::window::toUtf8(text) != bytes) std::abort();  // not lossless
    if (s::file::win::osName(text.c_str()) != bytes) std::abort();
    const std::u16string shown = platform::window::displayText(text);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const char16_t c = shown[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= shown.size() || shown[i + 1] < 0xDC00 || shown[i + 1] > 0xDFFF) {
                std::abort();  // a lone high surrogate shown
            }
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            std::abort();  // a lone low surrogate shown
        }
    }
    s::file::win::PathWin* path = s::file::win::PathWin::create();
    path->set(text.c_str());
    if (path->isValid()) {
        s::str::strbuffer::StrBuffer* name = path->fileName(nullptr, false);
        name->release();
    }
    path->release();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    std::size_t begin = 0;
    while (begin <= list.size()) {
        std::size_t end = list.find('\n', begin);
        if (end == std::string_view::npos) end = list.size();
        onePath(list.substr(begin, end - begin));
        begin = end + 1;
    }
    return 0;
}
