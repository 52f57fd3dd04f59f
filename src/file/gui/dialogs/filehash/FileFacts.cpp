// Size and time texts of the file facts.
#include "file/gui/dialogs/filehash/FileFacts.h"

#include "platform/LocalTime.h"
#include "time/Time.h"

namespace s::file::gui::dialogs::filehash {

using str::strbuffer::StrBuffer;

namespace {

constexpr const char16_t* kSizeTypeKeys[] = {u"Bytes", u"KB", u"MB", u"Auto"};

// Units of the automatic text from the largest down; the 10-bit part of each unit is
// (v >> shift) mod 1024. Exabytes have only four bits above bit 60.
struct Unit {
    int shift;
    const char16_t* suffix;
};
constexpr Unit kUnits[] = {{60, u" EB"}, {50, u" PB"}, {40, u" TB"},
                           {30, u" GB"}, {20, u" MB"}, {10, u" KB"}};

std::uint64_t part(std::uint64_t v, int shift) {
    return (v >> shift) & 1023;
}

void appendTwoDigits(StrBuffer* text, unsigned value) {
    if (value < 10) text->appendChar(u'0');
    text->appendUInt32(value);
}

void appendCalendar(StrBuffer* text, int year, unsigned month, unsigned day, unsigned hour,
                    unsigned minute, unsigned second) {
    text->appendInt32(year);
    text->appendChar(u'-');
    appendTwoDigits(text, month);
    text->appendChar(u'-');
    appendTwoDigits(text, day);
    text->appendChar(u' ');
    appendTwoDigits(text, hour);
    text->appendChar(u':');
    appendTwoDigits(text, minute);
    text->appendChar(u':');
    appendTwoDigits(text, second);
}

// Unsigned decimal, optionally with "," between groups of three digits from the right.
void appendDecimal(StrBuffer* text, std::uint64_t value, bool grouped) {
    char16_t digits[32];
    int count = 0;
    int inGroup = 0;
    do {
        if (grouped && inGroup == 3) {
            digits[count++] = u',';
            inGroup = 0;
        }
        digits[count++] = static_cast<char16_t>(u'0' + value % 10);
        ++inGroup;
        value /= 10;
    } while (value != 0);
    while (count > 0) text->appendChar(digits[--count]);
}

}  // namespace

const char16_t* FileFacts::sizeTypeKey(SizeType type) {
    return kSizeTypeKeys[static_cast<int>(type)];
}

SizeType FileFacts::sizeTypeOf(const StrBuffer* key) {
    for (int i = 0; i < 3; ++i) {
        StrBuffer* candidate = StrBuffer::create();
        candidate->appendText(kSizeTypeKeys[i]);
        bool same = key && candidate->equalsIgnoreCase(key);
        candidate->release();
        if (same) return static_cast<SizeType>(i);
    }
    return SizeType::Auto;
}

void FileFacts::appendAutoSize(std::uint64_t size, StrBuffer* text) {
    text->clear();
    if (size == UINT64_MAX - 1) return;  // -2: "no size"
    if (static_cast<std::int64_t>(size) < 0) {
        text->appendChar(u'-');
        return;
    }
    for (std::size_t i = 0; i < std::size(kUnits); ++i) {
        std::uint64_t n = part(size, kUnits[i].shift);
        if (n == 0) continue;
        // The part just below this unit gives the hundredths: f = (l * 100) >> 10.
        std::uint64_t f = (part(size, kUnits[i].shift - 10) * 100) >> 10;
        text->appendUInt32(static_cast<std::uint32_t>(n));
        if (n < 10) {
            text->appendChar(u'.');
            if (f < 10) text->appendChar(u'0');
            text->appendUInt32(static_cast<std::uint32_t>(f));
        } else if (n < 100) {
            text->appendChar(u'.');
            text->appendUInt32(static_cast<std::uint32_t>(f / 10));
        }
        text->appendText(kUnits[i].suffix);
        return;
    }
    text->appendUInt32(static_cast<std::uint32_t>(part(size, 0)));
    text->appendText(u" B");
}

void FileFacts::appendGroupedNumber(std::uint64_t size, StrBuffer* text) {
    text->clear();
    appendDecimal(text, size, true);
}

void FileFacts::formatCalculateSize(std::uint64_t size, SizeType type, bool comma,
                                    StrBuffer* text) {
    std::uint64_t value = size;
    switch (type) {
        case SizeType::Auto:
            appendAutoSize(size, text);
            return;
        case SizeType::KB:
            value = (size >> 10) + ((size & 1023) != 0 ? 1 : 0);
            break;
        case SizeType::MB:
            value = (size >> 20) + ((size & 1048575) != 0 ? 1 : 0);
            break;
        case SizeType::Bytes:
            break;
    }
    formatVerifySize(value, comma, text);
}

void FileFacts::formatVerifySize(std::uint64_t size, bool comma, StrBuffer* text) {
    text->clear();
    appendDecimal(text, size, comma);
}

void FileFacts::formatLongTime(std::int64_t seconds, StrBuffer* text) {
    text->clear();
    time::Time* time = time::Time::fromSeconds(seconds);
    time::Time::toText(time, text);
    time->release();
}

void FileFacts::formatShortTime(std::int64_t seconds, StrBuffer* text) {
    text->clear();
    platform::CalendarTime local = platform::localCalendarTime(seconds);
    appendCalendar(text, local.year, local.month, local.day, local.hour, local.minute,
                   local.second);
}

}  // namespace s::file::gui::dialogs::filehash
