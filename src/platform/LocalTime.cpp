// localtime_r behind the platform boundary.
#include "platform/LocalTime.h"

#include <time.h>

namespace platform {

CalendarTime localCalendarTime(std::int64_t seconds) {
    tzset();  // localtime_r alone does not notice a changed TZ
    CalendarTime out;
    time_t t = static_cast<time_t>(seconds);
    struct tm fields {};
    if (!localtime_r(&t, &fields)) return out;
    out.year = fields.tm_year + 1900;
    out.month = static_cast<unsigned>(fields.tm_mon + 1);
    out.day = static_cast<unsigned>(fields.tm_mday);
    out.hour = static_cast<unsigned>(fields.tm_hour);
    out.minute = static_cast<unsigned>(fields.tm_min);
    out.second = static_cast<unsigned>(fields.tm_sec);
    return out;
}

}  // namespace platform
