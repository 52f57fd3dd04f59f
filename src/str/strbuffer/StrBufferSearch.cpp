// Searching the string: characters, sets of characters and texts, forwards and backwards, with
// or without case, and matching or comparing a region.
#include <algorithm>

#include "str/strbuffer/CharRules.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

using chars::countOf;
using chars::fold;
using chars::sameUnits;

namespace {

template <bool IgnoreCase>
bool findChar(const char16_t* p, std::uint32_t length, char16_t c, std::uint32_t* index,
              std::uint32_t from) {
    const char16_t f = fold<IgnoreCase>(c);
    for (std::uint32_t i = from; i < length; ++i) {
        if (fold<IgnoreCase>(p[i]) == f) {
            if (index) *index = i;
            return true;
        }
    }
    return false;
}

template <bool IgnoreCase>
bool findLastChar(const char16_t* p, std::uint32_t length, char16_t c, std::uint32_t* index,
                  std::uint32_t before) {
    const char16_t f = fold<IgnoreCase>(c);
    for (std::uint32_t i = std::min(before, length); i-- > 0;) {
        if (fold<IgnoreCase>(p[i]) == f) {
            if (index) *index = i;
            return true;
        }
    }
    return false;
}

template <bool IgnoreCase>
bool findAny(const char16_t* p, std::uint32_t length, const char16_t* set, std::int32_t count,
             std::uint32_t* index, std::uint32_t from) {
    const std::uint32_t n = countOf(set, count);
    for (std::uint32_t i = from; i < length; ++i) {
        if (chars::isOneOf<IgnoreCase>(p[i], set, n)) {
            if (index) *index = i;
            return true;
        }
    }
    return false;
}

template <bool IgnoreCase>
bool findLastAny(const char16_t* p, std::uint32_t length, const char16_t* set, std::int32_t count,
                 std::uint32_t* index, std::uint32_t before) {
    const std::uint32_t n = countOf(set, count);
    for (std::uint32_t i = std::min(before, length); i-- > 0;) {
        if (chars::isOneOf<IgnoreCase>(p[i], set, n)) {
            if (index) *index = i;
            return true;
        }
    }
    return false;
}

}  // namespace

bool StrBuffer::indexOf(char16_t c, std::uint32_t* index, std::uint32_t from) const {
    return findChar<false>(storage_, length_, c, index, from);
}
bool StrBuffer::indexOfIgnoreCase(char16_t c, std::uint32_t* index, std::uint32_t from) const {
    return findChar<true>(storage_, length_, c, index, from);
}
bool StrBuffer::indexOfAny(const char16_t* set, std::int32_t count, std::uint32_t* index,
                           std::uint32_t from) const {
    return findAny<false>(storage_, length_, set, count, index, from);
}
bool StrBuffer::indexOfAnyIgnoreCase(const char16_t* set, std::int32_t count, std::uint32_t* index,
                                     std::uint32_t from) const {
    return findAny<true>(storage_, length_, set, count, index, from);
}
bool StrBuffer::lastIndexOf(char16_t c, std::uint32_t* index, std::uint32_t before) const {
    return findLastChar<false>(storage_, length_, c, index, before);
}
bool StrBuffer::lastIndexOfIgnoreCase(char16_t c, std::uint32_t* index,
                                      std::uint32_t before) const {
    return findLastChar<true>(storage_, length_, c, index, before);
}
bool StrBuffer::lastIndexOfAny(const char16_t* set, std::int32_t count, std::uint32_t* index,
                               std::uint32_t before) const {
    return findLastAny<false>(storage_, length_, set, count, index, before);
}
bool StrBuffer::lastIndexOfAnyIgnoreCase(const char16_t* set, std::int32_t count,
                                         std::uint32_t* index, std::uint32_t before) const {
    return findLastAny<true>(storage_, length_, set, count, index, before);
}

template <bool IgnoreCase>
bool StrBuffer::findText(const char16_t* text, std::uint32_t* index, std::uint32_t from) const {
    const std::uint32_t n = countOf(text, -1);
    if (n > length_ || from > length_ - n) return false;
    if (n == 0) {
        if (index) *index = from;
        return true;
    }
    const char16_t first = fold<IgnoreCase>(text[0]);
    for (std::uint32_t i = from; i <= length_ - n; ++i) {
        if (fold<IgnoreCase>(storage_[i]) == first &&
            sameUnits<IgnoreCase>(storage_ + i + 1, text + 1, n - 1)) {
            if (index) *index = i;
            return true;
        }
    }
    return false;
}

