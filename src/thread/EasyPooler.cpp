// The class pool's take and give-back under its lock.
#include "thread/EasyPooler.h"

#include <mutex>

namespace s::thread {

EasyPooler::EasyPooler(std::uint32_t capacity, FactoryFunction factory, ObjectFunction destroyer,
                       ObjectFunction recycler)
    : idle_(new std::vector<base::IObject*>()),
      capacity_(capacity),
      factory_(factory),
      destroyer_(destroyer),
      recycler_(recycler) {}

EasyPooler::~EasyPooler() {
    for (base::IObject* object : *idle_) destroyer_(object);
    delete idle_;
}

base::IObject* EasyPooler::newInstance() const {
    return new EasyPooler(capacity_, factory_, destroyer_, recycler_);
}

base::IObject* EasyPooler::take() {
    {
        std::lock_guard guard(lock_);
        if (!idle_->empty()) {
            base::IObject* object = idle_->back();
            idle_->pop_back();
            return object;
        }
    }
    return factory_();
}

void EasyPooler::giveBack(base::IObject* object) {
    if (!object) return;
    {
        std::lock_guard guard(lock_);
        if (idle_->size() < capacity_) {
            recycler_(object);
            idle_->push_back(object);
            return;
        }
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
    return static_cast<std::uint32_t>(idle_->size());
}

}  // namespace s::thread
