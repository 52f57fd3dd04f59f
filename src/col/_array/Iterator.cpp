// Stepping through an array by index.
#include "col/_array/Iterator.h"

#include "col/_array/ArrayBase.h"

namespace s::col::_array {

void Iterator::recycle() {
    array_ = nullptr;
    index_ = -1;
}

void Iterator::attach(ArrayBase* array, std::int64_t index) {
    array_ = array;
    index_ = index;
}

bool Iterator::hasNext() const {
    return array_ && index_ < static_cast<std::int64_t>(array_->length()) - 1;
}

void* Iterator::next() {
    ++index_;
    return array_->elementAt(static_cast<std::uint32_t>(index_));
}

void* Iterator::previous() {
    --index_;
    return array_->elementAt(static_cast<std::uint32_t>(index_));
}

}  // namespace s::col::_array
