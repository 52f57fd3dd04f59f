// The scale factor: its decision from the desktop's settings, and the value in use.
#include "platform/window/Scale.h"

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "detail/Core.h"
#include "detail/X11Scale.h"
#include "platform/window/Messages.h"

namespace platform::window {

namespace {

std::optional<double> positiveNumber(std::string_view text) {
    std::string s(text);
    const char* begin = s.c_str();
    char* end = nullptr;
    double v = std::strtod(begin, &end);
    if (end == begin) return std::nullopt;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0' || !std::isfinite(v) || v <= 0) return std::nullopt;
    return v;
}

double bounded(double factor) {
    if (factor < kMinScale) return kMinScale;
    if (factor > kMaxScale) return kMaxScale;
    return factor;
}

std::optional<double> fromDpi(std::optional<double> dpi) {
    if (!dpi || !std::isfinite(*dpi) || *dpi <= 0) return std::nullopt;
    return *dpi / 96.0;
}

std::optional<std::string> variable(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v) return std::nullopt;
    return std::string(v);
}

std::uint32_t readCard(std::string_view p, std::size_t at, bool bigEndian, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
        auto b = static_cast<std::uint8_t>(p[at + static_cast<std::size_t>(i)]);
        v |= static_cast<std::uint32_t>(b) << (bigEndian ? 8 * (bytes - 1 - i) : 8 * i);
    }
    return v;
}

std::size_t padded(std::size_t n) {
    return (n + 3) & ~static_cast<std::size_t>(3);
}

std::optional<double> variableScale() {
    std::optional<std::string> v = variable("VERITOME_SCALE");
    if (!v) return std::nullopt;
    std::optional<double> f = positiveNumber(*v);
    if (!f) return std::nullopt;
    return bounded(*f);
}

double initialScale() {
    return variableScale().value_or(1.0);
}

std::atomic<double>& current() {
    static std::atomic<double> factor{initialScale()};
    return factor;
}

}  // namespace

double decideScale(const ScaleSources& s) {
    if (s.scaleVariable) {
        if (std::optional<double> f = positiveNumber(*s.scaleVariable)) return bounded(*f);
    }
    double factor = 1.0;
    if (std::optional<double> f = fromDpi(s.xsettingsDpi)) {
        factor = *f;
    } else if (std::optional<double> g = fromDpi(s.resourceDpi)) {
        factor = *g;
    }
    if (s.gdkScale) {
        if (std::optional<double> f = positiveNumber(*s.gdkScale)) factor *= *f;
    }
    return bounded(factor);
}

std::optional<double> xsettingsDpi(std::string_view p) {
    // byte order, 3 unused, serial, count; then per setting: type, unused, name length (16
    // bits), the name padded to 4 bytes, its serial, and the value: an integer (32 bits), a
    // string (length, bytes padded to 4) or a colour (four 16-bit values).
    if (p.size() < 12) return std::nullopt;
    bool big = p[0] == 'B' || p[0] == 1;
    std::uint32_t count = readCard(p, 8, big, 4);
    std::size_t at = 12;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + 4 > p.size()) return std::nullopt;
        auto type = static_cast<std::uint8_t>(p[at]);
        std::size_t nameLength = readCard(p, at + 2, big, 2);
        std::size_t nameAt = at + 4;
        std::size_t valueAt = nameAt + padded(nameLength) + 4;
        if (valueAt > p.size()) return std::nullopt;
        std::string_view name = p.substr(nameAt, nameLength);
        switch (type) {
            case 0:
                if (valueAt + 4 > p.size()) return std::nullopt;
                if (name == "Xft/DPI") {
                    auto dpi = static_cast<std::int32_t>(readCard(p, valueAt, big, 4));
                    // -1 means "the default"; the value is in 1/1024 dots per inch.
                    if (dpi <= 0) return std::nullopt;
                    return dpi / 1024.0;
                }
                at = valueAt + 4;
                break;
            case 1: {
                if (valueAt + 4 > p.size()) return std::nullopt;
                std::size_t length = readCard(p, valueAt, big, 4);
                at = valueAt + 4 + padded(length);
                break;
            }
            case 2:
                at = valueAt + 8;
                break;
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<double> resourceDpi(std::string_view resources) {
    std::optional<double> found;
    while (!resources.empty()) {
        std::size_t end = resources.find('\n');
        std::string_view line = resources.substr(0, end);
        resources = end == std::string_view::npos ? std::string_view{} : resources.substr(end + 1);
        std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        std::string_view name = line.substr(0, colon);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
        if (name != "Xft.dpi" && name != "*dpi") continue;
        std::string_view value = line.substr(colon + 1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
            value.remove_prefix(1);
        // Xft.dpi wins over a general *dpi, whichever comes first.
        if (std::optional<double> v = positiveNumber(value)) {
            if (name == "Xft.dpi") return v;
            found = v;
        }
    }
    return found;
}

ScaleSources scaleSources(bool readDisplay) {
    ScaleSources s;
    s.scaleVariable = variable("VERITOME_SCALE");
    s.gdkScale = variable("GDK_SCALE");
    if (readDisplay) {
        DesktopDpiProperties p = readDesktopDpiProperties();
        if (p.xsettings) s.xsettingsDpi = xsettingsDpi(*p.xsettings);
        if (p.resources) s.resourceDpi = resourceDpi(*p.resources);
    }
    return s;
}

double scale() {
    return current().load(std::memory_order_relaxed);
}

void setScale(double factor) {
    if (!std::isfinite(factor) || factor <= 0) factor = 1.0;
    current().store(bounded(factor), std::memory_order_relaxed);
}

bool changeScale(double factor) {
    double before = scale();
    setScale(factor);
    if (scale() == before) return false;
    detail::broadcast(msg::kScaleChange);
    return true;
}

bool scalePinned() {
    return variableScale().has_value();
}

std::int32_t scaled(std::int32_t logical, double factor) {
    if (logical == 0) return 0;
    double v = std::round(std::abs(static_cast<double>(logical)) * factor);
    auto n = static_cast<std::int32_t>(v < 1 ? 1 : v);
    return logical < 0 ? -n : n;
}

std::int32_t scaled(std::int32_t logical) {
    return scaled(logical, scale());
}

std::int32_t unscaled(std::int32_t pixels) {
    return static_cast<std::int32_t>(std::lround(pixels / scale()));
}

}  // namespace platform::window
