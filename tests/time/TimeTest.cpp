// Time values: file-time arithmetic, calendar fields, the text with the offset in force now,
// and the zone record.
#include "time/Time.h"

#include <gtest/gtest.h>
#include <time.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "str/strbuffer/StrBuffer.h"
#include "time/TimeZone.h"

namespace {

using s::str::strbuffer::StrBuffer;
using s::time::Time;
using s::time::TimeZone;

// Sets TZ for one test and restores the previous zone afterwards.
class ZoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("TZ");
        hadZone_ = old != nullptr;
        if (old) oldZone_ = old;
    }
    void TearDown() override {
        if (hadZone_) {
            setenv("TZ", oldZone_.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    static void useZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }
    static std::string textOf(std::int64_t seconds) {
        Time* time = Time::fromSeconds(seconds);
        StrBuffer* text = Time::toText(time, nullptr);
        std::string out(text->data(), text->data() + text->length());
        text->release();
        time->release();
        return out;
    }

private:
    bool hadZone_ = false;
    std::string oldZone_;
};

using TimeText = ZoneTest;

TEST_F(TimeText, WritesLocalTimeAndTheCurrentOffset) {
    struct Case {
        const char* zone;
        std::int64_t seconds;
        const char* text;
    };
    const Case cases[] = {
        {"UTC0", 0, "1970-01-01 00:00:00 (+00:00)"},
        {"<-0330>3:30", 0, "1969-12-31 20:30:00 (-03:30)"},
        {"<+02>-2", 1367402645, "2013-05-01 12:04:05 (+02:00)"},
        {"<+1345>-13:45", 1367402645, "2013-05-01 23:49:05 (+13:45)"},
        {"<-10>10", 1367402645, "2013-05-01 00:04:05 (-10:00)"},
        // Years below 1000 have no leading zeros; the other fields always two digits.
        {"UTC0", -30636384833, "999-03-04 05:06:07 (+00:00)"},
        {"UTC0", -59011361755, "100-01-02 03:04:05 (+00:00)"},
        // The last second of the file-time scale.
        {"UTC0", INT64_MAX, "30828-09-14 02:48:05 (+00:00)"},
    };
    for (const Case& c : cases) {
        useZone(c.zone);
        EXPECT_EQ(textOf(c.seconds), c.text) << c.zone << " " << c.seconds;
    }
}

TEST_F(TimeText, UsesTheOffsetInForceNowForEveryDate) {
    useZone("EST5EDT,M3.2.0,M11.1.0");
    const std::int64_t offset = Time::utcOffset();
    const time_t now = time(nullptr);
    struct tm fields {};
    localtime_r(&now, &fields);
    EXPECT_EQ(offset, fields.tm_isdst > 0 ? -4 * 3600 : -5 * 3600);
    const std::string suffix = offset == -5 * 3600 ? " (-05:00)" : " (-04:00)";
    const int hourWinter = offset == -5 * 3600 ? 7 : 8;
    // 2020-01-15 12:00 UTC and 2020-07-15 12:00 UTC: one offset, the one in force now.
    EXPECT_EQ(textOf(1579089600), "2020-01-15 0" + std::to_string(hourWinter) + ":00:00" + suffix);
    EXPECT_EQ(textOf(1594814400), "2020-07-15 0" + std::to_string(hourWinter) + ":00:00" + suffix);
}

TEST_F(TimeText, ReusesAGivenStringAfterEmptyingIt) {
    useZone("UTC0");
    Time* time = Time::fromSeconds(86399);
    StrBuffer* text = StrBuffer::create();
    text->appendText(u"old text");
    EXPECT_EQ(Time::toText(time, text), text);
    EXPECT_EQ(std::u16string(text->data(), text->length()), u"1970-01-01 23:59:59 (+00:00)");
    text->release();
    time->release();
}

TEST(Time, FileTimeArithmetic) {
    EXPECT_EQ(Time::epoch(), 116444736000000000);
    EXPECT_EQ(Time::toFileTime(0), Time::epoch());
    EXPECT_EQ(Time::toFileTime(-11644473600), 0);
    // Beyond the 64-bit range the file time saturates instead of overflowing.
    EXPECT_EQ(Time::toFileTime(INT64_MAX / 1000), INT64_MAX);
    EXPECT_EQ(Time::toFileTime(INT64_MIN / 1000), INT64_MIN);
    struct Case {
        std::int64_t fileTime;
        std::int64_t seconds;
    };
    const Case cases[] = {
        {Time::epoch() + 25000000, 2},
        {Time::epoch() - 5000000, 0},  // toward zero, not down
        {Time::epoch() - 15000000, -1},
        {0, -11644473600},
        {-5000000, -11644473600},
        {INT64_MAX, 910692730085},
        {INT64_MIN, -910692730085 - 2 * 11644473600},
    };
    for (const Case& c : cases) EXPECT_EQ(Time::toSeconds(c.fileTime), c.seconds) << c.fileTime;
    // The first instant of the scale still has calendar fields.
    Time* first = Time::fromSeconds(INT64_MIN);
    EXPECT_LT(first->year(), -27000);
    first->release();
}

TEST(Time, CalendarFieldsMatchTheProlepticGregorianCalendar) {
    using namespace std::chrono;
    const year_month_day dates[] = {
        1970y / 1 / 1,   1601y / 1 / 1,  1600y / 2 / 29,  1600y / 3 / 1,
        1000y / 12 / 31, 999y / 3 / 4,   1y / 1 / 1,      1900y / 3 / 1,
        2000y / 2 / 29,  2038y / 1 / 19, 2100y / 12 / 31, 9999y / 12 / 31,
    };
    Time* time = Time::create();
    for (const year_month_day& date : dates) {
        const sys_days day{date};
        const std::int64_t seconds = day.time_since_epoch().count() * 86400 + 13 * 3600 + 1501;
        time->set(Time::toFileTime(seconds) + 1234567);  // + 123.4567 ms
        SCOPED_TRACE(static_cast<int>(date.year()));
        EXPECT_EQ(time->year(), static_cast<int>(date.year()));
        EXPECT_EQ(time->month(), static_cast<unsigned>(date.month()));
        EXPECT_EQ(time->day(), static_cast<unsigned>(date.day()));
        EXPECT_EQ(time->dayOfWeek(), weekday(day).c_encoding());
        EXPECT_EQ(time->hour(), 13);
        EXPECT_EQ(time->minute(), 25);
        EXPECT_EQ(time->second(), 1);
        EXPECT_EQ(time->milliseconds(), 123);
    }
    // Back in the pool it is the 1970 epoch again, a Thursday.
    time->release();
    Time* again = Time::create();
    EXPECT_EQ(again->instant(), Time::epoch());
    EXPECT_EQ(again->year(), 1970);
    EXPECT_EQ(again->dayOfWeek(), 4);
    EXPECT_EQ(again->hour(), 0);
    again->release();
}

using TimeZoneRecord = ZoneTest;

TEST_F(TimeZoneRecord, FilledFromTheZoneInForce) {
    useZone("EST5EDT,M3.2.0,M11.1.0");
    TimeZone* zone = TimeZone::current();
    const TimeZone::Record& r = zone->record();
    EXPECT_EQ(r.bias, 300);
    EXPECT_EQ(r.standardBias, 0);
    EXPECT_EQ(r.daylightBias, -60);
    EXPECT_EQ(std::u16string(r.standardName), u"EST");
    EXPECT_EQ(std::u16string(r.daylightName), u"EDT");
    EXPECT_EQ(zone->id()->length(), std::char_traits<char>::length("EST5EDT,M3.2.0,M11.1.0"));
    // Second Sunday of March and first Sunday of November, both at 02:00.
    EXPECT_EQ(r.daylightDate.month, 3);
    EXPECT_EQ(r.daylightDate.day, 2);
    EXPECT_EQ(r.daylightDate.dayOfWeek, 0);
    EXPECT_EQ(r.daylightDate.hour, 2);
    EXPECT_EQ(r.standardDate.month, 11);
    EXPECT_EQ(r.standardDate.day, 1);
    EXPECT_EQ(r.standardDate.hour, 2);
    zone->release();

    useZone("<-0330>3:30");
    zone = TimeZone::current();
    EXPECT_EQ(zone->record().bias, 210);
    EXPECT_EQ(zone->record().daylightBias, 0);
    EXPECT_EQ(zone->record().daylightDate.month, 0);  // no daylight saving
    zone->release();
}

}  // namespace
