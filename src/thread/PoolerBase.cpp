// Give-back and take of the size-accounting pool, under its lock.
#include "thread/PoolerBase.h"

#include <mutex>

namespace s::thread {

void PoolerBase::giveBack(base::IObject* object, std::int32_t size) {
    if (!object) return;
    {
        std::lock_guard guard(lock_);
        // Note the count rule: destroyed only when MORE than kMaxIdle are idle already.
        bool keep = idle_.size() <= kMaxIdle;
        if (keep && accounting_) {
            if (size == -1) size = sizeOf(object);
            keep = size <= kMaxObjectSize && total_ + size <= kMaxTotalSize;
        }
        if (keep) {
            recycle(object);
            const std::int32_t counted = accounting_ ? size : 0;
            idle_.push_back({object, counted});
            total_ += counted;
            return;
        }
    }
    destroy(object);
}

base::IObject* PoolerBase::take() {
    {
        std::lock_guard guard(lock_);
        if (!idle_.empty()) {
            Idle last = idle_.back();
            idle_.pop_back();
            total_ -= last.size;
            return last.object;
        }
    }
    return generate();
}

void PoolerBase::destroy(void** slot) {
    if (!slot || !*slot) return;
    giveBack(static_cast<base::IObject*>(*slot), -1);
    *slot = nullptr;
}

void PoolerBase::setSizeAccounting(bool on) {
    std::lock_guard guard(lock_);
    accounting_ = on;
}

bool PoolerBase::sizeAccounting() {
    std::lock_guard guard(lock_);
    return accounting_;
}

std::uint32_t PoolerBase::idleCount() {
    std::lock_guard guard(lock_);
    return static_cast<std::uint32_t>(idle_.size());
}

std::int64_t PoolerBase::totalSize() {
    std::lock_guard guard(lock_);
    return total_;
}

void PoolerBase::clearIdle() {
    std::vector<Idle> idle;
    {
        std::lock_guard guard(lock_);
        idle.swap(idle_);
        total_ = 0;
    }
    for (const Idle& entry : idle) destroy(entry.object);
}

}  // namespace s::thread
