// Cutting a string into a list: split at a character, and the distinct words of a text.
#include "str/strarray/StrArray.h"
#include "str/strbuffer/CharRules.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

using strarray::StrArray;

strarray::StrArray* StrBuffer::split(char16_t c) const {
    StrArray* list = StrArray::create();
    std::uint32_t start = 0;
    for (std::uint32_t i = 0; i <= length_; ++i) {
        if (i < length_ && storage_[i] != c) continue;
        if (i > start) list->addText(storage_ + start, static_cast<std::int32_t>(i - start));
        start = i + 1;
    }
    return list;
}

namespace {

// Word characters: ASCII letters and digits, "%", "+", "-", and everything from U+0100 on
// except the CJK punctuation that separates words.
bool isWordChar(char16_t c) {
    if (c >= 0x0100) {
        switch (c) {
            case 0x3000:
            case 0x3001:
            case 0x3002:
            case 0x300C:
            case 0x300D:
            case 0x3010:
            case 0x3011:
            case 0xFF08:
            case 0xFF09:
                return false;
            default:
                return true;
        }
    }
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || chars::isDigit(c) || c == u'%' ||
           c == u'+' || c == u'-';
}

bool isCommonWord(const char16_t* word, std::uint32_t n) {
    for (const char16_t* common : {u"the", u"of", u"and"}) {
        const std::uint32_t k = chars::countOf(common, -1);
        if (k != n) continue;
        std::uint32_t i = 0;
        while (i < n && chars::toLower(word[i]) == common[i]) ++i;
        if (i == n) return true;
    }
    return false;
}

}  // namespace

strarray::StrArray* StrBuffer::words(bool skipCommon) const {
    StrArray* list = StrArray::create();
    std::uint32_t i = 0;
    while (i < length_) {
        while (i < length_ && !isWordChar(storage_[i])) ++i;
        const std::uint32_t start = i;
        while (i < length_ && isWordChar(storage_[i])) ++i;
        const std::uint32_t n = i - start;
        if (n == 0) break;
        const char16_t* word = storage_ + start;
        bool last = true;  // no word character follows
        for (std::uint32_t j = i; j < length_ && last; ++j) last = !isWordChar(storage_[j]);
        if (skipCommon && last && isCommonWord(word, n)) break;
        if (list->indexOfIgnoreCase(word, static_cast<std::int32_t>(n)) < 0) {
            list->addText(word, static_cast<std::int32_t>(n));
        }
    }
    return list;
}

}  // namespace s::str::strbuffer
