// The digest text of a string: its code units fed low byte first, MD5 unless a digester is
// given.
#include <gtest/gtest.h>

#include <string>

#include "digest/crc32/Crc32.h"
#include "str/strbuffer/StrBuffer.h"

using s::str::strbuffer::StrBuffer;

namespace {

std::u16string taken(StrBuffer* s) {
    std::u16string text(s->text(), s->length());
    s->release();
    return text;
}

TEST(StrBufferDigest, DefaultsToMd5OfTheLittleEndianUnits) {
    StrBuffer* s = StrBuffer::create();
    EXPECT_EQ(taken(s->digest()), u"d41d8cd98f00b204e9800998ecf8427e");  // empty text
    s->assignText(u"abc");
    EXPECT_EQ(taken(s->digest()), u"ce1473cf80c6b3fda8e3dfc006adc315");
    // Longer than the feeding buffer, with high bytes set.
    s->clear();
    for (int i = 0; i < 5000; ++i) s->appendChar(static_cast<char16_t>(0x100 + i));
    StrBuffer* text = StrBuffer::create();
    text->assignText(u"md5=");
    EXPECT_EQ(s->digest(nullptr, text, true), text);
    EXPECT_EQ(taken(text), u"md5=532bb2cefe9975024d58213985b40a05");
    s->release();
}

TEST(StrBufferDigest, UsesTheGivenDigesterAndLeavesItToTheCaller) {
    StrBuffer* s = StrBuffer::create();
    s->assignText(u"abc");
    auto* crc = s::digest::crc32::Crc32::create();
    StrBuffer* text = StrBuffer::create();
    text->assignText(u"replaced");
    s->digest(crc, text);
    EXPECT_EQ(taken(text), u"ad957ab0");
    EXPECT_EQ(taken(crc->toText()), u"ad957ab0");  // still the caller's
    crc->release();
    s->release();
}

}  // namespace
