// The string list over its owning pointer array.
#include "str/strarray/StrArray.h"

#include "col/_array/ArrayP.h"
#include "str/strbuffer/CharRules.h"
#include "str/strbuffer/StrBuffer.h"

namespace s::str::strarray {

using strbuffer::StrBuffer;

StrArray::StrArray() : array_(col::_array::ArrayP::newArrayP(&StrBuffer::pool())) {}

StrArray::~StrArray() {
    array_->release();  // the array pool frees it, which gives the strings back
}

void StrArray::recycle() {
    if (array_->length() != 0) array_->free();
}

std::uint32_t StrArray::length() const {
    return array_->length();
}

StrBuffer* StrArray::get(std::uint32_t i) const {
    return static_cast<StrBuffer*>(static_cast<base::IObject*>(array_->get(i)));
}

bool StrArray::add(StrBuffer* text) {
    if (!text) return false;
    // Elements of an ArrayP are IObject pointers.
    if (array_->add(static_cast<base::IObject*>(text))) return true;
    text->release();
    return false;
}

StrBuffer* StrArray::addText(const char16_t* text, std::int32_t count) {
    StrBuffer* piece = StrBuffer::create();
    piece->append(text, count);
    return add(piece) ? piece : nullptr;
}

std::int32_t StrArray::indexOfIgnoreCase(const char16_t* text, std::int32_t count) const {
    const std::uint32_t n = strbuffer::chars::countOf(text, count);
    for (std::uint32_t i = 0; i < length(); ++i) {
        const StrBuffer* s = get(i);
        if (s->length() == n && s->startsWithIgnoreCase(text, static_cast<std::int32_t>(n))) {
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

}  // namespace s::str::strarray
