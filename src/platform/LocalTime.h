// Local calendar time of an instant with the daylight-saving rule of that date.
#pragma once

#include <cstdint>

namespace platform {

struct CalendarTime {
    int year = 1970;
    unsigned month = 1;  // 1-12
    unsigned day = 1;    // 1-31
    unsigned hour = 0;
    unsigned minute = 0;
    unsigned second = 0;
};

// The C library's local-time conversion of seconds since 1970-01-01 00:00 UTC (TZ honoured).
CalendarTime localCalendarTime(std::int64_t seconds);

}  // namespace platform
