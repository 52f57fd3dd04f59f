// Locale names to Windows language identifiers: ISO 639 language codes with the regions and
// scripts that pick another sublanguage where the program tells them apart.
#include "platform/UiLanguage.h"

#include <cstdlib>
#include <string>

namespace platform {
namespace {

constexpr std::uint16_t makeLangId(std::uint16_t primary, std::uint16_t sub) {
    return static_cast<std::uint16_t>(sub << 10 | primary);
}

struct Language {
    const char* code;       // ISO 639-1 (or 639-2 where there is no two-letter code)
    std::uint16_t primary;  // the LANG_ constant
};

// Primary languages, sublanguage 1 (the default) unless a region rule below says otherwise.
constexpr Language kLanguages[] = {
    {"af", 0x36},  {"sq", 0x1c}, {"gsw", 0x84}, {"am", 0x5e},  {"ar", 0x01},  {"hy", 0x2b},
    {"as", 0x4d},  {"az", 0x2c}, {"ba", 0x6d},  {"eu", 0x2d},  {"be", 0x23},  {"bn", 0x45},
    {"br", 0x7e},  {"bg", 0x02}, {"ca", 0x03},  {"zh", 0x04},  {"co", 0x83},  {"hr", 0x1a},
    {"cs", 0x05},  {"da", 0x06}, {"prs", 0x8c}, {"dv", 0x65},  {"nl", 0x13},  {"en", 0x09},
    {"et", 0x25},  {"fo", 0x38}, {"fil", 0x64}, {"fi", 0x0b},  {"fr", 0x0c},  {"fy", 0x62},
    {"gl", 0x56},  {"ka", 0x37}, {"de", 0x07},  {"el", 0x08},  {"kl", 0x6f},  {"gu", 0x47},
    {"ha", 0x68},  {"he", 0x0d}, {"hi", 0x39},  {"hu", 0x0e},  {"is", 0x0f},  {"ig", 0x70},
    {"id", 0x21},  {"iu", 0x5d}, {"ga", 0x3c},  {"it", 0x10},  {"ja", 0x11},  {"kn", 0x4b},
    {"ks", 0x60},  {"kk", 0x3f}, {"km", 0x53},  {"quc", 0x86}, {"rw", 0x87},  {"kok", 0x57},
    {"ko", 0x12},  {"ky", 0x40}, {"lo", 0x54},  {"lv", 0x26},  {"lt", 0x27},  {"dsb", 0x2e},
    {"lb", 0x6e},  {"mk", 0x2f}, {"ms", 0x3e},  {"ml", 0x4c},  {"mt", 0x3a},  {"mi", 0x81},
    {"arn", 0x7a}, {"mr", 0x4e}, {"moh", 0x7c}, {"mn", 0x50},  {"ne", 0x61},  {"nb", 0x14},
    {"nn", 0x14},  {"no", 0x14}, {"oc", 0x82},  {"or", 0x48},  {"ps", 0x63},  {"fa", 0x29},
    {"pl", 0x15},  {"pt", 0x16}, {"pa", 0x46},  {"qu", 0x6b},  {"ro", 0x18},  {"rm", 0x17},
    {"ru", 0x19},  {"se", 0x3b}, {"sa", 0x4f},  {"sr", 0x1a},  {"st", 0x6c},  {"nso", 0x6c},
    {"tn", 0x32},  {"sd", 0x59}, {"si", 0x5b},  {"sk", 0x1b},  {"sl", 0x24},  {"es", 0x0a},
    {"sw", 0x41},  {"sv", 0x1d}, {"syr", 0x5a}, {"tg", 0x28},  {"tzm", 0x5f}, {"ta", 0x49},
    {"tt", 0x44},  {"te", 0x4a}, {"th", 0x1e},  {"bo", 0x51},  {"ti", 0x73},  {"tr", 0x1f},
    {"tk", 0x42},  {"ug", 0x80}, {"uk", 0x22},  {"hsb", 0x2e}, {"ur", 0x20},  {"uz", 0x43},
    {"vi", 0x2a},  {"cy", 0x52}, {"wo", 0x88},  {"xh", 0x34},  {"sah", 0x85}, {"yo", 0x6a},
    {"zu", 0x35},  {"bs", 0x1a},
};

struct Variant {
    const char* code;
    const char* region;  // null: any region
    const char* script;  // the "@modifier", null: none
    std::uint16_t id;
};

// Sublanguages that decide which of the program's languages is chosen. The first match wins.
constexpr Variant kVariants[] = {
    {"pt", "BR", nullptr, 0x0416},     {"pt", nullptr, nullptr, 0x0816},
    {"zh", "SG", nullptr, 0x1004},     {"zh", "TW", nullptr, 0x0404},
    {"zh", "HK", nullptr, 0x0C04},     {"zh", "MO", nullptr, 0x1404},
    {"zh", nullptr, "hant", 0x7C04},   {"zh", nullptr, nullptr, 0x0804},
    {"sr", nullptr, "latin", 0x081A},  {"sr", "ME", nullptr, 0x181A},
    {"sr", "BA", nullptr, 0x1C1A},     {"sr", nullptr, nullptr, 0x0C1A},
    {"hr", nullptr, nullptr, 0x041A},  {"bs", nullptr, "cyrillic", 0x201A},
    {"bs", nullptr, nullptr, 0x141A},  {"hsb", nullptr, nullptr, 0x042E},
    {"dsb", nullptr, nullptr, 0x082E}, {"en", "GB", nullptr, 0x0809},
    {"es", "ES", nullptr, 0x0C0A},     {"nn", nullptr, nullptr, 0x0814},
    {"vec", nullptr, nullptr, 0x0410},  // Venetian has no identifier: read as Italian
};

std::string lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return r;
}

std::string upper(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return r;
}

}  // namespace

std::uint16_t languageIdOfLocale(std::string_view locale) {
    // language[_REGION][.charset][@modifier]
    const std::size_t at = locale.find('@');
    const std::string modifier = at == std::string_view::npos ? "" : lower(locale.substr(at + 1));
    locale = locale.substr(0, at);
    locale = locale.substr(0, locale.find('.'));
    if (locale == "C" || locale == "POSIX") return makeLangId(0x09, 1);
    const std::size_t cut = locale.find_first_of("_-");
    const std::string code = lower(locale.substr(0, cut));
    const std::string region = cut == std::string_view::npos ? "" : upper(locale.substr(cut + 1));
    for (const Variant& v : kVariants) {
        if (code != v.code) continue;
        if (v.region && region != v.region) continue;
        if (v.script && modifier != v.script) continue;
        return v.id;
    }
    for (const Language& l : kLanguages) {
        if (code == l.code) return makeLangId(l.primary, 1);
    }
    return 0;
}

std::uint16_t userUiLanguage() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        std::string_view v(value);
        v = v.substr(0, v.find(':'));  // LANGUAGE is a list; the first entry counts
        if (v.empty()) continue;
        return languageIdOfLocale(v);
    }
    return makeLangId(0x09, 1);
}

}  // namespace platform
