// Cleaning and reading an entered code.
#include "file/gui/dialogs/filehash/EnteredCode.h"

#include "file/gui/dialogs/filehash/ChecksumLine.h"
#include "file/gui/dialogs/filehash/HashAlgorithms.h"
#include "str/Utf8.h"

namespace s::file::gui::dialogs::filehash {

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' ||
           c == 0x00A0 || c == 0x3000 || c == 0xFEFF || c == 0x2028 || c == 0x2029;
}

}  // namespace

std::u16string EnteredCode::clean(std::u16string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    std::u16string code(text.substr(begin, end - begin));
    if (code.size() > kMaxLength) code.resize(kMaxLength);
    return code;
}

EnteredCode EnteredCode::read(std::u16string_view text) {
    EnteredCode result;
    result.code = clean(text);
    const std::string line =
        str::toUtf8String(result.code.data(), static_cast<std::uint32_t>(result.code.size()));
    ChecksumEntry entry;
    if (ChecksumLine::parse(line, &entry) != ChecksumLine::Kind::Entry || entry.sfv) return result;
    result.code.assign(entry.hex.begin(), entry.hex.end());  // hex digits are ASCII
    if (entry.tagged) result.algorithm = entry.algorithm;
    return result;
}

bool EnteredCode::hasKnownForm() const {
    int candidates[HashAlgorithms::kCount];
    if (HashAlgorithms::withHexDigits(code.size(), candidates) == 0) return false;
    for (char16_t c : code) {
        const bool hex =
            (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!hex) return false;
    }
    return true;
}

}  // namespace s::file::gui::dialogs::filehash
