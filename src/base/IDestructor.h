// Disposes of the object a slot points to and nulls the slot.
#pragma once

namespace s::base {

class IDestructor {
public:
    virtual ~IDestructor() = default;
    // slot is the address of an object pointer; a null pointer is left alone.
    virtual void destroy(void** slot) = 0;
};

}  // namespace s::base
