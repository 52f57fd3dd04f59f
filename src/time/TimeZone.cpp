// Fills the zone record from the platform's description of the zone in force.
#include "time/TimeZone.h"

#include <algorithm>

#include "platform/Time.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::time {

using str::strbuffer::StrBuffer;

namespace {

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// The yearly rule of a change: the n-th (or last) given weekday of its month.
TimeZone::SystemTime ruleOf(const platform::ZoneTransition& change) {
    TimeZone::SystemTime rule{};
    if (change.year == 0) return rule;
    rule.month = static_cast<std::uint16_t>(change.month);
    rule.dayOfWeek = static_cast<std::uint16_t>(change.dayOfWeek);
    const bool last = change.day + 7 > daysInMonth(change.year, change.month);
    rule.day = static_cast<std::uint16_t>(last ? 5 : (change.day - 1) / 7 + 1);
    rule.hour = static_cast<std::uint16_t>(change.hour);
    rule.minute = static_cast<std::uint16_t>(change.minute);
    rule.second = static_cast<std::uint16_t>(change.second);
    return rule;
}

void fillName(StrBuffer* text, char16_t (&field)[32], const std::string& name) {
    text->clear();
    text->appendNarrowText(name.c_str());  // zone names are ASCII
    const std::uint32_t n = std::min<std::uint32_t>(text->length(), 31);
    std::copy(text->data(), text->data() + n, field);
    field[n] = u'\0';
}

}  // namespace

TimeZone::TimeZone()
    : standardName_(StrBuffer::create()),
      daylightName_(StrBuffer::create()),
      id_(StrBuffer::create()) {}

TimeZone::~TimeZone() {
    standardName_->release();
    daylightName_->release();
    id_->release();
}

void TimeZone::recycle() {
    record_ = Record{};
    standardName_->clear();
    daylightName_->clear();
    id_->clear();
}

TimeZone* TimeZone::current() {
    TimeZone* zone = create();
    zone->load();
    return zone;
}

void TimeZone::load() {
    recycle();
    const platform::ZoneInfo zone = platform::currentZone();
    record_.bias = static_cast<std::int32_t>(-zone.standardOffset / 60);
    record_.standardBias = 0;
    record_.daylightBias =
        static_cast<std::int32_t>(-(zone.daylightOffset - zone.standardOffset) / 60);
    record_.standardDate = ruleOf(zone.standardStart);
    record_.daylightDate = ruleOf(zone.daylightStart);
    fillName(standardName_, record_.standardName, zone.standardName);
    fillName(daylightName_, record_.daylightName, zone.daylightName);
    id_->appendNarrowText(zone.id.c_str());
}

}  // namespace s::time
