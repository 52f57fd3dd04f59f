// The string iterator: index arithmetic over the string's code units.
#include "str/strbuffer/Iterator.h"

#include "str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

Iterator* Iterator::over(StrBuffer* text, std::int64_t index) {
    Iterator* it = create();
    it->text_ = text;
    it->index_ = index;
    return it;
}

bool Iterator::hasNext() const {
    return text_ && index_ < std::int64_t(text_->length()) - 1;
}

char16_t* Iterator::next() {
    return text_->charAddress(std::uint32_t(++index_));
}

char16_t* Iterator::previous() {
    return text_->charAddress(std::uint32_t(--index_));
}

}  // namespace s::str::strbuffer