template <bool IgnoreCase>
bool StrBuffer::findLastText(const char16_t* text, std::uint32_t* index,
                             std::uint32_t before) const {
    const std::uint32_t n = countOf(text, -1);
    if (n > length_) return false;
    // Start positions i with i < before and i + n <= length.
    std::uint32_t end = std::min<std::uint64_t>(before, std::uint64_t(length_ - n) + 1);
    for (std::uint32_t i = end; i-- > 0;) {
        if (sameUnits<IgnoreCase>(storage_ + i, text, n)) {
            if (index) *index = i;
            return true;
        }
    }
    return false;
}

bool StrBuffer::indexOf(const char16_t* text, std::uint32_t* index, std::uint32_t from) const {
    return findText<false>(text, index, from);
}
bool StrBuffer::indexOfIgnoreCase(const char16_t* text, std::uint32_t* index,
                                  std::uint32_t from) const {
    return findText<true>(text, index, from);
}
bool StrBuffer::lastIndexOf(const char16_t* text, std::uint32_t* index,
                            std::uint32_t before) const {
    return findLastText<false>(text, index, before);
}
bool StrBuffer::lastIndexOfIgnoreCase(const char16_t* text, std::uint32_t* index,
                                      std::uint32_t before) const {
    return findLastText<true>(text, index, before);
}

namespace {

template <bool IgnoreCase>
bool regionMatch(const char16_t* p, std::uint32_t length, std::uint32_t at, const char16_t* text,
                 std::uint32_t textFrom, std::int32_t count) {
    if (at > length) return false;
    std::uint32_t n;
    if (count < 0) {
        n = countOf(text, -1);
        n = n > textFrom ? n - textFrom : 0;
        if (n != length - at) return false;  // the match must end at this string's end
    } else {
        n = static_cast<std::uint32_t>(count);
        if (n > length - at) return false;
    }
    return sameUnits<IgnoreCase>(p + at, text + textFrom, n);
}

template <bool IgnoreCase>
int regionCompare(const char16_t* p, std::uint32_t length, std::uint32_t at, const char16_t* text,
                  std::uint32_t textFrom, std::int32_t count) {
    if (at >= length) return -1;
    text += textFrom;
    for (std::uint64_t i = 0; count < 0 || i < std::uint64_t(count); ++i) {
        const char16_t a = fold<IgnoreCase>(at + i < length ? p[at + i] : char16_t(0));
        const char16_t b = fold<IgnoreCase>(text[i]);
        if (a != b) return a < b ? -1 : 1;
        if (a == 0) break;
    }
    return 0;
}

}  // namespace

bool StrBuffer::regionMatches(std::uint32_t at, const char16_t* text, std::uint32_t textFrom,
                              std::int32_t count) const {
    return regionMatch<false>(storage_, length_, at, text, textFrom, count);
}
bool StrBuffer::regionMatchesIgnoreCase(std::uint32_t at, const char16_t* text,
                                        std::uint32_t textFrom, std::int32_t count) const {
    return regionMatch<true>(storage_, length_, at, text, textFrom, count);
}
bool StrBuffer::startsWith(const char16_t* text, std::int32_t count) const {
    const std::uint32_t n = countOf(text, count);
    return n <= length_ && sameUnits<false>(storage_, text, n);
}
bool StrBuffer::startsWithIgnoreCase(const char16_t* text, std::int32_t count) const {
    const std::uint32_t n = countOf(text, count);
    return n <= length_ && sameUnits<true>(storage_, text, n);
}
bool StrBuffer::endsWith(const char16_t* text, std::int32_t count) const {
    const std::uint32_t n = countOf(text, count);
    return n <= length_ && sameUnits<false>(storage_ + (length_ - n), text, n);
}
bool StrBuffer::endsWithIgnoreCase(const char16_t* text, std::int32_t count) const {
    const std::uint32_t n = countOf(text, count);
    return n <= length_ && sameUnits<true>(storage_ + (length_ - n), text, n);
}
int StrBuffer::compareRegion(std::uint32_t at, const char16_t* text, std::uint32_t textFrom,
                             std::int32_t count) const {
    return regionCompare<false>(storage_, length_, at, text, textFrom, count);
}
int StrBuffer::compareRegionIgnoreCase(std::uint32_t at, const char16_t* text,
                                       std::uint32_t textFrom, std::int32_t count) const {
    return regionCompare<true>(storage_, length_, at, text, textFrom, count);
}

// replaceAll (StrBuffer.cpp) searches with these.
template bool StrBuffer::findText<false>(const char16_t*, std::uint32_t*, std::uint32_t) const;
template bool StrBuffer::findText<true>(const char16_t*, std::uint32_t*, std::uint32_t) const;

}  // namespace s::str::strbuffer
