// The pointer array: element ownership through its element destructor, search and removal.
#include <gtest/gtest.h>

#include <map>

#include "col/_array/ArrayP.h"

namespace {

using s::col::_array::ArrayP;

// Records every disposal, so that double or missing disposals show.
struct CountingDestructor : s::base::IDestructor {
    std::map<void*, int> disposed;
    void destroy(void** slot) override {
        if (!*slot) return;
        ++disposed[*slot];
        *slot = nullptr;
    }
    int total() const {
        int n = 0;
        for (auto& [p, count] : disposed) n += count;
        return n;
    }
};

int items[8];

ArrayP* filled(s::base::IDestructor* destructor, int count) {
    ArrayP* a = ArrayP::newArrayP(destructor);
    for (int i = 0; i < count; ++i) a->add(&items[i]);
    return a;
}

TEST(ArrayP, FreeDisposesEachElementOnce) {
    CountingDestructor d;
    ArrayP* a = filled(&d, 8);
    a->free();
    EXPECT_EQ(d.disposed.size(), 8u);
    for (auto& [p, count] : d.disposed) EXPECT_EQ(count, 1);
    EXPECT_EQ(a->length(), 0u);
    EXPECT_EQ(a->capacity(), 0u);
    a->release();  // nothing left to dispose
    EXPECT_EQ(d.total(), 8);
}

TEST(ArrayP, DiscardingOperationsDisposeAndTakingHandsOver) {
    struct Case {
        const char* name;
        void (*op)(ArrayP*);
        int disposed;
        unsigned remaining;
    } cases[] = {
        {"clear", [](ArrayP* a) { a->clear(); }, 5, 0},
        {"dropLast", [](ArrayP* a) { a->dropLast(2); }, 2, 3},
        {"dropFirst", [](ArrayP* a) { a->dropFirst(3); }, 3, 2},
        {"remove", [](ArrayP* a) { a->remove(1, 3); }, 3, 2},
        {"shorter length", [](ArrayP* a) { a->setLength(1); }, 4, 1},
        {"removeAt", [](ArrayP* a) { EXPECT_EQ(a->removeAt(2), nullptr); }, 1, 4},
        {"removeValue", [](ArrayP* a) { EXPECT_EQ(a->removeValue(&items[2]), &items[2]); }, 0, 4},
        {"takeLast",
         [](ArrayP* a) {
             void* out[2];
             a->takeLast(out, 2);
             EXPECT_EQ(out[1], &items[4]);
         },
         0, 3},
        {"release", [](ArrayP* a) { a->release(); }, 5, 0},
    };
    for (const auto& c : cases) {
        CountingDestructor d;
        ArrayP* a = filled(&d, 5);
        c.op(a);
        EXPECT_EQ(d.total(), c.disposed) << c.name;
        if (std::string(c.name) == "release") continue;
        EXPECT_EQ(a->length(), c.remaining) << c.name;
        a->setElementDestructor(nullptr);
        a->release();
    }
}

TEST(ArrayP, WithoutDestructorElementsAreReturned) {
    ArrayP* a = filled(nullptr, 4);
    EXPECT_EQ(a->indexOf(&items[3]), 3);
    EXPECT_EQ(a->indexOf(&items[6]), -1);
    EXPECT_EQ(a->removeAt(1), &items[1]);
    EXPECT_EQ(a->removeValue(&items[6]), nullptr);
    EXPECT_EQ(a->length(), 3u);
    a->release();
}

TEST(ArrayP, NewArrayPSetsTheDestructorOnEveryTake) {
    CountingDestructor d;
    ArrayP* a = ArrayP::newArrayP(&d);
    a->release();
    ArrayP* b = ArrayP::newArrayP(nullptr);  // the same array, recycled
    EXPECT_EQ(b, a);
    EXPECT_EQ(b->elementDestructor(), nullptr);
    b->add(&items[0]);
    b->release();
    EXPECT_EQ(d.total(), 0);
}

// Grown arrays never expose garbage pointers to the destructor.
TEST(ArrayP, LongerLengthHoldsNulls) {
    CountingDestructor d;
    ArrayP* a = filled(&d, 1);
    a->setLength(40);
    EXPECT_EQ(a->get(39), nullptr);
    a->free();
    EXPECT_EQ(d.total(), 1);
    a->release();
}

}  // namespace
