// The arrays: growth rule, element editing, ordering, streams and pooling.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "col/_array/ArrayP.h"
#include "col/_array/ArrayS08.h"
#include "col/_array/ArrayS32.h"
#include "col/_array/ArrayU08.h"
#include "col/_array/ArrayU32.h"

namespace {

using s::col::_array::ArrayBase;
using s::col::_array::ArrayS08;
using s::col::_array::ArrayS32;
using s::col::_array::ArrayU08;
using s::col::_array::ArrayU32;

std::vector<std::uint32_t> elements(const ArrayU32* a) {
    return std::vector<std::uint32_t>(a->data(), a->data() + a->length());
}

ArrayU32* words(std::initializer_list<std::uint32_t> values) {
    ArrayU32* a = ArrayU32::create();
    for (auto v : values) a->appendOne(v);
    return a;
}

TEST(ArrayGrowth, StepsOfTheRule) {
    struct Case {
        std::uint32_t old, grown;
    } cases[] = {
        {0, 100},
        {99, 100},
        {100, 300},
        {9'999'999, 29'999'997},
        {10'000'000, 20'000'000},
        {49'999'999, 99'999'998},
        {50'000'000, 75'000'000},
        {50'000'001, 75'000'001},  // 1.5x rounded toward zero
        {100'000'000, 120'000'000},
        {100'000'004, 120'000'004},  // 1.2x rounded toward zero
        {4'000'000'000u, UINT32_MAX},
    };
    for (const Case& c : cases) EXPECT_EQ(ArrayBase::grownCapacity(c.old), c.grown) << c.old;
}

TEST(ArrayGrowth, CapacityAfterAppends) {
    struct Case {
        std::uint32_t oneByOne, atOnce, capacity;
    } cases[] = {
        {1, 0, 100},    // first append
        {100, 0, 100},  // full, not yet grown
        {101, 0, 300},  // the 101st element
        {0, 250, 300},  // 100, then 300
        {0, 100, 100}, {100, 201, 900},
    };
    for (const Case& c : cases) {
        ArrayU08* a = ArrayU08::create();
        for (std::uint32_t i = 0; i < c.oneByOne; ++i) a->appendOne(static_cast<std::uint8_t>(i));
        std::vector<std::uint8_t> bulk(c.atOnce, 7);
        a->append(bulk.data(), c.atOnce);
        EXPECT_EQ(a->capacity(), c.capacity) << c.oneByOne << "+" << c.atOnce;
        EXPECT_EQ(a->length(), c.oneByOne + c.atOnce);
        a->release();
    }
}

TEST(ArrayGrowth, ExactSizesForSetLengthAndWriteAt) {
    ArrayU32* a = ArrayU32::create();
    a->setLength(7);
    EXPECT_EQ(a->capacity(), 7u);
    EXPECT_EQ(a->length(), 7u);
    const std::uint32_t v[3] = {1, 2, 3};
    a->writeAt(v, 3, 0, 10);  // beyond the length: the gap reads as zero
    EXPECT_EQ(a->capacity(), 13u);
    EXPECT_EQ(a->length(), 13u);
    EXPECT_EQ(a->get(8), 0u);
    EXPECT_EQ(a->get(12), 3u);
    a->clear();
    EXPECT_EQ(a->capacity(), 13u);
    a->free();
    EXPECT_EQ(a->capacity(), 0u);
    EXPECT_EQ(a->data(), nullptr);
    a->release();
}

TEST(ArrayEdit, InsertRemoveAndTake) {
    ArrayU32* a = words({1, 2, 3, 4, 5});
    const std::uint32_t src[] = {90, 91, 92};
    a->insert(2, src, 2, 1);  // 91 92 before index 2
    EXPECT_EQ(elements(a), (std::vector<std::uint32_t>{1, 2, 91, 92, 3, 4, 5}));
    a->prepend(src, 1);
    a->append(src, 1, 2);
    EXPECT_EQ(elements(a), (std::vector<std::uint32_t>{90, 1, 2, 91, 92, 3, 4, 5, 92}));
    a->remove(3, 2);
    a->dropFirst(1);
    a->dropLast(1);
    EXPECT_EQ(elements(a), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));

    std::uint32_t out[4] = {};
    a->takeLast(out, 2, 1);
    a->takeFirst(out, 1, 0);
    EXPECT_EQ(elements(a), (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(std::vector<std::uint32_t>(out, out + 3), (std::vector<std::uint32_t>{1, 4, 5}));
    a->take(1, out, 1, 3);
    EXPECT_EQ(out[3], 3u);
    EXPECT_EQ(elements(a), (std::vector<std::uint32_t>{2}));
    a->release();
}

TEST(ArrayEdit, CopiesReadsSwapsAndReverse) {
    ArrayU32* a = words({1, 2, 3, 4});
    ArrayU32* b = words({9});
    a->copyTo(b, 1, 2);  // 3 4 after the 9
    EXPECT_EQ(elements(b), (std::vector<std::uint32_t>{9, 3, 4}));
    a->copyFrom(b, 0, 3, 2);  // 9 3 over a from index 3
    EXPECT_EQ(elements(a), (std::vector<std::uint32_t>{1, 2, 3, 9, 3}));
    std::uint32_t buffer[6] = {};
    EXPECT_EQ(a->readAt(buffer, 1, 3), 2u);
    EXPECT_EQ(buffer[1], 9u);
    EXPECT_EQ(buffer[2], 3u);
    a->swapAt(0, 4);
    a->reverse();
    EXPECT_EQ(elements(a), (std::vector<std::uint32_t>{1, 9, 3, 2, 3}));
    EXPECT_EQ(a->byteSize(), 20u);
    EXPECT_EQ(a->byteSize(2), 8u);
    a->release();
    b->release();
}

// The source of an append or insert may be the array's own storage, which growing frees.
TEST(ArrayEdit, SourceInsideOwnStorage) {
    ArrayU32* a = ArrayU32::create();
    for (std::uint32_t i = 0; i < 100; ++i) a->appendOne(i);
    ASSERT_EQ(a->capacity(), 100u);
    a->append(a->data(), 100);  // re-allocates while copying from the old block
    ASSERT_EQ(a->length(), 200u);
    for (std::uint32_t i = 0; i < 200; ++i) ASSERT_EQ(a->get(i), i % 100) << i;
    a->insert(1, a->data(), 2, 150);  // shifts the source range while inserting it
    EXPECT_EQ(a->get(1), 50u);
    EXPECT_EQ(a->get(2), 51u);
    EXPECT_EQ(a->get(3), 1u);
    a->writeAt(a->data(), 3, 0, 400);  // exact growth past the capacity
    EXPECT_EQ(a->get(400), 0u);
    EXPECT_EQ(a->get(402), 51u);
    a->release();
}

TEST(ArrayOrder, CompareTo) {
    struct Case {
        std::vector<std::uint32_t> a, b;
        int expected;
    } cases[] = {
        {{9, 9}, {1, 1, 1}, -1},  // fewer elements first, elements not looked at
        {{1, 1, 1}, {9, 9}, 1},
        {{1, 2, 3}, {1, 2, 3}, 0},
        {{1, 5, 0}, {1, 4, 9}, 1},
        {{0x80000000u}, {1}, 1},  // unsigned words
        {{}, {}, 0},
    };
    for (const Case& c : cases) {
        ArrayU32* a = ArrayU32::create();
        ArrayU32* b = ArrayU32::create();
        a->append(c.a.data(), static_cast<std::uint32_t>(c.a.size()));
        b->append(c.b.data(), static_cast<std::uint32_t>(c.b.size()));
        EXPECT_EQ(a->compareTo(b), c.expected);
        EXPECT_EQ(a->equals(b), c.expected == 0);
        a->release();
        b->release();
    }
    // Signed arrays order by sign.
    ArrayS08* s1 = ArrayS08::create();
    ArrayS08* s2 = ArrayS08::create();
    s1->appendOne(-1);
    s2->appendOne(1);
    EXPECT_EQ(s1->compareTo(s2), -1);
    ArrayS32* t1 = ArrayS32::create();
    ArrayS32* t2 = ArrayS32::create();
    t1->appendOne(INT32_MIN);
    t2->appendOne(0);
    EXPECT_EQ(t1->compareTo(t2), -1);
    s1->release();
    s2->release();
    t1->release();
    t2->release();
}

TEST(ArrayOrder, CompareRangeAsBytes) {
    ArrayU08* a = ArrayU08::create();
    const std::uint8_t mine[] = {1, 2, 3, 4};
    a->append(mine, 4);
    const std::uint8_t other[] = {0, 2, 3, 5};
    struct Case {
        std::uint32_t at, otherLength, otherFrom;
        std::int32_t count;
        int expected;
    } cases[] = {
        {1, 3, 1, 2, 0},   // 2 3 vs 2 3
        {1, 4, 1, 3, -1},  // 2 3 4 vs 2 3 5
        {1, 3, 1, -1, 1},  // 2 3 4 vs 2 3: longer
        {1, 4, 1, 2, -1},  // 2 3 vs 2 3 5: shorter
        {0, 4, 0, 1, 1},   // 1 vs 0
        {4, 4, 4, -1, 0},  // two empty ranges
    };
    for (const Case& c : cases) {
        EXPECT_EQ(a->compareRange(c.at, other, c.otherLength, c.otherFrom, c.count), c.expected)
            << c.at << "," << c.count;
    }
    a->release();
}

TEST(ArrayStreams, WriteAndReadThroughTheCursor) {
    ArrayU32* a = ArrayU32::create();
    const char text[] = "abcdef";  // 6 bytes: two words, the second partly written
    std::uint32_t n = 0;
    EXPECT_TRUE(a->write(text, 6, &n));
    EXPECT_EQ(n, 6u);
    EXPECT_EQ(a->length(), 2u);
    EXPECT_EQ(a->position(), 6);
    EXPECT_TRUE(a->seek(2));
    EXPECT_TRUE(a->write("XY", 2, &n));
    EXPECT_TRUE(a->rewind());
    char got[16] = {};
    EXPECT_TRUE(a->read(got, 3, &n));
    EXPECT_EQ(n, 3u);
    EXPECT_TRUE(a->read(got + 3, 16, &n));
    EXPECT_EQ(n, 5u);  // through the end of the second word, which was zero-filled
    EXPECT_EQ(std::memcmp(got, "abXYef\0\0", 8), 0);
    EXPECT_FALSE(a->read(got, 1, &n));
    EXPECT_EQ(n, 0u);
    EXPECT_FALSE(a->seek(9));  // past the end
    EXPECT_TRUE(a->seekFromEnd(1));
    EXPECT_EQ(a->position(), 7);
    EXPECT_TRUE(a->back(7));
    EXPECT_FALSE(a->back(1));
    a->release();
}

TEST(ArrayPool, ReleasedArrayComesBackEmpty) {
    ArrayU08* a = ArrayU08::create();
    a->setLength(50);
    a->seek(3);
    a->release();
    ArrayU08* b = ArrayU08::create();
    EXPECT_EQ(b, a);  // last in, first out
    EXPECT_EQ(b->length(), 0u);
    EXPECT_EQ(b->capacity(), 0u);
    EXPECT_EQ(b->position(), 0);
    s::base::IObject* other = b->newInstance();
    EXPECT_NE(other, b);
    EXPECT_EQ(std::u16string(other->typeName()), u"s_col__array_ArrayU08");
    static_cast<ArrayU08*>(other)->release();
    b->release();
}

// Under the thread sanitizer (which runs only the thread suites) this is the first use of the
// pointer and signed-word pools and comparators, made by several threads at once.
TEST(ArrayThreads, FirstUseOfPoolsAndComparatorsFromManyThreads) {
    std::vector<std::thread> threads;
    std::vector<const s::base::IComparator*> seen(8);
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([i, &seen] {
            for (int k = 0; k < 200; ++k) {
                ArrayS32* a = ArrayS32::create();
                a->appendOne(k);
                seen[i] = a->comparator();
                a->release();
                auto* p = s::col::_array::ArrayP::newArrayP(nullptr);
                p->add(&seen);
                p->release();
            }
        });
    }
    for (auto& t : threads) t.join();
    for (auto* c : seen) EXPECT_EQ(c, seen[0]);
    EXPECT_LE(ArrayS32::pool().idleCount(), 8u);
}

}  // namespace
