// A class pool with optional size accounting: idle objects are kept up to a count and,
// when accounting is on, up to a size per object and a total size.
#pragma once

#include <cstdint>
#include <vector>

#include "base/IDestructor.h"
#include "base/IGenerator.h"
#include "base/IObject.h"
#include "thread/ObjLocker.h"

namespace s::thread {

class PoolerBase : public base::IObject, public base::IGenerator, public base::IDestructor {
public:
    static constexpr std::uint32_t kMaxIdle = 1000;
    static constexpr std::int32_t kMaxObjectSize = 1024;
    static constexpr std::int64_t kMaxTotalSize = 102400;

    PoolerBase() = default;
    PoolerBase(const PoolerBase&) = delete;
    PoolerBase& operator=(const PoolerBase&) = delete;
    // Subclasses empty the pool in their own destructor (see clearIdle()): destroy() is
    // theirs and cannot be called from here.
    ~PoolerBase() override = default;

    const char16_t* typeName() const override { return u"s_thread_PoolerBase"; }

    virtual std::int32_t sizeOf(base::IObject* object) { return kMaxObjectSize; }
    // Keeps the object for re-use (recycled) or destroys it; size -1 means sizeOf(object).
    virtual void giveBack(base::IObject* object, std::int32_t size = -1);
    // The last idle object, or a new one from generate().
    virtual base::IObject* take();
    virtual void recycle(base::IObject* object) = 0;
    virtual void destroy(base::IObject* object) = 0;

    // The IDestructor face: giveBack(object, -1) and null the slot.
    void destroy(void** slot) final;

    void setSizeAccounting(bool on);
    bool sizeAccounting();
    std::uint32_t idleCount();
    std::int64_t totalSize();

protected:
    // Destroys every idle object; for subclass destructors.
    void clearIdle();

private:
    struct Idle {
        base::IObject* object;
        std::int32_t size;
    };
    ObjLocker lock_;
    std::vector<Idle> idle_;
    std::int64_t total_ = 0;
    bool accounting_ = false;
};

// A pool whose subclasses make, recycle and destroy the objects.
class Factory : public PoolerBase {
public:
    const char16_t* typeName() const override { return u"s_thread_Factory"; }
};

}  // namespace s::thread
