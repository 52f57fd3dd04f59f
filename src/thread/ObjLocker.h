// A re-entrant lock that can own an object and dispose of it when the locker goes.
#pragma once

#include <mutex>

#include "base/IDestructor.h"
#include "base/IObject.h"

namespace s::thread {

class ObjLocker : public base::IObject {
public:
    using DisposalFunction = void (*)(void* object);

    ObjLocker() = default;
    explicit ObjLocker(void* owned, DisposalFunction disposal = nullptr,
                       base::IDestructor* disposer = nullptr)
        : owned_(owned), disposal_(disposal), disposer_(disposer) {}
    ObjLocker(const ObjLocker&) = delete;
    ObjLocker& operator=(const ObjLocker&) = delete;
    ~ObjLocker() override;

    const char16_t* typeName() const override { return u"s_thread_ObjLocker"; }
    IObject* newInstance() const override { return new ObjLocker(); }

    // Entering and leaving the critical section (re-entrant); BasicLockable for std::lock_guard.
    void lock() { section_.lock(); }
    void unlock() { section_.unlock(); }
    bool try_lock() { return section_.try_lock(); }

    void* owned() const { return owned_; }

private:
    void* owned_ = nullptr;
    DisposalFunction disposal_ = nullptr;
    base::IDestructor* disposer_ = nullptr;
    std::recursive_mutex section_;
};

}  // namespace s::thread
