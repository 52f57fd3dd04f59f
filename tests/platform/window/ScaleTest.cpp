// The scale factor's decision from its sources, the desktop settings' formats, and the rounding
// of lengths.
#include "platform/window/Scale.h"

#include <gtest/gtest.h>

#include <string>

namespace pw = platform::window;

namespace {

using Opt = std::optional<std::string>;
using Dpi = std::optional<double>;

TEST(Scale, DecidedFromTheFirstSourceThatIsSet) {
    struct Case {
        Opt variable;
        Dpi xsettings;
        Dpi resource;
        Opt gdk;
        double want;
    };
    const Case cases[] = {
        {{}, {}, {}, {}, 1.0},
        {"1.5", 192.0, 144.0, "2", 1.5},  // the variable overrides everything
        {"abc", 192.0, {}, {}, 2.0},      // not a number: the desktop decides
        {"0", {}, 120.0, {}, 1.25},
        {"-2", {}, {}, {}, 1.0},
        {"1.75", {}, {}, {}, 1.75},
        {{}, 144.0, 192.0, {}, 1.5},  // XSETTINGS before the X resource
        {{}, {}, 192.0, {}, 2.0},
        {{}, 96.0, {}, "2", 2.0},  // GDK_SCALE multiplies
        {{}, {}, 120.0, "2", 2.5},
        {{}, {}, {}, "2", 2.0},
        {{}, {}, {}, "x", 1.0},
        {"9", {}, {}, {}, pw::kMaxScale},
        {{}, 24.0, {}, {}, pw::kMinScale},
        {{}, -1.0, 144.0, {}, 1.5},  // an unusable DPI is passed over
    };
    for (const Case& c : cases) {
        pw::ScaleSources s{c.variable, c.xsettings, c.resource, c.gdk};
        EXPECT_DOUBLE_EQ(pw::decideScale(s), c.want)
            << c.variable.value_or("-") << " " << c.xsettings.value_or(0) << " "
            << c.resource.value_or(0) << " " << c.gdk.value_or("-");
    }
}

// One XSETTINGS property as a manager writes it, in either byte order.
std::string xsettings(bool bigEndian, std::int32_t dpi1024) {
    std::string out;
    auto card = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            int shift = bigEndian ? 8 * (bytes - 1 - i) : 8 * i;
            out.push_back(static_cast<char>((v >> shift) & 0xFF));
        }
    };
    auto name = [&](std::string_view n) {
        card(static_cast<std::uint32_t>(n.size()), 2);
        out.append(n);
        while (out.size() % 4) out.push_back('\0');
        card(7, 4);  // the setting's serial
    };
    out.push_back(bigEndian ? 'B' : 'l');
    out.append(3, '\0');
    card(42, 4);
    card(4, 4);
    out.append({1, 0});  // a string before it
    name("Net/ThemeName");
    card(5, 4);
    out.append("Adw\xC3\xA9");
    out.append(3, '\0');
    out.append({2, 0});  // a colour
    name("Gtk/Colour");
    card(0xFFFF, 4);
    card(0x8000, 4);
    out.append({0, 0});
    name("Xft/Antialias");
    card(1, 4);
    out.append({0, 0});
    name("Xft/DPI");
    card(static_cast<std::uint32_t>(dpi1024), 4);
    return out;
}

TEST(Scale, XSettingsDpiReadInEitherByteOrder) {
    EXPECT_DOUBLE_EQ(pw::xsettingsDpi(xsettings(false, 192 * 1024)).value_or(0), 192.0);
    EXPECT_DOUBLE_EQ(pw::xsettingsDpi(xsettings(true, 144 * 1024)).value_or(0), 144.0);
    EXPECT_FALSE(pw::xsettingsDpi(xsettings(false, -1)));  // the default
    // Cut anywhere, the property gives no value and is never read past its end.
    std::string whole = xsettings(false, 192 * 1024);
    for (std::size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(pw::xsettingsDpi(std::string_view(whole).substr(0, n))) << n;
}

TEST(Scale, ResourceDpiLine) {
    const std::pair<const char*, double> cases[] = {
        {"Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n", 192},
        {"Xft.dpi: 120.5", 120.5},
        {"*dpi: 144\nXft.dpi: 96\n", 96},
        {"*dpi:\t144\n", 144},
        {"Xft.dpi:\tlarge\n", 0},
        {"Xft.dpix: 192\nXterm*font: fixed\n", 0},
        {"", 0},
    };
    for (const auto& [text, want] : cases)
        EXPECT_DOUBLE_EQ(pw::resourceDpi(text).value_or(0), want) << text;
}

TEST(Scale, LengthsRoundToWholePixelsAndNeverVanish) {
    const struct {
        std::int32_t logical;
        double factor;
        std::int32_t want;
    } cases[] = {
        {1, 1.0, 1},   {15, 1.0, 15}, {1, 1.25, 1},  {1, 1.5, 2},   {1, 2.0, 2},
        {15, 1.5, 23}, {22, 1.25, 28}, {13, 1.75, 23}, {-5, 1.5, -8}, {0, 2.0, 0},
        {1, 0.5, 1},   {3, 0.5, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pw::scaled(c.logical, c.factor), c.want) << c.logical << " x " << c.factor;
}

}  // namespace
