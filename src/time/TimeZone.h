// The time zone in force: bias, standard and daylight names, dates and biases in the classic
// 172-byte zone record, and the names and the zone's id as strings.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "thread/Pooled.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::time {

class TimeZone : public base::IObject, public thread::Pooled<TimeZone> {
public:
    // A calendar time; with year 0 a yearly rule: month, dayOfWeek, and day as the week of
    // the month (1-4, 5 for the last).
    struct SystemTime {
        std::uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
    };
    // Biases are minutes with UTC = local time + bias.
    struct Record {
        std::int32_t bias;
        char16_t standardName[32];
        SystemTime standardDate;  // daylight -> standard
        std::int32_t standardBias;
        char16_t daylightName[32];
        SystemTime daylightDate;  // standard -> daylight
        std::int32_t daylightBias;
    };
    static_assert(sizeof(Record) == 172);

    TimeZone();
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;
    ~TimeZone() override;

    const char16_t* typeName() const override { return u"s_time_TimeZone"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;

    // A zone from the pool filled from the zone in force; the caller releases it.
    static TimeZone* current();
    // Fills the record and the strings from the zone in force (TZ honoured).
    void load();

    const Record& record() const { return record_; }
    const str::strbuffer::StrBuffer* standardName() const { return standardName_; }
    const str::strbuffer::StrBuffer* daylightName() const { return daylightName_; }
    const str::strbuffer::StrBuffer* id() const { return id_; }

private:
    Record record_{};
    str::strbuffer::StrBuffer* standardName_;
    str::strbuffer::StrBuffer* daylightName_;
    str::strbuffer::StrBuffer* id_;
};

}  // namespace s::time
