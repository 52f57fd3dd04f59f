// The string's storage, growth, comparison, searching, trimming, writers and stream faces.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "str/strbuffer/Iterator.h"
#include "str/strbuffer/StrBuffer.h"

using s::str::strbuffer::Iterator;
using s::str::strbuffer::StrBuffer;

namespace {

// A pooled string for the length of a test.
struct Str {
    StrBuffer* p;
    explicit Str(const char16_t* text = u"") : p(StrBuffer::create()) { p->assignText(text); }
    ~Str() { p->release(); }
    StrBuffer* operator->() const { return p; }
    std::u16string str() const { return std::u16string(p->text(), p->length()); }
};

std::u16string taken(StrBuffer* s) {
    std::u16string text(s->text(), s->length());
    s->release();
    return text;
}

TEST(StrBuffer, EmptyTextIsTerminatedNeverNull) {
    Str s;
    ASSERT_NE(s->text(), nullptr);
    EXPECT_EQ(s->text()[0], u'\0');
    EXPECT_EQ(s->terminate(), nullptr);
    s->appendText(u"abc")->clear();
    EXPECT_EQ(s->text()[0], u'\0');
    EXPECT_EQ(s->capacity(), 100u);  // clear keeps the storage
    s->release();
    s.p = StrBuffer::create();  // a recycled string holds no storage
    EXPECT_EQ(s->capacity(), 0u);
    EXPECT_EQ(s->data(), nullptr);
}

TEST(StrBuffer, GrowthRule) {
    struct Step {
        std::uint32_t old, next;
    };
    for (Step step : {Step{0, 100}, Step{99, 100}, Step{100, 300}, Step{9'999'999, 29'999'997},
                      Step{10'000'000, 20'000'000}, Step{49'999'999, 99'999'998},
                      Step{50'000'000, 75'000'000}, Step{99'999'999, 149'999'998},
                      Step{100'000'000, 120'000'000}, Step{4'000'000'000u, 4'294'967'294u}}) {
        EXPECT_EQ(StrBuffer::grownCapacity(step.old), step.next) << step.old;
    }
    Str s;
    for (int i = 0; i < 100; ++i) s->appendChar(u'x');
    EXPECT_EQ(s->capacity(), 100u);
    s->appendChar(u'y');  // the 101st character
    EXPECT_EQ(s->capacity(), 300u);

    Str many;
    std::u16string block(250, u'z');
    many->append(block.data(), 250);  // 100 is not enough: 100, then 300
    EXPECT_EQ(many->capacity(), 300u);

    Str exact;
    exact->assign(many.p);  // a whole string is held in exactly its size
    EXPECT_EQ(exact->capacity(), 250u);
    exact->reserve(260);
    EXPECT_EQ(exact->capacity(), 260u);
    EXPECT_EQ(exact.str(), block);
}

TEST(StrBuffer, AppendingItsOwnTextSurvivesGrowth) {
    Str s(u"0123456789");
    for (int i = 0; i < 5; ++i) s->append(s->data(), static_cast<std::int32_t>(s->length()));
    EXPECT_EQ(s->length(), 320u);
    EXPECT_TRUE(s->startsWith(u"01234567890123456789"));
    Str p(u"ab");
    p->prepend(p->data(), 2)->prepend(p->data() + 1, 1);
    EXPECT_EQ(p.str(), u"babab");
    Str t(u"hello world");
    t->assignText(t->text() + 6);
    EXPECT_EQ(t.str(), u"world");
}

TEST(StrBuffer, ComparisonIsByteWiseAndIgnoreCaseIsByUnit) {
    Str high(u"\u0100"), low(u"\u00FF");
    EXPECT_EQ(high->compareTo(low.p), -1);  // low byte 0x00 before 0xFF
    EXPECT_EQ(high->compareToIgnoreCase(low.p), 1);
    struct Case {
        const char16_t *a, *b;
        int exact, ignoringCase;
    };
    for (Case c : {Case{u"abc", u"abc", 0, 0}, Case{u"ab", u"abc", -1, -1},
                   Case{u"abc", u"ab", 1, 1}, Case{u"ABC", u"abc", -1, 0}, Case{u"", u"", 0, 0},
                   Case{u"[", u"a", -1, -1}, Case{u"[", u"A", 1, -1}}) {
        Str a(c.a), b(c.b);
        EXPECT_EQ(a->compareTo(b.p), c.exact) << a.str().size();
        EXPECT_EQ(a->compareToIgnoreCase(b.p), c.ignoringCase);
        EXPECT_EQ(a->equals(b.p), c.exact == 0);
        EXPECT_EQ(a->equalsIgnoreCase(b.p), c.ignoringCase == 0);
        // The virtual faces agree with the typed ones.
        const s::base::IComparable* other = b.p;
        EXPECT_EQ(a->compareTo(other, nullptr), c.exact);
        EXPECT_EQ(a->equalsIgnoreCase(other, nullptr), c.ignoringCase == 0);
    }
    Str e(u"\u00C9t\u00E9");  // non-ASCII letters are not folded
    EXPECT_FALSE(e->equalsTextIgnoreCase(u"\u00E9t\u00E9"));
    EXPECT_TRUE(e->equalsTextIgnoreCase(u"\u00C9T\u00E9"));
}

TEST(StrBuffer, HashValueRotatesBitThirty) {
    Str two(u"ab");
    EXPECT_EQ(two->hashValue(), 160u);
    Str longer(u"Hello, World! 0123456789 abcdefghijklmnop");
    EXPECT_EQ(longer->hashValue(), 275432998u);
    Str upper(u"HELLO, WORLD! 0123456789 ABCDEFGHIJKLMNOP");
    EXPECT_EQ(upper->hashValueIgnoreCase(), 275416742u);  // the hash of the lower-case text
    EXPECT_EQ(Str()->hashValue(), 0u);
}

TEST(StrBuffer, CaseOperationsFoldAsciiOnly) {
    EXPECT_EQ(Str(u"MiXeD \u00C4\u00E4")->toLowerCase()->text(),
              std::u16string(u"mixed \u00C4\u00E4"));
    EXPECT_EQ(Str(u"MiXeD \u00C4\u00E4")->toUpperCase()->text(),
              std::u16string(u"MIXED \u00C4\u00E4"));
    EXPECT_EQ(Str(u"hELLO wORLD")->capitalize()->text(), std::u16string(u"Hello world"));
    EXPECT_EQ(Str(u"abc")->reverse()->text(), std::u16string(u"cba"));
    Str s(u"aZ");
    EXPECT_EQ(s->charAtUpper(0), u'A');
    EXPECT_EQ(s->charAtLower(1), u'z');
}

TEST(StrBuffer, SearchingCharactersAndTexts) {
    Str s(u"abcABCabc");
    std::uint32_t at = 99;
    struct Case {
        const char* what;
        bool found;
        std::uint32_t index;
    };
    auto check = [&](Case c, bool found) {
        EXPECT_EQ(found, c.found) << c.what;
        if (c.found) {
            EXPECT_EQ(at, c.index) << c.what;
        }
        at = 99;
    };
    check({"indexOf c", true, 2}, s->indexOf(u'c', &at));
    check({"indexOf c from 3", true, 8}, s->indexOf(u'c', &at, 3));
    check({"indexOf C ignoring case", true, 2}, s->indexOfIgnoreCase(u'C', &at));
    check({"indexOf x", false, 0}, s->indexOf(u'x', &at));
    check({"lastIndexOf a", true, 6}, s->lastIndexOf(u'a', &at));
    check({"lastIndexOf a before 6", true, 0}, s->lastIndexOf(u'a', &at, 6));
    check({"lastIndexOf A ignoring case before 6", true, 3},
          s->lastIndexOfIgnoreCase(u'A', &at, 6));
    check({"indexOfAny", true, 1}, s->indexOfAny(u"xb", -1, &at));
    check({"indexOfAny ignoring case from 2", true, 4}, s->indexOfAnyIgnoreCase(u"xb", -1, &at, 2));
    check({"lastIndexOfAny", true, 7}, s->lastIndexOfAny(u"Bb", 2, &at));
    check({"lastIndexOfAny count 1", true, 4}, s->lastIndexOfAny(u"Bb", 1, &at));
    check({"text", true, 6}, s->indexOf(u"abc", &at, 1));
    check({"text ignoring case", true, 3}, s->indexOfIgnoreCase(u"abc", &at, 1));
    check({"text too long", false, 0}, s->indexOf(u"abcABCabcX", &at));
    check({"last text", true, 6}, s->lastIndexOf(u"abc", &at));
    check({"last text before 6", true, 0}, s->lastIndexOf(u"abc", &at, 6));
    check({"last text ignoring case before 6", true, 3}, s->lastIndexOfIgnoreCase(u"abc", &at, 6));
    check({"last text at the very end", true, 7}, s->lastIndexOf(u"bc", &at));
}

TEST(StrBuffer, RegionMatchesAndAffixes) {
    Str s(u"abc");
    EXPECT_TRUE(s->startsWith(u"ab", -1));
    EXPECT_TRUE(s->regionMatches(1, u"bc", 0, -1));
    EXPECT_FALSE(s->regionMatches(0, u"ab", 0, -1));  // must reach the end
    EXPECT_TRUE(s->regionMatches(0, u"ab", 0, 2));
    EXPECT_TRUE(s->regionMatches(1, u"xbc", 1, -1));
    EXPECT_FALSE(s->regionMatches(2, u"cd", 0, 2));  // runs past the end
    EXPECT_TRUE(s->regionMatchesIgnoreCase(0, u"ABC", 0, -1));
    EXPECT_FALSE(s->startsWith(u"abcd"));
    EXPECT_TRUE(s->startsWith(u"abxx", 2));
    EXPECT_TRUE(s->endsWith(u"bc"));
    EXPECT_FALSE(s->endsWith(u"zabc"));
    EXPECT_TRUE(s->endsWithIgnoreCase(u"BC"));
    EXPECT_TRUE(s->startsWithIgnoreCase(u"AB"));
    EXPECT_TRUE(s->endsWith(u""));
    EXPECT_EQ(s->compareRegion(1, u"bc", 0), 0);
    EXPECT_EQ(s->compareRegion(1, u"bd", 0), -1);
    EXPECT_EQ(s->compareRegion(1, u"b", 0), 1);  // this side goes on
    EXPECT_EQ(s->compareRegion(1, u"bzz", 0, 1), 0);
    EXPECT_EQ(s->compareRegion(3, u"", 0), -1);  // at the end
    EXPECT_EQ(s->compareRegionIgnoreCase(0, u"xABC", 1), 0);
}

TEST(StrBuffer, Trimming) {
    EXPECT_EQ(Str(u"a b \t\r\n")->trimEnd()->text(), std::u16string(u"a b"));
    EXPECT_EQ(Str(u"\u3000 x")->trimStart()->text(), std::u16string(u"x"));
    EXPECT_EQ(Str(u"ab   ")->trimEndTo(3)->text(), std::u16string(u"ab "));
    EXPECT_EQ(Str(u"a\u00A0\v")->trimEnd()->text(),
              std::u16string(u"a\u00A0\v"));  // not in the set
    EXPECT_EQ(Str(u"--x--")->trimEnd(u"-")->trimStart(u"-")->text(), std::u16string(u"x"));
    EXPECT_EQ(Str(u"x.,.")->trimEndTo(u".,", 2)->text(), std::u16string(u"x."));
    EXPECT_EQ(Str(u" \t ")->trimStart()->length(), 0u);
}

TEST(StrBuffer, ReplaceAll) {
    struct Case {
        const char16_t *text, *find, *with, *expected;
        bool ignoreCase;
    };
    for (Case c :
         {Case{u"aaaa", u"aa", u"b", u"bb", false}, Case{u"aba", u"a", u"xyz", u"xyzbxyz", false},
          Case{u"aAa", u"a", u"", u"A", false}, Case{u"aAa", u"a", u"-", u"---", true},
          Case{u"abc", u"", u"x", u"abc", false},  // an empty pattern changes nothing
          Case{u"abc", u"abcd", u"x", u"abc", false}, Case{u"", u"a", u"b", u"", false}}) {
        Str s(c.text);
        if (c.ignoreCase) {
            s->replaceAllIgnoreCase(c.find, c.with);
        } else {
            s->replaceAll(c.find, c.with);
        }
        EXPECT_EQ(s.str(), c.expected);
    }
}

TEST(StrBuffer, PiecesAndBeforeLast) {
    Str s(u"dir/sub/File.TXT");
    EXPECT_EQ(taken(s->substring(4, 7)), u"sub");
    EXPECT_EQ(taken(s->substring(8, 999)), u"File.TXT");
    EXPECT_EQ(taken(s->copy()), s.str());
    EXPECT_EQ(taken(s->beforeLast(u'/')), u"dir/sub");
    EXPECT_EQ(taken(s->beforeLast(u'/', 7)), u"dir");
    EXPECT_EQ(taken(s->beforeLast(u'x')), u"");
    EXPECT_EQ(taken(s->beforeLastIgnoreCase(u't')), u"dir/sub/File.TX");
    EXPECT_EQ(taken(s->beforeLastAny(u"/.", -1)), u"dir/sub/File");
    EXPECT_EQ(taken(s->beforeLastAnyIgnoreCase(u"F", 1)), u"dir/sub/");
    EXPECT_EQ(taken(s->beforeLast(u"/s")), u"dir");
    EXPECT_EQ(taken(s->beforeLastIgnoreCase(u".txt")), u"dir/sub/File");
    EXPECT_EQ(Str(u"abcdef")->keep(2, 4)->text(), std::u16string(u"cd"));
    EXPECT_EQ(Str(u"abcdef")->keep(4, 2)->length(), 0u);
}

TEST(StrBuffer, NumberText) {
    Str s;
    auto text = [&](auto write) {
        s->clear();
        write(s.p);
        return s.str();
    };
    EXPECT_EQ(text([](StrBuffer* t) { t->setDouble(1.5); }), u"1.500000");
    EXPECT_EQ(text([](StrBuffer* t) { t->appendInt64(-1); }), u"-1");
    EXPECT_EQ(text([](StrBuffer* t) { t->appendUInt8(255); }), u"255");
    EXPECT_EQ(text([](StrBuffer* t) { t->appendInt64(INT64_MIN); }), u"-9223372036854775808");
    EXPECT_EQ(text([](StrBuffer* t) { t->appendUInt32(4294967295u); }), u"4294967295");
    EXPECT_EQ(text([](StrBuffer* t) { t->appendInt32(INT32_MIN); }), u"-2147483648");
    EXPECT_EQ(text([](StrBuffer* t) { t->appendInt8(-128)->appendInt16(0); }), u"-1280");
    EXPECT_EQ(text([](StrBuffer* t) { t->appendFloat(0.1f); }), u"0.100000");
    EXPECT_EQ(text([](StrBuffer* t) { t->appendDouble(-2.0000005); }), u"-2.000001");
    EXPECT_EQ(text([](StrBuffer* t) { t->appendDouble(1234567.0); }), u"1234567.000000");
    // The largest double: 309 integer digits, more than a fixed 256-character reserve.
    EXPECT_EQ(text([](StrBuffer* t) { t->appendDouble(1.7976931348623157e308); }).size(), 316u);
    EXPECT_EQ(text([](StrBuffer* t) { t->assignText(u"x")->setUInt32(7); }), u"7");
    EXPECT_EQ(text([](StrBuffer* t) { t->setInt64(-42); }), u"-42");
    // Printing reserves exactly 256 more characters first.
    Str fresh;
    fresh->appendInt32(5);
    EXPECT_EQ(fresh->capacity(), 256u);
}

TEST(StrBuffer, HexWriters) {
    const std::uint8_t bytes[] = {0x00, 0xAB, 0x0F};
    const std::uint16_t shorts[] = {0xBEEF, 0x1};
    const std::uint32_t words[] = {0xDEADBEEF, 0x1, 0x10, 0xFFFFFFFF};
    const std::uint64_t longs[] = {0x0123456789ABCDEFull};
    Str s(u"#");
    s->appendHexBytes(bytes, 3)->appendHex16(shorts, 2)->appendHex32(words, 1);
    s->appendHex64(longs, 1)->appendHex32Pairs(words + 1, 1);
    EXPECT_EQ(s.str(), u"#00ab0fbeef0001deadbeef0123456789abcdef0000000100000010");
}

TEST(StrBuffer, NumberReaders) {
    struct Case {
        const char16_t* text;
        std::int32_t asInt;
        std::int64_t asInt64;
        float asFloat;
    };
    for (Case c :
         {Case{u"42", 42, 42, 42.0f}, Case{u"  -17xyz", -17, -17, -17.0f}, Case{u"+8", 8, 8, 8.0f},
          Case{u"abc", 0, 0, 0.0f}, Case{u"", 0, 0, 0.0f}, Case{u"\t3.75e2", 3, 3, 375.0f},
          Case{u"- 5", 0, 0, 0.0f}, Case{u"99999999999", INT32_MAX, 99999999999, 99999999999.0f},
          Case{u"-9223372036854775809", INT32_MIN, INT64_MIN, -9223372036854775809.0f}}) {
        Str s(c.text);
        EXPECT_EQ(s->toInt(), c.asInt) << s.str().size();
        EXPECT_EQ(s->toInt64(), c.asInt64);
        EXPECT_FLOAT_EQ(s->toFloat(), c.asFloat);
    }
    EXPECT_TRUE(std::isinf(Str(u"1e999")->toFloat()));
    EXPECT_EQ(Str(u"1e-999")->toFloat(), 0.0f);
}

TEST(StrBuffer, HexAndIntegerChecks) {
    struct Case {
        const char16_t* text;
        bool hex, integer;
    };
    for (Case c :
         {Case{u"", false, false}, Case{u"-", false, false}, Case{u"-7", false, true},
          Case{u"0aFf", true, false}, Case{u"123", true, true}, Case{u"12-3", false, false},
          Case{u"0x1", false, false}, Case{u"g", false, false}}) {
        Str s(c.text);
        EXPECT_EQ(s->isHex(), c.hex) << s.str().size();
        EXPECT_EQ(s->isInteger(), c.integer);
    }
    Str h(u"0aFz");
    EXPECT_EQ(h->hexDigitAt(1), 10);
    EXPECT_EQ(h->hexDigitAt(2), 15);
    EXPECT_EQ(h->hexDigitAt(3), 0);
}

TEST(StrBuffer, StreamFacesUseLowByteFirst) {
    Str s(u"\u0102A");
    std::uint8_t bytes[8] = {};
    std::uint32_t n = 0;
    ASSERT_TRUE(s->read(bytes, 3, &n));
    EXPECT_EQ(n, 3u);
    EXPECT_EQ(bytes[0], 0x02);
    EXPECT_EQ(bytes[1], 0x01);
    EXPECT_EQ(bytes[2], 'A');
    EXPECT_TRUE(s->read(bytes, 8, &n));
    EXPECT_EQ(n, 1u);
    EXPECT_FALSE(s->read(bytes, 8, &n));  // at the end

    // Writing past the end extends the length in whole code units.
    const std::uint8_t more[] = {'B', 0, 'C'};
    ASSERT_TRUE(s->seekToEnd());
    std::uint32_t written = 0;
    ASSERT_TRUE(s->write(more, 3, &written));
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(s.str(), std::u16string(u"\u0102ABC"));
    EXPECT_TRUE(s->seek(2));
    EXPECT_TRUE(s->write("Z", 1, &written));  // overwrites the low byte of 'A'
    EXPECT_EQ(s->charAt(1), u'Z');
    EXPECT_FALSE(s->seek(9));
    EXPECT_TRUE(s->seekFromEnd(2));
    EXPECT_EQ(s->position(), 6);
    EXPECT_TRUE(s->back(6));
    EXPECT_FALSE(s->back(1));
    EXPECT_EQ(s->position(), 0);
}

TEST(StrBuffer, IteratorWalksBothWays) {
    Str s(u"xyz");
    Iterator* it = s->iterator();
    std::u16string seen;
    while (it->hasNext()) seen += *it->next();
    EXPECT_EQ(seen, u"xyz");
    it->release();
    it = s->iteratorAtEnd();
    seen.clear();
    while (it->hasPrevious()) seen += *it->previous();
    EXPECT_EQ(seen, u"zyx");
    it->release();
    it = s->iteratorAt(2);
    EXPECT_EQ(it->index(), 1);
    it->release();
    it = s->iteratorFromEnd(1);
    EXPECT_EQ(it->index(), 2);
    EXPECT_FALSE(it->hasNext());
    it->release();
    Str empty;
    it = empty->iterator();
    EXPECT_FALSE(it->hasNext());
    it->release();
}

TEST(StrBufferThread, SetFormsShareTheScratchSafely) {
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &wrong] {
            Str s;
            for (int i = 0; i < 2000; ++i) {
                const std::int64_t v = std::int64_t(t) * 1'000'000 + i;
                s->setInt64(v);
                if (s->toInt64() != v) ++wrong[t];
                s->setDouble(double(t) + 0.5);
                if (s->toFloat() != float(t) + 0.5f) ++wrong[t];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
