// A local calendar time on the file-time scale (100-ns intervals since 1601-01-01 00:00),
// the conversions from seconds since 1970 and its text "2013-05-01 12:04:05 (+02:00)".
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "thread/Pooled.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::time {

class Time : public base::IObject, public thread::Pooled<Time> {
public:
    static constexpr std::int64_t kTicksPerSecond = 10000000;

    Time() { set(epoch()); }

    const char16_t* typeName() const override { return u"s_time_Time"; }
    base::IObject* newInstance() const override { return create(); }
    // Back to 1970-01-01 00:00:00.000, a Thursday.
    void recycle() override { set(epoch()); }

    // 1970-01-01 00:00 UTC on the file-time scale: 11644473600 s x 10^7.
    static std::int64_t epoch();
    static std::int64_t toFileTime(std::int64_t seconds);
    // Rounded toward zero.
    static std::int64_t toSeconds(std::int64_t fileTime);
    // seconds shifted by the offset from UTC in force now (whatever the date of seconds).
    static std::int64_t toLocalSeconds(std::int64_t seconds);
    // The offset from UTC in force now, in seconds (east positive).
    static std::int64_t utcOffset();
    // A Time from the pool holding the local time of seconds; the caller releases it.
    static Time* fromSeconds(std::int64_t seconds);
    // Writes the time and the current offset into text (a new pooled string when null,
    // else emptied first) and returns it.
    static str::strbuffer::StrBuffer* toText(const Time* time, str::strbuffer::StrBuffer* text);

    // Stores the instant and fills the calendar fields (proleptic Gregorian calendar).
    void set(std::int64_t fileTime);

    std::int64_t instant() const { return instant_; }
    std::int16_t year() const { return year_; }
    std::uint8_t month() const { return month_; }
    std::uint8_t dayOfWeek() const { return dayOfWeek_; }  // 0 Sunday
    std::uint8_t day() const { return day_; }
    std::uint8_t hour() const { return hour_; }
    std::uint8_t minute() const { return minute_; }
    std::uint8_t second() const { return second_; }
    std::uint16_t milliseconds() const { return milliseconds_; }

private:
    std::int64_t instant_ = 0;
    std::int16_t year_ = 1970;
    std::uint8_t month_ = 1;
    std::uint8_t dayOfWeek_ = 4;
    std::uint8_t day_ = 1;
    std::uint8_t hour_ = 0;
    std::uint8_t minute_ = 0;
    std::uint8_t second_ = 0;
    std::uint16_t milliseconds_ = 0;
};

}  // namespace s::time
