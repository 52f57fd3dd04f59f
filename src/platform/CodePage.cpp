// Windows code pages through iconv: the name table and the two conversion loops, which
// substitute for what cannot be converted instead of giving up (as the Windows conversions
// do by default).
#include "platform/CodePage.h"

#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

struct Name {
    std::uint32_t codePage;
    const char* charset;
};

// Sorted by number; every other number is tried as "CP<number>".
constexpr Name kNames[] = {
    {936, "GBK"},
    {1200, "UTF-16LE"},
    {1201, "UTF-16BE"},
    {1361, "JOHAB"},
    {10000, "MACINTOSH"},
    {10007, "MAC-CYRILLIC"},
    {10029, "MAC-CENTRALEUROPE"},
    {12000, "UTF-32LE"},
    {12001, "UTF-32BE"},
    {20127, "ASCII"},
    {20866, "KOI8-R"},
    {20932, "EUC-JP"},
    {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},
    {28603, "ISO-8859-13"},
    {28605, "ISO-8859-15"},
    {50220, "ISO-2022-JP"},
    {50225, "ISO-2022-KR"},
    {51932, "EUC-JP"},
    {51936, "EUC-CN"},
    {51949, "EUC-KR"},
    {54936, "GB18030"},
    {65000, "UTF-7"},
    {65001, "UTF-8"},
};

// An iconv descriptor that is closed on every path.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of [in, in + inLeft) as it can into out, growing out; returns 0, or
    // the errno that stopped it (EILSEQ, EINVAL). in and inLeft advance. A null in flushes
    // the shift state.
    int run(char** in, std::size_t* inLeft, std::string& out) {
        for (;;) {
            const std::size_t used = out.size();
            out.resize(used + std::max<std::size_t>(64, (inLeft ? *inLeft : 0) * 2));
            char* o = out.data() + used;
            std::size_t oLeft = out.size() - used;
            const std::size_t r = iconv(cd_, in, inLeft, &o, &oLeft);
            const int error = r == static_cast<std::size_t>(-1) ? errno : 0;
            out.resize(out.size() - oLeft);
            if (error != E2BIG) return error;
        }
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string charsetOfCodePage(std::uint32_t codePage) {
    const auto* end = std::end(kNames);
    const auto* found =
        std::lower_bound(std::begin(kNames), end, codePage,
                         [](const Name& n, std::uint32_t cp) { return n.codePage < cp; });
    if (found != end && found->codePage == codePage) return found->charset;
    return "CP" + std::to_string(codePage);
}

bool encodeCharset(const char* charset, const char16_t* chars, std::size_t count,
                   std::string& out) {
    Converter converter(charset, "UTF-16LE");
    if (!converter.ok()) return false;
    // The code units as UTF-16LE bytes, independent of the host's byte order.
    std::string input(count * 2, '\0');
    for (std::size_t i = 0; i < count; ++i) {
        input[2 * i] = static_cast<char>(chars[i] & 0xFF);
        input[2 * i + 1] = static_cast<char>(chars[i] >> 8);
    }
    char* in = input.data();
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        if (converter.run(&in, &inLeft, out) == 0) break;
        // Not representable, or a lone surrogate: one "?" for the character, then go on.
        const std::size_t unit = static_cast<std::size_t>(in - input.data()) / 2;
        const bool pair = unit + 1 < count && chars[unit] >= 0xD800 && chars[unit] <= 0xDBFF &&
                          chars[unit + 1] >= 0xDC00 && chars[unit + 1] <= 0xDFFF;
        const std::size_t skip = std::min<std::size_t>(pair ? 4 : 2, inLeft);
        char question[] = {'?', '\0'};
        char* q = question;
        std::size_t qLeft = 2;
        converter.run(&q, &qLeft, out);
        in += skip;
        inLeft -= skip;
    }
    converter.run(nullptr, nullptr, out);
    return true;
}

bool decodeCharset(const char* charset, const std::uint8_t* bytes, std::size_t count,
                   std::u16string& out) {
    Converter converter("UTF-16LE", charset);
    if (!converter.ok()) return false;
    std::string units;
    char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes));
    std::size_t inLeft = count;
    while (inLeft > 0) {
        if (converter.run(&in, &inLeft, units) == 0) break;
        // An invalid or truncated sequence: U+FFFD for its first byte, then go on.
        units += "\xFD\xFF";
        ++in;
        --inLeft;
    }
    converter.run(nullptr, nullptr, units);
    const std::size_t old = out.size();
    out.resize(old + units.size() / 2);
    for (std::size_t i = 0; i < units.size() / 2; ++i) {
        out[old + i] = static_cast<char16_t>(static_cast<std::uint8_t>(units[2 * i]) |
                                             static_cast<std::uint8_t>(units[2 * i + 1]) << 8);
    }
    return true;
}

}  // namespace platform
