// The cleaners dispose of what a slot points to and null the slot.
#include <gtest/gtest.h>

#include <new>

#include "cleaner/CleanerIObject.h"
#include "cleaner/CleanerRawObject.h"

namespace {

struct Tracked : s::base::IObject {
    bool* gone;
    explicit Tracked(bool* g) : gone(g) {}
    ~Tracked() override { *gone = true; }
    const char16_t* typeName() const override { return u"Tracked"; }
    IObject* newInstance() const override { return nullptr; }
};

TEST(Cleaners, DisposeAndNullTheSlot) {
    bool gone = false;
    void* slot = static_cast<s::base::IObject*>(new Tracked(&gone));
    s::cleaner::CleanerIObject::instance()->destroy(&slot);
    EXPECT_TRUE(gone);
    EXPECT_EQ(slot, nullptr);
    s::cleaner::CleanerIObject::instance()->destroy(&slot);  // null slot: nothing happens

    void* raw = ::operator new(32);
    s::cleaner::CleanerRawObject::instance()->destroy(&raw);
    EXPECT_EQ(raw, nullptr);
}

}  // namespace
