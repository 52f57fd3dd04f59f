// localtime_r and tzset behind the platform boundary.
#include "platform/Time.h"

#include <time.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace platform {

namespace {

struct tm localFields(time_t t) {
    struct tm fields {};
    localtime_r(&t, &fields);
    return fields;
}

// The first second in (from, to] whose daylight flag differs from that of from.
time_t findChange(time_t from, time_t to) {
    const int before = localFields(from).tm_isdst;
    while (to - from > 1) {
        time_t mid = from + (to - from) / 2;
        if (localFields(mid).tm_isdst == before) {
            from = mid;
        } else {
            to = mid;
        }
    }
    return to;
}

// The moment of a change as the wall-clock time in force just before it.
ZoneTransition transitionAt(time_t change) {
    const time_t wall = change + localFields(change - 1).tm_gmtoff;
    struct tm f {};
    gmtime_r(&wall, &f);
    ZoneTransition out;
    out.year = f.tm_year + 1900;
    out.month = f.tm_mon + 1;
    out.dayOfWeek = f.tm_wday;
    out.day = f.tm_mday;
    out.hour = f.tm_hour;
    out.minute = f.tm_min;
    out.second = f.tm_sec;
    return out;
}

std::string systemZoneId() {
    if (const char* tz = std::getenv("TZ")) return tz[0] == ':' ? tz + 1 : tz;
    char target[PATH_MAX];
    ssize_t n = readlink("/etc/localtime", target, sizeof target - 1);
    if (n <= 0) return "UTC";
    std::string link(target, static_cast<std::size_t>(n));
    const std::string marker = "zoneinfo/";
    std::string::size_type at = link.find(marker);
    return at == std::string::npos ? link : link.substr(at + marker.size());
}

}  // namespace

std::int64_t utcOffsetNow() {
    tzset();  // localtime_r alone does not notice a changed TZ
    return localFields(time(nullptr)).tm_gmtoff;
}

std::int64_t secondsNow() {
    return static_cast<std::int64_t>(time(nullptr));
}

ZoneInfo currentZone() {
    tzset();
    ZoneInfo zone;
    zone.id = systemZoneId();
    zone.standardName = tzname[0] ? tzname[0] : "";
    zone.daylightName = tzname[1] ? tzname[1] : "";
    const time_t now = time(nullptr);
    struct tm today = localFields(now);
    struct tm start {};
    start.tm_year = today.tm_year;
    start.tm_mday = 1;
    start.tm_isdst = -1;
    const time_t yearStart = timegm(&start) - 14 * 3600;  // before local new year everywhere
    start.tm_year += 1;
    const time_t yearEnd = timegm(&start) + 14 * 3600;
    // Walk the year a day at a time and pin each change of the daylight flag to the second.
    struct tm first = localFields(yearStart);
    zone.standardOffset = first.tm_gmtoff;
    zone.daylightOffset = first.tm_gmtoff;
    bool sawStandard = first.tm_isdst <= 0;
    for (time_t t = yearStart; t < yearEnd; t += 86400) {
        const time_t next = t + 86400;
        struct tm a = localFields(t);
        struct tm b = localFields(next);
        if (b.tm_isdst <= 0) sawStandard = true;
        if (a.tm_isdst == b.tm_isdst) continue;
        const time_t change = findChange(t, next);
        if (b.tm_isdst > 0) {
            zone.daylightOffset = b.tm_gmtoff;
            zone.standardOffset = a.tm_gmtoff;
            zone.daylightStart = transitionAt(change);
        } else {
            zone.standardOffset = b.tm_gmtoff;
            zone.daylightOffset = a.tm_gmtoff;
            zone.standardStart = transitionAt(change);
        }
    }
    if (!sawStandard) zone.standardOffset = zone.daylightOffset;
    return zone;
}

}  // namespace platform
