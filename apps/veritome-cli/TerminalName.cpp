// Escaping of names for the terminal.
#include "TerminalName.h"

namespace cli {

namespace {

// Length of the well-formed UTF-8 sequence at text[i] (no overlong forms, no surrogates, at
// most U+10FFFF), 0 when there is none; *code is its code point.
std::size_t sequenceAt(const std::string& text, std::size_t i, char32_t* code) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    char32_t c;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (lead < 0x80) {
        *code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char b = byte(i + k);
        if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF)) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    *code = c;
    return length;
}

bool isHidden(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

void appendHex(std::string& out, unsigned char b) {
    static const char kDigits[] = "0123456789abcdef";
    out += "\\x";
    out += kDigits[b >> 4];
    out += kDigits[b & 0x0F];
}

}  // namespace

std::string terminalName(const std::string& name, bool* escaped) {
    std::string out;
    out.reserve(name.size());
    *escaped = false;
    for (std::size_t i = 0; i < name.size();) {
        char32_t c = 0;
        std::size_t length = sequenceAt(name, i, &c);
        if (length == 0) {
            // A byte that is not UTF-8 stays as it is (as the usual tools print it), unless a
            // terminal of 8-bit controls would take it for one (0x9B starts a sequence there).
            const unsigned char b = static_cast<unsigned char>(name[i]);
            if (b >= 0x80 && b <= 0x9F) {
                appendHex(out, b);
                *escaped = true;
            } else {
                out += name[i];
            }
            ++i;
            continue;
        }
        if (c == '\\' || c == '\n' || c == '\r') {
            out += c == '\\' ? "\\\\" : c == '\n' ? "\\n" : "\\r";
            *escaped = true;
        } else if (isHidden(c)) {
            for (std::size_t k = 0; k < length; ++k) {
                appendHex(out, static_cast<unsigned char>(name[i + k]));
            }
            *escaped = true;
        } else {
            out.append(name, i, length);
        }
        i += length;
    }
    return out;
}

std::string terminalCheckLine(const std::string& name, const char* word) {
    bool escaped;
    std::string shown = terminalName(name, &escaped);
    return (escaped ? "\\" : "") + shown + ": " + word;
}

std::string withTerminalName(const std::string& summary, const std::string& label,
                             const std::string& name) {
    bool escaped;
    std::string shown = terminalName(name, &escaped);
    if (!escaped) return summary;
    const std::string line = label + name + "\n";
    std::size_t at = 0;
    while ((at = summary.find(line, at)) != std::string::npos) {
        if (at == 0 || summary[at - 1] == '\n') break;
        ++at;
    }
    if (at == std::string::npos) return summary;
    return summary.substr(0, at) + "\\" + label + shown + "\n" + summary.substr(at + line.size());
}

}  // namespace cli
