// The program's one scale factor: how many screen pixels one pixel of a 96-dpi screen takes.
//
// It is decided when the backend starts: VERITOME_SCALE when set, else the desktop's DPI
// (the XSETTINGS manager's Xft/DPI, else the Xft.dpi X resource) over 96, multiplied by
// GDK_SCALE when that is set; else 1. The headless backend only heeds VERITOME_SCALE. While the
// program runs, the backend on an X display follows changes of the desktop's DPI, unless
// VERITOME_SCALE pins the factor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::window {

// What the factor is decided from; an empty value was not found.
struct ScaleSources {
    std::optional<std::string> scaleVariable;  // VERITOME_SCALE
    std::optional<double> xsettingsDpi;        // Xft/DPI of the XSETTINGS manager
    std::optional<double> resourceDpi;         // Xft.dpi of the X resources
    std::optional<std::string> gdkScale;       // GDK_SCALE
};

// Factors outside these bounds are taken as the nearest bound; values that are no positive
// number are ignored.
inline constexpr double kMinScale = 0.5;
inline constexpr double kMaxScale = 4.0;

double decideScale(const ScaleSources& sources);

// The Xft/DPI setting in the XSETTINGS manager's property (its bytes as the manager wrote them).
std::optional<double> xsettingsDpi(std::string_view property);
// The Xft.dpi line of the X resources text (the root window's RESOURCE_MANAGER).
std::optional<double> resourceDpi(std::string_view resources);

// The sources found in the environment and, with `readDisplay`, on the X display named by
// DISPLAY.
ScaleSources scaleSources(bool readDisplay);

// The factor in use (1 until a backend decides, unless VERITOME_SCALE says otherwise).
double scale();
// Sets the factor (bounded as above). Windows are not told (see changeScale).
void setScale(double factor);
// Sets the factor and, when it changed, posts kScaleChange (Messages.h) to every top-level
// window; answers whether it changed. Any thread.
bool changeScale(double factor);
// VERITOME_SCALE holds a factor: the desktop's DPI is not followed.
bool scalePinned();

// A length of a 96-dpi screen in screen pixels: rounded to the nearest pixel, never to 0 for a
// length that is not 0, so that a one-pixel line stays one whole pixel (or more) wide.
std::int32_t scaled(std::int32_t logical);
std::int32_t scaled(std::int32_t logical, double factor);
// A length in screen pixels as a length of a 96-dpi screen (rounded).
std::int32_t unscaled(std::int32_t pixels);

}  // namespace platform::window
