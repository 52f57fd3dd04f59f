// The skin families and the skinner's selection and notification.
#include "gui/drawer/Skinner.h"

#include <algorithm>
#include <iterator>

#include "gui/drawer/skin/Thin.h"
#include "gui/drawer/skin/ThinWindow.h"

namespace pw = platform::window;

namespace s::gui::drawer {

namespace {

struct ThinWindowTheme {
    const char16_t* name;
    std::uint8_t c[15][3];  // colours 1 to 15 as red, green, blue
};

// The "ThinWindow" family in its order; the first is the fallback of selectSkin. The "II"
// variants follow their base theme (kSofterText).
constexpr ThinWindowTheme kThinWindowThemes[] = {
    {u"White",
     {{255, 255, 255},
      {68, 68, 68},
      {204, 204, 204},
      {68, 68, 68},
      {68, 68, 68},
      {0, 0, 0},
      {238, 238, 238},
      {119, 119, 119},
      {119, 119, 119},
      {255, 255, 255},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {119, 119, 119},
      {255, 165, 0}}},
    {u"Ivory",
     {{242, 240, 230},
      {0, 0, 0},
      {170, 170, 170},
      {0, 0, 0},
      {0, 0, 0},
      {0, 0, 0},
      {238, 238, 238},
      {176, 176, 176},
      {176, 176, 176},
      {240, 238, 228},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {176, 176, 176},
      {255, 165, 0}}},
    {u"Black",
     {{51, 51, 51},
      {85, 85, 85},
      {85, 85, 85},
      {176, 176, 176},
      {176, 176, 176},
      {255, 255, 255},
      {51, 51, 51},
      {153, 153, 153},
      {204, 204, 204},
      {0, 0, 0},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {213, 235, 107},
      {255, 165, 0}}},
    {u"Black Black",
     {{0, 0, 0},
      {51, 51, 51},
      {51, 51, 51},
      {176, 176, 176},
      {176, 176, 176},
      {255, 255, 255},
      {51, 51, 51},
      {153, 153, 153},
      {204, 204, 204},
      {0, 0, 0},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {213, 235, 107},
      {255, 165, 0}}},
    {u"Classic LG",
     {{116, 116, 116},
      {17, 17, 17},
      {86, 86, 86},
      {17, 17, 17},
      {17, 17, 17},
      {255, 255, 255},
      {51, 51, 51},
      {116, 116, 116},
      {25, 25, 25},
      {255, 255, 255},
      {49, 49, 49},
      {191, 191, 191},
      {56, 56, 56},
      {195, 234, 0},
      {25, 25, 25}}},
    {u"Beige",
     {{236, 233, 216},
      {0, 0, 0},
      {170, 170, 170},
      {0, 0, 0},
      {0, 0, 0},
      {0, 0, 0},
      {238, 238, 238},
      {168, 162, 128},
      {168, 162, 128},
      {236, 233, 216},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {168, 162, 128},
      {255, 165, 0}}},
    {u"Sky Blue",
     {{194, 223, 255},
      {87, 133, 255},
      {87, 133, 255},
      {87, 133, 255},
      {87, 133, 255},
      {0, 0, 0},
      {238, 238, 238},
      {87, 133, 255},
      {87, 133, 255},
      {255, 255, 255},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {87, 133, 255},
      {255, 165, 0}}},
    {u"Pink",
     {{255, 194, 230},
      {255, 93, 162},
      {255, 93, 162},
      {255, 93, 162},
      {255, 93, 162},
      {0, 0, 0},
      {238, 238, 238},
      {255, 93, 162},
      {255, 93, 162},
      {255, 255, 255},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {255, 48, 92},
      {255, 165, 0}}},
    {u"Salmon Red",
     {{255, 48, 92},
      {255, 189, 203},
      {255, 189, 203},
      {255, 189, 203},
      {255, 189, 203},
      {255, 255, 255},
      {51, 51, 51},
      {255, 189, 203},
      {255, 189, 203},
      {255, 48, 92},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {255, 194, 230},
      {255, 165, 0}}},
    {u"Yellow",
     {{252, 255, 91},
      {224, 206, 0},
      {224, 206, 0},
      {224, 206, 0},
      {224, 206, 0},
      {0, 0, 0},
      {238, 238, 238},
      {224, 206, 0},
      {224, 206, 0},
      {255, 255, 255},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {168, 255, 83},
      {255, 165, 0}}},
    {u"Green",
     {{184, 255, 61},
      {129, 160, 7},
      {129, 160, 7},
      {129, 160, 7},
      {129, 160, 7},
      {0, 0, 0},
      {238, 238, 238},
      {143, 175, 17},
      {143, 175, 17},
      {255, 255, 255},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {143, 175, 17},
      {255, 165, 0}}},
    {u"Orange",
     {{255, 207, 61},
      {221, 135, 2},
      {221, 135, 2},
      {221, 135, 2},
      {221, 135, 2},
      {0, 0, 0},
      {238, 238, 238},
      {221, 135, 2},
      {221, 135, 2},
      {255, 255, 255},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {255, 255, 255},
      {255, 165, 0}}},
    {u"Khaki",
     {{62, 92, 0},
      {146, 185, 65},
      {146, 185, 65},
      {146, 185, 65},
      {146, 185, 65},
      {255, 255, 255},
      {51, 51, 51},
      {221, 135, 2},
      {221, 135, 2},
      {62, 92, 0},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {213, 235, 107},
      {255, 165, 0}}},
    {u"Indigo",
     {{49, 0, 130},
      {192, 125, 255},
      {192, 125, 255},
      {192, 125, 255},
      {192, 125, 255},
      {255, 255, 255},
      {51, 51, 51},
      {195, 158, 255},
      {195, 158, 255},
      {49, 0, 130},
      {255, 255, 255},
      {0, 0, 0},
      {238, 238, 238},
      {192, 125, 255},
      {255, 165, 0}}},
};

// Themes that come again right after themselves, as "<name> II", with a softer text colour 6.
constexpr const char16_t* kSofterText[] = {u"Black", u"Black Black"};
constexpr std::uint8_t kSofterTextGrey = 221;

struct ThinTheme {
    const char16_t* name;
    std::uint8_t c[6][3];  // background, line, text, slider second, counter 1, counter 2
};

constexpr ThinTheme kThinThemes[] = {
    {u"White",
     {{255, 255, 255}, {68, 68, 68}, {0, 0, 0}, {119, 119, 119}, {176, 176, 176}, {255, 165, 0}}},
    {u"Light Gray",
     {{240, 238, 228}, {0, 0, 0}, {0, 0, 0}, {176, 176, 176}, {176, 176, 176}, {255, 165, 0}}},
    {u"Black",
     {{51, 51, 51},
      {176, 176, 176},
      {255, 255, 255},
      {176, 176, 176},
      {213, 235, 107},
      {255, 165, 0}}},
    {u"Ivory",
     {{236, 233, 216}, {0, 0, 0}, {0, 0, 0}, {168, 162, 128}, {168, 162, 128}, {255, 165, 0}}},
    {u"Sky Blue",
     {{255, 255, 255}, {87, 133, 255}, {0, 0, 0}, {87, 133, 255}, {87, 133, 255}, {255, 165, 0}}},
    {u"Pink",
     {{255, 255, 255}, {255, 93, 162}, {0, 0, 0}, {255, 93, 162}, {255, 93, 162}, {255, 165, 0}}},
    {u"Green",
     {{255, 255, 255}, {143, 175, 17}, {0, 51, 0}, {143, 175, 17}, {143, 175, 17}, {255, 165, 0}}},
    {u"Green2", {{213, 235, 107}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {255, 165, 0}}},
    {u"Yellow",
     {{255, 255, 255}, {224, 206, 0}, {0, 0, 0}, {224, 206, 0}, {224, 206, 0}, {255, 165, 0}}},
    {u"Orange",
     {{255, 255, 255}, {221, 135, 2}, {0, 0, 0}, {221, 135, 2}, {221, 135, 2}, {255, 165, 0}}},
    {u"Khaki",
     {{62, 92, 0}, {146, 185, 65}, {255, 255, 255}, {221, 135, 2}, {221, 135, 2}, {255, 165, 0}}},
    {u"Indigo",
     {{75, 0, 130},
      {192, 125, 255},
      {255, 255, 255},
      {192, 125, 255},
      {192, 125, 255},
      {255, 165, 0}}},
    {u"Salmon Red",
     {{255, 48, 92},
      {255, 189, 203},
      {255, 255, 255},
      {255, 189, 203},
      {255, 189, 203},
      {255, 165, 0}}},
};

Colour colourOf(const std::uint8_t (&c)[3]) {
    return pw::rgb(c[0], c[1], c[2]);
}

}  // namespace

void Skinner::clear() {
    std::vector<ISkin*> skins;
    {
        std::lock_guard<std::mutex> guard(lock_);
        skins.swap(skins_);
        names_.clear();
        current_ = nullptr;
        listeners_.clear();
        family_ = kBasic;
    }
    for (ISkin* skin : skins) skin->release();
}

void Skinner::build(const std::u16string& family) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        family_ = family;
    }
    if (family == kThinWindow) {
        auto add = [this](const std::u16string& name, const auto& c) {
            addSkin(skin::newThinWindowSkin(name, colourOf(c[0]), colourOf(c[1]), colourOf(c[2]),
                                            colourOf(c[3]), colourOf(c[4]), colourOf(c[5]),
                                            colourOf(c[6]), colourOf(c[7]), colourOf(c[8]),
                                            colourOf(c[9]), colourOf(c[10]), colourOf(c[11]),
                                            colourOf(c[12]), colourOf(c[13]), colourOf(c[14])));
        };
        for (const ThinWindowTheme& t : kThinWindowThemes) {
            add(t.name, t.c);
            const std::u16string name = t.name;
            if (std::find(std::begin(kSofterText), std::end(kSofterText), name) ==
                std::end(kSofterText))
                continue;
            ThinWindowTheme softer = t;
            for (std::uint8_t& v : softer.c[5]) v = kSofterTextGrey;
            add(name + u" II", softer.c);
        }
    } else if (family == kThin) {
        for (const ThinTheme& t : kThinThemes) {
            const auto& c = t.c;
            addSkin(skin::newThinSkin(t.name, colourOf(c[0]), colourOf(c[1]), colourOf(c[2]),
                                      colourOf(c[3]), colourOf(c[4]), colourOf(c[5])));
        }
    }
}

