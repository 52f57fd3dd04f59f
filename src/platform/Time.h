// The local time zone in force: its offset from UTC now and its standard and daylight rules.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Seconds to add to UTC to get the local time now (TZ honoured; daylight saving if in force).
std::int64_t utcOffsetNow();

// Seconds since 1970-01-01 00:00 UTC now.
std::int64_t secondsNow();

// A change between standard and daylight time, in local calendar fields.
struct ZoneTransition {
    int year = 0;  // 0: none
    int month = 0;
    int dayOfWeek = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The zone in force for the current year. Offsets are seconds east of UTC.
struct ZoneInfo {
    std::string id;  // the TZ value, or the zone the system uses
    std::string standardName;
    std::string daylightName;
    std::int64_t standardOffset = 0;
    std::int64_t daylightOffset = 0;
    ZoneTransition daylightStart;  // standard -> daylight, local standard time
    ZoneTransition standardStart;  // daylight -> standard, local daylight time
};
ZoneInfo currentZone();

}  // namespace platform
