// The typed face of an array class: its element pointer, single-element access, its class
// pool and release. Self is the concrete class (ArrayU08, ..., ArrayP).
#pragma once

#include <cstdint>
#include <type_traits>

#include "col/_array/ArrayBase.h"
#include "thread/Pooled.h"

namespace s::col::_array {

template <class T>
constexpr ArrayBase::Kind kindOf() {
    if constexpr (std::is_same_v<T, std::uint8_t>) return ArrayBase::Kind::U08;
    if constexpr (std::is_same_v<T, std::int8_t>) return ArrayBase::Kind::S08;
    if constexpr (std::is_same_v<T, std::uint32_t>) return ArrayBase::Kind::U32;
    if constexpr (std::is_same_v<T, std::int32_t>) return ArrayBase::Kind::S32;
    static_assert(std::is_same_v<T, std::uint8_t> || std::is_same_v<T, std::int8_t> ||
                  std::is_same_v<T, std::uint32_t> || std::is_same_v<T, std::int32_t> ||
                  std::is_same_v<T, void*>);
    return ArrayBase::Kind::Pointer;
}

template <class T, class Self>
class TypedArray : public ArrayBase, public thread::ClassPool<Self> {
public:
    using Element = T;

    // From the class pool (capacity 1000); the caller releases it.
    base::IObject* newInstance() const override { return Self::create(); }
    // Back to the class pool, whose recycler frees the storage.
    void release() override { thread::ClassPool<Self>::pool().giveBack(static_cast<Self*>(this)); }

    // The storage as elements; null while nothing was ever stored.
    T* data() const { return reinterpret_cast<T*>(storage()); }
    T get(std::uint32_t i) const { return data()[i]; }
    void set(std::uint32_t i, T value) { data()[i] = value; }
    // One element at the end (growth rule); false when the storage could not grow.
    bool appendOne(T value) {
        void* slot = appendSlot();
        if (!slot) return false;
        *static_cast<T*>(slot) = value;
        return true;
    }

protected:
    TypedArray() : ArrayBase(kindOf<T>()) {}
};

}  // namespace s::col::_array
