// Renders one demo window in each colour theme into PNG files: theme-gallery OUTPUT_DIR.
// The window is painted with the current skin's drawers on the headless picture type, the
// way the widgets paint themselves (what they paint without a drawer, such as a field's frame
// and selection, in the skin's SkinColours), and each picture is written as an 8-bit RGB PNG.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "gui/drawer/FocusRing.h"
#include "gui/drawer/SkinColours.h"
#include "gui/drawer/Skinner.h"
#include "platform/window/Picture.h"
#include "platform/window/Text.h"

namespace pw = platform::window;
using namespace s::gui::drawer;

namespace {

constexpr std::int32_t kWidth = 340, kHeight = 250;

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

// PNG: signature, IHDR (8-bit RGB), one zlib-compressed IDAT with filter 0 rows, IEND.
bool writePng(const pw::Picture& picture, const std::string& path) {
    const std::int32_t w = picture.width(), h = picture.height();
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<std::size_t>(h) * (3 * w + 1));
    for (std::int32_t y = 0; y < h; ++y) {
        raw.push_back(0);
        for (std::int32_t x = 0; x < w; ++x) {
            pw::Colour c = picture.colourAt(x, y);
            raw.push_back(pw::red(c));
            raw.push_back(pw::green(c));
            raw.push_back(pw::blue(c));
        }
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<unsigned char> packed(size);
    if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        return false;
    packed.resize(size);
    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    put32(header, static_cast<std::uint32_t>(w));
    put32(header, static_cast<std::uint32_t>(h));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", {});
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

// "Black Black II" -> "black-black-ii".
std::string fileNameOf(const std::u16string& name) {
    std::string s;
    for (char16_t c : name)
        s += c == u' ' ? '-' : static_cast<char>(c >= u'A' && c <= u'Z' ? c + 32 : c);
    return s;
}

// The demo window: menu bar, labels, buttons, check boxes in a group box, a text field, a
// drop-down list, a progress bar and the status bar with its grip.
void paintDemo(ISkin* skin, pw::Canvas& c) {
    const std::int32_t w = kWidth, h = kHeight;
    skin->getWindowDrawer()->paint(c, 0, 0, w, h);
    text::IBasic* text = skin->getTextDrawer();
    // Menu bar: "View" hovered.
    menu::IBasic* menu = skin->getMenuDrawer();
    const char16_t* entries[] = {u"File", u"View", u"Language", u"About"};
    std::int32_t x = 6;
    for (int i = 0; i < 4; ++i) {
        std::int32_t ew = 0, eh = 0;
        menu->measureEntry(entries[i], nullptr, &ew, &eh);
        menu->paintEntry(c, x, 4, x + ew + 12, 24, entries[i], nullptr, i == 1 ? 1 : 0);
        x += ew + 12;
    }
    text->paint(c, w - 120, 6, w - 8, 22, skin->getName(), nullptr);
    // Labels and a text field with the focus and a word selected, in the colours the fields
    // take from the skin (as the widgets do: SkinColours, the focus ring on the field's ground).
    const SkinColours theme = SkinColours::of(skin);
    constexpr pw::Colour kFieldGround = pw::rgb(255, 255, 255);
    text->paint(c, 12, 34, 90, 52, u"File name:\u00a0", nullptr);
    c.fillRect(94, 32, 230, 22, kFieldGround);
    c.frameRect({94, 32, 230, 22}, FocusRing::colourOn(theme.focusFrame, kFieldGround), 2);
    const std::int32_t selected = pw::measureText(pw::Font{}, u"report").width;
    c.fillRect(99, 36, selected, 15, theme.highlight);
    text->paint(c, 99, 35, 99 + selected, 52, u"report", nullptr, {}, theme.highlightText);
    text->paint(c, 99 + selected, 35, 320, 52, u".pdf", nullptr, {}, pw::rgb(0, 0, 0));
    // Drop-down list and buttons.
    text->paint(c, 12, 64, 90, 82, u"Action:\u00a0", nullptr);
    skin->getComboDrawer()->paint(c, 94, 60, 214, 83, 0, u"Calculate", nullptr);
    button::IThin* b = skin->getButtonDrawer();
    b->paint(c, 222, 60, 272, 83, 0, u"Copy", true, nullptr, false, false);
    b->paint(c, 276, 60, 326, 83, 1, u"Paste", true, nullptr, false, false);
    // Group box with check boxes.
    groupbox::IThin* group = skin->getGroupBoxDrawer();
    std::int32_t tw = 0, th = 0;
    group->measureTitle(u"Algorithms", nullptr, &tw, &th);
    group->paint(c, 10, 94, 200, 176, u"Algorithms", nullptr, tw, th);
    checkbox::IThin* check = skin->getCheckBoxDrawer();
    check->paint(c, 22, 112, 110, 130, 13, true, u"MD5", nullptr);
    check->paint(c, 22, 134, 110, 152, 13, true, u"SHA-256", nullptr);
    check->paint(c, 110, 112, 196, 130, 13, false, u"CRC-32", nullptr);
    check->paint(c, 110, 134, 196, 152, 13, false, u"GOST", nullptr);
    radiobutton::IThin* radio = skin->getRadioButtonDrawer();
    radio->paint(c, 22, 154, 110, 172, 13, true, u"Hex", nullptr);
    // Toggled and glyph buttons, slider.
    b->paint(c, 212, 100, 326, 123, 0, u"Keep on top", true, nullptr, false, true);
    b->paint(c, 212, 128, 236, 151, 0, u"#Play", true, nullptr, false, false);
    b->paint(c, 240, 128, 264, 151, 2, u"#Pause", true, nullptr, false, false);
    b->paint(c, 268, 128, 292, 151, 0, u"#Color-0000a5ff", true, nullptr, false, false);
    b->paint(c, 296, 128, 326, 151, 0, u"Off", false, nullptr, false, false);
    skin->getSliderDrawer()->paint(c, 212, 156, 326, 174, 0, 100, 40, false, 0, true);
    // Result label and progress bar.
    text->paint(c, 12, 186, 330, 204, u"MD5: 9e107d9d372bb6826bd81d3542a419d6", nullptr);
    skin->getCounterDrawer()->paint(c, 12, 210, 326, 222, 60, 100);
    // Status bar with the grip.
    skin->getStatusBarDrawer()->paint(c, 1, h - 22, w - 1, h - 1);
    text->paint(c, 8, h - 20, w - 40, h - 3, u"Ready", nullptr);
    b->drawGlyph(c, w - 21, h - 21, w - 1, h - 1, u"#Resizer", 0, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: theme-gallery OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    Skinner* skinner = newSkinner();
    int failures = 0;
    for (std::int32_t i = 0; i < skinner->getSkinCount(); ++i) {
        skinner->selectSkin(skinner->getSkinName(i));
        pw::Picture picture(kWidth, kHeight);
        pw::Canvas canvas = picture.canvas();
        paintDemo(skinner->getCurrentSkin(), canvas);
        std::string path = dir + "/" + fileNameOf(skinner->getSkinName(i)) + ".png";
        if (!writePng(picture, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    skinner->release();
    return failures ? 1 : 0;
}
