// The class pool: idle objects of one class kept for re-use, last in first out.
#pragma once

#include <cstdint>

#include "base/IDestructor.h"
#include "base/IGenerator.h"
#include "base/IObject.h"
#include "thread/ObjLocker.h"

namespace s::col::_array {
class ArrayP;
}

namespace s::thread {

class EasyPooler : public base::IObject, public base::IGenerator, public base::IDestructor {
public:
    using FactoryFunction = base::IObject* (*)();
    using ObjectFunction = void (*)(base::IObject*);

    static constexpr std::uint32_t kDefaultCapacity = 1000;

    EasyPooler(std::uint32_t capacity, FactoryFunction factory, ObjectFunction destroyer,
               ObjectFunction recycler);
    EasyPooler(const EasyPooler&) = delete;
    EasyPooler& operator=(const EasyPooler&) = delete;
    ~EasyPooler() override;

    const char16_t* typeName() const override { return u"s_thread_EasyPooler"; }
    IObject* newInstance() const override;

    // An idle object (the last one given back) or, when none is idle, a new one.
    base::IObject* take();
    // Recycles the object into the idle list, or destroys it when capacity objects are idle.
    void giveBack(base::IObject* object);

    base::IObject* generate() override { return take(); }
    void destroy(void** slot) override;

    std::uint32_t capacity() const { return capacity_; }
    std::uint32_t idleCount();

private:
    ObjLocker lock_;
    col::_array::ArrayP* idle_;  // made with plain new: the array pool itself uses a pooler
    std::uint32_t capacity_;
    FactoryFunction factory_;
    ObjectFunction destroyer_;
    ObjectFunction recycler_;
};

}  // namespace s::thread
