// The size-accounting pool: count rule, size rules, last in first out.
#include "thread/PoolerBase.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "thread/ObjLocker.h"

namespace {

using s::base::IObject;

// Objects whose size is their id; records recycles and destroys.
class Sized : public IObject {
public:
    explicit Sized(int size) : size(size) {}
    const char16_t* typeName() const override { return u"Sized"; }
    IObject* newInstance() const override { return nullptr; }
    int size;
};

class TestFactory : public s::thread::Factory {
public:
    ~TestFactory() override { clearIdle(); }
    IObject* newInstance() const override { return nullptr; }
    IObject* generate() override {
        ++generated;
        return new Sized(1);
    }
    std::int32_t sizeOf(IObject* object) override { return static_cast<Sized*>(object)->size; }
    void recycle(IObject*) override { ++recycled; }
    void destroy(IObject* object) override {
        ++destroyed;
        delete object;
    }
    using PoolerBase::destroy;
    int generated = 0, recycled = 0, destroyed = 0;
};

TEST(PoolerBase, DestroysOnlyWhenMoreThanAThousandAreIdle) {
    TestFactory factory;
    for (int i = 0; i < 1003; ++i) factory.giveBack(new Sized(1));
    // 1001 are kept: the object that arrives with 1000 idle is still taken.
    EXPECT_EQ(factory.idleCount(), 1001u);
    EXPECT_EQ(factory.destroyed, 2);
    EXPECT_EQ(factory.recycled, 1001);
}

TEST(PoolerBase, TakeIsLastInFirstOutAndGeneratesWhenEmpty) {
    TestFactory factory;
    auto* a = new Sized(1);
    auto* b = new Sized(1);
    factory.giveBack(a);
    factory.giveBack(b);
    EXPECT_EQ(factory.take(), b);
    EXPECT_EQ(factory.take(), a);
    factory.destroy(a);
    factory.destroy(b);
    IObject* fresh = factory.take();
    EXPECT_EQ(factory.generated, 1);
    void* slot = fresh;
    factory.destroy(&slot);  // the IDestructor face gives it back
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(factory.idleCount(), 1u);
}

TEST(PoolerBase, SizeAccountingLimitsObjectAndTotalSize) {
    TestFactory factory;
    factory.setSizeAccounting(true);
    struct Case {
        int size;
        std::int32_t given;  // -1: ask sizeOf
        bool kept;
    };
    const Case cases[] = {
        {1024, -1, true},   // the largest object kept
        {1025, -1, false},  // too large
        {10, 2000, false},  // an explicit size wins over sizeOf
        {2000, 100, true},
    };
    std::int64_t total = 0;
    for (const Case& c : cases) {
        const int destroyedBefore = factory.destroyed;
        factory.giveBack(new Sized(c.size), c.given);
        EXPECT_EQ(factory.destroyed == destroyedBefore, c.kept) << c.size << " " << c.given;
        if (c.kept) total += c.given == -1 ? c.size : c.given;
    }
    EXPECT_EQ(factory.totalSize(), total);
    // Fill to the total limit: 102400 - total bytes fit, one more byte does not.
    while (factory.totalSize() + 1024 <= 102400) factory.giveBack(new Sized(1024));
    const std::int64_t room = 102400 - factory.totalSize();
    factory.giveBack(new Sized(static_cast<int>(room + 1)));
    EXPECT_EQ(factory.totalSize(), 102400 - room);
    factory.giveBack(new Sized(static_cast<int>(room)));
    EXPECT_EQ(factory.totalSize(), 102400);
    // Taking gives the size back.
    IObject* last = factory.take();
    EXPECT_EQ(factory.totalSize(), 102400 - room);
    factory.destroy(last);
}

}  // namespace
