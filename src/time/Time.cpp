// File-time arithmetic, the calendar split and the text form of a time.
#include "time/Time.h"

#include <cstdint>

#include "platform/Time.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::time {

using str::strbuffer::StrBuffer;

namespace {

constexpr std::int64_t kTicksPerDay = 86400 * Time::kTicksPerSecond;
// Days from 0000-03-01 to 1601-01-01 in the proleptic Gregorian calendar.
constexpr std::int64_t kDaysTo1601 = 584694;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// File times from a damaged or crafted file system can be anything: the arithmetic saturates
// at the ends of the 64-bit range instead of overflowing.
std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? INT64_MAX : INT64_MIN;
}

void appendTwoDigits(StrBuffer* text, unsigned value) {
    if (value < 10) text->appendChar(u'0');
    text->appendUInt32(value);
}

}  // namespace

std::int64_t Time::epoch() {
    static const std::int64_t value = 116444736LL * 1000000000LL;
    return value;
}

std::int64_t Time::toFileTime(std::int64_t seconds) {
    std::int64_t ticks;
    if (__builtin_mul_overflow(seconds, kTicksPerSecond, &ticks)) {
        return seconds < 0 ? INT64_MIN : INT64_MAX;
    }
    return saturatingAdd(ticks, epoch());
}

std::int64_t Time::toSeconds(std::int64_t fileTime) {
    // (fileTime - epoch) / 10^7 toward zero, split so that the difference cannot overflow:
    // whole seconds of each, then the remainder of fileTime moves the result toward zero.
    const std::int64_t whole = fileTime / kTicksPerSecond - epoch() / kTicksPerSecond;
    const std::int64_t rest = fileTime % kTicksPerSecond;
    if (whole > 0 && rest < 0) return whole - 1;
    if (whole < 0 && rest > 0) return whole + 1;
    return whole;
}

std::int64_t Time::toLocalSeconds(std::int64_t seconds) {
    return toSeconds(
        saturatingAdd(toFileTime(seconds), platform::utcOffsetNow() * kTicksPerSecond));
}

std::int64_t Time::utcOffset() {
    return toLocalSeconds(172800) - 172800;
}

Time* Time::fromSeconds(std::int64_t seconds) {
    Time* time = create();
    time->set(toFileTime(toLocalSeconds(seconds)));
    return time;
}

void Time::set(std::int64_t fileTime) {
    instant_ = fileTime;
    std::int64_t ticks = fileTime % kTicksPerDay;
    std::int64_t days = fileTime / kTicksPerDay;
    if (ticks < 0) {
        ticks += kTicksPerDay;
        --days;
    }
    const std::int64_t seconds = ticks / kTicksPerSecond;
    hour_ = static_cast<std::uint8_t>(seconds / 3600);
    minute_ = static_cast<std::uint8_t>(seconds / 60 % 60);
    second_ = static_cast<std::uint8_t>(seconds % 60);
    milliseconds_ = static_cast<std::uint16_t>(ticks % kTicksPerSecond / 10000);
    // 1601-01-01 was a Monday.
    std::int64_t weekday = (days + 1) % 7;
    if (weekday < 0) weekday += 7;
    dayOfWeek_ = static_cast<std::uint8_t>(weekday);
    // Civil date from a day count in 400-year eras starting on 1 March (H. Hinnant's
    // days-to-civil algorithm).
    const std::int64_t z = days + kDaysTo1601;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;  // 0 = March
    day_ = static_cast<std::uint8_t>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month_ = static_cast<std::uint8_t>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year_ = static_cast<std::int16_t>(yearOfEra + era * 400 + (month_ <= 2 ? 1 : 0));
}

StrBuffer* Time::toText(const Time* time, StrBuffer* text) {
    if (!text) {
        text = StrBuffer::create();
    } else {
        text->clear();
    }
    if (!time) return text;
    // 1. The year without padding.
    text->appendInt32(time->year_);
    // 2.-3. Month and day.
    text->appendChar(u'-');
    appendTwoDigits(text, time->month_);
    text->appendChar(u'-');
    appendTwoDigits(text, time->day_);
    // 4. The time of day.
    text->appendChar(u' ');
    appendTwoDigits(text, time->hour_);
    text->appendChar(u':');
    appendTwoDigits(text, time->minute_);
    text->appendChar(u':');
    appendTwoDigits(text, time->second_);
    // 5.-6. The offset in force now.
    const std::int64_t offset = utcOffset();
    text->appendText(offset < 0 ? u" (-" : u" (+");
    const std::int64_t absolute = offset < 0 ? -offset : offset;
    appendTwoDigits(text, static_cast<unsigned>(absolute / 3600));
    text->appendChar(u':');
    appendTwoDigits(text, static_cast<unsigned>(absolute / 60 % 60));
    text->appendChar(u')');
    return text;
}

}  // namespace s::time
