// The second base of every pooled class.
#pragma once

namespace s::thread {

class IPoolable {
public:
    virtual ~IPoolable() = default;
    // Gives the object back to its class pool, or destroys it when the pool is full.
    virtual void release() = 0;
    // Called by the pool when the object comes back: restore the empty state.
    virtual void recycle() = 0;
};

}  // namespace s::thread
