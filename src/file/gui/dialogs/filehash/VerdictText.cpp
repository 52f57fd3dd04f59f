// Verdict texts with the algorithms named.
#include "file/gui/dialogs/filehash/VerdictText.h"

#include "file/gui/dialogs/filehash/HashAlgorithms.h"

namespace s::file::gui::dialogs::filehash {

std::u16string VerdictText::nameOf(const Texts& text, int algorithm) {
    std::u16string name = text(HashAlgorithms::at(algorithm).labelId);
    while (!name.empty() && (name.back() == 0x00A0 || name.back() == u' ' || name.back() == u':')) {
        name.pop_back();
    }
    return name;
}

std::u16string VerdictText::of(const Texts& text, std::uint32_t tried, int matched) {
    std::u16string out = text(matched >= 0 ? kMatch : kDifferent);
    if (matched >= 0) {
        if (tried) out += u" (" + nameOf(text, matched) + u")";
        return out;
    }
    if (!tried) return out;
    out += u" (" + text(kTried);
    bool first = true;
    for (int i = 0; i < HashAlgorithms::kCount; ++i) {
        if (!(tried & (1u << i))) continue;
        if (!first) out += u", ";
        out += nameOf(text, i);
        first = false;
    }
    return out + u")";
}

}  // namespace s::file::gui::dialogs::filehash
