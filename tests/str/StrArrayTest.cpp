// The string list and the operations that fill it: split and words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "col/_array/ArrayP.h"
#include "str/strarray/StrArray.h"
#include "str/strbuffer/StrBuffer.h"

using s::str::strarray::StrArray;
using s::str::strbuffer::StrBuffer;

namespace {

std::vector<std::u16string> piecesOf(StrArray* list) {
    std::vector<std::u16string> pieces;
    for (std::uint32_t i = 0; i < list->length(); ++i) pieces.emplace_back(list->get(i)->text());
    list->release();
    return pieces;
}

using Pieces = std::vector<std::u16string>;

TEST(StrArray, SplitDropsEmptyPieces) {
    struct Case {
        const char16_t* text;
        Pieces pieces;
    };
    for (const Case& c : {Case{u",a,,b,", {u"a", u"b"}}, Case{u"abc", {u"abc"}}, Case{u"", {}},
                          Case{u",,,", {}}, Case{u"x,y", {u"x", u"y"}}}) {
        StrBuffer* s = StrBuffer::create();
        s->assignText(c.text);
        EXPECT_EQ(piecesOf(s->split(u',')), c.pieces) << std::u16string(c.text).size();
        s->release();
    }
}

TEST(StrArray, WordsAreDistinctIgnoringCase) {
    struct Case {
        const char16_t* text;
        bool skipCommon;
        Pieces words;
    };
    const Case cases[] = {
        {u"Rock and roll, ROCK on!", false, {u"Rock", u"and", u"roll", u"on"}},
        {u"100% +5 -x a_b", false, {u"100%", u"+5", u"-x", u"a", u"b"}},
        {u"caf\u00E9 \u4E2D\u6587\u3002\u65E5", false, {u"caf", u"\u4E2D\u6587", u"\u65E5"}},
        {u"the sound of music and the", true, {u"the", u"sound", u"of", u"music", u"and"}},
        {u"state of the art ", true, {u"state", u"of", u"the", u"art"}},
        {u"end of", true, {u"end"}},
        {u"end of", false, {u"end", u"of"}},
        {u"  ", false, {}},
    };
    for (const Case& c : cases) {
        StrBuffer* s = StrBuffer::create();
        s->assignText(c.text);
        EXPECT_EQ(piecesOf(s->words(c.skipCommon)), c.words) << std::u16string(c.text).size();
        s->release();
    }
}

TEST(StrArray, GivesItsStringsBackToTheStringPool) {
    StrArray* list = StrArray::create();
    list->addText(u"first");
    list->addText(u"second", 3);
    EXPECT_EQ(list->array()->length(), 2u);
    EXPECT_EQ(std::u16string(list->get(1)->text()), u"sec");
    EXPECT_EQ(list->indexOfIgnoreCase(u"FIRST"), 0);
    EXPECT_EQ(list->indexOfIgnoreCase(u"firs"), -1);
    const std::uint32_t idle = StrBuffer::pool().idleCount();
    list->release();  // frees the list: both strings go back
    EXPECT_EQ(StrBuffer::pool().idleCount(), idle + 2);

    StrArray* again = StrArray::create();  // a recycled list is empty and still owns
    EXPECT_EQ(again->length(), 0u);
    again->add(StrBuffer::create());
    again->array()->removeAt(0);
    EXPECT_EQ(again->length(), 0u);
    again->release();
}

}  // namespace
