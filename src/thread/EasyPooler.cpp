// The class pool's take and give-back under its lock.
#include "thread/EasyPooler.h"

#include <mutex>

#include "col/_array/ArrayP.h"

namespace s::thread {

EasyPooler::EasyPooler(std::uint32_t capacity, FactoryFunction factory, ObjectFunction destroyer,
                       ObjectFunction recycler)
    : idle_(new col::_array::ArrayP()),
      capacity_(capacity),
      factory_(factory),
      destroyer_(destroyer),
      recycler_(recycler) {}

EasyPooler::~EasyPooler() {
    for (std::uint32_t i = 0; i < idle_->length(); ++i) {
        destroyer_(static_cast<base::IObject*>(idle_->get(i)));
    }
    delete idle_;
}

base::IObject* EasyPooler::newInstance() const {
    return new EasyPooler(capacity_, factory_, destroyer_, recycler_);
}

base::IObject* EasyPooler::take() {
    {
        std::lock_guard guard(lock_);
        if (idle_->length() != 0) {
            auto* object = static_cast<base::IObject*>(idle_->get(idle_->length() - 1));
            idle_->dropLast(1);
            return object;
        }
    }
    return factory_();
}

void EasyPooler::giveBack(base::IObject* object) {
    if (!object) return;
    // Recycling gives the object's parts back to their own pools: doing it under this pool's
    // lock would take pool locks in both orders (a node's arrays, an array's nodes) and could
    // deadlock two threads. Until it is in the idle list the object is this caller's alone.
    bool room;
    {
        std::lock_guard guard(lock_);
        room = idle_->length() < capacity_;
    }
    if (room) {
        recycler_(object);
        std::lock_guard guard(lock_);
        if (idle_->length() < capacity_ && idle_->add(object)) return;
    }
    destroyer_(object);
}

void EasyPooler::destroy(void** slot) {
    if (!slot || !*slot) return;
    giveBack(static_cast<base::IObject*>(*slot));
    *slot = nullptr;
}

std::uint32_t EasyPooler::idleCount() {
    std::lock_guard guard(lock_);
    return idle_->length();
}

}  // namespace s::thread
