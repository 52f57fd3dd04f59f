// Size and time texts of the file facts.
#include <gtest/gtest.h>

#include <time.h>
#include <cstdlib>
#include <optional>
#include <string>

#include "file/gui/dialogs/filehash/FileFacts.h"
#include "str/Utf8.h"

namespace {

using s::file::gui::dialogs::filehash::FileFacts;
using s::file::gui::dialogs::filehash::SizeType;
using s::str::strbuffer::StrBuffer;

std::string utf8(const StrBuffer* text) {
    return s::str::toUtf8String(text->data(), text->length());
}

template <class F>
std::string textOf(F format) {
    StrBuffer* text = StrBuffer::create();
    text->appendText(u"old content");  // every formatter replaces what was there
    format(text);
    std::string out = utf8(text);
    text->release();
    return out;
}

constexpr std::uint64_t KB = 1024, MB = KB * 1024, GB = MB * 1024, TB = GB * 1024;

TEST(FileFacts, AutomaticSizeText) {
    struct Case {
        std::uint64_t size;
        const char* text;
    } cases[] = {
        {0, "0 B"},
        {1023, "1023 B"},
        {1024, "1.00 KB"},
        {1536, "1.50 KB"},
        {10 * KB + 512, "10.5 KB"},
        {100 * KB, "100 KB"},
        {MB - 1, "1023 KB"},
        {GB, "1.00 GB"},
        {TB + 5 * MB, "1.00 TB"},  // only the unit's part and the one below count
        {5 * GB + 512 * MB, "5.50 GB"},
        {9 * MB + 1013 * KB, "9.98 MB"},  // hundredths truncated
        {1024 * TB, "1.00 PB"},
        {1536 * 1024 * TB, "1.50 EB"},
        {UINT64_MAX - 1, ""},  // -2: no size
        {UINT64_MAX, "-"},     // negative
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textOf([&](StrBuffer* t) { FileFacts::appendAutoSize(c.size, t); }), c.text)
            << c.size;
    }
}

TEST(FileFacts, GroupedNumber) {
    struct Case {
        std::uint64_t value;
        const char* text;
    } cases[] = {{0, "0"},
                 {999, "999"},
                 {1000, "1,000"},
                 {1234567, "1,234,567"},
                 {UINT64_MAX, "18,446,744,073,709,551,615"}};
    for (const Case& c : cases) {
        EXPECT_EQ(textOf([&](StrBuffer* t) { FileFacts::appendGroupedNumber(c.value, t); }),
                  c.text);
    }
}

TEST(FileFacts, CalculateAndVerifySizeFields) {
    struct Case {
        std::uint64_t size;
        SizeType type;
        bool comma;
        const char* text;
    } cases[] = {
        {0, SizeType::KB, false, "0"},
        {0, SizeType::MB, true, "0"},
        {1, SizeType::KB, false, "1"},
        {1025, SizeType::KB, false, "2"},
        {1048576, SizeType::MB, true, "1"},
        {123456789, SizeType::Bytes, true, "123,456,789"},
        {123456789, SizeType::Bytes, false, "123456789"},
        {1536, SizeType::Auto, true, "1.50 KB"},  // the comma box does not apply to Auto
        {5000 * MB, SizeType::MB, true, "5,000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textOf([&](StrBuffer* t) {
                      FileFacts::formatCalculateSize(c.size, c.type, c.comma, t);
                  }),
                  c.text);
    }
    EXPECT_EQ(textOf([](StrBuffer* t) { FileFacts::formatVerifySize(1234567, true, t); }),
              "1,234,567");
    EXPECT_EQ(textOf([](StrBuffer* t) { FileFacts::formatVerifySize(1234567, false, t); }),
              "1234567");
}

TEST(FileFacts, SizeTypeKeys) {
    struct Case {
        const char16_t* key;
        SizeType type;
    } cases[] = {{u"Bytes", SizeType::Bytes}, {u"kb", SizeType::KB},   {u"MB", SizeType::MB},
                 {u"Auto", SizeType::Auto},   {u"GB", SizeType::Auto}, {u"", SizeType::Auto}};
    for (const Case& c : cases) {
        StrBuffer* key = StrBuffer::create();
        key->appendText(c.key);
        EXPECT_EQ(FileFacts::sizeTypeOf(key), c.type);
        key->release();
    }
}

class ZoneTest : public ::testing::Test {
protected:
    void setZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }
    void TearDown() override {
        if (saved_) {
            setenv("TZ", saved_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) saved_ = std::string(tz);
    }
    std::optional<std::string> saved_;
};

TEST_F(ZoneTest, LongTimeCarriesTheCurrentOffset) {
    struct Case {
        const char* zone;
        std::int64_t seconds;
        const char* text;
    } cases[] = {
        {"UTC0", 0, "1970-01-01 00:00:00 (+00:00)"},
        {"<-05>5", 1367402645, "2013-05-01 05:04:05 (-05:00)"},
        {"<+0530>-5:30", 1367402645, "2013-05-01 15:34:05 (+05:30)"},
        {"<+09>-9", 1372032307, "2013-06-24 09:05:07 (+09:00)"},
        {"<-0330>3:30", 0, "1969-12-31 20:30:00 (-03:30)"},
    };
    for (const Case& c : cases) {
        setZone(c.zone);
        EXPECT_EQ(textOf([&](StrBuffer* t) { FileFacts::formatLongTime(c.seconds, t); }), c.text)
            << c.zone;
    }
}

TEST_F(ZoneTest, ShortTimeUsesTheRuleOfItsDate) {
    // Central Europe: +01:00 in winter, +02:00 in summer, whatever the date is today.
    setZone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(textOf([](StrBuffer* t) { FileFacts::formatShortTime(1372032307, t); }),
              "2013-06-24 02:05:07");  // summer: +2
    EXPECT_EQ(textOf([](StrBuffer* t) { FileFacts::formatShortTime(1356998400, t); }),
              "2013-01-01 01:00:00");  // winter: +1
}

}  // namespace
