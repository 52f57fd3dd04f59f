// Escaping and decoding tables of the XML model, and the number readers.
#include "xml/XmlText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace s::xml {
namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The trailing characters trimmed from decoded element text.
bool isTrailingSpace(char16_t c) {
    return c == u' ' || c == u'\n' || c == u'\u3000' || c == u'\t' || c == u'\r';
}

// True when text[i..count) starts with the zero-terminated reference ref.
bool startsAt(const char16_t* text, std::uint32_t i, std::uint32_t count, const char16_t* ref) {
    for (std::uint32_t k = 0; ref[k]; ++k) {
        if (i + k >= count || text[i + k] != ref[k]) return false;
    }
    return true;
}

std::uint32_t refLength(const char16_t* ref) {
    std::uint32_t n = 0;
    while (ref[n]) ++n;
    return n;
}

struct Reference {
    const char16_t* written;
    char16_t meaning;
    bool numeric;  // numeric references survive trailing-blank trimming
};

// A tab and an ideographic space are written as references too: the reader trims them from
// the ends of element text otherwise.
constexpr Reference kTextReferences[] = {
    {u"&amp;", u'&', false}, {u"&lt;", u'<', false},         {u"&gt;", u'>', false},
    {u"&#160;", u' ', true}, {u"&#13;", u'\r', true},        {u"&#10;", u'\n', true},
    {u"&#9;", u'\t', true},  {u"&#12288;", u'\u3000', true},
};
constexpr Reference kAttributeReferences[] = {
    {u"&amp;", u'&', false},  {u"&lt;", u'<', false},   {u"&quot;", u'"', false},
    {u"&#13;", u'\r', false}, {u"&#10;", u'\n', false},
};

template <std::size_t N>
void escape(StrBuffer* out, const char16_t* text, std::uint32_t count,
            const Reference (&table)[N]) {
    for (std::uint32_t i = 0; i < count; ++i) {
        const char16_t c = text[i];
        const Reference* hit = nullptr;
        for (const Reference& r : table) {
            if (r.meaning == c) hit = &r;
        }
        if (hit) {
            out->appendText(hit->written);
        } else {
            out->appendChar(c);
        }
    }
}

// Sign and magnitude of a C-library decimal integer; the magnitude stops growing past limit.
struct Integer {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool overflow = false;
};

Integer readInteger(const char16_t* p, std::uint64_t limit) {
    Integer r;
    if (!p) return r;
    while (*p == u' ' || (*p >= u'\t' && *p <= u'\r')) ++p;
    if (*p == u'+' || *p == u'-') r.negative = *p++ == u'-';
    for (; *p >= u'0' && *p <= u'9'; ++p) {
        const std::uint64_t digit = static_cast<std::uint64_t>(*p - u'0');
        if (r.overflow || r.magnitude > (limit - digit) / 10) {
            r.overflow = true;
            continue;
        }
        r.magnitude = r.magnitude * 10 + digit;
    }
    return r;
}

}  // namespace

void escapeText(StrBuffer* out, const char16_t* text, std::uint32_t count) {
    escape(out, text, count, kTextReferences);
}

void escapeAttribute(StrBuffer* out, const char16_t* text, std::uint32_t count) {
    escape(out, text, count, kAttributeReferences);
}

void decodeText(StrBuffer* out, const char16_t* text, std::uint32_t count) {
    std::uint32_t i = 0;
    while (i < count && isBlank(text[i])) ++i;
    const std::uint32_t start = out->length();
    std::uint32_t keep = start;  // output length after the last numeric reference
    while (i < count) {
        const char16_t c = text[i];
        const Reference* hit = nullptr;
        if (c == u'&') {
            for (const Reference& r : kTextReferences) {
                if (startsAt(text, i, count, r.written)) {
                    hit = &r;
                    break;
                }
            }
        }
        if (!hit) {
            out->appendChar(c);
            ++i;
            continue;
        }
        out->appendChar(hit->meaning);
        i += refLength(hit->written);
        if (hit->numeric) keep = out->length();
    }
    std::uint32_t end = out->length();
    while (end > keep && isTrailingSpace(out->charAt(end - 1))) --end;
    out->setLength(end);
}

void decodeAttribute(StrBuffer* out, const char16_t* text, std::uint32_t count) {
    std::uint32_t i = 0;
    while (i < count) {
        const Reference* hit = nullptr;
        if (text[i] == u'&') {
            for (const Reference& r : kAttributeReferences) {
                if (startsAt(text, i, count, r.written)) {
                    hit = &r;
                    break;
                }
            }
        }
        if (!hit) {
            out->appendChar(text[i++]);
            continue;
        }
        out->appendChar(hit->meaning);
        i += refLength(hit->written);
    }
}

std::int32_t parseInt32(const char16_t* text) {
    const Integer r = readInteger(text, 0x80000000ull);
    if (r.overflow) return r.negative ? INT32_MIN : INT32_MAX;
    if (r.negative) return static_cast<std::int32_t>(-static_cast<std::int64_t>(r.magnitude));
    return r.magnitude > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(r.magnitude);
}

std::int64_t parseInt64(const char16_t* text) {
    const Integer r = readInteger(text, 0x8000000000000000ull);
    if (r.overflow) return r.negative ? INT64_MIN : INT64_MAX;
    if (r.negative) return static_cast<std::int64_t>(0 - r.magnitude);  // -2^63 included
    return r.magnitude > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(r.magnitude);
}

std::uint32_t parseUInt32(const char16_t* text) {
    const Integer r = readInteger(text, 0xFFFFFFFFull);
    if (r.overflow) return UINT32_MAX;
    const auto value = static_cast<std::uint32_t>(r.magnitude);
    return r.negative ? 0u - value : value;
}

double parseDouble(const char16_t* text) {
    if (!text) return 0;
    while (*text == u' ' || (*text >= u'\t' && *text <= u'\r')) ++text;
    std::string narrow;
    for (const char16_t* p = text; *p && *p < 0x80 && narrow.size() < 400; ++p) {
        narrow.push_back(static_cast<char>(*p));
    }
    const char* first = narrow.c_str();
    const char* last = first + narrow.size();
    bool negative = false;
    if (first < last && (*first == '+' || *first == '-')) negative = *first++ == '-';
    double value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument) return 0;
    if (result.ec == std::errc::result_out_of_range) {
        // wcstod gives HUGE_VAL for an overflow and 0 for an underflow.
        std::size_t e = narrow.find_first_of("eE");
        const bool tiny = e != std::string::npos && narrow.find('-', e) == e + 1;
        value = tiny ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

bool parseBool(const char16_t* text) {
    if (!text) return false;
    if (text[0] == u'1') return true;
    return text[0] == u't' && text[1] == u'r' && text[2] == u'u' && text[3] == u'e';
}

}  // namespace s::xml