std::u16string Skinner::getFamily() const {
    std::lock_guard<std::mutex> guard(lock_);
    return family_;
}

void Skinner::addSkin(ISkin* skin) {
    if (!skin) return;
    std::u16string name = skin->getName();
    std::lock_guard<std::mutex> guard(lock_);
    skins_.push_back(skin);
    names_.push_back(std::move(name));
}

std::int32_t Skinner::indexOfLocked(const std::u16string& name) const {
    auto it = std::find(names_.begin(), names_.end(), name);
    return it != names_.end() ? static_cast<std::int32_t>(it - names_.begin()) : -1;
}

bool Skinner::findSkin(const std::u16string& name, std::int32_t* index) const {
    std::lock_guard<std::mutex> guard(lock_);
    std::int32_t at = indexOfLocked(name);
    if (index) *index = at;
    return at >= 0;
}

bool Skinner::selectSkin(const std::u16string& name) {
    std::vector<events::IEventListener*> listeners;
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (skins_.empty()) return false;
        std::int32_t at = indexOfLocked(name);
        ISkin* chosen = at >= 0 ? skins_[at] : skins_.front();
        if (chosen == current_) return false;
        current_ = chosen;
        listeners = listeners_;
    }
    // Outside the lock: a listener may unregister, read the skin or select another one.
    for (events::IEventListener* listener : listeners) listener->onEvent(this, 0);
    return true;
}

ISkin* Skinner::getCurrentSkin() const {
    std::lock_guard<std::mutex> guard(lock_);
    return current_;
}

std::int32_t Skinner::getSkinCount() const {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<std::int32_t>(skins_.size());
}

std::u16string Skinner::getSkinName(std::int32_t index) const {
    std::lock_guard<std::mutex> guard(lock_);
    if (index < 0 || index >= static_cast<std::int32_t>(names_.size())) return {};
    return names_[index];
}

void Skinner::registerListener(events::IEventListener* listener) {
    if (!listener) return;
    std::lock_guard<std::mutex> guard(lock_);
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void Skinner::unregisterListener(events::IEventListener* listener) {
    std::lock_guard<std::mutex> guard(lock_);
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

std::int32_t Skinner::getListenerCount() const {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<std::int32_t>(listeners_.size());
}

Skinner* newSkinner() {
    Skinner* skinner = Skinner::create();
    skinner->build(Skinner::kThinWindow);
    return skinner;
}

}  // namespace s::gui::drawer
