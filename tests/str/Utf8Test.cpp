// The lossless UTF-8 codec and the string's byte forms: UTF-8, UTF-16 LE/BE, code pages
// through the platform, and hexadecimal text to bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "col/_array/ArrayU08.h"
#include "str/Utf8.h"
#include "str/strbuffer/StrBuffer.h"

using s::col::_array::ArrayU08;
using s::str::CodePage;
using s::str::strbuffer::StrBuffer;

namespace {

std::u16string decoded(const std::string& bytes) {
    StrBuffer* s = StrBuffer::create();
    s::str::appendUtf8(s, bytes);
    std::u16string text(s->text(), s->length());
    s->release();
    return text;
}

std::string encoded(const std::u16string& text) {
    return s::str::toUtf8String(text.data(), static_cast<std::uint32_t>(text.size()));
}

std::vector<std::uint8_t> bytesOf(ArrayU08* array) {
    std::vector<std::uint8_t> bytes(array->data(), array->data() + array->length());
    array->release();
    return bytes;
}

struct ByteCase {
    const char* kind;
    std::string bytes;
    std::u16string text;  // what the bytes decode to
};

// Every kind of invalid sequence decodes byte by byte to U+DC80 + byte and encodes back to
// exactly the same bytes.
TEST(Utf8, InvalidBytesRoundTripExactly) {
    const ByteCase cases[] = {
        {"valid mix", "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", u"a\u00E9\u20AC\U0001F600"},
        {"lone continuation", "a\x80z", u"a\xDC80z"},
        {"continuations only", "\xBF\x80", u"\xDCBF\xDC80"},
        {"overlong 2-byte", "\xC0\xAF", u"\xDCC0\xDCAF"},
        {"overlong 3-byte", "\xE0\x80\xAF", u"\xDCE0\xDC80\xDCAF"},
        {"overlong 4-byte", "\xF0\x80\x80\xAF", u"\xDCF0\xDC80\xDC80\xDCAF"},
        {"truncated 2-byte at end", "x\xC3", u"x\xDCC3"},
        {"truncated 3-byte before ASCII", "\xE2\x82z", u"\xDCE2\xDC82z"},
        {"truncated 4-byte before a valid one", "\xF0\x9F\xC3\xA9", u"\xDCF0\xDC9F\u00E9"},
        {"encoded escape surrogate", "\xED\xB2\x80", u"\xDCED\xDCB2\xDC80"},
        {"encoded pair (CESU)", "\xED\xA0\xBD\xED\xB8\x80", u"\xDCED\xDCA0\xDCBD\xDE00"},
        {"encoded high before an invalid byte", "\xED\xA0\x80\xFF", u"\xDCED\xDCA0\xDC80\xDCFF"},
        {"encoded lone high", "\xED\xA0\x80z", u"\xD800z"},
        {"encoded lone low", "\xED\xBF\xBF", u"\xDFFF"},
        {"0xFF and 0xFE", "\xFF\xFE", u"\xDCFF\xDCFE"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},
        {"F5 lead", "\xF5\x80\x80\x80", u"\xDCF5\xDC80\xDC80\xDC80"},
        {"embedded zero", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const ByteCase& c : cases) {
        EXPECT_EQ(decoded(c.bytes), c.text) << c.kind;
        EXPECT_EQ(encoded(decoded(c.bytes)), c.bytes) << c.kind;
    }
}

TEST(Utf8, EveryByteAndEveryPairRoundTrips) {
    // Single bytes and all two-byte sequences, each between ASCII neighbours.
    for (int a = 0; a < 256; ++a) {
        for (int b = -1; b < 256; ++b) {
            std::string bytes = "<";
            bytes += char(a);
            if (b >= 0) bytes += char(b);
            bytes += ">";
            ASSERT_EQ(encoded(decoded(bytes)), bytes) << a << " " << b;
        }
    }
}

TEST(Utf8, LoneSurrogatesSurviveTheTripFromText) {
    const std::u16string texts[] = {
        u"\xD800",        u"x\xDBFFy", u"\xDC00", u"\xDFFF\xD800",
        u"\xD83D\xDE00",  // a real pair stays a pair
        u"\xD800\xD800z",
    };
    for (const std::u16string& text : texts) {
        EXPECT_EQ(decoded(encoded(text)), text) << encoded(text).size();
    }
    EXPECT_EQ(encoded(u"\xD800"), "\xED\xA0\x80");    // 3-byte form
    EXPECT_EQ(encoded(u"\xDC80\xDCFF"), "\x80\xFF");  // escapes become their bytes
}

TEST(StrBufferBytes, Utf8IntoArraysWithAndWithoutZero) {
    StrBuffer* s = StrBuffer::create();
    s->assignText(u"\u00E9\xDCFF");
    EXPECT_EQ(bytesOf(s->toUtf8()), (std::vector<std::uint8_t>{0xC3, 0xA9, 0xFF, 0x00}));
    ArrayU08* bytes = ArrayU08::create();
    bytes->appendOne('>');
    s->toUtf8NoZero(bytes, true);
    EXPECT_EQ(bytesOf(bytes), (std::vector<std::uint8_t>{'>', 0xC3, 0xA9, 0xFF}));

    const std::uint8_t input[] = {'a', 0xFE, 'b', 0, 'c'};
    s->fromUtf8(input);  // up to the zero byte
    EXPECT_EQ(std::u16string(s->text()),
              u"a\xDCFE"
              u"b");
    s->fromUtf8(input + 4, true, 1);
    EXPECT_EQ(std::u16string(s->text()),
              u"a\xDCFE"
              u"bc");
    s->clear();
    EXPECT_EQ(bytesOf(s->toUtf8()), std::vector<std::uint8_t>{0});  // the zero byte still comes
    s->release();
}

TEST(StrBufferBytes, CodePages) {
    StrBuffer* s = StrBuffer::create();
    s->assignText(u"A\u00E9\u20AC");
    struct Case {
        std::uint32_t codePage;
        std::vector<std::uint8_t> noZero;
    };
    const Case cases[] = {
        {1200, {'A', 0, 0xE9, 0, 0xAC, 0x20}},
        {1201, {0, 'A', 0, 0xE9, 0x20, 0xAC}},
        {65001, {'A', 0xC3, 0xA9, 0xE2, 0x82, 0xAC}},
        {1252, {'A', 0xE9, 0x80}},
        {28591, {'A', 0xE9, '?'}},  // no euro sign in Latin-1
        {437, {'A', 0x82, '?'}},
    };
    for (const Case& c : cases) {
        const CodePage page(c.codePage);
        EXPECT_EQ(bytesOf(s->encodeNoZero(page)), c.noZero) << c.codePage;
        std::vector<std::uint8_t> zero = bytesOf(s->encode(page));
        EXPECT_EQ(zero.back(), 0) << c.codePage;
        // Decoding the bytes (up to the terminator) gives the text back where it was
        // representable.
        StrBuffer* back = StrBuffer::create();
        back->decode(page, zero.data());
        std::u16string expected = c.noZero.back() == '?' ? u"A\u00E9?" : u"A\u00E9\u20AC";
        EXPECT_EQ(std::u16string(back->text()), expected) << c.codePage;
        back->release();
    }
    // 936 and 932 are multi-byte code pages.
    s->assignText(u"\u4E2D");
    EXPECT_EQ(bytesOf(s->encodeNoZero(CodePage(936))), (std::vector<std::uint8_t>{0xD6, 0xD0}));
    EXPECT_EQ(bytesOf(s->encodeNoZero(CodePage(932))), (std::vector<std::uint8_t>{0x92, 0x86}));
    // An unknown code page converts nothing; the zero byte still comes.
    EXPECT_EQ(bytesOf(s->encode(CodePage(4242))), std::vector<std::uint8_t>{0});
    s->assignText(u"kept");
    const std::uint8_t invalid[] = {'x', 'y', 0x81, 0};
    s->decode(CodePage(4242), invalid, true);
    EXPECT_EQ(std::u16string(s->text()), u"kept");
    s->decode(CodePage(932), invalid);  // a truncated lead byte becomes U+FFFD
    EXPECT_EQ(std::u16string(s->text()), u"xy\uFFFD");
    s->release();
}

TEST(StrBufferBytes, OemUsesTheLocaleCharacterSet) {
    StrBuffer* s = StrBuffer::create();
    s->assignText(u"plain ASCII");
    std::vector<std::uint8_t> bytes = bytesOf(s->toOem());
    EXPECT_EQ(bytes.size(), 12u);
    s->fromOem(bytes.data());
    EXPECT_EQ(std::u16string(s->text()), u"plain ASCII");
    EXPECT_EQ(bytesOf(s->toOemNoZero()).size(), 11u);
    s->release();
}

TEST(StrBufferBytes, HexToBytes) {
    StrBuffer* s = StrBuffer::create();
    s->assignText(u"0aFf");
    EXPECT_EQ(bytesOf(s->hexToBytes()), (std::vector<std::uint8_t>{0x0A, 0xFF}));
    s->assignText(u"123");  // the odd last digit is ignored
    ArrayU08* bytes = ArrayU08::create();
    bytes->appendOne(7);
    EXPECT_EQ(bytesOf(s->hexToBytes(bytes, true)), (std::vector<std::uint8_t>{7, 0x12}));
    s->release();
}

}  // namespace
