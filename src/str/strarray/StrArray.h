// A pooled list of strings. The strings live in an inner pointer array whose element
// destructor is the string pool, so freeing the list (or giving it back) returns its strings
// to their pool.
#pragma once

#include <cstdint>

#include "base/IObject.h"
#include "thread/Pooled.h"

namespace s::col::_array {
class ArrayP;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::str::strarray {

class StrArray final : public base::IObject, public thread::Pooled<StrArray> {
public:
    using StrBuffer = strbuffer::StrBuffer;

    StrArray();
    StrArray(const StrArray&) = delete;
    StrArray& operator=(const StrArray&) = delete;
    ~StrArray() override;

    const char16_t* typeName() const override { return u"s_str_strarray_StrArray"; }
    base::IObject* newInstance() const override { return create(); }
    void release() override { pool().giveBack(this); }
    // Frees the list when it is not empty (its strings go back to the string pool).
    void recycle() override;

    // The inner array of StrBuffer* (owning them); use the array operations on it directly.
    col::_array::ArrayP* array() const { return array_; }

    std::uint32_t length() const;
    StrBuffer* get(std::uint32_t i) const;
    // Appends a string; the list owns it from now on. False when the list could not grow
    // (the string is then given back to its pool).
    bool add(StrBuffer* text);
    // Appends a new string holding count characters of text (-1: up to a zero terminator);
    // returns it, owned by the list.
    StrBuffer* addText(const char16_t* text, std::int32_t count = -1);
    // Index of the first string equal to text ignoring case, -1 when none.
    std::int32_t indexOfIgnoreCase(const char16_t* text, std::int32_t count = -1) const;

private:
    col::_array::ArrayP* array_;
};

}  // namespace s::str::strarray
