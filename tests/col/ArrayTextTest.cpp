// Text forms of the arrays: describe, XML, hexadecimal, element texts and digests.
#include <gtest/gtest.h>

#include <string>

#include "col/_array/ArrayP.h"
#include "col/_array/ArrayS08.h"
#include "col/_array/ArrayS32.h"
#include "col/_array/ArrayU08.h"
#include "col/_array/ArrayU32.h"
#include "digest/IDigester.h"
#include "str/strbuffer/StrBuffer.h"

namespace {

using s::col::_array::ArrayBase;
using s::str::strbuffer::StrBuffer;

std::u16string take(StrBuffer* text) {
    std::u16string s(text->data(), text->length());
    text->release();
    return s;
}

template <class A, class T>
A* arrayOf(std::initializer_list<T> values) {
    A* a = A::create();
    for (T v : values) a->appendOne(v);
    return a;
}

TEST(ArrayText, DescribeXmlAndHex) {
    using namespace s::col::_array;
    struct Case {
        ArrayBase* array;
        std::u16string describe, xml;
    } cases[] = {
        {arrayOf<ArrayU08, std::uint8_t>({1, 2, 3}), u"s_col__array_ArrayU08 [1 2 3]",
         u"<s_col__array_ArrayU08 length=\"3\">010203</s_col__array_ArrayU08>"},
        {ArrayU08::create(), u"s_col__array_ArrayU08 []",
         u"<s_col__array_ArrayU08 length=\"0\"></s_col__array_ArrayU08>"},
        {arrayOf<ArrayU08, std::uint8_t>({0xAB, 0x01}), u"s_col__array_ArrayU08 [171 1]",
         u"<s_col__array_ArrayU08 length=\"2\">ab01</s_col__array_ArrayU08>"},
        {arrayOf<ArrayS08, std::int8_t>({-1, 5}), u"s_col__array_ArrayS08 [-1 5]",
         u"<s_col__array_ArrayS08 length=\"2\">ff05</s_col__array_ArrayS08>"},
        {arrayOf<ArrayU32, std::uint32_t>({0xDEADBEEF, 7}), u"s_col__array_ArrayU32 [3735928559 7]",
         u"<s_col__array_ArrayU32 length=\"2\">deadbeef00000007</s_col__array_ArrayU32>"},
        {arrayOf<ArrayS32, std::int32_t>({INT32_MIN}), u"s_col__array_ArrayS32 [-2147483648]",
         u"<s_col__array_ArrayS32 length=\"1\">80000000</s_col__array_ArrayS32>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(take(c.array->describe()), c.describe);
        EXPECT_EQ(take(c.array->toXml()), c.xml);
        c.array->release();
    }
}

TEST(ArrayText, ReplacesOrAppendsToAGivenString) {
    auto* a = arrayOf<s::col::_array::ArrayU08, std::uint8_t>({0x0F});
    StrBuffer* text = StrBuffer::create();
    text->appendText(u"old ");
    EXPECT_EQ(a->toHex(text, true), text);
    EXPECT_EQ(std::u16string(text->text()), u"old 0f");
    a->describe(text, false);
    EXPECT_EQ(std::u16string(text->text()), u"s_col__array_ArrayU08 [15]");
    text->release();
    a->release();
}

TEST(ArrayText, PointerElementsShowTypeNameAndAddress) {
    auto* inner = s::col::_array::ArrayU08::create();
    auto* a = s::col::_array::ArrayP::newArrayP(nullptr);
    a->add(static_cast<s::base::IObject*>(inner));
    std::u16string address;
    for (char c :
         std::to_string(reinterpret_cast<std::uintptr_t>(static_cast<s::base::IObject*>(inner)))) {
        address += static_cast<char16_t>(c);
    }
    EXPECT_EQ(take(a->describe()),
              u"s_col__array_ArrayP [s_col__array_ArrayU08(" + address + u")]");
    EXPECT_EQ(take(a->toHex()), u"");
    a->release();
    inner->release();
}

// Adds the bytes it is fed; its text is the sum in decimal.
struct SumDigester : s::digest::IDigester {
    std::uint32_t sum = 0;
    bool finished = false;
    const char16_t* typeName() const override { return u"SumDigester"; }
    IObject* newInstance() const override { return nullptr; }
    void release() override {}
    void recycle() override {}
    std::int32_t digestSize() const override { return 4; }
    void update(const void* data, std::uint32_t length) override {
        for (std::uint32_t i = 0; i < length; ++i) sum += static_cast<const std::uint8_t*>(data)[i];
    }
    void finish(void*) override { finished = true; }
    void reset() override { sum = 0; }
    StrBuffer* toText(StrBuffer* text, bool append) override {
        if (!text) text = StrBuffer::create();
        if (!append) text->clear();
        return text->appendUInt32(sum);
    }
};

TEST(ArrayText, DigestIntoFeedsEveryElementByte) {
    auto* a = arrayOf<s::col::_array::ArrayU32, std::uint32_t>({0x01010101, 0x00000102});
    SumDigester digester;
    EXPECT_EQ(take(a->digestInto(&digester)), u"7");
    EXPECT_TRUE(digester.finished);
    a->release();
}

}  // namespace
