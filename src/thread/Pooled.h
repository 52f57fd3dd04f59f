// Gives a class its own class pool: T::pool(), T::create() and release().
//
//   class Md5 : public IDigester, public thread::Pooled<Md5> { ... };
//   Md5* d = Md5::create(); ... d->release();
//
// The pool is made on first use (thread-safe static initialisation) and lives for the whole
// process, so objects released during static destruction still find it.
#pragma once

#include <cstdint>

#include "thread/EasyPooler.h"
#include "thread/IPoolable.h"

namespace s::thread {

// The class pool alone, for classes that already inherit release() from another interface
// (the arrays) and only need the static side: they implement release() as
// pool().giveBack(this).
template <class T, std::uint32_t Capacity = EasyPooler::kDefaultCapacity>
class ClassPool {
public:
    static EasyPooler& pool() {
        static EasyPooler* const instance = new EasyPooler(
            Capacity, &ClassPool::make, &ClassPool::destroyObject, &ClassPool::recycleObject);
        return *instance;
    }
    // Takes an idle object from the class pool, or makes one; give it back with release().
    static T* create() { return static_cast<T*>(pool().take()); }

private:
    static base::IObject* make() { return new T(); }
    static void destroyObject(base::IObject* object) { delete object; }
    static void recycleObject(base::IObject* object) { static_cast<T*>(object)->recycle(); }
};

template <class T, std::uint32_t Capacity = EasyPooler::kDefaultCapacity>
class Pooled : public IPoolable, public ClassPool<T, Capacity> {
public:
    void release() override { ClassPool<T, Capacity>::pool().giveBack(static_cast<T*>(this)); }
};

}  // namespace s::thread
