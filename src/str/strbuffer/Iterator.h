// A pooled cursor over the code units of a string, walked forwards or backwards.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "thread/Pooled.h"

namespace s::str::strbuffer {

class StrBuffer;

class Iterator final : public base::IObject, public thread::Pooled<Iterator> {
public:
    // An iterator from the pool over text, at index (-1: before the first code unit).
    static Iterator* over(StrBuffer* text, std::int64_t index);

    const char16_t* typeName() const override { return u"s_str_strbuffer_Iterator"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { pool().giveBack(this); }
    void recycle() override {
        text_ = nullptr;
        index_ = -1;
    }

    std::int64_t index() const { return index_; }
    void setIndex(std::int64_t i) { index_ = i; }
    bool hasNext() const;
    bool hasPrevious() const { return index_ > 0; }
    // Advances (steps back) and returns the address of the code unit now current.
    char16_t* next();
    char16_t* previous();
    void skip(std::uint32_t n) { index_ += n; }
    void back(std::uint32_t n) { index_ -= n; }

private:
    StrBuffer* text_ = nullptr;
    std::int64_t index_ = -1;
};

}  // namespace s::str::strbuffer
