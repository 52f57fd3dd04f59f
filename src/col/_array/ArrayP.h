// Growable array of object pointers, optionally owning its elements through an element
// destructor.
#pragma once

#include <cstdint>

#include "base/IDestructor.h"
#include "col/_array/MergeSort.h"
#include "col/_array/TypedArray.h"

namespace s::col::_array {

// With an element destructor set the array owns its elements: every operation that discards
// elements (free, clear, dropLast, dropFirst, remove, removeAt, setLength to a shorter length,
// destruction) disposes of each discarded element once through it. The take family and
// removeValue hand elements back to the caller instead.
class ArrayP final : public TypedArray<void*, ArrayP> {
public:
    ArrayP() = default;
    ~ArrayP() override;

    const char16_t* typeName() const override { return u"s_col__array_ArrayP"; }

    // An array from the pool with its element destructor set to elementDestructor (null
    // included): the recycler keeps the old one, so every take sets it anew.
    static ArrayP* newArrayP(base::IDestructor* elementDestructor);

    base::IDestructor* elementDestructor() const { return elementDestructor_; }
    void setElementDestructor(base::IDestructor* destructor) { elementDestructor_ = destructor; }

    bool add(void* element) { return appendOne(element); }
    // Index of the first element equal to element, -1 when absent.
    std::int32_t indexOf(const void* element) const;
    // Removes the first element equal to element and returns it (not disposed); null when
    // absent.
    void* removeValue(const void* element);
    // Removes element i: disposes of it and returns null when the array owns its elements,
    // else returns it.
    void* removeAt(std::uint32_t i);

    // Stable sort of the elements (see MergeSort.h).
    void sort(CompareFunction compare, void* context = nullptr);

    bool setLength(std::uint32_t n) override;
    void dropLast(std::uint32_t n) override;
    void remove(std::uint32_t at, std::uint32_t count) override;
    void clear() override;
    void free() override;

private:
    void dispose(std::uint32_t from, std::uint32_t to);

    base::IDestructor* elementDestructor_ = nullptr;
};

}  // namespace s::col::_array
