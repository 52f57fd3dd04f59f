// Pooled cursor over an array's elements, walking forwards or backwards.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "thread/Pooled.h"

namespace s::col::_array {

class ArrayBase;

class Iterator final : public base::IObject, public thread::Pooled<Iterator> {
public:
    const char16_t* typeName() const override { return u"s_col_array_Iterator"; }
    base::IObject* newInstance() const override { return create(); }
    void recycle() override;

    // Walks array starting at index (-1: before the first element; length: after the last).
    void attach(ArrayBase* array, std::int64_t index);

    std::int64_t index() const { return index_; }
    void setIndex(std::int64_t i) { index_ = i; }
    bool hasNext() const;
    bool hasPrevious() const { return index_ > 0; }
    void skip(std::uint32_t n) { index_ += n; }
    void back(std::uint32_t n) { index_ -= n; }
    // Advance (or step back) and return the address of the element now current. The address
    // is computed on each call, so the array may grow between steps.
    void* next();
    void* previous();

private:
    ArrayBase* array_ = nullptr;
    std::int64_t index_ = -1;
};

}  // namespace s::col::_array
