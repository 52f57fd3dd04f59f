// The class pool: last in first out, capacity, recycling outside the pool lock, first use from
// threads.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "thread/Pooled.h"

namespace {

struct Counted : s::base::IObject, s::thread::Pooled<Counted, 2> {
    static inline std::atomic<int> made{0};
    static inline std::atomic<int> destroyed{0};
    int recycled = 0;
    Counted() { ++made; }
    ~Counted() override { ++destroyed; }
    const char16_t* typeName() const override { return u"Counted"; }
    IObject* newInstance() const override { return create(); }
    void recycle() override { ++recycled; }
};

TEST(EasyPooler, LastInFirstOutAndCapacity) {
    Counted* a = Counted::create();
    Counted* b = Counted::create();
    Counted* c = Counted::create();
    int destroyedBefore = Counted::destroyed;
    a->release();
    b->release();
    c->release();  // capacity 2: the third is destroyed, not recycled
    EXPECT_EQ(Counted::destroyed, destroyedBefore + 1);
    EXPECT_EQ(Counted::pool().idleCount(), 2u);
    EXPECT_EQ(Counted::create(), b);  // last in, first out
    EXPECT_EQ(b->recycled, 1);
    EXPECT_EQ(Counted::create(), a);
    int madeBefore = Counted::made;
    Counted* fresh = Counted::create();
    EXPECT_EQ(Counted::made, madeBefore + 1);
    void* slot = fresh;
    Counted::pool().destroy(&slot);  // the pool's destructor face gives back and nulls
    EXPECT_EQ(slot, nullptr);
    a->release();
    b->release();
}

// A pooler made and destroyed directly: its destruction destroys the idle objects, and
// newInstance copies capacity and functions.
TEST(EasyPooler, DestructionDestroysIdleObjects) {
    using s::thread::EasyPooler;
    static int destroyed = 0;
    auto make = []() -> s::base::IObject* { return new Counted(); };
    auto destroy = [](s::base::IObject* o) {
        ++destroyed;
        delete o;
    };
    auto recycle = [](s::base::IObject*) {};
    auto* pooler = new EasyPooler(5, make, destroy, recycle);
    auto* copy = static_cast<EasyPooler*>(pooler->newInstance());
    EXPECT_EQ(copy->capacity(), 5u);
    s::base::IObject* objects[3] = {copy->take(), copy->take(), copy->take()};
    for (auto* o : objects) copy->giveBack(o);
    EXPECT_EQ(copy->idleCount(), 3u);
    EXPECT_EQ(copy->generate(), objects[2]);
    copy->giveBack(objects[2]);
    delete copy;
    EXPECT_EQ(destroyed, 3);
    delete pooler;
}

struct FirstUse : s::base::IObject, s::thread::Pooled<FirstUse> {
    const char16_t* typeName() const override { return u"FirstUse"; }
    IObject* newInstance() const override { return create(); }
    void recycle() override {}
};

TEST(EasyPoolerThreads, FirstUseFromManyThreadsSharesOnePool) {
    std::vector<std::thread> threads;
    std::vector<s::thread::EasyPooler*> seen(8);
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([i, &seen] {
            seen[i] = &FirstUse::pool();
            for (int k = 0; k < 1000; ++k) FirstUse::create()->release();
        });
    }
    for (auto& t : threads) t.join();
    for (auto* p : seen) EXPECT_EQ(p, seen[0]);
    EXPECT_LE(FirstUse::pool().idleCount(), 8u);
}

}  // namespace

// Two classes whose recycling gives a part of the other class back to its pool (as XML nodes
// and pointer arrays do). Recycling under the pool's own lock takes the two pool locks in both
// orders, which ThreadSanitizer reports and two threads can deadlock on.
struct Leaf;
struct Holder : s::base::IObject, s::thread::Pooled<Holder> {
    Leaf* part = nullptr;
    const char16_t* typeName() const override { return u"Holder"; }
    IObject* newInstance() const override { return create(); }
    void recycle() override;
};
struct Leaf : s::base::IObject, s::thread::Pooled<Leaf> {
    Holder* part = nullptr;
    const char16_t* typeName() const override { return u"Leaf"; }
    IObject* newInstance() const override { return create(); }
    void recycle() override {
        if (part) part->release();
        part = nullptr;
    }
};
void Holder::recycle() {
    if (part) part->release();
    part = nullptr;
}

TEST(EasyPoolerThread, NestedRecyclingFromTwoThreadsDoesNotDeadlock) {
    auto churn = [](bool holderFirst) {
        for (int i = 0; i < 2000; ++i) {
            if (holderFirst) {
                Holder* h = Holder::create();
                h->part = Leaf::create();
                h->release();
            } else {
                Leaf* l = Leaf::create();
                l->part = Holder::create();
                l->release();
            }
        }
    };
    std::thread a(churn, true);
    std::thread b(churn, false);
    a.join();
    b.join();
    EXPECT_GT(Holder::pool().idleCount(), 0u);
    EXPECT_GT(Leaf::pool().idleCount(), 0u);
}
